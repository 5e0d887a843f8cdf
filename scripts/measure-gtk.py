#!/usr/bin/python3
"""Measures the GTK program on a private X server: start-up to a usable main
window, Enter to the calculation shown, the menu command to the "Diagrama"
dialog fully drawn, and with a database of 100,000 fluids the same start-up,
the opening of the fluid editor and the reload after it closes.

usage: dbus-run-session -- scripts/measure-gtk.py BUILD_DIR [RUNS]

Start-up is timed from the spawn of the process to the X server's MapNotify
of the main window (its lists are filled and its procedure has run by then),
read from `xev`. Enter to result is timed from just before xdotool sends the
key to the accessibility event that the pressure field changed. The diagram
is timed from just before xdotool sends the menu keys to the last change of
the screen's pixels inside the dialog (the X DAMAGE extension), once they
have been still for half a second. All three include xdotool's own
start-up: they are upper bounds. The reload is timed,
after the fluid list has been opened once, from Escape in the editor to the
About box, asked for at once from the main window, mapped: the reload,
xdotool and the opening of a small dialog, the last two timed alone from
the idle main window."""

import os
import queue
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi
from Xlib import display as xdisplay
from Xlib.ext import damage

BUILD = os.path.abspath(sys.argv[1])
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 20
QUELRIN = os.path.join(BUILD, "platform/gtk/quelrin")
DATABASE = os.path.join(os.path.dirname(__file__), "..", "data", "dados.txt")


def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read_end, 16)
    os.close(read_end)
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


class MapWatch:
    """Times of the MapNotify events of ordinary (not override-redirect) windows."""

    def __init__(self):
        self.events = queue.Queue()
        self.xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                                    stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self.read, daemon=True).start()
        time.sleep(0.3)

    def read(self):
        mapping = False
        for line in self.xev.stdout:
            if line.startswith("MapNotify"):
                mapping = True
            elif mapping and "override NO" in line:
                self.events.put(time.monotonic())
                mapping = False

    def next_map(self, timeout=20):
        return self.events.get(timeout=timeout)

    def drain(self):
        while not self.events.empty():
            self.events.get()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True)


def focus_main():
    out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quelrin - Pressão de Vapor$"],
                         capture_output=True, text=True).stdout.split()
    xdotool("windowfocus", "--sync", out[-1])


def work_dir(database_text=None):
    work = tempfile.mkdtemp(prefix="quelrin-measure-")
    if database_text is None:
        shutil.copy(DATABASE, os.path.join(work, "dados.txt"))
    else:
        with open(os.path.join(work, "dados.txt"), "w") as f:
            f.write(database_text)
    return work


def start_up(watch, work):
    """Milliseconds from spawn to the main window mapped; the process is left running."""
    watch.drain()
    t0 = time.monotonic()
    process = subprocess.Popen([QUELRIN], cwd=work)
    mapped = watch.next_map()
    return (mapped - t0) * 1000.0, process


def quit_program(process):
    focus_main()
    xdotool("key", "Escape")
    process.wait(timeout=20)


def find(app, accessible_id):
    return pyatspi.findDescendant(app, lambda n: n is not None and n.accessibleId == accessible_id)


def calculation_times(process):
    app = None
    while app is None:
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == process.pid), None)
        time.sleep(0.05)
    pressure = find(app, "edit-104")
    changed = queue.Queue()

    def on_change(event):
        if event.source == pressure and event.type.startswith("object:text-changed:insert"):
            changed.put(time.monotonic())

    pyatspi.Registry.registerEventListener(on_change, "object:text-changed:insert")
    listener = threading.Thread(target=pyatspi.Registry.start, daemon=True)
    listener.start()
    time.sleep(0.3)
    focus_main()
    xdotool("key", "Tab", "Tab", "Tab", "Tab", "Down", "Tab")  # Nitrogênio, then the temperature
    times = []
    for run in range(RUNS):
        xdotool("key", "ctrl+a")
        xdotool("type", str(80 + run % 40))
        time.sleep(0.1)
        while not changed.empty():
            changed.get()
        t0 = time.monotonic()
        xdotool("key", "Return")
        times.append((changed.get(timeout=10) - t0) * 1000.0)
    pyatspi.Registry.stop()
    return times


def open_fluid_list():
    """Opens the fluid drop-down list and closes it: a list once shown is the
    one a reload used to take seconds over."""
    focus_main()
    xdotool("key", "Tab", "Tab", "Tab", "Tab", "alt+Down")
    time.sleep(1.0)
    xdotool("key", "Escape")
    time.sleep(0.3)


def editor_opening(watch):
    """Milliseconds from the menu key to the fluid editor mapped; the editor is left open."""
    focus_main()
    watch.drain()
    t0 = time.monotonic()
    xdotool("key", "alt+f", "e")
    mapped = watch.next_map()
    return (mapped - t0) * 1000.0


