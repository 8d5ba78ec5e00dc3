#include "windows/BoardView.h"

#include "game/Game.h"
#include "windows/Commentary.h"
#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/MainLayout.h"
#include "windows/ScaleFormToScreen.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace jumpline {

namespace {

constexpr int SquaresPerRow = 4;
const QColor LightCell(0xFF, 0xFF, 0xFF);

// The board's keys beyond the arrows: the diagonal steps, as on a keypad's 7, 9, 1 and 3.
std::optional<Cell> diagonal(int key)
{
    switch (key) {
    case Qt::Key_Home: return Cell{-1, -1};
    case Qt::Key_PageUp: return Cell{+1, -1};
    case Qt::Key_End: return Cell{-1, +1};
    case Qt::Key_PageDown: return Cell{+1, +1};
    }
    return std::nullopt;
}

// With Num Lock on, the keypad's digits are the arrows and the diagonal steps.
int keypadKey(int key)
{
    switch (key) {
    case Qt::Key_7: return Qt::Key_Home;
    case Qt::Key_8: return Qt::Key_Up;
    case Qt::Key_9: return Qt::Key_PageUp;
    case Qt::Key_4: return Qt::Key_Left;
    case Qt::Key_6: return Qt::Key_Right;
    case Qt::Key_1: return Qt::Key_End;
    case Qt::Key_2: return Qt::Key_Down;
    case Qt::Key_3: return Qt::Key_PageDown;
    }
    return key;
}

bool isArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }
bool isAction(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

BoardView::BoardView(const Game &game, const PiecePictures &pictures, QWidget *window)
    : QWidget(window), game(game), pictures(pictures)
{
    setObjectName(QStringLiteral("board"));
    setAccessibleName(QStringLiteral("Board"));
    setFocusPolicy(Qt::StrongFocus); // the board keeps the keys
    setGeometry(0, 0, PanelLeftPx, MainHeightPx);

    for (int k = 0; k <= SquareCount; ++k) {
        // The dark cells are the view's; "Delete" stands in the panel, above the banner.
        auto *cell = new ClickLabel(k < SquareCount ? this : window);
        fillWith(cell, LightGrey);
        setTextColour(cell, Qt::black);
        cell->setFrameStyle(QFrame::Box | QFrame::Plain);
        cell->setLineWidth(1);
        Square[static_cast<std::size_t>(k)] = cell;
    }
    // The pieces above the cells; where test mode has put two on one cell, the one that
    // Board::pieceOn names lies on top: Red above Black, a lower index above a higher one.
    for (const Colour colour : {Colour::Black, Colour::Red})
        for (int i = PieceCount - 1; i >= 0; --i) {
            const PieceRef ref{colour, static_cast<std::int16_t>(i)};
            auto *widget = new PieceWidget([this, ref](QPoint grip) { return pickUp(ref, grip, false); }, this);
            fillWith(widget, LightGrey);
            (colour == Colour::Red ? Red : Black)[static_cast<std::size_t>(i)] = widget;
        }

    ClickLabel *deleteSquare = Square[DeleteSquare];
    deleteSquare->setText(QStringLiteral("Delete"));
    deleteSquare->setFont(designFont(8.25, false));
    deleteSquare->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    deleteSquare->setAccessibleName(QStringLiteral("Delete"));
    deleteSquare->hide();
    deleteSquare->setEnabled(false);

    mark = new Outline({{Qt::black, 1}, {Qt::white, 2}, {Qt::black, 2}}, window);
    mark->setObjectName(QStringLiteral("mark"));
    mark->setAccessibleName(QStringLiteral("Square of the keys"));
    outline = new Outline({{Qt::black, 1}, {Qt::white, 1}}, window);
    outline->setObjectName(QStringLiteral("outline"));
    outline->setAccessibleName(QStringLiteral("Piece held"));
}

PieceWidget *BoardView::piece(PieceRef ref) const
{
    return (ref.colour == Colour::Red ? Red : Black)[static_cast<std::size_t>(ref.index)];
}

void BoardView::syncWithGame()
{
    const Board &board = game.board;
    if (held && !game.MayDrag(held->piece))
        putBack(); // no piece stays in hand that may not move now
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const Piece &p = board.piece({colour, i});
            PieceWidget *widget = piece({colour, i});
            widget->move(twipsToPixels(p.Left, board.intTwipsX), twipsToPixels(p.Top, board.intTwipsY));
            widget->setPicture(pictures[p.picture]);
            widget->setVisible(p.Visible);
            setAccessibleNameOnce(widget, pieceName(colour, board.isKing({colour, i})));
        }
    for (int k = 0; k < SquareCount; ++k)
        setAccessibleNameOnce(Square[static_cast<std::size_t>(k)], squareName(board, k));
    Square[DeleteSquare]->setVisible(board.DeleteVisible);
    Square[DeleteSquare]->setEnabled(board.DeleteEnabled);
    if (markSquare == DeleteSquare && !board.DeleteVisible)
        moveMark(Qt::Key_Left);
}

