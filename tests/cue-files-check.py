#!/usr/bin/python3
"""The verdict cues in assets/ are 16-bit PCM that begins and ends on a zero sample and never
clicks: no sample leaves the line through its neighbours by a twentieth of the peak, and none
in the first or the last hundredth of the sound reaches half the peak, so it swells and fades.
Usage: cue-files-check.py <assets-dir>"""
import array, glob, os, sys, wave

paths = sorted(glob.glob(os.path.join(sys.argv[1], "cue-*.wav")))
if not paths:
    sys.exit("no cue-*.wav in " + sys.argv[1])
failed = False
for path in paths:
    with wave.open(path) as file:  # reads nothing but integer PCM
        problems = [] if file.getsampwidth() == 2 else ["not 16-bit"]
        s = array.array("h", file.readframes(file.getnframes()))
    peak = max(map(abs, s))
    sounding = [i for i, v in enumerate(s) if v]
    first, last = sounding[0], sounding[-1]
    edge = (last - first) // 100
    if s[0] or s[-1]:
        problems.append("does not begin and end on zero")
    if max(abs(s[i - 1] - 2 * s[i] + s[i + 1]) for i in range(1, len(s) - 1)) > peak / 20:
        problems.append("has a click")
    if max(map(abs, s[first : first + edge] + s[last - edge : last + 1])) >= peak / 2:
        problems.append("starts or stops abruptly")
    print(os.path.basename(path) + ":", ", ".join(problems) or "ok")
    failed = failed or bool(problems)
sys.exit(1 if failed else 0)
