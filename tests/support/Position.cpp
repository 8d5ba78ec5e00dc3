#include "support/Position.h"

#include <stdexcept>

namespace jumpline::testing {

namespace {

// The symbol of each intBoard value, from BlackKing (-2) to RedKing (2).
constexpr std::string_view kSymbols = "Bb.rR";

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A whole picture with every cell blank.
std::string emptyPicture()
{
    std::string picture;
    for (int row = 0; row < BoardSize; ++row)
        picture += ". . . . . . . .\n";
    return picture;
}

} // namespace

void require(bool ok, const char *what)
{
    if (!ok)
        throw std::invalid_argument(what);
}

std::string padded(std::string_view picture)
{
    if (!picture.empty() && (picture[0] < '1' || picture[0] > '8'))
        return std::string(picture);
    std::string whole = emptyPicture();
    for (char row = '1'; row <= '8'; ++row) {
        const std::size_t found = picture.find(row); // only row numbers are digits
        if (found != std::string_view::npos)
            whole.replace(at(row - '1') * 2 * BoardSize, 2 * BoardSize - 1, picture.substr(found + 2, 2 * BoardSize - 1));
    }
    return whole;
}

char &cellIn(std::string &picture, Cell c)
{
    return picture[at((c.row - 1) * 2 * BoardSize + (c.col - 1) * 2)];
}

Board boardFromPicture(std::string_view picture, bool redToMove, int twipsX, int twipsY)
{
    Board board;
    board.intTwipsX = static_cast<std::int16_t>(twipsX);
    board.intTwipsY = static_cast<std::int16_t>(twipsY);
    board.blnCurrentPlayer = redToMove;
    board.lblPlayer = redToMove ? "Red's" : "Black's";
    for (Piece &p : board.Red)
        board.parkPiece(p);
    for (Piece &p : board.Black) {
        board.parkPiece(p);
        p.picture = Picture::Black;
    }

    std::int16_t next[2] = {0, 0}; // red, black
    int cell = 0;
    for (char c : padded(picture)) {
        if (c == ' ' || c == '\n')
            continue;
        const Cell where{cell % BoardSize + 1, cell / BoardSize + 1};
        ++cell;
        require(kSymbols.find(c) != std::string_view::npos, "a picture cell is one of . b B r R");
        const auto value = static_cast<std::int16_t>(static_cast<int>(kSymbols.find(c)) - 2);
        if (value == Empty)
            continue;
        require(isDark(where), "pieces stand on dark cells only");
        board.intBoard(where) = value;
        const bool red = value > 0, king = value == RedKing || value == BlackKing;
        const PieceRef piece{red ? Colour::Red : Colour::Black, next[red ? 0 : 1]++};
        require(piece.index < PieceCount, "at most twelve pieces of a colour");
        board.placePiece(piece, where);
        (red ? board.blnRedKing : board.blnBlackKing)[at(piece.index)] = king;
        board.piece(piece).picture = pictureOf(piece.colour, king);
    }
    require(cell == BoardSize * BoardSize, "a picture has 64 cells");
    for (Piece &p : board.Red)
        p.Enabled = redToMove;
    for (Piece &p : board.Black)
        p.Enabled = !redToMove;
    return board;
}

Picture pictureOf(Colour colour, bool king)
{
    if (colour == Colour::Red)
        return king ? Picture::RedKing : Picture::Red;
    return king ? Picture::BlackKing : Picture::Black;
}

std::string boardPicture(const Board &board)
{
    std::string picture = emptyPicture();
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (isDark({col, row}))
                cellIn(picture, {col, row}) = kSymbols[at(board.intBoard(col, row) + 2)];
    return picture;
}

std::string piecesPicture(const Board &board)
{
    std::string picture = emptyPicture();
    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Cell c = cellOfPiece(board, ref);
            if (!onBoard(c.col, c.row))
                continue;
            const bool king = board.isKing(ref);
            char &slot = cellIn(picture, c);
            slot = slot != '.' ? '?' : colour == Colour::Red ? (king ? 'R' : 'r') : (king ? 'B' : 'b');
        }
    }
    return picture;
}

Cell cellOfPiece(const Board &board, PieceRef piece)
{
    const Piece &p = board.piece(piece);
    return p.Visible ? board.cellOf(p) : Cell{0, 0};
}

std::optional<PieceRef> pieceAt(const Board &board, Cell cell)
{
    for (Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (cellOfPiece(board, {colour, i}) == cell)
                return PieceRef{colour, i};
    return std::nullopt;
}

std::int16_t squareOf(Cell cell)
{
    return static_cast<std::int16_t>(squareIndex(cell));
}

std::vector<std::string> consistencyProblems(const Board &board, bool testModeUsed)
{
    std::vector<std::string> problems;
    const auto check = [&](bool ok, const std::string &what) {
        if (!ok)
            problems.push_back(what);
    };

    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &p = board.piece(ref);
            const std::string id = (colour == Colour::Red ? "Red(" : "Black(") + std::to_string(i) + ")";
            if (!p.Visible) {
                check(p.Left == board.parkLeft() && p.Top == board.parkTop(), id + " is hidden away from the parking place");
                continue;
            }
            const Cell c = board.cellOf(p);
            check(onBoard(c.col, c.row) && p.Left == board.pieceLeft(c.col) && p.Top == board.pieceTop(c.row) &&
                      isDark(c),
                  id + " is visible but not on a piece position of a dark cell");
            const bool king = board.isKing(ref);
            check(p.picture == pictureOf(colour, king), id + " shows the wrong picture for its king flag");
        }
    }

    if (!testModeUsed) {
        const std::string fromPieces = piecesPicture(board), fromArray = boardPicture(board);
        check(fromPieces.find('?') == std::string::npos, "two visible pieces share a cell:\n" + fromPieces);
        check(fromPieces == fromArray, "intBoard disagrees with the pieces:\nintBoard\n" + fromArray + "pieces\n" + fromPieces);
    }

    check(board.lblPlayer == (board.blnCurrentPlayer ? "Red's" : "Black's"), "the turn display disagrees with the turn");
    return problems;
}

} // namespace jumpline::testing
