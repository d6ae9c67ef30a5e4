"""What every accessibility check in scripts/ does with the desktop accessibility tree (AT-SPI):
find nodes by role and name, wait for a window, press a button, find the control a label names,
read a text. A check that cannot go on ends the script with the reason."""
import sys
import time

import pyatspi


def walk(node, match, depth=0):
    """The first node at or under `node` for which `match` holds."""
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


def find(node, role, name=None):
    """The first node with `role` named `name` (None: any name)."""
    return walk(node, lambda n: n.getRole() == role and (name is None or n.name == name))


def find_prefix(node, role, prefix):
    """The first node with `role` whose name begins with `prefix`."""
    return walk(node, lambda n: n.getRole() == role and n.name.startswith(prefix))


def wait_for(roles, name=None, prefix=None, showing=False):
    """A window of one of `roles` on the desktop, named `name` or beginning with `prefix` (and,
    with `showing`, shown), waited for up to ten seconds."""
    def match(n):
        if n.getRole() not in roles:
            return False
        named = n.name == name if prefix is None else n.name.startswith(prefix)
        return named and (not showing or n.getState().contains(pyatspi.STATE_SHOWING))

    for _ in range(50):
        hit = walk(pyatspi.Registry.getDesktop(0), match)
        if hit is not None:
            return hit
        time.sleep(0.2)
    sys.exit("no window titled " + (name if prefix is None else prefix + "..."))


def question():
    """The message box asking the user something ("確認")."""
    return wait_for([pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT], "確認")


def press(node, caption, pause=0.5):
    """Presses the button `caption` under `node` and gives the program `pause` seconds."""
    button = find(node, pyatspi.ROLE_PUSH_BUTTON, caption)
    if button is None:
        sys.exit("no button " + caption)
    button.queryAction().doAction(0)
    time.sleep(pause)


def labelled(node, caption):
    """The control the label `caption` names (a list is named by its item, not its label)."""
    label = find(node, pyatspi.ROLE_LABEL, caption)
    if label is None:
        return None
    for relation in label.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    return None


def text_of(node):
    """The text a box holds, else its name."""
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return node.name
