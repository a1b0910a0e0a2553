#pragma once

class QApplication;

// Gives the application its style, font and icon. Off Windows the window
// layouts are drawn with Fusion and an 11-pixel Liberation Sans, which fits
// every caption at the fixed control sizes. Option buttons and check boxes
// react to a click anywhere in their box.
void ApplyLook(QApplication& application);

// The family ApplyLook() asks for; empty when the platform's own font is used.
const char* LookFontFamily();
