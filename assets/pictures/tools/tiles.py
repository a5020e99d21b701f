# SPDX-License-Identifier: MIT
"""Reel tiles: 125 x 125, ivory margin of 8 units, subject on a roundel or plaque.

Each function returns (defs, body) so the animation frames can reuse the art.
"""
import math
from pic import *

C = 62.5  # centre of a tile


def ivory_bg():
    return '<rect width="125" height="125" fill="%s"/>' % IVORY


def roundel(p, inner0, inner1):
    """Gold-rimmed roundel; interior radial gradient inner0 -> inner1."""
    defs = (gold_grad(p + "rim") + gold_grad_rev(p + "bev")
            + rad(p + "in", [(0, inner0), (1, inner1)], cx=0.4, cy=0.35, r=0.7)
            + soft_shadow(p + "sh"))
    body = (circle(65.5, 66.5, 56, "url(#%ssh)" % p)
            + circle(C, C, 54.5, "url(#%srim)" % p)
            + circle(C, C, 49.5, "url(#%sbev)" % p)
            + circle(C, C, 47, "url(#%sin)" % p)
            + path(arc_path(C, C, 52, 195, 275), extra=' stroke="#fff4cc" stroke-width="2.5" '
                   'stroke-linecap="round" stroke-opacity="0.85"'))
    return defs, body


def brass_plaque(p, inset0, inset1):
    """Brass plaque with four rivets and a dark inset panel."""
    defs = (gold_grad(p + "rim") + gold_grad_rev(p + "bev")
            + rad(p + "in", [(0, inset0), (1, inset1)], cx=0.4, cy=0.35, r=0.75)
            + lin(p + "sh", [(0, "#5a4424", 0.4), (1, "#5a4424", 0)]))
    body = (rrect(11, 12, 109, 109, 15, "#5a4424", ' fill-opacity="0.28"')
            + rrect(8, 8, 109, 109, 14, "url(#%srim)" % p)
            + rrect(15, 15, 95, 95, 9, "url(#%sbev)" % p)
            + rrect(17, 17, 91, 91, 8, "url(#%sin)" % p)
            + path("M12 40 L12 22 Q12 12 22 12 L60 12", extra=' stroke="#fff4cc" stroke-width="2.5" '
                   'stroke-linecap="round" stroke-opacity="0.8"'))
    for x, y in ((12.5, 12.5), (112.5, 12.5), (12.5, 112.5), (112.5, 112.5)):
        body += circle(x, y, 2.6, GOLD_LO) + circle(x - 0.6, y - 0.6, 1.6, GOLD_HI)
    return defs, body


def ivory_plaque(p, accent):
    """Ivory plaque with a bevel and a coloured border for the letter tiles."""
    defs = (lin(p + "face", [(0, "#fffdf6"), (1, "#efe4c8")])
            + lin(p + "edge", [(0, "#fffaf0"), (1, "#cbbd98")]))
    body = (rrect(11, 12, 109, 109, 12, "#7a6a48", ' fill-opacity="0.25"')
            + rrect(8, 8, 109, 109, 12, "url(#%sedge)" % p)
            + rrect(12, 12, 101, 101, 9, accent)
            + rrect(15, 15, 95, 95, 7, "url(#%sface)" % p)
            + rrect(19, 19, 87, 87, 5, "none", ' stroke="%s" stroke-width="2" stroke-opacity="0.45"' % accent))
    # little corner flourishes
    for x, y, sx, sy in ((24, 24, 1, 1), (101, 24, -1, 1), (24, 101, 1, -1), (101, 101, -1, -1)):
        body += path("M%s %s l%s 0 M%s %s l0 %s" % (f(x), f(y), f(9 * sx), f(x), f(y), f(9 * sy)),
                     extra=' stroke="%s" stroke-width="2.2" stroke-linecap="round"' % accent)
        body += circle(x + 3.5 * sx, y + 3.5 * sy, 1.6, accent)
    return defs, body


# --------------------------------------------------------------- composer

