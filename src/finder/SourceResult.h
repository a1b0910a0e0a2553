#pragma once

#include <QString>

// Where a source of servers stands.
enum class SourceState {
    Asking,
    // It gave a list (perhaps an empty one).
    Answered,
    NoAnswer,
    // It answered with something that is not a server list.
    BadReply,
    // It could not be asked: an invalid address, an unknown host, an HTTP error.
    Failed,
};

// What one source gave, for the user and for the program.
struct SourceResult {
    SourceState state = SourceState::Asking;
    // Usable, distinct servers it listed.
    int servers = 0;
    // "212 servers", "no answer", "bad reply", "HTTP 404 Not Found", ...
    QString text;
};
