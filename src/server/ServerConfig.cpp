#include "server/ServerConfig.h"

#include "common/FileIO.h"
#include "common/ProgramRandom.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"
#include "common/TextDecoding.h"
#include "game/Quake2.h"

#include <QDir>

#include <cmath>

namespace {

// The built-in map lists in the order of their kinds, as records store them
// in every language.
constexpr const char* kBuiltInMapLists[] = {"Single Player Levels", "Deathmatch Levels",
                                            "Custom Maps"};

QString Flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString Variable(const char* name, const QString& value) {
    return QLatin1String(name) + u'\t' + value;
}

QString Variable(const char* name, qint64 value) {
    return Variable(name, QString::number(value));
}

// Map list files hold names separated by commas or line ends; a name may be
// quoted to hold a comma. Blanks around names and empty names are dropped.
QStringList MapNames(const QString& text) {
    QStringList names;
    QString field;
    bool quoted = false;
    auto endField = [&] {
        const QString name = field.trimmed();
        if (!name.isEmpty())
            names << name;
        field.clear();
    };
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u',' || c == u'\r' || c == u'\n'))
            endField();
        else
            field += c;
    }
    endField();
    return names;
}

} // namespace

void ServerConfig::LoadDefaults() {
    ServerConfig defaults;
    defaults.ID = ID;
    *this = defaults;
}

bool ServerConfig::LoadFromFile(RecordReader& file) {
    return file.Text(ID) && file.Text(Game) && file.Int16(PlayerMode) && file.Int16(Difficulty) &&
           file.Text(ServerName) && file.Int16(MaxClients) && file.Int16(FragLimit) &&
           file.Int16(TimeLimit) && file.Bool(EnableCheats) && file.Bool(AllowDownload) &&
           file.Bool(LogConsole) && file.Int16(MapMode) && file.Text(MapName) &&
           file.Text(MapList) && file.Int32(DmFlags) && file.Int16(Gravity) && file.Bool(Public) &&
           file.Bool(SelectEmpty) && file.Text(ExtraCommands);
}

void ServerConfig::SaveToFile(RecordWriter& file) const {
    file.Text(ID).EndLine();
    file.Text(Game)
        .Int16(PlayerMode)
        .Int16(Difficulty)
        .Text(ServerName)
        .Int16(MaxClients)
        .Int16(FragLimit)
        .Int16(TimeLimit)
        .Bool(EnableCheats)
        .Bool(AllowDownload)
        .Bool(LogConsole)
        .EndLine();
    file.Int16(MapMode).Text(MapName).Text(MapList).EndLine();
    file.Int32(DmFlags).EndLine();
    file.Int16(Gravity).Bool(Public).Bool(SelectEmpty).Text(ExtraCommands).EndLine();
}

Result<> ServerConfig::WriteToConfigFile(ScriptWriter& file, const Quake2& game) const {
    if (PlayerMode == SinglePlayer || PlayerMode == Deathmatch || PlayerMode == Coop) {
        file.Line(Variable("set deathmatch", PlayerMode == Deathmatch ? 1 : 0));
        file.Line(Variable("set coop", PlayerMode == Coop ? 1 : 0));
    }
    if (PlayerMode == Deathmatch) {
        file.Line(Variable("set hostname", ScriptWriter::Value(ServerName)));
        file.Line(Variable("set maxclients", MaxClients));
        file.Line(Variable("set fraglimit", FragLimit));
        file.Line(Variable("set timelimit", TimeLimit));
        file.Line(Variable("set dmflags", DmFlags));
    }
    file.Line(Variable("set skill", Difficulty));
    file.Line(Variable("set cheats", Flag(EnableCheats)));
    file.Line(Variable("set allow_download", Flag(AllowDownload)));
    file.Line(Variable("set logfile", Flag(LogConsole)));
    file.Line(Variable("set gravity", Gravity));
    file.Line(Variable("set public", Flag(Public)));
    file.Line(Variable("set g_select_empty", Flag(SelectEmpty)));
    file.Line(ExtraCommands);
    file.Line();

    switch (MapMode) {
    case NewGame:
        file.Line(QStringLiteral("newgame"));
        break;
    case LoadSavedGame:
        file.Line(QStringLiteral("load ") + ScriptWriter::Value(MapName));
        break;
    case SpecificMap:
        file.Line(QStringLiteral("map ") + ScriptWriter::Value(MapName));
        break;
    case RandomMap: {
        // An empty pool has nothing to start: no map line at all.
        const Result<QString> map = PickRandomMap(game);
        if (!map)
            return Result<>::Failure(map.Error());
        if (!map->isEmpty())
            file.Line(QStringLiteral("map ") + ScriptWriter::Value(*map));
        break;
    }
    default:
        break;
    }
    return {};
}

std::optional<Quake2::MapKind> ServerConfig::MapListKind(const QString& mapList) {
    for (std::size_t kind = 0; kind < std::size(kBuiltInMapLists); ++kind) {
        if (mapList == QLatin1String(kBuiltInMapLists[kind]))
            return Quake2::MapKind(kind);
    }
    return std::nullopt;
}

QString ServerConfig::MapListName(Quake2::MapKind kind) {
    return QLatin1String(kBuiltInMapLists[std::size_t(kind)]);
}

Result<QStringList> ServerConfig::GetMapList(std::optional<Quake2::MapKind> kind,
                                             const QString& mapList, const Quake2& game) {
    if (kind) {
        QStringList names = game.ListMaps(*kind);
        if (kind == Quake2::MapKind::CustomMaps) {
            for (QString& name : names)
                name.chop(Quake2::kMapFileEnding.size());
        }
        return names;
    }
    const QString path = mapList.isEmpty() ? QString() : game.FilePath(mapList, true);
    if (path.isEmpty())
        return QStringList();
    const Result<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return Result<QStringList>::Failure(
            tr("The map list %1 could not be read: %2")
                .arg(QDir::toNativeSeparators(path), bytes.Error()));
    return MapNames(DecodeFileText(*bytes));
}

Result<QString> ServerConfig::PickRandomMap(const Quake2& game) const {
    const Result<QStringList> list = GetMapList(MapListKind(MapList), MapList, game);
    if (!list || list->isEmpty())
        return list ? Result<QString>(QString()) : Result<QString>::Failure(list.Error());
    const QStringList& pool = *list;
    const auto index = static_cast<qsizetype>(std::floor(ProgramRandom::NextUnit() * pool.size()));
    return pool.at(std::min(index, pool.size() - 1));
}
