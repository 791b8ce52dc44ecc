#!/usr/bin/env bash
# Sets everything up, builds, and starts Rewrix.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/program/rewrix ]; then
  exec build/program/rewrix "$@"
else
  exec build/program/rewrix-cli --help
fi
