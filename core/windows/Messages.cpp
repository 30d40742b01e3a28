#include "core/windows/Messages.h"

#include "core/Guard.h"
#include "core/windows/SiteAddress.h"

#include <QCoreApplication>

namespace {

// The Chinese text is the source; the translator installed for the user's language gives its own.
std::string Translated(const char* source) {
    return QCoreApplication::translate("Messages", source).toStdString();
}

} // namespace

std::string ProductShortName;
std::string SiteAddress;
std::string HelpPageAddress;
std::string UpdateQueryV;
std::string MsgAbout;

std::string MsgCopyColor;
std::string MsgAddToFavourites;
std::string MsgValueCopied;
std::string MsgSampleCopied;
std::string MsgPasteValue;
std::string MsgPasteSample;
std::string MsgZoomHint1;
std::string MsgZoomHint2;
std::string MsgZoomHint3;
std::string MsgCursorPosition;
std::string MsgRandomColors;
std::string MsgRandomPickHint;
std::string MsgCannotRead;
std::string MsgCannotSave;
std::string MsgCannotOpenList;
std::string MsgScreenUnreadable;
std::string MsgPickModeHowTo;
std::string MsgOneShotHowTo;
std::string MsgNoScreenAccess;
std::string MsgNoCaptureOffered;
std::string MsgMoveToPick;
std::string MsgCannotOpenLink;
std::string MsgNoPointerAim;

void SelectLanguage(int language) {
    switch (language) {
    case 1:
        MsgAbout = "關於";
        break;
    case 2:
        MsgAbout = "About";
        break;
    default: // the program's own language, as the translator installed says
        MsgAbout = Translated(QT_TRANSLATE_NOOP("Messages", "关于"));
        break;
    }
}

void FillProgramMessages() {
    const std::string site = MakerSiteAddress;
    SiteAddress = site + "sc/";
    HelpPageAddress = site + "demo/sc/";
    ProductShortName = "Tintra";

    MsgCopyColor = Translated(QT_TRANSLATE_NOOP("Messages", "复制颜色"));
    MsgAddToFavourites = Translated(QT_TRANSLATE_NOOP("Messages", "加颜色到收藏夹"));
    MsgValueCopied = Translated(QT_TRANSLATE_NOOP(
        "Messages", "颜色值(%s)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值"));
    MsgSampleCopied = Translated(QT_TRANSLATE_NOOP(
        "Messages", "颜色样图(%s)已放入剪贴板，打开任何图像工具，鼠标右键后，可选择粘贴颜色样图"));
    MsgPasteValue = Translated(QT_TRANSLATE_NOOP("Messages", "剪贴颜色数值"));
    MsgPasteSample = Translated(QT_TRANSLATE_NOOP("Messages", "剪贴颜色样图"));
    MsgZoomHint1 = Translated(QT_TRANSLATE_NOOP("Messages", "小提示：只有当鼠标移动"));
    MsgZoomHint2 = Translated(QT_TRANSLATE_NOOP("Messages", "到%s窗体以外"));
    MsgZoomHint3 = Translated(QT_TRANSLATE_NOOP("Messages", "此放大镜才有效。"));
    MsgCursorPosition = Translated(QT_TRANSLATE_NOOP("Messages", "当前位置x=%d,y=%d"));
    MsgRandomColors = Translated(QT_TRANSLATE_NOOP("Messages", "随机颜色"));
    MsgRandomPickHint = Translated(QT_TRANSLATE_NOOP("Messages", "鼠标点击下面任一颜色，可取色并退回主窗体"));
    MsgCannotRead = Translated(QT_TRANSLATE_NOOP("Messages", "无法读取%s（%s），文件保持原样"));
    MsgCannotSave = Translated(QT_TRANSLATE_NOOP("Messages", "无法保存%s（%s），文件保持原样"));
    MsgCannotOpenList = Translated(QT_TRANSLATE_NOOP("Messages", "无法打开%s（%s），颜色列表保持原样"));
    MsgScreenUnreadable = Translated(QT_TRANSLATE_NOOP("Messages", "此处无法读取屏幕上的颜色"));
    MsgPickModeHowTo = Translated(
        QT_TRANSLATE_NOOP("Messages", "点击“开始取色”后移动鼠标：单击取色，右击或Esc退出，滚轮缩放"));
    MsgOneShotHowTo =
        Translated(QT_TRANSLATE_NOOP("Messages", "点击“开始取色”，用桌面的取色工具选定一个颜色"));
    MsgNoScreenAccess = Translated(QT_TRANSLATE_NOOP("Messages", "此桌面不允许本程序读取屏幕上的颜色"));
    MsgNoCaptureOffered = Translated(QT_TRANSLATE_NOOP("Messages", "桌面没有提供读取屏幕的接口"));
    MsgMoveToPick =
        Translated(QT_TRANSLATE_NOOP("Messages", "移动鼠标取色：单击选定，右击或Esc退出，滚轮或+/-缩放"));
    MsgCannotOpenLink = Translated(QT_TRANSLATE_NOOP("Messages", "桌面没有能打开%s的程序"));
    MsgNoPointerAim = Translated(QT_TRANSLATE_NOOP("Messages", "此桌面不让程序移动鼠标，请用鼠标对准"));
}

void InitMessages() {
    RunGuarded([] {
        SelectLanguage(0);
        FillProgramMessages();
    });
}
