#!/usr/bin/python3
"""Drives the browse table, the search window and the range CSV window through the desktop
accessibility tree (AT-SPI).

Presses "Browse" in the record editor, finds the browse table by its caption, reads the record
count and a cell of the table, steps the base with "＋", opens the search window with "検索",
types a word, presses "検索実行" and reads the hit count, closes it with "終了", opens the range
CSV window from the print menu, reads its start box by its label, closes it, and closes the
browse table with "終了".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_run.sh browse).
"""
import subprocess
import sys
import time

import pyatspi

from atspi_common import find, find_prefix, labelled, press, text_of, wait_for, walk

EDITOR = "Rekkan Ver 2.05"
BROWSE = "Rekkan Browse [ "
SEARCH = "Rekkan 検索"
RANGE_CSV = "Rekkan Print Csv"


def run_detached(what):
    """Triggers a control that opens a modal window; runs in a process of its own, since the call
    only returns when that window closes."""
    if what == "--browse":
        editor = wait_for([pyatspi.ROLE_FRAME], EDITOR)
        target = find(editor, pyatspi.ROLE_PUSH_BUTTON, "Browse")
    else:
        table = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME], prefix=BROWSE)
        target = find_prefix(table, pyatspi.ROLE_MENU_ITEM, "1. レコード内容をＣＳＶ形式で出力する")
    if target is None:
        sys.exit("nothing to trigger for " + what)
    try:
        target.queryAction().doAction(0)
    except Exception:  # the program ends before the call returns
        pass


def main():
    browser = subprocess.Popen([sys.executable, __file__, "--browse"])
    table = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME], prefix=BROWSE)
    print("window:", table.name)
    time.sleep(1)  # the rows are read 200 ms after the window shows
    records = walk(table, lambda n: n.getRole() == pyatspi.ROLE_TEXT and n.name == "Records")
    if records is None:
        sys.exit("no Records box")
    count = text_of(records).strip()
    print("Records:", count)
    if not count.isdigit() or int(count) < 1:
        sys.exit("the browse table shows no records")
    grid = walk(table, lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.queryTable().nRows > 0)
    if grid is None:
        sys.exit("no table with rows")
    cells = grid.queryTable()
    print("table:", cells.nRows, "rows,", cells.nColumns, "columns; first cell:",
          repr(cells.getAccessibleAt(0, 0).name))
    press(table, "＋")

    press(table, "検索")
    search = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME], prefix=SEARCH)
    words = labelled(search, "検索文字列")
    if words is None:
        sys.exit("no box labelled 検索文字列")
    words.queryEditableText().setTextContents("1")
    press(search, "検索実行")
    time.sleep(1)
    hits = labelled(search, "検索件数")
    print("検索件数:", repr(text_of(hits).strip()) if hits is not None else None)
    if hits is None or not text_of(hits).strip():
        sys.exit("no hit count after the search")
    press(search, "終了")

    csv = subprocess.Popen([sys.executable, __file__, "--csv"])
    window = wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME], prefix=RANGE_CSV)
    start = labelled(window, "開始 Rec.No")
    if start is None:
        sys.exit("no box labelled 開始 Rec.No")
    print("開始 Rec.No:", repr(text_of(start).strip()))
    press(window, "終了")
    csv.wait(timeout=10)

    press(table, "終了")
    browser.wait(timeout=10)
    if find_prefix(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_DIALOG, BROWSE) is not None:
        sys.exit("the browse table did not close")
    print("closed")


if __name__ == "__main__":
    if sys.argv[1:] in (["--browse"], ["--csv"]):
        run_detached(sys.argv[1])
    else:
        main()
