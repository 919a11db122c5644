#pragma once

// The read-only model of grdPPPZ: seven columns over memPPPZ (KOD is not shown), the dates as
// dd.mm.yyyy, and the record indicator in the row header.

#include "pppz/pppz_list.hpp"

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <vector>

namespace lumtaris {

inline constexpr int kPppzGridColumns = 7;

class PppzGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit PppzGridModel(QObject* parent = nullptr);

    void SetTitles(const QStringList& titles);
    // Shows `list` (nothing for nullptr); the list must stay alive while it is shown.
    void SetList(const PppzList* list);
    // Brings the rows in line with the list after a command changed it. While the list display
    // is frozen for a correction the grid does not follow.
    void Sync();
    // The row the record indicator points at; -1 for none.
    void SetIndicatorRow(int row);
    int IndicatorRow() const { return indicatorRow_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A shown record: its ID and its cells as the grid shows them, so data() only looks up.
    struct Row
    {
        int id = 0;
        std::array<QString, kPppzGridColumns> cells;
    };
    static Row RowOf(const PppzRecord& record);
    void Rebuild();

    const PppzList* list_ = nullptr;
    std::vector<Row> rows_;
    QStringList titles_;
    int indicatorRow_ = -1;
};

} // namespace lumtaris
