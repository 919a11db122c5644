#pragma once

// Reading a whole input file once, for parsers that run over its bytes without copying them.

#include <QFile>
#include <QString>

#include <memory>
#include <string_view>

namespace lumtaris {

struct ReadResult;

// The bytes of a file that was read. A mapped file stays open, and the view stays valid, for as
// long as this object lives (moving it keeps the view valid too).
class FileBytes
{
public:
    FileBytes() = default;
    FileBytes(FileBytes&&) noexcept = default;
    FileBytes& operator=(FileBytes&&) noexcept = default;

    std::string_view Bytes() const { return bytes_; }
    // True when the bytes are the file mapped into memory rather than a copy.
    bool IsMapped() const { return mapped_; }

private:
    friend ReadResult ReadWholeFile(const QString& path);
    std::unique_ptr<QFile> file_;
    QByteArray copy_;
    std::string_view bytes_;
    bool mapped_ = false;
};

enum class ReadStatus
{
    Ok,
    Missing,     // no file of that name, also when it vanished before it was opened
    IsDirectory, // the path names a directory
    CannotOpen,  // it exists but could not be opened for reading
    ReadFailed,  // opened, but reading it failed
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Ok;
    QString errorText; // the system's text; empty on success
    FileBytes content; // empty unless status is Ok

    bool Ok() const { return status == ReadStatus::Ok; }
};

// Opens the file for reading only and gives its bytes: the file mapped when it can be, else read
// once into memory. An empty file is a success with no bytes.
ReadResult ReadWholeFile(const QString& path);

} // namespace lumtaris
