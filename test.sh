#!/usr/bin/env bash
# Builds Qorvane with its tests and runs every test; then builds it a second
# time with AddressSanitizer and UndefinedBehaviorSanitizer (build/asan) and
# runs every test again there. `./test.sh --fast` skips the second pass.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

sanitize=1
for arg in "$@"; do
  case "$arg" in
    --fast) sanitize=0 ;;
    *) echo "usage: $0 [--fast]" >&2; exit 2 ;;
  esac
done

ensure_packages "${QORVANE_RUN_PACKAGES[@]}" "${QORVANE_TEST_PACKAGES[@]}"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
export QT_QPA_PLATFORM=offscreen

# run_pass BUILD_DIR [CMAKE_OPTION...]: configures, builds and runs the tests.
run_pass() {
  local dir="$1"
  shift
  cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DQORVANE_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
  ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
}

run_pass build/test -DQORVANE_SANITIZE=OFF

if [ "$sanitize" -eq 1 ]; then
  echo "== Second pass: AddressSanitizer + UndefinedBehaviorSanitizer (build/asan) =="
  # Set before building: test discovery runs the test programs at build time.
  # The leak suppressions cover system libraries only (scripts/lsan.supp).
  export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  run_pass build/asan -DQORVANE_SANITIZE=ON
fi
