#pragma once
#include <gtest/gtest.h>

#include "launcher/LaunchEntry.h"

// Readable failure messages for the program's own value types.
inline void PrintTo(const LaunchEntry& row, std::ostream* os)
{
    *os << "{" << ::testing::PrintToString(row.File) << ", " << ::testing::PrintToString(row.Hour) << ", "
        << ::testing::PrintToString(row.Min) << ", " << ::testing::PrintToString(row.Day) << ", "
        << (row.Enabled ? "on" : "off") << "}";
}
