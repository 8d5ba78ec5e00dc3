#include "board/Board.h"

#include <cmath>
#include <cstdlib>

namespace jumpline {

std::int16_t roundToInt16(double value)
{
    return static_cast<std::int16_t>(std::nearbyint(value)); // default rounding: halves to even
}

int twipsToCell(Twips twips, int twipsPerPixel)
{
    const double offset = static_cast<double>(twips) - RowOneTopPx * twipsPerPixel;
    return roundToInt16(offset / (CellPitchPx * twipsPerPixel) + 1);
}

Cell Board::cellOf(const Piece &p) const
{
    return {twipsToCell(p.Left, intTwipsX), twipsToCell(p.Top, intTwipsY)};
}

std::optional<PieceRef> Board::pieceOn(Cell cell, std::optional<Colour> colour) const
{
    for (const Colour c : {Colour::Red, Colour::Black}) {
        if (colour && c != *colour)
            continue;
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &p = piece({c, i});
            if (p.Visible && p.Left == pieceLeft(cell.col) && p.Top == pieceTop(cell.row))
                return PieceRef{c, i};
        }
    }
    return std::nullopt;
}

Piece &Board::piece(PieceRef ref)
{
    assert(ref.index >= 0 && ref.index < PieceCount);
    auto &pieces = ref.colour == Colour::Red ? Red : Black;
    return pieces[static_cast<std::size_t>(ref.index)];
}

const Piece &Board::piece(PieceRef ref) const
{
    return const_cast<Board *>(this)->piece(ref);
}

bool Board::isKing(PieceRef ref) const
{
    assert(ref.index >= 0 && ref.index < PieceCount);
    const auto &kings = ref.colour == Colour::Red ? blnRedKing : blnBlackKing;
    return kings[static_cast<std::size_t>(ref.index)];
}

void Board::placePiece(PieceRef ref, Cell cell)
{
    assert(onBoard(cell.col, cell.row) && isDark(cell));
    Piece &p = piece(ref);
    p.Left = pieceLeft(cell.col);
    p.Top = pieceTop(cell.row);
    p.Visible = true;
}

void Board::parkPiece(Piece &p) const
{
    p.Visible = false;
    p.Top = parkTop();
    p.Left = parkLeft();
}

void Board::SetBoardValue(std::int16_t intSquare, std::int16_t intX, std::int16_t intY, std::int16_t intValue)
{
    if (intX == 0 && intY == 0) {
        if (intSquare < 0 || intSquare >= SquareCount)
            return;
        intBoard(squareCell(intSquare)) = intValue;
    } else if (intX <= BoardSize || intY <= BoardSize) {
        intBoard(intX, intY) = intValue;
    } else {
        intBoard(twipsToCell(intX, intTwipsX), twipsToCell(intY, intTwipsY)) = intValue;
    }
}

void Board::ConvertCoordinates(std::int16_t &X, std::int16_t &Y) const
{
    if (Y <= BoardSize || X <= BoardSize) {
        X = roundToInt16(static_cast<double>(X - 1) * CellPitchPx * intTwipsX + RowOneTopPx * intTwipsX);
        Y = roundToInt16(static_cast<double>(Y - 1) * CellPitchPx * intTwipsY + RowOneTopPx * intTwipsY);
    } else {
        X = static_cast<std::int16_t>(twipsToCell(X, intTwipsX));
        Y = static_cast<std::int16_t>(twipsToCell(Y, intTwipsY));
    }
}

void Board::RemovePiece(std::int16_t intIndex)
{
    assert(intIndex >= 0 && intIndex < PieceCount);
    auto &opponents = blnCurrentPlayer ? Black : Red;
    parkPiece(opponents[static_cast<std::size_t>(intIndex)]);
}

namespace {

// The numeric print format: a sign position (blank or minus), the digits, one blank.
void appendNumber(std::string &out, int value)
{
    out += value < 0 ? '-' : ' ';
    out += std::to_string(std::abs(value));
    out += ' ';
}

} // namespace

std::string Board::PrintBoard() const
{
    std::string text;
    for (int row = 1; row <= BoardSize; ++row) {
        const bool oddRow = row % 2 == 1;
        for (int k = 0; k < 4; ++k) {
            const int col = 2 * k + (oddRow ? 2 : 1);
            if (oddRow || k > 0)
                text += "   ";
            appendNumber(text, intBoard(col, row));
        }
        text += '\n';
    }
    text += " \n";
    text += "AI Moves = ";
    appendNumber(text, intAIMoves);
    text += '\n';
    return text;
}

void Board::releaseMultiJump()
{
    optMultiJump.Value = 0;
    optMultiJump.ForeColor = CaptionColour::Black;
}

DropResult Board::refuse(Piece &p)
{
    p.Left = intOldLeft;
    p.Top = intOldTop;
    p.Visible = true;
    return DropResult::Refused;
}

