#pragma once
#include <functional>
#include <optional>
#include <string>

#include "controls/NumEditRules.h"

// What the numeric edit box's window does for its model.
class NumEditView {
public:
    virtual ~NumEditView() = default;
    virtual void Repaint() = 0;
    virtual void PlaceCaret() = 0;
    virtual void Beep() = 0;
    // Width in pixels of a text drawn in one line in the box's font.
    virtual int MeasureText(const std::u16string& text) = 0;
    // Client width less the margins and the border allowance.
    virtual int AvailableWidth() = 0;
};

// The number text of a numeric edit box and every operation that changes it:
// typing works like a pocket calculator, the selection is all or nothing, and each
// change is checked against the lengths, the sign rule and the box's width.
class NumEditModel {
public:
    explicit NumEditModel(NumEditView& view);

    // Properties; setting one to its present value does nothing.
    const std::u16string& Text() const { return FText; }
    void SetText(const std::u16string& text);
    const std::u16string& ValText() const { return FValText; }
    const NumEditFormat& Format() const { return format_; }
    void SetIntegerLength(int length);
    void SetDecimalLength(int length);
    void SetMinus(bool minus);
    void SetComma(bool comma);
    void SetDecimalFixed(bool fixed);
    void SetLeftMark(const std::u16string& mark);
    void SetRightMark(const std::u16string& mark);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    void SetErrorBeep(bool beep) { FErrorBeep = beep; }
    void SetImageCopy(bool imageCopy) { FImageCopy = imageCopy; }

    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    bool CanUndo() const { return FCanUndo; }
    bool AllSelected() const { return FSelLength != 0; }
    int SelLength() const { return FSelLength; }

    std::function<void()> OnChange;

    void InputDigit(char16_t digit);
    void InputPoint();
    void InputMinus();
    void DeleteLastChar();
    void Clear();
    void ClearSelection();
    void ClearUndo();
    void SelectAll();
    void ClearSelect();
    // The text to put on the clipboard, when all is selected.
    std::optional<std::u16string> CopyToClipboard() const;
    // Copies through put, and clears only once put has the text on the clipboard.
    bool CutToClipboard(const std::function<bool(const std::u16string&)>& put);
    void PasteFromClipboard(const std::u16string& clipboardText);
    void Undo();
    // Leaving the box: a lone minus becomes 0, and the selection goes when asked.
    void Leave(bool hideSelection);

    // A typed character: digits, "-", "." (full-width forms too); others are refused
    // (silently in a read-only box).
    void InputCharacter(char16_t c);

    // The distance from the text's left edge to the caret, for a number text.
    int CaretOffset(const std::u16string& t);
    bool TextFits(const std::u16string& t);

private:
    void Refuse();
    void SaveUndo();
    void Accept(const std::u16string& t);
    void Reformat();

    NumEditView& view_;
    NumEditFormat format_;
    std::u16string FText = u"0";
    std::u16string FValText;
    std::u16string UndoBuffer;
    bool FCanUndo = false;
    bool FModified = false;
    bool FReadOnly = false;
    bool FErrorBeep = true;
    bool FImageCopy = false;
    int FSelLength = 0;
};
