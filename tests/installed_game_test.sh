#!/usr/bin/env bash
# Installs the built game into a scratch DESTDIR, validates its desktop entry and AppStream data,
# plays the installed copy headless from another folder with a scratch HOME and XDG_DATA_HOME, and
# ends it with SIGTERM: save.txt and log.txt must be in the player's folder, nothing in the
# installed tree or the folder it was started from. Then a player's folder that cannot be made and
# a missing data folder must each stop the game with one line on stderr naming the folder.
#     installed_game_test.sh <build folder>
set -euo pipefail

build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
prefix=/usr/local
games="$root$prefix/games"
share="$root$prefix/share"
data="$share/games/tumbo-man"
# Long enough for a slow machine to reach the title screen.
START_WAIT_TENTHS=600

fail() {
  echo "installed_game: $*" >&2
  exit 1
}

DESTDIR="$root" cmake --install "$build" --prefix "$prefix" > "$work/install.log" ||
  fail "cmake --install failed: $(tail -n 5 "$work/install.log")"
for file in "$games/tumbo-man" "$games/tumbo-man-fullscreen"; do
  [ -x "$file" ] || fail "$file is not installed"
done
for file in applications/tumbo-man.desktop metainfo/org.example.tumbo_man.metainfo.xml \
            icons/hicolor/48x48/apps/tumbo-man.png man/man6/tumbo-man.6.gz doc/tumbo-man/copyright \
            games/tumbo-man/gfx/loading.png games/tumbo-man/Levels/TumboWorld1.level; do
  [ -f "$share/$file" ] || fail "$share/$file is not installed"
done
for font in "$data/gfx/Fonts/"*; do
  [ -e "$font" ] || fail "$font leads to no font"
done
[ ! -e "$data/Levels/Custom" ] || fail "the build's custom levels were installed"

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$share/applications/tumbo-man.desktop" || fail "the desktop entry is not valid"
else
  echo "installed_game: desktop-file-validate is not installed; the desktop entry is not validated"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$share/metainfo/org.example.tumbo_man.metainfo.xml" ||
    fail "the AppStream data is not valid"
else
  echo "installed_game: appstreamcli is not installed; the AppStream data is not validated"
fi

tree_state() { (cd "$root" && find . -printf '%p %y %s %T@\n' | sort); }
installed="$(tree_state)"
mkdir -p "$work/home" "$work/elsewhere"

# Starts the installed game in $work/elsewhere with the given environment, waits for the title
# screen in the player's folder $1, ends it with SIGTERM and checks it left through its normal exit.
play() {
  local player="$1"
  shift
  (cd "$work/elsewhere" && exec env "$@" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
     "$games/tumbo-man" > "$work/output" 2>&1) &
  local pid=$! tenths=0
  until grep -qs "Gamestate set to TitleScreen" "$player/log.txt"; do
    kill -0 "$pid" 2> /dev/null || fail "the game stopped before its title screen: $(cat "$work/output")"
    [ "$tenths" -lt "$START_WAIT_TENTHS" ] || { kill -KILL "$pid"; fail "no title screen in $player/log.txt"; }
    sleep 0.1
    tenths=$((tenths + 1))
  done
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$work/output")"
  [ -s "$player/save.txt" ] || fail "no save.txt in $player"
  [ "$(tail -n 1 "$player/log.txt")" = "Cleaning up..." ] || fail "$player/log.txt does not end with the exit"
  [ -d "$player/Levels/Custom" ] || fail "no Levels/Custom in $player"
  if grep -q "^Error" "$player/log.txt"; then
    fail "the installed game could not read all its files: $(grep "^Error" "$player/log.txt" | head -n 3)"
  fi
}

play "$work/xdg/tumbo-man" HOME="$work/home" XDG_DATA_HOME="$work/xdg"
[ -z "$(ls -A "$work/home")" ] || fail "the game wrote into HOME although XDG_DATA_HOME was set"
play "$work/home/.local/share/tumbo-man" -u XDG_DATA_HOME HOME="$work/home"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
[ "$(tree_state)" = "$installed" ] || fail "the game changed its installed tree"

# Must refuse to start: $1 the folder the one line on stderr names, then the environment.
refuse() {
  local folder="$1"
  shift
  local status=0
  (cd "$work/elsewhere" && exec env "$@" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
     "$games/tumbo-man" > "$work/output" 2> "$work/errors") || status=$?
  [ "$status" -ne 0 ] || fail "the game started without $folder"
  [ "$(wc -l < "$work/errors")" -eq 1 ] && grep -qF "$folder" "$work/errors" ||
    fail "expected one line on stderr naming $folder, got: $(cat "$work/errors")"
  [ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
}

touch "$work/not-a-folder"
refuse "$work/not-a-folder/tumbo-man" HOME="$work/home" XDG_DATA_HOME="$work/not-a-folder"
mv "$data" "$work/data-away"
refuse "$data" HOME="$work/home" XDG_DATA_HOME="$work/xdg"
echo "installed_game: installed, validated, played and refused as expected"
