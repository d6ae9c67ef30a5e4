#!/usr/bin/python3
"""Drives the layout editor's tool windows through the desktop accessibility tree (AT-SPI).

Opens the layout editor from the record editor ("ﾚｲｱｳﾄの編集"), opens each tool window from its
menu item, finds it by its caption, reads a control by its accessible name and closes it with
"終了"; on the other definitions window "更新" asks its question, answered "いいえ".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh tool_windows).
"""
import os
import subprocess
import sys
import time

import pyatspi

from atspi_common import find, find_prefix, question, wait_for


def nodes(node, depth=0):
    """Every node under `node` in tree order."""
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def control_after_label(window, role, label):
    """A control of `role` named `label`, or the first one after the label `label` (a combo box
    is named by the text it shows; its label stands before it)."""
    seen = False
    for node in nodes(window):
        if node.getRole() == role and (seen or node.name == label):
            return node
        seen = seen or (node.getRole() == pyatspi.ROLE_LABEL and node.name == label)
    return None


def dump(node, depth=0):
    """Prints the tree under `node` (roles and names), for a control that was not found."""
    if node is None or depth > 12:
        return
    print("  " * depth + node.getRoleName() + " " + repr(node.name))
    for i in range(node.childCount):
        dump(node.getChildAtIndex(i), depth + 1)


def act(node, what):
    if node is None:
        sys.exit("not found: " + what)
    node.queryAction().doAction(0)
    time.sleep(0.5)


def main():
    act(find(wait_for([pyatspi.ROLE_FRAME], "Rekkan Ver 2.05"), pyatspi.ROLE_PUSH_BUTTON, "ﾚｲｱｳﾄの編集"), "ﾚｲｱｳﾄの編集")
    kvel = wait_for([pyatspi.ROLE_FRAME], prefix="Morvane for Rekkan")
    print("layout editor:", kvel.name)
    windows = [
        ("3. 編集内容を 言語形式 で出力する", "Morvane for Rekkan 言語形式への変換出力", pyatspi.ROLE_COMBO_BOX,
         "PIC 句の位置"),
        ("2. 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する", "Morvane for Rekkan 編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する",
         pyatspi.ROLE_CHECK_BOX, "SEQ"),
        ("1. 項目型の表記法の定義を行う", "Morvane for Rekkan 項目型の表記法の定義", pyatspi.ROLE_TABLE,
         "項目型の表記法の定義"),
        ("2. その他の定義を行う", "Morvane for Rekkan その他の定義", pyatspi.ROLE_RADIO_BUTTON,
         "Morvane Text Editor"),
    ]
    for item, title, role, control in windows:
        act(find_prefix(kvel, pyatspi.ROLE_MENU_ITEM, item), item)
        window = wait_for([pyatspi.ROLE_FRAME], title)
        found = control_after_label(window, role, control)
        if found is None:
            dump(window)
            sys.exit(title + ": no control named " + control)
        if role == pyatspi.ROLE_TABLE:
            table = found.queryTable()
            print(title, "->", table.nRows, "rows; X:", repr(table.getAccessibleAt(1, 3).name))
        else:
            print(title, "->", control + ":", repr(found.name))
        if title.endswith("その他の定義"):
            act(find(window, pyatspi.ROLE_PUSH_BUTTON, "更新"), "更新")
            act(find(question(), pyatspi.ROLE_PUSH_BUTTON, "いいえ(N)"), "いいえ(N)")
            print(title, "-> 更新 asked, answered いいえ")
        if os.environ.get("REKKAN_SCREENSHOTS"):
            shot = os.path.join(os.environ["REKKAN_SCREENSHOTS"], "screen_" + str(windows.index((item, title, role, control))) + ".png")
            subprocess.run(["import", "-window", "root", shot], check=False)
        act(find(window, pyatspi.ROLE_PUSH_BUTTON, "終了"), "終了")


if __name__ == "__main__":
    main()
