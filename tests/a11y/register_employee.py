"""Registers an employee in the real program through the accessibility bus, as a screen reader
or UI automation tool would: menus, text fields, drop-down boxes and buttons are found by their
Japanese names and used through their AT-SPI actions; values are read back; the saved file is
checked after the program has ended. Then the registration list is printed into a PDF through the
main window's popup menu, opened from the keyboard as a keyboard user does."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_road import application, do, fail, find, open_popup_menu, press_without_waiting, wait

PROGRAM = sys.argv[1]
SETUP_CAPTION = "ZEL Rotan QX-30   - カルヴェラソフトウェア・ディベロプメント -"
DAYS = ["月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"]
# Monday to Friday 9:00-17:30 with 60 minutes of rest; the weekend is a regular day off.
WORKDAY = [("勤務属性", "勤務日"), ("勤務開始 時", "9"), ("勤務開始 分", "00"), ("勤務終了 時", "17"),
           ("勤務終了 分", "30"), ("休憩時間", "60")]
DAY_OFF = [("勤務属性", "公休"), ("休憩時間", "0")]
# The printer setup's confirming button, as Qt's print dialog names it.
CONFIRM_BUTTONS = ["印刷(P)"]
EXPECTED_LINE = ("山田,1200," + "勤務日,9,00,17,30," * 5 + "公休,0,00,0,00," * 2 + "450," * 5 + "0,0,\r\n").encode("cp932")


def print_registration_list(app, program, caption):
    press_without_waiting(find(app, "menu item", "登録一覧"))
    panel = wait(lambda: (lambda p: p if "【山田】" in p.queryText().getText(0, -1) else None)(
        find(app, "text", "週間人件費・登録一覧")), "the registration list")
    menu = open_popup_menu(program, caption, panel)
    setup = wait(lambda: next((i for i in menu if i.name == "プリンタ設定" and i.getState().contains(
        pyatspi.STATE_ENABLED)), None), "the popup's printer setup enabled once the list is complete")
    press_without_waiting(setup)
    dialog = wait(lambda: find(app, "dialog", "印刷"), "the printer setup dialog")
    pdf = os.path.join(tempfile.mkdtemp(prefix="rotan-print-"), "list.pdf")
    find(dialog, "text", "出力ファイル名(F):").queryEditableText().setTextContents(pdf)
    confirm = next((b for b in (find(dialog, "push button", n) for n in CONFIRM_BUTTONS) if b), None)
    if confirm is None:
        fail("the printer setup has none of the buttons %s" % CONFIRM_BUTTONS)
    do(confirm, "Press")
    wait(lambda: find(app, "dialog", "印刷") is None, "the printer setup to close")

    menu = open_popup_menu(program, caption, panel)
    do(next(i for i in menu if i.name == "印刷 - A4横 -"), "Press")
    text = wait(lambda: os.path.exists(pdf) and subprocess.run(["pdftotext", "-layout", pdf, "-"],
                capture_output=True, text=True).stdout, "the printed PDF")
    for expected in ("【山田】", "□日：公休0:00～0:00", "【全従業員週間勤務リスト】"):
        if expected not in text:
            fail("the printed list lacks %s:\n%s" % (expected, text))


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-atspi-")
    program = subprocess.Popen([PROGRAM], cwd=start_dir, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        app = wait(application, "the program on the accessibility bus")
        wait(lambda: find(app, "frame", SETUP_CAPTION), "the setup-needed state", timeout=90)
        do(wait(lambda: find(app, "menu item", "マスタ登録"), "menu item マスタ登録"), "Press")
        master = wait(lambda: find(app, "frame", prefix="従業員マスタ登録"), "the employee master window")

        name = find(master, "text", "従業員氏名")
        name.queryEditableText().setTextContents("山田")
        wage = find(master, "text", "時間給")
        wage.queryEditableText().setTextContents("1200")

        for day in DAYS:
            for box_name, entry in (WORKDAY if day not in ("土曜日", "日曜日") else DAY_OFF):
                box = find(master, "combo box", day + " " + box_name)
                if box is None:
                    fail("no drop-down box named " + day + " " + box_name)
                entries = box[0]
                item = next((e for e in entries if e.name == entry), None)
                if item is None:
                    fail("%s offers no entry %s but %s" % (box.name, entry, [e.name for e in entries]))
                do(item, "Toggle")
                wait(lambda: box.queryText().getText(0, -1) == entry, "%s to show %s" % (box.name, entry), 5)
                if box.name != day + " " + box_name:
                    fail("the box is now named %r" % box.name)
                if not item.getState().contains(pyatspi.STATE_SELECTED):
                    fail("the chosen entry of %s is not marked selected" % box.name)

        # The register button asks a modal question; press it from another process so this one
        # can answer the question while that call waits for the button's handler to return.
        press = subprocess.Popen([sys.executable, "-c", PRESS_REGISTER])
        question = wait(lambda: find(app, "push button", "いいえ(N)") or find(app, "push button", "いいえ"),
                        "the question after registering")
        do(question, "Press")
        press.wait(timeout=30)

        person = wait(lambda: find(app, "dialog", prefix="従業員氏名"), "the employee list")
        wait(lambda: person.name == "従業員氏名 ．．． 1", "the list caption with one name")
        if find(person, "list item", "山田") is None:
            fail("the employee list does not show 山田")

        do(find(master, "menu item", "閉じる"), "Press")
        wait(lambda: find(app, "frame", SETUP_CAPTION) and find(app, "frame", SETUP_CAPTION).getState().contains(
            pyatspi.STATE_SHOWING), "the main window again")
        print_registration_list(app, program, SETUP_CAPTION)
        do(find(app, "menu item", "終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()
    saved = open(os.path.join(start_dir, "zelrotandata.zel"), "rb").read()
    if saved != EXPECTED_LINE:
        fail("saved %r, expected %r" % (saved, EXPECTED_LINE))
    print("PASS: registered, read back, printed and saved through the accessibility bus", flush=True)


PRESS_REGISTER = """
import pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "ZEL Rotan QX-30":
        stack = [app]
        while stack:
            obj = stack.pop()
            if obj is not None and obj.getRoleName() == "push button" and obj.name == "登録":
                actions = obj.queryAction()
                names = [actions.getName(i) for i in range(actions.nActions)]
                actions.doAction(names.index("Press"))
                raise SystemExit(0)
            if obj is not None:
                stack.extend(c for c in obj)
raise SystemExit("no register button")
"""

if __name__ == "__main__":
    main()
