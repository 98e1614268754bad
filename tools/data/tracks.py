"""ORVANTE's five music tracks. Each is a song of contrasting sections (different chords,
instruments and drum grooves) that ends leading back into its first bar, because every track
loops: the title screen, the highscore screen, and the levels, which pick any track at random.

Drum grooves: one dictionary per bar, lane -> sixteen steps; X accent, x normal, g ghost.
Lanes: k kick, s snare, c clap, h hat, o open hat, x shaker, t/T low/high tom, C crash.
"""

from compose import TILT, Section, Song

GROOVES = {
    "drive": [
        {"k": "X.......X.x.....", "s": "....X.......X...", "h": "g.x.g.x.g.x.g.xg"},
        {"k": "X.......X.......", "s": "....X.......X..g", "h": "g.x.g.x.g.x.g.o."},
    ],
    "drive_fill": [
        {"k": "X.......X.......", "s": "....X...x.xgXxXX", "h": "g.x.g.x........."},
    ],
    "half": [
        {"k": "X.........x.....", "s": "........X.......", "h": "x.x.x.x.x.x.x.x."},
        {"k": "X.....x...x.....", "s": "........X.....g.", "h": "x.x.x.x.x.x.x.o."},
    ],
    "sparse": [
        {"k": "X...............", "x": "g.g.x.g.g.g.x.g."},
        {"k": "X.........X.....", "x": "g.g.x.g.g.g.x.g."},
    ],
    "build": [
        {"k": "X...X...X...X...", "s": "........x.x.xxXX", "x": "g.g.x.g.g.g.x.g."},
    ],
    "funk": [
        {"k": "X.....x...X.....", "s": "....X..g.g..X...", "h": "x.xxx.x.x.xxx.x."},
        {"k": "X.....x...X..x..", "s": "....X..g....X..g", "h": "x.xxx.x.x.xxo..."},
    ],
    "funk_fill": [
        {"k": "X.....x...X.....", "s": "....X..g.g......", "T": "............XX..",
         "t": "..............Xx", "h": "x.xxx.x.x......."},
    ],
    "four": [
        {"k": "X...X...X...X...", "c": "....X.......X...", "h": "..x...x...x...x.",
         "x": "g.g.g.g.g.g.g.g."},
    ],
    "four_fill": [
        {"k": "X...X...X...X...", "c": "....X.......X...", "s": "........g.g.xxXX",
         "h": "..x...x........."},
    ],
    "soft": [
        {"k": "X.......x.......", "c": "........X.......", "x": "g.x.g.x.g.x.g.x."},
        {"k": "X.........x.....", "c": "........X.......", "x": "g.x.g.x.g.x.g.xg"},
    ],
    "air": [
        {"x": "g...x...g...x..."},
    ],
}


def game1():
    """Driving A minor at 124 bpm: verse with a square lead, a half-time flute chorus, the
    verse again, and a breakdown of arpeggios that builds back into the verse."""
    verse = ["Am", "F", "C", "G", "Am", "F", "Dm", "E"]
    a = dict(pad=1, bass="drive", arp="up16", melody="a", lead="square", drums="drive")
    sections = [
        Section(verse, **a, fill="drive_fill"),
        Section(["Fmaj7", "G", "Em7", "Am7", "Dm7", "G", "Cmaj7", "E7"], pad=1, bass="half",
                keys="push", melody="b", lead="flute", bells="bells", drums="half", crash=1),
        Section(verse, **{**a, "arp": "rolling", "lead": "brass"}, keys="offbeat", crash=1,
                fill="drive_fill"),
        Section(["F", "G", "Am", "Am", "F", "G", "E", "E"], pad=1, bass="long", arp="sparse",
                drums="sparse", fill="build"),
    ]
    return render(Song(124, sections, 9, "minor", 101))


