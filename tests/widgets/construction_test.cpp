// Building the window from its description: the order of construction, the
// window's settings and controls, and the fatal error box.

#include "app/fatal_error_box.h"
#include "app/program_main.h"
#include "app/shell.h"
#include "ui/edit_box.h"
#include "ui/main_window_description.h"
#include "ui/shell_window.h"
#include "ui/window_frame.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <vector>

namespace vh {
namespace {

namespace mw = main_window;

QStringList eventLog;

QString DescribeMainWindowAsCreatedSeesIt() {
    const ShellWindow* window = ShellWindow::Find(mw::kId);
    if (window == nullptr) {
        return "no window";
    }
    QStringList seen{window->isVisible() ? "visible" : "hidden"};
    for (const Entry& entry : mw::Description().controls) {
        const QWidget* control = window->FindControl(entry.id);
        if (control == nullptr) {
            seen << "missing " + QString::fromUtf8(entry.name);
        } else if (const EditBox* box = window->FindEditBox(entry.id)) {
            seen << box->objectName() + "=" + box->textLine()->text();
        } else {
            seen << control->objectName() + "=" + static_cast<const QPushButton*>(control)->text();
        }
    }
    return seen.join(' ');
}

template <int kEvent>
void LogWindowEvent() {
    eventLog << (kEvent == window_event::kCreated ? "created " + DescribeMainWindowAsCreatedSeesIt()
                                                  : "window event " + QString::number(kEvent));
}

template <int kEvent>
void LogControlEvent() {
    eventLog << "control event " + QString::number(kEvent);
}

constexpr EventBinding kEveryWindowEvent[] = {
    {window_event::kCreated, "created"},     {window_event::kCloseQuery, "close query"},
    {window_event::kDestroyed, "destroyed"}, {window_event::kMoved, "moved"},
    {window_event::kResized, "resized"},     {window_event::kIdle, "idle"},
    {window_event::kClosing, "closing"},
};
constexpr EventBinding kEveryControlEvent[] = {
    {0, "clicked or changed"},
    {control_event::kGotFocus, "got focus"},
    {control_event::kLostFocus, "lost focus"},
};

const NamedHandler kLoggingHandlers[] = {
    {"created", &LogWindowEvent<window_event::kCreated>},
    {"close query", &LogWindowEvent<window_event::kCloseQuery>},
    {"destroyed", &LogWindowEvent<window_event::kDestroyed>},
    {"moved", &LogWindowEvent<window_event::kMoved>},
    {"resized", &LogWindowEvent<window_event::kResized>},
    {"idle", &LogWindowEvent<window_event::kIdle>},
    {"closing", &LogWindowEvent<window_event::kClosing>},
    {"clicked or changed", &LogControlEvent<0>},
    {"got focus", &LogControlEvent<control_event::kGotFocus>},
    {"lost focus", &LogControlEvent<control_event::kLostFocus>},
};

// The main window's own description with every event of the window and of
// each control bound to a handler that logs it. It is kept hidden so that
// nothing but the construction raises events.
struct ObservedMainWindow {
    std::vector<Entry> controls;
    WindowDescription description;

    ObservedMainWindow()
        : controls(mw::Description().controls.begin(), mw::Description().controls.end()),
          description(mw::Description()) {
        for (Entry& control : controls) {
            control.bindings = kEveryControlEvent;
        }
        description.window.bindings = kEveryWindowEvent;
        description.window.flags.visible = false;
        description.controls = controls;
    }
};

}  // namespace

class TestConstruction : public QObject {
    Q_OBJECT

    // Descriptions outlive the windows built from them.
    const ObservedMainWindow observed_;

private slots:
    void cleanup() {
        ShellWindow::DestroyAll();
        UnloadDescriptions();
        eventLog.clear();
    }

    void createdRunsWithEveryControlInPlaceBeforeTheWindowIsShown() {
        const WindowDescription* descriptions[] = {&observed_.description};
        LoadDescriptions(descriptions, kLoggingHandlers);

        LoadStartWindow(mw::kId);

        const QStringList expected{
            "created hidden 编辑框3=http://vellaro.cert/ssl 按钮2=复制网址 按钮1=复制地址 "
            "编辑框2=8888 编辑框1=",
            "window event 3", "window event 4"};
        QCOMPARE(eventLog, expected);
    }

