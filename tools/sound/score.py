"""Reads the text scores in scores/ and renders them to looping music.

The format is described in README.md beside this file. parse() turns a score
into a Score (errors name the file and line); render() plays it into samples
that loop without a seam: every note fades out inside its own slot and
echoes wrap round from the end of the loop to its start.
"""
import math
import operator
import os
import re

from synth import (RATE, TAU, adsr, decay, fm, frames, highpass, lowpass, midi_hz, mul, noise,
                   oscillate, scale, steady, sweep, wobble)


class ScoreError(Exception):
    pass


# Every option an instrument may set, with its default.
INSTRUMENT_DEFAULTS = {
    "volume": 0.5,         # loudness of this part in the mix
    "attack": 0.005,       # seconds to full strength
    "decay": 0.1,          # seconds to fall to the sustain level
    "sustain": 0.7,        # level held while the note lasts
    "release": 0.03,       # seconds of fade at the end of the sounding part
    "gate": 0.9,           # sounding share of each note's length (the rest is silent)
    "duty": 0.5,           # square: share of each cycle spent high
    "pwm": 0.0,            # square: rate in Hz at which the duty swings by PWM_DEPTH
    "vibrato": 0.0,        # depth in semitones
    "vibrato_rate": 5.5,   # Hz
    "vibrato_delay": 0.12,  # seconds before the vibrato is fully in
    "slide": 0.0,          # semitones below the note at which each note starts
    "slide_time": 0.03,    # seconds the slide takes
    "arp": 0.0,            # seconds per note when a chord is played as an arpeggio
    "detune": 0.0,         # cents of a second, slightly out-of-tune voice
    "echo": 0.0,           # delay in beats of the echo
    "feedback": 0.35,      # strength of each repeat of the echo
    "ratio": 2.0,          # fm: modulator frequency over the note's
    "index": 1.5,          # fm: brightness at the strike, fading with the note
}
WAVES = ("square", "triangle", "saw", "sine", "fm", "drums")
PWM_DEPTH = 0.2
ECHO_REPEATS = 3

# Notes: name, optional sharp or flat, octave (c4 is middle C).
NOTE_RE = re.compile(r"^([a-g])([#b]?)(\d)$")
SEMITONE = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}
DURATION_RE = re.compile(r"^(1|2|4|8|16|32)(\.?)(t?)$")


class Instrument:
    def __init__(self, name, wave, options):
        self.name, self.wave = name, wave
        self.options = dict(INSTRUMENT_DEFAULTS)
        self.options.update(options)

    def __getattr__(self, key):
        try:
            return self.__dict__["options"][key]
        except KeyError:
            raise AttributeError(key) from None


class Event:
    """A note, chord, drum hit or rest: start and length in beats."""

    def __init__(self, start, length, pitches=(), drum=None):
        self.start, self.length, self.pitches, self.drum = start, length, tuple(pitches), drum


class Score:
    def __init__(self, name):
        self.name = name
        self.title = name
        self.tempo = 120.0
        self.meter = (4, 4)
        self.swing = 50.0
        self.instruments = {}
        self.patterns = {}   # name -> {instrument name: [Event]}
        self.lengths = {}    # pattern name -> beats
        self.song = []       # (pattern name, transposition in semitones)

    @property
    def bar_beats(self):
        top, bottom = self.meter
        return top * 4.0 / bottom

    def song_beats(self):
        return sum(self.lengths[name] for name, _ in self.song)

    def loop_frames(self):
        return beat_frame(self, self.song_beats())


# ---------------------------------------------------------------- parsing

def strip_comment(line):
    """'#' starts a comment at the line's start or after a space; inside a
    word it is a sharp (c#5)."""
    m = re.search(r"(^|\s)#", line)
    return line[:m.start()] if m else line


def parse_pitch(text):
    m = NOTE_RE.match(text)
    if not m:
        return None
    name, accidental, octave = m.groups()
    shift = {"#": 1, "b": -1, "": 0}[accidental]
    return 12 * (int(octave) + 1) + SEMITONE[name] + shift


def parse_duration(text):
    m = DURATION_RE.match(text)
    if not m:
        raise ScoreError(f"bad duration /{text}")
    value, dotted, triplet = m.groups()
    beats = 4.0 / int(value)
    if dotted:
        beats *= 1.5
    if triplet:
        beats *= 2.0 / 3.0
    return beats


def tokenize(text):
    """Splits a voice line into tokens, with '(' and ')*N' as tokens of their own."""
    return re.findall(r"\)\*\d+|[()|]|[^\s()|]+", text)


