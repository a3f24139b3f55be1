// The keyboard and the mouse on the window: the focus cycle, the window's own
// keys, and the edit boxes' text line.

#include "app/shell.h"
#include "ui/caption_button.h"
#include "ui/control_text.h"
#include "ui/edit_box.h"
#include "ui/main_window_description.h"
#include "ui/shell_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <vector>

namespace vh {
namespace {

namespace mw = main_window;

int addressCopies = 0;
int urlCopies = 0;

void DoNothing() {}
void CountAddressCopy() { ++addressCopies; }
void CountUrlCopy() { ++urlCopies; }

const NamedHandler kCountingHandlers[] = {
    {"HandleWindowCreated", &DoNothing},
    {"HandleCopyAddressClick", &CountAddressCopy},
    {"HandleCopyUrlClick", &CountUrlCopy},
};

// Keys written as "Tab", "S-Tab" (Shift), "C-Escape" (Ctrl), "A-x" (Alt).
void Press(const QString& keys) {
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        QString name = key;
        while (name.size() > 2 && name[1] == '-') {
            modifiers |= name[0] == 'S'   ? Qt::ShiftModifier
                         : name[0] == 'C' ? Qt::ControlModifier
                                          : Qt::AltModifier;
            name = name.mid(2);
        }
        const QKeySequence sequence(name);
        Qt::Key code = sequence[0].key();
        if (code == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier)) {
            code = Qt::Key_Backtab;
        }
        QTest::keyClick(static_cast<QWidget*>(nullptr), code, modifiers);
    }
}

// The control that the focused widget belongs to, by its description name.
QString FocusedControl() {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        return "none";
    }
    if (qobject_cast<TextLine*>(focused) != nullptr) {
        focused = focused->parentWidget();
    }
    return focused->objectName();
}

// A description of the tests' own: one box built too low for its font, one
// hidden box, one disabled button and focus-order numbers that are not all
// equal.
constexpr Flags kStop{.visible = true, .disabled = false, .focusStop = true};
constexpr EditBoxSettings kBox{"text", {0, 0, 0}, {255, 255, 255}};
constexpr Entry kOddControls[] = {
    {ControlKind::EditBox, "low", 81, {8, 8, 80, 5}, kStop, 0, "", kBox, {}},
    {ControlKind::EditBox, "hidden", 82, {8, 40, 80, 30}, {false, false, true}, 0, "", kBox, {}},
    {ControlKind::Button,
     "disabled",
     83,
     {100, 8, 50, 30},
     {true, true, true},
     0,
     "",
     ButtonSettings{"x"},
     {}},
    {ControlKind::Button, "second", 84, {100, 40, 50, 30}, kStop, 1, "", ButtonSettings{"y"}, {}},
    {ControlKind::EditBox, "first", 85, {8, 80, 80, 32}, kStop, -1, "", kBox, {}},
    {ControlKind::Button,
     "not a stop",
     86,
     {100, 80, 50, 30},
     {true, false, false},
     0,
     "",
     ButtonSettings{"z"},
     {}},
};
constexpr WindowDescription kOddWindow{
    4242,
    {ControlKind::Window,
     "",
     4243,
     {0, 0, 200, 150},
     {true, false, false},
     0,
     "",
     WindowSettings{"odd", true},
     {}},
    kOddControls,
};

int CountInk(const QImage& image, int row, const QRect& columns) {
    int ink = 0;
    for (int x = columns.left(); x <= columns.right(); ++x) {
        ink += qGray(image.pixel(x, row)) < 160 ? 1 : 0;
    }
    return ink;
}

