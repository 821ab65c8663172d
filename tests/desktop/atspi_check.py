#!/usr/bin/python3
"""The running editor as a screen reader meets it, over the AT-SPI bus.

Usage: atspi_check.py EDITOR   (under dbus-run-session and xvfb-run: run_atspi_check.sh)

Starts EDITOR with the accessibility bridge on and walks its window: every control the keyboard
reaches has a role and a name of its own (six Import buttons that all read "Import…" fail), the
waveforms say what they show, the bank table reads number and name. Then it imports a sound into
the first slot as a screen reader user would: the Import button's action, the file's path typed
into the panel, Return, the sound panel's Apply; and hears the status line change. Last it shows
the sound browser's Library tab, walks its controls, adds the home folder to the library, and
types a query into its search field with real keys (xdotool): the row found, Down and Return bring
it into the sound panel.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import time
import wave

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def wait_for(find, what, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.Error:
            found = None  # an object went away while it was read: a window closing or opening
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"atspi_check: {what} never appeared")


def descendants(node):
    """Every object below node, depth first; a popup's items are the popup's, not the window's."""
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_TABLE):
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def walk(root, read):
    """What read gives for each object below root, None left out, from one walk that nothing went away from."""
    # The folder tree's rows come and go while its folders load: an object read as the walk passes
    # may be gone a moment later, and then the walk starts again.
    for _ in range(50):
        try:
            return [value for value in map(read, descendants(root)) if value is not None]
        except GLib.Error:
            time.sleep(0.1)
    sys.exit(f"atspi_check: the objects below {root.name!r} kept going away while they were read")


def named(root, role, prefix):
    return walk(root, lambda node: node if node.getRole() == role and showing(node)
                and (node.name or "").startswith(prefix) else None)


def write_tone(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(44100)
        out.writeframes(b"".join(struct.pack("<h", int(12000 * math.sin(i / 10.0))) for i in range(13230)))


def editor_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.get_process_id() == pid:
            return application
    return None


def frames(application, role):
    return [child for child in (application.getChildAtIndex(i) for i in range(application.childCount))
            if child is not None and child.getRole() == role and showing(child)]


def check_names(window):
    """Every control Tab reaches is told apart from its neighbours by its role and name."""
    seen = {}
    controls = walk(window, lambda node: (node.getRoleName(), (node.name or "").strip(), node.parent.getRoleName(),
                                          node.parent.name)
                    if showing(node) and focusable(node) and node.getRole() != pyatspi.ROLE_TABLE_CELL else None)
    for role, name, parent_role, parent_name in controls:
        if check(role not in ("", "unknown"), f"a control named {name!r} has no role"):
            check(name != "", f"a {role} has no name (its parent: {parent_role} {parent_name!r})")
        seen.setdefault((role, name), 0)
        seen[(role, name)] += 1
    for (role, name), count in seen.items():
        check(count == 1 or not name, f"{count} controls are the {role} {name!r}")


def check_slots(window):
    for slot in range(1, 7):
        imports = named(window, pyatspi.ROLE_PUSH_BUTTON, f"Import into slot {slot}, ")
        plays = named(window, pyatspi.ROLE_PUSH_BUTTON, f"Play slot {slot}, ")
        fields = named(window, pyatspi.ROLE_TEXT, f"Name of slot {slot}, ")
        check(len(imports) == 1 and len(plays) == 1 and len(fields) == 1,
              f"slot {slot}: {len(imports)} Import, {len(plays)} Play and {len(fields)} name fields")
    waves = walk(window, lambda node: (node.name, node.description or "") if showing(node) and focusable(node)
                 and (node.name or "").startswith("Waveform of slot ") else None)
    check(len(waves) == 6, f"{len(waves)} slot waveforms are named")
    for name, description in waves:
        check(" s of sound" in description, f"{name!r} does not say what it shows: {description!r}")


def check_table(window):
    # The sound browser's lists of files (the folder's and the library's) are tables too, named as
    # such; the bank table is the other.
    tables = walk(window, lambda node: node if node.getRole() == pyatspi.ROLE_TABLE
                  and node.name not in ("Sound files", "Library sounds") else None)
    if not check(len(tables) == 1, f"{len(tables)} bank tables"):
        return
    table = tables[0].queryTable()
    check(table.nRows == 32, f"the bank table reads {table.nRows} rows")
    last = table.getAccessibleAt(table.nRows - 1, table.nColumns - 1)
    check(last is not None and (last.name or "").startswith("FW"), f"the firmware row reads {last and last.name!r}")


def import_by_actions(application, window, tone):
    heard = []
    pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                           "object:property-change:accessible-name")
    button = named(window, pyatspi.ROLE_PUSH_BUTTON, "Import into slot 1, ")[0]
    button.queryAction().doAction(0)
    panel = wait_for(lambda: [f for f in frames(application, pyatspi.ROLE_DIALOG) + frames(application, pyatspi.ROLE_FILE_CHOOSER)],
                     "the file panel")[0]
    check((panel.name or "").startswith("Import into S05 slot 1, "), f"the file panel is titled {panel.name!r}")
    # What a screen reader user types reaches the focused field through its editable text; no window
    # manager gives the panel the keyboard here.
    field = wait_for(lambda: [node for node in descendants(panel) if node.getRole() == pyatspi.ROLE_TEXT
                              and node.getState().contains(pyatspi.STATE_FOCUSED)], "the panel's focused field")[0]
    field.queryEditableText().insertText(0, tone, len(tone.encode()))
    named(panel, pyatspi.ROLE_PUSH_BUTTON, "Open")[0].queryAction().doAction(0)
    apply = wait_for(lambda: [b for d in frames(application, pyatspi.ROLE_DIALOG)
                              for b in named(d, pyatspi.ROLE_PUSH_BUTTON, "Apply")], "the sound panel")[0]
    sound_panel = [d for d in frames(application, pyatspi.ROLE_DIALOG) if named(d, pyatspi.ROLE_PUSH_BUTTON, "Apply")][0]
    # Every field of the shape is named by what it sets, and the window over the source has the focus.
    check_names(sound_panel)
    focused = wait_for(lambda: [node for node in descendants(sound_panel)
                                if node.getState().contains(pyatspi.STATE_FOCUSED)], "the sound panel's focus")
    check(any((node.name or "").startswith("Source waveform") for node in focused),
          f"the sound panel opens with the focus on {[node.name for node in focused]!r}")
    apply.queryAction().doAction(0)
    wait_for(lambda: not frames(application, pyatspi.ROLE_DIALOG), "the end of the sound panel")
    wave_one = wait_for(lambda: named(window, pyatspi.ROLE_FILLER, "Waveform of slot 1, ")
                        or named(window, pyatspi.ROLE_IMAGE, "Waveform of slot 1, "), "slot 1's waveform")[0]
    label = wave_one.name.split(", ", 1)[1]
    check((wave_one.description or "").startswith(f"{label}: 0.30 s of sound, peak \u22129 dBFS, "),
          f"slot 1 after the import: {wave_one.description!r}")
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline and not any("tone.wav" in (name or "") for name in heard):
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.1)
    check(any("tone.wav" in (name or "") for name in heard),
          f"the status line's change was not heard: {heard[-3:]!r}")


