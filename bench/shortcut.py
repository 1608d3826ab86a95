#!/usr/bin/env python3
"""Milliseconds from the read-the-selection shortcut to the first sound of a
30-word selection, through the running program, the X server and the sound
server: "MEDIAN ALL...". Run by shortcut.sh on a private display and sound server.

usage: shortcut.py PROGRAM ROUNDS
"""
import os
import select
import statistics
import subprocess
import sys
import time

program, rounds = sys.argv[1], int(sys.argv[2])
words = ("Reading the selection of another program starts as soon as the key is pressed, "
         "with the voice chosen for new articles, and the words that follow are spoken one "
         "after another until the end.")
app = subprocess.Popen([program, "-auto"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "parlewind.socket")
for _ in range(300):
    if os.path.exists(socket):
        break
    time.sleep(0.05)
time.sleep(2)  # the window's first show is over
xclip = subprocess.Popen(["xclip", "-selection", "primary", "-quiet"], stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
xclip.stdin.write(words.encode())
xclip.stdin.close()
time.sleep(0.3)


def key():
    subprocess.run(["xdotool", "key", "ctrl+alt+shift+s"], check=True)


latencies = []
for _ in range(rounds):
    rec = subprocess.Popen(["parec", "--latency-msec=2", "-d", "speakers.monitor", "--raw", "--format=s16le",
                            "--channels=1", "--rate=44100"], stdout=subprocess.PIPE)
    time.sleep(0.5)
    os.set_blocking(rec.stdout.fileno(), False)
    while True:  # what was recorded before the key is not the answer
        try:
            if not rec.stdout.read(65536):
                break
        except (BlockingIOError, TypeError):
            break
    start = time.monotonic()
    key()
    heard = None
    while heard is None and time.monotonic() - start < 5:
        select.select([rec.stdout], [], [], 0.05)
        chunk = rec.stdout.read(65536)
        if not chunk:
            continue
        samples = memoryview(chunk).cast("h") if len(chunk) % 2 == 0 else memoryview(chunk[:-1]).cast("h")
        if any(abs(s) > 300 for s in samples):
            heard = time.monotonic()
    rec.terminate()
    rec.wait()
    if heard is not None:
        latencies.append((heard - start) * 1000)
    key()  # pressed again: the reading stops
    time.sleep(1.0)
xclip.kill()
app.terminate()
app.wait(timeout=10)
print("%.0f %s" % (statistics.median(latencies) if latencies else -1, " ".join("%.0f" % l for l in latencies)))
