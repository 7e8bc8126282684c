"""TuneSnip through the desktop's accessibility bus, as a screen reader uses it.

Started by accessibility_bus_test.sh inside a private X server and session bus. Starts the
program, walks its accessible tree, checks that every shown button and menu item has a name,
presses "Settings" and "Back" and "Open" through their accessibility actions, opens a sound
by typing its path into the open dialog through the accessibility bus, and reads the timeline
slider's value change announced after the Right key. Time labels and the path field are read
by their names ("Selection begin, 00:00:00", "File, <path>"). Exits non-zero on the first failure.
Usage: accessibility_bus_test.py <tunesnip program> <work folder>
"""
import math
import os
import signal
import struct
import subprocess
import sys
import time
import wave

import pyatspi
from gi.repository import GLib

PROGRAM, WORK = sys.argv[1], sys.argv[2]
TIMEOUT = 60.0
EXPECTED_BUTTONS = {
    "Open", "Save", "Random Cut", "Send to Friends", "Settings", "Help", "Exit", "Play", "Stop",
    "Pause", "Select Start Position", "Select End Position", "Play Selection", "Save Ring Tone",
    "Minimize", "Close", "Send Feedback",
}
EXPECTED_MENUS = {"File", "Tools", "Setting", "About"}

value_events = []


def fail(message):
    print("FAIL: " + message, flush=True)
    raise SystemExit(1)


def pump():
    """Lets the bus deliver what it has (events, replies)."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, find, timeout=TIMEOUT, detail=None):
    """Polls `find` until it returns something true; fails with `what` (and what `detail` tells)
    after the timeout."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump()
        try:
            found = find()
        except Exception:  # a tree that changes under the walk: try again
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("timed out waiting for " + what + ("; " + detail() if detail else ""))


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    """Every shown descendant of `node`, depth first."""
    for child in children(node):
        if child is None:
            continue
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from walk(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def windows(app):
    return [w for w in children(app) if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def find(node, role, name):
    for n in walk(node):
        if n.getRole() == role and n.name == name:
            return n
    return None


def press(node):
    """Runs the node's press action, as a screen reader does."""
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "click"):
        if wanted in names:
            if not action.doAction(names.index(wanted)):
                fail("the press action of %r was refused" % node.name)
            return
    fail("%r has no press action (actions: %s)" % (node.name, names))


def make_sound(path, seconds=8):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(22050)
        frames = bytearray()
        for i in range(seconds * 22050):
            frames += struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 22050)))
        w.writeframes(bytes(frames))


def on_value_changed(event):
    try:
        if event.source.getRole() == pyatspi.ROLE_SLIDER:
            value_events.append((event.source.name, event.source.queryValue().currentValue))
    except Exception:
        pass


def main():
    sound = os.path.join(WORK, "tone.wav")
    make_sound(sound)
    pyatspi.Registry.registerEventListener(on_value_changed, "object:property-change:accessible-value")
    log = open(os.path.join(WORK, "tunesnip.log"), "w")
    proc = subprocess.Popen([PROGRAM], stdout=log, stderr=subprocess.STDOUT, cwd=WORK)
    try:
        run(proc, sound)
    finally:
        if proc.poll() is None:
            proc.send_signal(signal.SIGTERM)  # quits without the question
            try:
                proc.wait(timeout=30)
            except subprocess.TimeoutExpired:
                proc.kill()
        log.close()
    print("PASS: the accessibility client named every control, pressed Open, Settings and Back, "
          "opened a sound and heard the timeline move", flush=True)


def run(proc, sound):
    app = wait_for("the program on the accessibility bus", lambda: application(proc.pid))
    main_window = wait_for("the main window's controls",
                           lambda: next((w for w in windows(app) if find(w, pyatspi.ROLE_PUSH_BUTTON, "Open")), None))

    # Every shown button and menu item has a name; the window's own are all there.
    buttons, menus = set(), set()
    for n in walk(main_window):
        role = n.getRole()
        if role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM):
            if not n.name:
                fail("a shown %s has no name" % n.getRoleName())
            (buttons if role == pyatspi.ROLE_PUSH_BUTTON else menus).add(n.name)
    if not EXPECTED_BUTTONS <= buttons:
        fail("buttons missing from the tree: %s (found %s)" % (sorted(EXPECTED_BUTTONS - buttons), sorted(buttons)))
    if menus != EXPECTED_MENUS:
        fail("menu items %s, expected %s" % (sorted(menus), sorted(EXPECTED_MENUS)))
    print("found buttons: " + ", ".join(sorted(buttons)), flush=True)
    # The time labels say what they show.
    for name in ("Selection begin, 00:00:00", "Selection end, 00:00:00", "Current time, 00:00:00"):
        if not find(main_window, pyatspi.ROLE_LABEL, name):
            fail("no label named %r" % name)

    # Settings opens the settings window; its Back button closes it.
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Settings"))
    settings = wait_for("the settings window", lambda: next((w for w in windows(app) if w.name == "Settings"), None))
    for name in ("OK", "Back"):
        if not find(settings, pyatspi.ROLE_PUSH_BUTTON, name):
            fail("the settings window has no %r button" % name)
    press(find(settings, pyatspi.ROLE_PUSH_BUTTON, "Back"))
    wait_for("the settings window to close", lambda: all(w.name != "Settings" for w in windows(app)))

    # Open shows the open dialog: type the sound's path into it and press its Open button.
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Open"))
    dialog = wait_for("the open dialog", lambda: next((w for w in windows(app) if w.getRole() in (
        pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER) or "open" in w.name.lower()), None))
    print("the open dialog appeared: %r" % dialog.name, flush=True)

    def name_field():
        for n in walk(dialog):
            if n.getRole() == pyatspi.ROLE_TEXT and n.getState().contains(pyatspi.STATE_EDITABLE) \
                    and "name" in n.name.lower():
                return n
        return None

    field = wait_for("the dialog's file name field", name_field)
    if not field.queryEditableText().setTextContents(sound):
        fail("the file name field refused the path")
    accept = wait_for("the dialog's Open button", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"))
    press(accept)
    wait_for("the open dialog to close", lambda: all(w.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER)
                                                     for w in windows(app)))

    # The timeline: a slider over the whole sound once it is decoded.
    timeline = wait_for("the timeline slider over the decoded sound", lambda: next(
        (n for n in walk(main_window) if n.getRole() == pyatspi.ROLE_SLIDER and n.name == "Timeline"
         and n.queryValue().maximumValue >= 7), None))

    def labels():
        return [n.name for n in walk(main_window) if n.getRole() == pyatspi.ROLE_LABEL]

    wait_for("the path field named 'File, %s'" % sound, lambda: ("File, " + sound) in labels(),
             detail=lambda: "labels: %s" % labels())
    before = timeline.queryValue().currentValue
    if before != 0:
        fail("the timeline starts at %s, not 0" % before)
    del value_events[:]
    # The Right key, to the main window that has the keyboard.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^TuneSnip$", "windowfocus", "--sync"], check=False,
                   timeout=30, stdout=subprocess.DEVNULL)
    subprocess.run(["xdotool", "key", "Right"], check=True, timeout=30)
    wait_for("the timeline's value change event", lambda: value_events)
    name, value = value_events[-1]
    if name != "Timeline" or value != 1:
        fail("value change from %r to %s, expected the Timeline at 1" % (name, value))
    if timeline.queryValue().currentValue != 1:
        fail("the timeline reads %s after Right, expected 1" % timeline.queryValue().currentValue)
    print("the timeline announced %s -> %s after Right: %s" % (before, value, timeline.description), flush=True)


if __name__ == "__main__":
    main()
