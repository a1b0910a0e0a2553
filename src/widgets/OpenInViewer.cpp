#include "widgets/OpenInViewer.h"

#include "platform/TextViewer.h"

#include <QPointer>
#include <QWidget>

void OpenInViewer(QWidget* parent, const QString& viewer, const QString& path,
                  const QString& failureText, Prompts::Icon icon) {
    // A late failure still comes when the window that asked has closed.
    const QPointer<QWidget> owner(parent);
    const auto report = [owner, failureText, icon](const Result<>& outcome) {
        if (!outcome)
            Prompts::Message(owner.data(), failureText, icon, outcome.Error());
    };
    if (const Result<> started = StartTextViewer(viewer, path, report); !started)
        report(started);
}
