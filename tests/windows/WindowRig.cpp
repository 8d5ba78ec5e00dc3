#include "WindowRig.h"

#include "support/Position.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QWindow>

namespace jumpline::testing {

namespace {

QPixmap flatPicture(QRgb centre)
{
    QImage image(PictureSizePx, PictureSizePx, QImage::Format_RGB32);
    image.fill(qRgb(192, 192, 192));
    QPainter(&image).fillRect(QRect(10, 10, 30, 30), QColor(centre));
    return QPixmap::fromImage(image);
}

char symbolOf(QRgb colour)
{
    if (colour == qRgb(192, 192, 192) || colour == qRgb(255, 255, 255))
        return '.';
    if (colour == RedManColour)
        return 'r';
    if (colour == BlackManColour)
        return 'b';
    if (colour == RedKingColour)
        return 'R';
    if (colour == BlackKingColour)
        return 'B';
    return '?';
}

} // namespace

PiecePictures flatPictures()
{
    return {flatPicture(RedManColour), flatPicture(RedKingColour), flatPicture(BlackManColour),
            flatPicture(BlackKingColour)};
}

QPoint cellCentre(int col, int row)
{
    return {cellLeftPx(col) + CellSizePx / 2, cellTopPx(row) + CellSizePx / 2};
}

void PressCountingMain::mousePressEvent(QMouseEvent *event)
{
    ++presses;
    frmMain::mousePressEvent(event);
}

void WindowTest::open()
{
    window = std::make_unique<PressCountingMain>(settings, random, pictures);
    window->setPauseHook([this] {
        ++pauses;
        if (duringPause)
            duringPause();
    });
    window->setMessageHook([this](const std::string &text) {
        messages.push_back(text);
        if (onMessage)
            onMessage(text);
    });
    window->setExitHook([this] { ++exits; });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown()
{
    window.reset();
}

void WindowTest::drag(QPoint from, QPoint to)
{
    QWindow *handle = window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    constexpr int steps = 4;
    for (int k = 1; k <= steps; ++k)
        QTest::mouseMove(handle, from + (to - from) * k / steps);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
}

void WindowTest::dragCell(int fromCol, int fromRow, int toCol, int toRow)
{
    drag(cellCentre(fromCol, fromRow), cellCentre(toCol, toRow));
}

void WindowTest::click(const std::string &name)
{
    QTest::mouseClick(widget(name), Qt::LeftButton);
}

std::string WindowTest::screenPicture()
{
    const QImage shown = window->grab().toImage();
    std::string picture;
    for (int row = 1; row <= BoardSize; ++row) {
        for (int col = 1; col <= BoardSize; ++col) {
            const QPoint centre = cellCentre(col, row);
            picture += symbolOf(shown.pixel(centre) | 0xFF000000u);
            picture += col < BoardSize ? ' ' : '\n';
        }
    }
    return picture;
}

bool WindowTest::showsRedCaption(const std::string &name)
{
    const QImage shown = widget(name)->grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

WidgetStates WindowTest::widgetStates() const
{
    WidgetStates states;
    for (const QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty())
            states[child->objectName().toStdString()] = {child->geometry(), child->isVisible()};
    return states;
}

QWidget *WindowTest::widget(const std::string &name) const
{
    auto *found = window->findChild<QWidget *>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

QString WindowTest::text(const std::string &name) const
{
    if (const auto *label = qobject_cast<const QLabel *>(widget(name)))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget(name)))
        return button->text();
    return {};
}

void WindowTest::setPosition(std::string_view picture)
{
    window->game.board = boardFromPicture(picture, true, window->game.board.intTwipsX);
    window->syncWidgetsWithGame();
}

} // namespace jumpline::testing
