"""Drives running programs through the accessibility interface (AT-SPI), as a screen
reader does: find a program by its process id, find its windows and controls by role and
name, read their texts and press their buttons.

It needs Debian's pyatspi, so run it with /usr/bin/python3, inside a D-Bus session that has
the AT-SPI bus (see tests/acceptance/run_accessible.sh), with the programs started under
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on an X server. Every lookup waits, up to a generous
timeout, for what it looks for to appear, and raises NotFound if it never does.

    import atspi_driver as ui

    app = ui.application(pid)
    box = ui.find(app, "alert", "The Vantrel Velocarta")
    assert ui.text_of(ui.find(box, "label")) == "The Vantrel Velocarta is already running!"
    ui.press(ui.find(box, "push button", "OK"))
    ui.wait_until(lambda: not ui.is_showing(box), "the box to close")

Roles are AT-SPI's role names as screen readers speak them: "frame", "dialog", "alert",
"push button", "label", "text", "menu item", "list item" ...
"""

import time

import pyatspi

# Long enough for a sanitized program on a busy machine; a lookup ends as soon as it succeeds.
DEFAULT_TIMEOUT = 60.0
POLL_INTERVAL = 0.2


class NotFound(Exception):
    """What a lookup waited for did not appear in time."""


def wait_until(probe, what, timeout=DEFAULT_TIMEOUT, pid=None):
    """Calls probe() until it returns something true and returns that. Objects that vanish
    while they are asked about count as not there yet. With a pid, stops waiting as soon as
    that process has ended."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except Exception:  # a window closed or a program left the bus mid-question
            result = None
        if result:
            return result
        if pid is not None and not process_runs(pid):
            raise NotFound("%s: process %d has ended" % (what, pid))
        if time.monotonic() >= deadline:
            raise NotFound("waited %.0f s for %s" % (timeout, what))
        time.sleep(POLL_INTERVAL)


def process_runs(pid):
    """Whether the process exists and has not ended (an ended child its parent has not
    collected yet counts as ended)."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            state = stat.read().rsplit(")", 1)[1].split()[0]
    except (OSError, IndexError):
        return False
    return state not in ("Z", "X")


def _fresh(node):
    # The client library caches trees; a lookup must see windows that opened since.
    node.clear_cache()
    return node


def applications():
    """The programs that are on the accessibility bus now."""
    desktop = _fresh(pyatspi.Registry.getDesktop(0))
    return [app for app in desktop if app is not None]


def application(pid, timeout=DEFAULT_TIMEOUT):
    """The accessible application of the process `pid`, once it is on the bus."""
    return wait_until(
        lambda: next((app for app in applications() if app.get_process_id() == pid), None),
        "the program of process %d on the accessibility bus" % pid, timeout, pid)


def _matches(node, role, name):
    return node.getRoleName() == role and (name is None or node.name == name)


def _descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from _descendants(child)


def find_all(root, role, name=None):
    """Every node below root (now, without waiting) with this role and, if given, this
    exact name, in the order of the tree."""
    return [node for node in _descendants(_fresh(root)) if _matches(node, role, name)]


def find(root, role, name=None, timeout=DEFAULT_TIMEOUT):
    """The first node below root with this role and, if given, this exact name; waits for
    it to appear."""
    what = "a %s%s" % (role, "" if name is None else " named %r" % name)
    return wait_until(lambda: next(iter(find_all(root, role, name)), None), what, timeout,
                      root.get_process_id())


def text_of(node):
    """What a screen reader reads of the node: its text if it has one, else its name."""
    try:
        text = node.queryText()
    except NotImplementedError:
        return node.name
    return text.getText(0, -1)


def is_showing(node):
    """Whether the node is still on the screen (False once its window is gone)."""
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def press(node):
    """Presses a button (or any node with a press or click action) as assistive software
    does, through its action interface."""
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    for wanted in ("press", "click", "activate"):
        if wanted in names:
            if not actions.doAction(names.index(wanted)):
                raise RuntimeError("%s %r refused to %s"
                                   % (node.getRoleName(), node.name, wanted))
            return
    raise RuntimeError("%s %r has no press action (it has %s)"
                       % (node.getRoleName(), node.name, names))


def outline(root, depth=0):
    """The tree below root as indented lines of role and name, for failure reports."""
    try:
        lines = ["%s%s %r" % ("  " * depth, root.getRoleName(), root.name)]
        for child in _fresh(root) if depth == 0 else root:
            if child is not None:
                lines.append(outline(child, depth + 1))
    except Exception:  # the program left the bus
        return "%s(gone)" % ("  " * depth)
    return "\n".join(lines)
