# SPDX-License-Identifier: MIT
"""The cabinet background, 821 x 589 (one unit = one pixel of the main window)."""
from pic import *

REELS = (66.7, 202, 338.7, 474.7, 610)
REEL_TOP, REEL_H, REEL_W = 48.7, 375, 125


def box(x0, y0, x1, y1):
    """Dark recessed box where the program writes an amount."""
    w, h = x1 - x0, y1 - y0
    return (rrect(x0 - 1, y0 - 1, w + 2, h + 2, 5, GOLD_LO)
            + rrect(x0 + 0.5, y0 + 0.5, w - 1, h - 1, 4, "url(#boxf)")
            + path("M%s %s L%s %s" % (f(x0 + 3), f(y0 + 2), f(x1 - 3), f(y0 + 2)),
                   extra=' stroke="#000000" stroke-width="2" stroke-opacity="0.6"')
            + path("M%s %s L%s %s" % (f(x0 + 4), f(y1 + 0.2), f(x1 - 4), f(y1 + 0.2)),
                   extra=' stroke="%s" stroke-width="1.4" stroke-opacity="0.8"' % GOLD_HI))


def title(x, y, s, size, anchor="middle", box=None):
    """A meter's title; `box` is its room across, up to the next thing drawn beside it."""
    return embossed(x, y, s, size, "url(#tgold)", "#000000", SANS, anchor=anchor, d=1, sop=0.7, box=box,
                    note="title of a meter")


def curtain(x0, x1, y0, y1):
    return rrect(x0, y0, x1 - x0, y1 - y0, 0, "url(#folds)")


def build():
    defs = (rad("velvet", [(0, VELVET_HI), (1, VELVET_LO)], cx=410, cy=300, r=480, user=True)
            + lin("folds", [(0, "#5e1224"), (0.5, "#2a0610"), (1, "#5e1224")], x1=0, y1=0, x2=17,
                  y2=0, user=True, spread="repeat")
            + lin("walnut", [(0, WALNUT_HI), (0.35, WALNUT), (1, WALNUT_DK)])
            + lin("walnut2", [(0, "#6f4a28"), (0.5, WALNUT), (1, "#2e1c0c")])
            + gold_grad("gold") + gold_grad("tgold", x1=0, y1=0.1, x2=0, y2=1)
            + lin("boxf", [(0, "#050102"), (1, "#2a0812")])
            + lin("shade", [(0, "#000000", 0.55), (1, "#000000", 0)], x2=1, y2=0)
            + lin("shadeR", [(0, "#000000", 0), (1, "#000000", 0.55)], x2=1, y2=0)
            + rad("spot", [(0, "#ffd9a0", 0.16), (1, "#ffd9a0", 0)], cx=410, cy=20, r=420, user=True))
    b = rrect(0, 0, 821, 589, 0, "url(#velvet)")
    # curtains at both sides
    b += curtain(0, 54, 44, 429) + curtain(747, 821, 44, 429)
    b += rrect(40, 44, 14, 385, 0, "url(#shadeR)") + rrect(747, 44, 14, 385, 0, "url(#shade)")
    # tie-back cords with tassels
    for x in (27, 784):
        b += path("M%s 300 Q%s 312 %s 300" % (f(x - 20), f(x), f(x + 20)),
                  extra=' stroke="url(#gold)" stroke-width="4" stroke-linecap="round" fill="none"')
        b += circle(x, 309, 5.5, "url(#gold)")
        b += path("M%s 313 L%s 333 L%s 333 Z" % (f(x), f(x - 6), f(x + 6)), "url(#gold)")
    # warm light from above
    b += rrect(0, 0, 821, 589, 0, "url(#spot)")

    # top band with the three jackpot meters
    b += rrect(0, 0, 821, 44, 0, "url(#walnut)")
    b += rrect(0, 42, 821, 2.5, 0, "url(#gold)")
    b += path("M0 1.5 L821 1.5", extra=' stroke="%s" stroke-width="2" stroke-opacity="0.6"' % WALNUT_HI)
    for name, x0, room in (("GRAND", 130, 80), ("MAJOR", 380, 66), ("MINOR", 630, 66)):
        b += title(x0 - 7, 31, name, 17, "end", box=room)
        b += box(x0, 8, x0 + 130, 40)
    for x in (290, 540):   # little gold diamonds between the meters
        b += poly([(x, 16), (x + 7, 24), (x, 32), (x - 7, 24)], "url(#gold)")
    for x in (28, 793):
        b += poly([(x, 14), (x + 9, 24), (x, 34), (x - 9, 24)], "url(#gold)")

    # reel frame and wells
    b += rrect(52, 39.5, 697, 390, 8, "#000000", ' fill-opacity="0.45"')
    b += rrect(54, 40, 693, 388.5, 7, "url(#gold)")
    b += rrect(58, 44.5, 685, 380, 4, "url(#walnut2)")
    for x in REELS:
        b += rrect(x - 3.5, REEL_TOP - 3.5, REEL_W + 7, REEL_H + 7, 2, "url(#gold)")
        b += rrect(x - 2, REEL_TOP - 2, REEL_W + 4, REEL_H + 4, 1, IVORY_SH)
        b += poly([(x - 2, REEL_TOP - 2), (x + REEL_W + 2, REEL_TOP - 2), (x + REEL_W, REEL_TOP),
                   (x, REEL_TOP), (x, REEL_TOP + REEL_H), (x - 2, REEL_TOP + REEL_H + 2)], "#6b5636")
        b += rrect(x, REEL_TOP, REEL_W, REEL_H, 0, IVORY)
    b += path("M58 45.5 L743 45.5", extra=' stroke="#fff0c0" stroke-width="1.2" stroke-opacity="0.5"')

    # meter band
    b += title(290, 438.5, "WAYS", 10.5, box=80)
    b += box(250, 440, 330, 470)
    b += title(380, 438.5, "BET", 10.5, box=80)
    b += box(340, 440, 420, 470)
    b += title(510, 438.5, "TOTAL BET", 10.5, box=160)
    b += box(430, 440, 590, 470)
    b += title(47, 479, "CREDIT", 12.5, "start", box=188)
    b += box(45, 483, 235, 510)
    b += title(459, 501.5, "WINNER PAID", 12.5, "end", box=210)
    b += box(465, 483, 600, 510)
    # name plate left of the ways meter
    b += embossed(139, 460, "Tonvale", 27, "url(#tgold)", "#000000", SERIF, "bold", d=1.5, sop=0.7,
                  extra=' font-style="italic"')
    b += path("M74 465 C104 460 168 472 206 462", extra=' stroke="url(#gold)" stroke-width="2.2" '
              'stroke-linecap="round" fill="none"')

    # button bar
    b += rrect(0, 516.7, 821, 2.5, 0, "url(#gold)")
    # one piece of wood from end to end (the button panel is narrower than the window)
    b += rrect(0, 518.7, 821, 86, 0, "url(#walnut)")
    b += path("M0 521 L821 521", extra=' stroke="%s" stroke-width="1.5" stroke-opacity="0.7"'
              % WALNUT_HI)
    write("cabinet.svg", svg(821, 589, b, defs))
    write("session_meter.svg", session_meter())


def session_meter():
    """The session meter's title and box, laid over the cabinet above OPTIONS and MENU."""
    defs = (gold_grad("tgold", x1=0, y1=0.1, x2=0, y2=1)
            + lin("boxf", [(0, "#050102"), (1, "#2a0812")]))
    b = title(78, 10.5, "SESSION", 10.5, box=150)
    b += box(1, 13, 155, 38)
    return svg(156, 39, b, defs)


if __name__ == "__main__":
    build()
