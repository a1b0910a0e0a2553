#pragma once

#include "widgets/RecordDialog.h"

#include <memory>

namespace Ui {
class frmRandomPicture;
}
class RandomPicture;

// Chooses the picture shown in the main window and whether it is stretched.
class frmRandomPicture : public RecordDialog {
    Q_OBJECT
public:
    explicit frmRandomPicture(RandomPicture& picture, QWidget* parent = nullptr);
    ~frmRandomPicture() override;

private:
    void FillControls() override;
    void StoreAndClose() override;
    void Browse();

    std::unique_ptr<Ui::frmRandomPicture> ui;
    RandomPicture& mRecord;
};
