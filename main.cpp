// Jumpline: draughts for two people at one screen, or one person against the computer.

#include "outside/Random.h"
#include "game/Settings.h"
#include "windows/Display.h"
#include "windows/Pictures.h"
#include "windows/Resources.h"
#include "windows/frmMain.h"
#include "windows/frmSplash.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>

namespace {

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

    const std::unique_ptr<QApplication> app = jumpline::startApplication(argc, argv);
    if (const auto problem = jumpline::screenProblem()) {
        std::fprintf(stderr, "jumpline: %s\n", problem->c_str());
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("Jumpline"));
    QApplication::setWindowIcon(jumpline::applicationIcon()); // on every window

    const jumpline::PictureLoad loaded = jumpline::loadPiecePictures();
    if (!loaded.pictures) {
        std::fprintf(stderr, "jumpline: %s\n", qPrintable(loaded.error));
        if (canShowMessageBox())
            QMessageBox::critical(nullptr, QStringLiteral("Jumpline"), loaded.error);
        return 1;
    }

    // The start-up window comes first; "Start Game" makes the main window, which plays
    // with the start-up window's settings and closes it first when the program ends.
    jumpline::ClockRandom random;
    frmSplash splash;
    std::unique_ptr<frmMain> main; // goes before the settings it reads
    QObject::connect(&splash, &frmSplash::startGame, [&] {
        main = std::make_unique<frmMain>(splash.settings(), random, *loaded.pictures);
        main->closeOnExit(&splash);
        main->show();
        main->activateWindow();
        main->setFocus();
    });
    splash.show();
    return QApplication::exec();
}
