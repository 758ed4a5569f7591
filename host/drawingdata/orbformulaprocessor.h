#pragma once

#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetdefinition.h"
#include "drawingdata/orbdrawsetprop.h"

#include <QHash>
#include <QMap>
#include <QSharedPointer>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

class LumMemTable;
class OrbFormulaProcessor;

// A property built from one parameter definition of a drawset.
class OrbFormulaProp : public OrbDrawsetProp
{
public:
    explicit OrbFormulaProp(const OrbParamDef& definition);

    int decimals() override;
    QString code() override;
    QString infoCode() override;
    QString infoName() override;
    int vdID() override;
    // The current value; with flag true followed by the unit.
    QString value(bool flag) override;
    bool isReadOnly() override;
    bool isDefaultExcluded() override;
    bool isDrawingInfo() override;

    const OrbParamDef& definition() const { return m_def; }
    QString name() const { return m_def.name; }
    QString defaultValue() const { return m_default; }
    bool isDerived() const { return !m_def.formula.trimmed().isEmpty(); }

private:
    friend class OrbFormulaProcessor;
    friend class OrbFormulaProps;
    OrbParamDef m_def;
    QString m_value;
    QString m_default;
    bool m_hasValue = false;
};

class OrbFormulaProps : public OrbDrawsetProps
{
public:
    explicit OrbFormulaProps(OrbFormulaProcessor* processor);
    ~OrbFormulaProps() override;

    int count() override;
    OrbDrawsetProp* at(int index) override;
    // By code, then by info code; exact first, then ignoring case.
    OrbDrawsetProp* find(const QString& code) override;
    bool validate(OrbDrawsetProp* prop, const QString& value, QString& message) override;
    // Validates the value for every listed property first; on any failure nothing changes.
    // Then writes it into each, with onBeforeChange/onAfterChange around each write, and
    // recalculates.
    bool saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value) override;

    OrbFormulaProp* own(OrbDrawsetProp* prop) const;
    // The first property of that code (exact), or null.
    OrbFormulaProp* byCode(const QString& code) const;
    // Replaces the properties with one per definition.
    void reset(const QList<OrbParamDef>& definitions);

private:
    friend class OrbFormulaProcessor;
    OrbFormulaProcessor* m_processor;
    std::vector<std::unique_ptr<OrbFormulaProp>> m_props;
    QHash<OrbDrawsetProp*, OrbFormulaProp*> m_index;
    QHash<QString, OrbFormulaProp*> m_byCode;
    QHash<QString, QList<OrbFormulaProp*>> m_derivedByCode;
};

// The reference processor: properties from the drawset's parameter definitions, derived values
// evaluated from formulas, and the drawset's calculated tables.
class OrbFormulaProcessor : public OrbDrawingInfoProcessor
{
    Q_OBJECT
public:
    explicit OrbFormulaProcessor(QObject* parent = nullptr);
    ~OrbFormulaProcessor() override;

    long long entType() override { return m_entType; }
    long long elementType() override { return m_elementType; }
    void filterTables(QList<QPair<QString, QString>*>& out) override;
    void displayParams(QMap<QString, QString>& out) override;
    IOrbDrawset* drawset() override { return m_drawset; }
    // Rebuilds the properties from the drawset's definitions (null clears them).
    void setDrawset(IOrbDrawset* drawset) override;
    // Gives every property that has no value yet the element's value, or else its default.
    void open() override;
    void calculate() override;
    void initDefValues(const DefValues& values) override;
    bool restoreDefValues(const DefValues& values) override;
    OrbDrawsetProps* drawsetProps() override;
    QString drawingID() override;
    QString toDrawingInfo() override;

    // The element being edited.
    void setEntType(long long value) { m_entType = value; }
    void setElementType(long long value) { m_elementType = value; }
    // The element's current values, "infoCode=value" items joined by ";".
    void setDrawingInfo(const QString& text);
    void setDisplayParams(const QMap<QString, QString>& params) { m_displayParams = params; }

    // The calculated table of that name, from the current values, or null.
    QSharedPointer<LumMemTable> table(const QString& tableName);
    QStringList tableNames() const;
    // The live processor that holds drawset, most recently given it first; null when none.
    static OrbFormulaProcessor* findByDrawset(IOrbDrawset* drawset);

    static constexpr const char* kParamTable = "DrawSetParam";
    static constexpr const char* kBarTable = "DrawSetBar";
    static constexpr const char* kQuantityTable = "DrawSetQuantity";
    static constexpr const char* kAttributeTable = "DrawSetAttribute";
    // Derived values may build on each other this many levels deep; a longer chain is refused.
    static constexpr size_t kMaxFormulaChain = 1000;

    // What a column of a calculated table shows for a property.
    enum class TableCell { Code, Name, Value, Unit, InfoCode, Formula, Grade, Diameter, Length, Count, Weight };
    struct TableColumn
    {
        const char* field;
        QMetaType::Type type;
        const char* caption; // translated when the table is built
        TableCell cell;
    };

private:
    friend class OrbFormulaProps;
    struct Bar;
    void applyValue(OrbFormulaProp* prop, const QString& value);
    bool evaluate(OrbFormulaProp* prop, const QString& formula, double& result, QString& error,
                  QList<OrbFormulaProp*>* used);
    bool evaluateDerived(OrbFormulaProp* prop, QHash<OrbFormulaProp*, int>& state);
    // The derived properties whose codes a derived property's formula names.
    QList<OrbFormulaProp*> derivedInputs(OrbFormulaProp* prop) const;
    bool finishDerived(OrbFormulaProp* prop, QString& error);
    Bar barOf(OrbFormulaProp* prop);
    QSharedPointer<LumMemTable> newTable(const QString& tableName) const;
    // One row per property (only those of one category unless only is null).
    QSharedPointer<LumMemTable> propertyTable(const QString& tableName, const QVector<TableColumn>& columns,
                                              const OrbParamCategory* only);
    QVariant cellValue(OrbFormulaProp* prop, const Bar& bar, TableCell cell) const;
    QSharedPointer<LumMemTable> filterTable(const OrbFilterTableDef& filter) const;
    void debug(const QString& text);

    long long m_entType = 0;
    long long m_elementType = 0;
    IOrbDrawset* m_drawset = nullptr;
    OrbFormulaProps m_props;
    QList<OrbFilterTableDef> m_filterTables;
    QMap<QString, QString> m_displayParams;
    QHash<QString, QString> m_elementValues;
    quint64 m_generation = 0;
};
