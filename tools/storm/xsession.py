"""The X display a storm works on: a private Xvfb with openbox, and one connection to it that reads the
program's windows, sends input through the XTEST extension and asks the window manager for window operations
as a task bar would.

The private desktop is also the one the desktop tests run on (tests/desktop/PrivateDesktop.cpp starts this file
as a program): run on its own, it starts a desktop on a free display, writes the display's name (":N") as its
first line, and keeps the desktop until it is stopped (SIGTERM, SIGINT) or its input ends. It writes
"error: WHY" instead when the desktop cannot be started, and ends with status 1.
"""

import ctypes
import os
import select
import signal
import subprocess
import time

from Xlib import X, XK, display as xdisplay, error as xerror
from Xlib.ext import xtest
from Xlib.protocol import event as xevent


def die_with_parent():
    """Runs in a started process: it is stopped when the storm ends in any way."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def stop_process(process, grace=3.0):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class PrivateDesktop:
    """Xvfb on a free display (or the one asked for), 1280 x 1024, with openbox managing its windows on a single
    desktop (see _start_manager)."""

    def __init__(self, number=None, size=(1280, 1024), log_path=os.devnull, timeout=15.0):
        self.server = self.manager = None
        self._log = open(log_path, "ab")
        try:
            self.name = self._start_server(number, size, timeout)
            self._start_manager(timeout)
        except Exception:
            self.close()
            raise

    def _start_server(self, number, size, timeout):
        screen = "%dx%dx24" % size
        arguments = ["-screen", "0", screen, "-nolisten", "tcp", "-noreset"]
        if number is not None:
            self.server = subprocess.Popen(["Xvfb", ":%d" % number] + arguments, stdout=self._log,
                                           stderr=self._log, preexec_fn=die_with_parent)
            name = ":%d" % number
        else:
            # With -displayfd the server takes the first free display and writes its number once it accepts.
            read_end, write_end = os.pipe()
            self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end)] + arguments, pass_fds=(write_end,),
                                           stdout=self._log, stderr=self._log, preexec_fn=die_with_parent)
            os.close(write_end)
            # The server writes the number and then a newline in two writes: the pipe stays open until the
            # newline is in, since a server whose second write finds the pipe closed gives up.
            received = b""
            deadline = time.monotonic() + timeout
            while b"\n" not in received:
                ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    break
                received += chunk
            os.close(read_end)
            digits = received.decode().strip()
            if not digits:
                raise RuntimeError("Xvfb gave no display number (is the xvfb package installed?)")
            name = ":" + digits
        deadline = time.monotonic() + timeout
        while True:
            try:
                xdisplay.Display(name).close()
                return name
            except Exception:
                if time.monotonic() > deadline or self.server.poll() is not None:
                    raise RuntimeError("Xvfb on %s takes no clients" % name)
                time.sleep(0.05)

    def _start_manager(self, timeout):
        environment = dict(os.environ, DISPLAY=self.name)
        self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=environment, stdout=self._log,
                                        stderr=self._log, preexec_fn=die_with_parent)
        # openbox handles windows once it has published its list of clients.
        probe = xdisplay.Display(self.name)
        try:
            client_list = probe.intern_atom("_NET_CLIENT_LIST")
            deadline = time.monotonic() + timeout
            root = probe.screen().root
            while root.get_full_property(client_list, X.AnyPropertyType) is None:
                if time.monotonic() > deadline or self.manager.poll() is not None:
                    raise RuntimeError("openbox did not take the screen (is the openbox package installed?)")
                time.sleep(0.05)
            # One desktop: the wheel over the desktop itself switches desktops, which would hide every window.
            # The request is sent again until it holds: openbox may still set up its own desktops from its
            # configuration after it has published the client list, and that undoes an early request.
            desktops = probe.intern_atom("_NET_NUMBER_OF_DESKTOPS")
            request = xevent.ClientMessage(window=root, client_type=desktops, data=(32, [1, 0, 0, 0, 0]))
            sent = 0.0
            while True:
                number = root.get_full_property(desktops, X.AnyPropertyType)
                if number is not None and list(number.value) == [1]:
                    break
                if time.monotonic() > deadline:
                    raise RuntimeError("openbox kept more than one desktop")
                if time.monotonic() - sent > 0.5:
                    root.send_event(request, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
                    probe.sync()
                    sent = time.monotonic()
                time.sleep(0.05)
        finally:
            probe.close()

    def close(self):
        stop_process(self.manager)
        stop_process(self.server)
        self._log.close()


class Shown:
    """One of the program's windows as it is on the screen now."""

    def __init__(self, wid, name, caption, client, frame, popup):
        self.id = wid
        self.name = name  # see XSession.window_name
        self.caption = caption
        self.client = client  # (x, y, width, height) on the screen
        self.frame = frame  # the client with the window manager's frame around it
        self.popup = popup  # a list or menu the window manager does not frame

    def contains(self, x, y, rect=None):
        rx, ry, rw, rh = rect or self.frame
        return rx <= x < rx + rw and ry <= y < ry + rh

    def __repr__(self):
        return "%s %r (%r) at %r" % ("popup" if self.popup else "window", self.name, self.caption, self.client)


