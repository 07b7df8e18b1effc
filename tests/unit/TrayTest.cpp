#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/IconCycle.h"
#include "shell/TrayClickLogic.h"

namespace {

class FakeClickTimer : public ClickTimer {
public:
    bool running = false;
    unsigned interval = 0;
    void Start(unsigned milliseconds) override
    {
        running = true;
        interval = milliseconds;
    }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
};

class TrayClickTest : public ::testing::Test {
protected:
    TrayClickTest()
        : logic(
              timer, [] { return 500u; },
              [] {
                  return TrayPointer{TrayPointer::ssShift, 1000, 760};
              })
    {
        logic.events.OnMouseDown = [this](TrayButton b, const TrayPointer& p) { Note("down", b, p); };
        logic.events.OnMouseUp = [this](TrayButton b, const TrayPointer& p) { Note("up", b, p); };
        logic.events.OnClick = [this] { seen.push_back("click"); };
    }
    void Note(const char* what, TrayButton button, const TrayPointer& pointer)
    {
        const char* name = button == TrayButton::mbLeft ? "left" : button == TrayButton::mbRight ? "right" : "middle";
        seen.push_back(std::string(what) + " " + name + (pointer.shift & TrayPointer::ssShift ? " shift" : ""));
    }
    void WithDoubleClickHandler()
    {
        logic.events.OnDblClick = [this] { seen.push_back("double"); };
    }

    FakeClickTimer timer;
    TrayClickLogic logic;
    std::vector<std::string> seen;
};

TEST_F(TrayClickTest, DoubleClickGivesNoClick)
{
    WithDoubleClickHandler();
    for (unsigned message : {TrayMouse::kLeftDown, TrayMouse::kLeftUp, TrayMouse::kLeftDoubleClick, TrayMouse::kLeftUp})
        logic.HandleCallback(message);
    logic.ClickTimerExpired();
    EXPECT_EQ(seen, (std::vector<std::string>{"down left shift", "up left shift", "double", "up left shift"}));
    EXPECT_EQ(timer.interval, 500u);
}

TEST_F(TrayClickTest, SingleClickOnlyAfterTheDoubleClickTime)
{
    WithDoubleClickHandler();
    logic.HandleCallback(TrayMouse::kLeftDown);
    logic.HandleCallback(TrayMouse::kLeftUp);
    EXPECT_EQ(seen, (std::vector<std::string>{"down left shift", "up left shift"}));
    logic.ClickTimerExpired();
    EXPECT_EQ(seen.back(), "click");
    EXPECT_FALSE(timer.running);
}

TEST_F(TrayClickTest, WithoutADoubleClickHandlerTheClickComesOnButtonUp)
{
    logic.HandleCallback(TrayMouse::kLeftDown);
    logic.HandleCallback(TrayMouse::kLeftUp);
    EXPECT_EQ(seen, (std::vector<std::string>{"down left shift", "click", "up left shift"}));
    EXPECT_FALSE(timer.running);
}

TEST_F(TrayClickTest, OtherButtonsAndDisabledIcon)
{
    logic.HandleCallback(TrayMouse::kRightDown);
    logic.HandleCallback(TrayMouse::kMiddleUp);
    logic.HandleCallback(0x0400);
    EXPECT_EQ(seen, (std::vector<std::string>{"down right shift", "up middle shift"}));
    logic.enabled = false;
    logic.HandleCallback(TrayMouse::kRightDown);
    logic.HandleCallback(TrayMouse::kLeftDown);
    EXPECT_EQ(seen.size(), 2u);
}

TEST(IconCycle, FramesInOrderAndIndexClamped)
{
    IconCycle cycle;
    cycle.SetCount(4);
    cycle.SetIndex(0);
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i)
        frames.push_back(cycle.Step());
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0, 1}));
    cycle.SetIndex(9);
    EXPECT_EQ(cycle.Index(), 3);
    IconCycle none;
    none.SetIndex(2);
    EXPECT_EQ(none.Index(), 0);
    EXPECT_EQ(none.Step(), 0);
}

TEST(TrayTip, HintCutTo126Units)
{
    const std::u16string longHint(200, u'時');
    EXPECT_EQ(TrayTipText(longHint, true).size(), 126u);
    EXPECT_EQ(TrayTipText(u"Duv", true), u"Duv");
    EXPECT_EQ(TrayTipText(u"Duv", false), u"");
}

} // namespace
