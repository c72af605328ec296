#include "savings_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("savecalc"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quendrel.savecalc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/savings/savecalc.ico")));
    const auto window = savings::createWindow();
    window->show();
    return QApplication::exec();
}
