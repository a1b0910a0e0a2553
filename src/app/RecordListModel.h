#pragma once

#include <QAbstractListModel>

#include <functional>
#include <vector>

// Shows the IDs of one record collection as a list. The model reads the
// records themselves, so what a list shows and what the collection holds
// cannot drift apart; changes to the collection go through the model so that
// the views hear of them.
class RecordListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows records (kept by reference) in place of what was shown before.
    template <typename Record> void Show(const std::vector<Record>& records) {
        beginResetModel();
        mCount = [&records] { return int(records.size()); };
        mId = [&records](int row) { return records.at(row).ID; };
        mToolTip = nullptr;
        endResetModel();
    }

    template <typename Record> void Append(std::vector<Record>& records, Record record) {
        const int row = int(records.size());
        beginInsertRows(QModelIndex(), row, row);
        records.push_back(std::move(record));
        endInsertRows();
    }

    template <typename Record> void Remove(std::vector<Record>& records, int row) {
        beginRemoveRows(QModelIndex(), row, row);
        records.erase(records.begin() + row);
        endRemoveRows();
    }

    // The record at row was changed in place.
    void Changed(int row);
    // Gives each entry the tooltip that tip returns for its ID, until the
    // next Show().
    void SetToolTips(std::function<QString(const QString& id)> tip);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::function<int()> mCount = [] { return 0; };
    std::function<QString(int)> mId;
    std::function<QString(const QString&)> mToolTip;
};
