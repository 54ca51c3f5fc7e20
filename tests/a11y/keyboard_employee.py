"""Registers an employee in the real program with the keyboard alone, as a user without a mouse or
with a screen reader does: the focus, read on the accessibility bus after each key, goes through
the employee master window in the order its boxes are seen (name, wage, then each day's attribute,
start, end and rest); a name typed beyond its limit is cut and a note that shows on the bus says so; Enter on
the register button registers, Escape answers the question. The saved file is checked after the
program has ended."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from atspi_road import application, do, fail, find, wait

PROGRAM = sys.argv[1]
SETUP_CAPTION = "ZEL Rotan QX-30   - カルヴェラソフトウェア・ディベロプメント -"
DAYS = ["月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"]
BOXES = ["勤務属性", "勤務開始 時", "勤務開始 分", "勤務終了 時", "勤務終了 分", "休憩時間"]
WORKDAY = ["9", "00", "17", "30", "60"]  # typed into the boxes after the attribute: 9:00-17:30, 60 minutes
CUT_NOTE = "▽ 氏名は全角１２文字（半角２４文字）まで．超えた分は切り捨てました．"
EXPECTED_LINE = ("Yamada,1200," + "勤務日,9,00,17,30," * 5 + "公休,0,00,0,00," * 2 + "450," * 5 + "0,0,\r\n").encode("cp932")


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True)


def pump(predicate, what, timeout=10):
    """Runs this client's event loop, so that the program's events arrive, until predicate holds."""
    context = GLib.MainContext.default()
    end = time.time() + timeout
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        if predicate():
            return
        time.sleep(0.02)
    fail("timed out waiting for " + what)


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-keyboard-")
    program = subprocess.Popen([PROGRAM], cwd=start_dir, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        app = wait(application, "the program on the accessibility bus")
        wait(lambda: find(app, "frame", SETUP_CAPTION), "the setup-needed state", timeout=90)
        do(wait(lambda: find(app, "menu item", "マスタ登録"), "menu item マスタ登録"), "Press")
        master = wait(lambda: find(app, "frame", prefix="従業員マスタ登録"), "the employee master window")
        # The keys go to the window with the input focus, as a window manager gives it on a click.
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", "."],
                                 capture_output=True, text=True).stdout.split()
        window = next((w for w in windows if subprocess.run(["xdotool", "getwindowname", w], capture_output=True,
                                                             text=True).stdout.startswith("従業員マスタ登録")), None)
        if window is None:
            fail("no X window of the employee master window among %s" % windows)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)

        # A screen reader follows the focus by its events.
        focus_events = []

        def on_focus(event):
            if event.detail1:
                focus_events.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        notes = []

        def on_showing(event):
            if event.detail1 and event.source.getRoleName() == "label":
                notes.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

        def expect_focus(name):
            pump(lambda: focus_events and focus_events[-1] == name,
                 "the focus on %s (the last it reached: %s)" % (name, focus_events[-3:]))

        if find(master, "text", "従業員氏名").getState().contains(pyatspi.STATE_FOCUSED):
            focus_events.append("従業員氏名")
        expect_focus("従業員氏名")
        # Tab goes on past the wage before a name is typed, and Shift+Tab comes back.
        for keys, name in (("Tab", "時間給"), ("Tab", "月曜日 勤務属性"), ("shift+Tab", "時間給"), ("shift+Tab", "従業員氏名")):
            key(keys)
            expect_focus(name)
        type_text("abcdefghijklmnopqrstuvwxy")  # one letter more than a name holds
        name = find(master, "text", "従業員氏名")
        wait(lambda: name.queryText().getText(0, -1) == "abcdefghijklmnopqrstuvwx", "the name cut to 24 letters", 10)
        pump(lambda: CUT_NOTE in notes, "the note that tells of the cut")
        key("ctrl+a")
        type_text("Yamada")
        key("Tab")
        expect_focus("時間給")
        type_text("1200")
        for day in DAYS:
            key("Tab")
            expect_focus(day + " 勤務属性")
            key("Down") if day not in ("土曜日", "日曜日") else key("Down", "Down")
            for box, entry in zip(BOXES[1:], WORKDAY):
                key("Tab")
                expect_focus(day + " " + box)
                if day not in ("土曜日", "日曜日"):
                    type_text(entry)
        key("Tab")
        expect_focus("登録")
        key("Return")
        no = wait(lambda: find(app, "push button", "いいえ(N)"), "the question after registering")
        wait(lambda: no.getState().contains(pyatspi.STATE_SHOWING), "the question to show")
        key("Escape")
        person = wait(lambda: find(app, "dialog", "従業員氏名 ．．． 1"), "the employee list with one name")
        if find(person, "list item", "Yamada") is None:
            fail("the employee list does not show Yamada")

        do(find(master, "menu item", "閉じる"), "Press")
        do(wait(lambda: find(app, "menu item", "終了(X)"), "menu item 終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()
    saved = open(os.path.join(start_dir, "zelrotandata.zel"), "rb").read()
    if saved != EXPECTED_LINE:
        fail("saved %r, expected %r" % (saved, EXPECTED_LINE))
    print("PASS: an employee registered with the keyboard alone, the focus read on the bus at each step", flush=True)


if __name__ == "__main__":
    main()
