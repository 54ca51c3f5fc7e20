"""Every window of the real program opens with its title bar inside the screen's available area,
under a window manager that frames the windows and keeps a panel's band at the top of the screen:
the main window, and the employee master window beside its employee list, which places itself as
it opens, before the window manager has framed it."""
import os
import re
import subprocess
import sys
import tempfile

from atspi_road import application, do, fail, find, wait

PROGRAM = sys.argv[1]
SETUP_CAPTION = "ZEL Rotan QX-30   - カルヴェラソフトウェア・ディベロプメント -"
AREA_TOP = 40  # below the panel's band that run-openbox.sh keeps


def frames(pid):
    """Caption, frame corner (left, top) and whether the window manager has framed it yet, of each
    shown window of the process."""
    out = {}
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "."],
                             capture_output=True, text=True).stdout.split()
    for window in windows:
        caption = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout.strip()
        info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
        value = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
        # The client's place on the screen less its place in the frame the window manager made.
        inset = (value("Relative upper-left X"), value("Relative upper-left Y"))
        out[caption] = (value("Absolute upper-left X") - inset[0], value("Absolute upper-left Y") - inset[1],
                        inset != (0, 0))
    return out


def check(pid, prefix):
    def framed():
        shown = frames(pid)
        return shown if any(c.startswith(prefix) and done for c, (_, _, done) in shown.items()) else None

    shown = wait(framed, "the window %s framed" % prefix, 30)
    for caption, (left, top, _) in shown.items():
        if top < AREA_TOP or left < 0:
            fail("%r has its frame at %d,%d, its title bar outside the available area" % (caption, left, top))
    return shown


def main():
    program = subprocess.Popen([PROGRAM], cwd=tempfile.mkdtemp(prefix="rotan-frames-"),
                               env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        app = wait(application, "the program on the accessibility bus")
        wait(lambda: find(app, "frame", SETUP_CAPTION), "the setup-needed state", timeout=90)
        check(program.pid, "ZEL Rotan")
        do(wait(lambda: find(app, "menu item", "マスタ登録"), "menu item マスタ登録"), "Press")
        shown = check(program.pid, "従業員マスタ登録")
        if not any(c.startswith("従業員氏名") for c in shown):
            fail("the employee list is not shown beside the master window: %s" % shown)
    finally:
        program.kill()
    print("PASS: every window opened with its title bar inside the available area", flush=True)


if __name__ == "__main__":
    main()
