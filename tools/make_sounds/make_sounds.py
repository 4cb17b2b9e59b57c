#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises Splitwick's sound effects and background music.

Writes data/sound/ (one effect per game event) and data/music/ (two loopable
tunes). Everything is computed here from sine waves and a seeded noise source,
so running the script again gives the same bytes.

    python3 tools/make_sounds/make_sounds.py [DATA_FOLDER]

Needs only the Python standard library, plus Debian's `lame` for the one MP3.
"""

import io
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 22050
TWO_PI = 2.0 * math.pi


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


# ---------------------------------------------------------------------------
# Instruments: each returns a list of samples starting at the note's onset,
# including its release tail, with no step at either end.

def _release(t, dur, rel):
    """1 while the note is held, then a smooth fall to 0 over `rel` seconds."""
    if t <= dur:
        return 1.0
    x = (t - dur) / rel
    return 0.0 if x >= 1.0 else 0.5 + 0.5 * math.cos(math.pi * x)


def _attack(t, att):
    return 1.0 if t >= att else 0.5 - 0.5 * math.cos(math.pi * t / att)


def epiano(note, dur, vel=1.0):
    """Soft electric piano: one FM pair whose brightness fades as it rings."""
    f = midi_hz(note)
    w = TWO_PI * f / RATE
    rel = 0.25
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    for i in range(n):
        t = i / RATE
        index = 1.3 * math.exp(-t * 5.0) + 0.12
        env = _attack(t, 0.004) * math.exp(-t * 1.4) * _release(t, dur, rel)
        out[i] = vel * env * math.sin(w * i + index * math.sin(w * i))
    return out


def celesta(note, dur, vel=1.0):
    """Bell-like: a few partials, the high ones dying fast."""
    f = midi_hz(note)
    partials = ((1.0, 1.0, 2.4), (2.0, 0.30, 4.5), (3.0, 0.10, 7.0), (4.07, 0.16, 9.0))
    rel = 0.3
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    for ratio, amp, decay in partials:
        w = TWO_PI * f * ratio / RATE
        if f * ratio > RATE * 0.45:
            continue
        for i in range(n):
            out[i] += amp * math.exp(-i * decay / RATE) * math.sin(w * i)
    for i in range(n):
        t = i / RATE
        out[i] *= vel * _attack(t, 0.003) * _release(t, dur, rel)
    return out


def harp(note, dur, vel=1.0):
    """Plucked string: harmonics that decay faster the higher they are."""
    f = midi_hz(note)
    rel = 0.2
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    for k in range(1, 7):
        if f * k > RATE * 0.45:
            break
        w = TWO_PI * f * k / RATE
        amp = 1.0 / k ** 1.6
        decay = 1.1 + 0.9 * k
        for i in range(n):
            out[i] += amp * math.exp(-i * decay / RATE) * math.sin(w * i)
    for i in range(n):
        t = i / RATE
        out[i] *= vel * _attack(t, 0.004) * _release(t, dur, rel)
    return out


def bass(note, dur, vel=1.0):
    f = midi_hz(note)
    w = TWO_PI * f / RATE
    rel = 0.12
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    for i in range(n):
        t = i / RATE
        env = _attack(t, 0.01) * (0.35 + 0.65 * math.exp(-t * 2.5)) * _release(t, dur, rel)
        out[i] = vel * env * (math.sin(w * i) + 0.22 * math.sin(2 * w * i) + 0.06 * math.sin(3 * w * i))
    return out


def pad(note, dur, vel=1.0):
    """Warm sustained voice: three slightly detuned copies, slow swell."""
    f = midi_hz(note)
    att, rel = 0.6, 0.9
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    for detune in (0.997, 1.0, 1.003):
        w = TWO_PI * f * detune / RATE
        for i in range(n):
            out[i] += math.sin(w * i) + 0.25 * math.sin(2 * w * i) + 0.08 * math.sin(3 * w * i)
    for i in range(n):
        t = i / RATE
        out[i] *= vel / 3.0 * _attack(t, att) * _release(t, dur, rel)
    return out


def flute(note, dur, vel=1.0):
    """Breathy lead: slow attack, vibrato that grows in after the onset."""
    f = midi_hz(note)
    rel = 0.18
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        t = i / RATE
        depth = 0.004 * min(1.0, max(0.0, (t - 0.2) / 0.4))
        phase += TWO_PI * f * (1.0 + depth * math.sin(TWO_PI * 5.0 * t)) / RATE
        env = _attack(t, 0.07) * (0.8 + 0.2 * math.exp(-t * 3.0)) * _release(t, dur, rel)
        out[i] = vel * env * (math.sin(phase) + 0.18 * math.sin(2 * phase) + 0.05 * math.sin(3 * phase))
    return out


def shaker(vel, rng):
    """A brush of filtered noise, 70 ms."""
    n = int(0.07 * RATE)
    out = [0.0] * n
    prev = 0.0
    low = 0.0
    for i in range(n):
        t = i / RATE
        x = rng.uniform(-1.0, 1.0)
        hp = x - prev          # tilt towards the highs
        prev = x
        low += 0.5 * (hp - low)  # but not hissy
        out[i] = vel * low * _attack(t, 0.006) * math.exp(-t * 45.0)
    return out


def woodblock(freq, vel=1.0):
    """Short hollow knock whose pitch falls a little."""
    n = int(0.12 * RATE)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        t = i / RATE
        phase += TWO_PI * freq * (1.0 + 0.25 * math.exp(-t * 60.0)) / RATE
        env = _attack(t, 0.0015) * math.exp(-t * 38.0) * _release(t, 0.09, 0.03)
        out[i] = vel * env * (math.sin(phase) + 0.3 * math.sin(2.76 * phase))
    return out


def soft_square(freq_from, freq_to, dur, vel=1.0):
    """Rounded square wave (odd harmonics fading out) gliding between two pitches."""
    rel = 0.05
    n = int((dur + rel) * RATE)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        t = i / RATE
        x = min(1.0, t / dur)
        phase += TWO_PI * (freq_from + (freq_to - freq_from) * x) / RATE
        env = _attack(t, 0.01) * math.exp(-t * 3.0) * _release(t, dur, rel)
        out[i] = vel * env * (math.sin(phase) + 0.3 * math.sin(3 * phase) + 0.1 * math.sin(5 * phase))
    return out


# ---------------------------------------------------------------------------
# Mixing

class Mix:
    """A sample buffer; in loop mode whatever rings past the end wraps to the start."""

    def __init__(self, length, loop):
        self.buf = [0.0] * length
        self.loop = loop

    def add(self, start, samples, gain=1.0):
        buf = self.buf
        n = len(buf)
        if self.loop:
            for i, s in enumerate(samples):
                buf[(start + i) % n] += gain * s
        else:
            end = start + len(samples)
            if end > n:
                buf.extend([0.0] * (end - n))
            for i, s in enumerate(samples):
                buf[start + i] += gain * s


def reverb(signal, wet, loop):
    """Small-room reverb: four damped combs, then two all-passes (Schroeder).

    For a loop the input is run through twice and the second pass kept, so
    the tail of the end rings on into the start exactly as it would if the
    tune were playing round and round.
    """
    n = len(signal)
    x = signal + signal if loop else list(signal)
    total = len(x)
    acc = [0.0] * total
    for delay_ms, feedback in ((29.7, 0.78), (37.1, 0.76), (41.1, 0.74), (43.7, 0.72)):
        d = int(delay_ms * RATE / 1000)
        line = [0.0] * d
        pos = 0
        damp = 0.0
        for i in range(total):
            out = line[pos]
            damp = out * 0.6 + damp * 0.4
            line[pos] = x[i] + damp * feedback
            pos += 1
            if pos == d:
                pos = 0
            acc[i] += out
    for delay_ms, g in ((5.0, 0.7), (1.7, 0.7)):
        d = int(delay_ms * RATE / 1000)
        line = [0.0] * d
        pos = 0
        for i in range(total):
            buffered = line[pos]
            v = acc[i] + buffered * g
            line[pos] = v
            acc[i] = buffered - v * g
            pos += 1
            if pos == d:
                pos = 0
    if loop:
        x = x[n:]
        acc = acc[n:]
    return [dry + wet * 0.25 * w for dry, w in zip(x, acc)]


def normalise(signal, peak):
    top = max(abs(s) for s in signal) or 1.0
    return [s * peak / top for s in signal]


def fade_ends(signal, fade_in=0.004, fade_out=0.04):
    """Effects start and stop on silence, never on a step."""
    n = len(signal)
    a = max(1, int(fade_in * RATE))
    b = max(1, int(fade_out * RATE))
    out = list(signal)
    for i in range(min(a, n)):
        out[i] *= 0.5 - 0.5 * math.cos(math.pi * i / a)
    for i in range(min(b, n)):
        out[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / b)
    return out


def level_effect(signal, peak=0.75, loudness=0.17):
    """Brings an effect to a common loudness (RMS) without passing `peak`."""
    top = max(abs(s) for s in signal) or 1.0
    rms = math.sqrt(sum(s * s for s in signal) / len(signal)) or 1.0
    gain = min(peak / top, loudness / rms)
    return [s * gain for s in signal]


def wave_bytes(signal):
    """A complete 16-bit mono RIFF WAVE file."""
    frames = struct.pack('<%dh' % len(signal),
                         *(max(-32767, min(32767, int(round(s * 32767)))) for s in signal))
    out = io.BytesIO()
    with wave.open(out, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return out.getvalue()


def headerless(complete):
    """The ".music" form: bytes 17..N of the complete file, then bytes 5..8."""
    return complete[16:] + complete[4:8]


def report(path):
    print('%-28s %8d bytes' % (os.path.join(*path.split(os.sep)[-2:]), os.path.getsize(path)))


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)
    report(path)


def write_mp3(path, signal, title):
    lame = shutil.which('lame')
    if lame is None:
        sys.exit('make_sounds: "lame" is needed for %s (apt-get install lame)' % path)
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, 'in.wav')
        with open(src, 'wb') as f:
            f.write(wave_bytes(signal))
        subprocess.run([lame, '--quiet', '-m', 'm', '-b', '64', '--resample', '22.05',
                        '--tt', title, '--ta', 'Splitwick', '--id3v2-only', src, path],
                       check=True)
    report(path)


# ---------------------------------------------------------------------------
# Effects

def sec(t):
    return int(round(t * RATE))


def finish_effect(mix, length, wet=0.5):
    sig = mix.buf[:sec(length)] + [0.0] * max(0, sec(length) - len(mix.buf))
    sig = reverb(sig, wet, loop=False)[:sec(length)]
    return fade_ends(level_effect(sig), fade_out=min(0.12, length / 4))


def fx_correct_match():
    m = Mix(sec(0.5), loop=False)
    m.add(0, celesta(84, 0.12, 0.8))           # C6
    m.add(sec(0.07), celesta(91, 0.25, 1.0))   # G6
    m.add(sec(0.07), epiano(79, 0.2, 0.3))     # G5 under it, for body
    return finish_effect(m, 0.45)


def fx_incorrect():
    m = Mix(sec(0.5), loop=False)
    m.add(0, soft_square(233.1, 220.0, 0.13, 0.8))         # B flat 3, sagging
    m.add(sec(0.16), soft_square(185.0, 164.8, 0.2, 0.9))  # F sharp 3 down to E 3
    return finish_effect(m, 0.45, wet=0.3)


def fx_word_complete():
    m = Mix(sec(1.0), loop=False)
    for k, note in enumerate((72, 76, 79, 84)):   # C E G C, rising
        m.add(sec(0.07 * k), celesta(note, 0.5 - 0.07 * k, 0.8))
        m.add(sec(0.07 * k), epiano(note - 12, 0.4, 0.35))
    m.add(sec(0.28), celesta(88, 0.4, 0.45))      # a sparkle on top
    return finish_effect(m, 0.9)


def fx_time_penalty():
    m = Mix(sec(0.3), loop=False)
    m.add(0, woodblock(660.0, 1.0))
    m.add(0, bass(45, 0.08, 0.35))                # a low thud under the knock
    return finish_effect(m, 0.25, wet=0.3)


def fx_game_over():
    m = Mix(sec(1.6), loop=False)
    for k, note in enumerate((67, 63, 60)):       # G, E flat, C: falling minor
        m.add(sec(0.22 * k), epiano(note, 0.25, 0.8))
    for note in (48, 55, 60, 63):                 # C minor, resting low
        m.add(sec(0.66), epiano(note, 0.6, 0.45))
        m.add(sec(0.66), pad(note, 0.3, 0.35))
    return finish_effect(m, 1.45)


def fx_game_won():
    m = Mix(sec(1.6), loop=False)
    for k, note in enumerate((72, 76, 79)):       # C E G fanfare
        m.add(sec(0.11 * k), celesta(note, 0.12, 0.8))
        m.add(sec(0.11 * k), epiano(note, 0.12, 0.5))
    for note in (60, 67, 72, 76, 79, 84):         # C major, full
        m.add(sec(0.36), epiano(note, 0.9, 0.45))
    for k, note in enumerate((88, 91, 96)):       # twinkle above it
        m.add(sec(0.5 + 0.12 * k), celesta(note, 0.3, 0.3))
    return finish_effect(m, 1.5)


def fx_new_game():
    m = Mix(sec(0.8), loop=False)
    for k, note in enumerate((60, 62, 64, 67, 69, 72, 74)):   # pentatonic ripple: a shuffle
        m.add(sec(0.035 * k), harp(note, 0.25, 0.55))
    for note in (67, 74, 79):                                 # open fifth to begin on
        m.add(sec(0.27), celesta(note, 0.35, 0.45))
    return finish_effect(m, 0.7)


def fx_countdown_starts():
    m = Mix(sec(1.0), loop=False)
    m.add(0, woodblock(1320.0, 0.8))      # tick
    m.add(sec(0.25), woodblock(990.0, 0.8))  # tock
    m.add(sec(0.5), celesta(81, 0.3, 0.9))   # and a bell: the clock is running
    m.add(sec(0.5), celesta(88, 0.3, 0.3))
    return finish_effect(m, 0.9)


# ---------------------------------------------------------------------------
# Music. A score is bars of (chord, melody); timing is in beats.

def loop_tune(bpm, beats_per_bar, bars, parts, wet=0.8):
    """Renders a loop of exactly `bars` bars. `parts` adds notes to the mix."""
    samples_per_beat = RATE * 60 // bpm
    assert RATE * 60 % bpm == 0, 'tempo must give a whole number of samples per beat'
    length = samples_per_beat * beats_per_bar * bars
    mix = Mix(length, loop=True)
    beat_seconds = samples_per_beat / RATE

    def at(bar, beat):
        return int(round((bar * beats_per_bar + beat) * samples_per_beat))

    parts(mix, at, beat_seconds)
    sig = reverb(mix.buf, wet, loop=True)
    assert len(sig) == length
    return normalise(sig, 0.55)


# Chord tones as MIDI notes (around middle C), root first for the bass.
CHORDS = {
    'Cmaj7': (48, (60, 64, 67, 71)), 'Am7': (45, (57, 60, 64, 67)),
    'Fmaj7': (41, (57, 60, 64, 65)), 'G6': (43, (59, 62, 64, 67)),
    'Dm7': (50, (57, 60, 62, 65)), 'G7': (43, (59, 62, 65, 67)),
    'Em7': (40, (59, 62, 64, 67)), 'C/E': (40, (60, 64, 67, 72)),
    'G': (43, (59, 62, 67, 71)), 'G7sus': (43, (60, 62, 65, 67)),
    'Am': (45, (57, 60, 64, 69)), 'F': (41, (57, 60, 65, 69)),
    'C': (48, (60, 64, 67, 72)), 'E7': (40, (56, 59, 62, 64)),
    'Em': (40, (59, 64, 67, 71)), 'Dm': (50, (57, 62, 65, 69)),
    'E': (40, (56, 59, 64, 68)),
}

# "Tile Garden": 4/4 at 90 beats a minute, 16 bars. (bar chord, melody notes
# as (beat, length in beats, MIDI note)).
TILE_GARDEN = [
    ('Cmaj7', [(0, 1.5, 76), (1.5, 0.5, 74), (2, 1, 72), (3, 1, 67)]),
    ('Am7', [(0, 1.5, 69), (1.5, 0.5, 72), (2, 2, 76)]),
    ('Fmaj7', [(0, 1, 77), (1, 0.5, 76), (1.5, 0.5, 72), (2, 2, 69)]),
    ('G6', [(0, 1, 67), (1, 1, 69), (2, 1, 71), (3, 1, 74)]),
    ('Cmaj7', [(0, 1.5, 76), (1.5, 0.5, 79), (2, 1, 76), (3, 1, 74)]),
    ('Am7', [(0, 1, 72), (1, 1, 76), (2, 2, 81)]),
    ('Dm7', [(0, 1.5, 77), (1.5, 0.5, 76), (2, 1, 74), (3, 1, 72)]),
    ('G7', [(0, 2, 71), (2, 1, 74), (3, 1, 67)]),
    ('Fmaj7', [(0, 1, 69), (1, 1, 72), (2, 1.5, 76), (3.5, 0.5, 77)]),
    ('Em7', [(0, 1.5, 79), (1.5, 0.5, 76), (2, 2, 71)]),
    ('Dm7', [(0, 1, 69), (1, 1, 74), (2, 1, 77), (3, 1, 76)]),
    ('C/E', [(0, 3, 76), (3, 1, 67)]),
    ('Fmaj7', [(0, 1, 69), (1, 0.5, 72), (1.5, 1.5, 77), (3, 1, 76)]),
    ('G', [(0, 1, 74), (1, 1, 71), (2, 1, 67), (3, 1, 74)]),
    ('Am7', [(0, 1.5, 72), (1.5, 0.5, 76), (2, 2, 69)]),
    ('G7sus', [(0, 1, 71), (1, 1, 74), (2, 1, 77), (3, 1, 74)]),
]

# "Evening Drift": 3/4 at 105 beats a minute, 24 bars, a harp waltz in A minor.
EVENING_DRIFT = [
    ('Am', [(0, 2, 76), (2, 1, 72)]),
    ('F', [(0, 1, 69), (1, 1, 72), (2, 1, 77)]),
    ('C', [(0, 1.5, 76), (1.5, 0.5, 74), (2, 1, 72)]),
    ('G', [(0, 3, 74)]),
    ('Am', [(0, 1, 72), (1, 1, 76), (2, 1, 81)]),
    ('F', [(0, 1, 79), (1, 1, 77), (2, 1, 76)]),
    ('G', [(0, 2, 74), (2, 1, 71)]),
    ('E7', [(0, 1, 71), (1, 2, 68)]),
    ('F', [(0, 1, 69), (1, 1, 72), (2, 1, 77)]),
    ('G', [(0, 1.5, 79), (1.5, 0.5, 77), (2, 1, 74)]),
    ('Em', [(0, 1, 76), (1, 1, 79), (2, 1, 83)]),
    ('Am', [(0, 3, 81)]),
    ('Dm', [(0, 1, 77), (1, 1, 76), (2, 1, 74)]),
    ('G', [(0, 1, 74), (1, 1, 71), (2, 1, 67)]),
    ('C', [(0, 1, 72), (1, 1, 76), (2, 1, 79)]),
    ('F', [(0, 1.5, 81), (1.5, 0.5, 79), (2, 1, 77)]),
    ('Dm', [(0, 3, 77)]),
    ('E7', [(0, 2, 76), (2, 1, 74)]),
    ('Am', [(0, 3, 72)]),
    ('F', [(0, 3, 69)]),
    ('Dm', [(0, 1.5, 74), (1.5, 0.5, 72), (2, 1, 71)]),
    ('E', [(0, 3, 68)]),
    ('Am', [(0, 3, 69)]),
    ('E7', [(0, 1, 71), (1, 1, 74), (2, 1, 71)]),
]


def tile_garden():
    rng = random.Random(1907)

    def parts(mix, at, beat):
        for bar, (name, melody) in enumerate(TILE_GARDEN):
            root, tones = CHORDS[name]
            for t in tones:
                mix.add(at(bar, 0), pad(t, 4 * beat - 0.2), 0.10)
            mix.add(at(bar, 0), bass(root, 1.6 * beat), 0.34)
            mix.add(at(bar, 2), bass(root + 7, 1.6 * beat), 0.26)
            # e-piano in eighths, up and back down the chord
            order = (0, 1, 2, 3, 2, 1, 2, 1)
            for k, idx in enumerate(order):
                vel = 0.20 if k % 2 == 0 else 0.14
                mix.add(at(bar, k * 0.5), epiano(tones[idx], 0.45 * beat, vel))
            for b, length, note in melody:
                mix.add(at(bar, b), celesta(note, length * beat, 0.36))
                mix.add(at(bar, b), epiano(note, length * beat, 0.10))
            for k in range(4):
                mix.add(at(bar, k + 0.5), shaker(0.25, rng))

    return loop_tune(90, 4, len(TILE_GARDEN), parts)


def evening_drift():
    def parts(mix, at, beat):
        for bar, (name, melody) in enumerate(EVENING_DRIFT):
            root, tones = CHORDS[name]
            for t in tones[:3]:
                mix.add(at(bar, 0), pad(t, 3 * beat - 0.15), 0.09)
            mix.add(at(bar, 0), bass(root, 2.6 * beat), 0.32)
            # harp: root, then the chord rising over an octave, in eighths
            figure = (root + 12, tones[0], tones[1], tones[2], tones[3], tones[2])
            for k, note in enumerate(figure):
                mix.add(at(bar, k * 0.5), harp(note, 0.9 * beat, 0.22 if k == 0 else 0.17))
            for b, length, note in melody:
                mix.add(at(bar, b), flute(note, length * beat - 0.05, 0.26))

    return loop_tune(105, 3, len(EVENING_DRIFT), parts, wet=1.0)


# ---------------------------------------------------------------------------

def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    data = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'data')
    sound = os.path.join(data, 'sound')
    music = os.path.join(data, 'music')
    os.makedirs(sound, exist_ok=True)
    os.makedirs(music, exist_ok=True)

    # Upper-case ".WAV" plays from memory; lower-case ".wav" and ".mp3" go
    # through the media player, so each path of the game has a real file.
    write(os.path.join(sound, 'Correct Match.WAV'), wave_bytes(fx_correct_match()))
    write(os.path.join(sound, 'Incorrect.WAV'), wave_bytes(fx_incorrect()))
    write(os.path.join(sound, 'Word Complete.wav'), wave_bytes(fx_word_complete()))
    write(os.path.join(sound, 'Time Penalty.WAV'), wave_bytes(fx_time_penalty()))
    write(os.path.join(sound, 'Game Over.WAV'), wave_bytes(fx_game_over()))
    write_mp3(os.path.join(sound, 'Game Won.mp3'), fx_game_won(), 'Game Won')
    write(os.path.join(sound, 'New Game.WAV'), wave_bytes(fx_new_game()))
    write(os.path.join(sound, 'Countdown Starts.WAV'), wave_bytes(fx_countdown_starts()))

    write(os.path.join(music, 'Tile Garden.WAV'), wave_bytes(tile_garden()))
    write(os.path.join(music, 'Evening Drift.music'), headerless(wave_bytes(evening_drift())))


if __name__ == '__main__':
    main(sys.argv)
