#!/usr/bin/python3
"""Drives the layout editor's tool windows through the desktop accessibility tree (AT-SPI).

Opens the layout editor with "ﾚｲｱｳﾄの編集", presses "構造体取り込み", finds the window
"Morvane for Rekkan 構造体の取り込み", reads the list labelled "行番号桁数" and closes the window
with "終了"; then opens "Key" and "Memo" and finds their windows and lists by name.
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh layout_tools).
"""
import os
import subprocess
import sys
import time

import pyatspi

from atspi_common import find, labelled, press, wait_for

IMPORT = "Morvane for Rekkan 構造体の取り込み"
KEYS = "Morvane キー項目の編集"
MEMO = "Morvane File Memo"


def gone(name):
    for _ in range(25):
        window = find(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_FRAME, name)
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            return True
        time.sleep(0.2)
    return False


def main():
    editor = wait_for([pyatspi.ROLE_FRAME], prefix="Rekkan Ver")
    press(editor, "ﾚｲｱｳﾄの編集")
    kvel = wait_for([pyatspi.ROLE_FRAME], prefix="Morvane for Rekkan")
    print("layout editor:", kvel.name)
    press(kvel, "構造体取り込み")
    window = wait_for([pyatspi.ROLE_FRAME], IMPORT)
    print("window:", window.name)
    seq = labelled(window, "行番号桁数")
    if seq is None or seq.getRole() != pyatspi.ROLE_COMBO_BOX:
        sys.exit("no list labelled 行番号桁数")
    print("行番号桁数:", repr(seq.name))
    if find(window, pyatspi.ROLE_LIST, "構造体の一覧") is None:
        sys.exit("no structure list")
    press(window, "終了")
    if not gone(IMPORT):
        sys.exit("the import window did not close")
    press(kvel, "Key 項目")
    keys = wait_for([pyatspi.ROLE_FRAME], KEYS)
    selection = find(keys, pyatspi.ROLE_LIST, "キー項目選択リスト")
    if selection is None:
        sys.exit("no selection list")
    print("selection lines:", selection.childCount)
    press(kvel, "Memo")
    memo = wait_for([pyatspi.ROLE_FRAME], MEMO)
    print("window:", memo.name)
    shot = os.environ.get("REKKAN_SHOT")
    if shot:  # a picture of the screen with the windows open
        subprocess.run(["import", "-window", "root", shot], check=False)
    print("done")


if __name__ == "__main__":
    main()
