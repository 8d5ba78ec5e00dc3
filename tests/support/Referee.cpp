#include "support/Referee.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace jumpline::testing {

namespace {

// The board after a move: the jumped piece gone and, with `crown`, a man on the far row a king.
BoardArray afterMove(BoardArray board, const Move &move, bool crown)
{
    const std::int16_t value = std::exchange(board(move.from), Empty);
    if (move.jump)
        board((move.from.col + move.to.col) / 2, (move.from.row + move.to.row) / 2) = Empty;
    const bool farRow = move.to.row == (value > 0 ? 1 : BoardSize);
    board(move.to) = crown && farRow && std::abs(value) == 1 ? static_cast<std::int16_t>(2 * value) : value;
    return board;
}

std::string picture(const BoardArray &array)
{
    Board board;
    board.intBoard = array;
    return boardPicture(board);
}

// Every position in which a move of the computer may end: a step when it has no capture;
// else a chain of captures by one piece until it can take no more, the man crowned only
// then, and only a chain whose first capture can go on when there is one.
std::vector<std::string> computerOutcomes(const BoardArray &start)
{
    std::vector<std::string> ends;
    const std::function<void(const BoardArray &, Cell)> goOn = [&](const BoardArray &board, Cell at) {
        const std::vector<Move> jumps = legalMoves(board, Colour::Black, at);
        for (const Move &m : jumps)
            goOn(afterMove(board, m, false), m.to);
        if (jumps.empty())
            ends.push_back(picture(afterMove(board, {at, at}, true)));
    };
    std::vector<Move> moves = legalMoves(start, Colour::Black), captures;
    std::copy_if(moves.begin(), moves.end(), std::back_inserter(captures), [](const Move &m) { return m.jump; });
    const auto goesOn = [&](const Move &m) { return !legalMoves(afterMove(start, m, false), Colour::Black, m.to).empty(); };
    const bool someGoOn = std::any_of(captures.begin(), captures.end(), goesOn);
    for (const Move &m : captures.empty() ? moves : captures)
        if (captures.empty())
            ends.push_back(picture(afterMove(start, m, true)));
        else if (!someGoOn || goesOn(m))
            goOn(afterMove(start, m, false), m.to);
    return ends;
}

bool hasPiece(const std::string &shown, Colour colour) { return shown.find_first_of(colour == Colour::Red ? "rR" : "bB") != std::string::npos; }

} // namespace

std::vector<Move> legalMoves(const BoardArray &board, Colour colour, std::optional<Cell> only)
{
    std::vector<Move> moves;
    for (int k = 0; k < SquareCount; ++k) {
        const Cell from = squareCell(k);
        const std::int16_t value = board(from);
        if ((colour == Colour::Red ? value <= 0 : value >= 0) || (only && from != *only))
            continue;
        for (const Cell d : {Cell{-1, -1}, Cell{+1, -1}, Cell{-1, +1}, Cell{+1, +1}}) {
            const Cell near{from.col + d.col, from.row + d.row}, far{from.col + 2 * d.col, from.row + 2 * d.row};
            if (std::abs(value) == 1 && d.row != (value > 0 ? -1 : +1))
                continue;
            if (!only && onBoard(near.col, near.row) && board(near) == Empty)
                moves.push_back({from, near, false});
            else if (onBoard(far.col, far.row) && board(near) * value < 0 && board(far) == Empty)
                moves.push_back({from, far, true});
        }
    }
    return moves;
}

void Referee::watch(const Game &watched)
{
    game = &watched;
    newGame = true;
    check();
}

void Referee::before(const Expect &what)
{
    start = game->board;
    expect = what;
    judgeHuman = !freelyPlaced; // (check() has seen test mode since)
    outcomes = {picture(start.intBoard)};
    // Only the side on move drops, and against the computer only Red; in a multi-jump only
    // a further jump of the same piece is a move.
    const Colour mover = start.blnCurrentPlayer ? Colour::Red : Colour::Black;
    if (!start.blnCurrentPlayer && settings.optComputer())
        return;
    const bool inJump = start.intJumpCount > 0;
    const std::optional<Cell> jumper = inJump ? std::optional(start.cellOf(start.piece({mover, start.intJumpPiece}))) : std::nullopt;
    for (const Move &m : legalMoves(start.intBoard, mover, jumper)) {
        const std::optional<PieceRef> piece = start.pieceOn(m.from);
        const bool dropped = what.drop && piece == what.drop->first && what.drop->second == squareIndex(m.to);
        if (what.anyDrop || dropped)
            outcomes.push_back(picture(afterMove(start.intBoard, m, true)));
        if (dropped)
            outcomes.erase(outcomes.begin()); // that drop must make its move
    }
}

