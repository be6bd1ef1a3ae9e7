#!/usr/bin/python3
"""The exported files of chainadj-console read back by independent readers.

    check_exports.py FORMAT CONSOLE EXAMPLE_CHAIN ORIENTED_CHAIN WORK_DIR

FORMAT is dxf (read by ezdxf), xlsx (openpyxl), cass (Python's own GBK codec) or csv-bom. Each
file's coordinates must be the CSV's digits, point for point; then each format has checks of its
own. Exits 77 (skipped) when the reader is not installed, 1 on the first failure.
"""

import csv
import importlib
import importlib.util
import math
import os
import re
import shutil
import subprocess
import sys

SKIPPED = 77

# A name GBK cannot hold (Hangul) and one it can, put into the chain with E and F.
UNHELD_NAME = "P한2"
HELD_NAME = "龙泉"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def run_console(console, chain, work, *options):
    """Runs the chain once with the options; returns the exit status and the console's output."""
    done = subprocess.run([console, "--data", chain, *options], cwd=work,
                          capture_output=True, text=True)
    return done.returncode, done.stdout


def csv_points(path):
    """The CSV's points: name -> (X text, Y text), and its rows as they are."""
    with open(path, encoding="utf-8", newline="") as file:
        rows = list(csv.reader(file))
    expect(rows[0] == ["点名", "X", "Y", "mx", "my", "mp", "E", "F", "φ"], f"CSV head {rows[0]}")
    return {row[0]: (row[1], row[2]) for row in rows[1:]}, rows[1:]


def oriented_chain(source, work):
    """The chain with orientation points E and F, two of its points given Chinese names."""
    with open(source, encoding="utf-8") as file:
        text = file.read()
    text = text.replace("point P1\n", f"point {HELD_NAME}\n").replace("point P2\n", f"point {UNHELD_NAME}\n")
    path = os.path.join(work, "oriented.chain")
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)
    return path


def typed_value(chain, name):
    with open(chain, encoding="utf-8") as file:
        for line in file:
            words = line.split()
            if len(words) >= 2 and words[0] == name:
                return float(words[1])
    fail(f"no {name} in {chain}")


# ---- DXF, read by ezdxf -------------------------------------------------------------------------

def read_dxf(path):
    ezdxf = importlib.import_module("ezdxf")
    document = ezdxf.readfile(path)
    expect(document.dxfversion == "AC1015", f"DXF version {document.dxfversion}")
    expect(document.header.get("$DWGCODEPAGE") == "ANSI_936", "code page")
    expect(document.encoding == "gbk", f"encoding {document.encoding}")
    auditor = document.audit()
    expect(not auditor.has_errors, f"audit: {[str(e) for e in auditor.errors]}")
    return document, ezdxf


def dxf_points(path):
    """The POINTs with the NAMES text written beside each: name -> (X text, Y text)."""
    document, ezdxf = read_dxf(path)
    model = document.modelspace()
    points = model.query("POINT")
    names = model.query('TEXT[layer=="NAMES"]')
    expect(len(points) == len(names), f"{len(points)} points, {len(names)} names")
    found = {}
    for point, name in zip(points, names):
        expect(point.dxf.layer == "POINTS", "a POINT off its layer")
        x, y = point.dxf.location.x, point.dxf.location.y  # east, north
        at = name.dxf.insert
        height = name.dxf.height
        # Right of its point and above it, within a text height.
        expect(0 < at.x - x < height and 0 < at.y - y < height, f"{name.dxf.text} is not beside its point")
        found[ezdxf.decode_dxf_unicode(name.dxf.text)] = (f"{y:.3f}", f"{x:.3f}")
    return found


def note_numbers(model):
    notes = " ".join(text.dxf.text for text in model.query('TEXT[layer=="ELLIPSES"]'))
    scale = re.search(r"1:(\d+)", notes)
    magnified = re.search(r"放大 (\d+) 倍", notes)
    expect(scale, f"the note has no scale: {notes}")
    return float(scale.group(1)), float(magnified.group(1)) if magnified else 0.0, notes