bool BoardView::pickUp(PieceRef ref, QPoint grip, bool byKeys)
{
    if (held || !game.MayDrag(ref))
        return false;
    held = Held{ref, grip, byKeys};
    const QWidget *widget = piece(ref);
    outline->setGeometry(QRect(widget->mapTo(window(), QPoint(0, 0)), widget->size()));
    outline->show();
    outline->raise();
    return true;
}

void BoardView::putBack()
{
    held.reset();
    outline->hide();
}

void BoardView::dropOn(const QWidget *target)
{
    const PieceRef dropped = held->piece;
    putBack(); // the piece itself never left its square
    // Only a dark cell, or "Delete" while it is shown, takes the piece; anything else (a
    // light cell, another piece, the panel) changes nothing.
    const auto square = std::find(Square.begin(), Square.end(), target);
    if (target != nullptr && square != Square.end() && target->isVisible())
        emit this->dropped(static_cast<std::int16_t>(square - Square.begin()), dropped);
}

void BoardView::pointerPressed()
{
    if (held && held->byKeys)
        putBack();
    typedColumn.reset();
    mark->hide();
}

void BoardView::mouseMoveEvent(QMouseEvent *event)
{
    if (held && !held->byKeys)
        outline->move(mapTo(window(), event->position().toPoint()) - held->grip);
    else
        event->ignore(); // the window may be following the pointer
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !held || held->byKeys) {
        event->ignore();
        return;
    }
    // A release over another window (a dialog, another program) drops nowhere. On Wayland
    // no window knows its place on the screen (each says it stands in the corner): there a
    // release drops where it is in this window.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const bool overThis = wayland || QGuiApplication::topLevelAt(event->globalPosition().toPoint()) == window()->windowHandle();
    dropOn(overThis ? window()->childAt(mapTo(window(), event->position().toPoint())) : nullptr);
}

