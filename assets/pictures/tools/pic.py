# SPDX-License-Identifier: MIT
"""Shared drawing helpers for the Tonvale pictures (palette, gradients, shapes).

Everything here writes plain SVG 1.1 / Tiny 1.2 features only: paths, basic
shapes, text, linear and radial gradients, opacity and transforms (no filters,
masks or clip paths), so that every renderer draws the same picture.
"""
import math
import os

OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# palette
VELVET_HI, VELVET_LO = "#4a0d1a", "#2a0610"
WALNUT, WALNUT_HI, WALNUT_DK = "#5b3a1e", "#8a5a2b", "#3a2412"
GOLD_HI, GOLD, GOLD_LO = "#f5d77a", "#c9962c", "#8c6418"
IVORY, IVORY_SH = "#fbf6e9", "#e6dcc3"
INK = "#1d1a16"
WIN = "#ffe066"
BLUE_HI, BLUE_LO = "#2d6cdf", "#123a8c"
WARN = "#d8432f"
SANS = "DejaVu Sans"
SERIF = "DejaVu Serif"


def f(v):
    """Short number formatting."""
    if isinstance(v, str):
        return v
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def svg(w, h, body, defs=""):
    d = "<defs>%s</defs>" % defs if defs else ""
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            'version="1.1" width="%s" height="%s" viewBox="0 0 %s %s">\n%s\n%s\n</svg>\n'
            % (f(w), f(h), f(w), f(h), d, body))


def write(name, text):
    path = os.path.join(OUT, name)
    text = _take_words(name, text)
    with open(path, "w", encoding="utf-8") as fh:
        fh.write(text)
    return path


# --- words -------------------------------------------------------------------
#
# Words a player reads are not drawn into the pictures: the game sets them in the
# player's language. A word leaves an empty placeholder <g id="word-N"/> where its
# text elements stood; the game puts them back at that place, in the same paint
# order, with the text translated and the size shrunk until it fits the word's box
# (its room across). In English the picture is drawn exactly as before. The
# words of every picture are written to the game's table by make_all.py.

WORDS = {}            # picture name -> [word, ...] in placeholder order
_pending = {}         # placeholder key -> word, until the picture is written
_counter = [0]


class Word:
    def __init__(self, text, box, size, family, weight, italic, spacing, elements, note):
        self.text, self.box, self.size, self.note = text, box, size, note
        self.family, self.bold, self.italic, self.spacing = family, weight == "bold", italic, spacing
        self.elements = elements       # the text elements with {size} and {text} left open


def word(s, box, size, family, weight, elements, italic=False, spacing=0, note=""):
    """`note` tells the translators where the word stands, when one English word
    needs different translations in different places."""
    _counter[0] += 1
    key = "@word%d@" % _counter[0]
    _pending[key] = Word(s, box, size, family, weight, italic, spacing, "".join(elements), note)
    return key


def _take_words(name, text):
    """Numbers the placeholders of the words this picture holds, in paint order."""
    found = []
    pos = text.find("@word")
    while pos >= 0:
        end = text.index("@", pos + 1) + 1
        found.append(text[pos:end])
        pos = text.find("@word", end)
    words = []
    for key in found:
        words.append(_pending.pop(key))
        text = text.replace(key, '<g id="word-%d"/>' % len(words), 1)
    if words:
        WORDS[name[:-4] if name.endswith(".svg") else name] = words
    return text


def stops(pairs):
    out = []
    for p in pairs:
        off, col = p[0], p[1]
        op = p[2] if len(p) > 2 else None
        out.append('<stop offset="%s" stop-color="%s"%s/>'
                   % (f(off), col, ' stop-opacity="%s"' % f(op) if op is not None else ""))
    return "".join(out)


def lin(id_, pairs, x1=0, y1=0, x2=0, y2=1, user=False, spread=None):
    u = ' gradientUnits="userSpaceOnUse"' if user else ""
    s = ' spreadMethod="%s"' % spread if spread else ""
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s%s>%s</linearGradient>'
            % (id_, f(x1), f(y1), f(x2), f(y2), u, s, stops(pairs)))


def rad(id_, pairs, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
    u = ' gradientUnits="userSpaceOnUse"' if user else ""
    fxy = ""
    if fx is not None:
        fxy = ' fx="%s" fy="%s"' % (f(fx), f(fy))
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s%s>%s</radialGradient>'
            % (id_, f(cx), f(cy), f(r), fxy, u, stops(pairs)))


def gold_grad(id_="gold", **kw):
    return lin(id_, [(0, GOLD_HI), (0.55, GOLD), (1, GOLD_LO)], **kw)


def gold_grad_rev(id_="goldrev", **kw):
    return lin(id_, [(0, GOLD_LO), (0.45, GOLD), (1, GOLD_HI)], **kw)


def velvet_grad(id_="velvet", **kw):
    return rad(id_, [(0, VELVET_HI), (1, VELVET_LO)], **kw)


