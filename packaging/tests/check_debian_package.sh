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

# Depends: the libraries found in the binary, plus the fonts the windows use.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for package in fonts-liberation libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
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

# The packaged program carries no debug sections.
mkdir "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
program=$work/unpacked/usr/bin/kelvaro
if [[ -e $program ]]; then
    [[ $(file -b "$program") == *", stripped"* ]] || fail "usr/bin/kelvaro is not stripped"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$(basename "$deb") OK; Depends: $(field Depends)"
