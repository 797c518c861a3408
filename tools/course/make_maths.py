#!/usr/bin/env python3
"""Writes the Mathematics papers of the course and their figures.

    python3 tools/course/make_maths.py [OUTPUT_DIR]

Without OUTPUT_DIR the papers go to resources/course/maths beside this tool.
Each paper is drawn from its own seeded random generator, so running the
program again gives the same files: they change only when the templates here
change. Every arithmetic key is worked out here from the sum written beside it
(`= ...`), which the course tool works out again when it builds the course.
"""

import math
import os
import random
import re
import sys
from dataclasses import dataclass, field
from fractions import Fraction

TOPICS = ["Whole Numbers", "Decimals", "Fractions", "Measurement",
          "Geometry and Data", "Mock Examination"]
BLANKS_PER_PAPER = 20
# Blanks on each page; every topic uses each layout once.
LAYOUTS = [[1] * 20, [5] * 4, [2] * 10, [10] * 2, [4] * 5]

NAMES = ["Sam", "Mia", "Ravi", "Lucy", "Tom", "Aisha", "Ben", "Zara", "Leo",
         "Grace", "Omar", "Isla", "Jack", "Priya", "Noah", "Ella", "Kofi", "Ruby"]


# ---------------------------------------------------------------- numbers

def evaluate(expr):
    """The exact value of a sum made of numbers, + - * / and brackets."""
    tokens = re.findall(r"\d+(?:\.\d+)?|[-+*/()]|\S", expr)
    pos = 0

    def peek():
        return tokens[pos] if pos < len(tokens) else None

    def take():
        nonlocal pos
        pos += 1
        return tokens[pos - 1]

    def factor():
        token = take()
        if token == "(":
            value = total()
            if take() != ")":
                raise ValueError(f"missing ) in {expr!r}")
            return value
        if not re.fullmatch(r"\d+(?:\.\d+)?", token):
            raise ValueError(f"unexpected {token!r} in {expr!r}")
        return Fraction(token)

    def product():
        value = factor()
        while peek() in ("*", "/"):
            value = value * factor() if take() == "*" else value / factor()
        return value

    def total():
        value = product()
        while peek() in ("+", "-"):
            value = value + product() if take() == "+" else value - product()
        return value

    value = total()
    if pos != len(tokens):
        raise ValueError(f"trailing {tokens[pos]!r} in {expr!r}")
    return value


def dec(value):
    """A terminating value as a plain decimal without trailing zeros."""
    value = Fraction(value)
    places = 0
    while (value * 10 ** places).denominator != 1:
        places += 1
        if places > 6:
            raise ValueError(f"{value} is not a short decimal")
    scaled = abs(value * 10 ** places).numerator
    sign = "-" if value < 0 else ""
    if places == 0:
        return f"{sign}{scaled}"
    digits = str(scaled).rjust(places + 1, "0")
    return f"{sign}{digits[:-places]}.{digits[-places:]}".rstrip("0").rstrip(".")


def money(value):
    """Pounds as written on a price ticket: 3.50, 12.05."""
    pence = Fraction(value) * 100
    assert pence.denominator == 1, value
    return f"{pence.numerator // 100}.{pence.numerator % 100:02d}"


def frac(value):
    """A fraction in its simplest form, as a mixed number when above 1."""
    value = Fraction(value)
    if value.denominator == 1 or value <= 0:
        raise ValueError(f"{value} is not a fraction")
    whole, part = divmod(value.numerator, value.denominator)
    text = f"{part}/{value.denominator}"
    return f"{whole} {text}" if whole else text


def listed(values):
    """4, 7, 9 and 12"""
    values = [str(v) for v in values]
    return ", ".join(values[:-1]) + " and " + values[-1]


ONES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight",
        "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen",
        "sixteen", "seventeen", "eighteen", "nineteen"]
TENS = ["", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy",
        "eighty", "ninety"]


def words(n):
    """A whole number below a million in words, the British way."""
    def below_hundred(n):
        if n < 20:
            return ONES[n]
        tens, ones = divmod(n, 10)
        return TENS[tens] + ("-" + ONES[ones] if ones else "")

    def below_thousand(n):
        hundreds, rest = divmod(n, 100)
        if not hundreds:
            return below_hundred(rest)
        text = ONES[hundreds] + " hundred"
        return text + (" and " + below_hundred(rest) if rest else "")

    thousands, rest = divmod(n, 1000)
    if not thousands:
        return below_thousand(rest)
    text = below_thousand(thousands) + " thousand"
    if rest == 0:
        return text
    if rest < 100:
        return text + " and " + below_hundred(rest)
    return text + " " + below_thousand(rest)


def is_prime(n):
    return n > 1 and all(n % d for d in range(2, math.isqrt(n) + 1))


def factors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


# ---------------------------------------------------------------- items

@dataclass
class Blank:
    question: str
    key: str
    kind: str
    marks: int
    expr: str = ""
    size = 1

    def line(self):
        parts = [self.question, self.key, self.kind, str(self.marks)]
        if self.expr:
            parts.append("= " + self.expr)
        return "blank: " + " | ".join(parts)


@dataclass
class Group:
    question: str
    keys: list
    marks: int
    size: int

    def line(self):
        return "group: " + " | ".join(
            [self.question, ";".join(self.keys), "G", str(self.marks), str(self.size)])


def num(question, expr, marks):
    """A number worked out from its sum."""
    return Blank(question, dec(evaluate(expr)), "N", marks, expr)


def num_read(question, value, marks):
    """A number read, chosen or rounded rather than worked out."""
    return Blank(question, dec(value), "N", marks)


def fraction(question, expr, marks):
    return Blank(question, frac(evaluate(expr)), "F", marks, expr)


def improper(question, expr, marks):
    """A fraction left top-heavy, as the question asks for."""
    value = evaluate(expr)
    assert value.denominator != 1
    return Blank(question, f"{value.numerator}/{value.denominator}", "F", marks, expr)


def fraction_read(question, value, marks):
    return Blank(question, frac(value), "F", marks)


def word(question, key, marks):
    assert re.fullmatch(r"[a-z]+", key), key
    return Blank(question, key, "T", marks)


def group(question, keys, count, marks=1):
    keys = [str(k) for k in keys]
    assert len(keys) >= count and len(set(keys)) == len(keys), (question, keys)
    return Group(question, keys, marks, count)


# ---------------------------------------------------------------- figures

INK = "#2b2b2b"
SHADE = "#4f86c6"
PALE = "#e6eef8"
GRID = "#c8c8c8"
BAR = "#e39b3c"


def svg_doc(width, height, parts):
    body = "".join("  " + part + "\n" for part in parts)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}" '
            f'font-family="DejaVu Sans" font-size="14" fill="{INK}">\n'
            f'  <rect x="0" y="0" width="{width}" height="{height}" fill="#ffffff"/>\n'
            f"{body}</svg>\n")


def n1(x):
    return dec(Fraction(round(x * 10), 10))


def text(x, y, content, size=14, anchor="middle", bold=False, extra=""):
    weight = ' font-weight="bold"' if bold else ""
    return (f'<text x="{n1(x)}" y="{n1(y)}" font-size="{size}" '
            f'text-anchor="{anchor}"{weight}{extra}>{content}</text>')


def line(x1, y1, x2, y2, width=2, dashed=False, colour=INK):
    dash = ' stroke-dasharray="6 4"' if dashed else ""
    return (f'<line x1="{n1(x1)}" y1="{n1(y1)}" x2="{n1(x2)}" y2="{n1(y2)}" '
            f'stroke="{colour}" stroke-width="{width}"{dash}/>')


def polygon(points, fill=PALE, width=2):
    coords = " ".join(f"{n1(x)},{n1(y)}" for x, y in points)
    return (f'<polygon points="{coords}" fill="{fill}" stroke="{INK}" '
            f'stroke-width="{width}" stroke-linejoin="round"/>')


def fraction_bars_svg(bars):
    """bars: (label, parts, shaded) rows, the shaded parts on the left."""
    left, width, height, gap, top = 40, 250, 34, 16, 12
    parts = []
    for row, (label, count, shaded) in enumerate(bars):
        y = top + row * (height + gap)
        parts.append(text(18, y + height / 2 + 6, label, 18, bold=True))
        for i in range(count):
            x = left + i * width / count
            fill = SHADE if i < shaded else "#ffffff"
            parts.append(f'<rect x="{n1(x)}" y="{y}" width="{n1(width / count)}" '
                         f'height="{height}" fill="{fill}" stroke="{INK}" stroke-width="1.5"/>')
    total = 2 * top + len(bars) * height + (len(bars) - 1) * gap
    return svg_doc(300, total, parts)


def rectangle_svg(label, length, width, unit):
    scale = min(170 / length, 100 / width)
    w, h = length * scale, width * scale
    x0, y0 = 40 + (170 - w) / 2, 38
    corner = 10
    parts = [f'<rect x="{n1(x0)}" y="{y0}" width="{n1(w)}" height="{n1(h)}" '
             f'fill="{PALE}" stroke="{INK}" stroke-width="2"/>']
    for cx, cy, dx, dy in [(x0, y0, 1, 1), (x0 + w, y0, -1, 1),
                           (x0, y0 + h, 1, -1), (x0 + w, y0 + h, -1, -1)]:
        parts.append(f'<polyline points="{n1(cx + dx * corner)},{n1(cy)} '
                     f'{n1(cx + dx * corner)},{n1(cy + dy * corner)} {n1(cx)},{n1(cy + dy * corner)}" '
                     f'fill="none" stroke="{INK}" stroke-width="1"/>')
    parts.append(text(x0 + w / 2, y0 - 10, f"{length} {unit}", 15))
    parts.append(text(x0 + w + 8, y0 + h / 2 + 5, f"{width} {unit}", 15, anchor="start"))
    parts.append(text(x0 + w / 2, y0 + h / 2 + 8, label, 22, bold=True))
    return svg_doc(300, int(y0 + h + 20), parts)


def regular_polygon_svg(label, sides):
    cx, cy, r = 110, 92, 72
    points = [(cx + r * math.sin(2 * math.pi * i / sides),
               cy - r * math.cos(2 * math.pi * i / sides)) for i in range(sides)]
    return svg_doc(220, 200, [polygon(points), text(cx, 192, label, 20, bold=True)])


