#!/usr/bin/env python3
"""How long the editor takes to show its window and to be gone after it closes, under Xvfb.

Usage: bench/start_and_quit.py [EDITOR] [--runs N] [--folder DIR]

Each run starts zylox-editor on a fresh X server of its own, with settings in a scratch folder,
and times from the start of the process to its window being mapped (polled with xdotool), then
closes the window and times until the process has exited. The window closes the two ways a user
closes it: Ctrl+Q typed through the XTEST extension, and the window manager's WM_DELETE_WINDOW
message (what the title bar's close button sends). "After use" runs first play the selected slot
(Space) and open and cancel an import's file panel (Ctrl+1, Escape), which start the threads a
session leaves behind. Where the machine has no sound card, ALSA's null device stands in for the
default one so that the slot really plays. Settings live in a scratch folder under DIR (default:
the system's temporary folder): a window closed after changing them waits for them to reach that
disk, so put DIR on the disk a user's home is on to see what they see. The goal: under 0.2 s for
both. Medians and worst runs are printed; the polling adds a few milliseconds to each figure.
"""
import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import tempfile
import time


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def send_wm_delete(display_name, window):
    """Sends the window WM_DELETE_WINDOW, as a window manager does when its close button is pressed."""
    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(display_name.encode())
    if not display:
        raise SystemExit(f"cannot open display {display_name}")
    event = XEvent()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = 0  # CurrentTime
    xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


class Display:
    """An X server of its own for each run, so no earlier run's state reaches the next."""

    def __enter__(self):
        # Servers started at the same moment by others may take the same number: a server that
        # cannot be reached is replaced by another.
        for _ in range(10):
            read, write = os.pipe()
            self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1000x24",
                                            "-nolisten", "tcp", "-noreset"], pass_fds=(write,), stderr=subprocess.DEVNULL)
            os.close(write)
            with os.fdopen(read) as number:
                self.name = ":" + number.readline().strip()
            reachable = subprocess.run(["xdotool", "getdisplaygeometry"], env={**os.environ, "DISPLAY": self.name},
                                       capture_output=True).returncode == 0
            if reachable and self.server.poll() is None:
                return self
            self.__exit__()
        raise SystemExit("no X server could be started")

    def __exit__(self, *_):
        self.server.terminate()
        self.server.wait()


def xdotool(display, *arguments):
    result = subprocess.run(["xdotool", *arguments], env={**os.environ, "DISPLAY": display.name},
                            capture_output=True, text=True)
    return result.stdout.split()


def mapped_window(display, process, deadline):
    """The process's first viewable window, polled for until the deadline."""
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise SystemExit(f"the editor exited with status {process.returncode} before its window showed")
        found = xdotool(display, "search", "--onlyvisible", "--pid", str(process.pid), "--name", "ZYLOX")
        if found:
            return int(found[0])
    raise SystemExit("the editor's window did not show within 20 s")


def use(display, window):
    """What a short session does: play a slot, open an import's file panel and cancel it."""
    xdotool(display, "windowfocus", "--sync", str(window))
    xdotool(display, "key", "--delay", "50", "space")
    time.sleep(0.3)
    xdotool(display, "key", "--delay", "50", "ctrl+1")
    time.sleep(1.0)
    xdotool(display, "key", "--delay", "50", "Escape")
    time.sleep(0.3)
    xdotool(display, "windowfocus", "--sync", str(window))


def one_run(editor, environment, closing, with_use):
    with Display() as display:
        env = {**environment, "DISPLAY": display.name}
        started = time.monotonic()
        process = subprocess.Popen([editor], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = mapped_window(display, process, started + 20)
            shown = time.monotonic() - started
            # Settled before closing: the first paint and the desktop's questions are over.
            time.sleep(0.5)
            if with_use:
                use(display, window)
            if closing == "ctrl+q":
                xdotool(display, "windowfocus", "--sync", str(window))
                closed = time.monotonic()
                xdotool(display, "key", "ctrl+q")
            else:
                closed = time.monotonic()
                send_wm_delete(display.name, window)
            process.wait(timeout=30)
            gone = time.monotonic() - closed
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
        return shown, gone


def environment_for(scratch):
    """Settings, device records and sound output kept apart from the user's."""
    environment = dict(os.environ)
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"):
        environment[name] = os.path.join(scratch, name.lower())
        os.makedirs(environment[name], exist_ok=True)
    environment.pop("SESSION_MANAGER", None)
    if not os.path.exists("/dev/snd"):
        configuration = os.path.join(scratch, "asound.conf")
        with open(configuration, "w", encoding="ascii") as file:
            file.write("</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n")
        environment["ALSA_CONFIG_PATH"] = configuration
    return environment


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("editor", nargs="?", default="build/default/app/zylox-editor")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--folder")
    arguments = parser.parse_args()
    editor = os.path.abspath(arguments.editor)
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            raise SystemExit(f"{tool} is not installed (scripts/packages/test.txt has it)")

    cases = [(closing, with_use) for with_use in (False, True) for closing in ("ctrl+q", "WM_DELETE")]
    shown = {case: [] for case in cases}
    gone = {case: [] for case in cases}
    with tempfile.TemporaryDirectory(dir=arguments.folder) as scratch:
        environment = environment_for(scratch)
        one_run(editor, environment, "ctrl+q", False)  # page cache and font cache warmed
        for _ in range(arguments.runs):
            for case in cases:
                start, end = one_run(editor, environment, *case)
                shown[case].append(start)
                gone[case].append(end)

    print(f"{'session':28} {'window shown ms':>16} {'worst':>6} {'gone after close ms':>20} {'worst':>6}"
          f"   ({arguments.runs} runs each)")
    for case in cases:
        closing, with_use = case
        name = f"{'after use' if with_use else 'at once'}, {closing}"
        print(f"{name:28} {statistics.median(shown[case]) * 1000:16.0f} {max(shown[case]) * 1000:6.0f} "
              f"{statistics.median(gone[case]) * 1000:20.0f} {max(gone[case]) * 1000:6.0f}")
    print("goal: both under 200 ms")


if __name__ == "__main__":
    main()
