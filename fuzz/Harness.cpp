#include "fuzz/Harness.h"

#include <algorithm>
#include <cstdlib>

namespace jumpline::fuzz {

namespace {

using testing::boardPicture;
using testing::piecesPicture;

constexpr Cell Diagonals[] = {{-1, -1}, {+1, -1}, {-1, +1}, {+1, +1}};

// The board after a move: the jumped piece gone, and with `crown` a man on the far row a king.
BoardArray afterMove(BoardArray board, const Move &move, bool crown)
{
    const std::int16_t value = board(move.from);
    board(move.from) = Empty;
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

// Every position in which a move of the computer may end: with a capture open, a chain of
// captures by one piece until it can take no more, the man crowned only then, and only a
// chain whose first capture can go on when there is one; otherwise a step.
std::vector<BoardArray> computerOutcomes(const BoardArray &start)
{
    std::vector<BoardArray> ends;
    const std::function<void(const BoardArray &, Cell)> goOn = [&](const BoardArray &board, Cell at) {
        const std::vector<Move> jumps = legalMoves(board, Colour::Black, at);
        for (const Move &m : jumps)
            goOn(afterMove(board, m, false), m.to);
        if (jumps.empty())
            ends.push_back(afterMove(board, {at, at}, true));
    };
    std::vector<Move> captures = legalMoves(start, Colour::Black);
    std::erase_if(captures, [](const Move &m) { return !m.jump; });
    const auto goesOn = [&](const Move &m) { return !legalMoves(afterMove(start, m, false), Colour::Black, m.to).empty(); };
    const bool someGoOn = std::any_of(captures.begin(), captures.end(), goesOn);
    for (const Move &m : captures)
        if (!someGoOn || goesOn(m))
            goOn(afterMove(start, m, false), m.to);
    if (captures.empty())
        for (const Move &m : legalMoves(start, Colour::Black))
            ends.push_back(afterMove(start, m, true));
    return ends;
}

int piecesOnBoard(const std::array<Piece, PieceCount> &pieces)
{
    return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Visible; }));
}

void apply(Game &game, const Action &action)
{
    switch (action.kind) {
    case Action::Drop: game.Square_DragDrop(action.square, action.piece); break;
    case Action::PressMultiJump: game.SetMultiJump(true); break;
    case Action::ReleaseMultiJump: game.SetMultiJump(false); break;
    case Action::Reset: game.cmdReset_Click(); break;
    case Action::Exit: game.cmdExit_Click(); break;
    case Action::TestMode: game.cmdTestMode_Click(); break;
    case Action::CloseTestWindow: game.TestWindowClosing(); break;
    }
}

} // namespace

std::vector<Move> legalMoves(const BoardArray &board, Colour colour, std::optional<Cell> only)
{
    std::vector<Move> moves;
    for (int k = 0; k < SquareCount; ++k) {
        const Cell from = squareCell(k);
        const std::int16_t value = board(from);
        if ((colour == Colour::Red ? value <= 0 : value >= 0) || (only && from != *only))
            continue;
        for (const Cell d : Diagonals) {
            if (std::abs(value) == 1 && d.row != (value > 0 ? -1 : +1))
                continue;
            const Cell near{from.col + d.col, from.row + d.row}, far{from.col + 2 * d.col, from.row + 2 * d.row};
            if (!only && onBoard(near.col, near.row) && board(near) == Empty)
                moves.push_back({from, near, false});
            else if (onBoard(far.col, far.row) && board(near) * value < 0 && board(far) == Empty)
                moves.push_back({from, far, true});
        }
    }
    return moves;
}

WatchedGame::WatchedGame(Settings::Opponent opponent, Settings::FirstPlayer first, int twipsPerPixel, std::uint64_t seed)
    : random(seed), game(settings, random, *this)
{
    settings.opponent = opponent;
    settings.first = opponent == Settings::Opponent::Computer ? Settings::FirstPlayer::Red : first;
    game.board.intTwipsX = game.board.intTwipsY = static_cast<std::int16_t>(twipsPerPixel);
    game.NewGame();
    newGame = true;
    check();
}

void WatchedGame::add(const std::string &problem)
{
    problems.push_back("after " + std::to_string(moves) + " moves: " + problem);
}

