#!/usr/bin/env python3
"""Measures ORVANTE's sounds and music as the game hears them: decoded from Ogg Vorbis.

Usage: measure_audio.py [data folder]        (default: data/ at the top of the checkout)

For every file of SFX/ and MUSIC/ it prints the length, the RMS level over the whole file,
the loudest 100 ms (short-term level) and the peak, in dBFS (full scale = a full-scale square
wave; a full-scale sine measures -3 dB). For music it also prints the loop seam: the jump
from the last sample back to the first, next to the typical (median) step between neighbouring
samples and the share of all steps that are smaller than the jump. A jump that is an ordinary
step (larger than at most 99 % of them) makes no click. For every file it prints the balance of
its spectrum: the share of its energy below 200 Hz and above 2 kHz. Small laptop speakers give
almost nothing below 200 Hz, so music that keeps most of its energy there sounds muffled on
them; a track must keep at most 55 % of its energy below 200 Hz and at least 3 % above 2 kHz.
Exits non-zero when a track's seam is larger than an ordinary step, when a track's balance is
outside those bounds, or when any file reaches full scale.
Needs oggdec (Debian vorbis-tools) and python3-numpy.
"""

import os
import subprocess
import sys

import numpy as np

from dsp import db, short_term_db


def decode(path):
    """Samples as floats (frames x channels), decoded by oggdec to 16-bit little-endian."""
    raw = subprocess.run(["oggdec", "-Q", "-R", "-b", "16", "-e", "0", "-s", "1", "-o", "-",
                          path], check=True, capture_output=True).stdout
    channels = 2
    head = open(path, "rb").read(64)
    pos = head.find(b"\x01vorbis")
    if pos >= 0:
        channels = head[pos + 11]
    return np.frombuffer(raw, "<i2").reshape(-1, channels).astype(float) / 32768.0


def seam(x):
    """The jump from the last frame back to the first (largest over the channels), the median
    step between neighbouring frames, and the share of steps smaller than the jump."""
    steps = np.max(np.abs(np.diff(x, axis=0)), axis=1)
    jump = float(np.max(np.abs(x[-1] - x[0])))
    return jump, float(np.median(steps)), 100.0 * float(np.mean(steps < jump))


LOW_HZ, HIGH_HZ = 200.0, 2000.0
MOST_LOW, LEAST_HIGH = 55.0, 3.0


def balance(x):
    """Shares of the energy (both channels) below LOW_HZ and above HIGH_HZ, in percent."""
    power = np.zeros(len(x) // 2 + 1)
    for c in range(x.shape[1]):
        power += np.abs(np.fft.rfft(x[:, c])) ** 2
    freqs = np.fft.rfftfreq(len(x), 1.0 / 44100.0)
    total = max(float(np.sum(power)), 1e-30)
    return (100.0 * float(np.sum(power[freqs < LOW_HZ])) / total,
            100.0 * float(np.sum(power[freqs > HIGH_HZ])) / total)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data")
    failed = False
    print("%-16s %7s %8s %8s %8s %7s %7s   %s" % (
        "file", "seconds", "RMS", "100 ms", "peak", "<200Hz", ">2kHz",
        "loop seam: jump / median step / steps below it"))
    for folder in ("MUSIC", "SFX"):
        path = os.path.join(data, folder)
        for name in sorted(f for f in os.listdir(path) if f.endswith(".ogg")):
            x = decode(os.path.join(path, name))
            peak = db(np.max(np.abs(x)))
            low, high = balance(x)
            line = "%-16s %7.2f %8.1f %8.1f %8.1f %6.1f%% %6.1f%%" % (
                folder + "/" + name[:-4], len(x) / 44100.0, db(np.sqrt(np.mean(np.square(x)))),
                short_term_db(x), peak, low, high)
            if peak >= -0.01:
                line += "   FULL SCALE"
                failed = True
            if folder == "MUSIC":
                jump, median, rank = seam(x)
                verdict = "ok" if rank <= 99.0 else "CLICK"
                failed |= rank > 99.0
                line += "   %.4f / %.4f / %5.1f %%  %s" % (jump, median, rank, verdict)
                if low > MOST_LOW or high < LEAST_HIGH:
                    line += "   MUFFLED"
                    failed = True
            print(line)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
