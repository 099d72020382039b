#!/usr/bin/python3
"""Plays the real program from outside, as a person would, on X11 (a private
Xvfb) or as a native Wayland client (Weston in a private Xvfb): mouse clicks,
key presses and screenshots only. Every game is set up through the name entry
and the debug dialog, so each one ends at a known turn and every run plays
the same turns; the course comes from the program (the built tool
coursedump). Exits non-zero at the first difference.

The run checks the title picture, the menus from the keyboard (F10, Alt,
Right, Esc), the Options menu before and after the name entry reveals デバグ,
then plays
  - one step of stamina from square 1: game over on square 2, twice (the
    second time through やり直し, which asks nothing after a game over);
  - from square 94: a lucky square lowers the drum's arrow, a chain of
    go-back squares, remarks, game over on square 92 in the third turn;
  - from square 73, after 閉じる answered いいえ: stamina squares, a walk
    further, a go-back square, remarks, the goal in the fourth turn;
  - a slow walk from square 1, abandoned midway by やり直し (asked, confirmed);
then goes back to the title and out through the quit confirmation (いいえ
once, then はい) and the farewell: the program must end with status 0.
At every rest the course around her must show the square the course
predicts, the drum its one number in all three cells and its arrow in the
row the lucky squares left it, the button the caption of the square's event
(each caption unlike the others). Turns alternate between the mouse and the
keyboard (Space spins and stops, Enter takes an event); every result is
answered with Enter once it holds the keyboard, after which the main window
must take keys again (F10 highlights ファイル).

usage: scripts/e2e.py [--backend x11|wayland] [--build-dir DIR] [--time-limit S] [--keep]
       scripts/e2e.py --screenshot PNG   (the picture in docs/, the same every time)
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

# No compiled caches in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from e2edriver import backends  # noqa: E402
from e2edriver.course import Course  # noqa: E402
from e2edriver.play import Driver, Failure  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM_END_SECONDS = 10


def main():
    parser = argparse.ArgumentParser(description="Plays the program end to end.")
    parser.add_argument("--backend", choices=("x11", "wayland"), default="x11")
    parser.add_argument("--build-dir", default=os.environ.get("BUILD_DIR", "build"))
    parser.add_argument("--time-limit", type=float, default=240,
                        help="seconds for the whole run (default 240)")
    parser.add_argument("--keyboard-only", action="store_true",
                        help="only the keyboard's part: menus, a game, the dialogs, by keys alone")
    parser.add_argument("--screenshot", metavar="PNG",
                        help="instead of the checks, save the main window during a game (X11)")
    parser.add_argument("--keep", action="store_true",
                        help="keep the work directory of a passing run")
    args = parser.parse_args()

    name = f"e2e-{args.backend}"
    build = os.path.join(ROOT, args.build_dir)
    program = os.path.join(build, "ipponmichi")
    coursedump = os.path.join(build, "tools", "coursedump")
    for path in (program, coursedump):
        if not os.access(path, os.X_OK):
            print(f"{name}: {path} is missing (scripts/setup builds it)", file=sys.stderr)
            return 2

    started = time.monotonic()

    def log(text):
        print(f"{name} {time.monotonic() - started:5.1f}s: {text}", flush=True)

    work = tempfile.mkdtemp(prefix=f"ipponmichi-{name}.")
    backend = (backends.X11 if args.backend == "x11" else backends.Wayland)(work)
    passed = False
    try:
        course = Course(coursedump)
        log(backend.start(program))
        driver = Driver(backend, course, os.path.join(ROOT, "assets", "images"), log,
                        args.time_limit)

        def program_ended():
            return backend.app.poll() is not None

        if args.screenshot:
            # No time stamps in the file: an unchanged picture leaves it unchanged.
            driver.pose().save(args.screenshot, optimize=True)
            log(f"saved {args.screenshot}")
            backend.app.terminate()
            backend.app.wait()
            passed = True
            return 0
        if args.keyboard_only:
            driver.run_keyboard(program_ended)
        else:
            driver.run(program_ended)
        try:
            status = backend.app.wait(PROGRAM_END_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {PROGRAM_END_SECONDS} s of the farewell")
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        passed = True
        shots = f", {backend.shot_count} screenshots" if hasattr(backend, "shot_count") else ""
        log(f"PASS{shots}; turns (square, kind, m mouse / k keys):")
        for record in driver.turn_lists:
            print(f"    {record}")
    except backends.SetupError as error:
        print(f"{name}: {error}", file=sys.stderr)
        return 2
    except Failure as failure:
        print(f"{name}: FAIL: {failure}", file=sys.stderr)
        if backend.img is not None:
            path = os.path.join(work, "failure.png")
            backend.img.save(path)
            print(f"{name}: the screen at the failure: {path}", file=sys.stderr)
    finally:
        backend.stop()
        app_log = os.path.join(work, "app.log")
        if not passed and os.path.exists(app_log) and os.path.getsize(app_log):
            print(f"{name}: program output:", file=sys.stderr)
            with open(app_log) as text:
                for line in text:
                    print("    " + line.rstrip(), file=sys.stderr)
        if passed and not args.keep:
            shutil.rmtree(work, ignore_errors=True)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
