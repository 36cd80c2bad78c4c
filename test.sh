#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, checks the layout of the C++ sources, builds
# with warnings as errors and runs every test; then runs them again under AddressSanitizer
# and UndefinedBehaviorSanitizer, all but the long cross-checks of the arithmetic, which
# only repeat the paths the quick tests already take, a million times over.
source "$(dirname "$0")/scripts/common.sh"
install_packages

"$ROOT/scripts/check-format.sh"

export QT_QPA_PLATFORM=offscreen
# Two tests a core: many spend their time waiting on a timer or on a program they run.
jobs=$((2 * $(nproc)))

build_tree build -DORVANE_WERROR=ON
ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$jobs"

build_tree build-asan -DORVANE_WERROR=ON -DORVANE_SANITIZE=ON -DORVANE_BUILD_CONTENT=OFF \
  -DORVANE_CONTENT_DIR="$ROOT/build/bin" -DCMAKE_BUILD_TYPE=Debug
LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$ROOT/build-asan" --output-on-failure --parallel "$jobs" \
  --label-exclude long-check
