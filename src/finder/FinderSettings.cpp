#include "finder/FinderSettings.h"

#include "platform/SettingsStore.h"

#include <algorithm>

QStringList MasterLines(const QString& text) {
    QStringList masters;
    for (const QString& line : text.split(u'\n')) {
        if (const QString master = line.trimmed(); !master.isEmpty())
            masters << master;
    }
    return masters;
}

QStringList StoredMasters() {
    return MasterLines(SettingsStore().Read(Setting::FinderMasters));
}

Result<> StoreMasters(const QStringList& masters) {
    SettingsStore settings;
    settings.Write(Setting::FinderMasters, masters.join(u'\n'));
    return settings.Save();
}

int StoredMaxInFlight() {
    return std::max<int>(1, SettingsStore().Read(Setting::FinderMaxInFlight));
}

FinderSources BrowseSources(const QStringList& masters, bool localNetworks,
                            const QStringList& lanHosts) {
    const bool noSource = masters.isEmpty() && !localNetworks && lanHosts.isEmpty();
    return {noSource ? StoredMasters() : masters, localNetworks, lanHosts};
}
