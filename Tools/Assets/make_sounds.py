#!/usr/bin/python3
"""Synthesises the game's five wave resources into Data/Sounds:

  sound118_good.wav       118  melody for good news and a won game
  sound119_highscore.wav  119  fanfare for a new high score
  sound121_highlight.wav  121  soft blip when a list or popup entry lights up
  sound122_bad.wav        122  melody for bad news and a lost game
  sound123_click.wav      123  click of a button

16-bit PCM, mono, 22050 Hz. The tones are additive sine voices with a short
attack and an exponential decay, like a small mallet instrument; every note
fades in and out so no sound starts or stops with a click. Pure arithmetic,
no randomness, so the files come out the same on every run.
"""

import math
import os
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(ROOT, "Data", "Sounds")
RATE = 22050


def note_hz(name):
    """Frequency of a note such as "C5" or "Eb4" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semis -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12.0)


def render(events, length, harmonics=((1, 1.0), (2, 0.25), (3, 0.08)), decay=6.0, attack=0.006,
           vibrato=0.0):
    """Mixes notes (start s, frequency Hz, duration s, volume) into a buffer
    of `length` seconds."""
    n = int(length * RATE)
    buf = [0.0] * n
    for start, freq, dur, vol in events:
        first = int(start * RATE)
        count = int(dur * RATE)
        release = min(int(0.012 * RATE), count // 2)
        for i in range(count):
            k = first + i
            if k >= n:
                break
            t = i / RATE
            env = math.exp(-decay * t) * min(1.0, t / attack)
            if i >= count - release:
                env *= (count - i) / release
            f = freq * (1.0 + vibrato * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.15))
            phase = 2 * math.pi * f * t
            s = sum(a * math.sin(h * phase) for h, a in harmonics)
            buf[k] += vol * env * s
    return buf


def write_wav(name, buf, peak=0.55):
    top = max(abs(v) for v in buf) or 1.0
    scale = peak * 32767 / top
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in buf)
    path = os.path.join(OUT, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    print("wrote %s (%.2f s)" % (name, len(buf) / RATE))


def good():
    # A bright rising C major arpeggio that settles on the octave.
    notes = [("C5", 0.00, 0.16), ("E5", 0.11, 0.16), ("G5", 0.22, 0.16), ("C6", 0.33, 0.55)]
    events = [(s, note_hz(n), d, 1.0) for n, s, d in notes]
    events.append((0.33, note_hz("E5"), 0.55, 0.45))
    events.append((0.33, note_hz("G5"), 0.55, 0.35))
    return render(events, 0.92, decay=4.5)


def highscore():
    # A short fanfare: pickup, a rising call and a held major chord with a
    # gentle vibrato.
    notes = [("G4", 0.00, 0.12), ("G4", 0.13, 0.12), ("C5", 0.26, 0.20), ("E5", 0.46, 0.14),
             ("G5", 0.60, 0.14), ("E5", 0.74, 0.14), ("G5", 0.88, 0.75)]
    events = [(s, note_hz(n), d, 1.0) for n, s, d in notes]
    events += [(0.88, note_hz("C5"), 0.75, 0.5), (0.88, note_hz("E5"), 0.75, 0.4), (0.88, note_hz("C6"), 0.75, 0.3)]
    return render(events, 1.66, harmonics=((1, 1.0), (2, 0.35), (3, 0.15), (4, 0.05)), decay=2.2,
                  vibrato=0.004)


def bad():
    # A falling minor figure, darker and slower, ending low.
    notes = [("G4", 0.00, 0.24), ("Eb4", 0.22, 0.24), ("C4", 0.44, 0.60)]
    events = [(s, note_hz(n), d, 1.0) for n, s, d in notes]
    events.append((0.44, note_hz("G3"), 0.60, 0.5))
    return render(events, 1.06, harmonics=((1, 1.0), (3, 0.18), (5, 0.06)), decay=3.0)


def highlight():
    # A soft, very short high blip.
    return render([(0.0, note_hz("A6"), 0.045, 1.0)], 0.05, harmonics=((1, 1.0),), decay=60.0, attack=0.002)


def click():
    # A crisp tick: a fast-decaying high tone over a lower body.
    events = [(0.0, 2600.0, 0.018, 1.0), (0.0, 900.0, 0.018, 0.6)]
    return render(events, 0.02, harmonics=((1, 1.0),), decay=260.0, attack=0.0008)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_wav("sound118_good.wav", good())
    write_wav("sound119_highscore.wav", highscore())
    write_wav("sound121_highlight.wav", highlight(), peak=0.35)
    write_wav("sound122_bad.wav", bad())
    write_wav("sound123_click.wav", click(), peak=0.45)


if __name__ == "__main__":
    main()
