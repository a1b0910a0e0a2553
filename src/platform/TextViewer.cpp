#include "platform/TextViewer.h"

#include "platform/ProcessStart.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

// How often a watched viewer is looked at.
constexpr auto kWatchInterval = 50ms;

// The context of the texts below.
class TextViewer {
    Q_DECLARE_TR_FUNCTIONS(TextViewer)
};

Result<> Failure(const QString& viewer, const QString& path, const QString& reason) {
    return Result<>::Failure(
        TextViewer::tr("Viewer: %1\nFile: %2\nReason: %3\n\nThe viewer can be "
                       "changed under View > Options.")
            .arg(CommandLineText(viewer, {}), QDir::toNativeSeparators(path), reason));
}

QString EndReason(const ProcessExit& exit) {
    return exit.Now() == ProcessExit::State::Crashed
               ? TextViewer::tr("The viewer was ended by signal %1.").arg(exit.Code())
               : TextViewer::tr("The viewer ended with exit status %1.").arg(exit.Code());
}

} // namespace

Result<> StartTextViewer(const QString& viewer, const QString& path,
                         const std::function<void(const Result<>&)>& watched,
                         std::chrono::milliseconds watchTime) {
    const auto exit = std::make_shared<ProcessExit>();
    if (const Result<> started = StartProcess(viewer, {path}, QString(), exit); !started)
        return Failure(viewer, path, started.Error());
    auto* watch = new QTimer(QCoreApplication::instance());
    watch->setInterval(kWatchInterval);
    const QDeadlineTimer deadline(watchTime);
    QObject::connect(watch, &QTimer::timeout, watch, [=] {
        const ProcessExit::State state = exit->Now();
        if (state == ProcessExit::State::Running && !deadline.hasExpired())
            return;
        watch->stop();
        const bool failed = state == ProcessExit::State::Crashed ||
                            (state == ProcessExit::State::Exited && exit->Code() != 0);
        watched(failed ? Failure(viewer, path, EndReason(*exit)) : Result<>());
        watch->deleteLater();
    });
    watch->start();
    return {};
}
