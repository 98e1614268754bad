#!/usr/bin/env python3
"""Builds ARENA, the second data set: one hand-drawn level played in HARDCORE mode.

Usage: make_arena.py [data folder]   (default: data/ at the top of the checkout)

Writes the folder ARENA below the data folder: its configuration, its tile and object
definitions, the level file, the alpha file, and title and loading pictures that show the rules
of the level.
The level is drawn in arena.map beside this script, one character per cell (see LEGEND); the
alpha file is worked out from the drawing: land is opaque and the sea fades into the dark with
its distance from the shore. Pictures, sounds, music and the font are the shipped ones, reached
through "..\\" paths; only the pick-ups are copied, because an object's definition file must lie
beside its picture. Needs python3, ImageMagick and the DejaVu fonts, like make_data.sh.

The same map always gives the same files. At the end the script prints what the game will make
of the level: its open cells, its goal ("CRITCAL MASS") and its time.
"""

import contextlib
import io
import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep tools/data free of __pycache__
import geometry  # noqa: E402 (after the line above)

HERE = os.path.dirname(os.path.abspath(__file__))
NAME = "ARENA"
SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SANS_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
# As in make_data.sh: 8-bit RGB without alpha and without time stamps, the same bytes every run.
PNG_OPTS = ["-background", "black", "-alpha", "remove", "-alpha", "off", "-depth", "8", "-strip",
            "-define", "png:exclude-chunks=date,time", "-define", "png:compression-level=9"]

# Map character -> tile name. Sea and ponds are LAB_WALL: the HARDCORE trap test counts every
# other name as a way out, so anything a player cannot cross next to the floor must be LAB_WALL.
LEGEND = {
    "~": "LAB_WALL",
    ".": "LAB_FLOOR",
    ",": "LAB_GREEN",
    "S": "PIER",
    "c": "PIER_CLOCK",
    "g": "PIER_GEM",
    "*": "PIER_STAR",
}

# Tile definitions: name -> (picture, collision, points, children). Every key is written, since
# a cell that changes its tile keeps the old value of any key the new definition leaves out.
# The floor carries an invisible GOAL marker: every floor cell counts twice towards the goal,
# so the goal is half the floor instead of a quarter.
TILES = {
    "LAB_WALL": ("water.png", 2, 0, []),
    "LAB_FLOOR": ("floor.png", 0, 10, ["GOAL"]),
    "LAB_GREEN": ("green.png", 0, 10, ["GOAL"]),
    "LAB_BLUE_FLOOR": ("blue.png", 0, 0, []),
    "LAB_FIXED_FLOOR": ("fixed.png", 0, 10, []),
    "PIER": ("fixed_pink.png", 0, 0, []),
    "PIER_CLOCK": ("fixed_pink.png", 0, 0, ["CLOCK"]),
    "PIER_GEM": ("fixed_pink.png", 0, 0, ["GEM"]),
    "PIER_STAR": ("fixed_pink.png", 0, 0, ["STAR"]),
}

OBJECT_DEFAULTS = [
    ("DGFXNAME", "#"), ("DGFXSHOW", 1), ("DGFXTRANSPARENCY", 255), ("DFITTOMATRIX", 1),
    ("DHOTSPOT", "TOPLEFT"), ("DCENTERFIELD", 0), ("DXMODE1", 0), ("DXMODE2", 0),
    ("DROTATE", 0), ("DDENSITY", 0), ("DCOLLISION", 0), ("DKILLONCOLLISION", 0),
    ("DSCORE", 0), ("DCOUNTTOSCORE", 0), ("DEXTRATIME", 0), ("DISGOODY", 0),
    ("DCOUNTSOUND", "step.ogg"), ("DUSECOUNTSOUND", 0), ("DISPLAYER", 0), ("DISENEMY", 0),
    ("DAILEVEL", 0), ("DDMOVE", 0), ("DRANDOMMOVE", 0), ("DCHANGEDIRECTION", 0),
    ("DVELOX", 0), ("DVELOY", 0), ("DMOVEX", 0), ("DMOVEY", 0),
]

