# SPDX-License-Identifier: MIT
"""Jackpot pictures: the board with 16 prize fields, the sun emblem (the ball) at three
turns, the pool banners (three shimmer frames each) and the bell frames."""
import math
from pic import *
import tiles
from frames import star

# ball positions on the board (pixels) and the labels of the 16 fields
FIELDS = [(-3, -8, "BET X 20"), (113, -8, "BET X 10"), (220, -8, "BET X 20"), (337, -8, "GRAND"),
          (447, -8, "BET X 10"), (557, -8, "MINOR"), (557, 87, "BET X 10"), (557, 177, "BET X 30"),
          (557, 270, "BET X 20"), (447, 270, "BET X 10"), (337, 270, "MINOR"),
          (220, 270, "BET X 10"), (113, 270, "MAJOR"), (-3, 270, "BET X 10"),
          (-3, 177, "BET X 20"), (-3, 87, "BET X 30")]
PW, PH = 94, 84          # size of a field plaque
PANEL = (123, 110, 551, 272)

POOL_STYLE = {           # face gradient, text fill, text shadow
    "GRAND": ("pgrand", "#5a0a18", "#fff0b0"),
    "MAJOR": ("pmajor", "url(#tgold)", "#000000"),
    "MINOR": ("pminor", "url(#tgold)", "#000000"),
}


def field(cx, cy, label):
    x, y = cx - PW / 2.0, cy - PH / 2.0
    b = rrect(x + 2, y + 3, PW, PH, 10, "#000000", ' fill-opacity="0.45"')
    b += rrect(x, y, PW, PH, 10, "url(#gold)")
    if label.startswith("BET"):
        b += rrect(x + 4, y + 4, PW - 8, PH - 8, 7, "url(#walnut)")
        b += rrect(x + 7, y + 7, PW - 14, PH - 14, 5, "none", ' stroke="%s" stroke-width="2" '
                   'stroke-opacity="0.55"' % GOLD)
        b += embossed(cx, cy - 8, "BET", 15, GOLD_HI, "#000000", d=1, sop=0.7, box=PW - 14)
        b += embossed(cx, cy + 22, label[4:], 27, "url(#tgold)", "#000000", d=1.3, sop=0.7)
    else:
        face, fill, sh = POOL_STYLE[label]
        b += rrect(x + 4, y + 4, PW - 8, PH - 8, 7, "url(#%s)" % face)
        b += embossed(cx, cy + 6, label, 19, fill, sh, d=1.1, sop=0.7, box=PW - 14)
        b += text(cx, cy + 24, "JACKPOT", 9.5, fill if label != "GRAND" else "#7a1428", box=PW - 14)
        for sx in (-1, 1):
            b += star(cx + sx * 28, cy - 20, 6, GOLD_HI if label != "GRAND" else "#7a1428")
    b += path("M%s %s L%s %s Q%s %s %s %s L%s %s" % (f(x + 3), f(y + 30), f(x + 3), f(y + 12), f(x + 3),
                                                      f(y + 3), f(x + 12), f(y + 3), f(x + 50), f(y + 3)),
              extra=' stroke="#fff4cc" stroke-width="2" stroke-linecap="round" stroke-opacity="0.8"')
    return b


def board():
    defs = (rad("velvet", [(0, "#6a1428"), (1, VELVET_LO)], cx=0.5, cy=0.45, r=0.65)
            + gold_grad("gold") + gold_grad("tgold", x1=0, y1=0.15, x2=0, y2=0.95)
            + lin("walnut", [(0, WALNUT_HI), (0.4, WALNUT), (1, WALNUT_DK)])
            + lin("pgrand", [(0, "#fff3b8"), (0.5, GOLD_HI), (1, "#d9a43a")])
            + lin("pmajor", [(0, "#4f86ea"), (0.4, BLUE_HI), (1, BLUE_LO)])
            + lin("pminor", [(0, "#b3304a"), (0.4, "#8e1c2e"), (1, VELVET_HI)])
            + lin("panel", [(0, "#1a0308"), (1, "#3a0914")])
            + rad("burst", [(0, WIN, 0.22), (1, WIN, 0)]))
    b = rrect(0, 0, 675, 380, 14, "url(#gold)")
    b += rrect(4, 4, 667, 372, 11, "url(#velvet)")
    # the track the ball runs along
    b += rrect(50, 52, 560, 278, 30, "none", ' stroke="%s" stroke-width="5" stroke-opacity="0.45" '
               'stroke-dasharray="2 12" stroke-linecap="round"' % GOLD_HI)
    # centre panel
    x0, y0, x1, y1 = PANEL
    b += rrect(x0 - 6, y0 - 6, x1 - x0 + 12, y1 - y0 + 12, 12, "url(#gold)")
    b += rrect(x0 - 2, y0 - 2, x1 - x0 + 4, y1 - y0 + 4, 9, "url(#panel)")
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    clip = rrect_pts(x0, y0, x1 - x0, y1 - y0, 8)
    for i in range(24):
        a0, a1 = i * 15 - 3, i * 15 + 3
        pts = [(cx, cy)] + [(cx + 300 * math.cos(math.radians(a)), cy + 300 * math.sin(math.radians(a)))
                            for a in (a0, a1)]
        b += poly(clip_convex(pts, clip), GOLD, ' fill-opacity="0.08"')
    b += ellipse(cx, cy, 180, 70, "url(#burst)")
    b += rrect(x0 + 5, y0 + 5, x1 - x0 - 10, y1 - y0 - 10, 6, "none", ' stroke="%s" stroke-width="2" '
               'stroke-opacity="0.5"' % GOLD)
    for fx, fy, label in FIELDS:
        cxf = max(fx + 53, 54)      # keep the left column clear of the frame
        cyf = {-8: 52, 87: 147, 177: 237, 270: 330}[fy]
        b += field(cxf, cyf, label)
    return svg(675, 380, b, defs)


