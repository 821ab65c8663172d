"""Reads bank files written by this project with an independent MIDI file parser (mido).

Usage: mido_crosscheck.py WRITE_BANK_FILES_PROGRAM
"""
import subprocess
import sys
import tempfile
from pathlib import Path

import mido

DEVICE_NAME = "Tarvo ZYLOX 515"
# Absolute ticks of a sound bank's four messages and its end of track in the first track.
FIRST_TRACK_TIMES = [96, 96 + 289, 96 + 289 + 2161, 96 + 289 + 2161 + 289]
FIRST_TRACK_END = 4852


def split_dumps(path):
    data = Path(path).read_bytes()
    messages, start = [], 0
    while start < len(data):
        end = data.index(0xF7, start) + 1
        messages.append(data[start:end])
        start = end
    return [messages[i:i + 4] for i in range(0, len(messages), 4)]


def read_names(path):
    return [line.split("\t") for line in Path(path).read_text(encoding="latin-1").splitlines()]


def check_track(track, names, dump, label):
    time = 0
    timed = []
    for message in track:
        time += message.time
        timed.append((time, message))
    metas = [m for _, m in timed[:3]]
    assert [m.type for m in metas] == ["track_name", "instrument_name", "sequencer_specific"], (label, metas)
    assert all(t == 0 for t, _ in timed[:3]), label
    assert metas[0].name == names[0], (label, metas[0].name, names[0])
    assert metas[1].name == DEVICE_NAME, label
    expected_slots = [0x31, 0x00, 0x59, 0x00]
    for slot_name in names[1:]:
        expected_slots += list(slot_name.encode("latin-1")) + [0]
    assert list(metas[2].data) == expected_slots, label
    sysex = [(t, m) for t, m in timed[3:] if m.type == "sysex"]
    assert len(sysex) == 4 and len(timed) == 8, (label, len(sysex), len(timed))
    for (_, message), expected in zip(sysex, dump):
        assert bytes(message.bytes()) == expected, label
    assert timed[-1][1].type == "end_of_track", label
    return [t for t, _ in sysex], timed[-1][0]


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        folder = Path(folder)

        one = mido.MidiFile(folder / "s05.mid")
        assert one.type == 0 and len(one.tracks) == 1 and one.ticks_per_beat == 24, (one.type, len(one.tracks))
        times, end = check_track(one.tracks[0], read_names(folder / "s05.txt")[0],
                                 split_dumps(folder / "s05.syx")[0], "s05")
        assert times == FIRST_TRACK_TIMES and end == FIRST_TRACK_END, (times, end)

        every = mido.MidiFile(folder / "all.mid")
        assert every.type == 1 and len(every.tracks) == 32 and every.ticks_per_beat == 24
        names = read_names(folder / "all.txt")
        dumps = split_dumps(folder / "all.syx")
        previous_end = 0
        for index, track in enumerate(every.tracks):
            times, end = check_track(track, names[index], dumps[index], f"track {index}")
            if index == 0:
                assert times == FIRST_TRACK_TIMES and end == FIRST_TRACK_END, (times, end)
            else:
                # Every track continues the file's one time line where the previous one ended.
                assert times[0] == previous_end, (index, times[0], previous_end)
            previous_end = end
        assert every.tracks[1][3].time == 4852
    print("mido read both bank files as written")


if __name__ == "__main__":
    main()
