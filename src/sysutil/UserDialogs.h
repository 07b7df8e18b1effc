#pragma once
#include <optional>
#include <string>

// The message boxes (captioned "Duv") and the file picker that handlers show.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Yes and No with the question icon; true for Yes.
    virtual bool AskYesNo(const std::u16string& text) = 0;
    // A notice with an OK button.
    virtual void Notify(const std::u16string& text) = 0;

    struct PickRequest {
        std::u16string title;
        std::u16string folder;
        std::u16string filterDescription; // "Qel実行ファイル(*.qel)"
        std::u16string filterPattern;     // "*.qel"
    };
    // The chosen file's full path; nothing when the user cancels.
    virtual std::optional<std::u16string> PickFile(const PickRequest& request) = 0;
};
