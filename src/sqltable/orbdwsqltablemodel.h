#pragma once

#include "orbdrawingwidgets_export.h"

#include <QSqlDatabase>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVector>

// Table model for editing one database table in a grid. Edits, inserted and removed rows stay in
// the model until the owner submits or reverts them (manual submit). Cells with unsubmitted edits
// have a yellow background, boolean columns answer booleans, and every change of data, header
// data or rows is announced once through onRecordChanged (a model reset is not).
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlTableModel : public QSqlTableModel
{
    Q_OBJECT
public:
    explicit OrbDWSqlTableModel(QObject* parent = nullptr, QSqlDatabase db = QSqlDatabase());
    ~OrbDWSqlTableModel() override;

    QVariant data(const QModelIndex& index, int role) const override;

    // The field of a column as the database declares it for the table (QSqlDatabase::record),
    // where drivers report auto values and declared types; a query's record does not. A key whose
    // default value is a sequence (nextval(...), PostgreSQL's serial) counts as an auto value.
    // Empty for a column the table does not have.
    QSqlField tableField(int column) const;
    // True when the column's field is declared boolean.
    bool isBoolColumn(int column) const;

signals:
    void onRecordChanged();

protected slots:
    void doRecordChanged();

private:
    // Reads the table's record again when it was reset (setTable, select) or its columns changed.
    void ensureTableRecord() const;
    QSqlField fieldOf(int column) const;

    mutable QSqlRecord m_tableRecord;
    mutable QVector<bool> m_boolColumns; // by model column
    mutable bool m_tableRecordStale = true;
};
