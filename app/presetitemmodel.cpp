#include "app/presetitemmodel.h"

#include <iterator>

void TPresetItemModel::Append(std::vector<std::string> texts) {
    if (texts.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(texts.size()) - 1);
    texts_.insert(texts_.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
    otherRoles_.resize(texts_.size());
    endInsertRows();
}

int TPresetItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

namespace {

bool IsTextRole(int role) {
    return role == Qt::DisplayRole || role == Qt::EditRole;
}

}  // namespace

QVariant TPresetItemModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const auto row = static_cast<std::size_t>(index.row());
    // An entry's tooltip is its full name, which a narrow list elides.
    if (IsTextRole(role) || (role == Qt::ToolTipRole && !otherRoles_[row].contains(role)))
        return QString::fromStdString(texts_[row]);
    return otherRoles_[row].value(role);
}

bool TPresetItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
    const auto row = static_cast<std::size_t>(index.row());
    if (IsTextRole(role)) {
        texts_[row] = value.toString().toStdString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    } else {
        otherRoles_[row].insert(role, value);
        emit dataChanged(index, index, {role});
    }
    return true;
}

bool TPresetItemModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || row > rowCount()) return false;
    beginInsertRows({}, row, row + count - 1);
    texts_.insert(texts_.begin() + row, static_cast<std::size_t>(count), std::string());
    otherRoles_.insert(otherRoles_.begin() + row, static_cast<std::size_t>(count), {});
    endInsertRows();
    return true;
}

bool TPresetItemModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || count > rowCount() - row) return false;
    beginRemoveRows({}, row, row + count - 1);
    texts_.erase(texts_.begin() + row, texts_.begin() + row + count);
    otherRoles_.erase(otherRoles_.begin() + row, otherRoles_.begin() + row + count);
    endRemoveRows();
    return true;
}
