# SPDX-License-Identifier: MIT
"""Gamble pictures: the sheet-music panel, four aces, the card back and its peel frames,
suit icons, the colour buttons and the WIN / LOSE banners."""
import math
from pic import *
import tiles
from buttons import button
from frames import star

RED, BLACK = "#c8102e", INK

# suit shapes in a 100 x 100 box centred on (50, 50)
HEART = ("M50 88 C40 78 10 58 10 34 C10 20 21 11 33 11 C41 11 47 16 50 23 "
         "C53 16 59 11 67 11 C79 11 90 20 90 34 C90 58 60 78 50 88 Z")
DIAMOND = "M50 6 C58 22 70 38 84 50 C70 62 58 78 50 94 C42 78 30 62 16 50 C30 38 42 22 50 6 Z"
SPADE = ("M50 6 C60 24 90 40 90 62 C90 75 80 82 70 82 C62 82 56 78 53 72 "
         "C54 82 58 90 66 94 L34 94 C42 90 46 82 47 72 C44 78 38 82 30 82 "
         "C20 82 10 75 10 62 C10 40 40 24 50 6 Z")
CLUB = ("M50 6 C61 6 70 15 70 26 C70 32 68 36 64 41 C68 38 72 37 76 37 C87 37 96 46 96 57 "
        "C96 68 87 77 76 77 C66 77 58 71 54 64 C55 76 59 88 67 94 L33 94 C41 88 45 76 46 64 "
        "C42 71 34 77 24 77 C13 77 4 68 4 57 C4 46 13 37 24 37 C28 37 32 38 36 41 "
        "C32 36 30 32 30 26 C30 15 39 6 50 6 Z")
SUITS = [(HEART, RED), (CLUB, BLACK), (DIAMOND, RED), (SPADE, BLACK)]


def suit_shape(i, cx, cy, size, fill=None, extra=""):
    d, col = SUITS[i]
    s = size / 100.0
    return ('<g transform="translate(%s %s) scale(%s) translate(-50 -50)">' % (f(cx), f(cy), f(s))
            + path(d, fill or col, extra) + '</g>')


def suit_icon(i):
    d, col = SUITS[i]
    defs = (gold_grad("rim") + lin("face", [(0, "#fffdf6"), (1, "#e9dcbc")])
            + lin("ink", [(0, "#ee4060" if col == RED else "#4a4448"), (1, col)]))
    b = rrect(2.5, 3.5, 50, 50, 10, "#000000", ' fill-opacity="0.35"')
    b += rrect(1, 1, 51, 51, 10, "url(#rim)")
    b += rrect(4, 4, 45, 45, 7.5, "url(#face)")
    b += suit_shape(i, 27.5, 28, 34, "#5a4a30", ' fill-opacity="0.35"')
    b += suit_shape(i, 26.5, 26.5, 34, "url(#ink)")
    b += path("M7 20 L7 12 Q7 7 12 7 L30 7", extra=' stroke="#ffffff" stroke-width="2" '
              'stroke-linecap="round" stroke-opacity="0.9"')
    return svg(54, 54, b, defs)


def card_face(i):
    d, col = SUITS[i]
    defs = (lin("paper", [(0, "#ffffff"), (1, "#f1ead8")])
            + lin("ink", [(0, "#ee4060" if col == RED else "#4a4448"), (1, col)]))
    b = rrect(1, 1, 98, 151, 8, "#b8ab8c")
    b += rrect(2.5, 2.5, 95, 148, 7, "url(#paper)")
    b += rrect(7, 7, 86, 139, 5, "none", ' stroke="%s" stroke-width="1.2" stroke-opacity="0.25"' % col)
    for flip in (False, True):
        g = '<g transform="rotate(180 50 76.5)">' if flip else "<g>"
        g += text(13.5, 25, "A", 17, col, SERIF)
        g += suit_shape(i, 13.5, 35, 13, col)
        b += g + "</g>"
    b += suit_shape(i, 51.5, 78.5, 52, "#000000", ' fill-opacity="0.15"')
    b += suit_shape(i, 50, 76.5, 52, "url(#ink)")
    b += '<g transform="translate(50 76.5) scale(0.52) translate(-50 -50)">' + path(
        "M22 30 C22 22 28 17 34 17", extra=' stroke="#ffffff" stroke-width="5" stroke-linecap="round" '
        'stroke-opacity="0.6"') + '</g>'
    return svg(100, 153, b, defs)


