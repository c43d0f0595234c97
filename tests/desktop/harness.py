"""What the desktop checks share: a skip where a tool is missing, the processes a check starts,
ended however it ends, with its scratch folders, a wait for a condition, and an X server of its own."""
import atexit, os, shutil, subprocess, sys, tempfile, time

children, folders = [], []


@atexit.register
def end_children():  # a stopped (SIGSTOP) child ignores a polite end
    for child in reversed(children):
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()
    for folder in folders:
        shutil.rmtree(folder, ignore_errors=True)


def scratch():  # a folder of the check's own
    folders.append(tempfile.mkdtemp())
    return folders[-1]


def skip(reason):
    sys.exit(print("skip:", reason) or 77)


def need(*tools):
    for tool in tools:
        shutil.which(tool) or skip(tool + " is not installed")


def start(*command, **options):
    children.append(subprocess.Popen(command, **{"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, **options}))
    return children[-1]


def wait(done, seconds=30, pause=lambda: time.sleep(0.1)):  # what done() last said
    end = time.time() + seconds
    while not (result := done()) and time.time() < end:
        pause()
    return result


def x_server(*screen):  # e.g. "1024x600x24"; DISPLAY names it once it takes connections
    ready, told = os.pipe()  # where the server writes its display number then
    start("Xvfb", "-displayfd", str(told), *(["-screen", "0", *screen] if screen else []), "-nolisten", "tcp",
          "-noreset", pass_fds=[told])
    os.close(told)
    os.environ["DISPLAY"] = ":" + (os.read(ready, 16).decode().strip() or sys.exit("FAIL: the X server did not start"))
