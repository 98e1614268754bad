#!/usr/bin/env python3
"""Synthesises ORVANTE's sound effects and music loops as 16-bit WAV files.

Usage: synth.py OUTDIR

Writes OUTDIR/sfx/<name>.wav and OUTDIR/music/<name>.wav, all stereo at 44100 Hz, so that every
file of the data set has the same format (sound effects carry the same signal on both channels).
Only the Python standard library is used and every random draw is seeded, so the output is the
same on every run. Music loops are rendered circularly: notes, echoes and tails that run past
the end of a loop are folded back to its start, so each track repeats without a seam.
"""

import array
import math
import os
import random
import struct
import sys
import wave

SFX_RATE = 44100
MUSIC_RATE = 44100
TAU = 2.0 * math.pi


# ---------------------------------------------------------------------------------------------
# Basic building blocks


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def zeros(n):
    return array.array("d", bytes(8 * n))


def poly_blep(t, dt):
    """Band-limited step correction for saw and square oscillators."""
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def osc(kind, freq, n, rate, phase=0.0, vibrato=0.0, vib_rate=5.5, slide_to=None, pw=0.5):
    """n samples of a band-limited oscillator; slide_to glides the pitch exponentially."""
    out = zeros(n)
    p = phase
    for i in range(n):
        f = freq
        if slide_to is not None:
            f = freq * (slide_to / freq) ** (i / max(1, n - 1))
        if vibrato:
            f *= 1.0 + vibrato * math.sin(TAU * vib_rate * i / rate)
        dt = f / rate
        if kind == "sine":
            v = math.sin(TAU * p)
        elif kind == "tri":
            v = 4.0 * abs(p - 0.5) - 1.0
        elif kind == "saw":
            v = 2.0 * p - 1.0 - poly_blep(p, dt)
        elif kind == "square":
            v = ((1.0 if p < pw else -1.0) + poly_blep(p, dt) - poly_blep((p + 1.0 - pw) % 1.0, dt)
                 - (2.0 * pw - 1.0))
        else:
            raise ValueError(kind)
        out[i] = v
        p += dt
        if p >= 1.0:
            p -= 1.0
    return out


def env_adsr(n, rate, a, d, s, r):
    """Attack, decay, sustain level, release (seconds); the release ends the n samples."""
    out = zeros(n)
    na, nd, nr = int(a * rate), int(d * rate), int(r * rate)
    nr = min(nr, n)
    for i in range(n):
        if i < na:
            v = i / na
        elif i < na + nd:
            v = 1.0 - (1.0 - s) * (i - na) / nd
        else:
            v = s
        if i >= n - nr and nr > 0:
            v *= (n - i) / nr
        out[i] = v
    return out


def env_exp(n, rate, decay, attack=0.002):
    out = zeros(n)
    na = max(1, int(attack * rate))
    k = math.exp(-1.0 / (decay * rate))
    v = 1.0
    for i in range(n):
        out[i] = (i / na if i < na else 1.0) * v
        if i >= na:
            v *= k
    return out


def lowpass(x, rate, cutoff, cutoff_end=None):
    """One-pole low-pass, optionally sweeping its cutoff exponentially."""
    out = zeros(len(x))
    y = 0.0
    n = len(x)
    for i in range(n):
        fc = cutoff
        if cutoff_end is not None:
            fc = cutoff * (cutoff_end / cutoff) ** (i / max(1, n - 1))
        a = 1.0 - math.exp(-TAU * fc / rate)
        y += a * (x[i] - y)
        out[i] = y
    return out


def highpass(x, rate, cutoff):
    out = zeros(len(x))
    a = math.exp(-TAU * cutoff / rate)
    prev_x = prev_y = 0.0
    for i, v in enumerate(x):
        prev_y = a * (prev_y + v - prev_x)
        prev_x = v
        out[i] = prev_y
    return out


def noise(n, rng):
    out = zeros(n)
    for i in range(n):
        out[i] = rng.uniform(-1.0, 1.0)
    return out


def mul(a, b):
    return array.array("d", (x * y for x, y in zip(a, b)))


def scale(a, g):
    return array.array("d", (x * g for x in a))


