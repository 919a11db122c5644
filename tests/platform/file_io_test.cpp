#include "platform/file_read.hpp"
#include "platform/file_write.hpp"
#include "support_qt/fail_after_device.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#ifdef __linux__
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace lumtaris {
namespace {

using namespace std::string_literals;
using test::FailAfter;
using test::FailAfterDevice;

// CR LF, NUL and bytes above 0x7F, which a text-mode or C-string path would damage.
const std::string kBinaryBytes = "D1\r\nline\r\n\0\x80\x8a\x9a\xff\x1a tail\n"s;
const std::string kOldBytes = "old content\r\n\0old"s;

std::string ReadAllBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

// The file's mode bits, without the "User" bits that say what this process may do.
QFile::Permissions Mode(const QString& path)
{
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

class FileIoTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(FileIoTest, WritesNewAndReplacedFilesByteForByte)
{
    const QString path = Path("00001234.05");
    ASSERT_TRUE(WriteFileBytes(path, kBinaryBytes).Ok());
    EXPECT_EQ(ReadAllBytes(path), kBinaryBytes);

    // A shorter replacement leaves nothing of the longer old file, and keeps the file's mode.
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    ASSERT_TRUE(WriteFileBytes(path, "new\r\n").Ok());
    EXPECT_EQ(ReadAllBytes(path), "new\r\n");
    EXPECT_EQ(Mode(path), mode);
    EXPECT_EQ(Entries(dir_.path()), QStringList{"00001234.05"});
}

TEST_F(FileIoTest, RefusesAReadOnlyFileEvenForAnAdministrator)
{
    const QString path = Path("00001234.H05");
    WriteBytes(path, kOldBytes);
    ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));
    ASSERT_TRUE(IsReadOnlyByMode(path));

    const WriteResult result = WriteFileBytes(path, kBinaryBytes);
    EXPECT_EQ(result.status, WriteStatus::CannotCreate);
    EXPECT_EQ(ReadAllBytes(path), kOldBytes);
    EXPECT_EQ(Mode(path), kReadOnly);
    EXPECT_EQ(Entries(dir_.path()), QStringList{"00001234.H05"});
}

TEST_F(FileIoTest, CannotCreateWhereThereIsNoDirectoryToWriteInto)
{
    // The chosen directory was removed before the save.
    const QString chosen = Path("chosen");
    ASSERT_TRUE(QDir().mkdir(chosen));
    ASSERT_TRUE(QDir(chosen).removeRecursively());
    WriteBytes(Path("plain"), kOldBytes);
    ASSERT_TRUE(QDir().mkdir(Path("folder")));

    const QString cases[] = {chosen + "/FDAVKA.207", Path("plain") + "/FDAVKA.207", Path("folder")};
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        const WriteResult result = WriteFileBytes(path, kBinaryBytes);
        EXPECT_EQ(result.status, WriteStatus::CannotCreate);
        EXPECT_FALSE(result.errorText.isEmpty());
    }
    EXPECT_EQ(ReadAllBytes(Path("plain")), kOldBytes);
    EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"folder", "plain"}));
}

TEST_F(FileIoTest, AWriteErrorReachesTheCallerAndKeepsTheOldFile)
{
    const QString path = Path("FDAVKA.207");
    WriteBytes(path, kOldBytes);
    const std::string big(100000, 'x');

    for (const qint64 limit : {qint64{0}, qint64{5}, qint64{65536}}) {
        SCOPED_TRACE(limit);
        const WriteResult result = WriteFileBytes(path, big, FailAfter(limit));
        EXPECT_EQ(result.status, WriteStatus::WriteFailed);
        EXPECT_EQ(result.errorText, "Injected write error");
        EXPECT_EQ(ReadAllBytes(path), kOldBytes);
        EXPECT_EQ(Entries(dir_.path()), QStringList{"FDAVKA.207"});
    }
    // Without an old file, nothing is left at all.
    EXPECT_EQ(WriteFileBytes(Path("new"), big, FailAfter(10)).status, WriteStatus::WriteFailed);
    EXPECT_EQ(Entries(dir_.path()), QStringList{"FDAVKA.207"});
}

TEST_F(FileIoTest, ADirectoryRemovedDuringTheWriteFailsTheCommit)
{
    const QString chosen = Path("chosen");
    ASSERT_TRUE(QDir().mkdir(chosen));
    const QString path = chosen + "/00001234.05";
    const WriteDeviceFilter removeDirectory = [&chosen](QIODevice& file) {
        QDir(chosen).removeRecursively();
        return std::make_unique<FailAfterDevice>(file, qint64{1} << 40); // passes everything on
    };
    const WriteResult result = WriteFileBytes(path, kBinaryBytes, removeDirectory);
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_FALSE(result.errorText.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(chosen));
}

#ifdef __linux__
// A small tmpfs, unmounted again however the test ends.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString& where) : where_(QFile::encodeName(where).toStdString())
    {
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_) {
            ::umount2(where_.c_str(), MNT_DETACH);
        }
    }
    bool Mounted() const { return mounted_; }

private:
    std::string where_;
    bool mounted_ = false;
};

TEST_F(FileIoTest, AFullDiskFailsTheWriteAndKeepsTheOldFile)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const QString mountPoint = Path("small");
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    const SmallFileSystem fileSystem(mountPoint);
    if (!fileSystem.Mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const QString path = mountPoint + "/FDAVKA.207";
    WriteBytes(path, kOldBytes);

    const WriteResult result = WriteFileBytes(path, std::string(256 * 1024, 'x'));
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_FALSE(result.errorText.isEmpty());
    EXPECT_EQ(ReadAllBytes(path), kOldBytes);
    EXPECT_EQ(Entries(mountPoint), QStringList{"FDAVKA.207"});
}
#endif

