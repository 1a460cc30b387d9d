# SPDX-License-Identifier: GPL-3.0-or-later
"""The transcript of a screen-reader run: each key the child pressed (as Orca echoed it) and what
Orca said after it, one key a line; a run of Tabs through the board's stones is one line. Then
the driver's own log (keys and focus events, seconds from its start).
Usage: transcript.py KEYS_FILE ORCA_LOG"""
import re
import sys

keys_file, orca_log = sys.argv[1], sys.argv[2]

with open(orca_log, encoding="utf-8", errors="replace") as f:
    log = f.read()
# An utterance runs from "SPEECH OUTPUT: '" to "'{" and may span lines.
utterances = [u.replace("\n", " ") for u in re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{", log, re.S)]

lines = []  # [key, [said...]]
for u in utterances:
    # Orca echoes a key as its name followed by a blank; what it says otherwise never ends so.
    if u.endswith(" ") and len(u) <= 16:
        lines.append([u.strip(), []])
    elif lines:
        lines[-1][1].append(u)
    else:
        lines.append(["", [u]])

passing = re.compile(r"^(Stone \d+|\w+ marker on stone \d+ image\.)")
out = []
i = 0
while i < len(lines):
    key, said = lines[i]
    j = i
    while (j < len(lines) and lines[j][0] == "tab" and len(lines[j][1]) == 1
           and passing.match(lines[j][1][0])):
        j += 1
    if j - i >= 3:
        out.append(f"[tab x{j - i}] {lines[i][1][0]} ... {lines[j - 1][1][0]}")
        i = j
        continue
    out.append(f"[{key}] " + " / ".join(said) if key else " / ".join(said))
    i += 1

print("What Orca said after each key (keys as Orca echoed them):")
for line in out:
    print("  " + line)
print()
print("The driver's log (seconds from its start):")
with open(keys_file, encoding="utf-8", errors="replace") as f:
    for line in f:
        print("  " + line.rstrip())
