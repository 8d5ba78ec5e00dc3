// The window tests' main: a QApplication first, offscreen unless the caller chose a platform.
#include "Rig.h"

#include <QApplication>
#include <QPainter>

namespace jumpline::testing {

void expectLooks(QWidget *window, const char *name)
{
    QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!window->mask().isEmpty()) {
        QPainter painter(&shown);
        painter.setClipRegion(QRegion(shown.rect()) - window->mask());
        painter.fillRect(shown.rect(), Qt::magenta);
    }
    const QString kept = QStringLiteral(JUMPLINE_SOURCE_DIR "/tests/windows/looks/%1.png").arg(QLatin1String(name));
    if (qEnvironmentVariableIsSet("JUMPLINE_UPDATE_LOOKS"))
        shown.save(kept);
    const QImage wanted = QImage(kept).convertToFormat(QImage::Format_RGB32);
    if (shown != wanted) {
        shown.save(QLatin1String(name) + QStringLiteral(".png"));
        ADD_FAILURE() << name << " looks different from " << kept.toStdString() << " (the look: " << name << ".png)";
    }
}

} // namespace jumpline::testing

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
