"""A proposed schedule made and adopted in the real program through the accessibility bus, on the
demo shop (whose sale day in ten days needs one more person at noon than the schedule gives): the
shortage list's total is read, "勤務案の作成…" in the change window opens the dialog, "作成" solves
and the change window shows the summary, "採用" enters the proposal. After the program has closed,
the day changes are in the third file, and a second run's shortage list shows the short hours the
summary promised; the proposal is better than the schedule in its first aims (findings, then short
hours)."""
import os
import re
import subprocess
import sys
import tempfile

from atspi_road import NORMAL_CAPTION, do, fail, find, press_without_waiting, short_hours, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]




def finish(program, frame):
    do(find(frame, "menu item", "終了(X)"), "Press")
    program.wait(timeout=30)


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-proposal-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    changes_before = open(os.path.join(start_dir, "zelrotandata3.zel"), "rb").read().count(b"\r\n")

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        before = short_hours(app, frame)
        if before == 0:
            fail("the demo shop has no short hour to fill")
        press_without_waiting(find(frame, "menu item", "勤務変更"))
        window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
        press_without_waiting(find(window, "push button", "勤務案の作成"))
        dialog = wait(lambda: find(app, "dialog", "勤務案の作成"), "the dialog 勤務案の作成")
        if find(dialog, "radio button", "変更を少なく") is None or find(dialog, "spin button", "制限時間") is None:
            fail("the dialog does not offer the aim and the time limit")
        do(find(dialog, "push button", "作成"), "Press")
        summary = wait(lambda: find(window, "label", "勤務案の内容"), "the proposal's summary", timeout=120)
        wait(lambda: summary.description.startswith("勤務案：指摘 "), "the summary line", timeout=120)
        print("summary:", summary.description, flush=True)
        figures = re.search(r"指摘 (\d+)⇒(\d+) 件，不足 (\d+)⇒(\d+) 人時", summary.description)
        if figures is None:
            fail("the summary does not give the findings and the short hours")
        findings_from, findings_to, short_from, short_to = map(int, figures.groups())
        if short_from != before:
            fail("the summary starts from %d short person-hours, the shortage list from %d" % (short_from, before))
        if (findings_to, short_to) >= (findings_from, short_from):
            fail("the proposal is no better than the schedule: %s" % summary.description)
        do(find(window, "push button", "採用"), "Press")
        # The grid is drawn anew with the changes: look the button up once the tree has settled.
        do(wait(lambda: find(window, "push button", "閉じる"), "the button 閉じる"), "Press")
        wait(lambda: find(app, "frame", NORMAL_CAPTION), "the main window back")
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()

    changes_after = open(os.path.join(start_dir, "zelrotandata3.zel"), "rb").read().count(b"\r\n")
    if changes_after <= changes_before:
        fail("the third file holds %d changes, as many as before" % changes_after)

    program, app, frame = start_program([PROGRAM], cwd=start_dir)
    try:
        after = short_hours(app, frame)
        finish(program, frame)
    finally:
        if program.poll() is None:
            program.kill()
    if after != short_to:
        fail("the shortage list shows %d short person-hours, the summary %d" % (after, short_to))
    print("PASS: a proposal made, adopted, saved; findings %d to %d, short person-hours %d to %d"
          % (findings_from, findings_to, before, after), flush=True)


if __name__ == "__main__":
    main()
