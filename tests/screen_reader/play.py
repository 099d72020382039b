"""Plays two set-up games by keyboard with Orca listening and checks what it
says: each turn's drum number, the square reached with its remark and event,
the stamina and distance after a walk, the drum button's captions, every
dialog's name and question, the goal, game over, the quit question and the
farewell. Between the spoken checks it asks the accessibility bus what a
screen reader would find: the course and the status panel name the same
square, the focus never rests on a hidden control.

Run by scripts/screen-reader, which provides the X server and the buses."""

import sys

import pyatspi

from session import Failure, Session

MAIN_TITLE = "ぽてりん 一本道"
# Typed as the name, it shows the hidden debug item.
REVEAL_PHRASE = "あおいそらのしたでうたうこねこのゆめをみた"
DRUM = 6
# Qt's bridge hands each key to the accessibility bus first and waits a
# moment for the answer; on a busy machine that wait runs out, Qt says so and
# delivers the key itself (and says so again when the late answer comes).
# That is the machine's load, not the program's fault.
BRIDGE_TIMEOUT = ("QSpiApplication::keyEventError",
                  "QSpiApplication::notifyKeyboardListenerCallback with no queued key")  # both ends of the drum's range: every spin walks six squares


# ------------------------------------------------------- accessibility bus
def program_root():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and any(child is not None and child.name == MAIN_TITLE
                                   for child in app):
            return app
    return None


def find(root, predicate):
    found = pyatspi.findDescendant(root, predicate)
    if found is None:
        raise Failure("nothing on the accessibility bus matches the search")
    return found


def named(name, role=None):
    return lambda acc: acc is not None and acc.name == name and (
        role is None or acc.getRole() == role)


def focused(root):
    return pyatspi.findDescendant(
        root, lambda acc: acc is not None and acc.getState().contains(pyatspi.STATE_FOCUSED))


# ------------------------------------------------------------------ helpers
def press(s, key, spoken, what):
    """Presses a key and waits until Orca says `spoken` (a regular expression)."""
    s.key(key)
    return s.wait_for_speech(spoken, what)


def menu(s, keys_and_speech, what):
    for key, spoken in keys_and_speech:
        press(s, key, spoken, what + " (" + key + ")")


def set_up_debug(s, root, values):
    """Options > デバグ, then each named number field gets its value."""
    menu(s, [("F10", "ファイル"), ("Right", "オプション"), ("Down", "オプション"),
             ("Down", "デバグ"), ("Return", r"デバグ dialog.*次のゲームの設定を数で入力してね")],
         "the debug dialog")
    # The focus starts in the first field, which says its name.
    s.wait_for_speech("スタート位置", "the first field's name")
    dialog = find(root, named("デバグ", pyatspi.ROLE_DIALOG))
    for name, value in values.items():
        field = find(dialog, named(name, pyatspi.ROLE_TEXT))
        field.queryEditableText().setTextContents(str(value))
        for arrow in ("%s を増やす" % name, "%s を減らす" % name):
            find(dialog, named(arrow, pyatspi.ROLE_PUSH_BUTTON))
    s.key("Return")
    s.wait_until(lambda: s.window("DebugForm") is None, "the debug dialog to close")


def start_game(s, square):
    """Starts a game on a remark square: its OK comes first, then スタート."""
    menu(s, [("F10", "ファイル"), ("Down", "名前の入力"), ("Down", "ゲームスタート")],
         "ゲームスタート")
    s.key("Return")
    s.wait_for_speech(r"%d マス目 .*、ボタン OK" % square, "the start of the game")
    press(s, "space", "ボタン スタート", "the first turn")


def spin(s):
    """One spin: Orca names the button's captions and the drum's number."""
    press(s, "space", "ボタン ストップ", "the drum to spin")
    press(s, "space", "%d が出た" % DRUM, "the drum to stop")


def check_turn(s, square, remark, event, stamina):
    s.wait_for_speech(r"%d マス目 %s、ボタン %s、体力 %d ゴールまで あと %d 歩" % (
        square, remark, event, stamina, 101 - square), "the walk to %d" % square)


def check_course_and_panel_agree(root, square):
    course = find(root, named("コース"))
    distance = find(root, lambda acc: acc is not None and acc.name.startswith("ゴールまで あと"))
    if not course.description.startswith("%d マス目" % square):
        raise Failure("the course says %r at square %d" % (course.description, square))
    if distance.name != "ゴールまで あと %d 歩" % (101 - square):
        raise Failure("the panel says %r at square %d" % (distance.name, square))


def check_focus_showing(s, root, what):
    def settled():
        acc = focused(root)
        return acc is not None and acc.getState().contains(pyatspi.STATE_SHOWING)
    s.wait_until(settled, "the focus on a shown control " + what)


# -------------------------------------------------------------------- games
def reveal_debug_item(s, root):
    menu(s, [("F10", "ファイル"), ("Down", "名前の入力"),
             ("Return", "名前の入力 dialog.*名前を入力してね")], "the name entry")
    # The field is labelled by its prompt.
    s.wait_for_speech("名前を入力してね text", "the name field's name")
    dialog = find(root, named("名前の入力", pyatspi.ROLE_DIALOG))
    find(dialog, named("名前", pyatspi.ROLE_TEXT)).queryEditableText().setTextContents(
        REVEAL_PHRASE)
    s.key("Return")
    s.wait_until(lambda: s.window("NameInputForm") is None, "the name entry to close")


