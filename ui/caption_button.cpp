#include "caption_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vh {

CaptionButton::CaptionButton(const Entry& entry, const ButtonSettings& settings, EventSource source,
                             QWidget* parent)
    : QPushButton(QString::fromUtf8(settings.caption), parent), source_(source) {
    setAutoDefault(false);
    setDefault(false);
    setGeometry(entry.place.left, entry.place.top, entry.place.width, entry.place.height);
    connect(this, &QPushButton::clicked, this, [this] { source_.Raise(button_event::kClicked); });
}

void CaptionButton::paintEvent(QPaintEvent*) {
    // The style draws the bevel; the caption is drawn here because the style
    // never wraps a button's text.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect captionArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(captionArea, kCaptionFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
    // QAbstractButton moves the focus on arrow keys; a push button here leaves
    // them alone.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void CaptionButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    source_.Raise(control_event::kGotFocus);
}

void CaptionButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    source_.Raise(control_event::kLostFocus);
}

}  // namespace vh