DropResult Board::Square_DragDrop(std::int16_t intSquare, PieceRef dragged, bool blnTestMode)
{
    assert(intSquare >= 0 && intSquare <= DeleteSquare);
    Piece &p = piece(dragged);

    // The piece stays hidden while it is moved about.
    p.Visible = false;

    // Dragging another piece during a multi-jump ends the turn; that piece stays put.
    if (intJumpCount > 0 && optMultiJump.Value == 1 && dragged.index != intJumpPiece) {
        p.Visible = true;
        intJumpCount = 0;
        releaseMultiJump();
        return DropResult::Completed;
    }

    intOldLeft = static_cast<std::int16_t>(p.Left);
    intOldTop = static_cast<std::int16_t>(p.Top);

    // The target square's piece position.
    if (intSquare == DeleteSquare) {
        p.Top = (DeleteTopPx + PieceInsetPx) * intTwipsY;
        p.Left = (DeleteLeftPx + PieceInsetPx) * intTwipsX;
    } else {
        const Cell target = squareCell(intSquare);
        p.Top = pieceTop(target.row);
        p.Left = pieceLeft(target.col);
    }

    if (!blnTestMode) {
        const Twips L = p.Left, T = p.Top, L0 = intOldLeft, T0 = intOldTop;
        const Twips h = CellPitchPx * intTwipsX, v = CellPitchPx * intTwipsY;

        if (L == L0 && T == T0) {
            p.Visible = true;
            return DropResult::Unchanged;
        }

        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &black = Black[static_cast<std::size_t>(i)];
            const Piece &red = Red[static_cast<std::size_t>(i)];
            const bool blackThere = black.Left == L && black.Top == T && dragged != PieceRef{Colour::Black, i};
            const bool redThere = red.Left == L && red.Top == T && dragged != PieceRef{Colour::Red, i};
            if (blackThere || redThere)
                return refuse(p);
        }

        // A man may not move backwards.
        const auto index = static_cast<std::size_t>(dragged.index);
        if (blnCurrentPlayer ? (!blnRedKing[index] && T > T0) : (!blnBlackKing[index] && T < T0))
            return refuse(p);

        int dx = 0, dy = 0; // direction of a jump; 0 for a step
        if (L < L0 - h && T < T0 - v) {
            dx = -1, dy = -1;
        } else if (L > L0 + h && T < T0 - v) {
            dx = 1, dy = -1;
        } else if (L < L0 - h && T > T0 + v) {
            dx = -1, dy = 1;
        } else if (L > L0 + h && T > T0 + v) {
            dx = 1, dy = 1;
        }
        const bool isStep = dx == 0;

        if (isStep) {
            // On dark squares only the four diagonal neighbours are left.
            if (L < L0 - h || L > L0 + h || T < T0 - v || T > T0 + v)
                return refuse(p);
        } else {
            // A jump lands exactly two cells away, over the diagonal neighbour.
            if (L != L0 + 2 * dx * h || T != T0 + 2 * dy * v)
                return refuse(p);
            const Twips overLeft = L0 + dx * h, overTop = T0 + dy * v;
            auto &opponents = blnCurrentPlayer ? Black : Red;
            bool jumped = false;
            for (std::int16_t i = 0; i < PieceCount; ++i) {
                const Piece &o = opponents[static_cast<std::size_t>(i)];
                if (o.Left == overLeft && o.Top == overTop) {
                    jumped = true;
                    SetBoardValue(0, static_cast<std::int16_t>(o.Left), static_cast<std::int16_t>(o.Top), Empty);
                    RemovePiece(i);
                }
            }
            if (!jumped)
                return refuse(p);
        }

        // A step during a multi-jump is not made; it ends the turn.
        if (isStep && intJumpCount > 0) {
            p.Left = L0;
            p.Top = T0;
            intJumpCount = 0;
            releaseMultiJump();
            p.Visible = true;
            return DropResult::Completed;
        }

        // Crowning on the far row; it does not end a multi-jump.
        if (blnCurrentPlayer && T == RowOneTopPx * intTwipsY) {
            blnRedKing[index] = true;
            p.picture = Picture::RedKing;
        }
        if (!blnCurrentPlayer && T == RowEightTopPx * intTwipsY) {
            blnBlackKing[index] = true;
            p.picture = Picture::BlackKing;
        }

        if (intJumpCount == 0 && optMultiJump.Value == 1)
            intJumpPiece = dragged.index;
        if (isStep)
            releaseMultiJump();
        else
            ++intJumpCount;
    }

    p.Visible = true;
    if (intSquare == DeleteSquare && blnTestMode) {
        parkPiece(p); // its king flag stays as it was
        SetBoardValue(0, intOldLeft, intOldTop, Empty);
    }

    // Outside test mode the dragged piece is always the mover's; in test mode its own colour counts.
    const Colour colour = blnTestMode ? dragged.colour : (blnCurrentPlayer ? Colour::Red : Colour::Black);
    const bool king = isKing(dragged);
    const std::int16_t value = colour == Colour::Red ? (king ? RedKing : RedMan) : (king ? BlackKing : BlackMan);
    SetBoardValue(0, intOldLeft, intOldTop, Empty);
    SetBoardValue(intSquare, 0, 0, value);
    return DropResult::Completed;
}

bool Board::CanMove() const
{
    const Colour mover = blnCurrentPlayer ? Colour::Red : Colour::Black;
    // Each move is tried on a copy, as a fresh turn's first drop.
    Board start = *this;
    start.intJumpCount = 0;
    start.optMultiJump = MultiJumpButton{};
    for (std::int16_t i = 0; i < PieceCount; ++i) {
        const PieceRef ref{mover, i};
        if (!piece(ref).Visible)
            continue;
        const Cell from = cellOf(piece(ref));
        for (const int dc : {-1, 1})
            for (const int dr : {-1, 1})
                for (const int distance : {1, 2}) {
                    const Cell to{from.col + distance * dc, from.row + distance * dr};
                    if (!onBoard(to.col, to.row))
                        continue;
                    Board trial = start;
                    if (trial.Square_DragDrop(static_cast<std::int16_t>(squareIndex(to)), ref, false) == DropResult::Completed)
                        return true;
                }
    }
    return false;
}

} // namespace jumpline
