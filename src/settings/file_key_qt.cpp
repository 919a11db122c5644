#include "settings/file_key_qt.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace lumtaris {

namespace {

const QString kKeys = QStringLiteral("keys");
const QString kType = QStringLiteral("type");
const QString kValue = QStringLiteral("value");
const QString kIntegerType = QStringLiteral("integer");
const QString kStringType = QStringLiteral("string");
const QString kExpandStringType = QStringLiteral("expandable-string");

// Another copy holds the lock only while it rewrites a small file.
constexpr int kLockWaitMs = 3000;
// A settings file is a few kilobytes; anything this large is not one.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
// File times move in steps (milliseconds here, seconds on some file systems), so a file changed
// just now may change again without its time or size showing it. Only an older time proves
// that the file is unchanged.
constexpr qint64 kSettledMs = 2000;

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

bool FitsInteger(const QJsonValue& value)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::floor(number) == number && number >= std::numeric_limits<std::int32_t>::min() &&
           number <= std::numeric_limits<std::int32_t>::max();
}

SettingsValueType TypeOfEntry(const QJsonValue& entry)
{
    if (entry.isUndefined())
        return SettingsValueType::None;
    const QJsonObject object = entry.toObject();
    const QString type = object.value(kType).toString();
    const QJsonValue value = object.value(kValue);
    if (type == kIntegerType && FitsInteger(value))
        return SettingsValueType::Integer;
    if (type == kStringType && value.isString())
        return SettingsValueType::String;
    if (type == kExpandStringType && value.isString())
        return SettingsValueType::ExpandString;
    return SettingsValueType::Other;
}

QJsonObject Entry(const QString& type, const QJsonValue& value)
{
    return QJsonObject{{kType, type}, {kValue, value}};
}

// What identifies one version of the file without reading it.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toUTC()};
}

bool IsSettled(const FileStamp& stamp)
{
    return !stamp.exists || stamp.modified < QDateTime::currentDateTimeUtc().addMSecs(-kSettledMs);
}

struct FileContents
{
    bool exists = false;
    bool readable = false;
    QByteArray bytes;

    bool operator==(const FileContents&) const = default;
};

FileContents ReadContents(const QString& path)
{
    FileContents contents;
    if (!QFileInfo::exists(path))
        return contents;
    contents.exists = true;
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return contents;
    contents.bytes = file.readAll();
    contents.readable = file.error() == QFileDevice::NoError;
    return contents;
}

// The whole document; nothing when the file is damaged. A missing file is an empty document.
std::optional<QJsonObject> Parse(const FileContents& contents)
{
    if (!contents.exists)
        return QJsonObject();
    if (!contents.readable)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(contents.bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    QJsonObject root = document.object();
    if (root.contains(kKeys) && !root.value(kKeys).isObject())
        return std::nullopt;
    return root;
}

// Keeps a damaged file where a person finds it, out of the way of the new one.
bool SetAside(const QString& path)
{
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, aside);
}

} // namespace

// The file and what was last read from it, shared by the backend and its keys. One thread.
class SettingsFile
{
public:
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }

    // The values of one key as the file holds them now.
    QJsonObject Key(const QString& keyPath)
    {
        Refresh();
        return keys_.value(keyPath).toObject();
    }

    // Under the lock, reads the file again and lets `change` alter its keys; writes the file
    // when `change` returns true. False when nothing was written.
    bool Change(const std::function<bool(QJsonObject& keys)>& change)
    {
        QLockFile lock(path_ + QStringLiteral(".lock"));
        if (!lock.tryLock(kLockWaitMs))
            return false;
        const FileStamp stamp = StampOf(path_);
        Remember(stamp, ReadContents(path_));
        const bool damaged = !root_.has_value();

        QJsonObject root = root_.value_or(QJsonObject());
        QJsonObject keys = root.value(kKeys).toObject();
        if (!change(keys) || (damaged && !SetAside(path_)))
            return false;
        root.insert(QStringLiteral("format"), QStringLiteral("Lumtaris settings"));
        root.insert(QStringLiteral("version"), 1);
        root.insert(kKeys, keys);
        const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);

        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return false;
        if (!stamp.exists || damaged)
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // Still under the lock, so no other copy has changed the file since.
        contents_ = FileContents{true, true, bytes};
        root_ = root;
        keys_ = keys;
        stamp_ = StampOf(path_);
        settled_ = IsSettled(stamp_);
        return true;
    }

