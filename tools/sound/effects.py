"""The game's sound effects, each a small recipe over synth's building blocks.

effects() returns {manifest path: (make() -> samples, peak)}. Each recipe
returns raw samples; the driver scales them to the listed peak, which sets
how loud the effect sits over the music (music peaks at MUSIC_PEAK in
generate.py, so music plus one effect never reaches full scale).
"""
import math

from synth import (RATE, TAU, adsr, decay, fade_ends, fm, frames, highpass, lowpass, midi_hz,
                   mix, mul, noise, oscillate, ramp, scale, silence, steady, steps, sweep,
                   wobble)

# Peaks: everyday sounds a little under the rare, important ones. Bright,
# dense tones (a coin's high square) sound louder than their peak says.
BRIGHT = 0.24
SOFT = 0.30
NORMAL = 0.40
LOUD = 0.46


def tone(kind, path, envelope, duty=0.5):
    return mul(oscillate(kind, path, duty), envelope)


def note(kind, midi, seconds, half_life, duty=0.5, vibrato=0.0):
    """One struck chip note; vibrato in semitones joins in after a moment."""
    n = frames(seconds)
    path = steady(midi_hz(midi), n)
    if vibrato:
        path = wobble(path, vibrato, 6.0, delay=seconds * 0.4)
    return tone(kind, path, decay(n, half_life), duty)


def tune(kind, notes, half_life, duty=0.5):
    """Notes (midi, seconds) one after the other; the last rings with vibrato."""
    out = []
    for i, (midi, seconds) in enumerate(notes):
        last = i == len(notes) - 1
        if midi is None:
            out += silence(seconds)
        else:
            out += note(kind, midi, seconds, half_life * (3 if last else 1), duty,
                        vibrato=0.25 if last else 0.0)
    return out


def burst(name, seconds, half_life, cutoff_hz, hold_hz=RATE):
    """A hit of filtered noise."""
    n = frames(seconds)
    return mul(lowpass(noise(name, n, hold_hz), cutoff_hz), decay(n, half_life))


def thump(start_hz, end_hz, seconds, half_life):
    """A falling sine: the body of a landing, a cannon or a slam."""
    n = frames(seconds)
    return tone("sine", sweep(start_hz, end_hz, n, 0.5), decay(n, half_life))


def bell(midi, seconds, half_life, ratio=3.5, index=2.5):
    """FM bell: bright at the strike, mellowing as it rings."""
    n = frames(seconds)
    env = decay(n, half_life)
    return mul(fm(steady(midi_hz(midi), n), ratio, scale(env, index)), env)


# ---------------------------------------------------------------- hero

def jump():
    n = frames(0.22)
    path = sweep(280, 640, n, 0.6)
    env = adsr(n, 0.004, 0.12, 0.35, 0.06)
    return mix(tone("square", path, env, 0.25), scale(tone("triangle", scale(path, 0.5), env), 0.5))


def big_jump():
    n = frames(0.36)
    path = wobble(sweep(190, 900, n, 0.7), 0.3, 14.0)
    env = adsr(n, 0.004, 0.2, 0.4, 0.1)
    whoosh = mul(lowpass(noise("big jump", n), sweep(400, 3000, n)), scale(env, 0.5))
    return mix(tone("square", path, env, 0.25), scale(tone("triangle", scale(path, 0.5), env), 0.6),
               highpass(whoosh, 300))


def hurt():
    n = frames(0.38)
    path = wobble(sweep(720, 230, n, 0.8), 1.5, 28.0)
    crunch = burst("hurt", 0.06, 0.02, 3000, hold_hz=4000)
    return mix(tone("square", path, adsr(n, 0.003, 0.15, 0.5, 0.08), 0.5), scale(crunch, 0.6))


def death():
    hop = frames(0.12)
    fall = frames(1.05)
    up = tone("square", sweep(400, 820, hop, 0.5), adsr(hop, 0.003, 0.05, 0.6, 0.02), 0.25)
    down_path = wobble(sweep(820, 110, fall, 1.3), 0.6, 7.0)
    down = tone("square", down_path, adsr(fall, 0.01, 0.4, 0.7, 0.25), 0.25)
    body = scale(tone("triangle", scale(down_path, 0.5), adsr(fall, 0.01, 0.4, 0.7, 0.25)), 0.6)
    landing = scale(thump(240, 70, 0.25, 0.06), 0.8)
    return up + silence(0.08) + mix(down, body) + landing


