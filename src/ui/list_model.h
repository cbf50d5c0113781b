// The list view's model: a virtual table over the shown list's RowSource. It holds
// no texts, only the row count; the view asks for the cells of the rows it draws.
// User-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "ui/list_spec.h"

namespace vendarion {

class RowSource;

class ListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The level of a row's entry (0 for a main entry and for rows that are no
    // entries), from the hidden level column.
    static constexpr int kLevelRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows a source (null: no rows) with these columns; the source must outlive its
    // use here.
    void SetSource(RowSource* source, const std::vector<ListColumn>& columns);
    RowSource* Source() const { return source_; }
    // The source's rows changed as a whole: takes its count afresh.
    void Reload();
    // The source grew (a search adds rows): takes on its new count without touching
    // the rows shown, and repaints from changed_row down when a row was inserted
    // among them.
    void RowsAdded(int changed_row);
    // While paused the cells are empty and nothing is read; resuming repaints.
    void SetPaused(bool paused);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RowSource* source_ = nullptr;
    QStringList headers_;
    int count_ = 0;
    bool paused_ = false;
};

}  // namespace vendarion
