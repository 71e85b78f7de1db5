"""The program's windows as their descriptions declare them (assets/forms/*.json): names, client sizes and
the controls the storm aims at, in client pixels. A window on the screen is matched to its description by
name (the window's role), so the storm runs whatever the language of the captions; the buttons it looks for
("Iesire", "Inchide") are found by their captions in the descriptions, which are the same in every language."""

import glob
import json
import os

EXIT_CAPTION = "Iesire"
CLOSE_CAPTION = "Inchide"


class Control:
    def __init__(self, kind, name, rect, caption):
        self.kind = kind
        self.name = name
        self.rect = rect  # (left, top, width, height) in the window's client area
        self.caption = caption


class Form:
    def __init__(self, name, caption, size, controls):
        self.name = name
        self.caption = caption
        self.size = size
        self.controls = controls

    def button(self, caption):
        return next((c for c in self.controls if c.kind == "TBitBtn" and c.caption == caption), None)

    def scaled(self, control, client):
        """The control's rectangle on the screen, for the window's client area there (scaled if it was)."""
        sx, sy = client[2] / self.size[0], client[3] / self.size[1]
        left, top, width, height = control.rect
        return (client[0] + round(left * sx), client[1] + round(top * sy), max(1, round(width * sx)),
                max(1, round(height * sy)))


def _controls(entries, offset=(0, 0)):
    found = []
    for entry in entries:
        left, top, width, height = entry.get("bounds", [0, 0, 0, 0])
        rect = (offset[0] + left, offset[1] + top, width, height)
        caption = entry.get("properties", {}).get("Caption")
        found.append(Control(entry.get("kind", ""), entry.get("name", ""), rect, caption))
        found.extend(_controls(entry.get("controls", []), rect[:2]))
    return found


def _form(path):
    with open(path, encoding="utf-8") as file:
        description = json.load(file)
    properties = description.get("properties", {})
    return Form(description.get("name", ""), properties.get("Caption", ""),
                (properties.get("ClientWidth", 1), properties.get("ClientHeight", 1)),
                _controls(description.get("controls", [])))


class Forms:
    """The main menu (the first description) and the windows its buttons open, in order."""

    def __init__(self, folder):
        self.all = []
        for path in sorted(glob.glob(os.path.join(folder, "Form*.json"))):
            self.all.append(_form(path))
        # F1 shows a help window, captioned with its screen's name after the description's caption.
        help_path = os.path.join(folder, "Help.json")
        self.help = _form(help_path) if os.path.exists(help_path) else None
        if not self.all:
            raise RuntimeError("no window descriptions in %s" % folder)
        self.main = self.all[0]
        self.exit_button = self.main.button(EXIT_CAPTION)
        if self.exit_button is None:
            raise RuntimeError("the main menu has no %r button" % EXIT_CAPTION)
        openers = [c for c in self.main.controls if c.kind == "TBitBtn" and c is not self.exit_button]
        self.openers = list(zip(openers, self.all[1:]))  # (button, the window it shows)

    def by_name(self, name):
        """The description of a window the storm names so (XSession.window_name): a help window is named after the
        help description, whichever screen it helps with."""
        found = next((f for f in self.all if f.name == name), None)
        if found is None and self.is_help(name):
            return self.help
        return found

    def is_help(self, name):
        return self.help is not None and name == self.help.name
