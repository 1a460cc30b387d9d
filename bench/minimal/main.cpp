// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the benchmark: a minimal Qt 6 Widgets program, a main window with a menu
// bar, three buttons and a label, about the size of the logon dialog. It stores nothing.
// With --maximized it opens maximized, as the launcher and the board do, so that memory is
// compared with a window of the same size: each shown window keeps a back buffer of its size.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Exit"), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));

    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(new QLabel(QStringLiteral("Type your name and password to log on.")));
    auto *row = new QHBoxLayout;
    for (const char *text : { "OK", "Cancel", "Help" })
        row->addWidget(new QPushButton(QString::fromLatin1(text)));
    column->addLayout(row);
    window.setCentralWidget(central);
    window.resize(434, 160);
    bool maximized = false;
    for (int i = 1; i < argc; ++i)
        maximized = maximized || std::strcmp(argv[i], "--maximized") == 0;
    if (maximized)
        window.showMaximized();
    else
        window.show();
    return app.exec();
}
