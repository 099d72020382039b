"""The checks of the game, the same on both window systems: the program is
played from outside through what a person sees and does, and every game is
set up through the name entry and the debug dialog so that its course is
known beforehand (Plan)."""

import os
import time

from . import pixels
from .backends import CLIENT_WIDTH
from .course import Plan

# Client sizes of the dialogs. One window serves several variants, so its
# size (and a result's picture) tells them apart.
DIALOG_SIZE = {
    "goal": (249, 318), "over": (170, 221), "confirm": (170, 221), "farewell": (171, 221),
    "name": (221, 123), "options": (179, 137), "debug": (370, 254),
}
DIALOG_TITLE = {"goal": "MessageForm", "over": "MessageForm", "confirm": "MessageForm",
                "farewell": "MessageForm", "name": "NameInputForm", "options": "DebugForm",
                "debug": "DebugForm"}
# Buttons, as (x, y, w, h) in their dialog.
RESULT_OK = {"over": (47, 194, 75, 25), "goal": (87, 288, 75, 25)}
RESULT_PICTURE = {"over": "gameover.bmp", "goal": "goal.bmp"}
RESULT_NAME = {"over": "game over", "goal": "goal result"}
CONFIRM_YES = (8, 188, 75, 25)
CONFIRM_NO = (88, 188, 73, 25)
FAREWELL_OK = (48, 188, 75, 25)
NAME_OK = (32, 80, 75, 25)
NAME_EDIT = (124, 51)
OPTIONS_CANCEL = (101, 104, 65, 25)
DEBUG_OK = (117, 224, 65, 25)
# The debug dialog's number fields: the centres of their edits.
DEBUG_FIELD = {
    "start": (60, 35), "stamina": (60, 86), "slot_min": (60, 136), "slot_max": (60, 187),
    "arrow": (176, 35), "timer": (176, 86), "rotation": (176, 136),
    "walk": (292, 35), "further": (292, 83), "back": (292, 131),
}
# The phrase typed as a name that makes the Options menu's デバグ visible.
REVEAL_PHRASE = "あおいそらのしたでうたうこねこのゆめをみた"

# File menu: 名前の入力, ゲームスタート, やり直し, タイトルへ戻る, 閉じる.
FILE_MENU = {"title": "11001", "game": "00111"}
NAME_ITEM, START_ITEM, RESTART_ITEM, TITLE_ITEM, QUIT_ITEM = range(5)
# Client positions: the title picture, the drum's button and caption, the
# drum's cells and arrow, the course view (the heroine's square at (10, 50)
# of its paint box).
TITLE_PICTURE_AT = (61, 0)
DRUM_BUTTON_CENTRE = (213, 53)
CAPTION_BOX = (192, 37, 42, 32)
DRUM_CELL = (150, 8, 28, 30)
ARROW_X = 130
ARROW_ROWS_Y = (23, 53, 83)
ARROW_COLOUR = "FF4A19"
VIEW_AT = (2, 127)
# A spot that takes no input: the title picture, or the remark box in a game.
NEUTRAL_SPOT = (126, 285)
# Enabled menu items and titles are drawn darker than this, disabled ones lighter.
ENABLED_INK = 110
DIGIT_COLUMNS = 4

KIND_COLOUR = {
    "empty": ("FFEEEE", "FFEEEE"), "start": ("2FFFFF", "2FFFFF"), "goal": ("2FFFFF", "2FFFFF"),
    "remark": ("A7AA00", "FFFF2F"), "lucky": ("FB6800", "FF986A"),
    "stamina": ("A00000", "FF4040"), "further": ("0000C9", "7A7FFF"),
    "back": ("00BB00", "1CFF1C"),
}
CAPTION_NAME = {"start": "スタート", "stop": "ストップ", "remark": "ＯＫ", "lucky": "ラッキー",
                "stamina": "体力上昇", "further": "更に進む", "back": "も、戻る"}


# The least time any wait gets: what the run waits for is due at once, so
# the limit only bounds how long a fault takes to be reported.
PATIENCE = 30


class Failure(Exception):
    pass


