#!/usr/bin/env python3
"""The end-to-end session on a real X display: the kilnsmith program on a
private Xvfb server, driven by xdotool keys, each step waiting (with a time limit) for
the window it expects to have the focus.

    desktop_session.py <kilnsmith> <write_expected_class> <language folder>

Exits 77 (skipped) when Xvfb or xdotool is missing."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
LIMIT = 90.0  # generous: a loaded two-core machine runs sanitizer builds slowly
TYPED = "// checked by hand"
ATTEMPTS = 2


def focused_title():
    result = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else ""


def frame_gone():
    result = subprocess.run(["xdotool", "search", "--name", "^Plexo Kilnsmith"], capture_output=True, text=True)
    return result.returncode != 0 or not result.stdout.strip()


def window_titles():
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], capture_output=True, text=True)
    titles = []
    for window in result.stdout.split():
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout.strip()
        if name:
            titles.append(name)
    return titles


def timed_out(description):
    # PLEXO_DESKTOP_SHOTS names a folder for a picture of the screen at a
    # step that timed out (needs imagemagick's import).
    shots = os.environ.get("PLEXO_DESKTOP_SHOTS")
    if shots and shutil.which("import"):
        name = os.path.join(shots, "timeout-%d.png" % int(time.time() * 1000))
        subprocess.run(["import", "-window", "root", name], capture_output=True)
    return AssertionError("timed out waiting for " + description + " (focus: '" + focused_title() +
                          "'; windows: " + repr(window_titles()) + ")")


def wait_for(description, ready):
    deadline = time.monotonic() + LIMIT
    while time.monotonic() < deadline:
        if ready():
            return
        time.sleep(0.05)
    raise timed_out(description)


def wait_title(description, pattern):
    wait_for(description, lambda: re.search(pattern, focused_title()) is not None)


def menu_command(description, names, ready):
    """Opens a menu and picks an item by keys until the expected window
    comes: a key that arrives before its menu has opened is lost, so the
    keys are sent again (after Escape closes whatever did open). The keys
    wait until the window the last step brought up has settled, as a user
    looks before typing: keys sent while the last menu is still closing
    can reach the document instead of opening the next menu."""
    wait_settled("the window before " + description)
    for _ in range(6):
        keys(*names)
        deadline = time.monotonic() + LIMIT / 6
        while time.monotonic() < deadline:
            if ready():
                return
            time.sleep(0.05)
        keys("Escape", "Escape")
    raise timed_out(description)


def wait_settled(description):
    """Waits until the focus has stayed on one window for half a second,
    so that keys reach the window that has just come up."""
    deadline = time.monotonic() + LIMIT
    last, since = None, time.monotonic()
    while time.monotonic() < deadline:
        title = focused_title()
        if title != last:
            last, since = title, time.monotonic()
        elif time.monotonic() - since >= 0.5:
            return
        time.sleep(0.05)
    raise AssertionError("the focus did not settle on " + description)


def title_matches(pattern):
    return lambda: re.search(pattern, focused_title()) is not None


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def mask_guid(text):
    return re.sub(rb"[0-9A-F]{8}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{12}", b"GUID", text)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def session(program, write_expected, languages):
    root = tempfile.mkdtemp(prefix="kilnsmith-session-")
    try:
        env = dict(os.environ)
        env["HOME"] = os.path.join(root, "home")
        env["XDG_CONFIG_HOME"] = os.path.join(root, "config")
        env["XDG_RUNTIME_DIR"] = os.path.join(root, "run")
        env.pop("QT_QPA_PLATFORM", None)
        os.makedirs(env["HOME"])
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "kilnsmith"))
        shutil.copytree(languages, os.path.join(env["XDG_CONFIG_HOME"], "kilnsmith", "LanguageSys"))
        work = os.path.join(env["HOME"], "Kilnsmith")
        header = os.path.join(work, "TestProps.h")
        source = os.path.join(work, "TestProps.cpp")
        handed = os.path.join(root, "handed.c")

        process = subprocess.Popen([program], env=env)
        try:
            wait_title("the welcome box", r"^Welcome to Kilnsmith$")
            keys("Return")
            wait_title("the main frame", r"^Plexo Kilnsmith")
            menu_command("the New Class dialog", ["alt+p", "n"], title_matches(r"^New Class$"))
            # Typed keys reach the dialog's field only once it has settled.
            wait_settled("the New Class dialog")
            type_text("CTestProps")
            keys("Return")
            try:
                wait_title("the new source", r"TestProps\.cpp")
            except AssertionError as error:
                found = sorted(os.listdir(work)) if os.path.isdir(work) else []
                raise AssertionError(str(error) + "; the work folder holds " + repr(found))
            wait_settled("the new source")
            keys("ctrl+End")
            type_text(TYPED)
            try:
                menu_command("the saved source", ["ctrl+s"], lambda: read(source).endswith(TYPED.encode()))
            except AssertionError as error:
                raise AssertionError(str(error) + "; the source ends with " + repr(read(source)[-60:]))
            menu_command("the header alone", ["alt+w", "s", "s", "Return"], title_matches(r"TestProps\.h"))
            menu_command("the source reopened", ["alt+f", "1"], title_matches(r"TestProps\.cpp"))
            # A second start with a file, given relative to its own folder,
            # ends at once and has this copy open the file.
            with open(handed, "w") as stream:
                stream.write("int handed;\n")
            subprocess.run([program, os.path.basename(handed)], env=env, cwd=root, timeout=4 * LIMIT)
            wait_title("the handed file", r"handed\.c")
            # The frame goes first; the process then ends (the sanitizers'
            # checks at exit may take a while on a loaded machine). An open
            # menu also takes the focus from the frame, so the frame's window
            # itself must be gone.
            menu_command("the frame's end", ["alt+f", "x"], lambda: process.poll() is not None or frame_gone())
            exit_code = process.wait(timeout=4 * LIMIT)
        except BaseException:
            process.kill()
            process.wait()
            raise

        expected = os.path.join(root, "expected")
        os.makedirs(expected)
        subprocess.run([write_expected, expected], check=True)
        problems = []
        if exit_code != 0:
            problems.append("exit status %d" % exit_code)
        if mask_guid(read(header)) != mask_guid(read(os.path.join(expected, "TestProps.h"))):
            problems.append("the header differs from the generator's")
        if mask_guid(read(source)) != mask_guid(read(os.path.join(expected, "TestProps.cpp"))) + TYPED.encode():
            problems.append("the source is not the generator's plus the typed line")
        if sorted(os.listdir(work)) != ["TestProps.cpp", "TestProps.h"]:
            problems.append("the work folder holds " + ", ".join(sorted(os.listdir(work))))
        profile = read(os.path.join(env["XDG_CONFIG_HOME"], "kilnsmith", "kilnsmith.ini")).decode()
        recent = "[Recent File List]\nFile1=" + handed + "\nFile2=" + source
        for needle in ["First tyne=dword:00000000", recent, "[C\\"]:
            if needle not in profile:
                problems.append("the profile lacks " + repr(needle))
        if problems:
            raise AssertionError("; ".join(problems))
    finally:
        shutil.rmtree(root, ignore_errors=True)


def start_server():
    """Starts Xvfb on a display it picks itself (-displayfd), so sessions run
    side by side never race for one display number; returns the server and
    its display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
                               "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                break
            number += chunk
    if not number.strip():
        server.kill()
        server.wait()
        raise AssertionError("Xvfb did not start")
    return server, ":" + number.decode().strip()


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            print("skipped: %s is not installed" % tool)
            return SKIPPED
    # A session on a heavily loaded machine can lose a race with the X
    # server that no user would meet (a key before a window is ready); one
    # more session on a fresh server tells such a race from a fault, which
    # fails both. The first failure is still printed.
    for attempt in range(1, ATTEMPTS + 1):
        try:
            run_on_own_server(sys.argv[1:])
            return 0
        except AssertionError as error:
            print("desktop session %d of %d failed: %s" % (attempt, ATTEMPTS, error), file=sys.stderr)
    return 1


def run_on_own_server(arguments):
    server, display = start_server()
    os.environ["DISPLAY"] = display
    os.environ.pop("XAUTHORITY", None)
    try:
        session(*arguments)
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
