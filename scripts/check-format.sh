#!/usr/bin/env bash
# Fails, naming the lines, when a C++ source is not laid out as the committed .clang-format
# says. `clang-format -i <files>` puts a file right.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 clang-format --dry-run --Werror
