#!/usr/bin/env bash
# Writes the bash completion of vtskin from the tool's own help, so that a new command or
# option is completed without anyone remembering to edit the completion.
#
#   make-completion.sh VTSKIN TEMPLATE OUT
set -euo pipefail
# A sanitizer build's programs report the leaks of system libraries (fontconfig) when they
# exit; that is no part of their help text.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
VTSKIN=$1 TEMPLATE=$2 OUT=$3

# Commands are the indented lines of the "Commands:" block of the general help.
commands=$("$VTSKIN" --help | awk '/^Commands:/ {inside=1; next} inside && /^  [a-z]/ {print $1} inside && /^$/ {inside=0}' | tr '\n' ' ')
[ -n "$commands" ] || { echo "make-completion: no commands in '$VTSKIN --help'" >&2; exit 1; }

cases=""
for command in $commands; do
  options=$( ("$VTSKIN" help "$command" | grep -o -- '--[a-z][a-z-]*' || true) | sort -u | tr '\n' ' ')
  cases+="      $command) options+=\"${options:+ }${options% }\" ;;"$'\n'
done

commands=${commands% }
awk -v commands="$commands" -v cases="$cases" '
  /@OPTION_CASES@/ { printf "%s", cases; next }
  { gsub(/@COMMANDS@/, commands); print }
' "$TEMPLATE" > "$OUT.tmp"
mv "$OUT.tmp" "$OUT"
