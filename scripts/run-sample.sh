#!/usr/bin/env bash
# Starts the window on the bundled sample database. The program finds its database through the
# remembered folder; on a first run it opens its file dialog, which starts in the sample folder.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
samples="$root/samples"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting Quorvane. On a first run, pick samples/AstOrb.dat in the dialog that opens."
    cd "$samples"
    exec "$root/$build/quorvane"
fi

cli="$root/$build/quorvane-cli"
echo "No display found, so here is the same work through quorvane-cli on the sample."
echo
echo "\$ quorvane-cli show samples 0 --diacriticals samples"
"$cli" show "$samples" 0 --diacriticals "$samples"
echo
echo "\$ quorvane-cli show samples 100 --diacriticals samples"
"$cli" show "$samples" 100 --diacriticals "$samples"
for cmd in "infobox $samples 0 --lang en" "infobox $samples 0 --lang fr" \
           "special $samples --planet mars --type crosser" "names $samples --diacriticals $samples"; do
    echo
    echo "\$ quorvane-cli ${cmd//$samples/samples}"
    # shellcheck disable=SC2086
    "$cli" $cmd || true
done
echo
echo "To see the window, run 'make run' in a desktop session, or under a virtual display:"
echo "  xvfb-run -a make run"
