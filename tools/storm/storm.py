#!/usr/bin/python3
"""A storm of random real input against the program: clicks, double clicks, drags with each button, wheel
turns, keys and typed texts, windows opened from the main menu, closed with "Inchide" and Alt+F4, minimised
and moved, all sent through an X server (Xvfb with openbox) as a keyboard and a mouse would send them.

A crash, a sanitizer report (leaks included), a program that stops answering the window manager's pings, a
window its menu button does not bring back, or an end other than the exit code 0 of "Iesire" at the close is
a failure. Every move is logged with its time; a log can be replayed, and a failure prints the command that
replays it.

  storm.py run [--seconds S] [--seed N] [--build DIR] [--out DIR] [--lang LANG] [-- PROGRAM [ARGUMENTS]]
  storm.py replay LOG [--build DIR] [--out DIR] [-- PROGRAM [ARGUMENTS]]
  storm.py selftest [--build DIR] [--out DIR]
"""

import argparse
import json
import os
import random
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from forms import Forms  # noqa: E402
from moves import Mover, Scene  # noqa: E402
from target import Failure, Target, sanitizer_environment  # noqa: E402
from xsession import PrivateDesktop, XSession  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WRAPPER = os.path.join("tools", "storm.sh")


def say(text):
    print("storm: " + text, flush=True)


class Log:
    """One JSON object a line: a header, then every move with its time, restarts and the outcome."""

    def __init__(self, path, header):
        self.path = path
        self.file = open(path, "w", encoding="utf-8")
        self.write(dict(header, storm=1))

    def write(self, entry):
        self.file.write(json.dumps(entry) + "\n")
        self.file.flush()

    def close(self):
        self.file.close()


