#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed layout:
# the bundle under lib/zelvora, its pictures, and the bin/zelvora link.
# Usage: install_test.sh <build tree's zelvora executable>
set -euo pipefail

exe=$(realpath "$1")
build=$(realpath "$(dirname "$exe")/../..")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "install_test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

bundle=$prefix/lib/zelvora
[ -x "$bundle/bin/zelvora" ] || fail "no executable at lib/zelvora/bin/zelvora"
cmp -s "$exe" "$bundle/bin/zelvora" || fail "installed executable differs from the build's"

png_signature=89504e470d0a1a0a
for picture in Zelvoratitle200.png NormalSmall.png Quest35.png ToolBadge; do
  file=$bundle/Resources/$picture
  [ -f "$file" ] || fail "missing Resources/$picture"
  [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = "$png_signature" ] ||
    fail "Resources/$picture is not a PNG image"
done

link=$prefix/bin/zelvora
[ -L "$link" ] || fail "bin/zelvora is not a symbolic link"
[ "$(readlink "$link")" = ../lib/zelvora/bin/zelvora ] ||
  fail "bin/zelvora points at $(readlink "$link"), not ../lib/zelvora/bin/zelvora"
[ "$(realpath "$link")" = "$(realpath "$bundle/bin/zelvora")" ] ||
  fail "bin/zelvora does not resolve to the installed executable"

# The program's resource folder is <real executable folder>/../Resources.
[ -d "$(dirname "$(realpath "$link")")/../Resources" ] ||
  fail "no Resources beside the executable the link resolves to"

# A second install over the first must succeed and leave the link in place.
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(readlink "$link")" = ../lib/zelvora/bin/zelvora ] || fail "reinstalling broke bin/zelvora"

# Packagers stage with DESTDIR; nothing may land outside it.
stage=$prefix/stage
DESTDIR=$stage cmake --install "$build" --prefix /opt/zelvora-test >/dev/null
[ -L "$stage/opt/zelvora-test/bin/zelvora" ] || fail "DESTDIR install has no bin/zelvora link"
[ -x "$stage/opt/zelvora-test/lib/zelvora/bin/zelvora" ] || fail "DESTDIR install has no executable"
[ ! -e /opt/zelvora-test ] || fail "DESTDIR install wrote outside the staging folder"

echo "install_test: layout, pictures and link as expected"
