"""The instruments of ORVANTE's music: each renders one note (or one drum hit) as a mono numpy
array. Rendered notes are cached, because songs repeat the same notes many times."""

import functools

import numpy as np

from dsp import RATE, adsr, band, decay_env, midi_hz, noise, partials, secs, tone


def _phase(note, voice=0):
    """A fixed start phase per note and voice, so that chords do not start in phase."""
    return ((note * 0.6180339 + voice * 0.4142136) % 1.0)


@functools.lru_cache(maxsize=None)
def bass(note, gate, style="round"):
    """Saw bass with a plucked filter and a sine an octave below; `style` "soft" is rounder."""
    env = adsr(gate, 0.004, 0.25, 0.65, 0.06)
    n = len(env)
    t = np.arange(n) / RATE
    bright = 900.0 if style == "round" else 450.0
    cutoff = 160.0 + bright * np.exp(-t / 0.09)
    body = tone(midi_hz(note), n, "saw", cutoff, order=2, phase=_phase(note))
    sub = tone(midi_hz(note), n, "sine", 1000.0, phase=_phase(note))
    return (0.8 * body + 0.5 * sub) * env


@functools.lru_cache(maxsize=None)
def pad(notes, gate):
    """Warm string pad: two detuned saws per note, a slow swell and a slow filter sweep."""
    env = adsr(gate, 0.35, 0.5, 0.85, 0.9)
    n = len(env)
    t = np.arange(n) / RATE
    cutoff = 1300.0 + 500.0 * np.sin(np.pi * np.minimum(t / max(1e-3, gate / RATE), 1.0))
    out = np.zeros(n)
    for note in notes:
        for v, detune in enumerate((-0.0035, 0.0035)):
            out += tone(midi_hz(note) * (1.0 + detune), n, "saw", cutoff, order=2,
                        phase=_phase(note, v))
    return out * env / max(1, len(notes))


@functools.lru_cache(maxsize=None)
def keys(note, gate):
    """Electric-piano-like keys: a sine body with a soft tine that fades quickly."""
    env = adsr(gate, 0.003, 0.9, 0.35, 0.35)
    n = len(env)
    f = midi_hz(note)
    body = partials(f, n, [(1.0, 1.0, 1.6), (2.0, 0.35, 0.5), (3.0, 0.12, 0.25)], _phase(note))
    tine = partials(f, n, [(7.0, 0.05, 0.04)])
    return (body + tine) * env


@functools.lru_cache(maxsize=None)
def pluck(note, shape="pulse", bright=2400.0, decay=0.22):
    """Short plucked synth for arpeggios: its filter closes as it fades."""
    n = secs(decay * 6.0)
    t = np.arange(n) / RATE
    cutoff = 300.0 + bright * np.exp(-t / (decay * 0.6))
    return tone(midi_hz(note), n, shape, cutoff, order=2, pw=0.35, phase=_phase(note)) * \
        decay_env(n, decay, 0.003)


@functools.lru_cache(maxsize=None)
def lead(note, gate, voice="flute", slide_from=None):
    """Melody voices. flute: soft triangle with breath of the second harmonic; square: hollow
    and warm; brass: a saw whose filter opens after the attack. All with delayed vibrato."""
    f = midi_hz(note)
    glide = midi_hz(slide_from) if slide_from is not None else None
    if voice == "flute":
        env = adsr(gate, 0.03, 0.2, 0.85, 0.18)
        n = len(env)
        out = tone(f, n, "tri", 3500.0, vibrato=0.005, vib_rate=5.2, glide_from=glide)
        out += 0.18 * tone(2 * f, n, "sine", 5000.0, vibrato=0.005, vib_rate=5.2,
                           glide_from=glide and 2 * glide)
    elif voice == "square":
        env = adsr(gate, 0.012, 0.25, 0.7, 0.15)
        n = len(env)
        out = 0.7 * tone(f, n, "pulse", 2400.0, pw=0.42, vibrato=0.004, vib_rate=5.5,
                         glide_from=glide)
    elif voice == "brass":
        env = adsr(gate, 0.04, 0.3, 0.8, 0.16)
        n = len(env)
        t = np.arange(n) / RATE
        cutoff = 800.0 + 2000.0 * (1.0 - np.exp(-t / 0.08)) * np.exp(-t / 1.5)
        out = 0.6 * tone(f, n, "saw", cutoff, vibrato=0.004, vib_rate=5.0, glide_from=glide)
    else:
        raise ValueError(voice)
    return out * env


