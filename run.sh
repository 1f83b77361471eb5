#!/usr/bin/env bash
# Builds Qorvane (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "qorvane: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it on a desktop or under xvfb-run." >&2
  exit 1
fi

ensure_packages "${QORVANE_RUN_PACKAGES[@]}"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build/release "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DQORVANE_TESTS=OFF >/dev/null
cmake --build build/release --parallel "$(nproc)"
exec build/release/bin/qorvane "$@"
