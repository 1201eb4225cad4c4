#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

// No logic on purpose: whatever prjBazelot costs beyond this window is its own.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Language"))->addAction(QStringLiteral("&Russian"));
    window.menuBar()->addAction(QStringLiteral("&About"));

    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    grid->addWidget(new QLineEdit(central), 0, 0, 1, 2);
    const char* captions[] = {"&Decimal", "&Binary", "&Octa", "&Hexadecimal"};
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox(group == 0 ? QStringLiteral("Input") : QStringLiteral("Output"), central);
        auto* column = new QVBoxLayout(box);
        for (const char* caption : captions)
            column->addWidget(new QRadioButton(QString::fromLatin1(caption), box));
        grid->addWidget(box, 1, group);
    }
    grid->addWidget(new QPushButton(QStringLiteral("&Calculate"), central), 2, 0);
    grid->addWidget(new QPushButton(QStringLiteral("E&xit"), central), 2, 1);
    window.setCentralWidget(central);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready"), window.statusBar()), 1);

    window.show();
    return application.exec();
}
