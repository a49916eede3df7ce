#!/usr/bin/env python3
"""Writes the spreadsheet templates of the duct calculator's exports,
data/calc/calculations{DP,DB}{PL,EN}.xlsx (hydraulic, acoustic), and of the
energy report, data/calc/DefaultRaportKZE{PL,EN}.xlsx, from calc_report.json
(texts) and the layout below. The templates hold texts and formats only;
every value is written by the program.

Only the standard library is used (the shared parts are in xlsx_parts.py);
the output is byte-for-byte reproducible.

Usage: make_calc_report_templates.py [output folder]   (default: data/calc)
       make_calc_report_templates.py --check [folder]  (exit 1 when the templates there
                                                        differ from what the description gives)
"""
import json
import os
import sys

from xlsx_parts import (S_DATE, S_HEADING, S_LABEL, S_SECTION, S_TITLE, S_UNIT, S_VALUE, Sheet, Styles,
                        check as check_folder, col_name, write_workbook)

HERE = os.path.dirname(os.path.abspath(__file__))

# ---- Duct exports. The program writes: header values B2 (file), B3 (title),
# B4 (date), B5 (investor), B6 (designer); hydraulic: the basic data B7, D7,
# H7, K7, N7 and the records from row 11 (columns A..P); acoustic: the records
# from row 10 (columns A..J). Both exports add the borders of the records.
DUCT_HEADER_ROWS = [2, 3, 4, 5, 6]
DUCT_BASIC_DATA = [(7, 1), (7, 3), (7, 7), (7, 10), (7, 13)]  # label cells; each value is right of it
HYDRAULIC_HEADING_ROW, HYDRAULIC_UNIT_ROW = 9, 10
ACOUSTIC_HEADING_ROW, ACOUSTIC_UNIT_ROW = 8, 9
# A: Lp and the header labels; B: name and the header values.
HYDRAULIC_WIDTHS = [16, 32, 10, 9, 9, 9, 9, 9, 9, 9, 9, 14, 10, 10, 10, 9]
ACOUSTIC_WIDTHS = [16, 36] + [10] * 8

# ---- Energy report. The program writes B3 (title), B4 (date), B5 (investor),
# B6 (designer), B7 (pb in hPa), F7 (city), rows 13, 16, 19 (inputs) and 25
# (results) from column A, and places the year chart at A28, 630 pt wide.
ENERGY_WIDTHS = [16] + [14] * 10
ENERGY_TABLES = [(11, "row13", "units13"), (14, "row16", "units16"), (17, "row19", "units19"),
                 (23, "row25", "units25")]  # names row; units row below it; values row below that
ENERGY_PRINT_ROWS = 62


def duct_header(sheet, styles, texts, title):
    sheet.text(1, 1, title, S_TITLE)
    sheet.merges.append("A1:%s1" % col_name(sheet.last_column))
    sheet.heights[1] = 22
    for row, label in zip(DUCT_HEADER_ROWS, texts["header"]):
        sheet.text(row, 1, label, S_LABEL)
        if row == 4:
            sheet.blank(row, 2, S_DATE)
        else:
            sheet.blank(row, 2, S_VALUE)
            sheet.merges.append("B%d:H%d" % (row, row))


def heading_pair(sheet, heading_row, col, heading, unit):
    sheet.text(heading_row, col, heading, S_HEADING)
    if unit:
        sheet.text(heading_row + 1, col, unit, S_UNIT)
    else:  # the heading takes both rows
        sheet.blank(heading_row + 1, col, S_HEADING)
        sheet.merges.append("%s%d:%s%d" % (col_name(col), heading_row, col_name(col), heading_row + 1))


def hydraulic(texts, common):
    styles = Styles()
    sheet = Sheet(HYDRAULIC_WIDTHS, "landscape")
    duct_header(sheet, styles, texts, texts["hydraulic_title"])
    for (row, col), label in zip(DUCT_BASIC_DATA, texts["basic_data"]):
        sheet.text(row, col, label, S_LABEL)
        sheet.blank(row, col + 1, styles.value_number("General"))
    headings, units = texts["hydraulic_headings"], common["hydraulic_units"]
    sheet.heights[HYDRAULIC_HEADING_ROW] = 52
    for k, (h, u) in enumerate(zip(headings, units)):
        heading_pair(sheet, HYDRAULIC_HEADING_ROW, k + 1, h, u)
    # One heading over the four sides and over the two diameters.
    for first, last in ((5, 8), (9, 10)):
        for col in range(first + 1, last + 1):
            sheet.blank(HYDRAULIC_HEADING_ROW, col, S_HEADING)
        sheet.merges.append("%s%d:%s%d" % (col_name(first), HYDRAULIC_HEADING_ROW, col_name(last),
                                           HYDRAULIC_HEADING_ROW))
    return sheet, styles, (HYDRAULIC_HEADING_ROW, HYDRAULIC_UNIT_ROW)


