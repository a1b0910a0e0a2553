#pragma once

#include "widgets/RecordDialog.h"

#include <memory>

namespace Ui {
class frmUserProfile;
}
class Options;
class Quake2;
class UserProfile;

// Edits a user profile: its name and the game config file it runs. The list
// offers the base game's config files; any other name can be typed.
class frmUserProfile : public RecordDialog {
    Q_OBJECT
public:
    frmUserProfile(UserProfile& profile, Quake2& game, const Options& options,
                   QWidget* parent = nullptr);
    ~frmUserProfile() override;

private:
    void FillControls() override;
    void StoreAndClose() override;
    void EditConfigFile();

    std::unique_ptr<Ui::frmUserProfile> ui;
    UserProfile& mRecord;
    Quake2& mGame;
    const Options& mOptions;
};
