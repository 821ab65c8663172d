"""Reads bank files written by zylox with an independent MIDI file parser (mido).

Usage: mido_crosscheck.py ZYLOX_PROGRAM
"""
import subprocess
import sys
import tempfile
from pathlib import Path

import mido

DEVICE_NAME = "Tarvo ZYLOX 515"
# Absolute ticks of a sound bank's four messages in a first track, and of its end of track.
FIRST_TRACK_TIMES = [96, 96 + 289, 96 + 289 + 2161, 96 + 289 + 2161 + 289]
FIRST_TRACK_END = FIRST_TRACK_TIMES[-1] + 2017


def zylox(folder, *arguments):
    return subprocess.run([sys.argv[1], *arguments], cwd=folder, check=True, capture_output=True,
                          text=True, encoding="latin-1").stdout


def dump(folder, row):
    """The bank's four messages for channel 0, as zylox dump writes them."""
    zylox(folder, "dump", "--bank", str(row), "-o", f"{row}.syx")
    data = (folder / f"{row}.syx").read_bytes()
    ends = [i + 1 for i, byte in enumerate(data) if byte == 0xF7]
    return [data[start:end] for start, end in zip([0] + ends, ends)]


def check_track(track, names, messages, label):
    """Returns the absolute ticks of the track's System Exclusive messages and of its end."""
    times, time = [], 0
    for message in track:
        time += message.time
        times.append(time)
    metas = track[:3]
    assert [m.type for m in metas] == ["track_name", "instrument_name", "sequencer_specific"], (label, metas)
    assert times[:3] == [0, 0, 0] and (metas[0].name, metas[1].name) == (names[0], DEVICE_NAME), (label, metas)
    slots = b"".join(name.encode("latin-1") + b"\0" for name in names[1:])
    assert bytes(metas[2].data) == b"\x31\x00\x59\x00" + slots, label
    assert [m.type for m in track[3:]] == ["sysex"] * 4 + ["end_of_track"], (label, track[3:])
    assert [bytes(m.bytes()) for m in track[3:7]] == messages, label
    return times[3:7], times[7]


def main():
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        zylox(folder, "rename", "--bank", "4", "Dry Kit", "-o", "dry.mid")
        zylox(folder, "rename", "--bank", "4", "--slot", "3", "Rim 2", "--in", "dry.mid", "-o", "s05.mid")
        zylox(folder, "save", "--all", "--in", "s05.mid", "-o", "all.mid")
        # Row, number, index, bank name, then label, name and length of each slot; row 4 as renamed above.
        names = [[fields[3]] + fields[5::3] for fields in
                 (line.split("\t") for line in zylox(folder, "info").splitlines())]
        names[4][0], names[4][4] = "Dry Kit", "Rim 2"
        dumps = [dump(folder, row) for row in range(32)]

        one = mido.MidiFile(folder / "s05.mid")
        assert (one.type, len(one.tracks), one.ticks_per_beat) == (0, 1, 24), (one.type, len(one.tracks))
        assert check_track(one.tracks[0], names[4], dumps[4], "s05") == (FIRST_TRACK_TIMES, FIRST_TRACK_END)

        every = mido.MidiFile(folder / "all.mid")
        assert (every.type, len(every.tracks), every.ticks_per_beat) == (1, 32, 24)
        previous_end = 0
        for row, track in enumerate(every.tracks):
            times, end = check_track(track, names[row], dumps[row], f"track {row}")
            if row == 0:
                assert (times, end) == (FIRST_TRACK_TIMES, FIRST_TRACK_END), (times, end)
            else:
                # Every track continues the file's one time line where the previous one ended.
                assert times[0] == previous_end, (row, times[0], previous_end)
            previous_end = end
        assert every.tracks[1][3].time == 4852
    print("mido read the bank files zylox wrote as written")


if __name__ == "__main__":
    main()
