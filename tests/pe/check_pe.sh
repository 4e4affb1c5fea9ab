#!/usr/bin/env bash
# Reads a Windows program's PE headers and fails unless it is hardened
# (ASLR with relocations kept, DEP, terminal-server aware, and high-entropy
# ASLR on x86_64), a GUI program, importing only Windows' own DLLs, with its
# icon group and manifest linked in. Prints the file's size.
#
#   check_pe.sh OBJDUMP ARCH PROGRAM.exe      (ARCH: x86_64 or i686)
set -u
if [ $# -ne 3 ]; then
  echo "usage: $0 OBJDUMP ARCH PROGRAM.exe" >&2
  exit 2
fi
objdump=$1 arch=$2 exe=$3

if ! headers=$("$objdump" -p "$exe" 2>&1); then
  echo "FAIL: $objdump cannot read $exe: $headers"
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# First value after a header's name, e.g. "DllCharacteristics  00008160".
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$headers"; }
# Is a bit set in a hex value (with or without 0x)?
has_bit() { (((16#${1#0x}) & $2)); }

case "$arch" in
  x86_64) format=pei-x86-64 ;;
  i686) format=pei-i386 ;;
  *) echo "FAIL: unknown architecture $arch"; exit 2 ;;
esac
grep -q "file format $format\$" <<<"$headers" || fail "file format is not $format"

dll_characteristics=$(field DllCharacteristics)
if [[ ! "$dll_characteristics" =~ ^(0x)?[0-9a-fA-F]+$ ]]; then
  fail "no DllCharacteristics in the headers"
  dll_characteristics=0
fi
required_flags=(DYNAMIC_BASE:0x40 NX_COMPAT:0x100 TERMINAL_SERVER_AWARE:0x8000)
[ "$arch" = x86_64 ] && required_flags+=(HIGH_ENTROPY_VA:0x20)
for flag in "${required_flags[@]}"; do
  has_bit "$dll_characteristics" "${flag#*:}" || fail "DllCharacteristics lacks ${flag%%:*} (${flag#*:})"
done

# ASLR needs the base relocations: the linker must not have stripped them.
characteristics=$(field Characteristics)
if [[ ! "$characteristics" =~ ^(0x)?[0-9a-fA-F]+$ ]]; then
  fail "no Characteristics in the headers"
elif has_bit "$characteristics" 0x1; then
  fail "relocations stripped (Characteristics has RELOCS_STRIPPED)"
fi
reloc_size=$(awk '$1 == "Entry" && $2 == "5" { print $4; exit }' <<<"$headers")
[[ "$reloc_size" =~ ^[0-9a-fA-F]+$ ]] && ((16#$reloc_size > 0)) ||
  fail "relocations missing (base relocation directory is empty)"

subsystem=$(field Subsystem)
[[ "$subsystem" =~ ^0*2$ ]] || fail "subsystem is ${subsystem:-unknown}, not Windows GUI (2)"

# Windows' own DLLs only: nothing from the compiler's runtime may be needed.
system_dll='^(kernel32|user32|gdi32|shell32|comctl32|msimg32|msvcrt|advapi32|ole32|uxtheme|shlwapi|api-ms-win-crt-[a-z0-9-]+)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | sort -fu)
[ -n "$imports" ] || fail "imports: no import table found"
while IFS= read -r dll; do
  [ -z "$dll" ] && continue
  [[ "${dll,,}" =~ $system_dll ]] || fail "imports $dll, which is not a Windows system DLL"
done <<<"$imports"

# Resource types at the top level of the resource directory: 14 is the icon
# group, 24 the manifest.
grep -q '^The \.rsrc Resource Directory section:' <<<"$headers" || fail "resources missing (no .rsrc section)"
top_level_type() { grep -Eq "^[0-9a-f]+ {3}Entry: ID: 0x0*$1," <<<"$headers"; }
top_level_type e || fail "resources lack an icon group (RT_GROUP_ICON)"
top_level_type 18 || fail "resources lack a manifest (RT_MANIFEST)"

size=$(stat -c %s "$exe")
echo "$(basename "$exe") ($arch): $size bytes, imports: $(tr '\n' ' ' <<<"$imports")"
if [ $failures -gt 0 ]; then
  echo "$exe: $failures problem(s)"
  exit 1
fi
echo "OK: $exe"