def composer():
    d0, b0 = roundel("c", "#8e2239", "#3a0914")
    defs = d0 + (
        lin("ccoat", [(0, "#2c6a8e"), (1, "#0f2c44")])
        + lin("cwig", [(0, "#ffffff"), (0.6, "#eeeaf2"), (1, "#b9b6cc")])
        + rad("cface", [(0, "#fbe2c8"), (1, "#e2b18c")], cx=0.42, cy=0.4, r=0.65)
        + lin("cjab", [(0, "#ffffff"), (1, "#d9d3c4")]))
    b = ivory_bg() + b0
    # hair falling behind the head
    b += path("M41 62 C38 44 46 27 62.5 26 C79 27 87 44 84 62 L86 80 L39 80 Z", "url(#cwig)")
    # coat, its lower edge follows the roundel
    b += path("M24.5 90 C28 80 38 76 50 75 L75 75 C87 76 97 80 100.5 90 "
              "A47 47 0 0 1 24.5 90 Z", "url(#ccoat)")
    # lapels with gold trim
    b += path("M50 75 L58 100 L53 108 L42 80 Z", "#163b57")
    b += path("M75 75 L67 100 L72 108 L83 80 Z", "#163b57")
    b += path("M50 75 L58 100 M75 75 L67 100", extra=' stroke="%s" stroke-width="2.2" '
              'stroke-linecap="round"' % GOLD_HI)
    for y in (90, 99):
        b += circle(45.5, y, 2, GOLD) + circle(79.5, y, 2, GOLD)
    # neck and jabot
    b += rrect(56, 64, 13, 14, 3, "#e8bb96")
    b += path("M54 74 Q62.5 70 71 74 Q74 80 68 83 Q73 88 66 92 Q69 98 62.5 101 "
              "Q56 98 59 92 Q52 88 57 83 Q51 80 54 74 Z", "url(#cjab)")
    b += path("M62.5 76 L62.5 98", extra=' stroke="#c8c0ae" stroke-width="2" stroke-linecap="round"')
    # face
    b += ellipse(62.5, 52, 13.5, 16.5, "url(#cface)")
    # wig top and side rolls
    b += path("M47 50 C46 34 54 27 62.5 27 C71 27 79 34 78 50 C74 40 68 37 62.5 37 "
              "C57 37 51 40 47 50 Z", "url(#cwig)")
    for sx in (-1, 1):
        x = 62.5 + sx * 17
        b += rrect(x - 7, 44, 14, 8.5, 4.25, "url(#cwig)")
        b += rrect(x - 7, 54, 14, 8.5, 4.25, "url(#cwig)")
        b += rrect(x - 7, 64, 14, 8.5, 4.25, "url(#cwig)")
        b += path("M%s 48 h8 M%s 58 h8 M%s 68 h8" % (f(x - 4), f(x - 4), f(x - 4)),
                  extra=' stroke="#a7a3bd" stroke-width="2" stroke-linecap="round"')
    # features
    b += path("M54.5 47 Q57.5 45 60.5 47 M64.5 47 Q67.5 45 70.5 47", extra=' stroke="#9a7a66" '
              'stroke-width="1.6" stroke-linecap="round"')
    b += circle(57.5, 51, 1.7, INK) + circle(67.5, 51, 1.7, INK)
    b += path("M62.5 52 Q61 58 63.5 59", extra=' stroke="#c08a68" stroke-width="1.5" '
              'stroke-linecap="round"')
    b += path("M58.5 62.5 Q62.5 65.5 66.5 62.5", extra=' stroke="#a3403f" stroke-width="2" '
              'stroke-linecap="round"')
    b += circle(54.5, 58, 3, "#e88a80", ' fill-opacity="0.35"') + circle(70.5, 58, 3, "#e88a80",
                                                                           ' fill-opacity="0.35"')
    return defs, b


# --------------------------------------------------------------- piano

