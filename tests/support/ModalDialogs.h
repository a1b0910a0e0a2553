#pragma once

#include <functional>

class QDialog;

// Runs action on the next modal dialog that opens (from a timer, since the
// code under test is blocked in the dialog's exec()). The action is expected
// to close the dialog, for example by clicking its OK or Cancel button.
void WhenDialogOpens(std::function<void(QDialog*)> action);
