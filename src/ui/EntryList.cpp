#include "EntryList.h"

#include <QListWidget>

namespace kelvora::ui {

QListWidget* makeEntryList(QWidget* parent, const char* name, const TwipsRect& rect,
                           std::span<const ListEntry> entries) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    placeInTwips(list, rect);
    // One entry fills the list's whole height, so that it shows exactly one
    // and the scroll bar steps from entry to entry.
    const QSize entrySize(list->width() - 2 * list->frameWidth(),
                          list->height() - 2 * list->frameWidth());
    for (const ListEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromUtf8(entry.text), list);
        item->setData(Qt::UserRole, entry.value);
        item->setSizeHint(entrySize);
    }
    // Without an explicit "no current entry", the first focus would make entry
    // 0 current unselected, and the first Down key would skip it.
    list->setCurrentIndex(QModelIndex());
    return list;
}

std::optional<int> selectedRow(const QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return std::nullopt;
}

double entryValue(const QListWidget* list, int row) {
    return list->item(row)->data(Qt::UserRole).toDouble();
}

} // namespace kelvora::ui
