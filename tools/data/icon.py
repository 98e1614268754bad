#!/usr/bin/env python3
"""Draws ORVANTE's application icon as raw RGBA pixels or as SVG.

Usage: icon.py rgba SIZE OUT     SIZE x SIZE pixels, 8-bit RGBA, no header (SIZE a multiple of 16)
       icon.py svg OUT           the same drawing as a scalable SVG (256 x 256 user units)

The icon is a small labyrinth on dark ground: a ring of eight painted floor tiles, blue and pink,
around the bare floor cell where the player stands, all of them glowing. The layout sits on a
grid of 16 units (margin 1, tile 4, gap 1), so at every size a multiple of 16 the tile edges fall
on whole pixels and the 16-pixel icon stays crisp; details that would smear at a small size (the
inlaid diamonds, the player's ring) are drawn only where they are at least a few pixels large.
Pixels are found by supersampling (each pixel is the mean of k x k hard-edged samples); the
glow is a blur of three box passes. Nothing is random, so every run gives the same output.
"""

import sys

import numpy as np

# Colours of the shipped tile pictures: base, light bevel, dark bevel, inlay, glow.
BLUE = ("#2f7cf6", "#9cc6ff", "#123a8c", "#d8e9ff", "#4f9dff")
PINK = ("#e0409f", "#ffb0e0", "#7a1050", "#ffe0f3", "#ff4fb4")
FLOOR = ("#262b38", "#343a4c", "#171a22")
GROUND_TOP, GROUND_BOTTOM, RIM = "#261c48", "#0b0916", "#5a4a9a"
PLAYER, PLAYER_CORE, PLAYER_NOTCH = "#3cc8ff", "#e6fbff", "#bff0ff"

# The ring of tiles, by (column, row) of the 3 x 3 grid: blue on the upper left, pink on the
# lower right, the player's floor cell in the middle.
TILES = [((0, 0), BLUE), ((1, 0), BLUE), ((2, 0), BLUE), ((0, 1), BLUE), ((0, 2), BLUE),
         ((2, 1), PINK), ((2, 2), PINK), ((1, 2), PINK)]


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


# ---------------------------------------------------------------------------------------------
# The drawing: a list of shapes in pixel units for one icon size.
#   ("poly", points, colour, opacity)
#   ("ring", cx, cy, r_in, r_out, colour, opacity)     a disc when r_in is 0
#   ("glow", sigma, opacity, colour, shapes)           the shapes blurred, in one colour
#   ("ground", size, radius)                           the dark rounded square below it all
#   ("rim", width)                                     a line inside the ground's edge


