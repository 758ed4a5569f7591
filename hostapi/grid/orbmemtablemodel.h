#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>
#include <QStringList>

class LumMemField;
class LumMemRecord;
class LumMemTable;

// An item model over a LumMemTable: one row per record, one column per shown field. Column captions
// are the fields' display names (the field name when a field has none). A NULL value reads as an
// invalid QVariant in the edit role and is shown as a grey "NULL", unlike an empty string.
class OrbMemTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // How read-only cells look: ReadonlyGreyed draws their text grey, ReadonlyPlain as usual.
    enum ReadonlyMode { ReadonlyGreyed = 0, ReadonlyPlain = 1 };

    explicit OrbMemTableModel(QObject* parent = nullptr);
    ~OrbMemTableModel() override;

    QSharedPointer<LumMemTable> table() const { return m_table; }
    // Shows table (shared; null shows nothing) with the fields last chosen by setFieldNames, or
    // with all its fields when none were chosen yet.
    void setTable(QSharedPointer<LumMemTable> table);
    // Shows the fields of these names, in this order; names the table does not have are skipped.
    // An empty list shows no column and no row. The choice holds for later tables too.
    void setFieldNames(const QStringList& fieldNames);
    // The shown fields: the table's own field objects, in column order.
    const QList<LumMemField*>& fields() const { return m_fields; }

    LumMemRecord* findRecordByIndex(const QModelIndex& index) const;
    LumMemField* findFieldByIndex(const QModelIndex& index) const;

    bool isReadonly() const { return m_readonly; }
    void setReadonly(bool readonly);
    int readonlyMode() const { return m_readonlyMode; }
    void setReadonlyMode(int mode);
    // When on, read-only cells get a light grey background; when off the view's own
    // (for example alternating) background shows.
    bool customBackgroundColor() const { return m_customBackgroundColor; }
    void setCustomBackgroundColor(bool on);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // True when columns keeps some of the shown columns in their order and adds none.
    bool isSubsequence(const QList<int>& columns) const;
    // The table columns of these field names (all columns while no names were chosen).
    QList<int> columnsOf(const QStringList& fieldNames) const;

    QSharedPointer<LumMemTable> m_table;
    QList<LumMemField*> m_fields;
    QList<int> m_columns; // table column of each shown field
    QStringList m_fieldNames;
    bool m_fieldsChosen = false;
    bool m_readonly = false;
    int m_readonlyMode = ReadonlyGreyed;
    bool m_customBackgroundColor = true;
};