def triangle_svg(letters, angles, known):
    """A triangle drawn to its angles; the angles in known are written in,
    the others marked with a question mark."""
    a, b = math.radians(angles[0]), math.radians(angles[1])
    side = math.sin(b) / math.sin(a + b)
    raw = [(0.0, 0.0), (1.0, 0.0), (side * math.cos(a), -side * math.sin(a))]
    xs, ys = [x for x, _ in raw], [y for _, y in raw]
    scale = min(220 / (max(xs) - min(xs)), 150 / (max(ys) - min(ys)))
    width = (max(xs) - min(xs)) * scale
    pts = [(150 - width / 2 + (x - min(xs)) * scale, 32 + (y - min(ys)) * scale) for x, y in raw]
    parts = [polygon(pts)]
    gx, gy = sum(x for x, _ in pts) / 3, sum(y for _, y in pts) / 3
    for i, (vx, vy) in enumerate(pts):
        ends = [pts[j] for j in range(3) if j != i]
        units = []
        for ex, ey in ends:
            length = math.hypot(ex - vx, ey - vy)
            units.append(((ex - vx) / length, (ey - vy) / length))
        (ux, uy), (wx, wy) = units
        r = 14
        if angles[i] == 90 and i in known:
            # A given right angle is marked with a square, as in a textbook;
            # an unknown one keeps its arc so the mark does not tell.
            corner = [(vx + 12 * ux, vy + 12 * uy), (vx + 12 * (ux + wx), vy + 12 * (uy + wy)),
                      (vx + 12 * wx, vy + 12 * wy)]
            parts.append(f'<polyline points="{" ".join(f"{n1(x)},{n1(y)}" for x, y in corner)}" '
                         f'fill="none" stroke="{INK}" stroke-width="1.2"/>')
        else:
            sweep = 1 if ux * wy - uy * wx > 0 else 0
            parts.append(f'<path d="M {n1(vx + r * ux)} {n1(vy + r * uy)} '
                         f'A {r} {r} 0 0 {sweep} {n1(vx + r * wx)} {n1(vy + r * wy)}" '
                         f'fill="none" stroke="{INK}" stroke-width="1.2"/>')
        bx, by = ux + wx, uy + wy
        bl = math.hypot(bx, by)
        # Far enough along the bisector for the label to clear both sides.
        dist = min(80, 15 / math.sin(math.radians(angles[i]) / 2) + 8)
        tx, ty = vx + dist * bx / bl, vy + dist * by / bl
        label = f"{angles[i]}&#176;" if i in known else "?"
        parts.append(text(tx, ty + 5, label, 14, bold=i not in known))
        ox, oy = vx - gx, vy - gy
        ol = math.hypot(ox, oy)
        parts.append(text(vx + 16 * ox / ol, vy + 16 * oy / ol + 6, letters[i], 16, bold=True))
    return svg_doc(300, 212, parts)


