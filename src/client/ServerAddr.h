#pragma once

#include <QString>

class RecordReader;
class RecordWriter;

// A remote server: the address text as the user typed it, optionally with
// ":" and a port. An IPv6 address takes the port after brackets
// ("[2001:db8::5]:27910"), or stands bare without one.
class ServerAddr {
public:
    // The part before the first ":", or all of ID; an IPv6 address without
    // its brackets.
    QString Addr() const;
    // The part after the host's ":", or "".
    QString Port() const;

    // Reads the one-line record; false on a read failure.
    bool LoadFromFile(RecordReader& file);
    void SaveToFile(RecordWriter& file) const;

    QString ID;
};
