// The main window's controls at their design positions: twips at 15 twips per pixel.
// This one table places every control; the window converts it to the screen when it loads.
#pragma once

#include "board/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace jumpline {

inline constexpr int MainWidthPx = 618;
inline constexpr int MainHeightPx = 518;
inline constexpr int PanelLeftPx = 519; // the panel at the right; the board and its margin left of it

enum class Control : std::uint8_t {
    Square, // Square(0)..Square(31), the dark cells; Square(32), "Delete"
    Black,
    Red,
    Image1,
    lblPassword,
    Shape2,
    lblPlayer,
    lblTurn,
    optMultiJump,
    cmdReset,
    cmdExit,
};

struct DesignRect {
    Control control;
    int index; // element of a control array; -1 for a single control
    int Left;
    int Top;
    int Width;
    int Height;
};

inline constexpr int MainControlCount = SquareCount + 1 + 2 * PieceCount + 8;

// In creation order, which is also the stacking order: the cells, the pieces above them,
// then the panel, where "Delete" and the hot spot lie above the banner.
constexpr std::array<DesignRect, MainControlCount> makeMainDesign()
{
    constexpr int twips = DesignTwipsPerPixel;
    constexpr int cell = CellSizePx * twips;
    constexpr int piece = PieceSizePx * twips;
    const auto cellRect = [](Control c, int index, int squareIndex, int inset, int size) {
        const Cell at = squareCell(squareIndex);
        return DesignRect{c, index, (cellLeftPx(at.col) + inset) * twips, (cellTopPx(at.row) + inset) * twips, size, size};
    };

    std::array<DesignRect, MainControlCount> design{};
    std::size_t n = 0;
    for (int k = 0; k < SquareCount; ++k)
        design[n++] = cellRect(Control::Square, k, k, 0, cell);
    for (int i = 0; i < PieceCount; ++i)
        design[n++] = cellRect(Control::Black, i, i, PieceInsetPx, piece);
    for (int i = 0; i < PieceCount; ++i)
        design[n++] = cellRect(Control::Red, i, 20 + i, PieceInsetPx, piece);
    design[n++] = {Control::Image1, -1, 7790, 0, 1575, 5250};
    design[n++] = {Control::Square, DeleteSquare, DeleteLeftPx * twips, DeleteTopPx * twips, cell, cell};
    design[n++] = {Control::lblPassword, -1, 8880, 4920, 255, 255};
    design[n++] = {Control::Shape2, -1, 7920, 5400, 1095, 885};
    design[n++] = {Control::lblPlayer, -1, 7920, 5520, 1095, 375};
    design[n++] = {Control::lblTurn, -1, 7920, 5880, 1095, 375};
    design[n++] = {Control::optMultiJump, -1, 7860, 6240, 1205, 615};
    design[n++] = {Control::cmdReset, -1, 7920, 6750, 1095, 495};
    design[n++] = {Control::cmdExit, -1, 7920, 7200, 1095, 495};
    return design;
}

inline constexpr std::array<DesignRect, MainControlCount> MainDesign = makeMainDesign();

// The control's name: "Square(17)", "Red(9)", "cmdReset".
std::string controlName(Control control, int index = -1);

} // namespace jumpline
