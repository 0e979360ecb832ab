#!/usr/bin/env bash
# Keeps a command's whole output in the log named as first argument and shows
# its progress lines (those matching the pattern given second, by default a
# build's "[ 42%]" lines): on a terminal as one line rewritten in place,
# otherwise as they come.
log=$1
pattern=${2:-'^\[ *[0-9]+%\]'}
: >"$log"
if [ -t 1 ]; then
  width=$(( $(tput cols 2>/dev/null || echo 80) - 1 ))
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    if [[ $line =~ $pattern ]]; then printf '\r\033[K%s' "${line:0:$width}"; fi
  done
  printf '\r\033[K'
else
  tee -a "$log" | grep --line-buffered -E "$pattern" || true
fi
