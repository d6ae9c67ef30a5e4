#!/usr/bin/python3
"""Drives the layout editor through the desktop accessibility tree (AT-SPI).

From the record editor presses "ﾚｲｱｳﾄの編集", finds the layout editor by its caption, reads the
line count and a cell of the item grid, presses "複写" and reads the line count again, then
closes the window with "×" and answers its save question with "いいえ".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_kvel.sh).
"""
import sys
import time

import pyatspi


def find(node, role, name, depth=0):
    """The first descendant with `role` and `name` (None: any name; "x*" a prefix, "*x" a suffix)."""
    if node is None or depth > 40:
        return None
    try:
        if node.getRole() == role and (name is None or node.name == name or
                                       (name.endswith("*") and node.name.startswith(name[:-1])) or
                                       (name.startswith("*") and node.name.endswith(name[1:]))):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), role, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # nodes may vanish while the tree is walked
        return None
    return None


def frame_titled(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for app in desktop:
            if app is None:
                continue
            frame = find(app, pyatspi.ROLE_FRAME, title)
            if frame is not None and frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
        time.sleep(0.2)
    sys.exit("no window titled " + title)


def press(frame, caption):
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, caption)
    if button is None:
        sys.exit("no button " + caption)
    button.queryAction().doAction(0)
    time.sleep(0.5)


def line_count(frame):
    label = find(frame, pyatspi.ROLE_LABEL, "* Line")
    return label.name if label is not None else None


def main():
    press(frame_titled("Rekkan Ver 2.05"), "ﾚｲｱｳﾄの編集")
    kvel = frame_titled("Morvane for Rekkan*")
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
    question = None
    for _ in range(25):
        desktop = pyatspi.Registry.getDesktop(0)
        question = find(desktop, pyatspi.ROLE_DIALOG, "確認") or find(desktop, pyatspi.ROLE_ALERT, "確認")
        if question is not None:
            break
        time.sleep(0.2)
    if question is None:
        sys.exit("no save question titled 確認")
    press(question, "いいえ(N)")
    frame_titled("Rekkan Ver 2.05")
    print("closed: back in the record editor")


if __name__ == "__main__":
    main()
