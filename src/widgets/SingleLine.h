#pragma once

class QWidget;

// Makes every one-line text field of a window (also the text fields of its
// editable combo boxes) refuse line breaks: a pasted or assigned line break
// becomes a blank, so a value never spills onto a second line.
void KeepSingleLine(QWidget* window);
