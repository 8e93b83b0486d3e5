# What the packaging checks share: failures counted and reported at the end,
# and the build installed under /usr in a scratch folder. Source it.

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# install_into CMAKE BUILD_DIR DESTDIR: `cmake --install` with prefix /usr.
install_into() {
    DESTDIR=$3 "$1" --install "$2" --prefix /usr >"$3.log" 2>&1 || {
        cat "$3.log" >&2
        exit 1
    }
}

# finish MESSAGE: ends with status 1 after any failure, else says MESSAGE.
finish() {
    ((failures == 0)) || {
        echo "$failures check(s) failed" >&2
        exit 1
    }
    echo "$1"
}
