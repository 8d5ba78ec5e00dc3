// The yardstick for jumpline's start-up time and memory: the least a Qt Widgets program
// does to put a window of the start-up window's size on the screen. A click closes it.
//
// With the argument "text" the window also shows one line of text. The first text that
// Qt lays out reads the system's font configuration, which costs more than anything
// else a window with captions does before it is mapped.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

namespace {

class BareWindow final : public QWidget {
protected:
    void mousePressEvent(QMouseEvent *) override { close(); }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(359, 294);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("Who plays first?"), &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
