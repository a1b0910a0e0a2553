#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;

// The text panel of a status bar: a resting text (what the window is ready
// for), and notices that stand in its place for a few seconds.
class StatusMessage : public QObject {
public:
    explicit StatusMessage(QStatusBar& bar);

    void SetResting(const QString& text);
    void Notify(const QString& text);

private:
    QLabel* mText;
    // A child of the panel, named so that a test can shorten it.
    QTimer* mNoticeEnd;
    QString mResting;
};
