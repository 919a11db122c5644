#include "platform/file_read.hpp"

#include <QFileInfo>

#include <limits>

namespace lumtaris {

namespace {

ReadResult Failure(ReadStatus status, const QString& errorText)
{
    ReadResult result;
    result.status = status;
    result.errorText = errorText;
    return result;
}

} // namespace

// On Windows QFile opens with share modes that let other programs write the file while it is
// read; only its truncation is refused while it is mapped. To keep writers out, the Windows build
// would open it with CreateFileW(GENERIC_READ, FILE_SHARE_READ) and hand the handle to QFile
// through _open_osfhandle. Elsewhere there are no such locks: a program that truncates the file
// while it is mapped would fault the reader, a risk taken for not copying large files.
ReadResult ReadWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        return Failure(ReadStatus::IsDirectory, QStringLiteral("Is a directory"));
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        // Checked again after the failed open: the file may have vanished since it was chosen.
        const ReadStatus status =
            QFileInfo::exists(path) ? ReadStatus::CannotOpen : ReadStatus::Missing;
        return Failure(status, file->errorString());
    }

    ReadResult result;
    FileBytes& content = result.content;
    const qint64 size = file->size();
    if (size > 0 && !file->isSequential() &&
        static_cast<quint64>(size) <= std::numeric_limits<std::size_t>::max()) {
        if (uchar* mapped = file->map(0, size)) {
            content.bytes_ = std::string_view(reinterpret_cast<const char*>(mapped),
                                              static_cast<std::size_t>(size));
            content.mapped_ = true;
            content.file_ = std::move(file);
            return result;
        }
        file->unsetError();
    }

    // Not mappable (a special file, or a file system that cannot map): read it once.
    content.copy_ = file->readAll();
    if (file->error() != QFileDevice::NoError) {
        return Failure(ReadStatus::ReadFailed, file->errorString());
    }
    content.bytes_ =
        std::string_view(content.copy_.constData(), static_cast<std::size_t>(content.copy_.size()));
    return result;
}

} // namespace lumtaris
