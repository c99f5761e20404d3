#!/usr/bin/env bash
# Runs the end-to-end launch test under Wine's trace of COM and the shell and
# checks, on the thread of the first shell launch, that COM was entered before
# it as a single-threaded apartment without OLE1 DDE (flags 0x6). Every launch
# through the shell, ShellExecuteW or ShellExecuteExW alike, passes through
# shell32's SHELL_execute, which the exec channel traces.
set -euo pipefail
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
# The test's own verdict is the e2e suite's business; here only the trace counts.
WINEDEBUG=+pid,+ole,+exec wine "$1" --gtest_filter='VornEndToEnd.AHotkeyLaunches*' >/dev/null 2>"$trace" || true

# A trace line reads "pid:tid:trace:channel:function text".
awk -F: '
    $4 == "ole" && $5 ~ /^CoInitializeEx / && !(($1 ":" $2) in entered) { entered[$1 ":" $2] = $5 }
    $4 == "exec" && $5 ~ /^SHELL_execute / { thread = $1 ":" $2; exit }
    END {
        if (thread == "") { print "no shell launch in the trace"; system("tail -n 20 " FILENAME); exit 1 }
        if (!(thread in entered)) { print "thread " thread " launched before entering COM"; exit 1 }
        if (entered[thread] !~ /, 0x6$/) { print "COM entered otherwise: " entered[thread]; exit 1 }
        print "thread " thread " entered COM before its first launch: " entered[thread]
    }' "$trace"
