// A pointer for tests under a wlroots compositor (sway): it moves, presses and releases the
// left button through the virtual-pointer protocol, in the compositor's layout coordinates
// (with one output at 0,0 and scale 1, the pixels of a screenshot).
//
// Usage: vpointer [COMMAND...]
//   move X Y                   put the pointer at (X, Y)
//   down | up                  press | release the left button where the pointer is
//   click                      press and release
//   drag X0 Y0 X1 Y1 [STEPS]   press at (X0, Y0), move to (X1, Y1) in STEPS steps (8), release
// With commands, it runs them and exits. With none, it reads one command a line from its
// standard input and answers each with "ok" (or "error: ...") once the compositor has
// handled it, until the input ends. That second way keeps one pointer device for a whole
// test: a seat without a pointer device has no pointer, and a client learns of a new one
// only after it has been made, so the first event of a pointer made just for it can be lost.
//
// Exit status: 0 done, 1 a command was wrong, 2 no compositor or no virtual-pointer protocol.

#define _POSIX_C_SOURCE 200809L // clock_gettime

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

struct state {
    struct wl_display *display;
    struct wl_seat *seat;
    struct wl_output *output;
    struct zwlr_virtual_pointer_manager_v1 *manager;
    struct zwlr_virtual_pointer_v1 *pointer;
    int32_t width, height, scale; // the output's current mode and scale
    uint32_t x, y;                // where the pointer was put last
};

static void output_geometry(void *data, struct wl_output *output, int32_t x, int32_t y, int32_t width_mm,
                            int32_t height_mm, int32_t subpixel, const char *make, const char *model,
                            int32_t transform)
{
    (void)data, (void)output, (void)x, (void)y, (void)width_mm, (void)height_mm, (void)subpixel, (void)make,
        (void)model, (void)transform;
}

static void output_mode(void *data, struct wl_output *output, uint32_t flags, int32_t width, int32_t height,
                        int32_t refresh)
{
    struct state *state = data;
    (void)output, (void)refresh;
    if (flags & WL_OUTPUT_MODE_CURRENT)
        state->width = width, state->height = height;
}

static void output_done(void *data, struct wl_output *output)
{
    (void)data, (void)output;
}

static void output_scale(void *data, struct wl_output *output, int32_t factor)
{
    struct state *state = data;
    (void)output;
    state->scale = factor;
}

static const struct wl_output_listener output_listener = {
    .geometry = output_geometry, .mode = output_mode, .done = output_done, .scale = output_scale};

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    struct state *state = data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && state->seat == NULL)
        state->seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, wl_output_interface.name) == 0 && state->output == NULL) {
        state->output = wl_registry_bind(registry, name, &wl_output_interface, 2);
        wl_output_add_listener(state->output, &output_listener, state);
    } else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        state->manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener registry_listener = {.global = global, .global_remove = global_remove};

static uint32_t now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void motion(struct state *state, uint32_t x, uint32_t y)
{
    // The extent is the layout's size, so that x of it lands on pixel x.
    zwlr_virtual_pointer_v1_motion_absolute(state->pointer, now(), x, y, (uint32_t)(state->width / state->scale),
                                            (uint32_t)(state->height / state->scale));
    zwlr_virtual_pointer_v1_frame(state->pointer);
}

static uint32_t towards(uint32_t from, uint32_t to)
{
    return from < to ? to - 1 : from > to ? to + 1 : to;
}

// Arrives from one pixel short of (x, y): a pointer that enters a window with its last step
// gives the window an enter and no motion, and XWayland then keeps its pointer where it was
// and sends the next click there.
static void move(struct state *state, uint32_t x, uint32_t y)
{
    if (x != state->x || y != state->y)
        motion(state, towards(state->x, x), towards(state->y, y));
    motion(state, x, y);
    state->x = x, state->y = y;
}

