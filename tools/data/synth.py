#!/usr/bin/env python3
"""Synthesises ORVANTE's sound effects and music loops as 16-bit WAV files.

Usage: synth.py OUTDIR [TRACK]

Writes OUTDIR/sfx/<name>.wav and OUTDIR/music/<name>.wav, all stereo at 44100 Hz, so that every
file of the data set has the same format (sound effects carry the same signal on both channels).
The effects are built with the standard library, the music with numpy (tracks.py); every
random draw is seeded, so the output is the same on every run. Every file is brought to its
loudness target below: music to an RMS level over the whole loop, effects to a short-term
level; a limiter keeps the peaks of both well under full scale.

With a TRACK name only that music track is written (for trying out changes).
"""

import array
import math
import os
import random
import sys
import wave

import numpy as np

import dsp
import tracks

SFX_RATE = 44100
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


def mix_into(dst, src, offset=0, gain=1.0):
    n = len(dst)
    for i, v in enumerate(src):
        j = offset + i
        if j >= n:
            break
        dst[j] += v * gain


def fade_edges(x, rate, fade_in=0.002, fade_out=0.01):
    n = len(x)
    ni, no = int(fade_in * rate), int(fade_out * rate)
    for i in range(min(ni, n)):
        x[i] *= i / ni
    for i in range(min(no, n)):
        x[n - 1 - i] *= i / no
    return x


# ---------------------------------------------------------------------------------------------
# Sound effects (mono)


def sfx_step(rng):
    """A soft, low footfall: it plays for every step of the player and of every enemy, so it
    has a slow onset and nothing above 1 kHz that could tick through the music."""
    r = SFX_RATE
    n = int(0.04 * r)
    body = mul(osc("sine", 150.0, n, r, slide_to=80.0), env_exp(n, r, 0.012, attack=0.004))
    brush = mul(lowpass(lowpass(noise(n, rng), r, 900.0), r, 900.0), env_exp(n, r, 0.008, attack=0.004))
    out = zeros(n)
    mix_into(out, body, gain=0.9)
    mix_into(out, brush, gain=0.25)
    return fade_edges(out, r, fade_in=0.004, fade_out=0.012)


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
    return fade_edges(out, r)


def sfx_pink_fixed(rng):
    r = SFX_RATE
    n = int(0.26 * r)
    tone = lowpass(osc("square", midi_hz(57), n, r, slide_to=midi_hz(50), pw=0.3), r, 1400.0, 400.0)
    return fade_edges(mul(tone, env_exp(n, r, 0.07)), r)


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
    return fade_edges(out, r, fade_out=0.15)


def sfx_timer(rng):
    r = SFX_RATE
    n = int(0.14 * r)
    tone = lowpass(osc("square", 987.8, n, r, pw=0.5), r, 3500.0)
    e = env_adsr(n, r, 0.003, 0.03, 0.6, 0.05)
    return fade_edges(mul(tone, e), r)


def sfx_remove(rng):
    r = SFX_RATE
    n = int(0.38 * r)
    tone = osc("saw", 1400.0, n, r, slide_to=150.0, vibrato=0.04, vib_rate=28.0)
    tone = lowpass(tone, r, 5000.0, 700.0)
    return fade_edges(mul(tone, env_exp(n, r, 0.16)), r)


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
    return fade_edges(arpeggio([84, 88, 91, 96], 0.045, 0.32, r), r)


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
    return fade_edges(out, r)


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
    return fade_edges(out, r)


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
    return fade_edges(out, r)


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
    return fade_edges(out, r, fade_out=0.08)


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
    return fade_edges(out, r, fade_out=0.2)


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
# Levels and output

# Music plays at MUSIC_RMS dBFS (RMS over the whole loop) with peaks limited to MUSIC_CEILING.
# Effects are set by their short-term loudness (the loudest 100 ms), a few dB under the music
# so that they sit in it rather than on top of it; the footstep, which can play several times
# a second, stays far below. Full scale is a square wave at 0 dB: a full-scale sine measures -3.
MUSIC_RMS = -18.0
MUSIC_CEILING = -6.5
SFX_CEILING = -9.0
SFX_LOUDNESS = {
    "step": -36.0, "timer": -25.0, "fixed": -23.0, "pinkfixed": -24.0, "remove": -23.0,
    "gem": -22.0, "star": -22.0, "clock": -22.0, "bomb": -22.0, "explosion": -21.0,
    "quendral1": -19.0, "quendral": -19.0,
}
def level_effect(sig, loudness):
    x = np.asarray(sig, dtype=float)
    for _ in range(4):
        x = x * dsp.undb(loudness - dsp.short_term_db(x))
        x = dsp.limit(x[np.newaxis], SFX_CEILING, window=256, circular=False)[0]
    return x


def write_wav(path, stereo):
    """16-bit stereo WAV, rounded without dither."""
    frames = np.round(np.clip(stereo.T, -1.0, 1.0) * 32767.0).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(SFX_RATE)
        w.writeframes(frames.tobytes())


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: synth.py OUTDIR [TRACK]")
    out = sys.argv[1]
    only = sys.argv[2] if len(sys.argv) == 3 else None
    os.makedirs(os.path.join(out, "sfx"), exist_ok=True)
    os.makedirs(os.path.join(out, "music"), exist_ok=True)
    if only is None:
        for k, (name, fn) in enumerate(sorted(SFX.items())):
            sig = fn(random.Random(1000 + k))
            mono = level_effect(sig, SFX_LOUDNESS[name])
            write_wav(os.path.join(out, "sfx", name + ".wav"), np.stack([mono, mono]))
    for name, fn in sorted(tracks.TRACKS.items()):
        if only not in (None, name):
            continue
        stereo = dsp.master(fn(), MUSIC_RMS, MUSIC_CEILING)
        write_wav(os.path.join(out, "music", name + ".wav"), stereo)
        print("music %-6s %5.1f s  %.1f dBFS RMS  peak %.1f dBFS"
              % (name, stereo.shape[1] / SFX_RATE, dsp.rms_db(stereo), dsp.peak_db(stereo)))


if __name__ == "__main__":
    main()
