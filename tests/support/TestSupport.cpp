#include "support/TestSupport.h"
#include "common/Names.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kProgramName, kProgramName);
}

} // namespace

TemporarySettings::TemporarySettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mDir.path());
    Clear();
}

TemporarySettings::~TemporarySettings() {
    Clear();
}

void TemporarySettings::Clear() {
    QSettings settings = UserSettings();
    settings.clear();
    settings.sync();
}

QString TemporarySettings::Raw(const QString& sectionAndKey) const {
    const QVariant value = UserSettings().value(sectionAndKey);
    return value.isValid() ? value.toString() : QString();
}

void TemporarySettings::SetRaw(const QString& sectionAndKey, const QString& value) {
    QSettings settings = UserSettings();
    settings.setValue(sectionAndKey, value);
    settings.sync();
}

FakeInstallation::FakeInstallation() {
    QVERIFY(mDir.isValid());
}

QString FakeInstallation::Path() const {
    return mDir.path() + QDir::separator();
}

QString FakeInstallation::Absolute(const QString& relativePath) const {
    return QDir::toNativeSeparators(mDir.filePath(relativePath));
}

void FakeInstallation::AddFile(const QString& relativePath, const QByteArray& contents) {
    const QString path = mDir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

void FakeInstallation::AddDirectory(const QString& relativePath) {
    QVERIFY(QDir().mkpath(mDir.filePath(relativePath)));
}

void FakeInstallation::InstallGame(const QString& executableName) {
    const QString target = mDir.filePath(executableName);
    QFile::remove(target);
    QVERIFY(QFile::copy(QStringLiteral(FAKE_GAME_PATH), target));
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
}

QStringList FakeInstallation::GameLog() const {
    QFile log(mDir.filePath(QStringLiteral("fakegame.log")));
    // The game runs on its own; give it a moment to write its log.
    for (int attempt = 0; attempt < 200 && !log.exists(); ++attempt)
        QTest::qWait(25);
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QAbstractItemView* list) {
    QStringList entries;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        entries << list->model()->index(row, 0).data().toString();
    return entries;
}

void ClickEntry(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}
