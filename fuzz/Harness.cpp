#include "fuzz/Harness.h"

#include "support/Position.h"

#include <algorithm>

namespace jumpline::fuzz {

namespace {

int countOnBoard(const std::array<Piece, PieceCount> &pieces)
{
    return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Visible; }));
}

bool allEnabled(const std::array<Piece, PieceCount> &pieces, bool enabled)
{
    return std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.Enabled == enabled; });
}

} // namespace

WatchedGame::WatchedGame(Settings::Opponent opponent, Settings::FirstPlayer first, int twipsX, int twipsY,
                         std::uint64_t seed)
    : random(seed), game(settings, random, screen)
{
    settings.opponent = opponent;
    settings.first = opponent == Settings::Opponent::Computer ? Settings::FirstPlayer::Red : first;
    game.board.intTwipsX = static_cast<std::int16_t>(twipsX);
    game.board.intTwipsY = static_cast<std::int16_t>(twipsY);
    screen.duringPause = [this] {
        if (computerPositions.empty()) { // the computer's move begins
            judge(false);
            judgeComputer = !testModeSeen;
        }
        computerPositions.push_back(game.board);
        add(check(true));
        if (duringPause && ok())
            duringPause();
    };
    screen.onMessage = [this](const std::string &text) {
        add(checkMessage(text));
        judge(text == "Black can't move. Red is the victor!");
    };
    game.NewGame();
    add(checkNewGame());
}

void WatchedGame::add(const std::vector<std::string> &more)
{
    for (const std::string &problem : more)
        problems.push_back("action " + std::to_string(actions) + ": " + problem); // 0: the first new game
}

void WatchedGame::apply(const UserAction &action)
{
    switch (action.kind) {
    case UserAction::Drop: game.Square_DragDrop(action.square, action.piece); break;
    case UserAction::PressMultiJump: game.SetMultiJump(true); break;
    case UserAction::ReleaseMultiJump: game.SetMultiJump(false); break;
    case UserAction::Reset: game.cmdReset_Click(); break;
    case UserAction::Exit: game.cmdExit_Click(); break;
    case UserAction::TestModeButton: game.cmdTestMode_Click(); break;
    case UserAction::CloseTestWindow: game.TestWindowClosing(); break;
    }
}

void WatchedGame::perform(const UserAction &action)
{
    const Piece &dragged = game.board.piece(action.piece);
    if (screen.ended || !ok() ||
        (action.kind == UserAction::Drop &&
         (!dragged.Visible || !dragged.Enabled || (action.square == DeleteSquare && !game.board.DeleteVisible))))
        return;
    ++actions;
    before = game.board;
    testModeSeen = testModeSeen || settings.blnTestMode;
    // Reset sets up a new position; free placement follows no rule.
    judgeHuman = !testModeSeen && action.kind != UserAction::Reset;
    legal.reset();
    if (judgeHuman && action.kind == UserAction::Drop && action.square != DeleteSquare) {
        // During a multi-jump only a further jump of the same piece is a move.
        for (const testing::Drop &d : testing::legalDrops(before))
            if (d.piece == action.piece && squareIndex(d.move.to) == action.square &&
                (before.intJumpCount == 0 || (d.move.jump && d.piece.index == before.intJumpPiece)))
                legal = d.move;
    }
    const bool reset = action.kind == UserAction::Reset && game.ClickAdmitted();
    const std::size_t messages = screen.messages.size();
    computerPositions.clear();
    judgeComputer = false;

    apply(action);

    judge(false);
    add(reset || screen.messages.size() > messages ? checkNewGame() : check());
}

// A part of the action is over: the human move at the computer's first pause, at a message
// or at the end of the action; the computer's move at a message or at the end.
void WatchedGame::judge(bool gaveUp)
{
    if (judgeHuman)
        add(testing::humanMoveProblems(before, game.board, legal));
    humanMoves += judgeHuman && legal ? 1 : 0;
    if (judgeComputer) {
        computerPositions.push_back(game.board);
        add(testing::computerReplyProblems(computerPositions, gaveUp));
    }
    judgeHuman = judgeComputer = false;
}

