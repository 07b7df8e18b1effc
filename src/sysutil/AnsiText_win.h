#pragma once
#include <string>

// Bytes in the system's ANSI code page as text.
std::u16string DecodeAnsi(const std::string& bytes);
