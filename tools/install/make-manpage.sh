#!/usr/bin/env bash
# Writes a program's manual page from its own help text, so that the page never drifts
# from the program. For vtskin, every command's own help becomes a section of its own.
#
#   make-manpage.sh PROGRAM NAME-LINE OUT.1 [--commands]
set -euo pipefail
# A sanitizer build's programs report the leaks of system libraries (fontconfig) when they
# exit; that is no part of their help text.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
PROGRAM=$1 NAME_LINE=$2 OUT=$3 WITH_COMMANDS=${4:-}
HELP2MAN=${HELP2MAN:-help2man}

include=$(mktemp)
trap 'rm -f "$include"' EXIT

if [ "$WITH_COMMANDS" = --commands ]; then
  # help2man takes extra sections from an include file: "[NAME]" starts a section and
  # the text after it is roff, so each command's help goes in as literal lines.
  commands=$("$PROGRAM" --help | awk '/^Commands:/ {inside=1; next} inside && /^  [a-z]/ {print $1} inside && /^$/ {inside=0}')
  {
    echo "[COMMANDS]"
    for command in $commands; do
      echo ".SS $command"
      echo ".nf"
      "$PROGRAM" help "$command" | sed -e 's/\\/\\e/g' -e 's/^[.'"'"']/\\\&&/'
      echo ".fi"
    done
  } > "$include"
fi

# help2man refuses an include file without sections, so only a filled one is passed.
extra=()
[ -s "$include" ] && extra=(--include "$include")
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$HELP2MAN" --no-info --no-discard-stderr --section 1 --name "$NAME_LINE" \
  "${extra[@]}" --output "$OUT.tmp" "$PROGRAM"
mv "$OUT.tmp" "$OUT"
