#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine, builds the game and starts it.
source "$(dirname "$0")/scripts/common.sh"
install_packages
build_tree build
exec "$ROOT/build/bin/orvane-cards" "$@"
