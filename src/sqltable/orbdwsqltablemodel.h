#pragma once

#include "orbdrawingwidgets_export.h"

#include <QSqlDatabase>
#include <QSqlTableModel>

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

signals:
    void onRecordChanged();

protected slots:
    void doRecordChanged();
};
