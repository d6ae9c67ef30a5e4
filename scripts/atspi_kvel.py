#!/usr/bin/python3
"""Drives the layout editor through the desktop accessibility tree (AT-SPI).

From the record editor presses "ﾚｲｱｳﾄの編集", finds the layout editor by its caption, reads the
line count and a cell of the item grid, presses "複写" and reads the line count again, then
closes the window with "×" and answers its save question with "いいえ".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh kvel).
"""
import sys

import pyatspi

from atspi_common import find, press, question, wait_for, walk


def line_count(frame):
    label = walk(frame, lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name.endswith(" Line"))
    return label.name if label is not None else None


def main():
    press(wait_for([pyatspi.ROLE_FRAME], "Rekkan Ver 2.05", showing=True), "ﾚｲｱｳﾄの編集")
    kvel = wait_for([pyatspi.ROLE_FRAME], prefix="Morvane for Rekkan", showing=True)
    print("window:", kvel.name)
    before = line_count(kvel)
    grid = find(kvel, pyatspi.ROLE_TABLE, "項目").queryTable()
    print("grid:", grid.nRows, "rows; heading 3:", grid.getColumnHeader(3).name, "; row 1 name:",
          repr(grid.getAccessibleAt(0, 3).name))
    press(kvel, "複写")
    after = line_count(kvel)
    print("line count:", before, "->", after)
    if before == after:
        sys.exit("複写 added no row")
    press(kvel, "閉じる")
    press(question(), "いいえ(N)")
    wait_for([pyatspi.ROLE_FRAME], "Rekkan Ver 2.05", showing=True)
    print("closed: back in the record editor")


if __name__ == "__main__":
    main()
