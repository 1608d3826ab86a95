// The rival of bench/startup.sh: a minimal Qt 6 Widgets window with a menu bar and a
// text box, shown as soon as it is made.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Window"));
    for (const char *title : {"&File", "&View", "&Options", "&Read", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&Open..."));
        menu->addAction(QStringLiteral("E&xit"));
    }
    window.setCentralWidget(new QPlainTextEdit(&window));
    window.resize(639, 604);
    window.show();
    return app.exec();
}
