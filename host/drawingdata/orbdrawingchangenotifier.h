#pragma once

#include "drawingdata/iorbdrawingfileobserver.h"
#include "drawingdata/orbdrawingchange.h"

#include <QList>
#include <QPair>
#include <QSet>

class IOrbDrawingFile;

// The observers of one drawing file and the changes of its open batch: changes are collected
// while a batch runs and delivered as one notification when it commits.
class OrbDrawingChangeNotifier
{
public:
    explicit OrbDrawingChangeNotifier(IOrbDrawingFile* file) : m_file(file) {}

    void addObserver(IOrbDrawingFileObserver* observer);
    void removeObserver(IOrbDrawingFileObserver* observer);
    bool hasObservers() const { return !m_observers.isEmpty(); }

    // Notes a change; the same change twice in one batch is kept once.
    void record(OrbDrawingChange::Kind kind, IOrbDrawsetType* type, IOrbDrawset* drawset = nullptr);
    bool hasPending() const { return !m_pending.isEmpty(); }
    // Forgets the changes of a batch that was rolled back.
    void discard();
    // Delivers the collected changes as one notification (nothing when there are none) and
    // returns them.
    QList<OrbDrawingChange> flush();
    // Delivers changes made elsewhere (another object or client of the same file).
    void deliver(const QList<OrbDrawingChange>& changes);

private:
    IOrbDrawingFile* m_file;
    QList<IOrbDrawingFileObserver*> m_observers;
    QList<OrbDrawingChange> m_pending;
    // The pending changes as (type, drawset, kind): a batch of thousands of removals checks each
    // one for a repeat without a scan.
    QSet<QPair<QPair<quintptr, quintptr>, int>> m_pendingKeys;
};
