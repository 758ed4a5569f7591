#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariant>

#include <utility>

class IOrbDrawset;
class OrbDrawsetProp;
class OrbDrawsetProps;

// Holds one drawset's parameter values (its drawing info) for the element being edited,
// validates them, recalculates derived values and produces the drawset's tables.
class OrbDrawingInfoProcessor : public QObject
{
    Q_OBJECT
public:
    using DefValues = QList<std::pair<OrbDrawsetProp*, QString>>;

    explicit OrbDrawingInfoProcessor(QObject* parent = nullptr);
    ~OrbDrawingInfoProcessor() override;

    virtual long long entType() = 0;
    virtual long long elementType() = 0;
    // Pairs of a table name and a tab caption, allocated on the heap and freed by the caller.
    virtual void filterTables(QList<QPair<QString, QString>*>& out) = 0;
    virtual void displayParams(QMap<QString, QString>& out) = 0;

    virtual IOrbDrawset* drawset() = 0;
    virtual void setDrawset(IOrbDrawset* drawset) = 0;
    virtual void open() = 0;
    virtual void calculate() = 0;
    virtual void initDefValues(const DefValues& values) = 0;
    // True when values were reset.
    virtual bool restoreDefValues(const DefValues& values) = 0;
    // May be null.
    virtual OrbDrawsetProps* drawsetProps() = 0;
    virtual QString drawingID() = 0;
    // The current values as "code=value" items joined by ";".
    virtual QString toDrawingInfo() = 0;

signals:
    void onBeforeChange(OrbDrawsetProp* prop, const QString& value);
    void onAfterChange(OrbDrawsetProp* prop, QVariant& value);
    void onBeforeCalculate();
    void onAfterCalculate();
    void onOutputDebugInfo(const QString& text);
};
