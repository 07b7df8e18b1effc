#pragma once
#include <cstddef>
#include <string>

// The text of a WM_COPYDATA message, read within the bytes it brings: whole UTF-16
// units only, up to the first zero unit.
std::u16string CopyDataText(const void* data, std::size_t byteCount);
