"""Runs the real executable on a private X server, optionally under a real
window manager, and looks at it from outside as a user's desktop would: window
geometry and properties through Xlib, input through xdotool, the clipboard
through xclip. Every wait has a deadline; every process started here is ended
here, by its own id."""

import configparser
import os
import shutil
import subprocess
import tempfile
import time
import unittest
from dataclasses import dataclass

from Xlib import X, XK, display as xdisplay, error as xerror
from Xlib.ext import xfixes, xtest

# The build's executable, or the installed command.
PROGRAM = os.environ.get("VH_PROGRAM", "vellaro-helper")
TITLE = "Vellaro助手"
CERTIFICATE_PAGE = "http://vellaro.cert/ssl"
# The address that tests give the program's host name through in_resolver.
SAMPLE_ADDRESS = "192.168.1.20"
APP_ID = "org.vellaro.Helper"
DEADLINE = 10.0

# Control centres in client coordinates, from the window's layout.
CENTRES = {
    "编辑框1": (52, 24),
    "编辑框2": (115, 24),
    "按钮1": (164, 24),
    "编辑框3": (72, 60),
    "按钮2": (164, 60),
}


def wait_until(condition, what, timeout=DEADLINE, interval=0.02):
    """Polls `condition` until it returns something true; fails after `timeout`."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


def desktop_entry(path):
    """The [Desktop Entry] group of a desktop entry file."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def require_tools(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise AssertionError("missing tools (scripts/install-packages test): " + ", ".join(missing))


def describe_difference(expected, actual):
    if actual is None:
        return f"expected {len(expected)} characters, nobody offers a text"
    at = next((i for i, (a, b) in enumerate(zip(expected, actual)) if a != b),
              min(len(expected), len(actual)))
    return (f"expected {len(expected)} characters, read {len(actual)}; they differ from "
            f"character {at}: expected {expected[at:at + 40]!r}, read {actual[at:at + 40]!r}")


@dataclass
class Rect:
    x: int
    y: int
    width: int
    height: int


class Program:
    """One run of an executable on the session's display."""

    def __init__(self, session, argv, cwd=None, env=None):
        self.session = session
        self.process = subprocess.Popen(
            argv, cwd=cwd, env=env if env is not None else session.env,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.started = time.monotonic()
        self.stderr = None

    @property
    def pid(self):
        return self.process.pid

    def wait(self, timeout=DEADLINE):
        """Waits for the end; returns the exit status and standard error."""
        try:
            _, stderr = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout:.1f} s")
        self.stderr = stderr.decode("utf-8", "replace")
        return self.process.returncode, self.stderr

    def running(self):
        return self.process.poll() is None

    def end(self):
        """Ends the program if it still runs; returns what it wrote to standard error."""
        if self.running():
            self.process.kill()
        if self.stderr is None:
            self.stderr = self.process.communicate()[1].decode("utf-8", "replace")
        return self.stderr