void WatchedGame::performInPause(const UserAction &action)
{
    ++actions;
    Board expected = game.board;
    const bool gameOver = game.blnGameOver;
    const std::size_t messages = screen.messages.size();
    const int dumps = screen.dumps;
    apply(action);
    // The button toggles before its handler refuses the click; the test-mode switch is not
    // guarded and may enable pieces and show "Delete". Nothing else may change.
    expected.optMultiJump.Value = game.board.optMultiJump.Value;
    expected.DeleteVisible = game.board.DeleteVisible;
    expected.DeleteEnabled = game.board.DeleteEnabled;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        expected.Red[i].Enabled = game.board.Red[i].Enabled;
        expected.Black[i].Enabled = game.board.Black[i].Enabled;
    }
    if (!(game.board == expected) || game.blnGameOver != gameOver || screen.ended || screen.messages.size() != messages ||
        screen.dumps != dumps)
        add({"a click in the computer's pause did more than it may"});
    add(check(true));
}

std::vector<std::string> WatchedGame::checkNewGame()
{
    testModeSeen = false;
    red = black = PieceCount;
    std::vector<std::string> found = check();
    const Board &b = game.board;
    if (testing::boardPicture(b) != testing::kOpeningPicture || testing::piecesPicture(b) != testing::kOpeningPicture ||
        b.intAIMoves != 0 || b.intJumpCount != 0 || !(b.optMultiJump == MultiJumpButton{}) ||
        b.blnCurrentPlayer != settings.optRed())
        found.push_back("a new game does not open as it should:\n" + b.PrintBoard() + testing::piecesPicture(b));
    return found;
}

std::vector<std::string> WatchedGame::check(bool computerMoving)
{
    testModeSeen = testModeSeen || settings.blnTestMode;
    const Board &b = game.board;
    std::vector<std::string> found = testing::consistencyProblems(b, testModeSeen);
    const auto expect = [&](bool holds, const char *what) {
        if (!holds)
            found.emplace_back(what);
    };
    expect(countOnBoard(b.Red) <= red && countOnBoard(b.Black) <= black, "a piece came back within a game");
    red = countOnBoard(b.Red);
    black = countOnBoard(b.Black);
    expect(b.DeleteVisible == settings.blnTestMode && b.DeleteEnabled == settings.blnTestMode,
           "\"Delete\" is shown outside test mode or hidden in it");
    expect(b.optMultiJump.ForeColor == CaptionColour::Black || b.optMultiJump.Value == 1,
           "the Multi Jump caption is red while the button is released");
    // Test mode switched off in the computer's pause leaves Black's pieces enabled, as it
    // leaves the side on move.
    expect(settings.blnTestMode || (allEnabled(b.Red, b.blnCurrentPlayer) &&
                                    (allEnabled(b.Black, !b.blnCurrentPlayer && settings.optHuman()) ||
                                     (computerMoving && testModeSeen))),
           "pieces other than those of the side on move can be dragged, or some of those cannot");
    expect(!game.blnGameOver, "the computer moves in a decided game, or no new game follows one");
    if (computerMoving) {
        expect(!b.blnCurrentPlayer && settings.optComputer(), "the computer moves, but not as Black against a person");
    } else {
        expect(b.intJumpCount == 0 || b.optMultiJump.Value == 1, "a jump count is pending with Multi Jump released");
        expect(settings.optHuman() || b.blnCurrentPlayer, "Black is on move against the computer while the user can act");
    }
    return found;
}

std::vector<std::string> WatchedGame::checkMessage(const std::string &text) const
{
    const int redLeft = countOnBoard(game.board.Red), blackLeft = countOnBoard(game.board.Black);
    if ((text == "Red is the victor!" && blackLeft == 0) ||
        (text == "Black is the victor!" && redLeft == 0 && blackLeft > 0) ||
        (text == "Black can't move. Red is the victor!" && settings.optComputer()))
        return {};
    return {"the message \"" + text + "\" with " + std::to_string(redLeft) + " red and " + std::to_string(blackLeft) +
            " black pieces on the board"};
}

} // namespace jumpline::fuzz
