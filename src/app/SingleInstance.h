#pragma once

#include "common/Result.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

// One running Corvale per settings folder. The first copy holds a lock file in
// that folder for the object's life (a lock left by a copy that died is taken
// over) and listens on a local socket named after the folder's path; a later
// copy asks it through that socket to bring its window forward. The socket
// lies in the user's runtime folder when there is one (only this user can
// reach it), else in the shared temporary folder with access for this user
// only; both ends also check that the other runs as this user where the
// platform tells.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // runtimeFolder: the user's own folder for sockets, or empty for none.
    SingleInstance(const QString& settingsFolder, const QString& runtimeFolder);

    // Whether Corvale can run with these settings; fails with why not (the
    // folder cannot hold the lock file).
    const Result<>& Usable() const { return mUsable; }
    // True when this copy holds the lock; false for a later copy and when
    // Corvale cannot run.
    bool IsFirst() const { return mFirst; }
    // The local socket's name.
    const QString& ServerName() const { return mServerName; }
    // For a later copy: asks the running one to come forward, waiting a short
    // while for it to listen; true when it answered.
    bool BringRunningCopyForward();
    // What a later copy that did not bring the running one forward tells the
    // user.
    static QString AlreadyRunning();

Q_SIGNALS:
    // A later copy asked the running one to come forward.
    void forwardRequested();

private:
    bool ConnectToRunningCopy(QLocalSocket& socket) const;
    void Listen();
    void Answer(QLocalSocket* socket);

    QLockFile mLock;
    QString mServerName;
    QLocalServer mServer;
    Result<> mUsable;
    bool mFirst = true;
};
