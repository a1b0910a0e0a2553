#pragma once

#include "common/Names.h"

#include <QString>
#include <QStringList>

class QWidget;

// Message boxes, input boxes and open-file dialogs, all captioned "Corvale"
// unless told otherwise. Tests install a handler to answer them without real
// modal windows.
namespace Prompts {

enum class Icon { None, Critical, Warning };
enum class Choice { Retry, Cancel };

// Answers every prompt instead of the real dialogs for as long as it lives;
// the handler before it (or the real dialogs) answers again afterwards.
class Handler {
public:
    Handler();
    virtual ~Handler();
    Handler(const Handler&) = delete;
    Handler& operator=(const Handler&) = delete;
    virtual void Message(QWidget* parent, const QString& text, Icon icon, const QString& caption,
                         const QString& details) = 0;
    virtual Choice RetryCancel(QWidget* parent, const QString& text, const QString& details) = 0;
    virtual int Choose(QWidget* parent, const QString& text, const QStringList& choices) = 0;
    virtual QString Input(QWidget* parent, const QString& prompt, const QString& defaultText) = 0;
    virtual QString OpenFile(QWidget* parent, const QString& filter, const QString& folder) = 0;
    virtual QString OpenFolder(QWidget* parent, const QString& folder) = 0;

private:
    Handler* mPrevious;
};

// Shows text with an OK button; details, when given, are shown on request.
void Message(QWidget* parent, const QString& text, Icon icon, const QString& details = QString(),
             const QString& caption = kProgramName);
// A warning with Retry and Cancel; details, when given, are shown on request.
Choice RetryCancel(QWidget* parent, const QString& text, const QString& details = QString());
// A question answered with one of the choices (buttons captioned by them, the
// first the default) or Cancel: the number of the choice, -1 for Cancel.
int Choose(QWidget* parent, const QString& text, const QStringList& choices);
// A one-line input box; "" when cancelled.
QString Input(QWidget* parent, const QString& prompt, const QString& defaultText = QString());
// An open dialog for an existing file, with a "Description|patterns|..."
// filter whose first entry is selected; "" when cancelled. The entry for
// programs (the one holding *.exe) lists every executable file off Windows,
// whatever its name. It starts in folder when that exists, else in the
// current directory unless that is the root (where a desktop menu starts
// programs), else in the home folder.
QString OpenFile(QWidget* parent, const QString& filter, const QString& folder = QString());
// A dialog choosing an existing folder, starting as OpenFile does; the
// folder's path, "" when cancelled.
QString OpenFolder(QWidget* parent, const QString& folder);

} // namespace Prompts
