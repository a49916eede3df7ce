#!/usr/bin/env python3
"""Reads the duct calculator's exports and the energy report written by
orvanta_make_calc_reports with openpyxl (a reader this program did not write)
and checks their cells against the sample data, which is restated here.

Usage: check_calc_reports.py <orvanta_make_calc_reports> <data/calc folder>
Exit status 0 when every check passes; each failure is printed.
"""
import datetime
import os
import subprocess
import sys
import tempfile
import zipfile

import openpyxl

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)


def is_number(v):
    return isinstance(v, (int, float)) and not isinstance(v, bool)


def number(ws, ref, expected, where):
    v = ws[ref].value
    check(is_number(v) and abs(v - expected) < 1e-9, "%s %s: %r, expected the number %r" % (where, ref, v, expected))


def text(ws, ref, expected, where):
    v = ws[ref].value
    check(v == expected, "%s %s: %r, expected the text %r" % (where, ref, v, expected))


def empty(ws, ref, where):
    check(ws[ref].value is None, "%s %s: %r, expected an empty cell" % (where, ref, ws[ref].value))


def bordered(ws, ref, where, expect=True):
    b = ws[ref].border
    has = all(getattr(b, edge).style == "thin" for edge in ("left", "right", "top", "bottom"))
    check(has == expect, "%s %s: border %s, expected %s" % (where, ref, has, expect))


def col(c):
    return openpyxl.utils.get_column_letter(c)


def header(ws, where, saved=True):
    if saved:
        text(ws, "B2", "/home/projektant/obliczenia/biuro.moh", where)
    else:
        empty(ws, "B2", where)
    text(ws, "B3", "Biurowiec Zielony", where)
    check(ws["B4"].value == datetime.datetime(2026, 12, 9, 15, 4, 30), "%s B4: %r" % (where, ws["B4"].value))
    text(ws, "B5", "Inwestor Sp. z o.o.", where)
    text(ws, "B6", "mgr inż. Anna Nowak", where)


def hydraulic(path, lang):
    where = os.path.basename(path)
    ws = openpyxl.load_workbook(path).worksheets[0]
    header(ws, where)
    text(ws, "A2", "Plik obliczeń:" if lang == "PL" else "Calculation file:", where)
    for ref, v in (("B7", 101300), ("D7", 1.205), ("H7", 0.000015), ("K7", 20), ("N7", 50)):
        number(ws, ref, v, where)
    names = ["Prostka okrągła", "Łuk okrągły", "Prostka okrągła"]
    dpc = [1.5, 2.5, 1.4]
    for i in range(3):
        r = 11 + i
        number(ws, "A%d" % r, i, where)
        text(ws, "B%d" % r, names[i], where)
        for c, v in ((3, 1200), (4, 2000), (9, 250), (12, 0.2), (13, 1.1), (14, 0.4), (15, dpc[i]), (16, 7.2)):
            number(ws, "%s%d" % (col(c), r), v, where)
        for c in (5, 6, 7, 8, 10, 11):
            empty(ws, "%s%d" % (col(c), r), where)
    for c in range(1, 15):
        empty(ws, "%s14" % col(c), where)
    number(ws, "O14", 5.4, where)
    number(ws, "P14", 21.6, where)
    for r in range(11, 15):
        for c in range(1, 17):
            bordered(ws, "%s%d" % (col(c), r), where)
    bordered(ws, "Q11", where, False)
    bordered(ws, "A15", where, False)
    check(ws.page_setup.orientation == "landscape" and str(ws.page_setup.paperSize) == "9",
          "%s: page %s %s" % (where, ws.page_setup.orientation, ws.page_setup.paperSize))


def acoustic(path, lang):
    where = os.path.basename(path)
    ws = openpyxl.load_workbook(path).worksheets[0]
    header(ws, where)
    empty(ws, "B7", where)
    text(ws, "C9", "63 Hz", where)
    band63 = [-0.5, -1.5, -1]
    for i in range(3):
        r = 10 + i
        number(ws, "A%d" % r, i, where)
        number(ws, "C%d" % r, band63[i], where)
        for k in range(1, 8):
            number(ws, "%s%d" % (col(3 + k), r), -k, where)
    empty(ws, "A13", where)
    for k, v in enumerate([-3, -3, -6, -9, -12, -15, -18, -21]):
        number(ws, "%s13" % col(3 + k), v, where)
    for r in range(10, 14):
        for c in range(1, 11):
            bordered(ws, "%s%d" % (col(c), r), where)
    bordered(ws, "K10", where, False)
    bordered(ws, "A14", where, False)


def empty_exports(folder):
    ws = openpyxl.load_workbook(os.path.join(folder, "dp_empty.xlsx")).worksheets[0]
    header(ws, "dp_empty", saved=False)
    number(ws, "O11", 0, "dp_empty")
    empty(ws, "P11", "dp_empty")
    empty(ws, "A11", "dp_empty")
    for c in range(1, 17):
        bordered(ws, "%s11" % col(c), "dp_empty")
    bordered(ws, "A12", "dp_empty", False)
    ws = openpyxl.load_workbook(os.path.join(folder, "db_empty.xlsx")).worksheets[0]
    for c in range(3, 11):
        empty(ws, "%s10" % col(c), "db_empty")  # the sheet's band boxes are empty
        bordered(ws, "%s10" % col(c), "db_empty")
    bordered(ws, "A11", "db_empty", False)


def energy(path, lang):
    where = os.path.basename(path)
    ws = openpyxl.load_workbook(path).worksheets[0]
    text(ws, "A3", "Tytuł projektu:" if lang == "PL" else "Project title:", where)
    text(ws, "B3", "Hala sportowa", where)
    check(ws["B4"].value == datetime.datetime(2026, 12, 9, 15, 4, 30), "%s B4: %r" % (where, ws["B4"].value))
    text(ws, "B5", "Gmina Nowe", where)
    text(ws, "B6", "J. Kowal", where)
    number(ws, "B7", 1002, where)
    text(ws, "F7", "KRAKOW", where)
    rows = {13: [1000, 1000, 25, 750, 20, 12, 14, 9.5, 20, 24, 20],
            16: [55, 40, 80, 70, 0, 80, 65, 65, 1000, 700],
            19: [0.21, 0.23, 0.6, 5, 0.6],
            25: [23456.7, 4925.9, 3100.2, 713.1, 812.4, 487.4, 6132.1, 3679.3, 12.6, 63, 9868.7]}
    for r, values in rows.items():
        for c, v in enumerate(values, start=1):
            number(ws, "%s%d" % (col(c), r), v, where)
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        check("xl/media/image1.png" in names, "%s: no picture" % where)
        drawing = z.read("xl/drawings/drawing1.xml").decode() if "xl/drawings/drawing1.xml" in names else ""
    check("<xdr:col>0</xdr:col>" in drawing and "<xdr:row>27</xdr:row>" in drawing, "%s: picture not at A28" % where)
    check('cx="8001000" cy="4000500"' in drawing, "%s: picture not 630 x 315 pt" % where)


def main():
    tool, calc = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([tool, calc, out], check=True)
        for lang in ("PL", "EN"):
            hydraulic(os.path.join(out, "dp_%s.xlsx" % lang), lang)
            acoustic(os.path.join(out, "db_%s.xlsx" % lang), lang)
            energy(os.path.join(out, "kze_%s.xlsx" % lang), lang)
        empty_exports(out)
    for f in failures:
        print(f)
    print("%d failures" % len(failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
