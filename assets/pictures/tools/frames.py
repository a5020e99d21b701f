# SPDX-License-Identifier: MIT
"""Win presentation pictures: the cell frame, the wild animation (10 frames), the
multiplier badges (4 frames each) and the scatter animation (17 frames)."""
import math
from pic import *
import tiles


def star(cx, cy, r, fill, op=1.0, rot=0):
    """Four-pointed sparkle."""
    pts = []
    for i in range(8):
        a = math.radians(rot + i * 45 - 90)
        rr = r if i % 2 == 0 else r * 0.28
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    ex = ' fill-opacity="%s"' % f(op) if op < 1 else ""
    if fill == "#ffffff":   # white sparkles get a golden halo so they show on ivory
        big = [(cx + (x - cx) * 1.35, cy + (y - cy) * 1.35) for x, y in pts]
        return poly(big, "#f5b400", ex) + poly(pts, fill, ex)
    return poly(pts, fill, ex)


def cellframe():
    b = ""
    for inset, w, op in ((14, 3, 0.08), (11, 3, 0.18), (8, 3.5, 0.38)):
        b += rrect(inset, inset, 125 - 2 * inset, 125 - 2 * inset, 6, "none",
                   ' stroke="%s" stroke-width="%s" stroke-opacity="%s"' % (WIN, f(w), f(op)))
    b += rrect(3.5, 3.5, 118, 118, 9, "none", ' stroke="%s" stroke-width="7"' % "#a8761a")
    b += rrect(3.5, 3.5, 118, 118, 9, "none", ' stroke="%s" stroke-width="4"' % WIN)
    b += path("M4 40 L4 13 Q4 4 13 4 L70 4", extra=' stroke="#fffbe6" stroke-width="2" '
              'stroke-linecap="round"')
    for x, y in ((6, 6), (119, 6), (6, 119), (119, 119)):
        b += star(x, y, 7, "#fffbe6")
    return svg(125, 125, b)


# ------------------------------------------------------------------ wild

def wild_frame(k):
    """k = 1..10: a glint sweeps across the square in frames 1..7, the glow pulses."""
    d, b = tiles.wild_square()
    pulse = 0.5 + 0.5 * math.sin(2 * math.pi * (k - 1) / 10.0)
    d += rad("glow", [(0, WIN, 0), (0.8, WIN, 0), (0.9, WIN, 0.9), (1, WIN, 0)], cx=0.5, cy=0.5, r=0.5)
    out = '<rect width="125" height="125" fill="%s"/>' % IVORY
    # glow ring in the margin around the square
    out += rrect(2, 2, 121, 121, 16, "none", ' stroke="%s" stroke-width="5" stroke-opacity="%s"'
                 % (WIN, f(0.25 + 0.6 * pulse)))
    out += rrect(4.5, 4.5, 116, 116, 14, "none", ' stroke="#f5b400" stroke-width="2.5" '
                 'stroke-opacity="%s"' % f(0.3 + 0.5 * pulse))
    out += b
    # glint: a slanted band of light clipped to the orange square
    sq = rrect_pts(13, 13, 99, 99, 8)
    if k <= 7:
        x = -30 + (k - 1) * 30.0
        for w, op in ((26, 0.16), (14, 0.28), (5, 0.55)):
            band = [(x - w / 2, 0), (x + w / 2, 0), (x + w / 2 + 70, 125), (x - w / 2 + 70, 125)]
            out += poly(clip_convex(band, sq), "#ffffff", ' fill-opacity="%s"' % f(op))
    # sparkles that twinkle with the pulse
    out += star(95, 26, 5 + 5 * pulse, "#ffffff", 0.5 + 0.5 * pulse, 10 * k)
    out += star(28, 90, 5 + 5 * (1 - pulse), "#fff6cc", 0.5 + 0.5 * (1 - pulse), -10 * k)
    return svg(125, 125, out, d)


# ------------------------------------------------------------- multipliers

