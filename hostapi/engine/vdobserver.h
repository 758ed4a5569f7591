#pragma once

#include <vector>

class ZVDEntity;

/// Observer of drawing changes. The drawing editor is one; the library only meets it as a base
/// of ZVectorDrawingEditor.
class VDObserver
{
public:
    virtual ~VDObserver() = default;
    /// Called after the drawing changed; entities are the changed ones (may be empty), data is
    /// the engine's extra information (may be null).
    virtual void onNotify(int event, std::vector<ZVDEntity*>& entities, void* data) = 0;
};
