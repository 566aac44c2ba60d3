#pragma once

#include "editor/PictureRows.h"

#include <QAbstractTableModel>

// The picture sequence's rows as a table for the list view. A model over a
// plain list (rather than one item object per row) keeps a book of ten
// thousand pictures quick to fill and to reorder.
class PictureRowModel : public QAbstractTableModel {
public:
    explicit PictureRowModel(QObject *parent = nullptr);

    static constexpr int kColumnCount = 4;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const PictureRows &Rows() const { return rows_; }
    // Replaces every row; views forget their selection.
    void SetRows(PictureRows rows);

private:
    PictureRows rows_;
    QStringList headers_;
};
