#pragma once

#include "orbdrawingwidgets_export.h"

#include <QSqlDatabase>
#include <QWidget>

class OrbDWSqlTableModel;
class OrbDWSqlTableView;
class QAction;

namespace Ui {
class OrbDWSqlTableWidget;
}

// Edits one table of an SQL database: a grid filling the widget and four context-menu actions.
// Insert and delete are carried out here; save and undo are only enabled while the model holds
// unsubmitted changes, and the owner connects them to its own submitting and reverting.
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlTableWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OrbDWSqlTableWidget(QWidget* parent = nullptr);
    ~OrbDWSqlTableWidget() override;

    // Replaces the model with a new one for db; an invalid database leaves the view without a model.
    void setDatabase(QSqlDatabase& db);
    // Sets the model's table; the owner then calls model()->select(). Nothing without a model.
    void setTable(const QString& tableName);
    void updateActions();

    OrbDWSqlTableModel* model() const { return m_model; }
    OrbDWSqlTableView* view() const { return m_view; }
    QAction* actionInsertRow() const;
    QAction* actionDeleteRow() const;
    QAction* actionSubmit() const;
    QAction* actionRevert() const;

private slots:
    void on_actionInsertRow_triggered();
    void on_actionDeleteRow_triggered();
    void doModel_RecordChanged();

private:
    void fitColumns(int first, int last);

    Ui::OrbDWSqlTableWidget* ui;
    OrbDWSqlTableModel* m_model;
    OrbDWSqlTableView* m_view;
};
