#!/usr/bin/python3
"""Start-up time and peak memory of sostav against a bare Qt program (the floor).

Starts its own Xvfb on a free display, then runs the programs interleaved, each several
times after a warm-up. A run's time is taken from just before the process is spawned to
the moment the X server holds the window's first painted frame: the watcher listens for
the window being mapped, puts a DAMAGE watch on it and, on every damage report, reads one
column of pixels through the window's buttons and background. The frame counts as painted
once the background shows the menu's colour and every button's face is drawn. The peak
resident memory (VmHWM) is read a short while after that paint, then the program is ended.
The CPU time the program's threads used up to the paint is shown too: unlike the wall
time, it hardly moves when other work shares the machine.

    bench/startup.py [--runs N] [--warmup N] [--floor PATH] [--program LABEL=PATH ...]
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display as xdisplay
    from Xlib.ext import damage
except ImportError:
    sys.exit("startup.py needs python3-xlib (apt-get install python3-xlib; bench/run.sh installs it)")

WIDTH, HEIGHT = 711, 373
BACKGROUND = (128, 255, 128)
# A column through all four buttons; rows 10 and 365 are background, the others button faces.
PROBE_X = 364
BACKGROUND_ROWS = (10, 365)
BUTTON_ROWS = (60, 148, 236, 324)
LIMIT = 1.05


def start_xvfb():
    """Starts Xvfb on a display number it picks itself; returns (process, display name)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 20
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            server.kill()
            sys.exit("startup.py: Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Watcher:
    """One connection to the X server that sees every top-level window mapped on it."""

    def __init__(self, name):
        self.display = xdisplay.Display(name)
        if not self.display.has_extension("DAMAGE"):
            sys.exit("startup.py: the X server lacks the DAMAGE extension")
        self.display.damage_query_version()
        self.damage_event = self.display.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def painted(self, window):
        try:
            image = window.get_image(PROBE_X, 0, 1, HEIGHT, X.ZPixmap, 0xFFFFFFFF)
        except Exception:  # the window went away or is not viewable yet
            return False
        data = image.data

        def pixel(row):
            b, g, r = data[4 * row], data[4 * row + 1], data[4 * row + 2]
            return (r, g, b)

        return (all(pixel(r) == BACKGROUND for r in BACKGROUND_ROWS)
                and all(pixel(r) != BACKGROUND for r in BUTTON_ROWS))

    def wait_for_paint(self, process, timeout=20.0):
        """Returns (seconds to map, seconds to first painted frame), both from `started`."""
        deadline = time.monotonic() + timeout
        window = None
        mapped = None
        watch = None
        try:
            while True:
                while self.display.pending_events():
                    event = self.display.next_event()
                    if event.type == X.MapNotify and window is None and not event.override:
                        geometry = event.window.get_geometry()
                        if (geometry.width, geometry.height) != (WIDTH, HEIGHT):
                            continue
                        mapped = time.perf_counter()
                        window = event.window
                        watch = window.damage_create(damage.DamageReportNonEmpty)
                        if self.painted(window):
                            return mapped, time.perf_counter()
                    elif event.type == self.damage_event and window is not None:
                        self.display.damage_subtract(watch)
                        if self.painted(window):
                            return mapped, time.perf_counter()
                if process.poll() is not None:
                    raise RuntimeError(f"the program ended with status {process.returncode} before painting")
                left = deadline - time.monotonic()
                if left <= 0:
                    raise RuntimeError("no painted window within %.0f s" % timeout)
                select.select([self.display.fileno()], [], [], min(left, 0.5))
        finally:
            if watch is not None:
                try:
                    self.display.damage_destroy(watch)
                    self.display.sync()
                except Exception:
                    pass


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_ms(pid):
    """CPU time the process's threads have used so far, from the scheduler's own count."""
    total = 0
    tasks = f"/proc/{pid}/task"
    for task in os.listdir(tasks):
        try:
            with open(f"{tasks}/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except OSError:
            pass
    return total / 1e6


def run_once(watcher, path, env, settle):
    watcher.drain()
    started = time.perf_counter()
    process = subprocess.Popen([path], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        mapped, painted = watcher.wait_for_paint(process)
        cpu = cpu_ms(process.pid)
        time.sleep(settle)
        rss = peak_rss_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    return (mapped - started) * 1000, (painted - started) * 1000, rss, cpu


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    build = os.path.join(os.path.dirname(here), "build-bench")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15, help="measured runs of each program (at least 10)")
    parser.add_argument("--warmup", type=int, default=3, help="unmeasured runs of each program first")
    parser.add_argument("--settle", type=float, default=0.3, help="seconds after the paint before VmHWM is read")
    parser.add_argument("--floor", default=os.path.join(build, "bench", "sostav-floor"))
    parser.add_argument("--program", action="append", metavar="LABEL=PATH",
                        help="program to compare with the floor (default: sostav=build-bench/sostav)")
    parser.add_argument("--verbose", "-v", action="store_true", help="print every run")
    args = parser.parse_args()
    programs = [("floor", args.floor)]
    for item in args.program or ["sostav=" + os.path.join(build, "sostav")]:
        label, _, path = item.partition("=")
        programs.append((label, path))
    for label, path in programs:
        if not os.access(path, os.X_OK):
            sys.exit(f"startup.py: {label}: {path} is not an executable; build first (bench/run.sh)")
    if shutil.which("Xvfb") is None:
        sys.exit("startup.py needs Xvfb (apt-get install xvfb)")

    server, name = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="sostav-bench-")
    env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(DISPLAY=name, XDG_RUNTIME_DIR=runtime)
    results = {label: [] for label, _ in programs}
    try:
        watcher = Watcher(name)
        for _ in range(args.warmup):
            for label, path in programs:
                run_once(watcher, path, env, 0.0)
        for round_number in range(args.runs):
            # Alternate the order, so neither program always runs right after the other.
            order = programs if round_number % 2 == 0 else list(reversed(programs))
            for label, path in order:
                figures = run_once(watcher, path, env, args.settle)
                results[label].append(figures)
                if args.verbose:
                    print(f"  {label:10s} mapped {figures[0]:7.1f} ms  painted {figures[1]:7.1f} ms  "
                          f"VmHWM {figures[2] / 1024:6.1f} MiB  CPU {figures[3]:6.1f} ms", flush=True)
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(runtime, ignore_errors=True)

    def medians(label):
        rows = results[label]
        return tuple(statistics.median(r[i] for r in rows) for i in range(4))

    floor = medians("floor")
    print(f"start-up under Xvfb ({name}), {args.warmup} warm-up + {args.runs} interleaved runs each, medians")
    print(f"{'program':10s} {'mapped':>9s} {'painted':>9s} {'min-max painted':>17s} {'CPU':>9s} {'VmHWM':>10s} "
          f"{'time/floor':>10s} {'mem/floor':>9s} {'cpu/floor':>9s}")
    verdict = True
    for label, _ in programs:
        mapped, painted, rss, cpu = medians(label)
        times = [r[1] for r in results[label]]
        time_ratio, mem_ratio = painted / floor[1], rss / floor[2]
        line = (f"{label:10s} {mapped:6.1f} ms {painted:6.1f} ms {min(times):6.1f}-{max(times):6.1f} ms "
                f"{cpu:6.1f} ms {rss / 1024:6.1f} MiB {time_ratio:9.3f}x {mem_ratio:8.3f}x {cpu / floor[3]:8.3f}x")
        if label != "floor":
            ok = time_ratio <= LIMIT and mem_ratio <= LIMIT
            verdict = verdict and ok
            line += "  ok" if ok else "  MISSED"
        print(line)
    print(f"target: painted menu within {LIMIT:.2f}x the floor's time and {LIMIT:.2f}x its peak memory: "
          + ("ok" if verdict else "MISSED"))


if __name__ == "__main__":
    main()
