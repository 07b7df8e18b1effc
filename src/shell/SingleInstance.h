#pragma once
#include <cstddef>

// What one instance per log-on rests on: the mutex that marks the running instance,
// the settings window a second start looks for, and the request it sends there.
namespace SingleInstance {

constexpr const char16_t* kMutexName = u"Duv/Marnex";
constexpr const char16_t* kFormClass = u"TDuvMainForm";
constexpr const char16_t* kFormTitle = u"Duv";

// The WM_COPYDATA text of a second start: "/Show" followed by two zero units, 14 bytes.
constexpr const char16_t* kShowRequestText = u"/Show";
constexpr char16_t kShowRequestData[] = u"/Show\0";
constexpr std::size_t kShowRequestBytes = sizeof(kShowRequestData);
static_assert(kShowRequestBytes == 14);

} // namespace SingleInstance