# Object kinds: file name -> (shipped picture it is a copy of, keys that differ from the
# defaults). DDENSITY 0 places a kind on every tile that names it.
OBJECTS = {
    "clock": ("clock.png", dict(DGFXNAME="CLOCK", DCOLLISION=1, DKILLONCOLLISION=1, DSCORE=10,
                                DEXTRATIME=12, DCOUNTSOUND="clock.ogg", DUSECOUNTSOUND=1)),
    "gem": ("gem.png", dict(DGFXNAME="GEM", DCOLLISION=1, DKILLONCOLLISION=1, DSCORE=100,
                            DCOUNTSOUND="gem.ogg", DUSECOUNTSOUND=1)),
    "star": ("star.png", dict(DGFXNAME="STAR", DCOLLISION=1, DKILLONCOLLISION=1, DSCORE=500,
                              DCOUNTSOUND="star.ogg", DUSECOUNTSOUND=1, DROTATE=3)),
    # Never drawn, never touched: each placed copy adds one to the goal.
    "goal": ("gem.png", dict(DGFXNAME="GOAL", DGFXSHOW=0, DISGOODY=1)),
}

WORLD_REFRESH = 59  # a unit of time is 60 frames: one second at 60 frames a second

# The configuration, in the order of the shipped one. The game runs with ARENA as its current
# folder, so the shipped pictures, sounds, music and font are one folder up: "..\".
CONFIG = [
    ("APPNAME", "ORVANTE ARENA"),
    ("RESBASEW", 1024),
    ("RESBASEH", 768),
    ("RESOLUTION", 32),
    ("WINDOWMODE", 1),
    ("USESPRITE3D", 1),
    ("MULTICORE", 1),
    ("MULTITASK", 0),
    ("SMOOTH", 1),
    ("FULLSCREENZOOM", "1.0"),
    ("GAMEMODE", "HARDCORE"),
    ("WORLDREFRESH", WORLD_REFRESH),
    ("CURSORSPEED", 250),
    ("MAXFOE", 0),
    ("USESELFCREATEBASE", 0),
    ("SELFCREATEBASE", "DATA\\LEVELS\\%s.ai42" % NAME),
    ("MAPSIZE", 48),
    ("LABSWITCH", 8),
    ("WORLDRANDOM", 1977),
    ("USEEXTENDEDTOPO", 0),
    ("APPENTRY", "DATA\\LEVELS\\"),
    ("APPSTART", NAME),
    ("RGBCODEPATH", "DATA\\TILES\\"),
    ("TOPOGFX", "..\\GFX\\TILES\\"),
    ("GFXCODEC", ".png"),
    ("WORLDGFX", "GFX\\OBJECTS\\"),
    ("CURSOR", "..\\GFX\\PLAYER\\cursor.png"),
    ("FONTPATH", "..\\GFX\\FONT\\"),
    ("FONTSYSTEM", "..\\DATA\\FONT\\CHARS.TXT"),
    ("EGFXPATH", "..\\GFX\\EFFECTS\\"),
    ("EGFXMAX", 12),
    ("SCREGFXPATH", "..\\GFX\\SCREENFX\\"),
    ("SCREGFXMAX", 10),
    ("LOADINTROSCREEN", "GFX\\SCREENS\\title.png"),
    ("LOADSCREEN", "GFX\\SCREENS\\load#.png"),
    ("SOUNDFXPATH", "..\\SFX\\"),
    ("INGAMEMUSIC", "..\\MUSIC\\"),
    ("MENUMUSIC", "menu.ogg"),
    ("DEFTILESOUND", "step.ogg"),
    ("FIXEDTILESOUND", "fixed.ogg"),
    ("PINKTILEFIXEDSOUND", "pinkfixed.ogg"),
    ("REMOVETILE", "remove.ogg"),
    ("EXPLOSIONSOUND", "explosion.ogg"),
    ("TIMERSOUND", "timer.ogg"),
    ("ENDTIMERSOUND", "timer.ogg"),
    ("BOMBPICKUPSOUND", "bomb.ogg"),
    ("QUENDRAL1", "quendral1.ogg"),
    ("QUENDRAL", "quendral.ogg"),
    ("LOGPATH", "..\\LOG\\"),
    ("LOGFILE", "error.log"),
    ("USELOGFILE", 1),
    ("SCRSAVE", "..\\SHOTS\\"),
    ("SAVEGFX", "..\\SHOTS\\"),
    ("GFXPATH", "..\\GFX\\"),
    ("BASICGFX", "..\\GFX\\"),
    ("TOPO", "..\\GFX\\TILES\\"),
    ("SYSTEMCORE", "DATA\\"),
    ("CORENAME", NAME),
]