    void theMainWindowIsShownWithItsSettings() {
        LoadDescriptions(ProgramDescriptions(), ProgramHandlers());
        LoadStartWindow(mw::kId);
        ShellWindow* window = ShellWindow::Find(mw::kId);
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(window));

        QCOMPARE(window->windowTitle(), QStringLiteral("Vellaro助手"));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
        // No window manager tells a frame here, so the client area is given the
        // whole outer size; the real frame is measured on an X server.
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->geometry(),
                 CentredOuterRect({209, 109}, QGuiApplication::primaryScreen()->geometry()));
    }

    void theControlsAreAtTheirPlacesWithTheirTextsAndStacking_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("编辑框1") << "编辑框1" << QRect(8, 8, 88, 32) << "";
        QTest::newRow("编辑框2") << "编辑框2" << QRect(95, 8, 41, 32) << "8888";
        QTest::newRow("按钮1") << "按钮1" << QRect(136, 8, 56, 32) << "复制地址";
        QTest::newRow("编辑框3") << "编辑框3" << QRect(8, 44, 128, 32) << "http://vellaro.cert/ssl";
        QTest::newRow("按钮2") << "按钮2" << QRect(136, 44, 56, 32) << "复制网址";
    }

    void theControlsAreAtTheirPlacesWithTheirTextsAndStacking() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        // The lookup is not part of this test: 编辑框1 keeps its initial text.
        const WindowDescription* descriptions[] = {&observed_.description};
        LoadDescriptions(descriptions, kLoggingHandlers);
        LoadStartWindow(mw::kId);
        const ShellWindow* window = ShellWindow::Find(mw::kId);

        const QWidget* control = window->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), place);
        QVERIFY(!control->isHidden());
        if (const auto* box = qobject_cast<const EditBox*>(control)) {
            QCOMPARE(box->textLine()->text(), text);
            QCOMPARE(box->textLine()->cursorPosition(), 0);
            QVERIFY(!box->textLine()->hasSelectedText());
            QCOMPARE(box->textLine()->maxLength(), INT_MAX);
        } else {
            const auto* button = qobject_cast<const QPushButton*>(control);
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }

        // Children are painted in order: the last is on top.
        QStringList bottomToTop;
        for (const QObject* child : window->children()) {
            if (child->isWidgetType()) {
                bottomToTop << child->objectName();
            }
        }
        QCOMPARE(bottomToTop, QStringList({"编辑框1", "编辑框2", "按钮1", "按钮2", "编辑框3"}));
    }

    void theFocusStartsInTheFirstBoxWithTheCaretAtTheStart() {
        LoadDescriptions(ProgramDescriptions(), ProgramHandlers());
        LoadStartWindow(mw::kId);
        ShellWindow* window = ShellWindow::Find(mw::kId);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QLineEdit* first = window->FindEditBox(mw::kEditBox1)->textLine();
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->cursorPosition(), 0);
        QVERIFY(!first->hasSelectedText());
    }

    void closingDestroysTheWindowWithoutAQuestion() {
        const WindowDescription* descriptions[] = {&observed_.description};
        LoadDescriptions(descriptions, kLoggingHandlers);
        LoadStartWindow(mw::kId);
        eventLog.clear();

        QVERIFY(ShellWindow::Find(mw::kId)->close());
        QTRY_VERIFY(ShellWindow::Find(mw::kId) == nullptr);
        QCOMPARE(eventLog, QStringList({"window event 12", "window event 1", "window event 2"}));
    }

    void theFatalErrorBoxHasItsTitleTheStopIconAndOnlyOk() {
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->buttons();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        ShowFatalErrorBox("运行时出错!\r\n\r\n错误信息：分配 20 字节内存失败!\r\n\r\n0, 0\r\n");
        QCOMPARE(title, QStringLiteral("错误"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(text, QStringLiteral("运行时出错!\n\n错误信息：分配 20 字节内存失败!\n\n0, 0\n"));
    }
};

}  // namespace vh

QTEST_MAIN(vh::TestConstruction)
#include "construction_test.moc"
