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
cross-correlation of at least 0.6, in what is left of the recording once the clips heard so
far are taken out of it (so a clip that sounds under another is found too). The
marker's player starts at its own pace, so the first clip is looked for within a second
of where the marker places it, and each later one from 40 ms before to 80 ms after where
the clip heard before it places it (on a loaded machine, a clip not found there is looked
for up to 300 ms sooner and 600 ms later, after the clip heard before it, when no other
request of the same clip is that close). Prints a line per request, a count per clip, and exits 1 when a clip was not heard.
"""
import sys
import wave

import numpy as np

RATE = 44100
OPENING_MS = 60      # how much of a clip's start must be heard
SHIFT_MS = 1000     # how far the marker's clock may be off the recording's
EARLY_MS = 40       # how much sooner than the clip heard before places it a clip may sound
LATE_MS = 80        # and how much later
ADRIFT_MS = (-300, 600)  # on a loaded machine the sound drifts this far: a clip not
                         # found where expected is looked for this far off, never before
                         # the clip heard before it, unless the same clip was asked for
                         # that close (a missing one would be found in its twin's place)
FOUND = 0.6          # normalised correlation that counts as heard
TOGETHER_MS = 60     # requests this close sound together
TOGETHER_SLACK_MS = 20  # and are looked for this close to where the clock puts them
SHORT_CLIP = RATE * 150 // 1000  # a clip this short rings out under the next one
CUT_MS = 20          # a clip cut off sooner by the next one is not counted


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


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    requests = []
    for line in open(sys.argv[1], encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) == 4 and parts[0] == "sound":
            requests.append((parts[1], int(parts[2]), int(parts[3])))
    recording = read_wave(sys.argv[2])
    played = [(i, r) for i, r in enumerate(requests) if r[0] != "stop"]
    if not played:
        sys.exit("no clip was played")
    marker_at, score = best_match(recording[: RATE * 5], read_wave(sys.argv[4]))
    if score < FOUND:
        sys.exit(f"the marker beep is not in the recording (best match {score:.2f})")
    played_at = int(sys.argv[5])
    clips = {clip: read_wave(f"{sys.argv[3]}/RESOURCE_ID_{clip}.wav") for _, (_, clip, _) in played}
    opening = RATE * OPENING_MS // 1000

    def sounding(k):
        """What request k sounds: to its end, or, cut off by the next request, up to it
        (a click or a thud rings out whatever follows); a loop over and over."""
        what, clip, ms = requests[k]
        samples = clips[clip]
        if what == "loop":
            samples = np.tile(samples, RATE * 10 // len(samples) + 1)
        if len(clips[clip]) <= SHORT_CLIP and what != "loop":
            return samples
        for _, _, later in requests[k + 1:]:
            if later > ms:
                return samples[: (later - ms) * RATE // 1000]
        return samples

    # What is left of the recording once the clips heard so far are taken out of it: a
    # clip that sounds under another is found in what the other leaves.
    residual = recording.copy()

    def take_out(at, samples):
        part = residual[at : at + len(samples)]
        s = samples[: len(part)]
        energy = float(np.dot(s, s))
        if energy > 0:
            part -= s * (float(np.dot(part, s)) / energy)

    def look(clip, ms, anchor, window, floor=0):
        """The best place of the clip's opening where the anchor expects it (not before
        the sample `floor`), and how well it matches."""
        expected = anchor[1] + ms - anchor[0]
        lo = max(0, floor, (expected + window[0]) * RATE // 1000)
        hi = min(len(residual), (expected + window[1]) * RATE // 1000 + opening)
        at, score = best_match(residual[lo:hi], clips[clip][:opening])
        return lo + at, score, expected

    def fit_together(members, anchor, window):
        """Clips asked for together sound with one and the same delay: the delay (within the
        window) at which their openings together explain the recording best, how well they
        do, and the level each was found at."""
        expected = [(anchor[1] + ms - anchor[0]) * RATE // 1000 for _, (_, _, ms) in members]
        first = min(expected)
        span = max(expected) - first + opening
        best = (0, 0.0, [0.0] * len(members))
        for lag in range(window[0] * RATE // 1000, window[1] * RATE // 1000 + 1):
            lo = first + lag
            if lo < 0 or lo + span > len(residual):
                continue
            y = residual[lo : lo + span]
            columns = np.zeros((span, len(members)))
            for c, ((_, (_, clip, _)), at) in enumerate(zip(members, expected)):
                part = clips[clip][:opening]
                columns[at - first : at - first + len(part), c] = part
            gains, *_ = np.linalg.lstsq(columns, y, rcond=None)
            energy = float(np.dot(y, y))
            left = y - columns @ gains
            score = np.sqrt(max(0.0, 1.0 - float(np.dot(left, left)) / energy)) if energy > 0 else 0.0
            if score > best[1]:
                best = (lag, score, list(gains))
        return [e + best[0] for e in expected], best[1], best[2]

    # The requests are looked for in order. The recording's clock is followed from one
    # heard clip to the next (the marker's player starts at its own pace, and a loaded
    # machine may drop a little of the recording), so each clip is looked for where the
    # clip heard before it places it; only a clip that sounded alone places the next.
    # Clips asked for together (a reel's thud and its scatter's pluck) are looked for
    # together, with the delay they share, each found when it is there at half its level
    # or more. What was not found is looked for once more when all the others are taken out.
    def alone(n):
        """No other request of the same clip within the drift of request n."""
        _, (_, clip, ms) = played[n]
        return all(c != clip or j == n or abs(t - ms) > ADRIFT_MS[1] - ADRIFT_MS[0]
                   for j, (_, (_, c, t)) in enumerate(played))

    def heard_before(n):
        """Just after where the last clip asked for before request n was heard."""
        return max((at + 1 for at in found[:n] if at is not None), default=0)

    anchor = (played_at, marker_at * 1000 // RATE)  # (game's ms, recording's ms)
    window = (-SHIFT_MS, SHIFT_MS)
    found = [None] * len(played)
    where = [None] * len(played)
    level = 1.0  # how loud the recording holds a clip: a clip alone tells
    n = 0
    while n < len(played):
        group = [n]
        while group[-1] + 1 < len(played) and played[group[-1] + 1][1][2] - played[n][1][2] < TOGETHER_MS:
            group.append(group[-1] + 1)
        for m in group:
            where[m] = (anchor, window)
        if len(group) == 1:
            k, (what, clip, ms) = played[n]
            at, score, _ = look(clip, ms, anchor, window)
            if score < FOUND and n > 0 and alone(n):
                at, score, _ = look(clip, ms, anchor, ADRIFT_MS, heard_before(n))
            if score >= FOUND:
                found[n] = at
                part = clips[clip][:opening]
                level = float(np.dot(residual[at : at + len(part)], part) / np.dot(part, part))
                take_out(at, sounding(k))
                anchor = (ms, at * 1000 // RATE)
                window = (-EARLY_MS, LATE_MS)
        else:
            members = [played[m] for m in group]
            places, score, gains = fit_together(members, anchor, window if n == 0 else
                                                (-TOGETHER_SLACK_MS, TOGETHER_SLACK_MS))
            for m, at, gain in zip(group, places, gains):
                if score >= FOUND and gain >= 0.5 * level:
                    found[m] = at
            for m, at in zip(group, places):
                if found[m] is not None:
                    take_out(at, sounding(played[m][0]))
        n = group[-1] + 1
    for n, (k, (what, clip, ms)) in enumerate(played):
        if found[n] is None:
            at, score, _ = look(clip, ms, *where[n])
            if score < FOUND and n > 0 and alone(n):
                at, score, _ = look(clip, ms, where[n][0], ADRIFT_MS, heard_before(n))
            if score >= FOUND:
                found[n] = at
                take_out(at, sounding(k))

    # A clip the next request cuts off at once (the game's rule of one clip at a time:
    # the ball's loop as the ball stops) has nothing to be heard by.
    silent = [len(sounding(k)) < RATE * CUT_MS // 1000 for k, _ in played]
    heard = {}
    for n, (k, (what, clip, ms)) in enumerate(played):
        if silent[n] and found[n] is None:
            print(f"{ms - played_at:8d} ms  {what} {clip}  cut off at once by the next clip, as the game asks")
            continue
        total, count = heard.get(clip, (0, 0))
        heard[clip] = (total + 1, count + (found[n] is not None))
        if found[n] is None:
            print(f"{ms - played_at:8d} ms  {what} {clip}  NOT HEARD")
        else:
            expected = where[n][0][1] + ms - where[n][0][0]
            print(f"{ms - played_at:8d} ms  {what} {clip}  heard, {found[n] * 1000 // RATE - expected:+4d} ms "
                  "from where expected")
    counted = sum(total for total, _ in heard.values())
    missed = counted - sum(count for _, count in heard.values())
    print()
    print("clip  played  heard")
    for clip in sorted(heard):
        total, count = heard[clip]
        print(f"{clip:4d}  {total:6d}  {count:5d}")
    print(f"all   {counted:6d}  {counted - missed:5d}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