def mix_into(dst, src, offset=0, gain=1.0, wrap=False):
    n = len(dst)
    for i, v in enumerate(src):
        j = offset + i
        if wrap:
            j %= n
        elif j >= n:
            break
        dst[j] += v * gain


def normalise(chans, peak):
    m = max(max(abs(v) for v in c) for c in chans) or 1.0
    g = peak / m
    return [scale(c, g) for c in chans]


def fade_edges(x, rate, fade_in=0.002, fade_out=0.01):
    n = len(x)
    ni, no = int(fade_in * rate), int(fade_out * rate)
    for i in range(min(ni, n)):
        x[i] *= i / ni
    for i in range(min(no, n)):
        x[n - 1 - i] *= i / no
    return x


def write_wav(path, chans, rate):
    n = len(chans[0])
    frames = array.array("h")
    for i in range(n):
        for c in chans:
            v = max(-1.0, min(1.0, c[i]))
            frames.append(int(round(v * 32767)))
    if sys.byteorder != "little":
        frames.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(len(chans))
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(frames.tobytes())


# ---------------------------------------------------------------------------------------------
# Sound effects (mono)


def sfx_step(rng):
    r = SFX_RATE
    n = int(0.045 * r)
    body = mul(osc("sine", 190.0, n, r, slide_to=95.0), env_exp(n, r, 0.012))
    tick = mul(lowpass(noise(n, rng), r, 2500.0), env_exp(n, r, 0.004))
    out = zeros(n)
    mix_into(out, body, gain=0.8)
    mix_into(out, tick, gain=0.15)
    return fade_edges(out, r), 0.18


def bell(freq, n, rate, decay):
    out = zeros(n)
    for ratio, amp, dec in ((1.0, 1.0, 1.0), (2.756, 0.35, 0.45), (5.404, 0.15, 0.25)):
        mix_into(out, mul(osc("sine", freq * ratio, n, rate), env_exp(n, rate, decay * dec)), gain=amp)
    return out


def sfx_fixed(rng):
    r = SFX_RATE
    n = int(0.32 * r)
    out = zeros(n)
    mix_into(out, bell(midi_hz(88), n, r, 0.10), gain=0.7)            # E6
    mix_into(out, bell(midi_hz(95), n - int(0.05 * r), r, 0.12), int(0.05 * r), gain=0.6)  # B6
    return fade_edges(out, r), 0.55


def sfx_pink_fixed(rng):
    r = SFX_RATE
    n = int(0.26 * r)
    tone = lowpass(osc("square", midi_hz(57), n, r, slide_to=midi_hz(50), pw=0.3), r, 1400.0, 400.0)
    return fade_edges(mul(tone, env_exp(n, r, 0.07)), r), 0.5


def sfx_explosion(rng):
    r = SFX_RATE
    n = int(1.3 * r)
    rumble = mul(lowpass(noise(n, rng), r, 3200.0, 160.0), env_exp(n, r, 0.35, attack=0.004))
    crack = mul(highpass(noise(n, rng), r, 1500.0), env_exp(n, r, 0.05))
    thump = mul(osc("sine", 110.0, n, r, slide_to=32.0), env_exp(n, r, 0.22))
    out = zeros(n)
    mix_into(out, rumble, gain=1.0)
    mix_into(out, crack, gain=0.45)
    mix_into(out, thump, gain=0.9)
    return fade_edges(out, r, fade_out=0.15), 0.9


def sfx_timer(rng):
    r = SFX_RATE
    n = int(0.14 * r)
    tone = lowpass(osc("square", 987.8, n, r, pw=0.5), r, 3500.0)
    e = env_adsr(n, r, 0.003, 0.03, 0.6, 0.05)
    return fade_edges(mul(tone, e), r), 0.35


def sfx_remove(rng):
    r = SFX_RATE
    n = int(0.38 * r)
    tone = osc("saw", 1400.0, n, r, slide_to=150.0, vibrato=0.04, vib_rate=28.0)
    tone = lowpass(tone, r, 5000.0, 700.0)
    return fade_edges(mul(tone, env_exp(n, r, 0.16)), r), 0.5


