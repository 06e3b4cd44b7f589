#!/usr/bin/env bash
# The Windows installer in a fresh Wine prefix, as an IT department runs it (silently) and as
# a clerk would find the result: files, Start menu, desktop, "Open with" and "Apps" entries;
# the installed companion round-trips a sample card and the program starts; installing the
# same version again and uninstalling leave nothing of the program behind, and the clerk's
# data stays unless its removal is asked for.
# usage: installer_test.sh SETUP.exe VERSION WORK_FOLDER
set -uo pipefail
setup=$1 version=$2 work=$3/installer-test
rm -rf "$work" && mkdir -p "$work/home"
# A home of its own: Wine links the user's Desktop and Documents to the home's.
export HOME=$work/home WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
ok() { echo "ok: $*"; }
wineboot --init >/dev/null 2>&1
here=$(cd "$(dirname "$0")" && pwd)
wine regedit /S "Z:${here//\//\\}\\wine-fonts.reg" >/dev/null 2>&1
wineserver -w
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v '^Public$' | head -n 1)
home_c=$WINEPREFIX/drive_c/users/$user
local_dir=$home_c/AppData/Local/Programs/ЗОРВАТ
all_dir=$WINEPREFIX/drive_c/Program\ Files/ЗОРВАТ
start_menu=$home_c/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
desktop=$(readlink -f "$home_c/Desktop")
uninst='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORVAT'
progid='HKCU\Software\Classes\ZORVAT.Card'
openwith='HKCU\Software\Classes\.txt\OpenWithProgids'
key() { wine reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1; }
value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^  /, ""); print }'; }
install() { wine "$setup" /S "$@"; local s=$?; wineserver -w; return $s; }
uninstall() { wine "$1/uninstall.exe" /S "${@:2}"; local s=$?; wineserver -w; sleep 1; return $s; }
files_of() { find "$1" -type f 2>/dev/null | wc -l; }

# 1. Silent install for the current user.
install || fail "the silent install ended with an error"
for f in zorvat.exe zorvat-card.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll dictionaries/uk_UA.dic \
         translations/qtbase_uk.qm samples/RK_sample.txt LICENSE.txt; do
  [ -f "$local_dir/$f" ] || fail "not installed: $f"
done
[ -f "$start_menu/ЗОРВАТ.lnk" ] && [ -f "$start_menu/ЗОРВАТ — посібник.lnk" ] && ok "Start menu entries" ||
  fail "Start menu entries missing: $(ls "$start_menu" 2>&1)"
[ -f "$desktop/ЗОРВАТ.lnk" ] && ok "desktop shortcut" || fail "no desktop shortcut in $desktop"
[ "$(value "$uninst" DisplayVersion)" = "$version" ] && ok "Apps entry, version $version" || fail "no Apps entry"
for v in DisplayName Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize InstallLocation; do
  key "$uninst" "$v" || fail "the Apps entry has no $v"
done
key "$openwith" ZORVAT.Card && key "$progid\\shell\\open\\command" && ok "Open with for .txt" || fail "no Open with entry"
# The .txt files stay the text editor's.
[ -z "$(value 'HKCU\Software\Classes\.txt' '(Default)')" ] || fail "ЗОРВАТ took .txt over"

# 2. The installed companion round-trips a sample card; the program starts.
win_dir='C:\users\'$user'\AppData\Local\Programs\ЗОРВАТ'
wine "$local_dir/zorvat-card.exe" resave --force "$win_dir\\samples\\RK_sample.txt" 'C:\RK_once.txt' >/dev/null 2>&1 &&
  wine "$local_dir/zorvat-card.exe" resave --force 'C:\RK_once.txt' 'C:\RK_twice.txt' >/dev/null 2>&1 &&
  cmp -s "$WINEPREFIX/drive_c/RK_once.txt" "$WINEPREFIX/drive_c/RK_twice.txt" && ok "zorvat-card.exe round trip" ||
  fail "the installed zorvat-card.exe does not round-trip RK_sample.txt"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    wine explorer /desktop=zorvat,1280x900 "$1/zorvat.exe" >/dev/null 2>&1 & sleep 20
    import -window root "$2/installed-zorvat.png"
    wine "$1/zorvat.exe" --version >/dev/null 2>&1
    wineserver -k' _ "$local_dir" "$work"
  [ -s "$work/installed-zorvat.png" ] && ok "zorvat.exe started: $work/installed-zorvat.png" || fail "no picture of zorvat.exe"