def about_box_opening(watch):
    """Milliseconds from the keys that ask the idle main window for the About
    box to the box mapped: what the reload's figure holds beside the reload."""
    focus_main()
    watch.drain()
    t0 = time.monotonic()
    xdotool("key", "alt+a", "s")  # Ajuda, Sobre
    mapped = watch.next_map()
    xdotool("key", "Return")
    return (mapped - t0) * 1000.0


def reload_after_editor(watch):
    """Milliseconds from Escape in the fluid editor to the main window
    answering again: the keys that open the About box are queued at once,
    and the main window takes them only once it has read the database again
    and refilled its fluid list."""
    time.sleep(0.5)  # the editor settled
    editor = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Editor de fluidos$"],
                            capture_output=True, text=True).stdout.split()
    xdotool("windowfocus", "--sync", editor[-1])
    watch.drain()
    t0 = time.monotonic()
    xdotool("key", "Escape")
    focus_main()
    xdotool("key", "alt+a", "s")  # Ajuda, Sobre
    mapped = watch.next_map(timeout=120)
    xdotool("key", "Return")
    return (mapped - t0) * 1000.0


class DamageWatch:
    """Times and rectangles of every change to the screen's pixels."""

    def __init__(self):
        self.display = xdisplay.Display()
        self.display.damage_query_version()
        self.display.screen().root.damage_create(damage.DamageReportRawRectangles)
        self.display.flush()
        self.events = queue.Queue()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        while True:
            event = self.display.next_event()
            if event.type == self.display.extension_event.DamageNotify:
                a = event.area
                self.events.put((time.monotonic(), a.x, a.y, a.width, a.height))

    def drain(self):
        while not self.events.empty():
            self.events.get()

    def changes_until_still(self, quiet=0.5):
        changes = []
        while True:
            try:
                changes.append(self.events.get(timeout=quiet))
            except queue.Empty:
                return changes


def window_rectangle(title):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                            capture_output=True, text=True).stdout.split()[-1]
    shape = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", window], capture_output=True, text=True).stdout.split())
    return int(shape["X"]), int(shape["Y"]), int(shape["WIDTH"]), int(shape["HEIGHT"])


def diagram_times(watch, pixels, process):
    """Water at 373.15 K: the menu command to the isotherm drawn, each run."""
    focus_main()
    xdotool("key", "Tab", "Tab", "Tab", "Tab", "Up", "Tab")  # Água, the first fluid, then the temperature
    xdotool("key", "ctrl+a")
    xdotool("type", "373.15")
    times = []
    for _ in range(RUNS):
        focus_main()
        time.sleep(0.3)
        watch.drain()
        pixels.drain()
        t0 = time.monotonic()
        xdotool("key", "alt+f", "d")
        watch.next_map()
        changes = pixels.changes_until_still()
        x, y, w, h = window_rectangle("^Diagrama$")
        inside = [t for t, cx, cy, cw, ch in changes if cx < x + w and cx + cw > x and cy < y + h and cy + ch > y]
        times.append((max(inside) - t0) * 1000.0)
        xdotool("key", "Escape")
        time.sleep(0.3)
    return times


def summary(name, values):
    print("%-48s median %7.1f ms   min %7.1f ms   max %7.1f ms   (%d runs)"
          % (name, statistics.median(values), min(values), max(values), len(values)))


def main():
    server = start_x_server()
    watch = MapWatch()
    try:
        work = work_dir()
        times = []
        for _ in range(RUNS):
            ms, process = start_up(watch, work)
            times.append(ms)
            quit_program(process)
        summary("start-up to the main window (35 fluids)", times)

        ms, process = start_up(watch, work)
        summary("Enter to the pressure shown (Peng-Robinson)", calculation_times(process))
        quit_program(process)

        ms, process = start_up(watch, work)
        summary("menu command to the diagram drawn (water)", diagram_times(watch, DamageWatch(), process))
        quit_program(process)

        big = "100000\n" + "".join("Fluido-%06d Antoine 4.0 1000 -50 0 40 %d 0.1\n" % (i, 300 + i % 200) for i in range(100000))
        work_big = work_dir(big)
        times, about, editor, reload = [], [], [], []
        for _ in range(max(3, RUNS // 4)):
            ms, process = start_up(watch, work_big)
            times.append(ms)
            time.sleep(0.5)
            about.append(about_box_opening(watch))
            time.sleep(0.5)
            open_fluid_list()
            editor.append(editor_opening(watch))
            reload.append(reload_after_editor(watch))
            time.sleep(0.5)
            quit_program(process)
        summary("start-up to the main window (100,000 fluids)", times)
        summary("menu key to the editor shown (100,000 fluids)", editor)
        summary("About box from the idle main window (100,000 fluids)", about)
        summary("Escape in the editor to the main window answering", reload)
    finally:
        watch.xev.kill()
        server.terminate()


main()
