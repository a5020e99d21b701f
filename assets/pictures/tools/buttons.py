# SPDX-License-Identifier: MIT
"""Picture buttons (normal and pressed) and the small panels of the main window."""
from pic import *


def shade(hexcol, k):
    hexcol = hexcol.lstrip("#")
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (0, 2, 4))
    return "#%02x%02x%02x" % (int(r * k), int(g * k), int(b * k))


STYLES = {
    # face gradient stops, rim gradient stops, label colour, label edge colour, label is raised
    "brass": ([GOLD_HI, "#e2b84e", GOLD, "#a87a22"], [GOLD_HI, GOLD_LO, "#5a3e0c"],
              "#3a2410", "#fff3c4", False),
    "spin": (["#e0475a", "#b01c32", "#7a0c1e", "#4a0612"], [GOLD_HI, GOLD, GOLD_LO],
             "url(#lab)", "#1a0206", True),
    "red": (["#f06a56", "#d8432f", "#a82a1a", "#7a180c"], [GOLD_HI, GOLD, GOLD_LO],
            IVORY, "#3a0a04", True),
    "black": (["#5a5458", "#2e292c", "#1a1618", "#0a0809"], [GOLD_HI, GOLD, GOLD_LO],
              IVORY, "#000000", True),
}


def button(w, h, lines, style="brass", down=False, r=None):
    """lines: list of (text, size, baseline offset from face top)."""
    face, rim, lab, edge, raised = STYLES[style]
    k = 0.78 if down else 1.0
    r = r if r is not None else min(12, h * 0.28)
    dy = 2 if down else 0
    fh = h - 6                      # rim height, leaves room for the soft shadow
    defs = (lin("face", [(i / 3.0, shade(c, k)) for i, c in enumerate(face)])
            + lin("rim", [(i / 2.0, shade(c, k)) for i, c in enumerate(rim)])
            + lin("hl", [(0, "#ffffff", 0.55 if not down else 0.25), (1, "#ffffff", 0)])
            + gold_grad("lab", x1=0, y1=0.15, x2=0, y2=0.95))
    b = ""
    if not down:
        b += rrect(2.5, 4.5, w - 5, fh + 0.5, r, "#1a0c04", ' fill-opacity="0.45"')
        b += rrect(3, 4, w - 6, fh - 0.5, r, "#1a0c04", ' fill-opacity="0.25"')
    b += rrect(1.5, 1 + dy, w - 3, fh, r, "url(#rim)")
    b += rrect(4, 3.5 + dy, w - 8, fh - 5, max(r - 2.5, 2), "url(#face)")
    b += rrect(7, 5 + dy, w - 14, (fh - 5) * 0.42, max(r - 4, 2), "url(#hl)")
    ft = 3.5 + dy
    whole = " ".join(s for s, _, _ in lines)
    for i, (s, size, off) in enumerate(lines):
        # Words fit the face with a little air at both ends; an amount is no word.
        box = None if s.startswith("$") else w - 14
        # Each line of a button is translated for its button: "SELECT" above "BET"
        # may read the other way round in another language.
        note = 'button "%s"' % whole + (", line %d" % (i + 1) if len(lines) > 1 else "")
        if raised:
            b += embossed(w / 2.0, ft + off, s, size, lab, edge, d=1.1, sop=0.75, box=box, note=note)
        else:
            b += engraved(w / 2.0, ft + off, s, size, lab, edge, d=0.9, box=box, note=note)
    return svg(w, h, b, defs)


