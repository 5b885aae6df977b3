#!/usr/bin/env bash
# Installs the built tree into a temporary prefix and starts the installed editor offscreen for a
# moment: it must come up and stay up, with no picture it cannot find.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/quobix-editor"
test -f "$prefix/share/applications/org.quobix.LevelEditor.desktop"
test -f "$prefix/share/quobix-editor/levels/ring.qbx"
test -f "$prefix/share/icons/hicolor/48x48/apps/quobix-editor.png"

# The two level types, as a file manager would learn them from the installed package file.
update-mime-database "$prefix/share/mime"
for pair in "application/x-quobix-qbx:*.qbx" "application/x-quobix-xsb:*.xsb"; do
  cut -d: -f2- "$prefix/share/mime/globs2" | grep -Fqx "$pair" || {
    echo "no MIME type $pair after update-mime-database:"; cat "$prefix/share/mime/globs2"; exit 1; }
done
grep -q "^MimeType=application/x-quobix-qbx;application/x-quobix-xsb;$" \
  "$prefix/share/applications/org.quobix.LevelEditor.desktop"

# The command line is answered without a window, so without any display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/quobix-editor" --version)
[ "$version" = "quobix-editor $QUOBIX_EXPECTED_VERSION" ] || { echo "--version: $version"; exit 1; }
env -u DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/quobix-editor" --help | grep -q -- "--solve"
set +e
HOME="$prefix" QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/quobix-editor" >"$prefix/out.log" 2>&1
status=$?
set -e
if [ "$status" -ne 124 ]; then
  echo "the installed editor ended early ($status):"; cat "$prefix/out.log"; exit 1
fi
if grep -Ei "picture|image|\.gif|\.png|resource" "$prefix/out.log"; then
  echo "the installed editor could not read its pictures"; exit 1
fi
echo "installed editor ran"
