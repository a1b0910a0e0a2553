#include "common/RecordWriter.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "server/ServerConfig.h"
#include "server/frmServer.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

namespace {

// A game installation with the base game directory and the program's
// options read from empty settings.
struct Setup {
    TemporarySettings settings;
    FakeInstallation installation;
    Quake2 game;
    Options options{game};
    ServerConfig record;
    std::unique_ptr<frmServer> dialog;

    Setup() {
        game.SetPath(installation.Path());
        installation.AddDirectory(QStringLiteral("baseq2"));
    }
    // Shows a new dialog on the record as it is now.
    frmServer& Open() {
        dialog = std::make_unique<frmServer>(record, game, options);
        dialog->show();
        return *dialog;
    }
};

// Brings the tab holding the control to the front, as a user would.
void ShowTabOf(QWidget& dialog, QWidget* control) {
    auto* tabs = Find<QTabWidget>(&dialog, "sstOptions");
    for (QWidget* page = control; page; page = page->parentWidget()) {
        if (tabs->indexOf(page) >= 0) {
            tabs->setCurrentWidget(page);
            return;
        }
    }
}

void Click(QWidget& dialog, const char* name) {
    auto* button = Find<QAbstractButton>(&dialog, name);
    ShowTabOf(dialog, button);
    // Check boxes and option buttons take clicks on their box and caption
    // only, which start at the left.
    const QPoint point = qobject_cast<QPushButton*>(button) ? button->rect().center()
                                                            : QPoint(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, point);
}

void Retype(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QStringList ComboEntries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

QByteArray Stored(const ServerConfig& record) {
    RecordWriter writer;
    record.SaveToFile(writer);
    return writer.Bytes();
}

} // namespace

class FrmServerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okStoresEveryFieldShown_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::newRow("named") << QStringLiteral("Duel") << "Server Configuration - [Duel]";
        QTest::newRow("default configuration") << QString() << "Server Configuration";
    }
    void okStoresEveryFieldShown() {
        QFETCH(QString, id);
        Setup setup;
        setup.installation.AddDirectory("xatrix");
        ServerConfig& record = setup.record;
        record.ID = id;
        record.Game = "xatrix";
        record.Difficulty = 3;
        record.ServerName = "Frag fest";
        record.MaxClients = 16;
        record.FragLimit = 50;
        record.TimeLimit = 20;
        // Every check box ticked in one row, a mix in the other.
        record.EnableCheats = record.LogConsole = record.SelectEmpty = true;
        record.AllowDownload = record.Public = !id.isEmpty();
        record.MapMode = ServerConfig::SpecificMap;
        record.MapName = "q2dm3";
        record.MapList = "Deathmatch Levels";
        record.DmFlags = 0x80003;
        record.Gravity = -400;
        record.ExtraCommands = "say hi\r\nsay bye";
        const QByteArray before = Stored(record);
        frmServer& dialog = setup.Open();
        QTEST(dialog.windowTitle(), "title");
        // Forgotten here, every field must come back from the controls.
        record = ServerConfig();
        record.ID = id;
        Click(dialog, "cmdOK");
        QCOMPARE(Stored(record), before);
    }

    void playerModeControls_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("serverSettings");
        QTest::newRow("single player") << 0 << false;
        QTest::newRow("deathmatch") << 1 << true;
        QTest::newRow("coop") << 2 << false;
    }
    void playerModeControls() {
        QFETCH(int, mode);
        QFETCH(bool, serverSettings);
        Setup setup;
        setup.record.PlayerMode = mode == 1 ? 0 : 1;
        setup.record.MapMode = mode == 1 ? ServerConfig::LoadSavedGame : ServerConfig::NoMap;
        frmServer& dialog = setup.Open();
        Click(dialog, QStringLiteral("optPlayerMode%1").arg(mode).toLatin1());
        for (const char* name : {"txtServerName", "txtMaxclients", "updMaxclients", "txtFraglimit",
                                 "updFraglimit", "txtTimelimit", "updTimelimit"})
            QVERIFY2(Find<QWidget>(&dialog, name)->isEnabled() == serverSettings, name);
        QCOMPARE(Find<QWidget>(&dialog, "optMap1")->isEnabled(), !serverSettings);
        QCOMPARE(Find<QWidget>(&dialog, "optMap2")->isEnabled(), !serverSettings);
        QCOMPARE(Find<QTabWidget>(&dialog, "sstOptions")->isTabEnabled(2), serverSettings);
        // Deathmatch does not load a saved game: the map choice falls back.
        if (serverSettings) {
            QVERIFY(Find<QRadioButton>(&dialog, "optMap0")->isChecked());
            QVERIFY(Find<QWidget>(&dialog, "lstMaps")->isHidden());
        }
    }

    void mapModeControls_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("entries");
        QTest::newRow("no map") << 0 << "" << 0;
        QTest::newRow("new game") << 1 << "" << 0;
        QTest::newRow("saved game") << 2 << "lstMaps" << 15;
        QTest::newRow("specific map")
            << 3 << "lblMapList cboMapList lstMaps lblMapName txtMapName cmdViewTextFile" << 8;
        QTest::newRow("random map") << 4 << "lblMapList cboMapList lstMaps cmdViewTextFile" << 8;
    }
    void mapModeControls() {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QFETCH(int, entries);
        Setup setup;
        setup.record.PlayerMode = ServerConfig::SinglePlayer;
        setup.record.MapMode = mode == 0 ? ServerConfig::RandomMap : ServerConfig::NoMap;
        setup.record.MapList = QStringLiteral("Deathmatch Levels");
        frmServer& dialog = setup.Open();
        Click(dialog, QStringLiteral("optMap%1").arg(mode).toLatin1());
        for (const char* name :
             {"lblMapList", "cboMapList", "lstMaps", "lblMapName", "txtMapName", "cmdViewTextFile"})
            QVERIFY2(Find<QWidget>(&dialog, name)->isVisible() ==
                         shown.split(u' ').contains(QLatin1String(name)),
                     name);
        if (entries > 0)
            QCOMPARE(Find<QListWidget>(&dialog, "lstMaps")->count(), entries);
    }

    void savedGameRoundTrip() {
        Setup setup;
        setup.installation.AddFile("baseq2/save/save0/server.ssv",
                                   QByteArray("Outpost").leftJustified(32, '\0') + "rest");
        setup.installation.AddFile("baseq2/save/save3/server.ssv",
                                   QByteArray("Base Camp").leftJustified(40, '\0'));
        setup.record.PlayerMode = ServerConfig::SinglePlayer;
        frmServer& dialog = setup.Open();
        Click(dialog, "optMap2");
        auto* slots = Find<QListWidget>(&dialog, "lstMaps");
        QStringList expected(15, QStringLiteral("<empty>"));
        expected[0] = QStringLiteral("Outpost");
        expected[3] = QStringLiteral("Base Camp");
        QCOMPARE(Entries(slots), expected);
        QCOMPARE(slots->currentRow(), 0);
        ClickEntry(slots, 3);
        Click(dialog, "cmdOK");
        QCOMPARE(setup.record.MapMode, ServerConfig::LoadSavedGame);
        QCOMPARE(setup.record.MapName, "save3");
        QCOMPARE(setup.record.MapList, "");
        QCOMPARE(Find<QListWidget>(&setup.Open(), "lstMaps")->currentRow(), 3);
    }

    void typedMapListFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("in the base game")
            << "baseq2/rotation.txt" << QStringList{"base1", "base2", "base3"};
        QTest::newRow("nowhere") << "" << QStringList();
    }
    void typedMapListFile() {
        QFETCH(QString, file);
        QFETCH(QStringList, entries);
        Setup setup;
        if (!file.isEmpty())
            setup.installation.AddFile(file, "base1, base2\r\nbase3\r\n");
        frmServer& dialog = setup.Open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Click(dialog, "optMap3");
        auto* mapList = Find<QComboBox>(&dialog, "cboMapList");
        Retype(mapList, QStringLiteral("rotation.txt"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        auto* maps = Find<QListWidget>(&dialog, "lstMaps");
        QCOMPARE(Entries(maps), entries);
        // Leaving the box again with the same name does not read the file again.
        setup.installation.AddFile("baseq2/rotation.txt", "q2dm1");
        Retype(mapList, QStringLiteral("rotation.txt"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(Entries(maps), entries);
    }

    // What is typed in a number box, then clicks on its arrows (up when
    // positive), gives the value stored on OK.
    void numberBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("stored");
        const auto row = [](const char* tag, QString box, QString typed, int clicks, int stored) {
            QTest::newRow(tag) << box << typed << clicks << stored;
        };
        row("letters", "Maxclients", "many", 0, 8);
        row("half rounds down to even", "Maxclients", "2.5", 0, 2);
        row("half rounds up to even", "Maxclients", "3.5", 0, 4);
        row("too large", "Maxclients", "40000", 0, 8);
        row("arrows stop at the top", "Maxclients", "99", 2, 100);
        row("arrows step by five", "Fraglimit", "3", 1, 8);
        row("arrows stop at the bottom", "Timelimit", "0", -1, 0);
    }
    void numberBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, clicks);
        Setup setup;
        frmServer& dialog = setup.Open();
        Retype(dialog.findChild<QLineEdit*>("txt" + box), typed);
        auto* spin = dialog.findChild<QWidget*>("upd" + box);
        auto* arrow = spin->findChild<QToolButton*>(clicks > 0 ? "up" : "down");
        for (int click = 0; click < std::abs(clicks); ++click)
            QTest::mouseClick(arrow, Qt::LeftButton);
        Click(dialog, "cmdOK");
        const ServerConfig& r = setup.record;
        QTEST(int(box == "Maxclients" ? r.MaxClients
                                      : (box == "Fraglimit" ? r.FragLimit : r.TimeLimit)),
              "stored");
    }

    void defaultsThenCancel() {
        Setup setup;
        setup.record.ID = QStringLiteral("Duel");
        setup.record.ServerName = QStringLiteral("box");
        setup.record.PlayerMode = ServerConfig::SinglePlayer;
        setup.record.MapMode = ServerConfig::SpecificMap;
        setup.record.MapName = QStringLiteral("q2dm1");
        setup.record.DmFlags = 0;
        setup.record.ExtraCommands = QStringLiteral("say hi");
        ServerConfig defaults;
        defaults.ID = setup.record.ID;
        frmServer& dialog = setup.Open();
        Click(dialog, "cmdDefaults");
        QCOMPARE(Find<QLineEdit>(&dialog, "txtServerName")->text(), "noname");
        QVERIFY(Find<QRadioButton>(&dialog, "optMap0")->isChecked());
        Click(dialog, "cmdCancel");
        QCOMPARE(Stored(setup.record), Stored(defaults));
    }

    // Enter starts a new line in the extra commands, presses a focused
    // "View Text File" and presses OK elsewhere.
    void enterKey() {
        Setup setup;
        setup.options.Apply(setup.game.Path(), {}, QStringLiteral("/missing/viewer"), false);
        setup.record.ExtraCommands = QStringLiteral("a");
        setup.record.MapMode = ServerConfig::SpecificMap;
        setup.record.MapName = QStringLiteral("q2dm1");
        ScriptedPrompts prompts;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* view = Find<QPushButton>(&dialog, "cmdViewTextFile");
        ShowTabOf(dialog, view);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(prompts.messages, QStringList{"Could not open text file"});
        QVERIFY(dialog.isVisible());
        auto* commands = Find<QPlainTextEdit>(&dialog, "txtExtraCommands");
        ShowTabOf(dialog, commands);
        commands->setFocus();
        commands->moveCursor(QTextCursor::End);
        QTest::keyClick(commands, Qt::Key_Return);
        QTest::keyClicks(commands, "b");
        QVERIFY(dialog.isVisible());
        QVERIFY(!Find<QPushButton>(&dialog, "cmdOK")->isDefault());
        QCOMPARE(commands->toPlainText(), "a\nb");
        ShowTabOf(dialog, Find<QWidget>(&dialog, "txtServerName"));
        Retype(Find<QLineEdit>(&dialog, "txtServerName"), "arena");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), QDialog::Accepted);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setup.record.ExtraCommands, "a\r\nb");
        QCOMPARE(setup.record.ServerName, "arena");
    }

    // The subgames are the installation's folders, sorted ignoring case and
    // read afresh at every showing; the custom maps follow the subgame.
    void subgamesAndTheirMaps() {
        Setup setup;
        for (const char* file : {"baseq2/maps/a.bsp", "ctf/maps/B.bsp", "ctf/maps/c.bsp", "zfile"})
            setup.installation.AddFile(file);
        setup.installation.AddDirectory("Zaero");
        setup.record.Game = "ctf";
        setup.record.PlayerMode = ServerConfig::SinglePlayer;
        setup.record.MapMode = ServerConfig::SpecificMap;
        setup.record.MapList = "Custom Maps";
        frmServer& dialog = setup.Open();
        auto* subgames = Find<QComboBox>(&dialog, "cboSubgame");
        auto* maps = Find<QListWidget>(&dialog, "lstMaps");
        QCOMPARE(ComboEntries(subgames), QStringList({"baseq2", "ctf", "Zaero"}));
        QCOMPARE(Entries(maps), QStringList({"B", "c"}));
        subgames->setCurrentIndex(0);
        QCOMPARE(Entries(maps), QStringList{"a"});
        dialog.reject();
        setup.installation.AddDirectory("zmod");
        dialog.show();
        QCOMPARE(ComboEntries(subgames), QStringList({"baseq2", "ctf", "Zaero", "zmod"}));
        QCOMPARE(subgames->currentText(), "ctf");
        QCOMPARE(Entries(maps), QStringList({"B", "c"}));
    }
};

CORVALE_WIDGET_TEST_MAIN(FrmServerTest)
#include "tst_frmserver.moc"
