#!/bin/sh
# Builds the Debian package from the build folder and lets lintian judge it: no error may be
# reported but bogus-mail-host (the project has no public mail address yet).
# Usage: lintian_deb.sh BUILD_FOLDER WORK_FOLDER
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
deb=$(ls "$work"/*.deb)
lintian --tag-display-limit 0 "$deb" > "$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep '^E:' "$work/lintian.txt" | grep -v ' bogus-mail-host' > /dev/null; then
  echo "lintian reports errors in $deb" >&2
  exit 1
fi
