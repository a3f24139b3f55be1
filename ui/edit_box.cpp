#include "edit_box.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPalette>

#include <algorithm>
#include <climits>

namespace vh {
namespace {

constexpr int kThinEdge = 1;

QColor ToColour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// QLineEdit selects its whole text when the focus arrives by Tab or shortcut;
// the box selects nothing anew.
Qt::FocusReason WithoutSelectAll(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return Qt::OtherFocusReason;
    default:
        return reason;
    }
}

}  // namespace

TextLine::TextLine(EventSource source, QWidget* parent) : QLineEdit(parent), source_(source) {
    setFrame(false);
    // No maximum length: the default would cut texts at 32767 characters.
    setMaxLength(INT_MAX);
    connect(this, &QLineEdit::textEdited, this,
            [this] { source_.Raise(edit_box_event::kContentChanged); });
    const auto forgetSelection = [this] {
        if (!hasFocus()) {
            left_.reset();
        }
    };
    connect(this, &QLineEdit::textChanged, this, forgetSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, forgetSelection);
}

void TextLine::focusInEvent(QFocusEvent* event) {
    QFocusEvent withoutSelectAll(event->type(), WithoutSelectAll(event->reason()));
    QLineEdit::focusInEvent(&withoutSelectAll);
    if (left_) {
        setSelection(left_->anchor, left_->caret - left_->anchor);
        left_.reset();
    }
    source_.Raise(control_event::kGotFocus);
}

void TextLine::focusOutEvent(QFocusEvent* event) {
    if (hasSelectedText()) {
        const int caret = cursorPosition();
        left_ = Selection{caret == selectionStart() ? selectionEnd() : selectionStart(), caret};
    }
    QLineEdit::focusOutEvent(event);
    // Also when another window takes the focus, where QLineEdit would keep it.
    deselect();
    source_.Raise(control_event::kLostFocus);
}

EditBox::EditBox(const Entry& entry, const EditBoxSettings& settings, EventSource source,
                 QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kThinEdge);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToColour(settings.backgroundColour));
    colours.setColor(QPalette::WindowText, ToColour(settings.textColour));
    colours.setColor(QPalette::Base, ToColour(settings.backgroundColour));
    colours.setColor(QPalette::Text, ToColour(settings.textColour));
    setPalette(colours);
    setAutoFillBackground(true);

    textLine_ = new TextLine(source, this);
    textLine_->setText(QString::fromUtf8(settings.initialText));
    textLine_->setCursorPosition(0);

    const int height = std::max(entry.place.height, MinimumHeight(font()));
    setGeometry(entry.place.left, entry.place.top, entry.place.width, height);
}

int EditBox::MinimumHeight(const QFont& font) {
    return QFontMetrics(font).height() + 2 * kThinEdge;
}

void EditBox::ReplaceText(const QString& text) {
    textLine_->setText(text);
    textLine_->setCursorPosition(0);
}

void EditBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const QRect inner = contentsRect();
    const int lineHeight = QFontMetrics(textLine_->font()).height();
    textLine_->setGeometry(inner.left(), inner.top() + (inner.height() - lineHeight) / 2,
                           inner.width(), lineHeight);
}

}  // namespace vh
