#pragma once

#include "widgets/RecordDialog.h"

#include <memory>

namespace Ui {
class frmOptions;
}
class Options;

// Edits the program options: the game's folder and executable, the text
// viewer and whether the launcher closes after a launch. OK applies the
// entries and then checks that the game executable exists. The folder field
// has a browse button of its own inside its right end, so the controls
// around it keep their places.
class frmOptions : public RecordDialog {
    Q_OBJECT
public:
    explicit frmOptions(Options& options, QWidget* parent = nullptr);
    ~frmOptions() override;

private:
    void FillControls() override;
    // Applies the entries, then checks that the game executable exists.
    void StoreAndClose() override;
    void BrowsePath();
    void BrowseExecutable();
    void BrowseTextViewer();

    std::unique_ptr<Ui::frmOptions> ui;
    Options& mRecord;
};