@functools.lru_cache(maxsize=None)
def bell(note, decay=1.2):
    """Soft mallet (vibraphone-like): a sine with a quiet fourth partial."""
    n = secs(decay * 6.0)
    f = midi_hz(note)
    out = partials(f, n, [(1.0, 1.0, decay), (4.0, 0.18, decay * 0.2), (10.0, 0.03, 0.05)],
                   _phase(note))
    return out * decay_env(n, 10.0, 0.002)


# ---------------------------------------------------------------------------------------------
# Drums


@functools.lru_cache(maxsize=None)
def kick():
    n = secs(0.45)
    t = np.arange(n) / RATE
    freq = 55.0 + 95.0 * np.exp(-t / 0.03)
    body = np.sin(2 * np.pi * np.cumsum(freq) / RATE) * decay_env(n, 0.15, 0.001)
    click = band(noise(n, 11), None, 2500.0) * decay_env(n, 0.004, 0.0005)
    return body + 0.25 * click


@functools.lru_cache(maxsize=None)
def snare():
    n = secs(0.35)
    crack = band(noise(n, 12), 900.0, 7000.0) * decay_env(n, 0.09, 0.001)
    body = partials(185.0, n, [(1.0, 1.0, 0.06), (1.72, 0.5, 0.04)])
    return 0.7 * crack + 0.55 * body


@functools.lru_cache(maxsize=None)
def clap():
    n = secs(0.35)
    raw = band(noise(n, 13), 800.0, 5000.0)
    env = np.zeros(n)
    for gap in (0.0, 0.010, 0.021):            # three hands, then the room
        start = secs(gap)
        env[start:] += decay_env(n - start, 0.007, 0.0005)
    start = secs(0.021)
    env[start:] += 0.8 * decay_env(n - start, 0.09, 0.001)
    return raw * env * 0.8


@functools.lru_cache(maxsize=None)
def hat(open_=False):
    n = secs(0.5 if open_ else 0.12)
    raw = band(noise(n, 14 + open_), 6500.0, 11000.0)
    return raw * decay_env(n, 0.16 if open_ else 0.028, 0.0008)


@functools.lru_cache(maxsize=None)
def shaker():
    n = secs(0.12)
    raw = band(noise(n, 16), 3500.0, 9000.0)
    return raw * decay_env(n, 0.035, 0.012)


@functools.lru_cache(maxsize=None)
def tom(high=False):
    n = secs(0.8)
    t = np.arange(n) / RATE
    base = 150.0 if high else 100.0
    freq = base * (1.0 + 0.35 * np.exp(-t / 0.05))
    body = np.sin(2 * np.pi * np.cumsum(freq) / RATE) * decay_env(n, 0.18, 0.001)
    return body + 0.15 * band(noise(n, 17), 300.0, 3000.0) * decay_env(n, 0.02)


@functools.lru_cache(maxsize=None)
def crash():
    n = secs(2.5)
    raw = band(noise(n, 18), 3000.0, 9000.0, 2)
    return raw * decay_env(n, 0.7, 0.002)


DRUMS = {
    "k": kick, "s": snare, "c": clap, "h": lambda: hat(False), "o": lambda: hat(True),
    "x": shaker, "t": lambda: tom(False), "T": lambda: tom(True), "C": crash,
}