// The rows of `area` that hold dark pixels, as a span from first to last.
QPair<int, int> InkRows(const QImage& image, const QRect& area) {
    int first = -1;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (CountInk(image, y, area) > 0) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    ShellWindow* window_ = nullptr;

    QLineEdit* Line(ControlId box) const { return window_->FindEditBox(box)->textLine(); }

    void Open(const WindowDescription& description, std::span<const NamedHandler> handlers) {
        const WindowDescription* descriptions[] = {&description};
        LoadDescriptions(descriptions, handlers);
        LoadStartWindow(description.id);
        window_ = ShellWindow::Find(description.id);
        QVERIFY(window_ != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }

private slots:
    void init() {
        addressCopies = 0;
        urlCopies = 0;
        Open(mw::Description(), kCountingHandlers);
    }

    void cleanup() {
        ShellWindow::DestroyAll();
        UnloadDescriptions();
    }

    void keysMoveTheFocusAlongTheCycle_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focused");
        QTest::newRow("at start") << ""
                                  << "编辑框1";
        QTest::newRow("Tab") << "Tab"
                             << "编辑框2";
        QTest::newRow("Tab x2") << "Tab Tab"
                                << "按钮1";
        QTest::newRow("Tab x3") << "Tab Tab Tab"
                                << "按钮2";
        QTest::newRow("Tab x4") << "Tab Tab Tab Tab"
                                << "编辑框3";
        QTest::newRow("Tab x5 wraps") << "Tab Tab Tab Tab Tab"
                                      << "编辑框1";
        QTest::newRow("Shift+Tab wraps") << "S-Tab"
                                         << "编辑框3";
        QTest::newRow("Shift+Tab x2") << "S-Tab S-Tab"
                                      << "按钮2";
        QTest::newRow("there and back") << "Tab Tab S-Tab"
                                        << "编辑框2";
        QTest::newRow("Ctrl+Tab stays") << "C-Tab"
                                        << "编辑框1";
        QTest::newRow("Enter stays in a box") << "Tab Return"
                                              << "编辑框2";
        QTest::newRow("Enter stays on a button") << "Tab Tab Return Enter"
                                                 << "按钮1";
        QTest::newRow("arrows stay on a button") << "Tab Tab Right Down Left Up"
                                                 << "按钮1";
        QTest::newRow("F1 and Alt+letter do nothing") << "Tab F1 A-c A-1"
                                                      << "编辑框2";
    }

    void keysMoveTheFocusAlongTheCycle() {
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        Press(keys);
        QCOMPARE(FocusedControl(), focused);
        QVERIFY(window_->isVisible());
        QCOMPARE(addressCopies + urlCopies, 0);
    }

    void theCycleFollowsTheDescriptionsNumbersAndFlags() {
        cleanup();
        Open(kOddWindow, {});
        QCOMPARE(FocusedControl(), QStringLiteral("first"));
        Press("Tab");
        QCOMPARE(FocusedControl(), QStringLiteral("low"));
        Press("Tab");
        QCOMPARE(FocusedControl(), QStringLiteral("second"));
        Press("Tab");
        QCOMPARE(FocusedControl(), QStringLiteral("first"));
        Press("S-Tab");
        QCOMPARE(FocusedControl(), QStringLiteral("second"));
    }

    void movingTheFocusKeepsCaretAndSelectionAndHidesTheSelectionMeanwhile_data() {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::newRow("selected forwards") << 2 << 7;
        QTest::newRow("selected backwards") << 7 << 2;
        QTest::newRow("caret only") << 5 << 5;
    }

    void movingTheFocusKeepsCaretAndSelectionAndHidesTheSelectionMeanwhile() {
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QLineEdit* address = Line(mw::kEditBox1);
        QLineEdit* port = Line(mw::kEditBox2);
        address->setText("192.168.1.20");
        address->setSelection(anchor, caret - anchor);
        port->setCursorPosition(2);
        const QString selected = address->selectedText();

        Press("Tab");
        QCOMPARE(port->cursorPosition(), 2);
        QVERIFY(!port->hasSelectedText());
        QVERIFY(!address->hasSelectedText());

        Press("S-Tab");
        QCOMPARE(address->selectedText(), selected);
        QCOMPARE(address->cursorPosition(), caret);

        Press("Tab Tab Tab Tab Tab");
        QCOMPARE(FocusedControl(), QStringLiteral("编辑框1"));
        QCOMPARE(address->selectedText(), selected);
        QCOMPARE(address->cursorPosition(), caret);
    }

    void aWriteWhileTheBoxHasNoFocusLeavesTheCaretAtTheStartAndNothingSelected() {
        Line(mw::kEditBox1)->setText("192.168.1.20");
        Line(mw::kEditBox1)->setSelection(2, 5);
        Press("Tab");
        WriteControlText(mw::kId, mw::kEditBox1, "10.0.0.5");
        Press("S-Tab");
        QVERIFY(!Line(mw::kEditBox1)->hasSelectedText());
        QCOMPARE(Line(mw::kEditBox1)->cursorPosition(), 0);
    }

    void escClosesFromEveryControlButNotWithShiftOrCtrl_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc in 编辑框1") << "Escape" << true;
        QTest::newRow("Esc in 编辑框2") << "Tab Escape" << true;
        QTest::newRow("Esc on 按钮1") << "Tab Tab Escape" << true;
        QTest::newRow("Esc on 按钮2") << "S-Tab S-Tab Escape" << true;
        QTest::newRow("Esc in 编辑框3") << "S-Tab Escape" << true;
        QTest::newRow("Shift+Esc") << "S-Escape" << false;
        QTest::newRow("Ctrl+Esc") << "C-Escape" << false;
        QTest::newRow("Alt+Esc") << "A-Escape" << false;
    }

    void escClosesFromEveryControlButNotWithShiftOrCtrl() {
        QFETCH(QString, keys);
        QFETCH(bool, closes);
        Press(keys);
        if (closes) {
            QTRY_VERIFY(ShellWindow::Find(mw::kId) == nullptr);
        } else {
            QCoreApplication::processEvents();
            QVERIFY(ShellWindow::Find(mw::kId) != nullptr);
            QVERIFY(window_->isVisible());
        }
    }

    void spacePressesTheFocusedButtonAndEnterDoesNot() {
        Press("Tab Tab Return Enter");
        QCOMPARE(addressCopies, 0);
        Press("Space");
        QCOMPARE(addressCopies, 1);
        Press("Tab Space Space");
        QCOMPARE(urlCopies, 2);
        QCOMPARE(FocusedControl(), QStringLiteral("按钮2"));
    }

    void theFocusComesBackToTheControlThatHadIt() {
        Press("Tab");
        Line(mw::kEditBox2)->setSelection(1, 2);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!window_->isActiveWindow());
        QVERIFY(!Line(mw::kEditBox2)->hasSelectedText());
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QCOMPARE(FocusedControl(), QStringLiteral("编辑框2"));
        QCOMPARE(Line(mw::kEditBox2)->selectedText(), QStringLiteral("88"));
    }

    void theTextLineIsCentredWithWhiteBandsAndABorderAround_data() {
        QTest::addColumn<quint32>("box");
        QTest::newRow("编辑框1") << mw::kEditBox1;
        QTest::newRow("编辑框2") << mw::kEditBox2;
        QTest::newRow("编辑框3") << mw::kEditBox3;
    }

    void theTextLineIsCentredWithWhiteBandsAndABorderAround() {
        QFETCH(quint32, box);
        EditBox* editBox = window_->FindEditBox(box);
        const int lineHeight = QFontMetrics(editBox->font()).height();
        QCOMPARE(editBox->height(), 32);
        const QRect line = editBox->textLine()->geometry();
        QCOMPARE(line.height(), lineHeight);
        QCOMPARE(line.left(), 1);
        QCOMPARE(line.width(), editBox->width() - 2);
        // Centred in the 30 inner pixels; an odd difference leaves the extra
        // pixel below.
        const int above = line.top() - 1;
        const int below = 30 - lineHeight - above;
        QCOMPARE(above, (30 - lineHeight) / 2);
        QVERIFY(below == above || below == above + 1);

        const QImage image = editBox->grab().toImage();
        const QColor white(255, 255, 255);
        for (int y : {1, line.top() - 1, line.bottom() + 1, 30}) {
            QCOMPARE(image.pixelColor(editBox->width() / 2, y), white);
        }
        QCOMPARE(image.pixelColor(0, 16), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(editBox->width() - 1, 16), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(editBox->width() / 2, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(editBox->width() / 2, 31), QColor(0, 0, 0));
    }

    void onlyTheSecondBoxsBorderShowsBetweenTheFirstTwo() {
        const QImage image = window_->grab().toImage();
        // Column 95 is 编辑框2's left border; column 94 belongs to 编辑框1's field.
        QCOMPARE(image.pixelColor(95, 24), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(94, 12), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(96, 12), QColor(255, 255, 255));
    }

    void aPressInABandNeitherFocusesTheBoxNorMovesItsCaret_data() {
        QTest::addColumn<quint32>("box");
        QTest::addColumn<bool>("top");
        QTest::newRow("top band of 编辑框3") << mw::kEditBox3 << true;
        QTest::newRow("bottom band of 编辑框2") << mw::kEditBox2 << false;
        QTest::newRow("bottom band of 编辑框1") << mw::kEditBox1 << false;
    }

    void aPressInABandNeitherFocusesTheBoxNorMovesItsCaret() {
        QFETCH(quint32, box);
        QFETCH(bool, top);
        Press("Tab Tab");  // the focus on 按钮1
        EditBox* editBox = window_->FindEditBox(box);
        const int caret = editBox->textLine()->cursorPosition();
        const QPoint inBand(editBox->width() / 2, top ? 3 : editBox->height() - 3);
        QVERIFY(editBox->childAt(inBand) == nullptr);
        QTest::mouseClick(editBox, Qt::LeftButton, {}, inBand);
        QCOMPARE(FocusedControl(), QStringLiteral("按钮1"));
        QCOMPARE(editBox->textLine()->cursorPosition(), caret);

        // The text line itself takes the click.
        QTest::mouseClick(editBox->textLine(), Qt::LeftButton, {},
                          editBox->textLine()->rect().center());
        QCOMPARE(FocusedControl(), editBox->objectName());
    }

    void aBoxLowerThanOneLineIsRaisedKeepingItsWidth() {
        cleanup();
        Open(kOddWindow, {});
        const auto* low = window_->findChild<EditBox*>("low");
        QCOMPARE(low->height(), EditBox::MinimumHeight(low->font()));
        QCOMPARE(low->width(), 80);
        QCOMPARE(window_->findChild<EditBox*>("first")->height(), 32);
    }

    void captionsAreCentredAndWrapBetweenCharactersWhenTooWide() {
        auto* button = window_->findChild<QPushButton*>("按钮1");
        const QRect area(4, 2, button->width() - 8, button->height() - 4);
        const QFontMetrics metrics(button->font());

        const QPair<int, int> oneLine = InkRows(button->grab().toImage(), area);
        QVERIFY(oneLine.first >= 0);
        QVERIFY(oneLine.second - oneLine.first < metrics.height());
        QVERIFY(qAbs((oneLine.first + oneLine.second) / 2 - button->height() / 2) <= 2);

        QFont large = button->font();
        large.setPixelSize(20);
        button->setFont(large);
        const QPair<int, int> wrapped = InkRows(button->grab().toImage(), area);
        // "复制地址" at 20 pixels needs about 80 pixels: it wraps onto two lines.
        QVERIFY2(wrapped.second - wrapped.first > QFontMetrics(large).height(),
                 "the caption did not wrap");
        QVERIFY(qAbs((wrapped.first + wrapped.second) / 2 - button->height() / 2) <= 3);
    }
};

}  // namespace vh

QTEST_MAIN(vh::TestKeyboard)
#include "keyboard_test.moc"
