"""Composition for ORVANTE's music: chord symbols, voice leading, bass lines, arpeggios,
melodies and drum grooves, written onto a circular stereo canvas (Song).

A song is a list of sections; each section names its chords (one symbol per bar, or two
separated by a space for half bars) and the parts that play in it. Every part is rendered on
its own, brought to its own loudness over the bars where it plays, and then mixed with its
reverb and echo sends. The canvas is a circle: whatever rings past the last bar sounds at the
start, so the song loops without a seam.
"""

import random
import re

import numpy as np

import instruments as ins
from dsp import RATE, band, echo, limit, reverb, rms_db, tilt, undb

# The master tilt: dB below its low corner (Hz), dB above its high corner (Hz).
TILT = (-3.0, 150.0, 10.0, 2000.0)

PITCH = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITY = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
    "maj7": (0, 4, 7, 11), "sus4": (0, 5, 7), "sus2": (0, 2, 7), "add9": (0, 4, 7, 14),
    "m9": (0, 3, 7, 10, 14), "6": (0, 4, 7, 9), "m6": (0, 3, 7, 9), "maj9": (0, 4, 7, 11, 14),
}
MODE = {
    "major": (0, 2, 4, 5, 7, 9, 11), "minor": (0, 2, 3, 5, 7, 8, 10),
    "dorian": (0, 2, 3, 5, 7, 9, 10),
}


def parse_chord(symbol):
    m = re.fullmatch(r"([A-G])([b#]?)(.*)", symbol)
    if not m or m.group(3) not in QUALITY:
        raise ValueError("bad chord " + symbol)
    root = (PITCH[m.group(1)] + {"": 0, "b": -1, "#": 1}[m.group(2)]) % 12
    return root, QUALITY[m.group(3)]


def chord_pcs(chord):
    root, intervals = chord
    return sorted({(root + i) % 12 for i in intervals})


def in_range(pcs, lo, hi):
    return [n for n in range(lo, hi + 1) if n % 12 in pcs]


def nearest(options, target):
    return min(options, key=lambda n: (abs(n - target), n))


# ---------------------------------------------------------------------------------------------
# Patterns. Positions and lengths are in sixteenths of a bar (0 .. 15).

BASS = {
    "drive": [(k * 2, 2, "r8"[k % 2 if k % 4 != 0 else 0]) for k in range(8)],
    "pump": [(2, 2, "r"), (6, 2, "r"), (10, 2, "r"), (14, 2, "r")],
    "funk": [(0, 3, "r"), (3, 1, "8"), (6, 2, "r"), (8, 2, "5"), (10, 2, "8"), (12, 2, "r"),
             (14, 2, "a")],
    "walk": [(0, 4, "r"), (4, 4, "3"), (8, 4, "5"), (12, 4, "a")],
    "long": [(0, 14, "r"), (14, 2, "5")],
    "half": [(0, 6, "r"), (6, 2, "r"), (8, 6, "5"), (14, 2, "a")],
    "gallop": [(0, 3, "r"), (3, 3, "r"), (6, 2, "8"), (8, 3, "r"), (11, 3, "5"), (14, 2, "8")],
}
ARP = {
    "up16": [(k, [0, 1, 2, 3, 4, 3, 2, 1][k % 8]) for k in range(16)],
    "broken8": [(k * 2, [0, 2, 1, 3, 2, 4, 1, 3][k]) for k in range(8)],
    "sparse": [(0, 0), (3, 2), (6, 1), (10, 3), (12, 2)],
    "rolling": [(k, [0, 2, 4, 2][k % 4] + (1 if k >= 8 else 0)) for k in range(16)],
    "dotted": [(0, 4), (3, 2), (6, 3), (9, 1), (12, 2), (14, 3)],
    "bells": [(0, 4), (6, 3), (10, 2)],
}
COMP = {
    "offbeat": [(2, 1), (6, 1), (10, 1), (14, 1)],
    "push": [(0, 6), (6, 4), (14, 2)],
    "long": [(0, 16)],
    "stabs": [(0, 2), (3, 2), (8, 2), (11, 3)],
}
RHYTHMS = [
    [(0, 6), (6, 2), (8, 4), (12, 4)],
    [(0, 2), (2, 2), (4, 4), (8, 8)],
    [(0, 4), (4, 2), (6, 6), (12, 2), (14, 2)],
    [(2, 2), (4, 4), (8, 2), (10, 6)],
    [(0, 3), (3, 3), (6, 2), (8, 8)],
    [(0, 8), (8, 4), (12, 4)],
    [(0, 2), (2, 2), (4, 2), (6, 2), (8, 4), (12, 4)],
    [(0, 4), (4, 4), (8, 4), (12, 2), (14, 2)],
]
ENDINGS = [[(0, 4), (4, 12)], [(0, 12)], [(0, 2), (2, 2), (4, 10)], [(0, 6), (6, 8)]]
STEPS = [-2, -1, -1, -1, 0, 1, 1, 1, 2, 2, 3, -3, 4]
VELOCITY = {"X": 1.0, "x": 0.75, "g": 0.35}
DRUM_LEVEL = {"k": 1.0, "s": 0.6, "c": 0.5, "h": 0.24, "o": 0.16, "x": 0.16, "t": 0.5,
              "T": 0.45, "C": 0.12}
