#!/usr/bin/env bash
# Checks what ./package left in dist/ as a distribution would: lintian passes
# the .deb with no error and no warning, and the downloads are reproducible:
# this commit packaged again in a fresh clone, in another folder, later, under
# another umask and time zone, gives the same bytes (diffoscope shows what
# differs when not). Prints the checksums. Run after ./package, with nothing
# uncommitted, as a clone has only what is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/ensure-packages.sh
ensure_packages lintian
ls dist/*.deb >/dev/null || { echo "$0: no package in dist/; run ./package first" >&2; exit 1; }
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "$0: the work tree has uncommitted changes, which a clone would not have" >&2
  exit 1
fi
lintian --fail-on error,warning dist/*.deb
echo "lintian: no error and no warning"

again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
git clone -q . "$again/ballotrek"
echo "Packaging the commit again in $again ..."
if ! (cd "$again/ballotrek" && umask 0027 && TZ=Pacific/Kiritimati ./package) >"$again/package.log" 2>&1; then
  tail -n 30 "$again/package.log" >&2
  exit 1
fi
status=0
diff <(ls dist) <(ls "$again/ballotrek/dist") || status=1
for file in dist/*; do
  other=$again/ballotrek/dist/${file##*/}
  if cmp -s "$file" "$other"; then
    sha256sum "$file"
  else
    echo "$file differs from the one packaged again:" >&2
    ensure_packages --no-install-recommends diffoscope
    diffoscope "$file" "$other" | head -n 200 >&2 || true
    status=1
  fi
done
[ $status -eq 0 ] && echo "Packaged twice: the same bytes"
exit $status
