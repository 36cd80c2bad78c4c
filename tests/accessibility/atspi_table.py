#!/usr/bin/python3
"""The real game read through AT-SPI, as a screen reader reads it.

usage: atspi_table.py <game>

Starts a private D-Bus session and X server, runs the game on a private configuration with
5,000 credit, presses the deal key with xdotool and walks the game's accessibility tree:
the five hand cards must be named by their faces and the credit by its amount. Every name
change heard on the way is printed, in order. Exits 77 (skipped), saying what is missing,
where a needed package is not installed.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
INNER = "ORVANE_ATSPI_INNER"
FACE = re.compile(r"^((Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King)"
                  r" of (clubs|diamonds|hearts|spades)|Joker)$")
CREDIT = re.compile(r"^Credit ([0-9,]+)$")


def skip(why):
    print("SKIP: " + why + "; the screen reader's view of the table was not checked")
    sys.exit(SKIP)


def fail(why, log=None):
    print("FAIL: " + why, file=sys.stderr)
    if log and os.path.exists(log):
        with open(log, encoding="utf-8", errors="replace") as f:
            print(f.read()[-3000:], file=sys.stderr)
    sys.exit(1)


def outer(game):
    """Checks what the test needs, then runs itself in a fresh session bus and display."""
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        skip("python3-pyatspi is not installed")
    for tool, package in (("dbus-run-session", "dbus"), ("xvfb-run", "xvfb"),
                          ("xdotool", "xdotool")):
        if shutil.which(tool) is None:
            skip(tool + " (package " + package + ") is not installed")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("at-spi-bus-launcher (package at-spi2-core) is not installed")
    env = dict(os.environ, **{INNER: "1"})
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
               sys.executable, os.path.abspath(__file__), game]
    return subprocess.call(command, env=env)


def tree(node, found, depth=0):
    """Every showing object under node as (role name, name, description)."""
    if node is None or depth > 40:
        return
    import pyatspi
    try:
        if depth > 1 and not node.getState().contains(pyatspi.STATE_SHOWING):
            return
        found.append((node.getRoleName(), node.name or "", node.description or ""))
        for i in range(node.childCount):
            tree(node.getChildAtIndex(i), found, depth + 1)
    except Exception:  # an object may go while it is read
        return


def game_app(pid):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def inner(game):
    import pyatspi
    from gi.repository import GLib

    work = tempfile.mkdtemp(prefix="orvane-atspi-")
    config = os.path.join(work, "config", "Tessaly Software")
    os.makedirs(config)
    with open(os.path.join(config, "Orvane Cards.conf"), "w", encoding="utf-8") as f:
        f.write("[2.4]\nSaveCredit=1\nLastCredit=5000\nGameSpeed=1\nAnimatedCards=0\n"
                "AnimatedDupCards=0\n")
    log = os.path.join(work, "game.log")
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"),
               QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    heard = []

    def on_name(event):
        if event.source is not None and event.source.name:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")

    def pump(seconds):
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < end:
            while context.iteration(False):
                pass
            time.sleep(0.02)

    with open(log, "w") as out:
        game_process = subprocess.Popen([game], env=env, stdout=out, stderr=subprocess.STDOUT)
    try:
        for _ in range(300):
            with open(log, encoding="utf-8", errors="replace") as f:
                if "the table is up" in f.read():
                    break
            if game_process.poll() is not None:
                fail("the game ended by itself at start", log)
            time.sleep(0.1)
        else:
            fail("the table did not come up", log)

        app = None
        for _ in range(100):
            app = game_app(game_process.pid)
            if app is not None:
                break
            pump(0.1)
        if app is None:
            fail("the game never showed up on the accessibility bus", log)

        def objects():
            found = []
            tree(app, found)
            return found

        def credit_names():
            return [name for _, name, _ in objects() if CREDIT.match(name)]

        before = []
        for _ in range(100):
            before = credit_names()
            if before:
                break
            pump(0.1)
        if before != ["Credit 5,000"]:
            fail("the credit before the deal reads %r, not ['Credit 5,000']" % before, log)

        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Orvane Cards"],
                                capture_output=True, text=True).stdout.split()
        if not window:
            fail("no game window", log)
        subprocess.call(["xdotool", "windowactivate", "--sync", window[-1]],
                        stderr=subprocess.DEVNULL)
        pump(0.5)
        del heard[:]  # from here on: what the deal says
        subprocess.call(["xdotool", "key", "--window", window[-1], "Return"])

        faces = []
        for _ in range(150):
            pump(0.1)
            faces = [name for _, name, _ in objects() if FACE.match(name)]
            if len(faces) == 5 and credit_names() != before:
                break
        if len(faces) != 5 or len(set(faces)) != 5:
            fail("after the deal the showing cards read %r, not five faces" % faces, log)
        after = credit_names()
        if len(after) != 1 or after == before:
            fail("after the deal the credit reads %r" % after, log)
        held = [name for _, name, description in objects()
                if FACE.match(name) and description == "held"]
        print("cards:", ", ".join(faces))
        print("held:", ", ".join(held) if held else "none")
        print("credit:", after[0])
        print("heard:", " | ".join(heard))
        print("PASS")
        return 0
    finally:
        game_process.terminate()
        try:
            game_process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            game_process.kill()
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    game = os.path.abspath(sys.argv[1])
    return inner(game) if os.environ.get(INNER) else outer(game)


if __name__ == "__main__":
    sys.exit(main())
