#include "pppz/pppz_grid_model_qt.hpp"

#include "pppz/pppz_editor.hpp"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

using namespace std::chrono;

// The model tester reports through qWarning; every report fails the test.
QStringList* reports = nullptr;

void CollectReports(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (reports != nullptr && type != QtDebugMsg)
        reports->append(message);
}

PppzEntry Entry(int month, const char* correctionDate = "  .  .    ")
{
    PppzEntry e;
    e.month = month;
    e.year = 2025;
    e.count = "1";
    e.base = "100";
    e.premium = "14";
    e.dueDate = "20.12.2025";
    e.correctionDate = correctionDate;
    return e;
}

QStringList Column(const PppzGridModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

TEST(PppzGridModel, FollowsEveryCommandAsAConsistentModel)
{
    const year_month_day today = 2025y / December / 10;
    QStringList found;
    reports = &found;
    const QtMessageHandler previous = qInstallMessageHandler(CollectReports);
    {
        PppzEditor editor(0);
        PppzGridModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        model.SetTitles({"Měsíc", "Rok", "Počet", "Základ", "Pojistné", "Splatnost", "Oprava"});
        model.SetList(&editor.List());

        for (int month : {3, 2, 1})
            ASSERT_TRUE(editor.Store(Entry(month), today).value().entry);
        model.Sync();
        EXPECT_EQ(Column(model, 0), (QStringList{"1", "2", "3"}));

        editor.SetCurrentIndex(2);
        model.SetIndicatorRow(2);
        ASSERT_TRUE(editor.Store(Entry(4, "01.12.2025"), today).value().entry);
        model.Sync();
        EXPECT_EQ(Column(model, 0), (QStringList{"1", "2", "4", "3"}));
        EXPECT_EQ(Column(model, 6), (QStringList{"", "", "01.12.2025", ""}));
        EXPECT_EQ(Column(model, 5).at(0), "20.12.2025");

        // A correction replaces the record in its place.
        ASSERT_TRUE(editor.Correct());
        PppzEntry corrected = Entry(4);
        corrected.premium = "15";
        ASSERT_TRUE(editor.Store(corrected, today).value().entry);
        model.Sync();
        EXPECT_EQ(Column(model, 4), (QStringList{"14", "14", "15", "14"}));
        EXPECT_EQ(Column(model, 6).at(2), "");

        ASSERT_TRUE(editor.Delete());
        model.Sync();
        EXPECT_EQ(Column(model, 0), (QStringList{"1", "2", "3"}));

        model.SetIndicatorRow(1);
        EXPECT_EQ(model.headerData(1, Qt::Vertical).toString(), "▶");
        EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "");
        EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "Pojistné");
        EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

        model.SetList(nullptr);
        EXPECT_EQ(model.rowCount(), 0);
        EXPECT_EQ(model.columnCount(), kPppzGridColumns);
    }
    qInstallMessageHandler(previous);
    reports = nullptr;
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

} // namespace
} // namespace lumtaris
