"""Sets the shift patterns on the real program through the accessibility bus, on the demo shop
without its seventh file (a workplace that has no patterns yet): in the window
"勤務パターン設定" the ward's starting set is chosen, the night's break is typed too long and refused
with its message, typed as a time of day and changed, the change undone and done again, and
"登録" takes it; every control of the pattern page is named. After the program has closed, the
seventh file holds the patterns."""
import os
import subprocess
import sys
import tempfile

from atspi_road import NORMAL_CAPTION, cell, choose, do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
NIGHT = 2  # 日, 遅, 夜, 明
BREAK = 4  # the table's columns: 記号, 名称, 開始, 終了, 休憩, 実働, 種類, 色, 後に続く勤務
NAMED = [("page tab", "勤務パターン(P)"), ("page tab", "職員(S)"), ("combo box", "ひな形"),
         ("push button", "ひな形を使う"), ("table", "勤務パターン表"), ("push button", "上へ"),
         ("push button", "下へ"), ("push button", "削除"), ("text", "記号"), ("text", "名称"),
         ("combo box", "種類"), ("combo box", "休みの区分"), ("text", "開始時刻"), ("text", "終了時刻"),
         ("text", "休憩"), ("combo box", "後に続く勤務"), ("push button", "色の選択"), ("push button", "追加"),
         ("push button", "変更"), ("push button", "元に戻す"), ("push button", "やり直し"),
         ("push button", "登録"), ("push button", "閉じる")]


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-patterns-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    # A workplace that has no shift patterns yet: the starting sets are offered only then.
    os.remove(os.path.join(start_dir, "zelrotandata7.zel"))
    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(frame, "menu item", "勤務パターン設定"))
        window = wait(lambda: find(app, "frame", "勤務パターン設定"), "the window 勤務パターン設定")
        missing = [(role, name) for role, name in NAMED if find(window, role, name) is None]
        if missing:
            fail("unnamed or missing on the bus: %r" % missing)

        starter = find(window, "combo box", "ひな形")
        do(next(e for e in starter[0] if e.name == "病棟（２交代）"), "Toggle")
        do(find(window, "push button", "ひな形を使う"), "Press")
        table = find(window, "table", "勤務パターン表")
        wait(lambda: table.queryTable().nRows == 4, "the ward's four patterns")
        grid = table.queryTable()
        if grid.getColumnHeader(BREAK).name != "休憩" or cell(table, NIGHT, 0).name != "夜":
            fail("the table reads %r in row %d" % ([cell(table, NIGHT, c).name for c in range(9)], NIGHT))

        choose(table, {(NIGHT, c) for c in range(grid.nColumns)})
        breaks = find(window, "text", "休憩")
        wait(lambda: breaks.queryText().getText(0, -1) == "120", "the night's break in its field")
        breaks.queryEditableText().setTextContents("1000")
        press_without_waiting(find(window, "push button", "変更"))
        refusal = wait(lambda: find(app, "label", prefix="▼ 休憩が勤務時間（16時間30分）より長く"), "the refusal")
        do(wait(lambda: find(app, "push button", "OK"), "the message's OK"), "Press")
        if cell(table, NIGHT, BREAK).name != "120分":
            fail("a refused break changed the table to %r" % cell(table, NIGHT, BREAK).name)

        breaks.queryEditableText().setTextContents("1:00-3:00")
        do(find(window, "push button", "変更"), "Press")
        wait(lambda: cell(table, NIGHT, BREAK).name == "1:00-3:00", "the break as a time of day")
        do(find(window, "push button", "元に戻す"), "Press")
        wait(lambda: cell(table, NIGHT, BREAK).name == "120分", "the change undone")
        do(find(window, "push button", "やり直し"), "Press")
        wait(lambda: cell(table, NIGHT, BREAK).name == "1:00-3:00", "the change done again")
        do(find(window, "push button", "登録"), "Press")
        do(find(window, "push button", "閉じる"), "Press")
        wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
        if refusal is None:
            fail("no refusal was read")
        do(find(frame, "menu item", "終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()

    lines = open(os.path.join(start_dir, "zelrotandata7.zel"), "rb").read().decode("cp932").split("\r\n")
    if lines[2] != "勤務,夜,夜勤,16,30,9,00,1:00-3:00,#3050A0,明," or lines[3] != "勤務,明,明け,明け,,,,,#A0A0C0,,":
        fail("the seventh file holds %r" % lines)
    print("PASS: the ward set chosen, a break refused and changed, undone and redone, registered and saved",
          flush=True)


if __name__ == "__main__":
    main()
