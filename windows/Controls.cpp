#include "windows/Controls.h"

#include "windows/Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <optional>
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

// The notification that Announcer shows.
class Announcement : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// The roles a screen reader needs beyond Qt's own: a picture is an image, an option group a
// group, the turn display a text, and the announcer a notification in a status bar.
QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    const auto role = [object]() -> std::optional<QAccessible::Role> {
        if (qobject_cast<PictureBox *>(object))
            return QAccessible::Graphic;
        if (qobject_cast<ChoiceGroup *>(object))
            return QAccessible::Grouping;
        if (qobject_cast<RoundedFrame *>(object))
            return QAccessible::StaticText;
        if (qobject_cast<Announcer *>(object))
            return QAccessible::StatusBar;
        if (qobject_cast<Announcement *>(object))
            return QAccessible::Notification;
        return std::nullopt;
    }();
    return role ? new QAccessibleWidget(static_cast<QWidget *>(object), *role) : nullptr;
}

// Installed before the first control is made, so that no control is ever heard without its role.
[[maybe_unused]] const bool rolesInstalled = (QAccessible::installFactory(accessibleControl), true);

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
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

Outline::Outline(std::initializer_list<Ring> rings, QWidget *parent) : QWidget(parent), rings(rings)
{
    for (const Ring &ring : rings)
        thickness += ring.width;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Outline::resizeEvent(QResizeEvent *)
{
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(thickness, thickness, -thickness, -thickness))));
}

void Outline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    int inset = 0;
    for (const Ring &ring : rings) {
        painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), ring.colour);
        inset += ring.width;
    }
}

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setAccessibleName(QStringLiteral("Announcements"));
    for (QWidget *&note : notes) {
        note = new Announcement(this);
        note->setObjectName(QStringLiteral("announcement"));
        note->setAccessibleName(QStringLiteral("Announcement"));
        note->setGeometry(0, 0, 0, 0);
        note->hide();
    }
}

void Announcer::say(const QString &text)
{
    if (text.isEmpty())
        return;
    QWidget *note = notes[next];
    next = (next + 1) % notes.size();
    note->hide();
    note->setAccessibleName(text);
    note->show();
}

void setAccessibleNameOnce(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace jumpline

#include "Controls.moc"
