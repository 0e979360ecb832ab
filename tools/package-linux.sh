#!/usr/bin/env bash
# Makes the Linux downloads in DIST_DIR from a native build configured with
# the prefix /usr: the Debian package ballotrek_<version>_<arch>.deb and
# ballotrek-<version>-Linux-<machine>.tar.gz, the same install tree without
# its prefix. Both are the same to the byte for the same source and
# SOURCE_DATE_EPOCH: files in name order, owned by root, modes set here
# rather than by the umask, no time later than SOURCE_DATE_EPOCH, and no
# name or time in the gzip header.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR DIST_DIR" >&2
  exit 2
fi
build=$1 dist=$2
: "${SOURCE_DATE_EPOCH:?$0: set SOURCE_DATE_EPOCH to the time of the source (./package does)}"
export SOURCE_DATE_EPOCH
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
prefix=$(cache CMAKE_INSTALL_PREFIX)
[ "$prefix" = /usr ] || { echo "$0: $build is configured for $prefix, not /usr" >&2; exit 1; }

mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root=$stage/root
DESTDIR=$root cmake --install "$build" --strip >/dev/null
chmod -R u=rwX,go=rX "$root"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# The control files: the libraries' packages as dpkg-shlibdeps finds them
# (it wants a debian/control, which may be empty), the size in KiB.
mkdir "$stage/debian" "$root/DEBIAN"
touch "$stage/debian/control"
depends=$(cd "$stage" && dpkg-shlibdeps -O "root/usr/games/ballotrek" 2>/dev/null |
  sed -n "s/^shlibs:Depends=//p")
[ -n "$depends" ] || { echo "$0: dpkg-shlibdeps found no libraries" >&2; exit 1; }
arch=$(dpkg --print-architecture)
{
  sed '/^Description:/,$d' "$build/deb-control"
  echo "Architecture: $arch"
  echo "Depends: $depends"
  echo "Installed-Size: $(du -sk --apparent-size "$root/usr" | cut -f1)"
  sed -n '/^Description:/,$p' "$build/deb-control"
} >"$root/DEBIAN/control"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"
chmod 0755 "$root/DEBIAN"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
touch -d "@$SOURCE_DATE_EPOCH" "$root/DEBIAN" "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
deb=$dist/ballotrek_${version}_$arch.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"

# The same tree as a .tar.gz, to unpack anywhere.
name=ballotrek-$version-Linux-$(uname -m)
rm -rf "$root/DEBIAN"
mv "$root/usr" "$stage/$name"
touch -d "@$SOURCE_DATE_EPOCH" "$stage/$name"
tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner -C "$stage" -cf - "$name" |
  gzip -9n >"$dist/$name.tar.gz"
echo "$dist/$name.tar.gz"
