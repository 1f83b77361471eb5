#!/usr/bin/env bash
# Builds Qorvane with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${QORVANE_RUN_PACKAGES[@]}" "${QORVANE_TEST_PACKAGES[@]}"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build/test "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DQORVANE_TESTS=ON >/dev/null
cmake --build build/test --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure --parallel "$(nproc)"
