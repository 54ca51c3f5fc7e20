#!/usr/bin/env python3
"""Reads the sample calendars with Python's icalendar, a parser that is not ours. The first
export: its events, the times of a night shift across midnight, of a shift until 24:00 and across
the change to summer time, the folding of a long name and the escaping of commas, semicolons and
line breaks. The export after day changes, imported over the first as a calendar does: a changed
shift replaces its event, a day taken off cancels it, two master rows of one name stay apart.

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
    ("田中", "2024-03-29 16:00", "2024-03-30 00:00", 8, "実労時間 480分"),
    ("田中", "2024-03-29 16:00", "2024-03-30 00:00", 8, "実労時間 480分"),
]
# After the changes: 山田 works 10:00-15:00 on the first day, 鈴木 and the second 田中 are off.
CHANGED = (NAME, "2024-03-29 10:00", "2024-03-29 15:00", 5, "実労時間 300分")
CANCELLED = [4, 6]


def read(folder, name):
    with open(f"{folder}/{name}", "rb") as f:
        return f.read()


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        raw = read(folder, "schedule.ics")
        raw_changed = read(folder, "changed.ics")

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

    def described(event):
        start, end = event["DTSTART"], event["DTEND"]
        assert start.params["TZID"] == end.params["TZID"] == "Europe/Berlin"
        local_start, local_end = start.dt.replace(tzinfo=None), end.dt.replace(tzinfo=None)
        real = zone.localize(local_end) - zone.localize(local_start)
        return (str(event["SUMMARY"]), local_start.strftime("%Y-%m-%d %H:%M"),
                local_end.strftime("%Y-%m-%d %H:%M"), real / datetime.timedelta(hours=1),
                str(event["DESCRIPTION"]))

    def cancelled(event):
        return str(event.get("STATUS", "")) == "CANCELLED"

    events = calendar.walk("VEVENT")
    found = [described(event) for event in events]
    for event in events:
        assert event["DTSTAMP"].dt == datetime.datetime(2024, 3, 28, 12, tzinfo=datetime.timezone.utc)
        assert not cancelled(event), "the standard week cancels nothing"
    assert found == EXPECTED, f"events differ:\n{found}\n{EXPECTED}"
    uids = [str(event["UID"]) for event in events]
    assert len(set(uids)) == len(events), "every event has its own UID, also two rows of one name"

    later = Calendar.from_ical(raw_changed).walk("VEVENT")
    assert [str(event["UID"]) for event in later] == uids, "each day keeps its UID, whatever its times"
    expected_later = [CHANGED] + EXPECTED[1:]
    assert [described(event) for event in later] == expected_later, "a cancelled event keeps the standard times"
    assert [i for i, event in enumerate(later) if cancelled(event)] == CANCELLED

    # Imported over the first export: an event replaces the one of its UID, a cancelled one goes.
    imported = {str(event["UID"]): event for event in events}
    imported.update({str(event["UID"]): event for event in later})
    kept = sorted(described(event) for event in imported.values() if not cancelled(event))
    assert kept == sorted(e for i, e in enumerate(expected_later) if i not in CANCELLED), f"imported:\n{kept}"
    print(f"{len(events)} events read back, {len(kept)} after the changes")


if __name__ == "__main__":
    main()
