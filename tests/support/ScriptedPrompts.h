#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QQueue>
#include <QString>

// Answers message, input and file boxes from queues instead of showing them,
// and records every box that was asked for. Installed for its lifetime.
class ScriptedPrompts : public Prompts::Handler {
public:
    struct Shown {
        QString kind; // "message", "retrycancel", "input", "openfile"
        QString text; // message or prompt text; the filter for "openfile"
        Prompts::Icon icon = Prompts::Icon::None;
        QString caption;
        QString defaultText;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    QQueue<Prompts::Choice> retryCancelAnswers; // Cancel when empty
    QQueue<QString> inputAnswers;               // "" when empty
    QQueue<QString> fileAnswers;                // "" when empty
    QList<Shown> shown;

    void Message(QWidget* parent, const QString& text, Prompts::Icon icon,
                 const QString& caption) override;
    Prompts::Choice RetryCancel(QWidget* parent, const QString& text) override;
    QString Input(QWidget* parent, const QString& prompt, const QString& defaultText) override;
    QString OpenFile(QWidget* parent, const QString& filter) override;
};
