#include "shell_window.h"

#include "caption_button.h"
#include "edit_box.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace vh {
namespace {

std::vector<ShellWindow*> liveWindows;

constexpr Qt::WindowFlags kFixedFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

constexpr Qt::KeyboardModifiers kShiftCtrlAlt =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

}  // namespace

ShellWindow::ShellWindow(const WindowDescription& description)
    : QWidget(nullptr, kFixedFrame), description_(description) {
    liveWindows.push_back(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const Entry& window = description.window;
    const auto& settings = std::get<WindowSettings>(window.settings);
    setWindowTitle(QString::fromUtf8(settings.title));
    setEnabled(!window.flags.disabled);
    installEventFilter(this);

    const QSize outer(window.place.width, window.place.height);
    PlaceOuterRect(*this, CentredOuterRect(outer, QGuiApplication::primaryScreen()->geometry()));

    controls_.resize(description.controls.size());
    for (std::size_t position = description.controls.size(); position-- > 0;) {
        const Entry& entry = description.controls[position];
        QWidget* widget = CreateControl(entry);
        widget->setObjectName(QString::fromUtf8(entry.name));
        widget->setEnabled(!entry.flags.disabled);
        auto* box = qobject_cast<EditBox*>(widget);
        QWidget* focusTarget = box != nullptr ? box->textLine() : widget;
        focusTarget->setFocusPolicy(entry.flags.focusStop ? Qt::StrongFocus : Qt::NoFocus);
        focusTarget->installEventFilter(this);
        controls_[position] = {&entry, widget, focusTarget};
    }

    // The first stored control on top, each later one directly under the one
    // stored before it.
    if (!controls_.empty()) {
        controls_.front().widget->raise();
    }
    for (std::size_t position = 1; position < controls_.size(); ++position) {
        controls_[position].widget->stackUnder(controls_[position - 1].widget);
    }
    for (const Control& control : controls_) {
        control.widget->setVisible(control.entry->flags.visible);
    }
}

ShellWindow::~ShellWindow() {
    RaiseEvent(description_.id, kNoControl, window_event::kDestroyed);
    std::erase(liveWindows, this);
}

ShellWindow* ShellWindow::Find(WindowId id) {
    const auto found =
        std::find_if(liveWindows.begin(), liveWindows.end(),
                     [id](const ShellWindow* window) { return window->description().id == id; });
    return found != liveWindows.end() ? *found : nullptr;
}

bool ShellWindow::AnyExists() { return !liveWindows.empty(); }

void ShellWindow::DestroyAll() {
    while (!liveWindows.empty()) {
        delete liveWindows.back();
    }
}

QWidget* ShellWindow::CreateControl(const Entry& entry) {
    const EventSource source{description_.id, entry.id};
    if (const auto* settings = std::get_if<EditBoxSettings>(&entry.settings)) {
        return new EditBox(entry, *settings, source, this);
    }
    return new CaptionButton(entry, std::get<ButtonSettings>(entry.settings), source, this);
}

QWidget* ShellWindow::FindControl(ControlId control) const {
    for (const Control& candidate : controls_) {
        if (candidate.entry->id == control) {
            return candidate.widget;
        }
    }
    return nullptr;
}

EditBox* ShellWindow::FindEditBox(ControlId control) const {
    return qobject_cast<EditBox*>(FindControl(control));
}

std::vector<QWidget*> ShellWindow::FocusCycle() const {
    std::vector<FocusCandidate> candidates;
    for (const Control& control : controls_) {
        candidates.push_back({control.entry->focusOrder, control.entry->flags.focusStop,
                              !control.widget->isHidden(), control.widget->isEnabled()});
    }
    std::vector<QWidget*> cycle;
    for (int position : ComputeFocusCycle(candidates)) {
        cycle.push_back(controls_[position].focusTarget);
    }
    return cycle;
}

void ShellWindow::MoveFocus(FocusDirection direction) {
    const std::vector<QWidget*> cycle = FocusCycle();
    if (cycle.empty()) {
        return;
    }
    const auto current = std::find(cycle.begin(), cycle.end(), focusWidget());
    const int index = current != cycle.end() ? static_cast<int>(current - cycle.begin()) : -1;
    cycle[StepFocus(index, static_cast<int>(cycle.size()), direction)]->setFocus(
        Qt::OtherFocusReason);
}

void ShellWindow::ShowAndActivate() {
    if (focusWidget() == nullptr) {
        const std::vector<QWidget*> cycle = FocusCycle();
        if (!cycle.empty()) {
            cycle.front()->setFocus(Qt::OtherFocusReason);
        }
    }
    showNormal();
    raise();
    activateWindow();
}

bool ShellWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & kShiftCtrlAlt;
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
            MoveFocus(FocusDirection::Forward);
            return true;
        }
        if (tab && modifiers == Qt::ShiftModifier) {
            MoveFocus(FocusDirection::Backward);
            return true;
        }
        if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier &&
            std::get<WindowSettings>(description_.window.settings).escClosesWindow) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ShellWindow::closeEvent(QCloseEvent* event) {
    // Nothing reads an answer from the close queries: closing is never refused.
    RaiseEvent(description_.id, kNoControl, window_event::kClosing);
    RaiseEvent(description_.id, kNoControl, window_event::kCloseQuery);
    event->accept();
}

void ShellWindow::moveEvent(QMoveEvent* event) {
    // Showing the window repeats its place and size to it; only real changes
    // count.
    if (event->pos() != event->oldPos()) {
        RaiseEvent(description_.id, kNoControl, window_event::kMoved);
    }
}

void ShellWindow::resizeEvent(QResizeEvent* event) {
    if (event->oldSize().isValid() && event->size() != event->oldSize()) {
        RaiseEvent(description_.id, kNoControl, window_event::kResized);
    }
}

}  // namespace vh