void Referee::after()
{
    // Reset makes a new game, which must open as one should, unless the guard refused it.
    if (expect.reset && !(game->board == start)) {
        judgeHuman = false;
        newGame = true;
    }
    judge();
    check();
    ++played.events;
}

void Referee::Pause()
{
    if (!computerStart) { // the computer begins: the user's part is over
        judge();
        computerStart = game->board;
    }
    if (!duringPause || pausing)
        return;
    const Board atPause = game->board;
    pausing = true;
    duringPause();
    pausing = false;
    if (piecesPicture(game->board) != piecesPicture(atPause) || boardPicture(game->board) != boardPicture(atPause))
        add("while the computer paused, " + boardPicture(atPause) + " became " + piecesPicture(game->board));
}

void Referee::ShowMessage(const std::string &text)
{
    const Board &b = game->board; // a side is beaten: no piece left, or no move
    const std::string shown = piecesPicture(b);
    const Colour loser = !hasPiece(shown, Colour::Black) ? Colour::Black : !hasPiece(shown, Colour::Red) ? Colour::Red : b.blnCurrentPlayer ? Colour::Red : Colour::Black;
    const bool fits = legalMoves(b.intBoard, loser).empty() && text.find(loser == Colour::Red ? "Black is" : "Red is") != std::string::npos;
    if (!fits && (!freelyPlaced || (expect.testMode && shown == boardPicture(b))))
        add("the message \"" + text + "\" with " + shown + (b.blnCurrentPlayer ? ", Red" : ", Black") + " on move");
    judge(text == "Black can't move. Red is the victor!" && computerStart);
    newGame = true;
}

void Referee::EndProgram()
{
    if (!expect.exit || pausing)
        add("the program ended, though nobody asked for Exit or it was the computer's turn");
    ended = true;
}

void Referee::add(const std::string &problem)
{
    played.problems.push_back("after " + std::to_string(played.events) + " events: " + problem);
}

// The parts of an action that are over: the user's drop, then the computer's move.
void Referee::judge(bool computerGaveUp)
{
    const std::string now = piecesPicture(game->board);
    if (std::exchange(judgeHuman, false) && std::find(outcomes.begin(), outcomes.end(), now) == outcomes.end())
        add("a drop turned " + boardPicture(start) + " into " + now);
    if (computerStart && !freelyPlaced) {
        const std::vector<std::string> ends = computerOutcomes(computerStart->intBoard);
        if (computerGaveUp ? !ends.empty() || now != boardPicture(*computerStart) : std::find(ends.begin(), ends.end(), now) == ends.end())
            add("the computer turned " + boardPicture(*computerStart) + " into " + now);
    }
    computerStart.reset();
}

// What holds whenever the user can act.
void Referee::check()
{
    const Board &b = game->board;
    const auto all = [](const auto &pieces, bool enabled) { return std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.Enabled == enabled; }); };
    if (std::exchange(newGame, false)) {
        if (piecesPicture(b) != boardPicture(b) || boardPicture(b) != boardPicture(boardFromPicture(kOpening)) ||
            b.intAIMoves != 0 || b.intJumpCount != 0 || !(b.optMultiJump == MultiJumpButton{}) || b.blnCurrentPlayer != settings.optRed())
            add("a new game opens as " + piecesPicture(b));
        freelyPlaced = false;
    }
    freelyPlaced = freelyPlaced || settings.blnTestMode;
    for (const std::string &problem : positionProblems(b, freelyPlaced))
        add(problem);
    if (!settings.blnTestMode && !(all(b.Red, b.blnCurrentPlayer) && all(b.Black, !b.blnCurrentPlayer && settings.optHuman())))
        add("pieces other than those of the side on move may be dragged");
    if (b.DeleteVisible != settings.blnTestMode || b.DeleteEnabled != settings.blnTestMode || (b.optMultiJump.ForeColor == CaptionColour::Red) != (b.optMultiJump.Value == 1))
        add("\"Delete\" shows outside test mode or not in it, or the Multi Jump caption is red while released or black while pressed");
    if (game->blnGameOver || (b.intJumpCount > 0 && b.optMultiJump.Value == 0) || (settings.optComputer() && !b.blnCurrentPlayer))
        add("the user can act in a decided game, a pending multi-jump or the computer's turn");
    // A side beaten has been told, also when test mode has just left it so (where the pieces
    // and intBoard agree, so that the rules can be worked out).
    const std::string shown = piecesPicture(b);
    const bool judgeable = !freelyPlaced || (expect.testMode && !settings.blnTestMode && shown == boardPicture(b));
    const bool beaten = !hasPiece(shown, Colour::Red) || !hasPiece(shown, Colour::Black) ||
                        legalMoves(b.intBoard, b.blnCurrentPlayer ? Colour::Red : Colour::Black).empty();
    if (judgeable && b.intJumpCount == 0 && beaten)
        add("the side on move has no move, or a side no piece, and no message said so: " + shown);
}

