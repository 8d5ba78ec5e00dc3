#include "windows/Display.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace jumpline {

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

std::optional<std::string> displayProblem()
{
    if (isSet("QT_QPA_PLATFORM") || isSet("WAYLAND_DISPLAY"))
        return std::nullopt;
    if (!isSet("DISPLAY"))
        return "no display: DISPLAY is not set, so there is no X server to show the game on. "
               "Start it from a desktop session, or under a virtual X server (xvfb-run).";

    const std::string display = std::getenv("DISPLAY");
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answered)
        return "no display: no X server answers at DISPLAY=" + display +
               ". Start the X server first, or set DISPLAY to one that runs.";
    return std::nullopt;
}

} // namespace jumpline