def jetpack():
    """A seamless loop: everything repeats a whole number of times per loop
    and the hiss is filtered round the loop, so its end runs into its start."""
    n = frames(0.48)
    flutter_hz = 25.0  # 12 puffs per loop
    hum_hz = 62.5      # 30 cycles per loop
    hiss = highpass(lowpass(noise("jetpack", n), 1800, cyclic=True), 200, cyclic=True)
    puffs = [0.65 + 0.35 * math.sin(TAU * flutter_hz * i / RATE) for i in range(n)]
    hum = scale(oscillate("triangle", steady(hum_hz, n)), 0.35)
    buzz = scale(oscillate("square", steady(hum_hz * 2, n), 0.3), 0.06)
    loop = mix(mul(hiss, puffs), hum, buzz)
    # Turned round to begin where it crosses zero, so starting it does not click.
    start = min(range(n), key=lambda i: abs(loop[i]) + abs(loop[i - 1]))
    return loop[start:] + loop[:start]


def spring():
    n = frames(0.46)
    path = []
    for i in range(n):
        t = i / RATE
        rise = 180 * (1 + 1.9 * (1 - math.exp(-t / 0.06)))
        bend = 2.0 * math.exp(-t / 0.15) * math.sin(TAU * 16 * t)
        path.append(rise * 2 ** (bend / 12))
    env = decay(n, 0.12, attack=0.002)
    return mix(tone("triangle", path, env), scale(tone("square", path, env, 0.25), 0.35))


# ---------------------------------------------------------------- items

def coin():
    return tune("square", [(84, 0.045), (91, 0.045), (96, 0.3)], 0.06, duty=0.5)


def extra_life():
    melody = [(84, 0.08), (88, 0.08), (91, 0.08), (96, 0.08), (91, 0.08), (96, 0.4)]
    lead = tune("square", melody, 0.1, duty=0.125)
    under = tune("triangle", [(m - 12, s) for m, s in melody], 0.1)
    return mix(lead, scale(under, 0.6))


def power_up():
    """A major chord arpeggiated fast while the whole chord climbs two octaves."""
    n = frames(0.72)
    climb = sweep(262, 1046, n, 1.0)
    chord = steps([1.0, 1.26, 1.5], 0.03, n)
    path = [a * b for a, b in zip(climb, chord)]
    env = adsr(n, 0.005, 0.3, 0.7, 0.12)
    return mix(tone("square", path, env, 0.5), scale(tone("triangle", scale(path, 0.5), env), 0.5))


def checkpoint():
    first = bell(88, 0.16, 0.1)
    second = bell(95, 0.5, 0.16)
    return mix(first + second, [0.0] * frames(0.16) + scale(note("triangle", 83, 0.5, 0.16), 0.5))


def flag():
    melody = [(67, 0.1), (72, 0.1), (76, 0.1), (79, 0.2), (76, 0.1), (79, 0.1), (81, 0.1),
              (79, 0.1), (84, 0.8)]
    lead = tune("square", melody, 0.12, duty=0.25)
    harmony = tune("square", [(m - 4 if m > 70 else m, s) for m, s in melody], 0.12, duty=0.5)
    bass = tune("triangle", [(48, 0.3), (43, 0.3), (48, 1.1)], 0.3)
    roll = mul(highpass(noise("flag", frames(0.6)), 2000), ramp([(0, 0.0), (0.8, 0.4), (1, 0.0)],
                                                                frames(0.6)))
    return mix(lead, scale(harmony, 0.4), scale(bass, 0.9), [0.0] * frames(0.8) + scale(roll, 0.5))


def purchase():
    clack = burst("purchase", 0.05, 0.012, 5000)
    ring = mix(bell(96, 0.6, 0.14, ratio=2.0, index=3.0),
               [0.0] * frames(0.06) + bell(100, 0.54, 0.14, ratio=2.0, index=3.0))
    return mix(clack, [0.0] * frames(0.04) + ring)


# ---------------------------------------------------------------- enemies and traps

def stomp():
    body = thump(420, 110, 0.14, 0.03)
    crunch = burst("stomp", 0.05, 0.012, 3000, hold_hz=6000)
    chip = note("square", 55, 0.04, 0.012)
    return mix(body, crunch, scale(chip, 0.5))


