#pragma once

#include <QObject>
#include <QTimer>

// The selection of one main-window list and its click rule: a click on the
// entry that is already selected deselects it. Such a click is only a
// deselection once the double-click interval has passed without a double
// click (which opens the entry instead); until then the deselection is
// pending. Every selection, the user's or the program's, goes through
// Select(); selecting the selected entry again changes nothing.
class ListSelection : public QObject {
    Q_OBJECT
public:
    explicit ListSelection(QObject* parent = nullptr);

    qint16 Selected() const { return mSelected; }

    // Selects row (-1 for none) and cancels a pending deselection.
    void Select(int row);

    // The entry that was selected before the mouse went down was clicked
    // again: deselect it after interval milliseconds.
    void ClickedSelected(int interval);
    // A double click: the entry stays selected.
    void CancelPending();
    // A pending deselection takes effect now (before a launch reads the
    // selection).
    void SettlePending();

Q_SIGNALS:
    // The selection after every Select(); the view follows it.
    void Changed(qint16 selection);

private:
    qint16 mSelected = -1;
    QTimer mDeselect;
};