def check_dxf_layers(path, csv_rows, triangles, known, sights):
    document, _ = read_dxf(path)
    model = document.modelspace()
    layers = {layer.dxf.name for layer in document.layers}
    expect({"POINTS", "NAMES", "KNOWN", "TRIANGLES", "ELLIPSES", "SIGHTS"} <= layers, f"layers {layers}")
    where = {(round(p.dxf.location.x, 6), round(p.dxf.location.y, 6)) for p in model.query("POINT")}

    def on_a_point(vertex):
        return (round(vertex[0], 6), round(vertex[1], 6)) in where

    # Every side of a chain of triangles once: 2n + 1 of them, between its points.
    lines = model.query('LINE[layer=="TRIANGLES"]')
    sides = {frozenset([(round(l.dxf.start.x, 6), round(l.dxf.start.y, 6)),
                        (round(l.dxf.end.x, 6), round(l.dxf.end.y, 6))]) for l in lines}
    expect(len(lines) == 2 * triangles + 1 == len(sides), f"{len(lines)} sides, {len(sides)} distinct")
    expect(all(on_a_point(v) for side in sides for v in side), "a side ends off the points")

    # A known point's triangle: closed, three vertices about the point.
    symbols = model.query('LWPOLYLINE[layer=="KNOWN"]')
    expect(len(symbols) == known, f"{len(symbols)} known-point symbols, {known} known points")
    for symbol in symbols:
        vertices = list(symbol.vertices())
        centre = (sum(v[0] for v in vertices) / 3, sum(v[1] for v in vertices) / 3)
        expect(symbol.closed and len(vertices) == 3 and on_a_point(centre), "a known point's symbol")

    sight_lines = model.query('LINE[layer=="SIGHTS"]')
    expect(len(sight_lines) == sights, f"{len(sight_lines)} sight lines, {sights} expected")
    expect(all(on_a_point(l.dxf.start) and on_a_point(l.dxf.end) for l in sight_lines), "a sight line")

    # Each new point's ellipse: its largest radius E times the note's magnification, along φ.
    scale, magnification, notes = note_numbers(model)
    new_points = [row for row in csv_rows if row[6] and float(row[6]) > 0]
    ellipses = model.query('LWPOLYLINE[layer=="ELLIPSES"]')
    expect(len(ellipses) == len(new_points), f"{len(ellipses)} ellipses, {len(new_points)} new points")
    for ellipse, row in zip(ellipses, new_points):
        vertices = list(ellipse.vertices())
        cx = sum(v[0] for v in vertices) / len(vertices)
        cy = sum(v[1] for v in vertices) / len(vertices)
        expect(ellipse.closed and f"{cy:.3f}" == row[1] and f"{cx:.3f}" == row[2], f"ellipse of {row[0]}")
        far = max(vertices, key=lambda v: math.hypot(v[0] - cx, v[1] - cy))
        radius = math.hypot(far[0] - cx, far[1] - cy)
        E = float(row[6]) / 1000
        # E is printed to the hundredth of a millimetre, the outline to the tenth of one.
        expect(abs(radius - E * magnification) <= 0.0051e-3 * magnification + 2e-4,
               f"{row[0]}: {radius} m for E {E} m")
        azimuth = math.degrees(math.atan2(far[0] - cx, far[1] - cy)) % 180
        difference = abs(azimuth - float(row[8]) % 180)
        expect(min(difference, 180 - difference) < 0.02, f"{row[0]}: ellipse along {azimuth}")
    # The text is 2 mm on paper at the stated scale.
    height = model.query('TEXT[layer=="NAMES"]')[0].dxf.height
    expect(abs(height - 2.0 * scale / 1000) < 1e-9, f"text height {height} at 1:{scale}")
    return scale, magnification, notes


def check_dxf(console, example, oriented, work, points_of):
    _, rows = csv_points(os.path.join(work, "example.csv"))
    scale, magnification, notes = check_dxf_layers(os.path.join(work, "example.dxf"), rows, 5, 2, 0)
    # By hand: the example spans 2 583 m east and 2 563 m north; on 150 × 210 mm that needs
    # 1:17 220, the round scale 1:20 000. Its largest ellipse, P3's E = 6.99 mm, is 0.35 µm on
    # paper there; 5 mm is 14 300 times as much, the round magnification 10 000, and the ellipse
    # is then 3.5 mm long.
    expect(scale == 20000 and magnification == 10000, f"1:{scale}, magnified {magnification}")
    expect("P3 点" in notes and "E = 6.99 毫米" in notes and "长约 3.5 毫米" in notes, notes)

    status, _ = run_console(console, oriented, work, "--dxf", "oriented.dxf", "--csv", "oriented.csv")
    expect(status == 0, f"exit status {status}")
    _, rows = csv_points(os.path.join(work, "oriented.csv"))
    check_dxf_layers(os.path.join(work, "oriented.dxf"), rows, 4, 4, 2)
    # A name GBK cannot hold is AutoCAD's escape in the file, the name again once decoded.
    with open(os.path.join(work, "oriented.dxf"), "rb") as file:
        raw = file.read()
    expect(b"P\\U+D55C2" in raw and HELD_NAME.encode("gbk") in raw, "the names' bytes")
    expect(UNHELD_NAME in points_of(os.path.join(work, "oriented.dxf")), "the escaped name")
    # E and F are drawn at their typed coordinates.
    found = points_of(os.path.join(work, "oriented.dxf"))
    for letter in "EF":
        typed = (f"{typed_value(oriented, 'X' + letter.lower()):.3f}", f"{typed_value(oriented, 'Y' + letter.lower()):.3f}")
        expect(found.get(letter) == typed, f"{letter}: {found.get(letter)} for {typed}")