def acoustic(texts, common):
    styles = Styles()
    sheet = Sheet(ACOUSTIC_WIDTHS, "landscape")
    duct_header(sheet, styles, texts, texts["acoustic_title"])
    sheet.heights[ACOUSTIC_HEADING_ROW] = 26
    for k, h in enumerate(texts["acoustic_headings"]):
        heading_pair(sheet, ACOUSTIC_HEADING_ROW, k + 1, h, "")
    sheet.text(ACOUSTIC_HEADING_ROW, 3, texts["bands_title"], S_HEADING)
    for col in range(4, 11):
        sheet.blank(ACOUSTIC_HEADING_ROW, col, S_HEADING)
    sheet.merges.append("C%d:J%d" % (ACOUSTIC_HEADING_ROW, ACOUSTIC_HEADING_ROW))
    for k, band in enumerate(common["bands"]):
        sheet.text(ACOUSTIC_UNIT_ROW, 3 + k, band, S_UNIT)
    return sheet, styles, (ACOUSTIC_HEADING_ROW, ACOUSTIC_UNIT_ROW)


def energy(texts, common):
    styles = Styles()
    sheet = Sheet(ENERGY_WIDTHS, "portrait")
    sheet.text(1, 1, texts["title"], S_TITLE)
    sheet.merges.append("A1:K1")
    sheet.heights[1] = 22
    for row, label in zip((3, 4, 5, 6, 7), texts["header"]):
        sheet.text(row, 1, label, S_LABEL)
    for row in (3, 5, 6):
        sheet.blank(row, 2, S_VALUE)
        sheet.merges.append("B%d:G%d" % (row, row))
    sheet.blank(4, 2, S_DATE)
    sheet.merges.append("B4:C4")
    sheet.blank(7, 2, styles.value_number("General"))
    sheet.text(7, 5, texts["city"], S_LABEL)
    sheet.blank(7, 6, S_VALUE)
    sheet.merges.append("F7:H7")
    sheet.text(10, 1, texts["inputs"], S_SECTION)
    sheet.text(21, 1, texts["results"], S_SECTION)
    sheet.text(27, 1, texts["chart"], S_SECTION)
    for names_row, names_key, units_key in ENERGY_TABLES:
        sheet.heights[names_row] = 54
        for k, (name, unit) in enumerate(zip(texts[names_key], common[units_key])):
            sheet.text(names_row, k + 1, name, S_HEADING)
            sheet.text(names_row + 1, k + 1, unit, S_UNIT)
            sheet.blank(names_row + 2, k + 1, styles.table_cell("General"))
    return sheet, styles, None


TEMPLATES = [("calculationsDP%s.xlsx", "duct", hydraulic), ("calculationsDB%s.xlsx", "duct", acoustic),
             ("DefaultRaportKZE%s.xlsx", "energy", energy)]
NAMES = [pattern % lang for pattern, _, _ in TEMPLATES for lang in ("PL", "EN")]


def generate(out):
    with open(os.path.join(HERE, "calc_report.json"), encoding="utf-8") as f:
        desc = json.load(f)
    os.makedirs(out, exist_ok=True)
    for pattern, part, build in TEMPLATES:
        for lang in ("PL", "EN"):
            texts = desc[part][lang]
            sheet, styles, title_rows = build(texts, desc[part])
            print_rows = ENERGY_PRINT_ROWS if part == "energy" else None
            write_workbook(os.path.join(out, pattern % lang), texts["sheet"], sheet, styles, print_rows, title_rows)


def main():
    default = os.path.join(HERE, "..", "..", "data", "calc")
    if len(sys.argv) > 1 and sys.argv[1].startswith("-") and sys.argv[1] != "--check":
        # "--help" and the like are not folders to write into.
        print(__doc__)
        sys.exit(0 if sys.argv[1] in ("-h", "--help") else 2)
    if len(sys.argv) > 1 and sys.argv[1] == "--check":
        sys.exit(check_folder(sys.argv[2] if len(sys.argv) > 2 else default, NAMES, generate))
    generate(sys.argv[1] if len(sys.argv) > 1 else default)


if __name__ == "__main__":
    main()
