#!/usr/bin/env python3
"""Measures ORVANTE's sounds and music as the game hears them: decoded from Ogg Vorbis.

Usage: measure_audio.py [data folder]        (default: data/ at the top of the checkout)

For every file of SFX/ and MUSIC/ it prints the length, the RMS level over the whole file,
the loudest 100 ms (short-term level) and the peak, in dBFS (full scale = a full-scale square
wave; a full-scale sine measures -3 dB). For music it also prints the loop seam: the jump
from the last sample back to the first, next to the typical (median) step between neighbouring
samples and the share of all steps that are smaller than the jump. A jump that is an ordinary
step (larger than at most 99 % of them) makes no click. Exits non-zero when
a track's seam is larger than that, or when any file reaches full scale.
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


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data")
    failed = False
    print("%-16s %7s %8s %8s %8s   %s" % ("file", "seconds", "RMS", "100 ms", "peak",
                                         "loop seam: jump / median step / steps below it"))
    for folder in ("MUSIC", "SFX"):
        path = os.path.join(data, folder)
        for name in sorted(f for f in os.listdir(path) if f.endswith(".ogg")):
            x = decode(os.path.join(path, name))
            peak = db(np.max(np.abs(x)))
            line = "%-16s %7.2f %8.1f %8.1f %8.1f" % (
                folder + "/" + name[:-4], len(x) / 44100.0, db(np.sqrt(np.mean(np.square(x)))),
                short_term_db(x), peak)
            if peak >= -0.01:
                line += "   FULL SCALE"
                failed = True
            if folder == "MUSIC":
                jump, median, rank = seam(x)
                verdict = "ok" if rank <= 99.0 else "CLICK"
                failed |= rank > 99.0
                line += "   %.4f / %.4f / %5.1f %%  %s" % (jump, median, rank, verdict)
            print(line)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