def piano():
    d0, b0 = roundel("p", "#fbefc8", "#caa55a")
    defs = d0 + (lin("pblk", [(0, "#4a3f48"), (0.35, "#1e181d"), (1, "#0b080a")])
                 + lin("plid", [(0, "#3b3139"), (1, "#0d0a0c")], x2=1, y2=0.3)
                 + gold_grad("pgold"))
    b = ivory_bg() + b0
    # floor shadow
    b += ellipse(64, 99, 36, 4, "#6b4c1a", ' fill-opacity="0.35"')
    # inside of the case (golden frame under the lid)
    b += path("M44 60 L97 33 L101 60 Z", "url(#pgold)")
    for i in range(6):
        x = 52 + i * 8
        y = 60 - (x - 44) * (27 / 53.0) + 2
        b += path("M%s %s L%s 59" % (f(x), f(y), f(x + 1)), extra=' stroke="#8c6418" stroke-width="1.2"')
    # lid propped open
    b += path("M40 58 L96 26 Q104 22 105 31 L103 38 L46 60 Z", "url(#plid)")
    b += path("M41 57.5 L96 26.5", extra=' stroke="#6e5f6a" stroke-width="2" stroke-linecap="round"')
    # prop stick
    b += path("M84 60 L88 37", extra=' stroke="#1a1418" stroke-width="2.4" stroke-linecap="round"')
    # case
    b += path("M24 59 L100 59 Q107 59 107 66 Q107 74 100 74 L24 74 Z", "url(#pblk)")
    b += path("M24 60.5 L100 60.5", extra=' stroke="%s" stroke-width="2"' % GOLD)
    # keyboard and music desk
    b += path("M17 57 L33 57 L33 64 L17 64 Z", IVORY)
    for x in (19, 22.5, 27, 30.5):
        b += rrect(x, 54.5, 2.2, 4, 0.6, INK)
    b += path("M17 64 L33 64 L33 67 L17 67 Z", "#0b080a")
    b += path("M35 58 L42 44 L45 45 L39 58 Z", "#1e181d")
    # legs with gold castors
    for x in (28, 96):
        b += path("M%s 73 L%s 73 L%s 95 L%s 95 Z" % (f(x - 3.5), f(x + 3.5), f(x + 2), f(x - 2)),
                  "url(#pblk)")
        b += rrect(x - 3, 94, 6, 3.5, 1.5, GOLD)
    # pedal lyre
    b += path("M57 73 L62 73 L61 90 L58 90 Z", "#1e181d")
    b += rrect(53, 89, 13, 3, 1.2, GOLD)
    # shine
    b += path("M28 65 L96 65", extra=' stroke="#8d7f8a" stroke-width="1.6" stroke-linecap="round" '
              'stroke-opacity="0.7"')
    return defs, b


# --------------------------------------------------------------- horn

def horn():
    d0, b0 = roundel("h", "#2f7d5c", "#0d3325")
    defs = d0 + (gold_grad("hg", x1=0, y1=0, x2=0.3, y2=1)
                 + rad("hbell", [(0, "#3b2407"), (0.7, "#8c6418"), (1, "#f5d77a")], cx=0.45, cy=0.5,
                       r=0.55))
    b = ivory_bg() + b0
    st = ' stroke="url(#hg)" stroke-linecap="round" fill="none"'
    # shadow of the coil
    b += circle(57, 67, 26, "none", ' stroke="#05170f" stroke-width="8" stroke-opacity="0.35"')
    # outer and inner coils
    b += circle(55, 64, 26, "none", st.replace('fill="none"', '') + ' stroke-width="7"')
    b += circle(55, 64, 17, "none", st.replace('fill="none"', '') + ' stroke-width="4.5"')
    # lead pipe and mouthpiece
    b += path("M37 47 C33 42 31 38 30.5 33", extra=' stroke="url(#hg)" stroke-width="3.5" '
              'stroke-linecap="round"')
    b += path("M28 27 L33 27 L31.5 34 L29.5 34 Z", GOLD_LO)
    b += ellipse(30.5, 27, 3.5, 1.6, GOLD_HI)
    # flaring bell towards the lower right
    b += path("M72 80 C82 86 88 90 91 101 L107 68 C98 73 89 72 79 62 Z", "url(#hg)")
    b += ellipse(99, 84.5, 7, 18, "url(#hbell)", ' transform="rotate(26 99 84.5)"')
    b += ellipse(99, 84.5, 7, 18, "none", ' transform="rotate(26 99 84.5)" stroke="%s" '
                 'stroke-width="2.2"' % GOLD_HI)
    # rotary valves sitting between the coils
    for a in (205, 240, 275):
        x = 55 + 21.5 * math.cos(math.radians(a))
        y = 64 + 21.5 * math.sin(math.radians(a))
        b += circle(x, y, 5, GOLD_LO) + circle(x, y, 4, "url(#hg)") + circle(x - 1, y - 1, 1.4, GOLD_HI)
    b += path("M66 45 Q74 40 80 44", extra=' stroke="%s" stroke-width="2.2" stroke-linecap="round" '
              'fill="none"' % GOLD_HI)
    # highlight on the coil
    b += path(arc_path(55, 64, 26, 200, 260), extra=' stroke="#fff6d0" stroke-width="2.2" '
              'stroke-linecap="round" stroke-opacity="0.9"')
    return defs, b


