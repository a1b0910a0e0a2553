#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One running Corvale per settings folder. The first copy holds a lock file in
// that folder for the object's life (a lock left by a copy that died is taken
// over) and listens on a local socket whose name follows from the folder's
// path; a later copy asks it through that socket to bring its window forward.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& settingsFolder);

    // True unless another copy runs with the same settings.
    bool IsFirst() const { return mFirst; }
    // For a later copy: asks the running one to come forward; true when it
    // answered within a moment.
    bool BringRunningCopyForward();

Q_SIGNALS:
    // A later copy asked the running one to come forward.
    void forwardRequested();

private:
    bool SomeoneListens() const;
    void Listen();

    QLockFile mLock;
    QString mSocketName;
    QLocalServer mServer;
    bool mFirst = true;
};
