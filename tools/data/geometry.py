#!/usr/bin/env python3
"""Writes ImageMagick drawing commands (MVG) and tile lists for make_data.sh.

Usage: geometry.py COMMAND [ARGS...]   (the drawing goes to standard output)

  star CX CY R_OUT R_IN POINTS [ROTATION]  polygon of a star
  gear CX CY R_OUT R_IN TEETH              polygon of a toothed disc
  blob CX CY R SPIKES SEED                 polygon of a spiky paint blot
  sky W H COUNT SEED                       scattered stars of different brightness
  grid W HORIZON H SEED                    perspective floor grid with painted tiles
  maze COLS ROWS THEME SEED                tile graphic names of a generated labyrinth,
                                           one per line, row by row
  howto FONT BOLDFONT ICONDIR              the "HOW TO PLAY" panel, 1008 x 144, with the
                                           pick-up and enemy pictures of ICONDIR (NAME.png)
Every random draw is seeded, so the output is the same on every run.
"""

import math
import random
import sys


def polygon(points):
    return "polygon " + " ".join("%.2f,%.2f" % p for p in points)


def star(cx, cy, r_out, r_in, n, rot=-90.0):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rot + k * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    print(polygon(pts))


def gear(cx, cy, r_out, r_in, teeth):
    pts = []
    steps = teeth * 4
    for k in range(steps):
        a = 2 * math.pi * k / steps
        r = r_out if k % 4 in (0, 1) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    print(polygon(pts))


def blob(cx, cy, r, spikes, seed):
    rng = random.Random(seed)
    pts = []
    steps = spikes * 2
    for k in range(steps):
        a = 2 * math.pi * k / steps
        rr = r * (1.0 if k % 2 == 0 else 0.72) * rng.uniform(0.9, 1.05)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    print(polygon(pts))


def sky(w, h, count, seed):
    rng = random.Random(seed)
    for _ in range(count):
        x, y = rng.uniform(0, w), rng.uniform(0, h) ** 1.0
        b = rng.random()
        shade = int(90 + 150 * b * b)
        tint = rng.choice(((1.0, 1.0, 1.0), (0.8, 0.9, 1.0), (1.0, 0.85, 0.95)))
        col = "#%02x%02x%02x" % tuple(min(250, int(shade * t)) for t in tint)
        r = 0.6 + 1.4 * b * b
        print("fill %s circle %.1f,%.1f %.1f,%.1f" % (col, x, y, x + r, y))


def grid(w, horizon, h, seed):
    """A floor of square tiles seen in perspective, some of them painted."""
    rng = random.Random(seed)
    f = 300.0            # focal length in pixels
    cam = 1.0            # camera height
    cell = 0.3           # tile size in world units
    cx = w / 2.0

    def project(x, z):
        return cx + f * x / z, horizon + f * cam / z

    z_near, z_far = 0.95, 40.0
    # Painted tiles first, so the lines run over them.
    rows = int((z_far - z_near) / cell)
    for k in range(rows):
        for i in range(-40, 40):
            p = rng.random()
            if p > 0.16:
                continue
            z0 = z_near + k * cell
            z1 = z0 + cell
            x0, x1 = i * cell, (i + 1) * cell
            quad = [project(x0, z0), project(x1, z0), project(x1, z1), project(x0, z1)]
            if max(q[0] for q in quad) < 0 or min(q[0] for q in quad) > w:
                continue
            fade = max(0.0, 1.0 - (z0 - z_near) / (z_far - z_near))
            if p < 0.08:
                col = (40, 110, 255)
            else:
                col = (255, 60, 170)
            a = 0.55 * fade ** 2
            print("fill rgba(%d,%d,%d,%.3f) %s" % (col + (a,) + (polygon(quad),)))
    print("fill none stroke-linecap round")
    # Lines across, then lines into the distance; both fade towards the horizon.
    for k in range(rows + 1):
        z = z_near + k * cell
        (xa, y), (xb, _) = project(-40 * cell, z), project(40 * cell, z)
        fade = max(0.0, 1.0 - (z - z_near) / (z_far - z_near))
        print("stroke rgba(90,200,255,%.3f) stroke-width %.2f line %.1f,%.1f %.1f,%.1f"
              % (0.9 * fade ** 1.5, 0.6 + 2.0 * fade, xa, y, xb, y))
    for i in range(-40, 41):
        for k in range(rows):
            z0, z1 = z_near + k * cell, z_near + (k + 1) * cell
            xa, ya = project(i * cell, z0)
            xb, yb = project(i * cell, z1)
            if max(xa, xb) < -5 or min(xa, xb) > w + 5:
                continue
            fade = max(0.0, 1.0 - (z0 - z_near) / (z_far - z_near))
            print("stroke rgba(90,200,255,%.3f) stroke-width %.2f line %.1f,%.1f %.1f,%.1f"
                  % (0.6 * fade ** 2, 0.6 + 1.2 * fade, xa, ya, xb, yb))