class XSession:
    """One connection to the display: the program's windows, input through XTEST, window-manager requests."""

    NORMAL, ICONIC = 1, 3

    def __init__(self, name):
        self.name = name
        self.d = xdisplay.Display(name)
        if not self.d.has_extension("XTEST"):
            raise RuntimeError("the X server on %s has no XTEST extension" % name)
        self.d.set_error_handler(lambda error, request: None)  # windows may vanish between two requests
        self.root = self.d.screen().root
        self.size = (self.d.screen().width_in_pixels, self.d.screen().height_in_pixels)
        # Answers to pings are sent to the root window's structure (Qt) or substructure listeners.
        self.root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
        self._atoms = {}
        self._stamp = 0

    def close(self):
        self.d.close()

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self.d.intern_atom(name)
        return self._atoms[name]

    def window(self, wid):
        return self.d.create_resource_object("window", wid)

    def property(self, wid, name):
        try:
            found = self.window(wid).get_full_property(self.atom(name), X.AnyPropertyType)
        except (xerror.XError, xerror.BadWindow):
            return None
        return found.value if found is not None else None

    def caption(self, wid):
        for name in ("_NET_WM_NAME", "WM_NAME"):
            value = self.property(wid, name)
            if value is not None:
                return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
        return ""

    def window_name(self, wid, caption=None):
        """What the storm calls a window: the name of its description ("Form1"), which the program writes as
        the window's role (WM_WINDOW_ROLE) whatever the language of its caption; for a window without one (a
        message box, a file dialog), its caption."""
        role = self.property(wid, "WM_WINDOW_ROLE")
        if role:
            return role.decode("latin-1") if isinstance(role, bytes) else str(role)
        return self.caption(wid) if caption is None else caption

    def managed(self, pid):
        """The program's framed windows, shown or not, bottom to top."""
        stacking = self.property(self.root.id, "_NET_CLIENT_LIST_STACKING") or []
        return [int(wid) for wid in stacking if list(self.property(wid, "_NET_WM_PID") or []) == [pid]]

    def wm_state(self, wid):
        value = self.property(wid, "WM_STATE")
        return int(value[0]) if value is not None and len(value) else 0

    def _shown(self, wid, popup):
        try:
            window = self.window(wid)
            if window.get_attributes().map_state != X.IsViewable:
                return None
            geometry = window.get_geometry()
            origin = self.root.translate_coords(window, 0, 0)
        except (xerror.XError, xerror.BadWindow):
            return None
        client = (origin.x, origin.y, geometry.width, geometry.height)
        left, right, top, bottom = (list(self.property(wid, "_NET_FRAME_EXTENTS") or []) + [0, 0, 0, 0])[:4]
        frame = (client[0] - left, client[1] - top, client[2] + left + right, client[3] + top + bottom)
        caption = self.caption(wid)
        return Shown(wid, self.window_name(wid, caption), caption, client, frame, popup)

    def foreign_menus(self, pid):
        """The window manager's menus on the screen (a right press on the desktop opens one): its windows that
        hold no client, and lists of programs other than ours. Such a menu takes the next press to close."""
        clients = set(int(w) for w in self.property(self.root.id, "_NET_CLIENT_LIST") or [])
        found = []
        try:
            children = self.root.query_tree().children
        except (xerror.XError, xerror.BadWindow):
            return found
        for child in children:
            try:
                attributes = child.get_attributes()
                geometry = child.get_geometry()
            except (xerror.XError, xerror.BadWindow):
                continue
            if attributes.map_state != X.IsViewable or child.id in clients:
                continue
            # The window manager's own 1 x 1 window off the screen is no menu.
            if not (geometry.width > 1 and geometry.x + geometry.width > 0 and geometry.y + geometry.height > 0
                    and geometry.x < self.size[0] and geometry.y < self.size[1]):
                continue
            if attributes.override_redirect:
                if list(self.property(child.id, "_NET_WM_PID") or []) != [pid]:
                    found.append(child.id)
            elif not self._holds_client(child, clients, 3):
                found.append(child.id)
        return found

    def _holds_client(self, window, clients, depth):
        try:
            children = window.query_tree().children
        except (xerror.XError, xerror.BadWindow):
            return True  # gone: no menu to close
        return any(c.id in clients or (depth > 1 and self._holds_client(c, clients, depth - 1)) for c in children)

    def shown(self, pid):
        """The program's windows on the screen, bottom to top: framed ones, then lists and menus over them."""
        windows = [s for s in (self._shown(wid, False) for wid in self.managed(pid)) if s is not None]
        try:
            children = self.root.query_tree().children
        except (xerror.XError, xerror.BadWindow):
            children = []
        for child in children:
            try:
                if not child.get_attributes().override_redirect:
                    continue
            except (xerror.XError, xerror.BadWindow):
                continue
            if list(self.property(child.id, "_NET_WM_PID") or []) == [pid]:
                shown = self._shown(child.id, True)
                if shown is not None:
                    windows.append(shown)
        return windows

    def active(self):
        value = self.property(self.root.id, "_NET_ACTIVE_WINDOW")
        return int(value[0]) if value is not None and len(value) else 0

    # Input through the X server, as a keyboard and a mouse give it.

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))
        self.d.sync()

    def button(self, number, down):
        xtest.fake_input(self.d, X.ButtonPress if down else X.ButtonRelease, number)
        self.d.sync()

    def key(self, name, down):
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            raise ValueError("no key gives %r" % name)
        xtest.fake_input(self.d, X.KeyPress if down else X.KeyRelease, code)
        self.d.sync()

    # Requests to the window manager, as a task bar sends them.

    def _to_manager(self, wid, message, data):
        event = xevent.ClientMessage(window=self.window(wid), client_type=self.atom(message),
                                     data=(32, (data + [0] * 5)[:5]))
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.sync()

    def activate(self, wid):
        self._to_manager(wid, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime])  # 2: from a pager or task bar

    def minimize(self, wid):
        self._to_manager(wid, "WM_CHANGE_STATE", [self.ICONIC])

    def ping(self, wid, timeout):
        """Whether the program answers a _NET_WM_PING on the window within timeout seconds: its event loop runs."""
        self._stamp = (self._stamp + 1) & 0x7FFFFFFF
        stamp = self._stamp
        ping = xevent.ClientMessage(window=self.window(wid), client_type=self.atom("WM_PROTOCOLS"),
                                    data=(32, [self.atom("_NET_WM_PING"), stamp, wid, 0, 0]))
        self.window(wid).send_event(ping, event_mask=0)
        self.d.flush()
        deadline = time.monotonic() + timeout
        while True:
            while self.d.pending_events():
                event = self.d.next_event()
                if event.type == X.ClientMessage and event.client_type == self.atom("WM_PROTOCOLS"):
                    data = event.data[1]
                    if data[0] == self.atom("_NET_WM_PING") and data[1] == stamp:
                        return True
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return False
            select.select([self.d.fileno()], [], [], min(remaining, 0.5))

    def drain(self):
        while self.d.pending_events():
            self.d.next_event()


def serve():
    """The desktop for another program (the desktop tests): see the module's description."""
    try:
        desktop = PrivateDesktop()
    except Exception as error:  # noqa: BLE001 - every cause is reported the same way
        print("error: %s" % error, flush=True)
        return 1
    stop = []
    for number in (signal.SIGTERM, signal.SIGINT):
        signal.signal(number, lambda *_: stop.append(True))
    print(desktop.name, flush=True)
    try:
        while not stop:
            # Input that ends (the starting program went) ends the desktop too.
            ready, _, _ = select.select([0], [], [], 0.5)
            if ready and not os.read(0, 4096):
                break
    except InterruptedError:
        pass
    desktop.close()
    return 0


if __name__ == "__main__":
    raise SystemExit(serve())
