// The tree of list types on the left of the main window. Every node stands for one
// list type; the current town's node (under "Orte") is inserted when a town is
// chosen, captioned with its name or "Kombination von Orten", with the names, and for
// a single town the streets and the headings, below it.
#pragma once

#include <QTreeWidget>

#include "search/list_type.h"

namespace vendarion {

class NavigationTree final : public QTreeWidget {
    Q_OBJECT

public:
    explicit NavigationTree(QWidget* parent = nullptr);

    // Selects the node of a list type without emitting ListChosen.
    void Select(ListType type);
    // Replaces the town node; combination: a multi-town search, with "Namen" only.
    void SetTown(const QString& caption, int book, bool combination);
    bool HasTown() const { return town_ != nullptr; }
    // The node of a list type; null when it is not in the tree.
    QTreeWidgetItem* Node(ListType type) const;

signals:
    // The user selected the node of a list type.
    void ListChosen(vendarion::ListType type);

private:
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, int caption_id, ListType type);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& caption, ListType type);
    void OnCurrentChanged(QTreeWidgetItem* current);

    QTreeWidgetItem* towns_ = nullptr;
    QTreeWidgetItem* town_ = nullptr;
    bool quiet_ = false;
};

// The role under which a node keeps its list type, and the town node its book.
inline constexpr int kListTypeRole = Qt::UserRole;
inline constexpr int kBookRole = Qt::UserRole + 1;

}  // namespace vendarion