class Storm:
    def __init__(self, session, forms, command, out_stem, hang_seconds=10.0, start_seconds=60.0):
        self.session = session
        self.forms = forms
        self.target = Target(command, session.name, out_stem, sanitizer_environment(ROOT))
        self.hang_seconds = hang_seconds
        self.start_seconds = start_seconds
        self.held_buttons = set()
        self.held_keys = []
        self.moves = 0
        self.restarts = 0
        self.dialogs_seen = set()
        self.started_at = time.monotonic()
        self.recent = []
        self.started_after = 0  # the move after which the program was last started
        self.log = None

    # The program.

    def start(self):
        self.target.start()
        deadline = time.monotonic() + self.start_seconds
        while time.monotonic() < deadline:
            if not self.target.running():
                self.target.ended(expected=False)
                raise Failure("start", "the program ended before it showed its main menu", self.target.tail())
            if self.main_window(shown=True):
                return
            time.sleep(0.1)
        self.target.kill()
        raise Failure("start", "no main menu within %d s" % self.start_seconds, self.target.tail())

    def main_window(self, shown=False):
        for wid in self.session.managed(self.target.pid):
            if self.session.window_name(wid) == self.forms.main.name:
                if not shown or any(s.id == wid for s in self.session.shown(self.target.pid)):
                    return wid
        return 0

    def scene(self):
        return Scene(self.session.shown(self.target.pid), self.session.active(), self.forms, self.session.size)

    # Performing moves.

    def find(self, name):
        """The program's framed window of that name (see XSession.window_name), or 0."""
        return next((w for w in self.session.managed(self.target.pid) if self.session.window_name(w) == name), 0)

    def perform(self, events):
        for event in events:
            what = event[0]
            if what == "move":
                self.session.move(event[1], event[2])
            elif what in ("press", "release"):
                self.session.button(event[1], what == "press")
                (self.held_buttons.add if what == "press" else self.held_buttons.discard)(event[1])
            elif what in ("down", "up"):
                self.session.key(event[1], what == "down")
                if what == "down":
                    self.held_keys.append(event[1])
                elif event[1] in self.held_keys:
                    self.held_keys.remove(event[1])
            elif what == "pause":
                time.sleep(event[1] / 1000.0)
            elif what == "activate":
                self.wm_request(event[1], self.session.activate, lambda wid: self.session.active() == wid)
            elif what == "minimize":
                self.wm_request(event[1], self.session.minimize,
                                lambda wid: self.session.wm_state(wid) == XSession.ICONIC)
            else:
                raise ValueError("unknown event %r" % (event,))

    def wm_request(self, name, request, done):
        wid = self.find(name)
        if not wid:
            return
        request(wid)
        deadline = time.monotonic() + 2.0
        while time.monotonic() < deadline and not done(wid):
            time.sleep(0.02)
        # openbox animates a window to and from its icon, moving its frame on the way: the moves that follow
        # aim at where it stays.
        last = None
        while time.monotonic() < deadline + 1.0:
            time.sleep(0.06)
            now = [(s.id, s.frame) for s in self.session.shown(self.target.pid)]
            if now == last:
                break
            last = now

    def let_go(self):
        """Releases whatever a move left held, so that an ended program leaves no stuck button or key."""
        for button in list(self.held_buttons):
            self.session.button(button, False)
        for key in reversed(self.held_keys):
            self.session.key(key, False)
        self.held_buttons.clear()
        self.held_keys = []

    # Checks after each move.

    def check(self, move):
        if not self.target.running():
            self.let_go()
            # A slow program may still be closing after the move that ended it: the one before counts too.
            earlier = self.recent[-2] if len(self.recent) > 1 else {}
            earlier_may_end = earlier.get("may_end", False) and earlier.get("n", 0) > self.started_after
            self.target.ended(expected=move.get("may_end", False) or earlier_may_end)
            self.started_after = move.get("n", 0)
            self.restarts += 1
            self.log.write({"restart": self.restarts, "t": self.elapsed(), "after": move.get("n")})
            self.start()
            return
        self.target.check_report()
        if not self.session.ping(self.main_window(), self.hang_seconds):
            if not self.target.running():
                return self.check(move)
            picture = self.screenshot("failure")
            self.target.stop_hung()
            failure = Failure("hang", "the program did not answer a ping within %g s" % self.hang_seconds,
                              self.target.report() or self.target.tail())
            failure.picture = picture
            raise failure
        if move.get("expect"):
            self.check_shown(move["expect"])

    def check_shown(self, name):
        deadline = time.monotonic() + 5.0
        while time.monotonic() < deadline:
            scene = self.scene()
            if scene.dialogs:
                return  # a message box holds the input: the button press went nowhere
            wid = self.find(name)
            if (wid and any(s.id == wid for s in scene.framed) and self.session.wm_state(wid) == XSession.NORMAL
                    and self.session.active() == wid):
                return
            time.sleep(0.05)
        raise Failure("window", "its main menu button did not bring %r to the screen and activate it" % name)

    def elapsed(self):
        return round(time.monotonic() - self.started_at, 3)

    def do(self, move):
        self.moves += 1
        # Judged on the screen as it is now: a replay may find the windows elsewhere than the run did.
        move = dict(move, n=self.moves, t=self.elapsed(), may_end=self.scene().may_end(move["events"]))
        self.log.write(move)
        self.recent = (self.recent + [move])[-8:]
        self.perform(move["events"])
        self.let_go()
        self.check(move)

    def close_foreign_menus(self):
        """A press that found the desktop itself (a window moved away meanwhile) opens the window manager's menu,
        which would take the next moves' input: it is closed first, with the key a user would press."""
        for _ in range(3):
            if not self.session.foreign_menus(self.target.pid):
                return
            self.do({"kind": "keys", "note": "close the window manager's menu",
                     "events": [["down", "Escape"], ["up", "Escape"], ["pause", 100]]})

    def note_dialogs(self, scene):
        for dialog in scene.dialogs:
            if dialog.id not in self.dialogs_seen:
                self.dialogs_seen.add(dialog.id)
                picture = self.screenshot("dialog-%d" % len(self.dialogs_seen))
                self.log.write({"dialog": dialog.caption, "t": self.elapsed(), "picture": picture})
                # The only boxes the program shows are error messages, and no input should lead to one.
                failure = Failure("message box", "the program showed an error message (see the picture)")
                failure.picture = picture
                raise failure

    def screenshot(self, name):
        """The screen as a PNG beside the log (ImageMagick's import), for what the log cannot say."""
        path = "%s.%s.png" % (self.target.output_stem, name)
        try:
            subprocess.run(["import", "-display", self.session.name, "-window", "root", path],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20, check=True)
        except (OSError, subprocess.SubprocessError):
            return None
        return path

    # The end: "Iesire" must end the program with exit code 0.

    def end_move(self):
        for _ in range(20):
            scene = self.scene()
            if not scene.dialogs and not scene.popups:
                break
            target = scene.dialogs[-1] if scene.dialogs else None
            events = [["activate", target.name]] if target else []
            self.do({"kind": "keys", "note": "close what holds the input", "events": events + [
                ["down", "Escape"], ["up", "Escape"], ["pause", 200]]})
        events = [["activate", self.forms.main.name]]
        self.perform(events)
        scene = self.scene()
        if scene.main is None:
            raise Failure("exit", "the main menu cannot be brought to the screen at the end")
        x, y, w, h = scene.rect_of(scene.main, self.forms.exit_button)
        return {"kind": "end", "note": "click %r" % self.forms.exit_button.caption,
                "events": events + [["move", x + w // 2, y + h // 2], ["pause", 30], ["press", 1], ["pause", 30],
                                    ["release", 1]]}

    def finish(self, move):
        self.moves += 1
        move = dict(move, n=self.moves, t=self.elapsed())
        self.log.write(move)
        self.perform(move["events"])
        self.let_go()
        if not self.target.wait(60):
            self.target.stop_hung()
            raise Failure("exit", "%r did not end the program within 60 s" % self.forms.exit_button.caption,
                          self.target.report() or self.target.tail())
        self.target.ended(expected=True)

    # Runs.

    def run(self, seconds, seed, log_path):
        self.log = Log(log_path, {"seed": seed, "seconds": seconds, "command": self.target.command,
                                  "screen": list(self.session.size)})
        mover = Mover(random.Random(seed), self.forms)

        def storm():
            report_every = max(15, seconds // 10)
            next_report = report_every
            while time.monotonic() - self.started_at < seconds:
                self.close_foreign_menus()
                scene = self.scene()
                self.note_dialogs(scene)
                self.do(mover.next(scene))
                if self.elapsed() >= next_report:
                    say("%3d s: %d moves, %d restarts" % (self.elapsed(), self.moves, self.restarts))
                    next_report += report_every
            self.finish(self.end_move())

        return self.session_of(storm)

    def replay(self, entries, log_path):
        self.log = Log(log_path, {"replay_of": entries[0], "command": self.target.command})

        def moves():
            for entry in entries[1:]:
                if "events" not in entry:
                    continue
                move = {k: entry[k] for k in ("kind", "note", "events", "expect") if k in entry}
                if entry["kind"] == "end":
                    self.finish(move)
                    break
                if move["note"] == "close the window manager's menu" and not self.session.foreign_menus(
                        self.target.pid):
                    continue  # the replay took another way, where no menu opened
                self.do(move)
                self.close_foreign_menus()

        return self.session_of(moves)

    def session_of(self, moves):
        """Starts the program, performs the moves and judges the outcome: the failure, or None."""
        try:
            self.start()
            moves()
        except Failure as failure:
            return self.failed(failure)
        finally:
            self.let_go()
            self.target.kill()
        self.log.write({"outcome": "passed", "t": self.elapsed(), "moves": self.moves})
        self.log.close()
        return None

    def failed(self, failure):
        if failure.picture is None:
            failure.picture = self.screenshot("failure")
        self.log.write({"outcome": failure.kind, "detail": failure.detail, "t": self.elapsed(), "moves": self.moves})
        self.log.close()
        return failure

    def summary(self):
        return "%d moves in %.0f s, %d restarts, %d message boxes" % (
            self.moves, time.monotonic() - self.started_at, self.restarts, len(self.dialogs_seen))


def print_failure(storm, failure, log_path, replay_command):
    say("FAILED after %s: %s: %s" % (storm.summary(), failure.kind, failure.detail))
    if failure.report:
        print(failure.report, flush=True)
    say("last moves:")
    for move in storm.recent:
        print("  #%d %.1f s %s %s" % (move["n"], move["t"], move["kind"], move["note"]), flush=True)
    say("moves logged in %s, the program's output in %s" % (log_path, storm.target.output_path))
    if failure.picture:
        say("the screen at the failure: %s" % failure.picture)
    say("replay: " + replay_command)


def program_command(arguments, build):
    if arguments.program:
        return arguments.program
    return [os.path.join(build, "app", "RNA")] + (["--lang", arguments.lang] if arguments.lang else [])


def open_desktop(arguments, out_stem):
    desktop = PrivateDesktop(number=arguments.display, log_path=out_stem + ".desktop.txt")
    return desktop, XSession(desktop.name)


def command_run(arguments, build, out):
    seed = arguments.seed if arguments.seed is not None else random.randrange(1 << 31)
    stem = os.path.join(out, "storm-%d" % seed)
    command = program_command(arguments, build)
    say("seed %d, %g s against %s; moves logged in %s.jsonl" % (seed, arguments.seconds, " ".join(command), stem))
    desktop, session = open_desktop(arguments, stem)
    try:
        storm = Storm(session, Forms(arguments.forms), command, stem, arguments.hang_seconds)
        failure = storm.run(arguments.seconds, seed, stem + ".jsonl")
    finally:
        session.close()
        desktop.close()
    if failure:
        print_failure(storm, failure, stem + ".jsonl", "bash %s replay %s -- %s" % (
            WRAPPER, stem + ".jsonl", " ".join(command)))
        return 1
    say("passed: seed %d, %s; %r ended the program with exit code 0" % (
        seed, storm.summary(), storm.forms.exit_button.caption))
    return 0


def read_log(path):
    with open(path, encoding="utf-8") as file:
        entries = [json.loads(line) for line in file if line.strip()]
    if not entries or entries[0].get("storm") != 1:
        raise SystemExit("%s is not a storm log" % path)
    return entries


def command_replay(arguments, build, out):
    entries = read_log(arguments.log)
    command = arguments.program or entries[0].get("command") or program_command(arguments, build)
    stem = os.path.join(out, "replay-" + os.path.splitext(os.path.basename(arguments.log))[0])
    say("replaying %s against %s" % (arguments.log, " ".join(command)))
    desktop, session = open_desktop(arguments, stem)
    try:
        storm = Storm(session, Forms(arguments.forms), command, stem, arguments.hang_seconds)
        failure = storm.replay(entries, stem + ".jsonl")
    finally:
        session.close()
        desktop.close()
    if failure:
        print_failure(storm, failure, stem + ".jsonl", "bash %s replay %s -- %s" % (
            WRAPPER, arguments.log, " ".join(command)))
        return 1
    say("replayed without a failure: %s" % storm.summary())
    return 0


def command_selftest(arguments, build, out):
    """The storm against a stand-in program with planted faults: each must be caught, and caught again when
    its log is replayed; the stand-in without a fault must pass."""
    fake = os.path.join(build, "tools", "storm", "rna_storm_fake")
    if not os.access(fake, os.X_OK):
        raise SystemExit("no stand-in program at %s (build the project first)" % fake)
    sanitized = subprocess.run([fake, "--sanitized"], capture_output=True, text=True).stdout.strip() == "1"
    cases = [("none", None, 8), ("crash", "crash", 40), ("hang", "hang", 40)]
    if sanitized:
        cases += [("sanitizer", "sanitizer", 40), ("leak", "sanitizer", 8)]
    else:
        say("the stand-in was built without AddressSanitizer: its sanitizer faults are left out")
    stem = os.path.join(out, "selftest")
    desktop, session = open_desktop(arguments, stem)
    problems = []
    try:
        for fault, expected, seconds in cases:
            command = [fake, arguments.forms, fault, "12"]
            storm = Storm(session, Forms(arguments.forms), command, "%s-%s" % (stem, fault), hang_seconds=3.0)
            failure = storm.run(seconds, 1, "%s-%s.jsonl" % (stem, fault))
            caught = failure.kind if failure else None
            say("planted %-9s -> %s after %d moves" % (fault, caught or "passed", storm.moves))
            if caught != expected:
                problems.append("%s: expected %s, got %s%s" % (
                    fault, expected or "a pass", caught or "a pass", ": " + failure.detail if failure else ""))
                continue
            if expected:
                again = Storm(session, Forms(arguments.forms), command, "%s-%s-replay" % (stem, fault),
                              hang_seconds=3.0).replay(read_log("%s-%s.jsonl" % (stem, fault)),
                                                       "%s-%s-replay.jsonl" % (stem, fault))
                say("  replayed: %s" % (again.kind if again else "passed"))
                if not again or again.kind != expected:
                    problems.append("%s: the replay gave %s" % (fault, again.kind if again else "a pass"))
    finally:
        session.close()
        desktop.close()
    if problems:
        for problem in problems:
            say("self-test FAILED: " + problem)
        return 1
    say("self-test passed: %s" % ", ".join(
        "%s %s" % (fault, "caught and replayed" if expected else "passed") for fault, expected, _ in cases))
    return 0


def main(argv):
    parser = argparse.ArgumentParser(prog="storm", description=__doc__.split("\n\n")[0])
    parser.add_argument("command", choices=["run", "replay", "selftest"])
    parser.add_argument("log", nargs="?", help="the log to replay")
    parser.add_argument("--seconds", type=float, default=60.0, help="how long to storm (default 60)")
    parser.add_argument("--seed", type=int, help="the random seed (default: a new one, printed)")
    parser.add_argument("--build", default=os.path.join(ROOT, "build-asan"),
                        help="the build folder holding app/RNA and the stand-in program (default build-asan)")
    parser.add_argument("--out", help="where logs go (default BUILD/storm)")
    parser.add_argument("--forms", default=os.path.join(ROOT, "assets", "forms"), help="the window descriptions")
    parser.add_argument("--lang", help="the language the program is started in (its --lang; default its own)")
    parser.add_argument("--display", type=int, help="start Xvfb on this display number (default: a free one)")
    parser.add_argument("--hang-seconds", type=float, default=10.0,
                        help="how long the program may take to answer a ping (default 10)")
    program = []
    if "--" in argv:
        program = argv[argv.index("--") + 1:]
        argv = argv[:argv.index("--")]
    arguments = parser.parse_args(argv)
    arguments.program = program
    build = os.path.abspath(arguments.build)
    out = os.path.abspath(arguments.out or os.path.join(build, "storm"))
    os.makedirs(out, exist_ok=True)
    if arguments.command == "replay" and not arguments.log:
        parser.error("replay needs the log to replay")
    return {"run": command_run, "replay": command_replay, "selftest": command_selftest}[arguments.command](
        arguments, build, out)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
