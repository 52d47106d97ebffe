#!/usr/bin/env bash
# The load-configuration entry in the header of a PE32+ exe (x86-64).
#   pe-load-config.sh link EXE NM   points the entry at the exe's own
#       _load_config_used structure: GNU ld 2.40 links the structure but never
#       fills in the entry (newer linkers do; then this rewrites the same values).
#   pe-load-config.sh check EXE     succeeds only when the entry holds a load
#       configuration whose DependentLoadFlags is LOAD_LIBRARY_SEARCH_SYSTEM32.
set -euo pipefail
mode=$1
exe=$2

fail() { echo "$exe: $*" >&2; exit 1; }
u16() { od -An -v -t u2 --endian=little -j "$1" -N 2 "$exe" | tr -d ' '; }
u32() { od -An -v -t u4 --endian=little -j "$1" -N 4 "$exe" | tr -d ' '; }
u64() { od -An -v -t u8 --endian=little -j "$1" -N 8 "$exe" | tr -d ' '; }
put_u32() {
  local v=$2
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))" |
    dd of="$exe" bs=1 seek="$1" conv=notrunc status=none
}

pe=$(u32 $((0x3c)))
[ "$(u32 "$pe")" = $((0x4550)) ] || fail "no PE signature"
optional=$((pe + 24))
[ "$(u16 "$optional")" = $((0x20b)) ] || fail "not a PE32+ image"
(($(u32 $((optional + 108))) > 10)) || fail "the header has no load-configuration entry"
entry=$((optional + 112 + 10 * 8))  # data directory 10: load configuration

# File offset of a relative virtual address, through the section table.
file_offset() {
  local rva=$1 sections count i section va size raw
  count=$(u16 $((pe + 6)))
  sections=$((optional + $(u16 $((pe + 20)))))
  for ((i = 0; i < count; i++)); do
    section=$((sections + i * 40))
    size=$(u32 $((section + 8)))
    va=$(u32 $((section + 12)))
    raw=$(u32 $((section + 20)))
    if ((rva >= va && rva < va + size)); then
      echo $((rva - va + raw))
      return
    fi
  done
  fail "address $rva lies in no section"
}

case $mode in
  link)
    nm=$3
    symbol=$("$nm" "$exe" | awk '$3 == "_load_config_used" { print $1 }')
    [ -n "$symbol" ] || fail "_load_config_used is not linked in"
    rva=$((0x$symbol - $(u64 $((optional + 24)))))
    put_u32 "$entry" "$rva"
    put_u32 $((entry + 4)) "$(u32 "$(file_offset "$rva")")"  # its size is its first field
    ;;
  check)
    rva=$(u32 "$entry")
    size=$(u32 $((entry + 4)))
    ((rva != 0 && size != 0)) || fail "the load-configuration entry is empty"
    config=$(file_offset "$rva")
    [ "$(u32 "$config")" = "$size" ] || fail "the entry's size $size differs from the structure's $(u32 "$config")"
    ((size >= 80)) || fail "the load configuration ($size bytes) has no DependentLoadFlags"
    flags=$(u16 $((config + 78)))
    [ "$flags" = $((0x800)) ] || fail "DependentLoadFlags is $flags, not 0x800 (System32 only)"
    echo "$exe: load configuration of $size bytes, DependentLoadFlags 0x800 (System32 only)"
    ;;
  *) fail "unknown mode $mode" ;;
esac
