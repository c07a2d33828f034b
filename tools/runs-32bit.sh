#!/usr/bin/env bash
# Whether this machine runs 32-bit x86 programs, which a 32-bit Wine needs:
# assembles a tiny static i386 program that exits with 42 and starts it.
# Silent with status 0 when it ran; otherwise prints why not and exits 1.
set -uo pipefail
dir="$(cd "$(dirname "$0")/.." && pwd)/build/runs-32bit"
rm -rf "$dir"
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $42, %%ebx\n int $0x80\n' >"$dir/probe.s"
if ! as --32 -o "$dir/probe.o" "$dir/probe.s" ||
  ! ld -m elf_i386 -o "$dir/probe" "$dir/probe.o"; then
  echo "no static i386 program could be made to try (binutils' as/ld)"
  exit 1
fi
said=$("$dir/probe" 2>&1)
status=$?
[ "$status" = 42 ] && exit 0
# bash reports a refused program as "<path>: cannot execute binary file: <reason>".
reason=${said##*: }
echo "the kernel does not run 32-bit programs (${reason:-a static i386 program ended with $status})"
exit 1