# --------------------------------------------------------------- violin

def violin():
    d0, b0 = roundel("v", "#3f63b8", "#101f4d")
    defs = d0 + (rad("vwood", [(0, "#f0a24a"), (0.6, "#c4621c"), (1, "#7a3208")], cx=0.38, cy=0.35,
                     r=0.75)
                 + lin("vneck", [(0, "#d98a3a"), (1, "#8a4210")], x2=1, y2=0))
    b = ivory_bg() + b0
    g = '<g transform="translate(62.5 66) rotate(38) translate(0 -8)">'
    # bow behind the violin
    bow = ('<g transform="rotate(-70)">'
           + path("M-44 -3 L44 -3", extra=' stroke="%s" stroke-width="2.4" stroke-linecap="round"'
                  % WALNUT)
           + path("M-40 1 L42 1", extra=' stroke="#f3ead2" stroke-width="1.4"')
           + rrect(-44, -4, 8, 6.5, 1.5, INK) + '</g>')
    body = path("M0 0 C7 0 13 3 13 9 C13 14 9 16 8.5 19 Q8 24 9.5 28 C12 30 16 32 16 39 "
                "C16 47 9 52 0 52 C-9 52 -16 47 -16 39 C-16 32 -12 30 -9.5 28 Q-8 24 -8.5 19 "
                "C-9 16 -13 14 -13 9 C-13 3 -7 0 0 0 Z", "url(#vwood)")
    body += path("M0 0 C7 0 13 3 13 9 C13 14 9 16 8.5 19 Q8 24 9.5 28 C12 30 16 32 16 39 "
                 "C16 47 9 52 0 52 C-9 52 -16 47 -16 39 C-16 32 -12 30 -9.5 28 Q-8 24 -8.5 19 "
                 "C-9 16 -13 14 -13 9 C-13 3 -7 0 0 0 Z", extra=' stroke="#5a2406" stroke-width="2"')
    # f holes
    body += path("M-7 24 C-5 27 -9 31 -7 35 M7 24 C5 27 9 31 7 35", extra=' stroke="%s" '
                 'stroke-width="1.8" stroke-linecap="round"' % INK)
    # neck, fingerboard, pegbox, scroll
    body += path("M-2.6 -26 L2.6 -26 L3 1 L-3 1 Z", "url(#vneck)")
    body += path("M-2.4 -26 L2.4 -26 L3.6 30 L-3.6 30 Z", INK)
    body += path("M-3 -38 L3 -38 L3.2 -26 L-3.2 -26 Z", "#9a4a14")
    body += circle(0, -40.5, 4.2, "url(#vneck)") + circle(0.6, -40.5, 1.6, "#5a2406")
    for y in (-35, -30):
        body += rrect(-7, y - 1.2, 14, 2.4, 1.2, INK)
    # bridge, strings, tailpiece, chin rest
    body += rrect(-6.5, 32, 13, 2.6, 1, "#f3e2b8")
    body += path("M-1.6 -26 L-2.4 43 M-0.5 -26 L-0.8 43 M0.5 -26 L0.8 43 M1.6 -26 L2.4 43",
                 extra=' stroke="#f7ecd0" stroke-width="0.8"')
    body += path("M-3 40 L3 40 L4.2 50 L-4.2 50 Z", INK)
    # highlight
    body += path("M-10 6 C-11 11 -9 14 -6 16", extra=' stroke="#ffd9a0" stroke-width="2.2" '
                 'stroke-linecap="round" stroke-opacity="0.9"')
    b += g + bow + body + '</g>'
    return defs, b


# --------------------------------------------------------------- harp

