"""Writes the damaged and oversized sound files the benchmark puts in a copy of the program folder:

  fault_files.py long-wav <path>       a valid 8-bit mono WAV at 4000 Hz of 16 MiB in all (some 70 minutes)
  fault_files.py damaged-tune <path>   32 bytes: a header of one track, then no track where one should be
  fault_files.py flood-tune <path>     a valid format-0 tune of a million note-ons, all at tick 0
"""
import struct, sys, wave


def long_wav(path):
    # A 400 Hz tone, ten samples a period, unsigned as 8-bit WAV samples are.
    period = bytes([128, 203, 249, 249, 203, 128, 53, 7, 7, 53])
    size = (16 << 20) - 44  # less the header, as large as a sound file may be
    data = (period * (size // len(period) + 1))[:size]
    with wave.open(path, 'wb') as w:
        w.setnchannels(1); w.setsampwidth(1); w.setframerate(4000)
        w.writeframes(data)


def damaged_tune(path):
    header = b'MThd' + struct.pack('>IHHH', 6, 0, 1, 0)
    rest = bytes([0, 0, 1]) + b'\xff' * 7 + bytes([0xef, 3, 0, 0]) + b'\xff' * 4
    open(path, 'wb').write(header + rest)


def flood_tune(path):
    # The first note-on names its status; the rest run on under it, three bytes each.
    notes = bytearray([0, 0x90, 60, 100])
    for i in range(1, 1_000_000):
        notes += bytes([0, 36 + i % 60, 100])
    notes += bytes([0, 0xff, 0x2f, 0])
    data = b'MThd' + struct.pack('>IHHH', 6, 0, 1, 96) + b'MTrk' + struct.pack('>I', len(notes)) + notes
    assert len(data) < 4 << 20
    open(path, 'wb').write(data)


{'long-wav': long_wav, 'damaged-tune': damaged_tune, 'flood-tune': flood_tune}[sys.argv[1]](sys.argv[2])
