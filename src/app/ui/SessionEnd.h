#pragma once

#include <QObject>

class QGuiApplication;
class QSocketNotifier;

// Turns the end of a session into one request on the event loop: SIGTERM,
// SIGINT and SIGHUP (a shutdown, kill, Ctrl+C, a closed terminal) and the
// session manager's request to save at logout. The signal handler only wakes
// the event loop through a pipe; everything else runs there. One object at a
// time; the default signal handling returns with its end.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QGuiApplication& application);
    ~SessionEnd() override;

Q_SIGNALS:
    void endRequested();

private:
    QSocketNotifier* mNotifier = nullptr;
};