TEST_F(FileIoTest, CopyReplacesTheTargetByteForByte)
{
    const QString source = Path("KDAVKA.207");
    ASSERT_TRUE(QDir().mkdir(Path("target")));
    const QString target = Path("target/KDAVKA.207");
    WriteBytes(source, kBinaryBytes);
    WriteBytes(target, kOldBytes + kOldBytes);

    const CopyResult result = CopyFileReplacing(source, target);
    ASSERT_TRUE(result.Ok()) << result.errorText.toStdString();
    EXPECT_EQ(ReadAllBytes(target), kBinaryBytes);
    EXPECT_EQ(ReadAllBytes(source), kBinaryBytes);
    EXPECT_EQ(Entries(Path("target")), QStringList{"KDAVKA.207"});
}

TEST_F(FileIoTest, CopyRefusesToCopyAFileOntoItself)
{
    const QString source = Path("KDAVKA.207");
    WriteBytes(source, kBinaryBytes);
    ASSERT_TRUE(QDir().mkdir(Path("sub")));
    ASSERT_TRUE(QFile::link(source, Path("link")));

    const QString cases[] = {source, Path("sub/../KDAVKA.207"), Path("./KDAVKA.207"), Path("link")};
    for (const QString& target : cases) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_TRUE(IsSameFile(source, target));
        EXPECT_EQ(CopyFileReplacing(source, target).status, CopyStatus::SameFile);
        EXPECT_EQ(CopyFileReplacing(target, source).status, CopyStatus::SameFile);
        EXPECT_EQ(ReadAllBytes(source), kBinaryBytes);
    }
    EXPECT_FALSE(IsSameFile(source, Path("missing")));
}

TEST_F(FileIoTest, CopyFailuresLeaveTheTargetAsItWas)
{
    const QString source = Path("KDAVKA.207");
    WriteBytes(source, kBinaryBytes);
    const QString readOnly = Path("readonly");
    WriteBytes(readOnly, kOldBytes);
    ASSERT_TRUE(QFile::setPermissions(readOnly, kReadOnly));
    const QString plain = Path("plain");
    WriteBytes(plain, kOldBytes);

    EXPECT_EQ(CopyFileReplacing(source, readOnly).status, CopyStatus::CannotCreate);
    EXPECT_EQ(ReadAllBytes(readOnly), kOldBytes);
    EXPECT_EQ(Mode(readOnly), kReadOnly);

    const CopyResult missing = CopyFileReplacing(Path("gone"), plain);
    EXPECT_EQ(missing.status, CopyStatus::CannotReadSource);
    EXPECT_FALSE(missing.errorText.isEmpty());
    EXPECT_EQ(CopyFileReplacing(dir_.path(), plain).status, CopyStatus::CannotReadSource);

    const CopyResult failed = CopyFileReplacing(source, plain, FailAfter(3));
    EXPECT_EQ(failed.status, CopyStatus::WriteFailed);
    EXPECT_EQ(failed.errorText, "Injected write error");
    EXPECT_EQ(ReadAllBytes(plain), kOldBytes);

    EXPECT_EQ(CopyFileReplacing(source, Path("nodir/KDAVKA.207")).status, CopyStatus::CannotCreate);
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"KDAVKA.207", "plain", "readonly"}));
}

TEST_F(FileIoTest, ReadsAMappedFileWithBinaryJunkExactly)
{
    std::string junk;
    for (int i = 0; i < 70000; ++i) {
        junk.push_back(static_cast<char>((i * 37) % 256));
    }
    junk += kBinaryBytes;
    const QString path = Path("KDAVKA.207");
    WriteBytes(path, junk);

    ReadResult result = ReadWholeFile(path);
    ASSERT_TRUE(result.Ok()) << result.errorText.toStdString();
    EXPECT_TRUE(result.content.IsMapped());
    // The view belongs to the content and survives being moved with it.
    const FileBytes content = std::move(result.content);
    EXPECT_EQ(content.Bytes(), junk);
}

TEST_F(FileIoTest, ReadingAnEmptyFileGivesNoBytes)
{
    WriteBytes(Path("empty"), "");
    const ReadResult result = ReadWholeFile(Path("empty"));
    ASSERT_TRUE(result.Ok()) << result.errorText.toStdString();
    EXPECT_TRUE(result.content.Bytes().empty());
}

TEST_F(FileIoTest, ReadFailuresSayWhy)
{
    ASSERT_TRUE(QDir().mkdir(Path("folder")));
    struct Case
    {
        QString path;
        ReadStatus expected;
    };
    const Case cases[] = {
        {Path("missing"), ReadStatus::Missing},
        {Path("folder"), ReadStatus::IsDirectory},
        {Path("folder/missing"), ReadStatus::Missing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const ReadResult result = ReadWholeFile(c.path);
        EXPECT_EQ(result.status, c.expected);
        EXPECT_FALSE(result.errorText.isEmpty());
        EXPECT_TRUE(result.content.Bytes().empty());
    }
}

#ifdef __linux__
TEST_F(FileIoTest, AnUnreadableFileCannotBeOpened)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "an administrator may read any file";
    }
    WriteBytes(Path("secret"), kOldBytes);
    ASSERT_TRUE(QFile::setPermissions(Path("secret"), QFile::WriteOwner));
    EXPECT_EQ(ReadWholeFile(Path("secret")).status, ReadStatus::CannotOpen);
}
#endif

} // namespace
} // namespace lumtaris
