#!/usr/bin/env bash
# Installs the Debian package from dist/ as a player would, plays it from an
# empty folder through the end-to-end tests (sound on, a take-off, conceding,
# exit status 0, a game started as the menu starts it), checks the menu's
# entry, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$root"/dist/ballotrek_*_amd64.deb
trap '"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q ballotrek' EXIT
folder=$(mktemp -d)
cd "$folder"
/usr/games/ballotrek --version
BALLOTREK_INSTALLED=/usr/games/ballotrek BALLOTREK_INSTALLED_CLIPS=/usr/share/games/ballotrek \
  "$root/build/default/tests/e2e/e2e_tests" \
  --gtest_filter='GameE2eTest.SoundPlaysTheClips*:GameE2eTest.MapListSoundFreezeResumeAndConcede:GameE2eTest.GamesStartedAtOnceDrawApart'
desktop-file-validate /usr/share/applications/ballotrek.desktop
appstreamcli validate --no-net /usr/share/metainfo/*ballotrek.metainfo.xml
test ! -e "$folder/data"
cd / && rm -rf "$folder"
