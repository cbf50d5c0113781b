#include "ui/navigation_tree.h"

#include <QHeaderView>

#include "ui/list_icons.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

struct NodeText {
    int caption;
    ListType type;
};

constexpr NodeText kPlaceLists[] = {
    {2006, ListType::kPostalCodes}, {2007, ListType::kAreaCodes}, {2008, ListType::kSurnames}};
constexpr NodeText kInternetLists[] = {{2011, ListType::kInternetTowns},
                                       {2012, ListType::kInternetPostalCodes},
                                       {2013, ListType::kInternetAreaCodes},
                                       {2014, ListType::kInternetSurnames}};
constexpr NodeText kOtherLists[] = {{2015, ListType::kCountryCodes},
                                    {2016, ListType::kBankCodes},
                                    {2009, ListType::kPhoneBook},
                                    {2017, ListType::kNotes}};

QTreeWidgetItem* FindNode(QTreeWidgetItem* item, ListType type) {
    if (item->data(0, kListTypeRole).toInt() == static_cast<int>(type)) return item;
    for (int i = 0; i < item->childCount(); ++i) {
        if (QTreeWidgetItem* found = FindNode(item->child(i), type)) return found;
    }
    return nullptr;
}

}  // namespace

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setIndentation(12);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QTreeWidgetItem* search = AddNode(nullptr, 2001, ListType::kNone);
    towns_ = AddNode(search, 2002, ListType::kTowns);
    for (const NodeText& node : kPlaceLists) AddNode(search, node.caption, node.type);
    QTreeWidgetItem* internet = AddNode(nullptr, 2010, ListType::kInternet);
    for (const NodeText& node : kInternetLists) AddNode(internet, node.caption, node.type);
    for (const NodeText& node : kOtherLists) AddNode(nullptr, node.caption, node.type);
    expandAll();
    connect(this, &QTreeWidget::currentItemChanged, this, &NavigationTree::OnCurrentChanged);
}

QTreeWidgetItem* NavigationTree::AddNode(QTreeWidgetItem* parent, int caption_id, ListType type) {
    return AddNode(parent, UiString(caption_id), type);
}

QTreeWidgetItem* NavigationTree::AddNode(QTreeWidgetItem* parent, const QString& caption,
                                         ListType type) {
    auto* item = new QTreeWidgetItem(QStringList{caption});
    item->setData(0, kListTypeRole, static_cast<int>(type));
    item->setIcon(0, ListIcon(type));
    if (parent == nullptr) {
        addTopLevelItem(item);
    } else {
        parent->addChild(item);
    }
    return item;
}

void NavigationTree::Select(ListType type) {
    QTreeWidgetItem* node = Node(type);
    if (node == nullptr) return;
    quiet_ = true;
    setCurrentItem(node);
    quiet_ = false;
}

void NavigationTree::SetTown(const QString& caption, int book, bool combination) {
    quiet_ = true;
    delete town_;
    town_ = new QTreeWidgetItem(QStringList{caption});
    town_->setData(0, kListTypeRole, static_cast<int>(ListType::kTown));
    town_->setData(0, kBookRole, book);
    town_->setIcon(0, ListIcon(ListType::kTown));
    towns_->insertChild(0, town_);
    AddNode(town_, 2003, ListType::kNames);
    if (!combination) {
        AddNode(town_, 2004, ListType::kStreets);
        AddNode(town_, 2005, ListType::kHeadings);
    }
    town_->setExpanded(true);
    towns_->setExpanded(true);
    quiet_ = false;
}

QTreeWidgetItem* NavigationTree::Node(ListType type) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* found = FindNode(topLevelItem(i), type)) return found;
    }
    return nullptr;
}

void NavigationTree::OnCurrentChanged(QTreeWidgetItem* current) {
    if (quiet_ || current == nullptr) return;
    emit ListChosen(static_cast<ListType>(current->data(0, kListTypeRole).toInt()));
}

}  // namespace vendarion
