"""Random user input for the windows on the screen now: each move is a list of low-level events (pointer
motion, buttons, keys, pauses, window-manager requests) that the storm performs, logs and can replay as is."""

import string

# Keys as X names them; combinations are written with "+". Ctrl+R sets a demonstration back to its starting values;
# Ctrl+O, Ctrl+S and Ctrl+E are left out: they open file dialogs, which are not the program's windows.
KEYS = ["Left", "Right", "Up", "Down", "Prior", "Next", "Home", "End", "Tab", "Shift_L+Tab", "Return", "Escape",
        "space", "Alt_L+Down", "F1", "F4", "BackSpace", "Delete", "Control_L+Shift_L+c", "Control_L+v", "Control_L+r"]
TYPED = string.digits + ".,-" + "eE" + "aSitz"
KEY_OF = {".": "period", ",": "comma", "-": "minus", " ": "space"}
# Keys that press a focused button or the default one, or close the active window: the only input after which
# the program may end (with the main menu's "Iesire" or its window closed).
ENDING_KEYS = {"Return", "KP_Enter", "space", "F4"}
# How much of the input goes to each kind of control, when a move aims at one.
CONTROL_WEIGHTS = {"TChart": 6, "TTrackBar": 6, "TComboBox": 5, "TEdit": 4, "TMemo": 3, "TRichView": 3, "TBitBtn": 2,
                   "TLabel": 1, "TImage": 1}


def key_events(name):
    """Presses and releases a key, with its modifiers held around it ("Shift_L+Tab")."""
    parts = name.split("+")
    return [["down", p] for p in parts] + [["up", p] for p in reversed(parts)] + [["pause", 15]]


def typed_events(text):
    events = []
    for character in text:
        name = KEY_OF.get(character, character)
        events += key_events("Shift_L+" + name.lower() if character.isupper() else name)
    return events


def grow(rect, margin):
    return (rect[0] - margin, rect[1] - margin, rect[2] + 2 * margin, rect[3] + 2 * margin)


def inside(rect, x, y):
    return rect[0] <= x < rect[0] + rect[2] and rect[1] <= y < rect[1] + rect[3]


class Scene:
    """The program's windows on the screen at one moment, and what each point of the screen shows."""

    def __init__(self, shown, active, forms, size):
        self.shown = shown  # bottom to top
        self.active = active
        self.forms = forms
        self.size = size
        self.framed = [s for s in shown if not s.popup]
        self.popups = [s for s in shown if s.popup]
        self.main = next((s for s in self.framed if s.name == forms.main.name), None)
        self.dialogs = [s for s in self.framed if forms.by_name(s.name) is None]

    def window(self, name):
        return next((s for s in self.framed if s.name == name), None)

    def top_framed_at(self, x, y):
        return next((s for s in reversed(self.framed) if s.contains(x, y)), None)

    def on_screen(self, rect, x, y):
        return self.main is not None and self.top_framed_at(x, y) is self.main and inside(rect, x, y)

    def rect_of(self, shown, control):
        form = self.forms.by_name(shown.name)
        return form.scaled(control, shown.client)

    def forbidden(self, x, y):
        """The main menu's exit button, wherever it shows: a press there would end the storm's program."""
        if self.main is None:
            return False
        return self.on_screen(grow(self.rect_of(self.main, self.forms.exit_button), 3), x, y)

    def may_end(self, events):
        """Whether the events may end the program: a press on the main menu (on its frame, which a window
        raised during the move may have covered or uncovered), or a key that presses a button or closes."""
        x = y = None
        for event in events:
            if event[0] == "move":
                x, y = event[1], event[2]
            elif event[0] == "press" and self.main is not None and x is not None and self.main.contains(x, y):
                return True
            elif event[0] == "down" and event[1] in ENDING_KEYS:
                return True
        return False

    def is_top_at(self, shown, x, y):
        return self.top_framed_at(x, y) is shown

    def help_over(self, x, y):
        """Whether a help window covers the point: help comes back in front of its window when that window is
        activated, so a press meant for the main menu may land on the main menu's help instead."""
        return any(s.contains(x, y) for s in self.framed if self.forms.is_help(s.name))


