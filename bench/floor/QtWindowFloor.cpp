// The least a Qt Widgets window of the program's kind holds, the yardstick of the program's own memory:
// a line of Chinese text, an editable box of the six formats and two lists of colours with their scroll
// bars, shown until ended. What it allocates is Qt's, its libraries' and the fonts', none the program's.
//   tintra_qt_floor [seconds]   (until ended by default)
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QString::fromUtf8("当前颜色值 放大 2 倍 x=960 y=540")));
    auto* formats = new QComboBox;
    formats->setEditable(true);
    for (const char* name : {"RGB", "HEX", "HSL", "HSV", "CMYK", "Delphi"})
        formats->addItem(QString::fromLatin1(name));
    layout->addWidget(formats);
    for (const int rows : {60, 10}) {
        auto* list = new QListWidget;
        for (int row = 0; row < rows; ++row)
            list->addItem(QStringLiteral("#%1").arg(row * 0x2A5F3, 6, 16, QLatin1Char('0')));
        layout->addWidget(list);
    }
    window.resize(478, 600);
    window.show();
    if (argc > 1)
        QTimer::singleShot(std::chrono::milliseconds(long(std::atof(argv[1]) * 1000)), &application,
                           &QApplication::quit);
    return QApplication::exec();
}
