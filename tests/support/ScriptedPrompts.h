#pragma once

#include "widgets/Prompts.h"

#include <QQueue>
#include <QStringList>

#include <functional>

class QDialog;

// Answers message, input and file boxes from queues instead of showing them,
// and records what every box was shown, for its lifetime.
class ScriptedPrompts : public Prompts::Handler {
public:
    QQueue<Prompts::Choice> retryCancelAnswers; // Cancel when empty
    QQueue<int> choices;                        // Cancel (-1) when empty
    QQueue<QString> inputAnswers;               // "" when empty
    QQueue<QString> fileAnswers;                // file and folder dialogs; "" when empty
    QStringList messages;                       // message, Retry/Cancel and choice boxes, in order
    QStringList inputPrompts;                   // the prompt of every input box, in order
    QStringList fileFilters;                    // the filter of every file dialog, in order
    QStringList fileFolders;                    // the start folder of every file or folder dialog
    QStringList details;                        // each of those boxes' details, "" for none

    void Message(QWidget* parent, const QString& text, Prompts::Icon icon, const QString& caption,
                 const QString& details) override;
    Prompts::Choice RetryCancel(QWidget* parent, const QString& text,
                                const QString& details) override;
    int Choose(QWidget* parent, const QString& text, const QStringList& choices) override;
    QString Input(QWidget* parent, const QString& prompt, const QString& defaultText) override;
    QString OpenFile(QWidget* parent, const QString& filter, const QString& folder) override;
    QString OpenFolder(QWidget* parent, const QString& folder) override;
};

// Runs action on the next modal dialog that opens (from a timer, since the
// code under test is blocked in the dialog's exec()). The action is expected
// to close the dialog, for example by clicking its OK or Cancel button.
void WhenDialogOpens(std::function<void(QDialog*)> action);
