#!/usr/bin/env bash
# installer.sh SETUP.exe: the installer as an administrator who deploys it
# meets it. A silent install (/S) puts the program into the user's own
# program folder with a Start-menu entry and an entry under "Apps & features"
# (name, version, icon, uninstaller); the installed program starts and
# answers; a silent uninstall then leaves no file, no entry and no registry
# key. It runs in a Wine prefix of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=${1:?usage: installer.sh SETUP.exe}
readonly key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvaro'
version="Kelvaro ${KELVARO_RELEASE:?the version comes from CTest} (${KELVARO_VERSION:?})"

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kelvaro-installer.XXXXXX")
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
run() { "$here/wine-run" "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { "$here/wine-run" winepath -u "$1" 2>/dev/null; }

folder=$(unix_path "$(run cmd /c 'echo %LOCALAPPDATA%\Programs\Kelvaro')")
shortcut=$(unix_path "$(run cmd /c 'echo %APPDATA%\Microsoft\Windows\Start Menu\Programs\Kelvaro.lnk')")

"$here/wine-run" "$setup" /S || fail "the silent install ended with status $?"
for file in kelvaro.exe uninstall.exe; do
    [[ -f $folder/$file ]] || fail "no $file in $folder"
done
[[ -f $shortcut ]] || fail "no Start-menu entry at $shortcut"
entry=$(run reg query "$key")
for value in "DisplayName.*Kelvaro$" "DisplayVersion.*$KELVARO_RELEASE$" \
    'DisplayIcon.*\\Kelvaro\\kelvaro.exe,0$' 'UninstallString.*\\uninstall.exe"$' \
    'QuietUninstallString.*uninstall.exe" /S$'; do
    grep -Eq "$value" <<<"$entry" || fail "the uninstall entry lacks $value: $entry"
done

answer=$(run "$folder/kelvaro.exe" --version) || fail "the installed program ended with status $?"
[[ $answer == "$version" ]] || fail "the installed program answered \"$answer\", not \"$version\""

# The uninstaller runs from a copy of itself, so that it can remove itself:
# the call returns before the files go.
"$here/wine-run" "$folder/uninstall.exe" /S || fail "the silent uninstall ended with status $?"
for _ in $(seq 100); do
    [[ -e $folder ]] || break
    sleep 0.2
done
[[ ! -e $folder ]] || fail "the uninstaller left $(find "$folder" | tr '\n' ' ')"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu entry"
if run reg query "$key" >/dev/null; then
    fail "the uninstaller left the registry key $key"
fi
if run reg query 'HKCU\Software\Kelvaro' >/dev/null; then
    fail "something wrote HKCU\\Software\\Kelvaro"
fi

((failures == 0)) || exit 1
echo "installer: silent install, start and uninstall hold"