def square(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def bevelled(x, y, t, b, colours):
    """A square tile with a bevelled rim, as the shipped tile pictures draw it."""
    base, light, dark = colours[:3]
    return [("poly", square(x, y, x + t, y + t), base, 1.0),
            ("poly", [(x, y), (x + t, y), (x + t - b, y + b), (x + b, y + b), (x + b, y + t - b),
                      (x, y + t)], light, 1.0),
            ("poly", [(x + t, y + t), (x, y + t), (x + b, y + t - b), (x + t - b, y + t - b),
                      (x + t - b, y + b), (x + t, y)], dark, 1.0)]


def diamond(cx, cy, r):
    return [(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)]


def inlay(x, y, t, colours):
    """The diamond of a fixed tile, in 128ths of the tile as the tile picture draws it: radius
    34 with a dark outline, a light line on radius 22 (a little bolder, to stay visible)."""
    cx, cy, k = x + t / 2.0, y + t / 2.0, t / 128.0
    return [("poly", diamond(cx, cy, (34 + 2) * k), colours[2], 1.0),
            ("poly", diamond(cx, cy, (34 - 2) * k), colours[3], 1.0),
            ("poly", diamond(cx, cy, (22 + 2.5) * k), colours[1], 1.0),
            ("poly", diamond(cx, cy, (22 - 2.5) * k), colours[3], 1.0)]


def player(cx, cy, t, unit):
    """The player: a glowing ring with four notches; a bright dot where that would smear."""
    if unit < 2:
        dot = ("ring", cx, cy, 0.0, 1.0, PLAYER_NOTCH, 1.0)
        return [("glow", 1.0, 0.9, PLAYER, [("ring", cx, cy, 0.0, 1.2, PLAYER, 1.0)]), dot]
    r, w = 0.33 * t, max(1.0, 0.08 * t)
    ring = ("ring", cx, cy, r - w / 2, r + w / 2, PLAYER, 1.0)
    core = ("ring", cx, cy, r - w / 6, r + w / 6, PLAYER_CORE, 1.0)
    n_in, n_out, n_w = 0.25 * t, 0.44 * t, max(1.0, 0.06 * t) / 2
    notches = [("poly", square(cx - n_w, cy - n_out, cx + n_w, cy - n_in), PLAYER_NOTCH, 1.0),
               ("poly", square(cx - n_w, cy + n_in, cx + n_w, cy + n_out), PLAYER_NOTCH, 1.0),
               ("poly", square(cx - n_out, cy - n_w, cx - n_in, cy + n_w), PLAYER_NOTCH, 1.0),
               ("poly", square(cx + n_in, cy - n_w, cx + n_out, cy + n_w), PLAYER_NOTCH, 1.0)]
    return [("glow", 0.12 * t, 0.9, PLAYER, [ring] + notches), ring] + notches + [core]


def drawing(size):
    u = size / 16.0
    t = 4 * u                         # tile edge
    # Bevel as on the fixed tiles, at least a pixel; at 16 pixels a whole pixel would take half
    # the tile, so there it is half a pixel: a lighter top and left edge, a darker bottom and right.
    b = 0.5 if u < 2 else max(1.0, 0.094 * t)
    glow = 0.75 if u >= 2 else 0.5    # keep the gaps between the small tiles dark

    def cell(k):                      # left or top edge of a grid column or row
        return u + k * 5 * u

    shapes = [("ground", size, 2.5 * u)]
    for group in (BLUE, PINK):
        squares = [("poly", square(cell(i), cell(j), cell(i) + t, cell(j) + t), group[4], 1.0)
                   for (i, j), colours in TILES if colours is group]
        shapes.append(("glow", 0.8 * u, glow, group[4], squares))
    shapes.append(("rim", max(1.0, size / 64.0)))
    shapes += bevelled(cell(1), cell(1), t, b, FLOOR)
    for (i, j), colours in TILES:
        shapes += bevelled(cell(i), cell(j), t, b, colours)
        if u >= 3:
            shapes += inlay(cell(i), cell(j), t, colours)
    shapes += player(cell(1) + t / 2, cell(1) + t / 2, t, u)
    return shapes


# ---------------------------------------------------------------------------------------------
# Raster output


def inside_poly(xs, ys, pts):
    """Even-odd test of every sample against a polygon."""
    hit = np.zeros(xs.shape, dtype=bool)
    for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
        if y0 == y1:
            continue
        crosses = (ys >= min(y0, y1)) & (ys < max(y0, y1))
        x_at = x0 + (ys - y0) * (x1 - x0) / (y1 - y0)
        hit ^= crosses & (xs < x_at)
    return hit


def coverage(shape, xs, ys):
    if shape[0] == "poly":
        return inside_poly(xs, ys, shape[1]).astype(float)
    _, cx, cy, r_in, r_out = shape[:5]
    d2 = (xs - cx) ** 2 + (ys - cy) ** 2
    return ((d2 <= r_out * r_out) & (d2 >= r_in * r_in)).astype(float)


def box_blur(a, radius, axis):
    """Mean over 2 * radius + 1 samples along one axis, with zeros beyond the edge."""
    pad = [(0, 0)] * a.ndim
    pad[axis] = (radius + 1, radius)
    c = np.cumsum(np.pad(a, pad), axis=axis)
    n = a.shape[axis]
    hi = np.take(c, np.arange(2 * radius + 1, 2 * radius + 1 + n), axis=axis)
    lo = np.take(c, np.arange(0, n), axis=axis)
    return (hi - lo) / (2 * radius + 1)


def blur(a, sigma):
    # Three box passes of width w approximate a Gaussian of variance 3 (w^2 - 1) / 12.
    radius = max(1, int(round((np.sqrt(4 * sigma * sigma + 1) - 1) / 2)))
    for axis in (0, 1):
        for _ in range(3):
            a = box_blur(a, radius, axis)
    return a


def render(size):
    k = max(4, min(16, 1024 // size))             # samples per pixel edge
    n = size * k
    coords = (np.arange(n) + 0.5) / k
    xs, ys = np.meshgrid(coords, coords)
    colour = np.zeros((n, n, 3))
    alpha = np.zeros((n, n))

    def paint(cov, col, opacity):
        a = (cov * opacity)[..., None]
        colour[:] = colour * (1 - a) + np.array(rgb(col)) * a

    for shape in drawing(size):
        kind = shape[0]
        if kind == "ground":
            _, s, r = shape
            # Rounded square by its distance field.
            qx = np.maximum(np.abs(xs - s / 2) - (s / 2 - r), 0)
            qy = np.maximum(np.abs(ys - s / 2) - (s / 2 - r), 0)
            inner = np.maximum(np.abs(xs - s / 2), np.abs(ys - s / 2)) - (s / 2 - r)
            dist = np.hypot(qx, qy) + np.minimum(inner, 0) - r
            alpha[:] = dist <= 0
            f = (ys / s)[..., None]
            colour[:] = np.array(rgb(GROUND_TOP)) * (1 - f) + np.array(rgb(GROUND_BOTTOM)) * f
        elif kind == "rim":
            paint((dist > -shape[1]).astype(float), RIM, 0.8)
        elif kind == "glow":
            _, sigma, opacity, col, parts = shape
            cov = np.zeros((n, n))
            for part in parts:
                cov = np.maximum(cov, coverage(part, xs, ys))
            paint(blur(cov, sigma * k), col, opacity)
        else:
            paint(coverage(shape, xs, ys), shape[-2], shape[-1])

    # Mean of each k x k block, premultiplied by coverage so the rounded edge stays clean.
    pre = np.concatenate([colour * alpha[..., None], alpha[..., None]], axis=2)
    pix = pre.reshape(size, k, size, k, 4).mean(axis=(1, 3))
    a = pix[..., 3:]
    out = np.where(a > 0, pix[..., :3] / np.maximum(a, 1e-9), 0)
    rgba = np.concatenate([out, a], axis=2)
    return np.clip(np.round(rgba * 255), 0, 255).astype(np.uint8)


# ---------------------------------------------------------------------------------------------
# SVG output


def svg():
    size = 256
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
           % (size, size, size, size),
           '  <title>ORVANTE</title>', '  <defs>']
    body = []
    blurs = []
    pts = lambda p: " ".join("%g,%g" % q for q in p)

    def element(shape, indent="  "):
        if shape[0] == "poly":
            op = "" if shape[3] == 1.0 else ' fill-opacity="%g"' % shape[3]
            return '%s<polygon points="%s" fill="%s"%s/>' % (indent, pts(shape[1]), shape[2], op)
        _, cx, cy, r_in, r_out, col, _ = shape
        if r_in == 0:
            return '%s<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (indent, cx, cy, r_out, col)
        return ('%s<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="%g"/>'
                % (indent, cx, cy, (r_in + r_out) / 2, col, r_out - r_in))

    for shape in drawing(size):
        if shape[0] == "ground":
            _, s, r = shape
            out += ['    <linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">',
                    '      <stop offset="0" stop-color="%s"/>' % GROUND_TOP,
                    '      <stop offset="1" stop-color="%s"/>' % GROUND_BOTTOM,
                    '    </linearGradient>',
                    '    <clipPath id="plate"><rect width="%g" height="%g" rx="%g"/></clipPath>'
                    % (s, s, r)]
            body.append('  <rect width="%g" height="%g" rx="%g" fill="url(#ground)"/>' % (s, s, r))
        elif shape[0] == "rim":
            rim = shape[1]
            body.append('  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="none" stroke="%s"'
                        ' stroke-opacity="0.8" stroke-width="%g"/>'
                        % (rim / 2, rim / 2, s - rim, s - rim, r - rim / 2, RIM, rim))
        elif shape[0] == "glow":
            _, sigma, opacity, col, parts = shape
            name = "glow%d" % len(blurs)
            blurs.append('    <filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
                         '<feGaussianBlur stdDeviation="%g"/></filter>' % (name, sigma))
            # The glow stays on the ground, as in the raster drawing.
            body.append('  <g clip-path="url(#plate)"><g filter="url(#%s)" opacity="%g">'
                        % (name, opacity))
            body += [element(p[:2] + (col,) + p[3:] if p[0] == "poly" else p[:5] + (col, 1.0),
                             "    ") for p in parts]
            body.append("  </g></g>")
        else:
            body.append(element(shape))
    out += blurs + ["  </defs>"] + body + ["</svg>"]
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) == 4 and argv[1] == "rgba" and int(argv[2]) % 16 == 0:
        with open(argv[3], "wb") as f:
            f.write(render(int(argv[2])).tobytes())
    elif len(argv) == 3 and argv[1] == "svg":
        with open(argv[2], "w", encoding="utf-8") as f:
            f.write(svg())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
