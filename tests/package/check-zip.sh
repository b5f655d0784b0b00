#!/usr/bin/env bash
# Builds the Windows zip from a Windows build folder, unpacks it into a temporary folder, and
# runs the unpacked quillon.exe under Wine as Win+R does, from another folder, with no build
# folder on the path, until it has exported a script: it works in its own folder and leaves the
# folder it started from as it was. quillon.exe is at most 3.2 MB. Needs a display.
#   tests/package/check-zip.sh BUILD_FOLDER
# shellcheck source-path=SCRIPTDIR source=unpacked-package.sh
. "$(dirname "$0")/unpacked-package.sh"

(cd "$work" && cmake -E tar xf dist/quillon-*-windows.zip)
folder=$work/Quillon
for file in quillon.exe qmscript.txt README.txt LICENSE.txt; do
    [ -f "$folder/$file" ] || { echo "the zip lacks $file"; exit 1; }
done
for text in README.txt LICENSE.txt; do
    grep -q $'\r$' "$folder/$text" || { echo "$text has no CR LF line ends"; exit 1; }
done
cmp <(tr -d '\r' <"$folder/LICENSE.txt") "$(dirname "$0")/../../LICENSE"
size=$(stat -c %s "$folder/quillon.exe")
# zlib's inflate and the voice chats' readers and players take about 100 KB of it.
[ "$size" -le 3200000 ] || { echo "quillon.exe takes $size bytes"; exit 1; }

mkdir -p "$work/game" "$work/elsewhere"
: >"$work/game/mp_pak0.pk3"  # a folder of the first game
printf 'Z:%s\\game\\\r\n' "${work//\//\\}" >"$folder/qm.cfg"
# A window manager, so that the window takes the keyboard as on a desktop.
openbox >/dev/null 2>&1 &
started+=($!)
(cd "$work/elsewhere" && PATH=/usr/bin:/bin exec wine "$folder/quillon.exe") >"$work/output" 2>&1 &
started+=($!)
window=$(quillon_window "$!") || { echo "no window:"; cat "$work/output"; exit 1; }
for _ in $(seq 100); do
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --window "$window" F12 >/dev/null 2>&1 || true
    [ -f "$work/game/qmvc.cfg" ] && break
    sleep 0.3
done
[ -f "$work/game/qmvc.cfg" ] || { echo "no script exported"; exit 1; }
cmp <(head -c "$(stat -c %s "$folder/qmscript.txt")" "$work/game/qmvc.cfg") "$folder/qmscript.txt"
[ -z "$(ls -A "$work/elsewhere")" ] || { echo "files left in the folder it started from"; exit 1; }
echo "1 passed, 0 failed"
