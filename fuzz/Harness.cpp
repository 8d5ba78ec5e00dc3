#include "fuzz/Harness.h"

#include "game/Game.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace jumpline::fuzz {

namespace {

using testing::boardPicture;
using testing::piecesPicture;

// The board after a move: the jumped piece gone and, with `crown`, a man on the far row a king.
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

// Every position in which a move of the computer may end.
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

int piecesOnBoard(const std::array<Piece, PieceCount> &pieces)
{
    return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Visible; }));
}

struct Action {
    enum Kind : std::uint8_t { Drop, PressMultiJump, ReleaseMultiJump, Reset, Exit, TestMode, CloseTestWindow };
    Kind kind = Drop;
    PieceRef piece{};        // the dragged piece
    std::int16_t square = 0; // Square(0..31), or 32 for "Delete"
};

class WatchedGame final : public Screen {
public:
    // Byte `setup` chooses the opponent, the first player (Red against the computer) and the
    // twips per pixel, 96, 120, 144 or 72 dpi across and down.
    WatchedGame(std::uint8_t setup, std::uint64_t seed) : random(seed), game(settings, random, *this)
    {
        constexpr int twipsPerPixel[] = {15, 12, 10, 20};
        settings.opponent = setup & 1 ? Settings::Opponent::Computer : Settings::Opponent::Human;
        settings.first = (setup & 3) == 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red;
        game.board.intTwipsX = static_cast<std::int16_t>(twipsPerPixel[(setup >> 2) & 3]);
        game.board.intTwipsY = static_cast<std::int16_t>(twipsPerPixel[(setup >> 4) & 3]);
        game.NewGame();
        check();
    }

    // An action of the user; a drag begins only as the window lets it (an enabled piece on the
    // board, "Delete" only while it shows). In the computer's pause it may change nothing but
    // what the unguarded test-mode switch changes.
    void perform(const Action &action, bool inPause = false)
    {
        const Piece &dragged = game.board.piece(action.piece);
        if (ended || (action.kind == Action::Drop && !inPause &&
                      (!dragged.Visible || !dragged.Enabled || (action.square == DeleteSquare && !game.board.DeleteVisible))))
            return;
        const Board was = game.board;
        const std::size_t shown = played.messages.size();
        if (!inPause) {
            before = was;
            freelyPlaced = freelyPlaced || settings.blnTestMode;
            judgeHuman = !freelyPlaced && action.kind != Action::Reset;
            newGame = action.kind == Action::Reset;
            legal.reset();
            // In a multi-jump only a further jump of the same piece is a move.
            const bool inJump = was.intJumpCount > 0, drop = action.kind == Action::Drop && action.square != DeleteSquare;
            const Cell from = was.cellOf(dragged), to = drop ? squareCell(action.square) : Cell{};
            for (const Move &m : legalMoves(was.intBoard, action.piece.colour, inJump ? std::optional(from) : std::nullopt))
                if (drop && m.from == from && m.to == to && (!inJump || action.piece.index == was.intJumpPiece))
                    legal = m;
        }
        switch (action.kind) {
        case Action::Drop: game.Square_DragDrop(action.square, action.piece); break;
        case Action::PressMultiJump: game.SetMultiJump(true); break;
        case Action::ReleaseMultiJump: game.SetMultiJump(false); break;
        case Action::Reset: game.cmdReset_Click(); break;
        case Action::Exit: game.cmdExit_Click(); break;
        case Action::TestMode: game.cmdTestMode_Click(); break;
        case Action::CloseTestWindow: game.TestWindowClosing(); break;
        }
        if (inPause) {
            Board want = was;
            want.DeleteVisible = want.DeleteEnabled = game.board.DeleteVisible;
            for (std::size_t i = 0; i < PieceCount; ++i)
                std::tie(want.Red[i].Enabled, want.Black[i].Enabled) = std::pair(game.board.Red[i].Enabled, game.board.Black[i].Enabled);
            if (!(game.board == want) || ended || played.messages.size() != shown || game.blnGameOver)
                add("a click in the computer's pause changed the game");
            return;
        }
        judge();
        check();
    }

    std::function<void()> duringPause;
    Settings settings;
    SeededRandom random;
    Game game;
    Played played;
    bool ended = false;

private:
    void Pause() override
    {
        if (!computerStart) { // the computer begins: the user's part is over
            judge();
            computerStart = game.board;
        }
        if (game.board.blnCurrentPlayer || !settings.optComputer())
            add("the computer moves, but not as Black against a person");
        if (duringPause && played.problems.empty())
            duringPause();
    }

