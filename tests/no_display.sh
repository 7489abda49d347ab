#!/bin/sh
# A game started where no display can be opened, a dead one or none at all:
# one line in French that names what it tried, status 1, no abort.
program=$1
fail() { echo "$*"; exit 1; }

check() {
  expected=$1; shift
  output=$(ulimit -c 0; env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
  status=$?
  [ "$status" -eq 1 ] || fail "status $status, expected 1; output: $output"
  [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "more than one line: $output"
  printf '%s\n' "$output" | grep -qF -- "$expected" || fail "no « $expected » in: $output"
}

check "« :199 »" DISPLAY=:199
check "DISPLAY est vide" -u DISPLAY
echo ok
