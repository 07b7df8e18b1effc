#include "shell/IconCycle.h"

void IconCycle::SetCount(int count)
{
    count_ = count < 0 ? 0 : count;
}

void IconCycle::SetIndex(int index)
{
    if (count_ == 0)
        index_ = 0;
    else
        index_ = index >= count_ ? count_ - 1 : index;
}

int IconCycle::Step()
{
    SetIndex(index_ < count_ - 1 ? index_ + 1 : 0);
    return index_;
}

std::u16string TrayTipText(const std::u16string& hint, bool showHint)
{
    if (hint.empty() || !showHint)
        return {};
    return hint.substr(0, kTrayTipUnits - 2);
}
