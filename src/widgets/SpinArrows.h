#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Up and down arrows attached to a text box. Each click moves the number in
// the box by the step, within the range; the box itself still takes any text.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);

    void Attach(QLineEdit* box, int minimum, int maximum, int step);

private:
    void Step(int direction);

    QToolButton* mUp;
    QToolButton* mDown;
    QLineEdit* mBox = nullptr;
    int mMinimum = 0;
    int mMaximum = 0;
    int mStep = 1;
};