def harp():
    d0, b0 = brass_plaque("a", "#5b3a1e", "#241407")
    defs = d0 + gold_grad("ag") + lin("ag2", [(0, GOLD_HI), (1, GOLD_LO)], x2=1, y2=0)
    b = ivory_bg() + b0

    def neck_y(x):  # curve of the neck from the pillar to the soundbox
        # cubic: P0 (34,30) P1 (54,16) P2 (70,46) P3 (96,40), solved for x numerically
        lo, hi = 0.0, 1.0
        for _ in range(40):
            t = (lo + hi) / 2
            bx = (1 - t) ** 3 * 34 + 3 * (1 - t) ** 2 * t * 54 + 3 * (1 - t) * t * t * 70 + t ** 3 * 96
            if bx < x:
                lo = t
            else:
                hi = t
        t = (lo + hi) / 2
        return (1 - t) ** 3 * 30 + 3 * (1 - t) ** 2 * t * 16 + 3 * (1 - t) * t * t * 46 + t ** 3 * 40

    def box_y(x):  # upper edge of the soundbox: from (46,100) to (94,44)
        return 100 - (x - 46) * (56 / 48.0)

    # strings
    s = ""
    for i in range(9):
        x = 42 + i * 5.6
        y1 = neck_y(x) + 2
        y2 = min(box_y(x), 101)
        s += path("M%s %s L%s %s" % (f(x), f(y1), f(x), f(y2)), extra=' stroke="#f7ecd0" '
                  'stroke-width="1.3"')
    b += s
    # soundbox
    b += path("M40 104 L90 40 L98 44 L54 104 Z", "url(#ag2)")
    b += path("M44 102 L91 43", extra=' stroke="%s" stroke-width="1.6"' % GOLD_LO)
    # neck
    b += path("M34 30 C54 16 70 46 96 40", extra=' stroke="url(#ag)" stroke-width="7" '
              'stroke-linecap="round"')
    b += path("M36 27 C52 17 64 36 80 38", extra=' stroke="#fff4cc" stroke-width="1.6" '
              'stroke-linecap="round" stroke-opacity="0.8"')
    # pillar with capital and base
    b += path("M29 32 L37 32 L36 100 L30 100 Z", "url(#ag2)")
    b += circle(33, 27, 6.5, "url(#ag)") + circle(31.5, 25.5, 2.2, "#fff4cc")
    b += rrect(25, 100, 32, 6, 2, "url(#ag)")
    b += path("M31.5 36 L31 96", extra=' stroke="#fff4cc" stroke-width="1.5" stroke-opacity="0.8"')
    return defs, b


# --------------------------------------------------------------- drum

def drum():
    d0, b0 = brass_plaque("d", "#7a1a2c", "#2a0610")
    defs = d0 + (lin("dbowl", [(0, "#f0a15a"), (0.45, "#c0602a"), (1, "#5a2408")], x2=1, y2=0)
                 + lin("dhead", [(0, "#fffaf0"), (1, "#e6dcc3")])
                 + gold_grad("dg"))
    b = ivory_bg() + b0
    b += ellipse(64, 101, 36, 4.5, "#100204", ' fill-opacity="0.45"')
    # legs
    for x0, x1 in ((42, 34), (83, 91), (62.5, 62.5)):
        b += path("M%s 86 L%s 101" % (f(x0), f(x1)), extra=' stroke="%s" stroke-width="3" '
                  'stroke-linecap="round"' % GOLD_LO)
    # copper kettle
    b += path("M28 56 C28 82 44 93 62.5 93 C81 93 97 82 97 56 Z", "url(#dbowl)")
    b += path("M34 62 C36 78 46 86 56 88", extra=' stroke="#ffd0a0" stroke-width="2.4" '
              'stroke-linecap="round" stroke-opacity="0.8"')
    # tuning rods
    for x in (33, 46, 62.5, 79, 92):
        yb = 56 + 26 * (1 - ((x - 62.5) / 34.5) ** 2) ** 0.5 * 0.85
        b += path("M%s 58 L%s %s" % (f(x), f(x), f(yb - 4)), extra=' stroke="%s" stroke-width="2" '
                  'stroke-linecap="round"' % GOLD_HI)
    # rim and head
    b += ellipse(62.5, 56, 35, 10.5, "url(#dg)")
    b += ellipse(62.5, 55, 31, 8, "url(#dhead)")
    b += ellipse(56, 53.5, 13, 3, "#ffffff", ' fill-opacity="0.7"')
    # crossed mallets
    for sx in (-1, 1):
        x0 = 62.5 - sx * 24
        b += path("M%s 50 L%s 26" % (f(x0), f(62.5 + sx * 9)), extra=' stroke="%s" stroke-width="2.6" '
                  'stroke-linecap="round"' % WALNUT_HI)
        b += circle(62.5 + sx * 9, 24, 6, "#f3ead2") + circle(62.5 + sx * 9 - 1.5, 22.5, 2, "#ffffff")
    return defs, b


