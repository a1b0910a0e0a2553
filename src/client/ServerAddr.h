#pragma once

#include <QString>

class RecordReader;
class RecordWriter;

// A remote server: the address text as the user typed it, optionally with
// ":" and a port.
class ServerAddr {
public:
    // The part before the first ":", or all of ID.
    QString Addr() const;
    // The part after the first ":", or "".
    QString Port() const;

    // Reads the one-line record; false on a read failure.
    bool LoadFromFile(RecordReader& file);
    void SaveToFile(RecordWriter& file) const;

    QString ID;
};
