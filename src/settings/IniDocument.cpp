#include "settings/IniDocument.h"

#include "sysutil/PathText.h"

namespace {

bool IsBlank(char16_t c)
{
    return c <= u' ';
}

std::u16string TrimLeft(const std::u16string& s)
{
    std::size_t start = 0;
    while (start < s.size() && IsBlank(s[start]))
        ++start;
    return s.substr(start);
}

std::u16string TrimRight(const std::u16string& s)
{
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return s.substr(0, end);
}

std::u16string Trim(const std::u16string& s)
{
    return TrimLeft(TrimRight(s));
}

template <typename Visit>
void ForEachLine(const std::u16string& text, Visit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos)
            end = text.size();
        visit(text.substr(start, end - start));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

bool AllDecimalDigits(const std::u16string& s)
{
    if (s.empty() || s.size() > 18)
        return false;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

IniDocument IniDocument::Parse(const std::u16string& text)
{
    IniDocument document;
    Section* current = nullptr;
    ForEachLine(text, [&](const std::u16string& raw) {
        const std::u16string line = Trim(raw);
        if (line.empty())
            return;
        if (line[0] != u';' && line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            const std::u16string name = Trim(line.substr(1, line.size() - 2));
            current = document.FindSection(name);
            if (!current) {
                document.sections_.push_back({name, {}});
                current = &document.sections_.back();
            }
            return;
        }
        if (!current) {
            document.prologue_.push_back(line);
            return;
        }
        const std::size_t equals = line[0] == u';' ? std::u16string::npos : line.find(u'=');
        if (equals == std::u16string::npos)
            current->lines.push_back({false, line, {}});
        else
            current->lines.push_back({true, TrimRight(line.substr(0, equals)), TrimLeft(line.substr(equals + 1))});
    });
    return document;
}

IniDocument::Section* IniDocument::FindSection(const std::u16string& name)
{
    for (Section& section : sections_) {
        if (PathText::EqualsIgnoringAsciiCase(section.name, name))
            return &section;
    }
    return nullptr;
}

const IniDocument::Section* IniDocument::FindSection(const std::u16string& name) const
{
    return const_cast<IniDocument*>(this)->FindSection(name);
}

std::optional<std::u16string> IniDocument::Get(const std::u16string& section, const std::u16string& key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    for (const Line& line : found->lines) {
        if (line.entry && PathText::EqualsIgnoringAsciiCase(line.key, key))
            return line.value;
    }
    return std::nullopt;
}

long long IniDocument::HighestIndexedKey(const std::u16string& section, const std::u16string& prefix) const
{
    long long highest = -1;
    const Section* found = FindSection(section);
    if (!found)
        return highest;
    for (const Line& line : found->lines) {
        if (!line.entry || line.key.size() <= prefix.size() ||
            !PathText::EqualsIgnoringAsciiCase(line.key.substr(0, prefix.size()), prefix))
            continue;
        const std::u16string digits = line.key.substr(prefix.size());
        if (!AllDecimalDigits(digits))
            continue;
        long long value = 0;
        for (char16_t c : digits)
            value = value * 10 + (c - u'0');
        highest = value > highest ? value : highest;
    }
    return highest;
}

void IniDocument::Set(const std::u16string& section, const std::u16string& key, const std::u16string& value)
{
    Section* found = FindSection(section);
    if (!found) {
        sections_.push_back({section, {}});
        found = &sections_.back();
    }
    for (Line& line : found->lines) {
        if (line.entry && PathText::EqualsIgnoringAsciiCase(line.key, key)) {
            line.value = value;
            return;
        }
    }
    found->lines.push_back({true, key, value});
}

std::u16string IniDocument::Serialize() const
{
    std::u16string text;
    for (const std::u16string& line : prologue_)
        text += line + u"\r\n";
    for (const Section& section : sections_) {
        text += u"[" + section.name + u"]\r\n";
        for (const Line& line : section.lines)
            text += (line.entry ? line.key + u"=" + line.value : line.key) + u"\r\n";
        text += u"\r\n";
    }
    return text;
}
