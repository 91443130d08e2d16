#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop expects of it:
# the files are where they belong, the desktop entry and the AppStream data validate,
# the file types are recognised by extension and by their tag alone, the thumbnailer's
# command writes a PNG of the size asked for, and the manual pages render cleanly.
#
#   check-install.sh BUILD_DIR
set -uo pipefail
BUILD=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
DEST=$WORK/dest
PREFIX=$DEST/usr
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
check() { local what=$1; shift; if "$@" >"$WORK/out" 2>&1; then pass "$what"; else fail "$what"; cat "$WORK/out"; fi; }

DESTDIR=$DEST cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 ||
  { cat "$WORK/install.log"; echo "0 passed, 1 failed"; exit 1; }

# ---- The tree -----------------------------------------------------------------------
expected=(
  bin/vtskin
  share/applications/vtskined.desktop
  share/mime/packages/vtskined.xml
  share/thumbnailers/vtskined.thumbnailer
  share/metainfo/org.veltrane.vtskined.metainfo.xml
  share/man/man1/vtskin.1
  share/bash-completion/completions/vtskin
  share/icons/hicolor/scalable/apps/vtskined.svg
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/vtskined.png")
done
for type in uskn kskn xskn mskn; do
  expected+=("share/icons/hicolor/scalable/mimetypes/application-x-vtskin-$type.svg"
             "share/icons/hicolor/48x48/mimetypes/application-x-vtskin-$type.png"
             "share/vtskined/skins/demo-light.$type" "share/vtskined/skins/demo-dark.$type")
done
[ -x "$BUILD/apps/vtskined" ] && expected+=(bin/vtskined share/man/man1/vtskined.1)
[ -x "$BUILD/apps/vtskin-preview" ] && expected+=(bin/vtskin-preview share/man/man1/vtskin-preview.1)
[ -f "$BUILD/plugins/styles/libvtskinstyle.so" ] &&
  expected+=("$(sed -n 's/^VTSKIN_STYLE_PLUGIN_DIR:INTERNAL=//p' "$BUILD/CMakeCache.txt")/libvtskinstyle.so")
for file in "${expected[@]}"; do
  [ -s "$PREFIX/$file" ] && pass "installed $file" || fail "missing $file"
done

# An icon's PNG is as large as the folder it is in says.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 256; do
  icon=$PREFIX/share/icons/hicolor/${size}x${size}/apps/vtskined.png
  [ "$(png_size "$icon")" = "${size}x${size}" ] && pass "icon ${size}x${size}" ||
    fail "icon $icon is $(png_size "$icon")"
done

# ---- Validators ---------------------------------------------------------------------
check "desktop entry validates" desktop-file-validate "$PREFIX/share/applications/vtskined.desktop"
check "AppStream data validates" appstreamcli validate --no-net \
  "$PREFIX/share/metainfo/org.veltrane.vtskined.metainfo.xml"
check "MIME package is well formed" xmllint --noout "$PREFIX/share/mime/packages/vtskined.xml"

# ---- File types, by extension and by tag --------------------------------------------
export XDG_DATA_HOME=$WORK/xdg XDG_DATA_DIRS=/usr/share
mkdir -p "$XDG_DATA_HOME/mime/packages" "$WORK/renamed"
cp "$PREFIX/share/mime/packages/vtskined.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime" >/dev/null 2>&1 || fail "update-mime-database"
for skin in "$PREFIX"/share/vtskined/skins/*; do
  type=application/x-vtskin-${skin##*.}
  renamed=$WORK/renamed/$(basename "${skin%.*}")-${skin##*.}
  cp "$skin" "$renamed"
  for file in "$skin" "$renamed"; do
    got=$(xdg-mime query filetype "$file" 2>&1)
    [ "$got" = "$type" ] && pass "$(basename "$file") is $type" ||
      fail "$(basename "$file") is '$got', not $type"
  done
done

# ---- Thumbnailer ---------------------------------------------------------------------
exec_line=$(sed -n 's/^Exec=//p' "$PREFIX/share/thumbnailers/vtskined.thumbnailer")
for skin in "$PREFIX"/share/vtskined/skins/*; do
  for size in 128 100; do
    out=$WORK/thumb-$size.png
    rm -f "$out"
    command=${exec_line//%i/$skin}
    command=${command//%o/$out}
    command=${command//%s/$size}
    command=${command/#vtskin/$PREFIX/bin/vtskin}
    if ! $command >"$WORK/out" 2>&1; then
      fail "thumbnailer on $(basename "$skin") at $size"; cat "$WORK/out"; continue
    fi
    got=$(png_size "$out")
    width=${got%x*} height=${got#*x}
    larger=$((width > height ? width : height))
    [ "$larger" = "$size" ] && pass "thumbnail of $(basename "$skin") at $size is $got" ||
      fail "thumbnail of $(basename "$skin") at $size is $got"
  done
done

# ---- Manual pages ---------------------------------------------------------------------
for page in "$PREFIX"/share/man/man1/*.1; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] && pass "$(basename "$page") renders" ||
    fail "$(basename "$page"): $warnings"
done

echo "$(( ${#expected[@]} )) files checked"
if [ "$failures" -eq 0 ]; then echo "install tree: no failures"; exit 0; fi
echo "install tree: $failures failures"; exit 1
