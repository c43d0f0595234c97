#!/usr/bin/python3
"""Every check is heard, and nothing else: driven on a virtual display, the program plays to a
private sound server whose only sink is a null sink, and the sink's monitor is recorded. At
start, on typing, on "!" and on moves between screens it stays silent; each check plays one
cue, the one of its verdict, told apart by matching the recording against the committed files;
a check while its cue sounds restarts it without a click. With the server stopped (SIGSTOP),
before the first check and after some, a check still shows its verdict while the server is
stopped, its cue is never played late, and the next check after the server resumes sounds.
Usage: cue-check.py <path-to-sostav>   (exit 77: a needed tool is missing)"""
import array, os, shutil, signal, subprocess, sys, time, wave
from harness import need, scratch, skip, start, x_server

program = os.path.abspath(sys.argv[1])
wm = shutil.which("metacity") or shutil.which("openbox")
need("Xvfb", "xdotool", "xprop", "xwininfo", "pulseaudio", "parec", "pactl", wm or "metacity")
try:
    from Xlib import X, display as xdisplay
    from Xlib.ext import xtest
except ImportError:
    skip("python3-xlib is not installed")
cues = {}
for name in ("right", "wrong"):
    with wave.open(os.path.join(os.path.dirname(__file__), "..", "..", "assets", "cue-%s.wav" % name)) as file:
        rate, samples = file.getframerate(), array.array("h", file.readframes(file.getnframes()))
    sounding = [i for i, s in enumerate(samples) if s]
    cues[name] = samples[sounding[0] : sounding[-1] + 1]

home = scratch()
os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:" + home + "/native")
# Without rewinds the monitor hears exactly what the sink plays, the first sample included.
server = start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
      "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + home + "/native",
      "-L", "module-null-sink sink_name=cues norewinds=1 rate=%d" % rate)
x_server()
start(wm, "--replace")
xserver = xdisplay.Display()
while subprocess.run(["pactl", "info"], capture_output=True).returncode:
    time.sleep(0.1)
recording = os.path.join(home, "monitor.raw")
start("parec", "--device=cues.monitor", "--format=s16le", "--rate=%d" % rate, "--channels=1",
      "--latency-msec=20", stdout=open(recording, "wb"))
time.sleep(1)

def window(name):  # once placed and still; searched afresh: Debian 12's xdotool dies of a window gone meanwhile
    output = lambda *command: subprocess.run(command, capture_output=True, text=True).stdout
    seen = None
    for _ in range(100):
        found = output("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name).split()
        seen, was = found and "Normal" in output("xprop", "-id", found[0], "WM_STATE") and output("xwininfo", "-id", found[0]), seen
        if seen and seen == was:
            time.sleep(1)
            return found[0]
        time.sleep(0.3)
    sys.exit("FAIL: no window named %s appeared" % name)
steps = [("start", [], 0)]  # what each action should make heard, and where in the recording it begins
start(program, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
def press(screen, x, y, action, expected, typed=()):
    steps.append((action, expected, os.path.getsize(recording) // 2))
    subprocess.run(["xdotool", "mousemove", "--window", screen, str(x), str(y), "click", "1", *typed])
    time.sleep(1.5)
late = []  # checks whose verdict waited for the stopped server
def frozen(screen, action):  # a check with the server stopped, resumed 3 s after the click
    steps.append((action + ", resumed", [], os.path.getsize(recording) // 2))
    window = xserver.create_resource_object("window", int(screen))
    verdicts = lambda: window.get_image(40, 108, 450, 1, X.ZPixmap, 0xFFFFFFFF).data  # through both
    os.kill(server.pid, signal.SIGSTOP)
    before, at = verdicts(), xserver.screen().root.translate_coords(window, 112, 332)
    xtest.fake_input(xserver, X.MotionNotify, x=at.x, y=at.y)
    xserver.sync()
    clicked = time.monotonic()
    xtest.fake_input(xserver, X.ButtonPress, 1)
    xtest.fake_input(xserver, X.ButtonRelease, 1)
    xserver.sync()
    while verdicts() == before and time.monotonic() < clicked + 3:
        time.sleep(0.002)
    shown = time.monotonic() - clicked
    time.sleep(max(0, clicked + 3 - time.monotonic()))  # past the second a cue may wait
    os.kill(server.pid, signal.SIGCONT)
    print("%-26s verdict shown %.0f ms after the click" % (action + ":", shown * 1000))
    if shown >= 3:
        late.append(action)
    time.sleep(1.5)  # a cue played late would be recorded here
press(window("Form1"), 364, 60, "menu to the screen for 10", [])
form3 = window("Form3")
frozen(form3, "check, server stopped before")
press(form3, 112, 332, "check with empty boxes", ["wrong"])
press(form3, 112, 332, "the same check again", ["wrong"])
press(form3, 120, 220, "typing 3", [], ("type", "3"))
press(form3, 408, 220, "typing 7", [], ("type", "7"))
press(form3, 112, 332, "check of 3 + 7", ["right"])
press(form3, 112, 332, "the same check again", ["right"])
press(form3, 112, 332, "two checks 0.15 s apart", ["right, restarted"], ("sleep", "0.15", "click", "1"))
press(form3, 232, 332, '"!"', [])
frozen(form3, "check, server stopped after")
press(form3, 112, 332, "check after the resume", ["wrong"])
press(form3, 660, 328, "back to the menu", [])
steps.append(("end", [], os.path.getsize(recording) // 2))
recorded = array.array("h", open(recording, "rb").read())

def similarity(sound, cue):  # normalised correlation, the two aligned at their first sample
    pairs = list(zip(sound, cue))
    energy = (sum(a * a for a, _ in pairs) * sum(b * b for _, b in pairs)) ** 0.5
    return sum(a * b for a, b in pairs) / energy

def heard(first, last):  # each separate sound, named by the cue it matches
    sounding = [i for i in range(first, last) if recorded[i]]
    if not sounding:
        return []
    breaks = [n for n in range(1, len(sounding)) if sounding[n] - sounding[n - 1] > rate // 20]
    names = []
    for begin, end in zip([0] + breaks, breaks + [len(sounding)]):
        sound = recorded[sounding[begin] : sounding[end - 1] + 1]
        name = "an unknown or cut sound"
        for cue, samples in cues.items():  # whole, or cut short by a whole one
            tail = sound[max(0, len(sound) - len(samples)) :]
            if abs(len(tail) - len(samples)) <= rate // 100 and similarity(tail[::-1], samples[::-1]) > 0.9:
                name = cue if len(sound) - len(samples) <= rate // 100 else cue + ", restarted"
        bends = [abs(sound[i - 1] - 2 * sound[i] + sound[i + 1]) for i in range(1, len(sound) - 1)]
        names.append(name if max(bends, default=0) < max(map(abs, cues["right"])) / 10 else name + " with a click")
    return names

failed = False
for (action, expected, begin), (_, _, end) in zip(steps, steps[1:]):
    got = heard(begin, end)
    print("%-26s heard: %s" % (action, ", ".join(got) or "nothing"))
    if got != expected:
        print("FAIL: expected", ", ".join(expected) or "nothing")
        failed = True
for action in late:
    print("FAIL: %s: no verdict while the server was stopped" % action)
print("cues:", "FAIL" if failed or late else "PASS")
sys.exit(1 if failed or late else 0)