void WatchedGame::perform(const Action &action)
{
    const Piece &dragged = game.board.piece(action.piece);
    if (ended || !problems.empty() ||
        (action.kind == Action::Drop &&
         (!dragged.Visible || !dragged.Enabled || (action.square == DeleteSquare && !game.board.DeleteVisible))))
        return;
    before = game.board;
    freelyPlaced = freelyPlaced || settings.blnTestMode;
    judgeHuman = !freelyPlaced && action.kind != Action::Reset;
    legal.reset();
    if (judgeHuman && action.kind == Action::Drop && action.square != DeleteSquare) {
        // In a multi-jump only a further jump of the same piece is a move.
        const Cell from = before.cellOf(dragged), to = squareCell(action.square);
        const bool inJump = before.intJumpCount > 0;
        const Colour mover = before.blnCurrentPlayer ? Colour::Red : Colour::Black;
        for (const Move &m : legalMoves(before.intBoard, mover, inJump ? std::optional(from) : std::nullopt))
            if (m.from == from && m.to == to && (!inJump || action.piece.index == before.intJumpPiece))
                legal = m;
    }
    newGame = action.kind == Action::Reset;
    apply(game, action);
    judgeHumanMove();
    judgeComputerMove(false);
    check();
}

void WatchedGame::Pause()
{
    judgeHumanMove(); // the user's part of the action is over
    if (!computerStart)
        computerStart = game.board;
    if (game.board.blnCurrentPlayer || !settings.optComputer())
        add("the computer moves, but not as Black against a person");
    if (duringPause && problems.empty())
        duringPause();
}

void WatchedGame::ShowMessage(const std::string &text)
{
    messages.push_back(text);
    const Board &b = game.board;
    const int redLeft = piecesOnBoard(b.Red), blackLeft = piecesOnBoard(b.Black);
    const bool stuck = redLeft > 0 && blackLeft > 0 &&
                       legalMoves(b.intBoard, b.blnCurrentPlayer ? Colour::Red : Colour::Black).empty();
    const bool fits = text == "Red is the victor!"                     ? blackLeft == 0
                      : text == "Black is the victor!"                 ? redLeft == 0 && blackLeft > 0
                      : text == "Red can't move. Black is the victor!" ? b.blnCurrentPlayer && stuck
                      : text == "Black can't move. Red is the victor!" && !b.blnCurrentPlayer && stuck;
    if (!fits && !freelyPlaced)
        add("the message \"" + text + "\" with " + piecesPicture(b) + (b.blnCurrentPlayer ? ", Red" : ", Black") + " on move");
    judgeHumanMove();
    judgeComputerMove(text == "Black can't move. Red is the victor!" && computerStart.has_value());
    newGame = true;
}

void WatchedGame::judgeHumanMove()
{
    if (!judgeHuman)
        return;
    judgeHuman = false;
    const std::string want = picture(legal ? afterMove(before.intBoard, *legal, true) : before.intBoard);
    if (piecesPicture(game.board) != want)
        add("a drop turned " + boardPicture(before) + " into " + piecesPicture(game.board) + " instead of " + want);
    moves += legal ? 1 : 0;
}

void WatchedGame::judgeComputerMove(bool gaveUp)
{
    if (!computerStart || freelyPlaced) {
        computerStart.reset();
        return;
    }
    const std::vector<BoardArray> outcomes = computerOutcomes(computerStart->intBoard);
    const std::string now = piecesPicture(game.board);
    const bool legalMove = gaveUp ? outcomes.empty() && now == boardPicture(*computerStart)
                                  : std::any_of(outcomes.begin(), outcomes.end(),
                                                [&](const BoardArray &end) { return picture(end) == now; });
    if (!legalMove)
        add("the computer turned " + boardPicture(*computerStart) + " into " + now);
    computerStart.reset();
}

