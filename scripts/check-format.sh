#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming each line that differs, when a C++ file tracked by git is not laid out as
# clang-format 14 lays it out with the repository's .clang-format. Checks the files given, or
# every tracked *.cpp, *.h and *.h.in. Changes nothing; to fix a file: clang-format-14 -i FILE.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
FORMAT="${CLANG_FORMAT:-clang-format-14}"
command -v "$FORMAT" >/dev/null ||
  { echo "check-format.sh: $FORMAT not found (Debian package clang-format-14)" >&2; exit 1; }

if (($#)); then
  files=("$@")
else
  mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in')
fi
((${#files[@]})) || { echo "check-format.sh: no files to check" >&2; exit 1; }

if "$FORMAT" --style=file --dry-run -Werror "${files[@]}"; then
  echo "check-format.sh: ${#files[@]} files formatted as .clang-format says"
else
  echo "check-format.sh: the files above differ; clang-format-14 -i FILE fixes them" >&2
  exit 1
fi
