"""A proposal in the ward's shift patterns, made and adopted in the real program through the
accessibility bus: on the demo shop, "勤務パターン設定" takes the ward's starting set and the nursing
guideline's sequence rules, "勤務案の作成…" solves and "採用" enters the proposal. After a restart the
day changes hold the ward's patterns, and "人員過不足一覧" and "労務チェック" count what the summary
said: the short person-hours, and the findings less the breaks and the minimum wage, which no
choice of a day changes."""
import datetime
import os
import re
import subprocess
import sys
import tempfile

from atspi_road import NORMAL_CAPTION, do, fail, find, press_without_waiting, short_hours, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
WARD_TIMES = (",勤務日,8,30,17,15,465,", ",勤務日,12,00,20,45,465,", ",勤務日,16,30,9,00,870,")


def finish(program, frame):
    do(find(frame, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)


def choose_ward_patterns(app, frame):
    press_without_waiting(find(frame, "menu item", "勤務パターン設定"))
    window = wait(lambda: find(app, "frame", "勤務パターン設定"), "the window 勤務パターン設定")
    starter = find(window, "combo box", "ひな形")
    do(next(e for e in starter[0] if e.name == "病棟（２交代）"), "Toggle")
    do(find(window, "push button", "ひな形を使う"), "Press")
    wait(lambda: find(window, "table", "勤務パターン表").queryTable().nRows == 4, "the ward's four patterns")
    do(find(window, "page tab", "勤務の並び(Q)"), "Press")
    press_without_waiting(wait(lambda: find(window, "push button", "日本看護協会ガイドライン（２交代）"),
                               "the guideline's button"))
    do(wait(lambda: find(app, "push button", "はい(Y)"), "the question's はい"), "Press")
    do(find(window, "push button", "登録"), "Press")
    do(find(window, "push button", "閉じる"), "Press")
    wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")


def propose_and_adopt(app, frame):
    """The summary line of the proposal adopted."""
    press_without_waiting(find(frame, "menu item", "勤務変更"))
    window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
    press_without_waiting(find(window, "push button", "勤務案の作成"))
    dialog = wait(lambda: find(app, "dialog", "勤務案の作成"), "the dialog 勤務案の作成")
    do(find(dialog, "push button", "作成"), "Press")
    summary = wait(lambda: find(window, "label", "勤務案の内容"), "the proposal's summary", timeout=120)
    wait(lambda: summary.description.startswith("勤務案：指摘 "), "the summary line", timeout=120)
    line = summary.description
    do(find(window, "push button", "採用"), "Press")
    do(wait(lambda: find(window, "push button", "閉じる"), "the button 閉じる"), "Press")
    wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
    return line


def findings(frame):
    """The labour check's findings of the period, less the breaks and the minimum wage."""
    menu = find(frame, name="労務チェック")
    press_without_waiting(find(menu, "menu item", "今の期間"))
    panel = find(frame, "text", "週間人件費・登録一覧")
    text = wait(lambda: (lambda t: t if "◆ [割増合計]⇒ ¥" in t else None)(panel.queryText().getText(0, -1)),
                "the labour check's closing line")
    counted = re.search(r"◆ 指摘 (\d+) 件", text)
    total = int(counted.group(1)) if counted else 0
    own = sum(1 for line in text.splitlines() if "休憩不足" in line or "最低賃金未満" in line)
    return total - own


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-ward-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    patterns_file = os.path.join(start_dir, "zelrotandata7.zel")
    if os.path.exists(patterns_file):  # the demo's own patterns: the ward's set is chosen here
        os.remove(patterns_file)
    changes_file = os.path.join(start_dir, "zelrotandata3.zel")
    before = open(changes_file, "rb").read().decode("cp932").split("\r\n") if os.path.exists(changes_file) else []

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        choose_ward_patterns(app, frame)
        summary = propose_and_adopt(app, frame)
        print("summary:", summary, flush=True)
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()
    after = re.search(r"指摘 \d+⇒(\d+) 件，不足 \d+⇒(\d+) 人時", summary)
    if after is None:
        fail("the summary reads %r" % summary)

    lines = [line for line in open(changes_file, "rb").read().decode("cp932").split("\r\n") if line not in before]
    if not any(times in line for line in lines for times in WARD_TIMES):
        fail("no new day change holds a pattern of the ward: %r" % lines)
    # Each night is followed by its 明 on the next date.
    days = {tuple(line.split(",")[:4]): line for line in lines}
    for line in lines:
        if WARD_TIMES[2] in line:
            name, year, month, day = line.split(",")[:4]
            following = datetime.date(int(year), int(month), int(day)) + datetime.timedelta(days=1)
            key = (name, str(following.year), str(following.month), str(following.day))
            if not days.get(key, "").endswith(",明,"):
                fail("a night without its 明: %r" % line)

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        hours = short_hours(app, frame)
        found = findings(frame)
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()
    if (found, hours) != (int(after.group(1)), int(after.group(2))):
        fail("the reports count %d findings and %d short person-hours, the summary %s" % (found, hours, summary))
    print("PASS: the ward's patterns and guideline set, a proposal adopted in their codes, and the reports "
          "counting %d findings and %d short person-hours as the summary did" % (found, hours), flush=True)


if __name__ == "__main__":
    main()
