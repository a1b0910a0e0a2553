#include "app/ui/StatusClock.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

StatusClock::StatusClock(QStatusBar& bar) : mDate(new QLabel), mTime(new QLabel) {
    bar.addPermanentWidget(mDate);
    bar.addPermanentWidget(mTime);
    Tick();
    connect(&mTimer, &QTimer::timeout, this, &StatusClock::Tick);
    mTimer.start(1000);
}

void StatusClock::Tick() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    mDate->setText(locale.toString(now.date(), QLocale::ShortFormat));
    mTime->setText(locale.toString(now.time(), QLocale::ShortFormat));
}