def back_art():
    """(defs, body) of the card back (gold and orange with a brand plate)."""
    defs = (gold_grad("bgold") + lin("borange", [(0, "#f7a040"), (0.5, "#e8731a"), (1, "#b84e08")])
            + lin("plate", [(0, "#6a1428"), (1, VELVET_LO)]))
    b = rrect(1, 1, 98, 151, 8, "#8c6418")
    b += rrect(2.5, 2.5, 95, 148, 7, "url(#bgold)")
    b += rrect(8, 8, 84, 137, 4, "url(#borange)")
    # golden lattice clipped to the orange field
    field = rect_pts(8, 8, 84, 137)
    for c in range(-140, 100, 12):
        for sgn in (1, -1):
            if sgn > 0:
                line = [(c, 0), (c + 2.2, 0), (c + 2.2 + 153, 153), (c + 153, 153)]
            else:
                line = [(c + 153, 0), (c + 155.2, 0), (c + 2.2, 153), (c, 153)]
            b += poly(clip_convex(line, field), GOLD_HI, ' fill-opacity="0.55"')
    b += rrect(8, 8, 84, 137, 4, "none", ' stroke="%s" stroke-width="2"' % GOLD_LO)
    # brand plate
    b += rrect(14, 58, 74, 39, 7, "#000000", ' fill-opacity="0.35"')
    b += rrect(12, 56, 76, 39, 7, "url(#bgold)")
    b += rrect(15, 59, 70, 33, 5, "url(#plate)")
    b += text(50.8, 81.3, "Tonvale", 15, "#000000", SERIF, extra=' font-style="italic" fill-opacity="0.6"')
    b += text(50, 80.5, "Tonvale", 15, "url(#bgold)", SERIF, extra=' font-style="italic"')
    b += star(50, 30, 8, GOLD_HI) + star(50, 122, 8, GOLD_HI)
    return defs, b


def card_back():
    d, b = back_art()
    return svg(100, 153, b, d)


def peel(n):
    """n = 10..24: the back peels away from the lower-left corner; the peeled part is
    transparent, the curled flap shows the paper side and casts a shadow on the card below."""
    t = (n - 10) / 14.0 * 0.9
    W, H = 100.0, 153.0
    L = math.hypot(W, H)
    ux, uy = W / L, -H / L                   # direction from the lower-left to the top-right corner
    # fold line: points p with (p - (0,H)) . u = t * L
    a, bb = ux, uy
    c = -(0 * ux + H * uy) - t * L
    rect = rect_pts(0, 0, W, H)
    if n == 10:
        d, body = back_art()
        return svg(100, 153, body, d)
    d, body = back_art()
    # the back is drawn whole, then the peeled part is cut out by laying the card over
    # only the kept region: build the kept region as a polygon and draw the back inside it
    # by stacking the back art under an alpha-free cover is not possible without clip paths,
    # so the back's own shapes are clipped here instead.
    keep = clip_halfplane(rect, a, bb, c)
    out = back_in(keep)
    # curl of the flap: a band next to the fold line on the kept side
    rem = (1 - t) * L
    r = min(0.5 * t * L, 14.0, 0.45 * rem)
    if r > 0.5:
        band = clip_halfplane(keep, -a, -bb, -c + r)      # within r of the fold line
        gx0, gy0 = (0 + t * L * ux), (H + t * L * uy)
        gx1, gy1 = gx0 + r * ux, gy0 + r * uy
        d += lin("curl", [(0, "#d9ceb2"), (0.45, "#fffdf6"), (1, "#bfb293")], x1=gx0, y1=gy0, x2=gx1,
                 y2=gy1, user=True)
        out += poly(band, "url(#curl)")
        out += poly(band, "none", ' stroke="#8c7f60" stroke-width="1" stroke-opacity="0.6" '
                    'stroke-linejoin="round"')
    # soft shadow cast on the card below, just beyond the fold
    sh = clip_halfplane(clip_halfplane(rect, -a, -bb, -c), a, bb, c + 7)
    gx0, gy0 = (t * L * ux), (H + t * L * uy)
    d += lin("cast", [(0, "#000000", 0.35), (1, "#000000", 0)], x1=gx0, y1=gy0, x2=gx0 - 7 * ux,
             y2=gy0 - 7 * uy, user=True)
    out += poly(sh, "url(#cast)")
    return svg(100, 153, out, d)


