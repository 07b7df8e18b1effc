#include "clock/TickSchedule.h"

namespace TickSchedule {

int DelayToNextTick(int millisecondInSecond)
{
    int ms = millisecondInSecond;
    if (ms < 0)
        ms = 0;
    if (ms > 999)
        ms = 999;
    return 1000 - ms + kAimAfterBoundary;
}

} // namespace TickSchedule
