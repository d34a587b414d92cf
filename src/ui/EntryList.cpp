#include "ui/EntryList.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>

namespace kelvora::ui {

namespace {

// Tells a click that picks the entry already selected from one that changes
// the selection, which has been handled as a change already; and takes
// Enter and Return as a pick where they count as one.
class RepickWatcher : public QObject {
public:
    RepickWatcher(QListWidget* list, std::function<void()> picked, Repick repick)
        : QObject(list)
        , list_(list)
        , viewport_(list->viewport())
        , picked_(std::move(picked))
        , repick_(repick) {
        viewport_->installEventFilter(this);
        list->installEventFilter(this);
    }

    // The selection changed: that pick has been made.
    void selectionChanged() { changedSincePress_ = true; }

    void clicked() {
        if (!changedSincePress_ && !list_->selectedItems().isEmpty())
            picked_();
    }

    void doubleClicked() {
        if (repick_ == Repick::ClickEnterOrDouble)
            picked_();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the pointers are compared: the list may be half destroyed when
        // the last events reach the filter.
        if (watched == viewport_ && event->type() == QEvent::MouseButtonPress)
            changedSincePress_ = false;
        if (event->type() == QEvent::KeyPress && watched == list_ &&
            repick_ == Repick::ClickEnterOrDouble) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!list_->selectedItems().isEmpty())
                    picked_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
    QObject* viewport_;
    std::function<void()> picked_;
    Repick repick_;
    bool changedSincePress_ = false;
};

} // namespace

void connectPicks(QListWidget* list, const QObject* context, std::function<void()> picked,
                  Repick repick) {
    auto* watcher = new RepickWatcher(list, picked, repick);
    QObject::connect(list, &QListWidget::itemSelectionChanged, context,
                     [watcher, picked = std::move(picked)] {
                         watcher->selectionChanged();
                         picked();
                     });
    QObject::connect(list, &QListWidget::clicked, watcher, &RepickWatcher::clicked);
    QObject::connect(list, &QListWidget::doubleClicked, watcher, &RepickWatcher::doubleClicked);
}

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
