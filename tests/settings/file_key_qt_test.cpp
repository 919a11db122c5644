#include "settings/file_key_qt.hpp"

#include "settings/settings_store.hpp"
#include "subject/subject_history.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace lumtaris {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void SetModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class FileSettingsTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // In a folder that does not exist yet, as on a machine where the program never ran.
    QString FilePath() const { return dir.filePath(QStringLiteral("Lumtaris/settings.json")); }
    QStringList FilesBesideSettings() const
    {
        return QDir(dir.filePath(QStringLiteral("Lumtaris")))
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(FileSettingsTest, EveryTypeOfValueComesBackThroughAnotherCopy)
{
    {
        FileSettingsBackend writer(FilePath());
        const auto main = writer.OpenOrCreate(kMainKeyPath);
        const auto subject = writer.OpenOrCreate(kSubjectKeyPath);
        ASSERT_TRUE(main->IsOpen());
        ASSERT_TRUE(subject->IsOpen());
        EXPECT_TRUE(main->WriteInteger(kLastZPSelected, 2));
        EXPECT_TRUE(main->WriteInteger(kLastActionSelected, -2147483647 - 1));
        EXPECT_TRUE(main->WriteString(kLastWDirectory, "C:\\Účty\\\"2026\"\n"));
        EXPECT_TRUE(main->WriteString(kLastBill, ""));
        EXPECT_TRUE(main->WriteString("Replaced", "text"));
        EXPECT_TRUE(main->WriteInteger("Replaced", 7));
        EXPECT_TRUE(main->WriteInteger("Deleted", 1));
        EXPECT_TRUE(main->DeleteValue("Deleted"));
        EXPECT_FALSE(main->DeleteValue("Deleted"));
        EXPECT_TRUE(subject->WriteString("ICO0000", "12345678 - 01"));
    }

    FileSettingsBackend reader(FilePath());
    const auto main = reader.OpenOrCreate(kMainKeyPath);
    EXPECT_THAT(main->ValueNames(), UnorderedElementsAre("LastZPSelected", "LastActionSelected",
                                                         "LastWDirectory", "LastBill", "Replaced"));
    EXPECT_EQ(main->TypeOf(kLastZPSelected), SettingsValueType::Integer);
    EXPECT_EQ(RegReadInteger(*main, kLastZPSelected, -1), 2);
    EXPECT_EQ(RegReadInteger(*main, kLastActionSelected, -1), -2147483647 - 1);
    EXPECT_EQ(main->TypeOf(kLastWDirectory), SettingsValueType::String);
    EXPECT_EQ(RegReadString(*main, kLastWDirectory, ""), "C:\\Účty\\\"2026\"\n");
    EXPECT_TRUE(main->ValueExists(kLastBill));
    EXPECT_EQ(RegReadString(*main, kLastBill, "default"), "");
    EXPECT_EQ(main->TypeOf("Replaced"), SettingsValueType::Integer);
    EXPECT_EQ(main->TypeOf("Deleted"), SettingsValueType::None);
    EXPECT_EQ(reader.OpenOrCreate(kSubjectKeyPath)->ReadString("ICO0000"), "12345678 - 01");

    // Nothing but the settings themselves is left behind, and only their owner may read them.
    EXPECT_THAT(FilesBesideSettings(), ElementsAre("settings.json"));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_FALSE(QFile::permissions(FilePath()) & others);
}

TEST_F(FileSettingsTest, ATextWhereANumberBelongsReadsAsTheDefault)
{
    FileSettingsBackend backend(FilePath());
    const auto main = backend.OpenOrCreate(kMainKeyPath);
    RegWriteString(*main, kLastZPSelected, "2");
    EXPECT_EQ(RegReadInteger(*FileSettingsBackend(FilePath()).OpenOrCreate(kMainKeyPath),
                             kLastZPSelected, -1),
              -1);
}

TEST_F(FileSettingsTest, TypesWrittenByHandStayApartAndSurviveARewrite)
{
    WriteAll(FilePath(), R"({
  "keys": {
    "SOFTWARE\\Brennic\\Lumtaris": {
      "Number": { "type": "integer", "value": 42 },
      "Text": { "type": "string", "value": "a" },
      "Expand": { "type": "expandable-string", "value": "$HOME/podání" },
      "Blob": { "type": "binary", "value": "AAEC" },
      "Fraction": { "type": "integer", "value": 1.5 },
      "TooLarge": { "type": "integer", "value": 4294967295 },
      "NumberAsText": { "type": "integer", "value": "42" },
      "TextAsNumber": { "type": "string", "value": 42 },
      "Bare": 42
    },
    "SOFTWARE\\Brennic\\Lumtaris\\Subjekt": {
      "ICO0000": { "type": "expandable-string", "value": "11111111 - 01" },
      "ICO0001": { "type": "integer", "value": 22222222 },
      "ICO0002": { "type": "string", "value": "33333333 - 03" }
    }
  }
}
)");
    FileSettingsBackend backend(FilePath());
    const auto main = backend.OpenOrCreate(kMainKeyPath);
    const std::pair<const char*, SettingsValueType> expected[] = {
        {"Number", SettingsValueType::Integer},      {"Text", SettingsValueType::String},
        {"Expand", SettingsValueType::ExpandString}, {"Blob", SettingsValueType::Other},
        {"Fraction", SettingsValueType::Other},      {"TooLarge", SettingsValueType::Other},
        {"NumberAsText", SettingsValueType::Other},  {"TextAsNumber", SettingsValueType::Other},
        {"Bare", SettingsValueType::Other},          {"Missing", SettingsValueType::None},
    };
    for (const auto& [name, type] : expected)
        EXPECT_EQ(main->TypeOf(name), type) << name;
    EXPECT_EQ(main->ReadInteger("Number"), 42);
    EXPECT_EQ(main->ReadString("Expand"), "$HOME/podání");
    EXPECT_EQ(main->ReadString("Blob"), std::nullopt);
    EXPECT_EQ(main->ReadInteger("Fraction"), std::nullopt);

    SubjectHistory history;
    history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_THAT(history.HistoryIC_OJ(), ElementsAre("33333333 - 03"));

    // A value the program does not know is kept as it was when another value changes.
    ASSERT_TRUE(main->WriteInteger("Number", 43));
    const QJsonObject stored =
        QJsonDocument::fromJson(ReadAll(FilePath()))
            .object()["keys"]
            .toObject()[QString::fromUtf8(kMainKeyPath.data(), kMainKeyPath.size())]
            .toObject();
    EXPECT_EQ(stored["Blob"].toObject()["value"].toString(), "AAEC");
    EXPECT_EQ(stored["Bare"].toInt(), 42);
    EXPECT_EQ(FileSettingsBackend(FilePath()).OpenOrCreate(kMainKeyPath)->TypeOf("Blob"),
              SettingsValueType::Other);
}

