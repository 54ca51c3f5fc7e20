"""The main window's period-end notice over the accessibility bus, as a screen reader meets it: the
label reads as its text, says what it is in its description, and a new text reaches the bus as a
change of the label's name (the event a screen reader follows). The program runs on a set date
through a small test program (NoticeChild.cpp), which moves the period's end on request."""
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from atspi_road import application, fail, find, wait

CHILD = sys.argv[1]
DESCRIPTION = "勤務期間終了のお知らせ"


def pump(predicate=None, what=None, timeout=60):
    """Runs the event loop of this client, so that events are delivered, until predicate holds (or,
    without one, for timeout seconds)."""
    context = GLib.MainContext.default()
    end = time.time() + timeout
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        if predicate is not None and predicate():
            return
        time.sleep(0.05)
    if predicate is not None:
        fail("timed out waiting for " + what)


def main():
    changes = []

    def on_name_change(event):
        source = event.source
        if source is not None and source.getRoleName() == "label":
            changes.append(source.name)

    # Listening before the program starts: it asks the bus at start-up which events are wanted.
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    child = subprocess.Popen([CHILD, tempfile.mkdtemp(prefix="rotan-notice-")], stdin=subprocess.PIPE, text=True)
    try:
        app = wait(application, "the program on the accessibility bus")
        pump(lambda: "勤務期間終了まで，後５日" in changes, "the notice 後５日 announced as a change of name")
        notice = wait(lambda: find(app, "label", "勤務期間終了まで，後５日"), "the notice read as its text")
        if notice.description != DESCRIPTION:
            fail("the notice describes itself as %r" % notice.description)
        if find(app, name=DESCRIPTION) is not None:
            fail("an object is still named %r instead of reading its text" % DESCRIPTION)
        wait(lambda: notice.getState().contains(pyatspi.STATE_SHOWING), "the notice to show")  # it hides as it scrolls

        # The today panel sets the same text every 100 ms: that is no change and is not announced.
        before = len(changes)
        pump(timeout=1.5)
        if len(changes) != before:
            fail("an unchanged notice was announced again: %r" % changes[before:])

        child.stdin.write("end 14\n")
        child.stdin.flush()
        pump(lambda: "勤務期間終了まで，後４日" in changes, "the new text 後４日 announced as a change of name")
        if notice.name != "勤務期間終了まで，後４日" or notice.description != DESCRIPTION:
            fail("the notice now reads %r (%r)" % (notice.name, notice.description))
    finally:
        pyatspi.Registry.deregisterEventListener(on_name_change, "object:property-change:accessible-name")
        child.kill()
        child.wait()
    print("PASS: the period-end notice reads as its text and each new text reaches the bus", flush=True)


if __name__ == "__main__":
    main()
