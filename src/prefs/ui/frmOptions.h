#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmOptions;
}
class Options;

// Edits the program options: the game's folder and executable, the text
// viewer and whether the launcher closes after a launch. OK applies the
// entries and then checks that the game executable exists.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(Options& options, QWidget* parent = nullptr);
    ~frmOptions() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillControls();
    void BrowseExecutable();
    void BrowseTextViewer();
    void ApplyAndCheck();

    std::unique_ptr<Ui::frmOptions> ui;
    Options& mRecord;
};
