#!/usr/bin/env python3
"""Makes every sound of the game: the effects in effects.py and the music in
scores/*.txt.

    generate.py --out <gamedir> [--only TEXT] [--list]

tools/sound/manifest.txt lists the files the game loads with their length in
samples; this driver checks that every file has exactly one maker and the
listed length, scales it to its loudness, and writes WAVs that are
byte-identical on every run. --list prints the manifest lines for what the
makers produce now, for updating the manifest after an edit.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import effects  # noqa: E402  (needs the path above)
import score  # noqa: E402
import synth  # noqa: E402

KINDS = ("effect", "loop", "music")
# Music sits under the effects: an effect over the loudest moment of a piece
# still stays clear of full scale.
MUSIC_PEAK = 0.35
SCORES = os.path.join(HERE, "scores")


class ManifestEntry:
    def __init__(self, path, kind, frames, line):
        self.path, self.kind, self.frames, self.line = path, kind, frames, line


def fail(message):
    sys.exit("generate.py: " + message)


def read_manifest(path):
    """The listed files in order; a malformed line stops the build with its number."""
    entries = {}
    with open(path, encoding="utf-8") as f:
        rows = [(n, line.split()) for n, line in enumerate(f, 1)
                if line.strip() and not line.startswith("#")]
    for number, fields in rows:
        if len(fields) != 3 or fields[1] not in KINDS or not fields[2].isdigit():
            fail(f"manifest line {number}: expected a path without spaces, a kind "
                 f"({', '.join(KINDS)}) and a length: {' '.join(fields)}")
        p, kind, count = fields
        folder = "music/" if kind == "music" else "sfx/"
        if not p.startswith(folder) or not p.endswith(".wav"):
            fail(f"manifest line {number}: a {kind} is a {folder}*.wav file, not {p}")
        if p in entries:
            fail(f"manifest line {number}: {p} listed twice")
        entries[p] = ManifestEntry(p, kind, int(count), number)
    return list(entries.values())


def score_path(entry):
    return os.path.join(SCORES, os.path.basename(entry.path)[:-len(".wav")] + ".txt")


def makers(entries):
    """{path: make() -> samples at their final loudness} for every listed file."""
    recipes = effects.effects()
    listed = {e.path for e in entries}
    for path in sorted(recipes):
        if path not in listed:
            fail(f"effects.py makes {path}, which the manifest does not list")
    scored = {f[:-4] for f in os.listdir(SCORES) if f.endswith(".txt")}
    for name in sorted(scored):
        if f"music/{name}.wav" not in listed:
            fail(f"scores/{name}.txt is not listed in the manifest as music/{name}.wav")
    out = {}
    for entry in entries:
        if entry.kind == "music":
            if not os.path.exists(score_path(entry)):
                fail(f"no score {os.path.relpath(score_path(entry), HERE)} for {entry.path}")
            out[entry.path] = music_maker(score_path(entry))
        elif entry.path in recipes:
            make, loudness = recipes[entry.path]
            out[entry.path] = effect_maker(make, loudness)
        else:
            fail(f"no recipe in effects.py makes {entry.path}")
    return out


def music_maker(path):
    def make():
        try:
            return synth.normalize(score.render(score.load(path)), MUSIC_PEAK)
        except score.ScoreError as e:
            fail(str(e))
    return make


def effect_maker(make, loudness):
    return lambda: synth.normalize(make(), loudness)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", help="game folder to write sfx/ and music/ into")
    ap.add_argument("--only", help="make only manifest paths containing this text")
    ap.add_argument("--list", action="store_true", help="print manifest lines for what is made now")
    args = ap.parse_args()
    if not args.out and not args.list:
        ap.error("--out or --list is needed")

    entries = read_manifest(os.path.join(HERE, "manifest.txt"))
    make = makers(entries)
    for entry in entries:
        if args.only and args.only not in entry.path:
            continue
        samples = make[entry.path]()
        if args.list:
            print(f"{entry.path}\t{entry.kind}\t{len(samples)}")
            continue
        if len(samples) != entry.frames:
            fail(f"{entry.path}: made {len(samples)} samples, the manifest says {entry.frames} "
                 f"(generate.py --list prints the new lines)")
        write(os.path.join(args.out, entry.path), synth.wav_bytes(samples))


if __name__ == "__main__":
    main()
