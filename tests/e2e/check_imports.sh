#!/usr/bin/env bash
# check_imports.sh OBJDUMP PROGRAM.exe [tool]
# (OBJDUMP: the build's own, which reads its architecture's programs)
# Every program must run from any medium on a bare Windows: it may import
# only DLLs that ship with Windows, and is linked with DEP and ASLR.
# The menu program (the default) imports fewer still: the shell and MCI
# (shell32, winmm) aren't among its imports, nor Active Accessibility and
# COM (oleacc, ole32, oleaut32): they are loaded when first needed, so that
# starting doesn't wait for them (platform/system_library.h). A "tool" (the
# checker, the editor) may import any of the system DLLs below.
set -euo pipefail
allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll IMM32.dll KERNEL32.dll msvcrt.dll USER32.dll"
if [ "${3:-}" = tool ]; then
  allowed="$allowed COMDLG32.dll OLE32.dll OLEAUT32.dll OLEACC.dll SHELL32.dll VERSION.dll WINMM.dll"
fi
headers=$("$1" -p "$2")
status=0
for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$headers"); do
  if ! tr ' ' '\n' <<<"$allowed" | grep -qixF "$dll"; then
    echo "imports $dll, which isn't one of the system DLLs it may load"
    status=1
  fi
done
# The linker's DEP and ASLR flags.
for flag in NX_COMPAT DYNAMIC_BASE; do
  grep -qw "$flag" <<<"$headers" || { echo "not linked with $flag"; status=1; }
done
[ $status -eq 0 ] && echo "imports only system DLLs, DEP and ASLR on"
exit $status
