"""Reads the labour check of the demo shop under the rules by person and by sequence, on the real
program through the accessibility bus: in "勤務パターン設定" the page "勤務の並び" takes the preset
"日本看護協会ガイドライン（２交代）" and "登録"; in "労務設定" "変形労働時間制" becomes "1か月単位" from
the 1st and "登録"; then "実行(A)" → "労務チェック" → "今の期間" fills the main window's panel.

Its lines are compared with what the rules say of the shop's week, worked out here from the
demo's data (tools/DemoShop.cpp): 伊藤さくら, 17, works one late shift 15:00-23:00 on a Wednesday;
渡辺翔, an international student with a long vacation from 14 to 27 days on, works the night
22:00-7:00 (8 hours after an hour's break) from Thursday to Sunday and may work 夜 once in a row
and, as one who may work 夜, 4 nights in the period. Every 変形期間 line's total limit is 40 hours
× its days ÷ 7, cut to the minute, and the count of findings is the count of finding lines."""
import datetime
import os
import re
import subprocess
import sys
import tempfile

import pyatspi

from atspi_road import NORMAL_CAPTION, do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
WEEKDAYS = "月火水木金土日"  # datetime's weekday() order
NIGHT_MINUTES = 8 * 60
STUDENT_NIGHTS = {3, 4, 5, 6}  # Thursday to Sunday


def pick(combo, text):
    """Chooses an item of a combo box, as a screen reader user does with the item's Toggle action."""
    do(next(item for item in combo[0] if item.name == text), "Toggle")


def month_day(date):
    return "%d/%d" % (date.month, date.day)


def dated(date, text):
    return "　%s（%s） %s" % (month_day(date), WEEKDAYS[date.weekday()], text)


