# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in both programs' windows: mvconf and fwload run
on a private Xvfb with a private session bus and accessibility bus; every
page, the edit dialogs, "Sicherungen", "Vergleichen" and fwload's window are
read through AT-SPI, and every control a user can operate must have a name.

Usage: accessible_walk.py MVCONF FWLOAD
"""
import atexit
import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings

SKIP = 77
DEADLINE = 20.0


def skip(reason):
    print("SKIPPED: " + reason, flush=True)
    sys.exit(SKIP)


def poll(what, limit=DEADLINE):
    """Waits for what() to give something, on a loaded machine too."""
    end = time.monotonic() + limit
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.1)
    return None


def start_x(env):
    """Xvfb on a display it picks itself (-displayfd), so parallel tests never collide."""
    if not shutil.which("Xvfb"):
        skip("Xvfb is not installed (tools/install-packages.sh test installs it)")
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    atexit.register(server.kill)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        skip("Xvfb did not start")
    env["DISPLAY"] = ":" + number


def start_bus(env):
    """The accessibility bus beside the private session bus this script runs on."""
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                     if os.access(p, os.X_OK)), None)
    if not launcher:
        skip("at-spi-bus-launcher is missing (tools/install-packages.sh test installs at-spi2-core)")
    # A group of its own: the bus daemon it starts outlives it otherwise and
    # keeps the test's output open.
    bus = subprocess.Popen([launcher, "--launch-immediately"], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, start_new_session=True)
    atexit.register(os.killpg, bus.pid, signal.SIGKILL)
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
    except (ImportError, ValueError):
        skip("the AT-SPI bindings are missing (tools/install-packages.sh test installs gir1.2-atspi-2.0)")
    if not poll(lambda: Atspi.get_desktop(0) is not None and bus.poll() is None, 5):
        skip("the AT-SPI bus did not start")
    return Atspi


class Walk:
    def __init__(self, atspi, env):
        self.atspi = atspi
        self.env = env
        role = atspi.Role
        self.interactive = {role.PUSH_BUTTON, role.TOGGLE_BUTTON, role.CHECK_BOX, role.RADIO_BUTTON,
                            role.COMBO_BOX, role.TEXT, role.ENTRY, role.PASSWORD_TEXT, role.SPIN_BUTTON,
                            role.SLIDER, role.LIST, role.LIST_BOX, role.TABLE, role.TREE, role.TREE_TABLE,
                            role.PAGE_TAB, role.PROGRESS_BAR}
        self.failures = 0

    # --- reading the tree

    def children(self, node):
        try:
            return [node.get_child_at_index(i) for i in range(node.get_child_count())]
        except Exception:  # a window closing while it is read
            return []

    def showing(self, node):
        states = node.get_state_set()
        return states.contains(self.atspi.StateType.SHOWING)

    def find(self, root, role, name=None):
        """The first showing node of role (and name) below root, depth first."""
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            if node.get_role() == role and (name is None or node.get_name() == name) and self.showing(node):
                return node
            stack.extend(reversed(self.children(node)))
        return None

    def controls(self, root):
        """The showing interactive controls below root; a list's or a table's
        rows and cells are its content, not controls of their own."""
        found = []
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None or not self.showing(node):
                continue
            role = node.get_role()
            if role in self.interactive:
                found.append(node)
            if role not in (self.atspi.Role.TABLE, self.atspi.Role.TREE, self.atspi.Role.TREE_TABLE,
                            self.atspi.Role.LIST):
                stack.extend(reversed(self.children(node)))
        return found

    def report(self, title, root):
        controls = self.controls(root)
        unnamed = [c for c in controls if not (c.get_name() or "").strip()]
        # Two controls of one kind and name side by side cannot be told apart;
        # "Aus" in two different groups can, by the group.
        seen, twins = set(), []
        for c in controls:
            key = (c.get_role(), c.get_name(), c.get_parent().get_name())
            if key[1] and key in seen:
                twins.append(c)
            seen.add(key)
        print("%s: %d controls, %d unnamed, %d named alike" % (title, len(controls), len(unnamed), len(twins)),
              flush=True)
        for c in unnamed:
            print("    unnamed %s below %r" % (c.get_role_name(), c.get_parent().get_name()), flush=True)
        for c in twins:
            print("    second %s %r below %r" % (c.get_role_name(), c.get_name(), c.get_parent().get_name()),
                  flush=True)
        self.failures += len(unnamed) + len(twins)

    # --- driving the programs

    def application(self, name):
        desktop = self.atspi.get_desktop(0)
        return poll(lambda: next((a for a in self.children(desktop) if a and a.get_name() == name), None))

    def window(self, app, title):
        def showing_window():
            for w in self.children(app):
                if w and (title is None or w.get_name() == title) and self.showing(w):
                    return w
            return None
        return poll(showing_window)

    def press(self, node):
        for i in range(node.get_n_actions()):
            if node.get_action_name(i) in ("Press", "press", "click"):
                node.do_action(i)
                return
        node.do_action(0)

    def key(self, title, keys):
        """Keys typed into the X window title; the X server sends them to the focus."""
        x = {"env": self.env, "stdout": subprocess.PIPE, "stderr": subprocess.DEVNULL, "text": True}
        ids = poll(lambda: subprocess.run(["xdotool", "search", "--name", "^%s$" % title], **x).stdout.split())
        if ids:
            subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], **x)
        subprocess.run(["xdotool", "key", "--delay", "20"] + keys, **x)

    def closed(self, app, title):
        return poll(lambda: self.window_gone(app, title))

    def window_gone(self, app, title):
        return all(not (w and w.get_name() == title and self.showing(w)) for w in self.children(app))


def edit_dialog(walk, app, frame_title, list_node, page):
    """The page's edit dialog, opened as a user would: Enter on the list's first row."""
    box = list_node.get_extents(walk.atspi.CoordType.SCREEN)
    before = {w.get_name() for w in walk.children(app) if w}
    walk.key(frame_title, [])
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + 60), str(box.y + 30), "click", "1",
                    "key", "Return"], env=walk.env)
    dialog = poll(lambda: next((w for w in walk.children(app)
                                if w and w.get_name() not in before and walk.showing(w)), None), 5)
    if not dialog:  # a page of sums only
        print("%s: no edit dialog" % page, flush=True)
        return
    title = dialog.get_name()
    walk.report("%s / %s" % (page, title), dialog)
    walk.key(title, ["Escape"])
    walk.closed(app, title)


def walk_pages(walk, app, frame):
    """Every page through its tab; a page shows in the window, so the window is read."""
    frame_title = frame.get_name()
    tab_list = walk.find(frame, walk.atspi.Role.PAGE_TAB_LIST)
    tabs = [t for t in walk.children(tab_list) if t.get_role() == walk.atspi.Role.PAGE_TAB]
    for tab in tabs:
        name = tab.get_name()
        walk.press(tab)
        time.sleep(0.3)  # the page shows after the reply to the press
        walk.report("page " + name, frame)
        rows = walk.find(frame, walk.atspi.Role.TREE_TABLE) or walk.find(frame, walk.atspi.Role.TREE)
        if rows:
            edit_dialog(walk, app, frame_title, rows, "page " + name)


def keyed_dialog(walk, app, owner, keys, title_start):
    """A modal dialog opened with keys: an AT-SPI action would wait for it to close."""
    walk.key(owner, keys)
    dialog = poll(lambda: next((w for w in walk.children(app) if w and (w.get_name() or "").startswith(title_start)
                                and walk.showing(w)), None), 5)
    if not dialog:
        print("%s: did not open" % title_start, flush=True)
        walk.failures += 1
        return None
    walk.report(title_start, dialog)
    return dialog


def walk_help(walk, app, frame_title):
    """F1 opens the help, whose text a screen reader reads as text; Esc closes it."""
    title = "Hilfe - Systemtelefon MV850"
    help_window = keyed_dialog(walk, app, frame_title, ["F1"], title)
    if not help_window:
        return
    # Qt shows a read-only browser as a label that offers its whole text.
    text = walk.find(help_window, walk.atspi.Role.LABEL, "Hilfetext")
    shown = ""
    if text and "Text" in text.get_interfaces():
        shown = text.get_text(0, text.get_character_count())
    if "Datenaustausch" not in shown:
        print("help: no text that a screen reader can read (%r)" % shown[:80], flush=True)
        walk.failures += 1
    walk.key(title, ["Escape"])
    if not walk.closed(app, title):
        print("help: Esc did not close it", flush=True)
        walk.failures += 1


@contextlib.contextmanager
def running(walk, program, name):
    """The program's application and first window, ended when the walk is done with it."""
    process = subprocess.Popen([program], env=walk.env, stderr=subprocess.DEVNULL)
    try:
        app = walk.application(name)
        window = app and walk.window(app, None)
        if not window:
            skip(name + " did not show its window on the accessibility bus")
        yield app, window
    finally:
        process.kill()
        process.wait()