def expand_groups(tokens):
    """Writes out every (...)*N repetition."""
    out, stack = [], []
    for token in tokens:
        if token == "(":
            stack.append(out)
            out = []
        elif token.startswith(")"):
            if not stack:
                raise ScoreError("')' without '('")
            count = int(token[2:]) if token.startswith(")*") else 1
            group, out = out, stack.pop()
            out.extend(group * count)
        else:
            out.append(token)
    if stack:
        raise ScoreError("'(' never closed")
    return out


def read_voice(score, instrument, tokens, start, length):
    """Events of one voice line, from `start` beats into the pattern; returns
    (events, end, last duration). A duration carries over to the tokens after
    it, also onto the voice's next line in the pattern."""
    events = []
    at = start
    for token in expand_groups(tokens):
        if token == "|":
            if abs(at / score.bar_beats - round(at / score.bar_beats)) > 1e-9:
                raise ScoreError(f"bar line at beat {at:g} is not at the end of a bar")
            continue
        body, _, dur = token.partition("/")
        if dur:
            length = parse_duration(dur)
        if length is None:
            raise ScoreError(f"{token}: the first note of a voice needs a duration")
        if body == "r":
            events.append(Event(at, length))
        elif body == "~":
            if not events or events[-1].start + events[-1].length != at or (
                    not events[-1].pitches and events[-1].drum is None):
                raise ScoreError("'~' ties nothing: it must follow a note")
            events[-1].length += length
        elif instrument.wave == "drums":
            if body not in DRUMS:
                raise ScoreError(f"{body}: not a drum ({' '.join(DRUMS)})")
            events.append(Event(at, length, drum=body))
        else:
            pitches = [parse_pitch(p) for p in body.split("+")]
            if None in pitches:
                raise ScoreError(f"{token}: not a note")
            events.append(Event(at, length, pitches))
        at += length
    return events, at, length


def parse_options(words):
    options = {}
    for word in words:
        key, eq, value = word.partition("=")
        if not eq or key not in INSTRUMENT_DEFAULTS:
            raise ScoreError(f"{word}: unknown instrument option")
        try:
            options[key] = float(value)
        except ValueError:
            raise ScoreError(f"{word}: not a number") from None
    return options


def parse(text, name="score"):
    score = Score(name)
    pattern = None
    ends = {}
    for number, raw in enumerate(text.splitlines(), 1):
        line = strip_comment(raw).strip()
        if not line:
            continue
        try:
            pattern = parse_line(score, line, pattern, ends)
        except ScoreError as e:
            raise ScoreError(f"{name}:{number}: {e}") from None
    try:
        finish(score)
    except ScoreError as e:
        raise ScoreError(f"{name}: {e}") from None
    return score


def parse_line(score, line, pattern, ends):
    """One line of a score; returns the pattern being written afterwards."""
    word, _, rest = line.partition(" ")
    words = rest.split()
    if word.endswith(":"):
        voice = word[:-1]
        if pattern is None:
            raise ScoreError(f"{voice}: notes outside a pattern")
        if voice not in score.instruments:
            raise ScoreError(f"{voice}: no such instrument")
        start, length = ends[pattern].get(voice, (0.0, None))
        events, end, length = read_voice(score, score.instruments[voice], tokenize(rest), start,
                                         length)
        score.patterns[pattern].setdefault(voice, []).extend(events)
        ends[pattern][voice] = (end, length)
        return pattern
    if word == "title":
        score.title = rest.strip()
    elif word == "tempo":
        score.tempo = number(words, 20, 400)
    elif word == "swing":
        score.swing = number(words, 50, 75)
    elif word == "meter":
        m = re.match(r"^(\d+)/(1|2|4|8|16)$", rest.strip())
        if not m or int(m.group(1)) == 0:
            raise ScoreError("meter is written like 4/4 or 6/8")
        score.meter = (int(m.group(1)), int(m.group(2)))
    elif word == "instrument":
        if len(words) < 2 or words[1] not in WAVES:
            raise ScoreError(f"instrument needs a name and a wave ({', '.join(WAVES)})")
        if words[0] in score.instruments:
            raise ScoreError(f"instrument {words[0]} defined twice")
        score.instruments[words[0]] = Instrument(words[0], words[1], parse_options(words[2:]))
    elif word == "pattern":
        if len(words) != 1 or words[0] in score.patterns:
            raise ScoreError("pattern needs one new name")
        score.patterns[words[0]] = {}
        ends[words[0]] = {}
        return words[0]
    elif word == "song":
        for item in words:
            m = re.match(r"^([^+\-]+)([+\-]\d+)?$", item)
            if not m or m.group(1) not in score.patterns:
                raise ScoreError(f"{item}: no such pattern")
            score.song.append((m.group(1), int(m.group(2) or 0)))
    else:
        raise ScoreError(f"{word}: unknown line")
    return pattern


