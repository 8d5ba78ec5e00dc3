#include "support/ComputerRun.h"

#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <utility>

namespace jumpline::testing {

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string cellName(Cell cell)
{
    return "(" + std::to_string(cell.col) + ", " + std::to_string(cell.row) + ")";
}

} // namespace

ComputerSetup::ComputerSetup(std::string_view picture) : board(boardFromPicture(picture, false))
{
    board.intAIMoves = 1;
    for (Piece &p : board.Black)
        p.Enabled = false; // against the computer Black's pieces are never draggable
}

ComputerSetup &ComputerSetup::numbered(PieceRef piece, Cell cell)
{
    const PieceRef other = pieceAt(board, cell).value();
    require(other.colour == piece.colour, "a piece is renumbered within its own colour");
    std::swap(board.piece(piece), board.piece(other));
    auto &kings = piece.colour == Colour::Black ? board.blnBlackKing : board.blnRedKing;
    std::swap(kings[at(piece.index)], kings[at(other.index)]);
    return *this;
}

ComputerSetup &ComputerSetup::parked(PieceRef piece)
{
    board.parkPiece(board.piece(piece));
    return *this;
}

ComputerSetup &ComputerSetup::king(PieceRef piece)
{
    (piece.colour == Colour::Black ? board.blnBlackKing : board.blnRedKing)[at(piece.index)] = true;
    board.piece(piece).picture = pictureOf(piece.colour, true);
    return *this;
}

ComputerSetup &ComputerSetup::aiMoves(std::int16_t intAIMoves)
{
    board.intAIMoves = intAIMoves;
    return *this;
}

ComputerRun runComputerMove(const ComputerSetup &setup, std::vector<double> numbers, double fallback)
{
    ComputerRun run;
    Board board = setup.board;
    ScriptedRandom random(std::move(numbers));
    random.fallback = fallback;
    FakeScreen screen;
    screen.duringPause = [&] { run.positions.push_back(board); };
    Computer computer(board, random, screen);

    run.outcome = computer.ComputerMove();

    run.after = board;
    run.positions.push_back(board);
    // Each black piece that changed cell from one pause to the next; a piece taken off the
    // board goes to (0, 0).
    Cell last{};
    for (std::size_t k = 1; k < run.positions.size(); ++k) {
        for (int i = 0; i < PieceCount; ++i) {
            const Cell from = cellOfPiece(run.positions[k - 1], BlackPiece(i));
            const Cell to = cellOfPiece(run.positions[k], BlackPiece(i));
            if (from == to)
                continue;
            if (from != last)
                run.path += (run.path.empty() ? "" : ", ") + cellName(from);
            run.path += " -> " + cellName(to);
            last = to;
        }
    }
    run.pauses = screen.pauses;
    run.used = random.used;
    run.messages = screen.messages;
    return run;
}

} // namespace jumpline::testing
