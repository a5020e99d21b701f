#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Pictures of the game's other windows: the game's icon, the about window's title
plaque and its way back to the game, and the partner's advert poster.

Run:  python3 assets/pictures/tools/windows.py
"""
import math
import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pic import (BLUE_HI, BLUE_LO, GOLD, GOLD_HI, GOLD_LO, INK, IVORY, SANS, SERIF,  # noqa: E402
                 VELVET_HI, VELVET_LO, WALNUT, f, gold_grad, lin, rad, svg, word, write)

LINKS = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                      "..", "..", "..", "src", "windows", "links.h"))


def partner_name():
    """The partner's display name as the game's configuration has it."""
    with open(LINKS, encoding="utf-8") as fh:
        m = re.search(r'kPartnerName\s*=\s*"([^"]*)"', fh.read())
    return m.group(1) if m else "Partner Casino"


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def note(x, y, s, fill):
    """An eighth note whose head centre is at x, y; s is the head width."""
    stem = s * 2.6
    head = ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(-22 %s %s)" fill="%s"/>'
            % (f(x), f(y), f(s * 0.55), f(s * 0.38), f(x), f(y), fill))
    sx = x + s * 0.47
    body = ('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            % (f(sx - s * 0.12), f(y - stem), f(s * 0.12), f(stem), fill))
    flag = ('<path d="M%s %s c %s %s %s %s %s %s c %s %s %s %s %s %s z" fill="%s"/>'
            % (f(sx - 0.5), f(y - stem),
               f(s * 0.1), f(s * 0.55), f(s * 0.95), f(s * 0.7), f(s * 0.7), f(s * 1.65),
               f(s * 0.05), f(-s * 0.75), f(-s * 0.5), f(-s * 0.95), f(-s * 0.7), f(-s * 1.2),
               fill))
    return head + body + flag


def icon():
    defs = (rad("vel", [(0, VELVET_HI), (1, VELVET_LO)], cx=0.4, cy=0.35, r=0.75)
            + gold_grad("gold")
            + lin("hl", [(0, "#ffffff", 0.35), (1, "#ffffff", 0)]))
    body = ('<rect x="2" y="2" width="60" height="60" rx="12" fill="url(#gold)"/>'
            '<rect x="5" y="5" width="54" height="54" rx="9.5" fill="url(#vel)"/>'
            '<rect x="8" y="7" width="48" height="20" rx="8" fill="url(#hl)"/>'
            + note(26.5, 44, 15, "#2a0610").replace('fill="#2a0610"', 'fill="#1a0308" fill-opacity="0.6"')
            .replace('cx="26.5" cy="44"', 'cx="27.5" cy="45"')
            + note(26, 43, 15, "url(#gold)"))
    write("icon.svg", svg(64, 64, body, defs))


def return_to_game():
    w, h = 293, 45
    defs = (lin("green", [(0, "#3fae5c"), (0.5, "#1f7a3a"), (1, "#0e4d22")])
            + gold_grad("gold")
            + lin("hl", [(0, "#ffffff", 0.45), (1, "#ffffff", 0)]))
    # The words keep clear of the arrow on the left, centred where they stand.
    room = 2 * min(w / 2 + 12 - 44, w - 8 - (w / 2 + 12))
    label = word("RETURN TO GAME", room, 21, SANS, "bold", [
        '<text x="%s" y="32" font-family="%s" font-size="{size}" font-weight="bold" text-anchor="middle" '
        'fill="#0a3316">{text}</text>' % (f(w / 2 + 12 + 1.2), SANS),
        '<text x="%s" y="31" font-family="%s" font-size="{size}" font-weight="bold" text-anchor="middle" '
        'fill="%s">{text}</text>' % (f(w / 2 + 12), SANS, IVORY)])
    body = ('<rect x="1" y="1" width="%s" height="%s" rx="10" fill="url(#gold)"/>'
            '<rect x="4" y="4" width="%s" height="%s" rx="8" fill="url(#green)"/>'
            '<rect x="9" y="6" width="%s" height="14" rx="7" fill="url(#hl)"/>'
            '<path d="M18 22.5 l12 -9 v5.5 h9 v7 h-9 v5.5 z" fill="%s"/>'
            % (w - 2, h - 2, w - 8, h - 8, w - 18, GOLD_HI)) + label
    write("return_to_game.svg", svg(w, h, body, defs))


def about_banner():
    w, h = 200, 31
    defs = rad("vel", [(0, VELVET_HI), (1, VELVET_LO)], cx=0.5, cy=0.3, r=0.8) + gold_grad("gold")
    body = ('<rect x="0.5" y="0.5" width="%s" height="%s" rx="6" fill="url(#gold)"/>'
            '<rect x="2.5" y="2.5" width="%s" height="%s" rx="4.5" fill="url(#vel)"/>'
            '<path d="M10 %s h%s M%s %s h%s" stroke="%s" stroke-width="1" stroke-opacity="0.5"/>'
            % (w - 1, h - 1, w - 5, h - 5, f(h - 6), w - 20, 10, f(6), w - 20, GOLD, ))
    write("about_banner.svg", svg(w, h, body, defs))


def chip(x, y, r, colour):
    out = ['<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r), colour)]
    for i in range(8):
        a = i * math.pi / 4
        out.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" transform="rotate(%s %s %s)"/>'
                   % (f(x - r * 0.12), f(y - r), f(r * 0.24), f(r * 0.3), IVORY, f(math.degrees(a)), f(x), f(y)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s" stroke-dasharray="%s"/>'
               % (f(x), f(y), f(r * 0.62), IVORY, f(r * 0.06), f(r * 0.25)))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r * 0.5), colour))
    return "".join(out)


def card(x, y, angle, rank, suit_colour, suit):
    w, h = 62, 88
    return ('<g transform="rotate(%s %s %s)">'
            '<rect x="%s" y="%s" width="%s" height="%s" rx="6" fill="#000000" fill-opacity="0.35"/>'
            '<rect x="%s" y="%s" width="%s" height="%s" rx="6" fill="%s" stroke="%s" stroke-width="2"/>'
            '<text x="%s" y="%s" font-family="%s" font-size="20" font-weight="bold" fill="%s">%s</text>'
            '<text x="%s" y="%s" font-family="%s" font-size="34" text-anchor="middle" fill="%s">%s</text>'
            '</g>'
            % (f(angle), f(x + w / 2), f(y + h),
               f(x + 3), f(y + 3), w, h,
               f(x), f(y), w, h, IVORY, GOLD, f(x + 7), f(y + 23), SERIF, suit_colour, rank,
               f(x + w / 2 + 4), f(y + h - 16), SERIF, suit_colour, suit))


def advert():
    w, h = 497, 447
    name = esc(partner_name())
    defs = (rad("night", [(0, "#1d4fae"), (0.55, BLUE_LO), (1, "#060d2a")], cx=0.5, cy=0.38, r=0.75)
            + gold_grad("gold")
            + lin("goldtext", [(0, "#fff2b8"), (0.45, GOLD_HI), (1, GOLD)])
            + rad("spot", [(0, "#ffffff", 0.35), (1, "#ffffff", 0)], cx=0.5, cy=0.5, r=0.5)
            + lin("band", [(0, VELVET_HI), (1, VELVET_LO)]))
    rays = []
    cx, cy = w / 2, 178
    for i in range(24):
        a0 = i * 2 * math.pi / 24
        a1 = a0 + math.pi / 48
        rr = 420
        rays.append('<path d="M%s %s L%s %s L%s %s z" fill="#ffffff" fill-opacity="0.05"/>'
                    % (f(cx), f(cy), f(cx + rr * math.cos(a0)), f(cy + rr * math.sin(a0)),
                       f(cx + rr * math.cos(a1)), f(cy + rr * math.sin(a1))))
    lights = []
    for i in range(22):
        x = 14 + i * (w - 28) / 21
        lights.append('<circle cx="%s" cy="9" r="3.2" fill="%s"/>' % (f(x), GOLD_HI))
        lights.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/>' % (f(x), f(h - 9), GOLD_HI))
    for i in range(1, 19):
        y = 9 + i * (h - 18) / 19
        lights.append('<circle cx="9" cy="%s" r="3.2" fill="%s"/>' % (f(y), GOLD_HI))
        lights.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/>' % (f(w - 9), f(y), GOLD_HI))
    stars = "".join('<path d="M%s %s l3 7 7 1 -5 5 1.5 7 -6.5 -3.5 -6.5 3.5 1.5 -7 -5 -5 7 -1 z" fill="%s"/>'
                    % (f(x), f(y), GOLD_HI) for x, y in ((44, 128), (453, 128), (92, 250), (405, 250)))
    body = ('<rect width="%s" height="%s" fill="url(#night)"/>' % (w, h)
            + "".join(rays)
            + '<rect x="4" y="4" width="%s" height="%s" fill="none" stroke="url(#gold)" stroke-width="8"/>'
            % (w - 8, h - 8)
            + "".join(lights)
            + stars
            # the partner's name on a velvet band
            + '<rect x="34" y="36" width="%s" height="74" rx="10" fill="url(#gold)"/>' % (w - 68)
            + '<rect x="38" y="40" width="%s" height="66" rx="8" fill="url(#band)"/>' % (w - 76)
            + '<text x="%s" y="70" font-family="%s" font-size="26" font-weight="bold" text-anchor="middle" '
              'fill="url(#goldtext)" textLength="%s" lengthAdjust="spacingAndGlyphs">%s</text>'
            % (f(w / 2), SERIF, w - 110, name)
            + word("ONLINE CASINO", w - 100, 14, SANS, "normal", [
                '<text x="%s" y="95" font-family="%s" font-size="{size}" text-anchor="middle" fill="%s" '
                'letter-spacing="3">{text}</text>' % (f(w / 2), SANS, IVORY)], spacing=3)
            # cards and chips under the spotlight
            + '<ellipse cx="%s" cy="205" rx="170" ry="70" fill="url(#spot)"/>' % f(w / 2)
            + card(176, 140, -18, "A", "#1d1a16", "&#9824;")
            + card(218, 128, 0, "K", "#c0392b", "&#9829;")
            + card(260, 140, 18, "Q", "#c0392b", "&#9830;")
            + chip(150, 242, 22, "#c0392b") + chip(347, 242, 22, BLUE_HI) + chip(190, 256, 18, "#2e8b57")
            + chip(307, 256, 18, INK)
            + word("PLAY FOR REAL", w - 50, 30, SERIF, "bold", [
                '<text x="%s" y="308" font-family="%s" font-size="{size}" font-weight="bold" '
                'text-anchor="middle" fill="url(#goldtext)">{text}</text>' % (f(w / 2), SERIF)])
            + word("Click the poster to visit our partner  -  secure HTTPS / SSL", w - 30, 13, SANS, "normal", [
                '<text x="%s" y="333" font-family="%s" font-size="{size}" text-anchor="middle" fill="%s">'
                '{text}</text>' % (f(w / 2), SANS, IVORY)])
            + word("Play responsibly. Adults only.", w - 30, 10, SANS, "normal", [
                '<text x="%s" y="352" font-family="%s" font-size="{size}" text-anchor="middle" fill="%s" '
                'fill-opacity="0.75">{text}</text>' % (f(w / 2), SANS, IVORY)]))
    write("advert.svg", svg(w, h, body, defs))


def button_icon(name, shapes):
    """A small gold icon for a button of the about window, 32 x 32: `shapes` is a list
    of (svg element with {stroke} and {fill} left open, fill) drawn first as a soft
    shadow, then in gold."""
    defs = (lin("gold", [(0, GOLD_HI), (0.55, GOLD), (1, GOLD_LO)], x1=0, y1=2, x2=0, y2=30, user=True)
            + lin("hl", [(0, "#ffffff", 0.5), (1, "#ffffff", 0)]))
    shadow = "".join(e.format(stroke="#1a0308", fill="none") for e, _ in shapes)
    body = ('<g transform="translate(1 1.2)" stroke-opacity="0.55" fill="none" stroke-width="3" '
            'stroke-linecap="round" stroke-linejoin="round">%s</g>'
            '<g stroke-width="3" stroke-linecap="round" stroke-linejoin="round">%s</g>'
            % (shadow, "".join(e.format(stroke="url(#gold)", fill=fill) for e, fill in shapes)))
    write(name + ".svg", svg(32, 32, body, defs))


def button_icons():
    # An open door with an arrow leaving it.
    button_icon("icon_exit", [
        ('<rect x="4" y="4" width="12" height="24" rx="1.5" stroke="{stroke}" fill="{fill}"/>', WALNUT),
        ('<circle cx="13" cy="16.5" r="0.6" stroke="{stroke}" fill="{fill}"/>', "none"),
        ('<path d="M10 16 H28 M22.4 10.4 L28 16 L22.4 21.6" stroke="{stroke}" fill="{fill}"/>', "none"),
    ])
    # A globe with its meridian and equator.
    button_icon("icon_web", [
        ('<circle cx="16" cy="16" r="12" stroke="{stroke}" fill="{fill}"/>', BLUE_LO),
        ('<ellipse cx="16" cy="16" rx="5.3" ry="12" stroke="{stroke}" fill="{fill}"/>', "none"),
        ('<path d="M4 16 H28 M6 10 H26 M6 22 H26" stroke="{stroke}" fill="{fill}" stroke-width="2"/>', "none"),
    ])
    # A sealed envelope.
    button_icon("icon_mail", [
        ('<rect x="4" y="8" width="24" height="16" rx="1.5" stroke="{stroke}" fill="{fill}"/>', IVORY),
        ('<path d="M4.5 8.5 L16 18 L27.5 8.5" stroke="{stroke}" fill="{fill}"/>', "none"),
    ])


def build():
    icon()
    button_icons()
    return_to_game()
    about_banner()
    advert()


if __name__ == "__main__":
    build()
