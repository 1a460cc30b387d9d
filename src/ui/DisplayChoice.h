// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Before the toolkit starts: whether there is a display the program can open its windows on,
// and which platform to ask the toolkit for.
namespace ui {

// What the program finds before the toolkit starts: the platform the user asked for (the
// QT_QPA_PLATFORM variable or a -platform argument), the displays the session offers, and the
// toolkit's own scale factor.
struct DisplayEnvironment {
    QByteArray chosenPlatform; // empty when the user chose none
    QByteArray x11Display; // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray waylandSocket; // WAYLAND_SOCKET: a connection the compositor handed over
    QByteArray runtimeDir; // XDG_RUNTIME_DIR, where a compositor's socket is found by name
    QString scaleFactor; // QT_SCALE_FACTOR, as written
    bool waylandPluginInstalled = false;
};

struct DisplayChoice {
    QByteArray platform; // to ask the toolkit for; empty: leave the user's choice alone
    QString problem; // why no window can be opened, in one line; empty when one can
};

// The program centres its windows and glides its splash screens, which a native Wayland
// window cannot do; so where the user has chosen nothing, X11 (XWayland on a Wayland session)
// comes first and Wayland only where there is no X display. Whichever of the two the platform
// is, by choice or by default, a display that does not answer is told in one line, before the
// toolkit would abort with a message of its own. Other chosen platforms are left alone.
// A QT_SCALE_FACTOR the toolkit would take (it reads the number as QString::toDouble does, and
// ignores what it cannot read) must be a finite number above 0: with any other, every screen
// size overflows, turns negative or vanishes, and nothing can be drawn.
DisplayChoice chooseDisplay(const DisplayEnvironment &env,
    const std::function<bool(const QByteArray &display)> &xServerAnswers,
    const std::function<bool(const QByteArray &socketPath)> &compositorAnswers);

// Whether an X server accepts a connection on the display named, for local displays (":0",
// "unix:0.1"); a remote or unusual name counts as reachable and is left to the toolkit.
bool xServerAnswers(const QByteArray &display);
// Whether a Wayland compositor accepts a connection on the socket file named.
bool compositorAnswers(const QByteArray &socketPath);

// Reads the environment and arguments, and chooses. On a problem it prints it and returns
// false: the program then exits with status 1. Otherwise the chosen platform is set for the
// toolkit until forgetPlatformChoice(), which keeps it from the programs this one starts.
bool prepareDisplay(int argc, char **argv);
void forgetPlatformChoice();

} // namespace ui
