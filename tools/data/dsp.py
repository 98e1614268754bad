"""Signal building blocks for ORVANTE's music, on numpy arrays of float samples at 44100 Hz.

Tones are additive: each harmonic is a sine whose level follows the oscillator shape and a
low-pass curve, so no tone carries energy above its cut-off and nothing aliases. Filters that
act on whole signals work in the frequency domain. Everything that spreads sound in time
(echo, reverb, the limiter) treats the buffer as a circle, so that a loop stays seamless.
"""

import numpy as np

RATE = 44100
TAU = 2.0 * np.pi
NYQUIST_GUARD = 15000.0      # no harmonic above this: keeps the highs soft and free of aliasing


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def secs(n):
    return int(round(n * RATE))


def db(value):
    return 20.0 * np.log10(max(value, 1e-12))


def undb(level):
    return 10.0 ** (level / 20.0)


# ---------------------------------------------------------------------------------------------
# Envelopes


def adsr(gate, attack, decay, sustain, release):
    """Attack, decay and sustain while the gate (samples) is open, then an exponential release
    (seconds to fall by 60 dB); the result is gate + release samples long."""
    n_rel = secs(release)
    t = np.arange(gate + n_rel, dtype=float)
    na, nd = max(1, secs(attack)), max(1, secs(decay))
    held = np.where(t < na, t / na, 1.0 - (1.0 - sustain) * np.clip((t - na) / nd, 0.0, 1.0))
    level_at_gate = held[min(gate, len(held) - 1)]
    tail = level_at_gate * np.exp(-6.9 * (t - gate) / max(1, n_rel))
    out = np.where(t < gate, held, tail)
    out[-min(64, len(out)):] *= np.linspace(1.0, 0.0, min(64, len(out)))
    return out


