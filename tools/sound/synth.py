"""Building blocks of every sound: oscillators, noise, envelopes, filters and
the WAV writer.

A sound is a plain list of floats in -1..1 at RATE samples a second. Noise
comes from random.Random seeded with a checksum of a name, never from the
clock or Python's salted hash(), so every run writes the same bytes.
"""
import array
import io
import math
import operator
import random
import sys
import wave
import zlib

# The sound system mixes at this rate; files at the same rate load without resampling.
RATE = 22050
TAU = 2.0 * math.pi
# Every sound fades in and out over at least this long: a jump from or to
# silence is heard as a click.
MIN_FADE = 0.003


def frames(seconds):
    return int(round(seconds * RATE))


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def rng(name):
    """A generator seeded from a name, identical on every run and machine."""
    return random.Random(zlib.crc32(name.encode("utf-8")))


# ---------------------------------------------------------------- pitch paths

def steady(hz, n):
    return [hz] * n


def sweep(start_hz, end_hz, n, shape=1.0):
    """Exponential glide (even steps in pitch); shape > 1 lingers at the start."""
    if n <= 1:
        return [start_hz] * n
    ratio = end_hz / start_hz
    return [start_hz * ratio ** ((i / (n - 1)) ** shape) for i in range(n)]


def steps(pitches_hz, step_seconds, n):
    """Pitch held for step_seconds at each entry of pitches_hz in turn, cycling."""
    step = max(1, frames(step_seconds))
    return [pitches_hz[(i // step) % len(pitches_hz)] for i in range(n)]


def wobble(path, depth_semitones, rate_hz, delay=0.0):
    """Vibrato over a pitch path; it fades in over `delay` seconds."""
    ramp = max(1, frames(delay))
    out = []
    for i, hz in enumerate(path):
        depth = depth_semitones * min(1.0, i / ramp)
        out.append(hz * 2.0 ** (depth * math.sin(TAU * rate_hz * i / RATE) / 12.0))
    return out


# ---------------------------------------------------------------- oscillators

def _blep(t, dt):
    """Polynomial band-limited step: rounds off the corner of a square or saw
    so high notes do not fold back as harsh aliases."""
    if t < dt:
        t /= dt
        return t + t - t * t - 1.0
    if t > 1.0 - dt:
        t = (t - 1.0) / dt
        return t * t + t + t + 1.0
    return 0.0


def oscillate(kind, path, duty=0.5):
    """One waveform following the pitch path (Hz per sample). kind is square,
    triangle, saw or sine; duty (a number or a per-sample list) shapes the
    square. Every wave is centred on zero and starts at phase 0."""
    duties = duty if isinstance(duty, list) else None
    out = []
    phase = 0.0
    blep = _blep
    for i, hz in enumerate(path):
        dt = hz / RATE
        if kind == "square":
            d = duties[i] if duties else duty
            v = (1.0 if phase < d else -1.0) + blep(phase, dt) - blep((phase - d) % 1.0, dt)
            v -= 2.0 * d - 1.0  # a narrow pulse has a DC offset of its own
        elif kind == "triangle":
            v = 1.0 - 4.0 * abs((phase + 0.25) % 1.0 - 0.5)
        elif kind == "saw":
            v = 2.0 * phase - 1.0 - blep(phase, dt)
        else:
            v = math.sin(TAU * phase)
        out.append(v)
        phase += dt
        phase -= int(phase)
    return out


def fm(path, ratio, index):
    """Two-operator FM: a sine whose phase is pushed by a second sine at
    ratio times the pitch. index is a number or a per-sample list (a falling
    index makes a bell or a pluck)."""
    indices = index if isinstance(index, list) else None
    out = []
    carrier = modulator = 0.0
    for i, hz in enumerate(path):
        k = indices[i] if indices else index
        out.append(math.sin(TAU * carrier + k * math.sin(TAU * modulator)))
        carrier = (carrier + hz / RATE) % 1.0
        modulator = (modulator + ratio * hz / RATE) % 1.0
    return out


def noise(name, n, hold_hz=RATE):
    """White noise; a hold_hz below RATE keeps each value longer, which gives
    the gritty, pitched hiss of old sound chips."""
    r = rng(name)
    hold = RATE / hold_hz
    out = []
    v = 0.0
    next_change = 0.0
    for i in range(n):
        if i >= next_change:
            v = r.uniform(-1.0, 1.0)
            next_change += hold
        out.append(v)
    return out


# ---------------------------------------------------------------- envelopes

def _envelope(n, attack, release, body):
    """A rise over `attack` samples, body(samples since the rise) after it,
    and a fade over `release` samples that reaches zero on the last one."""
    attack = max(1, min(n, attack))
    release = max(1, min(n - attack, release))
    out = [i / attack if i < attack else body(i - attack) for i in range(n)]
    for i in range(max(0, n - release), n):
        out[i] *= (n - 1 - i) / release
    return out


def adsr(n, attack, decay, sustain, release):
    """Attack to full, decay to the sustain level, and a release that ends at
    zero on the last sample; all times in seconds."""
    d = max(frames(decay), 1)
    return _envelope(n, frames(max(attack, MIN_FADE)), frames(max(release, MIN_FADE)),
                     lambda j: sustain + (1.0 - sustain) * math.exp(-3.0 * j / d))


def decay(n, half_life, attack=MIN_FADE):
    """A struck sound: quick rise, then halving every half_life seconds; it
    still ends at zero on its last sample."""
    k = math.log(2.0) / (half_life * RATE)
    return _envelope(n, frames(attack), frames(MIN_FADE), lambda j: math.exp(-k * j))


def ramp(values_at, n):
    """Piecewise-linear curve through (fraction of length, value) points."""
    out = []
    points = sorted(values_at)
    j = 0
    for i in range(n):
        x = i / max(1, n - 1)
        while j + 1 < len(points) - 1 and x > points[j + 1][0]:
            j += 1
        (x0, y0), (x1, y1) = points[j], points[j + 1]
        t = 0.0 if x1 == x0 else min(1.0, max(0.0, (x - x0) / (x1 - x0)))
        out.append(y0 + (y1 - y0) * t)
    return out


# ---------------------------------------------------------------- filters

def lowpass(x, cutoff_hz, cyclic=False):
    """One-pole low-pass; cutoff is a number or a per-sample list. A cyclic
    sound is filtered as if it had always been looping, so its ends still meet."""
    cutoffs = cutoff_hz if isinstance(cutoff_hz, list) else None
    coef = 1.0 - math.exp(-TAU * cutoff_hz / RATE) if cutoffs is None else 0.0
    y = 0.0
    out = []
    for _ in range(2 if cyclic else 1):
        out = []
        for i, v in enumerate(x):
            if cutoffs:
                coef = 1.0 - math.exp(-TAU * cutoffs[i] / RATE)
            y += coef * (v - y)
            out.append(y)
    return out


def highpass(x, cutoff_hz, cyclic=False):
    return sub(x, lowpass(x, cutoff_hz, cyclic))


# ---------------------------------------------------------------- arithmetic

def mul(a, b):
    return list(map(operator.mul, a, b))


def sub(a, b):
    return list(map(operator.sub, a, b))


def scale(x, gain):
    return [v * gain for v in x]


def mix(*sounds):
    """Sum of sounds of any lengths; the result is as long as the longest."""
    n = max(len(s) for s in sounds)
    out = [0.0] * n
    for s in sounds:
        out[:len(s)] = map(operator.add, out[:len(s)], s)
    return out


def add_at(target, sound, start):
    """Adds sound into target from sample `start`, growing target if needed."""
    end = start + len(sound)
    if end > len(target):
        target.extend([0.0] * (end - len(target)))
    target[start:end] = map(operator.add, target[start:end], sound)


def silence(seconds):
    return [0.0] * frames(seconds)


def fade_ends(x, seconds=MIN_FADE):
    """Forces a sound to start and end at zero."""
    n = min(frames(seconds), len(x) // 2)
    out = list(x)
    for i in range(n):
        g = i / n
        out[i] *= g
        out[-1 - i] *= g
    return out


def peak(x):
    return max((abs(v) for v in x), default=0.0)


def normalize(x, target_peak):
    top = peak(x)
    return scale(x, target_peak / top) if top > 0 else list(x)


# ---------------------------------------------------------------- files

def wav_bytes(x):
    """Mono 16-bit WAV at RATE. Samples are clamped, never wrapped."""
    pcm = array.array("h", (32767 if s > 32767 else -32768 if s < -32768 else s
                            for s in (int(round(v * 32767.0)) for v in x)))
    if sys.byteorder == "big":
        pcm.byteswap()  # WAV samples are little-endian
    buf = io.BytesIO()
    with wave.open(buf, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    return buf.getvalue()


def read_wav(path):
    """Samples of a mono 16-bit WAV as floats, and its rate."""
    with wave.open(path, "rb") as w:
        if w.getnchannels() != 1 or w.getsampwidth() != 2:
            raise ValueError(f"{path}: not mono 16-bit")
        raw = w.readframes(w.getnframes())
        rate = w.getframerate()
    values = array.array("h", raw)
    if sys.byteorder == "big":
        values.byteswap()
    return [v / 32768.0 for v in values], rate
