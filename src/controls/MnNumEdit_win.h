#pragma once
#include <windows.h>

#include "controls/NumEditLayout.h"
#include "controls/NumEditModel.h"

// A single-line box for a decimal number, with a window class of its own: it keeps
// its own text, draws only that text and places its own caret. WM_SETTEXT and
// WM_GETTEXT reach its Text.
class TMnNumEdit : private NumEditView {
public:
    static constexpr const wchar_t* kClassName = L"TMnNumEdit";
    static void RegisterWindowClass();
    // The control behind a window of this class.
    static TMnNumEdit* FromHandle(HWND hwnd);

    NumEditModel& Model() { return model_; }
    void SetColor(COLORREF color);
    void SetDisabledColor(COLORREF color);
    void SetAlignment(TAlignment alignment);
    void SetVertAlignment(TVertAlignment alignment);
    void SetMargins(const NumEditMargins& margins);
    void SetAutoSize(bool autoSize);
    void SetAutoSelect(bool autoSelect) { FAutoSelect = autoSelect; }
    void SetHideSelection(bool hide) { FHideSelection = hide; }
    void SetEnterFocusMove(bool move) { FEnterFocusMove = move; }
    void SetArrowFocusMove(bool move) { FArrowFocusMove = move; }
    void SetSingleBorder(bool single);

private:
    explicit TMnNumEdit(HWND hwnd);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // NumEditView
    void Repaint() override;
    void PlaceCaret() override;
    void Beep() override;
    int MeasureText(const std::u16string& text) override;
    int AvailableWidth() override;

    // Drawing and the caret (MnNumEdit_win.cpp).
    void Paint();
    void SetFont(HFONT font);
    void AdjustHeight();
    void CreateTextCaret();
    void DestroyTextCaret();
    POINT TextOrigin();
    bool Focused() const { return GetFocus() == hwnd_; }

    // Keys, characters, the mouse and the clipboard (MnNumEditInput_win.cpp).
    bool OnKeyDown(WPARAM key);
    void OnChar(wchar_t c);
    void OnMouseDown();
    void OnMouseMove(int x, WPARAM buttons);
    void OnDoubleClick();
    void Copy();
    void Cut();
    void PutOnClipboard(const std::u16string& text);
    void Paste();
    void MoveFocusOn();

    HWND hwnd_;
    NumEditModel model_;
    HFONT font_ = nullptr;
    int FFontHeight = 12;
    int CaretWidth = 1;
    bool caretShown_ = false;
    COLORREF FColor;
    COLORREF FDisabledColor;
    TAlignment FAlignment = TAlignment::taRightJustify;
    TVertAlignment FVertAlignment = TVertAlignment::taVCenter;
    NumEditMargins FMargins;
    bool FAutoSize = true;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    bool FEnterFocusMove = false;
    bool FArrowFocusMove = false;
    bool DblClickFlag = false;
    RECT DrawRect{};
};