    void ShowMessage(const std::string &text) override
    {
        played.messages.push_back(text);
        const Board &b = game.board;
        const int redLeft = piecesOnBoard(b.Red), blackLeft = piecesOnBoard(b.Black);
        const bool stuck = redLeft > 0 && blackLeft > 0 && legalMoves(b.intBoard, b.blnCurrentPlayer ? Colour::Red : Colour::Black).empty();
        const bool fits = text == "Red is the victor!"                     ? blackLeft == 0
                          : text == "Black is the victor!"                 ? redLeft == 0 && blackLeft > 0
                          : text == "Red can't move. Black is the victor!" ? b.blnCurrentPlayer && stuck
                          : text == "Black can't move. Red is the victor!" && !b.blnCurrentPlayer && stuck;
        if (!fits && !freelyPlaced)
            add("the message \"" + text + "\" with " + piecesPicture(b) + (b.blnCurrentPlayer ? ", Red" : ", Black") + " on move");
        judge(text == "Black can't move. Red is the victor!" && computerStart);
        newGame = true;
    }

    void ShowBoardDump(const std::string &) override {}
    void EndProgram() override { ended = true; }

    void add(const std::string &problem) { played.problems.push_back("after " + std::to_string(moves) + " moves: " + problem); }

    // The parts of an action that are over: the user's drop, then the computer's move.
    void judge(bool computerGaveUp = false)
    {
        if (std::exchange(judgeHuman, false)) {
            const std::string want = picture(legal ? afterMove(before.intBoard, *legal, true) : before.intBoard);
            if (piecesPicture(game.board) != want)
                add("a drop turned " + boardPicture(before) + " into " + piecesPicture(game.board) + " instead of " + want);
            moves += legal ? 1 : 0;
        }
        if (computerStart && !freelyPlaced) {
            const std::vector<std::string> ends = computerOutcomes(computerStart->intBoard);
            const std::string now = piecesPicture(game.board);
            if (computerGaveUp ? !ends.empty() || now != boardPicture(*computerStart) : std::find(ends.begin(), ends.end(), now) == ends.end())
                add("the computer turned " + boardPicture(*computerStart) + " into " + now);
        }
        computerStart.reset();
    }

    // What holds whenever the user can act.
    void check()
    {
        const Board &b = game.board;
        const auto all = [](const std::array<Piece, PieceCount> &pieces, bool enabled) {
            return std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.Enabled == enabled; });
        };
        if (std::exchange(newGame, false)) {
            if (piecesPicture(b) != boardPicture(b) || boardPicture(b) != boardPicture(testing::boardFromPicture(testing::kOpening)) ||
                b.intAIMoves != 0 || b.intJumpCount != 0 || !(b.optMultiJump == MultiJumpButton{}) || b.blnCurrentPlayer != settings.optRed())
                add("a new game opens as " + piecesPicture(b));
            red = black = PieceCount;
            freelyPlaced = false;
        }
        freelyPlaced = freelyPlaced || settings.blnTestMode;
        for (const std::string &problem : testing::positionProblems(b, freelyPlaced))
            add(problem);
        if (piecesOnBoard(b.Red) > std::exchange(red, piecesOnBoard(b.Red)) || piecesOnBoard(b.Black) > std::exchange(black, piecesOnBoard(b.Black)))
            add("a piece came back within a game");
        if (!settings.blnTestMode && !(all(b.Red, b.blnCurrentPlayer) && all(b.Black, !b.blnCurrentPlayer && settings.optHuman())))
            add("pieces other than those of the side on move may be dragged");
        if (b.DeleteVisible != settings.blnTestMode || b.DeleteEnabled != settings.blnTestMode)
            add("\"Delete\" shows outside test mode, or not in it");
        if ((b.optMultiJump.ForeColor == CaptionColour::Red) != (b.optMultiJump.Value == 1))
            add("the Multi Jump caption is red while released, or black while pressed");
        if (game.blnGameOver || (b.intJumpCount > 0 && b.optMultiJump.Value == 0) || (settings.optComputer() && !b.blnCurrentPlayer))
            add("the user can act in a decided game, a pending multi-jump or the computer's turn");
        if (!freelyPlaced && b.intJumpCount == 0 && legalMoves(b.intBoard, b.blnCurrentPlayer ? Colour::Red : Colour::Black).empty())
            add("the side on move has no move, and no message said so");
    }

    Board before;              // as the action began
    std::optional<Move> legal; // the legal move its drop makes
    bool judgeHuman = false;
    std::optional<Board> computerStart; // as the computer began to move
    bool freelyPlaced = false;          // test mode has been on since the last new game
    bool newGame = true;                // one must follow the action
    int red = PieceCount, black = PieceCount, moves = 0;
};

