#!/bin/sh
# make-settings.sh VALUES OUTPUT WINE-RUN... SETTINGSTOOL
# Writes the settings file OUTPUT from a VALUES list (lines of key, type, value;
# "#" starts a comment) with the settings tool, replacing OUTPUT only when all
# values went in.
set -eu
values=$1 output=$2
shift 2
tmp="$output.new"
rm -f "$tmp"
grep -v '^[[:space:]]*\(#\|$\)' "$values" | while read -r key type value; do
  "$@" "$tmp" set MyMainWindowsDate "$key" "$type" "$value" </dev/null
done
mv -f "$tmp" "$output"
