#!/usr/bin/env bash
# Checks the distribution folder as setup and an administrator find it: the
# folder holds exactly the listed files, each with the bytes of the file the
# build made, ReadMe.txt in Windows line ends and long enough for setup's
# size check, every program and DLL of the build's machine type and free of
# the compiler's runtime DLLs, and each DLL with the export table hosts bind.
#   check_distribution.sh <objdump> <folder> <stdcall32|plain64> <name>=<built file>...
set -uo pipefail
objdump=$1
folder=$2
kind=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ "$kind" = stdcall32 ] && format=pei-i386 || format=pei-x86-64

declare -A expected
for entry in "$@"; do
    name=${entry%%=*}
    source=${entry#*=}
    expected[$name]=1
    file=$folder/$name
    if [ ! -f "$file" ]; then
        fail "$name is missing"
        continue
    fi
    cmp -s "$source" "$file" || fail "$name differs from $source"
    case "$name" in
    *.DL_ | *.dll | *.EXE | *.exe)
        "$objdump" -f "$file" | grep -q "file format $format\$" ||
            fail "$name is no $format file"
        # Setup copies single files to a bare machine: no mingw runtime
        # DLL, and nothing of ours, may be needed beside them.
        while read -r imported; do
            case "${imported,,}" in
            lib*.dll | barcode*.dll) fail "$name imports $imported" ;;
            esac
        done < <("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
        ;;
    esac
    case "$name" in
    *.DL_ | *.dll)
        bash "$here/../windows/check_export_table.sh" "$objdump" "$file" "$kind" >/tmp/$$.exports ||
            fail "$name: $(grep FAIL /tmp/$$.exports | head -3)"
        rm -f /tmp/$$.exports
        ;;
    esac
done

for file in "$folder"/* "$folder"/.[!.]*; do
    [ -e "$file" ] || continue
    name=${file##*/}
    [ -n "${expected[$name]:-}" ] || fail "unexpected file $name"
done

readme=$folder/ReadMe.txt
if [ -f "$readme" ]; then
    # Setup refuses files under 100 bytes.
    [ "$(stat -c %s "$readme")" -ge 100 ] || fail "ReadMe.txt is shorter than 100 bytes"
    grep -q $'[^\r]$' "$readme" && fail "ReadMe.txt has lines without CRLF"
    [ "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" = 0d0a ] ||
        fail "ReadMe.txt does not end in CRLF"
    grep -q '@' "$readme" && fail "ReadMe.txt holds an unreplaced placeholder"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in $folder"
    exit 1
fi
echo "$folder: $# files as built"
