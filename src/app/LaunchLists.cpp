#include "app/LaunchLists.h"

#include "app/Launcher.h"
#include "common/RowInRange.h"

LaunchLists::LaunchLists(Launcher& launcher) : mLauncher(launcher) {}

bool LaunchLists::ProfilesUsed() const {
    return !mLauncher.mDedicated;
}

qint16& LaunchLists::SavedServerSelection() {
    return mLauncher.mClientOnly ? mLauncher.mRemoteServerIndex : mLauncher.mServerIndex;
}

void LaunchLists::FillServerList() {
    if (mLauncher.mClientOnly)
        mServerModel.Show(mLauncher.mRemoteServers);
    else
        mServerModel.Show(mLauncher.mServers);
    mServers.Select(RowOrNone(SavedServerSelection(), mServerModel.rowCount()));
}

void LaunchLists::FillClientList() {
    mClientModel.Show(mLauncher.mClients);
    mClients.Select(RowOrNone(mLauncher.mClientIndex, mClientModel.rowCount()));
}

void LaunchLists::ApplyLaunchType() {
    mClients.Select(ProfilesUsed() ? RowOrNone(mLauncher.mClientIndex, mClientModel.rowCount())
                                   : -1);
}

void LaunchLists::SaveSelections() {
    if (ProfilesUsed())
        mLauncher.mClientIndex = mClients.Selected();
    SavedServerSelection() = mServers.Selected();
}

void LaunchLists::SwitchLaunchType(int type) {
    SaveSelections();
    mLauncher.SetLaunchType(type);
    FillServerList();
    ApplyLaunchType();
}

void LaunchLists::AddRemoteServer(const QString& address) {
    ServerAddr remote;
    remote.ID = address;
    mServerModel.Append(mLauncher.mRemoteServers, remote);
    mServers.Select(mServerModel.rowCount() - 1);
}

void LaunchLists::AddServer(const QString& name) {
    ServerConfig server;
    server.ID = name;
    mServerModel.Append(mLauncher.mServers, server);
    mServers.Select(mServerModel.rowCount() - 1);
}

void LaunchLists::AddClient(const UserProfile& profile) {
    mClientModel.Append(mLauncher.mClients, profile);
    mClients.Select(mClientModel.rowCount() - 1);
}

template <typename Record>
void LaunchLists::RemoveSelected(RecordListModel& model, ListSelection& selection,
                                 std::vector<Record>& records) {
    const int row = selection.Selected();
    if (row < 0)
        return;
    model.Remove(records, row);
    const int count = model.rowCount();
    selection.Select(count == 0 ? -1 : row == count ? 0 : row);
}

void LaunchLists::RemoveSelectedServer() {
    if (mLauncher.mClientOnly)
        RemoveSelected(mServerModel, mServers, mLauncher.mRemoteServers);
    else
        RemoveSelected(mServerModel, mServers, mLauncher.mServers);
}

void LaunchLists::RemoveSelectedClient() {
    RemoveSelected(mClientModel, mClients, mLauncher.mClients);
}
