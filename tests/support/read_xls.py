# Reads an .xls workbook with xlrd and prints its sheets as JSON:
# {"sheets": [{"name": ..., "rows": [[text, ...], ...]}, ...]}
# Run with Debian's /usr/bin/python3, which sees python3-xlrd.
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
sheets = []
for sheet in book.sheets():
    rows = [[str(v) for v in sheet.row_values(r)] for r in range(sheet.nrows)]
    sheets.append({"name": sheet.name, "rows": rows})
json.dump({"sheets": sheets}, sys.stdout, ensure_ascii=False)
