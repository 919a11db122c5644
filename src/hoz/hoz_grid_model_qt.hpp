#pragma once

// The read-only model of grdHOZ: the eight shown columns of the HOZ list, the date as
// memHOZDATUMGetText shows it. It shows the list as it was at the last Refresh; a frozen list
// (a correction in progress) is not taken over, so the grid stays as it was until Store.

#include "hoz/hoz_list.hpp"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

namespace lumtaris {

class HozGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kColumnCount = static_cast<int>(kHozColumnCount);

    explicit HozGridModel(QObject* parent = nullptr);

    void SetTitles(const QStringList& titles);
    // Takes over the list's records unless its display is frozen.
    void Refresh(const HozList& list);
    // The row the record indicator marks, -1 for none.
    void SetIndicatorRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A copy of the records as plain bytes; a cell's text is made when the view asks for it,
    // so that a change of a long list costs one copy and painting a screen stays O(1) a cell.
    std::vector<HozRecord> rows_;
    QStringList titles_;
    int indicatorRow_ = -1;
};

} // namespace lumtaris
