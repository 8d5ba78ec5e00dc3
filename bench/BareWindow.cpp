// The yardstick for jumpline's start-up time and memory: the least a Qt Widgets program
// does to put a window of the start-up window's size on the screen. A click closes it.
#include <QApplication>
#include <QWidget>

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
    window.show();
    return QApplication::exec();
}
