#pragma once

#include <QString>

class RecordReader;
class RecordWriter;
class ScriptWriter;

// A player set-up: a profile name and the game config file run at launch.
class UserProfile {
public:
    // Reads the two-line record; false on a read failure.
    bool LoadFromFile(RecordReader& file);
    void SaveToFile(RecordWriter& file) const;
    // "exec " and the config file, then an empty line; nothing without one.
    void WriteToConfigFile(ScriptWriter& file) const;

    QString ID;
    QString ConfigFile;
};
