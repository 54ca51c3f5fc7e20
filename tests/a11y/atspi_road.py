"""What the accessibility road tests share: finding the program and its objects on the bus and
using them as a screen reader or an automation tool would."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

def fail(message):
    print("FAIL:", message, flush=True)
    sys.exit(1)


def wait(predicate, what, timeout=60):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = predicate()
        except Exception:  # the tree changes under our feet while windows open and close
            value = None
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def find(root, role=None, name=None, prefix=None):
    """The first object below root (depth first) with the given role and name."""
    stack = [root]
    while stack:
        obj = stack.pop()
        if obj is None:
            continue
        if (role is None or obj.getRoleName() == role) and (name is None or obj.name == name) \
                and (prefix is None or obj.name.startswith(prefix)):
            return obj
        stack.extend(reversed([c for c in obj]))
    return None


def do(obj, action):
    actions = obj.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail("%s %r offers %s, not %s" % (obj.getRoleName(), obj.name, names, action))
    actions.doAction(names.index(action))


def press_without_waiting(obj):
    """Presses a command that opens a modal dialog or runs an animation: the call returns at once
    instead of waiting for the command to end."""
    Atspi.set_timeout(500, 500)
    try:
        do(obj, "Press")
    except Exception:  # no reply while the dialog runs: expected
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def open_popup_menu(program, caption, panel):
    """Opens the popup menu of a panel from the keyboard: the window gets the input focus (as a
    window manager gives it on a click), the panel the keyboard focus, then Shift+F10. A popup
    menu is not a child of the application on the bus; it announces itself when it shows."""
    shown = []

    def on_showing(event):
        if event.detail1 and event.source.getRoleName() == "popup menu":
            shown.append(event.source)

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    try:
        windows = subprocess.run(["xdotool", "search", "--pid", str(program.pid), "--name", caption],
                                 capture_output=True, text=True).stdout.split()
        for window in windows:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
        if not panel.queryComponent().grabFocus():
            fail("the panel %r takes no keyboard focus" % panel.name)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "shift+F10"], check=True)
        context = GLib.MainContext.default()
        end = time.time() + 10
        while not shown and time.time() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.05)
    finally:
        pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    if not shown:
        fail("Shift+F10 on %r opened no popup menu on the bus" % panel.name)
    return shown[-1]


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "ZEL Rotan QX-30":
            return app
    return None


NORMAL_CAPTION = "ZEL Rotan QX-30   - Karvela Software Development -"


def start_program(command, cwd=None):
    """Starts the program on the display and waits for its normal state: (process, application, main frame)."""
    program = subprocess.Popen(command, cwd=cwd, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    app = wait(application, "the program on the accessibility bus")
    # An item of a menu that is still closed reads as enabled on the bus: wait for the normal state.
    frame = wait(lambda: find(app, "frame", NORMAL_CAPTION), "the normal state", timeout=90)
    return program, app, frame


def cell(table, row, column):
    return table.queryTable().getAccessibleAt(row, column)


def choose(table, cells):
    """Selects exactly these cells, as a screen reader user does with the cells' Toggle action."""
    grid = table.queryTable()
    for row in range(grid.nRows):
        for column in range(grid.nColumns):
            obj = grid.getAccessibleAt(row, column)
            if obj.getState().contains(pyatspi.STATE_SELECTED) != ((row, column) in cells):
                do(obj, "Toggle")


def short_hours(app, frame):
    """The shortage list's total of short person-hours."""
    press_without_waiting(find(frame, "menu item", "人員過不足一覧"))
    view = wait(lambda: find(app, "frame", "人員過不足一覧"), "the shortage list")

    def total():
        text = find(view, "text", "人員過不足一覧").queryText().getText(0, -1)
        return re.search(r"不足合計：(\d+)人時", text)

    hours = int(wait(total, "the shortage list's totals").group(1))
    do(find(view, "menu item", "閉じる"), "Press")
    wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
    return hours
