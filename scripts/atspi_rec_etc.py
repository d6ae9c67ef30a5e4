#!/usr/bin/python3
"""Drives the record editor's settings window through the desktop accessibility tree (AT-SPI).

Opens "1. 動作環境の定義を行う (&D)" from the Option menu, finds the window
"Rekkan 動作環境の定義", reads a check box and a list by its label, presses "更新", answers the
question with "はい", and closes the window with "終了".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_rec_etc.sh).
"""
import subprocess
import sys
import time

import pyatspi

EDITOR = "Rekkan Ver 2.05"
SETTINGS = "Rekkan 動作環境の定義"


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


def wait_for(roles, name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for role in roles:
            hit = find(desktop, role, name)
            if hit is not None:
                return hit
        time.sleep(0.2)
    sys.exit("no window titled " + name)


def press(node, caption):
    button = find(node, pyatspi.ROLE_PUSH_BUTTON, caption)
    if button is None:
        sys.exit("no button " + caption)
    button.queryAction().doAction(0)
    time.sleep(0.3)


def find_prefix(node, role, prefix, depth=0):
    """The first descendant with `role` whose name begins with `prefix`."""
    if node is None or depth > 40:
        return None
    try:
        if node.getRole() == role and node.name.startswith(prefix):
            return node
        for i in range(node.childCount):
            hit = find_prefix(node.getChildAtIndex(i), role, prefix, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def labelled(node, caption):
    """The control the label `caption` names."""
    label = find(node, pyatspi.ROLE_LABEL, caption)
    if label is None:
        return None
    for relation in label.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    return None


def open_settings():
    """Triggers the menu item; runs in a process of its own, since the call only returns when
    the modal window closes."""
    editor = wait_for([pyatspi.ROLE_FRAME], EDITOR)
    item = find_prefix(editor, pyatspi.ROLE_MENU_ITEM, "1. 動作環境の定義")
    if item is None:
        sys.exit("no menu item 1. 動作環境の定義を行う")
    try:
        item.queryAction().doAction(0)
    except Exception:  # the program ends before the call returns
        pass


def main():
    opener = subprocess.Popen([sys.executable, __file__, "--open"])
    window = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME], SETTINGS)
    print("window:", window.name)
    check = find(window, pyatspi.ROLE_CHECK_BOX, "レコードの [更新] \u3000\u3000時に確認を行う。")
    if check is None:
        sys.exit("no check box for the update question")
    print("check box:", check.name, "checked:", check.getState().contains(pyatspi.STATE_CHECKED))
    # A list is named by its label through the label's relation (its own name is its item).
    zone = labelled(window, "ZONE 型の符号形式")
    if zone is None or zone.getRole() != pyatspi.ROLE_COMBO_BOX:
        sys.exit("no list labelled ZONE 型の符号形式")
    print("ZONE 型の符号形式:", repr(zone.name))
    if zone.name.strip() not in ("IBM-EBCDIC (F/C/D)", "ASCII-MicroFocus (3/7)"):
        sys.exit("unexpected zone sign item")
    press(window, "更新")
    question = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT], "確認")
    press(question, "はい(Y)")
    press(window, "終了")
    time.sleep(0.5)
    if find(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_DIALOG, SETTINGS) is not None:
        sys.exit("the settings window did not close")
    print("closed")
    opener.wait(timeout=10)


if __name__ == "__main__":
    if sys.argv[1:] == ["--open"]:
        open_settings()
    else:
        main()