def maze(cols, rows, theme, seed):
    """A labyrinth made the way the game carves its levels, drawn with the shipped tiles."""
    rng = random.Random(seed)
    mx, my = cols - 1, rows - 1
    g = [["W"] * (my + 1) for _ in range(mx + 1)]
    for tile in "FGA":
        x = y = 1
        d = 0
        for _ in range(mx * my):
            dx = dy = 0
            if rng.randint(0, 8) == 0:
                d = rng.randint(0, 3)
            if d == 0 and x - 1 > 1:
                dx = -1
            if d == 1 and y - 1 > 1:
                dy = -1
            if d == 2 and x + 1 < mx - 1:
                dx = 1
            if d == 3 and y + 1 < my - 1:
                dy = 1
            x += dx
            y += dy
            if g[x][y] == "W":
                g[x][y] = tile
    # Paint a few patches the way a game in progress would look.
    paint = {"blue": ("blue.png", "fixed.png"), "pink": ("pink.png", "fixed_pink.png")}[theme]
    other = {"blue": ("pink.png", "fixed_pink.png"), "pink": ("blue.png", "fixed.png")}[theme]
    names = {"W": "wall.png", "F": "floor.png", "G": "green.png", "A": "water.png"}
    out = [[names[g[x][y]] for x in range(mx + 1)] for y in range(my + 1)]
    for (tiles, patches) in ((paint, 9), (other, 3)):
        for _ in range(patches):
            px, py = rng.randint(1, mx - 1), rng.randint(1, my - 1)
            for _ in range(rng.randint(8, 26)):
                if g[px][py] in "FG":
                    out[py][px] = tiles[1] if rng.random() < 0.6 else tiles[0]
                px = min(mx - 1, max(1, px + rng.choice((-1, 0, 1))))
                py = min(my - 1, max(1, py + rng.choice((-1, 0, 1))))
    for row in out:
        for name in row:
            print(name)


# The "HOW TO PLAY" panel: four columns under a title line. Rows are 15 pixels apart.
PANEL_W, PANEL_H = 1008, 144
TEXT, KEY, HEAD, TITLE = "#e8ecf8", "#ffd870", "#6fd4ff", "#ffcf5a"
CONTROLS = [                   # action, keyboard, joypad
    ("Move", "Arrow keys", "Stick or D-pad"),
    ("Bomb", "Space", "A"),
    ("Pause", "P", "Start"),
    ("Quit", "Escape", "Back"),
    ("Answer dialogs", "B or X", "B or X"),
    ("Screenshot", "F12", ""),
]
GOAL = [
    "Walk on the floor to paint it blue.",
    "Close a 2x2 block of paint to fix it.",
    "CRITCAL MASS = tiles still to fix:",
    "reach 0 before TIME runs out.",
    "A bomb clears blue and pink fixed tiles",
    "in all four directions from you.",
]
PICKUPS = [("gem", "Gem", "points"), ("star", "Star", "more points"),
           ("clock", "Clock", "extra time"), ("bomb", "Bomb", "+1 bomb (up to 3)")]
ENEMIES = [("blot", "Pink painter", ["paints your floor pink"]),
           ("wiper", "Wiper", ["wipes paint and", "fixed tiles away"])]


