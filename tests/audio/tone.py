"""Says whether a recording of 16-bit mono samples holds one tone and not another.

Usage: tone.py RECORDING RATE EXPECTED_HZ OTHER_HZ
"""
import math
import struct
import sys


def amplitude(samples, rate, hertz):
    """The amplitude of the samples' component at the given frequency (Goertzel)."""
    coefficient = 2 * math.cos(2 * math.pi * hertz / rate)
    previous = before = 0.0
    for sample in samples:
        previous, before = sample + coefficient * previous - before, previous
    power = previous * previous + before * before - coefficient * previous * before
    return 2 * math.sqrt(max(power, 0.0)) / max(len(samples), 1)


def main():
    path, rate, expected, other = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
    with open(path, "rb") as recording:
        data = recording.read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    heard, not_meant = amplitude(samples, rate, expected), amplitude(samples, rate, other)
    print("%.2f s recorded: %.0f at %g Hz, %.0f at %g Hz"
          % (len(samples) / rate, heard, expected, not_meant, other))
    if heard < 500 or heard < 5 * not_meant:
        print("The recording does not hold the %g Hz tone." % expected)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
