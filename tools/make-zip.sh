#!/usr/bin/env bash
# Writes ZIP from the files under FOLDER, the same bytes for the same files
# and SOURCE_DATE_EPOCH, whoever makes it where: names in byte order, no
# folder entries, modes 0644 or 0755 whatever the umask, every time the
# source's (in UTC, as zip keeps local times), and none of the extra fields
# with access times and owners (zip -X). Used for every zip a player downloads.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 ZIP FOLDER" >&2
  exit 2
fi
: "${SOURCE_DATE_EPOCH:?$0: set SOURCE_DATE_EPOCH to the time of the source (./package does)}"
zip=$(realpath -m "$1") folder=$2
chmod -R u=rwX,go=rX "$folder"
find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$zip"
(cd "$folder" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -q -X -9 -@ "$zip")
