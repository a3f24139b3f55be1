#pragma once

#include "event_source.h"
#include "focus_cycle.h"
#include "window_description.h"

#include <QWidget>

#include <vector>

namespace vh {

class EditBox;

// A top-level window built from its description: created hidden, with its
// controls made in the reverse of their stored order, stacked in stored order
// and shown inside it. It forwards its notifications to RaiseEvent and handles
// Tab, Shift+Tab and Esc before the focused control sees them.
class ShellWindow final : public QWidget {
    Q_OBJECT

public:
    explicit ShellWindow(const WindowDescription& description);
    ~ShellWindow() override;

    // The live window with this identifier, or null before it is built and
    // after it is destroyed.
    static ShellWindow* Find(WindowId id);
    static bool AnyExists();
    // Destroys the windows that are still open, at the end of the program.
    static void DestroyAll();

    const WindowDescription& description() const { return description_; }
    QWidget* FindControl(ControlId control) const;
    EditBox* FindEditBox(ControlId control) const;

    // The widgets that take the focus, in the order of the focus cycle.
    std::vector<QWidget*> FocusCycle() const;
    void MoveFocus(FocusDirection direction);

    // Shows the window normal and active, the focus on the first control of
    // the cycle unless one is remembered.
    void ShowAndActivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Control {
        const Entry* entry;
        QWidget* widget;
        QWidget* focusTarget;
    };

    QWidget* CreateControl(const Entry& entry);

    const WindowDescription& description_;
    // In stored order.
    std::vector<Control> controls_;
};

}  // namespace vh
