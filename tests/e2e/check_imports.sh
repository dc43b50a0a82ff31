#!/usr/bin/env bash
# check_imports.sh OBJDUMP PROGRAM.exe
# (OBJDUMP: the build's own, which reads its architecture's programs)
# The menu program must run from any medium on a bare Windows: it may import
# only DLLs that ship with Windows. The shell and MCI (shell32, winmm) aren't
# among its imports: they are loaded when first needed, so that starting
# doesn't wait for them (platform/system_library.h).
set -euo pipefail
allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll IMM32.dll KERNEL32.dll msvcrt.dll USER32.dll"
headers=$("$1" -p "$2")
status=0
for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$headers"); do
  if ! tr ' ' '\n' <<<"$allowed" | grep -qixF "$dll"; then
    echo "imports $dll, which isn't one of the system DLLs it may load at start"
    status=1
  fi
done
# The linker's DEP and ASLR flags.
for flag in NX_COMPAT DYNAMIC_BASE; do
  grep -qw "$flag" <<<"$headers" || { echo "not linked with $flag"; status=1; }
done
[ $status -eq 0 ] && echo "imports only system DLLs, DEP and ASLR on"
exit $status
