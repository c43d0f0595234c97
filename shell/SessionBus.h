#pragma once

#include <chrono>

namespace sostav {

// How long the program waits on the session bus at start, for each step: whether it
// answers at all, claiming the program's name, handing the start over to a running program.
inline constexpr std::chrono::milliseconds BusBound {1000};

// Lets the program run as it does without a session bus when the bus does not answer within
// BusBound. Settled before anything connects to it: connecting to a bus that is stopped
// blocks without limit, whatever timeout a call is given, and Qt's accessibility connects to
// it from the window's thread.
void leaveSilentSessionBus();

} // namespace sostav