class XSession:
    """A private Xvfb screen, with openbox when `window_manager` is set."""

    def __init__(self, width=1920, height=1080, window_manager=True):
        require_tools("Xvfb", "openbox", "xdotool", "xclip", "wmctrl")
        self.processes = []
        self.programs = []
        self.closed = False
        self.scratch = tempfile.mkdtemp(prefix="vh-e2e-")
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as number:
            self.name = ":" + number.readline().strip()
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")}
        self.env["DISPLAY"] = self.name
        self.env["XDG_RUNTIME_DIR"] = self.scratch
        self.display = xdisplay.Display(self.name)
        self.root = self.display.screen().root
        self.window_manager = window_manager
        if window_manager:
            self.start_background(["openbox", "--sm-disable", "--config-file", "/dev/null"])
            wait_until(lambda: self.window_property(self.root, "_NET_SUPPORTING_WM_CHECK"),
                       "openbox to manage the screen")

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def close(self):
        if self.closed:
            return
        self.closed = True
        reports = [program.end() for program in self.programs]
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        try:
            self.display.close()
        except xerror.ConnectionClosedError:
            pass  # the test ended the server
        if self.server.poll() is None:
            self.server.terminate()
        self.server.wait(timeout=5)
        shutil.rmtree(self.scratch, ignore_errors=True)
        # A sanitized build reports what it found on standard error.
        for report in reports:
            for finding in ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"):
                if finding in report:
                    raise AssertionError("the sanitizers found a fault:\n" + report[-4000:])

    # Processes.

    def start_background(self, argv, env=None):
        process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def start(self, argv=None, cwd=None, env=None):
        program = Program(self, argv or [PROGRAM], cwd=cwd, env=env)
        self.programs.append(program)
        return program

    # Windows.

    def atom(self, name):
        return self.display.intern_atom(name)

    def window_property(self, window, name, kind=X.AnyPropertyType):
        try:
            found = window.get_full_property(self.atom(name), kind)
        except xerror.BadWindow:
            return None
        return found.value if found is not None else None

    def title(self, window):
        value = self.window_property(window, "_NET_WM_NAME", self.atom("UTF8_STRING"))
        return value.decode("utf-8") if isinstance(value, bytes) else None

    def _windows(self):
        """Every window of the screen, top-level and reparented alike."""
        found, pending = [], [self.root]
        while pending:
            try:
                children = pending.pop().query_tree().children
            except xerror.BadWindow:
                continue
            found.extend(children)
            pending.extend(children)
        return found

    def find_windows(self, title, pid=None, mapped=True):
        result = []
        for window in self._windows():
            if self.title(window) != title:
                continue
            if pid is not None and (self.window_property(window, "_NET_WM_PID") or [None])[0] != pid:
                continue
            try:
                viewable = window.get_attributes().map_state == X.IsViewable
            except xerror.BadWindow:
                continue
            if viewable or not mapped:
                result.append(window)
        return result

    def wait_for_window(self, program, title=TITLE, timeout=DEADLINE):
        def shown():
            if not program.running():
                raise AssertionError(f"the program ended with {program.process.returncode} "
                                     "before its window appeared")
            windows = self.find_windows(title, pid=program.pid)
            return windows[0] if windows else None
        return wait_until(shown, f"the window {title!r}", timeout)

    def client_rect(self, window):
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return Rect(-origin.x, -origin.y, geometry.width, geometry.height)

    def outer_rect(self, window):
        """The rectangle of the top-level that holds `window`: its frame, where a
        window manager drew one."""
        top = window
        while True:
            parent = top.query_tree().parent
            if parent == self.root:
                break
            top = parent
        geometry = top.get_geometry()
        return Rect(geometry.x, geometry.y,
                    geometry.width + 2 * geometry.border_width,
                    geometry.height + 2 * geometry.border_width)

    def size_hints(self, window):
        return window.get_wm_normal_hints()

    def allowed_actions(self, window):
        atoms = self.window_property(window, "_NET_WM_ALLOWED_ACTIONS") or []
        return {self.display.get_atom_name(atom) for atom in atoms}

    def send_delete_window(self, window):
        """Asks the window to close as a window manager does (WM_DELETE_WINDOW)."""
        from Xlib.protocol import event
        message = event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message)
        self.display.flush()

    def pixel(self, window, x, y):
        image = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        blue, green, red = image.data[0], image.data[1], image.data[2]
        return red, green, blue

    # Input, as a user gives it.

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=DEADLINE)

    def wmctrl(self, *args):
        subprocess.run(["wmctrl", *map(str, args)], env=self.env, check=True, timeout=DEADLINE)

    def click(self, window, control):
        x, y = CENTRES[control]
        self.xdotool("mousemove", "--window", window.id, x, y, "click", "1")

    def click_at(self, window, x, y):
        self.xdotool("mousemove", "--window", window.id, x, y, "click", "1")

    def keys(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "5", text)

    def activate(self, window):
        self.xdotool("windowactivate", "--sync", window.id)

    # The clipboard, as another program sees it.

    def clipboard(self, timeout=DEADLINE):
        """The CLIPBOARD as plain UTF-8 text, or None when nobody offers it."""
        try:
            result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                    capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the clipboard's owner did not answer within {timeout:.1f} s")
        return result.stdout.decode("utf-8") if result.returncode == 0 else None

    def offer_clipboard(self, text):
        """Another program takes the CLIPBOARD with `text`, as a user's copy elsewhere."""
        process = subprocess.Popen(["xclip", "-i", "-selection", "clipboard", "-quiet"],
                                   env=self.env, stdin=subprocess.PIPE,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        process.stdin.write(text.encode("utf-8"))
        process.stdin.close()
        wait_until(lambda: self.clipboard() == text, "the other program's clipboard")
        return process

    def wait_for_clipboard(self, expected, timeout=DEADLINE):
        last = []

        def matches():
            last[:] = [self.clipboard(timeout)]
            return last[0] == expected
        try:
            wait_until(matches, "the clipboard", timeout)
        except AssertionError:
            raise AssertionError("clipboard: " + describe_difference(expected, last[0]))


class SessionTest(unittest.TestCase):
    """A test with its own X server; subclasses set the screen and the window
    manager."""

    WIDTH, HEIGHT, WINDOW_MANAGER = 1920, 1080, True

    def setUp(self):
        self.x = XSession(self.WIDTH, self.HEIGHT, self.WINDOW_MANAGER)
        self.addCleanup(self.x.close)

    def start_and_wait(self, **kwargs):
        program = self.x.start(**kwargs)
        return program, self.x.wait_for_window(program)

    def assertEndsWith(self, program, status, timeout=DEADLINE):
        code, stderr = program.wait(timeout)
        self.assertEqual(code, status, f"exit status; standard error:\n{stderr}")
        return stderr


class FastInput:
    """Input through XTEST at full speed, for floods that xdotool sends too
    slowly: a press and release as a real mouse and keyboard give them."""

    def __init__(self, session, window):
        self.display = xdisplay.Display(session.name)
        origin = session.client_rect(window)
        self.origin = (origin.x, origin.y)

    def close(self):
        self.display.close()

    def click(self, control):
        x, y = CENTRES[control]
        xtest.fake_input(self.display, X.MotionNotify, x=self.origin[0] + x, y=self.origin[1] + y)
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)

    def key(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.display, X.KeyPress, code)
        xtest.fake_input(self.display, X.KeyRelease, code)

    def flush(self):
        self.display.sync()