DRUM_PAN = {"k": 0.0, "s": 0.05, "c": -0.05, "h": -0.35, "o": -0.35, "x": 0.4, "t": 0.3,
            "T": -0.3, "C": 0.25}


class Section:
    def __init__(self, chords, **parts):
        self.bars = []
        for bar in chords:
            symbols = bar.split()
            size = 16 // len(symbols)
            self.bars.append([(k * size, size, parse_chord(s)) for k, s in enumerate(symbols)])
        self.parts = parts


class Song:
    def __init__(self, bpm, sections, key, mode, seed):
        self.step = int(round(RATE * 60.0 / bpm / 4.0))        # samples per sixteenth
        self.sections = sections
        self.bars = [(sec, k, bar) for sec in sections for k, bar in enumerate(sec.bars)]
        self.n = self.step * 16 * len(self.bars)
        self.key, self.scale = key, MODE[mode]
        self.rng = random.Random(seed)
        self.buses = {name: np.zeros((2, self.n)) for name in ("dry", "verb", "delay")}
        self.part = np.zeros((2, self.n))
        self.motifs = {}

    # --- writing notes ----------------------------------------------------------------------

    def put(self, sig, bar, pos, gain=1.0, pan=0.0, humanize=True):
        """Adds a mono signal at sixteenth `pos` of `bar`, wrapping round the end."""
        off = int(round((bar * 16 + pos) * self.step))
        if humanize:
            off += self.rng.randint(-45, 45)
        off %= self.n
        gl = gain * np.cos((pan + 1.0) * np.pi / 4.0) * np.sqrt(2.0)
        gr = gain * np.sin((pan + 1.0) * np.pi / 4.0) * np.sqrt(2.0)
        first = min(len(sig), self.n - off)
        for ch, g in ((0, gl), (1, gr)):
            self.part[ch, off:off + first] += g * sig[:first]
            self.part[ch, :len(sig) - first] += g * sig[first:]

    def gate(self, sixteenths, legato=0.9):
        return int(sixteenths * self.step * legato)

    def commit(self, level, active, verb=0.0, delay=0.0, crest=12.0):
        """Brings the part written since the last commit to `level` dB RMS over the bars where
        it plays, tames its peaks to `crest` dB above that (a fast limiter that only touches
        the hardest hits) and adds it to the mix with its reverb and echo sends."""
        mask = np.zeros(self.n, dtype=bool)
        for bar in active:
            mask[bar * 16 * self.step:(bar + 1) * 16 * self.step] = True
        if mask.any() and np.any(self.part):
            self.part *= undb(level - rms_db(self.part[:, mask]))
            self.part = limit(self.part, level + crest, window=512)
            self.buses["dry"] += self.part
            self.buses["verb"] += verb * self.part
            self.buses["delay"] += delay * self.part
        self.part = np.zeros((2, self.n))

    # --- harmony ------------------------------------------------------------------------------

    def chord_slot(self, bar, pos):
        """(start, chord) of the chord that sounds at sixteenth `pos` of `bar`."""
        for start, size, chord in self.bars[bar][2]:
            if start <= pos < start + size:
                return start, chord
        return self.bars[bar][2][-1][0], self.bars[bar][2][-1][2]

    def chord_at(self, bar, pos):
        return self.chord_slot(bar, pos)[1]

    def scale_at(self, bar, pos):
        """The key's scale, with chord tones that fall outside it replacing their neighbours
        (E major in A minor brings its G sharp)."""
        pcs = {(self.key + s) % 12 for s in self.scale}
        chord = set(chord_pcs(self.chord_at(bar, pos)))
        for pc in chord - pcs:
            pcs -= {(pc - 1) % 12, (pc + 1) % 12} - chord
            pcs.add(pc)
        return pcs

    def voicings(self, lo=53, hi=77, size=4):
        """Close voicings for every chord, each as near to the one before as it can be."""
        out = {}
        prev = None
        for bar, (_, _, chords) in enumerate(self.bars):
            for start, _, chord in chords:
                pcs = chord_pcs(chord)
                options = []
                for base in range(lo, hi - 10):
                    notes = sorted(base + (pc - base) % 12 for pc in pcs)
                    while len(notes) < size:
                        notes.append(notes[len(notes) - len(pcs)] + 12)
                    options.append(notes[:size])
                if prev is None:
                    pick = options[len(options) // 2]
                else:
                    pick = min(options, key=lambda v: (sum(abs(a - b) for a, b in zip(v, prev)), v))
                out[(bar, start)] = pick
                prev = pick
        return out

    def active(self, part):
        return [b for b, (sec, _, _) in enumerate(self.bars) if sec.parts.get(part)]

    # --- parts --------------------------------------------------------------------------------

    def render_pad(self, level=-10.0):
        voices = self.voicings()
        for bar, (sec, _, chords) in enumerate(self.bars):
            if not sec.parts.get("pad"):
                continue
            for start, size, _ in chords:
                notes = tuple(voices[(bar, start)])
                self.put(ins.pad(notes, self.gate(size, 1.0)), bar, start, 1.0, 0.0, False)
        self.commit(level, self.active("pad"), verb=0.5)

    def render_keys(self, level=-11.0):
        voices = self.voicings(55, 79, 4)
        for bar, (sec, _, _) in enumerate(self.bars):
            style = sec.parts.get("keys")
            if not style:
                continue
            for pos, size in COMP[style]:
                notes = voices[(bar, self.chord_slot(bar, pos)[0])]
                for k, note in enumerate(notes):
                    self.put(ins.keys(note, self.gate(size, 0.85)), bar, pos + k * 0.06,
                             0.8 if k else 1.0, -0.25 + 0.15 * k)
        self.commit(level, self.active("keys"), verb=0.3, delay=0.12)

    def render_bass(self, level=-7.0, style="round"):
        for bar, (sec, _, _) in enumerate(self.bars):
            pattern = sec.parts.get("bass")
            if not pattern:
                continue
            for pos, size, degree in BASS[pattern]:
                note = self._bass_note(bar, pos, degree)
                self.put(ins.bass(note, self.gate(size, 0.85), style), bar, pos,
                         1.0 if pos % 4 == 0 else 0.85, 0.0)
        self.commit(level, self.active("bass"), verb=0.05)

    def _bass_note(self, bar, pos, degree):
        root, intervals = self.chord_at(bar, pos)
        low = 36 + (root - 36) % 12                # roots from C2 to B2
        if degree == "8":
            return low + 12
        if degree == "5":
            return low + 7
        if degree == "3":
            return low + intervals[1]
        if degree == "a":                          # a scale step towards the next root
            nxt_root = self.chord_at((bar + 1) % len(self.bars), 0)[0]
            target = 36 + (nxt_root - 36) % 12
            steps = in_range(self.scale_at(bar, pos), target - 3, target + 3)
            options = [n for n in steps if n != target] or [target]
            return nearest(options, low if abs(target - low) > 2 else target - 1)
        return low

    def render_arp(self, part="arp", level=-13.0, instrument="pluck", octave=0, pan=0.35):
        voices = self.voicings(57, 81, 3)
        for bar, (sec, _, _) in enumerate(self.bars):
            pattern = sec.parts.get(part)
            if not pattern:
                continue
            for k, (pos, index) in enumerate(ARP[pattern]):
                notes = voices[(bar, self.chord_slot(bar, pos)[0])]
                note = notes[index % len(notes)] + 12 * (index // len(notes)) + octave
                if instrument == "bell":
                    sig = ins.bell(note, 1.1)
                else:
                    sig = ins.pluck(note, "pulse", 3000.0, 0.16)
                side = pan if k % 2 == 0 else -pan
                self.put(sig, bar, pos, 1.0 if pos % 4 == 0 else 0.8, side)
        self.commit(level, self.active(part), verb=0.35, delay=0.3)

    def render_drums(self, grooves, level=-6.0):
        for bar, (sec, index, _) in enumerate(self.bars):
            name = sec.parts.get("drums")
            if not name:
                continue
            groove = grooves[name]
            if sec.parts.get("fill") and index == len(sec.bars) - 1:
                groove = grooves[sec.parts["fill"]]
            pattern = dict(groove[index % len(groove)])
            if sec.parts.get("crash") and index == 0:
                pattern["C"] = "X"
            for lane, steps in pattern.items():
                for pos, ch in enumerate(steps):
                    if ch in VELOCITY:
                        vel = VELOCITY[ch] * self.rng.uniform(0.9, 1.0)
                        self.put(ins.DRUMS[lane](), bar, pos, vel * DRUM_LEVEL[lane],
                                 DRUM_PAN[lane], lane not in "kC")
        self.commit(level, self.active("drums"), verb=0.12)

    # --- melody -----------------------------------------------------------------------------

    def motif(self, name):
        """A two-bar idea: two rhythm cells and a contour of scale steps, made once per name
        so that sections sharing the name share the tune."""
        if name not in self.motifs:
            rng = random.Random("%s-%d" % (name, self.rng.randint(0, 10 ** 6)))
            cells = [rng.choice(RHYTHMS), rng.choice(RHYTHMS)]
            count = sum(len(c) for c in cells) + 8
            contour, run, heading = [], 0, 0
            for _ in range(count):
                step = rng.choice(STEPS)
                if run >= 2 and step * heading > 0:   # a third move the same way turns back
                    step = -step
                direction = (step > 0) - (step < 0)
                run, heading = (run + 1, heading) if direction == heading else (1, direction)
                contour.append(step)
            endings = rng.sample(ENDINGS, 2)
            self.motifs[name] = (cells, contour, endings)
        return self.motifs[name]

    def phrase_events(self, name, bars):
        """(bar offset, onset, length, contour index) of an 8- or 4-bar melody built from the
        motif: the idea, its repeat, a varied third bar and an ending; the second half answers
        the first."""
        cells, contour, endings = self.motif(name)
        half = [cells[0], cells[1], cells[0], endings[0]]
        plan = half + [cells[0], cells[1], cells[1], endings[1]] if bars >= 8 else half
        events = []
        for b, cell in enumerate(plan[:bars]):
            if b % 4 == 0:
                index = 0                          # each half starts the contour afresh
            for on, size in cell:
                events.append((b, on, size, index))
                index += 1
        return events, contour

    def render_melody(self, voice="flute", level=-9.0, lo=64, hi=84, delay=0.22, verb=0.3):
        """Each section with a `melody` part plays its motif; notes on the beat and long notes
        land on chord tones, the rest move by scale steps; the last note of each half rests on
        a chord tone (the root at the very end)."""
        first_bar = 0
        for sec in self.sections:
            name = sec.parts.get("melody")
            if name:
                events, contour = self.phrase_events(name, len(sec.bars))
                pitch = nearest(in_range(chord_pcs(self.chord_at(first_bar, 0)), lo, hi),
                                (lo + hi) // 2 + 2)
                prev = None
                for i, (b, on, size, index) in enumerate(events):
                    bar = first_bar + b
                    pitch = self._next_pitch(bar, on, size, pitch, contour[index % len(contour)],
                                             lo, hi, i == len(events) - 1)
                    sig = ins.lead(pitch, self.gate(size, 0.92), sec.parts.get("lead", voice),
                                   prev if prev is not None and abs(prev - pitch) <= 2 and
                                   sec.parts.get("lead", voice) != "flute" else None)
                    self.put(sig, bar, on, 1.0 if on % 4 == 0 else 0.85, 0.08)
                    prev = pitch
            first_bar += len(sec.bars)
        self.commit(level, self.active("melody"), verb=verb, delay=delay)

    def _next_pitch(self, bar, on, size, pitch, step, lo, hi, last):
        scale = in_range(self.scale_at(bar, on), lo, hi)
        here = scale.index(nearest(scale, pitch))
        target = scale[min(len(scale) - 1, max(0, here + step))]
        if target in (scale[0], scale[-1]) and step:
            target = scale[min(len(scale) - 1, max(0, here - step))]
        chord = chord_pcs(self.chord_at(bar, on))
        if last:
            root = self.chord_at(bar, on)[0]
            return nearest(in_range([root], lo, hi), target)
        if on % 4 == 0 or size >= 6:
            tones = in_range(chord, lo, hi)
            ahead = [n for n in tones if (n - pitch) * step > 0] if step else []
            return nearest(ahead or tones, target)
        return target

    # --- mix ----------------------------------------------------------------------------------

    def mix(self, verb_seconds=1.6, verb_level=0.55, delay_sixteenths=3, feedback=0.38,
            echo_level=2.5, tilt_shelves=TILT):
        """Dry parts, the room (about 13 dB under them) and a dotted-eighth echo (about 20 dB
        under), then a high-pass that keeps the sub-bass out of the loop and a tilt that takes
        the weight off the bass and lifts the highs, so the mix stays clear on small speakers
        (every track keeps at most 55 % of its energy below 200 Hz, at least 3 % above 2 kHz)."""
        delay = self.step * delay_sixteenths
        out = self.buses["dry"]
        out = out + verb_level * reverb(self.buses["verb"], verb_seconds, 77)
        out = out + echo_level * echo(self.buses["delay"], delay, feedback)
        out = np.stack([band(c, 28.0, None, 2, circular=True) for c in out])
        return np.stack([tilt(c, *tilt_shelves) for c in out])