# --------------------------------------------------------------- letters

def letter(p, ch, accent, light):
    d0, b0 = ivory_plaque(p, accent)
    defs = d0 + lin(p + "ink", [(0, light), (1, accent)])
    b = ivory_bg() + b0
    size = 76
    y = 90
    b += text(64.2, y + 1.8, ch, size, "#ffffff", SERIF)                 # light edge
    b += text(61.6, y - 1.0, ch, size, "#5a4a30", SERIF, extra=' fill-opacity="0.35"')  # cut shadow
    b += text(62.5, y, ch, size, "url(#%sink)" % p, SERIF)
    return defs, b


def king():
    return letter("k", "K", "#7a1428", "#c8384e")


def queen():
    return letter("q", "Q", "#5b3a1e", "#9a6a3a")


def jack():
    return letter("j", "J", "#1f5a3a", "#3f9466")


# --------------------------------------------------------------- scatter

CLEF = ("M63 77 C56 79 53 71 59 67 C67 62 76 68 75 77 C74 88 58 92 50 85 "
        "C41 77 44 64 54 56 C64 48 72 40 72 30 C72 20 66 14 62 18 "
        "C57 23 56 32 58 44 L64 96 C65 104 56 107 52 101")


def clef(dx=0, dy=0, col="#ffffff", width=5.2, extra=""):
    g = '<g transform="translate(%s %s)"%s>' % (f(dx), f(dy), extra)
    return (g + path(CLEF, extra=' stroke="%s" stroke-width="%s" stroke-linecap="round" '
                     'stroke-linejoin="round"' % (col, f(width)))
            + circle(53.5, 99.5, 4.6, col) + '</g>')


def ball(p="s"):
    defs = (rad(p + "ball", [(0, "#8fbcff"), (0.35, BLUE_HI), (0.85, BLUE_LO), (1, "#0b2560")],
                cx=0.38, cy=0.32, r=0.72)
            + rad(p + "gloss", [(0, "#ffffff", 0.95), (1, "#ffffff", 0)])
            + soft_shadow(p + "sh", "#2a3a5a", 0.45)
            + lin(p + "rim", [(0, "#bcd6ff"), (1, "#0b2560")]))
    b = (circle(65.5, 67, 55, "url(#%ssh)" % p)
         + circle(C, C, 54, "url(#%srim)" % p)
         + circle(C, C, 51.5, "url(#%sball)" % p)
         + ellipse(46, 33, 20, 12, "url(#%sgloss)" % p, ' transform="rotate(-30 46 33)"')
         + path(arc_path(C, C, 46, 20, 110), extra=' stroke="#7fb0ff" stroke-width="2.5" '
                'stroke-linecap="round" stroke-opacity="0.6"')
         + clef(1.6, 1.8, "#061a48", 5.2, ' opacity="0.55"')
         + clef(0, 0, "#ffffff", 5.2)
         + '<g transform="translate(0 0)">' + path(CLEF, extra=' stroke="%s" stroke-width="1.6" '
                                                   'stroke-linecap="round" stroke-linejoin="round" '
                                                   'stroke-opacity="0.9"' % "#ffe9a6") + '</g>')
    return defs, b


def scatter():
    d, b = ball()
    return d, ivory_bg() + b


# --------------------------------------------------------------- wild

NOTE = ("M44 88 C44 80 54 76 62 79 L62 34 L86 27 L86 82 C86 90 76 94 68 91 C62 88 62 80 70 77 "
        "C74 75.5 78 76 80 77.5 L80 41 L68 44.5 L68 87 C68 95 58 99 50 96 C46 94.5 44 92 44 88 Z")


