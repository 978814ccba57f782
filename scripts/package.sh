#!/usr/bin/env bash
# Builds the Debian package build/malvo_<version>_<arch>.deb with CPack and checks it: its file
# list and Depends line, lintian (no errors), desktop-file-validate and appstreamcli on what it
# installs. Any failed check fails the script.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
bash "$top/scripts/setup.sh"
bash "$top/scripts/setup.sh" "$top/scripts/package-tools.txt"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MALVO_BUILD_TYPE:-RelWithDebInfo}"
fi
cmake --build "$build" --target malvo malvo_package_docs -j "$(nproc)"
rm -f "$build"/malvo_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/malvo_*.deb)
deb=${debs[0]}
echo "Built $deb"

fail() { echo "package check failed: $*" >&2; exit 1; }

# What the package installs, and what it needs.
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/malvo ./usr/share/malvo/help/ ./usr/share/applications/malvo.desktop \
    ./usr/share/icons/hicolor/scalable/apps/malvo.svg ./usr/share/icons/hicolor/256x256/apps/malvo.png \
    ./usr/share/icons/hicolor/48x48/apps/malvo.png ./usr/share/metainfo/io.github.malvo.Malvo.metainfo.xml \
    ./usr/share/man/man1/malvo.1.gz ./usr/share/doc/malvo/copyright; do
  grep -qF " $path" <<<"$contents" || fail "$path is missing from the package"
done
grep -qF ' ./usr/share/malvo/help/Blyant.html' <<<"$contents" || fail "the help pages are missing"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libturbojpeg0 fonts-dejavu-core fonts-liberation; do
  grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends does not name $dep"
done

# The three validators, on the files as the package installs them.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/malvo.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/io.github.malvo.Malvo.metainfo.xml"
# lintian's warnings are listed but do not fail; its errors do.
lintian --fail-on error "$deb"
echo "Package checks passed: $deb"
