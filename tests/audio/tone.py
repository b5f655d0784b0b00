"""Says whether a recording of 16-bit mono samples holds one tone and never another.

The recording is looked at a tenth of a second at a time, so that sounds started at any moment
are each heard whole: the tone must fill at least three tenths, and the other none.

Usage: tone.py RECORDING RATE EXPECTED_HZ OTHER_HZ
"""
import math
import struct
import sys

LOUD = 1000  # of the 32,767 a sample can reach


def amplitude(samples, rate, hertz):
    """The amplitude of the samples' component at the given frequency (Goertzel)."""
    coefficient = 2 * math.cos(2 * math.pi * hertz / rate)
    previous = before = 0.0
    for sample in samples:
        previous, before = sample + coefficient * previous - before, previous
    power = previous * previous + before * before - coefficient * previous * before
    return 2 * math.sqrt(max(power, 0.0)) / max(len(samples), 1)


def main():
    path, rate = sys.argv[1], int(sys.argv[2])
    expected, other = float(sys.argv[3]), float(sys.argv[4])
    with open(path, "rb") as recording:
        data = recording.read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    tenth = rate // 10
    heard = not_meant = 0
    for start in range(0, len(samples) - tenth + 1, tenth):
        block = samples[start : start + tenth]
        tone, wrong = amplitude(block, rate, expected), amplitude(block, rate, other)
        heard += tone >= LOUD and tone >= 5 * wrong
        not_meant += wrong >= LOUD
    print("%.2f s recorded: %g Hz in %d tenths of a second, %g Hz in %d"
          % (len(samples) / rate, expected, heard, other, not_meant))
    if heard < 3 or not_meant > 0:
        print("The recording does not hold the %g Hz tone alone." % expected)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
