#include "support/Support.h"

#include <sstream>
#include <stdexcept>

namespace jumpline::testing {

namespace {

constexpr std::string_view kSymbols = "Bb.rR"; // intBoard -2 .. 2

std::size_t at(int index) { return static_cast<std::size_t>(index); }

Picture pictureOf(Colour colour, bool king)
{
    return colour == Colour::Red ? (king ? Picture::RedKing : Picture::Red) : (king ? Picture::BlackKing : Picture::Black);
}

// A picture of the rows that hold something, from eight rows of eight symbols.
std::string rowsWithPieces(const std::string (&rows)[BoardSize])
{
    std::string picture;
    for (int row = 1; row <= BoardSize; ++row)
        if (rows[row - 1] != "........")
            picture += (picture.empty() ? "" : " ") + std::to_string(row) + ":" + rows[row - 1];
    return picture;
}

} // namespace

Board boardFromPicture(std::string_view picture, bool redToMove, int twipsX, int twipsY)
{
    Board board;
    std::tie(board.intTwipsX, board.intTwipsY) = std::pair(static_cast<std::int16_t>(twipsX), static_cast<std::int16_t>(twipsY));
    board.blnCurrentPlayer = redToMove;
    board.lblPlayer = redToMove ? "Red's" : "Black's";
    for (std::size_t i = 0; i < PieceCount; ++i) {
        std::tie(board.Red[i].Enabled, board.Black[i].Enabled, board.Black[i].picture) = std::tuple(redToMove, !redToMove, Picture::Black);
        board.parkPiece(board.Red[i]);
        board.parkPiece(board.Black[i]);
    }
    std::int16_t next[2] = {0, 0}; // red, black
    std::istringstream rows{std::string(picture)};
    int row = 0;
    for (std::string cells; rows >> cells;) {
        row = cells.size() == 10 && cells[1] == ':' ? cells[0] - '0' : row + 1; // "4:b.....b.", or the next row
        cells = cells.substr(cells.size() - BoardSize);
        for (int col = 1; col <= BoardSize; ++col) {
            const auto value = static_cast<std::int16_t>(static_cast<int>(kSymbols.find(cells[at(col - 1)])) - 2);
            if (row < 1 || row > BoardSize || value < -2 || (value != Empty && !isDark({col, row})))
                throw std::invalid_argument("a picture row is eight of . b B r R, pieces on dark cells only: " + cells);
            if ((board.intBoard(col, row) = value) == Empty)
                continue;
            const bool red = value > 0, king = value == RedKing || value == BlackKing;
            const PieceRef piece{red ? Colour::Red : Colour::Black, next[red ? 0 : 1]++};
            if (piece.index >= PieceCount)
                throw std::invalid_argument("a picture holds at most twelve pieces of a colour");
            board.placePiece(piece, {col, row});
            (red ? board.blnRedKing : board.blnBlackKing)[at(piece.index)] = king;
            board.piece(piece).picture = pictureOf(piece.colour, king);
        }
    }
    return board;
}

std::string boardPicture(const Board &board)
{
    std::string rows[BoardSize];
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            rows[row - 1] += isDark({col, row}) ? kSymbols[at(board.intBoard(col, row) + 2)] : '.';
    return rowsWithPieces(rows);
}

std::string piecesPicture(const Board &board)
{
    std::string rows[BoardSize] = {"........", "........", "........", "........", "........", "........", "........", "........"};
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Cell c = board.cellOf(board.piece({colour, i}));
            if (board.piece({colour, i}).Visible && onBoard(c.col, c.row)) {
                char &cell = rows[c.row - 1][at(c.col - 1)];
                cell = cell == '.' ? kSymbols[at((colour == Colour::Red ? 1 : -1) * (board.isKing({colour, i}) ? 2 : 1) + 2)] : '?';
            }
        }
    return rowsWithPieces(rows);
}

std::vector<std::string> positionProblems(const Board &board, bool freelyPlaced)
{
    std::vector<std::string> problems;
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &p = board.piece({colour, i});
            const Cell c = board.cellOf(p);
            const std::string name = (colour == Colour::Red ? "Red(" : "Black(") + std::to_string(i) + ")";
            if (!p.Visible && (p.Left != 532 * board.intTwipsX || p.Top != 35 * board.intTwipsY)) // px
                problems.push_back(name + " is hidden away from the parking place");
            if (p.Visible && !(onBoard(c.col, c.row) && isDark(c) && p.Left == board.pieceLeft(c.col) && p.Top == board.pieceTop(c.row)))
                problems.push_back(name + " is off the piece position of a dark cell");
            if (p.picture != pictureOf(colour, board.isKing({colour, i})))
                problems.push_back(name + " shows the wrong picture for its king flag");
        }
    if (!freelyPlaced && piecesPicture(board) != boardPicture(board))
        problems.push_back("the pieces show " + piecesPicture(board) + " but intBoard holds " + boardPicture(board));
    return problems;
}

} // namespace jumpline::testing
