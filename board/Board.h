// The position, held twice and kept in step by every move:
//  - the 24 pieces (position in twips, on the board, may be dragged, picture) with
//    their king flags: what the window shows, and all a human move is checked against;
//  - intBoard, the plain 8 x 8 array that the computer player reads and PrintBoard dumps.
#pragma once

#include "board/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace jumpline {

// intBoard cell values.
inline constexpr std::int16_t Empty = 0;
inline constexpr std::int16_t RedMan = 1;
inline constexpr std::int16_t RedKing = 2;
inline constexpr std::int16_t BlackMan = -1;
inline constexpr std::int16_t BlackKing = -2;

enum class Colour : std::uint8_t { Red, Black };

enum class Picture : std::uint8_t { Red, RedKing, Black, BlackKing };

// One piece control: Left/Top in twips, Visible = on the board, Enabled = may be dragged.
struct Piece {
    Twips Left = 0;
    Twips Top = 0;
    bool Visible = false;
    bool Enabled = false;
    Picture picture = Picture::Red;
    bool operator==(const Piece &) const = default;
};

// A piece is known by its colour (the array it belongs to) and its index 0..11.
struct PieceRef {
    Colour colour = Colour::Red;
    std::int16_t index = 0;
    bool operator==(const PieceRef &) const = default;
};

// intBoard(1 To 8, 1 To 8), indexed (column, row); the column varies fastest in memory.
class BoardArray {
public:
    std::int16_t &operator()(int col, int row)
    {
        assert(onBoard(col, row));
        return cells[static_cast<std::size_t>((row - 1) * BoardSize + (col - 1))];
    }
    std::int16_t operator()(int col, int row) const
    {
        assert(onBoard(col, row));
        return cells[static_cast<std::size_t>((row - 1) * BoardSize + (col - 1))];
    }
    std::int16_t &operator()(Cell c) { return (*this)(c.col, c.row); }
    std::int16_t operator()(Cell c) const { return (*this)(c.col, c.row); }
    bool operator==(const BoardArray &) const = default;

private:
    std::array<std::int16_t, BoardSize * BoardSize> cells{};
};

enum class CaptionColour : std::uint8_t { Black, Red };

// The Multi Jump check box, drawn as a push button: Value 1 while pressed.
struct MultiJumpButton {
    std::int16_t Value = 0;
    CaptionColour ForeColor = CaptionColour::Black;
    bool operator==(const MultiJumpButton &) const = default;
};

// What became of one drop.
enum class DropResult : std::uint8_t {
    Refused,   // illegal: the piece is back at its origin and nothing else changed
    Unchanged, // dropped back on its own square: shown again, nothing else happens
    Completed, // the move (or the end of a multi-jump) is made; the dump and hand-over follow
};

class Board {
public:
    BoardArray intBoard;
    std::array<Piece, PieceCount> Red{};
    std::array<Piece, PieceCount> Black{};
    std::array<bool, PieceCount> blnRedKing{};
    std::array<bool, PieceCount> blnBlackKing{};
    bool blnCurrentPlayer = true; // True while Red is to move

    // Multi-jump state of the human mover.
    std::int16_t intJumpCount = 0; // jumps made so far in this turn
    std::int16_t intJumpPiece = 0; // the piece that began the sequence
    MultiJumpButton optMultiJump;

    // Origin of the piece being dropped, in twips.
    std::int16_t intOldLeft = 0;
    std::int16_t intOldTop = 0;

    std::int16_t intAIMoves = 0; // the computer's moves in this game

    std::string lblPlayer = "Red's"; // the turn display; "Turn" stands below it

    // Square(32), "Delete": shown and enabled only in test mode.
    bool DeleteVisible = false;
    bool DeleteEnabled = false;

    // The screen's twips per pixel, read when the main window loads.
    std::int16_t intTwipsX = DesignTwipsPerPixel;
    std::int16_t intTwipsY = DesignTwipsPerPixel;

    // Writes intValue into one cell, chosen by the first rule that applies:
    //  1. intX = 0 and intY = 0: the cell of Square(intSquare); an index outside 0..31 writes nothing;
    //  2. intX <= 8 or intY <= 8: the cell (column intX, row intY);
    //  3. otherwise intX, intY are a piece's Left and Top in twips.
    void SetBoardValue(std::int16_t intSquare, std::int16_t intX, std::int16_t intY, std::int16_t intValue);

    // A column and row (either <= 8) become the piece position of that cell in twips;
    // a twip position becomes the column and row of its nearest cell.
    void ConvertCoordinates(std::int16_t &X, std::int16_t &Y) const;

    // Takes a captured piece of the side not on move off the board: hidden and parked.
    void RemovePiece(std::int16_t intIndex);

    // The text dump of intBoard that the test window shows.
    std::string PrintBoard() const;

    // A human drop of `piece` on Square(intSquare): every rule check and its effects on
    // the pieces, intBoard and the multi-jump state. The dump and the turn hand-over that
    // follow a completed drop belong to the game (Game::Square_DragDrop).
    DropResult Square_DragDrop(std::int16_t intSquare, PieceRef piece, bool blnTestMode);

    // Whether the side on move has a step or a jump that a drop of one of its pieces would make.
    bool CanMove() const;

    // Geometry in this screen's twips.
    Twips pieceLeft(int col) const { return pieceLeftPx(col) * intTwipsX; }
    Twips pieceTop(int row) const { return pieceTopPx(row) * intTwipsY; }
    Twips parkLeft() const { return ParkLeftPx * intTwipsX; }
    Twips parkTop() const { return ParkTopPx * intTwipsY; }
    Cell cellOf(const Piece &p) const; // the cell a piece on the board stands on

    // The piece standing on a dark cell, of either colour or of the one given. Where test
    // mode has put more than one there, the first of Red(0..11), Black(0..11): the one
    // drawn on top, which a press there takes.
    std::optional<PieceRef> pieceOn(Cell cell, std::optional<Colour> colour = std::nullopt) const;

    Piece &piece(PieceRef ref);
    const Piece &piece(PieceRef ref) const;
    bool isKing(PieceRef ref) const;

    // Puts a piece on the board as the window shows it (test set-up and new game).
    void placePiece(PieceRef ref, Cell cell);
    void parkPiece(Piece &p) const;

    bool operator==(const Board &) const = default;

private:
    void releaseMultiJump();
    DropResult refuse(Piece &p);
};

// Column (or row) of a twip position, rounded to the nearest cell, halves to even.
int twipsToCell(Twips twips, int twipsPerPixel);

// Float-to-integer conversion of the game: round to nearest, halves to even.
std::int16_t roundToInt16(double value);

} // namespace jumpline
