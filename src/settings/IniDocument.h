#pragma once
#include <optional>
#include <string>
#include <vector>

// An INI text held line by line, so that writing it back keeps what it does not
// set: foreign sections, comments, lines it cannot read, keys beyond a list's end.
class IniDocument {
public:
    static IniDocument Parse(const std::u16string& text);

    // The value of the first entry of that key; names match without regard to case.
    std::optional<std::u16string> Get(const std::u16string& section, const std::u16string& key) const;
    // The highest n for which the section holds a key prefix + n (n in decimal); -1 if none.
    long long HighestIndexedKey(const std::u16string& section, const std::u16string& prefix) const;

    // Replaces the value in place (the key keeps its place and letter case), or
    // appends the key at the end of its section, or the section at the end.
    void Set(const std::u16string& section, const std::u16string& key, const std::u16string& value);

    // Each section as a header, its lines as key=value, then an empty line; CR LF throughout.
    std::u16string Serialize() const;

private:
    struct Line {
        bool entry = false; // key=value; otherwise a line kept as it stood
        std::u16string key; // or the whole line
        std::u16string value;
    };
    struct Section {
        std::u16string name;
        std::vector<Line> lines;
    };

    Section* FindSection(const std::u16string& name);
    const Section* FindSection(const std::u16string& name) const;

    std::vector<std::u16string> prologue_; // lines before the first section header
    std::vector<Section> sections_;
};
