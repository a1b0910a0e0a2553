#pragma once

#include <QDialog>

class QPlainTextEdit;

// Edits the server finder's master list, one master address or list URL a
// line; Defaults puts the usual masters back. OK stores the list.
class frmMasters : public QDialog {
    Q_OBJECT
public:
    explicit frmMasters(QWidget* parent = nullptr);

    void accept() override;

private:
    QPlainTextEdit* mMasters;
};
