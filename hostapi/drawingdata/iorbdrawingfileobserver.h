#pragma once

#include "drawingdata/orbdrawingchange.h"

#include <QList>

class IOrbDrawingFile;

/// Told by a drawing file about changes of its types and drawsets. The library's trees (the
/// drawing tree, the check tree and through its tree the input dialog) register one to follow
/// renames, removals, additions and reorders made elsewhere without rebuilding.
class IOrbDrawingFileObserver
{
public:
    virtual ~IOrbDrawingFileObserver() = default;
    /// Called on the GUI thread once per committed outermost update bracket of file (or once per
    /// write made outside a bracket), whichever object or client made the change; never for a
    /// batch that was rolled back. changes lists each changed object once per kind, in the order
    /// the changes were made. The objects named are the file's own; the call may come while the
    /// writer's operation is still on the stack, so an observer must not write to the file from it.
    virtual void drawingFileChanged(IOrbDrawingFile* file, const QList<OrbDrawingChange>& changes) = 0;
};
