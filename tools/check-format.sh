#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted as .clang-format says; `make format`
# formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror $files; then
  echo "check-format: the files above are not formatted; run 'make format'" >&2
  exit 1
fi
echo "check-format: $(echo "$files" | wc -l) files formatted"
