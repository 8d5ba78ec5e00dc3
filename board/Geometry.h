// Board geometry: square index <-> cell <-> twips.
//
// Every constant of the board is fixed in screen pixels and held in twips:
// pixels times the screen's twips per pixel (intTwipsX across, intTwipsY down;
// 15 on a standard 96 dpi screen).
#pragma once

#include <cassert>
#include <cstdint>

namespace jumpline {

inline constexpr int BoardSize = 8;
inline constexpr int PieceCount = 12;
inline constexpr int SquareCount = 32;          // Square(0)..Square(31): the dark cells
inline constexpr std::int16_t DeleteSquare = 32; // Square(32), "Delete", shown in test mode
inline constexpr int DesignTwipsPerPixel = 15;

using Twips = std::int32_t;

// Pixel geometry of the main window's board.
inline constexpr int CellOriginPx = 7;   // top-left of cell (1, 1)
inline constexpr int CellPitchPx = 63;   // neighbouring 64 px cells overlap by one pixel
inline constexpr int CellSizePx = 64;
inline constexpr int PieceInsetPx = 7;   // a piece stands 7 px inside its cell
inline constexpr int PieceSizePx = 50;
inline constexpr int ParkLeftPx = 532;   // where a captured or deleted piece waits, hidden
inline constexpr int ParkTopPx = 35;
inline constexpr int DeleteLeftPx = 536; // the "Delete" square in the right-hand panel
inline constexpr int DeleteTopPx = 24;
inline constexpr int RowOneTopPx = CellOriginPx + PieceInsetPx;                               // 14
inline constexpr int RowEightTopPx = CellOriginPx + PieceInsetPx + CellPitchPx * (BoardSize - 1); // 455

struct Cell {
    int col = 0; // 1..8 from the left
    int row = 0; // 1..8 from the top
    bool operator==(const Cell &) const = default;
};

constexpr bool onBoard(int col, int row)
{
    return col >= 1 && col <= BoardSize && row >= 1 && row <= BoardSize;
}

constexpr bool isDark(Cell c) { return (c.col + c.row) % 2 == 1; }

// Square k lies in row k \ 4 + 1; four dark cells a row, from column 2 in odd rows, 1 in even ones.
constexpr Cell squareCell(int k)
{
    assert(k >= 0 && k < SquareCount);
    const int row = k / 4 + 1;
    const int col = 2 * (k % 4) + (row % 2 == 1 ? 2 : 1);
    return {col, row};
}

constexpr int squareIndex(Cell c)
{
    assert(onBoard(c.col, c.row) && isDark(c));
    return (c.row - 1) * 4 + (c.col - 1) / 2;
}

// Top-left corner of a cell, and the piece position inside it, in pixels.
constexpr int cellLeftPx(int col) { return CellOriginPx + CellPitchPx * (col - 1); }
constexpr int cellTopPx(int row) { return CellOriginPx + CellPitchPx * (row - 1); }
constexpr int pieceLeftPx(int col) { return cellLeftPx(col) + PieceInsetPx; }
constexpr int pieceTopPx(int row) { return cellTopPx(row) + PieceInsetPx; }

} // namespace jumpline
