#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr and checks, by MODE:
#   tree CMAKE BUILD_DIR WITH_PROGRAM RELEASE VERSION [FRAME_PLUGIN]
#     the installed tree: exactly the expected files, icons of the right size,
#     entries that point at each other, the changelog, and the desktop and
#     AppStream validators' verdicts;
#   deb CMAKE BUILD_DIR CPACK VERSION
#     the Debian package: its name, its version, its dependencies and that it
#     holds what the install lays down. Lintian checks the rest: the control
#     fields' form, the files' owners, stripped programs, RELRO, icon sizes
#     and the manual page.
# WITH_PROGRAM is 1 when the build has the program target, else 0; RELEASE
# the version the metainfo and the manual page must name; VERSION the
# project's full version, which the changelog and the package must name;
# FRAME_PLUGIN where below the prefix the Wayland frame plugin lies, when the
# build has it.
set -euo pipefail
mode=$1 cmake=$2 build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
files() { sed 's|^\./||' | grep -v '/$' | sort; }
DESTDIR=$work/stage "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"

if [[ $mode == deb ]]; then
    cpack=$4 version=$5
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$work/cpack.log")"
    # The name, made from the control fields, gives the package, its version
    # and its architecture.
    deb=$work/out/kelvaro_${version}_$(dpkg --print-architecture).deb
    [[ -f $deb ]] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

    # Depends: the packages that hold the libraries the program links here
    # (their names change between releases, as with the 64-bit time_t
    # transition), plus the fonts the windows use.
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
    depends=$(dpkg-deb -f "$deb" Depends)
    required=(fonts-liberation)
    for library in libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do
        package=$(dpkg -S "*/$multiarch/$library" 2>/dev/null | sed 's/[:,].*//' | sort -u)
        [[ -n $package && $package != *$'\n'* ]] || fail "no single installed package holds $library: '$package'"
        required+=("$package")
    done
    for needed in "${required[@]}"; do
        tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qx -- "$needed" ||
            fail "Depends lacks $needed: $depends"
    done

    # Contents: the same files as the install into /usr.
    diff <(cd "$work/stage" && find . -type f -o -type l | files) \
        <(dpkg-deb --fsys-tarfile "$deb" | tar -t | files) >&2 ||
        fail "package contents differ from the install tree (< missing, > extra)"

    # The packaged program and plugin keep no compiler notes and bind their
    # symbols at start-up, as Debian's own do (lintian does not look for these).
    dpkg-deb -x "$deb" "$work/unpacked"
    while IFS= read -r -d '' path; do
        [[ $(file -b "$path") == ELF* ]] || continue
        name=${path#"$work/unpacked/"}
        sections=$(readelf -SW "$path" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p')
        for section in .comment .note; do
            ! grep -qx -- "$section" <<<"$sections" || fail "$name keeps its $section section"
        done
        readelf -dW "$path" | grep -q 'FLAGS.*\bNOW\b' || fail "$name is not linked with -z now"
    done < <(find "$work/unpacked" -type f -print0)

    # Debian's package checker finds no error and nothing to warn about.
    command -v lintian >/dev/null || fail "lintian is missing (scripts/setup installs it)"
    lintian --fail-on error,warning "$deb" >&2 || fail "lintian reports errors or warnings"
    echo "$(basename "$deb") OK; Depends: $depends"
    exit 0
fi

with_program=$4 release=$5 version=$6 frame_plugin=${7:-}
app_id=org.example.Kelvaro
sizes=(16 24 32 48 64 72 96 128)
root=$work/stage/usr
share=$root/share

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
[[ $with_program == 0 ]] || expected+=(usr/bin/kelvaro)
[[ -z $frame_plugin ]] || expected+=("usr/$frame_plugin")
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$work/stage" && find . -type f -o -type l | files) >&2 ||
    fail "installed tree differs from the expected list (< missing, > unexpected)"

# --- the plugin, which the program looks for at ../lib/... from bin/ ---------
[[ -z $frame_plugin || $(file -b "$root/$frame_plugin") == "ELF "*"shared object"* ]] ||
    fail "$frame_plugin is not a shared object"

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
        ! grep -E '^ *[EWI]: ' <<<"$output" | grep -qv -- "$tolerated" ||
        fail "appstreamcli rejects $1: $output"
}
metainfo=$share/metainfo/$app_id.metainfo.xml
appstream_check "the metainfo file" validate "$metainfo"
# The whole tree: the launchable's desktop entry and the icons are found.
appstream_check "the installed tree" validate-tree "$root"

# --- changelog ----------------------------------------------------------------------
# A native package's changelog: its entry names the full version and the day
# the metainfo gives for the release.
latest=$(zcat "$share/doc/kelvaro/changelog.gz" | dpkg-parsechangelog -l - 2>"$work/parse.log") &&
    [[ ! -s $work/parse.log ]] || fail "dpkg-parsechangelog objects to the changelog: $(cat "$work/parse.log")"
change() { sed -n "s/^$1: //p" <<<"$latest"; }
[[ $(change Source) == kelvaro ]] || fail "changelog is for '$(change Source)'"
[[ $(change Version) == "$version" ]] || fail "changelog names version '$(change Version)', not $version"
day=$(date --utc --date "@$(change Timestamp)" +%F)
grep -q "<release version=\"$release\" date=\"$day\"" "$metainfo" ||
    fail "the metainfo has no release $release of the changelog's date $day"

# --- manual page --------------------------------------------------------------------
zcat "$share/man/man1/kelvaro.1.gz" | grep -q "^\\.TH KELVARO 1 .*\"Kelvaro $release\"" ||
    fail "manual page header does not name Kelvaro $release"

echo "install tree OK (${#expected[@]} files)"