def mult_frame(label, k):
    """Round badge drawn over a wild frame; transparent around it, the glow pulses (4 frames)."""
    pulse = (0.0, 0.5, 1.0, 0.5)[k - 1]
    size = 42 if len(label) == 2 else 30
    cx, cy, r = 62.5, 48, 33
    sc = 1.0 + 0.06 * pulse
    d = (rad("glow", [(0, WIN, 0), (0.62, WIN, 0), (0.7, WIN, 0.5 + 0.5 * pulse), (1, WIN, 0)])
         + gold_grad("rim")
         + rad("disc", [(0, "#8e1c2e"), (1, VELVET_LO)], cx=0.4, cy=0.35, r=0.7)
         + lin("mg", [(0, "#fffbe0"), (0.45, GOLD_HI), (1, "#d9a43a")],
               x1=0, y1=cy - size * 0.36, x2=0, y2=cy + size * 0.36, user=True))
    b = circle(cx, cy, r * 1.42 + 4 * pulse, "url(#glow)")
    b += '<g transform="translate(%s %s) scale(%s) translate(%s %s)">' % (f(cx), f(cy), f(sc), f(-cx), f(-cy))
    b += circle(cx + 2, cy + 3, r, "#2a0610", ' fill-opacity="0.45"')
    b += circle(cx, cy, r, "url(#rim)") + circle(cx, cy, r - 4, "url(#disc)")
    b += path(arc_path(cx, cy, r - 2, 195, 275), extra=' stroke="#fff4cc" stroke-width="2" '
              'stroke-linecap="round" stroke-opacity="0.85"')
    base = cy + size * 0.36
    b += text(cx + 1.5, base + 1.8, label, size, "#000000", SANS, extra=' fill-opacity="0.6"')
    b += text(cx, base, label, size, "url(#mg)", SANS)
    b += '</g>'
    b += star(cx + 27, cy - 27, 4 + 5 * pulse, "#ffffff", 0.4 + 0.6 * pulse, 20 * k)
    return svg(125, 125, b, d)


# ----------------------------------------------------------------- scatter

def scatter_frame(k):
    """k = 1..17; frames 2..17 loop seamlessly (rays turn 60 degrees per loop)."""
    step = (k - 2) if k >= 2 else -1
    ang = step * 3.75
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * step / 8.0)
    d, ball = tiles.ball()
    d += (rad("burst", [(0, "#ffffff", 0.9), (0.45, WIN, 0.85), (1, "#f5b400", 0.0)])
          + rad("halo", [(0, WIN, 0), (0.72, WIN, 0), (0.8, WIN, 0.9), (1, WIN, 0)]))
    b = '<rect width="125" height="125" fill="%s"/>' % IVORY
    clip = rrect_pts(2, 2, 121, 121, 10)
    for i in range(12):
        a0 = ang + i * 30 - 6.5
        a1 = a0 + 13
        pts = [(62.5, 62.5)]
        for a in (a0, a1):
            pts.append((62.5 + 110 * math.cos(math.radians(a)), 62.5 + 110 * math.sin(math.radians(a))))
        col = "#f5b400" if i % 2 == 0 else BLUE_HI
        b += poly(clip_convex(pts, clip), col, ' fill-opacity="%s"' % f(0.55 if i % 2 == 0 else 0.35))
    b += circle(62.5, 62.5, 62, "url(#burst)", ' fill-opacity="%s"' % f(0.5 + 0.5 * pulse))
    s = 0.84 + 0.05 * pulse
    b += circle(62.5, 62.5, 54 * s + 8, "url(#halo)", ' fill-opacity="%s"' % f(0.4 + 0.6 * pulse))
    b += ('<g transform="translate(62.5 62.5) scale(%s) translate(-62.5 -62.5)">' % f(s)
          + ball + '</g>')
    # sparkles circling with the rays
    for i, r in ((0, 56), (1, 54), (2, 57)):
        a = math.radians(ang * 2 + i * 120 + 30)
        b += star(62.5 + r * math.cos(a), 62.5 + r * math.sin(a), 6 + 3 * pulse, "#ffffff",
                  0.6 + 0.4 * pulse, ang)
    return svg(125, 125, b, d)


def build():
    write("cellframe.svg", cellframe())
    for k in range(1, 11):
        write("wild_%02d.svg" % k, wild_frame(k))
    for m in ("2", "3", "5", "10"):
        for k in range(1, 5):
            write("mult_x%s_%d.svg" % (m, k), mult_frame("x" + m, k))
    for k in range(1, 18):
        write("scatter_%02d.svg" % k, scatter_frame(k))


if __name__ == "__main__":
    build()
