#pragma once

#include "common/Result.h"

#include <QString>

#include <chrono>
#include <functional>

// How long a started viewer is watched: a desktop opener that finds no
// program for the file gives up within this time.
inline constexpr std::chrono::milliseconds kViewerWatchTime{5000};

// Opens path in the user's text viewer without waiting for it. The viewer
// setting is one program (blanks allowed, looked up on PATH like any command)
// and the path is its one argument, never parsed. On failure a text for the
// user: the viewer tried, the file, the reason and where to change the viewer.
//
// A viewer that starts may still fail a moment later (xdg-open without a
// handler for the file exits with status 3 or 4), so it is watched for
// watchTime, and watched is called once on this thread: with a failure of the
// same kind as above when the viewer exits with a non-zero status or crashes
// in that time, with success when it exits well or runs on.
Result<> StartTextViewer(const QString& viewer, const QString& path,
                         const std::function<void(const Result<>&)>& watched,
                         std::chrono::milliseconds watchTime = kViewerWatchTime);
