#!/usr/bin/env python3
"""Writes the chart report templates data/calc/DefaultRaport{SI,IP}{PL,EN}.xlsx
from chart_report.json (texts and units) and the layout below.

Only the standard library is used. The output is byte-for-byte reproducible
(fixed time stamps), so a regenerated template shows no change in git unless
the description changed.

Usage: make_chart_report_templates.py [output folder]   (default: data/calc)
       make_chart_report_templates.py --check [folder]  (exit 1 when the templates there
                                                         differ from what the description gives)
"""
import json
import os
import sys
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
STAMP = (2020, 1, 1, 0, 0, 0)

# Rows the report fills (1-based).
TITLE_ROW = 1
HEADER_ROWS = {"project_file": 3, "project_title": 4, "date": 5, "investor": 6, "designer": 7, "pressure": 8}
POINT_TITLE_ROW, POINT_HEADING_ROW, POINT_UNIT_ROW, POINT_ROW = 10, 12, 13, 14
PROCESS_TITLE_ROW, PROCESS_HEADING_ROW, PROCESS_UNIT_ROW, PROCESS_ROW = 17, 19, 20, 21
CHART_TITLE_ROW, PICTURE_ROW = 26, 28
LAST_COLUMN = 12  # L
COLUMN_WIDTHS = [2, 24, 14] + [12] * 9  # A..L: B holds the header labels; the picture is 740 pt wide
PRINT_ROWS = 70

# Cell styles (index into cellXfs), built in Styles below.
S_TITLE, S_LABEL, S_VALUE, S_DATE, S_SECTION, S_HEADING, S_UNIT = 1, 2, 3, 4, 5, 6, 7


def col_name(c):
    s = ""
    while c:
        c, r = divmod(c - 1, 26)
        s = chr(65 + r) + s
    return s


class Styles:
    """cellXfs with fixed entries 0..7, then bordered table cells per number format."""

    def __init__(self):
        self.formats = {}  # code -> numFmtId
        self.table = {}  # code -> xf index
        self.xfs = [
            '<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>',
            '<xf numFmtId="0" fontId="2" fillId="0" borderId="0" xfId="0" applyFont="1"/>',
            '<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/>',
            '<xf numFmtId="49" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1" applyAlignment="1">'
            '<alignment horizontal="left"/></xf>',
            '<xf numFmtId="%d" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1" applyAlignment="1">'
            '<alignment horizontal="left"/></xf>' % self.format_id("dd-mm-yyyy hh:mm"),
            '<xf numFmtId="0" fontId="3" fillId="0" borderId="0" xfId="0" applyFont="1"/>',
            '<xf numFmtId="0" fontId="1" fillId="2" borderId="1" xfId="0" applyFont="1" applyFill="1" applyBorder="1" '
            'applyAlignment="1"><alignment horizontal="center" vertical="center" wrapText="1"/></xf>',
            '<xf numFmtId="0" fontId="0" fillId="2" borderId="1" xfId="0" applyFill="1" applyBorder="1" '
            'applyAlignment="1"><alignment horizontal="center"/></xf>',
        ]

    def format_id(self, code):
        builtin = {"0": 1, "0.00": 2, "@": 49}
        if code in builtin:
            return builtin[code]
        if code not in self.formats:
            self.formats[code] = 164 + len(self.formats)
        return self.formats[code]

    def table_cell(self, code):
        if code not in self.table:
            self.table[code] = len(self.xfs)
            self.xfs.append(
                '<xf numFmtId="%d" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" '
                'applyBorder="1" applyAlignment="1"><alignment horizontal="%s"/></xf>'
                % (self.format_id(code), "center" if code == "@" else "right"))
        return self.table[code]

    def value_number(self, code):
        key = "value:" + code
        if key not in self.table:
            self.table[key] = len(self.xfs)
            self.xfs.append(
                '<xf numFmtId="%d" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1" '
                'applyAlignment="1"><alignment horizontal="left"/></xf>' % self.format_id(code))
        return self.table[key]

    def xml(self):
        fmts = "".join('<numFmt numFmtId="%d" formatCode="%s"/>' % (i, escape(c, {'"': "&quot;"}))
                       for c, i in sorted(self.formats.items(), key=lambda x: x[1]))
        return (
            '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
            '<numFmts count="%d">%s</numFmts>'
            '<fonts count="4">'
            '<font><sz val="10"/><name val="Arial"/><family val="2"/></font>'
            '<font><b/><sz val="10"/><name val="Arial"/><family val="2"/></font>'
            '<font><b/><sz val="14"/><name val="Arial"/><family val="2"/></font>'
            '<font><b/><sz val="12"/><name val="Arial"/><family val="2"/></font>'
            '</fonts>'
            '<fills count="3"><fill><patternFill patternType="none"/></fill>'
            '<fill><patternFill patternType="gray125"/></fill>'
            '<fill><patternFill patternType="solid"><fgColor rgb="FFDDE5EE"/><bgColor indexed="64"/></patternFill></fill>'
            '</fills>'
            '<borders count="2"><border><left/><right/><top/><bottom/><diagonal/></border>'
            '<border><left style="thin"><color indexed="64"/></left><right style="thin"><color indexed="64"/></right>'
            '<top style="thin"><color indexed="64"/></top><bottom style="thin"><color indexed="64"/></bottom>'
            '<diagonal/></border></borders>'
            '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
            '<cellXfs count="%d">%s</cellXfs>'
            '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
            '</styleSheet>' % (len(self.formats), fmts, len(self.xfs), "".join(self.xfs)))


