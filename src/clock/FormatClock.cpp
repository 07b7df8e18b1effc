#include "clock/FormatClock.h"

#include "clock/JapaneseLocale.h"

namespace {

char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

bool MatchesAt(const std::u16string& text, std::size_t pos, const char16_t* word)
{
    for (std::size_t k = 0; word[k] != 0; ++k) {
        if (pos + k >= text.size() || Lower(text[pos + k]) != word[k])
            return false;
    }
    return true;
}

std::u16string Number(int value, bool padded)
{
    std::u16string digits;
    const bool negative = value < 0;
    unsigned magnitude = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (padded && digits.size() < 2)
        digits.insert(digits.begin(), u'0');
    if (negative)
        digits.insert(digits.begin(), u'-');
    return digits;
}

std::u16string FourDigits(int value)
{
    std::u16string digits = Number(value < 0 ? -value : value, false);
    while (digits.size() < 4)
        digits.insert(digits.begin(), u'0');
    return value < 0 ? u"-" + digits : digits;
}

int TwelveHour(int hour)
{
    return hour % 12 == 0 ? 12 : hour % 12;
}

class PatternRenderer {
public:
    PatternRenderer(const std::u16string& pattern, const Moment& moment) : p_(pattern), m_(moment) {}

    std::u16string Render()
    {
        while (i_ < p_.size()) {
            if (p_[i_] == u'"')
                CopyQuoted();
            else if (!RenderNoonSpecifier() && !RenderRun())
                out_ += p_[i_++];
        }
        return out_;
    }

private:
    void CopyQuoted()
    {
        const std::size_t close = p_.find(u'"', i_ + 1);
        const std::size_t end = close == std::u16string::npos ? p_.size() : close;
        out_.append(p_, i_ + 1, end - i_ - 1);
        i_ = close == std::u16string::npos ? p_.size() : close + 1;
    }

    // "AM/PM" copies its own letters; "ampm" gives the locale's designator.
    bool RenderNoonSpecifier()
    {
        const bool am = m_.hour < 12;
        if (MatchesAt(p_, i_, u"am/pm")) {
            out_.append(p_, am ? i_ : i_ + 3, 2);
            i_ += 5;
        } else if (MatchesAt(p_, i_, u"ampm")) {
            out_ += JapaneseLocale::NoonDesignator(m_.hour);
            i_ += 4;
        } else {
            return false;
        }
        twelveHour_ = true;
        last_ = u'a';
        return true;
    }

    bool RenderRun()
    {
        const char16_t letter = Lower(p_[i_]);
        std::size_t run = 1;
        while (i_ + run < p_.size() && Lower(p_[i_ + run]) == letter)
            ++run;
        if (!RenderSpecifier(letter, run, i_ + run))
            return false;
        last_ = letter;
        i_ += run;
        return true;
    }

    bool RenderSpecifier(char16_t letter, std::size_t run, std::size_t after)
    {
        const bool padded = run >= 2;
        switch (letter) {
        case u'y': out_ += run >= 3 ? FourDigits(m_.year) : Number(((m_.year % 100) + 100) % 100, true); return true;
        case u'm': out_ += Number(last_ == u'h' ? m_.minute : m_.month, padded); return true;
        case u'd': out_ += Number(m_.day, padded); return true;
        case u'n': out_ += Number(m_.minute, padded); return true;
        case u's': out_ += Number(m_.second, padded); return true;
        case u'e': out_ += Number(JapaneseLocale::EraOf(m_).year, padded); return true;
        case u'h': out_ += Number(UsesTwelveHour(after) ? TwelveHour(m_.hour) : m_.hour, padded); return true;
        case u'a':
            if (run < 3)
                return false;
            out_ += JapaneseLocale::ShortWeekdayName(m_.weekday);
            return true;
        case u'g':
            if (run < 2)
                return false;
            out_ += JapaneseLocale::EraOf(m_).name;
            return true;
        default: return false;
        }
    }

    // An h is on the 12-hour clock once a noon specifier was met, or when one
    // follows before the next h (quoted runs skipped).
    bool UsesTwelveHour(std::size_t from) const
    {
        if (twelveHour_)
            return true;
        for (std::size_t j = from; j < p_.size(); ++j) {
            if (p_[j] == u'"') {
                j = p_.find(u'"', j + 1);
                if (j == std::u16string::npos)
                    return false;
            } else if (Lower(p_[j]) == u'h') {
                return false;
            } else if (MatchesAt(p_, j, u"am/pm") || MatchesAt(p_, j, u"ampm")) {
                return true;
            }
        }
        return false;
    }

    const std::u16string& p_;
    const Moment& m_;
    std::u16string out_;
    std::size_t i_ = 0;
    char16_t last_ = 0;
    bool twelveHour_ = false;
};

} // namespace

std::u16string FormatClock(const std::u16string& pattern, const Moment& moment)
{
    return PatternRenderer(pattern, moment).Render();
}
