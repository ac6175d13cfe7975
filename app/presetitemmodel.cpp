#include "app/presetitemmodel.h"

#include <iterator>

void TPresetItemModel::Append(std::vector<std::string> texts) {
    if (texts.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(texts.size()) - 1);
    texts_.insert(texts_.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
    endInsertRows();
}

int TPresetItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant TPresetItemModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(texts_[static_cast<std::size_t>(index.row())]);
}

bool TPresetItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    texts_[static_cast<std::size_t>(index.row())] = value.toString().toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool TPresetItemModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || row > rowCount()) return false;
    beginInsertRows({}, row, row + count - 1);
    texts_.insert(texts_.begin() + row, static_cast<std::size_t>(count), std::string());
    endInsertRows();
    return true;
}

bool TPresetItemModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || count > rowCount() - row) return false;
    beginRemoveRows({}, row, row + count - 1);
    texts_.erase(texts_.begin() + row, texts_.begin() + row + count);
    endRemoveRows();
    return true;
}
