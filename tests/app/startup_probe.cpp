// Measures the window's start-up: builds the same window the program
// shows, and prints the milliseconds from entering main() to the end of the
// first paint event, then quits. Run it on the display to measure, e.g.
//   /usr/bin/time -v build/<name>/tests/app/cellaro-startup-probe

#include "window/form1.h"
#include "window/identity.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(cellaro::kProductName));
    const qint64 toolkitReady = sinceMain.elapsed();

    cellaro::Form1 form;
    bool painted = false;
    QObject::connect(&form, &cellaro::Form1::surfacePainted, [&] {
        if (painted)
            return;
        painted = true;
        QTextStream(stdout) << "toolkit ready " << toolkitReady << " ms, first paint "
                            << sinceMain.elapsed() << " ms after main()\n";
        QTimer::singleShot(0, &application, &QApplication::quit);
    });
    form.show();
    return application.exec();
}
