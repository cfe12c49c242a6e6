#include "ui/widgets/TUpDown.h"

#include "core/platform/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

TUpDown::TUpDown(QLineEdit* buddy, const QString& name, QRect geometry, QWidget* parent,
                 int minimum, int maximum)
    : QWidget(parent), Min(minimum), Max(maximum), buddy_(buddy), position_(minimum) {
    setObjectName(name);
    setGeometry(geometry);
    const int half = geometry.height() / 2;
    auto arrow = [&](Qt::ArrowType type, const QString& suffix, QRect place) {
        auto* button = new QToolButton(this);
        button->setObjectName(name + suffix);
        button->setArrowType(type);
        button->setGeometry(place);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    UpButton = arrow(Qt::UpArrow, QStringLiteral("Up"), QRect(0, 0, geometry.width(), half));
    DownButton = arrow(Qt::DownArrow, QStringLiteral("Down"),
                       QRect(0, half, geometry.width(), geometry.height() - half));
    connect(UpButton, &QToolButton::clicked, this, [this] { Step(Increment); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Step(-Increment); });
    if (buddy_)
        buddy_->installEventFilter(this);
}

void TUpDown::Step(int delta) {
    if (!buddy_) {
        position_ = std::clamp(position_ + delta, Min, Max);
        return;
    }
    // The number typed since the last step counts; a text that is not one keeps the position.
    if (const auto typed = NumberText::parseInt(buddy_->text()))
        position_ = *typed;
    // The edit cannot hold more digits than its length allows: the range stops there.
    int top = Max;
    if (buddy_->maxLength() < 10) {
        int fits = 1;
        for (int i = 0; i < buddy_->maxLength(); ++i)
            fits *= 10;
        top = std::min(top, fits - 1);
    }
    position_ = std::clamp(position_ + delta, Min, std::max(Min, top));
    buddy_->setText(QString::number(position_));
    buddy_->selectAll();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                Step(Increment);
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                Step(-Increment);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