def arpeggio(notes, step, length, rate, kind="square", decay=0.06, pw=0.25):
    n = int(length * rate)
    out = zeros(n)
    for k, note in enumerate(notes):
        start = int(k * step * rate)
        m = n - start
        if m <= 0:
            break
        v = mul(lowpass(osc(kind, midi_hz(note), m, rate, pw=pw), rate, 6000.0), env_exp(m, rate, decay))
        mix_into(out, v, start)
    return out


def sfx_gem(rng):
    r = SFX_RATE
    return fade_edges(arpeggio([84, 88, 91, 96], 0.045, 0.32, r), r), 0.45


def sfx_star(rng):
    r = SFX_RATE
    out = arpeggio([79, 83, 86, 91, 95, 98], 0.04, 0.6, r, decay=0.09, pw=0.5)
    shimmer = zeros(len(out))
    for k in range(8):
        f = midi_hz(96 + rng.choice((0, 3, 7, 10, 12)))
        start = int((0.1 + 0.05 * k) * r)
        m = len(out) - start
        mix_into(shimmer, mul(osc("sine", f, m, r), env_exp(m, r, 0.05)), start)
    mix_into(out, shimmer, gain=0.3)
    return fade_edges(out, r), 0.5


def sfx_clock(rng):
    r = SFX_RATE
    n = int(0.55 * r)
    out = zeros(n)
    for k, f in enumerate((1800.0, 1350.0)):
        m = int(0.05 * r)
        click = mul(lowpass(noise(m, rng), r, f), env_exp(m, r, 0.006))
        mix_into(out, click, int(k * 0.11 * r), gain=0.9)
    start = int(0.22 * r)
    mix_into(out, bell(midi_hz(81), n - start, r, 0.16), start, gain=0.7)
    return fade_edges(out, r), 0.5


def sfx_bomb(rng):
    r = SFX_RATE
    n = int(0.4 * r)
    out = zeros(n)
    clunk = mul(osc("tri", 160.0, n, r, slide_to=90.0), env_exp(n, r, 0.06))
    ring = mul(osc("sine", 1250.0, n, r), env_exp(n, r, 0.12))
    ring2 = mul(osc("sine", 1870.0, n, r), env_exp(n, r, 0.08))
    mix_into(out, clunk, gain=1.0)
    mix_into(out, ring, gain=0.25)
    mix_into(out, ring2, gain=0.15)
    return fade_edges(out, r), 0.5


def sfx_quendral1(rng):
    """Intro, second page: a rising swell over a low drone."""
    r = SFX_RATE
    n = int(2.6 * r)
    swell = lowpass(noise(n, rng), r, 200.0, 5000.0)
    e = zeros(n)
    for i in range(n):
        t = i / n
        e[i] = (t ** 2) * (1.0 if t < 0.85 else (1.0 - t) / 0.15)
    out = zeros(n)
    mix_into(out, mul(swell, e), gain=0.8)
    for note in (33, 40, 45):
        d = mul(osc("saw", midi_hz(note), n, r, vibrato=0.002), e)
        mix_into(out, lowpass(d, r, 300.0, 2500.0), gain=0.35)
    return fade_edges(out, r, fade_out=0.08), 0.8


def sfx_quendral(rng):
    """Intro, third page: a bright chord stab that rings out."""
    r = SFX_RATE
    n = int(2.2 * r)
    out = zeros(n)
    for k, note in enumerate((57, 64, 69, 71, 76)):
        v = osc("saw", midi_hz(note) * (1.0 + 0.002 * (k - 2)), n, r)
        v = lowpass(v, r, 6000.0, 600.0)
        mix_into(out, mul(v, env_exp(n, r, 0.7, attack=0.004)), gain=0.3)
    mix_into(out, mul(osc("sine", midi_hz(33), n, r), env_exp(n, r, 0.5)), gain=0.8)
    hit = mul(lowpass(noise(n, rng), r, 4000.0), env_exp(n, r, 0.03))
    mix_into(out, hit, gain=0.5)
    return fade_edges(out, r, fade_out=0.2), 0.85


