#include "app/ui/frmCorvale.h"
#include "finder/FoundServers.h"
#include "finder/ServerFilter.h"
#include "finder/ui/frmMasters.h"
#include "finder/ui/frmServerFinder.h"
#include "game/Quake2.h"
#include "platform/Defaults.h"
#include "support/FakeGameServers.h"
#include "support/FakeMasters.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QtWidgets>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

QString Local(quint16 port) {
    return u"127.0.0.1:%1"_s.arg(port);
}

ServerStatus Answered(const QString& address, const QString& name, const QString& map,
                      const QString& game, const QStringList& players, int max, int ping) {
    ServerStatus status{.address = address, .outcome = StatusOutcome::Answered, .pingMs = ping};
    status.info = {{u"hostname"_s, name},
                   {u"mapname"_s, map},
                   {u"gamename"_s, game},
                   {u"maxclients"_s, QString::number(max)}};
    for (const QString& player : players)
        status.players.append({player, 1, 50});
    return status;
}

// One column of what a view shows, top to bottom.
QStringList Column(const QAbstractItemModel* model, int column) {
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

void Press(QWidget* window, const char* button) {
    Find<QPushButton>(window, button)->click();
}

} // namespace

class tst_browser : public QObject {
    Q_OBJECT
    TemporarySettings mSettings;
    FakeGameServers mGames;
    FakeUdpMaster mMaster;

    // Searches the stand-in master at once and waits until the search ends.
    static bool Search(frmServerFinder& window) {
        window.Finder().SetSourceTimeout(300ms);
        QSignalSpy finished(&window.Finder(), &ServerFinder::Finished);
        window.show();
        return finished.wait(5000);
    }
    static QTableView* Table(QWidget* window) { return Find<QTableView>(window, "tblServers"); }
    static void SelectRow(QTableView* table, int row) {
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::ClearAndSelect |
                                            QItemSelectionModel::Rows);
    }

