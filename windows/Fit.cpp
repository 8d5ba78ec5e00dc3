#include "windows/Fit.h"

#include "windows/Controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegion>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace jumpline {

namespace {

constexpr char AlsoShowsProperty[] = "jumplineAlsoShows";

// A style whose option buttons' marks are no taller than `largest`: Qt draws the mark at
// the size of the font density (14 px at 96 dpi, 18 px at 125 dpi), while the buttons keep
// their design height.
class FittingMarks final : public QProxyStyle {
public:
    FittingMarks(QStyle *style, int largest) : QProxyStyle(style), largest(largest) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight: return std::min(size, largest);
        default: return size;
        }
    }

private:
    int largest;
};

// One for each style and size, owned by the application.
QStyle *fittingMarks(const QStyle *style, int largest)
{
    static std::map<std::pair<QString, int>, QStyle *> made;
    QStyle *&fitting = made[{style->name(), largest}];
    if (fitting == nullptr) {
        fitting = new FittingMarks(QStyleFactory::create(style->name()), largest);
        fitting->setParent(QCoreApplication::instance());
    }
    return fitting;
}

// The part of the widget that its window shows, in the widget's coordinates: the widget cut
// by its own outline, by each parent's edges and outline, and by the window's.
QRegion visiblePart(const QWidget *widget)
{
    QRegion visible(widget->rect());
    QPoint corner; // the widget's corner, in the coordinates of `outer`
    for (const QWidget *outer = widget; outer != nullptr; outer = outer->parentWidget()) {
        visible &= (outer->mask().isEmpty() ? QRegion(outer->rect()) : outer->mask()).translated(-corner);
        if (outer->isWindow())
            break;
        corner += outer->pos();
    }
    return visible;
}

// The widget and its parents up to the window, the window first.
std::vector<const QObject *> lineage(const QWidget *widget)
{
    std::vector<const QObject *> line;
    for (const QWidget *w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget())
        line.insert(line.begin(), w);
    return line;
}

// Whether `upper` lies above `lower` on the screen (false where one holds the other).
bool above(const QWidget *upper, const QWidget *lower)
{
    const std::vector<const QObject *> a = lineage(upper), b = lineage(lower);
    const auto [ownA, ownB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ownA == a.end() || ownB == b.end() || ownA == a.begin())
        return false;
    const QObjectList &siblings = (*std::prev(ownA))->children(); // in stacking order, the lowest first
    return siblings.indexOf(*ownA) > siblings.indexOf(*ownB);
}

// What a widget beneath a caption draws that the caption must not be written over: a
// picture, the turn display's frame.
QRegion drawnPart(const QWidget *widget)
{
    if (const auto *picture = qobject_cast<const PictureBox *>(widget))
        return visiblePart(widget) & QRegion(QRect(QPoint(), picture->picture().size()));
    if (qobject_cast<const RoundedFrame *>(widget) != nullptr) {
        const int line = RoundedFrame::LineWidth;
        return visiblePart(widget) - QRegion(widget->rect().adjusted(line, line, -line, -line));
    }
    return {};
}

// A frame that only holds other controls, or a label with nothing in it (the hot spot):
// what shows there is what lies beneath it, or what it holds.
bool drawsNothing(const QWidget *widget)
{
    if (widget->autoFillBackground())
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text().isEmpty() && label->pixmap().isNull() && label->frameShape() == QFrame::NoFrame;
    const auto *frame = qobject_cast<const QFrame *>(widget);
    const bool plain = frame != nullptr && (frame->metaObject() == &QFrame::staticMetaObject || qobject_cast<const ChoiceGroup *>(frame) != nullptr);
    return plain && frame->frameShape() == QFrame::NoFrame;
}

// Where the control's captions may be written, in its own coordinates: what shows of it,
// less what other controls above it take, and less what is drawn beneath it where it lets
// that show through.
QRegion captionRoom(const QWidget *control)
{
    const QWidget *window = control->window();
    const QPoint corner = control->mapTo(window, QPoint());
    QRegion room = visiblePart(control);
    for (const QWidget *other : window->findChildren<const QWidget *>()) {
        if (other->window() != window || !other->isVisibleTo(window) || other->isAncestorOf(control) || control->isAncestorOf(other) || other == control)
            continue;
        const QPoint at = other->mapTo(window, QPoint()) - corner;
        if (above(other, control)) {
            if (!drawsNothing(other))
                room -= visiblePart(other).translated(at);
        }
        else if (!control->autoFillBackground())
            room -= drawnPart(other).translated(at);
    }
    return room;
}

bool inside(const QRect &drawn, const QRegion &room)
{
    return (QRegion(drawn) - room).isEmpty();
}