static void button(struct state *state, int pressed)
{
    zwlr_virtual_pointer_v1_button(state->pointer, now(), BTN_LEFT,
                                   pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(state->pointer);
}

// A whole number in 0 ... limit - 1, or -1.
static long coordinate(const char *text, long limit)
{
    char *end = NULL;
    const long value = text != NULL ? strtol(text, &end, 10) : -1;
    return text != NULL && *text != '\0' && *end == '\0' && value >= 0 && value < limit ? value : -1;
}

// Runs the command in words[0 .. count - 1]; returns NULL, or what is wrong with it.
static const char *run(struct state *state, char **words, int count)
{
    const long width = state->width / state->scale, height = state->height / state->scale;
    long p[5] = {0, 0, 0, 0, 8};
    const char *verb = words[0];
    if (strcmp(verb, "down") == 0 || strcmp(verb, "up") == 0 || strcmp(verb, "click") == 0) {
        if (count != 1)
            return "down, up and click take nothing more";
        if (strcmp(verb, "up") != 0)
            button(state, 1);
        if (strcmp(verb, "down") != 0)
            button(state, 0);
    } else if (strcmp(verb, "move") == 0) {
        if (count != 3 || (p[0] = coordinate(words[1], width)) < 0 || (p[1] = coordinate(words[2], height)) < 0)
            return "move takes X Y on the output";
        move(state, (uint32_t)p[0], (uint32_t)p[1]);
    } else if (strcmp(verb, "drag") == 0) {
        if (count < 5 || count > 6)
            return "drag takes X0 Y0 X1 Y1 [STEPS]";
        for (int i = 0; i < 4; ++i)
            if ((p[i] = coordinate(words[i + 1], i % 2 == 0 ? width : height)) < 0)
                return "drag takes X0 Y0 X1 Y1 on the output";
        if (count == 6 && (p[4] = coordinate(words[5], 1000)) < 1)
            return "drag takes 1 to 999 steps";
        move(state, (uint32_t)p[0], (uint32_t)p[1]);
        button(state, 1);
        for (long i = 1; i <= p[4]; ++i) {
            move(state, (uint32_t)(p[0] + (p[2] - p[0]) * i / p[4]), (uint32_t)(p[1] + (p[3] - p[1]) * i / p[4]));
            wl_display_roundtrip(state->display); // one motion at a time, as a hand makes them
        }
        button(state, 0);
    } else
        return "unknown command";
    return NULL;
}

int main(int argc, char **argv)
{
    struct wl_display *display = wl_display_connect(NULL);
    struct state state = {.display = display, .scale = 1};
    if (display == NULL) {
        fprintf(stderr, "vpointer: no Wayland compositor at WAYLAND_DISPLAY\n");
        return 2;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, &state);
    wl_display_roundtrip(display); // the globals
    wl_display_roundtrip(display); // the output's mode and scale
    if (state.manager == NULL || state.output == NULL || state.width <= 0 || state.scale <= 0) {
        fprintf(stderr, "vpointer: the compositor offers no %s\n",
                state.manager == NULL ? "virtual pointer (zwlr_virtual_pointer_manager_v1)" : "output");
        return 2;
    }
    state.pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(state.manager, state.seat);

    int status = 0;
    if (argc > 1) {
        // Commands on the command line: each starts at a word that names a command.
        for (int first = 1; first < argc && status == 0;) {
            int next = first + 1;
            while (next < argc && coordinate(argv[next], 1L << 30) >= 0)
                ++next;
            const char *problem = run(&state, argv + first, next - first);
            if (problem != NULL) {
                fprintf(stderr, "vpointer: %s\n", problem);
                status = 1;
            }
            first = next;
        }
        wl_display_roundtrip(display);
    } else {
        char line[256];
        setvbuf(stdout, NULL, _IOLBF, 0);
        while (fgets(line, sizeof line, stdin) != NULL) {
            char *words[8];
            int count = 0;
            for (char *word = strtok(line, " \t\r\n"); word != NULL && count < 8; word = strtok(NULL, " \t\r\n"))
                words[count++] = word;
            if (count == 0)
                continue;
            const char *problem = run(&state, words, count);
            if (wl_display_roundtrip(display) < 0) {
                fprintf(stderr, "vpointer: the compositor went away\n");
                return 2;
            }
            printf(problem == NULL ? "ok\n" : "error: %s\n", problem);
        }
    }
    zwlr_virtual_pointer_v1_destroy(state.pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return status;
}