def game2():
    """Laid-back D dorian funk at 108 bpm: stabs and a slap bass, a brighter bridge, the tune
    in a brass voice, and a walking coda with bells."""
    verse = ["Dm7", "G", "Dm7", "G", "Am7", "G", "Fmaj7", "G"]
    bridge = ["Bbmaj7", "C", "Am7", "Dm7", "Bbmaj7", "C", "Em7", "Asus4 A"]
    sections = [
        Section(verse, pad=1, bass="funk", keys="stabs", melody="a", lead="square",
                drums="funk"),
        Section(bridge, pad=1, bass="half", keys="push", arp="dotted", melody="b",
                lead="flute", drums="funk", fill="funk_fill"),
        Section(verse, pad=1, bass="funk", keys="offbeat", melody="a", lead="brass",
                drums="funk", crash=1),
        Section(bridge, pad=1, bass="walk", keys="long", bells="bells", drums="half",
                fill="funk_fill"),
    ]
    return render(Song(108, sections, 2, "dorian", 102), bass_style="soft")


def game3():
    """Energetic E minor at 136 bpm: verse, a rising pre-chorus, a bridge in G major, the
    verse in brass, and a short turnaround."""
    verse = ["Em", "C", "G", "D", "Em", "C", "Am", "B7"]
    sections = [
        Section(verse, pad=1, bass="gallop", arp="broken8", melody="a", lead="square",
                drums="four"),
        Section(["C", "D", "Bm", "Em", "C", "D", "Bm", "B"], pad=1, bass="drive",
                arp="up16", melody="b", lead="flute", drums="four", fill="four_fill"),
        Section(["G", "D", "Em", "C", "G", "D", "C", "D"], pad=1, bass="half", keys="push",
                bells="bells", drums="half", crash=1),
        Section(verse, pad=1, bass="gallop", arp="rolling", melody="a", lead="brass",
                drums="four", crash=1),
        Section(["Em", "C", "Am", "B7"], pad=1, bass="long", arp="sparse", drums="sparse",
                fill="build"),
    ]
    return render(Song(136, sections, 4, "minor", 103))


def menu():
    """Calm C major at 92 bpm for the title screen: bells over a soft beat, a flute tune,
    and an airy passage without drums."""
    sections = [
        Section(["Cmaj7", "Am7", "Fmaj7", "G", "Cmaj7", "Am7", "Fmaj7", "Gsus4 G"], pad=1,
                bass="long", bells="bells", arp="sparse", drums="soft"),
        Section(["Fmaj7", "G", "Em7", "Am7", "Dm7", "G", "Cmaj7", "E7"], pad=1, bass="half",
                keys="push", melody="m", lead="flute", drums="soft", crash=1),
        Section(["Fmaj7", "Em7", "Dm7", "Gsus4 G"], pad=1, keys="long", bells="bells",
                bass="long", drums="air"),
    ]
    # Soft bells and a flute hold little above 2 kHz: the highs get a little more lift.
    return render(Song(92, sections, 0, "major", 104), verb_seconds=2.2, verb_level=0.8,
                  drums=-12.0, tilt_shelves=(-3.0, 150.0, 12.5, 2000.0))


def score():
    """Warm F major at 100 bpm for the highscore screen: a flute tune over keys, then a second
    tune in a square voice with bells."""
    sections = [
        Section(["F", "C", "Dm", "Bb", "F", "C", "Bb", "C"], pad=1, bass="half",
                keys="offbeat", melody="s", lead="flute", drums="soft"),
        Section(["Dm", "Bb", "F", "C", "Dm", "Bb", "Gm7", "C"], pad=1, bass="drive",
                keys="push", bells="bells", melody="t", lead="square", drums="four",
                crash=1, fill="four_fill"),
    ]
    return render(Song(100, sections, 5, "major", 105))


def render(song, bass_style="round", verb_seconds=1.6, verb_level=0.55, drums=-8.0,
           tilt_shelves=TILT):
    """Renders every part at its level (dB RMS over the bars where it plays) and mixes them.
    A sparse groove reaches its level with fewer, louder hits, so calm tracks set the drums
    lower."""
    song.render_drums(GROOVES, level=drums)
    song.render_bass(level=-10.0, style=bass_style)
    song.render_pad(level=-16.0)
    song.render_keys(level=-17.0)
    song.render_arp("arp", level=-19.0, instrument="pluck")
    song.render_arp("bells", level=-19.0, instrument="bell", pan=0.5)
    song.render_melody(level=-11.0)
    return song.mix(verb_seconds, verb_level, tilt_shelves=tilt_shelves)


TRACKS = {"game1": game1, "game2": game2, "game3": game3, "menu": menu, "score": score}
