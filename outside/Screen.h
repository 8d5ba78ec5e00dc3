// Everything the core needs from the screen. The main window implements it;
// tests fake it, so no test waits a second or opens a message box.
#pragma once

#include <string>

namespace jumpline {

class Screen {
public:
    virtual ~Screen() = default;

    // Waits about a second while the window goes on handling events (the computer's pause).
    virtual void Pause() = 0;
    // A modal message with an OK button only, titled "Jumpline"; returns once it is closed.
    virtual void ShowMessage(const std::string &text) = 0;
    // Replaces the board dump on the test window.
    virtual void ShowBoardDump(const std::string &text) = 0;
    // Closes the windows and ends the program.
    virtual void EndProgram() = 0;
};

} // namespace jumpline
