#!/usr/bin/env bash
# Draws the whole art set and the desktop icons twice, with different hash seeds, and fails if a
# single byte differs: a build must never change the game's pictures by itself.
# Extra arguments go to generate.py.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

PYTHONHASHSEED=1 python3 "$here/generate.py" --out "$work/first" --icons "$work/icons-first" "$@"
PYTHONHASHSEED=2 python3 "$here/generate.py" --out "$work/second" --icons "$work/icons-second" "$@"

expected="$(grep -v '^#' "$here/manifest.txt" | grep -c $'\t')"
written="$(find "$work/first" -type f | wc -l)"
if [ "$written" -ne "$expected" ]; then
  echo "check_determinism: wrote $written files, the manifest lists $expected" >&2
  exit 1
fi

if ! diff -r -q "$work/first" "$work/second" || ! diff -r -q "$work/icons-first" "$work/icons-second"; then
  echo "check_determinism: two runs of the generator gave different files" >&2
  exit 1
fi
echo "check_determinism: $written files identical across two runs"
