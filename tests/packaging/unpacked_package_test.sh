#!/bin/sh
# Runs the finder of the package that deb_package_test.sh unpacked, as an installed finder
# runs: from a working directory without data, with the source tree's data hidden, so that
# it can only find its texts and pictures in the unpacked package. It prints its version,
# lists the test cameras, says a Language.ini text and saves its window with the skin.
#   unpacked_package_test.sh PACKAGE_DIR SOURCE_DIR CAMSIM VERSION
# Only inside the private network namespace of scripts/netns (exit status 77 elsewhere): the
# finder broadcasts.
set -eu
package_dir=$1
source_dir=$2
camsim=$3
version=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Inside the namespace loopback is the only interface, beside the black hole camnull0.
in_private_network() {
    interfaces=$(tail -n +3 /proc/net/dev | cut -d: -f1 | tr -d ' ')
    printf '%s\n' "$interfaces" | grep -qx lo || return 1
    for name in $interfaces; do
        case $name in
        lo | camnull*) ;;
        *) return 1 ;;
        esac
    done
}
if ! in_private_network; then
    echo "SKIP: broadcasts; run inside scripts/netns" >&2
    exit 77
fi
if ! unshare -m true 2>/dev/null; then
    echo "SKIP: no mount namespace to hide the source tree's data in" >&2
    exit 77
fi

finder="$package_dir/root/usr/bin/vistrel-finder"
[ -x "$finder" ] || fail "no unpacked finder at $finder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/data/camsim/demo.json" "$work/cameras.json"

# In a mount namespace of its own, an empty file system covers the source tree's data
# directory, which the finder would otherwise fall back to.
cat >"$work/run.sh" <<'SCRIPT'
set -eu
mount -t tmpfs hidden "$SOURCE_DIR/data"
cd "$WORK"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" QT_QPA_PLATFORM=offscreen
"$FINDER" --version >version.txt
"$FINDER" --list --json --wait 2 >list.json
status=0
VISTREL_PASSWORD=wrong "$FINDER" --configure 02:56:49:00:00:05 --name Office \
    2>configure.err || status=$?
echo "$status" >configure.status
"$FINDER" --screenshot window.png --wait 1 2>screenshot.err
SCRIPT
SOURCE_DIR=$source_dir WORK=$work FINDER=$finder VISTREL_CAMSIM=$camsim \
    unshare -m "$source_dir/scripts/with_cameras" "$work/cameras.json" sh "$work/run.sh" ||
    fail "the unpacked finder failed; see above"

[ "$(cat "$work/version.txt")" = "vistrel-finder $version" ] ||
    fail "--version printed $(cat "$work/version.txt")"
for mac in 02:56:49:00:00:01 02:56:49:00:00:03 02:56:49:00:00:05; do
    grep -q "\"mac\": \"$mac\"" "$work/list.json" || fail "--list did not list $mac"
done
grep -q '"model": "VC-210W"' "$work/list.json" || fail "--list names no model"
# A wrong password is said in the English text of Language.ini, not by its key.
[ "$(cat "$work/configure.status")" = 4 ] ||
    fail "--configure with a wrong password ended with $(cat "$work/configure.status")"
grep -q 'The password is incorrect' "$work/configure.err" ||
    fail "no Language.ini text for the wrong password: $(cat "$work/configure.err")"
if grep -q 'missing' "$work/screenshot.err"; then
    fail "the window misses its skin: $(cat "$work/screenshot.err")"
fi
[ -s "$work/window.png" ] || fail "no screenshot"
echo "the unpacked finder runs and finds its data"
