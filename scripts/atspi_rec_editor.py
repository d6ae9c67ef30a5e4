#!/usr/bin/python3
"""Drives the record editor through the desktop accessibility tree (AT-SPI).

Finds the window by its caption, presses "次", types a record number into the box named
"Rec.No", presses "Get :Rec.No", reads the message line and a cell of the field grid, and
answers the question of "更新" with "いいえ".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh rec_editor).
"""
import sys

import pyatspi

from atspi_common import find, press, question, wait_for

TITLE = "Rekkan Ver 2.05"


def label_text(frame, name):
    """A panel is named by its role; its description holds the text it shows."""
    return find(frame, pyatspi.ROLE_LABEL, name).description


def main():
    frame = wait_for([pyatspi.ROLE_FRAME], TITLE)
    print("window:", frame.name)
    press(frame, "次")
    print("after 次:", label_text(frame, "メッセージ"))
    box = find(frame, pyatspi.ROLE_TEXT, "Rec.No")
    box.queryEditableText().setTextContents("3")
    press(frame, "Get :Rec.No")
    message = label_text(frame, "メッセージ")
    print("after Get :Rec.No:", message)
    grid = find(frame, pyatspi.ROLE_TABLE, "レコード内容")
    table = grid.queryTable()
    heading = table.getColumnHeader(7)
    cell = table.getAccessibleAt(2, 7)
    print("grid:", table.nRows, "rows; column 7 heading:", heading.name if heading else None,
          "; row 3 content:", repr(cell.name))
    if "Rec.No [3]" not in message:
        sys.exit("the record number was not read")

    # A question is answered through its own window: "更新" asks, "いいえ" leaves the file alone.
    press(frame, "更新")
    press(question(), "いいえ(N)")  # the standard button with its accelerator
    message = label_text(frame, "メッセージ")
    print("after 更新 / いいえ:", repr(message))
    if "更新しました" in message:
        sys.exit("the record was written although the question was answered No")


if __name__ == "__main__":
    main()
