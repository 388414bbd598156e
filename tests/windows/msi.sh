#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix of its own: installed silently, it puts the zip's
# files in the user's programs folder and a Start-menu shortcut that opens the program's window;
# a package of a higher version replaces it, one copy left; removed, it leaves no file, shortcut
# or registry key or value behind. Exits 77 (skipped) only where Xvfb or Wine cannot start.
# Usage: msi.sh wine-run winprobe.exe pinwright.msi TREE windows-msi  (TREE: the zip's files)
set -Eeuo pipefail
wine_run=$1 probe=$2 msi=$3 tree=$4 windows_msi=$5
command -v wine >/dev/null || { echo "SKIP: Wine is not installed" && exit 77; }
# shellcheck source=../xserver.sh
source "$(dirname "$0")/../xserver.sh"
export WINEPREFIX=$state/prefix
before_cleanup() { wineserver -k 2>/dev/null; }
start_xvfb
export PINWRIGHT_WINE_DISPLAY=$DISPLAY

msiexec() { "$wine_run" msiexec "$1" "Z:${2//\//\\}" /qn || fail "msiexec $1 $2 failed"; }
# Settings > Apps: Wine keeps the entries of per-user packages under HKLM too.
apps() { "$wine_run" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s; }
"$wine_run" wineboot >"$state/wine.log" 2>&1 || { cat "$state/wine.log" && exit 77; }
wineserver -w
# What names Pinwright before the package comes (the host's name may) is not the package's.
grep -hi pinwright "$WINEPREFIX"/*.reg >"$state/before" || true

msiexec /i "$msi"
programs=$WINEPREFIX/drive_c/users/$(id -un)/AppData
diff -r "$tree" "$programs/Local/Programs/Pinwright" || fail "the installed files are not the zip's"
"$wine_run" start /unix "$programs/Roaming/Microsoft/Windows/Start Menu/Programs/Pinwright.lnk" &
pids+=($!)
caption='Pinwright----求建议版，有任何建议或意见都可以邮件或QQ联系，联系方式在主页，谢谢'
window_is_there() { "$wine_run" "$probe" window "$caption" >/dev/null 2>&1; }
wait_for "the window from the Start menu" window_is_there
wineserver -k

version=${msi##*/pinwright-} && next=$((${version%%.*} + 1)).0.0
"$windows_msi" "$tree" "$next" "$state/next.msi" && msiexec /i "$state/next.msi"
[[ $(apps | grep -c 'DisplayName.*REG_SZ.*Pinwright') == 1 ]] || fail "not one entry in Apps"
apps | grep -q "DisplayVersion.*$next" || fail "Apps does not show version $next"
[[ $(find "$WINEPREFIX" -name pinwright.exe | wc -l) == 1 ]] || fail "not one pinwright.exe"

msiexec /x "$state/next.msi"
# Every file, folder and registry key or value the package made names Pinwright, but the
# programs folder, which the fresh prefix did not have; Wine writes its registry out on exit.
wineserver -w
find "$WINEPREFIX/drive_c" -iname '*pinwright*' -o -path '*/Local/Programs' >"$state/left.log"
grep -hi pinwright "$WINEPREFIX"/*.reg | grep -vxFf "$state/before" >>"$state/left.log" || true
[[ ! -s $state/left.log ]] || fail "the removal left files or registry entries behind"
echo "PASS: installed, opened from the Start menu, replaced by $next, removed"
