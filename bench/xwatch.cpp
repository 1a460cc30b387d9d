// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and times it from exec until its first window is mapped and painted.
//
//   xwatch PROGRAM [ARGS...]
//
// Prints "PID MILLISECONDS" once a window that carries the child's _NET_WM_PID has been mapped
// and has then received its first drawing (an X DAMAGE report on that window), and exits,
// leaving the program running (its standard output goes to /dev/null). Exits 1 with a message if no such window appears
// in 30 s.
//
// The root window's substructure is watched before the fork, so no window creation is missed;
// every new top-level window is watched for its map and its damage from the moment it exists.
// The window manager's own frames are told apart by _NET_WM_PID.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <sys/types.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

long windowPid(Display *dpy, Window w)
{
    static const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
        && data && count == 1 && format == 32)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window may be gone before it is looked at
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: xwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "xwatch: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(dpy));
        // The program outlives this watcher; it must not hold the pipe a caller reads from.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
        execvp(argv[1], argv + 1);
        std::perror("xwatch: exec");
        _exit(127);
    }

    std::set<Window> mapped;
    while (nowMs() - start < 30000) {
        if (!XPending(dpy)) {
            pollfd p { ConnectionNumber(dpy), POLLIN, 0 };
            poll(&p, 1, 100);
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == CreateNotify && ev.xcreatewindow.parent == root && !ev.xcreatewindow.override_redirect) {
            const Window w = ev.xcreatewindow.window;
            XSelectInput(dpy, w, StructureNotifyMask);
            XDamageCreate(dpy, w, XDamageReportRawRectangles);
            XWindowAttributes a {};
            if (XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable && windowPid(dpy, w) == child)
                mapped.insert(w);
        } else if (ev.type == MapNotify && ev.xmap.event == ev.xmap.window) {
            if (windowPid(dpy, ev.xmap.window) == child)
                mapped.insert(ev.xmap.window);
        } else if (ev.type == damageEvent + XDamageNotify) {
            const auto *d = reinterpret_cast<XDamageNotifyEvent *>(&ev);
            if (mapped.count(d->drawable)) {
                std::printf("%d %.1f\n", int(child), nowMs() - start);
                std::fflush(stdout);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "xwatch: no window of pid %d was mapped and painted within 30 s\n", int(child));
    return 1;
}
