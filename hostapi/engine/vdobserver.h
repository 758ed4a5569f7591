#pragma once

#include <vector>

class ZVDEntity;

// Observer of drawing changes.
class VDObserver
{
public:
    virtual ~VDObserver() = default;
    virtual void onNotify(int event, std::vector<ZVDEntity*>& entities, void* data) = 0;
};