BUTTONS = {
    "btn_credit": (109, 54, [("INSERT", 13, 19), ("$50", 17, 37)], "brass"),
    "btn_ways": (109, 54, [("SELECT", 12, 18), ("WAYS", 16, 36)], "brass"),
    "btn_bet": (109, 54, [("SELECT", 12, 18), ("BET", 16, 36)], "brass"),
    "btn_spin": (109, 54, [("SPIN", 25, 33)], "spin"),
    "btn_gamble": (109, 54, [("GAMBLE", 16, 28)], "brass"),
    "btn_auto": (109, 54, [("AUTO", 13, 19), ("ON/OFF", 13, 36)], "brass"),
    "btn_options": (82, 38, [("OPTIONS", 12, 19.5)], "brass"),
    "btn_menu": (79, 37, [("MENU", 13, 19.5)], "brass"),
    "btn_history": (66, 54, [("HISTORY", 10.5, 28)], "brass"),
}


def hatch():
    """Dark diagonal hatching over a cell that does not count."""
    b = rrect(0, 0, 125, 125, 0, INK, ' fill-opacity="0.28"')
    sq = rect_pts(0, 0, 125, 125)
    for c in range(-125, 250, 14):
        band = [(c, 0), (c + 6, 0), (c + 6 + 125, 125), (c + 125, 125)]
        b += poly(clip_convex(band, sq), INK, ' fill-opacity="0.42"')
    return svg(125, 125, b)


def nomoney():
    defs = (lin("warn", [(0, "#ee6a52"), (0.5, WARN), (1, "#9a2414")])
            + gold_grad("rim") + lin("hl", [(0, "#ffffff", 0.4), (1, "#ffffff", 0)]))
    b = (rrect(3, 4, 295, 55, 9, "#000000", ' fill-opacity="0.35"')
         + rrect(1.5, 1.5, 295, 54, 9, "url(#rim)")
         + rrect(5, 5, 288, 47, 6, "url(#warn)")
         + rrect(9, 7, 280, 16, 5, "url(#hl)"))
    # the words stay between the warning marks
    b += embossed(150, 27, "CREDIT TOO LOW", 17, "#fffaf0", "#4a0a04", d=1.2, sop=0.8, box=210)
    b += embossed(150, 45, "\u2014 INSERT CREDIT \u2014", 13, GOLD_HI, "#4a0a04", d=1.1, sop=0.8, box=210)
    # warning marks at both ends
    for x in (28, 272):
        b += poly([(x, 14), (x + 12, 38), (x - 12, 38)], "#fff4cc")
        b += poly([(x, 18.5), (x + 8.8, 36), (x - 8.8, 36)], WARN)
        b += rrect(x - 1.3, 23, 2.6, 7.5, 1, "#fff4cc") + circle(x, 33, 1.5, "#fff4cc")
    return svg(300, 60, b, defs)


def spinsleft():
    defs = (lin("blue", [(0, "#5a8ff0"), (0.3, BLUE_HI), (1, BLUE_LO)])
            + gold_grad("rim") + lin("hl", [(0, "#ffffff", 0.35), (1, "#ffffff", 0)]))
    b = (rrect(0.5, 0.5, 499, 39, 8, "url(#rim)")
         + rrect(3.5, 3.5, 493, 33, 6, "url(#blue)")
         + rrect(8, 5, 484, 12, 5, "url(#hl)"))
    for x in (20, 480):
        b += poly([(x, 12), (x + 7, 20), (x, 28), (x - 7, 20)], "url(#rim)")
    return svg(500, 40, b, defs)


def build():
    for name, (w, h, lines, style) in BUTTONS.items():
        write(name + ".svg", button(w, h, lines, style))
        write(name + "_down.svg", button(w, h, lines, style, down=True))
    write("takewin.svg", button(171, 32, [("TAKE WIN", 15, 17)], "brass", r=8))
    write("btn_red.svg", button(68, 30, [("RED", 13, 15.5)], "red", r=7))
    write("btn_black.svg", button(68, 30, [("BLACK", 12, 15.5)], "black", r=7))
    write("btn_takewin_small.svg", button(104, 30, [("TAKE WIN", 12, 15.5)], "brass", r=7))
    write("hatch.svg", hatch())
    write("nomoney.svg", nomoney())
    write("spinsleft.svg", spinsleft())


if __name__ == "__main__":
    build()
