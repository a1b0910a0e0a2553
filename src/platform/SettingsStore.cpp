#include "platform/SettingsStore.h"

#include "common/Names.h"
#include "platform/Defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cmath>

namespace Setting {

namespace {
constexpr const char* kSettings = "Settings";
constexpr const char* kOptions = "Options";
constexpr const char* kFinder = "Finder";
// Window placements: positions within 32768 pixels of the origin, sizes from
// 100 to 32768 pixels.
constexpr int kFarthest = 32768 * kTwipsPerPixel;
constexpr int kSmallest = 100 * kTwipsPerPixel;
} // namespace

const TextSetting LaunchConfig{kSettings, "LaunchConfig",
                               [] { return kProgramName + QLatin1String(".cfg"); }};
const TextSetting ClientFile{kSettings, "ClientFile",
                             [] { return Defaults::RecordFile(QStringLiteral("cvclients.dat")); },
                             true};
const TextSetting ServerFile{kSettings, "ServerFile",
                             [] { return Defaults::RecordFile(QStringLiteral("cvservers.dat")); },
                             true};
const TextSetting RemoteServerFile{
    kSettings, "RemoteServerFile",
    [] { return Defaults::RecordFile(QStringLiteral("cvremotes.dat")); }, true};
const Int16Setting ClientIndex{kSettings, "ClientIndex", -1};
const Int16Setting ServerIndex{kSettings, "ServerIndex", -1};
const Int16Setting RemoteServerIndex{kSettings, "RemoteServerIndex", -1};
const Int16Setting LaunchType{kSettings, "LaunchType", 1};
const TwipsSetting MainLeft{kSettings, "MainLeft", 1000, -kFarthest, kFarthest};
const TwipsSetting MainTop{kSettings, "MainTop", 1000, -kFarthest, kFarthest};
const TwipsSetting MainWidth{kSettings, "MainWidth", 7710, kSmallest, kFarthest};
const TwipsSetting MainHeight{kSettings, "MainHeight", 7665, kSmallest, kFarthest};

const TextSetting Path{kOptions, "Path", &Defaults::GamePath};
const TextSetting Executable{kOptions, "Executable", &Defaults::GameExecutable};
const TextSetting Viewer{kOptions, "Viewer", &Defaults::TextViewer};
const TextSetting RandomPicture{kOptions, "RandomPicture", [] { return QString(); }};
const BoolSetting CloseOnLaunch{kOptions, "CloseOnLaunch", false};
const BoolSetting StretchToFit{kOptions, "StretchToFit", false};

const TextSetting FinderMasters{kFinder, "Masters", &Defaults::Masters};
const TextSetting FinderColumns{kFinder, "Columns", [] { return QString(); }};
const Int16Setting FinderMaxInFlight{kFinder, "MaxInFlight", 64};
const BoolSetting FinderLocalNetwork{kFinder, "LocalNetwork", false};
const TwipsSetting FinderWidth{kFinder, "Width", 760 * kTwipsPerPixel, kSmallest, kFarthest};
const TwipsSetting FinderHeight{kFinder, "Height", 560 * kTwipsPerPixel, kSmallest, kFarthest};

} // namespace Setting

namespace {

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kProgramName, kProgramName);
}

QString KeyPath(const char* section, const char* key) {
    return QLatin1String(section) + u'/' + QLatin1String(key);
}

// The stored text; null when the key is missing.
QString Stored(const char* section, const char* key) {
    const QVariant value = UserSettings().value(KeyPath(section, key));
    return value.isValid() ? value.toString() : QString();
}

QString WhySaveFailed(const QString& fileName, QSettings::Status status) {
    if (status == QSettings::FormatError)
        return SettingsStore::tr("the file is not a settings file");
    const QFileInfo file(fileName);
    if (file.exists() && !file.isWritable())
        return SettingsStore::tr("the file is read-only");
    if (!QFileInfo(file.absolutePath()).isDir() || !QFileInfo(file.absolutePath()).isWritable())
        return SettingsStore::tr("its folder cannot be written");
    return SettingsStore::tr("the file could not be written");
}

} // namespace

QString SettingsStore::Read(const TextSetting& setting) const {
    const QString text = Stored(setting.section, setting.key);
    if (text.isNull() || (text.isEmpty() && setting.emptyReadsAsDefault))
        return setting.defaultValue();
    return text;
}

qint16 SettingsStore::Read(const Int16Setting& setting) const {
    bool ok = false;
    const short value = Stored(setting.section, setting.key).trimmed().toShort(&ok);
    return ok ? value : setting.defaultValue;
}

bool SettingsStore::Read(const BoolSetting& setting) const {
    const QString word = Stored(setting.section, setting.key).trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = word.toDouble(&ok);
    return ok ? number != 0 : setting.defaultValue;
}

std::optional<int> SettingsStore::Read(const TwipsSetting& setting) const {
    const QString text = Stored(setting.section, setting.key);
    if (text.isNull())
        return setting.defaultValue;
    // Stored as a number of any form ("1005", "1.5e3"); rounded only once it
    // is known to be a finite value in range.
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < setting.minimum || value > setting.maximum)
        return std::nullopt;
    return int(std::lround(value));
}

QString SettingsStore::FileName() {
    return UserSettings().fileName();
}

void SettingsStore::Write(const TextSetting& setting, const QString& value) {
    mValues.append({KeyPath(setting.section, setting.key), value});
}

void SettingsStore::Write(const Int16Setting& setting, int value) {
    mValues.append({KeyPath(setting.section, setting.key), QString::number(value)});
}

void SettingsStore::Write(const BoolSetting& setting, bool value) {
    mValues.append({KeyPath(setting.section, setting.key),
                    value ? QStringLiteral("True") : QStringLiteral("False")});
}

void SettingsStore::Write(const TwipsSetting& setting, int value) {
    mValues.append({KeyPath(setting.section, setting.key), QString::number(value)});
}

Result<> SettingsStore::Save() {
    QSettings settings = UserSettings();
    // Only what differs is set, so that a run that changed nothing leaves the
    // file alone.
    for (const auto& [key, text] : std::as_const(mValues)) {
        const QVariant stored = settings.value(key);
        if (!stored.isValid() || stored.toString() != text)
            settings.setValue(key, text);
    }
    mValues.clear();
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return {};
    return Result<>::Failure(SettingsStore::tr("The settings could not be saved: %1 (%2)")
                                 .arg(QDir::toNativeSeparators(settings.fileName()),
                                      WhySaveFailed(settings.fileName(), settings.status())));
}
