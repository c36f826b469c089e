#!/bin/sh
# Runs a Windows program under Wine for CTest. The program's output goes
# through a file: the first Wine program of a prefix starts the Wine server
# and the system processes, and they inherit its standard output. Were that
# CTest's pipe, CTest would wait for them, and with tests running back to
# back they outlive the test by minutes. tail streams the file meanwhile, so
# a test that hangs still shows how far it got.
out=$(mktemp "${TMPDIR:-/tmp}/vexa-wine.XXXXXX") || exit 1
trap 'rm -f "$out"' EXIT
trap 'kill "$pid" 2>/dev/null; exit 143' TERM INT
wine "$@" >"$out" 2>&1 </dev/null &
pid=$!
tail -n +1 -f --pid="$pid" "$out"
wait "$pid"
