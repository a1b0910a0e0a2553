#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "widgets/Look.h"

class QAbstractItemView;

// Points the per-user settings at a fresh folder of its own for the life of
// the object, so tests never read or write the real user's settings.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();
    // Forgets every stored key.
    void Clear();
    // The raw text stored for Section/Key, or a null string when missing.
    QString Raw(const QString& sectionAndKey) const;
    void SetRaw(const QString& sectionAndKey, const QString& value);

private:
    QTemporaryDir mDir;
};

// A game installation in a temporary folder.
class FakeInstallation {
public:
    FakeInstallation();

    // The installation folder with a trailing separator.
    QString Path() const;
    // Creates a file (and its folders) below the installation folder; the
    // relative path uses "/".
    void AddFile(const QString& relativePath, const QByteArray& contents = QByteArray());
    void AddDirectory(const QString& relativePath);
    // Copies the substitute game program in as an executable of that name.
    void InstallGame(const QString& executableName);
    // What the substitute game recorded: "cwd=..." then one "arg=..." a line.
    QStringList GameLog() const;
    QString Absolute(const QString& relativePath) const;

private:
    QTemporaryDir mDir;
};

// The whole contents of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// The texts of a list's entries, in order.
QStringList Entries(const QAbstractItemView* list);
// Clicks the middle of a list entry.
void ClickEntry(QAbstractItemView* list, int row);

// The named child control of a window; stops the test run when it is missing.
template <typename Control> Control* Find(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return control;
}

// Restores the process's current directory, which some cases change.
class CurrentDirectoryGuard {
public:
    ~CurrentDirectoryGuard() { QDir::setCurrent(mSaved); }

private:
    QString mSaved = QDir::currentPath();
};

// main() for a widget test: a QApplication with the program's look.
#define CORVALE_WIDGET_TEST_MAIN(TestObject)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        QApplication application(argc, argv);                                                      \
        ApplyLook(application);                                                                    \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
