#pragma once
#include <string>

// Saves the whole screen as NAME.bmp in the folder the DUV_ARTEFACTS environment
// variable names (a Unix path under Wine, a Windows path elsewhere), for a person to
// look at after the run; nothing when the variable is unset.
void SaveScreenshot(const std::wstring& name);
