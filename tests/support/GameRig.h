// A whole game on a fake screen: the settings, scripted random numbers, the screen that
// records pauses, messages and dumps, and the game that reads them.
#pragma once

#include "game/Game.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace jumpline::testing {

struct GameRig {
    explicit GameRig(Settings::Opponent opponent = Settings::Opponent::Human,
                     Settings::FirstPlayer first = Settings::FirstPlayer::Red)
    {
        settings.opponent = opponent;
        settings.first = first;
    }
    GameRig(const GameRig &) = delete;
    GameRig &operator=(const GameRig &) = delete;

    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game{settings, random, screen};

    // Sets up a position drawn as a picture, with the side to move's pieces enabled as the
    // game enables them (Black's never against the computer).
    void setPosition(std::string_view picture, bool redToMove = true, int twipsPerPixel = DesignTwipsPerPixel)
    {
        game.board = boardFromPicture(picture, redToMove, twipsPerPixel);
        for (Piece &p : game.board.Black)
            p.Enabled = !redToMove && settings.optHuman();
    }

    // The piece standing on `from`; the test is wrong if there is none.
    PieceRef at(Cell from) const
    {
        const auto ref = pieceAt(game.board, from);
        if (!ref)
            throw std::logic_error("no piece on (" + std::to_string(from.col) + ", " + std::to_string(from.row) + ")");
        return *ref;
    }

    // The user drags the piece on `from` onto the dark cell `to`.
    void drag(Cell from, Cell to) { game.Square_DragDrop(squareOf(to), at(from)); }
};

} // namespace jumpline::testing
