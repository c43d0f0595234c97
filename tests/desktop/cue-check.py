#!/usr/bin/python3
"""Every check is heard, and nothing else: driven on a virtual display, the program plays to a
private sound server whose only sink is a null sink, and the sink's monitor is recorded. At
start, on typing, on "!" and on moves between screens it stays silent; each check plays one
cue, the one of its verdict, told apart by matching the recording against the committed files.
Usage: cue-check.py <path-to-sostav>   (exit 77: a needed tool is missing)"""
import array, atexit, os, shutil, subprocess, sys, tempfile, time, wave

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")

if len(sys.argv) != 2:
    sys.exit(__doc__)
program = os.path.abspath(sys.argv[1])
for tool in ("Xvfb", "xdotool", "pulseaudio", "parec", "pactl"):
    if not shutil.which(tool):
        print("skip:", tool, "is not installed")
        sys.exit(77)
wm = shutil.which("metacity") or shutil.which("openbox")

cues = {}
for name in ("right", "wrong"):
    with wave.open(os.path.join(ASSETS, "cue-%s.wav" % name)) as file:
        rate = file.getframerate()
        samples = array.array("h", file.readframes(file.getnframes()))
    sounding = [i for i, s in enumerate(samples) if s]
    cues[name] = samples[sounding[0] : sounding[-1] + 1]

home = tempfile.mkdtemp()
children = []  # ended however the check ends, a failure included
atexit.register(lambda: ([c.terminate() for c in reversed(children)], shutil.rmtree(home, True)))
def start(*command, **options):
    options.setdefault("stdout", subprocess.DEVNULL)
    children.append(subprocess.Popen(command, stderr=subprocess.DEVNULL, **options))
    return children[-1]

os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:" + home + "/native")
# Without rewinds the monitor hears exactly what the sink plays, the first sample included.
start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
      "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + home + "/native",
      "-L", "module-null-sink sink_name=cues norewinds=1 rate=%d" % rate)
ready, told = os.pipe()
start("Xvfb", "-displayfd", str(told), "-nolisten", "tcp", pass_fds=[told])
os.close(told)
os.environ["DISPLAY"] = ":" + os.read(ready, 16).decode().strip()
wm and start(wm, "--replace")
for _ in range(50):
    if subprocess.run(["pactl", "info"], capture_output=True).returncode == 0:
        break
    time.sleep(0.1)
recording = open(os.path.join(home, "monitor.raw"), "wb")
start("parec", "--device=cues.monitor", "--format=s16le", "--rate=%d" % rate, "--channels=1",
      "--latency-msec=20", stdout=recording)
time.sleep(1)

def window(name):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % name],
                           capture_output=True, text=True, timeout=30).stdout.split()
    time.sleep(1)
    return found[0]
def heard():  # samples recorded so far
    return os.path.getsize(recording.name) // 2

# What each action should make heard, and where in the recording it begins.
steps = [("start", [], heard())]
start(program, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
menu = window("Form1")
def press(screen, x, y, action, expected, typed=()):
    steps.append((action, expected, heard()))
    subprocess.run(["xdotool", "mousemove", "--window", screen, str(x), str(y), "click", "1", *typed])
    time.sleep(1.5)
press(menu, 364, 60, "menu to the screen for 10", [])
form3 = window("Form3")
press(form3, 112, 332, "check with empty boxes", ["wrong"])
press(form3, 112, 332, "the same check again", ["wrong"])
press(form3, 120, 220, "typing 3", [], ("type", "3"))
press(form3, 408, 220, "typing 7", [], ("type", "7"))
press(form3, 112, 332, "check of 3 + 7", ["right"])
press(form3, 112, 332, "the same check again", ["right"])
press(form3, 232, 332, '"!"', [])
press(form3, 660, 328, "back to the menu", [])
steps.append(("end", [], heard()))
recorded = array.array("h", open(recording.name, "rb").read())

def similarity(sound, cue):
    """Normalised correlation of a recorded sound with a cue, at the best of a few alignments."""
    best = 0
    for lag in range(-8, 9):
        pairs = [(sound[i + lag], c) for i, c in enumerate(cue) if 0 <= i + lag < len(sound)]
        dot = sum(a * b for a, b in pairs)
        energy = (sum(a * a for a, _ in pairs) * sum(b * b for _, b in pairs)) ** 0.5
        best = max(best, dot / energy if energy else 0)
    return best

def sounds(first, last):
    """The separate sounds between two places in the recording, each named by the cue it matches."""
    found, begin, end, gap = [], None, None, rate // 20
    for i in range(first, last):
        if recorded[i]:
            if begin is not None and i - end > gap:
                found.append((begin, end))
                begin = None
            begin = i if begin is None else begin
            end = i
    found += [(begin, end)] if begin is not None else []
    names = []
    for begin, end in found:
        scores = {name: similarity(recorded[begin : end + 1], cue) for name, cue in cues.items()}
        name = max(scores, key=scores.get)
        names.append(name if scores[name] > 0.9 else "an unknown sound")
    return names

failed = False
for (action, expected, begin), (_, _, end) in zip(steps, steps[1:]):
    got = sounds(begin, end)
    print("%-26s heard: %s" % (action, ", ".join(got) or "nothing"))
    if got != expected:
        print("FAIL: expected", ", ".join(expected) or "nothing")
        failed = True
print("cues: FAIL" if failed else "cues: PASS")
sys.exit(1 if failed else 0)
