#include "app/LaunchLists.h"

#include "app/Launcher.h"
#include "common/RowInRange.h"

#include <utility>

LaunchLists::LaunchLists(Launcher& launcher) : mLauncher(launcher) {}

bool LaunchLists::ProfilesUsed() const {
    return mLauncher.Type() != Launcher::DedicatedServer;
}

qint16& LaunchLists::SavedServerSelection() {
    return mLauncher.Type() == Launcher::ClientOnly ? mLauncher.SavedSelections().remoteServer
                                                    : mLauncher.SavedSelections().server;
}

void LaunchLists::FillServerList() {
    // Shown, not changed: read through the const access.
    if (mLauncher.Type() == Launcher::ClientOnly)
        mServerModel.Show(std::as_const(mLauncher).RemoteServers());
    else
        mServerModel.Show(std::as_const(mLauncher).Servers());
    mServers.Select(RowOrNone(SavedServerSelection(), mServerModel.rowCount()));
}

void LaunchLists::FillClientList() {
    mClientModel.Show(std::as_const(mLauncher).Clients());
    mClients.Select(RowOrNone(mLauncher.SavedSelections().client, mClientModel.rowCount()));
}

void LaunchLists::ApplyLaunchType() {
    mClients.Select(ProfilesUsed()
                        ? RowOrNone(mLauncher.SavedSelections().client, mClientModel.rowCount())
                        : -1);
}

void LaunchLists::SaveSelections() {
    if (ProfilesUsed())
        mLauncher.SavedSelections().client = mClients.Selected();
    SavedServerSelection() = mServers.Selected();
}

void LaunchLists::SwitchLaunchType(int type) {
    SaveSelections();
    mLauncher.SetLaunchType(type);
    FillServerList();
    ApplyLaunchType();
}

void LaunchLists::AddRemoteServer(const QString& address) {
    mServerModel.Append(mLauncher.RemoteServers(), ServerAddr{address});
    mServers.Select(mServerModel.rowCount() - 1);
}

void LaunchLists::AddServer(const QString& name) {
    ServerConfig server;
    server.ID = name;
    mServerModel.Append(mLauncher.Servers(), server);
    mServers.Select(mServerModel.rowCount() - 1);
}

void LaunchLists::AddClient(const UserProfile& profile) {
    mClientModel.Append(mLauncher.Clients(), profile);
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
    if (mLauncher.Type() == Launcher::ClientOnly)
        RemoveSelected(mServerModel, mServers, mLauncher.RemoteServers());
    else
        RemoveSelected(mServerModel, mServers, mLauncher.Servers());
}

void LaunchLists::RemoveSelectedClient() {
    RemoveSelected(mClientModel, mClients, mLauncher.Clients());
}