def duration(minutes):
    return "%d時間%02d分" % (minutes // 60, minutes % 60)


def month_of(date):
    """The calendar month of a date, its first and last day: a 変形期間 from the 1st."""
    first = date.replace(day=1)
    following = (first + datetime.timedelta(days=32)).replace(day=1)
    return first, following - datetime.timedelta(days=1)


def student_lines(dates, vacation):
    """渡辺翔's lines in date order, on one date in the order of the rules."""
    today, last = dates[0], dates[-1]
    works = lambda d: d.weekday() in STUDENT_NIGHTS
    days = lambda first, n: [first + datetime.timedelta(days=k) for k in range(n)]
    found = []  # (date, rank of the rule, text)
    # 28 hours in any 7 days from a date of the period, 40 where the 7 days reach into the vacation;
    # one finding for a run of such 7 days that overlap, on its first date.
    last_over = None
    for start in dates:
        window = days(start, 7)
        worked = NIGHT_MINUTES * sum(1 for d in window if works(d))
        in_vacation = any(vacation[0] <= d <= vacation[1] for d in window)
        if worked <= (40 if in_vacation else 28) * 60:
            continue
        if last_over is None or (start - last_over).days >= 7:
            found.append((start, 1, "留学生の%d時間超（%s～%s：%s）" % (40 if in_vacation else 28, month_day(start),
                                                                month_day(window[-1]), duration(worked))))
        last_over = start
    # 夜 at most once in a row: the second night of a run, or the first date when a run reaches it.
    for d in dates:
        run = 0
        while works(d - datetime.timedelta(days=run)):
            run += 1
        if run == 2 or (d == today and run > 1):
            found.append((d, 2, "連続の上限（夜 %d日／上限1日）" % run))
    nights = [d for d in dates if works(d)]
    if len(nights) > 4:
        found.append((nights[4], 3, "夜勤の回数（%d回／上限4回）" % len(nights)))
    # A note per 変形期間 that overlaps the period, on its first date in the period: the nights
    # planned over the whole calendar month, and the total limit of 40 hours a week.
    first = today
    while first <= last:
        start, end = month_of(first)
        length = (end - start).days + 1
        planned = NIGHT_MINUTES * sum(1 for d in days(start, length) if works(d))
        found.append((max(start, today), 4, "変形期間 %d/%d/%d～%d/%d/%d：計画 %s／総枠 %s" % (
            start.year, start.month, start.day, end.year, end.month, end.day, duration(planned),
            duration(40 * 60 * length // 7))))
        first = end + datetime.timedelta(days=1)
    return ["■ 渡辺翔"] + [dated(d, text) for d, _, text in sorted(found, key=lambda f: (f[0], f[1]))]


def section(lines, name):
    """The lines of one employee's findings: "■ " + name and the lines after it up to the next one."""
    start = lines.index("■ " + name)
    end = start + 1
    while end < len(lines) and lines[end].startswith("　"):
        end += 1
    return lines[start:end]


def set_the_sequence_preset(app, frame):
    press_without_waiting(find(frame, "menu item", "勤務パターン設定"))
    window = wait(lambda: find(app, "frame", "勤務パターン設定"), "the window 勤務パターン設定")
    do(find(window, "page tab", "勤務の並び(Q)"), "Press")
    press_without_waiting(find(window, "push button", "日本看護協会ガイドライン（２交代）"))
    ask = wait(lambda: find(app, "label", prefix="▼ 日本看護協会ガイドライン（２交代）の次の設定をします．"), "the preset's question")
    if "勤務間インターバル" not in ask.name:
        fail("the question does not list the preset's lines:\n" + ask.name)
    do(wait(lambda: find(app, "push button", prefix="はい"), "the question's はい"), "Press")
    # The preset is applied once the question has closed: wait for its line before registering.
    rules = find(window, "list", "勤務の並びの規則")
    wait(lambda: "連続の上限　夜 1日" in [item.name for item in rules], "the preset's rules listed")
    do(find(window, "push button", "登録"), "Press")
    do(find(window, "push button", "閉じる"), "Press")
    wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")


def set_the_monthly_scheme(app, frame):
    press_without_waiting(find(frame, "menu item", "労務設定"))
    dialog = wait(lambda: find(app, "dialog", "労務設定"), "the window 労務設定")
    pick(find(dialog, "combo box", "変形労働時間制"), "1か月単位")
    pick(find(dialog, "combo box", "変形期間の起算日"), "1")
    do(find(dialog, "push button", "登録"), "Press")
    wait(lambda: not dialog.getState().contains(pyatspi.STATE_SHOWING), "the window 労務設定 to close")


def labour_check(frame):
    press_without_waiting(find(find(frame, name="労務チェック"), "menu item", "今の期間"))
    panel = find(frame, "text", "週間人件費・登録一覧")

    def report():
        text = panel.queryText().getText(0, -1)
        return text if "◆ [割増合計]⇒ ¥" in text else None

    return wait(report, "the labour check's closing line").splitlines()


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-rules-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    today = datetime.date.today()
    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        set_the_sequence_preset(app, frame)
        set_the_monthly_scheme(app, frame)
        lines = labour_check(frame)
        do(find(frame, "menu item", "終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()
    text = "\n".join(lines)
    sequence = open(os.path.join(start_dir, "zelrotandata7.zel"), "rb").read().decode("cp932").split("\r\n")
    if "並び,連続,夜,1," not in sequence or "並び,明けの後は休み," not in sequence:
        fail("the seventh file does not keep the preset's sequence rules:\n" + "\n".join(sequence))

    heading = re.match(r"【労務チェック】 (\d+)年(\d+)月(\d+)日 ～ (\d+)年(\d+)月(\d+)日  ＜(\d+) 日間＞$", lines[1])
    if not heading or datetime.date(*map(int, heading.groups()[:3])) != today:
        fail("the report does not begin with the period from today:\n" + text)
    last = datetime.date(*map(int, heading.groups()[3:6]))
    dates = [today + datetime.timedelta(days=k) for k in range((last - today).days + 1)]

    tomorrow = today + datetime.timedelta(days=1)
    wednesday = tomorrow + datetime.timedelta(days=(2 - tomorrow.weekday()) % 7)
    expected_minor = ["■ 伊藤さくら", dated(wednesday, "年少者の深夜業（22時～5時）")]
    vacation = (today + datetime.timedelta(days=14), today + datetime.timedelta(days=27))
    for name, expected in (("伊藤さくら", expected_minor), ("渡辺翔", student_lines(dates, vacation))):
        got = section(lines, name) if "■ " + name in lines else []
        if got != expected:
            fail("%s's lines differ:\n got      %r\n expected %r" % (name, got, expected))

    notes = [re.search(r"変形期間 (\S+)～(\S+)：計画 \S+／総枠 (\d+)時間(\d+)分$", line) for line in lines]
    notes = [n for n in notes if n]
    if not notes:
        fail("no 変形期間 line:\n" + text)
    for note in notes:
        first, end = (datetime.date(*map(int, d.split("/"))) for d in note.groups()[:2])
        limit = 40 * 60 * ((end - first).days + 1) // 7
        if (int(note.group(3)), int(note.group(4))) != divmod(limit, 60):
            fail("the total limit of %s～%s is not %s" % (note.group(1), note.group(2), duration(limit)))

    findings = [line for line in lines[3:lines.index("【法定割増の概算】")]
                if line.startswith("　") and "変形期間 " not in line]
    employees = {line for line in lines if line.startswith("■ ") and "：" not in line}
    count = re.search(r"^◆ 指摘 (\d+) 件（(\d+) 名）$", text, re.M)
    if not count or int(count.group(1)) != len(findings) or int(count.group(2)) > len(employees):
        fail("the count of findings is not the %d lines of findings:\n%s" % (len(findings), text))
    print("PASS: the ward preset and the monthly scheme set, the labour check read line by line for the minor, "
          "the student and every 変形期間", flush=True)


if __name__ == "__main__":
    main()
