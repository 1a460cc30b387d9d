# SPDX-License-Identifier: GPL-3.0-or-later
"""The transcript of a screen-reader run: the keys the driver pressed and what Orca said, in order.
Usage: transcript.py KEYS_FILE ORCA_LOG"""
import re
import sys

keys_file, orca_log = sys.argv[1], sys.argv[2]
print("Keys pressed by the driver (seconds from its start):")
with open(keys_file, encoding="utf-8", errors="replace") as f:
    for line in f:
        print("  " + line.rstrip())
print()
print("Orca's log, keys as Orca saw them and what it said:")
pressed = re.compile(r"KEY PRESS.*?event_string=([^\s,]+)|event_string:\s*'?([^'\s]+)")
with open(orca_log, encoding="utf-8", errors="replace") as f:
    for line in f:
        if "SPEECH OUTPUT" in line:
            print("  said: " + line.split("SPEECH OUTPUT:", 1)[1].strip())
        elif "KEYBOARD_EVENT" in line and "PRESS" in line:
            print("  key:  " + line.strip()[:120])