def back_in(region):
    """The card back drawn only inside a convex region (no clip paths needed)."""
    def cl(pts):
        return clip_convex(pts, region) if region else []
    b = poly(cl(rrect_pts(1, 1, 98, 151, 8)), "#8c6418")
    b += poly(cl(rrect_pts(2.5, 2.5, 95, 148, 7)), "url(#bgold)")
    b += poly(cl(rrect_pts(8, 8, 84, 137, 4)), "url(#borange)")
    field = clip_convex(rect_pts(8, 8, 84, 137), region)
    if field:
        for c in range(-140, 100, 12):
            for sgn in (1, -1):
                if sgn > 0:
                    line = [(c, 0), (c + 2.2, 0), (c + 2.2 + 153, 153), (c + 153, 153)]
                else:
                    line = [(c + 153, 0), (c + 155.2, 0), (c + 2.2, 153), (c, 153)]
                b += poly(clip_convex(line, field), GOLD_HI, ' fill-opacity="0.55"')
    b += poly(cl(rrect_pts(14, 58, 74, 39, 7)), "#000000", ' fill-opacity="0.35"')
    b += poly(cl(rrect_pts(12, 56, 76, 39, 7)), "url(#bgold)")
    b += poly(cl(rrect_pts(15, 59, 70, 33, 5)), "url(#plate)")
    # the star ornaments and the name stay only while the region holds them whole
    ok = lambda pts: len(clip_convex(pts, region)) and all(
        abs(p[0] - q[0]) < 1e-6 for p, q in zip(sorted(clip_convex(pts, region)), sorted(pts)))
    if ok(rect_pts(42, 22, 16, 16)):
        b += star(50, 30, 8, GOLD_HI)
    if ok(rect_pts(42, 114, 16, 16)):
        b += star(50, 122, 8, GOLD_HI)
    if ok(rect_pts(15, 59, 70, 33)):
        b += text(50, 80.5, "Tonvale", 15, "url(#bgold)", SERIF, extra=' font-style="italic"')
    return b


def panel():
    defs = (rad("paper", [(0, "#fbf5e4"), (0.7, "#f3e8cc"), (1, "#e2d2aa")], cx=0.45, cy=0.4, r=0.75)
            + lin("walnut", [(0, WALNUT_HI), (0.4, WALNUT), (1, WALNUT_DK)]) + gold_grad("gold"))
    b = rrect(0, 0, 256, 377, 8, "url(#walnut)")
    b += rrect(4, 4, 248, 369, 6, "url(#gold)")
    b += rrect(7, 7, 242, 363, 4, "url(#paper)")
    y = 40
    while y + 20 < 370:
        for i in range(5):
            b += path("M14 %s L242 %s" % (f(y + i * 5), f(y + i * 5)),
                      extra=' stroke="%s" stroke-width="1.2" stroke-opacity="0.22"' % INK)
        b += path("M14 %s L14 %s M242 %s L242 %s" % (f(y), f(y + 20), f(y), f(y + 20)),
                  extra=' stroke="%s" stroke-width="1.6" stroke-opacity="0.22"' % INK)
        b += ('<g transform="translate(17 %s) scale(0.3) translate(-41 -20)" opacity="0.22">' % f(y - 6)
              + path(tiles.CLEF, extra=' stroke="%s" stroke-width="6" stroke-linecap="round" '
                     'stroke-linejoin="round"' % INK) + circle(53.5, 99.5, 6, INK) + '</g>')
        y += 46
    # a few notes scattered on the staves
    for x, yy in ((60, 47), (95, 42), (185, 133), (215, 138), (70, 320), (200, 316)):
        b += ellipse(x, yy, 4, 2.8, INK, ' transform="rotate(-20 %s %s)" fill-opacity="0.18"'
                     % (f(x), f(yy)))
        b += path("M%s %s L%s %s" % (f(x + 3.6), f(yy), f(x + 3.6), f(yy - 15)), extra=' stroke="%s" '
                  'stroke-width="1.4" stroke-opacity="0.18"' % INK)
    return svg(256, 377, b, defs)


def banner_small(word, win):
    defs = (gold_grad("rim")
            + (lin("face", [(0, "#fff3b8"), (0.5, GOLD_HI), (1, "#c98f22")]) if win else
               lin("face", [(0, "#6a6266"), (0.5, "#3a3336"), (1, "#1a1618")])))
    b = rrect(3, 4, 145, 25, 12, "#000000", ' fill-opacity="0.4"')
    b += poly([(0, 6), (14, 6), (14, 24), (0, 24), (6, 15)], "#8c6418" if win else "#5a1420")
    b += poly([(150, 6), (136, 6), (136, 24), (150, 24), (144, 15)], "#8c6418" if win else "#5a1420")
    b += rrect(8, 1.5, 134, 26, 12, "url(#rim)")
    b += rrect(11, 4, 128, 21, 10, "url(#face)")
    if win:
        # The sparkles lie under the word, which may reach into them in a longer language.
        b += star(34, 14.5, 6, "#ffffff") + star(116, 14.5, 6, "#ffffff")
        b += embossed(75, 21.5, word, 18, "#7a1428", "#fff6d0", d=1, box=84)
    else:
        b += embossed(75, 21.5, word, 18, "#d8432f", "#000000", d=1.1, sop=0.8, box=116)
    return svg(150, 30, b, defs)


def build():
    for i in range(4):
        write("card_%d.svg" % (i + 1), card_face(i))
        write("suit_%d.svg" % (i + 1), suit_icon(i))
    write("card_back.svg", card_back())
    for n in range(10, 25):
        write("peel_%d.svg" % n, peel(n))
    write("gamble_panel.svg", panel())
    write("gamble_win.svg", banner_small("WIN", True))
    write("gamble_lose.svg", banner_small("LOSE", False))


if __name__ == "__main__":
    build()
