#!/usr/bin/env bash
# Starts the built game as a player would, but headless and with an audio driver that does not
# exist, on the SDL 1.2 library found in the given folder. Passes when the game reaches the title
# screen, runs on that very library, and leaves cleanly when asked to close (SDL turns SIGTERM
# into the window's quit event).
# Usage: start_headless.sh <game folder> <folder holding libSDL-1.2.so.0>
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
game_dir="$1"
sdl_dir="$2"
wait_steps=300  # tenths of a second; the sanitizer build starts slowly

fail() {
  echo "start_headless: $*" >&2
  [ -f log.txt ] && sed 's/^/  log: /' log.txt >&2
  exit 1
}

[ -e "$sdl_dir/libSDL-1.2.so.0" ] || fail "no SDL 1.2 library in $sdl_dir"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
ln -s "$game_dir/gfx" gfx
mkdir -p Levels/Custom
cp "$game_dir"/Levels/*.level Levels/

LSAN_OPTIONS="suppressions=$here/sdl12_layer_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  LD_LIBRARY_PATH="$sdl_dir" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no-such-driver "$game_dir/tumbo" &
game=$!
for _ in $(seq "$wait_steps"); do
  grep -qx "Gamestate set to TitleScreen" log.txt 2>/dev/null && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
grep -qx "Gamestate set to TitleScreen" log.txt 2>/dev/null || { kill -KILL "$game" 2>/dev/null; fail "never reached the title"; }
# The loader's own choice, not only the path asked for: the library must really be in use.
grep -q "$(readlink -f "$sdl_dir/libSDL-1.2.so.0")" "/proc/$game/maps" || { kill -KILL "$game"; fail "not running on $sdl_dir"; }

kill -TERM "$game"
wait "$game"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(tail -n 1 log.txt)" = "Cleaning up..." ] || fail "the log does not end with Cleaning up..."
echo "start_headless: title reached and left cleanly on $sdl_dir"
