"""The staff's wishes in the real program through the accessibility bus: two cells of the change
window marked "希望休" through the menu "希望", a form's CSV export (a timestamp first, the form's
headings, a wish of the next period and one bad row) imported through the open-file dialog and the
import dialog; after a restart the sixth file holds the four wishes, the
cells carry their marks and the report "希望の反映状況" lists them. The program runs on a set date
(DatedProgram.cpp): 12 May 2026, a Tuesday, with 山田, 佐藤 and 鈴木 working Monday to Friday."""
import os
import sys
import tempfile

import pyatspi

from atspi_road import cell, choose, do, fail, find, press_without_waiting, start_program, wait

PROGRAM = sys.argv[1]
TODAY = "2026-05-12"
CSV = ("タイムスタンプ,お名前,希望日,種類,備考\r\n"
       "2026/05/01 9:12:30,鈴木,2026/05/16,希望休,帰省\r\n"
       "2026/05/01 9:15:02,高橋,2026/05/18,希望休,\r\n"
       "2026/05/02 18:40:11,佐藤,2026/06/22,出勤不可,\r\n")
SUMMARY = "取り込む希望：2 件（うち 0 件は既にある希望を置き換えます）　取り込まない行：1 件　文字コード：UTF-8"
TAKEN = ["2 行目　鈴木　2026年5月16日（土）　希望休（帰省）", "4 行目　佐藤　2026年6月22日（月）　出勤不可"]




def open_changes(app):
    press_without_waiting(find(app, "menu item", "勤務変更"))
    window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
    return window, wait(lambda: find(window, "table", "勤務変更表"), "the table 勤務変更表")


def finish(program, app, window):
    do(find(window, "menu item", "閉じる"), "Press")
    do(find(app, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)






def expect_cell(table, row, column, name, description):
    wait(lambda: cell(table, row, column).name == name, "cell %d, %d to read %r (it reads %r)"
         % (row, column, name, cell(table, row, column).name))
    if cell(table, row, column).description != description:
        fail("cell %d, %d describes itself as %r" % (row, column, cell(table, row, column).description))


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-wishes-")
    csv = os.path.join(tempfile.mkdtemp(prefix="rotan-form-"), "希望.csv")
    with open(csv, "w", encoding="utf-8", newline="") as f:
        f.write(CSV)

    program, app, _ = start_program([PROGRAM, start_dir, TODAY])
    try:
        window, table = open_changes(app)
        # 山田 and 佐藤 wish 13 May off, a working day: each cell says the entry goes against it.
        choose(table, {(0, 1), (1, 1)})
        do(find(window, "menu item", "希望休"), "Press")
        for row in (0, 1):
            expect_cell(table, row, 1, "〇 休！", "希望：希望休\n希望と異なる")

        # The form's file: a wish of each planned period taken, one row refused, shown before
        # anything changes; the form's headings fix the columns of name, date, kind and note.
        press_without_waiting(find(window, "menu item", "希望の取り込み…"))
        chooser = wait(lambda: find(app, "dialog", "希望の取り込み"), "the open-file dialog")
        find(chooser, "text", "ファイル名(N):").queryEditableText().setTextContents(csv)
        press_without_waiting(find(chooser, "push button", "開く(O)"))
        preview = wait(lambda: (lambda d: d if find(d, "list", "取り込む希望") else None)(
            find(app, "dialog", "希望の取り込み")), "the import dialog")
        taken = find(preview, "list", "取り込む希望")
        if taken.description != SUMMARY or [item.name for item in taken] != TAKEN:
            fail("the import dialog says %r and takes %r" % (taken.description, [item.name for item in taken]))
        for box, column in (("氏名の列", "2 列目：お名前"), ("日付の列", "3 列目：希望日"), ("メモの列", "5 列目：備考")):
            combo = find(preview, "combo box", box)
            shown = combo.queryText().getText(0, -1) if combo else None
            if shown != column or combo.getState().contains(pyatspi.STATE_ENABLED):
                fail("the box %s reads %r, not the heading's %r fixed" % (box, shown, column))
        refused = find(preview, "list", "取り込まない行")
        if [item.name for item in refused] != ["3 行目：氏名が従業員マスタにありません"]:
            fail("the refused rows read %r" % [item.name for item in refused])
        do(find(preview, "push button", "取り込む"), "Press")
        expect_cell(table, 2, 4, "☆ 休", "希望：希望休（帰省）")
        finish(program, app, window)
    finally:
        if program.poll() is None:
            program.kill()

    lines = open(os.path.join(start_dir, "zelrotandata6.zel"), "rb").read().decode("cp932").split("\r\n")
    if lines != ["山田,2026,5,13,希望休,,", "佐藤,2026,5,13,希望休,,", "鈴木,2026,5,16,希望休,帰省,",
                 "佐藤,2026,6,22,出勤不可,,", ""]:
        fail("the requests' file holds %r" % lines)

    # The next run shows the wishes again and reports them.
    program, app, _ = start_program([PROGRAM, start_dir, TODAY])
    try:
        window, table = open_changes(app)
        expect_cell(table, 0, 1, "〇 休！", "希望：希望休\n希望と異なる")
        press_without_waiting(find(window, "menu item", "希望の反映状況"))
        report = wait(lambda: find(app, "frame", "希望の反映状況"), "the report window")

        def report_lines():
            text = find(report, "text", "希望の反映状況").queryText().getText(0, -1)
            return text.splitlines() if "◆ 反映率" in text else None

        expected = ["【希望の反映状況】", "期間：2026/5/12～2026/6/20（40日間）", "",
                    "■ 山田 ： 希望 1 件，反映 0 件", "　5/13（水） 希望休 ⇒ 9:00～17:30",
                    "■ 佐藤 ： 希望 1 件，反映 0 件", "　5/13（水） 希望休 ⇒ 9:00～17:30",
                    "■ 鈴木 ： 希望 1 件，反映 1 件", "", "◆ 反映率 33%（1／3 件）"]
        lines = wait(report_lines, "the report's lines")
        if lines != expected:
            fail("the report reads %r" % lines)
        do(find(report, "menu item", "閉じる"), "Press")
        wait(lambda: find(app, "frame", "勤務変更").getState().contains(pyatspi.STATE_SHOWING),
             "the change window still there")
        finish(program, app, window)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: wishes marked, imported, kept and reported through the accessibility bus", flush=True)


if __name__ == "__main__":
    main()
