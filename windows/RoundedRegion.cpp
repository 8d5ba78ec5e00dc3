#include "windows/RoundedRegion.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace jumpline {

namespace {

// How many pixels the corner ellipse (w x h px) cuts off at each end of the row whose
// pixel centres lie `rowDistance` half-pixels from the ellipse's centre line: the first
// pixel whose centre lies inside the ellipse, or on its edge, is kept. Worked out in
// half-pixels, in whole numbers, so that a centre exactly on the edge is never lost to
// rounding.
int cornerInset(std::int64_t rowDistance, std::int64_t w, std::int64_t h)
{
    int inset = 0;
    for (;; ++inset) {
        const std::int64_t columnDistance = w - (2 * inset + 1);
        if (columnDistance * columnDistance * h * h + rowDistance * rowDistance * w * w <= w * w * h * h)
            return inset;
    }
}

// A translucent window's background, painted inside its rounded outline before the window
// paints itself; outside it the window stays clear, and the desktop shows through. The
// outline clips the window's own painting, not its controls': those that reach over it are
// cut to it (with the shapes they have) once the window shows, with its layout converted.
class RoundedBackground : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint) {
            QPainter painter(window);
            painter.setClipRegion(window->mask());
            painter.fillRect(window->rect(), window->palette().window());
        } else if (event->type() == QEvent::Show) {
            for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QRegion shape = control->mask().isEmpty() ? QRegion(control->rect()) : control->mask();
                const QRegion inside = shape & window->mask().translated(-control->pos());
                if (!control->isWindow() && inside != shape)
                    control->setMask(inside);
            }
        }
        return false;
    }
};

} // namespace

QRegion roundedRegion(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return {};
    const int w = std::clamp(cornerWidth, 0, width);
    const int h = std::clamp(cornerHeight, 0, height);
    if (w == 0 || h == 0)
        return QRegion(left, top, width, height);

    std::vector<QRect> bands;
    for (int k = 0; k < height; ++k) {
        const int fromEdge = std::min(k, height - 1 - k); // rows from the nearer of top and bottom
        const int rowDistance = h - (2 * fromEdge + 1);   // half-pixels from the corners' centre line
        const int inset = rowDistance > 0 ? cornerInset(rowDistance, w, h) : 0;
        const QRect row(left + inset, top + k, width - 2 * inset, 1);
        // Rows of the same span are merged into one band.
        if (!bands.empty() && bands.back().left() == row.left() && bands.back().right() == row.right())
            bands.back().setBottom(row.top());
        else
            bands.push_back(row);
    }
    QRegion region;
    region.setRects(bands.data(), static_cast<int>(bands.size()));
    return region;
}

void ApplyRoundedRegion(QWidget *target, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    target->setMask(roundedRegion(left, top, right, bottom, cornerWidth, cornerHeight));
    // X11 cuts a window to its mask. Elsewhere (Wayland) the mask only limits where the mouse
    // goes: the window is made translucent and paints itself inside its outline.
    if (target->isWindow() && QGuiApplication::platformName() != QLatin1String("xcb") &&
        !target->testAttribute(Qt::WA_TranslucentBackground)) {
        target->setAttribute(Qt::WA_TranslucentBackground);
        target->installEventFilter(new RoundedBackground(target));
    }
}

} // namespace jumpline
