#pragma once

#include "game/Quake2.h"

#include "widgets/RecordDialog.h"
#include <QButtonGroup>

#include <memory>

class QCheckBox;
class Options;
class ServerConfig;

namespace Ui {
class frmServer;
}

// Edits one server configuration: fills its controls from the record when it
// opens and writes them back on OK. Keeps the controls in step with the player
// mode and map mode, and fills its lists from the game installation. While it
// is open the game object's current game directory follows the chosen subgame.
class frmServer : public RecordDialog {
    Q_OBJECT
public:
    frmServer(ServerConfig& record, Quake2& game, const Options& options,
              QWidget* parent = nullptr);
    ~frmServer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindControls();
    void ConnectRules();

    void FillSubgameList();
    void FillMapList();
    void FillSavedGameList();
    void FillControls() override;
    void StoreAndClose() override;

    void ApplyPlayerMode();
    void ApplyMapMode();
    void SubgameChanged();
    void MapListItemSelected();
    void MapListLeft();
    void MapEntrySelected();
    void MapEntryDoubleClicked();
    void MapNameEdited();
    void ViewTextFile();
    void LoadDefaults();

    // The box lists the built-in lists in the order of their kinds.
    void SelectMapList(Quake2::MapKind kind);
    // The map list as records store it: a built-in list by its English name,
    // whatever language the box shows it in; a typed file name as it is.
    QString MapListValue() const;
    bool MapModeIs(int mode) const;

    std::unique_ptr<Ui::frmServer> ui;
    ServerConfig& mRecord;
    Quake2& mGame;
    const Options& mOptions;
    QButtonGroup mPlayerMode;
    QButtonGroup mDifficulty;
    QButtonGroup mMapMode;
    QList<QCheckBox*> mDmFlags; // box i is bit i
    // The map list lstMaps was last filled from.
    QString mLastFilledList;
};
