#!/usr/bin/env python3
"""Reads a chart report with openpyxl (a reader this program did not write)
and checks its cells against the facts file written beside it by
orvanta_make_chart_report. Unit conversions are done here independently.

Usage: check_chart_report.py <report.xlsx> <facts.json>
       check_chart_report.py --make <orvanta_make_chart_report> <project.ovt> <template.xlsx> <si|ip>
         (writes the report into a temporary folder first, then checks it)
Exit status 0 when every check passes; each failure is printed.
"""
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import openpyxl

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)


def near(a, b, tol):
    return isinstance(a, (int, float)) and abs(a - b) <= tol


def main(report, facts_path):
    with open(facts_path, encoding="utf-8") as f:
        facts = json.load(f)
    ip = facts["units"] == "ip"
    wb = openpyxl.load_workbook(report)
    ws = wb.worksheets[0]
    points, processes = facts["points"], facts["processes"]
    n, m = len(points), len(processes)

    # Header cells.
    check(ws.cell(3, 3).value == (facts["file"] or None), "C3 project file: %r" % ws.cell(3, 3).value)
    check(ws.cell(4, 3).value == facts["title"], "C4 title: %r" % ws.cell(4, 3).value)
    check(isinstance(ws.cell(5, 3).value, datetime.datetime)
          and ws.cell(5, 3).value == datetime.datetime(2026, 12, 9, 12, 30), "C5 date: %r" % ws.cell(5, 3).value)
    pb = facts["pb"]
    check(near(ws.cell(8, 3).value, pb / 3386.389 if ip else pb / 100, 1e-9), "C8 pressure: %r" % ws.cell(8, 3).value)
    check(isinstance(ws.cell(8, 7).value, (int, float)) and -500 < ws.cell(8, 7).value < 9000,
          "G8 altitude: %r" % ws.cell(8, 7).value)

    # Point rows 14 .. 13 + n.
    for k, p in enumerate(points):
        row = 14 + k
        cells = [ws.cell(row, c).value for c in range(2, 13)]
        check(cells[0] == k + 1, "B%d number: %r" % (row, cells[0]))
        check(cells[1] == p["name"], "C%d name: %r" % (row, cells[1]))
        t = p["t"] * 1.8 + 32 if ip else p["t"]
        x = p["x"] * 7000 if ip else p["x"] * 1000  # gr/lb or g/kg
        rho = p["rho"] * 0.062428 if ip else p["rho"]
        h = p["i"] * 0.429923 if ip else p["i"]
        check(near(cells[2], t, 1e-9), "D%d temperature: %r, expected %r" % (row, cells[2], t))
        check(near(cells[3], x, 1e-9), "E%d moisture: %r, expected %r" % (row, cells[3], x))
        check(near(cells[4], 100 * p["phi"], 1e-9), "F%d humidity: %r" % (row, cells[4]))
        check(near(cells[5], rho, 1e-3 * rho), "G%d density: %r, expected %r" % (row, cells[5], rho))
        check(near(cells[6], h, 1e-3 * abs(h)), "H%d enthalpy: %r, expected %r" % (row, cells[6], h))
        td = p["td"] * 1.8 + 32 if ip else p["td"]
        check(near(cells[9], td, 1e-9), "K%d dew point: %r" % (row, cells[9]))
    check(ws.cell(14 + n, 3).value is None, "row %d should follow the points empty" % (14 + n))

    # Process rows from 21 + n - 1.
    first = 20 + n
    check(ws.cell(first - 2, 2).value in ("Nr", "No."), "process headings at row %d" % (first - 2))
    for k, p in enumerate(processes):
        row = first + k
        cells = [ws.cell(row, c).value for c in range(2, 11)]
        check(cells[0] == k + 1, "B%d number: %r" % (row, cells[0]))
        check(cells[1:4] == [p["name"], p["start"], p["end"]], "C%d..E%d names: %r" % (row, row, cells[1:4]))
        flow = p["flow"] * 0.58858 if ip else p["flow"]
        check(near(cells[4], flow, 1e-9), "F%d flow: %r" % (row, cells[4]))
        total, sensible, latent, moisture = cells[5:9]
        check(all(isinstance(v, (int, float)) for v in cells[5:9]), "G%d..J%d loads: %r" % (row, row, cells[5:9]))
        if all(isinstance(v, (int, float)) for v in cells[5:9]):
            check(abs(total - sensible - latent) < 0.0051, "row %d: latent is not total - sensible" % row)
            check(round(total, 2) == total and round(moisture, 2) == moisture, "row %d: loads not rounded" % row)
    check(ws.cell(first + m, 3).value is None, "row %d should follow the processes empty" % (first + m))

    # Layout: print area grown by the added rows, merges kept, A4 page.
    added = (n - 1) + (m - 1)
    area = ws.print_area if isinstance(ws.print_area, str) else ",".join(ws.print_area)
    check(area.endswith("$A$1:$L$%d" % (70 + added)), "print area: %r" % area)
    merged = {str(r) for r in ws.merged_cells.ranges}
    check({"A1:L1", "C3:L3", "C4:L4", "C6:L6", "C7:L7"} <= merged, "merged ranges: %r" % sorted(merged))
    check(str(ws.page_setup.paperSize) == "9", "paper size: %r" % ws.page_setup.paperSize)

    # The picture: anchored in column A, 2 rows below the chart heading.
    with zipfile.ZipFile(report) as z:
        names = z.namelist()
        drawing = z.read("xl/drawings/drawing1.xml").decode("utf-8") if "xl/drawings/drawing1.xml" in names else ""
        media = [x for x in names if x.startswith("xl/media/")]
        check(len(media) == 1 and z.read(media[0])[:8] == b"\x89PNG\r\n\x1a\n", "picture part: %r" % media)
    rows = re.findall(r"<xdr:row>(\d+)</xdr:row>", drawing)
    cols = re.findall(r"<xdr:col>(\d+)</xdr:col>", drawing)
    check(rows == [str(27 + added)] and cols == ["0"], "picture anchor rows %r cols %r" % (rows, cols))
    ext = re.search(r'<xdr:ext cx="(\d+)" cy="(\d+)"', drawing)
    check(ext is not None and int(ext.group(1)) == 740 * 12700 and int(ext.group(2)) == 555 * 12700,
          "picture size: %r" % ((ext.groups() if ext else None),))
    chart_heading = ws.cell(26 + added, 2).value
    check(chart_heading in ("WYKRES", "CHART"), "chart heading at row %d: %r" % (26 + added, chart_heading))

    for f in failures:
        print("FAIL:", f)
    print("%s: %d points, %d processes, %s" % (report, n, m, "ok" if not failures else "%d failures" % len(failures)))
    return 1 if failures else 0


def make_and_check(tool, project, template, units):
    with tempfile.TemporaryDirectory() as tmp:
        report = os.path.join(tmp, "report.xlsx")
        facts = os.path.join(tmp, "facts.json")
        subprocess.run([tool, project, template, report, units, facts], check=True)
        return main(report, facts)


if __name__ == "__main__":
    if len(sys.argv) == 6 and sys.argv[1] == "--make":
        sys.exit(make_and_check(*sys.argv[2:]))
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
