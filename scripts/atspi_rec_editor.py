#!/usr/bin/python3
"""Drives the record editor through the desktop accessibility tree (AT-SPI).

Finds the window by its caption, presses "次", types a record number into the box named
"Rec.No", presses "Get :Rec.No", reads the message line and a cell of the field grid, and
answers the question of "更新" with "いいえ".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_rec_editor.sh).
"""
import sys
import time

import pyatspi

TITLE = "Rekkan Ver 2.05"


def find(node, role, name, depth=0):
    """The first descendant with `role` and `name` (None: any name)."""
    if node is None or depth > 40:
        return None
    try:
        if node.getRole() == role and (name is None or node.name == name):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), role, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # nodes may vanish while the tree is walked
        return None
    return None


def window():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for app in desktop:
            if app is None:
                continue
            frame = find(app, pyatspi.ROLE_FRAME, TITLE)
            if frame is not None:
                return frame
        time.sleep(0.2)
    sys.exit("no window titled " + TITLE)


def press(frame, caption):
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, caption)
    if button is None:
        sys.exit("no button " + caption)
    button.queryAction().doAction(0)
    time.sleep(0.3)


def label_text(frame, name):
    """A panel is named by its role; its description holds the text it shows."""
    return find(frame, pyatspi.ROLE_LABEL, name).description


def main():
    frame = window()
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
    question = None
    for _ in range(25):
        question = find(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_DIALOG, "確認") or find(
            pyatspi.Registry.getDesktop(0), pyatspi.ROLE_ALERT, "確認")
        if question is not None:
            break
        time.sleep(0.2)
    if question is None:
        sys.exit("no question titled 確認")
    press(question, "いいえ(N)")  # the standard button with its accelerator
    message = label_text(frame, "メッセージ")
    print("after 更新 / いいえ:", repr(message))
    if "更新しました" in message:
        sys.exit("the record was written although the question was answered No")


if __name__ == "__main__":
    main()