# ---- the workbook, read by openpyxl -------------------------------------------------------------

SHEETS = ["坐标成果", "边长方位角", "角度", "闭合差", "项目信息"]


def read_workbook(path):
    openpyxl = importlib.import_module("openpyxl")
    return openpyxl.load_workbook(path)


def is_number(value):
    """A number cell as openpyxl reads it: an int where the value is whole."""
    return isinstance(value, (int, float)) and not isinstance(value, bool)


def workbook_points(path):
    sheet = read_workbook(path)["坐标成果"]
    found = {}
    for name, x, y, *_ in sheet.iter_rows(min_row=2, values_only=True):
        expect(is_number(x) and is_number(y), f"{name}: coordinates that are no numbers")
        found[name] = (f"{x:.3f}", f"{y:.3f}")
    return found


def degrees_of(dms):
    match = re.fullmatch(r"(-?)(\d+)°(\d+)′([\d.]+)″", dms)
    expect(match, f"no angle: {dms}")
    value = int(match.group(2)) + int(match.group(3)) / 60 + float(match.group(4)) / 3600
    return -value if match.group(1) else value


def check_xlsx(console, example, oriented, work, points_of):
    book = read_workbook(os.path.join(work, "example.xlsx"))
    expect(book.sheetnames == SHEETS, f"sheets {book.sheetnames}")
    for sheet in book:
        expect(sheet.freeze_panes == "A2", f"{sheet.title}: heads not frozen")
        expect(all(cell.font.b for cell in sheet[1]), f"{sheet.title}: heads not bold")
    # 坐标成果 is the CSV, numbers with their formats; a known point's figures are empty.
    _, rows = csv_points(os.path.join(work, "example.csv"))
    sheet = book["坐标成果"]
    for cells, row in zip(sheet.iter_rows(min_row=2), rows):
        for cell, text in zip(cells[1:], row[1:]):
            if not text:
                expect(cell.value is None, f"{row[0]}: {cell.value} for an empty field")
                continue
            decimals = len(text.split(".")[1])
            expect(cell.data_type == "n" and cell.number_format == "0." + "0" * decimals
                   and f"{cell.value:.{decimals}f}" == text, f"{row[0]}: {cell.value} for {text}")
    # 边长方位角: the 2n + 1 sides, each azimuth's degrees those of its text.
    sides = list(book["边长方位角"].iter_rows(min_row=2, values_only=True))
    expect(len(sides) == 11, f"{len(sides)} sides")
    for side in sides:
        expect(is_number(side[2]) and abs(degrees_of(side[3]) - side[4]) < 0.006 / 3600,
               f"side {side}")
    # 角度: v′ + v″ = v, adjusted = observed + v, and each triangle's v sum to −W of 闭合差.
    sums = {}
    for triangle, _, _, observed, observed_degrees, first, second, v, adjusted, adjusted_degrees in \
            book["角度"].iter_rows(min_row=2, values_only=True):
        expect(abs(degrees_of(observed) - observed_degrees) < 1e-9, f"observed {observed}")
        expect(abs(first + second - v) < 1e-9, f"triangle {triangle}: {first} + {second} != {v}")
        expect(abs(abs(adjusted_degrees) - abs(observed_degrees) - v / 3600) < 1e-9, f"triangle {triangle}")
        sums[triangle] = sums.get(triangle, 0) + v
    expect(sorted(sums) == [1, 2, 3, 4, 5], f"triangles {sorted(sums)}")
    for what, closure, limit, unit, verdict in book["闭合差"].iter_rows(min_row=2, values_only=True):
        expect(verdict == ("合格" if abs(closure) <= limit else "超限"), f"{what}: {verdict}")
        triangle = re.fullmatch(r"三角形 (\d+) 闭合差 W", what)
        if triangle:
            expect(unit == "秒" and abs(sums[int(triangle.group(1))] + closure) < 1e-9, f"{what}")
    project = dict(book["项目信息"].iter_rows(min_row=2, values_only=True))
    expect(project.get("项目名称") == "某铁路控制网" and project.get("计算程序", "").startswith("chainadj"),
           f"project {project}")


