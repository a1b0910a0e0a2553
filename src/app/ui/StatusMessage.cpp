#include "app/ui/StatusMessage.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int kNoticeMilliseconds = 6000;
}

StatusMessage::StatusMessage(QStatusBar& bar) : mText(new QLabel), mNoticeEnd(new QTimer(mText)) {
    mText->setObjectName(QStringLiteral("lblStatusText"));
    bar.addWidget(mText, 1);
    mNoticeEnd->setObjectName(QStringLiteral("tmrStatusNotice"));
    mNoticeEnd->setSingleShot(true);
    mNoticeEnd->setInterval(kNoticeMilliseconds);
    connect(mNoticeEnd, &QTimer::timeout, this, [this] { mText->setText(mResting); });
}

void StatusMessage::SetResting(const QString& text) {
    mResting = text;
    if (!mNoticeEnd->isActive())
        mText->setText(text);
}

void StatusMessage::Notify(const QString& text) {
    mText->setText(text);
    mNoticeEnd->start();
}