def check_library(window):
    """The sound browser's Library tab, chosen by its tab's action: its controls are named apart from
    each other and from the rest of the window, and its list of sounds is a table of its own name."""
    tab = wait_for(lambda: named(window, pyatspi.ROLE_PAGE_TAB, "Library"), "the sound browser's Library tab")[0]
    tab.queryAction().doAction(0)
    wait_for(lambda: named(window, pyatspi.ROLE_TABLE, "Library sounds"), "the library's list of sounds")
    check(len(named(window, pyatspi.ROLE_TEXT, "Search the sound library")) == 1, "the library's search field")
    check_names(window)


def keys(*names):
    """Real key presses on the display, through the X server's test extension, to the window that
    has the keyboard."""
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)


def search_library_by_keys(application, window, pid):
    """The home folder, which the Folders tab shows at a first start, added to the library; then a
    query typed into the search field with real keys, its row chosen with Down and imported with
    Return through the sound panel."""
    named(window, pyatspi.ROLE_PUSH_BUTTON, "Add Shown Folder")[0].queryAction().doAction(0)
    # No window manager gives the window the keyboard here: it is given the X server's input focus.
    for x_window in subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True,
                                   check=True).stdout.split():
        subprocess.run(["xdotool", "windowfocus", "--sync", x_window], check=True)
    keys("ctrl+shift+f")
    subprocess.run(["xdotool", "type", "--delay", "50", "ton"], check=True)
    table = named(window, pyatspi.ROLE_TABLE, "Library sounds")[0]

    def found():
        cells = table.queryTable()
        return cells.nRows == 1 and (cells.getAccessibleAt(0, 1).name or "") == "tone.wav"
    wait_for(found, "the row the keys typed find")
    field = named(window, pyatspi.ROLE_TEXT, "Search the sound library")[0]
    check(field.queryText().getText(0, -1) == "ton", f"the keys typed {field.queryText().getText(0, -1)!r}")
    keys("Down", "Return")
    wait_for(lambda: [d for d in frames(application, pyatspi.ROLE_DIALOG)
                      if named(d, pyatspi.ROLE_PUSH_BUTTON, "Apply")], "the sound panel opened by Return")
    keys("Escape")
    wait_for(lambda: not frames(application, pyatspi.ROLE_DIALOG), "the end of the sound panel")


def main():
    editor = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        run(editor, scratch)
    for failure in failures:
        print("atspi_check:", failure)
    sys.exit(1 if failures else 0)


def run(editor, scratch):
    tone = os.path.join(scratch, "tone.wav")
    write_tone(tone)
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(runtime, mode=0o700)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       HOME=scratch, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                       XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8")
    process = subprocess.Popen([editor], env=environment)
    try:
        application = wait_for(lambda: editor_application(process.pid), "the editor on the accessibility bus")
        window = wait_for(lambda: frames(application, pyatspi.ROLE_FRAME), "the editor's window")[0]
        time.sleep(0.5)
        check_names(window)
        check_slots(window)
        check_table(window)
        import_by_actions(application, window, tone)
        check_library(window)
        search_library_by_keys(application, window, process.pid)
    finally:
        process.terminate()
        process.wait(10)


if __name__ == "__main__":
    main()
