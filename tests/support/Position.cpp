#include "support/Position.h"

#include <cassert>
#include <stdexcept>

namespace jumpline::testing {

namespace {

std::int16_t valueOf(char c)
{
    switch (c) {
    case 'r': return RedMan;
    case 'R': return RedKing;
    case 'b': return BlackMan;
    case 'B': return BlackKing;
    case '.': return Empty;
    }
    throw std::invalid_argument(std::string("unknown cell in picture: ") + c);
}

char symbolOf(std::int16_t value)
{
    switch (value) {
    case RedMan: return 'r';
    case RedKing: return 'R';
    case BlackMan: return 'b';
    case BlackKing: return 'B';
    case Empty: return '.';
    }
    return '?';
}

std::string render(const std::array<std::array<char, BoardSize>, BoardSize> &cells)
{
    std::string out;
    for (const auto &row : cells) {
        for (int col = 0; col < BoardSize; ++col) {
            out += row[static_cast<std::size_t>(col)];
            out += col + 1 < BoardSize ? ' ' : '\n';
        }
    }
    return out;
}

} // namespace

Board boardFromPicture(std::string_view picture, bool redToMove, int twipsPerPixel)
{
    return boardFromPicture(picture, redToMove, twipsPerPixel, twipsPerPixel);
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

    std::int16_t red = 0, black = 0;
    int cell = 0;
    for (char c : picture) {
        if (c == ' ' || c == '\n')
            continue;
        if (cell >= BoardSize * BoardSize)
            throw std::invalid_argument("picture has more than 64 cells");
        const Cell at{cell % BoardSize + 1, cell / BoardSize + 1};
        ++cell;
        const std::int16_t value = valueOf(c);
        if (value == Empty)
            continue;
        if (!isDark(at))
            throw std::invalid_argument("a piece on a light cell in picture");
        board.intBoard(at) = value;
        const bool king = value == RedKing || value == BlackKing;
        if (value > 0) {
            if (red == PieceCount)
                throw std::invalid_argument("more than twelve red pieces");
            board.placePiece({Colour::Red, red}, at);
            board.blnRedKing[static_cast<std::size_t>(red)] = king;
            board.Red[static_cast<std::size_t>(red)].picture = king ? Picture::RedKing : Picture::Red;
            ++red;
        } else {
            if (black == PieceCount)
                throw std::invalid_argument("more than twelve black pieces");
            board.placePiece({Colour::Black, black}, at);
            board.blnBlackKing[static_cast<std::size_t>(black)] = king;
            board.Black[static_cast<std::size_t>(black)].picture = king ? Picture::BlackKing : Picture::Black;
            ++black;
        }
    }
    if (cell != BoardSize * BoardSize)
        throw std::invalid_argument("picture has fewer than 64 cells");
    for (Piece &p : board.Red)
        p.Enabled = redToMove;
    for (Piece &p : board.Black)
        p.Enabled = !redToMove;
    return board;
}

std::string boardPicture(const Board &board)
{
    std::array<std::array<char, BoardSize>, BoardSize> cells{};
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] =
                isDark({col, row}) ? symbolOf(board.intBoard(col, row)) : '.';
    return render(cells);
}

std::string piecesPicture(const Board &board)
{
    std::array<std::array<char, BoardSize>, BoardSize> cells{};
    for (auto &row : cells)
        row.fill('.');
    const auto put = [&](const Piece &p, char symbol) {
        if (!p.Visible)
            return;
        const Cell c = board.cellOf(p);
        if (!onBoard(c.col, c.row))
            return;
        char &slot = cells[static_cast<std::size_t>(c.row - 1)][static_cast<std::size_t>(c.col - 1)];
        slot = slot == '.' ? symbol : '?';
    };
    for (std::size_t i = 0; i < PieceCount; ++i) {
        put(board.Red[i], board.blnRedKing[i] ? 'R' : 'r');
        put(board.Black[i], board.blnBlackKing[i] ? 'B' : 'b');
    }
    return render(cells);
}

Cell cellOfPiece(const Board &board, PieceRef piece)
{
    const Piece &p = board.piece(piece);
    if (!p.Visible)
        return {0, 0};
    return board.cellOf(p);
}

std::optional<PieceRef> pieceAt(const Board &board, Cell cell)
{
    for (Colour colour : {Colour::Red, Colour::Black}) {
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            if (board.piece(ref).Visible && board.cellOf(board.piece(ref)) == cell)
                return ref;
        }
    }
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
        const char *name = colour == Colour::Red ? "Red" : "Black";
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &p = board.piece(ref);
            const std::string id = std::string(name) + "(" + std::to_string(i) + ")";
            if (!p.Visible) {
                check(p.Left == board.parkLeft() && p.Top == board.parkTop(), id + " is hidden away from the parking place");
                continue;
            }
            const Cell c = board.cellOf(p);
            check(onBoard(c.col, c.row) && p.Left == board.pieceLeft(c.col) && p.Top == board.pieceTop(c.row) &&
                      isDark(c),
                  id + " is visible but not on a piece position of a dark cell");
            const bool king = board.isKing(ref);
            const Picture expected = colour == Colour::Red ? (king ? Picture::RedKing : Picture::Red)
                                                           : (king ? Picture::BlackKing : Picture::Black);
            check(p.picture == expected, id + " shows the wrong picture for its king flag");
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
