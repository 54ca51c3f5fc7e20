"""The change window maximised on a screen of 1280 × 1024 under a window manager shows thirty
employees whole: every row header and every cell of the table lies inside the table's visible area,
and every date header stands whole above them. A screenshot of the screen is written to the path
given as the third argument, if any, to be looked at."""
import os
import subprocess
import sys
import tempfile

from atspi_road import do, fail, find, press_without_waiting, start_program, wait

PROGRAM, DEMO_DATA = sys.argv[1], sys.argv[2]
SHOT = sys.argv[3] if len(sys.argv) > 3 else None
EMPLOYEES = 30


def master_line(number):
    """An employee working Monday to Friday 9:00-17:30 with an hour's break, the weekend off."""
    fields = ["職員%02d" % number, "1000"]
    for weekday in range(7):
        fields += ["勤務日", "9", "00", "17", "30"] if weekday < 5 else ["公休", "0", "00", "0", "00"]
    fields += ["450"] * 5 + ["0", "0"]
    return ",".join(fields) + ",\r\n"


def extents(obj):
    box = obj.queryComponent().getExtents(0)
    return box.x, box.y, box.width, box.height


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return w > 0 and h > 0 and x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def main():
    start_dir = tempfile.mkdtemp(prefix="rotan-maximised-")
    subprocess.run([DEMO_DATA, start_dir], check=True)
    # The demo staff's changes, wishes and shift patterns with their staff lines.
    for name in ("zelrotandata3.zel", "zelrotandata6.zel", "zelrotandata7.zel"):
        os.remove(os.path.join(start_dir, name))
    with open(os.path.join(start_dir, "zelrotandata.zel"), "wb") as f:
        f.write("".join(master_line(n) for n in range(1, EMPLOYEES + 1)).encode("cp932"))

    program, app, _ = start_program([PROGRAM], cwd=start_dir)
    try:
        press_without_waiting(find(app, "menu item", "勤務変更"))
        window = wait(lambda: find(app, "frame", "勤務変更"), "the change window")
        table = wait(lambda: find(window, "table", "勤務変更表"), "the table 勤務変更表")
        subprocess.run(["wmctrl", "-r", "勤務変更", "-b", "add,maximized_vert,maximized_horz"], check=True)
        area = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], capture_output=True, text=True).stdout
        work_height = int(area.split("=")[1].split(",")[3])
        wait(lambda: extents(window)[3] >= work_height - 40, "the window maximised")
        grid = table.queryTable()
        if grid.nRows != EMPLOYEES:
            fail("the table has %d rows, not %d" % (grid.nRows, EMPLOYEES))

        def whole():
            box = extents(table)
            rows = [grid.getRowHeader(r) for r in range(grid.nRows)]
            columns = [grid.getColumnHeader(c) for c in range(grid.nColumns)]
            last = grid.getAccessibleAt(grid.nRows - 1, grid.nColumns - 1)
            return all(inside(extents(h), box) for h in rows + columns + [last])

        try:
            wait(whole, "every row, date header and the last cell inside the table", 20)
        finally:
            if SHOT:
                subprocess.run(["import", "-window", "root", SHOT], check=True)
        header = extents(grid.getColumnHeader(0))
        first = extents(grid.getAccessibleAt(0, 0))
        if header[1] + header[3] > first[1]:
            fail("the date header %r overlaps the first row %r" % (header, first))
        do(find(window, "menu item", "閉じる"), "Press")
        do(find(app, "menu item", "終了(X)"), "Press")
        program.wait(timeout=30)
    finally:
        if program.poll() is None:
            program.kill()
    print("PASS: the maximised change window shows %d employees and every header whole" % EMPLOYEES, flush=True)


if __name__ == "__main__":
    main()
