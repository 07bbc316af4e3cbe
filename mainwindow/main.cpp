#include <QApplication>

#include "form1.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    kestro::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTRO"));
    fonts.wait();
    kestro::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