QStyleOptionButton buttonOption(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return option;
}

QStringList captionsOf(const QWidget *control)
{
    QStringList captions = control->property(AlsoShowsProperty).toStringList();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        captions << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        captions << button->text();
    captions.removeAll(QString());
    return captions;
}

// Where the control draws its captions, and aligned how.
std::pair<QRect, Qt::Alignment> captionBox(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        // As a label lays out its text: inside its frame and margin, and indented by half an
        // "x" where it has a frame and no indent of its own.
        const int margin = label->margin();
        QRect box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0)
            indent = label->fontMetrics().horizontalAdvance(u'x') / 2 - margin;
        if (indent > 0)
            box.adjust(align.testFlag(Qt::AlignLeft) ? indent : 0, align.testFlag(Qt::AlignTop) ? indent : 0,
                       align.testFlag(Qt::AlignRight) ? -indent : 0, align.testFlag(Qt::AlignBottom) ? -indent : 0);
        return {box, align};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    const QStyleOptionButton option = buttonOption(button);
    const Qt::Alignment leftAligned = QStyle::visualAlignment(button->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter);
    if (qobject_cast<const QRadioButton *>(button) != nullptr)
        return {button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button), leftAligned};
    if (qobject_cast<const QCheckBox *>(button) != nullptr)
        return {button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button), leftAligned};
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), Qt::AlignCenter};
}

// A text box's line, and the ink of every caption, lie where the control may write.
bool captionsFit(const QWidget *control)
{
    const QRegion room = captionRoom(control);
    if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QRect inner = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).marginsRemoved(box->textMargins());
        const int height = box->fontMetrics().height();
        return inner.height() >= height && inside({inner.left(), inner.top() + (inner.height() - height + 1) / 2, inner.width(), height}, room);
    }
    const auto place = captionBox(control); // the box and the alignment
    const QRectF box(place.first);
    const int align = static_cast<int>(place.second.toInt());
    const QFontMetricsF metrics(control->font());
    const QStringList captions = captionsOf(control);
    return std::all_of(captions.begin(), captions.end(), [&](const QString &caption) {
        // One line, laid out in the box as QPainter::drawText lays it out.
        const QRectF line = metrics.boundingRect(box, align, caption);
        const QRectF ink = metrics.tightBoundingRect(caption).translated(line.left(), line.top() + metrics.ascent());
        return inside(ink.toAlignedRect(), room);
    });
}

QRect markOf(const QAbstractButton *button)
{
    const QStyleOptionButton option = buttonOption(button);
    const bool radio = qobject_cast<const QRadioButton *>(button) != nullptr;
    return button->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
}

// Where an option button's mark is cut, every option button's mark becomes as tall as the
// lowest of them, so that they stay alike.
void fitMarks(std::span<QWidget *const> controls)
{
    std::vector<QAbstractButton *> options;
    for (QWidget *control : controls)
        if (qobject_cast<QRadioButton *>(control) != nullptr || qobject_cast<QCheckBox *>(control) != nullptr)
            options.push_back(qobject_cast<QAbstractButton *>(control));
    if (std::all_of(options.begin(), options.end(), [](const QAbstractButton *option) { return inside(markOf(option), captionRoom(option)); }))
        return;
    const auto lowest = std::min_element(options.begin(), options.end(), [](auto *a, auto *b) { return a->height() < b->height(); });
    for (QAbstractButton *option : options)
        option->setStyle(fittingMarks(option->style(), (*lowest)->height()));
}

} // namespace

void alsoShows(QWidget *control, const QStringList &captions)
{
    control->setProperty(AlsoShowsProperty, captions);
}

void fitCaptions(std::span<QWidget *const> controls)
{
    fitMarks(controls);
    std::vector<std::vector<QWidget *>> sharingAFont;
    for (QWidget *control : controls) {
        if (captionsOf(control).isEmpty() && qobject_cast<QLineEdit *>(control) == nullptr)
            continue;
        const auto group = std::find_if(sharingAFont.begin(), sharingAFont.end(),
                                        [&](const auto &controlsOfAFont) { return controlsOfAFont.front()->font() == control->font(); });
        if (group != sharingAFont.end())
            group->push_back(control);
        else
            sharingAFont.push_back({control});
    }
    for (const std::vector<QWidget *> &group : sharingAFont) {
        QFont font = group.front()->font();
        for (int pixels = QFontInfo(font).pixelSize() - 1; pixels > 0 && !std::all_of(group.begin(), group.end(), captionsFit); --pixels) {
            font.setPixelSize(pixels);
            for (QWidget *control : group)
                control->setFont(font);
        }
    }
}

} // namespace jumpline