void WatchedGame::check()
{
    const Board &b = game.board;
    if (newGame && (boardPicture(b) != picture(testing::boardFromPicture(testing::kOpening).intBoard) ||
                    piecesPicture(b) != boardPicture(b) || b.intAIMoves != 0 || b.intJumpCount != 0 ||
                    !(b.optMultiJump == MultiJumpButton{}) || b.blnCurrentPlayer != settings.optRed()))
        add("a new game opens as " + piecesPicture(b));
    if (newGame) {
        red = black = PieceCount;
        freelyPlaced = false;
        newGame = false;
    }
    freelyPlaced = freelyPlaced || settings.blnTestMode;
    for (const std::string &problem : testing::positionProblems(b, freelyPlaced))
        add(problem);
    if (piecesOnBoard(b.Red) > red || piecesOnBoard(b.Black) > black)
        add("a piece came back within a game");
    red = piecesOnBoard(b.Red);
    black = piecesOnBoard(b.Black);
    const auto enabled = [](const std::array<Piece, PieceCount> &pieces, bool wanted) {
        return std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.Enabled == wanted; });
    };
    if (!settings.blnTestMode &&
        !(enabled(b.Red, b.blnCurrentPlayer) && enabled(b.Black, !b.blnCurrentPlayer && settings.optHuman())))
        add("pieces other than those of the side on move may be dragged");
    if (b.DeleteVisible != settings.blnTestMode || b.DeleteEnabled != settings.blnTestMode)
        add("\"Delete\" shows outside test mode, or not in it");
    if ((b.optMultiJump.ForeColor == CaptionColour::Red) != (b.optMultiJump.Value == 1))
        add("the Multi Jump caption is red while released, or black while pressed");
    if (game.blnGameOver || (b.intJumpCount > 0 && b.optMultiJump.Value == 0) || (settings.optComputer() && !b.blnCurrentPlayer))
        add("the user can act in a decided game, a pending multi-jump or the computer's turn");
}

void WatchedGame::performInPause(const Action &action)
{
    Board want = game.board;
    const std::size_t shown = messages.size();
    apply(game, action);
    // Only the test-mode switch is not guarded: it may enable pieces and show "Delete".
    want.DeleteVisible = game.board.DeleteVisible;
    want.DeleteEnabled = game.board.DeleteEnabled;
    for (std::size_t i = 0; i < PieceCount; ++i) {
        want.Red[i].Enabled = game.board.Red[i].Enabled;
        want.Black[i].Enabled = game.board.Black[i].Enabled;
    }
    if (!(game.board == want) || ended || messages.size() != shown || game.blnGameOver)
        add("a click in the computer's pause changed the game");
}

namespace {

struct Bytes {
    const std::uint8_t *data;
    std::size_t size, pos = 0;
    std::uint8_t next() { return pos < size ? data[pos++] : 0; }
    std::size_t pick(std::size_t n) { return next() % n; }
};

std::optional<Action> dropOf(const Board &board, const Move &move)
{
    if (const auto piece = testing::pieceAt(board, move.from))
        return Action{Action::Drop, *piece, static_cast<std::int16_t>(squareIndex(move.to))};
    return std::nullopt;
}

std::optional<Action> anyDrop(Bytes &in, const Board &board)
{
    const PieceRef piece{in.next() % 2 ? Colour::Red : Colour::Black, static_cast<std::int16_t>(in.pick(PieceCount))};
    return Action{Action::Drop, piece, static_cast<std::int16_t>(in.pick(SquareCount + (board.DeleteVisible ? 1 : 0)))};
}

std::optional<Action> nextAction(Bytes &in, const Board &board)
{
    const std::size_t op = in.pick(16);
    if (op < 8) { // a legal move of the side on move; 6 and 7 a jump where there is one
        std::vector<Move> moves = legalMoves(board.intBoard, board.blnCurrentPlayer ? Colour::Red : Colour::Black);
        if (op >= 6 && std::any_of(moves.begin(), moves.end(), [](const Move &m) { return m.jump; }))
            std::erase_if(moves, [](const Move &m) { return !m.jump; });
        return moves.empty() ? std::nullopt : dropOf(board, moves[in.pick(moves.size())]);
    }
    if (op < 11)
        return anyDrop(in, board);
    constexpr Action::Kind kinds[] = {Action::PressMultiJump, Action::ReleaseMultiJump, Action::Reset, Action::Exit,
                                      Action::TestMode, Action::CloseTestWindow};
    const Action::Kind kind = kinds[op - 11 + (op == 15 ? in.pick(2) : 0)];
    // Reset and Exit take a second byte, so that games run long before they end.
    if ((kind == Action::Reset && in.pick(2) != 0) || (kind == Action::Exit && in.pick(8) != 0))
        return std::nullopt;
    return Action{kind};
}

} // namespace

