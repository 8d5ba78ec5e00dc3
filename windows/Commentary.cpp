#include "windows/Commentary.h"

#include <QStringList>

namespace jumpline {

namespace {

QString colourName(Colour colour) { return colour == Colour::Red ? QStringLiteral("Red") : QStringLiteral("Black"); }

Colour other(Colour colour) { return colour == Colour::Red ? Colour::Black : Colour::Red; }

} // namespace

QString cellName(Cell c)
{
    return QChar(u'a' + c.col - 1) + QString::number(BoardSize + 1 - c.row);
}

QString pieceName(Colour colour, bool king)
{
    return colourName(colour).toLower() + (king ? QStringLiteral(" king") : QStringLiteral(" man"));
}

QString squareName(const Board &board, int k)
{
    const Cell cell = squareCell(k);
    const std::optional<PieceRef> piece = board.pieceOn(cell);
    return cellName(cell) + QStringLiteral(", ") + (piece ? pieceName(piece->colour, board.isKing(*piece)) : QStringLiteral("empty"));
}

QString pieceWhere(const Board &board, PieceRef piece)
{
    return colourName(piece.colour) + (board.isKing(piece) ? QStringLiteral(" king on ") : QStringLiteral(" man on ")) +
           cellName(board.cellOf(board.piece(piece)));
}

QString describeChanges(const Board &before, const Board &after)
{
    // The pieces of a colour that were on the board and are no longer.
    const auto gone = [&](Colour colour) {
        QStringList cells;
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (before.piece({colour, i}).Visible && !after.piece({colour, i}).Visible)
                cells << cellName(before.cellOf(before.piece({colour, i})));
        return cells;
    };
    QStringList said;
    if (before.DeleteVisible != after.DeleteVisible) // "Delete" shows while test mode is on
        said << (after.DeleteVisible ? QStringLiteral("Test mode on.") : QStringLiteral("Test mode off."));
    bool moved[2] = {false, false};
    for (const Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i) {
            const PieceRef ref{colour, i};
            const Piece &was = before.piece(ref), &is = after.piece(ref);
            const bool crowned = !before.isKing(ref) && after.isKing(ref);
            if (!was.Visible || !is.Visible)
                continue;
            const QString from = cellName(before.cellOf(was)), to = cellName(after.cellOf(is));
            if (was.Left == is.Left && was.Top == is.Top) {
                if (crowned) // the computer's man, crowned once its move is over
                    said << pieceWhere(before, ref) + QStringLiteral(" crowned.");
                continue;
            }
            moved[colour == Colour::Red ? 0 : 1] = true;
            const QStringList taken = gone(other(colour));
            QString sentence = colourName(colour) + QLatin1Char(' ') + from +
                               (taken.isEmpty() ? QStringLiteral(" to ") + to
                                                : QStringLiteral(" takes ") + taken.join(QStringLiteral(" and ")) + QStringLiteral(", lands on ") + to);
            said << sentence + (crowned ? QStringLiteral(", crowned.") : QStringLiteral("."));
        }
    // A piece gone where no piece of the other colour moved was taken off in test mode.
    for (const Colour colour : {Colour::Red, Colour::Black})
        if (!moved[colour == Colour::Red ? 1 : 0])
            for (const QString &cell : gone(colour))
                said << colourName(colour) + QStringLiteral(" piece on ") + cell + QStringLiteral(" taken off.");
    if (before.lblPlayer != after.lblPlayer)
        said << QString::fromStdString(after.lblPlayer) + QStringLiteral(" turn.");
    return said.join(QLatin1Char(' '));
}

QString describeRefusedDrop(const Board &board, PieceRef piece, std::int16_t square)
{
    const QString from = cellName(board.cellOf(board.piece(piece)));
    const QString to = square == DeleteSquare ? QStringLiteral("Delete") : cellName(squareCell(square));
    return colourName(piece.colour) + QLatin1Char(' ') + from + (to == from ? QStringLiteral(" stays.") : QStringLiteral(" to ") + to + QStringLiteral(" is not allowed.")) +
           QStringLiteral(" Nothing moved.");
}

} // namespace jumpline
