#include "common/RecordWriter.h"
#include "support/DialogRecords.h"
#include "support/ScriptedPrompts.h"

#include <QtWidgets>

namespace {

// The server dialog on the shared records, opened afresh on the record as it
// is now.
struct ServerDialog : Records {
    std::unique_ptr<frmServer> dialog;
    frmServer& Open() {
        dialog = std::make_unique<frmServer>(server, game, options);
        dialog->show();
        return *dialog;
    }
};

// Brings the tab holding the control to the front, as a user would.
void ShowTabOf(QWidget& dialog, QWidget* control) {
    auto* tabs = Find<QTabWidget>(&dialog, "sstOptions");
    while (control && tabs->indexOf(control) < 0)
        control = control->parentWidget();
    if (control)
        tabs->setCurrentWidget(control);
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

QByteArray Stored(const ServerConfig& record) {
    RecordWriter writer;
    record.SaveToFile(writer);
    return writer.Bytes();
}

bool Shown(QWidget& dialog, const char* name) {
    return Find<QWidget>(&dialog, name)->isVisible();
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
        ServerDialog setup;
        setup.installation.AddDirectory("xatrix");
        ServerConfig& record = setup.server;
        // Every check box ticked in one row, a mix in the other.
        const bool named = !id.isEmpty();
        record = {.ID = id,
                  .Game = "xatrix",
                  .Difficulty = 3,
                  .ServerName = "Frag fest",
                  .MaxClients = 16,
                  .FragLimit = 50,
                  .TimeLimit = 20,
                  .EnableCheats = true,
                  .AllowDownload = named,
                  .LogConsole = true,
                  .MapMode = ServerConfig::SpecificMap,
                  .MapName = "q2dm3",
                  .MapList = "Deathmatch Levels",
                  .DmFlags = 0x80003,
                  .Gravity = -400,
                  .Public = named,
                  .SelectEmpty = true,
                  .ExtraCommands = "say hi\r\nsay bye"};
        const QByteArray before = Stored(record);
        QTEST(setup.Open().windowTitle(), "title");
        // Forgotten here, every field must come back from the controls.
        record = {.ID = id};
        Click(*setup.dialog, "cmdOK");
        QCOMPARE(Stored(record), before);
        // Defaults resets the record itself, which Cancel keeps.
        Click(setup.Open(), "cmdDefaults");
        QCOMPARE(Find<QLineEdit>(setup.dialog.get(), "txtServerName")->text(), "noname");
        Click(*setup.dialog, "cmdCancel");
        QCOMPARE(Stored(record), Stored({.ID = id}));
    }

    // Only deathmatch has server settings and flags, and it cannot load a
    // saved game: the map choice falls back to none.
    void playerModeControls_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("single player") << 0;
        QTest::newRow("deathmatch") << 1;
        QTest::newRow("coop") << 2;
    }
    void playerModeControls() {
        QFETCH(int, mode);
        const bool deathmatch = mode == ServerConfig::Deathmatch;
        ServerDialog setup;
        setup.server.PlayerMode = deathmatch ? 0 : 1;
        setup.server.MapMode = deathmatch ? ServerConfig::LoadSavedGame : ServerConfig::NoMap;
        frmServer& dialog = setup.Open();
        Click(dialog, QStringLiteral("optPlayerMode%1").arg(mode).toLatin1());
        for (const char* name : {"txtServerName", "txtMaxclients", "updMaxclients", "txtFraglimit",
                                 "updFraglimit", "txtTimelimit", "updTimelimit"})
            QVERIFY2(Find<QWidget>(&dialog, name)->isEnabled() == deathmatch, name);
        QCOMPARE(Find<QWidget>(&dialog, "optMap1")->isEnabled(), !deathmatch);
        QCOMPARE(Find<QWidget>(&dialog, "optMap2")->isEnabled(), !deathmatch);
        QCOMPARE(Find<QTabWidget>(&dialog, "sstOptions")->isTabEnabled(2), deathmatch);
        QVERIFY(!deathmatch || Find<QRadioButton>(&dialog, "optMap0")->isChecked());
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
        ServerDialog setup;
        setup.server.PlayerMode = ServerConfig::SinglePlayer;
        setup.server.MapMode = mode == 0 ? ServerConfig::RandomMap : ServerConfig::NoMap;
        setup.server.MapList = QStringLiteral("Deathmatch Levels");
        frmServer& dialog = setup.Open();
        Click(dialog, QStringLiteral("optMap%1").arg(mode).toLatin1());
        for (const char* name :
             {"lblMapList", "cboMapList", "lstMaps", "lblMapName", "txtMapName", "cmdViewTextFile"})
            QVERIFY2(Shown(dialog, name) == shown.split(u' ').contains(QLatin1String(name)), name);
        if (Shown(dialog, "lstMaps"))
            QTEST(int(Find<QListWidget>(&dialog, "lstMaps")->count()), "entries");
    }

