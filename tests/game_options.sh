#!/bin/sh
# A game's own options, read before any window opens: the list on --aide, a
# bad level told in one line with status 2.
program=$1
fail() { echo "$*"; exit 1; }

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --aide 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "--aide: status $status; output: $output"
printf '%s\n' "$output" | grep -qF -- "--niveau N" || fail "--aide does not list --niveau: $output"

for bad in "--niveau 9" "--niveau zéro" "--niveau" "--vite"; do
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $bad 2>&1)
  status=$?
  [ "$status" -eq 2 ] || fail "$bad: status $status, expected 2; output: $output"
  [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "$bad: more than one line: $output"
done
echo ok