private Q_SLOTS:
    void init() {
        mSettings.Clear();
        // Never the real masters.
        mSettings.SetRaw("Finder/Masters", mMaster.Address());
    }

    // Rows show the servers' names; the silent one has none.
    void filtersAndSorting_data() {
        QTest::addColumn<ServerFilterSettings>("filter");
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char* tag, ServerFilterSettings filter, QStringList shown,
                            int column = FoundServers::Ping,
                            Qt::SortOrder order = Qt::AscendingOrder) {
            QTest::newRow(tag) << filter << column << order << shown;
        };
        row("by ping, silent last", {}, {"Bravo", "Alpha", "Charlie", ""});
        row("by ping, descending", {}, {"", "Charlie", "Alpha", "Bravo"}, FoundServers::Ping,
            Qt::DescendingOrder);
        row("by players", {}, {"", "Bravo", "Alpha", "Charlie"}, FoundServers::Players);
        row("by name", {}, {"", "Alpha", "Bravo", "Charlie"}, FoundServers::Name);
        row("name in any case", {.text = u"ALP"_s}, {"Alpha"});
        row("map", {.text = u"base1"_s}, {"Charlie"});
        row("address", {.text = u"127.0.0.24"_s}, {""});
        row("player", {.text = u"bob"_s}, {"Alpha"});
        row("hide empty", {.hideEmpty = true}, {"Alpha", "Charlie"});
        row("hide full", {.hideFull = true}, {"Bravo", "Alpha", ""});
        row("max ping", {.maxPing = 50}, {"Bravo", "Alpha"});
        row("game", {.game = u"rogue"_s}, {"Charlie"});
        row("together", {.text = u"a"_s, .hideEmpty = true, .maxPing = 50}, {"Alpha"});
    }
    void filtersAndSorting() {
        QFETCH(ServerFilterSettings, filter);
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        FoundServers servers;
        ServerFilter shown(servers);
        shown.SetSettings(filter);
        shown.sort(column, order);
        servers.Update(Answered(u"127.0.0.21:27910"_s, u"Alpha"_s, u"q2dm1"_s, u"ctf"_s,
                                {u"Al"_s, u"Bob"_s}, 8, 40));
        servers.Update(
            Answered(u"127.0.0.22:27910"_s, u"Bravo"_s, u"q2dm2"_s, u"baseq2"_s, {}, 8, 20));
        servers.Update(Answered(u"127.0.0.23:27910"_s, u"Charlie"_s, u"base1"_s, u"rogue"_s,
                                {u"Cy"_s, u"Di"_s, u"Ed"_s}, 3, 100));
        servers.Update({.address = u"127.0.0.24:27910"_s});
        QTEST(Column(&shown, FoundServers::Name), "shown");
    }

    // The table fills as replies come; a new search keeps every row and the
    // selection, and adds the new servers.
    void refreshUpdatesInPlace() {
        const QString alpha = Local(mGames.Add(GameReply("\\hostname\\Alpha\n3 40 \"Al\"\n")));
        const QString silent = Local(mGames.Add({}));
        mMaster.SetReply({MasterReply({silent, alpha})});
        frmServerFinder window;
        window.Finder().SetTimeout(300ms);
        QVERIFY(Search(window));
        QTableView* table = Table(&window);
        QCOMPARE(Column(table->model(), FoundServers::Address), QStringList({alpha, silent}));
        QCOMPARE(Column(table->model(), FoundServers::Ping).last(), u"no answer"_s);
        QCOMPARE(Find<QLabel>(&window, "lblSources")->text(), mMaster.Address() + u": 2 servers"_s);
        SelectRow(table, 0);
        QCOMPARE(Find<QTreeWidget>(&window, "tblPlayers")->topLevelItem(0)->text(0), u"Al"_s);

        const QString bravo = Local(mGames.Add(GameReply("\\hostname\\Bravo\n")));
        mMaster.SetReply({MasterReply({silent, alpha, bravo})});
        QSignalSpy removed(table->model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(table->model(), &QAbstractItemModel::modelReset);
        QSignalSpy finished(&window.Finder(), &ServerFinder::Finished);
        Press(&window, "cmdRefresh");
        QVERIFY(finished.wait(5000));
        QCOMPARE(removed.count() + reset.count(), 0);
        QStringList names = Column(table->model(), FoundServers::Name);
        names.sort();
        QCOMPARE(names, QStringList({QString(), u"Alpha"_s, u"Bravo"_s}));
        const QModelIndex selected = table->selectionModel()->selectedRows().value(0);
        QCOMPARE(selected.siblingAtColumn(FoundServers::Address).data().toString(), alpha);
    }

    // Join adds the server to the remote servers, switches to Client Only and
    // launches as the Launch button does; Add adds it only once.
    void joinLaunchesTheGame() {
        FakeInstallation install;
        install.AddDirectory(u"baseq2"_s);
        install.InstallGame(u"quake2"_s);
        for (const char* file : {"ClientFile", "ServerFile", "RemoteServerFile"})
            mSettings.SetRaw(u"Settings/"_s + QLatin1String(file),
                             install.Absolute(u"cv.dat"_s + QLatin1String(file)));
        mSettings.SetRaw("Options/Path", install.Path());
        mSettings.SetRaw("Options/Executable", "quake2");
        const QString alpha = Local(mGames.Add(GameReply("\\hostname\\Alpha\n")));
        mMaster.SetReply({MasterReply({alpha})});
        Quake2 game;
        frmCorvale main(game);
        main.Load();
        main.show();
        Find<QAction>(&main, "mnuViewFindServers")->trigger();
        auto* window = main.findChild<frmServerFinder*>();
        QTRY_COMPARE(Table(window)->model()->rowCount(), 1);
        SelectRow(Table(window), 0);
        Press(window, "cmdAdd");
        Press(window, "cmdAdd");
        QCOMPARE(main.State().RemoteServers().size(), 1u);
        QTableView* table = Table(window);
        const QPoint cell = table->visualRect(table->model()->index(0, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(Find<QRadioButton>(&main, "optLaunch2")->isChecked());
        QCOMPARE(main.State().RemoteServers().size(), 1u);
        QVERIFY(FileBytes(install.Absolute(u"baseq2/Corvale.cfg"_s))
                    .contains("connect " + alpha.toLatin1()));
        QTRY_VERIFY(!install.GameLog().isEmpty());
    }

    // A full server is asked again until a slot is free, and then joined.
    void joinWhenASlotFrees() {
        const quint16 port =
            mGames.Add(GameReply("\\hostname\\Full\\maxclients\\2\n1 5 \"Al\"\n2 9 \"Bob\"\n"),
                       Quirk::PlayerLeavesAtThird);
        mMaster.SetReply({MasterReply({Local(port)})});
        frmServerFinder window;
        window.SetSlotInterval(20ms);
        QVERIFY(Search(window));
        SelectRow(Table(&window), 0);
        QStringList joined;
        std::size_t requestsAtJoin = 0;
        connect(&window, &frmServerFinder::JoinRequested, [&](const QString& address) {
            joined << address;
            requestsAtJoin = mGames.Requests(port).size();
        });
        Press(&window, "cmdJoinWhenFree");
        QVERIFY(Find<QPushButton>(&window, "cmdCancelWait")->isVisible());
        QTRY_COMPARE(joined, QStringList{Local(port)});
        // The watcher's first answer still showed the server full.
        QCOMPARE(requestsAtJoin, 3u);
        QVERIFY(!Find<QPushButton>(&window, "cmdCancelWait")->isVisible());
    }

    // Masters… shows and stores the list (Defaults fills in the usual
    // masters); the window's size and column widths come back next time.
    void mastersAndLayoutAreStored() {
        mMaster.SetReply({MasterReply({})});
        {
            frmServerFinder window;
            QVERIFY(Search(window));
            window.resize(700, 400);
            Table(&window)->setColumnWidth(0, 123);
            Press(&window, "cmdMasters");
            auto* dialog = window.findChild<frmMasters*>();
            auto* text = Find<QPlainTextEdit>(dialog, "txtMasters");
            QCOMPARE(text->toPlainText(), mMaster.Address());
            Press(dialog, "cmdDefaults");
            QCOMPARE(text->toPlainText(), Defaults::Masters());
            text->setPlainText(u"  127.0.0.1:1\n\n"_s + mMaster.Address());
            dialog->accept();
            QCOMPARE(mSettings.Raw("Finder/Masters"), u"127.0.0.1:1\n"_s + mMaster.Address());
            window.close();
        }
        frmServerFinder window;
        QCOMPARE(window.size(), QSize(700, 400));
        QCOMPARE(Table(&window)->columnWidth(0), 123);
    }
};

CORVALE_WIDGET_TEST_MAIN(tst_browser)
#include "tst_browser.moc"
