#!/usr/bin/env bash
# Keeps a build's whole output in the log named as argument and shows its
# progress: on a terminal, one line rewritten in place; otherwise the
# build's own progress lines.
log=$1
: >"$log"
if [ -t 1 ]; then
  width=$(( $(tput cols 2>/dev/null || echo 80) - 1 ))
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    case $line in
      "["*"%]"*) printf '\r\033[K%s' "${line:0:$width}" ;;
    esac
  done
  printf '\r\033[K'
else
  tee -a "$log" | grep --line-buffered -E '^\[ *[0-9]+%\]' || true
fi
