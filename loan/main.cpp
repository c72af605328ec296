#include "loan_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("loancalc"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quendrel.loancalc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/loan/loancalc.ico")));
    const auto window = loan::createWindow();
    window->show();
    return QApplication::exec();
}
