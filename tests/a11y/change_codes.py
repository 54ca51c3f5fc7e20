"""Enters the roster by code in the real program through the accessibility bus, on the demo shop
without its seventh file (a workplace that has no patterns yet): the ward's starting
set is chosen in "勤務パターン設定" and registered, the change window shows the legend of its codes,
"夜" typed on a date sets that date and the next one shows "明", undo takes both back, "夜" typed
again is saved when the program closes, and the next run shows the same codes."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_road import NORMAL_CAPTION, cell, do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
LEGEND = ["日 8:30～17:15", "遅 12:00～20:45", "夜 16:30～9:00", "明 明け"]
ROW = 0


def code(table, column):
    """A cell's code, without the words of its marks (a wish, a finding)."""
    return cell(table, ROW, column).name.split(" ")[0]


def open_change_window(app):
    press_without_waiting(find(app, "menu item", "勤務変更"))
    window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
    return window, wait(lambda: find(window, "table", "勤務変更表"), "the table 勤務変更表")


def type_code(program, table, column, text, reads):
    """Clicks one cell of the grid (which selects it and gives the grid the keyboard focus) and types
    text as the keyboard does, until the grid reads as reads() wants. xdotool types a character
    that no key carries by binding it to a spare key for a moment; on a busy machine the program
    may read that key after it was unbound and get no character, so the typing is repeated (typing
    a code again on cells that have it changes nothing)."""
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", "勤務変更"],
                             capture_output=True, text=True).stdout.split()
    for window in windows:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
    box = cell(table, ROW, column).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2),
                    "click", "1"], check=True)
    wait(lambda: cell(table, ROW, column).getState().contains(pyatspi.STATE_SELECTED), "the cell clicked to be selected")
    for _ in range(5):
        subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "300", text], check=True)
        end = time.time() + 5
        while time.time() < end:
            if reads():
                return
            time.sleep(0.2)
    fail("typing %r on the grid did not give the codes wanted" % text)


def finish(program, app, window):
    do(find(window, "menu item", "閉じる"), "Press")
    wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
    do(find(app, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-codes-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    # A workplace that has no shift patterns yet: the starting sets are offered only then.
    os.remove(os.path.join(start_dir, "zelrotandata7.zel"))
    for own in ("zelrotandata3.zel", "zelrotandata7.zel"):  # the demo's own changes and patterns
        if os.path.exists(os.path.join(start_dir, own)):
            os.remove(os.path.join(start_dir, own))

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(frame, "menu item", "勤務パターン設定"))
        patterns = wait(lambda: find(app, "frame", "勤務パターン設定"), "the window 勤務パターン設定")
        starter = find(patterns, "combo box", "ひな形")
        do(next(e for e in starter[0] if e.name == "病棟（２交代）"), "Toggle")
        do(find(patterns, "push button", "ひな形を使う"), "Press")
        wait(lambda: find(patterns, "table", "勤務パターン表").queryTable().nRows == 4, "the ward's four patterns")
        do(find(patterns, "push button", "登録"), "Press")
        do(find(patterns, "push button", "閉じる"), "Press")
        wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")

        window, table = open_change_window(app)
        missing = [text for text in LEGEND if find(window, "push button", text) is None]
        if missing:
            fail("the legend lacks %r" % missing)
        if find(window, "push button", "夜 16:30～9:00").description != "夜勤　16:30～9:00（休憩 120分）　翌日は明":
            fail("the night's legend describes itself as %r" % find(window, "push button", "夜 16:30～9:00").description)
        day = 1
        before = (code(table, day), code(table, day + 1))
        night = lambda: (code(table, day), code(table, day + 1)) == ("夜", "明")
        type_code(program, table, day, "夜", night)
        do(find(window, "push button", "元に戻す"), "Press")
        wait(lambda: (code(table, day), code(table, day + 1)) == before, "both days back as they were")
        type_code(program, table, day, "夜", night)
        finish(program, app, window)
    finally:
        if program.poll() is None:
            program.kill()

    lines = open(os.path.join(start_dir, "zelrotandata3.zel"), "rb").read().decode("cp932").split("\r\n")
    if len(lines) != 3 or ",勤務日,16,30,9,00,870," not in lines[0] or not lines[1].endswith(",その他,0,00,0,00,0,明,"):
        fail("the change file holds %r" % lines)

    program, app, _ = start_program([PROGRAM], cwd=start_dir)
    try:
        window, table = open_change_window(app)
        wait(lambda: (code(table, day), code(table, day + 1)) == ("夜", "明"), "the same codes after a restart")
        finish(program, app, window)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: the ward set registered, 夜 typed with its 明, undone, typed again, saved and shown again",
          flush=True)


if __name__ == "__main__":
    main()
