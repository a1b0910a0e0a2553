#include "support/ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts() {
    Prompts::SetHandler(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::SetHandler(nullptr);
}

void ScriptedPrompts::Message(QWidget*, const QString& text, Prompts::Icon icon,
                              const QString& caption) {
    shown.append({QStringLiteral("message"), text, icon, caption, {}});
}

Prompts::Choice ScriptedPrompts::RetryCancel(QWidget*, const QString& text) {
    shown.append({QStringLiteral("retrycancel"),
                  text,
                  Prompts::Icon::Warning,
                  QStringLiteral("Corvale"),
                  {}});
    return retryCancelAnswers.isEmpty() ? Prompts::Choice::Cancel : retryCancelAnswers.dequeue();
}

QString ScriptedPrompts::Input(QWidget*, const QString& prompt, const QString& defaultText) {
    shown.append({QStringLiteral("input"), prompt, Prompts::Icon::None, QStringLiteral("Corvale"),
                  defaultText});
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

QString ScriptedPrompts::OpenFile(QWidget*, const QString& filter) {
    shown.append({QStringLiteral("openfile"), filter, Prompts::Icon::None, {}, {}});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}
