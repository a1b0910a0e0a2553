#include "client/UserProfile.h"

#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"

bool UserProfile::LoadFromFile(RecordReader& file) {
    return file.Text(ID) && file.Text(ConfigFile);
}

void UserProfile::SaveToFile(RecordWriter& file) const {
    file.Text(ID).EndLine();
    file.Text(ConfigFile).EndLine();
}

void UserProfile::WriteToConfigFile(ScriptWriter& file) const {
    if (ConfigFile.isEmpty())
        return;
    file.Line(QStringLiteral("exec ") + ScriptWriter::Value(ConfigFile));
    file.Line();
}
