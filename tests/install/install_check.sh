#!/bin/sh
# The suite installed into a temporary prefix as a family's computer gets it:
# every program, a valid menu entry and the icons at each size per program, a
# metainfo that AppStream accepts, and each installed program starting from
# there on its own, headless, for a few seconds.
#   install_check.sh BUILD_DIR
build=$1
fail() { echo "FAIL: $*"; exit 1; }
root=$(mktemp -d) || exit 1
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr=$root/usr
catalog=$usr/share/tavreno/games.tsv
[ -s "$catalog" ] || fail "no catalog at $catalog"

names=$(cut -f1 "$catalog")
[ "$(cut -f1 "$build/launcher/games.tsv" | sort)" = "$(printf '%s\n' $names | sort)" ] \
  || fail "the installed catalog lists other games than the build's"
for id in $(printf 'org.tavreno.%s\n' $names) org.tavreno.launcher; do
  desktop=$usr/share/applications/$id.desktop
  [ -f "$desktop" ] || fail "no menu entry $desktop"
  desktop-file-validate --no-hints "$desktop" || fail "$desktop is not valid"
  program=$(sed -n 's/^Exec=//p' "$desktop")
  [ "$program" = "/usr/bin/${id#org.tavreno.}" ] || [ "$id" = org.tavreno.launcher ] || fail "$id runs $program"
  [ -x "$root$program" ] || fail "$id: no program $root$program"
  [ -s "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "$id: no scalable icon"
  for size in 48 128; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    # A PNG's width and height, big-endian, from its 17th byte on.
    [ "$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${size}x$size" ] \
      || fail "$id: no $size pixel icon"
  done
done
grep -q '^Exec=/usr/bin/tavreno-launcher$' "$usr/share/applications/org.tavreno.launcher.desktop" \
  || fail "the launcher's entry does not run /usr/bin/tavreno-launcher"
appstreamcli validate --no-net "$usr/share/metainfo/org.tavreno.launcher.metainfo.xml" || fail "metainfo"

# Each program from the prefix, with no settings of the user's and nothing
# beside it to lean on; still running after three seconds is a start.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$root/config
cd "$root" || exit 1
for program in $names tavreno-launcher; do
  (timeout 4 "$usr/bin/$program" >"$root/$program.out" 2>&1; echo $? >"$root/$program.status") &
done
wait
for program in $names tavreno-launcher; do
  status=$(cat "$root/$program.status")
  [ "$status" -eq 124 ] || fail "$program ended with status $status: $(cat "$root/$program.out")"
  if grep -iE 'introuvable|cannot|could not|impossible' "$root/$program.out"; then fail "$program complained"; fi
done
echo "ok: $(echo $names | wc -w) games and the launcher"