struct DamageCase
{
    const char* what;
    QByteArray bytes;
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.what;
}

class DamagedFileTest : public FileSettingsTest, public testing::WithParamInterface<DamageCase>
{
};

TEST_P(DamagedFileTest, ReadsAsNoValuesAndIsKeptAsideBeforeTheFirstWrite)
{
    const QByteArray damaged = GetParam().bytes;
    WriteAll(FilePath(), damaged);

    FileSettingsBackend backend(FilePath());
    const auto main = backend.OpenOrCreate(kMainKeyPath);
    ASSERT_TRUE(main->IsOpen());
    EXPECT_THAT(main->ValueNames(), IsEmpty());
    EXPECT_EQ(RegReadInteger(*main, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadString(*main, kLastWDirectory, "/opt"), "/opt");
    SubjectHistory history;
    history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_THAT(history.HistoryIC_OJ(), IsEmpty());
    EXPECT_THAT(FilesBesideSettings(), ElementsAre("settings.json")); // reading changes nothing

    EXPECT_TRUE(main->WriteInteger(kLastZPSelected, 3));
    EXPECT_TRUE(main->WriteInteger(kLastActionSelected, 1));

    const QStringList files = FilesBesideSettings();
    ASSERT_EQ(files.size(), 2) << files.join(' ').toStdString();
    EXPECT_EQ(files[0], "settings.json");
    EXPECT_TRUE(files[1].startsWith("settings.json.damaged-")) << files[1].toStdString();
    EXPECT_EQ(ReadAll(dir.filePath("Lumtaris/" + files[1])), damaged);

    const auto reread = FileSettingsBackend(FilePath()).OpenOrCreate(kMainKeyPath);
    EXPECT_THAT(reread->ValueNames(), UnorderedElementsAre("LastZPSelected", "LastActionSelected"));
    EXPECT_EQ(RegReadInteger(*reread, kLastZPSelected, -1), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFileTest,
    testing::Values(
        DamageCase{"garbage text", "LastZPSelected=2\n[Subjekt]\n"},
        DamageCase{
            "truncated",
            R"({"keys": {"SOFTWARE\\Brennic\\Lumtaris": {"LastZPSelected": {"type": "integer", "va)"},
        DamageCase{"binary", QByteArray("\x00\xff\x7b\x00\x01\x02\x80{\"keys\"", 13)},
        DamageCase{"empty", QByteArray()}, DamageCase{"no object", "[1, 2, 3]"},
        DamageCase{"keys no object", R"({"keys": "SOFTWARE"})"}));

TEST_F(FileSettingsTest, ADirectoryThatCannotBeCreatedGivesSilentDefaults)
{
    // A regular file where the folder belongs stops even root.
    const QString blocker = dir.filePath(QStringLiteral("config"));
    WriteAll(blocker, "not a folder");
    FileSettingsBackend backend(blocker + QStringLiteral("/Lumtaris/settings.json"));

    const auto main = backend.OpenOrCreate(kMainKeyPath);
    const auto subject = backend.OpenOrCreate(kSubjectKeyPath);
    EXPECT_FALSE(main->IsOpen());
    EXPECT_FALSE(subject->IsOpen());
    RegWriteInteger(*main, kLastZPSelected, 2);
    RegWriteString(*main, kLastWDirectory, "/home");
    EXPECT_EQ(RegReadInteger(*main, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadString(*main, kLastWDirectory, "/opt"), "/opt");
    EXPECT_FALSE(main->WriteInteger(kLastZPSelected, 2));

    SubjectHistory history;
    history.AppendIC_OJ("12345678 - 01");
    history.SaveSubjektToReg(*subject);
    history.LoadSubjektFromReg(*subject);
    EXPECT_THAT(history.HistoryIC_OJ(), IsEmpty());
    EXPECT_EQ(ReadAll(blocker), "not a folder");
}

TEST_F(FileSettingsTest, TwoRunningCopiesKeepEachOthersValues)
{
    FileSettingsBackend first(FilePath());
    FileSettingsBackend second(FilePath());
    const auto firstMain = first.OpenOrCreate(kMainKeyPath);
    const auto secondMain = second.OpenOrCreate(kMainKeyPath);
    // Both have looked at the file before either writes.
    EXPECT_EQ(RegReadInteger(*firstMain, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadInteger(*secondMain, kLastZPSelected, -1), -1);

    RegWriteInteger(*firstMain, kLastZPSelected, 1);
    RegWriteInteger(*secondMain, kLastActionSelected, 3);
    RegWriteString(*firstMain, kLastWDirectory, "/home/a");
    RegWriteString(*secondMain, kLastBill, "19-2000145399/0800");

    // Each sees the other's latest value at once, even one of the same length written within
    // the same tick of a coarse file clock.
    EXPECT_EQ(RegReadInteger(*firstMain, kLastZPSelected, -1), 1);
    const QDateTime seen = QFileInfo(FilePath()).lastModified();
    RegWriteInteger(*secondMain, kLastZPSelected, 2);
    SetModified(FilePath(), seen);
    EXPECT_EQ(RegReadInteger(*firstMain, kLastZPSelected, -1), 2);
    EXPECT_EQ(RegReadString(*secondMain, kLastWDirectory, ""), "/home/a");

    const auto third = FileSettingsBackend(FilePath()).OpenOrCreate(kMainKeyPath);
    EXPECT_EQ(RegReadInteger(*third, kLastZPSelected, -1), 2);
    EXPECT_EQ(RegReadInteger(*third, kLastActionSelected, -1), 3);
    EXPECT_EQ(RegReadString(*third, kLastWDirectory, ""), "/home/a");
    EXPECT_EQ(RegReadString(*third, kLastBill, ""), "19-2000145399/0800");
}

TEST_F(FileSettingsTest, StoringTheHistoryReplacesOnlyTheSubjectKey)
{
    FileSettingsBackend backend(FilePath());
    const auto main = backend.OpenOrCreate(kMainKeyPath);
    const auto subject = backend.OpenOrCreate(kSubjectKeyPath);
    RegWriteInteger(*main, kLastZPSelected, 4);
    RegWriteString(*main, kLastWDirectory, "/home/a");
    subject->WriteString("ICO0007", "99999999 - 99");
    subject->WriteInteger("Foreign", 1);

    SubjectHistory history;
    history.AppendIC_OJ("11111111 - 01");
    history.AppendIC_OJ("22222222 - 02");
    history.AppendICZ("87654321 - 11111111 - 01");
    history.SaveSubjektToReg(*subject);

    FileSettingsBackend other(FilePath());
    const auto otherSubject = other.OpenOrCreate(kSubjectKeyPath);
    EXPECT_THAT(otherSubject->ValueNames(), ElementsAre("ICO0000", "ICO0001", "ICZ0000"));
    SubjectHistory loaded;
    loaded.LoadSubjektFromReg(*otherSubject);
    EXPECT_EQ(loaded.HistoryIC_OJ(), history.HistoryIC_OJ());
    EXPECT_EQ(loaded.HistoryICZ(), history.HistoryICZ());

    const auto otherMain = other.OpenOrCreate(kMainKeyPath);
    EXPECT_EQ(RegReadInteger(*otherMain, kLastZPSelected, -1), 4);
    EXPECT_EQ(RegReadString(*otherMain, kLastWDirectory, ""), "/home/a");
}

} // namespace
} // namespace lumtaris
