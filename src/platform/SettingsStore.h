#pragma once

#include "common/Result.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The per-user settings of application "Corvale": every key with its section,
// the type of its value (the type of its row) and its default. Values are
// stored as text: numbers in decimal, booleans as "True" or "False".
struct TextSetting {
    const char* section;
    const char* key;
    QString (*defaultValue)();
    // A stored empty text reads as the default (for file paths).
    bool emptyReadsAsDefault = false;
};
struct Int16Setting {
    const char* section;
    const char* key;
    qint16 defaultValue;
};
struct BoolSetting {
    const char* section;
    const char* key;
    bool defaultValue;
};
// Window placements are stored in twips, 1/1440 inch: 15 to a pixel at 96
// dots per inch.
inline constexpr int kTwipsPerPixel = 15;
// A window coordinate or size in twips, usable only within its bounds.
struct TwipsSetting {
    const char* section;
    const char* key;
    int defaultValue;
    int minimum;
    int maximum;
};

namespace Setting {
// "Settings": the launcher state and the main window's placement.
extern const TextSetting LaunchConfig, ClientFile, ServerFile, RemoteServerFile;
extern const Int16Setting ClientIndex, ServerIndex, RemoteServerIndex, LaunchType;
extern const TwipsSetting MainLeft, MainTop, MainWidth, MainHeight;
// "Options": the program options and the picture.
extern const TextSetting Path, Executable, Viewer, RandomPicture;
extern const BoolSetting CloseOnLaunch, StretchToFit;
// "Finder": the server finder's masters (one a line), the status requests it
// keeps in flight, whether its window searches the local network, and the
// window's size and column widths (pixels, by commas).
extern const TextSetting FinderMasters, FinderColumns;
extern const BoolSetting FinderLocalNetwork;
extern const Int16Setting FinderMaxInFlight;
extern const TwipsSetting FinderWidth, FinderHeight;
} // namespace Setting

// Reads settings one at a time, and collects the values to store so that they
// are all written at once, with at most one sync of the settings file.
class SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    // The stored value, or the default when the key is missing or its text
    // does not convert.
    QString Read(const TextSetting& setting) const;
    qint16 Read(const Int16Setting& setting) const;
    bool Read(const BoolSetting& setting) const;
    // The default when the key is missing; nothing when its text is not a
    // number or out of bounds.
    std::optional<int> Read(const TwipsSetting& setting) const;

    // The settings file.
    static QString FileName();

    void Write(const TextSetting& setting, const QString& value);
    void Write(const Int16Setting& setting, int value);
    void Write(const BoolSetting& setting, bool value);
    void Write(const TwipsSetting& setting, int value);

    // Stores every value written so far that differs from the stored one and
    // syncs the file once; fails with a message naming the file and the
    // reason.
    Result<> Save();

private:
    QList<std::pair<QString, QString>> mValues; // "Section/Key", stored text
};
