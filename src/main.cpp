#include "form/WidgetMessages.h"
#include "form/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));

    tarnwick::WidgetMessages messages;
    tarnwick::frmMain window(messages, QCoreApplication::applicationDirPath());
    messages.setOwner(&window);
    window.show();
    return app.exec();
}
