#include "fuzz/Harness.h"

#include <cstdio>

namespace jumpline::fuzz {

namespace {

std::string pieceName(PieceRef p)
{
    return std::string(p.colour == Colour::Red ? "Red(" : "Black(") + std::to_string(p.index) + ")";
}

} // namespace

std::string describe(const UserAction &action)
{
    switch (action.kind) {
    case UserAction::Drop:
        return "drop " + pieceName(action.piece) +
               (action.square == DeleteSquare ? std::string(" on \"Delete\"")
                                              : " on Square(" + std::to_string(action.square) + ")");
    case UserAction::PressMultiJump: return "press Multi Jump";
    case UserAction::ReleaseMultiJump: return "release Multi Jump";
    case UserAction::Reset: return "Reset";
    case UserAction::Exit: return "Exit";
    case UserAction::TestModeButton: return "Test Mode On/Off";
    case UserAction::CloseTestWindow: return "close the test window";
    }
    return "?";
}

WatchedGame::WatchedGame(const GameSetup &setup) : random(setup.seed), game(settings, random, screen), checker(game, settings)
{
    settings.opponent = setup.opponent;
    // Against the computer the start-up window forces Red to move first.
    settings.first = setup.opponent == Settings::Opponent::Computer ? Settings::FirstPlayer::Red : setup.first;
    game.board.intTwipsX = static_cast<std::int16_t>(setup.twipsX);
    game.board.intTwipsY = static_cast<std::int16_t>(setup.twipsY);
    screen.duringPause = [this] { onPause(); };
    screen.onMessage = [this](const std::string &text) { onMessage(text); };
    game.NewGame();
    add(checker.newGame());
}

void WatchedGame::add(std::vector<std::string> more)
{
    for (std::string &problem : more) {
        if (verbose)
            std::fprintf(stderr, "  BROKEN: %s\n", problem.c_str());
        found.push_back(std::move(problem));
    }
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
    if (screen.ended || !ok())
        return;
    if (action.kind == UserAction::Drop) {
        // The window lets only an enabled piece on the board be dragged, onto "Delete" only
        // while it is shown.
        const Piece &p = game.board.piece(action.piece);
        if (!p.Visible || !p.Enabled || (action.square == DeleteSquare && !game.board.DeleteVisible))
            return;
    }
    ++actions;
    if (verbose)
        std::fprintf(stderr, "%s\n", describe(action).c_str());

    before = game.board;
    checker.noteTestMode();
    // Reset puts a new position on the board; free placement follows no rule.
    humanCheck = !checker.testModeUsed() && action.kind != UserAction::Reset;
    legalDrop.reset();
    if (humanCheck && action.kind == UserAction::Drop && action.square != DeleteSquare) {
        // While a multi-jump is pending, only a further jump by the same piece is a move.
        const bool sequence = before.intJumpCount > 0;
        for (const testing::HumanMove &m : testing::legalHumanMoves(before)) {
            if (m.piece == action.piece && m.to == squareCell(action.square) &&
                (!sequence || (m.jump && m.piece.index == before.intJumpPiece)))
                legalDrop = m;
        }
    }
    const bool resetAdmitted = action.kind == UserAction::Reset && game.ClickAdmitted();
    checkpointDone = false;
    refereeing = false;
    refereeDone = false;
    pausesInAction = 0;
    messagesBefore = screen.messages.size();

    apply(action);

    humanCheckpoint();
    if (refereeing && !refereeDone) {
        add(referee.moved(game.board));
        refereeDone = true;
    }
    if (resetAdmitted || screen.messages.size() > messagesBefore) {
        ++newGames;
        add(checker.newGame());
    } else {
        add(checker.afterAction());
    }
}

// The human part of an action is over: at the computer's first pause, at a message, or at
// the end of the action.
void WatchedGame::humanCheckpoint()
{
    if (checkpointDone)
        return;
    checkpointDone = true;
    if (!humanCheck)
        return;
    add(testing::humanMoveProblems(before, game.board));
    std::optional<PieceRef> moved;
    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &was = before.piece({colour, i}), &now = game.board.piece({colour, i});
            if (was.Visible && now.Visible && (was.Left != now.Left || was.Top != now.Top))
                moved = PieceRef{colour, i};
        }
    }
    if (moved)
        ++humanMoves;
    if (legalDrop && (moved != legalDrop->piece || game.board.cellOf(game.board.piece(*moved)) != legalDrop->to))
        add({"a legal drop was refused: " + std::string(legalDrop->jump ? "jump" : "step") + " of " +
             pieceName(legalDrop->piece) + " to Square(" + std::to_string(squareIndex(legalDrop->to)) + ")"});
}

void WatchedGame::onPause()
{
    ++pausesInAction;
    if (pausesInAction == 1) {
        humanCheckpoint();
        ++computerMoves;
        // Once test mode has been on, intBoard may disagree with the pieces: the computer
        // then plays on a position no rule describes.
        refereeing = !checker.testModeUsed();
    }
    add(checker.duringComputerMove());
    if (refereeing)
        referee.pause(game.board);
    if (duringPause && ok())
        duringPause();
}

void WatchedGame::onMessage(const std::string &text)
{
    if (verbose)
        std::fprintf(stderr, "  message: %s\n", text.c_str());
    add(checker.message(text));
    humanCheckpoint();
    if (refereeing && !refereeDone) {
        add(text == "Black can't move. Red is the victor!" ? referee.cannotMove(game.board) : referee.moved(game.board));
        refereeDone = true;
    }
}

void WatchedGame::performInPause(const UserAction &action)
{
    if (!ok())
        return;
    ++pauseActions;
    if (verbose)
        std::fprintf(stderr, "  in the computer's pause: %s\n", describe(action).c_str());

    const Board snapshot = game.board;
    const Settings settingsBefore = settings;
    const bool gameOverBefore = game.blnGameOver;
    const std::size_t messages = screen.messages.size();
    const int dumps = screen.dumps;

    apply(action);
    checker.noteTestMode();

    std::vector<std::string> problems;
    const std::string what = describe(action) + " in the computer's pause";
    // The button toggles before its handler refuses the click; the test-mode switch is not
    // guarded and may enable pieces and show "Delete". Nothing else may change.
    Board now = game.board;
    now.optMultiJump.Value = snapshot.optMultiJump.Value;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        now.Red[i].Enabled = snapshot.Red[i].Enabled;
        now.Black[i].Enabled = snapshot.Black[i].Enabled;
    }
    now.DeleteVisible = snapshot.DeleteVisible;
    now.DeleteEnabled = snapshot.DeleteEnabled;
    if (!(now == snapshot))
        problems.push_back(what + " changed the game");
    if (screen.ended)
        problems.push_back(what + " ended the program");
    if (screen.messages.size() != messages || screen.dumps != dumps)
        problems.push_back(what + " showed a message or a dump");
    if (game.blnGameOver != gameOverBefore || settings.opponent != settingsBefore.opponent ||
        settings.first != settingsBefore.first)
        problems.push_back(what + " changed the settings or ended the game");
    if (action.kind == UserAction::PressMultiJump && game.board.optMultiJump.Value != 1)
        problems.push_back(what + ": the button did not go down");
    if (action.kind == UserAction::ReleaseMultiJump && game.board.optMultiJump.Value != 0)
        problems.push_back(what + ": the button did not come up");
    if (action.kind == UserAction::TestModeButton && settings.blnTestMode == settingsBefore.blnTestMode)
        problems.push_back(what + ": test mode did not switch");
    add(std::move(problems));
    add(checker.duringComputerMove());
}

} // namespace jumpline::fuzz
