// Jumpline: draughts for two people at one screen, or one person against the computer.

#include "game/Random.h"
#include "game/Settings.h"
#include "windows/Display.h"
#include "windows/Pictures.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        const QString file = QStringLiteral(":/icons/jumpline-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

// A message box needs someone to answer it; the offscreen and minimal platforms have nobody.
bool canShowMessageBox()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto problem = jumpline::displayProblem()) {
        std::fprintf(stderr, "jumpline: %s\n", problem->c_str());
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jumpline"));
    QApplication::setWindowIcon(applicationIcon());

    const jumpline::PictureLoad loaded = jumpline::loadPiecePictures(jumpline::pictureFolders());
    if (!loaded.pictures) {
        std::fprintf(stderr, "jumpline: %s\n", qPrintable(loaded.error));
        if (canShowMessageBox())
            QMessageBox::critical(nullptr, QStringLiteral("Jumpline"), loaded.error);
        return 1;
    }

    jumpline::Settings settings; // a human opponent, Red first
    jumpline::ClockRandom random;
    frmMain window(settings, random, *loaded.pictures);
    window.show();
    window.activateWindow();
    window.setFocus();
    return QApplication::exec();
}
