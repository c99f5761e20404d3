#!/usr/bin/env bash
# Runs an end-to-end test under Wine's trace of windows and messages and
# checks that Vorn lets Explorer's two messages, "TaskbarCreated" and the
# icon's WM_TRAYNOTIFY (0x2774), through its main window's message filter
# (action 1, MSGFLT_ALLOW), as an elevated Vorn needs. Wine keeps no
# integrity levels and its filter is a stub, which says what it was given.
set -euo pipefail
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
# The test's own verdict is the e2e suite's business; here only the trace counts.
WINEDEBUG=+pid,+win,+msg wine "$1" --gtest_filter='VornEndToEnd.OnlyTheExactExitCommandEndsIt' >/dev/null 2>"$trace" || true

# A trace line reads "pid:tid:class:channel:function text". On the thread
# that creates the window of class and title "Vorn", the next window made
# is that one; Wine prints handles as 0x30076 in one place and
# 0000000000030076 in another.
awk -F: '
    function number(text) { sub(/^(ret=)?(0x)?0*/, "", text); return tolower(text) }
    { thread = $1 ":" $2; split($5, word, " ") }
    $4 == "win" && $5 ~ /^WIN_CreateWindowEx L"Vorn" L"Vorn" / { creating[thread] = 1 }
    $4 == "win" && word[1] == "NtUserCreateWindowEx" && word[2] == "hwnd" && creating[thread] {
        window[thread] = number(word[3]); creating[thread] = 0
    }
    $4 == "msg" && word[1] == "RegisterWindowMessageW" && word[2] == "L\"TaskbarCreated\"" { taskbar[thread] = number(word[3]) }
    $3 == "fixme" && word[1] == "ChangeWindowMessageFilterEx" {
        allowed[thread, number(word[2]), number(word[3]), word[4]] = 1
    }
    END {
        for (thread in window) {
            ++windows
            if (!((thread, window[thread], taskbar[thread], 1) in allowed)) { print thread ": TaskbarCreated (" taskbar[thread] ") not let through to window " window[thread]; failed = 1 }
            if (!((thread, window[thread], "2774", 1) in allowed)) { print thread ": WM_TRAYNOTIFY not let through to window " window[thread]; failed = 1 }
        }
        if (!windows) { print "no window of Vorn in the trace"; system("tail -n 20 " FILENAME); exit 1 }
        if (failed) exit 1
        print windows " start(s) of Vorn let both messages through to the main window"
    }' "$trace"
