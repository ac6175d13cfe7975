// The entries of a preset list as a list model: a catalog's many thousands of descriptions are taken
// in one step and turned into display text only for the rows a view asks for.
#pragma once

#include <QAbstractListModel>
#include <QMap>
#include <string>
#include <vector>

class TPresetItemModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    // Appends `texts` (UTF-8) as one insertion.
    void Append(std::vector<std::string> texts);

    int rowCount(const QModelIndex& parent = {}) const override;
    // The text for the display and edit roles, and for the tooltip role unless one was set; other
    // roles hold what was set for them, as in QComboBox's own model (setItemData works as before).
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // What QComboBox's own addItem, insertItem, removeItem and clear need.
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

  private:
    std::vector<std::string> texts_;
    std::vector<QMap<int, QVariant>> otherRoles_;  // by row; an empty map costs no allocation
};