private:
    void Refresh()
    {
        const FileStamp stamp = StampOf(path_);
        if (known_ && settled_ && stamp == stamp_)
            return;
        Remember(stamp, ReadContents(path_));
    }

    // Parses only what differs from the file as last seen.
    void Remember(const FileStamp& stamp, FileContents contents)
    {
        if (!known_ || contents != contents_) {
            contents_ = std::move(contents);
            root_ = Parse(contents_);
            keys_ = root_ ? root_->value(kKeys).toObject() : QJsonObject();
        }
        known_ = true;
        stamp_ = stamp;
        settled_ = IsSettled(stamp);
    }

    QString path_;
    bool known_ = false;   // the members below hold what was read
    bool settled_ = false; // the stamp alone tells whether the file changed
    FileStamp stamp_;
    FileContents contents_;
    std::optional<QJsonObject> root_; // nothing when the file is damaged
    QJsonObject keys_;
};

namespace {

class FileKey final : public SettingsKey
{
public:
    FileKey(std::shared_ptr<SettingsFile> file, QString path, bool open)
        : file_(std::move(file)), path_(std::move(path)), open_(open)
    {
    }

    bool IsOpen() const override { return open_; }

    bool ValueExists(std::string_view name) const override
    {
        return TypeOf(name) != SettingsValueType::None;
    }

    SettingsValueType TypeOf(std::string_view name) const override
    {
        return TypeOfEntry(Find(name));
    }

    std::vector<std::string> ValueNames() const override
    {
        std::vector<std::string> names;
        if (open_) {
            for (const QString& name : file_->Key(path_).keys())
                names.push_back(ToUtf8(name));
        }
        return names;
    }

    std::optional<std::int32_t> ReadInteger(std::string_view name) const override
    {
        const QJsonValue entry = Find(name);
        if (TypeOfEntry(entry) != SettingsValueType::Integer)
            return std::nullopt;
        return static_cast<std::int32_t>(entry.toObject().value(kValue).toInteger());
    }

    std::optional<std::string> ReadString(std::string_view name) const override
    {
        const QJsonValue entry = Find(name);
        const SettingsValueType type = TypeOfEntry(entry);
        if (type != SettingsValueType::String && type != SettingsValueType::ExpandString)
            return std::nullopt;
        return ToUtf8(entry.toObject().value(kValue).toString());
    }

    bool WriteInteger(std::string_view name, std::int32_t value) override
    {
        return Write(name, Entry(kIntegerType, static_cast<qint64>(value)));
    }

    bool WriteString(std::string_view name, std::string_view value) override
    {
        return Write(name, Entry(kStringType, ToQString(value)));
    }

    bool DeleteValue(std::string_view name) override
    {
        return open_ && file_->Change([&](QJsonObject& keys) {
            QJsonObject values = keys.value(path_).toObject();
            const QString key = ToQString(name);
            if (!values.contains(key))
                return false;
            values.remove(key);
            keys.insert(path_, values);
            return true;
        });
    }

    bool
    ReplaceAllWithStrings(const std::vector<std::pair<std::string, std::string>>& values) override
    {
        return open_ && file_->Change([&](QJsonObject& keys) {
            QJsonObject replaced;
            for (const auto& [name, text] : values)
                replaced.insert(ToQString(name), Entry(kStringType, ToQString(text)));
            keys.insert(path_, replaced);
            return true;
        });
    }

private:
    QJsonValue Find(std::string_view name) const
    {
        if (!open_)
            return QJsonValue(QJsonValue::Undefined);
        return file_->Key(path_).value(ToQString(name));
    }

    bool Write(std::string_view name, const QJsonObject& entry)
    {
        return open_ && file_->Change([&](QJsonObject& keys) {
            QJsonObject values = keys.value(path_).toObject();
            values.insert(ToQString(name), entry);
            keys.insert(path_, values);
            return true;
        });
    }

    std::shared_ptr<SettingsFile> file_;
    QString path_;
    bool open_;
};

} // namespace

FileSettingsBackend::FileSettingsBackend() : FileSettingsBackend(DefaultFilePath()) {}

FileSettingsBackend::FileSettingsBackend(const QString& filePath)
    : file_(std::make_shared<SettingsFile>(filePath))
{
}

FileSettingsBackend::~FileSettingsBackend() = default;

QString FileSettingsBackend::DefaultFilePath()
{
    const QString directory =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (directory.isEmpty())
        return {};
    return directory + QStringLiteral("/Lumtaris/settings.json");
}

QString FileSettingsBackend::FilePath() const
{
    return file_->Path();
}

std::unique_ptr<SettingsKey> FileSettingsBackend::OpenOrCreate(std::string_view path)
{
    const QString& file = file_->Path();
    const bool open = !file.isEmpty() && QDir().mkpath(QFileInfo(file).absolutePath());
    return std::make_unique<FileKey>(file_, ToQString(path), open);
}

} // namespace lumtaris
