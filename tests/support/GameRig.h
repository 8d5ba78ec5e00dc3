// A whole game on a fake screen: the settings, scripted random numbers, the screen that
// records pauses, messages and dumps, and the game that reads them.
#pragma once

#include "game/Game.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace jumpline::testing {

// How many of a colour's twelve pieces may be dragged.
inline int enabledCount(const std::array<Piece, PieceCount> &pieces)
{
    return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Enabled; }));
}

// The start-up window's two choices of opponent.
using Opponent = Settings::Opponent;
constexpr Opponent VersusHuman = Opponent::Human, VersusComputer = Opponent::Computer;

// The Multi Jump button: pressed with a red caption, released with a black one.
constexpr MultiJumpButton Pressed{1, CaptionColour::Red}, Released{0, CaptionColour::Black};

struct GameRig {
    explicit GameRig(Opponent opponent = VersusHuman,
                     Settings::FirstPlayer first = Settings::FirstPlayer::Red)
        : settings{opponent, first}
    {
    }
    GameRig(const GameRig &) = delete; // the game holds references to the rig's parts

    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game{settings, random, screen};

    // Sets up a (possibly partial) picture, with the side to move's pieces enabled as the game
    // enables them (Black's never against the computer).
    void setPosition(std::string_view picture, bool redToMove = true, int twipsX = 15, int twipsY = 15)
    {
        game.board = boardFromPicture(picture, redToMove, twipsX, twipsY);
        for (Piece &p : game.board.Black)
            p.Enabled = !redToMove && settings.optHuman();
    }

    // The piece standing on `from` (the test is wrong if there is none).
    PieceRef at(Cell from) const { return pieceAt(game.board, from).value(); }

    // The user drags the piece on `from` onto the dark cell `to`.
    void drag(Cell from, Cell to) { game.Square_DragDrop(squareOf(to), at(from)); }
};

} // namespace jumpline::testing
