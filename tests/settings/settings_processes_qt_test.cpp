#include "settings/file_key_qt.hpp"
#include "settings/settings_store.hpp"
#include "subject/subject_history.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

QProcess* StartWriter(const QString& file, const char* name, int value)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(LUMTARIS_SETTINGS_WRITER),
                   {file, QString::fromLatin1(name), QString::number(value)});
    return process;
}

// Two copies of the program close at nearly the same moment, round after round: neither may
// lose the other's value, and the file must always read back.
TEST(SettingsFileShared, TwoProcessesWritingAtOnceKeepBothValues)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("settings.json"));
    constexpr int kRounds = 200;
    for (int round = 1; round <= kRounds; ++round) {
        std::unique_ptr<QProcess> first(StartWriter(file, "LastZPSelected", round));
        std::unique_ptr<QProcess> second(StartWriter(file, "LastActionSelected", round));
        ASSERT_TRUE(first->waitForFinished(30000) && second->waitForFinished(30000));
        ASSERT_EQ(first->exitCode(), 0);
        ASSERT_EQ(second->exitCode(), 0);

        FileSettingsBackend backend(file);
        const auto main = backend.OpenOrCreate(kMainKeyPath);
        ASSERT_EQ(RegReadInteger(*main, kLastZPSelected, -1), round) << "round " << round;
        ASSERT_EQ(RegReadInteger(*main, kLastActionSelected, -1), round) << "round " << round;
        SubjectHistory history;
        history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
        ASSERT_EQ(history.HistoryIC_OJ().size(), 1u) << "the history of the copy that closed last";
    }
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".lock")));
}

// The settings directory turns into something that cannot hold the file while the program
// runs: reads keep working from what is known or give defaults, writes fail, nothing is said.
TEST(SettingsFileShared, DirectoryGoneMidRunLeavesTheStoreSilent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString settingsDir = dir.filePath(QStringLiteral("Lumtaris"));
    const QString file = settingsDir + QStringLiteral("/settings.json");
    FileSettingsBackend backend(file);
    auto main = backend.OpenOrCreate(kMainKeyPath);
    RegWriteInteger(*main, kLastZPSelected, 3);
    ASSERT_EQ(RegReadInteger(*main, kLastZPSelected, -1), 3);

    ASSERT_TRUE(QDir(settingsDir).removeRecursively());
    QFile blocker(settingsDir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a regular file where the directory was
    blocker.close();

    RegWriteInteger(*main, kLastActionSelected, 1);
    RegWriteString(*main, kLastWDirectory, "/tmp");
    EXPECT_EQ(RegReadInteger(*main, kLastActionSelected, -1), -1);
    EXPECT_EQ(RegReadString(*main, kLastWDirectory, "default"), "default");
    SubjectHistory history;
    history.AppendIC_OJ("12345678 - 01");
    history.SaveSubjektToReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_TRUE(QFileInfo(settingsDir).isFile()) << "nothing was written in its place";
}

} // namespace
} // namespace lumtaris
