#!/usr/bin/python3
"""Drives the browse table, the search window and the range CSV window through the desktop
accessibility tree (AT-SPI).

Presses "Browse" in the record editor, finds the browse table by its caption, reads the record
count and a cell of the table, steps the base with "＋", opens the search window with "検索",
types a word, presses "検索実行" and reads the hit count, closes it with "終了", opens the range
CSV window from the print menu, reads its start box by its label, closes it, and closes the
browse table with "終了".
Run it beside a running rekkan with an accessibility bus (see scripts/atspi_browse.sh).
"""
import subprocess
import sys
import time

import pyatspi

EDITOR = "Rekkan Ver 2.05"
BROWSE = "Rekkan Browse [ "
SEARCH = "Rekkan 検索"
RANGE_CSV = "Rekkan Print Csv"


def walk(node, match, depth=0):
    """The first descendant for which `match` holds."""
    if node is None or depth > 40:
        return None
    try:
        if match(node):
            return node
        for i in range(node.childCount):
            hit = walk(node.getChildAtIndex(i), match, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # nodes may vanish while the tree is walked
        return None
    return None


def find(node, role, name):
    return walk(node, lambda n: n.getRole() == role and n.name == name)


def find_prefix(node, role, prefix):
    return walk(node, lambda n: n.getRole() == role and n.name.startswith(prefix))


def wait_for_window(prefix):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for role in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME):
            hit = find_prefix(desktop, role, prefix)
            if hit is not None:
                return hit
        time.sleep(0.2)
    sys.exit("no window titled " + prefix)


def press(node, caption):
    button = find(node, pyatspi.ROLE_PUSH_BUTTON, caption)
    if button is None:
        sys.exit("no button " + caption)
    button.queryAction().doAction(0)
    time.sleep(0.5)


def labelled(node, caption):
    """The control the label `caption` names."""
    label = find(node, pyatspi.ROLE_LABEL, caption)
    if label is None:
        return None
    for relation in label.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    return None


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return node.name


def run_detached(what):
    """Triggers a control that opens a modal window; runs in a process of its own, since the call
    only returns when that window closes."""
    if what == "--browse":
        editor = wait_for_window(EDITOR)
        target = find(editor, pyatspi.ROLE_PUSH_BUTTON, "Browse")
    else:
        table = wait_for_window(BROWSE)
        target = find_prefix(table, pyatspi.ROLE_MENU_ITEM, "1. レコード内容をＣＳＶ形式で出力する")
    if target is None:
        sys.exit("nothing to trigger for " + what)
    try:
        target.queryAction().doAction(0)
    except Exception:  # the program ends before the call returns
        pass


def main():
    browser = subprocess.Popen([sys.executable, __file__, "--browse"])
    table = wait_for_window(BROWSE)
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
    search = wait_for_window(SEARCH)
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
    window = wait_for_window(RANGE_CSV)
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
