#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks its name, its
# control fields, its dependencies and that it holds what `cmake --install`
# lays down under /usr.
#
# Usage: check_debian_package.sh CMAKE CPACK BUILD_DIR VERSION
set -euo pipefail

cmake=$1
cpack=$2
build=$3
version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

arch=$(dpkg --print-architecture)
deb=$work/out/kelvaro_${version}_${arch}.deb
if [[ ! -f $deb ]]; then
    echo "FAIL: no kelvaro_${version}_${arch}.deb; cpack made:" >&2
    ls "$work/out" >&2
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == kelvaro ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)'"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Maintainer) == "Kelvaro-Entwickler <kelvaro@example.org>" ]] ||
    fail "Maintainer is '$(field Maintainer)'"
[[ $(field Section) == video ]] || fail "Section is '$(field Section)'"
[[ -n $(field Description | sed -n 2p) ]] || fail "Description has no long text"

# Depends: the packages that hold the libraries the program links here (their
# names change between releases, as with the 64-bit time_t transition), plus
# the fonts the windows use.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
owner() {
    dpkg -S "*/$multiarch/$1" 2>/dev/null | sed 's/[:,].*//' | sort -u
}
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
required=(fonts-liberation)
for library in libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do
    package=$(owner "$library")
    if [[ -z $package || $package == *$'\n'* ]]; then
        fail "no single installed package holds $library: '$package'"
    else
        required+=("$package")
    fi
done
for package in "${required[@]}"; do
    grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done

# Contents: the same files as an install into /usr, owned by root.
DESTDIR=$work/stage "$cmake" --install "$build" --prefix /usr >/dev/null
if ! content_diff=$(diff \
    <(cd "$work/stage" && find . -type f -o -type l | sort) \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)); then
    fail "package contents differ from the install tree (< missing, > extra):"
    echo "$content_diff" >&2
fi
owners=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv | awk '{print $2}' | sort -u)
[[ $owners == root/root ]] || fail "files not owned by root/root: $owners"

# The packaged program and plugin are built and stripped as Debian's own: no
# debug sections, no compiler notes, symbols bound at start-up and read-only
# relocations.
mkdir "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
[[ -e $work/unpacked/usr/bin/kelvaro ]] || fail "no usr/bin/kelvaro"
while IFS= read -r -d '' path; do
    [[ $(file -b "$path") == ELF* ]] || continue
    name=${path#"$work/unpacked/"}
    [[ $(file -b "$path") == *", stripped"* ]] || fail "$name is not stripped"
    sections=$(readelf -SW "$path" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p')
    for section in .comment .note; do
        ! grep -qx -- "$section" <<<"$sections" || fail "$name keeps its $section section"
    done
    dynamic=$(readelf -dW "$path")
    grep -q 'FLAGS.*\bNOW\b' <<<"$dynamic" || fail "$name is not linked with -z now"
    segments=$(readelf -lW "$path")
    grep -q GNU_RELRO <<<"$segments" || fail "$name is not linked with -z relro"
done < <(find "$work/unpacked" -type f -print0)

# Debian's package checker finds no error and nothing to warn about.
if ! command -v lintian >/dev/null; then
    fail "lintian is missing (scripts/setup installs it)"
elif ! lintian_report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    fail "lintian reports errors or warnings:"
    echo "$lintian_report" >&2
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$(basename "$deb") OK; Depends: $(field Depends)"
