#pragma once

#include <QString>

// The per-user settings of application "Corvale", addressed by section and
// key. Every value is stored as text: numbers in decimal, booleans as "True"
// or "False". Every read supplies a default, used when the key is missing or
// its text does not convert.
class SettingsStore {
public:
    static QString ReadText(const QString& section, const QString& key,
                            const QString& defaultValue);
    static qint16 ReadInt16(const QString& section, const QString& key, qint16 defaultValue);
    static double ReadNumber(const QString& section, const QString& key, double defaultValue);
    static bool ReadBool(const QString& section, const QString& key, bool defaultValue = false);

    static void WriteText(const QString& section, const QString& key, const QString& value);
    static void WriteInt(const QString& section, const QString& key, int value);
    static void WriteNumber(const QString& section, const QString& key, double value);
    static void WriteBool(const QString& section, const QString& key, bool value);
};
