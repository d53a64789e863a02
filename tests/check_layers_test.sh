#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/check_layers.sh passes on the source tree, and fails on a tree holding one include
# that runs up the layers; an include that runs down passes.
# Usage: tests/check_layers_test.sh SOURCE_DIR
src=$1
script="$src/scripts/check_layers.sh"
sh "$script" "$src" || { echo "the source tree breaks the layers"; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
cases=0
# FOLDER INCLUDE EXPECTED-STATUS
while read -r folder target expected; do
  cases=$((cases + 1))
  rm -rf "$tmp/tree" && mkdir -p "$tmp/tree/$folder"
  echo "#include $target" > "$tmp/tree/$folder/file.h"
  sh "$script" "$tmp/tree" 2>/dev/null
  status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "$folder including $target: status $status, expected $expected"
    failures=$((failures + 1))
  fi
done <<'CASES'
common "thermodb/x.h" 1
common "app/model/controls.h" 1
common <QString> 1
thermodb "properties/x.h" 1
thermodb "compare/x.h" 1
thermodb <QtCore/QString> 1
properties "compare/x.h" 1
properties "thermodb/x.h" 0
compare "app/model/x.h" 1
compare "batch/x.h" 1
compare "properties/x.h" 0
app/model "app/qt/x.h" 1
app/model <QObject> 1
app/model "compare/x.h" 0
app/qt "batch/x.h" 1
app/qt "app/model/x.h" 0
batch <QString> 1
batch "app/qt/plot/x.h" 1
batch "app/model/x.h" 0
CASES
[ "$cases" -eq 19 ] || { echo "ran $cases cases"; exit 1; }
exit $failures
