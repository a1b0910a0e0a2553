#include "common/RecordWriter.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "server/ServerConfig.h"
#include "server/frmServer.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// A game installation with the base game directory and the program's
// options read from empty settings.
struct Setup {
    TemporarySettings settings;
    FakeInstallation installation;
    Quake2 game;
    Options options{game};
    ServerConfig record;

    Setup() {
        game.SetPath(installation.Path());
        installation.AddDirectory(QStringLiteral("baseq2"));
    }
};

template <class Control> Control* Find(QWidget& dialog, const char* name) {
    auto* control = dialog.findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Brings the tab holding the control to the front, as a user would.
void ShowTabOf(QWidget& dialog, QWidget* control) {
    auto* tabs = Find<QTabWidget>(dialog, "sstOptions");
    for (QWidget* page = control; page; page = page->parentWidget()) {
        if (tabs->indexOf(page) >= 0) {
            tabs->setCurrentWidget(page);
            return;
        }
    }
}

void Click(QWidget& dialog, const char* name) {
    auto* button = Find<QAbstractButton>(dialog, name);
    ShowTabOf(dialog, button);
    // Check boxes and option buttons take clicks on their box and caption
    // only, which start at the left.
    const QPoint point = qobject_cast<QPushButton*>(button) ? button->rect().center()
                                                            : QPoint(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, point);
}

void ChooseItem(QWidget& dialog, const char* comboName, const QString& text) {
    auto* combo = Find<QComboBox>(dialog, comboName);
    ShowTabOf(dialog, combo);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = combo->model()->index(combo->findText(text), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

void ClickEntry(QListWidget* list, int row, bool twice = false) {
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void Retype(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
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
    void opensOnRecord_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::newRow("named") << QStringLiteral("Duel") << "Server Configuration - [Duel]";
        QTest::newRow("default configuration") << QString() << "Server Configuration";
    }
    void opensOnRecord() {
        QFETCH(QString, id);
        QFETCH(QString, title);
        Setup setup;
        setup.record.ID = id;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), title);
        QVERIFY(Find<QRadioButton>(dialog, "optPlayerMode1")->isChecked());
        QVERIFY(Find<QRadioButton>(dialog, "optDifficulty2")->isChecked());
        QCOMPARE(Find<QLineEdit>(dialog, "txtServerName")->text(), "noname");
        QCOMPARE(Find<QLineEdit>(dialog, "txtMaxclients")->text(), "8");
        QCOMPARE(Find<QLineEdit>(dialog, "txtFraglimit")->text(), "0");
        QCOMPARE(Find<QLineEdit>(dialog, "txtTimelimit")->text(), "0");
        for (int i = 0; i < ServerConfig::kDmFlagCount; ++i)
            QCOMPARE(
                dialog.findChild<QCheckBox*>(QStringLiteral("chkDmflag%1").arg(i))->isChecked(),
                i == 4);
        Find<QTabWidget>(dialog, "sstOptions")->setCurrentIndex(1);
        QVERIFY(Find<QRadioButton>(dialog, "optMap0")->isChecked());
        for (const char* name : {"cboMapList", "lstMaps", "txtMapName", "cmdViewTextFile"})
            QVERIFY2(!Find<QWidget>(dialog, name)->isVisible(), name);
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
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        Click(dialog, QStringLiteral("optPlayerMode%1").arg(mode).toLatin1());
        for (const char* name : {"txtServerName", "txtMaxclients", "updMaxclients", "txtFraglimit",
                                 "updFraglimit", "txtTimelimit", "updTimelimit"})
            QVERIFY2(Find<QWidget>(dialog, name)->isEnabled() == serverSettings, name);
        QCOMPARE(Find<QWidget>(dialog, "optMap1")->isEnabled(), !serverSettings);
        QCOMPARE(Find<QWidget>(dialog, "optMap2")->isEnabled(), !serverSettings);
        QCOMPARE(Find<QTabWidget>(dialog, "sstOptions")->isTabEnabled(2), serverSettings);
        // Deathmatch does not load a saved game: the map choice falls back.
        if (serverSettings) {
            QVERIFY(Find<QRadioButton>(dialog, "optMap0")->isChecked());
            QVERIFY(Find<QWidget>(dialog, "lstMaps")->isHidden());
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
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        Click(dialog, QStringLiteral("optMap%1").arg(mode).toLatin1());
        for (const char* name :
             {"lblMapList", "cboMapList", "lstMaps", "lblMapName", "txtMapName", "cmdViewTextFile"})
            QVERIFY2(Find<QWidget>(dialog, name)->isVisible() ==
                         shown.split(u' ').contains(QLatin1String(name)),
                     name);
        if (entries > 0)
            QCOMPARE(Find<QListWidget>(dialog, "lstMaps")->count(), entries);
    }

    void savedGameRoundTrip() {
        Setup setup;
        setup.installation.AddFile("baseq2/save/save0/server.ssv",
                                   QByteArray("Outpost").leftJustified(32, '\0') + "rest");
        setup.installation.AddFile("baseq2/save/save3/server.ssv",
                                   QByteArray("Base Camp").leftJustified(40, '\0'));
        setup.record.PlayerMode = ServerConfig::SinglePlayer;
        {
            frmServer dialog(setup.record, setup.game, setup.options);
            dialog.show();
            Click(dialog, "optMap2");
            auto* slots = Find<QListWidget>(dialog, "lstMaps");
            QStringList expected(15, QStringLiteral("<empty>"));
            expected[0] = QStringLiteral("Outpost");
            expected[3] = QStringLiteral("Base Camp");
            QCOMPARE(Entries(slots), expected);
            QCOMPARE(slots->currentRow(), 0);
            ClickEntry(slots, 3);
            Click(dialog, "cmdOK");
        }
        QCOMPARE(setup.record.MapMode, ServerConfig::LoadSavedGame);
        QCOMPARE(setup.record.MapName, "save3");
        QCOMPARE(setup.record.MapList, "");
        frmServer reopened(setup.record, setup.game, setup.options);
        QCOMPARE(Find<QListWidget>(reopened, "lstMaps")->currentRow(), 3);
    }

    void specificMapFromList() {
        Setup setup;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        Click(dialog, "optMap3");
        ChooseItem(dialog, "cboMapList", QStringLiteral("Deathmatch Levels"));
        auto* maps = Find<QListWidget>(dialog, "lstMaps");
        QCOMPARE(Entries(maps), setup.game.ListMaps(1));
        ClickEntry(maps, 2);
        auto* mapName = Find<QLineEdit>(dialog, "txtMapName");
        QCOMPARE(mapName->text(), "q2dm3");
        QTest::keyClicks(mapName, "x");
        QVERIFY(maps->selectedItems().isEmpty());
        Click(dialog, "cmdOK");
        QCOMPARE(setup.record.MapMode, ServerConfig::SpecificMap);
        QCOMPARE(setup.record.MapName, "q2dm3x");
        QCOMPARE(setup.record.MapList, "Deathmatch Levels");
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
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Click(dialog, "optMap3");
        auto* mapList = Find<QComboBox>(dialog, "cboMapList");
        Retype(mapList, QStringLiteral("rotation.txt"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        auto* maps = Find<QListWidget>(dialog, "lstMaps");
        QCOMPARE(Entries(maps), entries);
        // Leaving the box again with the same name does not read the file again.
        setup.installation.AddFile("baseq2/rotation.txt", "q2dm1");
        Retype(mapList, QStringLiteral("rotation.txt"));
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(Entries(maps), entries);
    }

    void subgameChoice_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("selected");
        QTest::newRow("first in the list") << QStringLiteral("baseq2") << "baseq2";
        QTest::newRow("vanished") << QStringLiteral("gone") << QString();
    }
    void subgameChoice() {
        QFETCH(QString, stored);
        QFETCH(QString, selected);
        Setup setup;
        setup.installation.AddDirectory("mymod");
        setup.record.Game = stored;
        frmServer dialog(setup.record, setup.game, setup.options);
        QCOMPARE(Find<QComboBox>(dialog, "cboSubgame")->currentText(), selected);
        QCOMPARE(setup.game.Game(), selected);
        Click(dialog, "cmdOK");
        QCOMPARE(setup.record.Game, selected);
    }

    void subgameRefillsCustomMaps() {
        Setup setup;
        setup.installation.AddFile("baseq2/maps/base.bsp");
        setup.installation.AddFile("mymod/maps/modmap.bsp");
        setup.record.MapMode = ServerConfig::SpecificMap;
        setup.record.MapList = QStringLiteral("Custom Maps");
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        auto* maps = Find<QListWidget>(dialog, "lstMaps");
        QCOMPARE(Entries(maps), QStringList{"base"});
        ChooseItem(dialog, "cboSubgame", QStringLiteral("mymod"));
        QCOMPARE(setup.game.Game(), "mymod");
        QCOMPARE(Entries(maps), QStringList{"modmap"});
    }

    void numberBoxOnOk_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("letters") << "many" << 8;
        QTest::newRow("empty") << "" << 8;
        QTest::newRow("half rounds down to even") << "2.5" << 2;
        QTest::newRow("half rounds up to even") << "3.5" << 4;
        QTest::newRow("too large") << "40000" << 8;
    }
    void numberBoxOnOk() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        Setup setup;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        Retype(Find<QLineEdit>(dialog, "txtMaxclients"), typed);
        Click(dialog, "cmdOK");
        QCOMPARE(setup.record.MaxClients, stored);
    }

    void spinArrows_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("clicks"); // up when positive, down when negative
        QTest::addColumn<int>("result");
        QTest::newRow("stops at the top") << "Maxclients" << 99 << 2 << 100;
        QTest::newRow("steps by five") << "Fraglimit" << 3 << 1 << 8;
        QTest::newRow("stops at the bottom") << "Timelimit" << 0 << -1 << 0;
    }
    void spinArrows() {
        QFETCH(QString, box);
        QFETCH(int, start);
        QFETCH(int, clicks);
        QFETCH(int, result);
        Setup setup;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("txt") + box);
        text->setText(QString::number(start));
        auto* spin = dialog.findChild<QWidget*>(QStringLiteral("upd") + box);
        auto* arrow = spin->findChild<QToolButton*>(clicks > 0 ? "up" : "down");
        for (int click = 0; click < std::abs(clicks); ++click)
            QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(text->text(), QString::number(result));
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
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        Click(dialog, "cmdDefaults");
        QCOMPARE(Find<QLineEdit>(dialog, "txtServerName")->text(), "noname");
        QVERIFY(Find<QRadioButton>(dialog, "optMap0")->isChecked());
        Click(dialog, "cmdCancel");
        QCOMPARE(Stored(setup.record), Stored(defaults));
    }

    void lastFlagRoundTrips() {
        Setup setup;
        {
            frmServer dialog(setup.record, setup.game, setup.options);
            dialog.show();
            Click(dialog, "chkDmflag19");
            Click(dialog, "chkDmflag4");
            Click(dialog, "cmdOK");
        }
        QCOMPARE(setup.record.DmFlags, 524288);
        frmServer reopened(setup.record, setup.game, setup.options);
        QVERIFY(Find<QCheckBox>(reopened, "chkDmflag19")->isChecked());
        QVERIFY(!Find<QCheckBox>(reopened, "chkDmflag4")->isChecked());
    }

    void enterAndEscape() {
        Setup setup;
        setup.record.ExtraCommands = QStringLiteral("a");
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* commands = Find<QPlainTextEdit>(dialog, "txtExtraCommands");
        ShowTabOf(dialog, commands);
        commands->setFocus();
        commands->moveCursor(QTextCursor::End);
        QTest::keyClick(commands, Qt::Key_Return);
        QTest::keyClicks(commands, "b");
        QVERIFY(dialog.isVisible());
        QVERIFY(!Find<QPushButton>(dialog, "cmdOK")->isDefault());
        QCOMPARE(commands->toPlainText(), "a\nb");
        ShowTabOf(dialog, Find<QWidget>(dialog, "txtServerName"));
        Retype(Find<QLineEdit>(dialog, "txtServerName"), "arena");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), QDialog::Accepted);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setup.record.ExtraCommands, "a\r\nb");
        QCOMPARE(setup.record.ServerName, "arena");

        frmServer second(setup.record, setup.game, setup.options);
        second.open();
        QVERIFY(QTest::qWaitForWindowActive(&second));
        Retype(Find<QLineEdit>(second, "txtServerName"), "other");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(second.result(), QDialog::Rejected);
        QCOMPARE(setup.record.ServerName, "arena");
    }

    void viewTextFile_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("mapName");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("viewerExists");
        QTest::addColumn<QString>("opened");
        QTest::newRow("no map name") << QString() << QString() << false << true << QString();
        QTest::newRow("text in the subgame")
            << QStringLiteral("mymod") << "q2dm1" << false << true << "mymod/maps/q2dm1.txt";
        QTest::newRow("text in neither")
            << QStringLiteral("mymod") << "q2dm2" << false << true << "baseq2/maps/q2dm2.txt";
        QTest::newRow("double-click")
            << QString() << QString() << true << true << "baseq2/maps/q2dm1.txt";
        QTest::newRow("no viewer") << QString() << "q2dm1" << false << false << QString();
    }
    void viewTextFile() {
        QFETCH(QString, game);
        QFETCH(QString, mapName);
        QFETCH(bool, doubleClick);
        QFETCH(bool, viewerExists);
        QFETCH(QString, opened);
        Setup setup;
        ScriptedPrompts prompts;
        setup.installation.AddFile("mymod/maps/q2dm1.txt");
        // The stand-in viewer writes what it was given into the current directory.
        setup.installation.InstallGame("viewer");
        const QString viewer = setup.installation.Absolute(viewerExists ? "viewer" : "missing");
        setup.options.Apply(setup.installation.Path(), "quake2", viewer, false);
        setup.record.Game = game;
        setup.record.MapMode = ServerConfig::SpecificMap;
        setup.record.MapList = QStringLiteral("Deathmatch Levels");
        setup.record.MapName = mapName;
        const QString startDirectory = QDir::currentPath();
        QDir::setCurrent(setup.installation.Path());
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        if (doubleClick) {
            auto* maps = Find<QListWidget>(dialog, "lstMaps");
            ShowTabOf(dialog, maps);
            ClickEntry(maps, 0, true);
            QCOMPARE(Find<QLineEdit>(dialog, "txtMapName")->text(), "q2dm1");
        } else {
            Click(dialog, "cmdViewTextFile");
        }
        const bool ran = !opened.isEmpty() && setup.installation.GameLog().contains(
                                                  "arg=" + setup.installation.Absolute(opened));
        QDir::setCurrent(startDirectory);
        QVERIFY(ran || opened.isEmpty());
        QCOMPARE(QFile::exists(setup.installation.Absolute("fakegame.log")), !opened.isEmpty());
        QCOMPARE(prompts.shown.size(), viewerExists ? 0 : 1);
        if (!viewerExists) {
            QCOMPARE(prompts.shown.first().text, "Could not open text file");
            QCOMPARE(prompts.shown.first().icon, Prompts::Icon::Warning);
        }
    }

    void layoutFitsEveryTab_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("single player") << 0;
        QTest::newRow("deathmatch") << 1;
        QTest::newRow("coop") << 2;
    }
    void layoutFitsEveryTab() {
        QFETCH(int, mode);
        Setup setup;
        setup.record.PlayerMode = mode;
        setup.record.MapMode = ServerConfig::SpecificMap;
        frmServer dialog(setup.record, setup.game, setup.options);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tabs = Find<QTabWidget>(dialog, "sstOptions");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            const QStringList problems = LayoutProblems(&dialog);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(tabs->tabText(tab) + ": " + problems.join("; ")));
        }
    }
};

CORVALE_WIDGET_TEST_MAIN(FrmServerTest)
#include "tst_frmserver.moc"