def number(words, low, high):
    try:
        value = float(words[0])
    except (IndexError, ValueError):
        raise ScoreError("a number is missing") from None
    if not low <= value <= high:
        raise ScoreError(f"{value:g} is outside {low}..{high}")
    return value


def finish(score):
    """Every voice of a pattern lasts as long as the others, in whole bars."""
    for name, voices in score.patterns.items():
        lengths = {voice: sum(e.length for e in events) for voice, events in voices.items()}
        if not lengths:
            raise ScoreError(f"pattern {name} is empty")
        longest = max(lengths.values())
        for voice, length in lengths.items():
            if abs(length - longest) > 1e-9:
                raise ScoreError(f"pattern {name}: {voice} lasts {length:g} beats, "
                                 f"another voice {longest:g}")
        bars = longest / score.bar_beats
        if abs(bars - round(bars)) > 1e-9:
            raise ScoreError(f"pattern {name} lasts {longest:g} beats, not whole bars")
        score.lengths[name] = longest
    if not score.song:
        raise ScoreError("no song line")


# ---------------------------------------------------------------- drums

def _kick(n):
    """A falling sine with a beater click on top, so small speakers that
    cannot play its low body still hear the beat."""
    body = mul(oscillate("sine", sweep(220, 48, n, 0.3)), decay(n, 0.06, attack=0.001))
    click = mul(lowpass(noise("kick", n), 3000), decay(n, 0.004, attack=0.0005))
    return [a + 0.5 * b for a, b in zip(body, click)]


def _snare(n):
    rattle = mul(highpass(noise("snare", n), 1200), decay(n, 0.05, attack=0.001))
    body = mul(oscillate("triangle", steady(190, n)), decay(n, 0.025, attack=0.001))
    return [0.7 * a + 0.5 * b for a, b in zip(rattle, body)]


def _hat(half_life, cutoff):
    def hit(n):
        return scale(mul(highpass(noise("hat", n), cutoff), decay(n, half_life, attack=0.001)), 0.5)
    return hit


def _tom(start_hz, end_hz):
    def hit(n):
        return mul(oscillate("sine", sweep(start_hz, end_hz, n, 0.5)), decay(n, 0.08, attack=0.001))
    return hit


def _crash(n):
    return scale(mul(highpass(noise("crash", n, 14000), 3000), decay(n, 0.35, attack=0.002)), 0.5)


def _clank(n):
    """A struck metal plate: inharmonic FM that dies fast."""
    env = decay(n, 0.04, attack=0.001)
    ring = mul(fm(steady(330, n), 1.414, scale(env, 4.0)), env)
    tick = mul(highpass(noise("clank", n), 4000), decay(n, 0.008, attack=0.001))
    return [0.6 * a + 0.4 * b for a, b in zip(ring, tick)]


def _plop(n):
    """A bubble bursting: a sine whose pitch jumps up."""
    return scale(mul(oscillate("sine", sweep(300, 1100, n, 0.3)), decay(n, 0.03, attack=0.001)), 0.7)