fi

# 3. The clerk's data, as the program keeps it.
mkdir -p "$home_c/AppData/Roaming/ЗОРВАТ" "$home_c/AppData/Local/ЗОРВАТ"
echo "[General]" > "$home_c/AppData/Roaming/ЗОРВАТ/zorvat.ini"
echo "слово" > "$home_c/AppData/Roaming/ЗОРВАТ/words.txt"
echo "db" > "$home_c/AppData/Local/ЗОРВАТ/organisations.sqlite"

# 4. The same version again, then uninstalled: nothing of the program stays, the data does.
before=$(files_of "$local_dir")
install || fail "installing the same version again failed"
[ "$(files_of "$local_dir")" = "$before" ] && ok "installed again in place" || fail "a second install changed the file count"
uninstall "$local_dir" || fail "the silent uninstall ended with an error"
[ ! -e "$local_dir" ] && ok "program folder removed" || fail "left behind: $(find "$local_dir" | head -5)"
[ ! -e "$start_menu/ЗОРВАТ.lnk" ] && [ ! -e "$start_menu/ЗОРВАТ — посібник.lnk" ] && [ ! -e "$desktop/ЗОРВАТ.lnk" ] &&
  ok "shortcuts removed" || fail "shortcuts left behind"
! key "$uninst" && ! key "$progid" && ! key "$openwith" ZORVAT.Card && ! key 'HKCU\Software\Classes\Applications\zorvat.exe' &&
  ok "registry entries removed" || fail "registry entries left behind"
[ -f "$home_c/AppData/Roaming/ЗОРВАТ/zorvat.ini" ] && [ -f "$home_c/AppData/Roaming/ЗОРВАТ/words.txt" ] &&
  [ -f "$home_c/AppData/Local/ЗОРВАТ/organisations.sqlite" ] && ok "the clerk's data kept" || fail "the clerk's data was removed unasked"

# 5. For all users, into a folder of one's own, with no desktop shortcut; removed with the data.
install /ALLUSERS /NODESKTOP '/D=C:\Програми\ЗОРВАТ' || fail "the all-users install ended with an error"
custom=$WINEPREFIX/drive_c/Програми/ЗОРВАТ
[ -f "$custom/zorvat.exe" ] && ok "all users, into /D" || fail "not installed into /D: $(ls "$WINEPREFIX/drive_c")"
key 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORVAT' && ok "Apps entry for all users" ||
  fail "no Apps entry in HKLM"
[ ! -e "$desktop/ЗОРВАТ.lnk" ] || fail "a desktop shortcut despite /NODESKTOP"
uninstall "$custom" /ALLUSERS /REMOVEDATA || fail "the all-users uninstall ended with an error"
[ ! -e "$custom" ] && ! key 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORVAT' &&
  ok "all-users install removed" || fail "the all-users install left things behind"
[ ! -e "$home_c/AppData/Roaming/ЗОРВАТ" ] && [ ! -e "$home_c/AppData/Local/ЗОРВАТ" ] &&
  ok "the clerk's data removed when asked" || fail "the clerk's data stayed despite /REMOVEDATA"
[ ! -e "$all_dir" ] || fail "Program Files\\ЗОРВАТ made although /D named another folder"

wineserver -k 2>/dev/null
echo "installer: $failed failed"
[ "$failed" = 0 ]
