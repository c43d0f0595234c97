#!/usr/bin/python3
"""Under Plasma's KWin on Wayland (headless, 1366x768), where a program cannot move its window
and a growing window keeps its left edge: the worksheet, tapped by a finger (through Qt's TUIO
plugin), grows by its digit pad and stays whole on the screen.
Usage: dbus-run-session -- kwin-check.py <path-to-sostav>   (exit 77: KWin is not installed)"""
import json, os, shutil, socket, struct, subprocess, sys, time
from harness import need, scratch, start, wait

need("kwin_wayland", "gdbus")
work = scratch()
# A copy without the file capabilities a container refuses to exec, under the name KWin needs
# to take its own Qt platform; the program is the session's own, started with the focus.
os.makedirs(work + "/bin")
shutil.copy(shutil.which("kwin_wayland"), work + "/bin")
kwin = start(work + "/bin/kwin_wayland", "--virtual", "--width", "1366", "--height", "768", "--exit-with-session",
             f"env QT_QPA_PLATFORM=wayland QT_QPA_GENERIC_PLUGINS=tuiotouch:udp=3397 {os.path.abspath(sys.argv[1])}",
             env=dict(os.environ, XDG_RUNTIME_DIR=work, HOME=work), stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)

def windows():  # caption: [x, y, width, height] of each frame, as KWin has them
    script = f"{work}/{time.monotonic_ns()}.js"
    with open(script, "w") as file:
        file.write('let all = {}; for (const c of workspace.clientList()) { const g = c.frameGeometry; '
                   'all[c.caption] = [g.x, g.y, g.width, g.height]; } print("WINDOWS " + JSON.stringify(all));')
    if any(subprocess.run(["gdbus", "call", "--session", "-d", "org.kde.KWin", "-o", "/Scripting", "-m",
                           "org.kde.kwin.Scripting." + method, *argument], capture_output=True).returncode
           for method, argument in (("loadScript", [script]), ("start", []))):
        return {}  # KWin is not on the bus yet
    return json.loads(next(line for line in kwin.stdout if "WINDOWS" in line).split("WINDOWS ", 1)[1])

def tap(x, y):  # at a fraction of the focused window: a TUIO cursor set, then gone
    def osc(*args):  # one message of TUIO's cursor profile
        pad = lambda b: b + b"\0" * (4 - len(b) % 4)
        kind = lambda a: "s" if isinstance(a, str) else "i" if isinstance(a, int) else "f"
        return pad(b"/tuio/2Dcur") + pad(("," + "".join(map(kind, args))).encode()) + b"".join(
            pad(a.encode()) if kind(a) == "s" else struct.pack(">" + kind(a), a) for a in args)
    for frame in ([osc("alive", 1), osc("set", 1, x, y, 0.0, 0.0, 0.0)], [osc("alive")]):
        frame.append(osc("fseq", time.monotonic_ns() % 99999))
        bundle = b"#bundle\0" + struct.pack(">Q", 1) + b"".join(struct.pack(">i", len(m)) + m for m in frame)
        socket.socket(socket.AF_INET, socket.SOCK_DGRAM).sendto(bundle, ("127.0.0.1", 3397))
        time.sleep(0.1)
    time.sleep(1)

wait(lambda: "Form1" in windows()) or sys.exit("FAIL: the menu never showed")
tap(368 / 711, 324 / 373)  # "Повторение"
before = wait(lambda: windows().get("Form6")) or sys.exit("FAIL: the worksheet never showed")
tap(184 / 973, 284 / 611)  # its first answer box
after = wait(lambda: windows()["Form6"][2] > before[2] and windows()["Form6"]) or sys.exit("FAIL: no digit pad")
print(f"worksheet at {before}, with the pad at {after} on 1366x768")
sys.exit(0 if after[0] >= 0 and after[0] + after[2] <= 1366 and after[1] + after[3] <= 768 else "FAIL: off the screen")
