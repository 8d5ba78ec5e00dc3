#include "support/FakeScreen.h"

namespace jumpline::testing {

void FakeScreen::Pause()
{
    ++pauses;
    if (duringPause)
        duringPause();
}

void FakeScreen::ShowMessage(const std::string &text)
{
    messages.push_back(text);
    if (onMessage)
        onMessage(text);
}

void FakeScreen::ShowBoardDump(const std::string &text)
{
    dump = text;
    ++dumps;
}

void FakeScreen::EndProgram()
{
    ended = true;
}

} // namespace jumpline::testing
