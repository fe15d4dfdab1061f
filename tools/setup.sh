#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libboost-filesystem-dev
  libsdl1.2-compat
  googletest libgtest-dev
  python3 python3-pil
  fonts-comic-neue fonts-dejavu-core fonts-dejavu-extra
  xvfb xdotool imagemagick xauth
  # the install test validates the desktop entry and AppStream data; make package reads the
  # programs' library needs with dpkg-shlibdeps (which CPack finds through file)
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  echo "setup: not root, using sudo"
  SUDO=(sudo)
else
  echo "setup: cannot install ${missing[*]}: not root and sudo is not available." >&2
  echo "setup: install them with apt-get as root, then run make again." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
