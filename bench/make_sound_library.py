#!/usr/bin/env python3
"""Makes a sound library of the size a large collection reaches, for library_scale_bench.

Usage: bench/make_sound_library.py DIR [--kits N]

Writes ten short drum sounds of their own lengths, rates and channels (a kick of 0.4 s, a hat of
0.08 s, a crash of 1.5 s in stereo at 48 kHz, ...) into DIR/sources, and fills the library folder
DIR/Library with hard links to them under the names a drum musician's folders hold:
"Kit 042/Claps/bright clap 03.wav". Each
kit has ten folders of a hundred sounds, so the default 100 kits make 100,000 files in 1,000
folders, costing the disk only the ten sounds. An index scans each link as a file of its own and
analyses it by reading it. DIR must not exist yet.
"""
import argparse
import math
import os
import random
import struct
import wave

# Each folder of a kit: the sound its files are links to, its length in seconds, rate, channels.
FOLDERS = [
    ("Kicks", "kick", 0.4, 44100, 1),
    ("Snares", "snare", 0.25, 44100, 1),
    ("Claps", "clap", 0.3, 44100, 1),
    ("Hats", "hat", 0.08, 44100, 1),
    ("Open Hats", "open hat", 0.6, 44100, 1),
    ("Toms", "tom", 0.5, 48000, 1),
    ("Rims", "rim", 0.05, 44100, 1),
    ("Crashes", "crash", 1.5, 48000, 2),
    ("Rides", "ride", 1.2, 48000, 2),
    ("Percussion", "shaker", 0.2, 44100, 2),
]
WORDS = ["bright", "dark", "deep", "tight", "dry", "room", "vinyl", "punchy", "soft", "crushed"]


def write_sound(path, seconds, rate, channels, kind, seed):
    """A decaying hit: a falling sine for the low drums, noise for the rest, after a short lead-in."""
    noise = random.Random(seed)
    frames = int(seconds * rate)
    lead_in = int(0.004 * rate)
    low = kind in ("kick", "tom")
    samples = bytearray()
    for frame in range(frames):
        t = max(0, frame - lead_in) / rate
        envelope = 0.0 if frame < lead_in else math.exp(-t * (8.0 if low else 14.0 / max(seconds, 0.1)))
        if low:
            value = math.sin(2 * math.pi * (55 + 90 * math.exp(-t * 30)) * t)
        else:
            value = noise.uniform(-1.0, 1.0)
        sample = int(max(-1.0, min(1.0, 0.8 * envelope * value)) * 32767)
        samples += struct.pack("<h", sample) * channels
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(samples))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("--kits", type=int, default=100)
    arguments = parser.parse_args()
    root = arguments.folder
    sources = os.path.join(root, "sources")
    os.makedirs(sources)
    library = os.path.join(root, "Library")
    for index, (folder, kind, seconds, rate, channels) in enumerate(FOLDERS):
        write_sound(os.path.join(sources, kind + ".wav"), seconds, rate, channels, kind, index)
    files = 0
    for kit in range(arguments.kits):
        for folder, kind, *_ in FOLDERS:
            made = os.path.join(library, "Kit %03d" % kit, folder)
            os.makedirs(made)
            source = os.path.join(sources, kind + ".wav")
            for number in range(100):
                name = "%s %s %02d.wav" % (WORDS[number // 10], kind, number % 10)
                os.link(source, os.path.join(made, name))
                files += 1
    print("%d files in %d folders under %s" % (files, arguments.kits * len(FOLDERS), library))


if __name__ == "__main__":
    main()