def in_resolver(hostname, hosts, nsswitch="hosts: files\n", resolv_conf=None, network=False,
                before=()):
    """Wraps the program's command line so that it runs with a host name, a hosts
    file and an nsswitch.conf of the test's own, bound over /etc in a private
    mount namespace: the program asks the system's real resolver. With
    `network`, it also gets a network namespace with only its own loopback,
    where the test runs its DNS responder. `before` are shell commands run in
    the namespaces before the program starts."""
    folder = tempfile.mkdtemp(prefix="vh-resolver-")
    files = {"hosts": hosts, "nsswitch.conf": nsswitch}
    if resolv_conf is not None:
        files["resolv.conf"] = resolv_conf
    binds = []
    for name, text in files.items():
        with open(os.path.join(folder, name), "w") as file:
            file.write(text)
        binds.append(f"mount --bind {folder}/{name} /etc/{name}")
    script = " && ".join([f"hostname {hostname}", *binds, *before, 'exec "$@"'])
    namespaces = ["--uts", "--mount"] + (["--net"] if network else [])
    return ["unshare", *namespaces, "--", "sh", "-c", script, "sh"]


class ClipboardClaims:
    """Counts the claims of CLIPBOARD (SetSelectionOwner) from its creation on,
    through XFixes, on a connection of its own."""

    def __init__(self, session):
        self.display = xdisplay.Display(session.name)
        self.display.xfixes_query_version()
        self.display.xfixes_select_selection_input(
            self.display.screen().root, self.display.intern_atom("CLIPBOARD"),
            xfixes.XFixesSetSelectionOwnerNotifyMask)
        self.display.sync()
        self.claims = 0

    def close(self):
        self.display.close()

    def count(self):
        while self.display.pending_events():
            # python-xlib builds its extension event classes anew: match by name.
            if type(self.display.next_event()).__name__ == "SetSelectionOwnerNotify":
                self.claims += 1
        return self.claims


class ClipboardManager:
    """xfsettingsd's clipboard manager on a private session bus."""

    def __init__(self, session):
        require_tools("dbus-daemon", "xfsettingsd")
        self.session = session
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               stdin=subprocess.DEVNULL, env=session.env)
        session.processes.append(bus)
        address = bus.stdout.readline().decode().strip()
        env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=address)
        session.start_background(["xfsettingsd", "--no-daemon", "--disable-wm-check"], env=env)
        manager = session.atom("CLIPBOARD_MANAGER")
        wait_until(lambda: session.display.get_selection_owner(manager) != X.NONE,
                   "the clipboard manager", timeout=20)


class ProgramTest(SessionTest):
    """A test that starts the program with SAMPLE_ADDRESS as its host's address."""

    def setUp(self):
        super().setUp()
        self.start_program()

    def start_program(self):
        argv = in_resolver("vellaro-test", f"{SAMPLE_ADDRESS} vellaro-test\n") + [PROGRAM]
        self.program, self.window = self.start_and_wait(argv=argv)

    def paste_into(self, box, text):
        self.x.offer_clipboard(text)
        self.x.click(self.window, box)
        self.x.keys("ctrl+a", "ctrl+v")

    def copy(self, button, expected, timeout=DEADLINE):
        self.x.click(self.window, button)
        self.x.wait_for_clipboard(expected, timeout)
