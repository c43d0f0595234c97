#!/usr/bin/python3
"""Every check is heard, and nothing else: driven on a virtual display, the program plays to a
private sound server whose only sink is a null sink, and the sink's monitor is recorded. At
start, on typing, on "!" and on moves between screens it stays silent; each check plays one
cue, the one of its verdict, told apart by matching the recording against the committed files.
Usage: cue-check.py <path-to-sostav>   (exit 77: a needed tool is missing)"""
import array, atexit, os, shutil, subprocess, sys, tempfile, time, wave

program = os.path.abspath(sys.argv[1])
wm = shutil.which("metacity") or shutil.which("openbox")
for tool in ("Xvfb", "xdotool", "xprop", "xwininfo", "pulseaudio", "parec", "pactl", wm or "metacity"):
    if not shutil.which(tool):
        print("skip:", tool, "is not installed")
        sys.exit(77)
cues = {}
for name in ("right", "wrong"):
    with wave.open(os.path.join(os.path.dirname(__file__), "..", "..", "assets", "cue-%s.wav" % name)) as file:
        rate, samples = file.getframerate(), array.array("h", file.readframes(file.getnframes()))
    sounding = [i for i, s in enumerate(samples) if s]
    cues[name] = samples[sounding[0] : sounding[-1] + 1]

home = tempfile.mkdtemp()
children = []  # ended however the check ends, a failure included
atexit.register(lambda: ([c.terminate() for c in reversed(children)], shutil.rmtree(home, True)))
def start(*command, stdout=subprocess.DEVNULL, **options):
    children.append(subprocess.Popen(command, stdout=stdout, stderr=subprocess.DEVNULL, **options))

os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:" + home + "/native")
# Without rewinds the monitor hears exactly what the sink plays, the first sample included.
start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
      "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + home + "/native",
      "-L", "module-null-sink sink_name=cues norewinds=1 rate=%d" % rate)
ready, told = os.pipe()
start("Xvfb", "-displayfd", str(told), "-nolisten", "tcp", "-noreset", pass_fds=[told])
os.close(told)
os.environ["DISPLAY"] = ":" + os.read(ready, 16).decode().strip()
start(wm, "--replace")
while subprocess.run(["pactl", "info"], capture_output=True).returncode:
    time.sleep(0.1)
recording = os.path.join(home, "monitor.raw")
start("parec", "--device=cues.monitor", "--format=s16le", "--rate=%d" % rate, "--channels=1",
      "--latency-msec=20", stdout=open(recording, "wb"))
time.sleep(1)

def window(name):  # placed by the window manager and still; searched afresh, as Debian 12's xdotool dies of a window gone meanwhile
    output = lambda *command: subprocess.run(command, capture_output=True, text=True).stdout
    seen = None
    for _ in range(100):
        found = output("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name).split()
        seen, was = found and "Normal" in output("xprop", "-id", found[0], "WM_STATE") and output("xwininfo", "-id", found[0]), seen
        if seen and seen == was:
            return found[0]
        time.sleep(0.3)
    sys.exit("FAIL: no window named %s appeared" % name)
steps = [("start", [], 0)]  # what each action should make heard, and where in the recording it begins
start(program, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
def press(screen, x, y, action, expected, typed=()):
    steps.append((action, expected, os.path.getsize(recording) // 2))
    subprocess.run(["xdotool", "mousemove", "--window", screen, str(x), str(y), "click", "1", *typed])
    time.sleep(1.5)
press(window("Form1"), 364, 60, "menu to the screen for 10", [])
form3 = window("Form3")
press(form3, 112, 332, "check with empty boxes", ["wrong"])
press(form3, 112, 332, "the same check again", ["wrong"])
press(form3, 120, 220, "typing 3", [], ("type", "3"))
press(form3, 408, 220, "typing 7", [], ("type", "7"))
press(form3, 112, 332, "check of 3 + 7", ["right"])
press(form3, 112, 332, "the same check again", ["right"])
press(form3, 232, 332, '"!"', [])
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
        scores = {name: similarity(sound, cue) for name, cue in cues.items()}
        best = max(scores, key=scores.get)
        whole = abs(len(sound) - len(cues[best])) <= rate // 100
        names.append(best if scores[best] > 0.9 and whole else "an unknown or cut sound")
    return names

failed = False
for (action, expected, begin), (_, _, end) in zip(steps, steps[1:]):
    got = heard(begin, end)
    print("%-26s heard: %s" % (action, ", ".join(got) or "nothing"))
    if got != expected:
        print("FAIL: expected", ", ".join(expected) or "nothing")
        failed = True
print("cues:", "FAIL" if failed else "PASS")
sys.exit(1 if failed else 0)
