"""The course as the program builds it (printed by the built tool coursedump),
and where a game set up through the debug dialog must go on it."""

import subprocess

WALK_ROW = 1
# A lucky square's number: 0 lowers the drum's arrow, 1 slows the drum, 2 both.
LUCKY_LOWERS_ARROW = (0, 2)
ARROW_BOTTOM_ROW = 2

# The square kinds as coursedump names them, and the letters used in logs.
KIND_LETTER = {"start": "S", "goal": "G", "remark": "R", "lucky": "L", "stamina": "U",
               "further": "F", "back": "B", "empty": "E"}


class Course:
    def __init__(self, coursedump):
        out = subprocess.run([coursedump], check=True, capture_output=True, text=True).stdout
        self.entries = {}
        self.goal = None
        for line in out.splitlines():
            if line.startswith("#"):
                self.goal = int(line.split("goal square ")[1].split(",")[0])
                continue
            square, row, kind, param = line.split()
            self.entries[(int(square), int(row))] = (kind, int(param))
        if self.goal is None or not self.entries:
            raise RuntimeError(f"{coursedump} printed no course")
        self.last = max(square for square, _ in self.entries)

    def kind(self, square, row=WALK_ROW):
        return self.entries.get((square, row), ("empty", 0))[0]

    def param(self, square, row=WALK_ROW):
        return self.entries.get((square, row), ("empty", 0))[1]

    def letter(self, square):
        return KIND_LETTER[self.kind(square)]


class Plan:
    """The rests, events and ending of one game whose drum always stops at
    `drum`: a list of turns, each the squares she rests on and what she takes
    there, and the result on the last square."""

    def __init__(self, course, start, stamina, drum, arrow):
        self.course = course
        self.rests = []          # (square, kind, arrow row at rest, arrow row after its event)
        self.results = []        # "over", "goal" or both, in the order they come
        self.end_square = None
        self.turns = 0
        square, arrow = start, arrow
        while True:
            kind = course.kind(square)
            at_rest = arrow
            if kind in ("further", "back"):
                step = 1 if kind == "further" else -1
                self.rests.append((square, kind, at_rest, arrow))
                square, stamina = self._walk(square, step, course.param(square), stamina)
            else:
                if kind == "stamina":
                    stamina += course.param(square)
                if kind == "lucky" and course.param(square) in LUCKY_LOWERS_ARROW:
                    arrow = min(arrow + 1, ARROW_BOTTOM_ROW)
                self.rests.append((square, kind, at_rest, arrow))
                self.turns += 1
                square, stamina = self._walk(square, 1, drum, stamina)
            if self.results:
                self.end_square = square
                return
            if len(self.rests) > 200:
                raise RuntimeError("the planned game does not end")

    def _walk(self, square, step, count, stamina):
        for _ in range(count):
            square += step
            stamina -= 1
            if stamina <= 0:
                self.results.append("over")
            if square >= self.course.goal:
                self.results.append("goal")
            if self.results:
                break
        return square, stamina
