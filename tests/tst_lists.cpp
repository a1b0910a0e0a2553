#include "app/LaunchLists.h"
#include "app/Launcher.h"
#include "game/Quake2.h"
#include "support/TestSupport.h"

#include <QTest>

class ListsTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

    // Three server configurations, two remote servers, three profiles.
    struct Fixture {
        Quake2 game;
        Launcher launcher{game};
        LaunchLists lists{launcher};
        Fixture(int launchType = Launcher::ListenServer) {
            for (const char* id : {"ffa", "ctf", "coop"})
                launcher.mServers.emplace_back().ID = QLatin1String(id);
            for (const char* id : {"127.0.0.1", "127.0.0.2:27911"})
                launcher.mRemoteServers.emplace_back().ID = QLatin1String(id);
            for (const char* id : {"one", "two", "three"})
                launcher.mClients.emplace_back().ID = QLatin1String(id);
            launcher.SetLaunchType(launchType);
            lists.FillServerList();
            lists.FillClientList();
            lists.ApplyLaunchType();
        }
    };

private Q_SLOTS:
    // A click on the selected entry deselects it only after the double-click
    // interval; a double click or another selection keeps it, a launch
    // settles it at once.
    void pendingDeselection_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("selected");
        QTest::newRow("interval passes") << "wait" << -1;
        QTest::newRow("double click") << "double" << 1;
        QTest::newRow("another entry") << "other" << 2;
        QTest::newRow("launch settles") << "settle" << -1;
    }
    void pendingDeselection() {
        QFETCH(QString, then);
        ListSelection selection;
        selection.Select(1);
        selection.ClickedSelected(50);
        QCOMPARE(selection.Selected(), qint16(1));
        if (then == "double")
            selection.CancelPending();
        else if (then == "other")
            selection.Select(2);
        else if (then == "settle")
            selection.SettlePending();
        QTest::qWait(120);
        QTEST(int(selection.Selected()), "selected");
    }

    // Each list keeps its own saved selection across launch-type switches.
    void selectionsFollowTheLaunchType() {
        Fixture f;
        f.lists.Clients().Select(2);
        f.lists.Servers().Select(1);
        f.lists.SwitchLaunchType(Launcher::DedicatedServer);
        QCOMPARE(f.lists.Clients().Selected(), qint16(-1));
        f.lists.SwitchLaunchType(Launcher::ClientOnly);
        QCOMPARE(f.lists.ServerModel().rowCount(), 2);
        QCOMPARE(f.lists.Servers().Selected(), qint16(-1));
        QCOMPARE(f.lists.Clients().Selected(), qint16(2));
        f.lists.Servers().Select(0);
        f.lists.SwitchLaunchType(Launcher::ListenServer);
        QCOMPARE(f.lists.ServerModel().data(f.lists.ServerModel().index(1)).toString(),
                 QStringLiteral("ctf"));
        QCOMPARE(f.lists.Servers().Selected(), qint16(1));
        f.lists.SaveSelections();
        QCOMPARE(f.launcher.mServerIndex, qint16(1));
        QCOMPARE(f.launcher.mRemoteServerIndex, qint16(0));
        QCOMPARE(f.launcher.mClientIndex, qint16(2));
    }

    // After a removal the entry that took the removed one's place is
    // selected, the first one when the last went, nothing when none is left;
    // the model and the collection stay in step.
    void removeSelectsTheNextEntry() {
        Fixture f;
        f.lists.Clients().Select(1);
        f.lists.RemoveSelectedClient();
        QCOMPARE(f.lists.Clients().Selected(), qint16(1));
        QCOMPARE(f.launcher.mClients.at(1).ID, QStringLiteral("three"));
        f.lists.RemoveSelectedClient();
        QCOMPARE(f.lists.Clients().Selected(), qint16(0));
        f.lists.RemoveSelectedClient();
        QCOMPARE(f.lists.Clients().Selected(), qint16(-1));
        QCOMPARE(f.lists.ClientModel().rowCount(), 0);
        QVERIFY(f.launcher.mClients.empty());
    }
};

QTEST_GUILESS_MAIN(ListsTest)
#include "tst_lists.moc"
