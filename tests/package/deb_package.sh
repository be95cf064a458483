#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: its files, its dependencies (worked
# out from the shared libraries), the installed rungpad-cli run from a scratch root, and lintian.
# deb_package.sh BUILD_DIR VERSION SOURCE_DIR
set -u
build=$1
version=$2
src=$3
. "$src/tests/cli/cli_common.sh"

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/rungpad_"$version"_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package for version $version: $(ls "$work")"

# The files a desktop installation needs, and nothing from the build (tests, benchmarks).
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for want in /usr/bin/rungpad /usr/bin/rungpad-cli \
    /usr/share/applications/rungpad.desktop /usr/share/mime/packages/rungpad-ladder.xml \
    /usr/share/icons/hicolor/scalable/apps/rungpad.svg \
    /usr/share/icons/hicolor/16x16/apps/rungpad.png /usr/share/icons/hicolor/48x48/apps/rungpad.png \
    /usr/share/icons/hicolor/256x256/apps/rungpad.png \
    /usr/share/man/man1/rungpad-cli.1.gz /usr/share/man/man1/rungpad.1.gz \
    /usr/share/doc/rungpad/copyright /usr/share/doc/rungpad/changelog.gz; do
    grep -qx "$want" "$work/files" || fail "missing $want"
done
grep -v '/$' "$work/files" | grep -Ev '^/usr/(bin|share/(applications|mime|icons|man|doc))/' &&
    fail "unexpected files in the package"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6printsupport6; do
    grep -q "\\b$lib\\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Installed into a scratch root, the command line tool runs and knows its version.
dpkg -x "$deb" "$work/root" || fail "dpkg -x"
expect_status 0 "$work/root/usr/bin/rungpad-cli" --help
grep -q 'diff OLD NEW' "$work/out" || fail "installed rungpad-cli --help"
expect_status 0 "$work/root/usr/bin/rungpad-cli" --version
[ "$(cat "$work/out")" = "rungpad-cli $version" ] || fail "installed version"
expect_status 0 "$work/root/usr/bin/rungpad-cli" dump "$src/examples/demo.plf"
grep -q '"Exec=rungpad %f"' <(sed 's/.*/"&"/' "$work/root/usr/share/applications/rungpad.desktop") ||
    fail "desktop entry"
zcat "$work/root/usr/share/man/man1/rungpad-cli.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "man page"

# lintian: no errors (warnings are reported, not failed on); it fails on errors by default.
lintian "$deb" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
cat "$work/lintian"
grep -q '^E:' "$work/lintian" && fail "lintian errors"
echo "ok: deb_package"
