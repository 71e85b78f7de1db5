"""The program under a storm: started on the storm's display with the sanitizer settings the tests use, its
error output kept in a file and read for sanitizer reports, its end told apart from a crash."""

import os
import re
import signal
import subprocess
import time

from xsession import die_with_parent

# The first line of a report of AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer.
REPORT = re.compile(rb"^(==\d+==\s*ERROR: \w+Sanitizer|\S.*: runtime error: |SUMMARY: \w+Sanitizer|"
                    rb"AddressSanitizer:DEADLYSIGNAL)", re.M)
# Reports of a fatal signal: a crash rather than a finding of the sanitizers' own checks.
DEADLY = re.compile(rb"DEADLYSIGNAL|Sanitizer: (SEGV|BUS|FPE|ILL|ABRT|stack-overflow) ")


def sanitizer_environment(root):
    """The settings run-tests.sh gives the tests, where the caller gave none; aborts (a hang stopped by the
    storm) also print where the program was."""
    environment = {
        "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "halt_on_error=1:detect_leaks=1") + ":handle_abort=1",
        "UBSAN_OPTIONS": os.environ.get("UBSAN_OPTIONS", "halt_on_error=1:print_stacktrace=1"),
        "LSAN_OPTIONS": os.environ.get("LSAN_OPTIONS",
                                       "suppressions=" + os.path.join(root, "tests", "lsan.supp")),
    }
    return environment


class Failure(Exception):
    """What went wrong: kind is crash, sanitizer, exit, hang, window or start."""

    def __init__(self, kind, detail, report=""):
        super().__init__("%s: %s" % (kind, detail))
        self.kind = kind
        self.detail = detail
        self.report = report
        self.picture = None


class Target:
    def __init__(self, command, display, output_stem, extra_environment):
        self.command = command
        self.display = display
        self.output_stem = output_stem
        self.environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", **extra_environment)
        self.process = None
        self.starts = 0
        self.output_path = None

    def start(self):
        self.starts += 1
        self.output_path = "%s.program-%d.txt" % (self.output_stem, self.starts)
        with open(self.output_path, "wb") as output:
            self.process = subprocess.Popen(self.command, env=self.environment, stdout=output, stderr=output,
                                            stdin=subprocess.DEVNULL, preexec_fn=die_with_parent)

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process is not None and self.process.poll() is None

    def output(self):
        try:
            with open(self.output_path, "rb") as output:
                return output.read()
        except OSError:
            return b""

    def report(self):
        """The sanitizer report in the output so far, from its first line on (at most 80 lines), or ""."""
        text = self.output()
        found = REPORT.search(text)
        if not found:
            return ""
        return b"\n".join(text[found.start():].splitlines()[:80]).decode("utf-8", "replace")

    def check_report(self):
        report = self.report()
        if report:
            kind = "crash" if DEADLY.search(report.encode()) else "sanitizer"
            raise Failure(kind, "the program wrote a sanitizer report", report)

    def ended(self, expected):
        """Judges an ended program: a clean exit with code 0 where the last input could end it is fine."""
        code = self.process.wait()
        self.check_report()
        if code < 0:
            raise Failure("crash", "the program was killed by signal %s" % signal.Signals(-code).name,
                          self.tail())
        if code != 0:
            raise Failure("exit", "the program ended with exit code %d" % code, self.tail())
        if not expected:
            raise Failure("exit", "the program ended by itself, after input that cannot end it", self.tail())

    def tail(self, lines=30):
        return b"\n".join(self.output().splitlines()[-lines:]).decode("utf-8", "replace")

    def stop_hung(self):
        """Stops a program that stopped answering: an abort first, for the sanitizer's account of where."""
        if not self.running():
            return
        self.process.send_signal(signal.SIGABRT)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()

    def wait(self, timeout):
        deadline = time.monotonic() + timeout
        while self.running() and time.monotonic() < deadline:
            time.sleep(0.05)
        return not self.running()
