// A screen that records instead of waiting: pauses are counted (and may run a scripted
// action, as a click would arrive during the real pause), messages are answered at once.
#pragma once

#include "game/Screen.h"

#include <functional>
#include <string>
#include <vector>

namespace jumpline::testing {

class FakeScreen final : public Screen {
public:
    void Pause() override
    {
        ++pauses;
        if (duringPause)
            duringPause();
    }
    void ShowMessage(const std::string &text) override
    {
        messages.push_back(text);
        if (onMessage)
            onMessage(text);
    }
    void ShowBoardDump(const std::string &text) override
    {
        dump = text;
        ++dumps;
    }
    void EndProgram() override { ended = true; }

    int pauses = 0;
    std::vector<std::string> messages;
    std::string dump; // the last dump shown
    int dumps = 0;    // how many were shown
    bool ended = false;

    // Runs during every pause, while the core waits; may do what a user could do then.
    std::function<void()> duringPause;
    // Runs while a message is shown, before it is answered.
    std::function<void(const std::string &)> onMessage;
};

} // namespace jumpline::testing
