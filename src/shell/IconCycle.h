#pragma once
#include <string>

// The frame an animated notification-area icon shows, within its image list.
class IconCycle {
public:
    void SetCount(int count);
    int Count() const { return count_; }
    // A value at or beyond the number of frames shows the last one; without frames, 0.
    void SetIndex(int index);
    int Index() const { return index_; }
    // One step of the animation: the frame after the one shown, back to the first after the last.
    int Step();

private:
    int count_ = 0;
    int index_ = 0;
};

// The tooltip sent to the shell: at most kTrayTipUnits - 2 units of the hint (126),
// nothing when hints are off.
constexpr std::size_t kTrayTipUnits = 128;
std::u16string TrayTipText(const std::u16string& hint, bool showHint);
