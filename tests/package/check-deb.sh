#!/usr/bin/env bash
# Builds the Debian package from a Linux build folder, unpacks it into a temporary root (it is
# never installed), checks what it holds, validates its desktop entry and metadata, and starts
# the unpacked program as a desktop menu would: from a folder with no Quillon files, with a home
# and a display of its own. The program must show its window and work in ~/.config/quillon,
# which then holds the default template.
#   tests/package/check-deb.sh BUILD_FOLDER
# shellcheck source-path=SCRIPTDIR source=unpacked-package.sh
. "$(dirname "$0")/unpacked-package.sh"

deb=$(ls "$work"/dist/quillon_*_amd64.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"

expected="usr/bin/quillon
usr/lib/quillon/quillon_sound.so
usr/share/applications/quillon.desktop
usr/share/doc/quillon/changelog.gz
usr/share/doc/quillon/copyright
usr/share/icons/hicolor/16x16/apps/quillon.png
usr/share/icons/hicolor/24x24/apps/quillon.png
usr/share/icons/hicolor/256x256/apps/quillon.png
usr/share/icons/hicolor/32x32/apps/quillon.png
usr/share/icons/hicolor/48x48/apps/quillon.png
usr/share/icons/hicolor/64x64/apps/quillon.png
usr/share/man/man6/quillon.6.gz
usr/share/metainfo/io.github.quillon.Quillon.metainfo.xml
usr/share/quillon/qmscript.txt"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
    echo "The package holds:"; echo "$actual"; echo "instead of:"; echo "$expected"
    exit 1
fi
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no dependency on Qt"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6multimedia6 ||
    { echo "no dependency on Qt Multimedia, which the sound module loads"; exit 1; }
# The program itself starts without the audio system's libraries.
if readelf -d "$root/usr/bin/quillon" | grep -q Multimedia; then
    echo "quillon loads Qt Multimedia at its start"; exit 1
fi
grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/quillon/copyright"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$root/usr/share/metainfo/io.github.quillon.Quillon.metainfo.xml"
desktop-file-validate "$root/usr/share/applications/quillon.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.quillon.Quillon.metainfo.xml" >/dev/null

# A display of its own, whose number the server picks and reports once it is ready. A number
# picked from the lock files of other servers, as xvfb-run -a does, may be taken at that moment
# by a server starting elsewhere, which can then take over the display's socket from ours.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
display_server=$!
started+=("$display_server")
until [ -s "$work/display" ]; do
    kill -0 "$display_server" 2>/dev/null || { echo "no display"; exit 1; }
    sleep 0.05
done
export DISPLAY=:$(cat "$work/display")

# A first start from the desktop menu: an empty current folder and a home of its own, whose
# config folder already names a game folder, so that no prompt waits.
home=$work/home
mkdir -p "$home/.config/quillon" "$work/game" "$work/elsewhere"
: >"$work/game/mp_pak0.pk3"  # a folder of the first game
printf '%s/game/\r\n' "$work" >"$home/.config/quillon/qm.cfg"
(cd "$work/elsewhere" && HOME=$home XDG_CONFIG_HOME='' exec "$root/usr/bin/quillon") \
    >"$work/output" 2>&1 &
started+=($!)
quillon_window "$!" >/dev/null || { echo "no window:"; cat "$work/output"; exit 1; }
cmp "$root/usr/share/quillon/qmscript.txt" "$home/.config/quillon/qmscript.txt"
[ -z "$(ls -A "$work/elsewhere")" ] || { echo "files left in the current folder"; exit 1; }
echo "1 passed, 0 failed"
