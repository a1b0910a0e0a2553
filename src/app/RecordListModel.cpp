#include "app/RecordListModel.h"

void RecordListModel::Changed(int row) {
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

void RecordListModel::SetToolTips(std::function<QString(const QString& id)> tip) {
    mToolTip = std::move(tip);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::ToolTipRole});
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : mCount();
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return mId(index.row());
    if (role == Qt::ToolTipRole && mToolTip)
        return mToolTip(mId(index.row()));
    return QVariant();
}
