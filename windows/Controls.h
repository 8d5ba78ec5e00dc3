// The kinds of control the main window is made of, beyond Qt's own buttons.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

namespace jumpline {

// A label that keeps the mouse: a press on it does not reach the window beneath.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// A picture drawn as it is, also while disabled (QLabel would grey it). A disabled
// picture lets presses through to the window.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap shown;
};

// A piece. A left press asks `startDrag` (with the press point inside the piece) whether
// a drag begins; a press that starts none passes on to the window.
class PieceWidget : public PictureBox {
    Q_OBJECT
public:
    PieceWidget(std::function<bool(QPoint)> startDrag, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::function<bool(QPoint)> startDrag;
};

// A flat light grey push button, in the design's font. Focused by a key it shows a ring
// inside its rounded outline; a click leaves no ring. Return and Escape press no button of
// their own accord.
class FlatButton : public QPushButton {
    Q_OBJECT
public:
    FlatButton(const QString &caption, qreal points, bool bold, QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool ring = false;
};

// A drawn rounded rectangle: a white outline, 2 px wide, no fill. Takes no mouse input.
// Focused by a key (it frames the turn display, which the keys can reach), it is drawn
// wider and in yellow.
class RoundedFrame : public QWidget {
    Q_OBJECT
public:
    explicit RoundedFrame(QWidget *parent);
    static constexpr int LineWidth = 2;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A frame only, so what lies beneath shows through it, and transparent for the mouse, so a
// drop finds what lies below: rings of colour from the outside in. Where a held piece would
// go is white inside black; the square that the keys have reached gets a white and a black
// line inside the cell's own black border, which stand out at least 5.7 : 1 on the white and
// grey cells and on every piece.
class Outline : public QWidget {
    Q_OBJECT
public:
    struct Ring {
        QColor colour;
        int width;
    };
    Outline(std::initializer_list<Ring> rings, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Ring> rings;
    int thickness = 0;
};

// A group of option buttons, heard as one (a plain frame would be heard as a window that
// cannot be active, and its options not at all).
class ChoiceGroup : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

// Words that a screen reader says at once, wherever the keys are: a notification shown inside
// a status bar, neither of any size. Orca presents a notification as it is shown, and leaves
// out the word "notification" inside a status bar. It reads the notification's name when it
// gets to the event, which on a busy machine can be after the next text: so each text has a
// notification of its own, in turn among eight, and keeps it until seven more have been said.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);
    void say(const QString &text);

private:
    std::array<QWidget *, 8> notes{};
    std::size_t next = 0;
};

// Sets an accessible name only where it changed: a screen reader hears every change.
void setAccessibleNameOnce(QWidget *widget, const QString &name);

} // namespace jumpline
