#include "fatal_error_box.h"

#include <QApplication>
#include <QMessageBox>

namespace vh {

void ShowFatalErrorBox(const std::string& report) {
    // Closing the main window meanwhile must not end the box's own loop: the
    // report stays until the user dismisses it.
    QApplication::setQuitOnLastWindowClosed(false);
    QString text = QString::fromStdString(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace vh
