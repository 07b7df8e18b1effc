#include "settings/Options.h"

#include "settings/OptionKeys.h"

Options::Options()
{
    OptionKeys::ApplyDefaults(*this);
}

// The length box admits a sign and decimals; the limit is the whole part of the
// number, at least 0, so "-5" cuts the title away and "12.9" keeps 12 characters.
int Options::LengthLimit() const
{
    std::size_t i = 0;
    if (i < Length.size() && Length[i] == u'-')
        return 0;
    int limit = 0;
    for (; i < Length.size() && Length[i] >= u'0' && Length[i] <= u'9'; ++i) {
        limit = limit * 10 + (Length[i] - u'0');
        if (limit > 100000)
            return 100000;
    }
    return limit;
}
