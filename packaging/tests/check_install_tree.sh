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

cmake=$1
build=$2
with_program=$3
release=$4
version=$5
frame_plugin=${6:-}

app_id=org.example.Kelvaro
sizes=(16 24 32 48 64 72 96 128)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >"$stage.log" 2>&1 || {
    cat "$stage.log" >&2
    rm -f "$stage.log"
    exit 1
}
rm -f "$stage.log"
root=$stage/usr
share=$root/share

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# --- the tree holds exactly these files --------------------------------------
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
if [[ $with_program == 1 ]]; then
    expected+=(usr/bin/kelvaro)
fi
if [[ -n $frame_plugin ]]; then
    expected+=("usr/$frame_plugin")
fi
if ! tree_diff=$(diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | sort)); then
    fail "installed tree differs from the expected list (< missing, > unexpected):"
    echo "$tree_diff" >&2
fi

# --- the plugin, which the program looks for at ../lib/... from bin/ ---------
if [[ -n $frame_plugin && -e $root/$frame_plugin ]]; then
    [[ $(file -b "$root/$frame_plugin") == "ELF "*"shared object"* ]] ||
        fail "$frame_plugin is not a shared object: $(file -b "$root/$frame_plugin")"
fi

# --- icons: each PNG has the size of its folder and an alpha channel -----------
for n in "${sizes[@]}"; do
    icon=$share/icons/hicolor/${n}x${n}/apps/kelvaro.png
    [[ -e $icon ]] || continue
    kind=$(file -b "$icon")
    [[ $kind == "PNG image data, $n x $n, 8-bit/color RGBA"* ]] ||
        fail "${n}x${n} icon is not a ${n}x${n} RGBA PNG: $kind"
done
svg=$share/icons/hicolor/scalable/apps/kelvaro.svg
if [[ -e $svg ]]; then
    [[ $(file -b "$svg") == SVG* ]] || fail "scalable icon is not an SVG: $(file -b "$svg")"
fi

# --- desktop entry ---------------------------------------------------------------
desktop=$share/applications/kelvaro.desktop
entry() { sed -n "s/^$1=//p" "$desktop"; }
if [[ -e $desktop ]]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects kelvaro.desktop"
    [[ $with_program == 0 || -x $root/bin/$(entry Exec) ]] ||
        fail "Exec names '$(entry Exec)', which is not the installed program"
    # Qt names the window class after the program, so this must follow Exec.
    [[ $(entry StartupWMClass) == "$(entry Exec)" ]] ||
        fail "StartupWMClass is '$(entry StartupWMClass)', Exec '$(entry Exec)'"
fi

# --- AppStream metainfo -----------------------------------------------------------
# AppStream 1.0 asks for <developer> in place of <developer_name>; releases
# before it do not know the element and note it as an unknown tag, which is
# the one notice they may give.
appstream_version=$(appstreamcli --version | sed -n 's/^AppStream version: *//p')
if dpkg --compare-versions "$appstream_version" lt 1.0; then
    tolerated=': unknown-tag developer$'
else
    tolerated=''
fi
appstream_check() { # appstream_check WHAT VALIDATE-COMMAND PATH
    local what=$1 output issues status=0
    shift
    output=$(appstreamcli "$@" --no-net --strict 2>&1) || status=$?
    issues=$(grep -E '^ *[EWI]: ' <<<"$output" || true)
    if ((status != 0)) && [[ -n $tolerated ]] && grep -q "$tolerated" <<<"$issues" &&
        ! grep -qv "$tolerated" <<<"$issues"; then
        status=0
    fi
    if ((status != 0)); then
        echo "$output" >&2
        fail "appstreamcli rejects $what"
    fi
}

metainfo=$share/metainfo/$app_id.metainfo.xml
if [[ -e $metainfo ]]; then
    appstream_check "the metainfo file" validate "$metainfo"
    grep -q "<release version=\"$release\"" "$metainfo" ||
        fail "metainfo has no release $release"
    # The whole tree: the launchable's desktop entry and the icons are found.
    appstream_check "the installed tree" validate-tree "$stage/usr"
fi

# --- changelog ----------------------------------------------------------------------
# A native package's changelog: its entry names the full version and the day
# the metainfo gives for the release.
changelog=$share/doc/kelvaro/changelog.gz
if [[ -e $changelog ]]; then
    if ! entry=$(zcat "$changelog" | dpkg-parsechangelog -l - 2>"$stage/parse.log") ||
        [[ -s $stage/parse.log ]]; then
        fail "dpkg-parsechangelog objects to the changelog: $(cat "$stage/parse.log")"
    else
        change() { sed -n "s/^$1: //p" <<<"$entry"; }
        [[ $(change Source) == kelvaro ]] || fail "changelog is for '$(change Source)'"
        [[ $(change Version) == "$version" ]] ||
            fail "changelog names version '$(change Version)', not $version"
        day=$(date --utc --date "@$(change Timestamp)" +%F)
        if [[ -e $metainfo ]] && ! grep -q "<release version=\"$release\" date=\"$day\"" "$metainfo"; then
            fail "changelog date $day is not the metainfo's date for $release"
        fi
    fi
fi

# --- manual page --------------------------------------------------------------------
man_page=$share/man/man1/kelvaro.1.gz
if [[ -e $man_page ]]; then
    zcat "$man_page" | grep -q "^\\.TH KELVARO 1 .*\"Kelvaro $release\"" ||
        fail "manual page header does not name Kelvaro $release"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install tree OK (${#expected[@]} files)"
