#pragma once

#include "event_source.h"
#include "window_description.h"

#include <QPushButton>

namespace vh {

// A push button whose caption is centred both ways and wraps between any two
// characters when it is wider than the button. It is never a default button:
// Enter does not press it, the space bar and a click do.
class CaptionButton final : public QPushButton {
    Q_OBJECT

public:
    CaptionButton(const Entry& entry, const ButtonSettings& settings, EventSource source,
                  QWidget* parent);

    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWrapAnywhere;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    EventSource source_;
};

}  // namespace vh
