#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every PE file the Windows release ships, as a release engineer checks it:
# address space layout randomisation with high entropy (DYNAMIC_BASE,
# HIGH_ENTROPY_VA), data execution prevention (NX_COMPAT), and imports of no
# DLL but Windows' own and those shipped beside it; and Velmora.exe's stack
# protector.
#   pe-files.sh OBJDUMP PROGRAM-FOLDER INSTALLER
set -euo pipefail
objdump=$1
folder=$2
installer=$3

# Windows' own DLLs that the program, Qt and the runtimes may load.
system_dlls=" $(echo advapi32 authz comctl32 comdlg32 d2d1 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr \
    d3d12 msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm ws2_32 \
    wtsapi32 api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0 api-ms-win-core-winrt-string-l1-1-0) "
shipped=" $(find "$folder" -name '*.dll' -printf '%f\n' | tr 'A-Z\n' 'a-z ') "

failures=()
checked=0
while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    header=$("$objdump" -p "$file") || header=""
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -qw "$flag" <<<"$header" || failures+=("${file#"$folder"/}: no $flag")
    done
    for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$header" | tr 'A-Z' 'a-z'); do
        [[ $system_dlls == *" ${dll%.dll} "* || $shipped == *" $dll "* ]] || failures+=("${file#"$folder"/} imports $dll")
    done
done < <(find "$folder" "$installer" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
# Velmora's own code checks its stack, as the stack protector makes it.
grep -qw __stack_chk_fail <<<"$("$objdump" -p "$folder/Velmora.exe")" || failures+=("Velmora.exe: no stack protector")
[ "$checked" -ge 9 ] || failures+=("only $checked PE files in $folder and $installer")
[ ${#failures[@]} -eq 0 ] || { printf 'FAIL: %s\n' "${failures[@]}" >&2; exit 1; }
echo "PASS: $checked PE files"
