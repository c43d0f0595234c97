#!/usr/bin/python3
"""Under GNOME Shell itself at a netbook's 1024x600, headless on Wayland and on X11 (Xvfb): the
worksheet is whole in the room the shell gives it, a finger types by the digit keys its tap brings (Wayland),
and a second start, from the app grid or gtk-launch, brings the screen forward over an editor just typed into.
GNOME_CHECK_SHOTS=<folder> keeps screenshots; GNOME_CHECK_SESSIONS=wayland (or x11) runs one.
Usage: gnome-check.py <path-to-sostav>   (exit 77: GNOME Shell cannot run here)"""
import json, os, shutil, subprocess, sys, tempfile, time
from harness import need, skip, start, wait, x_server

APP, EXTENSION = "org.sostav.Sostav", "unsafe@sostav.org"  # the extension lets the test drive the shell
program, stage = os.path.abspath(sys.argv[1]), os.environ.get("GNOME_CHECK_STAGE")
again = [sys.executable, __file__, program]
def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    open(path, "w").write(text)  # closed as soon as written, being referred to no more

if not stage:
    need("gnome-shell", "gedit", "gtk-launch", "gsettings", "Xvfb", "dbus-run-session", "unshare")
    subprocess.call(["unshare", "-m", "true"], stderr=subprocess.DEVNULL) == 0 or skip("no mount namespace")
    os.environ["GNOME_CHECK_STAGE"] = "namespace"
    os.execvp("unshare", ["unshare", "-m", "--propagation", "private"] + again)
if stage == "namespace":
    # The shell would take a logind it finds under /run/systemd for its session's.
    os.path.isdir("/run/systemd") and subprocess.check_call(["mount", "-t", "tmpfs", "tmpfs", "/run/systemd"])
    work = tempfile.mkdtemp()
    os.environ.update(HOME=work, XDG_RUNTIME_DIR=work, XDG_DATA_HOME=work + "/data", XDG_CONFIG_HOME=work + "/config")
    with open(os.path.dirname(__file__) + "/../../desktop/" + APP + ".desktop") as entry:
        write(work + "/data/applications/" + APP + ".desktop", entry.read().replace("Exec=sostav", "Exec=" + program))
    extension = work + "/data/gnome-shell/extensions/" + EXTENSION
    write(extension + "/metadata.json", json.dumps({"uuid": EXTENSION, "name": "Unsafe mode",
                                                    "description": "For a test session", "shell-version": ["43"]}))
    write(extension + "/extension.js", "function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }")
    # A system bus of its own: the shell asks it for services a real session has and does without.
    system = start("dbus-daemon", "--session", "--nofork", "--print-address=1", stdout=subprocess.PIPE)
    os.environ["DBUS_SYSTEM_BUS_ADDRESS"] = system.stdout.readline().decode().strip()
    statuses = [subprocess.call(["dbus-run-session", "--"] + again, env=dict(os.environ, GNOME_CHECK_STAGE=session))
                for session in os.environ.get("GNOME_CHECK_SESSIONS", "wayland x11").split()]
    shutil.rmtree(work, ignore_errors=True)
    sys.exit(max(statuses))

from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
def call(name, method, signature, *arguments):
    try:
        return bus.call_sync(name, "/" + name.replace(".", "/"), name, method, GLib.Variant(signature, arguments),
                             None, 0, 10000, None).unpack()
    except GLib.Error:
        return None
def shell(script):
    done, result = call("org.gnome.Shell", "Eval", "(s)", script) or (False, "")
    return json.loads(result) if done and result else None
# The shell's own keyboard and touch screen, made before the program starts: a client misses a new kind's first event.
DEVICES = """const C = imports.gi.Clutter, seat = C.get_default_backend().get_default_seat(); let t = imports.gi.GLib.get_monotonic_time();
    const keys = global.sostavKeys ??= seat.create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
    const touch = global.sostavTouch ??= seat.create_virtual_device(C.InputDeviceType.TOUCHSCREEN_DEVICE);"""
def press(text, then=0.5):  # to whichever window has the focus
    shell(DEVICES + "for (const key of %s) { keys.notify_keyval(t++, key, C.KeyState.PRESSED); keys.notify_keyval(t++, key, C.KeyState.RELEASED); }"
          % json.dumps([0xff09 if key == "\t" else ord(key) for key in text]))
    time.sleep(then)
def focus():
    return shell("global.display.focus_window?.get_title() ?? ''") or ""
def launch():  # as the app grid does, at the time of the click
    shell("imports.gi.Shell.AppSystem.get_default().lookup_app('%s.desktop')"
          ".launch(global.display.get_current_time_roundtrip(), -1, imports.gi.Shell.AppLaunchGpu.APP_PREF)" % APP)
