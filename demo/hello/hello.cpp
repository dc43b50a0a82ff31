// hello.exe - the little stand-in program of the Pandor 7 demo medium.
//
// The demo medium carries several copies of this program under different
// names.  Started from the menu it simply tells the user which file was
// started.  For automated runs it can log instead of showing anything:
// when the environment variable PANDOR7_LAUNCH_LOG names a file, one line
//
//     <full path of this .exe>|<current working folder>
//
// is appended to that file (UTF-8, CR LF) and the program ends
// at once with exit code 0 (1 if the log file could not be written).
//
// Plain Win32 only, no C++ library, so that the statically linked copies
// on the medium stay small.

#include <windows.h>

namespace {

// Longest path Windows can hand us, plus room for the terminating NUL.
constexpr DWORD kMaxPath = 32768;

wchar_t g_self[kMaxPath];
wchar_t g_folder[kMaxPath];
wchar_t g_log[kMaxPath];
wchar_t g_text[2 * kMaxPath + 64];
char g_line[4 * (2 * kMaxPath + 4)];

// Appends src to dst (capacity cap characters, including the NUL).
void Append(wchar_t* dst, DWORD cap, const wchar_t* src)
{
    DWORD n = lstrlenW(dst);
    while (*src && n + 1 < cap)
        dst[n++] = *src++;
    dst[n] = L'\0';
}

bool WriteLog()
{
    wchar_t* line = g_text;
    line[0] = L'\0';
    Append(line, ARRAYSIZE(g_text), g_self);
    Append(line, ARRAYSIZE(g_text), L"|");
    Append(line, ARRAYSIZE(g_text), g_folder);
    Append(line, ARRAYSIZE(g_text), L"\r\n");

    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, g_line, sizeof g_line, nullptr, nullptr);
    if (bytes <= 1)
        return false;
    const DWORD size = static_cast<DWORD>(bytes - 1);  // without the NUL

    HANDLE h = CreateFileW(g_log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(h, g_line, size, &written, nullptr);
    CloseHandle(h);
    return ok && written == size;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DWORD n = GetModuleFileNameW(nullptr, g_self, kMaxPath);
    if (n >= kMaxPath)
        g_self[kMaxPath - 1] = L'\0';
    n = GetCurrentDirectoryW(kMaxPath, g_folder);
    if (n == 0 || n >= kMaxPath)
        g_folder[0] = L'\0';

    n = GetEnvironmentVariableW(L"PANDOR7_LAUNCH_LOG", g_log, kMaxPath);
    if (n > 0 && n < kMaxPath)
        return WriteLog() ? 0 : 1;

    g_text[0] = L'\0';
    Append(g_text, ARRAYSIZE(g_text), L"Ich bin das Programm\n");
    Append(g_text, ARRAYSIZE(g_text), g_self);
    Append(g_text, ARRAYSIZE(g_text), L"\n\nGestartet im Arbeitsordner\n");
    Append(g_text, ARRAYSIZE(g_text), g_folder);
    MessageBoxW(nullptr, g_text, L"Pandor 7 Demo", MB_OK | MB_ICONINFORMATION);
    return 0;
}
