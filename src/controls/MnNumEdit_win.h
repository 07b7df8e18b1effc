#pragma once
#include <windows.h>

#include "controls/NumEditColors.h"
#include "controls/NumEditInput.h"
#include "controls/NumEditLayout.h"
#include "controls/NumEditModel.h"
#include "sysutil/WindowBase_win.h"

// A single-line box for a decimal number, with a window class of its own: it keeps
// its own text, draws only that text and places its own caret. A form creates it by
// class name; the object lives as long as its window. WM_SETTEXT and WM_GETTEXT reach
// its Text.
class TMnNumEdit : public WindowBase, private NumEditView, private NumEditInputHost {
public:
    static constexpr const wchar_t* kClassName = L"TMnNumEdit";
    static void RegisterWindowClass();
    // The control behind a window of this class, or null.
    static TMnNumEdit* FromHandle(HWND hwnd) { return WindowBase::FromHandle<TMnNumEdit>(hwnd); }

    NumEditModel& Model() { return model_; }
    NumEditInput& Input() { return input_; }
    void SetColor(NumEditColor color);
    void SetDisabledColor(NumEditColor color);
    void SetAlignment(TAlignment alignment);
    void SetVertAlignment(TVertAlignment alignment);
    // Margins below 0 are refused one by one.
    void SetMargins(const NumEditMargins& margins);
    void SetAutoSize(bool autoSize);
    void SetSingleBorder(bool single);

private:
    friend class WindowBase; // makes the object when its window is created
    TMnNumEdit();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // NumEditView
    void Repaint() override;
    void PlaceCaret() override;
    void Beep() override;
    int MeasureText(const std::u16string& text) override;
    int AvailableWidth() override;

    // NumEditInputHost (MnNumEditInput_win.cpp)
    void TakeFocus() override;
    void CreateTextCaret() override;
    void DestroyTextCaret() override;
    void MoveFocusOn() override;
    bool PutOnClipboard(const std::u16string& text) override;
    std::optional<std::u16string> ClipboardText() override;

    // Drawing and the caret (MnNumEdit_win.cpp).
    void Paint();
    void EraseBackground(HDC dc);
    void SetFont(HFONT font);
    void AdjustHeight();
    POINT TextOrigin();
    bool Focused() const { return GetFocus() == hwnd_; }
    LRESULT CopyText(wchar_t* buffer, std::size_t limit) const;

    // Window messages as the box's input events (MnNumEditInput_win.cpp).
    bool OnInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnFocus(NumEditEvent::Kind change, NumEditEvent::Kind formMove, HWND other);
    LRESULT DialogCode(const MSG* message) const;

    NumEditModel model_;
    NumEditInput input_;
    HFONT font_ = nullptr;
    int FFontHeight = 12;
    int CaretWidth = 1;
    bool caretShown_ = false;
    NumEditColor FColor = NumEditColor::Of(SystemColor::Window);
    NumEditColor FDisabledColor = NumEditColor::Of(SystemColor::GrayText);
    TAlignment FAlignment = TAlignment::taRightJustify;
    TVertAlignment FVertAlignment = TVertAlignment::taVCenter;
    NumEditMargins FMargins;
    bool FAutoSize = true;
};