class Mover:
    """Chooses the next move from a seeded random source and the scene."""

    def __init__(self, random, forms):
        self.random = random
        self.forms = forms
        self.kinds = [(self.open, 6), (self.close, 3), (self.alt_f4, 2), (self.minimize, 1.5), (self.move_window, 1.5),
                      (self.title_click, 2), (self.click, 20), (self.double_click, 5), (self.drag, 16),
                      (self.wheel, 8), (self.keys, 18), (self.typing, 8)]

    def next(self, scene):
        choices, weights = zip(*self.kinds)
        for _ in range(10):
            move = self.random.choices(choices, weights)[0](scene)
            if move is not None:
                return move
        # Nothing on the screen takes input: the main menu comes back the way a task bar brings it.
        return self.open(scene) or self.click(scene)

    # Where input lands.

    def target_window(self, scene):
        if scene.popups and self.random.random() < 0.6:
            return scene.popups[-1]
        if scene.dialogs and self.random.random() < 0.6:
            return self.random.choice(scene.dialogs)
        if not scene.shown:
            return None
        # By area, so that the small main menu (opened from more often by the open moves) gets a small share.
        return self.random.choices(scene.shown, [s.client[2] * s.client[3] for s in scene.shown])[0]

    def point_in(self, scene, shown, aim=0.7):
        """A point of the window's client area, on one of its controls with probability aim."""
        form = None if shown.popup else self.forms.by_name(shown.name)
        for _ in range(20):
            rect = shown.client
            control = None
            if form is not None and form.controls and self.random.random() < aim:
                # A kind of control first, then one of that kind: the many labels get no more than a slider.
                kinds = sorted({c.kind for c in form.controls})
                kind = self.random.choices(kinds, [CONTROL_WEIGHTS.get(k, 1) for k in kinds])[0]
                control = self.random.choice([c for c in form.controls if c.kind == kind])
                rect = form.scaled(control, shown.client)
            x = rect[0] + self.random.randrange(max(1, rect[2]))
            y = rect[1] + self.random.randrange(max(1, rect[3]))
            if not scene.forbidden(x, y):
                return x, y, control.name if control else "client"
        return None

    def pointer_target(self, scene):
        shown = self.target_window(scene)
        if shown is None:
            return None
        found = self.point_in(scene, shown)
        if found is None:
            return None
        x, y, what = found
        return shown, x, y, what

    def move(self, kind, note, events, expect=None):
        move = {"kind": kind, "note": note, "events": events}
        if expect:
            move["expect"] = expect
        return move

    def describe(self, shown, what, x, y):
        return "%s %s (%d, %d)" % (self.forms_name(shown), what, x, y)

    def forms_name(self, shown):
        form = None if shown.popup else self.forms.by_name(shown.name)
        return form.name if form else ("popup" if shown.popup else "dialog %r" % shown.caption)

    # The moves.

    def open(self, scene):
        """A demonstration window from its main menu button."""
        button, form = self.random.choice(self.forms.openers)
        events = []
        main = scene.main
        if main is None:
            if scene.dialogs:
                return None
            events.append(["activate", self.forms.main.name])  # minimised: back through the task bar's way
            main = next((s for s in scene.framed if s.name == self.forms.main.name), None)
            if main is None:
                return self.move("activate", "main menu", events)
        rect = scene.rect_of(main, button)
        x = rect[0] + 3 + self.random.randrange(max(1, rect[2] - 6))
        y = rect[1] + 3 + self.random.randrange(max(1, rect[3] - 6))
        # The main menu in front first: a window shown a moment ago may still be coming up over it.
        if not events:
            events.append(["activate", self.forms.main.name])
        if scene.popups:  # an open list would take the click only to close itself
            events = key_events("Escape") + events
        events += [["move", x, y], ["pause", 20], ["press", 1], ["pause", 30], ["release", 1]]
        expect = form.name if not scene.dialogs and not scene.popups and not scene.help_over(x, y) else None
        return self.move("open", "%s from %s" % (form.name, button.name), events, expect)

    def close(self, scene):
        """A demonstration window's close button."""
        windows = [s for s in scene.framed if s is not scene.main and s not in scene.dialogs]
        if not windows:
            return None
        shown = self.random.choice(windows)
        button = self.forms.by_name(shown.name).button("Inchide")
        if button is None:
            return None
        rect = scene.rect_of(shown, button)
        x, y = rect[0] + rect[2] // 2, rect[1] + rect[3] // 2
        events = [] if scene.is_top_at(shown, x, y) else [["activate", shown.name]]
        events += [["move", x, y], ["pause", 20], ["press", 1], ["pause", 30], ["release", 1]]
        return self.move("close", self.forms_name(shown), events)

    def focus_away_from_main(self, scene):
        """Keys for the main menu mostly go to a demonstration window instead, so that few end the program."""
        if scene.main is None or scene.active != scene.main.id or self.random.random() < 0.15:
            return []
        others = [s for s in scene.framed if s is not scene.main]
        if not others:
            return []
        return [["activate", self.random.choice(others).name]]

    def alt_f4(self, scene):
        return self.move("alt+f4", "active window", self.focus_away_from_main(scene) + key_events("Alt_L+F4"))

    def minimize(self, scene):
        windows = [s for s in scene.framed if s not in scene.dialogs]
        if not windows:
            return None
        shown = self.random.choice(windows)
        if shown is scene.main and self.random.random() < 0.8:
            return None
        return self.move("minimize", self.forms_name(shown), [["minimize", shown.name]])

    def title_point(self, shown):
        """A point of the title bar's middle, away from the buttons at its ends (the main menu's close box)."""
        fx, fy, fw, _ = shown.frame
        top = shown.client[1] - fy
        if top < 6:
            return None
        return fx + fw // 3 + self.random.randrange(max(1, fw // 3)), fy + 2 + self.random.randrange(top - 4)

    def title_target(self, scene):
        """A framed window and a point of its title bar where it is on top, or None."""
        if not scene.framed:
            return None
        shown = self.random.choice(scene.framed)
        point = self.title_point(shown)
        if point is None or not scene.is_top_at(shown, *point):
            return None
        return shown, point[0], point[1]

    def title_click(self, scene):
        target = self.title_target(scene)
        if target is None:
            return None
        shown, x, y = target
        events = [["move", x, y], ["pause", 20], ["press", 1], ["pause", 30], ["release", 1]]
        return self.move("title click", self.forms_name(shown), events)

    def move_window(self, scene):
        target = self.title_target(scene)
        if target is None:
            return None
        shown, x, y = target
        fx, fy, fw, fh = shown.frame
        # Somewhere the whole frame stays on the screen.
        nx = self.random.randrange(max(1, scene.size[0] - fw))
        ny = self.random.randrange(max(1, scene.size[1] - fh))
        ex, ey = x + nx - fx, y + ny - fy
        events = [["move", x, y], ["pause", 20], ["press", 1]] + self.path(x, y, ex, ey, 12) + [["release", 1]]
        return self.move("move window", self.forms_name(shown), events)

    def path(self, x0, y0, x1, y1, steps):
        events = []
        for i in range(1, steps + 1):
            events += [["move", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps], ["pause", 8]]
        return events

    def click(self, scene):
        target = self.pointer_target(scene)
        if target is None:
            return None
        shown, x, y, what = target
        button = self.random.choices([1, 3, 2], [8, 2, 1])[0]
        events = [["move", x, y], ["pause", 10], ["press", button], ["pause", 30], ["release", button]]
        return self.move("click %d" % button, self.describe(shown, what, x, y), events)

    def double_click(self, scene):
        target = self.pointer_target(scene)
        if target is None:
            return None
        shown, x, y, what = target
        events = [["move", x, y], ["pause", 10], ["press", 1], ["pause", 20], ["release", 1], ["pause", 40],
                  ["press", 1], ["pause", 20], ["release", 1]]
        return self.move("double click", self.describe(shown, what, x, y), events)

    def drag(self, scene):
        target = self.pointer_target(scene)
        if target is None:
            return None
        shown, x, y, what = target
        button = self.random.choices([1, 3, 2], [5, 4, 2])[0]
        where = self.random.random()
        if where < 0.6:  # within the window: zoom and pan rectangles, slider thumbs, text selections
            cx, cy, cw, ch = shown.client
            ex, ey = cx + self.random.randrange(max(1, cw)), cy + self.random.randrange(max(1, ch))
        elif where < 0.8:  # a short one
            ex, ey = x + self.random.randint(-40, 40), y + self.random.randint(-40, 40)
        else:  # anywhere, out of the window too
            ex, ey = self.random.randrange(scene.size[0]), self.random.randrange(scene.size[1])
        ex = min(max(ex, 0), scene.size[0] - 1)
        ey = min(max(ey, 0), scene.size[1] - 1)
        steps = self.random.randint(3, 30)
        events = [["move", x, y], ["pause", 10], ["press", button]] + self.path(x, y, ex, ey, steps) + [
            ["release", button]]
        note = "%s to (%d, %d)" % (self.describe(shown, what, x, y), ex, ey)
        return self.move("drag %d" % button, note, events)

    def wheel(self, scene):
        target = self.pointer_target(scene)
        if target is None:
            return None
        shown, x, y, what = target
        button = self.random.choices([4, 5, 6, 7], [5, 5, 1, 1])[0]
        notches = self.random.randint(1, 6)
        events = [["move", x, y], ["pause", 10]]
        for _ in range(notches):
            events += [["press", button], ["release", button], ["pause", 10]]
        return self.move("wheel %d x%d" % (button, notches), self.describe(shown, what, x, y), events)

    def focus_click(self, scene):
        """Half the time the keys go to a control the pointer picks first; otherwise to whatever has the focus."""
        if self.random.random() < 0.5:
            return []
        target = self.pointer_target(scene)
        if target is None:
            return []
        shown, x, y, _ = target
        return [["move", x, y], ["pause", 10], ["press", 1], ["pause", 20], ["release", 1], ["pause", 10]]

    def keys(self, scene):
        events = self.focus_click(scene)
        if not events:
            events = self.focus_away_from_main(scene)
        names = [self.random.choice(KEYS + list(string.ascii_lowercase[:6] + string.digits))
                 for _ in range(self.random.randint(1, 4))]
        for name in names:
            events += key_events(name)
        return self.move("keys", " ".join(names), events)

    def typing(self, scene):
        events = self.focus_click(scene)
        if not events:
            events = self.focus_away_from_main(scene)
        if self.random.random() < 0.5:  # over the text there
            events += key_events("Home") + key_events("Shift_L+End")
        text = "".join(self.random.choice(TYPED) for _ in range(self.random.randint(1, 7)))
        return self.move("type", repr(text), events + typed_events(text))
