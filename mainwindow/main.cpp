#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTRO"));
    kestro::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
