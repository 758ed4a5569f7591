#include "drawingdata/orbdrawingchangenotifier.h"

void OrbDrawingChangeNotifier::addObserver(IOrbDrawingFileObserver* observer)
{
    if (observer && !m_observers.contains(observer))
        m_observers.append(observer);
}

void OrbDrawingChangeNotifier::removeObserver(IOrbDrawingFileObserver* observer)
{
    m_observers.removeAll(observer);
}

void OrbDrawingChangeNotifier::record(OrbDrawingChange::Kind kind, IOrbDrawsetType* type, IOrbDrawset* drawset)
{
    OrbDrawingChange change;
    change.kind = kind;
    change.type = type;
    change.drawset = drawset;
    const auto key = qMakePair(qMakePair(quintptr(type), quintptr(drawset)), int(kind));
    if (m_pendingKeys.contains(key))
        return;
    m_pendingKeys.insert(key);
    m_pending.append(change);
}

void OrbDrawingChangeNotifier::discard()
{
    m_pending.clear();
    m_pendingKeys.clear();
}

QList<OrbDrawingChange> OrbDrawingChangeNotifier::flush()
{
    const QList<OrbDrawingChange> changes = m_pending;
    discard();
    deliver(changes);
    return changes;
}

void OrbDrawingChangeNotifier::deliver(const QList<OrbDrawingChange>& changes)
{
    if (changes.isEmpty())
        return;
    // An observer may unregister itself or another one while being told.
    const QList<IOrbDrawingFileObserver*> observers = m_observers;
    for (IOrbDrawingFileObserver* observer : observers) {
        if (m_observers.contains(observer))
            observer->drawingFileChanged(m_file, changes);
    }
}