def text(x, y, words, colour, size=13, font=None):
    if font:
        print("font '%s'" % font)
    print("fill '%s' font-size %s text %d,%d '%s'" % (colour, size, x, y, words.replace("'", "\\'")))


def icon_at(x, y, size, folder, name):
    """An object picture on a light tile, so that dark pictures (the bomb) stand out."""
    print("fill rgba(190,210,255,0.22) roundrectangle %d,%d %d,%d 4,4"
          % (x - 2, y - 2, x + size + 1, y + size + 1))
    print("image over %d,%d %d,%d '%s/%s.png'" % (x, y, size, size, folder, name))


def panel_frame(summary, font, bold, background="rgba(6,4,20,0.9)"):
    """The panel's rounded frame, its "HOW TO PLAY" title line and the CONTROLS column."""
    print("stroke rgba(111,212,255,0.55) stroke-width 2 fill %s" % background)
    print("roundrectangle 1,1 %d,%d 10,10" % (PANEL_W - 2, PANEL_H - 2))
    print("stroke rgba(111,212,255,0.35) stroke-width 1 line 14,29 %d,29" % (PANEL_W - 14))
    print("stroke none")
    text(14, 21, "HOW TO PLAY", TITLE, 17, bold)
    text(150, 21, summary, TEXT, 13, font)
    text(14, 46, "CONTROLS", HEAD, 12, bold)
    text(14 + 112, 46, "KEYBOARD", HEAD, 12)
    text(14 + 206, 46, "JOYPAD", HEAD, 12)
    for k, (action, key, pad) in enumerate(CONTROLS):
        y = 62 + 15 * k
        text(14, y, action, TEXT, 13, font)
        text(14 + 112, y, key, KEY, 13, bold)
        text(14 + 206, y, pad, KEY, 13, bold)


def howto(font, bold, icons):
    panel_frame("Paint the labyrinth blue and fix it before the time runs out.", font, bold)
    columns = (14, 342, 628, 826)
    text(columns[1], 46, "GOAL", HEAD, 12, bold)
    for k, line in enumerate(GOAL):
        text(columns[1], 62 + 15 * k, line, TEXT, 13, font)
    text(columns[2], 46, "PICK-UPS", HEAD, 12, bold)
    for k, (icon, name, effect) in enumerate(PICKUPS):
        y = 52 + 22 * k
        icon_at(columns[2], y, 20, icons, icon)
        text(columns[2] + 27, y + 15, name, KEY, 13, bold)
        text(columns[2] + 74, y + 15, effect, TEXT, 13, font)
    text(columns[3], 46, "ENEMIES", HEAD, 12, bold)
    y = 52
    for icon, name, lines in ENEMIES:
        icon_at(columns[3], y + 2, 26, icons, icon)
        text(columns[3] + 33, y + 13, name, KEY, 13, bold)
        for k, line in enumerate(lines):
            text(columns[3] + 33, y + 28 + 15 * k, line, TEXT, 13, font)
        y += 24 + 15 * len(lines)


def main():
    cmd, args = sys.argv[1], sys.argv[2:]
    if cmd == "star":
        vals = [float(a) for a in args]
        star(vals[0], vals[1], vals[2], vals[3], int(vals[4]), *(vals[5:6] or [-90.0]))
    elif cmd == "gear":
        a = [float(v) for v in args]
        gear(a[0], a[1], a[2], a[3], int(a[4]))
    elif cmd == "blob":
        a = [float(v) for v in args]
        blob(a[0], a[1], a[2], int(a[3]), int(a[4]))
    elif cmd == "sky":
        sky(int(args[0]), int(args[1]), int(args[2]), int(args[3]))
    elif cmd == "grid":
        grid(int(args[0]), int(args[1]), int(args[2]), int(args[3]))
    elif cmd == "maze":
        maze(int(args[0]), int(args[1]), args[2], int(args[3]))
    elif cmd == "howto":
        howto(args[0], args[1], args[2])
    else:
        sys.exit("unknown command " + cmd)


if __name__ == "__main__":
    main()
