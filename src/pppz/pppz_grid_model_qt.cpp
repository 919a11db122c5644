#include "pppz/pppz_grid_model_qt.hpp"

#include "hoz/hoz_list.hpp"
#include "platform/core_text.hpp"

#include <unordered_set>

namespace lumtaris {

namespace {

enum Column
{
    kMes,
    kRok,
    kPocPoj,
    kVymZakl,
    kKc,
    kDatSplat,
    kDatOpr,
};

} // namespace

PppzGridModel::PppzGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void PppzGridModel::SetTitles(const QStringList& titles)
{
    titles_ = titles;
    emit headerDataChanged(Qt::Horizontal, 0, kPppzGridColumns - 1);
}

void PppzGridModel::SetList(const PppzList* list)
{
    beginResetModel();
    list_ = list;
    indicatorRow_ = -1;
    Rebuild();
    endResetModel();
}

PppzGridModel::Row PppzGridModel::RowOf(const PppzRecord& record)
{
    Row row;
    row.id = record.ID;
    row.cells[kMes] = QString::number(record.MES);
    row.cells[kRok] = QString::number(record.ROK);
    row.cells[kPocPoj] = FromCore(record.POCPOJ);
    row.cells[kVymZakl] = FromCore(record.VYMZAKL);
    row.cells[kKc] = FromCore(record.KC);
    row.cells[kDatSplat] = FromCore(memHOZDATUMGetText(record.DATSPLAT));
    row.cells[kDatOpr] = FromCore(memHOZDATUMGetText(record.DATOPR));
    return row;
}

void PppzGridModel::Rebuild()
{
    rows_.clear();
    if (list_ == nullptr)
        return;
    rows_.reserve(list_->Count());
    for (const PppzRecord& record : list_->Records())
        rows_.push_back(RowOf(record));
}

void PppzGridModel::Sync()
{
    if (list_ == nullptr || list_->IsDisplayFrozen())
        return;
    const std::vector<PppzRecord>& records = list_->Records();

    std::unordered_set<int> listed;
    for (const PppzRecord& record : records)
        listed.insert(record.ID);
    for (int row = static_cast<int>(rows_.size()) - 1; row >= 0; --row) {
        if (listed.count(rows_[static_cast<std::size_t>(row)].id) == 0) {
            beginRemoveRows(QModelIndex(), row, row);
            rows_.erase(rows_.begin() + row);
            endRemoveRows();
        }
    }

    std::unordered_set<int> shown;
    for (const Row& row : rows_)
        shown.insert(row.id);
    // The table never reorders its records, so what is left is in list order and new records
    // only need to be put in their places.
    for (std::size_t i = 0; i < records.size(); ++i) {
        Row fresh = RowOf(records[i]);
        const int at = static_cast<int>(i);
        if (i < rows_.size() && rows_[i].id == fresh.id) {
            if (rows_[i].cells != fresh.cells) {
                rows_[i] = std::move(fresh);
                emit dataChanged(index(at, 0), index(at, kPppzGridColumns - 1));
            }
        } else if (shown.count(fresh.id) == 0) {
            beginInsertRows(QModelIndex(), at, at);
            rows_.insert(rows_.begin() + at, std::move(fresh));
            endInsertRows();
        } else {
            // Not a change a command makes; show the list afresh rather than wrongly.
            beginResetModel();
            Rebuild();
            endResetModel();
            return;
        }
    }
}

void PppzGridModel::SetIndicatorRow(int row)
{
    if (row < 0 || row >= rowCount())
        row = -1;
    if (row == indicatorRow_)
        return;
    const int old = indicatorRow_;
    indicatorRow_ = row;
    if (old >= 0 && old < rowCount())
        emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

int PppzGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PppzGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kPppzGridColumns;
}

QVariant PppzGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return rows_[row].cells[static_cast<std::size_t>(column)];
    case Qt::TextAlignmentRole:
        // Counts and amounts line up on their last digit; dates read from the left.
        if (column == kDatSplat || column == kDatOpr)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PppzGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= titles_.size())
            return {};
        // The narrow columns cut their titles: the start stays readable, the whole in the tip.
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return titles_[section];
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    if (section < 0 || section >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return section == indicatorRow_ ? QStringLiteral("▶") : QString();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags PppzGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace lumtaris
