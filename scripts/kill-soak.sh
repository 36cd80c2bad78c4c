#!/usr/bin/env bash
# Builds the game and kills it at random instants of play, N times (default 1,000),
# restarting it after each kill; see tests/kill/kill_test.sh for what is checked.
# usage: scripts/kill-soak.sh [kills] [seed]
source "$(dirname "$0")/common.sh"
install_packages
build_tree build -DORVANE_WERROR=ON
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
  bash "$ROOT/tests/kill/kill_test.sh" "$ROOT/build/bin/orvane-cards" \
  "$ROOT/build/bin/ledger_check" "${1:-1000}" "${2:-1}"
