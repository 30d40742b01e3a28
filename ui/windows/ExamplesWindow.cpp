#include "ui/windows/ExamplesWindow.h"

#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"
#include "ui/resources/SkinPictures.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int ColumnWidth = 919;

} // namespace

ExamplesWindow::ExamplesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFrmDemo"));
    setGeometry(18, 125, 956, 566);
    setFont(SongTi(15));
    setWindowTitle(tr("QuilloTintra使用实例"));
    SetBackground(this, WindowColor);

    auto* layout = new DockLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->verticalScrollBar()->setAccessibleName(tr("上下滚动"));
    scroll->horizontalScrollBar()->setAccessibleName(tr("左右滚动"));
    layout->addWidget(scroll, DockLayout::Client);

    auto* column = new QWidget;
    SetBackground(column, WindowColor);
    int top = 0;
    auto text = [&](const char* name, const QString& words) {
        auto* label = new QLabel(words, column);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        label->setGeometry(0, top, ColumnWidth, 30);
        top += 30;
        return label;
    };
    auto picture = [&](const char* controlName, const char* name) {
        auto* image = new ImageControl(column);
        image->setObjectName(QString::fromLatin1(controlName));
        image->setGeometry(0, top, ColumnWidth, 703);
        image->LoadJpegResource(QString::fromLatin1(name), QStringLiteral("jpg"));
        top += 703;
        return image;
    };
    text("Label1",
         tr("1、如果你选择了『剪贴颜色数值』，当选择颜色列表的一个颜色后， "
            "可直接打开一个文本编辑器，用点击鼠标右键，在弹出框选择粘贴颜色数值（或用快捷键Ctrl+V）； "));
    top += 6;
    picture("Image1", "DEMO1")->setAccessibleName(tr("示例：把颜色数值粘贴到文本编辑器"));
    top += 9;
    text("Label3",
         tr("2、如果你选择了『剪贴颜色样图』，当选择颜色列表的一个颜色后，"
            "可直接打开画图或PhotoShop等工具，点击鼠标右键，在弹出框选择粘贴颜色样图（或用快捷键Ctrl+V）；"));
    top += 7;
    picture("Image2", "DEMO2")->setAccessibleName(tr("示例：把颜色样图粘贴到画图工具"));
    top += 9;
    text("Label2",
         tr("3、鼠标单击可选框『开始取色』，软件将继续取色。QuilloTintra1.1还新增了按钮『复制颜色』，"
            "在调整调色板后，单击按钮『复制颜色』，可把调整颜色放入剪贴板。"));
    top += 9;
    column->resize(ColumnWidth, top);
    scroll->setWidget(column);
}
