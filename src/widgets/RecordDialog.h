#pragma once

#include <QDialog>

class QAbstractButton;

// A dialog that edits one record: every showing fills the controls from the
// record (and from what is on disk now); OK stores them back and closes,
// unless the entries need another look; Cancel closes and stores nothing.
// Whether OK closed it is what exec() returns.
class RecordDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void BindButtons(QAbstractButton* ok, QAbstractButton* cancel);
    virtual void FillControls() = 0;
    virtual void StoreAndClose() = 0;
    void showEvent(QShowEvent* event) override;
};
