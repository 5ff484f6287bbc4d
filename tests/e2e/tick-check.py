#!/usr/bin/env python3
"""tick-check.py <recording> <tick wave> <first sample>: finds the sounds of a recording (raw
16-bit mono, 11025 Hz) from the sample on and tells which are the tick heard whole. Prints
"<whole ticks> <other sounds> <last loud sample>", then a line for each other sound."""
import array, math, operator, sys, wave

WINDOW, LOUD = 55, 1500  # 5 ms; a tick starts far louder
dot = lambda a, b: math.fsum(map(operator.mul, a, b))
with wave.open(sys.argv[2]) as source:  # 8-bit unsigned, widened as the game does
    tick = [(byte - 128) * 256 for byte in source.readframes(source.getnframes())]
while dot(tick[-WINDOW:], tick[-WINDOW:]) * 10000 < dot(tick[:WINDOW], tick[:WINDOW]):
    tick = tick[:-WINDOW]  # up to its last audible 5 ms: the ticks of a move may overlap there
heard, size = array.array("h", open(sys.argv[1], "rb").read()), len(tick)
match = lambda at: dot(heard[at:at + size], tick) / (1 + dot(heard[at:at + size], heard[at:at + size])) ** 0.5

def worst_window(part):  # leftover of the best-scaled tick against its energy there (or its loudest's / 100)
    gain, floor = dot(part, tick) / dot(tick, tick), dot(tick[:WINDOW], tick[:WINDOW]) / 100
    return max(math.fsum((h - gain * t) ** 2 for h, t in zip(part[at:at + WINDOW], tick[at:at + WINDOW]))
               / gain ** 2 / max(dot(tick[at:at + WINDOW], tick[at:at + WINDOW]), floor) for at in range(0, size, WINDOW))

ticks, others, last, at = 0, [], -1, int(sys.argv[3])
while at < len(heard):
    if abs(heard[at]) < LOUD:
        at += 1
        continue
    if (last := at) + size > len(heard):
        break
    start = at  # a tick starts loud: line it up where it matches best around the sound's start
    while start > at - 2 * WINDOW and abs(heard[start - 1]) > 100:
        start -= 1
    start = max(range(start - 5, start + 6), key=match)
    if (worst := worst_window(heard[start:start + size])) < 0.25:
        ticks, at = ticks + 1, start + size
        continue
    others.append(f"the sound at {start / 11025:.3f} s is no whole tick ({100 * worst:.0f} % off)")
    quiet = 0  # past the rest of it, to 20 ms of quiet
    while at < len(heard) and quiet < 4 * WINDOW:
        quiet, last, at = (quiet + 1, last, at + 1) if abs(heard[at]) < LOUD / 5 else (0, at, at + 1)
print(ticks, len(others), last)
print(*others, sep="\n")
