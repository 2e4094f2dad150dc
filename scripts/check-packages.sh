#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages from a built tree (BUILD_DIR/packages) and checks them as a school
# administrator's machine would take them: valid menu entries and metadata, the files where
# the desktop looks for them, and both programs starting from the unpacked package.
#   scripts/check-packages.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-packages.sh BUILD_DIR}" && pwd)

rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || {
  cat "$build/cpack.log" >&2
  fail() { :; }
  echo "check-packages: cpack failed" >&2
  exit 1
}
pupil=$(echo "$build"/packages/tesilka_*.deb)
teacher=$(echo "$build"/packages/tesilka-ucitel_*.deb)

fail() {
  echo "check-packages: $*" >&2
  exit 1
}

expect_contents() {
  local package=$1
  shift
  local listing
  listing=$(dpkg-deb --contents "$package" | awk '{print $6}')
  for path in "$@"; do
    grep -qx "\./$path" <<<"$listing" || fail "$(basename "$package") lacks /$path"
  done
}
icons() {
  for size in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x${size}/apps/$1.png"; done
  echo "usr/share/icons/hicolor/scalable/apps/$1.svg"
}
# The Slovak and English catalogues: the pupil's in both packages, the teacher's in its own.
catalogues() {
  local program=$1
  shift
  for catalogue in "$@"; do
    for language in sk en; do echo "usr/share/$program/translations/${catalogue}_$language.qm"; done
  done
}
# shellcheck disable=SC2046
expect_contents "$pupil" usr/bin/tesilka usr/share/applications/org.example.tesilka.desktop \
  usr/share/metainfo/org.example.tesilka.metainfo.xml usr/share/doc/tesilka/copyright \
  $(icons org.example.tesilka) $(catalogues tesilka tesilka)
# shellcheck disable=SC2046
expect_contents "$teacher" usr/bin/tesilka-ucitel \
  usr/share/applications/org.example.tesilka.ucitel.desktop \
  usr/share/metainfo/org.example.tesilka.ucitel.metainfo.xml \
  usr/share/doc/tesilka-ucitel/copyright $(icons org.example.tesilka.ucitel) \
  $(catalogues tesilka-ucitel tesilka tesilka-ucitel)
for package in "$pupil" "$teacher"; do
  dpkg-deb -f "$package" Depends | grep -q 'libqt6sql6-sqlite' ||
    fail "$(basename "$package") does not depend on the SQLite driver"
  dpkg-deb -f "$package" Depends | grep -q 'libqt6sql6-psql' ||
    fail "$(basename "$package") does not depend on the PostgreSQL driver"
done

scratch=$(mktemp -d)
xvfb=
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
dpkg -x "$pupil" "$scratch/root"
dpkg -x "$teacher" "$scratch/root"
desktop-file-validate "$scratch"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net "$scratch"/root/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  appstreamcli validate --no-net "$scratch"/root/usr/share/metainfo/*.metainfo.xml

# Each program from the unpacked package, on a private X display, with a home of its own: it
# passes when the program shows a window.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
display=":$(cat "$scratch/display")"
# Each program starts; under Slovak and English its window title is in that language.
for run in "tesilka cs_CZ Tesilka" "tesilka-ucitel cs_CZ učitel" "tesilka-ucitel sk_SK učiteľ" \
  "tesilka-ucitel en_US for Teachers"; do
  read -r binary language title <<<"$run"
  home="$scratch/home-$binary-$language"
  mkdir -p "$home"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$display" LANG="$language.UTF-8" \
    "$scratch/root/usr/bin/$binary" >/dev/null 2>&1 &
  program=$!
  if ! DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --pid "$program" \
    --name "$title" >/dev/null; then
    fail "$binary from the package showed no window titled \"$title\" under $language"
  fi
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null || true
  program=
done
echo "check-packages: $(basename "$pupil") and $(basename "$teacher") are sound"
