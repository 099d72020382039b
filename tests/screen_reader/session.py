"""A private screen-reader session: speech-dispatcher writing to a transcript,
Orca, and the program under test, all on the D-Bus session bus this process
runs on. Key presses go through xdotool; what Orca said is read back from the
transcript, waiting on it rather than on the clock."""

import os
import re
import subprocess
import time

# Generous, so that a loaded machine is waited for; a run that passes takes
# a fraction of it.
SPEECH_TIMEOUT = 20.0
# Orca loads Python, its settings and the accessibility bus before its
# greeting; beside a build or other tests that takes far longer than a reply.
START_TIMEOUT = 90.0
POLL = 0.05


class Failure(Exception):
    pass


SPEECHD_CONF = """\
LogLevel 3
LogDir "{work}"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
AudioOutputMethod "alsa"
AudioALSADevice "default"
LanguageDefaultModule "ja" "transcript"
LanguageDefaultModule "en" "transcript"
"""

# Each utterance becomes one line of the transcript.
TRANSCRIPT_CONF = """\
GenericExecuteSynth "printf '%s\\\\n' \\'$DATA\\' >> {transcript}"
GenericStripPunctChars ""
GenericLanguage "ja" "ja" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ja" "FEMALE1" "ja"
AddVoice "en" "FEMALE1" "en"
"""


class Session:
    def __init__(self, program, work, language="ja_JP.UTF-8"):
        self.program = program
        self.work = work
        self.transcript = os.path.join(work, "transcript.txt")
        self.mark = 0
        self.processes = []
        self.app = None
        self.language = language

    # ------------------------------------------------------------ processes
    def start(self):
        open(self.transcript, "w").close()
        # The output module opens a sound device though it writes only text:
        # ALSA's null device, in the private home.
        with open(os.path.join(os.environ["HOME"], ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        conf = os.path.join(self.work, "speechd")
        os.makedirs(os.path.join(conf, "modules"), exist_ok=True)
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF.format(work=self.work))
        with open(os.path.join(conf, "modules", "transcript.conf"), "w") as f:
            f.write(TRANSCRIPT_CONF.format(transcript=self.transcript))
        socket = os.path.join(self.work, "speechd.sock")
        os.environ["SPEECHD_ADDRESS"] = "unix_socket:" + socket
        self.spawn("speechd", ["speech-dispatcher", "-s", "-t", "0", "-C", conf,
                               "-c", "unix_socket", "-S", socket])
        self.wait_until(lambda: os.path.exists(socket), "speech-dispatcher's socket",
                        START_TIMEOUT)
        env = dict(os.environ, LANG=self.language, LANGUAGE="", LC_ALL=self.language)
        # Orca refuses to start while any other Orca of the same user runs,
        # even in another session; say so rather than wait for its greeting.
        others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                capture_output=True, text=True).stdout.split()
        if others:
            raise Failure("another Orca of this user is running (pid %s), and Orca starts only "
                          "once per user; run this check where none runs" % ", ".join(others))
        self.spawn("orca", ["orca", "--debug-file=" + os.path.join(self.work, "orca-debug.txt")],
                   env=env)
        # Orca's greeting says that it listens.
        self.wait_for_speech(r".", "Orca to start", advance=True, timeout=START_TIMEOUT)

    def spawn(self, name, argv, env=None):
        log = open(os.path.join(self.work, name + ".log"), "a")
        process = subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT, env=env)
        self.processes.append(process)
        return process

    def start_program(self, language=None):
        language = language or self.language
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LANG=language, LANGUAGE="", LC_ALL=language)
        self.app = self.spawn("program", [self.program], env=env)

    def program_output(self):
        try:
            with open(os.path.join(self.work, "program.log"), encoding="utf-8",
                      errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return "(the program was not started)\n"

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    # ---------------------------------------------------------------- input
    def key(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)

    def window(self, title):
        """The id of the program's visible window of that title, or None."""
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                             capture_output=True, text=True).stdout.split()
        for window in ids:
            name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                                  text=True).stdout.strip()
            if name == title:
                return window
        return None

    def focus_window(self, title):
        found = []
        self.wait_until(lambda: found.append(self.window(title)) or found[-1], "the window " + title)
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)

    # --------------------------------------------------------------- speech
    def text(self):
        with open(self.transcript, encoding="utf-8", errors="replace") as f:
            return f.read()

    def wait_until(self, condition, what, timeout=SPEECH_TIMEOUT):
        limit = time.monotonic() + timeout
        while not condition():
            if self.app is not None and self.app.poll() is not None:
                raise Failure("the program ended while waiting for " + what)
            if time.monotonic() > limit:
                raise Failure("timed out waiting for " + what)
            time.sleep(POLL)

    def wait_for_speech(self, pattern, what, advance=True, timeout=SPEECH_TIMEOUT):
        """Waits until `pattern` (a regular expression) is spoken after the
        mark; moves the mark past it. Returns the match."""
        regex = re.compile(pattern)
        found = []

        def spoken():
            match = regex.search(self.text(), self.mark)
            if match:
                found.append(match)
            return bool(match)
        try:
            self.wait_until(spoken, what, timeout)
        except Failure as failure:
            raise Failure("%s: %r not spoken; said since the last check:\n%s" % (
                failure, pattern, self.text()[self.mark:])) from None
        if advance:
            self.mark = found[0].end()
        return found[0]
