// Whether there is a screen to show the game on. Where Qt cannot start its platform (no X
// server answers, or it refuses the connection) it aborts the program with a core dump;
// here that, and a screen the game cannot be drawn on, become a plain message instead.
#pragma once

#include <QApplication>

#include <memory>
#include <optional>
#include <string>

namespace jumpline {

// Why the program cannot show its windows, as far as the environment tells before Qt
// starts: no display is named at all. Nothing otherwise (and nothing when QT_QPA_PLATFORM
// chooses a platform other than X, or a Wayland display is named and Qt has its Wayland
// platform). The display itself is not contacted: a connection made and closed here would
// be the server's last client going, which resets the server under Qt's own connection.
std::optional<std::string> displayProblem();

// The application. Where Qt's platform cannot be started, prints the program's own
// message and ends the program with status 1 instead of Qt's abort. What Qt says
// meanwhile is held back and passed on once it has started.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

// Once started: why the screen cannot show the game (too few colours); nothing when it can.
std::optional<std::string> screenProblem();

} // namespace jumpline
