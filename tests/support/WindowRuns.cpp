#include "support/WindowRuns.h"

#include "windows/Pictures.h"
#include "windows/ScaleFormToScreen.h"
#include "windows/frmMain.h"
#include "windows/frmPassword.h"
#include "windows/frmTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>

namespace jumpline::testing {

QPoint centreOf(Cell c) { return {cellLeftPx(c.col) + CellSizePx / 2, cellTopPx(c.row) + CellSizePx / 2}; }

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Every key the board, the panel and the dialogs take, and some they do not. (Ctrl+Q, which
// ends the run, has an opcode of its own.)
const Key kKeys[] = {
    {Qt::Key_Left}, {Qt::Key_Right}, {Qt::Key_Up}, {Qt::Key_Down}, {Qt::Key_Home}, {Qt::Key_End},
    {Qt::Key_PageUp}, {Qt::Key_PageDown}, {Qt::Key_Space}, {Qt::Key_Space}, {Qt::Key_Return},
    {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape}, {Qt::Key_Tab}, {Qt::Key_Tab, Qt::ShiftModifier},
    {Qt::Key_F2}, {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_M}, {Qt::Key_A}, {Qt::Key_C}, {Qt::Key_E},
    {Qt::Key_H}, {Qt::Key_2}, {Qt::Key_3}, {Qt::Key_6}, {Qt::Key_7}, {Qt::Key_9}, {Qt::Key_7, Qt::KeypadModifier},
    {Qt::Key_3, Qt::KeypadModifier}, {Qt::Key_Delete}, {Qt::Key_X, Qt::ControlModifier},
};

Qt::Key columnKey(int col) { return static_cast<Qt::Key>(Qt::Key_A + col - 1); }
Qt::Key rowKey(int row) { return static_cast<Qt::Key>(Qt::Key_0 + BoardSize + 1 - row); }

class WindowRun : Watched {
public:
    explicit WindowRun(Bytes &in) : Watched(in), input(in)
    {
        static const PiecePictures pictures = loadPiecePictures().pictures.value();
        setTwipsPerPixelForTests(TwipsPerPixel{static_cast<double>(twipsX), static_cast<double>(twipsY)});
        main = std::make_unique<frmMain>(settings, random, pictures, &referee);
        setTwipsPerPixelForTests(std::nullopt);
        main->show();
        activate(main.get());
        home = main->pos();
        referee.watch(main->currentGame());
        referee.duringPause = [this] {
            inPause = true;
            for (int k = next() % 4; k > 0 && !referee.ended; --k)
                step(); // refused, every one of them
            inPause = false;
        };
    }

    Played play()
    {
        while (input.pos < input.size && !referee.ended && referee.played.problems.empty())
            step();
        return referee.played;
    }

private:
    std::uint8_t next() { return input.next(); }
    QWindow *window() const { return main->windowHandle(); }
    QRect controlRect(const char *name) const { return main->findChild<QWidget *>(QLatin1String(name))->geometry(); }

    // A point of the main window: a cell's middle, a button, "Delete", the hot spot, the
    // background, the panel, the banner.
    QPoint point(std::uint8_t b) const
    {
        const int k = b % 72;
        const char *const controls[] = {"optMultiJump", "cmdReset", "cmdExit", "Square(32)"};
        constexpr QPoint others[] = {{600, 336}, {3, 3}, {560, 200}, {560, 100}};
        if (k < BoardSize * BoardSize)
            return centreOf({k % BoardSize + 1, k / BoardSize + 1});
        return k < 68 ? controlRect(controls[k - 64]).center() : others[k - 68];
    }

    static void activate(QWidget *other)
    {
        other->activateWindow();
        QCoreApplication::processEvents();
    }

    // One event, judged by the referee; in the computer's pause the referee judges the pause.
    template <typename Event> void act(const Expect &expect, Event event)
    {
        if (inPause) {
            event();
            ++referee.played.events;
            return;
        }
        referee.before(expect);
        event();
        referee.after();
        if (!down && main->pos() != home)
            main->move(home); // a press on the background moved it; put it back for the next event
    }

    void press(QPoint at, Qt::MouseButton button)
    {
        act({}, [&] { QTest::mousePress(window(), button, {}, at); });
        down = button;
        pressedAt = at;
    }

    void release(QPoint at)
    {
        // A button is clicked when the press and the release are both on it.
        const auto clicked = [&](const char *name) { return down == Qt::LeftButton && controlRect(name).contains(pressedAt) && controlRect(name).contains(at); };
        const Expect expect{.anyDrop = true, .reset = clicked("cmdReset"), .exit = clicked("cmdExit")};
        const Qt::MouseButton button = std::exchange(down, Qt::NoButton);
        act(expect, [&] { QTest::mouseRelease(window(), button, {}, at); });
    }

    void key(Key k)
    {
        // The keys go to the window that has them; where none has (the other window hidden), to the
        // main window, whose own focused control takes them.
        QWindow *to = QGuiApplication::focusWindow() != nullptr ? QGuiApplication::focusWindow() : window();
        const QWidget *focus = QGuiApplication::focusWindow() != nullptr ? QApplication::focusWidget() : main->focusWidget();
        const auto focused = [&](const char *name) { return focus != nullptr && focus->objectName() == QLatin1String(name); };
        const bool space = k.key == Qt::Key_Space;
        const Expect expect{.anyDrop = space || k.key == Qt::Key_Return || k.key == Qt::Key_Enter,
                            .reset = k.key == Qt::Key_F2 || (k.key == Qt::Key_N && k.modifiers == Qt::ControlModifier) || (space && focused("cmdReset")),
                            .exit = (k.key == Qt::Key_Q && k.modifiers == Qt::ControlModifier) || (space && focused("cmdExit")),
                            .testMode = space && focused("cmdTestMode")};
        act(expect, [&] { QTest::keyClick(to, k.key, k.modifiers); });
    }

    void click(const char *button)
    {
        press(controlRect(button).center(), Qt::LeftButton);
        release(controlRect(button).center());
    }

    void step()
    {
        const int op = next() % 40;
        if (op < 12) { // a legal move of the side on move, by the mouse or typed
            const std::optional<Move> m = input.move(main->currentGame().board, op % 3 == 0);
            if (!m || down != Qt::NoButton)
                return;
            if (op < 10) {
                press(centreOf(m->from), Qt::LeftButton);
                act({}, [&] { QTest::mouseMove(window(), (centreOf(m->from) + centreOf(m->to)) / 2); });
                release(centreOf(m->to));
            } else {
                for (const Key k : {Key{columnKey(m->from.col)}, Key{rowKey(m->from.row)}, Key{Qt::Key_Space}, Key{columnKey(m->to.col)}, Key{rowKey(m->to.row)}, Key{Qt::Key_Space}})
                    key(k);
            }
        } else if (op < 20) { // a press, or a release where a button is down
            const QPoint at = point(next());
            if (down != Qt::NoButton)
                release(at);
            else
                press(at, next() % 8 == 0 ? Qt::RightButton : Qt::LeftButton);
        } else if (op < 24) {
            act({}, [&] { QTest::mouseMove(window(), point(next())); });
        } else if (op < 34) {
            key(kKeys[next() % std::size(kKeys)]);
        } else if (down != Qt::NoButton) {
            release(point(next())); // the clicks below need the mouse
        } else if (op == 34) {
            click("optMultiJump");
        } else if (op == 35 && next() % 8 == 0) {
            click("cmdReset");
        } else if (op == 36 && next() % 64 == 0) { // so that games run long before they end
            next() % 2 ? click("cmdExit") : key({Qt::Key_Q, Qt::ControlModifier});
        } else if (op == 37) {
            testWindow();
        } else if (op == 38 && main->loadedTestWindow() != nullptr && next() % 4 == 0) {
            act({.testMode = true}, [&] { main->loadedTestWindow()->close(); });
        } else if (op == 39) {
            elsewhere.show();
            frmTest *test = main->loadedTestWindow();
            QWidget *other = next() % 3 == 0 ? static_cast<QWidget *>(main.get()) : test != nullptr && test->isVisible() ? static_cast<QWidget *>(test) : &elsewhere;
            act({}, [&] { activate(other); });
        }
    }

    // The test window: opened by the code the first time, its switch clicked after that.
    void testWindow()
    {
        frmTest *test = main->loadedTestWindow();
        if (test != nullptr && test->isVisible()) {
            QWidget *button = test->findChild<QWidget *>(QStringLiteral("cmdTestMode"));
            act({.testMode = true}, [&] { QTest::mouseClick(test->windowHandle(), Qt::LeftButton, {}, button->geometry().center()); });
            return;
        }
        act({}, [&] { QTest::mouseDClick(window(), Qt::LeftButton, {}, point(BoardSize * BoardSize + 4)); });
        frmPassword *dialog = main->loadedPasswordDialog();
        act({}, [&] { QTest::keyClicks(dialog->findChild<QLineEdit *>(), next() % 8 == 0 ? QStringLiteral("krow") : QStringLiteral("KrOv")); });
        QWidget *enter = dialog->findChild<QWidget *>(QStringLiteral("cmdEnter"));
        act({}, [&] { QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, enter->geometry().center()); });
    }

    Bytes &input;
    std::unique_ptr<frmMain> main;
    QWidget elsewhere; // another program's window, which takes the keys
    QPoint home;
    Qt::MouseButton down = Qt::NoButton;
    QPoint pressedAt;
    bool inPause = false;
};

} // namespace

Played playWindowEvents(const std::uint8_t *data, std::size_t size)
{
    Bytes input{data, size};
    return WindowRun(input).play();
}

} // namespace jumpline::testing
