#pragma once
#include <string>
#include <vector>

#include "launcher/LaunchEntry.h"

class SystemClock;

// Opens one script file and returns once the shell call has returned.
class LaunchRunner {
public:
    virtual ~LaunchRunner() = default;
    virtual void RunAndWait(const std::u16string& file) = 0;
};

// Opens, one after the other in list order, every ticked row whose hour, minute and
// weekday the clock shows, reading the clock afresh for each comparison. Nothing is
// opened without the sibling tool. A row whose hour or minute is not a whole number
// is passed over.
void RunDueLaunches(const std::vector<LaunchEntry>& rows, const std::u16string& qelExePath, SystemClock& clock,
                    LaunchRunner& runner);
