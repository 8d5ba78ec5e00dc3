// The main window under the hand: a piece dragged with the mouse or picked up with the
// keys, the window moved by a press on its background, and the keyboard's square.
//
// No gesture takes the mouse with a grab of its own: while a button is held, the window
// system hands every move and the release to the window that took the press (an implicit
// grab), and it ends that grab itself when the button comes up, whatever happened in
// between (the computer's pause, a message box, another press).
#include "windows/frmMain.h"

#include "windows/Controls.h"

#include <QAccessible>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>
#include <utility>

using namespace jumpline;

namespace {

constexpr int SquaresPerRow = 4;

} // namespace

bool frmMain::startDrag(PieceRef piece, QPoint grip, bool byKeys)
{
    if (drag || game.ComputerToMove() || !game.board.piece(piece).Enabled)
        return false;
    const QWidget *widget = pieceWidget(piece);
    drag = Drag{piece, grip, byKeys};
    outline->setGeometry(widget->geometry());
    outline->show();
    return true;
}

void frmMain::dropOn(QWidget *target)
{
    const PieceRef piece = drag->piece;
    drag.reset();
    outline->hide();
    // Only a dark cell, or "Delete" while it is shown, takes the piece; anything else (a
    // light cell, another piece, the panel) changes nothing.
    const auto square = std::find(Square.begin(), Square.end(), target);
    if (target != nullptr && square != Square.end() && target->isVisible())
        game.Square_DragDrop(static_cast<std::int16_t>(square - Square.begin()), piece);
    afterGame();
}

void frmMain::putBack()
{
    drag.reset();
    outline->hide();
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    // Presses reach the window where no enabled control takes them: the background, the
    // light cells, the banner, a piece that may not be dragged.
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt = event->globalPosition().toPoint();
    MoveFormMouse();
}

void frmMain::MoveFormMouse()
{
    const QPoint pointer = std::exchange(pressedAt, std::nullopt).value_or(QCursor::pos());
    if (QWindow *handle = windowHandle(); handle != nullptr && handle->startSystemMove())
        return;
    // No window manager to move it: the window follows the pointer until the button is released.
    moveGrip = pointer - pos();
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    if (drag && !drag->byKeys)
        outline->move(event->position().toPoint() - drag->grip);
    else if (moveGrip)
        move(event->globalPosition().toPoint() - *moveGrip);
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (drag && !drag->byKeys) {
        // A release over another window (a dialog, another program) drops nowhere.
        const bool overThis = QGuiApplication::topLevelAt(event->globalPosition().toPoint()) == windowHandle();
        dropOn(overThis ? childAt(event->position().toPoint()) : nullptr);
    } else if (moveGrip) {
        move(event->globalPosition().toPoint() - *moveGrip);
        moveGrip.reset();
    }
}

void frmMain::showEvent(QShowEvent *event)
{
    // Every press anywhere in the window passes here first: the mouse is in use again.
    windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        moveGrip.reset();
        if (drag && drag->byKeys)
            putBack();
        showKeyboardFocus(false);
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool action = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!arrow && !action && key != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The first key only shows where the keys are.
    if (focusMark->isVisible()) {
        if (arrow)
            moveKeyboardFocus(key);
        else if (action)
            pickUpOrDrop();
        else
            putBack();
    }
    showKeyboardFocus(true);
}

// Left and right go along a row's four dark squares, and from the last one on to "Delete"
// while it is shown; up and down go to the square of the same place in the next row.
void frmMain::moveKeyboardFocus(int key)
{
    const int k = keyboardSquare;
    if (k == DeleteSquare) {
        if (key == Qt::Key_Left)
            keyboardSquare = squareBeforeDelete;
    } else if (key == Qt::Key_Left && k % SquaresPerRow > 0) {
        --keyboardSquare;
    } else if (key == Qt::Key_Right && k % SquaresPerRow < SquaresPerRow - 1) {
        ++keyboardSquare;
    } else if (key == Qt::Key_Right && game.board.DeleteVisible) {
        squareBeforeDelete = k;
        keyboardSquare = DeleteSquare;
    } else if (key == Qt::Key_Up && k >= SquaresPerRow) {
        keyboardSquare -= SquaresPerRow;
    } else if (key == Qt::Key_Down && k < SquareCount - SquaresPerRow) {
        keyboardSquare += SquaresPerRow;
    }
    showKeyboardFocus(focusMark->isVisible());
}

QWidget *frmMain::focusedSquare() const
{
    return Square[static_cast<std::size_t>(keyboardSquare)];
}

void frmMain::pickUpOrDrop()
{
    if (drag) {
        if (drag->byKeys)
            dropOn(focusedSquare());
        return;
    }
    if (keyboardSquare == DeleteSquare)
        return;
    // The piece that a press in the square's middle would take: red pieces lie above black ones.
    const QPoint middle = focusedSquare()->geometry().center();
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const QWidget *widget = pieceWidget({colour, i});
            if (widget->isVisible() && widget->geometry().contains(middle) && startDrag({colour, i}, {}, true))
                return;
        }
}

// The mark is drawn only once a key has been used, and goes at the next press of the mouse.
void frmMain::showKeyboardFocus(bool shown)
{
    const QRect square = focusedSquare()->geometry();
    focusMark->setGeometry(square);
    focusMark->setVisible(shown);
    if (drag && drag->byKeys) {
        const int inset = (square.width() - outline->width()) / 2;
        outline->move(square.topLeft() + QPoint(inset, inset));
    }
    if (shown) {
        QAccessibleEvent focus(focusedSquare(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