def rules_panel(icons):
    """The "HOW TO PLAY" panel of this level's title picture, as ImageMagick drawing commands.
    It covers the shipped panel completely, so its background is opaque."""
    keys = {name: keys for name, (_, keys) in OBJECTS.items()}
    seconds = keys["clock"]["DEXTRATIME"] * (WORLD_REFRESH + 1) // 60
    rules = ["Walk on the floor to paint it blue.",
             "Fresh paint is a wall behind you until",
             "a closed 2x2 block fixes it: walk on.",
             "Paint a tile with water or fresh paint",
             "on all four sides and you lose at once.",
             "CRITCAL MASS to 0 before TIME runs out."]
    pickups = [("gem", "Gem", "%d points" % keys["gem"]["DSCORE"]),
               ("star", "Star", "%d points" % keys["star"]["DSCORE"]),
               ("clock", "Clock", "+%d seconds" % seconds),
               ("pier", "Pier", "never painted")]
    tiles = [("blue", "Fresh paint", "a wall for now"), ("fixed", "Fixed tile", "safe to walk on")]
    out = io.StringIO()
    with contextlib.redirect_stdout(out):
        geometry.panel_frame("ARENA, one level in HARDCORE mode. Bridges stay shut behind you. "
                             "Stuck? P, then B starts again.", SANS, SANS_BOLD,
                             background="rgb(6,4,20)")
        geometry.text(342, 46, "RULES", geometry.HEAD, 12, SANS_BOLD)
        for k, line in enumerate(rules):
            geometry.text(342, 62 + 15 * k, line, geometry.TEXT, 13, SANS)
        geometry.text(628, 46, "PICK-UPS", geometry.HEAD, 12, SANS_BOLD)
        for k, (icon, name, effect) in enumerate(pickups):
            y = 52 + 22 * k
            geometry.icon_at(628, y, 20, icons, icon)
            geometry.text(655, y + 15, name, geometry.KEY, 13, SANS_BOLD)
            geometry.text(702, y + 15, effect, geometry.TEXT, 13, SANS)
        geometry.text(826, 46, "TILES", geometry.HEAD, 12, SANS_BOLD)
        for k, (icon, name, line) in enumerate(tiles):
            y = 52 + 39 * k
            geometry.icon_at(826, y + 2, 26, icons, icon)
            geometry.text(859, y + 13, name, geometry.KEY, 13, SANS_BOLD)
            geometry.text(859, y + 28, line, geometry.TEXT, 13, SANS)
    return out.getvalue()


def write_screens(data, folder):
    """The shipped title and loading pictures with this level's rules over their "HOW TO PLAY"
    panel, which sits at (8, 2) on the title picture and at (8, 36) on the loading pictures."""
    with tempfile.TemporaryDirectory() as tmp:
        for name in ("gem", "star", "clock"):
            subprocess.run(["convert", os.path.join(data, "GFX", "OBJECTS", name + ".png"),
                            "-transparent", "white", os.path.join(tmp, name + ".png")], check=True)
        for name, picture in (("blue", "blue.png"), ("fixed", "fixed.png"),
                              ("pier", "fixed_pink.png")):
            shutil.copyfile(os.path.join(data, "GFX", "TILES", picture),
                            os.path.join(tmp, name + ".png"))
        panel = os.path.join(tmp, "panel.png")
        subprocess.run(["convert", "-size", "%dx%d" % (geometry.PANEL_W, geometry.PANEL_H),
                        "xc:none", "-draw", rules_panel(tmp), panel], check=True)
        os.makedirs(os.path.join(folder, "GFX", "SCREENS"))
        for picture, at in (("title.png", "+8+2"), ("load0.png", "+8+36"), ("load1.png", "+8+36")):
            subprocess.run(["convert", os.path.join(data, "GFX", "SCREENS", picture), panel,
                            "-geometry", at, "-compose", "over", "-composite"] + PNG_OPTS +
                           ["PNG24:" + os.path.join(folder, "GFX", "SCREENS", picture)],
                           check=True)


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join("%s\r\n" % line for line in lines).encode("latin-1"))


def write_pairs(path, pairs):
    write_lines(path, [str(item) for pair in pairs for item in pair])


