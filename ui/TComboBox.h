// Drop-down list with an edit field: OnChange for a user's pick and for every edit of its text (selection
// cleared while closed, prefix match while dropped down); none for changes from code; Enter never adds an item.
// In the dropped-down list the arrows move the highlight and Enter picks it as a click does; Escape only closes.
#pragma once

#include "ui/TNotifyEvent.h"

#include <QComboBox>
#include <QStringList>

namespace rna::ui {

class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    // -1 when none is selected. Setting selects without any event.
    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);
    // An item picked for the user (a document the user opened sets the list): one pick, as a click on the item
    // gives: OnClick, then OnChange, also for the item already selected. An index off the list does nothing.
    void pickAsUser(int index);
    QString text() const;
    // Replaces the edit field's text without any event (the selection is left as it is).
    void setText(const QString& text);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height) { itemHeight_ = height; }
    bool isDroppedDown() const;
    void showPopup() override;

    // Loading: the selected index is applied once the items are there.
    void setLoadedItemIndex(int index) { loadedIndex_ = index; }
    void applyLoadedItemIndex();

    void setOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    void setOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showText(const QString& text);
    void userPicked(int index);
    void userEdited(const QString& text);
    void selectKeepingText(int index);
    int firstItemStartingWith(const QString& text) const;
    bool forwardToEditField(QKeyEvent* event);
    // Keys of the dropped-down list: Escape closes it; Enter, F4 and Alt+Up or Alt+Down pick the highlighted
    // item as a click would; arrows only move the highlight (Qt's list does that).
    enum class ListKey { Close, Pick, Other };
    static ListKey listKey(const QKeyEvent& event);
    void closeList(ListKey how);

    TNotifyEvent onChange_;
    TNotifyEvent onClick_;
    int itemHeight_ = 16;
    int loadedIndex_ = -1;
};

}  // namespace rna::ui