SFX = {
    "step": sfx_step,
    "fixed": sfx_fixed,
    "pinkfixed": sfx_pink_fixed,
    "explosion": sfx_explosion,
    "timer": sfx_timer,
    "remove": sfx_remove,
    "gem": sfx_gem,
    "star": sfx_star,
    "clock": sfx_clock,
    "bomb": sfx_bomb,
    "quendral1": sfx_quendral1,
    "quendral": sfx_quendral,
}


# ---------------------------------------------------------------------------------------------
# Music loops (stereo, rendered circularly)


class Loop:
    def __init__(self, bpm, bars, seed):
        self.rate = MUSIC_RATE
        self.beat = 60.0 / bpm
        self.n = int(round(bars * 4 * self.beat * self.rate))
        self.left = zeros(self.n)
        self.right = zeros(self.n)
        self.rng = random.Random(seed)

    def at(self, beats):
        return int(round(beats * self.beat * self.rate))

    def put(self, sig, beats, gain=1.0, pan=0.0):
        """Adds a mono signal at a position in beats; pan -1 (left) .. 1 (right)."""
        gl = gain * math.cos((pan + 1.0) * math.pi / 4.0) * math.sqrt(2.0)
        gr = gain * math.sin((pan + 1.0) * math.pi / 4.0) * math.sqrt(2.0)
        off = self.at(beats)
        mix_into(self.left, sig, off, gl, wrap=True)
        mix_into(self.right, sig, off, gr, wrap=True)

    def remove_dc(self, cutoff=25.0):
        """High-pass both channels; two passes over the circular loop settle the filter state."""
        a = math.exp(-TAU * cutoff / self.rate)
        for chan in (self.left, self.right):
            prev_x = prev_y = 0.0
            for rnd in range(2):
                for i in range(self.n):
                    v = chan[i]
                    prev_y = a * (prev_y + v - prev_x)
                    prev_x = v
                    if rnd == 1:
                        chan[i] = prev_y

    def echo(self, beats, feedback, wet):
        """Ping-pong echo over the whole loop, circular so the loop stays seamless."""
        d = self.at(beats)
        n = self.n
        src_l, src_r = array.array("d", self.left), array.array("d", self.right)
        tap_l, tap_r = src_l, src_r
        g = wet
        for k in range(6):
            new_l = zeros(n)
            new_r = zeros(n)
            for i in range(n):
                new_l[(i + d) % n] = tap_r[i]
                new_r[(i + d) % n] = tap_l[i]
            for i in range(n):
                self.left[i] += new_l[i] * g
                self.right[i] += new_r[i] * g
            tap_l, tap_r = new_l, new_r
            g *= feedback

    # Instruments: each returns a mono signal for one note.

    def bass(self, note, beats, cutoff=900.0):
        n = self.at(beats)
        v = osc("saw", midi_hz(note), n, self.rate)
        v = lowpass(v, self.rate, cutoff * 2.5, cutoff * 0.5)
        v = mul(v, env_adsr(n, self.rate, 0.004, 0.08, 0.7, 0.03))
        return mix_sub(v, mul(osc("sine", midi_hz(note - 12), n, self.rate),
                              env_adsr(n, self.rate, 0.004, 0.1, 0.8, 0.03)), 0.6)

    def pluck(self, note, beats, kind="square", pw=0.3, decay=0.18, bright=4200.0):
        n = self.at(beats) + int(0.25 * self.rate)
        v = osc(kind, midi_hz(note), n, self.rate, pw=pw)
        v = lowpass(v, self.rate, bright, 500.0)
        return mul(v, env_exp(n, self.rate, decay))

    def lead(self, note, beats, kind="square", pw=0.5):
        n = self.at(beats)
        v = osc(kind, midi_hz(note), n, self.rate, pw=pw, vibrato=0.004, vib_rate=5.0)
        v = lowpass(v, self.rate, 3200.0)
        return mul(v, env_adsr(n, self.rate, 0.01, 0.1, 0.75, 0.06))

    def pad(self, notes, beats):
        n = self.at(beats)
        out = zeros(n)
        for k, note in enumerate(notes):
            for det in (-0.004, 0.004):
                v = osc("saw", midi_hz(note) * (1.0 + det), n, self.rate,
                        phase=self.rng.random())
                mix_into(out, lowpass(v, self.rate, 1100.0), gain=0.35)
        return mul(out, env_adsr(n, self.rate, 0.35, 0.3, 0.8, 0.4))

    def kick(self):
        n = int(0.3 * self.rate)
        v = osc("sine", 150.0, n, self.rate, slide_to=42.0)
        return mul(v, env_exp(n, self.rate, 0.12, attack=0.001))

    def snare(self):
        n = int(0.22 * self.rate)
        nz = mul(highpass(noise(n, self.rng), self.rate, 900.0), env_exp(n, self.rate, 0.06))
        tone = mul(osc("tri", 190.0, n, self.rate), env_exp(n, self.rate, 0.04))
        return mix_sub(nz, tone, 0.5)

    def hat(self, length=0.025):
        n = int(0.12 * self.rate)
        return mul(highpass(noise(n, self.rng), self.rate, 6000.0), env_exp(n, self.rate, length))


