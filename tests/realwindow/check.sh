#!/usr/bin/env bash
# The real window under a virtual X server: press the command buttons with the keyboard and the
# mouse, read the clipboard as another program would, and compare each text with quorvane-cli
# for the same record and controls.
# usage: check.sh BUILD_DIR SAMPLES_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
samples=$(cd "$2" && pwd)
screenshot=${3:-}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
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

wid=$(timeout 20 xdotool search --sync --name '^Quorvane 1.32 - 510 records$' | head -1) ||
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

before=$(clipboard)
xdotool key --window "$wid" alt+f
wait_clipboard_change "$before" || fail "Copier Wiki (&FR) put nothing on the clipboard"
compare "Copier Wiki (&FR)" "$(cli_text infobox "$samples" 0 --lang fr)"

before=$(clipboard)
xdotool key --window "$wid" alt+e
wait_clipboard_change "$before" || fail "Copy Wiki (&EN) put nothing on the clipboard"
compare "Copy Wiki (&EN)" "$(cli_text infobox "$samples" 0 --lang en)"

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

# The name list leaves the browser on the last numbered record (449). Move it one record with a
# click on its right arrow, then check the caption and the record the infobox describes.
read -r width height < <(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {split($2, g, "x"); print g[1], g[2]}')
xdotool mousemove --window "$wid" $((width - 6 - 5)) $((height - 6 - 7)) click 1
sleep 0.3
title=$(xdotool getwindowname "$wid")
[ "$title" = "Quorvane 1.32 - 510 records" ] || fail "caption after a move: $title"
echo "ok: caption"
before=$(clipboard)
xdotool key --window "$wid" alt+e
wait_clipboard_change "$before" || fail "Copy Wiki (&EN) on the next record put nothing on the clipboard"
compare "browser moved to record 450" "$(cli_text infobox "$samples" 450 --lang en)"
echo "real-window check passed"