def program_ended():
    wait(lambda: not shell("global.display.list_all_windows().filter(w => w.get_title().startsWith('Form'))"
                           ".map(w => w.kill()).length"))
def shot(name, folder=os.environ.get("GNOME_CHECK_SHOTS")):
    folder and call("org.gnome.Shell.Screenshot", "Screenshot", "(bbs)", False, False, f"{folder}/gnome-{stage}-{name}.png")

# Qt's accessibility tells where each widget is; it is on whatever the desktop says.
os.environ.update(XDG_SESSION_TYPE=stage, QT_QPA_PLATFORM={"x11": "xcb"}.get(stage, stage), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
subprocess.check_call(["gsettings", "set", "org.gnome.shell", "enabled-extensions", "['%s']" % EXTENSION])
if stage == "x11":
    x_server("1024x600x24")
    start("gnome-shell", "--x11", "--replace")
else:
    start("gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor", "1024x600")
    os.environ["WAYLAND_DISPLAY"] = "wayland-0"
wait(lambda: shell("global.context.unsafe_mode"), 60) or skip("GNOME Shell did not come up on " + stage)
# The session opens on the overview, once its start-up animation is over.
wait(lambda: shell("!Main.layoutManager._startingUp && (Main.overview.hide(), !Main.overview.visible)"))
press("")
failures = []
def expect(what, held, refused=None):
    print("%s: %s: %s" % (stage, what, "yes" if held is True else "NO, %s%s" % (held, refused and ", " + refused or "")))
    held is True or refused or failures.append(what)

import pyatspi
def front():  # the program's window in front
    return next(f for app in pyatspi.Registry.getDesktop(0) if app and app.name == "sostav"
                for f in app if f and f.getState().contains(pyatspi.STATE_ACTIVE))
def showing(name):
    return pyatspi.findAllDescendants(front(), lambda node: node.name == name and node.getState().contains(pyatspi.STATE_SHOWING))
def tap(name):  # a finger on the widget's middle; Qt's own decoration is as wide at the sides as below
    room, at = (node.queryComponent().getExtents(pyatspi.WINDOW_COORDS) for node in (front(), showing(name)[0]))
    x, y, w, h = shell("(r => [r.x, r.y, r.width, r.height])(global.display.focus_window.get_buffer_rect())")
    side = (w - room.width) // 2
    for touch in ("down(t, 0, %d, %d)" % (x + side + at.x + at.width // 2, y + h - room.height - side + at.y + at.height // 2), "up(t, 0)"):
        time.sleep(0.1) or shell(DEVICES + "touch.notify_touch_" + touch)
def cut_off():  # the widgets of the program's window in front that lie partly outside it
    room = (frame := front()).queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return [(node.name or node.getRoleName(), tuple(place)) for node in pyatspi.findAllDescendants(frame, bool)
            for place in [node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)]
            if place.x + place.width > room.width or place.y + place.height > room.height]

launch()
wait(lambda: focus() == "Form1") and press("\t\t\t\t ")  # "Повторение"
wait(lambda: focus() == "Form6") and time.sleep(1)
shot("worksheet")
expect("the worksheet whole", not cut_off() or "cut off: %s" % cut_off())
program_ended()

launch()
wait(lambda: focus() == "Form1") and press("\t ")  # "Состав числа 10"
wait(lambda: focus() == "Form3")
if stage == "wayland":  # the shell makes no touch screen on X11
    place = lambda: shell("(r => [r.x, r.y, r.width, r.height])(global.display.focus_window.get_frame_rect())")
    designed = place()
    tap("Первое слагаемое"), wait(lambda: showing("4"), 3) and tap("4")
    typed = wait(lambda: showing("Первое слагаемое")[0].queryText().getText(0, -1) == "4", 3)
    expect("a finger's tap into an answer box brings digit keys that type into it", typed or "keys shown: %s" % bool(showing("4")))
    shot("digit-pad"), tap("убрать цифры")
    expect("the screen back where it was once the pad is put away", wait(lambda: place() == designed, 3) or "at %s, not %s" % (place(), designed))
start("gedit")
for launcher in ("the app grid", "gtk-launch"):
    shell("global.display.list_all_windows().find(w => w.get_wm_class().toLowerCase() == 'gedit')"
          "?.activate(global.display.get_current_time_roundtrip())")
    wait(lambda: "gedit" in focus()) and press("abc")
    shot("before-" + launcher.split()[-1])
    launch() if launcher == "the app grid" else start("gtk-launch", APP)
    # gtk-launch has no window and no input of its own to ask GNOME on Wayland for a token by.
    refused = stage == "wayland" and launcher == "gtk-launch" and "GNOME on Wayland refuses its token"
    expect("a start from %s brings the screen forward" % launcher, wait(lambda: focus() == "Form3", 3) or focus() + " in front", refused)
    shot("after-" + launcher.split()[-1])
sys.exit(1 if failures else 0)
