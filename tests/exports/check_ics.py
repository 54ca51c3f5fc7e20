#!/usr/bin/env python3
"""Reads the sample calendar with Python's icalendar, a parser that is not ours, and checks its
events, the times of a night shift across midnight and the change to summer time, the folding of
a long name and the escaping of commas, semicolons and line breaks.

    check_ics.py <export_sample program>
"""

import datetime
import subprocess
import sys
import tempfile

from icalendar import Calendar

NAME = '山田,太郎;"夜勤"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷ'
# Summary, local start, local end, hours of real time between them, description.
EXPECTED = [
    (NAME, "2024-03-29 09:00", "2024-03-29 17:30", 8.5, "実労時間 450分"),
    (NAME, "2024-03-30 22:00", "2024-03-31 06:00", 7, "実労時間 420分"),
    ("佐藤\n花子", "2024-03-31 09:05", "2024-03-31 13:00", 235 / 60, "実労時間 235分"),
    ("佐藤\n花子", "2024-04-01 00:00", "2024-04-01 08:00", 8, "実労時間 480分"),
    ("鈴木", "2024-03-29 13:00", "2024-03-29 22:00", 9, "実労時間 480分"),
]


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        with open(f"{folder}/schedule.ics", "rb") as f:
            raw = f.read()

    lines = raw.split(b"\r\n")
    assert lines[-1] == b"" and b"\n" not in b"".join(lines), "every line ends in CRLF"
    assert all(len(line) <= 75 for line in lines), "no line is longer than 75 octets"
    for line in lines:
        line.decode("utf-8")  # raises when a fold split a character
    assert any(line.startswith(b" ") for line in lines), "the long name is folded"

    calendar = Calendar.from_ical(raw)
    assert str(calendar["VERSION"]) == "2.0" and str(calendar["CALSCALE"]) == "GREGORIAN"
    assert "RotanDesk" in str(calendar["PRODID"])

    zones = calendar.walk("VTIMEZONE")
    assert len(zones) == 1 and str(zones[0]["TZID"]) == "Europe/Berlin"
    zone = zones[0].to_tz()  # the zone as the file's VTIMEZONE describes it

    events = calendar.walk("VEVENT")
    found = []
    for event in events:
        start, end = event["DTSTART"], event["DTEND"]
        assert start.params["TZID"] == end.params["TZID"] == "Europe/Berlin"
        local_start, local_end = start.dt.replace(tzinfo=None), end.dt.replace(tzinfo=None)
        real = zone.localize(local_end) - zone.localize(local_start)
        found.append((str(event["SUMMARY"]), local_start.strftime("%Y-%m-%d %H:%M"),
                      local_end.strftime("%Y-%m-%d %H:%M"), real / datetime.timedelta(hours=1),
                      str(event["DESCRIPTION"])))
        assert event["DTSTAMP"].dt == datetime.datetime(2024, 3, 28, 12, tzinfo=datetime.timezone.utc)
    assert found == EXPECTED, f"events differ:\n{found}\n{EXPECTED}"
    assert len({str(event["UID"]) for event in events}) == len(events), "every event has its own UID"
    print(f"{len(events)} events read back")


if __name__ == "__main__":
    main()
