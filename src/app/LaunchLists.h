#pragma once

#include "app/ListSelection.h"
#include "app/RecordListModel.h"

class Launcher;
class UserProfile;

// The main window's two lists without the window: what each shows for the
// launch type, which saved selection belongs to which list, the click rule,
// and adding and removing entries. The window only shows the models and
// forwards the user's clicks.
class LaunchLists {
public:
    explicit LaunchLists(Launcher& launcher);

    RecordListModel& ServerModel() { return mServerModel; }
    RecordListModel& ClientModel() { return mClientModel; }
    ListSelection& Servers() { return mServers; }
    ListSelection& Clients() { return mClients; }
    const ListSelection& Servers() const { return mServers; }
    const ListSelection& Clients() const { return mClients; }

    // The profile list takes part in every launch type but the dedicated server.
    bool ProfilesUsed() const;

    // Shows the server configurations, or the remote servers for a client-only
    // launch, with their saved selection.
    void FillServerList();
    void FillClientList();
    // Restores the saved profile selection, or clears it for a dedicated server.
    void ApplyLaunchType();
    // Stores the selections the lists show as the saved selections of the
    // launch type (the profile selection only while the profile list is used).
    void SaveSelections();
    // Saves the selections, sets the launch type and shows its lists.
    void SwitchLaunchType(int type);

    // Appends an entry to the list shown and selects it.
    void AddRemoteServer(const QString& address);
    void AddServer(const QString& name);
    void AddClient(const UserProfile& profile);
    // Removes the selected entry; the entry that takes its place is selected,
    // or the first one when the last entry went.
    void RemoveSelectedServer();
    void RemoveSelectedClient();

private:
    qint16& SavedServerSelection();
    template <typename Record>
    void RemoveSelected(RecordListModel& model, ListSelection& selection,
                        std::vector<Record>& records);

    Launcher& mLauncher;
    RecordListModel mServerModel;
    RecordListModel mClientModel;
    ListSelection mServers;
    ListSelection mClients;
};
