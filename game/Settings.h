// The game settings: chosen on the start-up window and read live by the game,
// never copied. The start-up window owns the one instance of a run.
#pragma once

namespace jumpline {

struct Settings {
    enum class Opponent { Human, Computer };
    enum class FirstPlayer { Red, Black };

    Opponent opponent = Opponent::Human;
    FirstPlayer first = FirstPlayer::Red;
    bool blnTestMode = false; // pieces may be placed freely; switched only from the test window

    bool optHuman() const { return opponent == Opponent::Human; }
    bool optComputer() const { return opponent == Opponent::Computer; }
    bool optRed() const { return first == FirstPlayer::Red; }
    bool optBlack() const { return first == FirstPlayer::Black; }
};

} // namespace jumpline
