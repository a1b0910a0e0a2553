#include "app/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvale"));
    QApplication::setOrganizationName(QStringLiteral("Corvale"));
    return Main(application);
}
