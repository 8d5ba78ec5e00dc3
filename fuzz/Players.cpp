// The players that drive watched games: one decodes a byte string into actions (the
// fuzzer's inputs), the other plays whole seeded games (the soaks).
#include "fuzz/Harness.h"

#include <algorithm>

namespace jumpline::fuzz {

namespace {

using testing::Drop;

UserAction dropOf(const Drop &d)
{
    return {UserAction::Drop, d.piece, static_cast<std::int16_t>(squareIndex(d.move.to))};
}

// Keeps only the drops that `wanted` likes, if it likes any.
template <typename Wanted>
bool keepOnly(std::vector<Drop> &drops, Wanted wanted)
{
    if (std::none_of(drops.begin(), drops.end(), wanted))
        return false;
    std::erase_if(drops, [&](const Drop &d) { return !wanted(d); });
    return true;
}

struct Bytes {
    const std::uint8_t *data;
    std::size_t size, pos = 0;
    std::uint8_t next() { return pos < size ? data[pos++] : 0; }
    std::size_t pick(std::size_t n) { return next() % n; }
};

// A legal drop; with `jumpsFirst` a jump if there is one, the multi-jump's own piece first.
std::optional<UserAction> legalDrop(Bytes &in, const Board &board, bool jumpsFirst)
{
    std::vector<Drop> drops = testing::legalDrops(board);
    if (jumpsFirst && board.intJumpCount > 0)
        keepOnly(drops, [&](const Drop &d) { return d.move.jump && d.piece.index == board.intJumpPiece; });
    if (jumpsFirst)
        keepOnly(drops, [](const Drop &d) { return d.move.jump; });
    return drops.empty() ? std::nullopt : std::optional(dropOf(drops[in.pick(drops.size())]));
}

// A drag of a piece on the board: onto any square ("Delete" while it is shown) or, with
// `nearby`, one, two or three cells along a diagonal.
std::optional<UserAction> anyDrop(Bytes &in, const Board &board, bool enabledOnly, bool nearby)
{
    std::vector<PieceRef> pieces;
    for (Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (board.piece({colour, i}).Visible && (!enabledOnly || board.piece({colour, i}).Enabled))
                pieces.push_back({colour, i});
    if (pieces.empty())
        return std::nullopt;
    const PieceRef piece = pieces[in.pick(pieces.size())];
    const auto squares = static_cast<std::size_t>(board.DeleteVisible ? SquareCount + 1 : SquareCount);
    if (!nearby)
        return UserAction{UserAction::Drop, piece, static_cast<std::int16_t>(in.pick(squares))};
    const std::uint8_t b = in.next();
    const int distance = 1 + (b >> 2) % 3;
    const Cell from = board.cellOf(board.piece(piece));
    const Cell to{from.col + (b & 1 ? distance : -distance), from.row + (b & 2 ? distance : -distance)};
    if (!onBoard(to.col, to.row))
        return std::nullopt;
    return dropOf({piece, {from, to}});
}

std::optional<UserAction> nextAction(Bytes &in, const Board &board)
{
    const int op = in.next() % 32;
    if (op < 10 || op >= 26)
        return legalDrop(in, board, op >= 26);
    if (op < 18)
        return anyDrop(in, board, true, op < 16);
    if (op < 22)
        return UserAction{op < 20 ? UserAction::PressMultiJump : UserAction::ReleaseMultiJump};
    // Reset and Exit take a second byte, so that games run long before they end.
    if (op == 22)
        return in.next() % 2 == 0 ? std::optional(UserAction{UserAction::Reset}) : std::nullopt;
    if (op == 23)
        return in.next() % 4 == 0 ? std::optional(UserAction{UserAction::Exit}) : std::nullopt;
    return UserAction{op == 24 ? UserAction::TestModeButton : UserAction::CloseTestWindow};
}

std::optional<UserAction> pauseAction(Bytes &in, const Board &board)
{
    constexpr UserAction::Kind clicks[] = {UserAction::Reset,          UserAction::Exit,
                                           UserAction::PressMultiJump, UserAction::ReleaseMultiJump,
                                           UserAction::TestModeButton, UserAction::CloseTestWindow};
    const std::uint8_t k = in.next() % 8;
    return k < 6 ? UserAction{clicks[k]} : anyDrop(in, board, false, false);
}

// Plays the side on move for one drop or click. Returns false when it has no legal move.
bool playOnce(WatchedGame &watched, testing::SeededRandom &hand, bool careful)
{
    const Board &board = watched.game.board;
    std::vector<Drop> drops = testing::legalDrops(board);
    const auto pick = [&] { return drops[hand.below(drops.size())]; };
    if (board.intJumpCount > 0) {
        // In a multi-jump: jump on, or end the turn by releasing the button or by another drop.
        const bool goOn = keepOnly(drops, [&](const Drop &d) { return d.move.jump && d.piece.index == board.intJumpPiece; });
        const bool release = drops.empty() || hand.Rnd() < (goOn ? 0.15 : 0.9);
        watched.perform(release ? UserAction{UserAction::ReleaseMultiJump} : dropOf(pick()));
        return true;
    }
    if (drops.empty())
        return false;
    // Against the computer a capture when there is one, else mostly a move after which Black
    // can capture nothing: a blind player never wins, and the games that Red wins or in which
    // Black is stuck would go untested.
    const auto safe = [&](const Drop &d) {
        return testing::legalMoves(testing::afterMove(board.intBoard, d.move), Colour::Black, true).empty();
    };
    if (careful && !keepOnly(drops, [](const Drop &d) { return d.move.jump; }) && hand.Rnd() < 0.9)
        keepOnly(drops, safe);
    const Drop drop = pick();
    if (board.optMultiJump.Value == 0 && hand.Rnd() < (drop.move.jump ? 0.5 : 0.03))
        watched.perform({UserAction::PressMultiJump});
    watched.perform(dropOf(drop));
    return true;
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
                        b & 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red, twipsPerPixel[(b >> 2) & 3],
                        twipsPerPixel[(b >> 4) & 3], seed);
    watched.duringPause = [&] {
        const std::uint8_t clicks = in.next();
        for (int k = clicks >= 224 ? 1 + clicks % 3 : 0; k > 0; --k)
            if (const auto action = pauseAction(in, watched.game.board))
                watched.performInPause(*action);
    };
    while (in.pos < in.size && !watched.screen.ended && watched.ok())
        if (const auto action = nextAction(in, watched.game.board))
            watched.perform(*action);
    return watched.problems;
}

SoakResult soak(long first, long count)
{
    constexpr int MoveCap = 400; // kings may shuffle for ever: such a game is stopped here
    SoakResult result;
    for (long n = first; n < first + count && result.problems.empty(); ++n) {
        const bool computer = n % 3 == 0;
        const int twips = n % 4 == 3 ? 12 : DesignTwipsPerPixel;
        WatchedGame watched(computer ? Settings::Opponent::Computer : Settings::Opponent::Human,
                            n % 3 == 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red, twips, twips,
                            static_cast<std::uint64_t>(n));
        testing::SeededRandom hand(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15ULL + 1);
        std::string ending;
        while (watched.ok() && ending.empty()) {
            if (watched.humanMoves >= MoveCap) {
                ending = "move cap";
            } else if (!playOnce(watched, hand, computer)) {
                ending = watched.game.board.blnCurrentPlayer ? "Red blocked" : "Black blocked";
                watched.perform({UserAction::Reset}); // no message comes: the players start again
            } else if (!watched.screen.messages.empty()) {
                ending = watched.screen.messages.front();
            }
        }
        const std::string kind = computer ? "against the computer" : "two people";
        ++result.endings[kind + ": " + ending];
        for (const std::string &problem : watched.problems)
            result.problems.push_back("game " + std::to_string(n) + " (" + kind + "): " + problem);
    }
    return result;
}

} // namespace jumpline::fuzz
