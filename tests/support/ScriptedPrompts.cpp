#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

void ScriptedPrompts::Message(QWidget*, const QString& text, Prompts::Icon, const QString&,
                              const QString& details) {
    messages << text;
    this->details << details;
}

Prompts::Choice ScriptedPrompts::RetryCancel(QWidget*, const QString& text,
                                             const QString& details) {
    messages << text;
    this->details << details;
    return retryCancelAnswers.isEmpty() ? Prompts::Choice::Cancel : retryCancelAnswers.dequeue();
}

int ScriptedPrompts::Choose(QWidget*, const QString& text, const QStringList&) {
    messages << text;
    return choices.isEmpty() ? -1 : choices.dequeue();
}

QString ScriptedPrompts::Input(QWidget*, const QString& prompt, const QString&) {
    inputPrompts << prompt;
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

QString ScriptedPrompts::OpenFile(QWidget*, const QString& filter, const QString& folder) {
    fileFilters << filter;
    fileFolders << folder;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPrompts::OpenFolder(QWidget*, const QString& folder) {
    fileFolders << folder;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

void WhenDialogOpens(std::function<void(QDialog*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start();
}
