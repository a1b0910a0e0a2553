#include "server/SpinArrows.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

std::optional<qint16> TextToInt16(const QString& text) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double whole = std::nearbyint(number);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

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
