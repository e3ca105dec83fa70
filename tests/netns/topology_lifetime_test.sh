#!/bin/sh
# scripts/lans leaves nothing behind: once its command has failed, or the script itself has
# been terminated or killed, no process remains in any namespace it made, and `ip netns list`
# stays empty. Exit status 77 (skipped) where the topology cannot be made.
#   topology_lifetime_test.sh SCRIPTS_LANS
set -eu
lans=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The command writes the namespaces of the computer and of each LAN, as "net:[inode]".
# shellcheck disable=SC2016
record='readlink /proc/self/ns/net >"$0/ns.part"
for lan in $VISTREL_LANS; do
    eval "pid=\$VISTREL_LAN_$(echo "$lan" | tr a-z A-Z)_PID"
    readlink "/proc/$pid/ns/net" >>"$0/ns.part"
done
mv "$0/ns.part" "$0/ns"'

processes_left() {
    find /proc/[0-9]*/ns/net -maxdepth 0 -printf '%l\n' 2>/dev/null | grep -cxFf "$work/ns" || true
}

expect_nothing_left() {
    tries=0
    while [ "$(processes_left)" -ne 0 ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "$1: processes remain in the topology's namespaces"
        sleep 0.05
    done
    [ -z "$(ip netns list 2>/dev/null)" ] || fail "$1: ip netns list is not empty"
    rm -f "$work/ns"
}

wait_for_record() {
    tries=0
    while [ ! -s "$work/ns" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 600 ] || fail "the topology did not come up"
        sleep 0.05
    done
}

status=0
"$lans" sh -c "$record; exit 5" "$work" || status=$?
[ "$status" -ne 77 ] || exit 77
[ "$status" -eq 5 ] || fail "a failing command's status came back as $status"
[ "$(wc -l <"$work/ns")" -eq 3 ] || fail "expected the computer and two LANs"
expect_nothing_left "after a failing command"

for signal in TERM KILL; do
    "$lans" sh -c "$record; exec sleep 600" "$work" &
    topology=$!
    wait_for_record
    kill "-$signal" "$topology"
    wait "$topology" || true
    expect_nothing_left "after $signal"
done
echo "topology_lifetime: nothing left behind"
