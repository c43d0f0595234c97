#!/usr/bin/python3
"""Time from a click on "ПРОВЕРКА" to the first sample of its cue leaving a sound server
whose sink has gone idle and been suspended before every click.

Starts its own Xvfb and PulseAudio. The sink writes what it plays into a pipe, timed by the
system clock, in blocks of about 12 ms; a reader notes when each block arrives. Before each
click the sink is left idle until the server has suspended it. The click is made through
XTEST and timed just before it is sent. For each check the script reports the time to the
first sound sample, and whether the cue began with its own first sample (nothing eaten by
the sink's waking up).
Usage: cue-latency.py <path-to-sostav> [--runs N] [--checks N]"""
import argparse, array, atexit, fcntl, os, shutil, statistics, subprocess, sys, tempfile, threading, time, wave

from Xlib import X, display as xdisplay
from Xlib.ext import xtest

parser = argparse.ArgumentParser()
parser.add_argument("program")
parser.add_argument("--runs", type=int, default=3, help="program starts; the first check of each is a cold one")
parser.add_argument("--checks", type=int, default=5, help="checks per program start")
args = parser.parse_args()
assets = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
with wave.open(os.path.join(assets, "cue-wrong.wav")) as cue_file:
    rate = cue_file.getframerate()
    cue = [s for s in array.array("h", cue_file.readframes(cue_file.getnframes()))]
cue_start = cue[next(i for i, s in enumerate(cue) if s) :]

home = tempfile.mkdtemp()
children = []  # ended however the run ends, a failure included
atexit.register(lambda: ([c.terminate() for c in reversed(children)], shutil.rmtree(home, True)))
def start(*command, **options):
    children.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options))
    return children[-1]
os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:" + home + "/native")

# Stereo 32-bit frames: 8 bytes each, so the smallest pipe (one page) holds about 12 ms.
fifo = os.path.join(home, "sink")
os.mkfifo(fifo)
reader = os.open(fifo, os.O_RDONLY | os.O_NONBLOCK)
fcntl.fcntl(reader, fcntl.F_SETPIPE_SZ, 4096)
start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
      "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + home + "/native",
      "-L", "module-pipe-sink sink_name=pipe file=%s format=s32le rate=%d channels=2 use_system_clock_for_timing=yes" % (fifo, rate),
      "-L", "module-suspend-on-idle timeout=1")
blocks = []  # (arrival time, first frame index, left channel samples)
def read_sink():
    os.set_blocking(reader, True)
    frames = 0
    while True:
        data = os.read(reader, 65536)
        if not data:  # no writer yet
            time.sleep(0.01)
            continue
        now = time.monotonic()
        left = array.array("i", data)[::2]
        blocks.append((now, frames, left))
        frames += len(left)
threading.Thread(target=read_sink, daemon=True).start()

ready, told = os.pipe()
start("Xvfb", "-displayfd", str(told), "-nolisten", "tcp", pass_fds=[told])
os.close(told)
os.environ["DISPLAY"] = ":" + os.read(ready, 16).decode().strip()
start(shutil.which("metacity") or "openbox", "--replace")
x = xdisplay.Display()
time.sleep(1)

def suspended():
    sinks = subprocess.run(["pactl", "list", "short", "sinks"], capture_output=True, text=True).stdout
    return "SUSPENDED" in sinks
def window(name):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % name],
                           capture_output=True, text=True, timeout=30).stdout.split()
    time.sleep(1)
    info = subprocess.run(["xwininfo", "-id", found[0]], capture_output=True, text=True).stdout
    return [int(line.split(":")[1]) for line in info.splitlines() if "Absolute upper-left" in line]
def click(at, x0, y0):
    xtest.fake_input(x, X.MotionNotify, x=at[0] + x0, y=at[1] + y0)
    x.sync()
    time.sleep(0.2)
    clicked = time.monotonic()
    xtest.fake_input(x, X.ButtonPress, 1)
    xtest.fake_input(x, X.ButtonRelease, 1)
    x.sync()
    return clicked
def first_sound(since):
    """Seconds from `since` to the first sounding sample, and where in the cue the sound began."""
    for arrived, first, left in list(blocks):
        if arrived < since:
            continue
        for k, s in enumerate(left):
            if s:
                heard = [v >> 16 for v in left[k : k + 32]]
                offset = next((i for i in range(len(cue_start)) if cue_start[i : i + len(heard)] == heard), None)
                return arrived + k / rate - since, offset
    return None, None

results = {"first check": [], "later checks": []}
for run in range(args.runs):
    app = start(args.program, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    menu = window("Form1")
    click(menu, 364, 60)
    form = window("Form3")
    for check in range(args.checks):
        deadline = time.monotonic() + 20
        while not suspended() and time.monotonic() < deadline:
            time.sleep(0.2)
        was_suspended = suspended()
        time.sleep(0.5)
        since = click(form, 112, 332)
        time.sleep(1.5)
        latency, offset = first_sound(since)
        kind = "first check" if check == 0 else "later checks"
        ms = latency * 1000 if latency is not None else float("nan")
        print("run %d check %d (%s): sink suspended before: %s, first sound %.1f ms after the click, "
              "cue began at its sample %s" % (run + 1, check + 1, kind, "yes" if was_suspended else "NO", ms, offset))
        results[kind].append(ms)
    app.terminate()
    app.wait()
for kind, values in results.items():
    print("%s: median %.1f ms, largest %.1f ms (%d checks)" % (kind, statistics.median(values), max(values), len(values)))
