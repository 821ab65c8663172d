#!/usr/bin/env python3
"""Whole-process wall times and page faults of zylox beside sox, as a user at a shell sees them.

Usage: bench/process_times.py [ZYLOX] [--runs N] [--folder DIR]

Times `zylox --version`, `zylox info` and `zylox import` of a 723 KB 16-bit stereo 44.1 kHz WAV
(4.10 s of sound) into a 32,768-byte slot of bank S05 (0.99 s at 33 kHz), beside sox making the
same slot's sound: `sox in.wav -r 33000 -c 1 -b 8 -e unsigned-integer out.raw rate 33000 trim 0
32768s`, which mixes, resamples and dithers only until the slot's 32,768 samples are made, as
zylox reads only what the slot needs. The work is alike, not the same: zylox's classic conversion
is linear interpolation and it writes a whole bank file of six slots (flushed to the disk before it
replaces the old one), sox's is band-limited and it writes the raw bytes alone. Each command runs N
times, interleaved so that a busy moment of the machine hits both; medians and the best run are
printed, with the median page faults (minor and major) of each process, which cost much of a short
process's time on a machine where they are expensive. These are measurements, not a goal: the two
programs' times compare differently from one machine to the next. Output goes to DIR (default: a
scratch folder); put DIR on tmpfs (/dev/shm) to leave the disk out.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time


def wall(command, folder):
    """The command's wall time in seconds and its page faults."""
    start = time.perf_counter()
    process = subprocess.Popen(command, cwd=folder, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise subprocess.CalledProcessError(process.returncode, command)
    return elapsed, usage.ru_minflt + usage.ru_majflt


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("zylox", nargs="?", default="build/default/cli/zylox")
    parser.add_argument("--runs", type=int, default=50)
    parser.add_argument("--folder")
    arguments = parser.parse_args()
    zylox = os.path.abspath(arguments.zylox)
    sox = shutil.which("sox")
    if sox is None:
        raise SystemExit("sox is not installed")

    with tempfile.TemporaryDirectory(dir=arguments.folder) as folder:
        # A tone fading out, which the fade ends at 180,634 frames: 722,580 bytes with the header.
        subprocess.run([sox, "-n", "-r", "44100", "-c", "2", "-b", "16", "in.wav",
                        "synth", "196608s", "sine", "110", "fade", "0", "196608s", "4"], cwd=folder, check=True)
        commands = {
            "zylox --version": [zylox, "--version"],
            "zylox info": [zylox, "info"],
            "zylox import": [zylox, "import", "--bank", "S05", "--slot", "4", "in.wav", "-o", "out.mid"],
            "sox (the slot's sound)": [sox, "in.wav", "-r", "33000", "-c", "1", "-b", "8",
                                       "-e", "unsigned-integer", "out.raw", "rate", "33000", "trim", "0", "32768s"],
        }
        times = {name: [] for name in commands}
        faults = {name: [] for name in commands}
        for name, command in commands.items():
            wall(command, folder)  # page cache and dynamic loader warmed alike
        for _ in range(arguments.runs):
            for name, command in commands.items():
                elapsed, count = wall(command, folder)
                times[name].append(elapsed)
                faults[name].append(count)

    print(f"{'command':28} {'median ms':>10} {'best ms':>8} {'faults':>7}   ({arguments.runs} runs each)")
    for name, runs in times.items():
        print(f"{name:28} {statistics.median(runs) * 1000:10.2f} {min(runs) * 1000:8.2f} "
              f"{statistics.median(faults[name]):7.0f}")


if __name__ == "__main__":
    main()
