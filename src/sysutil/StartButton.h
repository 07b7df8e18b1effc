#pragma once
#include <string>

// The taskbar's Start button, on the platform versions where it carries a text.
class StartButton {
public:
    virtual ~StartButton() = default;
    // Empty when there is no Start button.
    virtual std::u16string Text() = 0;
    // False when there is no Start button.
    virtual bool SetText(const std::u16string& text) = 0;
};

constexpr const char16_t* kStartCaption = u"スタート";
