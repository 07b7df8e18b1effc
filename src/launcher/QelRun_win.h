#pragma once
#include "launcher/DueLaunches.h"

// Opens each due script on a QelRunThread of its own, which the tick waits for.
class QelRunThreadRunner : public LaunchRunner {
public:
    void RunAndWait(const std::u16string& file) override;
};
