#include "platform/file_write.hpp"

#include "common/same_file.hpp"

#include "platform/file_read.hpp"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace lumtaris {

namespace {

std::filesystem::path FileSystemPath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Writes everything or reports why not; a device that makes no progress counts as failing.
bool WriteAll(QIODevice& device, std::string_view bytes)
{
    const char* next = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 written = device.write(next, left);
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

} // namespace

WriteResult WriteFileBytes(const QString& path, std::string_view bytes,
                           const WriteDeviceFilter& filter)
{
    if (QFileInfo(path).isDir()) {
        return {WriteStatus::CannotCreate, QStringLiteral("Is a directory")};
    }
    // QSaveFile would replace a read-only file when this process may write anyway (root),
    // and give the new file the old one's mode.
    if (IsReadOnlyByMode(path)) {
        return {WriteStatus::CannotCreate, QStringLiteral("The file is read-only")};
    }

    // Written to a temporary file beside the target and moved over it only when complete;
    // the direct-write fallback stays off, so a failure can never empty the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {WriteStatus::CannotCreate, file.errorString()};
    }

    QIODevice* device = &file;
    std::unique_ptr<QIODevice> filtered;
    if (filter) {
        filtered = filter(file);
        device = filtered.get();
    }
    if (!WriteAll(*device, bytes)) {
        const QString error = device->errorString();
        file.cancelWriting();
        return {WriteStatus::WriteFailed, error};
    }
    filtered.reset();
    if (!file.commit()) {
        return {WriteStatus::WriteFailed, file.errorString()};
    }
    return {};
}

CopyResult CopyFileReplacing(const QString& source, const QString& target,
                             const WriteDeviceFilter& filter)
{
    if (IsSameFile(source, target)) {
        return CopyResult{CopyStatus::SameFile,
                          QStringLiteral("The source and the target are the same file")};
    }
    const ReadResult read = ReadWholeFile(source);
    if (!read.Ok()) {
        return CopyResult{CopyStatus::CannotReadSource, read.errorText};
    }
    const WriteResult written = WriteFileBytes(target, read.content.Bytes(), filter);
    switch (written.status) {
    case WriteStatus::Ok:
        return {};
    case WriteStatus::CannotCreate:
        return CopyResult{CopyStatus::CannotCreate, written.errorText};
    case WriteStatus::WriteFailed:
        break;
    }
    return CopyResult{CopyStatus::WriteFailed, written.errorText};
}

bool IsReadOnlyByMode(const QString& path)
{
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

bool IsSameFile(const QString& first, const QString& second)
{
    return lumtaris::IsSameFile(FileSystemPath(first), FileSystemPath(second));
}

} // namespace lumtaris
