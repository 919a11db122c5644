// The settings file read from any bytes. It must never crash, and the first write after it
// must leave a file that reads back: the new value, and every value that could be read before.

#include "fuzz_check.hpp"
#include "settings/file_key_qt.hpp"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

using namespace lumtaris;
using fuzz::Check;

namespace {

struct Readable
{
    SettingsValueType type;
    std::optional<std::int32_t> integer;
    std::optional<std::string> text;
    friend bool operator==(const Readable&, const Readable&) = default;
};

std::map<std::string, Readable> ReadAll(const SettingsKey& key)
{
    std::map<std::string, Readable> all;
    for (const std::string& name : key.ValueNames()) {
        Check(key.ValueExists(name));
        all[name] = Readable{key.TypeOf(name), key.ReadInteger(name), key.ReadString(name)};
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    std::map<std::string, Readable> before;
    {
        FileSettingsBackend backend(path);
        const auto main = backend.OpenOrCreate(kMainKeyPath);
        const auto subject = backend.OpenOrCreate(kSubjectKeyPath);
        Check(main->IsOpen() && subject->IsOpen());
        before = ReadAll(*main);
        ReadAll(*subject);
        Check(main->WriteString("LastWDirectory", "/home/eva"));
    }

    FileSettingsBackend backend(path);
    const auto main = backend.OpenOrCreate(kMainKeyPath);
    auto after = ReadAll(*main);
    Check(main->ReadString("LastWDirectory") == std::optional<std::string>("/home/eva"));
    before.erase("LastWDirectory");
    after.erase("LastWDirectory");
    Check(after == before);
    return 0;
}
