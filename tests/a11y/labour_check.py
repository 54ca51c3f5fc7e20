"""Runs the labour check on the real program through the accessibility bus: "週法定労働時間" is set
to 44 in the window "労務設定" and registered, "実行(A)" → "労務チェック" → "今の期間" fills the
main window's panel, whose lines are read there; after the program has closed, the fifth file
holds the setting."""
import os
import subprocess
import sys
import tempfile

import pyatspi

from atspi_road import application, do, fail, find, press_without_waiting, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
NORMAL_CAPTION = "ZEL Rotan QX-30   - Karvela Software Development -"


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-labour-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    program = subprocess.Popen([PROGRAM], cwd=start_dir, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        app = wait(application, "the program on the accessibility bus")
        frame = wait(lambda: find(app, "frame", NORMAL_CAPTION), "the normal state", timeout=90)

        press_without_waiting(find(frame, "menu item", "労務設定"))
        dialog = wait(lambda: find(app, "dialog", "労務設定"), "the window 労務設定")
        hours = find(dialog, "spin button", "週法定労働時間")
        if hours is None or hours.queryValue().currentValue != 40:
            fail("the window shows no box 週法定労働時間 holding the default 40")
        hours.queryValue().currentValue = 44
        wait(lambda: hours.queryValue().currentValue == 44, "the box to hold 44")
        do(find(dialog, "push button", "登録"), "Press")
        # The window stays on the bus after it closes: wait until it no longer shows, so that the
        # report below runs on the registered setting.
        wait(lambda: not dialog.getState().contains(pyatspi.STATE_SHOWING), "the window 労務設定 to close")

        menu = find(frame, name="労務チェック")  # the item, whose child is its submenu
        if menu is None or find(menu, "menu item", "今の期間") is None:
            fail("実行(A) has no submenu 労務チェック with 今の期間")
        press_without_waiting(find(menu, "menu item", "今の期間"))
        panel = find(frame, "text", "週間人件費・登録一覧")

        def report():
            text = panel.queryText().getText(0, -1)
            return text if "◆ [割増合計]⇒ ¥" in text else None

        lines = wait(report, "the labour check's closing line").splitlines()
        if not lines[1].startswith("【労務チェック】 ") or not lines[1].endswith("日間＞"):
            fail("the report does not begin with its heading and the period:\n" + "\n".join(lines))
        if not any(line.startswith("◆ 指摘") for line in lines) or "【法定割増の概算】" not in lines:
            fail("the report lacks its count of findings or its premium section:\n" + "\n".join(lines))
        night = [line for line in lines if line.startswith("■ 鈴木一郎 ： 深夜 ")]
        if not night or "，割増 ¥" not in night[0]:
            fail("the night worker has no premium line:\n" + "\n".join(lines))

        do(find(frame, "menu item", "終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()

    settings = open(os.path.join(start_dir, "zelrotandata5.zel"), "rb").read().decode("cp932")
    if not settings.startswith("週法定労働時間,44,\r\n"):
        fail("the fifth file holds %r" % settings)
    print("PASS: the weekly hours set to 44 over the accessibility bus, the labour check read, the setting saved",
          flush=True)


if __name__ == "__main__":
    main()
