"""Changes single days in the real program through the accessibility bus: the change window's
table is read by its row and column headers, one employee's day is set to "休み" through the
dialog "勤務変更の登録", two employees swap one date; after the program has closed, the change
file holds the three lines, and a second run shows them in the schedule window."""
import datetime
import os
import subprocess
import sys
import tempfile

from atspi_road import cell, choose, do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
KANJI = "月火水木金土日"  # Monday first, as date.weekday() counts




def finish(program, app):
    do(find(app, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)






def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-changes-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    os.remove(os.path.join(start_dir, "zelrotandata3.zel"))  # the demo's own changes
    today = datetime.date.today()

    program, app, _ = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(app, "menu item", "勤務変更"))
        window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
        table = wait(lambda: find(window, "table", "勤務変更表"), "the table 勤務変更表")
        grid = table.queryTable()
        if grid.nRows != 8 or not 29 <= grid.nColumns <= 40:
            fail("the table has %d × %d cells: the demo's 8 employees over a period of 29 to 40 days"
                 % (grid.nRows, grid.nColumns))
        header = "%d\n%s" % (today.day, KANJI[today.weekday()])
        # A holiday or a mark of short hours adds a third line.
        if not grid.getColumnHeader(0).name.startswith(header) or grid.getRowHeader(0).name != "山田太郎":
            fail("headers read %r and %r" % (grid.getColumnHeader(0).name, grid.getRowHeader(0).name))

        # 山田太郎 takes his first working day off.
        day = next(c for c in range(grid.nColumns) if cell(table, 0, c).name == "〇")
        choose(table, {(0, day)})
        press_without_waiting(find(window, "menu item", "変更の登録"))
        dialog = wait(lambda: find(app, "dialog", "勤務変更の登録"), "the dialog 勤務変更の登録")
        attribute = find(dialog, "combo box", "勤務区分")
        do(next(e for e in attribute[0] if e.name == "休み"), "Toggle")
        wait(lambda: attribute.queryText().getText(0, -1) == "休み", "the attribute 休み")
        do(find(dialog, "push button", "登録"), "Press")
        wait(lambda: cell(table, 0, day).name == "×", "the changed day to read ×")
        if cell(table, 0, day).description != "勤務変更あり":
            fail("a changed cell describes itself as %r" % cell(table, 0, day).description)

        # 佐藤花子 and 鈴木一郎 swap the same date.
        choose(table, {(1, day), (2, day)})
        press_without_waiting(find(window, "menu item", "入替"))
        # A changed day's description starts with that; the labour rules' findings may follow.
        wait(lambda: all(cell(table, row, day).description.split("\n")[0] == "勤務変更あり" for row in (1, 2)),
             "both swapped days to be changes")

        do(find(window, "menu item", "閉じる"), "Press")
        finish(program, app)
    finally:
        if program.poll() is None:
            program.kill()

    date = today + datetime.timedelta(days=day)
    stamp = "%d,%d,%d," % (date.year, date.month, date.day)
    lines = open(os.path.join(start_dir, "zelrotandata3.zel"), "rb").read().decode("cp932").split("\r\n")
    if lines[-1] != "" or len(lines) != 4:
        fail("the change file holds %r" % lines)
    if lines[0] != "山田太郎," + stamp + "休み,0,00,0,00,0," or not lines[1].startswith("佐藤花子," + stamp) \
            or not lines[2].startswith("鈴木一郎," + stamp):
        fail("the change file holds %r" % lines)

    # The next run shows the three changes under the schedule.
    program, app, _ = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(app, "menu item", "勤務スケジュール情報"))
        view = wait(lambda: find(app, "frame", "勤務スケジュール作成"), "the schedule window")
        when = "　%d/%d（%s） " % (date.month, date.day, KANJI[date.weekday()])

        def change_lines():
            text = find(view, "text").queryText().getText(0, -1)
            lines = text[text.index("【勤務変更】"):].splitlines()[1:] if "【勤務変更】" in text else []
            return (text, lines) if len(lines) >= 3 else None

        text, changes = wait(change_lines, "the change lines in the schedule")
        if changes[0] != when + "山田太郎 ： 〇 ⇒ ×" \
                or not changes[1].startswith(when + "佐藤花子 ： ") or not changes[2].startswith(when + "鈴木一郎 ： "):
            fail("the schedule does not list the three changes:\n" + text)
        do(find(view, "menu item", "閉じる"), "Press")
        finish(program, app)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: a day changed and a swap made over the accessibility bus, saved and shown again", flush=True)


if __name__ == "__main__":
    main()
