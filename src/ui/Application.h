// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QApplication;

namespace ui {

// Program-wide set-up of the toolkit: one style on every desktop (so coloured button faces
// show), "*" as the password mask, and no quitting when the last window closes: the program
// passes through moments with no visible window and ends only where its rules say.
void initApplication(QApplication &app);

// Draws every window built from now on at `scale` (see displayScale()): the application's font
// grows with it, and the boxes, marks and icons the style draws.
void useDisplayScale(double scale);

// What the program finds before the toolkit starts: the platform the user asked for (the
// QT_QPA_PLATFORM variable or a -platform argument) and the displays the session offers.
struct DisplayEnvironment {
    QByteArray chosenPlatform; // empty when the user chose none
    QByteArray x11Display; // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    bool waylandPluginInstalled = false;
};

struct DisplayChoice {
    QByteArray platform; // to ask the toolkit for; empty: leave the user's choice alone
    QString problem; // why no window can be opened, in one line; empty when one can
};

// The program centres its windows and glides its splash screens, which a native Wayland
// window cannot do; so where the user has chosen nothing, X11 (XWayland on a Wayland session)
// comes first and Wayland only where there is no X display. When the platform is X11, by
// choice or by default, an X display that does not answer is told in one line, before the
// toolkit would abort with a message of its own. Other chosen platforms are left alone.
DisplayChoice chooseDisplay(
    const DisplayEnvironment &env, const std::function<bool(const QByteArray &display)> &xServerAnswers);

// Whether an X server accepts a connection on the display named, for local displays (":0",
// "unix:0.1"); a remote or unusual name counts as reachable and is left to the toolkit.
bool xServerAnswers(const QByteArray &display);

// Reads the environment and arguments, and chooses. On a problem it prints it and returns
// false: the program then exits with status 1. Otherwise the chosen platform is set for the
// toolkit until forgetPlatformChoice(), which keeps it from the programs this one starts.
bool prepareDisplay(int argc, char **argv);
void forgetPlatformChoice();

} // namespace ui
