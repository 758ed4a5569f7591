#include "grid/orbmemtableconfigurator.h"

#include "grid/lummemtable.h"
#include "grid/orbmemtablemodel.h"
#include "grid/orbmemtableviewwidget.h"

OrbMemTableConfigurator::OrbMemTableConfigurator() = default;

OrbMemTableConfigurator::~OrbMemTableConfigurator() = default;

void OrbMemTableConfigurator::setColumnWidth(const QString& fieldName, int width)
{
    m_widths.insert(fieldName.toLower(), width);
}

int OrbMemTableConfigurator::columnWidth(const QString& fieldName) const
{
    return m_widths.value(fieldName.toLower(), -1);
}

void OrbMemTableConfigurator::configure(OrbMemTableViewWidget* view)
{
    if (!view || m_widths.isEmpty())
        return;
    const QList<LumMemField*>& fields = view->model()->fields();
    for (int c = 0; c < fields.count(); ++c) {
        const int width = columnWidth(fields.at(c)->fieldName());
        if (width > 0)
            view->setColumnWidth(c, width);
    }
}
