#include "widgets/RecordDialog.h"

#include <QAbstractButton>
#include <QShowEvent>

void RecordDialog::BindButtons(QAbstractButton* ok, QAbstractButton* cancel) {
    connect(ok, &QAbstractButton::clicked, this, &RecordDialog::StoreAndClose);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void RecordDialog::showEvent(QShowEvent* event) {
    // A window brought back from the taskbar keeps what is being edited.
    if (!event->spontaneous())
        FillControls();
    QDialog::showEvent(event);
}
