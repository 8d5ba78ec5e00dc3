// Thousands of whole games against the computer: a seeded random Red player makes every
// move through the drop handler (now and then a multi-jump with the Multi Jump button),
// the computer answers through the game's hand-over, and every position on the way is
// checked.
#include "game/Game.h"
#include "game/Screen.h"
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace jumpline {
namespace {

using testing::cellName;
using testing::computerMoveProblems;
using testing::SeededRandom;

constexpr int DefaultGames = 3000;
constexpr int RedMoveCap = 100; // kings can shuffle for ever; the game is then reset

int soakGames()
{
    if (const char *games = std::getenv("JUMPLINE_SOAK_GAMES"))
        return std::atoi(games);
    return DefaultGames;
}

// What the core shows the screen, with the position at that moment.
struct Event {
    enum class Kind { Pause, Message, Dump } kind;
    Board board;
    std::string text;
};

class RecordingScreen final : public Screen {
public:
    void Pause() override { events.push_back({Event::Kind::Pause, game->board, {}}); }
    void ShowMessage(const std::string &text) override { events.push_back({Event::Kind::Message, game->board, text}); }
    void ShowBoardDump(const std::string &) override { events.push_back({Event::Kind::Dump, game->board, {}}); }
    void EndProgram() override { ADD_FAILURE() << "the program was ended"; }

    const Game *game = nullptr;
    std::vector<Event> events;
};

// A legal move of the red player by the rules of the drop: one cell diagonally (men
// towards row 1 only), or a jump over a black piece onto the empty cell beyond.
struct RedMove {
    std::int16_t piece = 0;
    Cell from;
    Cell to;
    bool jump = false;
};

std::vector<RedMove> redMoves(const Board &board, int onlyPiece = -1)
{
    std::vector<RedMove> moves;
    for (int i = 0; i < PieceCount; ++i) {
        const Piece &p = board.Red[static_cast<std::size_t>(i)];
        if (!p.Visible || (onlyPiece >= 0 && i != onlyPiece))
            continue;
        const Cell from = board.cellOf(p);
        const bool king = board.blnRedKing[static_cast<std::size_t>(i)];
        for (const int dc : {-1, 1}) {
            for (const int dr : {-1, 1}) {
                if (dr > 0 && !king)
                    continue;
                const Cell near{from.col + dc, from.row + dr}, far{from.col + 2 * dc, from.row + 2 * dr};
                const auto index = static_cast<std::int16_t>(i);
                if (onBoard(near.col, near.row) && board.intBoard(near) == Empty)
                    moves.push_back({index, from, near, false});
                if (onBoard(far.col, far.row) && board.intBoard(near) < 0 && board.intBoard(far) == Empty)
                    moves.push_back({index, from, far, true});
            }
        }
    }
    return moves;
}

int visible(const std::array<Piece, PieceCount> &pieces)
{
    int n = 0;
    for (const Piece &p : pieces)
        n += p.Visible ? 1 : 0;
    return n;
}

class Soak {
public:
    explicit Soak(std::uint64_t seed) : computerRandom(seed), redRandom(seed * 7919 + 1)
    {
        settings.opponent = Settings::Opponent::Computer;
        screen.game = &game;
        game.NewGame();
        startGame();
    }

    // Plays one game to its end; false once a check has failed.
    bool playGame()
    {
        gameOver = false;
        careful = below(2) == 0;
        for (int redMoves = 0; redMoves < RedMoveCap; ++redMoves) {
            if (!redTurn())
                return false;
            if (gameOver)
                return true;
        }
        ++capped;
        game.cmdReset_Click();
        return expectFreshGame("after Reset");
    }

    int redWins = 0, blackWins = 0, noMoves = 0, redBlocked = 0, capped = 0, computerMoves = 0, multiJumps = 0;
    std::string failure;

private:
    std::uint64_t below(std::uint64_t n) { return redRandom.below(n); }

    bool fail(const std::string &what, const Board &board)
    {
        failure = what + "\n" + testing::boardPicture(board);
        return false;
    }

    void startGame()
    {
        gameOver = false;
        redCount = visible(game.board.Red);
        blackCount = visible(game.board.Black);
        aiMoves = 0;
    }

    bool expectFreshGame(const char *when)
    {
        const Board &b = game.board;
        const bool opening = testing::boardPicture(b) == testing::kOpeningPicture &&
                             testing::piecesPicture(b) == testing::kOpeningPicture;
        if (!opening || b.intAIMoves != 0 || !b.blnCurrentPlayer || game.blnGameOver || b.optMultiJump.Value != 0)
            return fail(std::string("no fresh game ") + when, b);
        startGame();
        gameOver = true;
        return true;
    }

    // Piece counts only fall within a game.
    bool countsFall(const Board &b)
    {
        const int red = visible(b.Red), black = visible(b.Black);
        if (red > redCount || black > blackCount)
            return fail("a piece came back within a game", b);
        redCount = red;
        blackCount = black;
        return true;
    }

    bool drop(const RedMove &m)
    {
        if (!game.board.Red[static_cast<std::size_t>(m.piece)].Enabled)
            return fail("Red(" + std::to_string(m.piece) + ") can't be dragged on Red's turn", game.board);
        game.Square_DragDrop(static_cast<std::int16_t>(squareIndex(m.to)), {Colour::Red, m.piece});
        return true;
    }

    // One turn of Red's, with the computer's reply; the events are checked afterwards.
    bool redTurn()
    {
        const Board before = game.board;
        const std::vector<RedMove> moves = redMoves(before);
        if (moves.empty()) {
            ++redBlocked; // no message: the players end such a game with Reset
            game.cmdReset_Click();
            return expectFreshGame("after Reset of a blocked game");
        }
        const RedMove first = careful ? carefulMove(before, moves) : randomMove(moves);

        screen.events.clear();
        const bool multiJump = first.jump && below(3) == 0;
        const bool pressedForAStep = !first.jump && below(20) == 0; // a step simply ends the turn
        if (multiJump || pressedForAStep)
            game.SetMultiJump(true);
        if (!drop(first) || !checkRedDrop(before, first))
            return false;
        if (multiJump) {
            ++multiJumps;
            if (!continueMultiJump(first.piece))
                return false;
        }
        return checkReply();
    }

    RedMove randomMove(const std::vector<RedMove> &moves)
    {
        std::vector<RedMove> jumps;
        for (const RedMove &m : moves)
            if (m.jump)
                jumps.push_back(m);
        return !jumps.empty() && below(3) != 0 ? jumps[below(jumps.size())] : moves[below(moves.size())];
    }

    // A jump when there is one, and a move after which Black can capture nothing when
    // there is one: enough for Red to win now and then.
    RedMove carefulMove(const Board &board, const std::vector<RedMove> &moves)
    {
        std::vector<RedMove> jumps, safe, safeJumps;
        for (const RedMove &m : moves) {
            Board after = board;
            after.Square_DragDrop(static_cast<std::int16_t>(squareIndex(m.to)), {Colour::Red, m.piece}, false);
            const bool isSafe = !testing::blackCanCapture(after);
            (m.jump ? jumps : safe).push_back(m);
            if (m.jump && isSafe)
                safeJumps.push_back(m);
            if (!m.jump && !isSafe)
                safe.pop_back();
        }
        for (const auto *choice : {&safeJumps, &jumps, &safe})
            if (!choice->empty())
                return (*choice)[below(choice->size())];
        return moves[below(moves.size())];
    }

    // Jumps on while it can and likes, then ends the sequence: mostly by releasing the
    // button, sometimes by dragging another piece or trying a step with the same one.
    bool continueMultiJump(std::int16_t piece)
    {
        for (;;) {
            std::vector<RedMove> jumps, steps;
            for (const RedMove &m : redMoves(game.board, piece))
                (m.jump ? jumps : steps).push_back(m);
            if (!jumps.empty() && below(5) != 0) {
                const Board before = game.board;
                const RedMove next = jumps[below(jumps.size())];
                if (!drop(next) || !checkRedDrop(before, next))
                    return false;
                continue;
            }
            const Board before = game.board;
            const std::size_t mark = screen.events.size();
            const std::uint64_t ending = below(10);
            if (ending == 0 && !steps.empty()) {
                game.Square_DragDrop(static_cast<std::int16_t>(squareIndex(steps.front().to)), {Colour::Red, piece});
            } else if (ending == 1 && visible(before.Red) > 1) {
                std::int16_t other = 0;
                while (other == piece || !before.Red[static_cast<std::size_t>(other)].Visible)
                    ++other;
                const Cell stays = before.cellOf(before.Red[static_cast<std::size_t>(other)]);
                game.Square_DragDrop(static_cast<std::int16_t>(squareIndex(stays)), {Colour::Red, other});
            } else {
                game.SetMultiJump(false);
                return true;
            }
            // The sequence ended without a move: the dump that follows shows the position
            // unchanged and the button released, before the turn passes.
            if (screen.events.size() <= mark || screen.events[mark].kind != Event::Kind::Dump)
                return fail("ending a multi-jump printed no dump", before);
            const Board &ended = screen.events[mark].board;
            if (testing::piecesPicture(ended) != testing::piecesPicture(before) || ended.optMultiJump.Value != 0 ||
                ended.intJumpCount != 0)
                return fail("ending a multi-jump moved a piece or kept the button pressed", ended);
            return true;
        }
    }

    // The dump after a drop shows the move made as chosen, the jumped piece gone.
    bool checkRedDrop(const Board &before, const RedMove &m)
    {
        const Event *dump = nullptr;
        for (const Event &e : screen.events)
            if (e.kind == Event::Kind::Dump && e.board.blnCurrentPlayer)
                dump = &e;
        if (dump == nullptr)
            return fail("Red's drop " + cellName(m.from) + " -> " + cellName(m.to) + " was refused", before);
        const Board &after = dump->board;
        const Piece &moved = after.Red[static_cast<std::size_t>(m.piece)];
        if (!moved.Visible || after.cellOf(moved) != m.to)
            return fail("Red(" + std::to_string(m.piece) + ") is not on " + cellName(m.to), after);
        if (m.jump) {
            const Cell over{(m.from.col + m.to.col) / 2, (m.from.row + m.to.row) / 2};
            if (after.intBoard(over) != Empty || visible(after.Black) != visible(before.Black) - 1)
                return fail("Red's jump over " + cellName(over) + " did not take the black piece", after);
        }
        if (m.to.row == 1 && !after.blnRedKing[static_cast<std::size_t>(m.piece)])
            return fail("a red man reaching row 1 was not crowned", after);
        if (const auto problems = testing::consistencyProblems(after); !problems.empty())
            return fail(testing::linesOf(problems), after);
        return countsFall(after);
    }

    // Everything after Red's turn ended: the computer's move, judged from the position at
    // each of its pauses and at the dump that follows it, and the end of the game.
    bool checkReply()
    {
        std::vector<Board> positions;
        for (const Event &e : screen.events) {
            switch (e.kind) {
            case Event::Kind::Pause:
                if (e.board.blnCurrentPlayer)
                    return fail("the computer paused on Red's turn", e.board);
                positions.push_back(e.board);
                break;
            case Event::Kind::Dump:
                if (e.board.blnCurrentPlayer)
                    break; // Red's own drops, checked already
                if (positions.empty())
                    return fail("a dump on Black's turn without a computer move", e.board);
                positions.push_back(e.board);
                if (const auto problems = computerMoveProblems(positions); !problems.empty())
                    return fail(testing::linesOf(problems), e.board);
                if (const auto problems = testing::consistencyProblems(e.board); !problems.empty())
                    return fail(testing::linesOf(problems), e.board);
                if (e.board.intAIMoves != ++aiMoves)
                    return fail("intAIMoves does not count the computer's moves", e.board);
                ++computerMoves;
                if (!countsFall(e.board))
                    return false;
                break;
            case Event::Kind::Message:
                if (e.text == "Black can't move. Red is the victor!") {
                    if (positions.size() != 1 || testing::blackCanMove(positions.front()))
                        return fail("the computer gave up with a move open", positions.front());
                    ++noMoves;
                } else if (e.text == "Red is the victor!") {
                    if (visible(e.board.Black) != 0 || !positions.empty())
                        return fail("Red was declared the victor with black pieces left", e.board);
                    ++redWins;
                } else if (e.text == "Black is the victor!") {
                    if (visible(e.board.Red) != 0 || visible(e.board.Black) == 0)
                        return fail("Black was declared the victor with red pieces left", e.board);
                    ++blackWins;
                } else {
                    return fail("unexpected message \"" + e.text + "\"", e.board);
                }
                if (&e != &screen.events.back())
                    return fail("the game went on being shown after \"" + e.text + "\"", e.board);
                return expectFreshGame(("after \"" + e.text + "\"").c_str());
            }
        }
        if (!game.board.blnCurrentPlayer && game.board.optMultiJump.Value == 0)
            return fail("the turn did not come back to Red", game.board);
        if (const auto problems = testing::consistencyProblems(game.board); !problems.empty())
            return fail(testing::linesOf(problems), game.board);
        return true;
    }

    Settings settings;
    SeededRandom computerRandom;
    SeededRandom redRandom;
    RecordingScreen screen;
    Game game{settings, computerRandom, screen};
    bool gameOver = false;
    bool careful = false; // this game's red player
    int redCount = 0, blackCount = 0, aiMoves = 0;
};

TEST(ComputerSoak, WholeGamesAgainstARandomRedPlayerKeepEveryRule)
{
    const int games = soakGames();
    Soak soak(20240601);
    int played = 0;
    for (; played < games; ++played) {
        if (!soak.playGame()) {
            ADD_FAILURE() << "game " << played + 1 << ": " << soak.failure;
            break;
        }
    }
    std::cout << "[ soak     ] " << played << " games: " << soak.blackWins << " won by Black, " << soak.redWins
              << " by Red, " << soak.noMoves << " with Black unable to move, " << soak.redBlocked
              << " with Red blocked, " << soak.capped << " reset at the move cap; " << soak.computerMoves
              << " computer moves, " << soak.multiJumps << " red multi-jumps\n";
    EXPECT_EQ(played, games);
    EXPECT_GT(soak.blackWins + soak.redWins, 0);
    EXPECT_GT(soak.multiJumps, 0);
}

} // namespace
} // namespace jumpline
