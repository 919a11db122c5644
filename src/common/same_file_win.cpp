#include "common/same_file.hpp"

#include <windows.h>

#include <optional>

namespace lumtaris {

namespace {

struct FileIdentity
{
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
};

// MinGW's std::filesystem::equivalent compares stat's device and inode, which are zero for
// every file on Windows; the volume serial and file index are what identify a file there.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path)
{
    const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

} // namespace

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const auto first = IdentityOf(a);
    const auto second = IdentityOf(b);
    return first && second && first->volume == second->volume &&
           first->indexHigh == second->indexHigh && first->indexLow == second->indexLow;
}

} // namespace lumtaris
