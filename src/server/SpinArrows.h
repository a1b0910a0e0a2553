#pragma once

#include <QWidget>

#include <optional>

class QLineEdit;
class QToolButton;

// The whole number a number box holds: a fraction rounds to the nearest whole
// number (ties to even); nothing for empty text, text that is not a number or
// a number outside -32768 to 32767.
std::optional<qint16> TextToInt16(const QString& text);

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