class Driver:
    def __init__(self, backend, course, assets, log, time_limit):
        self.b = backend
        self.course = course
        self.log = log
        self.started = time.monotonic()
        self.deadline = self.started + time_limit
        self.time_limit = time_limit
        self.detail = ""
        self.captions = {}
        self.turn_inputs = 0
        self.turn_lists = []
        self.title_picture = pixels.load_rgb(os.path.join(assets, "title.bmp"))
        self.result_pictures = {k: pixels.load_rgb(os.path.join(assets, f))
                                for k, f in RESULT_PICTURE.items()}
        digits = pixels.load_rgb(os.path.join(assets, "digits.bmp"))
        _, _, cw, ch = DRUM_CELL
        self.digit_faces = {}
        for n in range(1, 7):
            col, row = (n - 1) % DIGIT_COLUMNS, (n - 1) // DIGIT_COLUMNS
            self.digit_faces[n] = digits.crop((col * cw, row * ch, (col + 1) * cw, (row + 1) * ch))

    # ------------------------------------------------------------ waiting
    def wait(self, what, seconds, condition, *args):
        """Looks at the screen afresh until the condition holds; fails after
        `seconds` (never less than PATIENCE: a screenshot on a busy machine
        can take a second), or at the run's time limit."""
        limit = time.monotonic() + max(seconds, PATIENCE)
        while True:
            self.detail = ""
            self.b.look()
            result = condition(*args)
            if result:
                return result
            now = time.monotonic()
            if now > self.deadline:
                raise Failure(f"time limit of {self.time_limit} s reached while waiting for {what}")
            if now > limit:
                raise Failure(f"timed out waiting for {what}" + (f" ({self.detail})" if self.detail else ""))
            time.sleep(0.05)

    def client(self, x, y):
        """Screen position of a client point of the main window (under its menu bar)."""
        m = self.b.main
        return m.x + x, m.y + self.b.menu_height + y

    def px(self, x, y):
        return pixels.colour(self.b.img, *self.client(x, y))

    # --------------------------------------------------------- main window
    def find_main(self):
        m = self.b.find_main()
        if not m:
            return None
        if m.w != CLIENT_WIDTH:
            raise Failure(f"the main window is {m.w} wide, expected {CLIENT_WIDTH}")
        if not 10 < self.b.menu_height < 60:
            raise Failure(f"the main window leaves a menu bar of {self.b.menu_height} px")
        return m

    def title_screen_shown(self):
        x, y = self.client(*TITLE_PICTURE_AT)
        if pixels.same_pixels(self.b.img, x, y, self.title_picture):
            return True
        self.detail = (f"the title picture differs from title.bmp in "
                       f"{pixels.differing_pixels(self.b.img, x, y, self.title_picture)} pixels")
        return False

    def menu_bar_items(self):
        """(left, right, darkest) of each title of the menu bar."""
        m = self.b.main
        rows = pixels.luminance_rows(self.b.img, m.x, m.y + 2, m.w, self.b.menu_height - 4)
        darkest = [min(r[x] for r in rows) for x in range(m.w)]
        items, start, gap, dark, last = [], None, 0, 255, 0
        for x in range(m.w + 9):
            ink = x < m.w and darkest[x] < 200
            if ink:
                if start is None:
                    start, dark = x, 255
                last, dark, gap = x, min(dark, darkest[x]), 0
            elif start is not None:
                gap += 1
                if gap >= 9:
                    items.append((start, last, dark))
                    start = None
        return items

    def menu_bar_for(self, screen):
        items = self.menu_bar_items()
        if len(items) < 3:
            self.detail = f"{len(items)} titles in the menu bar"
            return False
        dark = items[1][2]
        self.detail = f"darkest pixel of オプション: {dark:.0f}"
        # オプション is enabled on the title screen only.
        return dark < ENABLED_INK if screen == "title" else dark >= ENABLED_INK

    def highlighted(self, index):
        """Keyboard mode shows a title in the highlight colour (blue over
        grey) and opens no menu; index -1: no title highlighted."""
        if self.b.popup():
            self.detail = "a menu opened"
            return False
        m = self.b.main
        part = self.b.img.crop((m.x, m.y + 1, m.x + m.w, m.y + self.b.menu_height - 1))
        w = part.width
        data = part.tobytes()
        cols = [i % w for i in range(len(data) // 3) if data[3 * i + 2] > data[3 * i] + 80]
        if index < 0:
            self.detail = f"highlight at columns {min(cols)} to {max(cols)}" if cols else ""
            return not cols
        if not cols:
            return False
        left, right = min(cols), max(cols)
        t_left, t_right, _ = self.bar_items[index]
        following = self.bar_items[index + 1][0] if index + 1 < len(self.bar_items) else 9999
        self.detail = f"highlight at columns {left} to {right}, the title at {t_left} to {t_right}"
        return left <= t_left and right >= t_right and right < following

    def popup_items(self, popup):
        """(top, bottom, darkest) of each text row of the open menu. The row
        of a highlighted item (white letters on the highlight colour) counts
        as enabled ink."""
        part = self.b.img.crop((popup.x + 3, popup.y, popup.x + popup.w - 3, popup.y + popup.h))
        w = part.width
        data = part.tobytes()
        items, top, gap, dark, bottom = [], None, 0, 255, 0
        for y in range(part.height):
            row = data[3 * w * y:3 * w * (y + 1)]
            reds, blues = row[0::3], row[2::3]
            greys = [(r + g + b) / 3 for r, g, b in zip(reds, row[1::3], blues)]
            highlight = sum(1 for r, b in zip(reds, blues) if b > r + 80)
            if highlight > w // 2:
                n = sum(1 for v in greys if v > 200)
                ink, darkest = 0 < n < 0.6 * w, 0
            else:
                n = sum(1 for v in greys if v < 215)
                ink, darkest = 0 < n < 0.6 * w, min(greys)
            if ink:
                if top is None:
                    top, dark = y, 255
                bottom, dark, gap = y, min(dark, darkest), 0
            elif top is not None:
                gap += 1
                if gap >= 3:
                    if bottom - top >= 5:
                        items.append((top, bottom, dark))
                    top = None
        return items

    def read_menu(self, expected, what):
        """The open menu and its items, once two looks in a row agree on
        them; checks which items are enabled (a string of 1 and 0)."""
        previous = []

        def menu_read():
            popup = self.b.popup()
            if not popup:
                self.detail = "no menu"
                return None
            now = (popup.x, popup.y, popup.w, popup.h, self.popup_items(popup))
            same = bool(previous) and now == previous[-1]
            previous.append(now)
            self.detail = f"{len(now[4])} items"
            return (popup, now[4]) if same and len(now[4]) == len(expected) else None

        popup, rows = self.wait(f"the menu for {what}", 5, menu_read)
        enabled = "".join("1" if dark < ENABLED_INK else "0" for _, _, dark in rows)
        if enabled != expected:
            raise Failure(f"menu for {what}: items enabled {enabled}, expected {expected}")
        return popup, rows

    def choose(self, bar, item, expected, what):
        """Opens menu `bar` of the menu bar, checks which items are enabled
        (a string of 1 and 0) and clicks item `item`."""
        self.wait("the main window", 5, lambda: True)
        items = self.menu_bar_items()
        if len(items) < 3:
            raise Failure(f"menu bar: found {len(items)} titles, expected 3")
        left, right, _ = items[bar]
        m = self.b.main
        self.b.click(m.x + (left + right) // 2, m.y + self.b.menu_height // 2)
        popup, rows = self.read_menu(expected, what)
        top, bottom, _ = rows[item]
        self.b.click(popup.x + popup.w // 2, popup.y + (top + bottom) // 2)
        self.wait(f"the menu to close after {what}", 5, lambda: not self.b.popup())
        self.log(f"menu: {what}")

    def give_main_the_keyboard(self):
        """A click on a spot of the main window that takes no input (the
        title picture, or the remark box in a game) gives it the keyboard,
        as a person makes sure of before typing: after a dialog Weston now
        and then hands the keyboard to no window at all."""
        self.b.click(*self.client(*NEUTRAL_SPOT))
        self.wait("the main window to take the keyboard", 5, self.b.active, self.b.main)

    def choose_by_keys(self, opener, bar, item, expected, what):
        """Chooses a menu item from the keyboard alone: F10 or Alt, Right to
        the title `bar`, Enter opens its menu on the first enabled item, Down
        moves to `item` (the open menu must show it highlighted), Enter."""
        self.give_main_the_keyboard()
        self.bar_items = self.menu_bar_items()
        self.b.key(opener)
        self.wait(f"ファイル highlighted after {opener}", 5, self.highlighted, 0)
        for _ in range(bar):
            self.b.key("Right")
        self.wait(f"title {bar} highlighted", 5, self.highlighted, bar)
        # Enter opens the menu, which Qt asks of a Wayland compositor with the
        # serial of the key's press; Weston refuses it if the release came
        # first, so the key is held until the menu shows, as a person's is.
        self.b.key_held_until("Return", lambda: self.wait(f"the menu to open for {what}", 5,
                                                          self.b.popup))
        popup, rows = self.read_menu(expected, what)
        downs = expected[:item].count("1")
        for _ in range(downs):
            self.b.key("Down")

        def item_highlighted():
            p = self.b.popup()
            if not p:
                return False
            part = self.b.img.crop((p.x + 3, p.y, p.x + p.w - 3, p.y + p.h))
            w = part.width
            data = part.tobytes()
            ys = {i // w for i in range(len(data) // 3) if data[3 * i + 2] > data[3 * i] + 80}
            top, bottom, _ = rows[item]
            self.detail = f"highlight on rows {min(ys)} to {max(ys)}" if ys else "no highlight"
            return bool(ys) and min(ys) <= top and max(ys) >= bottom and \
                all(not (t <= max(ys) and b >= min(ys)) for i, (t, b, _) in enumerate(rows) if i != item)

        self.wait(f"the item for {what} highlighted", 5, item_highlighted)
        self.b.key("Return")
        self.wait(f"the menu to close after {what}", 5, lambda: not self.b.popup())
        self.log(f"menu by keys ({opener}): {what}")

    def menu_from_keyboard(self):
        """F10 and a tap of Alt put the menu bar into keyboard mode on
        ファイル, Right moves along it, Esc leaves it."""
        self.bar_items = self.menu_bar_items()
        for key in ("F10", "Alt_L"):
            self.b.key(key)
            self.wait(f"ファイル highlighted after {key}", 5, self.highlighted, 0)
            self.b.key("Right")
            self.wait("オプション highlighted after Right", 5, self.highlighted, 1)
            self.b.key("Escape")
            self.wait("the highlight to go after Esc", 5, self.highlighted, -1)
        self.log("menu bar from the keyboard: F10 and Alt highlight ファイル, Right moves on, Esc leaves")

    def keyboard_on_main(self, after):
        self.bar_items = self.menu_bar_items()
        self.b.key("F10")
        self.wait(f"F10 to highlight ファイル after {after}", 5, self.highlighted, 0)
        self.b.key("Escape")
        self.wait("Esc to take the highlight away", 5, self.highlighted, -1)

    # ------------------------------------------------------------- dialogs
    def dialog(self, kind=None):
        """The one dialog that shows, if it is of `kind` (any kind if None)."""
        found = self.b.dialogs()
        if len(found) != 1:
            self.detail = f"{len(found)} dialogs" if found else "no dialog"
            return None
        d = found[0]
        if d.w is None:
            self.detail = "a dialog whose title bar does not show whole"
            return None
        if kind is None:
            return d
        w, h = DIALOG_SIZE[kind]
        if d.title is not None and d.title != DIALOG_TITLE[kind]:
            self.detail = f"a dialog titled {d.title}"
            return None
        if d.w != w or (d.h is not None and d.h != h):
            self.detail = f"a dialog of {d.w}x{d.h}"
            return None
        if kind in RESULT_PICTURE and not pixels.same_pixels(self.b.img, d.x, d.y,
                                                             self.result_pictures[kind]):
            self.detail = f"a dialog of the {kind}'s size without its picture"
            return None
        if kind == "confirm" and any(pixels.same_pixels(self.b.img, d.x, d.y, p)
                                     for p in self.result_pictures.values()):
            self.detail = "a result where the confirmation was due"
            return None
        d.h = h
        return d

    def button_shows(self, d, box):
        x, y, w, h = box
        return bool(pixels.dark_pixels(self.b.img, d.x + x + 4, d.y + y + 4, w - 8, h - 8))

    def await_dialog(self, kind, button, what):
        """Waits for a dialog of `kind` whose button shows its caption, so
        that it takes input."""
        def ready():
            d = self.dialog(kind)
            return d if d and self.button_shows(d, button) else None
        return self.wait(f"{what}", 10, ready)

    def click_in(self, d, box):
        x, y, w, h = box
        self.b.click(d.x + x + w // 2, d.y + y + h // 2)

    def no_dialog(self):
        found = self.b.dialogs()
        self.detail = f"{len(found)} dialogs"
        return not found

    def answer_confirmation(self, answer, by_key=False):
        """Answers the quit confirmation with a click on its button, or
        (by_key) with Esc for いいえ and Enter for はい once it holds the
        keyboard. After はい to 閉じる the same window turns into the farewell."""
        d = self.await_dialog("confirm", CONFIRM_YES, "the quit confirmation")
        self.wait("the confirmation's いいえ", 5, lambda: self.button_shows(self.dialog("confirm") or d, CONFIRM_NO))
        if by_key:
            self.wait("the quit confirmation to take the keyboard", 5, self.b.active, d)
            self.b.key("Escape" if answer == "no" else "Return")
        else:
            self.click_in(d, CONFIRM_NO if answer == "no" else CONFIRM_YES)
        if answer == "yes-farewell":
            self.wait("the farewell", 10, self.dialog, "farewell")
        else:
            self.wait("the quit confirmation to close", 5, self.no_dialog)
        self.log(f"quit confirmation: {answer}{' by key' if by_key else ''}")

    def look_at_options(self):
        d = self.await_dialog("options", OPTIONS_CANCEL, "the options dialog")
        self.click_in(d, OPTIONS_CANCEL)
        self.wait("the options dialog to close", 5, self.no_dialog)

    def reveal_debug_item(self):
        self.choose(0, NAME_ITEM, FILE_MENU["title"], "ファイル > 名前の入力")
        d = self.await_dialog("name", NAME_OK, "the name entry")
        self.b.click(d.x + NAME_EDIT[0], d.y + NAME_EDIT[1])
        how = self.b.type_text(REVEAL_PHRASE)
        self.click_in(d, NAME_OK)
        self.wait("the name entry to close", 5, self.no_dialog)
        self.log(f"name entry: the phrase that reveals デバグ, {how}")

    def set_debug(self, **values):
        """Fills fields of the debug dialog and presses OK; the values hold
        for every game started from then on."""
        self.choose(1, 1, "11", "オプション > デバグ")
        d = self.await_dialog("debug", DEBUG_OK, "the debug dialog")
        for name, value in values.items():
            x, y = DEBUG_FIELD[name]
            self.b.click(d.x + x, d.y + y)
            self.b.key("ctrl+a")
            self.b.xdotool("type", "--clearmodifiers", "--", str(value))
        self.click_in(d, DEBUG_OK)
        self.wait("the debug dialog to close", 5, self.no_dialog)
        self.settings.update(values)
        self.log("debug: " + " ".join(f"{k}={v}" for k, v in values.items()))

    # ---------------------------------------------------------- the course
    def view_matches(self):
        """The squares on which the heroine can be standing, by the course
        view's colours around her."""
        vx, vy = VIEW_AT
        points = [(vx + 100, vy + 5), (vx + 5, vy + 85)]
        for k in range(4):
            x0 = 10 + 60 * k
            points += [(vx + x0 + 1, vy + 85), (vx + x0 + 5, vy + 85),
                       (vx + x0 + (30 if k else 2), vy + 30), (vx + x0 + (30 if k else 5), vy + 100)]
        got = [self.px(x, y) for x, y in points]
        course = self.course

        def kind(square, row):
            if square < 0 or square > course.last or row < 0 or row > 2:
                return "empty"
            return course.kind(square, row)

        def col(square, row, part):
            return KIND_COLOUR[kind(square, row)][0 if part == "o" else 1]

        matches = []
        for p in range(-3, course.last + 3):
            want = [col(p, -1, "i"), col(p - 1, 1, "i")]
            for k in range(4):
                want += [col(p + k, 1, "o"), col(p + k, 1, "i"), col(p + k, 0, "i"), col(p + k, 2, "i")]
            if want == got:
                matches.append(p)
        return matches

    def arrow_row(self):
        rows = [r for r, y in enumerate(ARROW_ROWS_Y) if self.px(ARROW_X, y) == ARROW_COLOUR]
        return rows[0] if len(rows) == 1 else -1

    def drum_number(self, row):
        x, y, w, h = DRUM_CELL
        sx, sy = self.client(x, y + row * h)
        for n, face in self.digit_faces.items():
            if pixels.same_pixels(self.b.img, sx, sy, face):
                return n
        return None

    def caption(self):
        x, y, w, h = CAPTION_BOX
        sx, sy = self.client(x, y)
        return pixels.dark_pixels(self.b.img, sx, sy, w, h)

    def expect_caption(self, key, signature, where):
        """The button shows the caption `key` is due to show: each caption is
        learnt where it first shows, must show alike wherever it is due, and
        no two captions may look alike."""
        if key in self.captions:
            if not pixels.same_caption(signature, self.captions[key]):
                raise Failure(f"{where}: the button does not read {CAPTION_NAME[key]}")
            return
        for other, known in self.captions.items():
            if pixels.same_caption(signature, known):
                raise Failure(f"{where}: the button's {CAPTION_NAME[key]} looks like its {CAPTION_NAME[other]}")
        self.captions[key] = signature

    # -------------------------------------------------------------- turns
    def press_button(self, keys):
        """The drum's button, by the mouse or by its key."""
        if keys:
            self.b.key(keys)
        else:
            self.b.click(*self.client(*DRUM_BUTTON_CENTRE))

    def await_rest(self, square, arrow, where):
        """The heroine rests on `square`: the button offers something (a
        caption read twice alike) and the course around her shows that
        square. Checks the drum there; returns the caption."""
        previous = [None]

        def rests():
            if self.b.dialogs():
                return "dialog"
            sig = self.caption()
            stable = sig and previous[0] is not None and pixels.same_caption(sig, previous[0])
            previous[0] = sig
            if not stable:
                return None
            squares = self.view_matches()
            self.detail = f"the view matches squares {squares}"
            return sig if square in squares else None

        sig = self.wait(f"the heroine to rest on square {square} ({where})", 30, rests)
        if sig == "dialog":
            raise Failure(f"the game ended before the heroine rested on square {square}")
        row = self.arrow_row()
        if row != arrow:
            raise Failure(f"square {square}: the drum's arrow is in row {row}, expected {arrow}")
        if self.drum_fresh:
            x, y, w, h = DRUM_CELL
            cells = [self.b.img.crop((*self.client(x, y + r * h), *self.client(x + w, y + (r + 1) * h))).tobytes()
                     for r in range(3)]
            if not (cells[0] == cells[1] == cells[2]):
                raise Failure(f"square {square}: the drum's cells differ, though its range is one number")
            if self.drum_number(arrow) != self.drum:
                raise Failure(f"square {square}: the drum's cell at the arrow does not show {self.drum}")
        if square == 1:
            # The start block's outline: the right edge of her square, the top
            # edge of the square above it.
            vx, vy = VIEW_AT
            outline = (self.px(vx + 69, vy + 85), self.px(vx + 12, vy + 10))
            if outline != ("009999", "009999"):
                raise Failure(f"square 1: the start block's outline shows {outline}, expected 009999")
        return sig

    def spin(self, keys):
        """スタート spins the drum, ストップ stops it."""
        start = self.captions["start"]
        self.press_button("space" if keys else None)
        previous = [None]

        def spinning():
            sig = self.caption()
            ok = sig and not pixels.same_caption(sig, start) and previous[0] is not None and \
                pixels.same_caption(sig, previous[0])
            previous[0] = sig
            return sig if ok else None

        sig = self.wait("the drum to spin (ストップ)", 5, spinning)
        self.expect_caption("stop", sig, "after スタート")
        self.press_button("space" if keys else None)

    def take_event(self, square, kind, keys, view_before):
        """Presses the event the button offers; waits until it took effect:
        the button changed, or a dialog came, or the course moved."""
        before = self.caption()
        self.press_button("Return" if keys else None)

        def taken():
            if self.b.dialogs():
                return True
            sig = self.caption()
            if not pixels.same_caption(sig, before):
                return True
            return view_before is not None and self.view_bytes() != view_before

        self.wait(f"the event on square {square} to take effect", 10, taken)

    def view_bytes(self):
        vx, vy = VIEW_AT
        x, y = self.client(vx, vy)
        return self.b.img.crop((x, y, x + 247, y + 110)).tobytes()

    def next_input(self):
        """Turns are taken alternately by the mouse and by the keyboard
        (Space spins and stops, Enter takes a square's event), or all by
        the keyboard."""
        keys = self.all_keys or self.turn_inputs % 2 == 1
        self.turn_inputs += 1
        return keys

    def play_game(self, name, expect_results, expect_square, expect_turns):
        """Plays the game set up now from its start square to its result,
        checking every rest against the plan from the course."""
        s = self.settings
        plan = Plan(self.course, s["start"], s["stamina"], self.drum, s["arrow"])
        if plan.results != expect_results or plan.end_square != expect_square or plan.turns != expect_turns:
            raise Failure(f"{name}: the course now gives {plan.results} on square {plan.end_square} "
                          f"in turn {plan.turns}, the run expects {expect_results} on {expect_square} "
                          f"in turn {expect_turns}")
        turns = self.play_rests(plan, name)
        self.answer_results(name, plan.results, expect_square)
        record = f"{name}: {' '.join(turns)} -> {' and '.join(plan.results)} on {plan.end_square}"
        self.turn_lists.append(record)
        self.log(record)

    def play_rests(self, plan, name, until=None):
        """Takes every rest of the plan (up to the square `until`, where she
        is left resting); returns the turns as they were taken."""
        turns = []
        keys = False
        for square, kind, arrow, after in plan.rests:
            sig = self.await_rest(square, arrow, name)
            if square == until:
                break
            if kind == "start":
                keys = self.next_input()
                self.expect_caption("start", sig, f"square {square}")
            elif kind in ("further", "back"):
                self.expect_caption(kind, sig, f"square {square}")
                self.take_event(square, kind, keys, self.view_bytes())
                turns.append(f"{square}{self.course.letter(square)}")
                continue
            else:
                keys = self.next_input()
                self.expect_caption(kind, sig, f"square {square}")
                self.take_event(square, kind, keys, None)
                sig = self.await_rest(square, after, f"{name}, after the event")
                self.expect_caption("start", sig, f"square {square} after its event")
            turns.append(f"{square}{self.course.letter(square)}{'k' if keys else 'm'}")
            self.spin(keys)
        return turns

    def answer_results(self, name, results, square):
        """Each result dialog that comes is answered with Enter once it holds
        the keyboard; then the main window has the keyboard back, with the
        course where the walk ended and the button offering nothing."""
        for kind in results:
            d = self.wait(f"the {RESULT_NAME[kind]} ({name})", 30, self.dialog, kind)
            d = self.wait(f"the {RESULT_NAME[kind]}'s OK", 5,
                          lambda: (lambda d: d if d and self.button_shows(d, RESULT_OK[kind]) else None)(self.dialog(kind)))
            self.wait(f"the {RESULT_NAME[kind]} to take the keyboard", 5, self.b.active, d)
            self.b.key("Return")
            self.wait(f"the {RESULT_NAME[kind]} to close after Enter", 5,
                      lambda: not self.dialog(kind))
        self.wait(f"the main window alone after the {' and '.join(results)}", 5, self.no_dialog)
        self.wait("the main window to take the keyboard", 5, self.b.active, self.b.main)
        squares = self.view_matches()
        if square not in squares:
            raise Failure(f"after the {results} the view shows squares {squares}, expected {square}")
        if self.caption():
            raise Failure(f"after the {results} the button still offers something")
        self.keyboard_on_main(f"the {' and '.join(results)}")

    # ----------------------------------------------------------- the run
    def start_game(self):
        self.choose(0, START_ITEM, FILE_MENU["title"], "ファイル > ゲームスタート")
        self.wait("the menu bar of a game", 5, self.menu_bar_for, "game")

    def back_to_title(self, note, confirmed=False):
        self.choose(0, TITLE_ITEM, FILE_MENU["game"], f"ファイル > タイトルへ戻る ({note})")
        if confirmed:
            self.answer_confirmation("yes")
        self.wait("the title screen", 10, self.title_screen_shown)
        self.wait("the menu bar of the title screen", 5, self.menu_bar_for, "title")

    def open(self):
        self.all_keys = False
        self.settings = {}
        self.drum = 6
        self.drum_fresh = False
        self.wait("the main window", 20, self.find_main)
        self.wait("the title screen", 10, self.title_screen_shown)
        self.wait("the menu bar of the title screen", 5, self.menu_bar_for, "title")
        m = self.b.main
        self.log(f"title screen at ({m.x}, {m.y}), menu bar {self.b.menu_height} px high")
        # A Wayland compositor need not give a new window the keyboard.
        self.give_main_the_keyboard()

    def pose(self):
        """The main window during a game, the same every time: three turns
        from the start square the heroine stands on the walk-further square
        19 with her remark below. Returns the window's picture."""
        self.open()
        self.reveal_debug_item()
        self.set_debug(start=1, stamina=30, slot_min=6, slot_max=6, arrow=0, timer=10,
                       rotation=30, walk=10, further=10, back=10)
        self.start_game()
        # The drum's first numbers still come from its range before the
        # debug values; a restart fills it with sixes only.
        self.await_rest(1, 0, "the first game")
        self.choose(0, RESTART_ITEM, FILE_MENU["game"], "ファイル > やり直し")
        self.answer_confirmation("yes")
        self.drum_fresh = True
        plan = Plan(self.course, 1, 30, self.drum, 0)
        self.play_rests(plan, "the pose", until=19)
        m = self.b.main
        previous = [None]

        def settled():
            # The window no longer changes: two looks in a row agree.
            now = self.b.img.crop((m.x, m.y, m.x + m.w, m.y + m.h))
            same = previous[0] is not None and now.tobytes() == previous[0].tobytes()
            previous[0] = now
            return now if same else None

        return self.wait("the window to settle", 5, settled)

    def run_keyboard(self, program_ended):
        """The keyboard alone, through the real seat: the menus, a whole game
        by Space and Enter, the result answered by Enter, the quit question
        by Esc and by Enter."""
        self.open()
        self.menu_from_keyboard()
        self.reveal_debug_item()
        self.set_debug(start=73, stamina=30, slot_min=6, slot_max=6, arrow=0, timer=10,
                       rotation=30, walk=10, further=10, back=10)
        self.choose_by_keys("F10", 0, START_ITEM, FILE_MENU["title"], "ファイル > ゲームスタート")
        self.wait("the menu bar of a game", 5, self.menu_bar_for, "game")
        self.await_rest(73, 0, "the first turn from square 73")
        self.choose_by_keys("Alt_L", 0, QUIT_ITEM, FILE_MENU["game"], "ファイル > 閉じる")
        self.answer_confirmation("no", by_key=True)
        if program_ended():
            raise Failure("the program ended after いいえ")
        # The first numbers still come from the drum's earlier range: a
        # restart, asked and confirmed by Enter, fills it with sixes only.
        self.choose_by_keys("F10", 0, RESTART_ITEM, FILE_MENU["game"], "ファイル > やり直し")
        self.answer_confirmation("yes", by_key=True)
        self.drum_fresh = True
        self.all_keys = True
        self.play_game("from square 73 by keys", ["goal"], 101, 4)
        self.choose_by_keys("F10", 0, TITLE_ITEM, FILE_MENU["game"], "ファイル > タイトルへ戻る")
        self.wait("the title screen", 10, self.title_screen_shown)
        # No game in progress: 閉じる asks nothing and says farewell.
        self.choose_by_keys("F10", 0, QUIT_ITEM, FILE_MENU["title"], "ファイル > 閉じる")
        d = self.await_dialog("farewell", FAREWELL_OK, "the farewell's OK")
        self.wait("the farewell to take the keyboard", 5, self.b.active, d)
        self.b.key("Return")

    def run(self, program_ended):
        self.open()
        self.menu_from_keyboard()
        # Options holds one item until the name entry reveals デバグ.
        self.choose(1, 0, "1", "オプション > オプション (デバグ still hidden)")
        self.look_at_options()
        self.reveal_debug_item()

        # One point of stamina: game over on square 2, whatever the drum
        # stops at (its first numbers still come from the range it had
        # before); from the next game on it holds nothing but 6.
        self.set_debug(start=1, stamina=1, slot_min=6, slot_max=6, arrow=0, timer=10,
                       rotation=30, walk=10, further=10, back=10)
        self.start_game()
        self.play_game("one step of stamina", ["over"], 2, 1)
        self.drum_fresh = True
        self.choose_by_keys("F10", 0, RESTART_ITEM, FILE_MENU["game"],
                            "ファイル > やり直し (game ended: nothing to ask)")
        self.play_game("the same again by やり直し", ["over"], 2, 1)
        self.back_to_title("game ended: nothing to ask")

        # A lucky square lowers the arrow, a chain of go-back squares, and
        # game over in the third turn.
        self.set_debug(start=94, stamina=30)
        self.start_game()
        self.play_game("from square 94", ["over"], 92, 3)
        self.back_to_title("game ended: nothing to ask")

        # Stamina squares, a walk further, a go-back square, the goal in the
        # fourth turn. First 閉じる, answered いいえ: the game stays, with the
        # keyboard on the drum's button (the first turn is taken by keys).
        self.set_debug(start=73)
        self.start_game()
        self.await_rest(73, 0, "the first turn from square 73")
        self.choose_by_keys("Alt_L", 0, QUIT_ITEM, FILE_MENU["game"], "ファイル > 閉じる")
        self.answer_confirmation("no", by_key=True)
        if program_ended():
            raise Failure("the program ended after いいえ")
        self.turn_inputs = 1
        self.play_game("from square 73", ["goal"], 101, 4)
        self.back_to_title("game ended: nothing to ask")

        # A slow walk (1.2 s a square), abandoned by a restart in its middle.
        self.set_debug(start=1, walk=300)
        self.start_game()
        sig = self.await_rest(1, 0, "the slow game")
        self.expect_caption("start", sig, "square 1")
        before = self.view_bytes()
        self.turn_inputs = 0
        self.spin(False)
        self.wait("the first walk", 10, lambda: not self.caption() and self.view_bytes() != before)
        self.choose_by_keys("F10", 0, RESTART_ITEM, FILE_MENU["game"],
                            "ファイル > やり直し (in the middle of a walk)")
        self.answer_confirmation("yes", by_key=True)
        sig = self.await_rest(1, 0, "the restarted game")
        self.expect_caption("start", sig, "square 1")
        self.log("the game restarted on the start square")
        # Back to the title; the abandoned game still counts as in progress.
        self.back_to_title("confirmed", confirmed=True)

        # 閉じる: いいえ keeps everything, はい leads to the farewell and the end.
        self.choose(0, QUIT_ITEM, FILE_MENU["title"], "ファイル > 閉じる")
        self.answer_confirmation("no")
        if program_ended():
            raise Failure("the program ended after いいえ")
        self.wait("the title screen to stay", 5, self.title_screen_shown)
        self.choose(0, QUIT_ITEM, FILE_MENU["title"], "ファイル > 閉じる")
        self.answer_confirmation("yes-farewell")
        d = self.await_dialog("farewell", FAREWELL_OK, "the farewell's OK")
        self.click_in(d, FAREWELL_OK)
