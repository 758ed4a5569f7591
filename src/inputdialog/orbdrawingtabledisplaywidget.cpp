#include "inputdialog/orbdrawingtabledisplaywidget.h"

#include "drawingdata/orbdrawingcoreutils.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawingtabledisplayextension.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QPointer>
#include <QVariant>

namespace {
// Deletes what the extension built: every direct child (widgets and the layout). Guarded,
// since deleting one child may take another with it.
void deleteChildren(QWidget* widget)
{
    QList<QPointer<QObject>> children;
    for (QObject* child : widget->children())
        children.append(child);
    for (const QPointer<QObject>& child : children)
        delete child.data();
}
} // namespace

OrbDrawingTableDisplayWidget::OrbDrawingTableDisplayWidget(IOrbDrawingService* service, QWidget* parent)
    : QWidget(parent), m_drawingService(service)
{
    setObjectName(QStringLiteral("tableDisplay"));
    hide();
}

OrbDrawingTableDisplayWidget::~OrbDrawingTableDisplayWidget()
{
    if (m_extension)
        disconnect(m_extension.data(), &OrbDrawingTableDisplayExtension::updateView, this,
                   &OrbDrawingTableDisplayWidget::updateView);
    // The contents the extension built go first, while the extension still lives.
    deleteChildren(this);
    m_extension.reset();
}

void OrbDrawingTableDisplayWidget::setProcessor(OrbDrawingInfoProcessor* p)
{
    if (m_extension)
        m_extension->cancelEdit();
    if (p == m_processor)
        return;
    m_processor = p;
    rebuild();
}

bool OrbDrawingTableDisplayWidget::hasExtension() const
{
    return !m_extension.isNull();
}

void OrbDrawingTableDisplayWidget::rebuild()
{
    if (m_extension) {
        disconnect(m_extension.data(), &OrbDrawingTableDisplayExtension::updateView, this,
                   &OrbDrawingTableDisplayWidget::updateView);
        deleteChildren(this);
        m_extension.reset();
    }
    if (!m_processor || !m_processor->drawset()) {
        hide();
        return;
    }
    OrbKeyValueList settings;
    settings.setValue(QStringLiteral("elementType"), QVariant::fromValue<long long>(m_processor->elementType()));
    m_extension = OrbDrawingCoreUtils::newTableDisplayExtension(m_drawingService, m_processor->drawset(), settings);
    if (!m_extension) {
        // Nothing to show for this drawset: an empty pane would only take room from the drawing.
        hide();
        return;
    }
    connect(m_extension.data(), &OrbDrawingTableDisplayExtension::updateView, this,
            &OrbDrawingTableDisplayWidget::updateView);
    m_extension->setProcessor(m_processor);
    m_extension->attachTo(this);
    show();
}

void OrbDrawingTableDisplayWidget::saveEdit()
{
    if (m_extension && m_processor)
        m_extension->saveEdit();
}

void OrbDrawingTableDisplayWidget::cancelEdit()
{
    if (m_extension)
        m_extension->cancelEdit();
}

void OrbDrawingTableDisplayWidget::restoreDefValues()
{
    if (m_extension && m_processor)
        m_extension->restoreDefValues();
}
