"""Goes through the program's windows and panels through the accessibility interface and
lists every control a user can reach that has no name a screen reader can speak."""

import sys

import atspi_driver as ui

# The roles of what a user reaches and operates; labels and panels speak their text.
CONTROLS = {"push button", "toggle button", "check box", "radio button", "combo box", "list",
            "list item", "spin button", "scroll bar", "slider", "text", "progress bar",
            "page tab", "table", "menu item"}

pid = int(sys.argv[1])
app = ui.application(pid)
unnamed = []
checked = 0


def check(window, where):
    """Notes every showing control below window without a name."""
    global checked
    ui.wait_until(lambda: ui.find_all(window, "push button"), "the controls of " + where)
    for role in CONTROLS:
        for node in ui.find_all(window, role):
            if ui.is_showing(node):
                checked += 1
                if not node.name.strip():
                    unnamed.append("%s: a %s%s" % (where, role, _place(node)))
    return window


def _place(node):
    parent = node.parent
    return " in %s %r" % (parent.getRoleName(), parent.name) if parent is not None else ""


def choose(frame, entry):
    ui.press(ui.find(frame, "menu item", entry))


def window_named(prefix):
    """The showing window whose title starts with prefix, once it is there."""
    return ui.wait_until(
        lambda: next((w for role in ("dialog", "frame") for w in ui.find_all(app, role)
                      if w.name.startswith(prefix) and ui.is_showing(w)), None),
        "a window titled %r" % prefix, pid=pid)


def closes(node, what):
    ui.wait_until(lambda: not ui.is_showing(node), what + " to close", pid=pid)


frame = ui.find(app, "frame", "The Vantrel Velocarta    2000")
ui.press(ui.find(frame, "push button", "65"))
ui.find(frame, "label", "1965")
check(frame, "the main window")

# Panels laid over the photo, each closed again by its own button.
for entry, closer in (("Copy CD-ROM photos to hard drive", "Cancel"),
                      ("Install Screen saver", "Cancel"),
                      ("PrintBooklet", "Cancel"),
                      ("Sound Effects", "Close")):
    choose(frame, entry)
    button = ui.wait_until(
        lambda: next((b for b in ui.find_all(frame, "push button", closer) if ui.is_showing(b)),
                     None), "the %s button of %s" % (closer, entry), pid=pid)
    check(frame, entry)
    ui.press(button)
    closes(button, entry)

# Windows of their own.
choose(frame, "Movies")
movies = check(window_named("Vantrel Movies"), "the movie window")
ui.press(ui.find(movies, "push button", "Exit"))
closes(movies, "the movie window")

choose(frame, "SlideShow")
show = check(window_named("The Vantrel Velocarta Slide Show"), "the slide show")
ui.press(next(b for b in ui.find_all(show, "push button", "Exit") if ui.is_showing(b)))
closes(show, "the slide show")

choose(frame, "About")
check(window_named("About The Vantrel Velocarta"), "the About box")

if unnamed:
    sys.exit("controls without a name:\n  " + "\n  ".join(sorted(set(unnamed))))
print("%d controls of the main window, its panels, the movie window, the slide show and "
      "the About box, each with a name: OK" % checked)