def _clap(n):
    burst = mul(lowpass(highpass(noise("clap", n), 900), 3000), decay(n, 0.04, attack=0.001))
    flutter = [1.0 if (i * 1000 // RATE) % 10 < 7 or i > RATE * 0.03 else 0.3 for i in range(n)]
    return scale(mul(burst, flutter), 1.2)


# Drum letters and how long each hit may ring (it is cut short by the next note).
DRUMS = {
    "k": (_kick, 0.3),
    "s": (_snare, 0.3),
    "h": (_hat(0.012, 7000), 0.08),
    "o": (_hat(0.07, 6000), 0.4),
    "t": (_tom(240, 150), 0.3),
    "l": (_tom(150, 85), 0.35),
    "c": (_crash, 1.2),
    "m": (_clank, 0.25),
    "p": (_plop, 0.12),
    "x": (_clap, 0.25),
}


# ---------------------------------------------------------------- rendering

def beat_time(score, beats):
    """Swing: in each beat the off-beat eighth comes late, at `swing` percent."""
    if score.swing == 50.0:
        return beats
    whole = math.floor(beats + 1e-9)
    part = beats - whole
    s = score.swing / 100.0
    part = part / 0.5 * s if part <= 0.5 else s + (part - 0.5) / 0.5 * (1.0 - s)
    return whole + part


def beat_frame(score, beats):
    return int(round(beat_time(score, beats) * RATE * 60.0 / score.tempo))


def pitch_path(ins, pitches, n):
    """Hz per sample for a note or, with arp set, a chord played as an arpeggio."""
    if ins.arp > 0 and len(pitches) > 1:
        step = max(1, frames(ins.arp))
        path = [midi_hz(pitches[(i // step) % len(pitches)]) for i in range(n)]
    else:
        path = steady(midi_hz(pitches[0]), n)
    if ins.slide:
        glide = min(n, frames(ins.slide_time))
        bend = sweep(2.0 ** (-ins.slide / 12.0), 1.0, glide)
        path[:glide] = [hz * b for hz, b in zip(path[:glide], bend)]
    if ins.vibrato:
        path = wobble(path, ins.vibrato, ins.vibrato_rate, ins.vibrato_delay)
    return path


def voice_wave(ins, path, envelope):
    if ins.wave == "fm":
        return fm(path, ins.ratio, scale(envelope, ins.index))
    duty = ins.duty
    if ins.pwm:
        duty = [ins.duty + PWM_DEPTH * math.sin(TAU * ins.pwm * i / RATE) for i in range(len(path))]
    return oscillate(ins.wave, path, duty)


def render_note(ins, pitches, n):
    """The sounding part of one note, n samples long, enveloped to silence.
    A chord sounds all at once unless the instrument plays arpeggios."""
    envelope = adsr(n, ins.attack, ins.decay, ins.sustain, ins.release)
    groups = [pitches] if ins.arp > 0 else [(p,) for p in pitches]
    detunes = [1.0, 2.0 ** (ins.detune / 1200.0)] if ins.detune else [1.0]
    sound = [0.0] * n
    for group in groups:
        path = pitch_path(ins, group, n)
        for ratio in detunes:
            layer = voice_wave(ins, path if ratio == 1.0 else scale(path, ratio), envelope)
            sound = list(map(operator.add, sound, layer))
    gain = ins.volume / (math.sqrt(len(groups)) * len(detunes))
    return [v * e * gain for v, e in zip(sound, envelope)]


def render_drum(ins, letter, n):
    make, ring = DRUMS[letter]
    length = min(n, frames(ring))
    hit = make(length)
    fade = min(length, frames(0.004))
    for i in range(fade):  # a hit cut short by the next one must not click
        hit[length - 1 - i] *= i / fade
    return [v * ins.volume for v in hit]


def render_voice(score, ins, cache):
    """One instrument's part through the whole song."""
    out = []
    at = 0.0
    for pattern, shift in score.song:
        for event in score.patterns[pattern].get(ins.name, [Event(0.0, score.lengths[pattern])]):
            start = beat_frame(score, at + event.start)
            slot = beat_frame(score, at + event.start + event.length) - start
            sounding = beat_frame(score, at + event.start + event.length * ins.gate) - start
            sounding = min(slot, sounding)
            if event.drum:
                key = (event.drum, sounding)
                if key not in cache:
                    cache[key] = render_drum(ins, event.drum, sounding)
            elif event.pitches:
                key = (tuple(p + shift for p in event.pitches), sounding)
                if key not in cache:
                    cache[key] = render_note(ins, key[0], sounding)
            else:
                key = None
            sound = cache[key] if key else []
            out.extend(sound)
            out.extend([0.0] * (slot - len(sound)))
        at += score.lengths[pattern]
    return out


def add_echo(score, ins, part):
    """Repeats of the part, each fainter; they wrap round the loop, so the
    echo of the last notes is heard over the first ones."""
    delay = int(round(ins.echo * RATE * 60.0 / score.tempo))
    out = list(part)
    n = len(part)
    for k in range(1, ECHO_REPEATS + 1):
        shift = (delay * k) % n
        gain = ins.feedback ** k
        rotated = part[n - shift:] + part[:n - shift]
        out = [a + gain * b for a, b in zip(out, rotated)]
    return out


def render(score):
    """The whole song as one loop, mixed but not yet normalised."""
    total = score.loop_frames()
    mixed = [0.0] * total
    for ins in score.instruments.values():
        part = render_voice(score, ins, {})
        if len(part) != total:
            raise ScoreError(f"{score.name}: {ins.name} rendered {len(part)} samples, "
                             f"the loop is {total}")
        if ins.echo > 0:
            part = add_echo(score, ins, part)
        mixed = [a + b for a, b in zip(mixed, part)]
    return mixed


def load(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return parse(text, os.path.basename(path))
