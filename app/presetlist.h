// A pick-only drop-down list as the catalogs see it: QComboBox behind kgr::IPresetList.
#pragma once

#include <QComboBox>
#include <QMetaObject>

#include "core/catalogs.h"

class TPresetItemModel;

// Raises OnSelect only when the user picks an entry (QComboBox::activated), never when the program
// sets ItemIndex. Does not own the combo box; gives it a TPresetItemModel (owned by the box), so a
// catalog of any size fills the list in one step.
class TPresetList : public kgr::IPresetList {
  public:
    explicit TPresetList(QComboBox& box);
    ~TPresetList() override;
    TPresetList(const TPresetList&) = delete;
    TPresetList& operator=(const TPresetList&) = delete;

    void ClearItems() override;
    void AddItem(const std::string& text) override;
    void AddItems(std::vector<std::string> texts) override;
    int ItemCount() const override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

    QComboBox& Box() const { return box_; }

  private:
    QComboBox& box_;
    TPresetItemModel* items_;  // owned by box_
    QMetaObject::Connection picked_;
};

// A pick-only drop-down list with rows 12 pixels high. The rows get their look when the list first
// opens: giving it earlier would build the popup of every list while the window starts. A name too
// long for the list ends in "…", closed and open.
class TPresetListBox : public QComboBox {
  public:
    explicit TPresetListBox(QWidget* parent = nullptr);
    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool rowLookGiven_ = false;
};
