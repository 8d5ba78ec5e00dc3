#include "windows/Display.h"

#include <QDir>
#include <QLibraryInfo>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

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

    const std::string display(variable("DISPLAY"));
    if (display.empty())
        return "no display: DISPLAY is not set, so there is no X server to show the game on. "
               "Start it from a desktop session, or under a virtual X server (xvfb-run).";
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answered)
        return "no display: no X server answers at DISPLAY=" + display +
               ". Start the X server first, or set DISPLAY to one that runs.";
    return std::nullopt;
}

} // namespace jumpline