Watched::Watched(Bytes &input) : setup(input.next()), random([&] {
    std::uint64_t seed = 0;
    for (int k = 0; k < 4; ++k)
        seed = seed << 8 | input.next();
    return seed;
}())
{
    // 96, 120, 144 or 72 dpi across and down.
    constexpr std::int16_t twipsPerPixel[] = {15, 12, 10, 20};
    settings.opponent = setup & 1 ? Settings::Opponent::Computer : Settings::Opponent::Human;
    settings.first = (setup & 3) == 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red;
    twipsX = twipsPerPixel[(setup >> 2) & 3];
    twipsY = twipsPerPixel[(setup >> 4) & 3];
}

std::optional<Move> Bytes::move(const Board &board, bool jump)
{
    std::vector<Move> moves = legalMoves(board.intBoard, board.blnCurrentPlayer ? Colour::Red : Colour::Black);
    if (jump && std::any_of(moves.begin(), moves.end(), [](const Move &m) { return m.jump; }))
        std::erase_if(moves, [](const Move &m) { return !m.jump; });
    const std::uint8_t byte = next();
    return moves.empty() ? std::nullopt : std::optional(moves[byte % moves.size()]);
}

Played playBytes(const std::uint8_t *data, std::size_t size)
{
    enum Click : std::uint8_t { PressMultiJump, ReleaseMultiJump, TestMode, CloseTestWindow, Reset, Exit, Drop };
    Bytes input{data, size};
    Watched run(input);
    Referee &referee = run.referee;
    Game game{run.settings, run.random, referee};
    std::tie(game.board.intTwipsX, game.board.intTwipsY) = std::pair(run.twipsX, run.twipsY);
    game.NewGame();
    referee.watch(game);
    const auto perform = [&](Click click, PieceRef piece = {}, std::int16_t square = 0) {
        referee.before({.drop = click == Drop ? std::optional(std::pair(piece, square)) : std::nullopt,
                        .reset = click == Reset, .exit = click == Exit, .testMode = click == TestMode || click == CloseTestWindow});
        switch (click) {
        case Drop: game.Square_DragDrop(square, piece); break;
        case PressMultiJump: game.SetMultiJump(true); break;
        case ReleaseMultiJump: game.SetMultiJump(false); break;
        case Reset: game.cmdReset_Click(); break;
        case Exit: game.cmdExit_Click(); break;
        case TestMode: game.cmdTestMode_Click(); break;
        case CloseTestWindow: game.TestWindowClosing(); break;
        }
        referee.after();
    };
    while (input.pos < size && !referee.ended && referee.played.problems.empty()) {
        const std::size_t op = input.next() % 32;
        if (op < 24) { // a legal move of the side on move, a jump where there is one from 20 on
            if (const std::optional<Move> m = input.move(game.board, op >= 20))
                perform(Drop, *game.board.pieceOn(m->from), squareAt(m->to));
        } else if (op < 26) { // any piece, on the board or not, free to move or not, onto any square or "Delete"
            const PieceRef piece{input.next() % 2 ? Colour::Red : Colour::Black, static_cast<std::int16_t>(input.next() % PieceCount)};
            perform(Drop, piece, static_cast<std::int16_t>(input.next() % (SquareCount + 1)));
        } else if (const auto click = static_cast<Click>(op - 26); (click != Reset || input.next() % 8 == 0) && (click != Exit || input.next() % 64 == 0)) {
            perform(click); // Reset and Exit take a second byte, so that games run long before they end
        }
    }
    return referee.played;
}

SoakResult soak(long first, long count, const std::function<Played(const std::uint8_t *, std::size_t)> &play)
{
    SoakResult result;
    for (long n = first; n < first + count && result.problems.empty(); ++n) {
        std::mt19937_64 generator(static_cast<std::uint64_t>(n));
        std::vector<std::uint8_t> bytes(4000);
        std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator()); });
        bytes[0] = static_cast<std::uint8_t>((n % 3 == 0 ? 1 : n % 3 == 1 ? 0 : 2) | (n % 4 == 3 ? 0x24 : 0)); // 12 x 10 twips
        const Played played = play(bytes.data(), bytes.size());
        result.events += played.events;
        for (const std::string &problem : played.problems)
            result.problems.push_back("run " + std::to_string(n) + ": " + problem);
    }
    return result;
}

} // namespace jumpline::testing