def shell_kick():
    n = frames(0.07)
    tock = tone("triangle", sweep(1400, 500, n, 0.5), decay(n, 0.02))
    click = highpass(burst("shell kick", 0.012, 0.003, 8000), 2000)
    m = frames(0.1)
    swish = tone("square", sweep(600, 1300, m), decay(m, 0.03), 0.125)
    return mix(tock, click, [0.0] * frames(0.03) + scale(swish, 0.35))


def tank_shot():
    n = frames(0.48)
    boom = mul(lowpass(noise("tank shot", n, 9000), sweep(1400, 180, n)), decay(n, 0.08))
    crack = highpass(burst("tank crack", 0.015, 0.004, 9000), 1500)
    return mix(boom, scale(thump(170, 60, 0.3, 0.07), 0.5), scale(crack, 0.7))


def laser():
    n = frames(0.2)
    path = sweep(2200, 330, n, 0.5)
    env = decay(n, 0.07)
    shimmer = mul(fm(path, 1.5, 1.2), env)
    return mix(tone("square", path, env, 0.125), scale(shimmer, 0.5))


def explosion():
    n = frames(1.1)
    roar = mul(lowpass(noise("explosion", n, 8000), sweep(3000, 150, n, 0.6)), decay(n, 0.22))
    grit = mul(lowpass(noise("explosion grit", n, 1800), 900), decay(n, 0.12))
    return mix(roar, scale(grit, 0.6), scale(thump(110, 40, 0.8, 0.15), 0.35))


def bomb_trap():
    n = frames(0.5)
    beep_path = steps([1760, 1320], 0.07, n)
    gate = steps([1.0, 1.0, 0.0], 0.07 / 3, n)
    env = mul(adsr(n, 0.003, 0.3, 0.8, 0.05), lowpass(gate, 200))
    beeps = tone("square", beep_path, env, 0.5)
    fizz = mul(highpass(noise("bomb fuse", n), 3500), ramp([(0, 0.1), (1, 0.6)], n))
    click = burst("bomb click", 0.01, 0.003, 6000)
    return mix(click, scale(beeps, 0.7), scale(fade_ends(fizz), 0.5))


def crusher():
    slam = burst("crusher", 0.35, 0.05, 1400)
    n = frames(0.6)
    env = decay(n, 0.15)
    ring = mul(fm(steady(220, n), 1.414, scale(env, 3.0)), env)
    return mix(slam, scale(thump(130, 50, 0.35, 0.06), 0.5), scale(ring, 0.5))


# ---------------------------------------------------------------- menus

def menu_move():
    return note("square", 88, 0.035, 0.012, duty=0.25)


def menu_choose():
    return tune("square", [(81, 0.05), (88, 0.09)], 0.04, duty=0.25)


def pause():
    notes = [(86, 0.07), (81, 0.07), (86, 0.07), (93, 0.2)]
    return mix(tune("triangle", notes, 0.05), scale(tune("square", notes, 0.03, duty=0.25), 0.3))


def effects():
    return {
        "sfx/jump.wav": (jump, NORMAL),
        "sfx/big_jump.wav": (big_jump, NORMAL),
        "sfx/coin.wav": (coin, BRIGHT),
        "sfx/extra_life.wav": (extra_life, LOUD),
        "sfx/power_up.wav": (power_up, NORMAL),
        "sfx/jetpack.wav": (jetpack, SOFT),
        "sfx/stomp.wav": (stomp, LOUD),
        "sfx/shell_kick.wav": (shell_kick, NORMAL),
        "sfx/hurt.wav": (hurt, NORMAL),
        "sfx/death.wav": (death, LOUD),
        "sfx/checkpoint.wav": (checkpoint, NORMAL),
        "sfx/flag.wav": (flag, LOUD),
        "sfx/spring.wav": (spring, NORMAL),
        "sfx/tank_shot.wav": (tank_shot, LOUD),
        "sfx/laser.wav": (laser, LOUD),
        "sfx/explosion.wav": (explosion, LOUD),
        "sfx/bomb_trap.wav": (bomb_trap, NORMAL),
        "sfx/crusher.wav": (crusher, LOUD),
        "sfx/menu_move.wav": (menu_move, SOFT),
        "sfx/menu_choose.wav": (menu_choose, SOFT),
        "sfx/purchase.wav": (purchase, NORMAL),
        "sfx/pause.wav": (pause, SOFT),
    }
