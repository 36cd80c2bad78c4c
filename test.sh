#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds with warnings as errors and runs
# every test twice: once in the normal build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
source "$(dirname "$0")/scripts/common.sh"
install_packages

export QT_QPA_PLATFORM=offscreen

build_tree build -DORVANE_WERROR=ON
ctest --test-dir "$ROOT/build" --output-on-failure --parallel "$(nproc)"

build_tree build-asan -DORVANE_WERROR=ON -DORVANE_SANITIZE=ON -DORVANE_BUILD_CONTENT=OFF \
  -DORVANE_CONTENT_DIR="$ROOT/build/bin" -DCMAKE_BUILD_TYPE=Debug
LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$ROOT/build-asan" --output-on-failure --parallel "$(nproc)"
