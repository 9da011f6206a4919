#pragma once
// The system ends a program with a signal (SIGTERM at logout, shutdown or from systemctl, SIGHUP
// when its terminal goes, SIGINT from Ctrl+C): Korvane then ends as if its window were closed.

#include <functional>

namespace korvane {

// From now on, each of those signals calls end once on the GUI thread, in the event loop; a
// second signal while it runs ends the program at once, as the signal would have.
void endOnSignals(std::function<void()> end);

} // namespace korvane
