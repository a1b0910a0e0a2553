#pragma once

#include <QString>

// Where a record file goes when the settings name none: the start directory
// when it can be written, otherwise the user's data folder (created here),
// since a program started from a desktop menu starts in "/".
QString DefaultRecordFile(const QString& fileName);