def mix_sub(a, b, gb):
    out = array.array("d", a)
    mix_into(out, b, gain=gb)
    return out


def drums(loop, bars, pattern):
    """pattern: 16 steps per bar, characters k (kick), s (snare), h (hat), o (open hat)."""
    kick, snare, hat, ohat = loop.kick(), loop.snare(), loop.hat(), loop.hat(0.1)
    for bar in range(bars):
        for step, ch in enumerate(pattern[bar % len(pattern)]):
            beats = bar * 4 + step / 4.0
            if ch in "kK":
                loop.put(kick, beats, 0.9 if ch == "k" else 0.6)
            if ch in "sS":
                loop.put(snare, beats, 0.55 if ch == "s" else 0.3, pan=0.1)
            if ch in "hH":
                loop.put(hat, beats, 0.22 if ch == "h" else 0.12, pan=-0.3)
            if ch == "o":
                loop.put(ohat, beats, 0.2, pan=-0.3)


# Chords are given as MIDI note lists; progressions hold one chord per bar.


def music_menu():
    loop = Loop(100, 8, 11)
    prog = [(57, 60, 64), (53, 57, 60), (48, 52, 55), (55, 59, 62),
            (57, 60, 64), (53, 57, 60), (50, 53, 57), (52, 56, 59)]
    for bar, chord in enumerate(prog):
        loop.put(loop.pad([c + 12 for c in chord], 4.0), bar * 4, 0.18)
        loop.put(loop.bass(chord[0] - 12, 3.9, cutoff=500.0), bar * 4, 0.35)
        order = [0, 1, 2, 1, 2, 0, 2, 1]
        for k in range(8):
            note = chord[order[k]] + 24 + (12 if k == 4 else 0)
            loop.put(loop.pluck(note, 0.5, kind="tri", decay=0.35, bright=3000.0),
                     bar * 4 + k * 0.5, 0.22, pan=-0.5 + k / 7.0)
    loop.echo(0.75, 0.45, 0.35)
    return loop


