#!/usr/bin/env bash
# The Windows companion under Wine gives what the Linux one gives for every sample card:
# the same bytes when it saves one, the same show and check output and status, and a PDF
# with the same pages and the same line breaks (Arial and Times New Roman on Windows,
# their metric twins on Linux).
# usage: same_as_linux.sh LINUX_ZORVAT_CARD WINDOWS_ZORVAT_CARD.exe KIT SAMPLES_DIR
set -uo pipefail
linux=$1 windows=$2 kit=$3 samples=$4
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
win() { "$here/scripts/wine-run" "$kit" "$windows" "$@"; }
# Wine gives a Windows program a Linux path on drive Z:.
z() { echo "Z:$1"; }

checked=0
for card in "$samples"/*.txt; do
  name=$(basename "$card" .txt)
  mkdir -p "$work/$name"
  cp "$card" "$work/$name/$name.txt"
  "$linux" resave --force "$work/$name/$name.txt" "$work/$name/linux.txt" 2>/dev/null
  win resave --force "$(z "$work/$name/$name.txt")" "$(z "$work/$name/windows.txt")" 2>/dev/null
  cmp -s "$work/$name/linux.txt" "$work/$name/windows.txt" || fail "$name: resave writes other bytes on Windows"
  for command in show check; do
    "$linux" "$command" "$work/$name/$name.txt" >"$work/$name/$command.linux" 2>&1
    s1=$?
    win "$command" "$(z "$work/$name/$name.txt")" >"$work/$name/$command.windows" 2>&1
    s2=$?
    [ "$s1" = "$s2" ] || fail "$name: $command ends with $s2 on Windows, $s1 on Linux"
    # check names the file it read, on drive Z: under Wine.
    sed -i "s|Z:$work|$work|g" "$work/$name/$command.windows"
    cmp -s "$work/$name/$command.linux" "$work/$name/$command.windows" ||
      fail "$name: $command says otherwise on Windows: $(diff "$work/$name/$command.linux" "$work/$name/$command.windows" | head -5)"
  done
  "$linux" pdf "$work/$name/$name.txt" "$work/$name/linux.pdf" 2>/dev/null
  win pdf "$(z "$work/$name/$name.txt")" "$(z "$work/$name/windows.pdf")" 2>/dev/null
  for side in linux windows; do
    [ -s "$work/$name/$side.pdf" ] || { fail "$name: no PDF on $side"; continue 2; }
    pdftotext -layout "$work/$name/$side.pdf" "$work/$name/$side.pdf.txt"
    pdfinfo "$work/$name/$side.pdf" | sed -n 's/^Pages: *//p' >"$work/$name/$side.pages"
  done
  cmp -s "$work/$name/linux.pages" "$work/$name/windows.pages" ||
    fail "$name: the PDF has $(cat "$work/$name/windows.pages") pages on Windows, $(cat "$work/$name/linux.pages") on Linux"
  # The same words on the same lines of the same pages (blanks between them may differ).
  normal() { sed 's/[[:space:]]\+/ /g; s/^ //; s/ $//' "$1"; }
  diff <(normal "$work/$name/linux.pdf.txt") <(normal "$work/$name/windows.pdf.txt") >"$work/$name/pdf.diff" ||
    fail "$name: the PDF breaks lines otherwise on Windows: $(head -6 "$work/$name/pdf.diff")"
  checked=$((checked + 1))
done
[ "$checked" -gt 0 ] || fail "no sample card in $samples"
echo "$((checked - failed < 0 ? 0 : checked)) samples compared; $failed differences"
[ "$failed" = 0 ]
