#!/usr/bin/env python3
"""Checks of the score reader and of the sounds the game gets: the same bytes
on every run, the manifest's lengths, no clicks at the ends or where a loop
joins, and loudness that leaves room to mix.

    python3 tools/sound/test_sound.py
"""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import generate  # noqa: E402
import score  # noqa: E402
import synth  # noqa: E402

SMALL = """
# comment line
tempo 120
swing 60
instrument lead square duty=0.25 echo=0.5   # a comment after a space
instrument beat drums
pattern A
lead: c4/8 d#4/4. eb4/4 ~ | c4+e4+g4/2 (g4/8t)*3 r/4 |
lead: a4/16 b4
lead: c5 d5 r/4 r/2 |
beat: (k/4 h)*2 | s/1 | c/1 |
song A A+2
"""

# A loop whose every note starts on a whole sample, with an echo that runs
# past its end.
LOOP = """
tempo 126
instrument lead square echo=0.75 feedback=0.5
instrument beat drums
pattern A
lead: c5/8 e5 g5/4 c6/2 | a5/4 f5 d5 (b4/8t)*3 |
beat: (k/8 h s h)*4 |
song A A-3
"""


class ScoreFormat(unittest.TestCase):
    def test_reads_notes_durations_ties_chords_repeats_and_swing(self):
        s = score.parse(SMALL)
        lead = s.patterns["A"]["lead"]
        self.assertEqual([(e.start, e.length, e.pitches) for e in lead[:4]],
                         [(0.0, 0.5, (60,)), (0.5, 1.5, (63,)), (2.0, 2.0, (63,)),
                          (4.0, 2.0, (60, 64, 67))])
        for triplet in lead[4:7]:
            self.assertAlmostEqual(triplet.length, 1 / 3)
        self.assertEqual((lead[10].pitches, lead[10].length), ((72,), 0.25))  # carried over a line
        self.assertEqual(len(s.patterns["A"]["beat"]), 6)
        self.assertEqual(s.lengths["A"], 12.0)
        self.assertEqual(s.song, [("A", 0), ("A", 2)])
        self.assertEqual(s.instruments["lead"].duty, 0.25)
        beat = 22050 * 60 / 120
        self.assertEqual(score.beat_frame(s, 0.5), round(0.6 * beat))  # the off-beat comes late
        self.assertEqual(s.loop_frames(), round(24 * beat))

    def test_malformed_scores_are_refused_with_their_line(self):
        head = "instrument lead square\ninstrument beat drums\npattern A\n"
        cases = [
            ("lead: c4/4 d4 e4 | f4 |", ":4: bar line at beat 3"),
            ("lead: c4/1\nbeat: k/2", "beat lasts 2 beats, another voice 4"),
            ("lead: c4/4 d4 e4", "not whole bars"),
            ("lead: c4 d4/4", ":4: c4: the first note of a voice needs a duration"),
            ("lead: c4/3", "bad duration"),
            ("lead: h4/4", "h4/4: not a note"),
            ("beat: q/4", "q: not a drum"),
            ("lead: ~/4", "'~' ties nothing"),
            ("lead: (c4/4 d4", "'(' never closed"),
            ("bass: c2/1", "bass: no such instrument"),
            ("lead: c4/1\nsong A B", "B: no such pattern"),
            ("lead: c4/1", "no song line"),
        ]
        for body, message in cases:
            with self.subTest(body=body):
                with self.assertRaises(score.ScoreError) as caught:
                    score.parse(head + body, "t.txt")
                self.assertIn(message, str(caught.exception))
        for line, message in [("instrument x square loud=1", "loud=1: unknown instrument option"),
                              ("instrument x piano", "needs a name and a wave"),
                              ("tempo 1000", "outside"), ("meter 4/3", "meter is written"),
                              ("lead: c4/1", "notes outside a pattern")]:
            with self.subTest(line=line), self.assertRaises(score.ScoreError) as caught:
                score.parse("instrument lead square\n" + line + "\n", "t.txt")
            self.assertIn(message, str(caught.exception))

    def test_a_rendered_loop_joins_itself(self):
        """Played twice in a row, the loop sounds exactly like the song written
        out twice: echoes of the last notes carry on over the first ones."""
        s = score.parse(LOOP)
        x = score.render(s)
        self.assertEqual(len(x), s.loop_frames())
        self.assertGreater(synth.peak(x), 0.1)
        s.song = s.song * 2
        twice = score.render(s)
        self.assertLess(max(abs(a - b) for a, b in zip(twice, x + x)), 1e-9)


def assert_joins(case, x, name):
    sampled = sorted(abs(x[i + 1] - x[i]) for i in range(0, len(x) - 1, 7))
    typical = sampled[int(len(sampled) * 0.99)]
    case.assertLessEqual(abs(x[0] - x[-1]), typical, f"{name} clicks where it loops")


class GeneratedSounds(unittest.TestCase):
    """Generates everything twice, with different hash seeds."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        cls.runs = []
        for seed in ("1", "2"):
            out = os.path.join(cls.work.name, seed)
            env = dict(os.environ, PYTHONHASHSEED=seed, PYTHONDONTWRITEBYTECODE="1")
            subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--out", out],
                           check=True, env=env)
            cls.runs.append(out)
        cls.entries = generate.read_manifest(os.path.join(HERE, "manifest.txt"))

    @classmethod
    def tearDownClass(cls):
        cls.work.cleanup()

    def test_two_runs_write_the_same_bytes_and_only_the_listed_files(self):
        first, second = (sorted(os.path.relpath(os.path.join(d, f), run)
                                for d, _, files in os.walk(run) for f in files)
                         for run in self.runs)
        self.assertEqual(first, sorted(e.path for e in self.entries))
        self.assertEqual(first, second)
        for path in first:
            with open(os.path.join(self.runs[0], path), "rb") as a, \
                    open(os.path.join(self.runs[1], path), "rb") as b:
                self.assertEqual(a.read(), b.read(), f"{path} differs between two runs")

    def test_every_sound_is_clean_and_mixes_without_clipping(self):
        self.assertGreaterEqual(sum(e.kind == "music" for e in self.entries), 7)
        for entry in self.entries:
            with self.subTest(path=entry.path):
                x, rate = synth.read_wav(os.path.join(self.runs[0], entry.path))
                self.assertEqual((rate, len(x)), (synth.RATE, entry.frames))
                # One effect over the loudest music must stay under full scale.
                self.assertLessEqual(synth.peak(x), 0.5)
                self.assertGreater(synth.peak(x), 0.1, "next to silent")
                self.assertLess(abs(sum(x) / len(x)), 0.005, "DC offset")
                if entry.kind == "effect":
                    self.assertLess(max(abs(x[0]), abs(x[-1])), 0.002, "starts or stops with a click")
                else:
                    assert_joins(self, x, entry.path)
                if entry.kind == "loop":
                    self.assertLess(abs(x[0]), 0.002, "starts with a click")
                if entry.kind == "music":
                    self.assertTrue(30 <= len(x) / rate <= 60, f"{len(x) / rate:.1f} s long")


if __name__ == "__main__":
    unittest.main()