def decay_env(n, decay, attack=0.002):
    """A fast attack and an exponential decay (seconds to fall by 1/e)."""
    t = np.arange(n, dtype=float)
    na = max(1, secs(attack))
    out = np.minimum(t / na, 1.0) * np.exp(-np.maximum(t - na, 0.0) / (decay * RATE))
    fade = min(secs(0.01), n // 4)
    out[n - fade:] *= np.linspace(1.0, 0.0, fade)
    return out


# ---------------------------------------------------------------------------------------------
# Oscillators


def harmonic_levels(shape, count, pw=0.5):
    k = np.arange(1, count + 1, dtype=float)
    if shape == "sine":
        return (k == 1).astype(float)
    if shape == "saw":
        return 1.0 / k
    if shape == "square":
        return np.where(k % 2 == 1, 1.0 / k, 0.0)
    if shape == "tri":
        sign = np.where((k // 2) % 2 == 0, 1.0, -1.0)       # +1, -1/9, +1/25, ...
        return np.where(k % 2 == 1, sign / (k * k), 0.0)
    if shape == "pulse":
        return np.sin(np.pi * k * pw) / k
    raise ValueError(shape)


def tone(freq, n, shape="saw", cutoff=2000.0, order=2, pw=0.5, vibrato=0.0, vib_rate=5.0,
         vib_delay=0.25, phase=0.0, glide_from=None, glide_time=0.05):
    """n samples of a band-limited tone. cutoff is a number or an array of n values (Hz): the
    harmonics are weighted by a low-pass curve of the given order that follows it over time."""
    t = np.arange(n, dtype=float) / RATE
    f = np.full(n, float(freq))
    if glide_from is not None:
        f *= (glide_from / freq) ** np.exp(-t / glide_time)
    if vibrato:
        depth = vibrato * np.clip((t - vib_delay) / 0.4, 0.0, 1.0)
        f *= 1.0 + depth * np.sin(TAU * vib_rate * t)
    cycles = np.cumsum(f) / RATE + phase
    top = float(np.max(cutoff)) * 6.0
    count = max(1, int(min(NYQUIST_GUARD, top) / freq))
    levels = harmonic_levels(shape, count, pw)
    out = np.zeros(n)
    for k in range(1, count + 1):
        a = levels[k - 1]
        if a == 0.0:
            continue
        weight = a / np.sqrt(1.0 + (k * freq / cutoff) ** (2 * order))
        out += weight * np.sin(TAU * k * cycles)
    return out


def partials(freq, n, ratios, phase=0.0):
    """Inharmonic partials: ratios is a list of (ratio, level, decay seconds)."""
    t = np.arange(n, dtype=float) / RATE
    out = np.zeros(n)
    for ratio, level, decay in ratios:
        if freq * ratio < NYQUIST_GUARD:
            out += level * np.sin(TAU * (freq * ratio * t + phase * ratio)) * np.exp(-t / decay)
    return out


def noise(n, seed):
    """White noise from numpy's legacy generator, whose stream never changes between versions."""
    return np.random.RandomState(seed).uniform(-1.0, 1.0, n)


# ---------------------------------------------------------------------------------------------
# Filters in the frequency domain


def _response(freqs, low=None, high=None, order=2):
    g = np.ones_like(freqs)
    if high is not None:                       # low-pass at `high`
        g /= np.sqrt(1.0 + (freqs / high) ** (2 * order))
    if low is not None:                        # high-pass at `low`
        with np.errstate(divide="ignore"):
            g /= np.sqrt(1.0 + (low / np.maximum(freqs, 1e-6)) ** (2 * order))
    return g


def band(x, low=None, high=None, order=2, circular=False):
    """Butterworth-shaped band limit without phase shift. A circular signal is filtered as a
    circle; any other is padded so that nothing wraps from its end to its start."""
    n = len(x)
    size = n if circular else 2 * n
    spectrum = np.fft.rfft(x, size)
    spectrum *= _response(np.fft.rfftfreq(size, 1.0 / RATE), low, high, order)
    return np.fft.irfft(spectrum, size)[:n]


def tilt(x, low_db, low_corner, high_db, high_corner):
    """Two gentle shelves without phase shift, on a circular signal: low_db below low_corner
    and high_db above high_corner (both reached smoothly over about an octave each side), the
    middle left as it is. Small speakers give little below 200 Hz; the music must not depend
    on that range, and its highs must carry its detail."""
    n = len(x)
    f = np.maximum(np.fft.rfftfreq(n, 1.0 / RATE), 1e-6)
    low = 1.0 / (1.0 + (f / low_corner) ** 2)          # 1 deep down, 0 well above the corner
    high = (f / high_corner) ** 2 / (1.0 + (f / high_corner) ** 2)
    gain = undb(low_db * low + high_db * high)
    return np.fft.irfft(np.fft.rfft(x) * gain, n)


# ---------------------------------------------------------------------------------------------
# Space: echo and reverb over a circular stereo buffer of shape (2, n)


def echo(send, delay, feedback, taps=6, tone_cut=3000.0):
    """Ping-pong echo: each repeat comes from the other side, darker and quieter."""
    out = np.zeros_like(send)
    src = np.stack([band(c, 150.0, tone_cut, 1, circular=True) for c in send])
    level = 1.0
    for k in range(1, taps + 1):
        level *= feedback
        moved = np.roll(src, k * delay, axis=1)
        if k % 2 == 1:
            moved = moved[::-1]
        out += level * moved
    return out


def reverb_ir(seconds, seed, length=3.0):
    """A stereo room response: decorrelated noise decaying by 60 dB in `seconds`, high
    frequencies dying away faster, after a short pre-delay and a few early reflections."""
    n = secs(length)
    t = np.arange(n, dtype=float) / RATE
    ir = np.zeros((2, n))
    for ch in range(2):
        raw = noise(n, seed + ch)
        for low, high, scale in ((None, 900.0, 1.0), (900.0, 3500.0, 0.6), (3500.0, None, 0.3)):
            part = band(raw, low, high, 2)
            ir[ch] += part * np.exp(-6.9 * t / (seconds * scale))
        rng = np.random.RandomState(seed + 10 + ch)
        for _ in range(6):
            tap = secs(rng.uniform(0.008, 0.045))
            ir[ch, tap] += rng.uniform(0.3, 0.8) * (1 if rng.rand() < 0.5 else -1)
    ir[:, :secs(0.012)] = 0.0
    ir[:, secs(0.012):secs(0.030)] *= np.linspace(0.2, 1.0, secs(0.030) - secs(0.012))
    return ir / np.sqrt(np.sum(ir ** 2) / 2.0)


def reverb(send, seconds=1.6, seed=77):
    """Circular convolution with the room response: the tail of the end runs into the start."""
    n = send.shape[1]
    ir = reverb_ir(seconds, seed)
    out = np.empty_like(send)
    for ch in range(2):
        out[ch] = np.fft.irfft(np.fft.rfft(send[ch]) * np.fft.rfft(ir[ch], n), n)
    return out


# ---------------------------------------------------------------------------------------------
# Loudness


def rms_db(x):
    return db(np.sqrt(np.mean(np.square(x))))


def peak_db(x):
    return db(np.max(np.abs(x)))


def short_term_db(x, window=secs(0.1)):
    """The loudest RMS over any 100 ms, in dBFS; x is mono or (samples, channels)."""
    power = np.square(x) if x.ndim == 1 else np.mean(np.square(x), axis=1)
    csum = np.concatenate([[0.0], np.cumsum(np.concatenate([power, np.zeros(window)]))])
    return db(np.sqrt(np.max(csum[window:] - csum[:-window]) / window))


def limit(stereo, ceiling_db, window=2048, circular=True):
    """Look-ahead peak limiter: the gain that keeps every sample under the ceiling is spread
    over `window` samples around each peak (running minimum, then a moving average of the same
    width), so it never lets a sample through above the ceiling and never jumps."""
    ceiling = undb(ceiling_db)
    level = np.max(np.abs(stereo), axis=0)
    gain = np.minimum(1.0, ceiling / np.maximum(level, 1e-12))
    if np.all(gain >= 1.0):
        return stereo
    n = len(gain)
    if not circular:
        gain = np.concatenate([np.ones(window), gain, np.ones(window)])
    low = gain.copy()
    span = 1
    while span < window:                       # low[i] = min(gain[i - window + 1 .. i])
        low = np.minimum(low, np.roll(low, span))
        span *= 2
    low = np.roll(low, -(window // 2))         # centred: min over gain[i - w/2 + 1 .. i + w/2]
    width = window - 1
    padded = np.concatenate([low[-(width // 2):], low, low[:width // 2]])
    csum = np.concatenate([[0.0], np.cumsum(padded)])
    smooth = (csum[width:] - csum[:-width]) / width
    if not circular:
        smooth = smooth[window:window + n]
    return stereo * np.minimum(smooth, gain if circular else gain[window:window + n])


def master(stereo, rms_target, ceiling_db, circular=True):
    """Sets the level so that the whole signal measures rms_target dBFS and no sample passes
    the ceiling: level, limit, and level again until both hold."""
    out = stereo
    for _ in range(4):
        out = out * undb(rms_target - rms_db(out))
        out = limit(out, ceiling_db, circular=circular)
    return out
