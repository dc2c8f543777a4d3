#!/bin/sh
# Validates a desktop entry, the AppStream metainfo or the puzzle file type,
# offline.
#   validate-desktop-files.sh desktop <file>   (desktop-file-validate)
#   validate-desktop-files.sh metainfo <file>  (appstreamcli validate --no-net)
#   validate-desktop-files.sh mime <file> <desktop entry>
#     (update-mime-database: *.crossing.toml is the type, a kind of
#     application/toml, and the entry opens it with --play)
# Exits 77, which the test run counts as skipped, when the tool is missing.
kind=$1
file=$2
case $kind in
desktop)
    if ! command -v desktop-file-validate >/dev/null 2>&1; then
        echo "skipped: desktop-file-validate not found (Debian package desktop-file-utils)"
        exit 77
    fi
    output=$(desktop-file-validate "$file" 2>&1) || { echo "$output"; exit 1; }
    ;;
metainfo)
    if ! command -v appstreamcli >/dev/null 2>&1; then
        echo "skipped: appstreamcli not found (Debian package appstream)"
        exit 77
    fi
    output=$(appstreamcli validate --no-net "$file" 2>&1) || { echo "$output"; exit 1; }
    ;;
mime)
    if ! command -v update-mime-database >/dev/null 2>&1; then
        echo "skipped: update-mime-database not found (Debian package shared-mime-info)"
        exit 77
    fi
    type=application/x-torvaly-crossing+toml
    data=$(mktemp -d)
    trap 'rm -rf "$data"' EXIT
    mkdir -p "$data/mime/packages"
    cp "$file" "$data/mime/packages/"
    output=$(XDG_DATA_DIRS="$data" XDG_DATA_HOME="$data" update-mime-database "$data/mime" 2>&1)
    grep -qx "[0-9]*:$type:\*\.crossing\.toml" "$data/mime/globs2" || output="$output
E: no glob *.crossing.toml for $type"
    grep -qx "$type application/toml" "$data/mime/subclasses" || output="$output
E: $type is no kind of application/toml"
    grep -qx "MimeType=$type;" "$3" || output="$output
E: $3 does not open $type"
    grep -qx "Exec=torvaly-puzzle --play %f" "$3" || output="$output
E: $3 does not open the file with --play"
    ;;
*)
    echo "usage: $0 desktop|metainfo|mime <file> [<desktop entry>]"
    exit 2
    ;;
esac
# Clean means no message at all, warnings and hints included.
echo "$output"
if [ "$kind" != metainfo ] && [ -n "$output" ]; then
    exit 1
fi
if [ "$kind" = metainfo ] && echo "$output" | grep -Eq '^[EWI]:'; then
    exit 1
fi
exit 0
