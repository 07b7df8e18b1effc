#pragma once
#include <functional>

// The shell's mouse callbacks of a notification-area icon, turned into click,
// double-click and button events. With a double-click handler, a single click is
// told only once the system's double-click time has passed without a second click.
namespace TrayMouse {
// The plain mouse messages the shell reports in the callback.
constexpr unsigned kMouseMove = 0x0200;
constexpr unsigned kLeftDown = 0x0201;
constexpr unsigned kLeftUp = 0x0202;
constexpr unsigned kLeftDoubleClick = 0x0203;
constexpr unsigned kRightDown = 0x0204;
constexpr unsigned kRightUp = 0x0205;
constexpr unsigned kMiddleDown = 0x0207;
constexpr unsigned kMiddleUp = 0x0208;
} // namespace TrayMouse

enum class TrayButton { mbLeft, mbRight, mbMiddle };

// Shift state bits and the cursor in screen coordinates, read when a callback is handled.
struct TrayPointer {
    enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
    unsigned shift = 0;
    int x = 0;
    int y = 0;
};

// The timer that tells a single click from a double click.
class ClickTimer {
public:
    virtual ~ClickTimer() = default;
    virtual void Start(unsigned milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

class TrayClickLogic {
public:
    struct Events {
        std::function<void()> OnClick;
        std::function<void()> OnDblClick;
        std::function<void(TrayButton, const TrayPointer&)> OnMouseDown;
        std::function<void(TrayButton, const TrayPointer&)> OnMouseUp;
        std::function<void(const TrayPointer&)> OnMouseMove;
    };

    TrayClickLogic(ClickTimer& clickTimer, std::function<unsigned()> doubleClickTime,
                   std::function<TrayPointer()> readPointer);

    Events events;
    bool enabled = true; // when false, every callback is ignored

    void HandleCallback(unsigned mouseMessage);
    void ClickTimerExpired();

private:
    void Button(const std::function<void(TrayButton, const TrayPointer&)>& event, TrayButton button, unsigned bit);

    ClickTimer& clickTimer_;
    std::function<unsigned()> doubleClickTime_;
    std::function<TrayPointer()> readPointer_;
    bool FClickStart = false;
    bool FClickReady = false;
    bool IsDblClick = false;
};
