#pragma once
#include <optional>
#include <string>

#include "controls/NumEditModel.h"

// The keys a numeric edit box reacts to; every other key is Other.
enum class NumEditKey { Other, Left, Right, Up, Down, Home, End, PageUp, PageDown, Back, Delete, A, C, V, X };
// The shift state of a key press, which must match exactly: Shift alone, Ctrl alone or none.
enum class NumEditShift { None, Shift, Ctrl, Other };
enum class NumEditButton { Left, Right, Middle };

// One thing the user or the system did to the box, as its window reports it.
struct NumEditEvent {
    enum class Kind {
        Press,       // a mouse button went down
        DoubleClick, // the left button's second press of a double click, which comes in place of a press
        Move,        // the mouse moved over the box
        FocusGained, // the keyboard focus came, from anywhere
        FocusLost,   // the keyboard focus went, anywhere
        Entering,    // the focus came from another control of the same form
        Leaving,     // the focus went to another control of the same form
        KeyDown,
        Character,
    };
    Kind kind;
    NumEditButton button = NumEditButton::Left; // Press
    bool foregroundIsOwn = true;                // Press: the foreground window is of the box's own thread
    int x = 0, y = 0;                           // Press, Move: the mouse, in client coordinates
    bool leftHeld = false;                      // Move
    NumEditKey key = NumEditKey::Other;         // KeyDown
    NumEditShift shift = NumEditShift::None;    // KeyDown
    char16_t character = 0;                     // Character
};

// What the box's window does for its input.
class NumEditInputHost {
public:
    virtual ~NumEditInputHost() = default;
    virtual void TakeFocus() = 0;
    // Creates the caret and puts it after the text; destroys it again.
    virtual void CreateTextCaret() = 0;
    virtual void DestroyTextCaret() = 0;
    // Asks the form to move the focus on to its next control.
    virtual void MoveFocusOn() = 0;
    // True once the text is on the clipboard.
    virtual bool PutOnClipboard(const std::u16string& text) = 0;
    // The clipboard's text, when it holds text.
    virtual std::optional<std::u16string> ClipboardText() = 0;
};

// How presses, double clicks, moves, focus and keys reach a numeric edit box's text
// operations. The caret always stands after the last character, so no key moves it:
// the arrow and paging keys only drop the selection or move the focus on.
class NumEditInput {
public:
    NumEditInput(NumEditModel& model, NumEditInputHost& host) : model_(model), host_(host) {}

    void SetAutoSelect(bool autoSelect) { FAutoSelect = autoSelect; }
    void SetHideSelection(bool hide) { FHideSelection = hide; }
    void SetEnterFocusMove(bool move) { FEnterFocusMove = move; }
    void SetArrowFocusMove(bool move) { FArrowFocusMove = move; }
    // The form's dialog keys leave Enter to the box only when Enter moves the focus.
    bool WantsEnter() const { return FEnterFocusMove; }

    // Where the display text was last drawn, left and right edge: a drag across it selects all.
    void TextDrawn(int left, int right);

    // True when the event was the box's (a key down the box did not take goes on to the system).
    bool Handle(const NumEditEvent& event);

private:
    void Press(NumEditButton button, bool foregroundIsOwn);
    void DoubleClick();
    bool MouseAt(int x, int y);
    void Move(int x, bool leftHeld);
    void Enter();
    void Leave();
    bool KeyDown(NumEditKey key, NumEditShift shift);
    void Character(char16_t c);
    void Copy();
    void Cut();
    void Paste();

    NumEditModel& model_;
    NumEditInputHost& host_;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    bool FEnterFocusMove = false;
    bool FArrowFocusMove = false;
    // A double click has just selected all: the press that comes with it keeps that.
    bool DblClickFlag = false;
    int drawLeft_ = 0, drawRight_ = -1;
    // Where the mouse was last reported: the system also reports moves that did not move
    // it (a window changing under it), and those drag nothing.
    int mouseX_ = -1, mouseY_ = -1;
};
