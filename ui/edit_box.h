#pragma once

#include "event_source.h"
#include "window_description.h"

#include <QFrame>
#include <QLineEdit>

#include <optional>

namespace vh {

// The one line of text inside an edit box. Nothing is selected while it has no
// focus; when the focus comes back, the caret and the selection are where they
// were when it left.
class TextLine final : public QLineEdit {
    Q_OBJECT

public:
    TextLine(EventSource source, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Selection {
        int anchor;
        int caret;
    };

    EventSource source_;
    // The selection the line had when it lost the focus, until its text or
    // caret changes.
    std::optional<Selection> left_;
};

// A single-line edit box: a thin border around a white field whose text line
// is centred vertically. The bands above and below the line belong to the
// frame: a press there neither focuses the box nor moves its caret.
class EditBox final : public QFrame {
    Q_OBJECT

public:
    EditBox(const Entry& entry, const EditBoxSettings& settings, EventSource source,
            QWidget* parent);

    // One line of `font` plus the thin edge above and below.
    static int MinimumHeight(const QFont& font);

    TextLine* textLine() const { return textLine_; }

    // Replaces the whole text; the caret goes to the start, nothing selected.
    void ReplaceText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TextLine* textLine_;
};

}  // namespace vh