class Sheet:
    def __init__(self):
        self.cells = {}  # (row, col) -> (style, kind, value)
        self.heights = {}
        self.strings = []
        self.merges = []

    def text(self, row, col, value, style=0):
        if value not in self.strings:
            self.strings.append(value)
        self.cells[(row, col)] = (style, "s", self.strings.index(value))

    def blank(self, row, col, style):
        self.cells[(row, col)] = (style, None, None)

    def sheet_xml(self, name):
        rows = sorted({r for r, _ in self.cells} | set(self.heights))
        out = []
        for r in rows:
            attrs = ' r="%d"' % r
            if r in self.heights:
                attrs += ' ht="%g" customHeight="1"' % self.heights[r]
            cells = []
            for (rr, c), (style, kind, value) in sorted(self.cells.items()):
                if rr != r:
                    continue
                ref = "%s%d" % (col_name(c), r)
                s = ' s="%d"' % style if style else ""
                if kind == "s":
                    cells.append('<c r="%s"%s t="s"><v>%d</v></c>' % (ref, s, value))
                else:
                    cells.append('<c r="%s"%s/>' % (ref, s))
            out.append("<row%s>%s</row>" % (attrs, "".join(cells)))
        cols = "".join('<col min="%d" max="%d" width="%g" customWidth="1"/>' % (i + 1, i + 1, w)
                       for i, w in enumerate(COLUMN_WIDTHS))
        merges = "".join('<mergeCell ref="%s"/>' % m for m in self.merges)
        last = max(r for r, _ in self.cells)
        return (
            '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
            '<dimension ref="A1:%s%d"/>'
            '<sheetViews><sheetView showGridLines="0" workbookViewId="0"/></sheetViews>'
            '<sheetFormatPr defaultRowHeight="13.2"/>'
            '<cols>%s</cols><sheetData>%s</sheetData>'
            '<mergeCells count="%d">%s</mergeCells>'
            '<printOptions horizontalCentered="1"/>'
            '<pageMargins left="0.5" right="0.5" top="0.6" bottom="0.6" header="0.3" footer="0.3"/>'
            '<pageSetup paperSize="9" orientation="portrait" fitToWidth="1" fitToHeight="0"/>'
            '<headerFooter><oddFooter>&amp;L%s&amp;R&amp;P / &amp;N</oddFooter></headerFooter>'
            '</worksheet>' % (col_name(LAST_COLUMN), last, cols, "".join(out), len(self.merges), merges,
                              escape(name)))

    def strings_xml(self):
        items = "".join('<si><t xml:space="preserve">%s</t></si>' % escape(s) for s in self.strings)
        return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" uniqueCount="%d">'
                '%s</sst>' % (len(self.strings), len(self.strings), items))


def build(texts, units):
    styles = Styles()
    sheet = Sheet()
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
    name = texts["sheet"]
    parts = [
        ("[Content_Types].xml",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
         '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
         '<Default Extension="xml" ContentType="application/xml"/>'
         '<Override PartName="/xl/workbook.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
         '<Override PartName="/xl/worksheets/sheet1.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
         '<Override PartName="/xl/styles.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
         '<Override PartName="/xl/sharedStrings.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
         '</Types>'),
        ("_rels/.rels",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
         '<Relationship Id="rId1" '
         'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" '
         'Target="xl/workbook.xml"/></Relationships>'),
        ("xl/workbook.xml",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
         'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
         '<bookViews><workbookView/></bookViews>'
         '<sheets><sheet name="%s" sheetId="1" r:id="rId1"/></sheets>'
         '<definedNames><definedName name="_xlnm.Print_Area" localSheetId="0">%s!$A$1:$%s$%d</definedName>'
         '</definedNames><calcPr calcId="0" fullCalcOnLoad="1"/></workbook>'
         % (escape(name), escape(name), col_name(LAST_COLUMN), PRINT_ROWS)),
        ("xl/_rels/workbook.xml.rels",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
         '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" '
         'Target="worksheets/sheet1.xml"/>'
         '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" '
         'Target="styles.xml"/>'
         '<Relationship Id="rId3" '
         'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" '
         'Target="sharedStrings.xml"/></Relationships>'),
        ("xl/worksheets/sheet1.xml", sheet.sheet_xml(name)),
        ("xl/styles.xml", styles.xml()),
        ("xl/sharedStrings.xml", sheet.strings_xml()),
    ]
    tmp = path + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED) as z:
        for part, text in parts:
            info = zipfile.ZipInfo(part, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, text.encode("utf-8"))
    os.replace(tmp, path)


NAMES = [(unit, lang, "DefaultRaport%s%s.xlsx" % (unit, lang)) for unit in ("SI", "IP") for lang in ("PL", "EN")]


def generate(out):
    with open(os.path.join(HERE, "chart_report.json"), encoding="utf-8") as f:
        desc = json.load(f)
    os.makedirs(out, exist_ok=True)
    for unit, lang, name in NAMES:
        write(os.path.join(out, name), desc["languages"][lang], desc["units"][unit])


def parts(path):
    with zipfile.ZipFile(path) as z:
        return {n: z.read(n) for n in z.namelist()}


def check(folder):
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        generate(tmp)
        stale = [name for _, _, name in NAMES
                 if not os.path.exists(os.path.join(folder, name))
                 or parts(os.path.join(folder, name)) != parts(os.path.join(tmp, name))]
    for name in stale:
        print("%s does not match tools/report_templates; regenerate it" % os.path.join(folder, name))
    return 1 if stale else 0


def main():
    default = os.path.join(HERE, "..", "..", "data", "calc")
    if len(sys.argv) > 1 and sys.argv[1] == "--check":
        sys.exit(check(sys.argv[2] if len(sys.argv) > 2 else default))
    generate(sys.argv[1] if len(sys.argv) > 1 else default)


if __name__ == "__main__":
    main()
