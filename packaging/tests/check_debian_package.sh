#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks its name, its
# version, its dependencies and that it holds what `cmake --install` lays
# down under /usr. Lintian checks the rest: the control fields' form, the
# files' owners, stripped programs, RELRO, icon sizes and the manual page.
#
# Usage: check_debian_package.sh CMAKE CPACK BUILD_DIR VERSION
set -euo pipefail
. "$(dirname "$0")/common.sh"

cmake=$1 cpack=$2 build=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
# The name, made from the control fields, gives the package, its version and
# its architecture.
deb=$work/out/kelvaro_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || {
    echo "FAIL: no $(basename "$deb"); cpack made: $(ls "$work/out")" >&2
    exit 1
}

# Depends: the packages that hold the libraries the program links here (their
# names change between releases, as with the 64-bit time_t transition), plus
# the fonts the windows use.
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

# Contents: the same files as an install into /usr.
install_into "$cmake" "$build" "$work/stage"
if ! content_diff=$(diff <(cd "$work/stage" && find . -type f -o -type l | sort) \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)); then
    fail "package contents differ from the install tree (< missing, > extra):"
    echo "$content_diff" >&2
fi

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

finish "$(basename "$deb") OK; Depends: $depends"
