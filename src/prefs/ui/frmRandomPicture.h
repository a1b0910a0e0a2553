#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmRandomPicture;
}
class RandomPicture;

// Chooses the picture shown in the main window and whether it is stretched.
class frmRandomPicture : public QDialog {
    Q_OBJECT
public:
    explicit frmRandomPicture(RandomPicture& picture, QWidget* parent = nullptr);
    ~frmRandomPicture() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillControls();
    void Browse();
    void StoreAndClose();

    std::unique_ptr<Ui::frmRandomPicture> ui;
    RandomPicture& mRecord;
};
