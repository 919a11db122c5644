#include "hoz/hoz_grid_model_qt.hpp"

#include "platform/core_text.hpp"

namespace lumtaris {

HozGridModel::HozGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void HozGridModel::SetTitles(const QStringList& titles)
{
    titles_ = titles;
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void HozGridModel::Refresh(const HozList& list)
{
    if (list.IsDisplayFrozen())
        return;
    beginResetModel();
    rows_.assign(list.Records().begin(), list.Records().end());
    indicatorRow_ = -1;
    endResetModel();
}

void HozGridModel::SetIndicatorRow(int row)
{
    const int old = indicatorRow_;
    indicatorRow_ = row >= 0 && row < rowCount() ? row : -1;
    if (old == indicatorRow_)
        return;
    if (old >= 0 && old < rowCount())
        emit headerDataChanged(Qt::Vertical, old, old);
    if (indicatorRow_ >= 0)
        emit headerDataChanged(Qt::Vertical, indicatorRow_, indicatorRow_);
}

int HozGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HozGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant HozGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const HozRecord& record = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<HozColumn>(index.column());
    if (column == HozColumn::DATUM)
        return FromCore(memHOZDATUMGetText(record.DATUM()));
    return FromCore(record.Column(column));
}

QVariant HozGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    // A title cut by a narrow column can still be read whole as its tooltip.
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return section < titles_.size() ? QVariant(titles_[section]) : QVariant();
    if (orientation == Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    // The record indicator: a mark at the current record instead of row numbers.
    return section == indicatorRow_ ? QStringLiteral("▶") : QString();
}

Qt::ItemFlags HozGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace lumtaris
