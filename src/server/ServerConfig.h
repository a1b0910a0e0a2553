#pragma once

#include "common/Result.h"
#include "game/Quake2.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class RecordReader;
class RecordWriter;
class ScriptWriter;

// One named set of game-server settings: stored as a five-line record and
// written as the server part of the launch config script.
class ServerConfig {
    Q_DECLARE_TR_FUNCTIONS(ServerConfig)

public:
    enum PlayerModes : qint16 { SinglePlayer = 0, Deathmatch = 1, Coop = 2 };
    enum MapModes : qint16 {
        NoMap = 0,
        NewGame = 1,
        LoadSavedGame = 2,
        SpecificMap = 3,
        RandomMap = 4
    };
    static constexpr int kDmFlagCount = 20;

    // Every field but ID back to its default.
    void LoadDefaults();

    // Reads the nineteen fields. On a read failure returns false; the record
    // then holds whatever was read so far.
    bool LoadFromFile(RecordReader& file);
    void SaveToFile(RecordWriter& file) const;
    // Appends the variables, the extra commands, an empty line and the map
    // line. The game's current game directory must already be this record's.
    // Fails when the map list of a random map cannot be read.
    Result<> WriteToConfigFile(ScriptWriter& file, const Quake2& game) const;

    // The built-in list a map list name stands for; nothing for a map list
    // file.
    static std::optional<Quake2::MapKind> MapListKind(const QString& mapList);
    // The stored name of a built-in list (English, whatever language the
    // window shows it in).
    static QString MapListName(Quake2::MapKind kind);
    // The map names of a list: built-in lists from the game, "Custom Maps"
    // without their file ending, otherwise the names in the map list file.
    // Fails with the file and the reason when the map list file is there but
    // cannot be read.
    static Result<QStringList> GetMapList(std::optional<Quake2::MapKind> kind,
                                          const QString& mapList, const Quake2& game);
    // A map drawn uniformly from MapList's pool; empty when the pool is empty.
    Result<QString> PickRandomMap(const Quake2& game) const;

    QString ID;
    QString Game;
    qint16 PlayerMode = Deathmatch;
    qint16 Difficulty = 2;
    QString ServerName = QStringLiteral("noname");
    qint16 MaxClients = 8;
    qint16 FragLimit = 0;
    qint16 TimeLimit = 0;
    bool EnableCheats = false;
    bool AllowDownload = false;
    bool LogConsole = false;
    qint16 MapMode = NoMap;
    QString MapName;
    QString MapList;
    qint32 DmFlags = 16; // Instant Powerups
    qint16 Gravity = 800;
    bool Public = false;
    bool SelectEmpty = false;
    QString ExtraCommands;
};
