#!/usr/bin/env python3
"""Milliseconds from the start of a command to the first encoded byte of an MP3
file it writes in OUT, and to its end: "FIRST TOTAL".

An MP3 being written under a temporary name that is not yet linked into the folder
(an atomic save) is found among the command's open files. Bytes of an ID3v2 tag do
not count: they are written before any sound is.

usage: first_byte.py OUT COMMAND...
"""
import os
import subprocess
import sys
import time

out = os.path.realpath(sys.argv[1])
command = sys.argv[2:]


def sound_bytes(path):
    try:
        with open(path, "rb") as f:
            head = f.read(10)
        size = os.stat(path).st_size
    except OSError:
        return 0
    if head[:3] == b"ID3" and len(head) == 10:
        s = head[6:10]
        return size - 10 - ((s[0] << 21) | (s[1] << 14) | (s[2] << 7) | s[3])
    return size


def candidates(pid):
    for name in os.listdir(out):
        if name.endswith(".mp3"):
            yield os.path.join(out, name)
    try:
        for fd in os.listdir(f"/proc/{pid}/fd"):
            link = f"/proc/{pid}/fd/{fd}"
            try:
                if os.readlink(link).startswith(out + "/"):
                    yield link
            except OSError:
                pass
    except OSError:
        pass


os.makedirs(out, exist_ok=True)
start = time.monotonic()
process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
first = None
while first is None and process.poll() is None:
    if any(sound_bytes(path) > 0 for path in candidates(process.pid)):
        first = time.monotonic() - start
    else:
        time.sleep(0.0005)
process.wait()
total = time.monotonic() - start
print(f"{(first if first is not None else total) * 1000:.0f} {total * 1000:.0f}")
