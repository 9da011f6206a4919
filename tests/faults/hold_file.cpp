// hold_file PATH MS READY: holds PATH open for MS milliseconds without delete or write sharing, as a
// sync client or a virus scanner does for a moment on Windows; READY is made once it holds it.

#include <windows.h>

#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4)
        return 2;
    const HANDLE held =
        ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    const HANDLE ready = ::CreateFileW(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(ready);
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    ::CloseHandle(held);
    return 0;
}
