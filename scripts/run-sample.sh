#!/usr/bin/env bash
# Opens the window on the bundled sample database. The program finds its files through its
# remembered folders, so `make run` gives it a settings store of its own (under the build
# folder) that remembers the sample folder; the user's own settings are left alone.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
samples="$root/samples"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    config="$root/$build/run-config"
    mkdir -p "$config/Morvelt"
    printf '[General]\nAstOrbDatPath=%s\nDiacriticalsPath=%s\n' "$samples" "$samples" \
        > "$config/Morvelt/Quorvane.conf"
    echo "Starting Quorvane on the sample database ($samples)."
    XDG_CONFIG_HOME="$config" exec "$root/$build/quorvane"
fi

cli="$root/$build/quorvane-cli"
run() {
    echo
    echo "\$ quorvane-cli $*" | sed "s|$samples|samples|g"
    "$cli" "$@" || true
}
echo "No display found, so here is the same work through quorvane-cli on the sample."
run show "$samples" 0
run show "$samples" 365 --diacriticals "$samples"
run show "$samples" 454
run show "$samples/gz" 524
run infobox "$samples" 0 --lang en
run infobox "$samples" 0 --lang fr
run special "$samples" --planet mars --type crosser
run special "$samples" --planet neptune --type outer --all
run family "$samples" 220 --tolerance 100 --passes 1
run names "$samples" --diacriticals "$samples"
echo
echo "To see the window, run 'make run' in a desktop session, or under a virtual display:"
echo "  xvfb-run -a make run    (then take a screenshot with: import -window root shot.png)"
