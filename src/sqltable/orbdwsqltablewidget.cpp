#include "sqltable/orbdwsqltablewidget.h"

#include "ui_orbdwsqltablewidget.h"

#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableview.h"

#include <QAction>
#include <QItemSelectionModel>

OrbDWSqlTableWidget::OrbDWSqlTableWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::OrbDWSqlTableWidget)
    , m_model(nullptr)
    , m_view(nullptr)
{
    ui->setupUi(this);

    m_view = new OrbDWSqlTableView(this);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->addAction(ui->actionInsertRow);
    m_view->addAction(ui->actionDeleteRow);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_view->addAction(separator);
    m_view->addAction(ui->actionSubmit);
    m_view->addAction(ui->actionRevert);
    ui->mainLayout->addWidget(m_view);

    updateActions();
}

OrbDWSqlTableWidget::~OrbDWSqlTableWidget()
{
    delete ui;
}

void OrbDWSqlTableWidget::setDatabase(QSqlDatabase& db)
{
    if (m_model) {
        // The view lets go of the model before it goes away.
        m_view->setModel(nullptr);
        delete m_model;
        m_model = nullptr;
    }
    if (db.isValid()) {
        m_model = new OrbDWSqlTableModel(this, db);
        connect(m_model, &OrbDWSqlTableModel::onRecordChanged, this, &OrbDWSqlTableWidget::doModel_RecordChanged);
        m_view->setModel(m_model);
        connect(m_model, &QAbstractItemModel::modelReset, this, [this]() { fitColumns(0, m_model->columnCount() - 1); });
        connect(m_model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to) { fitColumns(from.column(), to.column()); });
    } else {
        m_view->setModel(nullptr);
    }
    // Each setModel gives the view a new selection model and keeps the old one: only the current
    // one stays.
    const QList<QItemSelectionModel*> selections =
        m_view->findChildren<QItemSelectionModel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QItemSelectionModel* selection : selections) {
        if (selection != m_view->selectionModel())
            delete selection;
    }
    updateActions();
}

void OrbDWSqlTableWidget::fitColumns(int first, int last)
{
    // Columns grow to show their values whole; a width the user gave a column is not taken back.
    for (int column = qMax(first, 0); column <= last; ++column) {
        const int before = m_view->columnWidth(column);
        m_view->resizeColumnToContents(column);
        if (m_view->columnWidth(column) < before)
            m_view->setColumnWidth(column, before);
    }
}

void OrbDWSqlTableWidget::setTable(const QString& tableName)
{
    if (m_model)
        m_model->setTable(tableName);
}

void OrbDWSqlTableWidget::updateActions()
{
    const bool hasModel = m_model != nullptr;
    const bool dirty = hasModel && m_model->isDirty();
    ui->actionInsertRow->setEnabled(hasModel);
    ui->actionDeleteRow->setEnabled(hasModel);
    ui->actionSubmit->setEnabled(dirty);
    ui->actionRevert->setEnabled(dirty);
}

QAction* OrbDWSqlTableWidget::actionInsertRow() const
{
    return ui->actionInsertRow;
}

QAction* OrbDWSqlTableWidget::actionDeleteRow() const
{
    return ui->actionDeleteRow;
}

QAction* OrbDWSqlTableWidget::actionSubmit() const
{
    return ui->actionSubmit;
}

QAction* OrbDWSqlTableWidget::actionRevert() const
{
    return ui->actionRevert;
}

void OrbDWSqlTableWidget::on_actionInsertRow_triggered()
{
    m_view->insertRow();
}

void OrbDWSqlTableWidget::on_actionDeleteRow_triggered()
{
    m_view->deleteRow();
}

void OrbDWSqlTableWidget::doModel_RecordChanged()
{
    updateActions();
}
