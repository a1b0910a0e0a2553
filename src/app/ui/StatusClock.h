#pragma once

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

// The date and the time at the right end of a status bar, in the user's
// short formats, kept current.
class StatusClock : public QObject {
public:
    explicit StatusClock(QStatusBar& bar);

private:
    void Tick();

    QLabel* mDate;
    QLabel* mTime;
    QTimer mTimer;
};