# ---- the CASS file, decoded by Python's own GBK codec ------------------------------------------

def cass_lines(path, encoding):
    with open(path, "rb") as file:
        raw = file.read()
    expect(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "lines not ended by CR LF")
    return [line.split(",") for line in raw.decode(encoding).split("\r\n")[:-1]]


def cass_points(path, encoding="gbk"):
    found = {}
    for fields in cass_lines(path, encoding):
        expect(len(fields) == 5 and fields[1] == "" and fields[4] == "", f"line {fields}")
        found[fields[0]] = (fields[3], fields[2])  # the file has Y before X
    return found


def check_cass(console, example, oriented, work, points_of):
    # The example's known start point A is in the file at its typed coordinates.
    found = points_of(os.path.join(work, "example.dat"))
    expect(found["龙山"] == ("31250.000", "48760.000"), f"A: {found['龙山']}")
    # The GBK bytes of a Chinese name, and the same file in UTF-8.
    status, _ = run_console(console, example, work, "--cass", "utf8.dat", "--encoding", "utf-8")
    expect(status == 0 and cass_points(os.path.join(work, "utf8.dat"), "utf-8") == found, "UTF-8 file")
    with open(os.path.join(work, "example.dat"), "rb") as file:
        expect("虎岭".encode("gbk") in file.read(), "the GBK bytes of 虎岭")
    # A name GBK cannot hold: nothing written, the reason said; in UTF-8 it is written.
    status, output = run_console(console, oriented, work, "--cass", "oriented.dat")
    expect(status == 1 and not os.path.exists(os.path.join(work, "oriented.dat")), "a GBK file was written")
    expect(f"! 点名 “{UNHELD_NAME}” 里的字符 “한”（U+D55C） 不能用 GBK 编码写出" in output, output[-300:])
    status, _ = run_console(console, oriented, work, "--cass", "oriented.dat",
                            "--encoding", "UTF-8", "--csv", "oriented.csv")
    found = cass_points(os.path.join(work, "oriented.dat"), "utf-8")
    listed, _ = csv_points(os.path.join(work, "oriented.csv"))
    expect(status == 0 and all(found[name] == xy for name, xy in listed.items()), "the UTF-8 file")
    expect(set(found) == set(listed) | {"A", "E", "F"}, f"points {sorted(found)}")


# ---- the CSV with its byte-order mark -----------------------------------------------------------

def check_csv_bom(console, example, oriented, work, points_of):
    status, _ = run_console(console, example, work, "--csv", "marked.csv", "--csv-bom")
    expect(status == 0, f"exit status {status}")
    with open(os.path.join(work, "marked.csv"), "rb") as marked, \
            open(os.path.join(work, "example.csv"), "rb") as plain:
        plain_bytes = plain.read()
        expect(not plain_bytes.startswith(b"\xef\xbb\xbf"), "a mark without --csv-bom")
        expect(marked.read() == b"\xef\xbb\xbf" + plain_bytes, "the marked CSV")


# What each format is read by, how its points are read, its own checks, and the options that
# write it beside the CSV.
FORMATS = {
    "dxf": ("ezdxf", dxf_points, check_dxf, ["--dxf", "example.dxf"]),
    "xlsx": ("openpyxl", workbook_points, check_xlsx,
             ["--xlsx", "example.xlsx", "--project", "某铁路控制网"]),
    "cass": (None, cass_points, check_cass, ["--cass", "example.dat"]),
    "csv-bom": (None, None, check_csv_bom, []),
}


def main():
    format_name = sys.argv[1]
    console, example, oriented_source, work = (os.path.abspath(path) for path in sys.argv[2:6])
    module, points_of, own_checks, options = FORMATS[format_name]
    if module and importlib.util.find_spec(module) is None:
        print(f"SKIP: the Python module {module} is not installed")
        return SKIPPED
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    oriented = oriented_chain(oriented_source, work)
    status, _ = run_console(console, example, work, *options, "--csv", "example.csv")
    expect(status == 0, f"exit status {status}")
    # The coordinates of every listed point are the CSV's digits.
    if points_of:
        listed, _ = csv_points(os.path.join(work, "example.csv"))
        found = points_of(os.path.join(work, options[1]))
        for name, xy in listed.items():
            expect(found.get(name) == xy, f"{name}: {found.get(name)} for the CSV's {xy}")
    own_checks(console, example, oriented, work, points_of)
    print(f"{format_name}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
