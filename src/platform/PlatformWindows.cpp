// The store's calls of the operating system on Windows (Win32, through MinGW-w64).

#include "Platform.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <functional>
#include <io.h>
#include <windows.h>

namespace korvane::platform {
namespace {

// FILETIME counts 100 ns from 1601; the epoch is 11644473600 s later.
constexpr std::int64_t kEpochIn100Ns = 116444736000000000LL;

std::int64_t nanoseconds(const FILETIME& time) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - kEpochIn100Ns) * 100;
}

std::int64_t nanoseconds(const LARGE_INTEGER& time) {
    return (time.QuadPart - kEpochIn100Ns) * 100;
}

std::wstring wide(const QString& path) {
    return QFileInfo(path).absoluteFilePath().replace(QLatin1Char('/'), QLatin1Char('\\')).toStdWString();
}

// Opened to be looked at, never to read or write: a folder too (backup semantics), a link followed.
HANDLE openToLook(const QString& path) {
    return ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<FileFacts> factsOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandle(handle, &info) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic))
        return std::nullopt;
    FileFacts facts;
    facts.directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.regular = !facts.directory && ::GetFileType(handle) == FILE_TYPE_DISK;
    facts.readOnly = facts.regular && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.device = info.dwVolumeSerialNumber;
    facts.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    facts.size =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    facts.links = info.nNumberOfLinks;
    facts.modifiedNs = nanoseconds(info.ftLastWriteTime);
    facts.changedNs = nanoseconds(basic.ChangeTime);
    return facts;
}

HANDLE handleOf(QFileDevice& file) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
}

} // namespace

Held heldByAnother(const QString& path) {
    // The access a replace needs of the file it replaces; every sharing granted to others.
    const HANDLE handle =
        ::CreateFileW(wide(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return Held::No;
    }
    switch (::GetLastError()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Held::Shared;
    case ERROR_ACCESS_DENIED:
        return Held::Denied;
    default:
        return Held::No;
    }
}

void pause(int ms) {
    ::Sleep(static_cast<DWORD>(ms));
}

std::optional<FileFacts> factsOf(const QString& path, bool* failed) {
    const HANDLE handle = openToLook(path);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (failed)
            *failed = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return std::nullopt;
    }
    std::optional<FileFacts> facts = factsOf(handle);
    ::CloseHandle(handle);
    if (failed)
        *failed = !facts;
    return facts;
}

std::optional<FileFacts> factsOf(QFileDevice& file) {
    return factsOf(handleOf(file));
}

std::int64_t nowNs() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    return nanoseconds(now);
}

// NTFS takes a file's times from the system clock, which ticks every 15.6 ms at the coarsest.
std::int64_t fileClockWindowNs() {
    return 4 * 15'625'000;
}

// A data file in a folder of Windows is a file or nothing: no pipe or device can stand in its place.
Opened openRegular(QFile& file) {
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return info.isDir() ? Opened::CannotOpen : Opened::NotRegular;
    return file.open(QIODevice::ReadOnly) ? Opened::Yes : Opened::CannotOpen;
}

// The new file takes the folder's permissions, as every file made there does.
bool keepOwner(QFileDevice&, const QString&, const std::optional<FileFacts>&) {
    return true;
}

void setModified(QFileDevice& file, std::int64_t ns) {
    const std::int64_t ticks = ns / 100 + kEpochIn100Ns;
    const FILETIME time{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    ::SetFileTime(handleOf(file), nullptr, nullptr, &time);
}

// A rename on NTFS is written with the file system's own log.
void syncFolder(const QString&) {}

void syncFile(const QString& path) {
    const HANDLE file = ::CreateFileW(wide(path).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::FlushFileBuffers(file);
        ::CloseHandle(file);
    }
}

void giveFolderToOwnerOf(const QString&, const QString&) {}

std::optional<QString> hardLink(const QString& from, const QString& to) {
    if (::CreateHardLinkW(wide(to).c_str(), wide(from).c_str(), nullptr))
        return std::nullopt;
    return QStringLiteral("CreateHardLink: %1").arg(::GetLastError());
}

bool removeFile(const QString& path) {
    return ::DeleteFileW(wide(path).c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool processRuns(long long pid) {
    if (pid <= 0)
        return false;
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

bool runningAsRoot() {
    return false;
}

FolderLock::Taken FolderLock::take(const QString& folder) {
    release();
    const std::optional<FileFacts> facts = factsOf(folder);
    if (!facts)
        return Taken::Failed;
    // The global namespace is every session's: another user of this PC, or a service, sees it.
    const std::wstring name = QStringLiteral("Global\\korvane-folder-%1-%2")
                                  .arg(facts->device, 8, 16, QLatin1Char('0'))
                                  .arg(facts->inode, 16, 16, QLatin1Char('0'))
                                  .toStdWString();
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex) // another user's mutex of the name, which this one may not open
        return ::GetLastError() == ERROR_ACCESS_DENIED ? Taken::HeldElsewhere : Taken::Failed;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return Taken::HeldElsewhere;
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    return Taken::Yes;
}

FolderLock::Holder FolderLock::holder(const QString&) {
    return {}; // a named mutex does not say whose it is
}

void FolderLock::release() {
    if (handle_ == -1)
        return;
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
}

const char* findBytes(std::string_view haystack, std::string_view needle) {
    if (needle.empty())
        return haystack.data();
    const auto hit = std::search(haystack.begin(), haystack.end(),
                                 std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
    return hit == haystack.end() ? nullptr : haystack.data() + (hit - haystack.begin());
}

const char* findLastByte(std::string_view haystack, char byte) {
    const std::size_t at = haystack.rfind(byte);
    return at == std::string_view::npos ? nullptr : haystack.data() + at;
}

} // namespace korvane::platform
