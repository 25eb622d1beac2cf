#!/usr/bin/env bash
# Builds Verdalon and shows it working without hardware: translates the sample
# data file with verda, starts the virtual analyzer on a pseudo-terminal, maps
# Com1 to it, and starts the desktop program. Choose Instrument > Connect.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERDALON_BUILD_APP=ON >/dev/null
cmake --build build -j "$(nproc)" --target verda verda-sim verdalon

sample=samples/demo.vqb
echo "== Records of $sample"
build/cli/verda list "$sample"
build/cli/verda translate "$sample" build/demo.csv
echo "== Translated into build/demo.csv"

# The virtual analyzer prints its pseudo-terminal's path on its first line.
sim_output=$(mktemp)
build/sim/analyzer/verda-sim --model Birch >"$sim_output" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; rm -f "$sim_output"' EXIT
for _ in $(seq 50); do [ -s "$sim_output" ] && break; sleep 0.1; done
device=$(head -n 1 "$sim_output")
echo "== Virtual analyzer (a Birch) listening on $device"

# Map Com1 to it in the program's settings ([Connection] Com1Device).
config="${XDG_CONFIG_HOME:-$HOME/.config}/Local AppWizard-Generated Applications/Verdalon.conf"
mkdir -p "$(dirname "$config")"
touch "$config"
awk -v device="$device" '
  /^\[/ { if (in_section && !done) { print "Com1Device=" device; done = 1 } in_section = ($0 == "[Connection]") }
  in_section && /^Com1Device=/ { if (!done) { print "Com1Device=" device; done = 1 } next }
  { print }
  END { if (!done) { if (!in_section) print "[Connection]"; print "Com1Device=" device } }
' "$config" >"$config.new" && mv "$config.new" "$config"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "== No display here: asking the virtual analyzer who it is with verda instead"
  build/cli/verda --port "$device" info || true
  exit 0
fi
echo "== Starting Verdalon: choose Instrument > Connect (Birch Serial on Com1)"
build/app/verdalon
