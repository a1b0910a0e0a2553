#include "widgets/SpinArrows.h"

#include "common/TextToInt16.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

} // namespace

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), mUp(ArrowButton(Qt::UpArrow, QStringLiteral("up"), this)),
      mDown(ArrowButton(Qt::DownArrow, QStringLiteral("down"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mUp);
    layout->addWidget(mDown);
    setFixedWidth(16);
    connect(mUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(mDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void SpinArrows::Attach(QLineEdit* box, int minimum, int maximum, int step) {
    mBox = box;
    mMinimum = minimum;
    mMaximum = maximum;
    mStep = step;
}

void SpinArrows::Step(int direction) {
    if (!mBox)
        return;
    // Text that is not a number counts from the bottom of the range.
    const int current = TextToInt16(mBox->text()).value_or(mMinimum);
    mBox->setText(QString::number(std::clamp(current + direction * mStep, mMinimum, mMaximum)));
}
