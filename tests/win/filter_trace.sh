#!/usr/bin/env bash
# Runs an end-to-end test under Wine's trace of windows, messages, menus and
# the notification area and checks that Vorn lets Explorer's two messages,
# "TaskbarCreated" and the icon's WM_TRAYNOTIFY (0x2774), through its main
# window's message filter (action 1, MSGFLT_ALLOW), as an elevated Vorn
# needs (Wine keeps no integrity levels and its filter is a stub, which says
# what it was given), before its first Shell_NotifyIconW, since either may
# come while that call still waits on the shell; and that every popup menu
# is followed by a WM_NULL posted to the main window once the menu has
# ended, without which Windows shows the next menu only for a moment.
set -euo pipefail
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
# The test's own verdict is the e2e suite's business; here only the trace counts.
WINEDEBUG=+pid,+win,+msg,+menu,+systray wine "$1" --gtest_filter='VornEndToEnd.OnlyARightButtonReleaseOnTheIconOpensTheMenu' >/dev/null 2>"$trace" || true

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
    # Asking window[thread] of a thread that made none would make it one.
    $4 == "menu" && word[1] == "exit_tracking" && (thread in window) && number(substr(word[2], 6)) == window[thread] {
        ++menus[thread]; ended[thread] = 1
    }
    $4 == "msg" && word[1] == "NtUserPostMessage" && ended[thread] && number(word[3]) == window[thread] && word[5] == "0" {
        ++nulls[thread]; ended[thread] = 0
    }
    $3 == "fixme" && word[1] == "ChangeWindowMessageFilterEx" {
        allowed[thread, number(word[2]), number(word[3]), word[4]] = 1; filtered[thread, number(word[3])] = 1
    }
    $4 == "systray" && word[1] == "Shell_NotifyIconW" && !(thread in early) {
        early[thread] = (thread in taskbar) && ((thread, taskbar[thread]) in filtered) && ((thread, "2774") in filtered)
    }
    END {
        for (thread in window) {
            ++windows
            if (!((thread, window[thread], taskbar[thread], 1) in allowed)) { print thread ": TaskbarCreated (" taskbar[thread] ") not let through to window " window[thread]; failed = 1 }
            if (!((thread, window[thread], "2774", 1) in allowed)) { print thread ": WM_TRAYNOTIFY not let through to window " window[thread]; failed = 1 }
            if (!early[thread]) { print thread ": the first Shell_NotifyIconW (if any was traced) came before TaskbarCreated was registered and both messages let through"; failed = 1 }
            if (!menus[thread] || nulls[thread] != menus[thread]) { print thread ": " nulls[thread] + 0 " WM_NULL posted after " menus[thread] + 0 " menus"; failed = 1 }
        }
        if (!windows) { print "no window of Vorn in the trace"; system("tail -n 20 " FILENAME); exit 1 }
        if (failed) exit 1
        print windows " start(s) of Vorn let both messages through to the main window before asking for the icon and posted WM_NULL after each menu"
    }' "$trace"
