#pragma once

// The one path by which the program writes and copies files: the whole file is replaced at once
// or not at all, so a failure never leaves a half-written or emptied file behind.

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>

namespace lumtaris {

enum class WriteStatus
{
    Ok,
    // The file could not be created: no such directory, a path through a regular file, the path
    // is a directory, the target is read-only by its mode, or the system refused to open it.
    CannotCreate,
    // Creating worked but writing or committing failed (a full disk, say).
    WriteFailed,
};

struct WriteResult
{
    WriteStatus status = WriteStatus::Ok;
    QString errorText; // the system's text; empty on success

    bool Ok() const { return status == WriteStatus::Ok; }
};

enum class CopyStatus
{
    Ok,
    SameFile,         // source and target are one file; nothing was touched
    CannotReadSource, // the source is missing, a directory or unreadable
    CannotCreate,     // as for WriteStatus
    WriteFailed,      // as for WriteStatus
};

struct CopyResult
{
    CopyStatus status = CopyStatus::Ok;
    QString errorText; // the system's text; empty on success

    bool Ok() const { return status == CopyStatus::Ok; }
};

// Lets a test put its own device between the writer and the file being saved, for instance one
// that fails after N bytes. It must return a device open for writing that passes what it is
// given on to `file`.
using WriteDeviceFilter = std::function<std::unique_ptr<QIODevice>(QIODevice& file)>;

// Creates or replaces the file with exactly these bytes (binary: line ends come from the bytes).
// On any failure the old file is unchanged, or absent if there was none, and no temporary file
// is left behind.
WriteResult WriteFileBytes(const QString& path, std::string_view bytes,
                           const WriteDeviceFilter& filter = {});

// Copies the source byte for byte onto the target, replacing a target of that name in the same
// all-or-nothing way. Refuses a read-only target and a target that is the source itself.
CopyResult CopyFileReplacing(const QString& source, const QString& target,
                             const WriteDeviceFilter& filter = {});

// True when the file exists and its mode denies writing to its owner. This, not whether this
// process could write it, decides: an administrator may write anything, and on Windows the
// owner's write bit is the read-only attribute.
bool IsReadOnlyByMode(const QString& path);

// True when both paths exist and name one file, however they are written (links, "..", case on
// file systems that ignore it).
bool IsSameFile(const QString& first, const QString& second);

} // namespace lumtaris
