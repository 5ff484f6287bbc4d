#!/usr/bin/python3
# Reads the game's board over AT-SPI, as a screen reader does, until every cell's name is that of
# the expected board (rows joined by "/": "." empty, "1" ... "8" a ball) or `patience` seconds pass:
#   tests/a11y/board-tree.py PICTURE [PATIENCE]
import sys, time

import pyatspi

COLOURS = ["light blue", "yellow", "blue", "red", "green", "pink", "purple", "brown"]


def expected(picture):
    rows = [row.ljust(9, ".") for row in (picture.split("/") + [""] * 9)[:9]]
    return [("empty" if rows[r][c] == "." else COLOURS[int(rows[r][c]) - 1] + " ball")
            + f", row {r + 1}, column {c + 1}" for r in range(9) for c in range(9)]


def seen():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "pebblix":
            board = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
            table = board.queryTable()
            assert (table.nRows, table.nColumns) == (9, 9), "the board is no 9 × 9 table"
            return [table.getAccessibleAt(r, c).name for r in range(9) for c in range(9)]
    return []


wanted, deadline = expected(sys.argv[1]), time.monotonic() + float(sys.argv[2] if len(sys.argv) > 2 else 30)
while (names := seen()) != wanted and time.monotonic() < deadline:
    time.sleep(0.1)
differing = [(n, w) for n, w in zip(names, wanted) if n != w] if names else [("no board", "")]
if differing:
    sys.exit(f"the board's cells say, where the game has: {differing}")
