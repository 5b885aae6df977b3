#!/usr/bin/env python3
"""Writes the sample levels in levels/ from the designs below.

A design lists its rows as one character per cell; rows whose number is odd stand half a cell
to the right, as in the editor's grid. The script places the cells on the interleaved columns
(QBX) or packs them (XSB) exactly as the editor's writer does, so the files read back as drawn.
"""
import os
import sys

CRLF = "\r\n"


def qbx_rows(design, first_row):
    rows = []
    for i, cells in enumerate(design):
        r = first_row + i
        line = [" "] * (2 * len(cells) + 1)
        for c, ch in enumerate(cells, start=1):
            line[2 * c - 1 + r % 2 - 1] = ch
        rows.append("".join(line).rstrip())
    margin = min(len(x) - len(x.lstrip(" ")) for x in rows if x)
    margin_row = next(k for k, x in enumerate(rows, 1) if x and len(x) - len(x.lstrip(" ")) == margin)
    return [x[margin:] for x in rows], margin_row


def xsb_rows(rows, m):
    n = len(rows)
    out = []
    for k, row in enumerate(rows, 1):
        s = " " * ((n - k) + ((n + m) % 2)) + row
        out.append(s[0::2])
    lead = min(len(x) - len(x.lstrip(" ")) if x.strip() else len(x) for x in out)
    return [x[lead:].rstrip() for x in out]


def write(name, lines, top="", author="", bottom=""):
    parts = []
    if top:
        parts += top.split("\n") + [""]
    parts += lines
    if author:
        parts += ["", "Author: " + author]
    if bottom:
        parts += [""] + bottom.split("\n")
    with open(name, "wb") as f:
        f.write((CRLF.join(parts) + CRLF).encode("utf-8"))


DESIGNS = {
    "first-steps": (1, [
        "####",
        "#.$@#",
        "####",
    ], "One object, one target: push the object one cell to the left."),
    "ring": (2, [
        "########",
        "#      #",
        "# $  . #",
        "#  #@  #",
        "# .  $ #",
        "#      #",
        "########",
    ], "Two objects around a pillar."),
    "honeycomb": (1, [
        "##########",
        "#        #",
        "# $ ## . #",
        "#  *@*   #",
        "# ## ##  #",
        "#  . $   #",
        "#        #",
        "##########",
    ], "Walls like a honeycomb, two objects already stored."),
}


def border_level(rows, cells):
    design = []
    for r in range(rows):
        if r in (0, rows - 1):
            design.append("#" * cells)
        else:
            design.append("#" + " " * (cells - 2) + "#")
    mid = rows // 2
    row = list(design[mid])
    row[3], row[5], row[7] = "@", "$", "."
    design[mid] = "".join(row)
    return design


def main(folder):
    os.makedirs(folder, exist_ok=True)
    team = "Quobix level team"
    for name, (first_row, design, comment) in DESIGNS.items():
        rows, m = qbx_rows(design, first_row)
        write(os.path.join(folder, name + ".qbx"), rows, top=comment, author=team)
        write(os.path.join(folder, name + ".xsb"), xsb_rows(rows, m), top=comment, author=team)

    # Fills the whole grid: 26 rows of 32 cells.
    rows, m = qbx_rows(border_level(26, 32), 1)
    write(os.path.join(folder, "full-grid.qbx"), rows,
          top="A level that fills the whole grid.", author=team,
          bottom="Every row and every cell of the grid is used.")

    # Deliberately invalid levels, each showing one message of the editor.
    rows, m = qbx_rows(["#####", "#@ @#", "#$ .#", "#####"], 1)
    write(os.path.join(folder, "invalid-two-men.qbx"), rows,
          top="Invalid on purpose: two men.", author=team)
    rows, m = qbx_rows(["#####", "# @ #", "#####"], 1)
    write(os.path.join(folder, "invalid-no-target.qbx"), rows,
          top="Invalid on purpose: no target.", author=team)
    rows, m = qbx_rows(["####"] + ["#.$#"] * 25 + ["#@##"], 1)
    write(os.path.join(folder, "invalid-too-tall.qbx"), rows,
          top="Invalid on purpose: 27 rows do not fit the grid.", author=team)
    write(os.path.join(folder, "invalid-misaligned.qbx"), ["####", "#@$.#", "####"],
          top="Invalid on purpose: cells side by side are written the XSB way.", author=team)
    wide = ["#" * 32 for _ in range(26)]
    write(os.path.join(folder, "invalid-too-wide.xsb"), wide,
          top="Invalid on purpose: sheared into QBX this is wider than the grid.", author=team)
    write(os.path.join(folder, "invalid-comments-only.qbx"), [],
          top="Only words here,\nno level at all.")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "levels"))
