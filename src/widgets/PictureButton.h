#pragma once

#include <QPushButton>

// A push button that shows its icon above its caption, like a toolbar
// button, while keeping a push button's focus and default-button behaviour.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
