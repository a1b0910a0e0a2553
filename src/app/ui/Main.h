#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// Starts Corvale: unless another copy runs with the same settings (which is
// then brought forward, and nothing is written), creates the game object and
// the main window, shows the window and runs until it is closed or the
// session ends. Returns the process exit code: 0 after a run, and for a later
// copy 0 when the running one came forward, 1 when it only said so; 1 when
// the settings folder cannot hold the lock file (the user is told why).
// LaunchOnly loads the window without showing it and launches the game with
// the saved selections: 0 when the game started, 1 otherwise.
enum class StartMode { Window, LaunchOnly };
int Main(QApplication& application, StartMode mode = StartMode::Window);

// Why no window can be shown, as one line for standard error; empty when a
// display is there (DISPLAY, WAYLAND_DISPLAY, -display) or a platform is
// chosen (QT_QPA_PLATFORM, -platform), and always on Windows and macOS. Qt
// itself would abort without one. arguments: the program's, its name first.
QString DisplayProblem(const QStringList& arguments);
