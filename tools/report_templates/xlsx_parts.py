"""What the report template generators share: the house cell styles, a sheet
of text cells and bordered blanks, and the .xlsx package written with fixed
time stamps so that the output is byte-for-byte reproducible.

Only the standard library is used.
"""
import os
import zipfile
from xml.sax.saxutils import escape

STAMP = (2020, 1, 1, 0, 0, 0)

# Cell styles (index into cellXfs), fixed entries of Styles.
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
        builtin = {"General": 0, "0": 1, "0.00": 2, "@": 49}
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
    """Text cells and styled blanks of one worksheet, its column widths and page."""

    def __init__(self, column_widths, orientation="portrait"):
        self.column_widths = column_widths
        self.orientation = orientation
        self.cells = {}  # (row, col) -> (style, kind, value)
        self.heights = {}
        self.strings = []
        self.merges = []

    @property
    def last_column(self):
        return len(self.column_widths)

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
                       for i, w in enumerate(self.column_widths))
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
            '<pageSetup paperSize="9" orientation="%s" fitToWidth="1" fitToHeight="0"/>'
            '<headerFooter><oddFooter>&amp;L%s&amp;R&amp;P / &amp;N</oddFooter></headerFooter>'
            '</worksheet>' % (col_name(self.last_column), last, cols, "".join(out), len(self.merges), merges,
                              self.orientation, escape(name)))

    def strings_xml(self):
        items = "".join('<si><t xml:space="preserve">%s</t></si>' % escape(s) for s in self.strings)
        return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" uniqueCount="%d">'
                '%s</sst>' % (len(self.strings), len(self.strings), items))


def write_workbook(path, name, sheet, styles, print_rows=None, title_rows=None):
    """The one-sheet workbook. `print_rows`: the print area is A1 to the last column of that row
    (none: the used cells); `title_rows` (first, last): rows repeated at the top of every page."""
    names = []
    if print_rows:
        names.append('<definedName name="_xlnm.Print_Area" localSheetId="0">%s!$A$1:$%s$%d</definedName>'
                     % (escape(name), col_name(sheet.last_column), print_rows))
    if title_rows:
        names.append('<definedName name="_xlnm.Print_Titles" localSheetId="0">%s!$%d:$%d</definedName>'
                     % ((escape(name),) + tuple(title_rows)))
    defined = "<definedNames>%s</definedNames>" % "".join(names) if names else ""
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
         '%s<calcPr calcId="0" fullCalcOnLoad="1"/></workbook>'
         % (escape(name), defined)),
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


def parts(path):
    with zipfile.ZipFile(path) as z:
        return {n: z.read(n) for n in z.namelist()}


def check(folder, names, generate):
    """Exit status 1 when a file of `names` in `folder` differs from what generate(folder) writes."""
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        generate(tmp)
        stale = [name for name in names
                 if not os.path.exists(os.path.join(folder, name))
                 or parts(os.path.join(folder, name)) != parts(os.path.join(tmp, name))]
    for name in stale:
        print("%s does not match tools/report_templates; regenerate it" % os.path.join(folder, name))
    return 1 if stale else 0
