#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr and checks the tree:
# exactly the expected files, icons of the right size, entries that point at
# each other, the changelog, and the desktop and AppStream validators' verdicts.
#
# Usage: check_install_tree.sh CMAKE BUILD_DIR WITH_PROGRAM RELEASE VERSION [FRAME_PLUGIN]
#   WITH_PROGRAM  1 when the build has the program target, else 0
#   RELEASE       the version the metainfo and the manual page must name
#   VERSION       the project's full version, which the changelog must name
#   FRAME_PLUGIN  where below the prefix the Wayland frame plugin lies, when
#                 the build has it
set -euo pipefail
. "$(dirname "$0")/common.sh"

with_program=$3 release=$4 version=$5 frame_plugin=${6:-}
app_id=org.example.Kelvaro
sizes=(16 24 32 48 64 72 96 128)

stage=$(mktemp -d)
trap 'rm -rf "$stage" "$stage.log"' EXIT
install_into "$1" "$2" "$stage"
root=$stage/usr
share=$root/share

# --- the tree holds exactly these files (a missing one fails its checks
# below as well) ------------------------------------------------------------
expected=(
    usr/share/applications/kelvaro.desktop
    usr/share/doc/kelvaro/changelog.gz
    usr/share/doc/kelvaro/copyright
    usr/share/icons/hicolor/scalable/apps/kelvaro.svg
    usr/share/man/man1/kelvaro.1.gz
    "usr/share/metainfo/$app_id.metainfo.xml"
)
for n in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${n}x${n}/apps/kelvaro.png")
done
[[ $with_program == 0 ]] || expected+=(usr/bin/kelvaro)
[[ -z $frame_plugin ]] || expected+=("usr/$frame_plugin")
if ! tree_diff=$(diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | sort)); then
    fail "installed tree differs from the expected list (< missing, > unexpected):"
    echo "$tree_diff" >&2
fi

# --- the plugin, which the program looks for at ../lib/... from bin/ ---------
if [[ -n $frame_plugin ]]; then
    [[ $(file -b "$root/$frame_plugin") == "ELF "*"shared object"* ]] ||
        fail "$frame_plugin is not a shared object"
fi

# --- icons: each PNG has the size of its folder and an alpha channel -----------
for n in "${sizes[@]}"; do
    kind=$(file -b "$share/icons/hicolor/${n}x${n}/apps/kelvaro.png")
    [[ $kind == "PNG image data, $n x $n, 8-bit/color RGBA"* ]] ||
        fail "${n}x${n} icon is not a ${n}x${n} RGBA PNG: $kind"
done
[[ $(file -b "$share/icons/hicolor/scalable/apps/kelvaro.svg") == SVG* ]] ||
    fail "scalable icon is not an SVG"

# --- desktop entry ---------------------------------------------------------------
desktop=$share/applications/kelvaro.desktop
entry() { sed -n "s/^$1=//p" "$desktop"; }
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects kelvaro.desktop"
[[ $with_program == 0 || -x $root/bin/$(entry Exec) ]] ||
    fail "Exec names '$(entry Exec)', which is not the installed program"
# Qt names the window class after the program, so this must follow Exec.
[[ $(entry StartupWMClass) == "$(entry Exec)" ]] ||
    fail "StartupWMClass is '$(entry StartupWMClass)', Exec '$(entry Exec)'"

# --- AppStream metainfo -----------------------------------------------------------
# AppStream 1.0 asks for <developer> in place of <developer_name>; releases
# before it do not know the element and note it as an unknown tag, which is
# the one notice they may give.
tolerated=': unknown-tag developer$'
if dpkg --compare-versions "$(appstreamcli --version | sed -n 's/^AppStream version: *//p')" ge 1.0; then
    tolerated='^$'
fi
appstream_check() { # appstream_check WHAT VALIDATE-COMMAND PATH
    local output
    output=$(appstreamcli "${@:2}" --no-net --strict 2>&1) ||
        ! grep -E '^ *[EWI]: ' <<<"$output" | grep -qv -- "$tolerated" || {
        echo "$output" >&2
        fail "appstreamcli rejects $1"
    }
}
metainfo=$share/metainfo/$app_id.metainfo.xml
appstream_check "the metainfo file" validate "$metainfo"
grep -q "<release version=\"$release\"" "$metainfo" || fail "metainfo has no release $release"
# The whole tree: the launchable's desktop entry and the icons are found.
appstream_check "the installed tree" validate-tree "$stage/usr"

# --- changelog ----------------------------------------------------------------------
# A native package's changelog: its entry names the full version and the day
# the metainfo gives for the release.
if ! entry=$(zcat "$share/doc/kelvaro/changelog.gz" | dpkg-parsechangelog -l - 2>"$stage/parse.log") ||
    [[ -s $stage/parse.log ]]; then
    fail "dpkg-parsechangelog objects to the changelog: $(cat "$stage/parse.log")"
else
    change() { sed -n "s/^$1: //p" <<<"$entry"; }
    [[ $(change Source) == kelvaro ]] || fail "changelog is for '$(change Source)'"
    [[ $(change Version) == "$version" ]] ||
        fail "changelog names version '$(change Version)', not $version"
    day=$(date --utc --date "@$(change Timestamp)" +%F)
    grep -q "<release version=\"$release\" date=\"$day\"" "$metainfo" ||
        fail "changelog date $day is not the metainfo's date for $release"
fi

# --- manual page --------------------------------------------------------------------
zcat "$share/man/man1/kelvaro.1.gz" | grep -q "^\\.TH KELVARO 1 .*\"Kelvaro $release\"" ||
    fail "manual page header does not name Kelvaro $release"

finish "install tree OK (${#expected[@]} files)"
