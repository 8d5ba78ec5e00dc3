#include "support/Support.h"

#include <cctype>
#include <stdexcept>

namespace jumpline::testing {

namespace {

constexpr std::string_view kSymbols = "Bb.rR"; // intBoard -2 .. 2

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A picture's rows that hold something, from eight strings of eight symbols.
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
    board.intTwipsX = static_cast<std::int16_t>(twipsX);
    board.intTwipsY = static_cast<std::int16_t>(twipsY);
    board.blnCurrentPlayer = redToMove;
    board.lblPlayer = redToMove ? "Red's" : "Black's";
    for (Piece &p : board.Black)
        p.picture = Picture::Black;
    for (auto *pieces : {&board.Red, &board.Black})
        for (Piece &p : *pieces)
            board.parkPiece(p);
    std::int16_t next[2] = {0, 0}; // red, black
    int row = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (std::isspace(static_cast<unsigned char>(picture[i])))
            continue;
        if (std::isdigit(static_cast<unsigned char>(picture[i]))) {
            row = picture[i] - '0';
            i += 2; // past "4:"
        } else {
            ++row;
        }
        if (row > BoardSize || i + BoardSize > picture.size())
            throw std::invalid_argument("a picture row past row 8, or shorter than eight cells");
        for (int col = 1; col <= BoardSize; ++col, ++i) {
            const auto value = static_cast<std::int16_t>(static_cast<int>(kSymbols.find(picture[i])) - 2);
            if (value < -2 || (value != Empty && !isDark({col, row})))
                throw std::invalid_argument("a picture holds pieces on dark cells only, as . b B r R");
            board.intBoard(col, row) = value;
            if (value == Empty)
                continue;
            const bool red = value > 0, king = value == RedKing || value == BlackKing;
            const PieceRef piece{red ? Colour::Red : Colour::Black, next[red ? 0 : 1]++};
            if (piece.index >= PieceCount)
                throw std::invalid_argument("a picture holds at most twelve pieces of a colour");
            board.placePiece(piece, {col, row});
            (red ? board.blnRedKing : board.blnBlackKing)[at(piece.index)] = king;
            board.piece(piece).picture = red ? (king ? Picture::RedKing : Picture::Red) : (king ? Picture::BlackKing : Picture::Black);
        }
        --i;
    }
    for (Piece &p : board.Red)
        p.Enabled = redToMove;
    for (Piece &p : board.Black)
        p.Enabled = !redToMove;
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
    std::string rows[BoardSize];
    for (std::string &row : rows)
        row = "........";
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &p = board.piece({colour, i});
            const Cell c = board.cellOf(p);
            if (!p.Visible || !onBoard(c.col, c.row))
                continue;
            const int value = (colour == Colour::Red ? 1 : -1) * (board.isKing({colour, i}) ? 2 : 1);
            char &cell = rows[c.row - 1][at(c.col - 1)];
            cell = cell == '.' ? kSymbols[at(value + 2)] : '?';
        }
    return rowsWithPieces(rows);
}

std::vector<std::string> positionProblems(const Board &board, bool freelyPlaced)
{
    std::vector<std::string> problems;
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &p = board.piece(ref);
            const Cell c = board.cellOf(p);
            const std::string name = (colour == Colour::Red ? "Red(" : "Black(") + std::to_string(i) + ")";
            const bool king = board.isKing(ref);
            if (!p.Visible && (p.Left != board.parkLeft() || p.Top != board.parkTop()))
                problems.push_back(name + " is hidden away from the parking place");
            if (p.Visible && !(onBoard(c.col, c.row) && isDark(c) && p.Left == board.pieceLeft(c.col) && p.Top == board.pieceTop(c.row)))
                problems.push_back(name + " is off the piece position of a dark cell");
            if (p.picture != (colour == Colour::Red ? (king ? Picture::RedKing : Picture::Red) : (king ? Picture::BlackKing : Picture::Black)))
                problems.push_back(name + " shows the wrong picture for its king flag");
        }
    if (!freelyPlaced && piecesPicture(board) != boardPicture(board))
        problems.push_back("the pieces show " + piecesPicture(board) + " but intBoard holds " + boardPicture(board));
    return problems;
}

std::optional<PieceRef> pieceAt(const Board &board, Cell cell)
{
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (board.piece({colour, i}).Visible && board.cellOf(board.piece({colour, i})) == cell)
                return PieceRef{colour, i};
    return std::nullopt;
}

} // namespace jumpline::testing
