#!/usr/bin/env bash
# Builds the browser edition and puts it together in build/web/site: the page
# (web/), the game built as WebAssembly (preset web, with its tests), the
# clips of a native build (the clip makers run only on the build machine),
# the icons drawn from web/icon.svg, the game's font cut down to the
# characters the screen can show, and the service worker with its list of
# files. Any static web server serves the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/ensure-packages.sh
ensure_packages cmake make emscripten googletest g++ pkg-config libncurses-dev libasound2-dev \
  libsndfile1-dev libespeak-ng-dev librsvg2-bin fonts-dejavu-core python3-fonttools python3-brotli
cmake --preset web
cmake --build --preset web -j "$(nproc)"
cmake --preset play >/dev/null
cmake --build --preset play -j "$(nproc)" --target clips
build=build/web clips=build/play/data site=build/web/site
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
[ -f "$font" ] || { echo "$0: $font is missing (Debian's fonts-dejavu-core)" >&2; exit 1; }

rm -rf "$site"
mkdir -p "$site/data"
cp web/index.html web/style.css web/page.js web/manifest.webmanifest web/icon.svg "$site/"
cp "$build/ballotrek.js" "$build/ballotrek.wasm" "$site/"
cp "$clips"/*.wav "$site/data/"
for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" web/icon.svg -o "$site/icon-$size.png"
done
# Printable ASCII, the Latin-1 letters and the triangle: all a cell can hold.
/usr/bin/python3 -m fontTools.subset "$font" --unicodes=U+0020-007E,U+00A0-00FF,U+25B2 --no-hinting --drop-tables+=FFTM \
  --flavor=woff2 --output-file="$site/game-font.woff2"
cp /usr/share/doc/fonts-dejavu-core/copyright "$site/game-font-copyright.txt"

# The service worker keeps every file but itself; its cache is named by the
# version and a digest of the files, so that any change is a new release.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
digest=$(cd "$site" && sha256sum $files | sha256sum | cut -c1-12)
list=$(printf '"./"'; printf ', "%s"' $files)
sed -e "s|@RELEASE@|$version-$digest|" -e "s|@FILES@|$list|" web/service-worker.js \
  >"$site/service-worker.js"
