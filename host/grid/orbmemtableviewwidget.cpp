#include "grid/orbmemtableviewwidget.h"

#include "grid/lummemtable.h"
#include "grid/orbmemtableconfigurator.h"
#include "grid/orbmemtablemodel.h"

OrbMemTableViewWidget::OrbMemTableViewWidget(QWidget* parent, OrbMemTableConfigurator* configurator)
    : OrbTableView(parent)
    , m_model(new OrbMemTableModel(this))
    , m_configurator(configurator)
{
    NexTableView::setModel(m_model);
}

OrbMemTableViewWidget::~OrbMemTableViewWidget() = default;

void OrbMemTableViewWidget::setTable(QSharedPointer<LumMemTable> table)
{
    m_model->setTable(table);
    layoutColumns();
}

QSharedPointer<LumMemTable> OrbMemTableViewWidget::table() const
{
    return m_model->table();
}

void OrbMemTableViewWidget::refreshTable(const QStringList& fieldNames)
{
    m_model->setFieldNames(fieldNames);
    layoutColumns();
}

void OrbMemTableViewWidget::layoutColumns()
{
    if (m_configurator)
        m_configurator->configure(this);
}
