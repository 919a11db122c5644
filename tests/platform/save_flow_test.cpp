#include "platform/save_flow.hpp"

#include "settings/memory_key.hpp"
#include "settings/settings_store.hpp"
#include "support_qt/fail_after_device.hpp"
#include "support_qt/scripted_platform.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

std::string Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

void Write(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class SaveFlowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        mainKey_ = settings_.OpenOrCreate(kMainKeyPath);
    }

    std::optional<QString> Save(const WriteDeviceFilter& filter = {})
    {
        return SaveSingleFileSubmission(
            platform_, *mainKey_, QStringLiteral("00001234.05"),
            [] { return std::string("NEW\r\n"); }, filter);
    }

    QString Target() const { return dir_.filePath(QStringLiteral("00001234.05")); }

    QTemporaryDir dir_;
    MemorySettingsBackend settings_;
    std::unique_ptr<SettingsKey> mainKey_;
    ScriptedPlatform platform_;
};

TEST_F(SaveFlowTest, FirstSaveStartsInTheProgramsDirectoryAndRemembersTheChoice)
{
    platform_.SetApplicationDirPath(QStringLiteral("/opt/lumtaris"));
    platform_.ChooseDirectoryAnswer(dir_.path() + QStringLiteral("/"));
    const auto saved = Save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, Target());
    EXPECT_EQ(Read(Target()), "NEW\r\n");
    ASSERT_EQ(platform_.fileQuestions().size(), 1u);
    EXPECT_EQ(platform_.fileQuestions()[0].title, "Vyberte adresář pro uložení souboru:");
    EXPECT_EQ(platform_.fileQuestions()[0].startDir, "/opt/lumtaris");
    EXPECT_EQ(RegReadString(*mainKey_, kLastWDirectory, ""), dir_.path().toStdString())
        << "remembered without its trailing separator";
    EXPECT_TRUE(platform_.prompts().empty());

    platform_.ChooseDirectoryAnswer(dir_.path());
    platform_.Answer(MessageAnswer::Yes);
    ASSERT_TRUE(Save());
    EXPECT_EQ(platform_.fileQuestions()[1].startDir, dir_.path()) << "the next save starts there";
}

TEST_F(SaveFlowTest, CancellingTheFolderDialogChangesNothing)
{
    RegWriteString(*mainKey_, kLastWDirectory, "/srv/podani/");
    platform_.ChooseDirectoryAnswer(std::nullopt);
    EXPECT_FALSE(Save());
    EXPECT_EQ(platform_.fileQuestions()[0].startDir, "/srv/podani");
    EXPECT_EQ(RegReadString(*mainKey_, kLastWDirectory, ""), "/srv/podani/");
    EXPECT_TRUE(platform_.prompts().empty());
}

TEST_F(SaveFlowTest, DecliningToReplaceLeavesTheOldFileButRemembersTheDirectory)
{
    Write(Target(), "OLD");
    platform_.ChooseDirectoryAnswer(dir_.path());
    platform_.Answer(MessageAnswer::No);
    EXPECT_FALSE(Save());
    EXPECT_EQ(Read(Target()), "OLD");
    ASSERT_EQ(platform_.prompts().size(), 1u);
    EXPECT_EQ(platform_.prompts()[0].caption, "Dotaz");
    EXPECT_EQ(platform_.prompts()[0].text, "V zadaném adresáři existuje cílový soubor. Přepsat?");
    EXPECT_EQ(platform_.prompts()[0].icon, MessageIcon::Question);
    EXPECT_EQ(platform_.prompts()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(RegReadString(*mainKey_, kLastWDirectory, ""), dir_.path().toStdString());
}

TEST_F(SaveFlowTest, AReadOnlyFileGetsTheThreeLineRefusal)
{
    Write(Target(), "OLD");
    ASSERT_TRUE(QFile::setPermissions(Target(), QFile::ReadOwner | QFile::ReadGroup));
    platform_.ChooseDirectoryAnswer(dir_.path());
    platform_.Answer(MessageAnswer::Yes);
    platform_.Answer(MessageAnswer::Ok);
    EXPECT_FALSE(Save());
    EXPECT_EQ(Read(Target()), "OLD");
    ASSERT_EQ(platform_.prompts().size(), 2u);
    EXPECT_EQ(platform_.prompts()[1].caption, "Chyba");
    EXPECT_EQ(platform_.prompts()[1].text,
              "Nastala chyba při ukládání podání do souboru.\r\nZřejmě je soubor pouze pro čtení "
              "nebo používán jinou aplikací.\r\nPodání nebylo uloženo!");
    EXPECT_EQ(platform_.prompts()[1].icon, MessageIcon::Error);
    EXPECT_EQ(platform_.prompts()[1].buttons, MessageButtons::Ok);
}

TEST_F(SaveFlowTest, AWriteErrorShowsTheSystemsTextAndKeepsTheOldFile)
{
    Write(Target(), "OLD");
    platform_.ChooseDirectoryAnswer(dir_.path());
    platform_.Answer(MessageAnswer::Yes);
    platform_.Answer(MessageAnswer::Ok);
    EXPECT_FALSE(Save(test::FailAfter(2)));
    EXPECT_EQ(Read(Target()), "OLD");
    ASSERT_EQ(platform_.prompts().size(), 2u);
    EXPECT_EQ(platform_.prompts()[1].caption, "Chyba");
    EXPECT_TRUE(platform_.prompts()[1].text.contains(QStringLiteral("Injected write error")))
        << platform_.prompts()[1].text.toStdString();
    EXPECT_TRUE(platform_.prompts()[1].text.endsWith(QStringLiteral("Podání nebylo uloženo!")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left";
}

TEST_F(SaveFlowTest, ADirectoryRemovedAfterTheChoiceIsACannotSave)
{
    const QString gone = dir_.filePath(QStringLiteral("gone"));
    platform_.ChooseDirectoryAnswer(gone);
    platform_.Answer(MessageAnswer::Ok);
    EXPECT_FALSE(Save());
    ASSERT_EQ(platform_.prompts().size(), 1u);
    EXPECT_TRUE(platform_.prompts()[0].text.startsWith(QStringLiteral("Nastala chyba")));
}

} // namespace
} // namespace lumtaris
