#pragma once
// Work that may take a while (reading C++ with the parser) runs on a thread of its own while the
// windows keep painting; the user's input waits until it is done, so nothing changes under it.
#include <functional>

namespace tav {

// How long work may take before the busy cursor shows.
inline constexpr int kBusyCursorDelayMs = 100;

// Runs work on another thread and returns when it has finished. work must not touch widgets.
// An exception it throws is thrown again here.
void runWhileBusy(const std::function<void()>& work);

}  // namespace tav
