#include "shell/TrayClickLogic.h"

TrayClickLogic::TrayClickLogic(ClickTimer& clickTimer, std::function<unsigned()> doubleClickTime,
                               std::function<TrayPointer()> readPointer)
    : clickTimer_(clickTimer), doubleClickTime_(std::move(doubleClickTime)), readPointer_(std::move(readPointer))
{
}

void TrayClickLogic::Button(const std::function<void(TrayButton, const TrayPointer&)>& event, TrayButton button,
                            unsigned bit)
{
    if (!event)
        return;
    TrayPointer pointer = readPointer_();
    pointer.shift |= bit;
    event(button, pointer);
}

void TrayClickLogic::HandleCallback(unsigned mouseMessage)
{
    if (!enabled)
        return;
    switch (mouseMessage) {
    case TrayMouse::kMouseMove:
        if (events.OnMouseMove)
            events.OnMouseMove(readPointer_());
        break;
    case TrayMouse::kLeftDown:
        if (events.OnDblClick) {
            clickTimer_.Stop();
            clickTimer_.Start(doubleClickTime_());
        }
        Button(events.OnMouseDown, TrayButton::mbLeft, TrayPointer::ssLeft);
        FClickStart = true;
        break;
    case TrayMouse::kLeftUp:
        if (FClickStart)
            FClickReady = true;
        if (FClickStart && !clickTimer_.Running()) {
            FClickStart = false;
            FClickReady = false;
            if (events.OnClick)
                events.OnClick();
        }
        FClickStart = false;
        Button(events.OnMouseUp, TrayButton::mbLeft, TrayPointer::ssLeft);
        break;
    case TrayMouse::kLeftDoubleClick:
        FClickReady = false;
        IsDblClick = true;
        if (events.OnDblClick)
            events.OnDblClick();
        break;
    case TrayMouse::kRightDown: Button(events.OnMouseDown, TrayButton::mbRight, TrayPointer::ssRight); break;
    case TrayMouse::kRightUp: Button(events.OnMouseUp, TrayButton::mbRight, TrayPointer::ssRight); break;
    case TrayMouse::kMiddleDown: Button(events.OnMouseDown, TrayButton::mbMiddle, TrayPointer::ssMiddle); break;
    case TrayMouse::kMiddleUp: Button(events.OnMouseUp, TrayButton::mbMiddle, TrayPointer::ssMiddle); break;
    default: break;
    }
}

void TrayClickLogic::ClickTimerExpired()
{
    clickTimer_.Stop();
    if (!IsDblClick && FClickReady) {
        FClickReady = false;
        if (events.OnClick)
            events.OnClick();
    }
    IsDblClick = false;
}
