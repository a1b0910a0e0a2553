#pragma once

class QApplication;

// Starts Corvale: creates the game object and the main window, shows the
// window and runs until it is closed. Returns the process exit code.
int Main(QApplication& application);
