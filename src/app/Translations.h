#pragma once

#include <QLocale>

class QCoreApplication;

// Installs the program's translation for the locale's language (by default
// the user's, as LANG, LC_MESSAGES or LC_ALL name it) and Qt's own
// translation of its standard texts (OK, Cancel, Yes, ...). A language
// without a translation keeps the English texts.
void InstallTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());
