#!/bin/sh
# Builds the Debian package of a build tree with cpack, lets lintian judge it, unpacks it and
# checks what it holds: the stripped finder and its data, no test camera, a menu entry and
# AppStream metadata that their validators accept, a manual page that covers every option and
# exit status of --help, and a changelog of the package's version. Runs no finder that opens
# a socket; unpacked_package_test.sh runs the unpacked package.
#   deb_package_test.sh BUILD_DIR PACKAGE_DIR VERSION
# Exit status 77 (skipped) when a packaging tool is missing; scripts/test installs them.
set -eu
build_dir=$1
package_dir=$2
version=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian appstreamcli \
    desktop-file-validate man col file; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/test installs it)" >&2
        exit 77
    fi
done

rm -rf "$package_dir"
mkdir -p "$package_dir"
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$package_dir" >"$package_dir/cpack.log" 2>&1 ||
    { cat "$package_dir/cpack.log" >&2; fail "cpack could not build the package"; }
deb="$package_dir/vistrel-finder_${version}-1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack built no $deb"

# lintian fails on errors only; its warnings and notes are shown.
echo "lintian:"
lintian --fail-on error "$deb" || fail "lintian reports errors"

field() {
    dpkg-deb --field "$deb" "$1"
}
[ "$(field Package)" = vistrel-finder ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "package version $(field Version)"
[ "$(field Section)" = net ] || fail "section $(field Section)"
field Maintainer | grep -q '<.*@.*>' || fail "no maintainer address"
for library in libqt6widgets6 libqt6network6 libpugixml1v5 zlib1g; do
    field Depends | grep -q "$library" || fail "Depends lacks $library: $(field Depends)"
done

root="$package_dir/root"
dpkg-deb -x "$deb" "$root"
for path in usr/bin/vistrel-finder \
    usr/share/vistrel-finder/Language.ini \
    usr/share/vistrel-finder/image_Quarel/bg.bmp \
    usr/share/vistrel-finder/image_Quarel/bg@2x.bmp \
    usr/share/vistrel-finder/icons/vistrel-finder-256.png \
    usr/share/applications/net.vistrel.Finder.desktop \
    usr/share/metainfo/net.vistrel.Finder.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/vistrel-finder.png \
    usr/share/icons/hicolor/256x256/apps/vistrel-finder.png \
    usr/share/icons/hicolor/scalable/apps/vistrel-finder.svg \
    usr/share/man/man1/vistrel-finder.1.gz \
    usr/share/doc/vistrel-finder/copyright \
    usr/share/doc/vistrel-finder/changelog.Debian.gz; do
    [ -f "$root/$path" ] || fail "the package lacks /$path"
done
[ "$(find "$root/usr/share/vistrel-finder/image_Quarel" -name '*.bmp' | wc -l)" -eq \
    "$(find "$(dirname "$0")/../../data/image_Quarel" -name '*.bmp' | wc -l)" ] ||
    fail "the package lacks skin pictures"
if find "$root" -name 'vistrel-camsim*' | grep -q .; then
    fail "the package holds the test camera"
fi
finder="$root/usr/bin/vistrel-finder"
file "$finder" | grep -q ', stripped' || fail "the finder is not stripped: $(file "$finder")"

desktop-file-validate "$root/usr/share/applications/net.vistrel.Finder.desktop" ||
    fail "desktop-file-validate refuses the menu entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/net.vistrel.Finder.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"
grep -q '<launchable type="desktop-id">net.vistrel.Finder.desktop</launchable>' \
    "$root/usr/share/metainfo/net.vistrel.Finder.metainfo.xml" ||
    fail "the metainfo does not launch the menu entry"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/net.vistrel.Finder.metainfo.xml" ||
    fail "the metainfo has no release $version"
changelog_version=$(zcat "$root/usr/share/doc/vistrel-finder/changelog.Debian.gz" |
    dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version-1" ] || fail "the changelog's last version is $changelog_version"

# The manual page: no warning from man, and every option and exit status of --help in it.
manual="$root/usr/share/man/man1/vistrel-finder.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about the manual page: $warnings"
page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$manual" 2>/dev/null | col -b)
help=$("$finder" --help)
for option in $(printf '%s\n' "$help" | grep -o -e '--[a-z-]*[a-z]' -e ' -h\b' | sort -u); do
    printf '%s\n' "$page" | grep -q -e "$option\b" || fail "the manual page lacks $option"
done
statuses() {
    sed -n "/^$1/,/^[A-Z]/p" | awk '$1 ~ /^[0-9]+$/ { print $1 }'
}
help_statuses=$(printf '%s\n' "$help" | statuses 'Exit status')
page_statuses=$(printf '%s\n' "$page" | statuses 'EXIT STATUS')
[ -n "$help_statuses" ] && [ "$help_statuses" = "$page_statuses" ] ||
    fail "exit statuses of --help ($help_statuses) and of the manual page ($page_statuses) differ"
echo "the package $deb is sound"
