#!/bin/sh
# Validates the desktop entry or the AppStream metainfo, offline.
#   validate-desktop-files.sh desktop <file>   (desktop-file-validate)
#   validate-desktop-files.sh metainfo <file>  (appstreamcli validate --no-net)
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
*)
    echo "usage: $0 desktop|metainfo <file>"
    exit 2
    ;;
esac
# Clean means no message at all, warnings and hints included.
echo "$output"
if [ "$kind" = desktop ] && [ -n "$output" ]; then
    exit 1
fi
if [ "$kind" = metainfo ] && echo "$output" | grep -Eq '^[EWI]:'; then
    exit 1
fi
exit 0
