// Launches a program and prints the milliseconds until a window with the given title
// is viewable on the X display, then ends the program. It waits on the X server's
// events (maps, new frames) instead of asking again and again, so that measuring
// takes no processor time from the program being measured. Used by bench/startup.sh.
//   mapped TITLE PROGRAM [ARGUMENTS...]
// When PARLEWIND_STARTUP_TRACE is set, the program is given the launch time in it
// (nanoseconds since the epoch), so that its marks count from the launch.
#define _GNU_SOURCE
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static xcb_connection_t *c;
static xcb_atom_t netWmName, utf8String;

static xcb_atom_t Atom(const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    const xcb_atom_t atom = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return atom;
}

static void Watch(xcb_window_t window)
{
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

static int Titled(xcb_window_t window, const char *title)
{
    const xcb_atom_t names[][2] = {{netWmName, utf8String}, {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}};
    for (int k = 0; k < 2; ++k) {
        xcb_get_property_reply_t *r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, names[k][0], names[k][1], 0, 256), NULL);
        const int same = r && xcb_get_property_value_length(r) == (int)strlen(title) &&
                         memcmp(xcb_get_property_value(r), title, strlen(title)) == 0;
        free(r);
        if (same)
            return 1;
    }
    return 0;
}

static int Viewable(xcb_window_t window)
{
    xcb_get_window_attributes_reply_t *r = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), NULL);
    const int viewable = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    free(r);
    return viewable;
}

// A top-level window or one in a window manager's frame.
static int Found(xcb_window_t window, const char *title, int depth)
{
    if (Titled(window, title) && Viewable(window))
        return 1;
    if (depth == 0)
        return 0;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), NULL);
    int found = 0;
    if (tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int k = 0; k < xcb_query_tree_children_length(tree) && !found; ++k)
            found = Found(children[k], title, depth - 1);
    }
    free(tree);
    return found;
}

static double Now(clockid_t clock)
{
    struct timespec t;
    clock_gettime(clock, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        fprintf(stderr, "usage: mapped TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const char *title = argv[1];
    c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapped: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    netWmName = Atom("_NET_WM_NAME");
    utf8String = Atom("UTF8_STRING");
    // The root's children (a window manager's frames) tell when a window in them is mapped.
    Watch(root);
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), NULL);
    if (tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int k = 0; k < xcb_query_tree_children_length(tree); ++k)
            Watch(children[k]);
    }
    free(tree);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL)); // the watches are in place

    const double start = Now(CLOCK_MONOTONIC);
    const pid_t child = fork();
    if (child == 0) {
        if (getenv("PARLEWIND_STARTUP_TRACE")) {
            char launched[32];
            snprintf(launched, sizeof launched, "%.0f", Now(CLOCK_REALTIME) * 1e6);
            setenv("PARLEWIND_STARTUP_TRACE", launched, 1);
        }
        // What it prints is not ours to print.
        freopen("/dev/null", "w", stdout);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 1;
    for (;;) {
        struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, 100);
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "mapped: %s ended before its window was shown\n", argv[2]);
            return 1;
        }
        xcb_generic_event_t *event;
        int check = 0;
        while ((event = xcb_poll_for_event(c))) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY && ((xcb_create_notify_event_t *)event)->parent == root)
                Watch(((xcb_create_notify_event_t *)event)->window);
            check = check || type == XCB_MAP_NOTIFY || type == XCB_REPARENT_NOTIFY;
            free(event);
        }
        if (xcb_connection_has_error(c))
            break;
        if (check && Found(root, title, 2)) {
            printf("%.0f\n", Now(CLOCK_MONOTONIC) - start);
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(c);
    return status;
}
