#!/usr/bin/python3
"""Finds the tone in a screenshot of CubicSDR (an 8-bit PPM on stdin): the
warmest column (red minus blue) of the waterfall's newest rows must stand
out and lie where +100 kHz is on the default 2 MHz wide display."""
import sys

import numpy as np

magic, width, height, _, data = sys.stdin.buffer.read().split(maxsplit=4)
assert magic == b"P6", "not an 8-bit PPM"
image = np.frombuffer(data, np.uint8).reshape(int(height), int(width), 3).astype(int)
band = image[image.shape[0] * 50 // 100 : image.shape[0] * 55 // 100]
warmth = (band[:, :, 0] - band[:, :, 2]).mean(axis=0)
peak, median = int(warmth.argmax()), float(np.median(warmth))
print(f"CubicSDR: the tone at x={peak} of {image.shape[1]}, warmth {warmth[peak]:.0f} against a median {median:.0f}")
assert warmth[peak] - median > 100, "no tone on the waterfall"
assert 0.59 < peak / image.shape[1] < 0.64, "the tone is not 100 kHz right of the display's centre"
