#include "client/ServerAddr.h"

#include "common/RecordReader.h"
#include "common/RecordWriter.h"

QString ServerAddr::Addr() const {
    return ID.section(u':', 0, 0);
}

QString ServerAddr::Port() const {
    const qsizetype colon = ID.indexOf(u':');
    return colon < 0 ? QString() : ID.mid(colon + 1);
}

bool ServerAddr::LoadFromFile(RecordReader& file) {
    return file.Text(ID);
}

void ServerAddr::SaveToFile(RecordWriter& file) const {
    file.Text(ID).EndLine();
}
