#include "drawingdata/orbdatafaults.h"

namespace {
int g_removalCountdown = 0; // 0: no fault pending
int g_createFaults = 0;
int g_commitFaults = 0;

bool take(int& counter)
{
    if (counter <= 0)
        return false;
    --counter;
    return true;
}
} // namespace

namespace orbdatafaults {
void failRemoval(int nth)
{
    g_removalCountdown = nth > 0 ? nth : 0;
}

void failNextCreateDrawingFile(int count)
{
    g_createFaults = count;
}

void failNextCommit(int count)
{
    g_commitFaults = count;
}

void reset()
{
    g_removalCountdown = 0;
    g_createFaults = 0;
    g_commitFaults = 0;
}

bool takeRemovalFault()
{
    if (g_removalCountdown <= 0)
        return false;
    return --g_removalCountdown == 0;
}

bool takeCreateFault()
{
    return take(g_createFaults);
}

bool takeCommitFault()
{
    return take(g_commitFaults);
}
} // namespace orbdatafaults
