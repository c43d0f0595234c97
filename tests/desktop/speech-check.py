#!/usr/bin/python3
"""A child who cannot see the screen hears every verdict: driven by keyboard on a virtual
display with buses of its own, each verdict reaches AT-SPI as a notification coming into
view (what Orca speaks), the focus staying on the check button.
Usage: speech-check.py <path-to-sostav>   (exit 77: a needed tool is missing)"""
import os, subprocess, sys, time
from harness import need, skip, start, wait, x_server

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
program = os.path.abspath(sys.argv[1])
need("Xvfb", "dbus-run-session", "xdotool")
os.access(LAUNCHER, os.X_OK) or skip("the AT-SPI bus launcher is not installed")
try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    skip("pyatspi is not installed for " + sys.executable)
if os.environ.get("SPEECH_CHECK_BUS") != str(os.getppid()):  # not yet inside a bus of our own
    os.environ["SPEECH_CHECK_BUS"] = str(os.getpid())  # dbus-run-session becomes our parent
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, __file__, program])

x_server()
start(LAUNCHER, "--launch-immediately")
time.sleep(1)

focus, shown = [None], []
def heard(event):
    if event.type.endswith("focused") and event.detail1:
        focus[0] = event.source
    elif event.type.endswith("showing") and event.detail1:
        shown.append((event.source.getRole(), event.source.name))
pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused", "object:state-changed:showing")

def listen(done, seconds=15):
    return wait(done, seconds, lambda: GLib.MainContext.default().iteration(False) or time.sleep(0.02))

def focused():
    return focus[0].name.casefold() if focus[0] else ""

def step(keys, expect):
    """Presses keys (single characters are typed) and waits for the focus to reach `expect`."""
    for key in keys.split():
        subprocess.run(["xdotool", "type" if len(key) == 1 else "key", key])
        time.sleep(0.15)
    if not listen(lambda: expect.casefold() in focused()):
        sys.exit(f"FAIL: after {keys} the focus is on {focused()!r}, not on {expect!r}")

failures = []
def check(verdict):
    """Presses the focused check button and waits for `verdict` to come into view."""
    del shown[:]
    subprocess.run(["xdotool", "key", "Return"])
    listen(lambda: any(verdict.casefold() in name.casefold() for _, name in shown))
    listen(lambda: False, 0.5)  # time for a stray focus change to arrive
    roles = {role for role, name in shown if verdict.casefold() in name.casefold()}
    ok = roles == {pyatspi.ROLE_NOTIFICATION} and "провер" in focused()
    seen = ", ".join(f"{name!r} as {role.value_nick}" for role, name in shown) or "nothing"
    print(f"{'ok  ' if ok else 'FAIL'} {verdict}: came into view {seen}; focus on {focused()!r}")
    ok or failures.append(verdict)

start(program, env=dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
listen(lambda: "выход" in focused(), 45) or sys.exit("FAIL: the menu never took the focus")
step("Tab", "Состав числа 10")
step("Return", "Назад")
step("Tab 5 Tab 6 Tab", "Провер")  # "<=", Text1, Text2, ПРОВЕРКА
check("ПОДУМАЙ")
step("shift+Tab ctrl+a 5 Tab", "Провер")
check("МОЛОДЕЦ")
step("shift+Tab shift+Tab shift+Tab Return", "Состав числа 10")
step("Tab", "Состав числа 9")
step("Return", "Назад")
step("Tab Tab Tab", "Провер")
check("подумай")
sys.exit(1 if failures else 0)