def play_to_goal(s, root):
    set_up_debug(s, root, {"スタート位置": 92, "体力": 30, "スロット最小値": DRUM,
                           "スロット最大値": DRUM, "矢印位置": 0, "歩きアニメ": 10,
                           "更に進むアニメ": 10, "戻るアニメ": 10})
    start_game(s, 92)
    # Orca's "where am I" on the button reads the square and the course ahead.
    press(s, "KP_Enter", "92 マス目: .*。この先: 戻る、ラッキー、体力上昇、ひとこと、ひとこと、ひとこと",
          "the course ahead")
    spin(s)
    check_turn(s, 98, ".*", "OK", 24)
    press(s, "space", "ボタン スタート", "the next turn")
    spin(s)
    s.wait_for_speech(r"ゴール dialog.*やったぁぁぁっ♪ 101 マス目でゴール。開始時刻 [0-9:]+、"
                      r"終了時刻 [0-9:]+、経過時間 0:00:[0-9]+、終了時体力 21", "the goal")
    check_course_and_panel_agree(root, 101)
    s.key("Return")
    s.wait_until(lambda: s.window("MessageForm") is None, "the goal to close")


def play_to_game_over(s, root):
    set_up_debug(s, root, {"スタート位置": 15, "体力": 8})
    start_game(s, 15)
    # The quit question in the middle of a game; Escape answers No.
    menu(s, [("F10", "ファイル"), ("Down", "やり直し"), ("Up", "閉じる"),
             ("Return", r"やめちゃうの[?？] dialog.*ゲームをやめますか")], "the quit question")
    press(s, "Escape", "ボタン|スタート", "the game to go on after No")
    spin(s)
    check_turn(s, 21, ".*", "OK", 2)
    press(s, "space", "ボタン スタート", "the next turn")
    spin(s)
    s.wait_for_speech(r"ゲームオーバー dialog.*きゅぅ[~～]+っ 23 コマ目まで 来たのにぃ[~～]+ 体力が尽きた",
                      "game over")
    check_course_and_panel_agree(root, 23)
    s.key("Return")
    s.wait_until(lambda: s.window("MessageForm") is None, "game over to close")


def back_to_title(s, root):
    # After the goal nothing is asked, and the focus rests on the title, never
    # on the hidden drum button.
    menu(s, [("F10", "ファイル"), ("Down", "やり直し"), ("Down", "タイトルへ戻る"),
             ("Return", "タイトル image")], "the way back to the title")
    check_focus_showing(s, root, "on the title screen")


def leave(s):
    # After game over the program closes without asking, with the farewell.
    menu(s, [("F10", "ファイル"), ("Down", "やり直し"), ("Up", "閉じる"),
             ("Return", r"またねっ dialog.*さようなら")], "the farewell")
    s.key("Return")
    s.wait_until(lambda: s.app.poll() is not None, "the program to end")


def play_in_english(s):
    """The English edition speaks English: one turn from the start, then the
    quit question answered Yes and the farewell. The drum is not set up, so
    only the pattern of what is said is checked."""
    s.start_program("en_US.UTF-8")
    s.focus_window("Poterin Ipponmichi")
    s.wait_for_speech("New Game in the File menu begins a game", "the English title screen")
    menu(s, [("F10", "File"), ("Down", "Enter Name"), ("Down", "New Game"),
             ("Return", r"Square 1 .*, Button Start, Pep 30 100 steps to the goal")],
         "an English game")
    press(s, "space", "Button Stop", "the English drum to spin")
    walk = int(press(s, "space", r"The drum says ([1-6])", "the English drum to stop").group(1))
    s.wait_for_speech(r"Square %d " % (1 + walk), "the English walk")
    menu(s, [("F10", "File"), ("Down", "Restart"), ("Up", "Quit"),
             ("Return", r"Leaving already\? dialog Quit the game\? Yes quits, No plays on")],
         "the English quit question")
    press(s, "Return", r"See ya! dialog Goodbye\.\s*OK ends the program", "the English farewell")
    s.key("Return")
    s.wait_until(lambda: s.app.poll() is not None, "the English program to end")


def main(program, work):
    s = Session(program, work)
    try:
        s.start()
        s.start_program()
        s.focus_window(MAIN_TITLE)
        s.wait_for_speech("ファイル メニューの ゲームスタート で始まります", "the title screen")
        root = None
        s.wait_until(lambda: program_root() is not None, "the program on the accessibility bus")
        root = program_root()
        reveal_debug_item(s, root)
        play_to_goal(s, root)
        back_to_title(s, root)
        play_to_game_over(s, root)
        leave(s)
        play_in_english(s)
        warnings = [line for line in s.program_output().splitlines()
                    if line.strip() and not line.startswith(BRIDGE_TIMEOUT)]
        if warnings:
            raise Failure("the program printed:\n" + "\n".join(warnings))
    except Failure as failure:
        print("screen-reader: FAIL: %s" % failure, file=sys.stderr)
        print("screen-reader: program output:\n" + s.program_output(), file=sys.stderr)
        return 1
    finally:
        s.stop()
    print("screen-reader: Orca spoke every turn, both endings, the quit question and the farewell")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