void BoardView::keyPressEvent(QKeyEvent *event)
{
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const int key = keypad ? keypadKey(event->key()) : event->key();
    const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    const bool letter = plain && key >= Qt::Key_A && key <= Qt::Key_H;
    const bool digit = plain && key >= Qt::Key_1 && key <= Qt::Key_8;
    if (!plain || !(isArrow(key) || isAction(key) || diagonal(key) || letter || digit || key == Qt::Key_Escape)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (game.ComputerToMove())
        return; // refused, as the buttons are
    if (held && !held->byKeys) {
        if (key == Qt::Key_Escape)
            putBack();
        return; // the mouse has the piece
    }
    // A square typed by its name, "c3": the column letter, then the row number.
    if (letter) {
        typedColumn = key - Qt::Key_A + 1;
        return;
    }
    if (const std::optional<int> col = std::exchange(typedColumn, std::nullopt); digit) {
        if (col)
            markCell({*col, BoardSize + 1 - (key - Qt::Key_0)});
        return;
    }
    // Otherwise the first key only shows where the keys are.
    if (!mark->isVisible()) {
        showMark(true);
        return;
    }
    if (isAction(key)) {
        pickUpOrDrop();
    } else if (key != Qt::Key_Escape) {
        moveMark(key);
    } else if (held) {
        emit said(pieceWhere(game.board, held->piece) + QStringLiteral(" put back."));
        putBack();
    }
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    // Back from the panel by a key: the mark shows where the keys are.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        showMark(true);
    QWidget::focusInEvent(event);
}

void BoardView::focusOutEvent(QFocusEvent *event)
{
    // On to the panel: the focused control shows it, the board's mark goes.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        mark->hide();
    QWidget::focusOutEvent(event);
}

// Left and right go along a row's four dark squares, and from the last one on to "Delete"
// while it is shown; up and down go to the square of the same place in the next row; Home,
// Page Up, End and Page Down one step along a diagonal.
void BoardView::moveMark(int key)
{
    const int k = markSquare;
    if (k == DeleteSquare) {
        if (key == Qt::Key_Left)
            markSquare = squareBeforeDelete;
    } else if (const std::optional<Cell> step = diagonal(key)) {
        const Cell from = squareCell(k), to{from.col + step->col, from.row + step->row};
        if (onBoard(to.col, to.row))
            markSquare = squareIndex(to);
    } else if (key == Qt::Key_Left && k % SquaresPerRow > 0) {
        --markSquare;
    } else if (key == Qt::Key_Right && k % SquaresPerRow < SquaresPerRow - 1) {
        ++markSquare;
    } else if (key == Qt::Key_Right && game.board.DeleteVisible) {
        squareBeforeDelete = k;
        markSquare = DeleteSquare;
    } else if (key == Qt::Key_Up && k >= SquaresPerRow) {
        markSquare -= SquaresPerRow;
    } else if (key == Qt::Key_Down && k < SquareCount - SquaresPerRow) {
        markSquare += SquaresPerRow;
    }
    showMark(mark->isVisible());
}

// A typed square: the mark goes there if it is a dark one.
void BoardView::markCell(Cell cell)
{
    if (onBoard(cell.col, cell.row) && isDark(cell))
        markSquare = squareIndex(cell);
    showMark(true);
}

void BoardView::pickUpOrDrop()
{
    if (held)
        dropOn(Square[static_cast<std::size_t>(markSquare)]);
    else if (markSquare != DeleteSquare)
        if (const std::optional<PieceRef> top = game.board.pieceOn(squareCell(markSquare)); top && pickUp(*top, {}, true))
            emit said(pieceWhere(game.board, held->piece) + QStringLiteral(" picked up."));
}

// The mark is drawn only once a key has been used, and goes at the next press of the mouse.
void BoardView::showMark(bool shown)
{
    const QWidget *square = Square[static_cast<std::size_t>(markSquare)];
    const QRect place(square->mapTo(window(), QPoint(0, 0)), square->size());
    mark->setGeometry(place);
    mark->setVisible(shown);
    mark->raise();
    if (held && held->byKeys) {
        const int inset = (place.width() - outline->width()) / 2;
        outline->move(place.topLeft() + QPoint(inset, inset));
        outline->raise();
    }
    if (shown) {
        QAccessibleEvent focus(Square[static_cast<std::size_t>(markSquare)], QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void BoardView::paintEvent(QPaintEvent *)
{
    // The light cells and the board's outline are drawn; the dark cells are labels. The
    // view's pixels are the design's at every density.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (!isDark({col, row})) {
                const QRect cell(cellLeftPx(col), cellTopPx(row), CellSizePx, CellSizePx);
                painter.fillRect(cell, LightCell);
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
    const int boardSize = CellPitchPx * (BoardSize - 1) + CellSizePx;
    painter.drawRect(QRect(CellOriginPx, CellOriginPx, boardSize, boardSize).adjusted(0, 0, -1, -1));
}

} // namespace jumpline
