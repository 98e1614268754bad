#!/usr/bin/env bash
# Checks that ORVANTE's data set is complete and consistent: the configuration file and every
# definition file are well-formed line pairs, and every picture, glyph, object, sound and music
# track that a file names exists and has the form the game expects. A data set that plays a
# level file gets its level file and alpha file checked instead of the generator's needs. Every
# subfolder that holds a DATA/ini.txt of its own (such as data/ARENA) is checked as a data set
# too.
#
# Usage: tools/data/check_data.sh [data folder]        (default: data/ at the top of the checkout)
# Needs only python3. Exits non-zero and lists the problems when a check fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data=${1:-$here/../../data}
PYTHON=$(command -v python3 || command -v /usr/bin/python3)
status=0
for folder in "$data" "$data"/*/; do
  [ "$folder" = "$data" ] || [ -f "$folder/DATA/ini.txt" ] || continue
  "$PYTHON" - "$folder" <<'PYEOF' || status=1
import os
import re
import struct
import sys
import zlib

data = os.path.abspath(sys.argv[1])
problems = []
checks = 0


def check(ok, message):
    global checks
    checks += 1
    if not ok:
        problems.append(message)
    return ok


def local(path):
    """A game path (relative to the data folder, "\\" separators) as a path on this machine."""
    return os.path.join(data, path.replace("\\", "/"))


def read_lines(path):
    """Lines of a data file as Latin-1 text; checks the line ends and blank lines."""
    raw = open(path, "rb").read()
    name = os.path.relpath(path, data)
    check(raw.endswith(b"\r\n"), "%s: does not end with CR LF" % name)
    body = raw[:-2] if raw.endswith(b"\r\n") else raw
    lines = body.split(b"\r\n")
    check(not any(b"\r" in l or b"\n" in l or b"\0" in l for l in lines),
          "%s: mixed line ends or zero bytes" % name)
    check(all(l for l in lines), "%s: blank line (would shift the key/value pairs)" % name)
    return [l.decode("latin-1") for l in lines]


def read_pairs(path, known):
    lines = read_lines(path)
    name = os.path.relpath(path, data)
    check(len(lines) % 2 == 0, "%s: odd number of lines" % name)
    pairs = {}
    for k in range(0, len(lines) - 1, 2):
        key, value = lines[k], lines[k + 1]
        check(key in known, "%s: unknown key %r (line %d)" % (name, key, k + 1))
        check(key not in pairs, "%s: key %s given twice" % (name, key))
        check(key == key.strip() and value == value.strip(),
              "%s: blanks around %r / %r" % (name, key, value))
        pairs[key] = value
    return pairs


def is_int(v):
    return re.fullmatch(r"[+-]?\d+", v) is not None


def is_float(v):
    return re.fullmatch(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?", v) is not None


# --- PNG reading (8-bit RGB or RGBA, not interlaced), enough to look at the pixels ----------

def read_png(path):
    raw = open(path, "rb").read()
    if raw[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    pos, idat, head = 8, b"", None
    while pos < len(raw):
        length, kind = struct.unpack(">I4s", raw[pos:pos + 8])
        chunk = raw[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            head = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    w, h, depth, ctype, _, _, interlace = head
    if depth != 8 or ctype not in (2, 6) or interlace:
        return {"w": w, "h": h, "type": ctype, "depth": depth, "pixels": None}
    bpp = 3 if ctype == 2 else 4
    stride = w * bpp
    data_ = zlib.decompress(idat)
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f = data_[y * (stride + 1)]
        line = bytearray(data_[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 255
        rows.append(bytes(line))
        prev = line
    pix = [[tuple(r[x * bpp:x * bpp + 3]) for x in range(w)] for r in rows]
    return {"w": w, "h": h, "type": ctype, "depth": depth, "pixels": pix}


def picture(path, what, size=None, key=None, rgb=True):
    """Checks a picture; key is the colour that must fill its corners (its see-through colour)."""
    name = os.path.relpath(path, data)
    if not check(os.path.isfile(path), "%s %s: missing" % (what, name)):
        return None
    png = read_png(path)
    if not check(png is not None, "%s %s: not a PNG file" % (what, name)):
        return None
    if rgb:
        check(png["type"] == 2 and png["depth"] == 8,
              "%s %s: not 8-bit RGB without alpha" % (what, name))
    if size:
        check((png["w"], png["h"]) == size, "%s %s: %dx%d, expected %dx%d"
              % (what, name, png["w"], png["h"], size[0], size[1]))
    if key and png["pixels"]:
        p = png["pixels"]
        corners = [p[0][0], p[0][-1], p[-1][0], p[-1][-1]]
        check(all(c == key for c in corners),
              "%s %s: corners are not the see-through colour %s" % (what, name, key))
    return png


def count_colour(png, colour):
    return sum(row.count(colour) for row in png["pixels"]) if png and png["pixels"] else 0


# --- Ogg Vorbis: header and length ----------------------------------------------------------

def ogg_seconds(path):
    raw = open(path, "rb").read()
    if raw[:4] != b"OggS":
        return None
    seg_count = raw[26]
    first = 27 + seg_count
    if raw[first:first + 7] != b"\x01vorbis":
        return None
    rate = struct.unpack("<I", raw[first + 12:first + 16])[0]
    last = raw.rfind(b"OggS")
    granule = struct.unpack("<q", raw[last + 6:last + 14])[0]
    return granule / float(rate)


# --- The configuration file ------------------------------------------------------------------

CONFIG_KEYS = {
    # key: kind ("path", "text", "int", "float", "flag")
    "SOUNDFXPATH": "path", "INGAMEMUSIC": "text", "EGFXPATH": "path", "EGFXMAX": "int",
    "FONTPATH": "path", "FONTSYSTEM": "path", "WINDOWMODE": "flag", "MULTITASK": "int",
    "SAVEGFX": "text", "SCRSAVE": "text", "SAVEEVOLUTION": "text", "APPNAME": "text",
    "GFXPATH": "path", "RESOLUTION": "float", "TOPO": "path", "BASICGFX": "path",
    "USEEXTENDEDTOPO": "flag", "APPENTRY": "text", "APPSTART": "text", "TOPOGFX": "path",
    "GFXCODEC": "text", "SYSTEMCORE": "path", "CORENAME": "text", "USESPRITE3D": "flag",
    "MAXFOE": "int", "LOGPATH": "path", "LOGFILE": "text", "RGBCODEPATH": "text",
    "WORLDGFX": "path", "USELOGFILE": "flag", "LOADSCREEN": "text", "LOADANIM": "text",
    "FULLSCREENZOOM": "float", "RESBASEW": "int", "RESBASEH": "int", "CURSOR": "path",
    "CURSORSPEED": "int", "VEGIDENSE": "int", "USEFULLMATRIX": "flag", "WORLDRANDOM": "int",
    "MULTICORE": "flag", "MAPSIZE": "int", "WORLDTEMPERATURE": "float", "WORLDREFRESH": "int",
    "SELFCREATEBASE": "path", "USESELFCREATEBASE": "flag", "LABSWITCH": "int", "SMOOTH": "flag",
    "GAMEMODE": "text", "VIEW": "text", "TIMERSOUND": "text", "ENDTIMERSOUND": "text",
    "DEFTILESOUND": "text", "FIXEDTILESOUND": "text", "PINKTILEFIXEDSOUND": "text",
    "BOMBPICKUPSOUND": "text", "EXPLOSIONSOUND": "text", "QUENDRAL1": "text",
    "QUENDRAL": "text", "MENUMUSIC": "text", "SCREGFXPATH": "text", "SCREGFXMAX": "int",
    "LOADINTROSCREEN": "text", "REMOVETILE": "text", "USESCALER": "int",
    "HIGHSCOREFILE": "text",
}
SOUND_KEYS = ["TIMERSOUND", "ENDTIMERSOUND", "DEFTILESOUND", "FIXEDTILESOUND",
              "PINKTILEFIXEDSOUND", "BOMBPICKUPSOUND", "EXPLOSIONSOUND", "QUENDRAL1",
              "QUENDRAL", "REMOVETILE"]
FOLDER_KEYS = ["SOUNDFXPATH", "INGAMEMUSIC", "EGFXPATH", "FONTPATH", "TOPOGFX", "WORLDGFX",
               "LOGPATH", "SCREGFXPATH", "SCRSAVE", "RGBCODEPATH", "APPENTRY", "GFXPATH", "TOPO",
               "BASICGFX", "SYSTEMCORE", "SAVEGFX"]
REQUIRED = ["APPNAME", "RESBASEW", "RESBASEH", "RESOLUTION", "USESPRITE3D", "GFXCODEC",
            "MULTICORE", "MULTITASK", "WORLDREFRESH", "CURSORSPEED", "MAXFOE",
            "USESELFCREATEBASE", "SELFCREATEBASE", "MAPSIZE", "LABSWITCH", "WORLDRANDOM",
            "SMOOTH", "FULLSCREENZOOM", "GAMEMODE", "APPSTART", "RGBCODEPATH", "TOPOGFX",
            "WORLDGFX", "CURSOR", "FONTPATH", "FONTSYSTEM", "EGFXPATH", "SCREGFXPATH",
            "LOADINTROSCREEN", "LOADSCREEN", "SOUNDFXPATH", "INGAMEMUSIC", "LOGPATH", "LOGFILE",
            "SCRSAVE"] + SOUND_KEYS

ini_path = os.path.join(data, "DATA", "ini.txt")
if not check(os.path.isfile(ini_path), "DATA/ini.txt is missing"):
    print("\n".join(problems))
    sys.exit(1)
ini = read_pairs(ini_path, CONFIG_KEYS)
for key in REQUIRED:
    check(key in ini, "ini.txt: key %s missing" % key)
for key, value in ini.items():
    kind = CONFIG_KEYS.get(key)
    if kind in ("int", "flag"):
        check(is_int(value), "ini.txt: %s is not a whole number: %r" % (key, value))
    if kind == "float":
        check(is_float(value), "ini.txt: %s is not a number: %r" % (key, value))
    if kind == "flag":
        check(value in ("0", "1"), "ini.txt: %s is not 0 or 1" % key)
if "WINDOWMODE" in ini and "USESPRITE3D" in ini:
    check(ini["WINDOWMODE"] == ini["USESPRITE3D"],
          "ini.txt: WINDOWMODE and USESPRITE3D set the same flag; they must agree")
check(ini.get("USESPRITE3D") == "1", "ini.txt: USESPRITE3D must be 1 or the world is not drawn")
check(ini.get("GAMEMODE") in ("DEFAULT", "HARDCORE"), "ini.txt: GAMEMODE is neither DEFAULT nor HARDCORE")
check(0 <= int(ini.get("CURSORSPEED", "0")) <= 255, "ini.txt: CURSORSPEED outside 0..255")
check(0 < int(ini.get("MAPSIZE", "0")) <= 256, "ini.txt: MAPSIZE must be 1..256")
check(float(ini.get("RESOLUTION", "0")) > 0, "ini.txt: RESOLUTION must be positive")
for key in FOLDER_KEYS:
    if key in ini:
        check(ini[key].endswith("\\"), "ini.txt: folder %s does not end with \\" % key)
        check(os.path.isdir(local(ini[key])), "ini.txt: folder %s = %s does not exist" % (key, ini[key]))
for key in ("CURSOR", "LOADINTROSCREEN", "SELFCREATEBASE", "FONTSYSTEM"):
    check(os.path.isfile(local(ini[key])), "ini.txt: %s = %s does not exist" % (key, ini[key]))
for key in ("SCREGFXMAX", "EGFXMAX"):
    check(0 <= int(ini.get(key, "50")) <= 50, "ini.txt: %s is unreasonably large" % key)

codec = ini["GFXCODEC"]
check(codec.startswith("."), "ini.txt: GFXCODEC must be an extension with its dot")

# --- Sounds and music ------------------------------------------------------------------------

sound_dir = local(ini["SOUNDFXPATH"])
sounds = sorted(f for f in os.listdir(sound_dir) if f.lower().endswith(".ogg"))
for key in SOUND_KEYS:
    check(ini[key] in sounds, "ini.txt: sound %s = %s is not in %s" % (key, ini[key], ini["SOUNDFXPATH"]))
for f in sounds:
    secs = ogg_seconds(os.path.join(sound_dir, f))
    if check(secs is not None, "sound %s: not an Ogg Vorbis file" % f):
        check(0.01 < secs < 5.0, "sound %s: %.2f s long" % (f, secs))

music_dir = local(ini["INGAMEMUSIC"])
tracks = sorted(f for f in os.listdir(music_dir) if f.lower().endswith(".ogg"))
for name in ("menu.ogg", "score.ogg"):
    check(name in tracks, "music: %s is missing" % name)
check(len(tracks) >= 4, "music: fewer than two play tracks besides menu.ogg and score.ogg")
if "MENUMUSIC" in ini:
    check(ini["MENUMUSIC"] in tracks, "ini.txt: MENUMUSIC names no track")
# Tracks loop for as long as a level or a screen lasts: long enough not to wear out, short
# enough to decode at start without much memory.
MUSIC_MINIMUM = {"menu.ogg": 45.0, "score.ogg": 30.0}
long_play_tracks = 0
for f in tracks:
    secs = ogg_seconds(os.path.join(music_dir, f))
    if check(secs is not None, "music %s: not an Ogg Vorbis file" % f):
        check(MUSIC_MINIMUM.get(f, 30.0) <= secs <= 300.0, "music %s: %.1f s long" % (f, secs))
        long_play_tracks += f not in MUSIC_MINIMUM and secs >= 60.0
check(long_play_tracks >= 3, "music: fewer than three play tracks of a minute or more")

# --- Tile graphics and tile definitions ------------------------------------------------------

topo_dir = local(ini["TOPOGFX"])
tile_graphics = sorted(f for f in os.listdir(topo_dir) if f.lower().endswith(codec.lower()))
res = int(float(ini["RESOLUTION"]))
for f in tile_graphics:
    png = picture(os.path.join(topo_dir, f), "tile graphic", (res, res))
    check(count_colour(png, (255, 0, 255)) == 0, "tile graphic %s: holds see-through magenta" % f)

TILE_KEYS = {"GFXNAME", "VALUE1", "RANDOMSEED", "ROTATE", "USECOLLISION", "TRANSPARENCY",
             "USEENEMY", "DX1", "DX2", "USEDIRECTION", "INTERNALNAME"} | {"CHILD%d" % n for n in range(1, 9)}
TILE_NUMBERS = {"VALUE1", "RANDOMSEED", "ROTATE", "USECOLLISION", "TRANSPARENCY", "USEENEMY", "DX1", "DX2"}
TILE_NAMES = ["LAB_WALL", "LAB_FLOOR", "LAB_GREEN", "LAB_WATER", "LAB_WALL_E", "LAB_GREEN_E",
              "LAB_WATER_E", "LAB_WALL_S", "LAB_GREEN_S", "LAB_WATER_S", "LAB_BLUE_FLOOR",
              "LAB_FIXED_FLOOR", "LAB_PINK_FLOOR", "LAB_FIXED_PINK_FLOOR"]
tile_dir = local(ini["RGBCODEPATH"] + ini["APPSTART"] + "\\")
check(os.path.isdir(tile_dir), "tile folder RGBCODEPATH + APPSTART is missing")
generated = ini.get("USESELFCREATEBASE") == "1"

# --- A level file and its alpha file (when levels are not generated) -------------------------


def read_level(path, what):
    """The lines of a level or alpha file: one value a line, CR LF, blank lines allowed."""
    name = os.path.relpath(path, data)
    if not check(os.path.isfile(path), "%s %s is missing" % (what, name)):
        return None
    raw = open(path, "rb").read()
    check(raw.endswith(b"\r\n") and raw.count(b"\r") == raw.count(b"\n") == raw.count(b"\r\n"),
          "%s: line ends are not all CR LF" % name)
    return raw[:-2].decode("latin-1").split("\r\n")


level_names = set()
if not generated:
    level = read_level(local(ini["APPENTRY"] + ini["APPSTART"] + ".ai42"), "level file")
    alpha = read_level(local(ini["APPENTRY"] + ini["APPSTART"] + ".red"), "alpha file")
    if level and check(len(level) >= 5 and is_int(level[1]) and is_int(level[2]),
                       "level file: lines 2 and 3 must be the last column and the last row"):
        cells = (int(level[1]) + 1) * (int(level[2]) + 1)
        check(int(level[1]) >= 1 and int(level[2]) >= 1, "level file: fewer than 2 x 2 cells")
        check(len(level) == 5 + 3 * cells, "level file: %d lines, expected 5 + 3 x %d cells"
              % (len(level), cells))
        level_names = {"".join(level[k:k + 3]) for k in range(5, len(level) - 2, 3)}
        if alpha:
            check(alpha[:5] == level[:5],
                  "alpha file: its five header lines differ from the level file's")
            check(len(alpha) == 5 + cells,
                  "alpha file: %d lines, expected 5 + %d cells" % (len(alpha), cells))
            check(all(is_int(a) and 0 <= int(a) <= 255 for a in alpha[5:]),
                  "alpha file: a value is not a whole number from 0 to 255")
        check("" not in level_names, "level file: a cell has an empty tile name")

# --- Object kinds (read first: the tiles name them) ------------------------------------------

OBJECT_KEYS = {"DGFXNAME", "DGFXTRANSPARENCY", "DDENSITY", "DFITTOMATRIX", "DCOLLISION",
               "DHOTSPOT", "DXMODE1", "DXMODE2", "DGFXSHOW", "DCENTERFIELD", "DKILLONCOLLISION",
               "DSCORE", "DCOUNTTOSCORE", "DCOUNTSOUND", "DUSECOUNTSOUND", "DISPLAYER",
               "DISENEMY", "DRANDOMMOVE", "DMOVEX", "DMOVEY", "DVELOX", "DVELOY", "DAILEVEL",
               "DDMOVE", "DCHANGEDIRECTION", "DISGOODY", "DEXTRATIME", "DROTATE", "DLIFETIME",
               "DPOWERUP"}
OBJECT_TEXT = {"DGFXNAME", "DHOTSPOT", "DCOUNTSOUND", "DLIFETIME", "DPOWERUP"}
world_dir = local(ini["WORLDGFX"])
kinds = {}
for f in sorted(os.listdir(world_dir)):
    path = os.path.join(world_dir, f)
    if f.endswith(codec):
        png = picture(path, "object graphic", key=(255, 255, 255))
        definition = path[:path.index(codec)] + ".dll"
        if not check(os.path.isfile(definition), "object %s: definition %s missing"
                     % (f, os.path.basename(definition))):
            continue
        d = read_pairs(definition, OBJECT_KEYS)
        for k in OBJECT_KEYS - {"DLIFETIME", "DPOWERUP"}:
            check(k in d, "object %s: key %s not given" % (f, k))
        for k, v in d.items():
            if k not in OBJECT_TEXT:
                check(is_int(v), "object %s: %s is not a whole number: %r" % (f, k, v))
        if d.get("DCOUNTSOUND"):
            check(d["DCOUNTSOUND"] in sounds, "object %s: sound %s missing" % (f, d["DCOUNTSOUND"]))
        if d.get("DCOLLISION", "0") != "0" and d.get("DISENEMY", "0") == "0":
            check(d.get("DKILLONCOLLISION", "0") != "0" or d.get("DEXTRATIME", "0") == "0",
                  "object %s: gives time on every frame the player stands on it" % f)
            check(d.get("DCOUNTTOSCORE", "0") == "0",
                  "object %s: counted-up points are lost once the score is above the target" % f)
        if d.get("DISENEMY", "0") != "0":
            check(d.get("DGFXNAME") in ("#", ""), "enemy %s: should not be placed through tiles" % f)
            check(int(d.get("DVELOX", "0")) > 0 and int(d.get("DVELOY", "0")) > 0,
                  "enemy %s: cannot move on both axes" % f)
            check(int(d.get("DDENSITY", "0")) >= 0, "enemy %s: never spawns" % f)
        kinds[f] = d
    elif f.endswith(".dll"):
        check(os.path.isfile(path[:-4] + codec), "definition %s has no graphic" % f)
    else:
        check(False, "object folder: unexpected file %s" % f)
names = {d.get("DGFXNAME") for d in kinds.values()} - {"#", ""}
if generated:  # a level file game has no enemies, and its tiles may place no bombs
    check(any(d.get("DISENEMY") == "1" for d in kinds.values()), "no group A enemy (DISENEMY 1)")
    check(any(d.get("DISENEMY") == "2" for d in kinds.values()), "no group B enemy (DISENEMY 2)")
    check("BOMB" in names, "no object placed under the name BOMB")
check(any(int(d.get("DEXTRATIME", "0")) > 0 for d in kinds.values()), "no pick-up gives extra time")

# Generated labyrinths use every rule tile; a level file needs the tiles it names, and the
# painted and fixed floor when it has floor the player paints.
needed = list(TILE_NAMES)
if not generated:
    needed = sorted(level_names)
    if level_names & {"LAB_FLOOR", "LAB_GREEN"}:
        needed += sorted({"LAB_BLUE_FLOOR", "LAB_FIXED_FLOOR"} - level_names)
tile_defs = {}
for t in needed:
    path = os.path.join(tile_dir, t)
    if not check(os.path.isfile(path), "tile definition %s missing" % t):
        continue
    d = read_pairs(path, TILE_KEYS)
    tile_defs[t] = d
    for k in TILE_KEYS:
        check(k in d, "tile %s: key %s not given (a retiled cell would keep the old value)" % (t, k))
    for k in TILE_NUMBERS & d.keys():
        check(is_int(d[k]), "tile %s: %s is not a whole number" % (t, k))
    check(d.get("GFXNAME") in tile_graphics, "tile %s: graphic %s not in TOPOGFX" % (t, d.get("GFXNAME")))
    check(d.get("USEDIRECTION") in ("DEFAULT", "DOWN", "LEFT", "RIGHT", "UP"),
          "tile %s: unknown USEDIRECTION" % t)
    check(d.get("TRANSPARENCY") == "0", "tile %s: not opaque (TRANSPARENCY 0 draws it fully)" % t)
    for n in range(1, 9):
        c = d.get("CHILD%d" % n)
        check(c == "#" or c in names, "tile %s: CHILD%d names %r, which no object is called" % (t, n, c))
if len(tile_defs) == len(needed):
    if "LAB_WALL" in tile_defs:
        check(tile_defs["LAB_WALL"]["USECOLLISION"] == "2", "LAB_WALL must block everything (collision 2)")
    for t in ("LAB_FLOOR", "LAB_GREEN", "LAB_BLUE_FLOOR", "LAB_FIXED_FLOOR", "LAB_PINK_FLOOR",
              "LAB_FIXED_PINK_FLOOR"):
        if t in tile_defs:
            check(tile_defs[t]["USECOLLISION"] == "0", "%s must be walkable" % t)
    if generated:
        check(tile_defs["LAB_FLOOR"]["USEENEMY"] == "1", "enemies cannot spawn on LAB_FLOOR")
    if "LAB_FIXED_FLOOR" in tile_defs:
        check(int(tile_defs["LAB_FIXED_FLOOR"]["VALUE1"]) > 0, "fixed floor scores no points")
for f in sorted(os.listdir(tile_dir)):
    check(f in TILE_NAMES or f in needed, "tile folder: unexpected file %s" % f)

# --- Player, screens and decoration ----------------------------------------------------------

picture(local(ini["CURSOR"]), "player picture", key=(255, 255, 255))
png = picture(local(ini["LOADINTROSCREEN"]), "title picture", (int(ini["RESBASEW"]), int(ini["RESBASEH"])))
check(count_colour(png, (255, 0, 255)) == 0, "title picture holds see-through magenta")
pattern = ini["LOADSCREEN"]
if check(pattern.count("#") == 1, "ini.txt: LOADSCREEN must hold exactly one #"):
    for digit in "01":
        png = picture(local(pattern.replace("#", digit)), "loading picture")
        check(count_colour(png, (255, 0, 255)) == 0, "loading picture %s holds magenta" % digit)
for key in ("EGFXPATH", "SCREGFXPATH"):
    folder = local(ini[key])
    files = sorted(f for f in os.listdir(folder) if f.lower().endswith(".png"))
    check(len(files) > 0, "%s: no pictures" % key)
    for f in files:
        picture(os.path.join(folder, f), "glow sprite", key=(0, 0, 0))

# --- Level base file -------------------------------------------------------------------------

base = read_lines(local(ini["SELFCREATEBASE"])) if generated else []
if generated and check(len(base) >= 5, "base file: fewer than five lines"):
    check(is_int(base[1]) and is_int(base[2]) and int(base[1]) > 3 and int(base[2]) > 3,
          "base file: lines 2 and 3 must be the base width and height")
    check(int(base[1]) <= 2 * int(ini["MAPSIZE"]), "base file: base width far above MAPSIZE")

# --- Font ------------------------------------------------------------------------------------

SYMBOL_NAMES = {".": "POINT", "?": "ASK", "[": "FLOPPY", "]": "FLOPPYB", "-": "MINUS",
                '"': "FUEL", "(": "LEFT", ")": "RIGHT", ":": "POINTPOINT", "*": "STERN",
                "&": "BOMB", "\xf6": "NOBOMB", "\xd6": "NOBOMB", "\xc4": "HERZ", "\xe4": "HERZ",
                "@": "LIFE", "+": "PLUS", "\xfc": "_u", "\xdc": "_u", "\xdf": "S"}


def glyph_image(ch):
    if ch in SYMBOL_NAMES:
        return SYMBOL_NAMES[ch]
    if "a" <= ch <= "z":
        return "_" + ch
    return ch


font_lines = open(local(ini["FONTSYSTEM"]), "rb").read().replace(b"\r", b"\n").split(b"\n")
charset = font_lines[0].decode("latin-1")
check(len(set(charset)) == len(charset), "font: a character is listed twice")
check(" " not in charset and "|" not in charset and "\\" not in charset,
      "font: space, | and \\ are control characters, not glyphs")
glyph_dir = local(ini["FONTPATH"])
heights = {}
widths = {}
for ch in charset:
    image = glyph_image(ch)
    png = picture(os.path.join(glyph_dir, image + ".png"), "glyph %r" % ch, key=(255, 255, 255))
    if png:
        heights[image] = png["h"]
        widths[image] = png["w"]
check(len(set(heights.values())) == 1, "font: glyphs of different heights: %s" % sorted(set(heights.values())))
check("A" in charset and "I" in charset, "font: A and I set the line height and the space width")
check("&" in charset and "\xf6" in charset, "font: the bomb glyph & and the empty slot (code 246) are needed")
check(widths.get("BOMB") == widths.get("NOBOMB"), "font: BOMB and NOBOMB must be equally wide")
for f in sorted(os.listdir(glyph_dir)):
    check(f[:-4] in {glyph_image(c) for c in charset}, "font folder: %s is not listed" % f)
# Every character of the game's own texts needs a glyph.
game_texts = [
    " DEBUGGING: MULTITHREAD: 0123456789|", " SCORE -0123456789|", " TIME |", " \xf6\xf6\xf6 |", " &&&|",
    " CRITCAL MASS |", " DIMENSION |", " PLAYER:|", "  GAME OVER |", "  ORVANTE |",
    "  PRESS  P  ON KEYBOARD TO CONTINUE|", "  PRESS START ON JOYPAD CONTINUE|",
    "  GLOBAL HIGHSCORE: |", "   SCORE:   |", "  ONLINE HIGHSCORE IS NOT IMPLEMENTED FOR NOW|",
    "  QUIT GAME ? |", "  PRESS B TO QUIT     |", "  PRESS X TO CONTINUE |", "  GAME PAUSED |",
    "  PRESS B TO RESTART  |", "  ALL RIGHTS RESERVED. (C) 2026, AUTHOR'S GAME - PRESENTS:|",
    "abcdefghijklmnopqrstuvwxyz_0123456789",   # player names come from the home folder
]
missing = sorted({c for t in game_texts for c in t if c not in " |\\" and c not in charset})
check(not missing, "font: no glyph for %s" % missing)

# --- Whole data set --------------------------------------------------------------------------

total = 0
for dirpath, dirnames, filenames in os.walk(data):
    for f in filenames:
        total += os.path.getsize(os.path.join(dirpath, f))
check(total < 8 * 1024 * 1024, "data set is %.1f MB, above 8 MB" % (total / 1048576.0))

if problems:
    print("\n".join(problems))
    print("data check of %s: %d passed, %d failed" % (data, checks - len(problems), len(problems)))
    sys.exit(1)
print("data check of %s: %d passed, 0 failed (%.2f MB in the data set)"
      % (data, checks, total / 1048576.0))
PYEOF
done
exit $status
