"""Reads a workbook back for the tests, independently of the writer.

Prints "sheets<TAB>count", then one line per cell present in the first worksheet (with a
value or a style), by row then column:
    A1  type  value  font-name  bold(0/1)  font-size
where type is openpyxl's data type ("s", "n", ...) or "blank" for a styled cell without value.
Backslash, tab, line feed and carriage return inside a field are written as \\ \t \n \r.
"""
import sys

import openpyxl


def field(value):
    if value is None:
        return ""
    if isinstance(value, float) and value.is_integer():
        value = int(value)
    text = str(value)
    for raw, escaped in (("\\", "\\\\"), ("\t", "\\t"), ("\n", "\\n"), ("\r", "\\r")):
        text = text.replace(raw, escaped)
    return text


def main(path):
    try:
        workbook = openpyxl.load_workbook(path)
    except Exception as error:  # any reason a file cannot be read is a failed read
        print(f"{path}: {type(error).__name__}: {error}", file=sys.stderr)
        return 1
    lines = [f"sheets\t{len(workbook.sheetnames)}"]
    cells = workbook.worksheets[0]._cells if workbook.worksheets else {}
    # _cells holds exactly the cells the file has; iterating rows would invent empty ones.
    for key in sorted(cells):
        cell = cells[key]
        kind = "blank" if cell.value is None else cell.data_type
        font = cell.font
        lines.append("\t".join([cell.coordinate, kind, field(cell.value), field(font.name),
                                "1" if font.b else "0", field(font.sz)]))
    # Bytes, so that the locale cannot change or refuse the encoding.
    sys.stdout.buffer.write(("\n".join(lines) + "\n").encode("utf-8", "backslashreplace"))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: read_sheet.py FILE.xlsx", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
