#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Finds the game's clips in a recording of its sound output.

    sound_check.py REQUESTS RECORDING CLIPDIR MARKER PLAYED

REQUESTS is what the game printed with --report-sounds ("sound<TAB>play<TAB>115<TAB>ms",
ms the time of day in milliseconds since 1970),
RECORDING a WAV file of the sound output (parec of a null sink's monitor), CLIPDIR the
folder of RESOURCE_ID_<n>.wav. MARKER is a beep played into the recording at the time of
day PLAYED (ms since 1970), before the game started: found in the recording, it matches
the recording's clock to the game's. Each clip the game played is looked for in the recording where the game
played it: the clip's opening (up to 60 ms of it) must be found there by normalised
cross-correlation (at least 0.6, or 0.4 for a clip asked for with another, whose sound
mixes with it). The
marker's player starts at its own pace, so the first clip is looked for within a second
of where the marker places it, and each later one from 40 ms before to 80 ms after where
the clip heard before it places it. Prints a line per request, a count per clip, and exits 1 when a clip was not heard.
"""
import sys
import wave

import numpy as np

RATE = 44100
OPENING_MS = 60      # how much of a clip's start must be heard
SHIFT_MS = 1000     # how far the marker's clock may be off the recording's
EARLY_MS = 40       # how much sooner than the clip heard before places it a clip may sound
LATE_MS = 80        # and how much later
FOUND = 0.6          # normalised correlation that counts as heard
FOUND_TOGETHER = 0.4  # the same for a clip asked for together with another (they mix)
TOGETHER_MS = 60     # requests this close sound together


def read_wave(path):
    with wave.open(path) as w:
        if w.getframerate() != RATE or w.getsampwidth() != 2:
            sys.exit(f"{path}: 44.1 kHz 16-bit expected")
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(np.float64)
        return data[:: w.getnchannels()]  # the first channel


def match_curve(signal, template):
    """Normalised correlation of template with signal at each position."""
    n = len(template)
    t = template - template.mean()
    tnorm = np.sqrt((t * t).sum())
    if tnorm == 0:
        return np.zeros(len(signal) - n + 1)
    size = 1 << int(np.ceil(np.log2(len(signal) + n)))
    corr = np.fft.irfft(np.fft.rfft(signal, size) * np.conj(np.fft.rfft(t, size)), size)[: len(signal) - n + 1]
    # the signal's energy under each position of the template
    c = np.concatenate(([0.0], np.cumsum(signal)))
    c2 = np.concatenate(([0.0], np.cumsum(signal * signal)))
    s1 = c[n:] - c[:-n]
    s2 = c2[n:] - c2[:-n]
    energy = np.sqrt(np.maximum(s2 - s1 * s1 / n, 1e-9))
    return corr / (energy * tnorm)


def best_match(signal, template):
    """Offset and normalised correlation of the best match of template in signal."""
    if len(signal) < len(template) or len(template) == 0:
        return 0, 0.0
    score = match_curve(signal, template)
    i = int(np.argmax(score))
    return i, float(score[i])


def onsets(recording, template, threshold):
    """Where the template starts in the recording: peaks of the match, 30 ms apart."""
    scores = match_curve(recording, template)
    gap = RATE * 30 // 1000
    found = []
    for i in np.flatnonzero(scores >= threshold):
        if found and i - found[-1][0] < gap:
            if scores[i] > found[-1][1]:
                found[-1] = (i, scores[i])
            continue
        found.append((i, scores[i]))
    return [i * 1000 // RATE for i, _ in found]


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    requests = []
    for line in open(sys.argv[1], encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) == 4 and parts[0] == "sound":
            requests.append((parts[1], int(parts[2]), int(parts[3])))
    recording = read_wave(sys.argv[2])
    played = [r for r in requests if r[0] != "stop"]
    if not played:
        sys.exit("no clip was played")
    marker_at, score = best_match(recording[: RATE * 5], read_wave(sys.argv[4]))
    if score < FOUND:
        sys.exit(f"the marker beep is not in the recording (best match {score:.2f})")
    played_at = int(sys.argv[5])

    # Every place in the recording where each clip starts: alone, and mixed with
    # another clip.
    found = {}
    for _, clip, _ in played:
        if clip not in found:
            opening = read_wave(f"{sys.argv[3]}/RESOURCE_ID_{clip}.wav")[: RATE * OPENING_MS // 1000]
            found[clip] = (onsets(recording, opening, FOUND), onsets(recording, opening, FOUND_TOGETHER))
    times = [ms for _, _, ms in played]

    # The requests are matched to those places in order. The recording's clock is
    # followed from one heard clip to the next (the marker's player starts at its
    # own pace, and a loaded machine may drop a little of the recording), so each
    # clip is looked for where the clip heard before it places it; only a clip that
    # sounded alone places the next.
    anchor = (played_at, marker_at * 1000 // RATE)  # (game's ms, recording's ms)
    window = (-SHIFT_MS, SHIFT_MS)
    last = {}  # each clip's place heard last: a place is heard once
    heard = {}
    missed = 0
    for i, (what, clip, ms) in enumerate(played):
        expected = anchor[1] + ms - anchor[0]
        together = any(abs(t - ms) < TOGETHER_MS for j, t in enumerate(times) if j != i)
        places = found[clip][1 if together else 0]
        candidates = [t for t in places if t > last.get(clip, -1) and window[0] <= t - expected <= window[1]]
        total, count = heard.get(clip, (0, 0))
        if candidates:
            t = min(candidates, key=lambda c: abs(c - expected))
            print(f"{ms - played_at:8d} ms  {what} {clip}  heard, {t - expected:+4d} ms from where expected"
                  + (" (with another clip)" if together else ""))
            if not together:
                anchor = (ms, t)
                window = (-EARLY_MS, LATE_MS)
            last[clip] = t
            heard[clip] = (total + 1, count + 1)
        else:
            print(f"{ms - played_at:8d} ms  {what} {clip}  NOT HEARD")
            heard[clip] = (total + 1, count)
            missed += 1
    print()
    print("clip  played  heard")
    for clip in sorted(heard):
        total, count = heard[clip]
        print(f"{clip:4d}  {total:6d}  {count:5d}")
    print(f"all   {len(played):6d}  {len(played) - missed:5d}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
