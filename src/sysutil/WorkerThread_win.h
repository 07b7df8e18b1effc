#pragma once
#include <functional>

// Runs work on a short-lived worker thread, created suspended, and waits for its end.
// Meanwhile only messages that other threads and programs send to this thread's
// windows are handled, so that their callers are not blocked.
void RunOnWorkerAndWait(const std::function<void()>& work);