def walk_mvconf(walk, program, home):
    backups = os.path.join(home, "state", "mvconf", "backups")
    os.makedirs(backups)
    with open(os.path.join(backups, "20240131-142501-123-gelesen-konfiguration.mv8"), "wb") as f:
        f.write(b"[Basic]\r\nPhoneType=QL410\r\nSwVers=V3.04\r\nLoudBox=5\r\n")
    with running(walk, program, "mvconf") as (app, frame):
        walk_pages(walk, app, frame)
        walk_help(walk, app, frame.get_name())
        if keyed_dialog(walk, app, frame.get_name(), ["alt+d", "s"], "Sicherungen"):
            compare = keyed_dialog(walk, app, "Sicherungen", ["alt+v"], "Vergleich mit")
            if compare:
                walk.key(compare.get_name(), ["Escape"])


def walk_fwload(walk, program):
    with running(walk, program, "fwload") as (_, window):
        walk.report("fwload " + window.get_name(), window)


def main():
    warnings.simplefilter("ignore", DeprecationWarning)  # Debian 12's bindings still need the old calls
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    if "MV_ACCESSIBLE_WALK_BUS" not in os.environ:
        if not shutil.which("dbus-run-session"):
            skip("dbus-run-session is missing (tools/install-packages.sh test installs dbus)")
        env = dict(os.environ, MV_ACCESSIBLE_WALK_BUS="1")
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv, env)
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_STATE_HOME=os.path.join(home, "state"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"), HOME=home)
        os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
        start_x(env)
        os.environ["DISPLAY"] = env["DISPLAY"]
        atspi = start_bus(env)
        walk = Walk(atspi, env)
        walk_mvconf(walk, sys.argv[1], home)
        walk_fwload(walk, sys.argv[2])
    print("%d unnamed controls" % walk.failures if walk.failures else "every control has a name", flush=True)
    sys.exit(1 if walk.failures else 0)


if __name__ == "__main__":
    main()
