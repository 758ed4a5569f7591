#pragma once

#include "drawingdata/iorbdrawingfileobserver.h"

#include <QList>
#include <QPointer>

#include <functional>

class QObject;

// Registers a view with the drawing file it shows and hands it the file's change notifications
// once control is back in the event loop, so that the view never reshapes its rows while one of
// its own operations (a move, an in-place rename) is still writing to the file. Notifications
// that arrive before then are handed over together.
class OrbDrawingFileFollower : public IOrbDrawingFileObserver
{
public:
    using Handler = std::function<void(const QList<OrbDrawingChange>&)>;

    // context: the view; no handler runs after it is gone.
    OrbDrawingFileFollower(QObject* context, Handler handler);
    ~OrbDrawingFileFollower() override;
    OrbDrawingFileFollower(const OrbDrawingFileFollower&) = delete;
    OrbDrawingFileFollower& operator=(const OrbDrawingFileFollower&) = delete;

    // Follows file instead of the previous one (null follows nothing); pending changes of the
    // previous file are dropped. The caller keeps file alive until it follows another one.
    void follow(IOrbDrawingFile* file);

    void drawingFileChanged(IOrbDrawingFile* file, const QList<OrbDrawingChange>& changes) override;

private:
    void deliver();

    QPointer<QObject> m_context;
    Handler m_handler;
    IOrbDrawingFile* m_file = nullptr;
    QList<OrbDrawingChange> m_pending;
    bool m_scheduled = false;
};