# ------------------------------------------------------------------ sun

def sun(k):
    rot = (k - 1) * 10.0
    c = 60.0
    defs = (rad("halo", [(0, WIN, 0.65), (0.5, WIN, 0.35), (1, WIN, 0)])
            + lin("ray", [(0, GOLD_HI), (1, "#e0a020")])
            + rad("disc", [(0, "#fff3b8"), (0.55, GOLD_HI), (0.85, GOLD), (1, GOLD_LO)], cx=0.4, cy=0.38,
                  r=0.65)
            + rad("core", [(0, "#8e1c2e"), (1, VELVET_LO)], cx=0.4, cy=0.35, r=0.7))
    b = circle(c, c, 60, "url(#halo)")
    rays = ""
    for i in range(12):
        for long_ray, off in ((True, 0), (False, 15)):
            a = math.radians(rot + i * 30 + off)
            rr = 58 if long_ray else 47
            half = math.radians(7 if long_ray else 6)
            p0 = (c + 28 * math.cos(a - half), c + 28 * math.sin(a - half))
            p1 = (c + rr * math.cos(a), c + rr * math.sin(a))
            p2 = (c + 28 * math.cos(a + half), c + 28 * math.sin(a + half))
            rays += poly([p0, p1, p2], "url(#ray)" if long_ray else GOLD,
                         ' stroke="%s" stroke-width="1.5" stroke-linejoin="round"' % GOLD_LO)
    b += rays
    b += circle(c + 1.5, c + 2, 32, "#3a2006", ' fill-opacity="0.35"')
    b += circle(c, c, 32, "url(#disc)")
    b += circle(c, c, 24, "url(#core)")
    b += circle(c, c, 24, "none", ' stroke="%s" stroke-width="2.2"' % GOLD_LO)
    # a small ivory treble clef in the middle, turning with the rays
    b += ('<g transform="rotate(%s 60 60) translate(60 60) scale(0.38) translate(-59 -60)">' % f(rot)
          + path(tiles.CLEF, extra=' stroke="%s" stroke-width="7" stroke-linecap="round" '
                 'stroke-linejoin="round"' % IVORY) + circle(53.5, 99.5, 6, IVORY) + '</g>')
    b += path(arc_path(c, c, 29, 200, 270), extra=' stroke="#fffbe6" stroke-width="2.5" '
              'stroke-linecap="round" stroke-opacity="0.9"')
    return svg(120, 120, b, defs)


# --------------------------------------------------------------- banners

BANNER = {
    "minor": ("MINOR", [(0, "#c2344f"), (0.45, "#8e1c2e"), (1, VELVET_LO)], "url(#tgold)", "#000000"),
    "major": ("MAJOR", [(0, "#5a8ff0"), (0.45, BLUE_HI), (1, BLUE_LO)], "url(#tgold)", "#000000"),
    "grand": ("GRAND", [(0, "#fff6c8"), (0.45, GOLD_HI), (1, "#c98f22")], "#6a0c1e", "#fff6d0"),
}


