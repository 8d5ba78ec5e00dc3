#include "windows/Controls.h"

#include "windows/Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <utility>

namespace jumpline {

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}

namespace {

// A screen reader hears a picture as an image.
QAccessibleInterface *pictureAccessible(const QString &, QObject *object)
{
    auto *picture = qobject_cast<PictureBox *>(object);
    return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    static const bool heardAsImages = (QAccessible::installFactory(pictureAccessible), true);
    static_cast<void>(heardAsImages);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == shown.cacheKey())
        return;
    shown = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown);
}

PieceWidget::PieceWidget(std::function<bool(QPoint)> startDrag, QWidget *parent)
    : PictureBox(parent), startDrag(std::move(startDrag))
{
}

void PieceWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && startDrag(event->position().toPoint()))
        event->accept();
    else
        event->ignore();
}

namespace {

bool byKey(const QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace

FlatButton::FlatButton(const QString &caption, qreal points, bool bold, QWidget *parent) : QPushButton(caption, parent)
{
    setFont(designFont(points, bold));
    setStyleSheet(buttonStyle(Qt::black));
    setAutoDefault(false);
    setDefault(false);
}

void FlatButton::focusInEvent(QFocusEvent *event)
{
    ring = byKey(event);
    QPushButton::focusInEvent(event);
}

void FlatButton::focusOutEvent(QFocusEvent *event)
{
    ring = false;
    QPushButton::focusOutEvent(event);
}

void FlatButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!ring)
        return;
    // Inside the part that the rounded outline leaves: black on the light grey.
    constexpr int inset = 2, lineWidth = 2;
    constexpr qreal cornerRadius = 5;
    const QRect shown = mask().isEmpty() ? rect() : mask().boundingRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, lineWidth));
    const qreal edge = inset + lineWidth / 2.0;
    painter.drawRoundedRect(QRectF(shown).adjusted(edge, edge, -edge, -edge), cornerRadius, cornerRadius);
}

RoundedFrame::RoundedFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedFrame::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void RoundedFrame::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void RoundedFrame::paintEvent(QPaintEvent *)
{
    const int lineWidth = hasFocus() ? 4 : LineWidth;
    constexpr qreal cornerRadius = 8;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(hasFocus() ? Qt::yellow : Qt::white, lineWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal half = lineWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), cornerRadius, cornerRadius);
}

Outline::Outline(const QColor &colour, QWidget *parent) : QWidget(parent), colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Outline::resizeEvent(QResizeEvent *)
{
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Thickness, Thickness, -Thickness, -Thickness))));
}

void Outline::paintEvent(QPaintEvent *)
{
    // Black outside: the outline shows on the white and grey cells and on black.
    QPainter painter(this);
    painter.fillRect(rect(), colour);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace jumpline
