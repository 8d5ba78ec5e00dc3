#include "fuzz/ActionBytes.h"

#include "fuzz/Harness.h"
#include "support/Referee.h"

#include <array>
#include <optional>

namespace jumpline::fuzz {

namespace {

class ByteStream {
public:
    ByteStream(const std::uint8_t *data, std::size_t size) : data(data), size(size) {}
    bool done() const { return pos >= size; }
    std::uint8_t next() { return pos < size ? data[pos++] : 0; }
    std::size_t pick(std::size_t n) { return next() % n; }

private:
    const std::uint8_t *data;
    std::size_t size;
    std::size_t pos = 0;
};

// Screens of 96, 120, 144 and 72 dpi.
constexpr std::array<int, 4> TwipsPerPixel = {15, 12, 10, 20};

GameSetup readSetup(ByteStream &in)
{
    GameSetup setup;
    const std::uint8_t b = in.next();
    setup.opponent = b & 1 ? Settings::Opponent::Computer : Settings::Opponent::Human;
    setup.first = b & 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red;
    setup.twipsX = TwipsPerPixel[(b >> 2) & 3];
    setup.twipsY = TwipsPerPixel[(b >> 4) & 3];
    for (int k = 0; k < 4; ++k)
        setup.seed = setup.seed << 8 | in.next();
    return setup;
}

std::vector<PieceRef> piecesOnBoard(const Board &board, bool enabledOnly)
{
    std::vector<PieceRef> pieces;
    for (Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (board.piece({colour, i}).Visible && (!enabledOnly || board.piece({colour, i}).Enabled))
                pieces.push_back({colour, i});
    return pieces;
}

UserAction dropOf(const testing::HumanMove &m)
{
    return {UserAction::Drop, m.piece, static_cast<std::int16_t>(squareIndex(m.to))};
}

std::optional<UserAction> legalDrop(ByteStream &in, const Board &board, bool jumpsFirst)
{
    std::vector<testing::HumanMove> moves;
    if (jumpsFirst && board.intJumpCount > 0) {
        const PieceRef jumper{board.blnCurrentPlayer ? Colour::Red : Colour::Black, board.intJumpPiece};
        moves = testing::legalJumps(board, jumper);
    }
    if (moves.empty())
        moves = testing::legalHumanMoves(board);
    if (jumpsFirst) {
        std::vector<testing::HumanMove> jumps;
        for (const testing::HumanMove &m : moves)
            if (m.jump)
                jumps.push_back(m);
        if (!jumps.empty())
            moves = jumps;
    }
    if (moves.empty())
        return std::nullopt;
    return dropOf(moves[in.pick(moves.size())]);
}

// A drag of an enabled piece one, two or three cells along a diagonal.
std::optional<UserAction> nearbyDrop(ByteStream &in, const Board &board)
{
    const std::vector<PieceRef> pieces = piecesOnBoard(board, true);
    if (pieces.empty())
        return std::nullopt;
    const PieceRef piece = pieces[in.pick(pieces.size())];
    const std::uint8_t b = in.next();
    const int dc = b & 1 ? 1 : -1, dr = b & 2 ? 1 : -1, distance = 1 + (b >> 2) % 3;
    const Cell from = board.cellOf(board.piece(piece));
    const Cell to{from.col + distance * dc, from.row + distance * dr};
    if (!onBoard(to.col, to.row))
        return std::nullopt;
    return UserAction{UserAction::Drop, piece, static_cast<std::int16_t>(squareIndex(to))};
}

std::optional<UserAction> anywhereDrop(ByteStream &in, const Board &board, bool enabledOnly)
{
    const std::vector<PieceRef> pieces = piecesOnBoard(board, enabledOnly);
    if (pieces.empty())
        return std::nullopt;
    const PieceRef piece = pieces[in.pick(pieces.size())];
    const auto square = static_cast<std::int16_t>(in.pick(board.DeleteVisible ? SquareCount + 1 : SquareCount));
    return UserAction{UserAction::Drop, piece, square};
}

std::optional<UserAction> nextAction(ByteStream &in, const Board &board)
{
    const std::uint8_t op = in.next() % 32;
    if (op < 10)
        return legalDrop(in, board, false);
    if (op < 16)
        return nearbyDrop(in, board);
    if (op < 18)
        return anywhereDrop(in, board, true);
    if (op < 20)
        return UserAction{UserAction::PressMultiJump};
    if (op < 22)
        return UserAction{UserAction::ReleaseMultiJump};
    // Reset and Exit take a second byte, so that games run long before they end.
    if (op == 22)
        return in.next() % 2 == 0 ? std::optional(UserAction{UserAction::Reset}) : std::nullopt;
    if (op == 23)
        return in.next() % 4 == 0 ? std::optional(UserAction{UserAction::Exit}) : std::nullopt;
    if (op == 24)
        return UserAction{UserAction::TestModeButton};
    if (op == 25)
        return UserAction{UserAction::CloseTestWindow};
    return legalDrop(in, board, true);
}

std::optional<UserAction> pauseAction(ByteStream &in, const Board &board)
{
    switch (in.next() % 8) {
    case 0: return UserAction{UserAction::Reset};
    case 1: return UserAction{UserAction::Exit};
    case 2: return UserAction{UserAction::PressMultiJump};
    case 3: return UserAction{UserAction::ReleaseMultiJump};
    case 4: return UserAction{UserAction::TestModeButton};
    case 5: return UserAction{UserAction::CloseTestWindow};
    }
    return anywhereDrop(in, board, false);
}

} // namespace

RunResult playBytes(const std::uint8_t *data, std::size_t size, bool verbose)
{
    ByteStream in(data, size);
    WatchedGame watched(readSetup(in));
    watched.verbose = verbose;
    watched.duringPause = [&] {
        const std::uint8_t b = in.next();
        const int clicks = b >= 224 ? 1 + b % 3 : 0;
        for (int k = 0; k < clicks; ++k)
            if (const auto action = pauseAction(in, watched.game.board))
                watched.performInPause(*action);
    };
    while (!in.done() && !watched.screen.ended && watched.ok())
        if (const auto action = nextAction(in, watched.game.board))
            watched.perform(*action);

    return {watched.problems(), watched.actions,      watched.pauseActions, watched.humanMoves,
            watched.computerMoves, watched.newGames, watched.screen.ended};
}

} // namespace jumpline::fuzz
