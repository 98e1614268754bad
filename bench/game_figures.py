#!/usr/bin/env python3
"""Figures of the running game in an X server, measured from outside the process.

    xvfb-run -a -s "-screen 0 1280x1024x24" bench/game_figures.py build/release/orvante data

Runs the game on a scratch copy of the data folder and prints: start to the first picture
(the first intro page), the process's CPU share on the title screen and in play (utime + stime
of /proc/PID/stat over 30 s each), and the time from the START key press (P) to the first
frame of play. With --mapsize N the levels are N + 1 cells square (MAPSIZE N, and a base file twice
that size), which makes the build behind that key press larger. --fullscreen starts the game
fullscreen (letterboxed on the X screen) and --scaling smooth|sharp chooses how the picture is
scaled there (written to a scratch settings file; the player's own is not read). --renderer
software|gpu is handed to the game (a binary without that option leaves it out). Times of pictures come from the game's own stderr
lines under ORV_TRACE_PRESENTS; a binary without them still gives the CPU shares.
"""
import argparse
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time

INTRO_S = 13  # the intro holds its pages 6 + 3 + 2 s; the title menu follows


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime (fields 14 and 15)


def cpu_share(pid, seconds):
    start = cpu_ticks(pid)
    time.sleep(seconds)
    return (cpu_ticks(pid) - start) / os.sysconf("SC_CLK_TCK") / seconds


def press(key):
    subprocess.run(["xdotool", "keydown", key], check=True)
    time.sleep(0.1)
    subprocess.run(["xdotool", "keyup", key], check=True)


def scratch_data(data, mapsize):
    folder = tempfile.mkdtemp(prefix="orv_figures_")
    shutil.copytree(data, folder, dirs_exist_ok=True)
    if mapsize is not None:
        ini = os.path.join(folder, "DATA", "ini.txt")
        with open(ini, "rb") as f:
            lines = f.read().split(b"\r\n")
        lines[lines.index(b"MAPSIZE") + 1] = str(mapsize).encode()
        with open(ini, "wb") as f:
            f.write(b"\r\n".join(lines))
        # A generated level's sides are drawn from the base file's sides and fall back to
        # MAPSIZE when the draw is larger: a base twice MAPSIZE makes every level MAPSIZE + 1
        # cells square.
        base = os.path.join(folder, "DATA", "LEVELS", "BASE.ai42")
        with open(base, "rb") as f:
            rows = f.read().split(b"\r\n")
        rows[1] = rows[2] = str(2 * mapsize).encode()
        with open(base, "wb") as f:
            f.write(b"\r\n".join(rows))
    return folder


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("data")
    parser.add_argument("--mapsize", type=int)
    parser.add_argument("--seconds", type=int, default=30)
    parser.add_argument("--fullscreen", action="store_true")
    parser.add_argument("--scaling", choices=["smooth", "sharp"], default="smooth")
    parser.add_argument("--renderer", choices=["software", "gpu"])
    args = parser.parse_args()
    folder = scratch_data(args.data, args.mapsize)
    config = tempfile.mkdtemp(prefix="orv_figures_config_")
    os.makedirs(os.path.join(config, "orvante"))
    with open(os.path.join(config, "orvante", "settings.txt"), "w") as f:
        f.write(f"SCALING\n{args.scaling.upper()}\n")
    env = dict(os.environ, ORV_TRACE_PRESENTS="1", XDG_CONFIG_HOME=config)
    command = [os.path.abspath(args.binary)] + (["--fullscreen"] if args.fullscreen else [])
    if args.renderer:
        command += ["--renderer", args.renderer]
    pictures = []  # (monotonic ns, "frame", "progress" or "progress-left-out")

    def read(stream):
        for line in stream:
            parts = line.split()
            if len(parts) == 3 and parts[0] == "present":
                pictures.append((int(parts[1]), parts[2]))

    started = time.monotonic_ns()
    game = subprocess.Popen(command, cwd=folder, env=env,
                            stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True)
    reader = threading.Thread(target=read, args=(game.stderr,), daemon=True)
    reader.start()
    try:
        time.sleep(INTRO_S)
        frames = [t for t, what in pictures if what == "frame"]
        if frames:
            print(f"start to first intro picture: {(frames[0] - started) / 1e6:.1f} ms")
        if args.seconds:
            print(f"CPU share, title screen, {args.seconds} s: "
                  f"{100 * cpu_share(game.pid, args.seconds):.1f} %")
        pressed = time.monotonic_ns()
        press("p")
        time.sleep(3)
        after = [(t, what) for t, what in pictures if t > pressed]
        steps = [t for t, what in after if what.startswith("progress")]
        if steps:
            first = min(t for t, what in after if t > steps[-1] and what == "frame")
            print(f"P key press to first play frame: {(first - pressed) / 1e6:.0f} ms "
                  f"(the build's {len(steps)} progress steps from {(steps[0] - pressed) / 1e6:.0f}"
                  f" to {(steps[-1] - pressed) / 1e6:.0f} ms)")
            if os.environ.get("ORV_FIGURES_TIMELINE"):
                for t, what in after[:200]:
                    print(f"  {(t - pressed) / 1e6:8.1f} ms {what}")
        if args.seconds:
            print(f"CPU share, play, {args.seconds} s: "
                  f"{100 * cpu_share(game.pid, args.seconds):.1f} %")
    finally:
        game.send_signal(signal.SIGKILL)
        game.wait()
        shutil.rmtree(folder, ignore_errors=True)
        shutil.rmtree(config, ignore_errors=True)


if __name__ == "__main__":
    main()
