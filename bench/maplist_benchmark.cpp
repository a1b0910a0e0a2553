// Times opening the server configuration dialog on a "Custom Maps"
// configuration with many map files, over the same dialog with an empty maps
// folder, next to reading that folder with readdir and sorting the names
// ignoring case. Rounds are interleaved; prints min and median.
// Usage: corvale_maplist_benchmark [files] [rounds]
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "server/ServerConfig.h"
#include "server/ui/frmServer.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Figures {
    std::vector<double> ms;
    double Min() const { return *std::min_element(ms.begin(), ms.end()); }
    double Median() const {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted.at(sorted.size() / 2);
    }
};

double Milliseconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

// An installation whose base game holds the given number of map files.
QString MakeInstallation(const QTemporaryDir& root, int files) {
    QDir(root.path()).mkpath(QStringLiteral("baseq2/maps"));
    for (int i = 0; i < files; ++i) {
        // Mixed case, as map packs come.
        const QString name = i % 3 ? QStringLiteral("map%1.bsp") : QStringLiteral("Map%1.BSP");
        QFile(root.filePath(QStringLiteral("baseq2/maps/") + name.arg(i, 5, 10, QLatin1Char('0'))))
            .open(QIODevice::WriteOnly);
    }
    return root.path();
}

// Change on the configuration: the dialog opens on its map page and paints.
double OpenDialog(Quake2& game, const Options& options, const QString& installation) {
    game.SetPath(installation);
    ServerConfig record;
    record.ID = QStringLiteral("Custom");
    record.MapMode = ServerConfig::SpecificMap;
    record.MapList = QStringLiteral("Custom Maps");
    record.MapName = QStringLiteral("map04999");
    QElapsedTimer timer;
    timer.start();
    frmServer dialog(record, game, options);
    dialog.show();
    dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
    QApplication::processEvents();
    dialog.repaint();
    return Milliseconds(timer);
}

// The floor: the names of the folder, sorted ignoring case.
double ReadAndSort(const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    std::vector<std::string> names;
    if (DIR* dir = opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.')
                names.emplace_back(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    return Milliseconds(timer);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ApplyLook(application);
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rounds = std::max(1, argc > 2 ? std::atoi(argv[2]) : 15);

    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QTemporaryDir emptyRoot;
    QTemporaryDir fullRoot;
    const QString empty = MakeInstallation(emptyRoot, 0);
    const QString full = MakeInstallation(fullRoot, files);
    Quake2 game;
    const Options options(game);

    OpenDialog(game, options, full); // warm the caches and the style
    Figures withMaps;
    Figures withoutMaps;
    Figures added;
    Figures floor;
    for (int round = 0; round < rounds; ++round) {
        withoutMaps.ms.push_back(OpenDialog(game, options, empty));
        withMaps.ms.push_back(OpenDialog(game, options, full));
        floor.ms.push_back(ReadAndSort(full + QStringLiteral("/baseq2/maps")));
        added.ms.push_back(withMaps.ms.back() - withoutMaps.ms.back());
    }

    std::printf("server dialog, Custom Maps, %d map files, %d rounds (ms)\n", files, rounds);
    std::printf("%-34s %9s %9s\n", "", "min", "median");
    const auto line = [](const char* what, const Figures& figures) {
        std::printf("%-34s %9.2f %9.2f\n", what, figures.Min(), figures.Median());
    };
    line("dialog, empty maps folder", withoutMaps);
    line("dialog, full maps folder", withMaps);
    line("time the maps add", added);
    line("readdir + case-ignoring sort", floor);
    std::printf("ratio (median added / median floor) %.2fx, goal <= 2x\n",
                added.Median() / floor.Median());
    return 0;
}