def tile_pairs(name, picture, collision, points, children):
    slots = (children + ["#"] * 8)[:8]
    return [("INTERNALNAME", name), ("GFXNAME", picture), ("USECOLLISION", collision),
            ("USEENEMY", 0), ("VALUE1", points), ("TRANSPARENCY", 0), ("RANDOMSEED", 0),
            ("ROTATE", 0), ("DX1", 0), ("DX2", 0), ("USEDIRECTION", "DEFAULT")] + \
        [("CHILD%d" % (n + 1), child) for n, child in enumerate(slots)]


def read_map(path):
    rows = [line.rstrip("\n") for line in open(path, encoding="ascii")]
    rows = [r for r in rows if r]
    width = len(rows[0])
    for y, r in enumerate(rows):
        if len(r) != width:
            sys.exit("%s: row %d is %d wide, not %d" % (path, y + 1, len(r), width))
        for x, ch in enumerate(r):
            if ch not in LEGEND:
                sys.exit("%s: unknown character %r at column %d, row %d" % (path, ch, x, y))
    return rows


def alphas(rows):
    """Land is opaque; the sea fades with its distance from the nearest land cell, and into
    the dark towards the edges of the level, so that the level has no hard border."""
    shore = [255, 150, 115, 85, 60, 40]
    edge = [0, 10, 20, 30]
    h, w = len(rows), len(rows[0])
    land = [(x, y) for y in range(h) for x in range(w) if rows[y][x] != "~"]
    out = [[255] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if rows[y][x] == "~":
                d = min(max(abs(x - lx), abs(y - ly)) for lx, ly in land)
                b = min(x, y, w - 1 - x, h - 1 - y)
                out[y][x] = min(shore[min(d, len(shore) - 1)], edge[b] if b < len(edge) else 255)
    return out


def split_name(name):
    """A cell's tile name as the three lines the game joins again."""
    head, sep, tail = name.partition("_")
    return [head, sep, tail]


def write_level(folder, rows):
    h, w = len(rows), len(rows[0])
    header = [NAME, w - 1, h - 1, 0, 0]
    cells, alpha_lines = [], []
    alpha = alphas(rows)
    for x in range(w):  # column by column, each from the top
        for y in range(h):
            cells += split_name(LEGEND[rows[y][x]])
            alpha_lines.append(alpha[y][x])
    write_lines(os.path.join(folder, "DATA", "LEVELS", NAME + ".ai42"), header + cells)
    write_lines(os.path.join(folder, "DATA", "LEVELS", NAME + ".red"), header + alpha_lines)


def budget(rows):
    """What the game makes of the level: a quarter of its open cells and goodies is the goal,
    a quarter of the goal (at most 60) the units of time; clocks add theirs."""
    names = [LEGEND[ch] for r in rows for ch in r]
    by_name = {keys["DGFXNAME"]: keys for _, keys in OBJECTS.values()}
    placed = [by_name[child] for n in names for child in TILES[n][3]]
    open_cells = sum(TILES[n][1] == 0 for n in names)
    goodies = sum(keys.get("DISGOODY", 0) for keys in placed)
    goal = (open_cells + goodies) // 4
    units = min(goal // 4, 60)
    extra = sum(keys.get("DEXTRATIME", 0) for keys in placed)
    seconds = (WORLD_REFRESH + 1) / 60.0
    print("%s: %d x %d cells, %d open, %d goal markers: goal %d, time %d units (%.0f s) "
          "+ %d from clocks (%.0f s)" % (NAME, len(rows[0]), len(rows), open_cells, goodies,
                                         goal, units, units * seconds, extra, extra * seconds))


def main():
    default = os.path.join(HERE, "..", "..", "data")
    data = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else default)
    folder = os.path.join(data, NAME)
    rows = read_map(os.path.join(HERE, "arena.map"))
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    write_pairs(os.path.join(folder, "DATA", "ini.txt"), CONFIG)
    for name, (picture, collision, points, children) in TILES.items():
        write_pairs(os.path.join(folder, "DATA", "TILES", NAME, name),
                    tile_pairs(name, picture, collision, points, children))
    objects = os.path.join(folder, "GFX", "OBJECTS")
    os.makedirs(objects)
    for name, (picture, keys) in OBJECTS.items():
        shutil.copyfile(os.path.join(data, "GFX", "OBJECTS", picture),
                        os.path.join(objects, name + ".png"))
        write_pairs(os.path.join(objects, name + ".dll"),
                    [(k, keys.get(k, v)) for k, v in OBJECT_DEFAULTS])
    write_level(folder, rows)
    write_screens(data, folder)
    budget(rows)


if __name__ == "__main__":
    main()
