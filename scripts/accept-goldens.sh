#!/usr/bin/env bash
# Accepts the outputs of a failed test run as the new goldens. A comparison
# that differs leaves its output in <build>/goldens/<path>.actual, where <path>
# is the golden's place under tests/data/; each such file is copied over its
# golden (a new golden is made for a missing one), what changed is printed as
# a diff of the text decoded from Shift_JIS, and the .actual file is removed.
#   scripts/accept-goldens.sh [build-dir ...]   default: every build* folder
# Look at the diffs before committing: an accepted golden is what the tests
# then hold the program to.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then set -- build*/; fi
declare -A accepted=()
count=0
for build in "$@"; do
  root="${build%/}/goldens"
  [ -d "$root" ] || continue
  while IFS= read -r -d '' actual; do
    relative="${actual#"$root"/}"
    relative="${relative%.actual}"
    golden="tests/data/$relative"
    # Two builds (plain and sanitizer) usually leave the same output; two
    # different ones for one golden cannot both be right.
    if [ -n "${accepted[$golden]:-}" ]; then
      if ! cmp -s "$actual" "$golden"; then
        echo "$actual differs from $golden, already accepted from ${accepted[$golden]}; left as it is" >&2
        exit 1
      fi
      rm "$actual"
      continue
    fi
    old=/dev/null
    [ -f "$golden" ] && old="$golden"
    # diff exits 1 when the files differ, which is the expected case here.
    diff -u --label "a/$golden" --label "b/$golden" \
      <(iconv -f CP932 -t UTF-8 "$old") <(iconv -f CP932 -t UTF-8 "$actual") || [ $? -eq 1 ]
    mkdir -p "$(dirname "$golden")"
    cp "$actual" "$golden"
    rm "$actual"
    accepted[$golden]="$build"
    count=$((count + 1))
  done < <(find "$root" -type f -name '*.actual' -print0 | sort -z)
done
echo "$count golden file(s) accepted"
