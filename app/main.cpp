#include "app/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Form1 form(systemAdapters());
    form.show();
    return application.exec();
}