def wild_square(p="w"):
    defs = (lin(p + "sq", [(0, "#ffb347"), (0.5, "#f08a1c"), (1, "#b9520a")])
            + gold_grad(p + "rim") + lin(p + "note", [(0, "#fff0b0"), (0.45, GOLD_HI), (1, GOLD)], x1=30, y1=20, x2=70, y2=80, user=True)
            + lin(p + "band", [(0, "#8e1c2e"), (1, "#4a0d1a")]))
    b = (rrect(11, 12, 109, 109, 12, "#6a3a08", ' fill-opacity="0.3"')
         + rrect(8, 8, 109, 109, 12, "url(#%srim)" % p)
         + rrect(13, 13, 99, 99, 8, "url(#%ssq)" % p)
         + path("M16 40 L16 22 Q16 16 22 16 L70 16", extra=' stroke="#ffe2b0" stroke-width="2.5" '
                'stroke-linecap="round" stroke-opacity="0.85"'))
    # golden note (two beamed notes) with a dark cut edge
    def note_parts(fill, extra=""):
        return (ellipse(42, 70, 10, 7.2, fill, ' transform="rotate(-22 42 70)"' + extra)
                + ellipse(78, 63, 10, 7.2, fill, ' transform="rotate(-22 78 63)"' + extra)
                + poly([(47.5, 33), (53.5, 31.8), (53.5, 69), (47.5, 70)], fill, extra)
                + poly([(83.5, 25.5), (89.5, 24.3), (89.5, 62), (83.5, 63)], fill, extra)
                + poly([(47.5, 30), (89.5, 21), (89.5, 32), (47.5, 41)], fill, extra))
    b += '<g transform="translate(2.2 2.4)" opacity="0.5">' + note_parts("#5a2404") + '</g>'
    b += note_parts("#6a3004", ' stroke="#6a3004" stroke-width="4" stroke-linejoin="round"')
    b += note_parts("url(#%snote)" % p)
    b += path("M50 34.5 L86.5 26.5", extra=' stroke="#fff6cc" stroke-width="2" stroke-linecap="round"')
    b += ellipse(38.5, 68.5, 4.5, 2.2, "#fff6cc", ' transform="rotate(-22 38.5 68.5)" fill-opacity="0.9"')
    b += ellipse(74.5, 61.5, 4.5, 2.2, "#fff6cc", ' transform="rotate(-22 74.5 61.5)" fill-opacity="0.9"')
    # WILD band
    b += rrect(17, 83, 91, 25, 5, "url(#%sband)" % p)
    b += rrect(17, 83, 91, 25, 5, "none", ' stroke="%s" stroke-width="2"' % GOLD_HI)
    b += embossed(62.5, 103.5, "WILD", 22, "url(#%srim)" % p, "#000000", SANS, d=1.3, sop=0.7, box=85)
    return defs, b


def wild():
    d, b = wild_square()
    return d, ivory_bg() + b


# --------------------------------------------------------------- bell

BELL = ("M62.5 30 C50 30 45 40 44 54 C43 68 40 76 32 84 L93 84 C85 76 82 68 81 54 "
        "C80 40 75 30 62.5 30 Z")


def bell_shape(p="b", grey=False):
    """The brass bell (without the background) centred on x=62.5, swinging about (62.5, 24)."""
    if grey:
        g0, g1, g2 = "#d8d4cc", "#9a958c", "#5a564e"
    else:
        g0, g1, g2 = GOLD_HI, GOLD, GOLD_LO
    defs = (lin(p + "bb", [(0, g0), (0.45, g1), (1, g2)], x2=1, y2=0.2)
            + lin(p + "lip", [(0, g0), (1, g2)]))
    b = (path("M62.5 20 L62.5 30", extra=' stroke="%s" stroke-width="4" stroke-linecap="round"' % g2)
         + circle(62.5, 19, 4.5, "none", ' stroke="%s" stroke-width="3"' % g1)
         + circle(62.5, 90, 6, g2) + circle(61, 88.5, 2.2, g0)              # clapper
         + path("M62.5 82 L62.5 88", extra=' stroke="%s" stroke-width="2.4"' % g2)
         + path(BELL, "url(#%sbb)" % p)
         + rrect(29, 80, 67, 8, 4, "url(#%slip)" % p)
         + path("M52 38 C48 46 48 60 46 70", extra=' stroke="#fff6d6" stroke-width="3" '
                'stroke-linecap="round" stroke-opacity="0.85"')
         + path("M46 62 L79 62", extra=' stroke="%s" stroke-width="2" stroke-opacity="0.6"' % g2))
    return defs, b


