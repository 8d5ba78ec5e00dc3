// The board under the hand: the dark cells Square(0..31) and "Delete", the 24 pieces, the
// light cells and the board's outline (drawn), the outline of a held piece and the
// keyboard's mark. It shows the game's position and turns the mouse and the keys into
// drops, which the main window hands to the game. There is one piece in hand, whether the
// mouse or the keys picked it up.
//
// The view covers the window's left part from its corner, so its children stand at the
// design's window coordinates. What it owns outside that part ("Delete" in the panel, and
// the held piece's outline and the mark, which may stand anywhere) are children of the
// window, above the panel.
#pragma once

#include "board/Board.h"
#include "windows/Pictures.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

namespace jumpline {

class ClickLabel;
class Game;
class Outline;
class PieceWidget;

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const Game &game, const PiecePictures &pictures, QWidget *window);

    // Square(0..31), and "Delete" as Square(32); a piece.
    ClickLabel *square(int k) const { return Square[static_cast<std::size_t>(k)]; }
    PieceWidget *piece(PieceRef ref) const;

    // The pieces, "Delete" and the names a screen reader hears, as the game has them.
    void syncWithGame();

    // A held piece goes back where it was, without a drop.
    void putBack();

    // The mouse was pressed somewhere in the window: it is in use again, so a piece held by
    // the keys goes back and the keyboard's mark goes.
    void pointerPressed();

    // Whether a piece is held, by the mouse or the keys.
    bool holding() const { return held.has_value(); }

signals:
    // A held piece was released over, or put down by the keys on, Square(square).
    void dropped(std::int16_t square, jumpline::PieceRef piece);
    // What a screen reader should say of a piece picked up or put back by the keys.
    void said(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool pickUp(PieceRef piece, QPoint grip, bool byKeys);
    void dropOn(const QWidget *target);
    void moveMark(int key);
    void markCell(Cell cell);
    void pickUpOrDrop();
    void showMark(bool shown);

    const Game &game;
    const PiecePictures &pictures;

    std::array<ClickLabel *, SquareCount + 1> Square{};
    std::array<PieceWidget *, PieceCount> Red{};
    std::array<PieceWidget *, PieceCount> Black{};
    Outline *mark = nullptr;    // around the square the keys have reached
    Outline *outline = nullptr; // where a held piece would go

    // The piece in hand: picked up by the mouse (grip: where it was pressed, inside the
    // piece) or by the keys.
    struct Held {
        PieceRef piece;
        QPoint grip;
        bool byKeys = false;
    };
    std::optional<Held> held;
    int markSquare = 20;            // Square(k) that the keys have reached
    int squareBeforeDelete = 3;     // where Left goes back to from "Delete"
    std::optional<int> typedColumn; // a column letter typed, waiting for its row number
};

} // namespace jumpline
