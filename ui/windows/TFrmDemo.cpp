#include "ui/windows/TFrmDemo.h"

#include "ui/picker/DockLayout.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/WindowColours.h"
#include "ui/picker/WindowFonts.h"
#include "ui/resources/SkinPictures.h"

#include <QLabel>
#include <QScrollArea>

namespace {

constexpr int ColumnWidth = 919;

} // namespace

TFrmDemo::TFrmDemo(QWidget* parent) : QWidget(parent, Qt::Window) {
    setGeometry(18, 125, 956, 566);
    setFont(SongTi(15));
    setWindowTitle(QStringLiteral("QuilloTintra使用实例"));
    SetBackground(this, WindowColour);

    auto* layout = new DockLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    layout->addWidget(ScrollBox1, DockLayout::Client);

    auto* column = new QWidget;
    SetBackground(column, WindowColour);
    int top = 0;
    auto text = [&](const char* words) {
        auto* label = new QLabel(QString::fromUtf8(words), column);
        label->setWordWrap(true);
        label->setGeometry(0, top, ColumnWidth, 30);
        top += 30;
        return label;
    };
    auto picture = [&](const char* name) {
        auto* image = new ImageControl(column);
        image->setGeometry(0, top, ColumnWidth, 703);
        LoadJpegResource(image, QString::fromLatin1(name), QStringLiteral("jpg"));
        top += 703;
        return image;
    };
    Label1 =
        text("1、如果你选择了『剪贴颜色数值』，当选择颜色列表的一个颜色后， "
             "可直接打开一个文本编辑器，用点击鼠标右键，在弹出框选择粘贴颜色数值（或用快捷键Ctrl+V）； ");
    top += 6;
    Image1 = picture("DEMO1");
    top += 9;
    Label3 =
        text("2、如果你选择了『剪贴颜色样图』，当选择颜色列表的一个颜色后，"
             "可直接打开画图或PhotoShop等工具，点击鼠标右键，在弹出框选择粘贴颜色样图（或用快捷键Ctrl+V）；");
    top += 7;
    Image2 = picture("DEMO2");
    top += 9;
    Label2 = text("3、鼠标单击可选框『开始取色』，软件将继续取色。QuilloTintra1.1还新增了按钮『复制颜色』，"
                  "在调整调色板后，单击按钮『复制颜色』，可把调整颜色放入剪贴板。");
    top += 9;
    column->resize(ColumnWidth, top);
    ScrollBox1->setWidget(column);
}
