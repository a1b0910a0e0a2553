#include "finder/ui/frmMasters.h"

#include "finder/FinderSettings.h"
#include "platform/Defaults.h"
#include "widgets/Prompts.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

frmMasters::frmMasters(QWidget* parent) : QDialog(parent), mMasters(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmMasters"));
    setWindowTitle(tr("Masters"));
    mMasters->setObjectName(QStringLiteral("txtMasters"));
    mMasters->setLineWrapMode(QPlainTextEdit::NoWrap);
    mMasters->setPlainText(StoredMasters().join(u'\n'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* defaults = buttons->addButton(tr("&Defaults"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("cmdDefaults"));
    connect(defaults, &QPushButton::clicked, this,
            [this] { mMasters->setPlainText(Defaults::Masters()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("One master a line: host[:port] (UDP, port 27900 unless given) or an http:// or "
           "https:// server list."),
        this));
    layout->addWidget(mMasters);
    layout->addWidget(buttons);
    resize(460, 260);
}

void frmMasters::accept() {
    if (const Result<> stored = StoreMasters(MasterLines(mMasters->toPlainText())); !stored) {
        Prompts::Message(this, stored.Error(), Prompts::Icon::Warning);
        return;
    }
    QDialog::accept();
}
