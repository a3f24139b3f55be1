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

// QLineEdit selects its whole text when the focus arrives by Tab or shortcut,
// and drops the selection when the focus leaves; the box does neither.
Qt::FocusReason KeepingSelection(Qt::FocusReason reason) {
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
    ShowSelection(false);
    connect(this, &QLineEdit::textEdited, this,
            [this] { source_.Raise(edit_box_event::kContentChanged); });
}

void TextLine::focusInEvent(QFocusEvent* event) {
    ShowSelection(true);
    QFocusEvent kept(event->type(), KeepingSelection(event->reason()));
    QLineEdit::focusInEvent(&kept);
    source_.Raise(control_event::kGotFocus);
}

void TextLine::focusOutEvent(QFocusEvent* event) {
    ShowSelection(false);
    // WORKAROUND: QLineEdit keeps its selection only when it loses the focus to
    // another window, so every loss is passed on as that one.
    QFocusEvent kept(event->type(), Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&kept);
    source_.Raise(control_event::kLostFocus);
}

void TextLine::ShowSelection(bool shown) {
    QPalette colours = palette();
    if (shown) {
        const QPalette standard = parentWidget()->palette();
        colours.setBrush(QPalette::Highlight, standard.brush(QPalette::Highlight));
        colours.setBrush(QPalette::HighlightedText, standard.brush(QPalette::HighlightedText));
    } else {
        colours.setBrush(QPalette::Highlight, colours.brush(QPalette::Base));
        colours.setBrush(QPalette::HighlightedText, colours.brush(QPalette::Text));
    }
    setPalette(colours);
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
