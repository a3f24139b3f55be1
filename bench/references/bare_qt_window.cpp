// The toolkit's floor: the same window and five widgets, with no logic.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Vellaro助手"));
    window.setFixedSize(209, 109);
    (new QLineEdit(&window))->setGeometry(8, 8, 88, 32);
    (new QLineEdit(QStringLiteral("8888"), &window))->setGeometry(95, 8, 41, 32);
    (new QPushButton(QStringLiteral("复制地址"), &window))->setGeometry(136, 8, 56, 32);
    (new QLineEdit(QStringLiteral("http://vellaro.cert/ssl"), &window))
        ->setGeometry(8, 44, 128, 32);
    (new QPushButton(QStringLiteral("复制网址"), &window))->setGeometry(136, 44, 56, 32);
    window.show();
    return application.exec();
}