def music_score():
    loop = Loop(120, 8, 12)
    prog = [(60, 64, 67), (57, 60, 64), (65, 69, 72), (67, 71, 74),
            (60, 64, 67), (64, 67, 71), (65, 69, 72), (67, 71, 74)]
    for bar, chord in enumerate(prog):
        for k in range(8):
            loop.put(loop.bass(chord[0] - 24 + (12 if k % 2 else 0), 0.45), bar * 4 + k * 0.5, 0.32)
        for k in range(16):
            note = chord[k % 3] + 12 + (12 if (k // 3) % 2 else 0)
            loop.put(loop.pluck(note, 0.25, pw=0.25, decay=0.12), bar * 4 + k * 0.25, 0.16,
                     pan=0.4 if k % 2 else -0.4)
    melody = [72, None, 76, 79, 81, None, 79, 76, 77, 76, 74, 72, 74, None, 71, None,
              72, None, 76, 79, 83, None, 81, 79, 81, 79, 77, 76, 74, 76, 79, None]
    for k, note in enumerate(melody):
        if note is not None:
            loop.put(loop.lead(note, 0.95, pw=0.5), k * 1.0, 0.16, pan=0.1)
    drums(loop, 8, ["k...h...s...h.h.", "k...h.k.s...h..o"])
    loop.echo(0.5, 0.3, 0.2)
    return loop


def music_game(bpm, seed, root, minor_prog, lead_kind, drum_pattern, arp_order):
    loop = Loop(bpm, 8, seed)
    rng = loop.rng
    for bar, degrees in enumerate(minor_prog):
        chord = [root + d for d in degrees]
        for k in range(8):
            note = chord[0] - 12 + (12 if k in (3, 6) else 0)
            loop.put(loop.bass(note, 0.42, cutoff=1100.0), bar * 4 + k * 0.5, 0.34)
        for k in range(16):
            note = chord[arp_order[k % len(arp_order)]] + 12
            loop.put(loop.pluck(note, 0.25, pw=0.3, decay=0.09, bright=5000.0),
                     bar * 4 + k * 0.25, 0.11, pan=-0.45 if (k // 2) % 2 else 0.45)
    # A two-bar motif from the chord tones, answered with a variation.
    scale_steps = [0, 2, 3, 5, 7, 8, 10, 12, 14, 15]
    motif = []
    for k in range(8):
        motif.append(None if rng.random() < 0.25 else rng.choice(scale_steps[:8]))
    for rep in range(4):
        for k, step in enumerate(motif):
            if step is None:
                continue
            s = step + (rng.choice((0, 2, -2)) if rep % 2 else 0)
            length = 0.9 if k % 2 == 0 else 0.45
            loop.put(loop.lead(root + 12 + s, length, kind=lead_kind, pw=0.35),
                     rep * 8 + k, 0.13, pan=0.05)
    drums(loop, 8, drum_pattern)
    loop.echo(0.75, 0.35, 0.22)
    return loop


def music_game1():
    return music_game(132, 21, 64, [(0, 3, 7), (0, 3, 7), (-4, 0, 3), (-2, 2, 5),
                                    (0, 3, 7), (-7, -4, 0), (-4, 0, 3), (-2, 2, 5)],
                      "square", ["k.h.s.h.k.hks.h.", "k.h.s.h.k.h.s.ho"], [0, 1, 2, 1])


def music_game2():
    return music_game(140, 22, 62, [(0, 3, 7), (5, 9, 12), (0, 3, 7), (3, 7, 10),
                                    (0, 3, 7), (5, 9, 12), (-2, 2, 5), (-5, -2, 2)],
                      "saw", ["k..hs.hhk.khs.hh", "k..hs.hhk.khs.ko"], [0, 2, 1, 2, 0, 2, 1, 2])


def music_game3():
    return music_game(124, 23, 65, [(0, 3, 7), (-4, 0, 3), (-9, -5, -2), (-2, 2, 5),
                                    (0, 3, 7), (-4, 0, 3), (-5, -1, 2), (-5, -1, 2)],
                      "square", ["k.h.S.hhk.h.s.h.", "k.hks.h.k.h.s.hh"], [0, 1, 2, 0, 2, 1])


MUSIC = {
    "menu": music_menu,
    "score": music_score,
    "game1": music_game1,
    "game2": music_game2,
    "game3": music_game3,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: synth.py OUTDIR")
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "sfx"), exist_ok=True)
    os.makedirs(os.path.join(out, "music"), exist_ok=True)
    for k, (name, fn) in enumerate(sorted(SFX.items())):
        sig, peak = fn(random.Random(1000 + k))
        (sig,) = normalise([sig], peak)
        write_wav(os.path.join(out, "sfx", name + ".wav"), [sig, sig], SFX_RATE)
    for name, fn in sorted(MUSIC.items()):
        loop = fn()
        loop.remove_dc()
        chans = normalise([loop.left, loop.right], 0.8)
        write_wav(os.path.join(out, "music", name + ".wav"), chans, MUSIC_RATE)
        print("music", name, "%.1f s" % (loop.n / MUSIC_RATE))


if __name__ == "__main__":
    main()
