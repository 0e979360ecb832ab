#!/usr/bin/env bash
# Makes the Windows download, DIST_DIR/ballotrek-<version>-win64.zip: the
# stripped ballotrek.exe of a Windows build, the clips of a native build (the
# clip makers run only on the build machine) in data\, a README.txt and the
# licence, LICENSE.txt, with Windows line ends. The version is the Windows
# build's own; the zip is the same for the same files and SOURCE_DATE_EPOCH.
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "usage: $0 WINDOWS_BUILD_DIR NATIVE_CLIPS_DIR DIST_DIR" >&2
  exit 2
fi
build=$1 clips=$2 dist=$3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "$0: no project version in $build/CMakeCache.txt" >&2; exit 1; }
ls "$clips"/*.wav >/dev/null || { echo "$0: no clips in $clips" >&2; exit 1; }

name=ballotrek-$version-win64
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/data"
x86_64-w64-mingw32-strip -o "$stage/ballotrek.exe" "$build/ballotrek.exe"
cp "$clips"/*.wav "$stage/data/"
sed 's/$/\r/' "$(dirname "$0")/../LICENSE" >"$stage/LICENSE.txt"
sed 's/$/\r/' >"$stage/README.txt" <<TEXT
Ballotrek $version for Windows

Ballotrek is a full-screen board game for the console. You run for President
of the United States against the computer: two jets fly around a board of the
states, you buy states, challenge the computer's, and meet the evening news,
a smoke filled room, quizzes and hazards on the way.

Starting it
-----------
Unpack the whole zip into a folder of its own and double-click ballotrek.exe,
or open Command Prompt, PowerShell or Windows Terminal in that folder and type

    ballotrek

The console window must show at least 80 columns by 25 rows; if it is
smaller, the game asks you to make it larger. When the game ends, the console
is given back as it was.

"ballotrek --help" shows the options and "ballotrek --version" the version.

Keys
----
At the take-off prompt:

    Enter                 take off (also to launch the computer's jet)
    U                     the unclaimed states
    P                     your states
    C                     the computer's states
    B                     the board, in flying order
    M                     the campaign map: who holds which state, and
                          where the jets are
    H                     help
    S                     sound on or off
    F                     freeze the game
    Escape or Control-C   concede

U, P, C, B and M also show their lists and the map after the game has ended.
On the map your states are in square brackets, [TX], and the computer's in
angle brackets, <TX>; your states are blue and the computer's red.

Elsewhere the game tells you which keys it takes: Y or N, Enter for an
outcome, the space bar to close a list or the map, Escape to leave the last
screen. Letters work in either case.

Licence
-------
Ballotrek is free software under the MIT licence, in LICENSE.txt: use it,
copy it, change it, share it or sell it, as long as the copyright notice and
the licence go with it. It comes with no warranty.

Files
-----
The sound clips are the WAV files in the data folder beside ballotrek.exe
(a data folder in the folder you start the game from is used first). A
frozen game is kept in bkt.dat in the folder you start the game from; the
next start offers to resume it.
TEXT
rm -f "$dist/$name.zip"
/usr/bin/python3 "$(dirname "$0")/zip-folder.py" --contents "$stage" "$dist/$name.zip"
echo "$dist/$name.zip"