    void savedGameRoundTrip() {
        ServerDialog setup;
        setup.installation.AddFile("baseq2/save/save3/server.ssv",
                                   QByteArray("Base Camp").leftJustified(40, '\0'));
        setup.server.PlayerMode = ServerConfig::SinglePlayer;
        frmServer& dialog = setup.Open();
        Click(dialog, "optMap2");
        auto* slots = Find<QListWidget>(&dialog, "lstMaps");
        QStringList expected(15, QStringLiteral("<empty>"));
        expected[3] = QStringLiteral("Base Camp");
        QCOMPARE(Entries(slots), expected);
        QCOMPARE(slots->currentRow(), 0);
        ClickEntry(slots, 3);
        Click(dialog, "cmdOK");
        QCOMPARE(setup.server.MapMode, ServerConfig::LoadSavedGame);
        QCOMPARE(setup.server.MapName, "save3");
        QCOMPARE(setup.server.MapList, "");
        QCOMPARE(Find<QListWidget>(&setup.Open(), "lstMaps")->currentRow(), 3);
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
        ServerDialog setup;
        frmServer& dialog = setup.Open();
        Retype(dialog.findChild<QLineEdit*>("txt" + box), typed);
        auto* spin = dialog.findChild<QWidget*>("upd" + box);
        auto* arrow = spin->findChild<QToolButton*>(clicks > 0 ? "up" : "down");
        for (int click = 0; click < std::abs(clicks); ++click)
            QTest::mouseClick(arrow, Qt::LeftButton);
        Click(dialog, "cmdOK");
        const ServerConfig& r = setup.server;
        QTEST(int(box == "Maxclients" ? r.MaxClients
                                      : (box == "Fraglimit" ? r.FragLimit : r.TimeLimit)),
              "stored");
    }

    // Enter starts a new line in the extra commands, presses a focused
    // "View Text File" and presses OK elsewhere.
    void enterKey() {
        ServerDialog setup;
        setup.options.Apply(setup.game.Path(), {}, QStringLiteral("/missing/viewer"), false);
        setup.server = {
            .MapMode = ServerConfig::SpecificMap, .MapName = "q2dm1", .ExtraCommands = "a"};
        ScriptedPrompts prompts;
        frmServer dialog(setup.server, setup.game, setup.options);
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
        ShowTabOf(dialog, Find<QWidget>(&dialog, "txtServerName"));
        Retype(Find<QLineEdit>(&dialog, "txtServerName"), "arena");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), QDialog::Accepted);
        QCOMPARE(setup.server.ExtraCommands, "a\r\nb");
        QCOMPARE(setup.server.ServerName, "arena");
    }

    // The subgames are the installation's folders, sorted ignoring case and
    // read afresh at every showing, except those the game's console would
    // split; the custom maps follow the subgame.
    void subgamesAndTheirMaps() {
        ServerDialog setup;
        for (const char* file : {"baseq2/maps/a.bsp", "ctf/maps/B.bsp", "ctf/maps/c.bsp", "zfile"})
            setup.installation.AddFile(file);
        for (const char* folder : {"Zaero", "x;quit", "x\"y", "x\ny", "x\ry"})
            setup.installation.AddDirectory(folder);
        setup.server = {.Game = "ctf",
                        .PlayerMode = ServerConfig::SinglePlayer,
                        .MapMode = ServerConfig::SpecificMap,
                        .MapList = "Custom Maps"};
        frmServer& dialog = setup.Open();
        auto* subgames = Find<QComboBox>(&dialog, "cboSubgame");
        auto* maps = Find<QListWidget>(&dialog, "lstMaps");
        QCOMPARE(Entries(subgames->view()), QStringList({"baseq2", "ctf", "Zaero"}));
        QCOMPARE(Entries(maps), QStringList({"B", "c"}));
        subgames->setCurrentIndex(0);
        QCOMPARE(Entries(maps), QStringList{"a"});
        dialog.reject();
        setup.installation.AddDirectory("zmod");
        dialog.show();
        QCOMPARE(Entries(subgames->view()), QStringList({"baseq2", "ctf", "Zaero", "zmod"}));
        QCOMPARE(subgames->currentText(), "ctf");
        QCOMPARE(Entries(maps), QStringList({"B", "c"}));
        // A list file that cannot be read is reported, not shown as empty.
        QVERIFY(QFile::link("/proc/self/mem", setup.installation.Absolute("ctf/dm.txt")));
        ScriptedPrompts prompts;
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Retype(Find<QComboBox>(&dialog, "cboMapList"), "dm.txt");
        maps->setFocus();
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith("The map list "));
    }
};

CORVALE_WIDGET_TEST_MAIN(FrmServerTest)
#include "tst_frmserver.moc"
