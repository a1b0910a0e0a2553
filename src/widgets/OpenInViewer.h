#pragma once

#include "widgets/Prompts.h"

#include <QString>

class QWidget;

// Opens path in the user's text viewer. A viewer that cannot start, or that
// fails a moment later (a desktop opener with no program for the file), is
// reported with failureText and icon; the details name the viewer, the file
// and the reason.
void OpenInViewer(QWidget* parent, const QString& viewer, const QString& path,
                  const QString& failureText, Prompts::Icon icon);
