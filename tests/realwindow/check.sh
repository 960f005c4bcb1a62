#!/usr/bin/env bash
# The real window under a virtual X server: drive the browser and press the command buttons with
# the keyboard and the mouse, read the clipboard as another program would, and compare each text
# with quorvane-cli for the same record and controls. Then close the window through a window
# manager and read the last text from the clipboard again, served after the program has ended
# until another program takes the clipboard.
# usage: check.sh BUILD_DIR SAMPLES_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
samples=$(cd "$2" && pwd)
screenshot=${3:-}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

command -v openbox >/dev/null || {
    echo "real-window check: openbox is needed to close the window" >&2
    exit 1
}

work=$(mktemp -d)
app_pid=
wm_pid=
keeper_pid=
cleanup() {
    for pid in "$app_pid" "$wm_pid" "$keeper_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/config/Morvelt"
printf '[General]\nAstOrbDatPath=%s\nDiacriticalsPath=%s\n' "$samples" "$samples" \
    > "$work/config/Morvelt/Quorvane.conf"

export LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
"$build/quorvane" > "$work/app.log" 2>&1 &
app_pid=$!

fail() {
    echo "real-window check: $*" >&2
    cat "$work/app.log" >&2 || true
    exit 1
}

wid=$(timeout 20 xdotool search --sync --name '^Quorvane 1.32 - 514 records$' | head -1) ||
    fail "the window did not open on the sample"

# What quorvane-cli gives, as the clipboard holds it: UTF-8 decoded from the exact bytes.
cli_text() {
    "$build/quorvane-cli" --raw --decimal-separator . "$@" --diacriticals "$samples" |
        iconv -f CP1252 -t UTF-8
}

clipboard() {
    xclip -o -selection clipboard 2>/dev/null || true
}

# Waits until the clipboard differs from $1 (at most 10 s).
wait_clipboard_change() {
    for _ in $(seq 100); do
        [ "$(clipboard)" != "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Closes the modal message box that a list command shows when it is done.
close_message() {
    for _ in $(seq 100); do
        box=$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | head -1 || true)
        if [ -n "$box" ]; then
            sleep 0.2
            xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
            xdotool key Return
            for _ in $(seq 50); do
                xdotool search --onlyvisible --name '^Quorvane$' >/dev/null 2>&1 || return 0
                sleep 0.1
            done
            fail "the message box did not close"
        fi
        sleep 0.1
    done
    fail "no message box appeared"
}

compare() {
    local what=$1 expected=$2 got
    got=$(clipboard)
    if [ "$got" != "$expected" ]; then
        diff <(printf '%s\n' "$expected") <(printf '%s\n' "$got") | head -20 >&2 || true
        fail "$what: the clipboard differs from quorvane-cli"
    fi
    echo "ok: $what"
}

xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
sleep 0.5
[ -n "$screenshot" ] && import -window "$wid" "$screenshot"

# A value label's text, as its popup menu's "&Copier" puts it on the clipboard. $1 is the
# label's row (its top in the client area, whose origin is at 6, 6).
label_text() {
    local before
    before=$(clipboard)
    xdotool mousemove --window "$wid" $((6 + 309 + 4)) $((6 + $1 + 6)) click 3
    sleep 0.3
    xdotool key c
    for _ in $(seq 50); do
        [ "$(clipboard)" != "$before" ] && break
        sleep 0.1
    done
    clipboard
}

# The browser has the focus from the start: End, Home and Right move it, and the name label
# shows the record quorvane-cli shows at that index.
browse() {
    local key=$1 index=$2 expected got
    xdotool key --window "$wid" "$key"
    sleep 0.2
    expected=$("$build/quorvane-cli" show "$samples" "$index" | sed -n 's/^Name: //p')
    got=$(label_text 36)
    [ "$got" = "$expected" ] || fail "$key: the name label shows '$got', not record $index's '$expected'"
    title=$(xdotool getwindowname "$wid")
    [ "$title" = "Quorvane 1.32 - 514 records" ] || fail "caption after $key: $title"
    echo "ok: $key shows record $index"
}
browse End 513
browse Home 0
browse Right 1
browse Home 0

before=$(clipboard)
xdotool key --window "$wid" alt+f
wait_clipboard_change "$before" || fail "Copier Wiki (&FR) put nothing on the clipboard"
compare "Copier Wiki (&FR)" "$(cli_text infobox "$samples" 0 --lang fr)"

before=$(clipboard)
xdotool key --window "$wid" alt+e
wait_clipboard_change "$before" || fail "Copy Wiki (&EN) put nothing on the clipboard"
compare "Copy Wiki (&EN)" "$(cli_text infobox "$samples" 0 --lang en)"

# The English infobox leaves the regional point (C.UTF-8 has one) to the French one after it.
before=$(clipboard)
xdotool key --window "$wid" alt+f
wait_clipboard_change "$before" || fail "Copier Wiki (&FR) after the English one put nothing on the clipboard"
compare "Copier Wiki (&FR) after Copy Wiki (&EN)" "$(cli_text infobox "$samples" 0 --lang fr)"

before=$(clipboard)
xdotool key --window "$wid" alt+a alt+r
sleep 0.2
xdotool key --window "$wid" alt+c
close_message
wait_clipboard_change "$before" || fail "Spe&cial put nothing on the clipboard"
compare "Spe&cial" "$(cli_text special "$samples" --planet mars --type crosser)"

# Extract Names has no accelerator: a mouse click in its middle (client origin at 6, 6).
before=$(clipboard)
xdotool mousemove --window "$wid" $((6 + 402 + 45)) $((6 + 226 + 9)) click 1
close_message
wait_clipboard_change "$before" || fail "Extract Names put nothing on the clipboard"
compare "Extract Names" "$(cli_text names "$samples")"

# The name list leaves the browser on the last numbered record (450). Move it one record with a
# click on its right arrow, then check the caption and the record the infobox describes.
read -r width height < <(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {split($2, g, "x"); print g[1], g[2]}')
xdotool mousemove --window "$wid" $((width - 6 - 5)) $((height - 6 - 7)) click 1
sleep 0.3
title=$(xdotool getwindowname "$wid")
[ "$title" = "Quorvane 1.32 - 514 records" ] || fail "caption after a move: $title"
echo "ok: caption"
before=$(clipboard)
xdotool key --window "$wid" alt+e
wait_clipboard_change "$before" || fail "Copy Wiki (&EN) on the next record put nothing on the clipboard"
last=$(cli_text infobox "$samples" 451 --lang en)
compare "browser moved to record 451" "$last"

# Waits until process $1 has ended (at most 10 s).
ends() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Close the window as a user does, through a window manager's Alt+F4; the program ends at once
# and its text stays on the clipboard, served by the keeper until another program takes it.
openbox > "$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
sleep 0.5
xdotool windowactivate --sync "$wid" || fail "the window manager did not take the window"
xdotool key alt+F4
ends "$app_pid" || fail "the program did not end when its window closed"
app_pid=
compare "the clipboard after the program ended" "$last"
keeper_pid=$(pgrep -f "^$build/quorvane-clipboard" | head -1)
[ -n "$keeper_pid" ] || fail "no keeper serves the clipboard"
printf 'another program' | xclip -selection clipboard -i -loops 1
ends "$keeper_pid" || fail "the keeper still runs after another program took the clipboard"
keeper_pid=
[ "$(clipboard)" = "another program" ] || fail "the other program's text is not on the clipboard"
echo "ok: the clipboard outlives the program, until another program takes it"
echo "real-window check passed"
