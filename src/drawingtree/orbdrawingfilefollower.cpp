#include "drawingtree/orbdrawingfilefollower.h"

#include "drawingdata/iorbdrawingfile.h"

#include <QTimer>

OrbDrawingFileFollower::OrbDrawingFileFollower(QObject* context, Handler handler)
    : m_context(context), m_handler(std::move(handler))
{
}

OrbDrawingFileFollower::~OrbDrawingFileFollower()
{
    follow(nullptr);
}

void OrbDrawingFileFollower::follow(IOrbDrawingFile* file)
{
    if (file == m_file)
        return;
    if (m_file)
        m_file->removeObserver(this);
    m_pending.clear();
    m_file = file;
    if (m_file)
        m_file->addObserver(this);
}

void OrbDrawingFileFollower::drawingFileChanged(IOrbDrawingFile* file, const QList<OrbDrawingChange>& changes)
{
    if (file != m_file || changes.isEmpty() || !m_context)
        return;
    for (const OrbDrawingChange& change : changes) {
        if (!m_pending.contains(change))
            m_pending.append(change);
    }
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Bound to the view: the call is dropped when the view (and this member of it) is destroyed first.
    QTimer::singleShot(0, m_context.data(), [this] { deliver(); });
}

void OrbDrawingFileFollower::deliver()
{
    m_scheduled = false;
    const QList<OrbDrawingChange> changes = m_pending;
    m_pending.clear();
    if (!changes.isEmpty() && m_file && m_handler)
        m_handler(changes);
}