std::vector<std::string> playBytes(const std::uint8_t *data, std::size_t size)
{
    Bytes in{data, size};
    const std::uint8_t b = in.next();
    std::uint64_t seed = 0;
    for (int k = 0; k < 4; ++k)
        seed = seed << 8 | in.next();
    constexpr int twipsPerPixel[] = {15, 12, 10, 20}; // 96, 120, 144 and 72 dpi
    WatchedGame watched(b & 1 ? Settings::Opponent::Computer : Settings::Opponent::Human,
                        b & 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red, twipsPerPixel[(b >> 2) & 3], seed);
    watched.duringPause = [&] {
        const std::uint8_t clicks = in.next();
        constexpr Action::Kind kinds[] = {Action::Reset, Action::Exit, Action::PressMultiJump, Action::ReleaseMultiJump,
                                          Action::TestMode, Action::CloseTestWindow};
        for (int k = clicks >= 224 ? 1 + clicks % 3 : 0; k > 0; --k) {
            const std::size_t kind = in.pick(8);
            watched.performInPause(kind < 6 ? Action{kinds[kind]} : *anyDrop(in, watched.game.board));
        }
    };
    while (in.pos < in.size && !watched.ended && watched.problems.empty())
        if (const auto action = nextAction(in, watched.game.board))
            watched.perform(*action);
    return watched.problems;
}

SoakResult soak(long first, long count)
{
    constexpr int MoveCap = 300; // kings may shuffle for ever
    SoakResult result;
    for (long n = first; n < first + count && result.problems.empty(); ++n) {
        const bool computer = n % 3 == 0;
        WatchedGame watched(computer ? Settings::Opponent::Computer : Settings::Opponent::Human,
                            n % 3 == 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red, n % 4 == 3 ? 12 : 15,
                            static_cast<std::uint64_t>(n));
        std::mt19937_64 hand(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15ULL + 1);
        const auto chance = [&](double p) { return std::uniform_real_distribution<>(0, 1)(hand) < p; };
        std::string ending;
        while (watched.problems.empty()) {
            if (!watched.messages.empty() || watched.moves >= MoveCap) {
                ending = watched.messages.empty() ? "move cap" : watched.messages.front();
                break;
            }
            const Board &b = watched.game.board;
            const Colour mover = b.blnCurrentPlayer ? Colour::Red : Colour::Black;
            if (b.intJumpCount > 0) { // jump on, or end the turn
                const auto jumps = legalMoves(b.intBoard, mover, b.cellOf(b.piece({mover, b.intJumpPiece})));
                watched.perform(jumps.empty() || chance(0.15) ? Action{Action::ReleaseMultiJump}
                                                              : *dropOf(b, jumps[hand() % jumps.size()]));
                continue;
            }
            std::vector<Move> moves = legalMoves(b.intBoard, mover);
            if (moves.empty()) {
                watched.problems.push_back("the side on move has no move, and the game goes on");
                break;
            }
            // Against the computer Red captures when it can, and mostly gives Black nothing to capture.
            const auto jump = [](const Move &m) { return m.jump; };
            const auto safe = [&](const Move &m) {
                const auto replies = legalMoves(afterMove(b.intBoard, m, true), Colour::Black);
                return std::none_of(replies.begin(), replies.end(), jump);
            };
            if (computer && std::any_of(moves.begin(), moves.end(), jump))
                std::erase_if(moves, [&](const Move &m) { return !jump(m); });
            else if (computer && chance(0.9) && std::any_of(moves.begin(), moves.end(), safe))
                std::erase_if(moves, [&](const Move &m) { return !safe(m); });
            const Move move = moves[hand() % moves.size()];
            if (chance(move.jump ? 0.5 : 0.03))
                watched.perform({Action::PressMultiJump});
            watched.perform(*dropOf(b, move));
        }
        ++result.endings[(computer ? "against the computer: " : "two people: ") + ending];
        for (const std::string &problem : watched.problems)
            result.problems.push_back("game " + std::to_string(n) + ": " + problem);
    }
    return result;
}

} // namespace jumpline::fuzz
