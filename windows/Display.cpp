#include "windows/Display.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace jumpline {

namespace {

std::string_view variable(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether Qt has a Wayland platform to use; Debian ships it apart from Qt itself.
bool waylandPlatformInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

// What Qt says while its platform starts, passed on once it has.
struct Held {
    QtMsgType type;
    const char *category; // Qt's categories are named by static strings
    QString message;
};
std::vector<Held> held;
QtMessageHandler qtHandler = nullptr;

// Why Qt could not start its platform, in the program's words: Qt's own speak of
// reinstalling the application.
std::string platformFailure()
{
    const std::string platform(variable("QT_QPA_PLATFORM"));
    const std::string wayland(variable("WAYLAND_DISPLAY"));
    if (!platform.empty() && !platform.starts_with("xcb"))
        return "the display platform \"" + platform + "\" named by QT_QPA_PLATFORM could not be started.";
    return "no display: no X server answers at DISPLAY=" + std::string(variable("DISPLAY")) +
           (wayland.empty() ? "" : " (nor a Wayland compositor at WAYLAND_DISPLAY=" + wayland + ")") +
           ", or it refused the connection. Start the X server first, or set DISPLAY to one that runs.";
}

void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, message});
        return;
    }
    std::fprintf(stderr, "jumpline: %s\n", platformFailure().c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::optional<std::string> displayProblem()
{
    // A platform chosen by name is trusted, unless it is the X platform, which still needs
    // an X server. Wayland is used where Qt has it and a Wayland display is named;
    // otherwise Qt falls back to X.
    const std::string_view platform = variable("QT_QPA_PLATFORM");
    if (!platform.empty() && !platform.starts_with("xcb"))
        return std::nullopt;
    if (platform.empty() && !variable("WAYLAND_DISPLAY").empty() && waylandPlatformInstalled())
        return std::nullopt;
    if (variable("DISPLAY").empty())
        return "no display: DISPLAY is not set, so there is no X server to show the game on. "
               "Start it from a desktop session, or under a virtual X server (xvfb-run).";
    return std::nullopt;
}

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    qtHandler = qInstallMessageHandler(holdWhileStarting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const Held &message : held)
        qtHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category), message.message);
    held.clear();
    return application;
}

std::optional<std::string> screenProblem()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return "no display: the display has no screen to show the game on.";
    if (screen->depth() < 15) // Qt draws at 15 bits and more
        return "the display's colour depth (" + std::to_string(screen->depth()) +
               " bits) is not supported: Jumpline needs at least 15-bit colour. Set the display to "
               "15-bit colour or more (DISPLAY=" + std::string(variable("DISPLAY")) + ").";
    return std::nullopt;
}

} // namespace jumpline
