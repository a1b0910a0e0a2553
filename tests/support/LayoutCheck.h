#pragma once

#include <QStringList>

class QWidget;

// Checks a window as drawn: every label, button, check box and radio button
// shows its whole caption, and every visible child lies inside its parent.
// Returns one line per problem; empty when the window looks right. Also
// reports when the application font is not the one asked for (Qt would fall
// back to another font silently and change every caption's size).
QStringList LayoutProblems(QWidget* window);

// The same check on each page of the window's tab widget in turn, each
// problem prefixed with its page's title.
QStringList LayoutProblemsOnEveryPage(QWidget* window);
