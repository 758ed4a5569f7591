#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>
#include <QStringList>

class LumMemField;
class LumMemRecord;
class LumMemTable;

/// An item model over a LumMemTable: one row per record, one column per shown field. Column captions
/// are the fields' display names (the field name when a field has none). A NULL value reads as an
/// invalid QVariant in the edit role and is shown as a grey "NULL", unlike an empty string.
/// The data view reads the shown fields and the record or field behind a clicked cell from it.
class OrbMemTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    /// How read-only cells look: ReadonlyGreyed draws their text grey, ReadonlyPlain as usual.
    enum ReadonlyMode {
        ReadonlyGreyed = 0, ///< read-only text drawn grey
        ReadonlyPlain = 1   ///< read-only text drawn as usual (the data view's choice)
    };

    /// A model without a table.
    explicit OrbMemTableModel(QObject* parent = nullptr);
    ~OrbMemTableModel() override;

    /// The table shown, or null.
    QSharedPointer<LumMemTable> table() const { return m_table; }
    /// Shows table (shared; null shows nothing) with the fields last chosen by setFieldNames, or
    /// with all its fields when none were chosen yet.
    void setTable(QSharedPointer<LumMemTable> table);
    /// Shows the fields of these names, in this order; names the table does not have are skipped.
    /// An empty list shows no column and no row. The choice holds for later tables too.
    void setFieldNames(const QStringList& fieldNames);
    /// The shown fields: the table's own field objects, in column order. The data view sets their
    /// captions and then emits headerDataChanged.
    const QList<LumMemField*>& fields() const { return m_fields; }

    /// The record of index's row, or null for an invalid index or no table.
    LumMemRecord* findRecordByIndex(const QModelIndex& index) const;
    /// The field of index's column, or null for an invalid index.
    LumMemField* findFieldByIndex(const QModelIndex& index) const;

    /// Host side: whether cells can be edited.
    bool isReadonly() const { return m_readonly; }
    /// With true no cell can be edited; the data view's tables are read-only.
    void setReadonly(bool readonly);
    /// Host side: how read-only cells look (ReadonlyMode).
    int readonlyMode() const { return m_readonlyMode; }
    /// Sets how read-only cells look (ReadonlyMode); the data view asks for ReadonlyPlain.
    void setReadonlyMode(int mode);
    /// When on, read-only cells get a light grey background; when off the view's own
    /// (for example alternating) background shows. The data view switches it off.
    bool customBackgroundColor() const { return m_customBackgroundColor; }
    /// Switches the read-only background on or off.
    void setCustomBackgroundColor(bool on);

    /// One row per record.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// One column per shown field.
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    /// The record's value; NULL is an invalid QVariant in the edit role and a grey "NULL" on screen.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// Writes into the record unless the model is read-only.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    /// Field captions across (the field name when a field has none), Qt's row numbers down.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Editable unless read-only.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    /// True when columns keeps some of the shown columns in their order and adds none.
    bool isSubsequence(const QList<int>& columns) const;
    /// The table columns of these field names (all columns while no names were chosen).
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
