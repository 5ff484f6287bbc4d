#!/usr/bin/env python3
"""tick-check.py <recording> <tick wave> <first sample>: finds the sounds of a recording (raw
16-bit mono, 11025 Hz) from the sample on and tells which are the tick heard whole; a tick that a
louder sound cut in its first half was replaced by it, and is neither. Prints, one a line, the
whole ticks, the other sounds, the last loud sample and what each other sound is."""
import array, itertools, math, operator, sys, wave

WINDOW, LOUD = 55, 1500  # 5 ms; a tick starts far louder
dot = lambda a, b: math.fsum(map(operator.mul, a, b))
with wave.open(sys.argv[2]) as source:  # 8-bit unsigned, widened as the game does
    tick = [(byte - 128) * 256 for byte in source.readframes(source.getnframes())]
while dot(tick[-WINDOW:], tick[-WINDOW:]) * 10000 < dot(tick[:WINDOW], tick[:WINDOW]):
    tick = tick[:-WINDOW]  # up to its last audible 5 ms: the ticks of a move may overlap there
heard, size = array.array("h", open(sys.argv[1], "rb").read()), len(tick)
peak = list(itertools.accumulate(map(abs, reversed(tick)), max))[::-1]  # the loudest from here on
match = lambda at: dot(heard[at:at + size], tick) / (1 + dot(heard[at:at + size], heard[at:at + size])) ** 0.5

def worst_window(start):  # of the leftover after taking the scaled tick away, up to a louder sound
    gain = dot(heard[start:start + WINDOW], tick[:WINDOW]) / dot(tick[:WINDOW], tick[:WINDOW])
    cut = next((k for k in range(WINDOW, size) if abs(heard[start + k]) > 1.5 * gain * peak[k] + LOUD), size)
    return cut, max(math.fsum((heard[start + k] - gain * tick[k]) ** 2 for k in range(at, at + WINDOW)) / gain ** 2
                    / max(dot(tick[at:at + WINDOW], tick[at:at + WINDOW]), dot(tick[:WINDOW], tick[:WINDOW]) / 100)
                    for at in range(0, cut - WINDOW + 1, WINDOW))

ticks, others, last, at = 0, [], -1, int(sys.argv[3])
while at < len(heard):
    if abs(heard[at]) < LOUD:
        at += 1
        continue
    if (last := at) + size > len(heard):
        break
    # A tick is loud from its sixth sample on: line it up where it matches best around there.
    cut, worst = worst_window(start := max(range(max(0, at - 15), at + 1), key=match))
    if worst < 0.25:
        ticks, at = ticks + (cut > size // 2), start + cut
        continue
    others.append(f"the sound at {start / 11025:.3f} s is no whole tick ({100 * worst:.0f} % off)")
    quiet = 0  # past the rest of it, to 20 ms of quiet
    while at < len(heard) and quiet < 4 * WINDOW:
        quiet, last, at = (quiet + 1, last, at + 1) if abs(heard[at]) < LOUD / 5 else (0, at, at + 1)
print(ticks, len(others), last, *others, sep="\n")
