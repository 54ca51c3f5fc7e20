"""Sets a staffing target on the real program through the accessibility bus: in the window
"必要人数設定" Monday's 10時 cell of the table "必要人数表" is selected, "9" is typed into the value
field and filled in, "登録" takes it and the window closes. After the program has closed, the
fourth file holds the target; a second run's "人員過不足一覧" lists the short hour."""
import os
import subprocess
import sys
import tempfile

import pyatspi

from atspi_road import NORMAL_CAPTION, do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
MONDAY, HOUR = 1, 10  # the table's rows run 日 to 土, then 祝 and the dates




def finish(program, frame):
    do(find(frame, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)


def select_only(table, target):
    grid = table.queryTable()
    for row in range(grid.nRows):
        for column in range(grid.nColumns):
            obj = grid.getAccessibleAt(row, column)
            if obj.getState().contains(pyatspi.STATE_SELECTED) != ((row, column) == target):
                do(obj, "Toggle")


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-targets-")
    subprocess.run([DEMO_DATA, start_dir], check=True)

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(frame, "menu item", "必要人数設定"))
        window = wait(lambda: find(app, "frame", "必要人数設定"), "the target window")
        table = wait(lambda: find(window, "table", "必要人数表"), "the table 必要人数表")
        grid = table.queryTable()
        if grid.getRowHeader(MONDAY).name != "月" or grid.getColumnHeader(HOUR).name != "10時":
            fail("headers read %r and %r" % (grid.getRowHeader(MONDAY).name, grid.getColumnHeader(HOUR).name))
        select_only(table, (MONDAY, HOUR))
        find(window, "text", "範囲に入力する値").queryEditableText().setTextContents("9")
        do(find(window, "push button", "範囲に入力"), "Press")
        wait(lambda: grid.getAccessibleAt(MONDAY, HOUR).name == "9", "the cell to read 9")
        do(find(window, "push button", "登録"), "Press")
        do(find(window, "push button", "閉じる"), "Press")
        wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()

    lines = open(os.path.join(start_dir, "zelrotandata4.zel"), "rb").read().decode("cp932").split("\r\n")
    monday = next((line for line in lines if line.startswith("月,")), "")
    if monday.split(",")[1 + HOUR] != "9":
        fail("the fourth file's Monday line reads %r" % monday)

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(frame, "menu item", "人員過不足一覧"))
        view = wait(lambda: find(app, "frame", "人員過不足一覧"), "the shortage list")

        def listed():
            text = find(view, "text", "人員過不足一覧").queryText().getText(0, -1)
            return text if "不足合計：" in text else None

        text = wait(listed, "the shortage list's totals")
        short = [line for line in text.splitlines() if line.startswith("　10時～11時　") and "名／必要9名　" in line]
        if not short or not short[0].endswith("名不足"):
            fail("the list does not show Monday's short hour at 10:\n" + text)
        do(find(view, "menu item", "閉じる"), "Press")
        wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: a target set over the accessibility bus, saved, and its short hour listed after a restart",
          flush=True)


if __name__ == "__main__":
    main()
