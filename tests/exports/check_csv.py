#!/usr/bin/env python3
"""Opens the sample CSV in LibreOffice Calc and checks that every cell reads back as written.
Calc's headless import reads a CSV as Windows-1252 whatever its byte-order mark says, so the
import names UTF-8 as Calc's import dialog does for such a file; the BOM must not end up in the
first cell.

    check_csv.py <export_sample program>
"""

import csv
import os
import subprocess
import sys
import tempfile


def rows(path, encoding):
    with open(path, encoding=encoding, newline="") as f:
        return list(csv.reader(f))


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        written = os.path.join(folder, "schedule.csv")
        with open(written, "rb") as f:
            assert f.read(3) == b"\xef\xbb\xbf", "the file starts with a byte-order mark"
        # Commas, double quotes and UTF-8 (76) both ways.
        options = "Text - txt - csv (StarCalc):44,34,76,1"
        out = os.path.join(folder, "out")
        subprocess.run(["soffice", f"-env:UserInstallation=file://{folder}/profile", "--headless",
                        f"--infilter={options}", "--convert-to", f"csv:{options}", "--outdir", out, written],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=200)
        expected = rows(written, "utf-8-sig")
        read = rows(os.path.join(out, "schedule.csv"), "utf-8")
    assert read == expected, f"Calc read:\n{read}\nwritten:\n{expected}"
    assert expected[0][:2] == ["氏名", "3/29（金）"] and expected[-1][0] == "人件費"
    print(f"{len(read)} rows, {sum(map(len, read))} cells read back")


if __name__ == "__main__":
    main()
