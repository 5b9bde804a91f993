#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what it starts: the tests and benchmarks would add two thirds to the first build.
cmake --build build -j"$(nproc)" --target BlackJack bjsim
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the desktop program needs one (for example: xvfb-run -a build/bin/BlackJack)."
  echo "Playing ten sessions with the default strategies headless instead:"
  exec build/bin/bjsim --sessions 10 --hands 1000
fi
exec build/bin/BlackJack "$@"
