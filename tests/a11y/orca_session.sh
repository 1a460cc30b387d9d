#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The inside of the screen-reader run, on its own session bus (run by orca_run.sh under
# dbus-run-session): the accessibility bus, a window manager, Orca with its debug log, then
# Playhaven, played by drive.py. Usage: orca_session.sh PLAYHAVEN WORK_DIR
set -uo pipefail
program=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.txt" 2>&1 &
pids+=($!)
sleep 1
openbox >"$work/openbox.txt" 2>&1 &
pids+=($!)
# Orca writes its log as it goes but only flushes it at the end; it is read once Orca is gone.
orca --replace --debug-file "$work/orca.log" >"$work/orca-output.txt" 2>&1 &
orca_pid=$!
pids+=($orca_pid)
# Orca takes about ten seconds to start listening: it is ready a moment after it shows up on the
# accessibility bus as an application of its own.
/usr/bin/python3 - <<'PY' || echo "Orca did not show up on the accessibility bus" >&2
import sys, time
import pyatspi
end = time.time() + 90
while time.time() < end:
    desktop = pyatspi.Registry.getDesktop(0)
    names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)
             if desktop.getChildAtIndex(i) is not None]
    if "orca" in names:
        sys.exit(0)
    time.sleep(0.5)
sys.exit(1)
PY
sleep 4
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --lang en --scale 1 >"$work/program-output.txt" 2>&1 &
app_pid=$!
pids+=($app_pid)
/usr/bin/python3 "$here/drive.py" >"$work/keys.txt" 2>&1
driven=$?
sleep 2
kill "$app_pid" 2>/dev/null
# Orca ends on SIGTERM and closes its log then.
kill -TERM "$orca_pid" 2>/dev/null
for _ in $(seq 1 50); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.2; done
kill -KILL "$orca_pid" 2>/dev/null
exit "$driven"
