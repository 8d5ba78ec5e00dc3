// Times a program's start: from just before it is spawned until the X server maps its
// first top-level window with a given title (and size), seen as the MapNotify event on
// the root window. Polling with xdotool or xwininfo would add its own period to every
// figure; the event arrives the moment the window is mapped.
//
// Usage: jumpline_mapwatch [--title TITLE] [--size WxH] [--timeout SECONDS] PROGRAM [ARG...]
// Prints "<microseconds> <window id> <width>x<height> <cpu microseconds>" and ends the
// program with SIGTERM; the last figure is the processor time (user and system) that the
// program had used when it ended, a little after the map: on a busy machine it shows how
// much of the wait was the program's own work.
// Exit status 0 when the window was mapped, 1 when the program ended or the time ran out
// first, 2 on a usage error or when the X server cannot be reached.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

extern char **environ;

namespace {

struct Options {
    std::string title = "Jumpline";
    int width = 0; // 0: any size
    int height = 0;
    int timeoutSeconds = 10;
    char **program = nullptr;
};

std::optional<Options> parseOptions(int argc, char *argv[])
{
    Options options;
    int k = 1;
    for (; k < argc && argv[k][0] == '-'; ++k) {
        const std::string_view option = argv[k];
        if (option == "--") {
            ++k;
            break;
        }
        if (k + 1 >= argc)
            return std::nullopt;
        const char *value = argv[++k];
        if (option == "--title")
            options.title = value;
        else if (option == "--size") {
            if (std::sscanf(value, "%dx%d", &options.width, &options.height) != 2)
                return std::nullopt;
        } else if (option == "--timeout")
            options.timeoutSeconds = std::atoi(value);
        else
            return std::nullopt;
    }
    if (k >= argc)
        return std::nullopt;
    options.program = argv + k;
    return options;
}

std::int64_t nowMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *connection, std::string_view name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string textProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return {};
    const auto *text = static_cast<const char *>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

bool hasTitle(xcb_connection_t *connection, xcb_window_t window, const std::string &title, xcb_atom_t netWmName)
{
    return textProperty(connection, window, netWmName) == title ||
           textProperty(connection, window, XCB_ATOM_WM_NAME) == title;
}

struct Size {
    int width = 0;
    int height = 0;
};

Size windowSize(xcb_connection_t *connection, xcb_window_t window)
{
    Reply<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return reply ? Size{reply->width, reply->height} : Size{};
}

// Ends the program and returns the processor time it used, in microseconds.
std::int64_t endProgram(pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return 0;
    const auto micro = [](const timeval &t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000 + t.tv_usec; };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: jumpline_mapwatch [--title TITLE] [--size WxH] [--timeout SECONDS] PROGRAM [ARG...]\n");
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "jumpline_mapwatch: cannot reach the X server (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");

    // Every top-level window is a child of the root: its mapping is reported here.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(connection,
                              xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        error) {
        std::fprintf(stderr, "jumpline_mapwatch: cannot watch the root window (X error %d)\n", error->error_code);
        return 2;
    }

    const std::int64_t start = nowMicroseconds();
    pid_t child = 0;
    if (const int failed = posix_spawnp(&child, options->program[0], nullptr, nullptr, options->program, environ)) {
        std::fprintf(stderr, "jumpline_mapwatch: cannot start %s: %s\n", options->program[0], std::strerror(failed));
        return 2;
    }

    const std::int64_t deadline = start + static_cast<std::int64_t>(options->timeoutSeconds) * 1000000;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const std::int64_t at = nowMicroseconds();
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
            std::free(event);
            if (!mapped || !hasTitle(connection, window, options->title, netWmName))
                continue;
            const Size size = windowSize(connection, window);
            if (options->width != 0 && (size.width != options->width || size.height != options->height))
                continue;
            const std::int64_t cpu = endProgram(child);
            std::printf("%lld %u %dx%d %lld\n", static_cast<long long>(at - start), window, size.width, size.height,
                        static_cast<long long>(cpu));
            xcb_disconnect(connection);
            return 0;
        }
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "jumpline_mapwatch: lost the X server\n");
            endProgram(child);
            return 2;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "jumpline_mapwatch: %s ended before a window '%s' was mapped\n",
                         options->program[0], options->title.c_str());
            return 1;
        }
        const std::int64_t left = deadline - nowMicroseconds();
        if (left <= 0) {
            std::fprintf(stderr, "jumpline_mapwatch: no window '%s' was mapped within %d s\n", options->title.c_str(),
                         options->timeoutSeconds);
            endProgram(child);
            return 1;
        }
        // Wake for the X server, and now and then to notice a program that has ended.
        const int waitMs = static_cast<int>(left / 1000 < 50 ? left / 1000 + 1 : 50);
        if (poll(&watched, 1, waitMs) < 0 && errno != EINTR) {
            std::perror("jumpline_mapwatch: poll");
            endProgram(child);
            return 2;
        }
    }
}
