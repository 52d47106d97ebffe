#!/usr/bin/env bash
# Writes a product disc into a folder that backs a virtual CD-ROM drive: the
# volume label (.windows-label), and TestDoc_<code>\<Kind>\ with a few files
# of each of the seven content kinds. Prints the disc's section of the
# content size table, with the bytes of all files under each kind folder as
# measured from what was written, for an INI that gives the sizes instead of
# letting the tool measure them.
# Usage: make-demo-disc.sh FOLDER LABEL [UNIT_KB [COPIES]]
#   LABEL    a product label such as TAV07B_S or TAV07E_W (any letter case),
#            or the alias 020626_0403 (the 2002 World History disc)
#   UNIT_KB  size unit of the files, default 128 (about 28 MB in all);
#            tests that only need the tree pass 1
#   COPIES   files of each kind as a multiple of the demo's 24, default 1;
#            the benchmark's large discs (125: 3,000 files)
# Example: make-demo-disc.sh "$WINEPREFIX/drives/e" TAV07B_S >> TavCopyTool.INI
set -euo pipefail

usage() { sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
[ $# -ge 2 ] && [ $# -le 4 ] || usage
folder=$1
label=$2
unit_kb=${3:-128}
copies=${4:-1}
[[ $unit_kb =~ ^[1-9][0-9]*$ ]] && [[ $copies =~ ^[1-9][0-9]*$ ]] || usage

# The disc's identity, as the tool reads it from the label.
identity=${label^^}
[ "$identity" = 020626_0403 ] && identity=TAV02W_S
if ! [[ $identity =~ ^TAV0([0-7])([BCEGHJMPVWT])_([SEW])$ ]]; then
  echo "not a product label: $label" >&2
  exit 2
fi
year=200${BASH_REMATCH[1]}
code=${BASH_REMATCH[2]}
mark=${BASH_REMATCH[3]}
if [ "$mark" != S ] && [ "$code" != E ]; then
  echo "edition marks other than S are for English discs only: $label" >&2
  exit 2
fi
section=Tav$year$code
if [ "$code" = E ] && [ "$year" = 2007 ]; then
  section+=_
  [ "$mark" = S ] || section+=$mark
fi

# One file: a line naming the disc and the file, then filler up to the size.
# Shell builtins only: a process per file would take minutes on a disc of
# 20,000 files.
filler=.
write_file() {
  local path=$1 bytes=$2 header LC_ALL=C  # ${#header} counts bytes
  [ -d "${path%/*}" ] || mkdir -p "${path%/*}"
  header="$identity ${path#"$subject_folder"/}"$'\n'
  local fill=$((bytes - ${#header}))
  while ((${#filler} < fill)); do filler+=$filler; done
  printf '%s%s' "$header" "${filler:0:fill}" > "$path"
}

# Kinds in the tool's processing order: "kind count units-per-file file-pattern",
# the pattern's %d numbering the files.
kinds=(
  "Ichitaro 3 6 Q%03d.jtd"
  "Word 3 8 Q%03d.doc"
  "PDF 4 10 Q%03d.pdf"
  "TIF 5 12 Q%02d/P001.tif"
  "TXT 3 3 Q%03d.txt"
  "TXT0 2 5 冊子%02d.txt"
  "VOICE 4 16 track%02d.mp3"
)

mkdir -p "$folder"
printf '%s' "$label" > "$folder/.windows-label"
rm -rf "$folder"/TestDoc_*  # a disc holds one subject
subject_folder="$folder/TestDoc_$code"

echo "[$section]"
for entry in "${kinds[@]}"; do
  read -r kind count units pattern <<< "$entry"
  for ((i = 1; i <= count * copies; i++)); do
    # Sizes differ a little from file to file, as real files do.
    # shellcheck disable=SC2059
    printf -v name "$pattern" "$i"
    write_file "$subject_folder/$kind/$name" $(((units * 1024 + ((i - 1) % 64 + 1) * 7) * unit_kb))
  done
  echo "$kind=$(find "$subject_folder/$kind" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')"
done
