#!/usr/bin/env python3
"""Reads the ward's sample workbook back with openpyxl and checks it against what the wall chart
shows of the same month: every name, code and count on sheet "勤務表", the typed values of sheet
"時刻", texts that stay texts, and the page set-up.

    check_workbook.py <workbook_sample program>
"""

import datetime
import json
import os
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.utils.datetime import from_excel

HEADING_ROW = 3  # the days' headings, 1-based as openpyxl counts
FIRST_EMPLOYEE_ROW = 6


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        with open(os.path.join(folder, "chart.json"), encoding="utf-8") as f:
            chart = json.load(f)
        book = openpyxl.load_workbook(os.path.join(folder, "ward.xlsx"))
    assert book.sheetnames == ["勤務表", "時刻"], book.sheetnames
    sheet = book["勤務表"]
    days = len(chart["days"])
    total = days + 2  # the column of the days worked, 1-based
    patterns = total + 2

    # Nothing in the workbook is a formula, not even the name that looks like one.
    for ws in book.worksheets:
        for row in ws.iter_rows():
            for cell in row:
                assert cell.data_type != "f", f"{ws.title}!{cell.coordinate} is a formula"

    for d, day in enumerate(chart["days"]):
        # The day of month alone ("d") is a date format to Excel and Calc; openpyxl only takes a
        # format with two date letters for one, and reads the serial number.
        heading = sheet.cell(HEADING_ROW, 2 + d)
        assert heading.is_date or (heading.number_format == "d" and heading.data_type == "n"), heading.number_format
        value = heading.value if heading.is_date else from_excel(heading.value)
        assert value.date().isoformat() == day["date"], (value, day["date"])
        assert sheet.cell(HEADING_ROW + 1, 2 + d).value == day["weekday"]
        shade = heading.fill.fgColor.rgb if heading.fill.fill_type == "solid" else None
        assert (shade is not None and shade.endswith("E0E0E0")) == day["shaded"], (day, shade)
    assert [sheet.cell(HEADING_ROW, patterns + p).value for p in range(len(chart["codes"]))] == chart["codes"]

    for r, row in enumerate(chart["rows"]):
        at = FIRST_EMPLOYEE_ROW + r
        name = sheet.cell(at, 1)
        assert name.data_type == "s" and name.value == row["name"], (name.data_type, name.value)
        for d, expected in enumerate(row["cells"]):
            cell = sheet.cell(at, 2 + d)
            assert (cell.value or "") == expected["text"], (row["name"], d, cell.value, expected)
            if expected["colour"]:
                assert cell.fill.fgColor.rgb[-6:] == expected["colour"][1:], (cell.coordinate, cell.fill.fgColor.rgb)
            if expected["changed"]:
                assert cell.border.left.style == "medium", cell.coordinate
        assert sheet.cell(at, total).value == row["workingDays"]
        hours = sheet.cell(at, total + 1)
        assert round(hours.value.total_seconds() / 60) == row["netMinutes"] and hours.number_format == "[h]:mm"
        for p, n in enumerate(row["patternDays"]):
            assert (sheet.cell(at, patterns + p).value or 0) == n, (row["name"], p)

    foot = FIRST_EMPLOYEE_ROW + len(chart["rows"])
    assert sheet.cell(foot, 1).value == "出勤"
    assert [sheet.cell(foot, 2 + d).value for d in range(days)] == chart["headCount"]
    for i, count in enumerate(chart["patternCounts"]):
        assert sheet.cell(foot + 1 + i, 1).value == count["code"]
        assert [sheet.cell(foot + 1 + i, 2 + d).value for d in range(days)] == count["days"]
        assert sheet.cell(foot + 1 + i, total).value == count["total"]
    legend_row = foot + len(chart["patternCounts"]) + 2
    legend = sheet.cell(legend_row, 1).value
    assert legend == "凡例　" + "　".join(chart["legend"]), legend
    # Under the legend the day changes, then the labour findings: 遅 on the day after 日 is forbidden.
    listed = [line for line in chart["listed"] if line]
    assert [sheet.cell(legend_row + 1 + i, 1).value for i in range(len(listed) + 1)] == listed + [None], listed
    assert listed[-3:] == ["【労務チェック】", "■ 田中", "　5/16（土） 禁止の並び（日→遅）"], listed

    assert sheet.freeze_panes == f"B{FIRST_EMPLOYEE_ROW}", sheet.freeze_panes
    setup = sheet.page_setup
    assert setup.orientation == "landscape" and int(setup.paperSize) == 9, (setup.orientation, setup.paperSize)
    # One page wide (1, the file format's default, may be left out), as many pages tall as it takes.
    assert int(setup.fitToWidth or 1) == 1 and int(setup.fitToHeight) == 0, (setup.fitToWidth, setup.fitToHeight)
    assert sheet.sheet_properties.pageSetUpPr.fitToPage

    # "時刻": a row per employee and day, typed.
    times = book["時刻"]
    assert [c.value for c in times[1]] == ["氏名", "日付", "勤務", "始業", "終業", "休憩（分）", "実労時間（時間）"]
    assert times.max_row == 1 + len(chart["rows"]) * days
    rows = {(r[0].value, r[1].value.date()): r for r in times.iter_rows(min_row=2)}
    night = rows[("佐藤", datetime.date(2026, 5, 11))]
    assert [c.value for c in night[2:]] == ["夜", datetime.time(16, 30), datetime.time(9, 0), 120, 14.5], night
    assert night[1].is_date and night[3].number_format == "h:mm"
    after = rows[("佐藤", datetime.date(2026, 5, 12))]
    assert [c.value for c in after[2:]] == ["明", None, None, None, None]
    plain = rows[("=SUM(A1)", datetime.date(2026, 5, 11))]
    assert plain[0].data_type == "s"
    assert [c.value for c in plain[2:]] == ["勤務日", datetime.time(9, 0), datetime.time(17, 30), 60, 7.5]
    print(f"{len(chart['rows'])} employees over {days} days read back")


if __name__ == "__main__":
    main()