struct Bytes {
    const std::uint8_t *data;
    std::size_t size, pos = 0;
    std::uint8_t next() { return pos < size ? data[pos++] : 0; }
    std::size_t pick(std::size_t n) { return next() % n; }
};

// A drop of any piece onto any square ("Delete" while it shows).
Action anyDrop(Bytes &in, const Board &board)
{
    const PieceRef piece{in.next() % 2 ? Colour::Red : Colour::Black, static_cast<std::int16_t>(in.pick(PieceCount))};
    return {Action::Drop, piece, static_cast<std::int16_t>(in.pick(SquareCount + (board.DeleteVisible ? 1 : 0)))};
}

std::optional<Action> nextAction(Bytes &in, const Board &board)
{
    constexpr Action::Kind clicks[] = {Action::PressMultiJump, Action::ReleaseMultiJump, Action::TestMode,
                                       Action::CloseTestWindow, Action::Reset, Action::Exit};
    const std::size_t op = in.pick(32);
    if (op < 24) { // a legal move of the side on move, a jump where there is one from 20 on
        std::vector<Move> moves = legalMoves(board.intBoard, board.blnCurrentPlayer ? Colour::Red : Colour::Black);
        if (op >= 20 && std::any_of(moves.begin(), moves.end(), [](const Move &m) { return m.jump; }))
            std::erase_if(moves, [](const Move &m) { return !m.jump; });
        const Move m = moves.empty() ? Move{} : moves[in.pick(moves.size())];
        const auto piece = moves.empty() ? std::nullopt : testing::pieceAt(board, m.from);
        return piece ? std::optional(Action{Action::Drop, *piece, static_cast<std::int16_t>(squareIndex(m.to))}) : std::nullopt;
    }
    if (op < 26)
        return anyDrop(in, board);
    // Reset and Exit take a second byte, so that games run long before they end.
    const Action::Kind kind = clicks[op - 26];
    if ((kind == Action::Reset && in.pick(8) != 0) || (kind == Action::Exit && in.pick(64) != 0))
        return std::nullopt;
    return Action{kind};
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

Played playBytes(const std::uint8_t *data, std::size_t size)
{
    Bytes in{data, size};
    const std::uint8_t setup = in.next();
    std::uint64_t seed = 0;
    for (int k = 0; k < 4; ++k)
        seed = seed << 8 | in.next();
    WatchedGame watched(setup, seed);
    watched.duringPause = [&] {
        constexpr Action::Kind clicks[] = {Action::Reset, Action::Exit, Action::PressMultiJump, Action::ReleaseMultiJump,
                                           Action::TestMode, Action::CloseTestWindow};
        for (std::size_t k = in.next() >= 224 ? 1 + in.pick(3) : 0; k > 0; --k) {
            const std::size_t kind = in.pick(8);
            watched.perform(kind < 6 ? Action{clicks[kind]} : anyDrop(in, watched.game.board), true);
        }
    };
    while (in.pos < in.size && !watched.ended && watched.played.problems.empty())
        if (const auto action = nextAction(in, watched.game.board))
            watched.perform(*action);
    return watched.played;
}

SoakResult soak(long first, long count)
{
    SoakResult result;
    for (long n = first; n < first + count && result.problems.empty(); ++n) {
        std::mt19937_64 generator(static_cast<std::uint64_t>(n));
        std::vector<std::uint8_t> bytes(4000);
        std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator()); });
        bytes[0] = static_cast<std::uint8_t>((n % 3 == 0 ? 1 : n % 3 == 1 ? 0 : 2) | (n % 4 == 3 ? 0x24 : 0)); // 12 x 10 twips
        const Played played = playBytes(bytes.data(), bytes.size());
        for (const std::string &message : played.messages)
            ++result.endings[(n % 3 == 0 ? "against the computer: " : "two people: ") + message];
        for (const std::string &problem : played.problems)
            result.problems.push_back("run " + std::to_string(n) + ": " + problem);
    }
    return result;
}

} // namespace jumpline::fuzz
