// Whether there is a screen to show the game on, asked before Qt is started: without one
// Qt aborts the program with a core dump instead of a message.
#pragma once

#include <optional>
#include <string>

namespace jumpline {

// Why the program cannot show its windows, in plain words; nothing when it can (or when
// QT_QPA_PLATFORM chooses a platform other than X, or a Wayland display is named and Qt
// has its Wayland platform).
std::optional<std::string> displayProblem();

} // namespace jumpline
