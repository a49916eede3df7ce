#!/usr/bin/env python3
"""Writes the chart report templates data/calc/DefaultRaport{SI,IP}{PL,EN}.xlsx
from chart_report.json (texts and units) and the layout below.

Only the standard library is used (the shared parts are in xlsx_parts.py). The output is byte-for-byte reproducible
(fixed time stamps), so a regenerated template shows no change in git unless
the description changed.

Usage: make_chart_report_templates.py [output folder]   (default: data/calc)
       make_chart_report_templates.py --check [folder]  (exit 1 when the templates there
                                                         differ from what the description gives)
"""
import json
import os
import sys

from xlsx_parts import (S_DATE, S_HEADING, S_LABEL, S_SECTION, S_TITLE, S_UNIT, S_VALUE, Sheet, Styles,
                        check as check_folder, write_workbook)

HERE = os.path.dirname(os.path.abspath(__file__))

# Rows the report fills (1-based).
TITLE_ROW = 1
HEADER_ROWS = {"project_file": 3, "project_title": 4, "date": 5, "investor": 6, "designer": 7, "pressure": 8}
POINT_TITLE_ROW, POINT_HEADING_ROW, POINT_UNIT_ROW, POINT_ROW = 10, 12, 13, 14
PROCESS_TITLE_ROW, PROCESS_HEADING_ROW, PROCESS_UNIT_ROW, PROCESS_ROW = 17, 19, 20, 21
CHART_TITLE_ROW, PICTURE_ROW = 26, 28
COLUMN_WIDTHS = [2, 24, 14] + [12] * 9  # A..L: B holds the header labels; the picture is 740 pt wide
PRINT_ROWS = 70


def build(texts, units):
    styles = Styles()
    sheet = Sheet(COLUMN_WIDTHS)
    sheet.text(TITLE_ROW, 1, texts["title"], S_TITLE)
    sheet.merges.append("A1:L1")
    sheet.heights[TITLE_ROW] = 22
    for key, row in HEADER_ROWS.items():
        sheet.text(row, 2, texts[key], S_LABEL)
    for key in ("project_file", "project_title", "investor", "designer"):
        row = HEADER_ROWS[key]
        sheet.blank(row, 3, S_VALUE)
        sheet.merges.append("C%d:L%d" % (row, row))
    sheet.blank(HEADER_ROWS["date"], 3, S_DATE)
    sheet.merges.append("C%d:E%d" % (HEADER_ROWS["date"], HEADER_ROWS["date"]))
    pressure_row = HEADER_ROWS["pressure"]
    sheet.blank(pressure_row, 3, styles.value_number(units["pressure_format"]))
    sheet.text(pressure_row, 4, units["pressure"], 0)
    sheet.text(pressure_row, 5, texts["altitude"], S_LABEL)
    sheet.blank(pressure_row, 7, styles.value_number("0"))
    sheet.text(pressure_row, 8, units["altitude"], 0)

    def table(title_row, heading_row, unit_row, template_row, headings, unit_texts, formats):
        sheet.text(title_row, 2, texts[title_row == POINT_TITLE_ROW and "points" or "processes"], S_SECTION)
        sheet.heights[heading_row] = 52
        for k, (h, u, f) in enumerate(zip(headings, unit_texts, formats)):
            col = 2 + k
            sheet.text(heading_row, col, h, S_HEADING)
            sheet.text(unit_row, col, u, S_UNIT)
            sheet.blank(template_row, col, styles.table_cell(f))

    table(POINT_TITLE_ROW, POINT_HEADING_ROW, POINT_UNIT_ROW, POINT_ROW, texts["point_headings"],
          units["point_units"], units["point_formats"])
    table(PROCESS_TITLE_ROW, PROCESS_HEADING_ROW, PROCESS_UNIT_ROW, PROCESS_ROW, texts["process_headings"],
          units["process_units"], units["process_formats"])
    sheet.text(CHART_TITLE_ROW, 2, texts["chart"], S_SECTION)
    return sheet, styles


def write(path, texts, units):
    sheet, styles = build(texts, units)
    write_workbook(path, texts["sheet"], sheet, styles, PRINT_ROWS)


NAMES = [(unit, lang, "DefaultRaport%s%s.xlsx" % (unit, lang)) for unit in ("SI", "IP") for lang in ("PL", "EN")]


def generate(out):
    with open(os.path.join(HERE, "chart_report.json"), encoding="utf-8") as f:
        desc = json.load(f)
    os.makedirs(out, exist_ok=True)
    for unit, lang, name in NAMES:
        write(os.path.join(out, name), desc["languages"][lang], desc["units"][unit])


def check(folder):
    return check_folder(folder, [name for _, _, name in NAMES], generate)


def main():
    default = os.path.join(HERE, "..", "..", "data", "calc")
    if len(sys.argv) > 1 and sys.argv[1] == "--check":
        sys.exit(check(sys.argv[2] if len(sys.argv) > 2 else default))
    generate(sys.argv[1] if len(sys.argv) > 1 else default)


if __name__ == "__main__":
    main()
