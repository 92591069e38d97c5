# cmake --install puts the programs, the maker's library, the launchers, the
# icons and the campsite file type in place; the installed programs find the
# library beside them, and *.gnd files are known as campsites.
source "$(dirname "$0")/lib.sh"
prefix=$WORK/prefix
cmake --install "$BUILD" --prefix "$prefix" >"$WORK/install.log" 2>&1 || fail "install: $(cat "$WORK/install.log")"
for file in bin/pitchgrid bin/dutyroll lib/libfernwick.so \
    share/applications/pitchgrid.desktop share/applications/dutyroll.desktop \
    share/icons/hicolor/scalable/apps/pitchgrid.svg share/icons/hicolor/scalable/apps/dutyroll.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-tentwise-campsite.svg \
    share/mime/packages/tentwise-campsite.xml; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
for program in pitchgrid dutyroll; do
    found=$(LD_LIBRARY_PATH= ldd "$prefix/bin/$program" | awk '$1 == "libfernwick.so" {print $3}')
    [ -n "$found" ] && [ "$(realpath "$found")" = "$prefix/lib/libfernwick.so" ] ||
        fail "$program does not find the installed libfernwick.so (found '$found')"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "invalid launcher"
fi
grep -q '^MimeType=application/x-tentwise-campsite;' "$prefix/share/applications/pitchgrid.desktop" ||
    fail "pitchgrid does not open campsite files"
grep -q '^application/x-tentwise-campsite:\*\.gnd$' "$prefix/share/mime/globs" ||
    fail "the MIME database does not know *.gnd: $(cat "$prefix/share/mime/globs" 2>&1)"
echo "install: 4 passed, 0 failed"
