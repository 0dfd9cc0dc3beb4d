#!/usr/bin/env bash
# Set-up, an optimised build and the program started with its delivered data directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/einrichten.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --target trabex
exec build-release/trabex
