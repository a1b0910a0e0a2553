#include "platform/SettingsStore.h"

#include <QLocale>
#include <QSettings>

#include <optional>

namespace {

QString KeyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}

std::optional<QString> Stored(const QString& section, const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvale"),
                       QStringLiteral("Corvale"));
    const QVariant value = settings.value(KeyPath(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void Store(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvale"),
                       QStringLiteral("Corvale"));
    settings.setValue(KeyPath(section, key), value);
}

} // namespace

QString SettingsStore::ReadText(const QString& section, const QString& key,
                                const QString& defaultValue) {
    return Stored(section, key).value_or(defaultValue);
}

qint16 SettingsStore::ReadInt16(const QString& section, const QString& key, qint16 defaultValue) {
    const std::optional<QString> text = Stored(section, key);
    if (!text)
        return defaultValue;
    bool ok = false;
    const short value = text->trimmed().toShort(&ok);
    return ok ? value : defaultValue;
}

double SettingsStore::ReadNumber(const QString& section, const QString& key, double defaultValue) {
    const std::optional<QString> text = Stored(section, key);
    if (!text)
        return defaultValue;
    bool ok = false;
    const double value = text->trimmed().toDouble(&ok);
    return ok ? value : defaultValue;
}

bool SettingsStore::ReadBool(const QString& section, const QString& key, bool defaultValue) {
    const std::optional<QString> text = Stored(section, key);
    if (!text)
        return defaultValue;
    const QString word = text->trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = word.toDouble(&ok);
    return ok ? number != 0 : defaultValue;
}

void SettingsStore::WriteText(const QString& section, const QString& key, const QString& value) {
    Store(section, key, value);
}

void SettingsStore::WriteInt(const QString& section, const QString& key, int value) {
    Store(section, key, QString::number(value));
}

void SettingsStore::WriteNumber(const QString& section, const QString& key, double value) {
    // The shortest text that reads back as the same value; the default keeps
    // only six digits and turns 1234567 into "1.23457e+06".
    Store(section, key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void SettingsStore::WriteBool(const QString& section, const QString& key, bool value) {
    Store(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}