def bar_chart_svg(title, x_title, y_title, labels, values, step):
    top_value = (max(values) // step + 1) * step
    x0, x1, y0, y1 = 56, 312, 34, 190
    parts = [text((x0 + x1) / 2, 20, title, 14, bold=True)]
    for v in range(0, top_value + 1, step):
        y = y1 - (y1 - y0) * v / top_value
        parts.append(line(x0, y, x1, y, 1, colour=GRID))
        parts.append(text(x0 - 6, y + 4, str(v), 11, anchor="end"))
    slot = (x1 - x0) / len(values)
    for i, (label, value) in enumerate(zip(labels, values)):
        h = (y1 - y0) * value / top_value
        x = x0 + i * slot + slot * 0.2
        parts.append(f'<rect x="{n1(x)}" y="{n1(y1 - h)}" width="{n1(slot * 0.6)}" '
                     f'height="{n1(h)}" fill="{BAR}" stroke="{INK}" stroke-width="1"/>')
        parts.append(text(x0 + (i + 0.5) * slot, y1 + 16, label, 11))
    parts.append(line(x0, y0 - 4, x0, y1, 1.5))
    parts.append(line(x0, y1, x1, y1, 1.5))
    parts.append(text(x0 + (x1 - x0) / 2, y1 + 36, x_title, 12, bold=True))
    parts.append(text(16, (y0 + y1) / 2, y_title, 12, bold=True,
                      extra=f' transform="rotate(-90 16 {n1((y0 + y1) / 2)})"'))
    return svg_doc(320, 236, parts)


def number_line_svg(start, step, arrows):
    """A line of ten steps labelled at both ends and the middle; arrows are
    (letter, tick) pairs."""
    step = Fraction(step)
    x0, x1, y = 24, 296, 58
    parts = [line(x0, y, x1, y, 2)]
    for i in range(11):
        x = x0 + (x1 - x0) * i / 10
        major = i in (0, 5, 10)
        parts.append(line(x, y - (9 if major else 6), x, y + (9 if major else 6), 2 if major else 1.5))
        if major:
            value = start + step * i
            # Hundredths read more easily when every label shows them.
            label = f"{float(value):.2f}" if step.denominator == 100 else dec(value)
            parts.append(text(x, y + 27, label, 14))
    for letter, tick in arrows:
        x = x0 + (x1 - x0) * tick / 10
        parts.append(polygon([(x - 6, y - 24), (x + 6, y - 24), (x, y - 12)], fill=SHADE, width=1))
        parts.append(text(x, y - 30, letter, 15, bold=True))
    return svg_doc(320, 94, parts)


# Each solid: its corners and its edges, hidden edges dashed.
SOLIDS = {
    "cube": ([(40, 172), (130, 172), (130, 82), (40, 82),
              (85, 137), (175, 137), (175, 47), (85, 47)],
             [(0, 1), (1, 2), (2, 3), (3, 0), (3, 7), (2, 6), (7, 6), (1, 5), (5, 6)],
             [(4, 5), (4, 7), (0, 4)]),
    "cuboid": ([(25, 172), (145, 172), (145, 107), (25, 107),
                (75, 137), (195, 137), (195, 72), (75, 72)],
               [(0, 1), (1, 2), (2, 3), (3, 0), (3, 7), (2, 6), (7, 6), (1, 5), (5, 6)],
               [(4, 5), (4, 7), (0, 4)]),
    "square-based pyramid": ([(30, 172), (140, 172), (190, 132), (80, 132), (110, 30)],
                             [(0, 1), (1, 2), (4, 0), (4, 1), (4, 2)],
                             [(2, 3), (3, 0), (4, 3)]),
    "triangular prism": ([(25, 172), (115, 172), (70, 97), (115, 132), (205, 132), (160, 57)],
                         [(0, 1), (1, 2), (2, 0), (2, 5), (1, 4), (4, 5)],
                         [(0, 3), (3, 4), (3, 5)]),
}
SOLID_COUNTS = {"cube": (6, 12, 8), "cuboid": (6, 12, 8),
                "square-based pyramid": (5, 8, 5), "triangular prism": (5, 9, 6)}


def solid_svg(label, solid):
    corners, seen, hidden = SOLIDS[solid]
    parts = [line(*corners[a], *corners[b], 1.5, dashed=True) for a, b in hidden]
    parts += [line(*corners[a], *corners[b], 2.5) for a, b in seen]
    parts.append(text(110, 198, label, 20, bold=True))
    return svg_doc(230, 206, parts)


# ---------------------------------------------------------------- papers

class Paper:
    """One paper being drawn: its random source, figures and the questions
    it already holds, so no question is asked twice."""

    def __init__(self, number):
        self.number = number
        self.rng = random.Random(7919 * number + 104729)
        self.figures = []
        self.page_images = []
        self.counters = {}
        self.questions = set()
        self.charts_used = []
        self.shapes = []
        self.drawn = set()
        self.page_subjects = set()
        self.strict = True

    def figure(self, svg):
        name = f"paper{self.number:02d}-fig{len(self.figures) + 1}.svg"
        self.figures.append((name, svg))
        self.page_images.append(name)
        return name

    def new_subject(self, subject):
        """False for a shape already drawn in this paper or asked about on
        this page, so one question does not give another away; allowed
        again once the page runs short of other questions."""
        if self.strict and (subject in self.drawn or subject in self.page_subjects):
            return False
        self.page_subjects.add(subject)
        return True

    def letters(self, family, count):
        start = self.counters.get(family, 0)
        self.counters[family] = start + count
        if start + count > 26:
            return None
        return [chr(ord("A") + start + i) for i in range(count)]


@dataclass
class Theme:
    instruction: str
    fillers: list = field(default_factory=list)
    lead: object = None
    # How often a page of this theme opens with its figure.
    lead_chance: float = 1.0


@dataclass
class Page:
    instruction: str
    items: list
    images: list


def shape_of(question):
    """The question with its numbers and names taken out; a story is known
    by its opening words."""
    shape = re.sub(r"\d+(?:\.\d+)?|\b(two|three)\b", "#", question)
    for name in NAMES:
        shape = shape.replace(name, "@")
    return " ".join(shape.split()[:6]) if len(question) > 45 else shape


def too_alike(paper, page_shapes, question):
    """A story is told once on a page and twice in a paper; a bare sum may
    come back as drill, but not more than three times on a page."""
    shape = shape_of(question)
    if len(question) > 45:
        return shape in page_shapes or paper.shapes.count(shape) >= 2
    return page_shapes.count(shape) >= 3


def build_page(paper, theme, room):
    paper.page_images = []
    paper.page_subjects = set()
    paper.strict = True
    items = []
    if theme.lead and (theme.lead_chance == 1 or paper.rng.random() < theme.lead_chance):
        items = theme.lead(paper, room)
        for item in items:
            assert item.question not in paper.questions, item.question
            paper.questions.add(item.question)
    fillers = list(theme.fillers)
    paper.rng.shuffle(fillers)
    page_shapes = []
    turn = misses = 0
    while sum(item.size for item in items) < room:
        if not fillers or misses > 600:
            raise RuntimeError(f"paper {paper.number}: cannot fill a page of {room} "
                               f"for '{theme.instruction}'")
        filler = fillers[turn % len(fillers)]
        turn += 1
        item = filler(paper, room - sum(i.size for i in items))
        if item is None or item.size > room - sum(i.size for i in items) \
                or item.question in paper.questions \
                or (paper.strict and too_alike(paper, page_shapes, item.question)):
            misses += 1
            paper.strict = misses < 300
            continue
        paper.questions.add(item.question)
        paper.shapes.append(shape_of(item.question))
        page_shapes.append(shape_of(item.question))
        items.append(item)
    instruction = theme.instruction
    if any(isinstance(item, Group) for item in items) and GROUP_NOTE not in instruction:
        instruction += " " + GROUP_NOTE
    return Page(instruction, items, paper.page_images)


# ---------------------------------------------------------------- whole numbers

def digits_number(r, count):
    digits = r.sample(range(10), count)
    if digits[0] == 0:
        digits[0], digits[1] = digits[1], digits[0]
    return digits


def wn_digit_value(p, room):
    r = p.rng
    digits = digits_number(r, r.randint(4, 6))
    number = int("".join(map(str, digits)))
    places = [pl for pl in range(1, len(digits)) if digits[-1 - pl] != 0]
    place = r.choice(places)
    digit = digits[-1 - place]
    return num(f"What is the value of the digit {digit} in {number}?",
               f"{digit} * {10 ** place}", 1)


def wn_words(p, room):
    r = p.rng
    size = r.choice([4, 5, 5, 6])
    digits = [r.randint(1, 9)] + [r.randint(0, 9) for _ in range(size - 1)]
    digits[r.randrange(1, size)] = 0
    number = int("".join(map(str, digits)))
    return num_read(f"Write {words(number)} in digits.", number, 2 if size == 6 else 1)


def wn_more_less(p, room):
    r = p.rng
    step = r.choice([10, 100, 1000, 10000])
    number = r.randint(2 * step, 99999)
    if r.random() < 0.5:
        # Cross a boundary, where slips happen.
        number = number - number % (10 * step) + 9 * step + r.randint(0, step - 1)
    if r.random() < 0.5:
        return num(f"What number is {step} more than {number}?", f"{number} + {step}", 1)
    return num(f"What number is {step} less than {number}?", f"{number} - {step}", 1)


def wn_digits_make(p, room):
    r = p.rng
    digits = r.sample(range(10), 4)
    shown = listed(sorted(digits))
    if r.random() < 0.5:
        largest = int("".join(map(str, sorted(digits, reverse=True))))
        return num_read(f"What is the largest number you can make with the digits {shown}, "
                        f"using each digit once?", largest, 1)
    ordered = sorted(digits)
    if ordered[0] == 0:
        ordered[0], ordered[1] = ordered[1], ordered[0]
    smallest = int("".join(map(str, ordered)))
    return num_read(f"What is the smallest four-digit number you can make with the digits "
                    f"{shown}, using each digit once?", smallest, 2 if 0 in digits else 1)


def wn_order(p, room):
    r = p.rng
    digits = digits_number(r, 4)
    numbers = set()
    while len(numbers) < 4:
        rest = digits[1:]
        r.shuffle(rest)
        numbers.add(int("".join(map(str, [digits[0]] + rest))))
    numbers = sorted(numbers)
    r.shuffle(numbers)
    which = r.choice(["largest", "smallest"])
    value = max(numbers) if which == "largest" else min(numbers)
    return num_read(f"Which is the {which} of these numbers: {', '.join(map(str, numbers))}?",
                    value, 1)


def number_line_lead(p, room, decimal):
    r = p.rng
    if decimal:
        start, step = r.choice([(0, Fraction(1, 10)), (r.randint(1, 9), Fraction(1, 10)),
                                (Fraction(r.randint(10, 99), 10), Fraction(1, 100))])
    else:
        step = r.choice([1, 10, 100, 1000, 5, 50])
        start = r.randint(0, 9) * step * 10
    count = min(room, r.choice([1, 2, 2, 3]))
    letters = p.letters("arrow", count)
    if letters is None:
        return []
    ticks = sorted(r.sample([1, 2, 3, 4, 6, 7, 8, 9], count))
    p.figure(number_line_svg(start, step, list(zip(letters, ticks))))
    marks = 2 if step == Fraction(1, 100) else 1
    return [num_read(f"What number is arrow {letter} pointing to?", start + step * tick, marks)
            for letter, tick in zip(letters, ticks)]


def wn_round(p, room):
    r = p.rng
    place, name = r.choice([(10, "ten"), (100, "hundred"), (1000, "thousand"),
                            (10000, "ten thousand")])
    number = r.randint(place + 1, min(place * 100, 999999))
    if number % place in (0, place // 2):
        return None
    rounded = (number + place // 2) // place * place
    return num_read(f"Round {number} to the nearest {name}.", rounded, 2 if place == 10000 else 1)


def wn_round_group(p, room):
    r = p.rng
    count = r.choice([2, 2, 3])
    if room < count:
        return None
    place, name = r.choice([(10, "ten"), (100, "hundred"), (1000, "thousand")])
    target = r.randint(2, 9) * place * r.choice([1, 10])
    half = place // 2

    def near(centre):
        while True:
            n = centre + r.randint(-half + 1, half - 1)
            if n != centre:
                return n

    hits = set()
    while len(hits) < count:
        hits.add(near(target))
    misses = set()
    while len(misses) < 5 - count:
        misses.add(near(target + r.choice([-place, place])))
    shown = sorted(hits | misses)
    r.shuffle(shown)
    return group(f"Which {COUNTS[count]} of these numbers round to {target} to the nearest "
                 f"{name}: {', '.join(map(str, shown))}?", sorted(hits), count)


def wn_add(p, room):
    r = p.rng
    a, b = r.randint(1000, 8999), r.randint(100, 8999)
    return num(f"{a} + {b} =", f"{a} + {b}", 1 if a + b < 10000 else 2)


def wn_sub(p, room):
    r = p.rng
    a = r.randint(1000, 9999)
    b = r.randint(100, a - 100)
    return num(f"{a} - {b} =", f"{a} - {b}", 1 if a % 1000 else 2)


def wn_make_up(p, room):
    r = p.rng
    total = r.choice([100, 1000, 1000, 10000])
    part = r.randint(total // 10 + 1, total - 1)
    if part % 10 == 0:
        part += r.randint(1, 9)
    return num(f"What number must be added to {part} to make {total}?", f"{total} - {part}", 1)


ADD_STORIES = [
    ("A library had {a} books and bought {b} more. How many books does it have now?", "+"),
    ("{a} people watched a football match on Saturday and {b} on Sunday. "
     "How many people watched altogether?", "+"),
    ("A plane flew {a} km on Monday and {b} km on Tuesday. "
     "How many kilometres did it fly in total?", "+"),
    ("A farmer had {a} sheep and sold {b} of them. How many sheep are left?", "-"),
    ("A school raised {a} pounds and spent {b} pounds on new books. "
     "How many pounds are left?", "-"),
    ("A shop had {a} pencils and sold {b} of them. How many pencils are left?", "-"),
    ("A town has {a} houses. {b} of them have a garden. "
     "How many houses do not have a garden?", "-"),
    ("A baker made {a} rolls in the morning and {b} in the afternoon. "
     "How many rolls did the baker make that day?", "+"),
]


def wn_add_story(p, room):
    r = p.rng
    story, sign = r.choice(ADD_STORIES)
    a, b = r.randint(1200, 6999), r.randint(150, 1199)
    return num(story.format(a=a, b=b), f"{a} {sign} {b}", 2)


def wn_temperature(p, room):
    r = p.rng
    if r.random() < 0.5:
        a, b = r.randint(1, 9), r.randint(10, 15)
        return num(f"The temperature was {a} °C. It fell by {b} degrees. "
                   f"What is the temperature now, in °C?", f"{a} - {b}", 2)
    a, b = r.randint(2, 9), r.randint(3, 14)
    return num(f"The temperature was -{a} °C. It rose by {b} degrees. "
               f"What is the temperature now, in °C?", f"{b} - {a}", 2)


def wn_mul_short(p, room):
    r = p.rng
    a, b = r.randint(23, 489), r.randint(3, 9)
    return num(f"{a} × {b} =", f"{a} * {b}", 1 if a < 100 else 2)


def wn_mul_long(p, room):
    r = p.rng
    a, b = r.randint(21, 98), r.randint(12, 49)
    if a % 10 == 0 or b % 10 == 0:
        return None
    return num(f"{a} × {b} =", f"{a} * {b}", 2)


def wn_div(p, room):
    r = p.rng
    b = r.randint(3, 9)
    q = r.randint(14, 150)
    return num(f"{b * q} ÷ {b} =", f"{b * q} / {b}", 1 if q < 100 else 2)


def wn_remainder(p, room):
    r = p.rng
    b = r.randint(3, 9)
    a = b * r.randint(5, 30) + r.randint(1, b - 1)
    return num(f"What is the remainder when {a} is divided by {b}?", f"{a} - {a // b} * {b}", 1)


def wn_order_of_operations(p, room):
    r = p.rng
    a, b, c = r.randint(2, 12), r.randint(2, 9), r.randint(2, 9)
    shapes = [(f"{a} + {b} × {c} =", f"{a} + {b} * {c}"),
              (f"({a} + {b}) × {c} =", f"({a} + {b}) * {c}"),
              (f"{b * c + a} - {b} × {c} =", f"{b * c + a} - {b} * {c}"),
              (f"{a} × {b} - {c} =", f"{a} * {b} - {c}")]
    question, expr = r.choice(shapes)
    return num(question, expr, 2)


def wn_mul_story(p, room):
    r = p.rng
    kind = r.randrange(4)
    if kind == 0:
        a, b = r.randint(12, 35), r.randint(12, 30)
        return num(f"A hall has {a} rows of {b} chairs. How many chairs are there altogether?",
                   f"{a} * {b}", 2)
    if kind == 1:
        b, k = r.randint(6, 24), r.randint(4, 9)
        return num(f"A box holds {b} pencils. How many pencils are there in {k} boxes?",
                   f"{b} * {k}", 1)
    if kind == 2:
        k, q = r.randint(3, 8), r.randint(12, 45)
        return num(f"{k * q} stickers are shared equally between {k} children. "
                   f"How many stickers does each child get?", f"{k * q} / {k}", 1)
    size = r.choice([6, 8, 12])
    eggs = size * r.randint(5, 15) + r.randint(1, size - 1)
    full = eggs // size
    left = eggs - full * size
    return num(f"Eggs are packed in boxes of {size}. How many boxes are needed to hold "
               f"{eggs} eggs?", f"({eggs} - {left}) / {size} + 1", 3)


def wn_square(p, room):
    r = p.rng
    a = r.randint(4, 15)
    if r.random() < 0.6:
        return num(f"What is {a} squared?", f"{a} * {a}", 1)
    low = r.randint(4, 12) ** 2 - r.randint(1, 3)
    high = low + r.randint(5, 9)
    squares = [n * n for n in range(1, 20) if low < n * n < high]
    if len(squares) != 1:
        return None
    return num_read(f"Which square number lies between {low} and {high}?", squares[0], 1)


COUNTS = {2: "two", 3: "three"}


def fm_factor_group(p, room):
    r = p.rng
    n = r.choice([12, 16, 18, 20, 24, 28, 30, 32, 36, 40, 42, 44, 45, 48, 50, 54, 60])
    options = factors(n)[1:-1]
    count = 3 if len(options) >= 6 and room >= 3 and r.random() < 0.4 else 2
    if room < count:
        return None
    name = COUNTS[count]
    return group(f"Write {name} factors of {n} other than 1 and {n}.", options, count)


def fm_multiple_group(p, room):
    r = p.rng
    if room < 2:
        return None
    m = r.randint(3, 9)
    low = r.randint(2, 8) * m + r.randint(1, m - 1)
    high = low + r.randint(2 * m, 4 * m)
    if high % m == 0:
        high += 1
    options = [n for n in range(low + 1, high) if n % m == 0]
    return group(f"Write two multiples of {m} between {low} and {high}.", options, 2)


def fm_prime_group(p, room):
    r = p.rng
    low = r.choice([10, 20, 30, 40, 50, 60, 70, 80])
    high = low + 10
    primes = [n for n in range(low + 1, high) if is_prime(n)]
    count = len(primes)
    if count <= 3 and count <= room and r.random() < 0.6:
        name = COUNTS[count]
        return group(f"Write the {name} prime numbers between {low} and {high}.", primes, count)
    if room < 2 or count < 2:
        return None
    return group(f"Write two prime numbers between {low} and {high}.", primes, 2)


def fm_common_factor_group(p, room):
    r = p.rng
    a, b = r.sample([12, 16, 18, 20, 24, 27, 28, 30, 32, 36, 40, 42, 45, 48], 2)
    common = [d for d in factors(a) if b % d == 0 and d > 1]
    if not 2 <= len(common) <= 3 or len(common) > room:
        return None
    name = COUNTS[len(common)]
    return group(f"Write the {name} common factors of {a} and {b} that are greater than 1.",
                 common, len(common))


def fm_hcf_lcm(p, room):
    r = p.rng
    a, b = r.sample([4, 6, 8, 9, 10, 12, 15, 16, 18, 20, 24], 2)
    if r.random() < 0.5:
        hcf = math.gcd(a, b)
        if hcf == 1:
            return None
        return num_read(f"What is the highest common factor of {a} and {b}?", hcf, 2)
    lcm = a * b // math.gcd(a, b)
    if lcm > 72 or lcm in (a, b):
        return None
    return num_read(f"What is the lowest common multiple of {a} and {b}?", lcm, 2)


def fm_count_factors(p, room):
    n = p.rng.choice([12, 15, 16, 18, 20, 24, 28, 30, 36, 40, 45, 48])
    return num_read(f"How many factors does {n} have, counting 1 and {n}?", len(factors(n)), 2)


def fm_next_prime(p, room):
    n = p.rng.randint(20, 95)
    nxt = n + 1
    while not is_prime(nxt):
        nxt += 1
    return num_read(f"What is the smallest prime number greater than {n}?", nxt, 1)


def fm_is_prime(p, room):
    r = p.rng
    if r.random() < 0.5:
        n = r.choice([n for n in range(20, 100) if is_prime(n)])
    else:
        n = r.choice([n for n in range(21, 100, 2) if not is_prime(n) and n % 5])
    return word(f"Is {n} a prime number? Write yes or no.", "yes" if is_prime(n) else "no", 1)


def fm_odd_even(p, room):
    r = p.rng
    a, b = r.randint(120, 990), r.randint(120, 990)
    if r.random() < 0.5:
        return word(f"Is the sum of {a} and {b} odd or even?",
                    "even" if (a + b) % 2 == 0 else "odd", 1)
    a, b = r.randint(11, 49), r.randint(11, 49)
    return word(f"Is the product of {a} and {b} odd or even?",
                "even" if (a * b) % 2 == 0 else "odd", 1)


# ---------------------------------------------------------------- decimals

def decimal_number(r, low, high, places):
    scale = 10 ** places
    return Fraction(r.randint(low * scale, high * scale), scale)


def dec_add(p, room):
    r = p.rng
    a = decimal_number(r, 1, 20, r.choice([1, 2]))
    b = decimal_number(r, 0, 20, r.choice([1, 2]))
    if b == 0 or a.denominator == 1 or b.denominator == 1:
        return None
    marks = 1 if a.denominator == b.denominator else 2
    return num(f"{dec(a)} + {dec(b)} =", f"{dec(a)} + {dec(b)}", marks)


def dec_sub(p, room):
    r = p.rng
    a = decimal_number(r, 2, 20, r.choice([1, 2]))
    b = decimal_number(r, 0, int(a), r.choice([1, 2]))
    if b == 0 or b >= a or b.denominator == 1:
        return None
    marks = 1 if a.denominator == b.denominator else 2
    return num(f"{dec(a)} - {dec(b)} =", f"{dec(a)} - {dec(b)}", marks)


def dec_difference(p, room):
    r = p.rng
    a = decimal_number(r, 3, 12, 1)
    b = decimal_number(r, 1, int(a) - 1, 2)
    if b.denominator == 1 or b >= a:
        return None
    return num(f"How much greater is {dec(a)} than {dec(b)}?", f"{dec(a)} - {dec(b)}", 2)


def dec_make_whole(p, room):
    r = p.rng
    total = r.choice([1, 1, 10])
    part = decimal_number(r, 0, total - 1 if total > 1 else 0, r.choice([1, 2]))
    if part == 0 or part.denominator == 1:
        return None
    return num(f"What must be added to {dec(part)} to make {total}?", f"{total} - {dec(part)}", 1)


def dec_times_tens(p, room):
    r = p.rng
    power = r.choice([10, 100, 1000])
    if r.random() < 0.5:
        a = decimal_number(r, 0, 50, r.choice([1, 2]))
        if a == 0 or a.denominator == 1:
            return None
        return num(f"{dec(a)} × {power} =", f"{dec(a)} * {power}", 1)
    a = decimal_number(r, 1, 900, r.choice([0, 0, 1]))
    if power == 1000 and a.denominator != 1:
        return None
    return num(f"{dec(a)} ÷ {power} =", f"{dec(a)} / {power}", 1)


def dec_times_digit(p, room):
    r = p.rng
    a = decimal_number(r, 1, 12, r.choice([1, 1, 2]))
    b = r.randint(2, 9)
    if a.denominator == 1:
        return None
    return num(f"{dec(a)} × {b} =", f"{dec(a)} * {b}", 2)


def dec_divide_digit(p, room):
    r = p.rng
    b = r.randint(2, 9)
    q = decimal_number(r, 1, 9, 1)
    if q.denominator == 1:
        return None
    return num(f"{dec(q * b)} ÷ {b} =", f"{dec(q * b)} / {b}", 2)


def dec_digit_value(p, room):
    r = p.rng
    digits = digits_number(r, r.choice([3, 4]))
    places = r.choice([1, 2]) if len(digits) == 3 else 2
    value = Fraction(int("".join(map(str, digits))), 10 ** places)
    shown = dec(value)
    if len(shown.replace(".", "")) != len(digits):
        return None
    place = r.choice([k for k in range(1, places + 1) if digits[-1 - (places - k)] != 0])
    digit = digits[len(digits) - places + place - 1]
    return num(f"What is the value of the digit {digit} in {shown}? Write it as a decimal.",
               f"{digit} / {10 ** place}", 1)


def dec_from_fraction(p, room):
    r = p.rng
    d = r.choice([10, 100, 2, 4, 5, 20, 25, 50, 100])
    n = r.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        return None
    return num(f"Write {n}/{d} as a decimal.", f"{n} / {d}", 1 if d in (10, 100, 2) else 2)


def dec_order(p, room):
    r = p.rng
    a, b, c = r.sample(range(1, 10), 3)
    shapes = [f"0.{a}", f"0.{a}{b}", f"0.{b}{a}", f"0.{a}0{b}", f"0.0{a}{b}", f"0.{a}{b}{c}"]
    chosen = r.sample(shapes, 4)
    if len({Fraction(x) for x in chosen}) < 4:
        return None
    which = r.choice(["largest", "smallest"])
    values = [Fraction(x) for x in chosen]
    value = max(values) if which == "largest" else min(values)
    return num_read(f"Which is the {which} of these numbers: {', '.join(chosen)}?", value, 2)


def dec_compare_group(p, room):
    r = p.rng
    count = r.choice([2, 3])
    if room < count:
        return None
    limit = Fraction(r.randint(2, 8), 10)
    steps = [Fraction(n, d) for n in (1, 2, 3, 4, 5, 10, 20, 50) for d in (100, 1000)
             if Fraction(n, d) < limit]
    above, below = set(), set()
    while len(above) < count:
        above.add(limit + r.choice(steps))
    while len(below) < 5 - count:
        below.add(limit - r.choice(steps))
    shown = sorted(dec(v) for v in above | below)
    r.shuffle(shown)
    return group(f"Which {COUNTS[count]} of these numbers are greater than {dec(limit)}: "
                 f"{', '.join(shown)}?", sorted(dec(v) for v in above), count)


def dec_round(p, room):
    r = p.rng
    # Values half-way between the two answers are left out.
    if r.random() < 0.5:
        value = decimal_number(r, 1, 30, r.choice([2, 2, 3]))
        if (value * 10).denominator == 1 or value * 10 % 1 == Fraction(1, 2):
            return None
        rounded = Fraction(math.floor(value * 10 + Fraction(1, 2)), 10)
        return num_read(f"Round {dec(value)} to one decimal place.", rounded, 1)
    value = decimal_number(r, 1, 60, r.choice([1, 2]))
    if value.denominator == 1 or value % 1 == Fraction(1, 2):
        return None
    return num_read(f"Round {dec(value)} to the nearest whole number.",
                    math.floor(value + Fraction(1, 2)), 1)


def dec_round_money(p, room):
    r = p.rng
    pence = r.randint(101, 2999)
    if pence % 100 in (0, 50):
        return None
    return num_read(f"Round £{money(Fraction(pence, 100))} to the nearest pound. "
                    f"Give your answer in pounds.", (pence + 50) // 100, 1)


def whole_line_lead(p, room):
    return number_line_lead(p, room, False)


def decimal_line_lead(p, room):
    return number_line_lead(p, room, True)


# What things cost in the shop, in pence, so prices stay believable.
ITEMS = {"book": (399, 999), "pen": (45, 250), "sandwich": (150, 399), "drink": (60, 199),
         "comic": (120, 450), "ruler": (35, 150), "ball": (199, 899), "cake": (90, 350),
         "notebook": (99, 350), "torch": (299, 999), "puzzle": (450, 1299), "kite": (499, 1499)}


def price(r, low, high):
    return Fraction(r.randint(low * 20, high * 20) * 5, 100)


def item_price(r, item):
    low, high = ITEMS[item]
    return Fraction(r.randint(low, high), 100)


def money_total(p, room):
    r = p.rng
    name = r.choice(NAMES)
    first, second = r.sample(sorted(ITEMS), 2)
    a, b = item_price(r, first), item_price(r, second)
    return num(f"{name} buys a {first} for £{money(a)} and a {second} for £{money(b)}. "
               f"How much does {name} spend altogether? Give your answer in pounds.",
               f"{money(a)} + {money(b)}", 2)


def money_change(p, room):
    r = p.rng
    name = r.choice(NAMES)
    item = r.choice(sorted(ITEMS))
    cost = item_price(r, item)
    note = min(n for n in (5, 10, 20) if n > cost)
    return num(f"{name} pays for a {item} costing £{money(cost)} with a £{note} note. "
               f"How much change should {name} get? Give your answer in pounds.",
               f"{note} - {money(cost)}", 2)


def money_many(p, room):
    r = p.rng
    count, pence = r.randint(3, 9), r.randint(12, 95)
    things = r.choice(["apples", "pencils", "stickers", "rubbers", "oranges", "stamps"])
    return num(f"{count} {things} cost {pence}p each. What is the total cost? "
               f"Give your answer in pounds.", f"{count} * {pence} / 100", 2)


def money_pence(p, room):
    r = p.rng
    pence = r.randint(101, 999)
    if pence % 100 == 0:
        return None
    if r.random() < 0.5:
        return num(f"Write {pence}p in pounds.", f"{pence} / 100", 1)
    return num(f"How many pence are there in £{money(Fraction(pence, 100))}?",
               f"{money(Fraction(pence, 100))} * 100", 1)


def money_share(p, room):
    r = p.rng
    count = r.randint(2, 6)
    each = price(r, 1, 6)
    total = each * count
    return num(f"£{money(total)} is shared equally between {count} children. "
               f"How much does each child get? Give your answer in pounds.",
               f"{money(total)} / {count}", 2)


# ---------------------------------------------------------------- fractions

def simple_fraction(r, max_den=10):
    d = r.randint(2, max_den)
    n = r.randint(1, d - 1)
    if math.gcd(n, d) != 1:
        return None
    return n, d


def fraction_bars_lead(p, room):
    r = p.rng
    count = min(room, r.choice([2, 3, 4]) if room > 1 else 1)
    letters = p.letters("bar", count)
    if letters is None:
        return []
    bars, items = [], []
    for letter in letters:
        while True:
            parts = r.choice([3, 4, 5, 6, 8, 9, 10, 12])
            shaded = r.randint(1, parts - 1)
            if (parts, shaded) not in [(b[1], b[2]) for b in bars]:
                break
        bars.append((letter, parts, shaded))
        if r.random() < 0.7:
            items.append(fraction(f"What fraction of bar {letter} is shaded?",
                                  f"{shaded}/{parts}", 1 if math.gcd(shaded, parts) == 1 else 2))
        else:
            items.append(fraction(f"What fraction of bar {letter} is not shaded?",
                                  f"1 - {shaded}/{parts}", 2))
    p.figure(fraction_bars_svg(bars))
    return items


def fr_equivalent(p, room):
    r = p.rng
    base = simple_fraction(r)
    if base is None:
        return None
    a, b = base
    m = r.randint(2, 6)
    shape = r.randrange(3)
    if shape == 0:
        return num(f"Fill in the missing number: {a}/{b} = ?/{b * m}", f"{a} * {b * m} / {b}", 1)
    if shape == 1:
        return num(f"Fill in the missing number: {a}/{b} = {a * m}/?", f"{b} * {a * m} / {a}", 1)
    return num(f"Fill in the missing number: ?/{b * m} = {a}/{b}", f"{a} * {m}", 1)


def fr_simplify(p, room):
    r = p.rng
    base = simple_fraction(r, 12)
    if base is None:
        return None
    a, b = base
    m = r.randint(2, 6)
    return fraction(f"Write {a * m}/{b * m} in its simplest form.", f"{a * m}/{b * m}",
                    1 if m < 4 else 2)


def fr_from_decimal(p, room):
    r = p.rng
    value = r.choice([Fraction(n, 10) for n in range(1, 10)] +
                     [Fraction(1, 4), Fraction(3, 4), Fraction(1, 20), Fraction(3, 20),
                      Fraction(7, 20), Fraction(1, 25), Fraction(6, 25), Fraction(9, 50)])
    return fraction(f"Write {dec(value)} as a fraction in its simplest form.", dec(value),
                    1 if value.denominator <= 10 else 2)


def fr_compare(p, room):
    r = p.rng
    one, two = simple_fraction(r), simple_fraction(r)
    if one is None or two is None or one[1] == two[1]:
        return None
    x, y = Fraction(*one), Fraction(*two)
    if x == y:
        return None
    return fraction_read(f"Which is larger, {one[0]}/{one[1]} or {two[0]}/{two[1]}?",
                         max(x, y), 2)


def fr_improper_to_mixed(p, room):
    r = p.rng
    base = simple_fraction(r)
    if base is None:
        return None
    a, b = base
    whole = r.randint(1, 5)
    return fraction(f"Write {whole * b + a}/{b} as a mixed number.", f"{whole * b + a}/{b}",
                    1 if whole == 1 else 2)


def fr_mixed_to_improper(p, room):
    r = p.rng
    base = simple_fraction(r)
    if base is None:
        return None
    a, b = base
    whole = r.randint(1, 5)
    return improper(f"Write {whole} {a}/{b} as an improper fraction.", f"{whole} + {a}/{b}",
                    1 if whole == 1 else 2)


def fr_of_amount(p, room):
    r = p.rng
    base = simple_fraction(r)
    if base is None:
        return None
    a, b = base
    n = b * r.randint(2, 12)
    return num(f"What is {a}/{b} of {n}?", f"{a}/{b} * {n}", 1 if a == 1 else 2)


def fr_of_amount_story(p, room):
    r = p.rng
    base = simple_fraction(r)
    if base is None:
        return None
    a, b = base
    kind = r.randrange(5)
    if kind == 0:
        n = b * r.randint(3, 8)
        if n > 36:
            return None
        return num(f"There are {n} pupils in a class. {a}/{b} of them walk to school. "
                   f"How many pupils walk to school?", f"{a}/{b} * {n}", 2)
    if kind == 1:
        n = b * r.randint(3, 10)
        name = r.choice(NAMES)
        return num(f"A bag holds {n} sweets. {name} eats {a}/{b} of them. "
                   f"How many sweets are left?", f"{n} - {a}/{b} * {n}", 3)
    if kind == 2:
        metres = r.randint(1, 5)
        if (metres * 100 * a) % b:
            return None
        return num(f"What is {a}/{b} of {metres} m? Give your answer in centimetres.",
                   f"{a}/{b} * {metres} * 100", 2)
    if kind == 3:
        if 60 % b:
            return None
        return num(f"What is {a}/{b} of an hour? Give your answer in minutes.",
                   f"{a}/{b} * 60", 2)
    pounds = b * r.randint(2, 15)
    return num(f"What is {a}/{b} of £{pounds}? Give your answer in pounds.",
               f"{a}/{b} * {pounds}", 2)


def fr_add_like(p, room):
    r = p.rng
    d = r.randint(3, 12)
    a, b = r.randint(1, d - 1), r.randint(1, d - 1)
    if (a + b) % d == 0:
        return None
    marks = 1 if math.gcd(a + b, d) == 1 and a + b < d else 2
    return fraction(f"{a}/{d} + {b}/{d} =", f"{a}/{d} + {b}/{d}", marks)


def fr_sub_like(p, room):
    r = p.rng
    d = r.randint(3, 12)
    a, b = sorted(r.sample(range(1, d + 1 + d // 2), 2), reverse=True)
    if (a - b) % d == 0 or a == d or b >= d:
        return None
    shown_a = frac(Fraction(a, d)) if a > d else f"{a}/{d}"
    if a > d and Fraction(a, d).denominator != d:
        return None
    marks = 1 if math.gcd(a - b, d) == 1 and a <= d else 2
    if a > d:
        whole, rest = divmod(a, d)
        return fraction(f"{shown_a} - {b}/{d} =", f"{whole} + {rest}/{d} - {b}/{d}", 3)
    return fraction(f"{a}/{d} - {b}/{d} =", f"{a}/{d} - {b}/{d}", marks)


def fr_one_minus(p, room):
    r = p.rng
    base = simple_fraction(r, 12)
    if base is None:
        return None
    a, b = base
    return fraction(f"1 - {a}/{b} =", f"1 - {a}/{b}", 1)


# ---------------------------------------------------------------- measurement

LENGTHS = [("m", "centimetres", 100), ("cm", "metres", Fraction(1, 100)),
           ("km", "metres", 1000), ("m", "kilometres", Fraction(1, 1000)),
           ("cm", "millimetres", 10), ("mm", "centimetres", Fraction(1, 10))]
MASSES = [("kg", "grams", 1000), ("g", "kilograms", Fraction(1, 1000))]
CAPACITIES = [("litres", "millilitres", 1000), ("ml", "litres", Fraction(1, 1000))]


def convert(r, table):
    unit, target, factor = r.choice(table)
    if factor > 1:
        value = r.choice([Fraction(r.randint(2, 20)), Fraction(r.randint(1, 99), 10),
                          Fraction(r.randint(1, 99), 100)])
        if (value * factor).denominator != 1 or value == 1:
            return None
    else:
        value = Fraction(r.randint(50, 9999) if factor == Fraction(1, 1000) else r.randint(5, 999))
        if (value * factor * 100).denominator != 1:
            return None
    expr = f"{dec(value)} * {dec(factor)}" if factor > 1 else f"{dec(value)} / {dec(1 / factor)}"
    marks = 1 if value.denominator == 1 and factor > 1 else 2
    return num(f"Write {dec(value)} {unit} in {target}.", expr, marks)


def ms_length(p, room):
    return convert(p.rng, LENGTHS)


def ms_mass(p, room):
    return convert(p.rng, MASSES)


def ms_capacity(p, room):
    return convert(p.rng, CAPACITIES)


def ms_length_story(p, room):
    r = p.rng
    kind = r.randrange(3)
    if kind == 0:
        metres = r.randint(1, 6)
        piece = r.choice([10, 20, 25, 50])
        return num(f"A ribbon {metres} m long is cut into pieces {piece} cm long. "
                   f"How many pieces are there?", f"{metres} * 100 / {piece}", 2)
    if kind == 1:
        km = Fraction(r.randint(11, 39), 10)
        return num(f"{r.choice(NAMES)} walks {dec(km)} km to the park and back again the same way. "
                   f"How many metres is that altogether?", f"{dec(km)} * 1000 * 2", 3)
    length = r.randint(3, 9)
    used = r.randint(25, 95)
    return num(f"A plank is {length} m long. A piece {used} cm long is cut off. "
               f"How many centimetres long is the rest of the plank?", f"{length} * 100 - {used}", 2)


def ms_mass_story(p, room):
    r = p.rng
    if r.random() < 0.5:
        kg = Fraction(r.randint(2, 5) * 2 + 1, 2)
        used = r.randint(2, 9) * 50
        return num(f"A bag of flour weighs {dec(kg)} kg. A cook uses {used} g. "
                   f"How many grams of flour are left?", f"{dec(kg)} * 1000 - {used}", 2)
    glass = r.choice([200, 250])
    count = r.randint(4, 12)
    litres = Fraction(glass * count, 1000)
    if litres == 1:
        return None
    return num(f"A jug holds {dec(litres)} litres of juice. How many {glass} ml glasses "
               f"can be filled from it?", f"{dec(litres)} * 1000 / {glass}", 2)


UNIT_CHOICES = [
    ("the mass of an apple", "grams", "kilograms", "grams"),
    ("the mass of a bicycle", "grams", "kilograms", "kilograms"),
    ("the water in a bath", "millilitres", "litres", "litres"),
    ("the medicine on a teaspoon", "millilitres", "litres", "millilitres"),
    ("the length of a pencil", "centimetres", "kilometres", "centimetres"),
    ("the distance between two towns", "metres", "kilometres", "kilometres"),
    ("the mass of a sack of potatoes", "grams", "kilograms", "kilograms"),
    ("the water in a paddling pool", "millilitres", "litres", "litres"),
    ("the thickness of a coin", "millimetres", "metres", "millimetres"),
    ("the mass of a letter in an envelope", "grams", "kilograms", "grams"),
]


def ms_unit_choice(p, room):
    what, first, second, answer = p.rng.choice(UNIT_CHOICES)
    return word(f"Which unit would you use to measure {what}: {first} or {second}?", answer, 1)


def ms_time_convert(p, room):
    r = p.rng
    kind = r.randrange(6)
    if kind == 0:
        h = r.randint(2, 9)
        return num(f"How many minutes are there in {h} hours?", f"{h} * 60", 1)
    if kind == 1:
        h = r.randint(1, 5)
        return num(f"How many minutes are there in {h} and a half hours?", f"{h} * 60 + 30", 2)
    if kind == 2:
        m = r.randint(2, 9)
        return num(f"How many seconds are there in {m} minutes?", f"{m} * 60", 1)
    if kind == 3:
        d = r.randint(2, 7)
        return num(f"How many hours are there in {d} days?", f"{d} * 24", 2)
    if kind == 4:
        w = r.randint(2, 12)
        return num(f"How many days are there in {w} weeks?", f"{w} * 7", 1)
    y = r.randint(2, 10)
    return num(f"How many months are there in {y} years?", f"{y} * 12", 1)


def clock(minutes):
    return f"{minutes // 60:02d}:{minutes % 60:02d}"


def ms_duration(p, room):
    r = p.rng
    event, shortest, longest = r.choice([("A film", 80, 150), ("A football match", 90, 115),
                                         ("A swimming lesson", 30, 60),
                                         ("A school play", 45, 100),
                                         ("A train journey", 20, 200), ("A concert", 60, 150)])
    start = r.randint(8 * 12, 18 * 12) * 5
    end = start + r.randint(shortest // 5, longest // 5) * 5
    h1, m1, h2, m2 = start // 60, start % 60, end // 60, end % 60
    return num(f"{event} starts at {clock(start)} and ends at {clock(end)}. "
               f"How many minutes does it last?", f"{h2} * 60 + {m2} - ({h1} * 60 + {m1})",
               2 if m2 < m1 else 1)


def rectangle_lead(p, room):
    r = p.rng
    letters = p.letters("rectangle", 1)
    if letters is None:
        return []
    letter = letters[0]
    unit, name = r.choice([("cm", "centimetres"), ("cm", "centimetres"), ("m", "metres")])
    sizes = [(length, width) for length in range(5, 17)
             for width in range(max(2, length // 4 + 1), length - 1)]
    length, width = r.choice(sizes)
    p.figure(rectangle_svg(letter, length, width, unit))
    items = [num(f"What is the perimeter of rectangle {letter}? Give your answer in {name}.",
                 f"2 * ({length} + {width})", 2),
             num(f"What is the area of rectangle {letter}? Give your answer in square {name}.",
                 f"{length} * {width}", 2)]
    if room == 1:
        return [r.choice(items)]
    return items


def ms_square(p, room):
    r = p.rng
    side = r.randint(3, 15)
    kind = r.randrange(3)
    if kind == 0:
        return num(f"A square has sides {side} cm long. What is its area in square centimetres?",
                   f"{side} * {side}", 1)
    if kind == 1:
        return num(f"A square has a perimeter of {4 * side} cm. "
                   f"How long is each side, in centimetres?", f"{4 * side} / 4", 2)
    return num(f"A square has sides {side} m long. What is its perimeter in metres?",
               f"4 * {side}", 1)


def ms_missing_side(p, room):
    r = p.rng
    a, b = r.randint(3, 12), r.randint(2, 9)
    if a == b:
        return None
    if r.random() < 0.5:
        return num(f"A rectangle has an area of {a * b} cm² and a length of {a} cm. "
                   f"How wide is it, in centimetres?", f"{a * b} / {a}", 2)
    return num(f"A rectangle has a perimeter of {2 * (a + b)} m and a length of {a} m. "
               f"How wide is it, in metres?", f"({2 * (a + b)} - 2 * {a}) / 2", 3)


def ms_volume(p, room):
    r = p.rng
    a, b, c = sorted([r.randint(2, 12), r.randint(2, 9), r.randint(2, 6)], reverse=True)
    return num(f"A box is {a} cm long, {b} cm wide and {c} cm high. "
               f"What is its volume in cubic centimetres?", f"{a} * {b} * {c}", 2)


def ms_rectangle_words(p, room):
    r = p.rng
    a, b = r.randint(6, 25), r.randint(3, 15)
    if a <= b:
        return None
    garden = r.choice(["garden", "playground", "field", "car park", "pond"])
    if r.random() < 0.5:
        return num(f"A rectangular {garden} is {a} m long and {b} m wide. "
                   f"What is its perimeter in metres?", f"2 * ({a} + {b})", 2)
    return num(f"A rectangular {garden} is {a} m long and {b} m wide. "
               f"What is its area in square metres?", f"{a} * {b}", 2)


# ---------------------------------------------------------------- geometry and data

POLYGONS = {3: "triangle", 5: "pentagon", 6: "hexagon", 8: "octagon", 10: "decagon"}


def polygon_lead(p, room):
    r = p.rng
    letters = p.letters("shape", 1)
    if letters is None:
        return []
    letter = letters[0]
    sides = r.choice([n for n in sorted(POLYGONS) if n not in p.drawn] or sorted(POLYGONS))
    p.drawn.add(sides)
    p.figure(regular_polygon_svg(letter, sides))
    items = [word(f"What is the name of shape {letter}?", POLYGONS[sides], 1)]
    if room > 1:
        items.append(num_read(f"Shape {letter} is a regular polygon. "
                              f"How many lines of symmetry does it have?", sides, 1))
    return items


def gd_polygon_name(p, room):
    sides = p.rng.choice(sorted(POLYGONS))
    if not p.new_subject(sides):
        return None
    return word(f"What is the name of a polygon with {sides} sides?", POLYGONS[sides], 1)


def gd_polygon_count(p, room):
    r = p.rng
    sides = r.choice(sorted(POLYGONS))
    if not p.new_subject(sides):
        return None
    what = r.choice(["sides", "vertices", "angles"])
    return num_read(f"How many {what} does {'an' if POLYGONS[sides][0] in 'aeiou' else 'a'} "
                    f"{POLYGONS[sides]} have?", sides, 1)


TRIANGLE_FACTS = [
    ("What is the name of a triangle with all three sides the same length?", "equilateral"),
    ("What is the name of a triangle with exactly two sides the same length?", "isosceles"),
    ("What is the name of a triangle with no two sides the same length?", "scalene"),
    ("What is the name of a four-sided shape with four equal sides and four right angles?",
     "square"),
    ("What is the name of a polygon with four sides?", "quadrilateral"),
]
SYMMETRY_FACTS = [
    ("How many lines of symmetry does a square have?", 4),
    ("How many lines of symmetry does a rectangle that is not a square have?", 2),
    ("How many lines of symmetry does an equilateral triangle have?", 3),
    ("How many lines of symmetry does a regular hexagon have?", 6),
    ("How many right angles does a rectangle have?", 4),
    ("How many pairs of parallel sides does a parallelogram have?", 2),
    ("How many lines of symmetry does a regular octagon have?", 8),
]


SHAPE_SIDES = {"triangle": 3, "square": 4, "rectangle": 4, "kite": 4, "pentagon": 5,
               "hexagon": 6, "octagon": 8}


def gd_shape_group(p, room):
    r = p.rng
    names = r.sample(sorted(SHAPE_SIDES), 5)
    rule, test = r.choice([("have more than four sides", lambda n: n > 4),
                           ("have exactly four sides", lambda n: n == 4),
                           ("have fewer than five vertices", lambda n: n < 5)])
    hits = [name for name in names if test(SHAPE_SIDES[name])]
    if len(hits) not in COUNTS or len(hits) > room:
        return None
    return group(f"Which {COUNTS[len(hits)]} of these shapes {rule}: {', '.join(names)}?",
                 hits, len(hits))


def gd_shape_fact(p, room):
    r = p.rng
    if r.random() < 0.5:
        question, answer = r.choice(TRIANGLE_FACTS)
        return word(question, answer, 1)
    question, answer = r.choice(SYMMETRY_FACTS)
    return num_read(question, answer, 1)


def solid_lead(p, room):
    r = p.rng
    letters = p.letters("solid", 1)
    if letters is None:
        return []
    letter = letters[0]
    solid = r.choice([s for s in sorted(SOLIDS) if s not in p.drawn] or sorted(SOLIDS))
    p.drawn.add(solid)
    p.figure(solid_svg(letter, solid))
    counts = SOLID_COUNTS[solid]
    items = [num_read(f"How many {what} does shape {letter} have?", value, 1)
             for what, value in zip(["faces", "edges", "vertices"], counts)]
    keep = sorted(r.sample(range(3), min(room, r.choice([2, 3]) if room > 1 else 1)))
    return [items[i] for i in keep]


SOLID_FACTS = [
    ("What is the name of a 3-D shape with six square faces?", "cube"),
    ("What is the name of a 3-D shape that is perfectly round, like a ball?", "sphere"),
    ("What is the name of a 3-D shape with two circular faces and one curved surface, "
     "like a tin of beans?", "cylinder"),
    ("What is the name of a 3-D shape with one circular face and one curved surface that "
     "comes to a point, like an ice-cream cone?", "cone"),
]


SOLID_PARTS = [
    ("cylinder", "flat faces", 2), ("cone", "flat faces", 1),
    ("square-based pyramid", "triangular faces", 4),
    ("triangular prism", "triangular faces", 2),
    ("triangular prism", "rectangular faces", 3), ("cube", "square faces", 6),
]


def gd_solid_fact(p, room):
    r = p.rng
    pick = r.random()
    if pick < 0.3:
        question, answer = r.choice(SOLID_FACTS)
        return word(question, answer, 1)
    if pick < 0.6:
        solid, part, answer = r.choice(SOLID_PARTS)
        if not p.new_subject(solid):
            return None
        return num_read(f"How many {part} does a {solid} have?", answer, 1)
    solid = r.choice(sorted(SOLID_COUNTS))
    if not p.new_subject(solid):
        return None
    which = r.randrange(3)
    what = ["faces", "edges", "vertices"][which]
    return num_read(f"How many {what} does a {solid} have?", SOLID_COUNTS[solid][which], 2)


def triangle_lead(p, room):
    r = p.rng
    letters = p.letters("triangle", 3)
    if letters is None:
        return []
    while True:
        a, b = r.randint(30, 100), r.randint(30, 80)
        if 25 <= 180 - a - b <= 100:
            break
    angles = [a, b, 180 - a - b]
    missing = r.randrange(3)
    known = [i for i in range(3) if i != missing]
    p.figure(triangle_svg(letters, angles, known))
    name = "".join(letters)
    return [num(f"What is the size of angle {letters[missing]} in triangle {name}? "
                f"Give your answer in degrees.",
                f"180 - {angles[known[0]]} - {angles[known[1]]}", 2)]


def gd_angle_sum(p, room):
    r = p.rng
    kind = r.randrange(6)
    if kind == 0:
        a = r.randint(15, 165)
        return num(f"Two angles lie together on a straight line. One of them is {a}°. "
                   f"What is the size of the other angle?", f"180 - {a}", 1)
    if kind == 1:
        a, b = r.randint(60, 150), r.randint(60, 150)
        return num(f"Three angles meet at a point. Two of them are {a}° and {b}°. "
                   f"What is the size of the third angle?", f"360 - {a} - {b}", 2)
    if kind == 2:
        a, b = r.randint(25, 90), r.randint(25, 90)
        return num(f"Two angles of a triangle are {a}° and {b}°. "
                   f"What is the size of the third angle?", f"180 - {a} - {b}", 2)
    if kind == 3:
        a = r.randint(15, 75)
        return num(f"One angle of a right-angled triangle is 90° and another is {a}°. "
                   f"What is the size of the third angle?", f"180 - 90 - {a}", 2)
    if kind == 4:
        a = r.randrange(20, 140, 2)
        return num(f"In an isosceles triangle, the angle between the two equal sides is {a}°. "
                   f"What is the size of each of the other two angles?", f"(180 - {a}) / 2", 3)
    a, b, c = r.randint(60, 120), r.randint(60, 120), r.randint(60, 120)
    if 360 - a - b - c < 30:
        return None
    return num(f"Three angles of a quadrilateral are {a}°, {b}° and {c}°. "
               f"What is the size of the fourth angle?", f"360 - {a} - {b} - {c}", 3)


def gd_angle_type(p, room):
    r = p.rng
    a = r.choice([r.randint(10, 85), r.randint(95, 175), r.randint(185, 350)])
    name = "acute" if a < 90 else "obtuse" if a < 180 else "reflex"
    return word(f"Is an angle of {a}° acute, obtuse or reflex?", name, 1)


def gd_clock_turn(p, room):
    minutes = p.rng.choice([5, 10, 15, 20, 30, 40, 45])
    return num(f"Through how many degrees does the minute hand of a clock turn in "
               f"{minutes} minutes?", f"360 * {minutes} / 60", 2)


CHARTS = [
    dict(title="Favourite fruit", steps=[1, 2], x="Fruit", y="Number of pupils",
         labels=["Apple", "Banana", "Orange", "Pear", "Grape", "Mango"],
         count="How many pupils chose {c}?", more="How many more pupils chose {a} than {b}?",
         total="How many pupils chose a fruit altogether?",
         most="Which fruit was chosen by the most pupils?",
         least="Which fruit was chosen by the fewest pupils?",
         over="Which two fruits were each chosen by more than {x} pupils?", lower=True),
    dict(title="Pets owned by Class 6", steps=[1, 2], x="Pet", y="Number of pets",
         labels=["Dogs", "Cats", "Fish", "Rabbits", "Hamsters"],
         count="How many {c} does Class 6 own?",
         more="How many more {a} than {b} does Class 6 own?",
         total="How many pets does Class 6 own altogether?",
         most="Which kind of pet does Class 6 own the most of?",
         least="Which kind of pet does Class 6 own the fewest of?",
         over="Which two kinds of pet does Class 6 own more than {x} of?", lower=True),
    dict(title="Books read in a month", steps=[1, 2], x="Name", y="Number of books",
         labels=["Ava", "Ben", "Chloe", "Dev", "Ella"],
         count="How many books did {c} read?", more="How many more books did {a} read than {b}?",
         total="How many books did the five friends read altogether?",
         most="Who read the most books?", least="Who read the fewest books?",
         over="Which two children each read more than {x} books?",
         mean="What is the mean number of books read by the five friends?", lower=False),
    dict(title="Colours of cars in a car park", steps=[2, 5], x="Colour", y="Number of cars",
         labels=["Red", "Blue", "Black", "White", "Silver"],
         count="How many {c} cars were in the car park?",
         more="How many more {a} cars than {b} cars were there?",
         total="How many cars were in the car park altogether?",
         most="Which colour of car was the most common?",
         least="Which colour of car was the least common?",
         over="Which two colours had more than {x} cars each?", lower=True),
    dict(title="Weather in April", steps=[2], x="Weather", y="Number of days",
         labels=["Sunny", "Rainy", "Cloudy", "Windy"],
         count="On how many days was the weather {c}?",
         more="How many more days were {a} than {b}?",
         total="How many days does the chart show altogether?",
         most="Which kind of weather happened most often?",
         least="Which kind of weather happened least often?",
         over="Which two kinds of weather happened on more than {x} days?", lower=True),
    dict(title="Goals scored by a team", steps=[1], x="Player", y="Number of goals",
         labels=["Finn", "Gita", "Hugo", "Ivy", "Jay"],
         count="How many goals did {c} score?", more="How many more goals did {a} score than {b}?",
         total="How many goals did the five players score altogether?",
         most="Who scored the most goals?", least="Who scored the fewest goals?",
         over="Which two players scored more than {x} goals each?",
         mean="What is the mean number of goals scored by the five players?", lower=False),
]


def chart_lead(p, room):
    r = p.rng
    free = [i for i in range(len(CHARTS)) if i not in p.charts_used]
    if not free:
        return []
    index = r.choice(free)
    p.charts_used.append(index)
    chart = CHARTS[index]
    labels = chart["labels"][:]
    if len(labels) > 5:
        labels = r.sample(labels, 5)
    if chart["title"] == "Weather in April":
        # Every day of the month falls in one bar.
        step = 2
        while True:
            values = [2 * v for v in r.sample(range(1, 10), len(labels) - 1)]
            values.append(30 - sum(values))
            if len(set(values)) == len(values) and 2 <= values[-1] <= 18:
                break
    else:
        step = r.choice(chart["steps"])
        values = [step * v for v in r.sample(range(1, 11), len(labels))]
    p.figure(bar_chart_svg(chart["title"], chart["x"], chart["y"], labels, values, step))

    def shown(label):
        return label.lower() if chart["lower"] else label

    order = sorted(range(len(values)), key=lambda i: values[i])
    pool = [num_read(chart["count"].format(c=shown(labels[i])), values[i], 1)
            for i in r.sample(range(len(labels)), len(labels))]
    hi, lo = r.sample(range(len(labels)), 2)
    if values[hi] < values[lo]:
        hi, lo = lo, hi
    pool.append(num(chart["more"].format(a=shown(labels[hi]), b=shown(labels[lo])),
                    f"{values[hi]} - {values[lo]}", 1))
    pool.append(word(chart["most"], labels[order[-1]].lower(), 1))
    pool.append(word(chart["least"], labels[order[0]].lower(), 1))
    pool.append(num(chart["total"], " + ".join(map(str, values)), 2))
    if "mean" in chart:
        pool.append(num(chart["mean"], f"({' + '.join(map(str, values))}) / {len(values)}", 3))
    if room >= 2:
        pool.append(group(chart["over"].format(x=values[order[-3]]),
                          [labels[order[-1]].lower(), labels[order[-2]].lower()], 2))
    chosen, used = [], 0
    for item in r.sample(pool, len(pool)):
        if used + item.size <= room:
            chosen.append(item)
            used += item.size
    if used < room:
        raise RuntimeError("chart has too few questions")
    return sorted(chosen, key=pool.index)


def average_values(r, count):
    values = [r.randint(2, 30) for _ in range(count)]
    return values


def av_mean(p, room):
    r = p.rng
    count = r.randint(3, 6)
    values = average_values(r, count)
    total = sum(values)
    if count in (3, 6) and total % count:
        values[-1] += count - total % count
    mean = Fraction(sum(values), count)
    if (mean * 10).denominator != 1:
        return None
    return num(f"What is the mean of {listed(values)}?",
               f"({' + '.join(map(str, values))}) / {count}", 2 if mean.denominator == 1 else 3)


def av_range(p, room):
    r = p.rng
    values = average_values(r, r.randint(4, 7))
    return num(f"What is the range of these numbers: {', '.join(map(str, values))}?",
               f"{max(values)} - {min(values)}", 1)


def av_median(p, room):
    r = p.rng
    values = r.sample(range(1, 40), r.choice([5, 7]))
    return num_read(f"What is the median of these numbers: {', '.join(map(str, values))}?",
                    sorted(values)[len(values) // 2], 2)


def av_missing(p, room):
    r = p.rng
    mean = r.randint(5, 20)
    a, b = r.randint(2, 2 * mean - 1), r.randint(2, 2 * mean - 1)
    if 3 * mean - a - b <= 0:
        return None
    return num(f"The mean of three numbers is {mean}. Two of the numbers are {a} and {b}. "
               f"What is the third number?", f"{mean} * 3 - {a} - {b}", 3)


def av_scores(p, room):
    r = p.rng
    name = r.choice(NAMES)
    values = [r.randint(4, 20) for _ in range(4)]
    mean = Fraction(sum(values), 4)
    return num(f"{name} scored {listed(values)} points in four games. "
               f"What was the mean score?", f"({' + '.join(map(str, values))}) / 4",
               2 if mean.denominator == 1 else 3)


# ---------------------------------------------------------------- mock examination

def mk_trip(p, room):
    r = p.rng
    cost = price(r, 3, 15)
    pupils = r.randint(12, 32)
    return num(f"A school trip costs £{money(cost)} for each pupil. {pupils} pupils go on the trip. "
               f"What is the total cost? Give your answer in pounds.",
               f"{money(cost)} * {pupils}", 3)


def mk_tickets(p, room):
    r = p.rng
    adult, child = price(r, 4, 9), price(r, 2, 4)
    a, c = r.randint(1, 3), r.randint(2, 4)
    return num(f"Tickets cost £{money(adult)} for an adult and £{money(child)} for a child. "
               f"How much do {a} adult{'s' if a > 1 else ''} and {c} children pay altogether? "
               f"Give your answer in pounds.", f"{a} * {money(adult)} + {c} * {money(child)}", 3)


def mk_book(p, room):
    r = p.rng
    name = r.choice(NAMES)
    pages = r.choice([120, 160, 200, 240, 280, 320])
    first, second = r.choice([((1, 4), (3, 8)), ((1, 2), (1, 4)), ((3, 8), (1, 4)),
                              ((1, 5), (1, 2)), ((3, 10), (2, 5))])
    if pages % (first[1] * second[1]) and (pages % first[1] or pages % second[1]):
        return None
    return num(f"A book has {pages} pages. {name} reads {first[0]}/{first[1]} of the book on "
               f"Monday and {second[0]}/{second[1]} of it on Tuesday. How many pages are left "
               f"to read?", f"{pages} - {first[0]}/{first[1]} * {pages} - "
               f"{second[0]}/{second[1]} * {pages}", 3)


def mk_tank(p, room):
    r = p.rng
    litres = Fraction(r.randint(4, 10), 2)
    glass, count = r.choice([150, 200, 250, 300]), r.randint(3, 6)
    if glass * count >= litres * 1000:
        return None
    return num(f"A bottle holds {dec(litres)} litres of water. {count} glasses of {glass} ml "
               f"are poured from it. How many millilitres of water are left in the bottle?",
               f"{dec(litres)} * 1000 - {count} * {glass}", 3)


def mk_mean_missing(p, room):
    r = p.rng
    values = [r.randint(3, 12) for _ in range(3)]
    fourth = r.randint(3, 12)
    mean = Fraction(sum(values) + fourth, 4)
    return num(f"The mean of four numbers is {dec(mean)}. Three of them are {listed(values)}. "
               f"What is the fourth number?",
               f"{dec(mean)} * 4 - {' - '.join(map(str, values))}", 3)


def mk_fence(p, room):
    r = p.rng
    a, b = r.randint(6, 20), r.randint(4, 12)
    each = price(r, 2, 6)
    if a == b:
        return None
    return num(f"A rectangular garden is {a} m long and {b} m wide. Fencing costs "
               f"£{money(each)} a metre. How much does it cost to fence all the way round "
               f"the garden? Give your answer in pounds.", f"2 * ({a} + {b}) * {money(each)}", 3)


def mk_journey(p, room):
    r = p.rng
    start = r.randint(7 * 12, 16 * 12) * 5
    legs = [r.randint(3, 12) * 5 for _ in range(2)]
    wait = r.randint(1, 4) * 5
    return num(f"A bus leaves at {clock(start)}. The first part of the journey takes "
               f"{legs[0]} minutes, then the bus waits for {wait} minutes, and the rest of the "
               f"journey takes {legs[1]} minutes. How many minutes after {clock(start)} does "
               f"the bus arrive?", f"{legs[0]} + {wait} + {legs[1]}", 2)


# ---------------------------------------------------------------- themes

GROUP_NOTE = "Where a question has two or more boxes, write one answer in each, in any order."
T_NUMBERS = "Write your answers in digits, without commas or spaces."
T_WORK = "Work out the answers."
T_UNITS = "Write numbers only, without units."

WHOLE_NUMBERS = [
    Theme(T_NUMBERS, [wn_digit_value, wn_words, wn_more_less, wn_digits_make, wn_order]),
    Theme(T_NUMBERS, [wn_digit_value, wn_more_less, wn_order], lead=whole_line_lead,
          lead_chance=0.7),
    Theme("Round each number as the question asks.", [wn_round, wn_round_group]),
    Theme(T_WORK, [wn_add, wn_sub, wn_make_up, wn_add_story, wn_temperature]),
    Theme(T_WORK, [wn_mul_short, wn_mul_long, wn_div, wn_remainder, wn_order_of_operations,
                   wn_mul_story, wn_square]),
    Theme("Answer each question.",
          [fm_factor_group, fm_multiple_group, fm_prime_group, fm_common_factor_group,
           fm_hcf_lcm, fm_count_factors, fm_next_prime, fm_is_prime, fm_odd_even]),
]
DECIMALS = [
    Theme("Write each answer as a decimal or a whole number.",
          [dec_digit_value, dec_from_fraction, dec_order, dec_compare_group],
          lead=decimal_line_lead, lead_chance=0.6),
    Theme(T_WORK, [dec_add, dec_sub, dec_difference, dec_make_whole]),
    Theme(T_WORK, [dec_times_tens, dec_times_digit, dec_divide_digit]),
    Theme("Write the number only, without the £ sign. For £3.85 write 3.85.",
          [money_total, money_change, money_many, money_pence, money_share]),
    Theme("Round each number as the question asks.", [dec_round, dec_round_money]),
]
FRACTIONS = [
    Theme("Write each fraction in its simplest form, for example 3/4.",
          [fr_simplify, fr_from_decimal, fr_compare], lead=fraction_bars_lead),
    Theme("Write the missing number.", [fr_equivalent]),
    Theme("Change each number as the question asks. Write a mixed number with a space "
          "between the whole number and the fraction, for example 1 2/3.", [fr_improper_to_mixed, fr_mixed_to_improper]),
    Theme(T_UNITS, [fr_of_amount, fr_of_amount_story]),
    Theme("Give each answer in its simplest form. Write an answer greater than 1 as a "
          "mixed number, for example 1 2/3.", [fr_add_like, fr_sub_like, fr_one_minus]),
]
MEASUREMENT = [
    Theme(T_UNITS, [ms_length, ms_length_story]),
    Theme("Write numbers only, without units. Where the question gives a choice of two "
          "units, write the one that fits best.", [ms_mass, ms_capacity, ms_mass_story,
                                                   ms_unit_choice]),
    Theme(T_UNITS, [ms_time_convert, ms_duration]),
    Theme("Write numbers only, without units. Each question says which unit to use.",
          [ms_square, ms_missing_side, ms_volume, ms_rectangle_words], lead=rectangle_lead),
]
GEOMETRY = [
    Theme("Write one word or one number in each box.",
          [gd_polygon_name, gd_polygon_count, gd_shape_fact, gd_shape_group],
          lead=polygon_lead),
    Theme("Write one word or one number in each box. Dashed lines show hidden edges.",
          [gd_solid_fact], lead=solid_lead),
    Theme("Give angles in degrees, as numbers only. Where the question gives a choice of "
          "words, write one word.", [gd_angle_sum, gd_angle_type, gd_clock_turn],
          lead=triangle_lead),
    Theme("Use the bar chart to answer the questions. Where the answer is a word, write it as "
          "it is written on the chart.", lead=chart_lead),
    Theme(T_WORK, [av_mean, av_range, av_median, av_missing, av_scores]),
]
MIXED = ("Answer each question. Write numbers without units, fractions in their simplest "
         "form (for example 3/4) and mixed numbers with a space (for example 1 2/3).")
MOCK_MIXED = [
    Theme(MIXED, [wn_mul_long, wn_order_of_operations, fm_hcf_lcm, wn_round, dec_sub,
                  dec_times_tens, fr_of_amount, fr_add_like, fr_improper_to_mixed, ms_length,
                  gd_angle_sum, av_mean, mk_trip, mk_book, fm_factor_group],
          lead=polygon_lead, lead_chance=0.5),
    Theme(MIXED, [wn_add_story, wn_div, dec_add, dec_round, money_change, fr_simplify,
                  fr_sub_like, ms_capacity, ms_duration, ms_missing_side, gd_polygon_count,
                  av_missing, mk_tickets, mk_tank, mk_fence, fm_prime_group],
          lead=rectangle_lead, lead_chance=0.5),
    Theme(MIXED, [wn_temperature, wn_mul_story, dec_times_digit, money_many, fr_equivalent,
                  fr_mixed_to_improper, fr_of_amount_story, ms_mass, ms_time_convert,
                  gd_clock_turn, av_range, mk_mean_missing, mk_journey, wn_round_group],
          lead=lambda p, room: fraction_bars_lead(p, min(room, 2)), lead_chance=0.5),
    Theme(MIXED, [wn_make_up, fm_count_factors, dec_difference, dec_from_fraction, money_share,
                  fr_compare, fr_one_minus, ms_length_story, ms_volume, gd_angle_sum,
                  av_median, mk_book, mk_fence, dec_compare_group, gd_shape_group],
          lead=triangle_lead, lead_chance=0.5),
    Theme(MIXED, [wn_sub, wn_remainder, fm_multiple_group, dec_times_tens, dec_round_money,
                  money_total, fr_simplify, fr_from_decimal, fr_add_like, ms_time_convert,
                  ms_square, ms_length, gd_angle_type, av_scores, mk_tickets, mk_journey],
          lead=whole_line_lead, lead_chance=0.5),
]
MOCK_TOPICS = WHOLE_NUMBERS + DECIMALS + FRACTIONS + MEASUREMENT + GEOMETRY
TOPIC_THEMES = [WHOLE_NUMBERS, DECIMALS, FRACTIONS, MEASUREMENT, GEOMETRY]


class ThemeRounds:
    """Hands out a pool of themes in shuffled rounds, carried on from one
    paper to the next, so the papers of a topic share its themes fairly."""

    def __init__(self, pool, seed):
        self.pool = pool
        self.rng = random.Random(seed)
        self.queue = []

    def take(self, count):
        """The next count themes, without a repeat while the pool lasts."""
        taken = []
        while len(taken) < count:
            if len(self.queue) < len(self.pool):
                round_ = list(self.pool)
                self.rng.shuffle(round_)
                self.queue += round_
            fresh = [i for i, theme in enumerate(self.queue) if theme not in taken]
            pick = fresh[0] if fresh and len(taken) < len(self.pool) else 0
            taken.append(self.queue.pop(pick))
        return taken


def make_papers():
    rounds = [ThemeRounds(pool, 31 * (i + 1)) for i, pool in enumerate(TOPIC_THEMES)]
    mock_many, mock_few = ThemeRounds(MOCK_TOPICS, 601), ThemeRounds(MOCK_MIXED, 607)
    for number in range(1, 31):
        topic, place = (number - 1) // 5, (number - 1) % 5
        layout = LAYOUTS[(place + topic) % len(LAYOUTS)]
        if topic < 5:
            source = rounds[topic]
        else:
            # Pages of one or two blanks each take a topic's own themes;
            # larger pages mix questions from every topic.
            source = mock_many if len(layout) >= 10 else mock_few
        paper = Paper(number)
        themes = source.take(len(layout))
        yield paper, [build_page(paper, theme, room) for theme, room in zip(themes, layout)]


def paper_text(number, pages):
    topic, place = (number - 1) // 5, (number - 1) % 5
    lines = [f"# Topic {topic + 1}: {TOPICS[topic]}, paper {place + 1}",
             "# Written by tools/course/make_maths.py: change the templates there and run it again."]
    for page in pages:
        lines += ["", "=== page", f"instruction: {page.instruction}"]
        lines += [f"image: {name}" for name in page.images]
        lines += [item.line() for item in page.items]
    return "\n".join(lines) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources",
                                                              "course", "maths")
    os.makedirs(out, exist_ok=True)
    for name in os.listdir(out):
        if re.fullmatch(r"paper\d\d(-fig\d+\.svg|\.txt)", name):
            os.remove(os.path.join(out, name))
    for paper, pages in make_papers():
        number = paper.number
        blanks = sum(item.size for page in pages for item in page.items)
        assert blanks == BLANKS_PER_PAPER, (number, blanks)
        with open(os.path.join(out, f"paper{number:02d}.txt"), "w", encoding="utf-8",
                  newline="\n") as f:
            f.write(paper_text(number, pages))
        for name, svg in paper.figures:
            with open(os.path.join(out, name), "w", encoding="utf-8", newline="\n") as f:
                f.write(svg)


if __name__ == "__main__":
    main()
