"""The next period prepared in the real program through the accessibility bus: on 12 May 2026 (the
period runs to 20 June) the change window is switched to "次の期間", and on its third day, 23 June,
山田 gets the day off through the dialog and 佐藤 wishes it off through the menu "希望". The
program closes and starts again on 21 June, the next period's first day (DatedProgram.cpp sets the
date); the period is registered there, and then the schedule window lists 山田's change and the
report "希望の反映状況" lists 佐藤's wish, with nothing further to do."""
import sys
import tempfile

import pyatspi

from atspi_road import choose, do, fail, find, press_without_waiting, start_program, wait

PROGRAM = sys.argv[1]
NEXT_PERIOD = "期間：2026/6/21～2026/7/30（40日間）"




def open_changes(app):
    press_without_waiting(find(app, "menu item", "勤務変更"))
    window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
    return window, wait(lambda: find(window, "table", "勤務変更表"), "the table 勤務変更表")


def finish(program, app):
    do(find(app, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)




def text_of(window, name, until):
    """The lines of a text view once they hold until."""
    def lines():
        text = find(window, "text", name).queryText().getText(0, -1)
        return text.splitlines() if until in text else None
    return wait(lines, "%r in %s" % (until, name))


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-next-")

    program, app, _ = start_program([PROGRAM, start_dir, "2026-05-12"])
    try:
        window, table = open_changes(app)
        do(find(window, "menu item", "次の期間"), "Press")
        wait(lambda: find(window, "label", NEXT_PERIOD), "the next period's dates")
        grid = table.queryTable()
        wait(lambda: grid.getColumnHeader(2).name.startswith("23\n火"), "the next period's third day")
        if find(window, "combo box", "期間").queryText().getText(0, -1) != "次の期間":
            fail("the period box does not show 次の期間")

        choose(table, {(0, 2)})
        press_without_waiting(find(window, "menu item", "変更の登録"))
        dialog = wait(lambda: find(app, "dialog", "勤務変更の登録"), "the dialog 勤務変更の登録")
        attribute = find(dialog, "combo box", "勤務区分")
        do(next(e for e in attribute[0] if e.name == "休み"), "Toggle")
        wait(lambda: attribute.queryText().getText(0, -1) == "休み", "the attribute 休み")
        do(find(dialog, "push button", "登録"), "Press")
        wait(lambda: grid.getAccessibleAt(0, 2).name == "×", "山田's day off on 23 June")

        choose(table, {(1, 2)})
        do(find(window, "menu item", "希望休"), "Press")
        wait(lambda: grid.getAccessibleAt(1, 2).name == "〇 休！", "佐藤's wish on 23 June")
        do(find(window, "menu item", "閉じる"), "Press")
        finish(program, app)
    finally:
        if program.poll() is None:
            program.kill()

    program, app, _ = start_program([PROGRAM, start_dir, "2026-06-21"])
    try:
        press_without_waiting(find(app, "menu item", "勤務期間設定"))
        term = wait(lambda: find(app, "frame", "勤務スケジュール期間決定"), "the period window")
        execute = wait(lambda: (lambda b: b if b.getState().contains(pyatspi.STATE_ENABLED) else None)(
            find(term, "push button", "勤務期間の登録")), "the period computed")
        press_without_waiting(execute)
        text_of(term, "勤務期間の情報表示", "2026/7/30")
        wait(lambda: not find(term, "push button", "勤務期間の登録").getState().contains(pyatspi.STATE_ENABLED),
             "the period registered")
        do(find(term, "menu item", "閉じる"), "Press")

        press_without_waiting(wait(lambda: find(app, "menu item", "勤務スケジュール情報"), "the schedule item"))
        view = wait(lambda: find(app, "frame", "勤務スケジュール作成"), "the schedule window")
        lines = text_of(view, "勤務スケジュール表", "【勤務変更】")
        if "　6/23（火） 山田 ： 〇 ⇒ ×" not in lines:
            fail("the schedule does not list the change:\n" + "\n".join(lines))
        do(find(view, "menu item", "閉じる"), "Press")

        window, table = open_changes(app)
        if not find(window, "label", "期間：2026/6/21～2026/7/30（40日間）"):
            fail("the change window does not open on the registered period 6/21 to 7/30")
        press_without_waiting(find(window, "menu item", "希望の反映状況"))
        report = wait(lambda: find(app, "frame", "希望の反映状況"), "the report window")
        lines = text_of(report, "希望の反映状況", "◆ 反映率")
        if lines[3:5] != ["■ 佐藤 ： 希望 1 件，反映 0 件", "　6/23（火） 希望休 ⇒ 9:00～17:30"]:
            fail("the report reads %r" % lines)
        do(find(report, "menu item", "閉じる"), "Press")
        do(find(window, "menu item", "閉じる"), "Press")
        finish(program, app)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: the next period prepared, then in effect once registered on its first day", flush=True)


if __name__ == "__main__":
    main()
