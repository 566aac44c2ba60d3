#include "editor/PictureRowModel.h"

#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

PictureRowModel::PictureRowModel(QObject *parent)
    : QAbstractTableModel(parent), headers_{QStringLiteral("#"), LoadString(kIdsColumnPath), LoadString(kIdsColumnSize),
               LoadString(kIdsColumnCompileTime)}
{
}

int PictureRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PictureRowModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant PictureRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const PictureRow &row = rows_.at(index.row());
    switch (index.column()) {
    case 0: return row.number;
    case 1: return row.path;
    case 2: return row.size;
    case 3: return row.compileTime;
    default: return {};
    }
}

QVariant PictureRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return headers_.at(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags PictureRowModel::flags(const QModelIndex &index) const
{
    // Selectable, never editable, never dragged.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void PictureRowModel::SetRows(PictureRows rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}
