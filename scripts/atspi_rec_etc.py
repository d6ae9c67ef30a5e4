#!/usr/bin/python3
"""Drives the record editor's settings window through the desktop accessibility tree (AT-SPI).

Opens "1. 動作環境の定義を行う (&D)" from the Option menu, finds the window
"Rekkan 動作環境の定義", reads a check box and a list by its label, presses "更新", answers the
question with "はい", and closes the window with "終了".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh rec_etc).
"""
import subprocess
import sys
import time

import pyatspi

from atspi_common import find, find_prefix, labelled, press, question, wait_for

EDITOR = "Rekkan Ver 2.05"
SETTINGS = "Rekkan 動作環境の定義"


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
    press(question(), "はい(Y)")
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
