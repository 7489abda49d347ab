#!/bin/sh
# The Debian package holds the same layout as an install into /usr, and its
# dependencies come from the libraries the programs link.
#   package_check.sh BUILD_DIR
build=$1
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/tavreno_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no tavreno_*.deb made"
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
(cd "$work/root" && find . -type f | sort) >"$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/packaged"
diff "$work/installed" "$work/packaged" || fail "the package's files differ from the install's"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 qt6-qpa-plugins libc6; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done
echo "ok: $(wc -l <"$work/packaged") files; Depends: $depends"