def banner(kind, k):
    name, face, fill, sh = BANNER[kind]
    W, H = 428, 162
    defs = (lin("face", face) + gold_grad("gold") + gold_grad("tgold", x1=0, y1=0.2, x2=0, y2=0.9)
            + rad("bulb", [(0, "#ffffff"), (0.45, WIN), (1, "#f5a000")]))
    b = rrect(4, 6, W - 6, H - 8, 22, "#000000", ' fill-opacity="0.45"')
    b += rrect(2, 2, W - 6, H - 8, 22, "url(#gold)")
    b += rrect(16, 16, W - 34, H - 36, 14, "url(#face)")
    # glint across the face, one position per frame
    sq = rrect_pts(16, 16, W - 34, H - 36, 14)
    x = (60, 200, 340)[k - 1]
    for w, op in ((60, 0.12), (28, 0.2), (10, 0.35)):
        band = [(x - w / 2, 0), (x + w / 2, 0), (x + w / 2 - 60, H), (x - w / 2 - 60, H)]
        b += poly(clip_convex(band, sq), "#ffffff", ' fill-opacity="%s"' % f(op))
    # chasing lights around the rim
    pts = []
    x0, y0, x1, y1 = 9, 9, W - 11, H - 13
    n_top, n_side = 17, 6
    for i in range(n_top):
        pts.append((x0 + 14 + i * (x1 - x0 - 28) / (n_top - 1.0), y0))
    for i in range(1, n_side):
        pts.append((x1, y0 + i * (y1 - y0) / float(n_side)))
    for i in range(n_top):
        pts.append((x1 - 14 - i * (x1 - x0 - 28) / (n_top - 1.0), y1))
    for i in range(1, n_side):
        pts.append((x0, y1 - i * (y1 - y0) / float(n_side)))
    for i, (px, py) in enumerate(pts):
        if i % 3 == (k - 1):
            b += circle(px, py, 6.5, WIN, ' fill-opacity="0.45"') + circle(px, py, 4, "url(#bulb)")
        else:
            b += circle(px, py, 3.6, "#7a5410") + circle(px - 0.8, py - 0.8, 1.6, "#c9962c")
    # lettering
    # the lower line stays between the two sparkles beside it
    b += embossed(W / 2.0, 92, name, 66, fill, sh, d=2.2, sop=0.7, box=W - 60)
    b += embossed(W / 2.0, 130, "JACKPOT", 28, fill, sh, d=1.5, sop=0.7, box=262)
    for sx in (-1, 1):
        b += star(W / 2.0 + sx * 150, 118, (7, 10, 13)[(k - 1 + (sx > 0)) % 3], "#ffffff")
    b += star((120, 300, 210)[k - 1], (30, 32, 29)[k - 1], 8, "#ffffff")
    return svg(W, H, b, defs)


# ------------------------------------------------------------------ bells

def bell_frame(k):
    """k = 2..7: the bell swings left and right and rings with a glowing halo."""
    ang = 14 * math.sin(2 * math.pi * (k - 2) / 6.0 + math.pi / 6)
    glow = abs(ang) / 14.0
    d0, b0 = tiles.bell_back()
    d1, b1 = tiles.bell_shape()
    d = d0 + d1 + rad("halo", [(0, WIN, 0.85), (0.6, WIN, 0.35), (1, WIN, 0)])
    b = '<rect width="125" height="125" fill="%s"/>' % IVORY
    b += rrect(3, 3, 119, 119, 17, "none", ' stroke="%s" stroke-width="5" stroke-opacity="%s"'
               % (WIN, f(0.3 + 0.6 * glow)))
    b += b0
    b += circle(62.5, 60, 34 + 10 * glow, "url(#halo)", ' fill-opacity="%s"' % f(0.45 + 0.55 * glow))
    b += '<g transform="rotate(%s 62.5 19)">' % f(ang) + b1 + '</g>'
    if glow > 0.9:   # sound waves on the side the bell swings to
        side = -1 if ang > 0 else 1
        for r in (10, 18):
            a0 = 150 if side < 0 else -30
            b += path(arc_path(62.5 + side * 36, 64, r, a0, a0 + 60), extra=' stroke="%s" '
                      'stroke-width="3" stroke-linecap="round"' % WIN)
    return svg(125, 125, b, d)


def bell_on_logo(counted):
    """Reel 3's bell where the logo stands: a whole tile of its own that covers the
    logo completely, lit when the bell counts and greyed when it does not."""
    d0, b0 = tiles.bell_back()
    d1, b1 = tiles.bell_shape(grey=not counted)
    d = d0 + d1 + rad("halo", [(0, WIN, 0.95), (0.55, WIN, 0.5), (1, WIN, 0)])
    b = '<rect width="125" height="125" fill="%s"/>' % IVORY + b0
    if counted:
        b += circle(62.5, 60, 44, "url(#halo)")
        b += rrect(4, 4, 117, 117, 15, "none", ' stroke="%s" stroke-width="4"' % WIN)
        b += b1
    else:
        # Not counted: the velvet is dimmed and the bell stands in grey.
        b += rrect(12, 12, 101, 101, 11, "#140a04", ' fill-opacity="0.45"')
        b += '<g opacity="0.75">' + b1 + '</g>'
    return svg(125, 125, b, d)


def build():
    write("jackpot_board.svg", board())
    for k in (1, 2, 3):
        write("sun_%d.svg" % k, sun(k))
        for kind in ("minor", "major", "grand"):
            write("banner_%s_%d.svg" % (kind, k), banner(kind, k))
    for k in range(2, 8):
        write("bell_%d.svg" % k, bell_frame(k))
    write("bell_1.svg", bell_on_logo(True))
    write("bell_8.svg", bell_on_logo(False))


if __name__ == "__main__":
    build()
