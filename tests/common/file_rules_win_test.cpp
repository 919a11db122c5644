#include "common/text.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace lumtaris {
namespace {

namespace fs = std::filesystem;

// A file of its own in a fresh directory, removed afterwards.
class WindowsFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("LumtarisTest-" + std::to_string(random()));
        fs::create_directories(dir_);
        file_ = dir_ / L"KDAVKA.207";
        std::ofstream(file_, std::ios::binary) << "D1\r\n";
    }

    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    static bool CanOpen(const fs::path& path, DWORD access, DWORD share)
    {
        const HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(handle);
        return true;
    }

    fs::path dir_;
    fs::path file_;
};

TEST_F(WindowsFileTest, OneFileUnderDifferentSpellingsIsEquivalent)
{
    std::wstring shortName(MAX_PATH, L'\0');
    shortName.resize(GetShortPathNameW(file_.c_str(), shortName.data(), MAX_PATH));

    std::wstring upper = file_.wstring();
    CharUpperW(upper.data());
    std::wstring forward = file_.wstring();
    std::replace(forward.begin(), forward.end(), L'\\', L'/');
    const fs::path doubled = dir_.wstring() + L"\\\\KDAVKA.207";
    const fs::path dotted = dir_ / L"." / L".." / dir_.filename() / L"kdavka.207";

    for (const fs::path& spelling :
         {fs::path(upper), fs::path(forward), doubled, dotted, fs::path(shortName)}) {
        SCOPED_TRACE(spelling.string());
        EXPECT_TRUE(fs::equivalent(spelling, file_));
    }

    std::ofstream(dir_ / L"FDAVKA.207") << "F";
    EXPECT_FALSE(fs::equivalent(dir_ / L"FDAVKA.207", file_));
}

// A bare drive means the current directory on that drive; normalised, it is the root.
TEST_F(WindowsFileTest, NormalizedDriveRootsNameTheRootAndJoinToTheSameFile)
{
    const std::string drive = dir_.root_name().string(); // "C:"
    ASSERT_EQ(drive.size(), 2u);
    const fs::path root = NormalizeDirectory(drive);
    EXPECT_EQ(root, fs::path(drive + "\\"));
    EXPECT_TRUE(fs::equivalent(root, dir_.root_path()));

    // Joined as the save does: the root already ends in a backslash, the name adds another.
    const fs::path relative = file_.relative_path();
    const fs::path joined = NormalizeDirectory(drive + "\\") + "\\" + relative.string();
    EXPECT_TRUE(fs::equivalent(joined, file_));
}

// The K-batch reader's rule: while it reads, others may read the file but not write it.
TEST_F(WindowsFileTest, AReaderSharingOnlyReadingKeepsWritersOut)
{
    const HANDLE reader = CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CanOpen(file_, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE));
    EXPECT_FALSE(CanOpen(file_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(std::ofstream(file_, std::ios::app).is_open());
    CloseHandle(reader);
    EXPECT_TRUE(CanOpen(file_, GENERIC_WRITE, 0));
}

} // namespace
} // namespace lumtaris