def bell_back(p="bk"):
    defs = (rad(p + "v", [(0, "#6e1428"), (1, VELVET_LO)], cx=0.45, cy=0.4, r=0.7)
            + gold_grad(p + "rim"))
    b = (rrect(11, 12, 109, 109, 14, "#3a1a10", ' fill-opacity="0.3"')
         + rrect(8, 8, 109, 109, 14, "url(#%srim)" % p)
         + rrect(12, 12, 101, 101, 11, "url(#%sv)" % p))
    # sunburst behind the bell
    rays = ""
    clip = rrect_pts(12, 12, 101, 101, 11)
    for i in range(16):
        a0 = i * 22.5 - 4
        a1 = a0 + 8
        pts = [(62.5, 58), (62.5 + 90 * math.cos(math.radians(a0)), 58 + 90 * math.sin(math.radians(a0))),
               (62.5 + 90 * math.cos(math.radians(a1)), 58 + 90 * math.sin(math.radians(a1)))]
        rays += poly(clip_convex(pts, clip), GOLD, ' fill-opacity="0.22"')
    b += rays
    b += rad(p + "gl", [(0, "#ffe066", 0.55), (1, "#ffe066", 0)]) and ""
    return defs + rad(p + "gl", [(0, "#ffe066", 0.5), (1, "#ffe066", 0)]), b + circle(62.5, 58, 40,
                                                                                      "url(#%sgl)" % p)


def bell():
    d0, b0 = bell_back()
    d1, b1 = bell_shape()
    return d0 + d1, ivory_bg() + b0 + b1


# --------------------------------------------------------------- logo

def logo(p="l"):
    defs = (lin(p + "pl", [(0, "#3a2412"), (1, "#140a04")])
            + gold_grad(p + "rim") + gold_grad(p + "txt", x1=0, y1=0.2, x2=0, y2=1))
    b = ivory_bg()
    b += rrect(11, 12, 109, 109, 12, "#3a2a10", ' fill-opacity="0.3"')
    b += rrect(8, 8, 109, 109, 12, "url(#%srim)" % p)
    b += rrect(12, 12, 101, 101, 9, "url(#%spl)" % p)
    b += rrect(16, 16, 93, 93, 6, "none", ' stroke="%s" stroke-width="2" stroke-opacity="0.7"' % GOLD)
    # little lyre crest
    b += path("M54 40 C50 30 54 24 58 24 M71 40 C75 30 71 24 67 24 M54 40 L71 40", extra=
              ' stroke="url(#%srim)" stroke-width="2.4" stroke-linecap="round" fill="none"' % p)
    b += path("M59 27 L59 39 M62.5 27 L62.5 39 M66 27 L66 39", extra=' stroke="%s" stroke-width="1.2"'
              % GOLD_HI)
    # name in a gold italic with a swash
    b += text(63.5, 70, "Tonvale", 21, "#000000", SERIF, "bold", extra=' font-style="italic" '
              'fill-opacity="0.6"')
    b += text(62.5, 69, "Tonvale", 21, "url(#%stxt)" % p, SERIF, "bold", extra=' font-style="italic"')
    b += path("M24 80 C44 74 70 86 101 76", extra=' stroke="url(#%srim)" stroke-width="2.4" '
              'stroke-linecap="round" fill="none"' % p)
    b += path("M101 76 c3 -1 4 2 1 3", extra=' stroke="%s" stroke-width="2" fill="none"' % GOLD)
    b += text(62.5, 98, "SLOTS", 10, GOLD, SANS, "bold", box=85)
    return defs, b


ALL = {
    "composer": composer, "piano": piano, "horn": horn, "violin": violin, "harp": harp,
    "drum": drum, "king": king, "queen": queen, "jack": jack, "scatter": scatter, "wild": wild,
    "bell": bell, "logo": logo,
}


def build():
    for name, fn in ALL.items():
        d, b = fn()
        write("sym_%s.svg" % name, svg(125, 125, b, d))


if __name__ == "__main__":
    build()
