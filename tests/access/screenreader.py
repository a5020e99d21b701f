#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The game as a screen reader finds it over AT-SPI (run by run_screenreader.sh on a
# private display and D-Bus session): it reads the credit, presses INSERT and SPIN
# through their actions, reads the new credit, the win, what paid and the reels,
# hears the focus move as Tab moves the ring, and finds the options window's name
# box and slot buttons and the history's rows by name. Any of it missing fails.
# Spins go on until one wins without starting free spins: a series is waited out and
# taken with TAKE WIN, the advert window left by its button.
#   screenreader.py GAME
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

GAME = sys.argv[1]
MONEY = re.compile(r'^\$ (\d+(?:\.\d+)?)$')
SYMBOLS = {'composer', 'piano', 'horn', 'violin', 'harp', 'drum', 'king', 'queen', 'jack',
           'scatter', 'wild', 'bell', 'Tonvale logo'}
failures = []


def check(ok, what):
    print(('ok    ' if ok else 'FAIL  ') + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def wait_for(condition, seconds, step=0.2):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            value = condition()
        except Exception:  # an object that went away while we asked
            value = None
        if value:
            return value
        pump(step)
    return None


def find(root, name=None, role=None, starts=None):
    def match(o):
        try:
            return ((name is None or o.name == name) and (role is None or o.getRoleName() == role)
                    and (starts is None or o.name.startswith(starts)))
        except Exception:
            return False
    return pyatspi.findDescendant(root, match)


def text_of(o):
    return o.queryText().getText(0, -1)


def cents(text):
    m = MONEY.match(text)
    return round(float(m.group(1)) * 100) if m else None


def press(o):
    """Presses a button through its action, as a screen reader does."""
    action = o.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check('Press' in names, f'"{o.name}" has a Press action ({names})')
    action.doAction(names.index('Press') if 'Press' in names else 0)


def showing(o):
    try:
        return o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def ready_to_spin(app, spin):
    """Waits until SPIN can be pressed. Every 25 spins without a win the game steps
    behind its advert window, which a screen reader's user leaves by its button."""
    def advert():
        return next((w for w in app if w and w.name.startswith('Play for Real Money') and showing(w)), None)

    def state():
        if showing(spin) and spin.getState().contains(pyatspi.STATE_ENABLED):
            return 'spin'
        return 'advert' if advert() else None
    for _ in range(3):
        now = wait_for(state, 60)
        if now != 'advert':
            return now == 'spin'
        window = advert()
        back = wait_for(lambda: find(window, 'Return to game', 'push button'), 10)
        if not check(back is not None, 'the advert window has a Return to game button'):
            return False
        press(back)
        check(wait_for(lambda: not showing(window), 10), 'Return to game closes the advert window')
    return False


def take_series(cabinet, credit):
    """Waits for the end of a free-spin series (a long one, with spins added, takes
    minutes) and takes its total by TAKE WIN's action: the credit grows by the total."""
    take = find(cabinet, 'Take win', 'push button')
    if not check(take is not None, 'TAKE WIN is a button by name'):
        return
    ended = wait_for(lambda: showing(take) and take.getState().contains(pyatspi.STATE_ENABLED), 420, 1)
    if not check(ended, 'a free-spin series ends with TAKE WIN to press'):
        return
    before = cents(text_of(credit))
    press(take)
    check(wait_for(lambda: not showing(take), 15), 'TAKE WIN is gone once pressed')
    total = cents(text_of(find(cabinet, 'Winner paid', 'label')))
    if check(total is not None and before is not None, 'the series total and the credit read as amounts'):
        check(wait_for(lambda: cents(text_of(credit)) == before + total, 15),
              f'TAKE WIN moves the series total into the credit: {before} + {total} cents, '
              f'the meter reads {text_of(credit)}')


def frame_named(app, title):
    return wait_for(lambda: next((w for w in app if w and w.name == title and
                                  w.getState().contains(pyatspi.STATE_SHOWING)), None), 15)


def main():
    home = tempfile.mkdtemp(prefix='tonvale-access-')
    os.makedirs(home + '/run', mode=0o700)
    env = dict(os.environ, XDG_DATA_HOME=home + '/data', XDG_CONFIG_HOME=home + '/config',
               XDG_RUNTIME_DIR=home + '/run', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
               QT_QPA_PLATFORM='xcb', ASAN_OPTIONS='detect_leaks=0', LANGUAGE='en', LANG='C.UTF-8')
    game = subprocess.Popen([GAME], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run(game)
    finally:
        game.send_signal(signal.SIGTERM)
        try:
            game.wait(20)
        except subprocess.TimeoutExpired:
            game.kill()
    print(f'{len(failures)} check(s) failed' if failures else 'every check passed')
    return 1 if failures else 0


def run(game):
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == 'Tonvale'), None), 90)
    if not check(app is not None, 'the game is an application on the accessibility bus'):
        return
    cabinet = wait_for(lambda: find(app, 'Tonvale cabinet'), 30)
    if not check(cabinet is not None, 'the cabinet is there by name'):
        return
    events = []

    def heard(e):
        try:
            events.append((e.type, e.source.name, e.source.getRoleName(), e.detail1))
        except Exception:
            pass
    pyatspi.Registry.registerEventListener(heard, 'object:state-changed:focused', 'object:state-changed:showing')

    # The credit, as its text.
    credit = find(cabinet, 'Credit', 'label')
    if not check(credit is not None, 'the credit meter is there by name'):
        return
    before = cents(text_of(credit))
    check(before is not None, f'the credit reads as an amount: "{text_of(credit)}"')

    # INSERT through its action: the credit grows by $ 50, and is said.
    insert = find(cabinet, 'Insert $50', 'push button')
    check(insert is not None and 'Key: I' in insert.description, 'INSERT is a button whose description names its key')
    press(insert)
    inserted = wait_for(lambda: cents(text_of(credit)) == before + 5000, 15)
    check(inserted, f'after INSERT the credit reads {text_of(credit)}')
    note = find(cabinet, role='notification')
    check(note is not None and wait_for(lambda: note.name == f'Credit {text_of(credit)}.', 5),
          f'the insert is said: "{note.name if note else None}"')

    # SPIN through its action: the stake leaves the credit, the win comes in, and the
    # notification says what paid. Spins go on until one wins (one in four does).
    total = text_of(find(cabinet, 'Total bet', 'label'))
    stake = int(total.split()[0]) if total.split() and total.split()[0].isdigit() else None
    check(stake == 25, f'the total bet reads the stake of one spin: "{total}"')
    spin = find(cabinet, 'Spin', 'push button')
    winner = find(cabinet, 'Winner paid', 'label')
    free_spins = find(cabinet, 'Free spins', 'label')
    check(free_spins is not None and not showing(free_spins), 'the free spins\' meter is there by name, hidden')
    for attempt in range(40):
        if not check(ready_to_spin(app, spin), 'SPIN can be pressed again'):
            break
        events.clear()
        credit_before = cents(text_of(credit))
        press(spin)
        said = wait_for(lambda: next((e for e in events if e[2] == 'notification' and e[3] == 1), None), 60)
        if not check(said is not None, f'the end of spin {attempt + 1} is announced: "{said[1] if said else None}"'):
            break
        result = said[1]
        heard = re.match(r'^(?:Win (?P<win>\$ [\d.]+): (?P<paid>.+)|No win)\. Credit (?P<credit>\$ [\d.]+)\.$', result)
        if not check(heard is not None, f'the announcement says the win and the credit: "{result}"'):
            break
        won = heard.group('win')
        if showing(free_spins):
            # Scatters started a series of free spins, which play by themselves and
            # gather their wins in the series total; TAKE WIN moves it into the credit.
            # The checks below want a game at rest: the test spins on after it.
            take_series(cabinet, credit)
            continue
        # The meter may still be counting up to what was said.
        check(wait_for(lambda: text_of(credit) == heard.group('credit'), 15),
              f'the credit meter comes to the credit said ({text_of(credit)})')
        now = text_of(credit)
        check(cents(now) == credit_before - stake + (cents(won) if won else 0),
              f'credit {now} = {credit_before} - {stake} + {cents(won) if won else 0} cents')
        if not won:
            continue
        check(wait_for(lambda: text_of(winner) == won, 15), f'the win meter reads "{text_of(winner)}"')
        for part in heard.group('paid').split('; '):
            check(part.split(',')[0] in SYMBOLS, f'what paid names a symbol: "{part}"')
        break
    else:
        check(False, 'a spin won within 40 spins')
    reels = [find(cabinet, starts=f'Reel {r}:') for r in range(1, 6)]
    check(all(reels), 'the five reels are read by name')
    for r in reels:
        if r:
            symbols = r.name.split(': ', 1)[1].split(', ')
            check(len(symbols) == 3 and all(s in SYMBOLS for s in symbols), f'{r.name}')

    # Tab moves the ring over the buttons: a screen reader hears the focus move.
    main_window = next((w for w in app if w and w.name.startswith('Current Player')), None)
    check(main_window is not None and wait_for(lambda: main_window.getState().contains(pyatspi.STATE_ACTIVE), 15),
          'the main window is the active one')
    events.clear()
    for _ in range(3):
        pyatspi.Registry.generateKeyboardEvent(0xff09, None, pyatspi.KEY_SYM)
        pump(0.6)
    focused = [e for e in events if e[0] == 'object:state-changed:focused' and e[3] == 1 and e[2] == 'push button']
    if not check(len(focused) >= 2, f'Tab moves the focus, and it is heard: {[e[1] for e in focused]}'):
        print('      window', [pyatspi.stateToString(x) for x in app[0].getState().getStates()], 'cabinet',
              [pyatspi.stateToString(x) for x in cabinet.getState().getStates()], events)

    # The options window: the name box and the six slot buttons, by name.
    press(find(cabinet, 'Options', 'push button'))
    options = frame_named(app, 'Tonvale Options')
    if check(options is not None, 'the options window opens from its button'):
        name = wait_for(lambda: find(options, 'Player name', 'text'), 10)
        check(name is not None and 'Enter' in name.description, 'the name box is there by name')
        slots = [find(options, starts=f'Slot {k}:', role='radio button') for k in range(1, 7)]
        check(all(slots), f'the slot buttons are there by name: {[s.name if s else None for s in slots]}')
        check(slots[0] is not None and slots[0].getState().contains(pyatspi.STATE_CHECKED),
              'the current slot is checked')
        press(find(options, 'O.K. Close and save changes', 'push button'))
        check(wait_for(lambda: not options.getState().contains(pyatspi.STATE_SHOWING), 10),
              'the options window closes from its button')

    # The history: its rows, by name.
    history_button = wait_for(lambda: find(cabinet, 'History', 'push button') if
                              find(cabinet, 'History', 'push button').getState().contains(pyatspi.STATE_ENABLED)
                              else None, 20)
    check(history_button is not None, 'the HISTORY button can be pressed')
    if history_button:
        press(history_button)
        history = frame_named(app, 'Tonvale History')
        if check(history is not None, 'the history window opens from its button'):
            rows = wait_for(lambda: find(history, 'Last games', 'list'), 10)
            first = rows and find(rows, starts='1.  ', role='list item')
            check(first is not None and '$ 0.25' in first.name, f'the last game is a row by name: '
                  f'"{first.name if first else None}"')
            press(find(history, 'Close', 'push button'))


if __name__ == '__main__':
    sys.exit(main())
