#!/bin/sh
# Compiles a UTF-8 locale, by default de_DE.UTF-8, which writes decimals
# with a comma, into a folder for LOCPATH, once per build folder; the tests
# that need it read it from there (tests/support/CommaLocale.cpp, and
# ja_JP.UTF-8 for Qt's own words in tests/view):
#   make-locale.sh <folder> [<language_TERRITORY>.UTF-8]
# Nothing is done when the system has the locale or the folder holds it.
set -eu
folder="$1"
name="${2:-de_DE.UTF-8}"
language="${name%.UTF-8}"

if locale -a 2>/dev/null | grep -qix "$language\.utf-\?8"; then
  echo "the system has $name"
  exit 0
fi
if [ -f "$folder/$name/LC_NUMERIC" ]; then
  echo "$name is in $folder"
  exit 0
fi
command -v localedef >/dev/null || {
  echo "localedef is missing (Debian package locales)" >&2
  exit 1
}
# Compiled beside its place and moved there whole, so that an interrupted
# run leaves nothing that looks finished.
mkdir -p "$folder"
rm -rf "$folder/$name.new"
localedef -i "$language" -f UTF-8 "$folder/$name.new" || {
  echo "localedef could not compile $name" >&2
  exit 1
}
rm -rf "${folder:?}/$name"
mv "$folder/$name.new" "$folder/$name"
echo "$name compiled into $folder"