def soft_shadow(id_="shadow", col="#5a4424", op=0.45):
    """Radial fade used under round things for the soft shadow."""
    return rad(id_, [(0, col, op), (0.72, col, op * 0.8), (1, col, 0)])


def _text(x, y, s, size, fill, family, weight, anchor, extra):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" '
            'text-anchor="%s" fill="%s"%s>%s</text>'
            % (f(x), f(y), family, f(size), weight, anchor, fill, extra, s))


def _layers(s, box, size, family, weight, extra, layers, note=""):
    """Text drawn as one or more layers (x, y, fill, extra); with a box it is a word."""
    if box is None:
        return "".join(_text(x, y, s, size, fill, family, weight, anchor, ex)
                       for x, y, fill, anchor, ex in layers)
    return word(s, box, size, family, weight,
                [_text(x, y, "{text}", "{size}", fill, family, weight, anchor, ex)
                 for x, y, fill, anchor, ex in layers],
                italic='font-style="italic"' in extra, note=note)


def text(x, y, s, size, fill, family=SANS, weight="bold", anchor="middle", extra="", box=None, note=""):
    return _layers(s, box, size, family, weight, extra, [(x, y, fill, anchor, extra)], note)


def engraved(x, y, s, size, dark, light, family=SANS, weight="bold", anchor="middle", d=0.9,
             extra="", box=None, note=""):
    """Text cut into a surface lit from the top left: light edge below right."""
    return _layers(s, box, size, family, weight, extra,
                   [(x + d, y + d, light, anchor, extra), (x, y, dark, anchor, extra)], note)


def embossed(x, y, s, size, fill, shadow, family=SANS, weight="bold", anchor="middle", d=1.2,
             sop=0.6, extra="", box=None, note=""):
    """Raised text: soft dark shadow below right."""
    return _layers(s, box, size, family, weight, extra,
                   [(x + d, y + d, shadow, anchor, ' fill-opacity="%s"%s' % (f(sop), extra)),
                    (x, y, fill, anchor, extra)], note)


def rrect(x, y, w, h, r, fill, extra=""):
    return ('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" ry="%s" fill="%s"%s/>'
            % (f(x), f(y), f(w), f(h), f(r), f(r), fill, extra))


def circle(cx, cy, r, fill, extra=""):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (f(cx), f(cy), f(r), fill, extra)


def ellipse(cx, cy, rx, ry, fill, extra=""):
    return ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s/>'
            % (f(cx), f(cy), f(rx), f(ry), fill, extra))


def path(d, fill="none", extra=""):
    if ' fill="' in extra:
        return '<path d="%s"%s/>' % (d, extra)
    return '<path d="%s" fill="%s"%s/>' % (d, fill, extra)


def poly(points, fill, extra=""):
    if not points:
        return ""
    d = "M" + " L".join("%s %s" % (f(x), f(y)) for x, y in points) + " Z"
    return path(d, fill, extra)


def arc_path(cx, cy, r, a0, a1):
    """Open arc from angle a0 to a1 (degrees, clockwise on screen)."""
    x0, y0 = cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0))
    x1, y1 = cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1))
    large = 1 if (a1 - a0) % 360 > 180 else 0
    return "M%s %s A%s %s 0 %d 1 %s %s" % (f(x0), f(y0), f(r), f(r), large, f(x1), f(y1))


# --- polygon clipping (stands in for clip paths) ---------------------------

def clip_halfplane(pts, a, b, c):
    """Keep the part of polygon pts where a*x + b*y + c >= 0."""
    out = []
    n = len(pts)
    for i in range(n):
        p, q = pts[i], pts[(i + 1) % n]
        vp, vq = a * p[0] + b * p[1] + c, a * q[0] + b * q[1] + c
        if vp >= 0:
            out.append(p)
        if (vp >= 0) != (vq >= 0):
            t = vp / (vp - vq)
            out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
    return out


def clip_convex(pts, clip):
    """Clip polygon pts by a convex polygon clip given clockwise on screen."""
    out = pts
    n = len(clip)
    for i in range(n):
        (x1, y1), (x2, y2) = clip[i], clip[(i + 1) % n]
        # inside is to the right of the edge direction in screen coordinates
        a, b = -(y2 - y1), (x2 - x1)
        c = -(a * x1 + b * y1)
        out = clip_halfplane(out, a, b, c)
        if not out:
            break
    return out


def rect_pts(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def rrect_pts(x, y, w, h, r, seg=6):
    pts = []
    for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0),
                       (x + r, y + h - r, 90), (x + r, y + r, 180)):
        for i in range(seg + 1):
            a = math.radians(a0 + 90 * i / seg)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def circle_pts(cx, cy, r, seg=48):
    return [(cx + r * math.cos(2 * math.pi * i / seg), cy + r * math.sin(2 * math.pi * i / seg))
            for i in range(seg)]


def rotate_pt(p, ang, cx, cy):
    a = math.radians(ang)
    x, y = p[0] - cx, p[1] - cy
    return (cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a))
