#!/usr/bin/env bash
# Checks the export table of Barcode.dll as hosts see it, from objdump -p:
# the library name, ordinal base 2, every name at its ordinal and no other
# ordinal carrying a function, and imports from system DLLs only. In the
# 32-bit build it also checks each export's __stdcall argument size twice:
# the compiler's decorated symbol at the export's address (Name@bytes) and
# the stack the function's "ret" instructions pop.
#   check_export_table.sh <objdump> <Barcode.dll> <stdcall32|plain64>
set -uo pipefail
objdump=$1
dll=$2
kind=$3

# ordinal name argument-bytes
expected="2 BarcodeInit 8
3 BarcodePrint 8
4 BarcodeSetDefaults 4
7 BarcodeVersion 8
8 BarcodeTestPrint 8
9 BarcodeReadDefaults 4
12 BarcodeVInfo 4
13 BarcodePrintExt 8
14 BarcodePrintCB 20
15 BarcodePrintNewStructWithPrinterName 8
101 ExtensionInit 0
102 ExtensionProc 0
103 ExtensionBarcodeInit 8
104 ExtensionBarcodePrint 8
105 ExtensionBarcodeVInfo 4"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

headers=$("$objdump" -p "$dll") || {
    echo "FAIL: objdump cannot read $dll"
    exit 1
}

grep -Eq '^Name[[:space:]]+[0-9a-f]+ Barcode\.dll$' <<<"$headers" || fail "library name is not Barcode.dll"
grep -q 'Ordinal Base 2$' <<<"$headers" || fail "ordinal base is not 2"

# "+base[  N] RVA Export RVA": the ordinals that carry a function, with addresses.
declare -A rvaOfOrdinal
while read -r ordinal rva; do
    rvaOfOrdinal[$ordinal]=$rva
done < <(sed -n 's/.*+base\[ *\([0-9]*\)\] \([0-9a-f]*\) Export RVA.*/\1 \2/p' <<<"$headers")

# "[  i] Name": index i into the address table, so ordinal = i + base.
declare -A ordinalOfName
while read -r index name; do
    ordinalOfName[$name]=$((index + 2))
done < <(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' <<<"$headers")

declare -A expectedOrdinals
while read -r ordinal name bytes; do
    expectedOrdinals[$ordinal]=1
    [ "${ordinalOfName[$name]:-}" = "$ordinal" ] ||
        fail "$name has ordinal ${ordinalOfName[$name]:-none}, expected $ordinal"
    [ -n "${rvaOfOrdinal[$ordinal]:-}" ] || fail "ordinal $ordinal carries no function"
done <<<"$expected"
for ordinal in "${!rvaOfOrdinal[@]}"; do
    [ -n "${expectedOrdinals[$ordinal]:-}" ] || fail "unexpected function at ordinal $ordinal"
done
[ "${#ordinalOfName[@]}" -eq 15 ] || fail "${#ordinalOfName[@]} exported names, expected 15"

# A print server loads the DLL from a bare directory: system DLLs only.
while read -r imported; do
    case "${imported,,}" in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | imagehlp.dll | advapi32.dll) ;;
    *) fail "imports $imported, which is no system DLL" ;;
    esac
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

if [ "$kind" = stdcall32 ]; then
    symbols=$("$objdump" -t "$dll")
    textRva=$("$objdump" -h "$dll" | awk '$2 == ".text" { print $4 }')
    imageBase=$(sed -n 's/^ImageBase[[:space:]]*//p' <<<"$headers")
    textOffset=$((0x$textRva - 0x$imageBase))
    while read -r ordinal name bytes; do
        decorated="_${name}@${bytes}"
        value=$(awk -v s="$decorated" '$NF == s { print $(NF-1) }' <<<"$symbols")
        if [ -z "$value" ]; then
            fail "no symbol $decorated: $name does not take $bytes bytes of arguments"
            continue
        fi
        [ $((value + textOffset)) -eq $((0x${rvaOfOrdinal[$ordinal]:-0})) ] ||
            fail "$name is exported at another address than $decorated"
        rets=$("$objdump" -d --no-show-raw-insn "--disassemble=$decorated" "$dll" |
            awk '/^[0-9a-f]+ <.*>:$/ { if (++headers > 1) exit }
                 $2 == "ret" { print ($3 == "" ? "0x0" : $3) }' | sort -u)
        want=$(printf '$0x%x' "$bytes")
        [ "$bytes" -eq 0 ] && want=0x0
        for popped in $rets; do
            [ "$popped" = "$want" ] || fail "$name returns with ret $popped, expected $want"
        done
    done <<<"$expected"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the export table of $dll"
    exit 1
fi
echo "export table of $dll: 15 functions at their ordinals, system imports only"
