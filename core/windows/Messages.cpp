#include "core/windows/Messages.h"

#include "core/Guard.h"
#include "core/windows/SiteAddress.h"

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
    default:
        MsgAbout = "关于";
        break;
    }
}

void FillProgramMessages() {
    const std::string site = MakerSiteAddress;
    SiteAddress = site + "sc/";
    HelpPageAddress = site + "demo/sc/";
    ProductShortName = "Tintra";

    MsgCopyColor = "复制颜色";
    MsgAddToFavourites = "加颜色到收藏夹";
    MsgValueCopied = "颜色值(%s)已放入剪贴板，打开任何文本编辑工具，鼠标右键后，可选择粘贴颜色数值";
    MsgSampleCopied = "颜色样图(%s)已放入剪贴板，打开任何图像工具，鼠标右键后，可选择粘贴颜色样图";
    MsgPasteValue = "剪贴颜色数值";
    MsgPasteSample = "剪贴颜色样图";
    MsgZoomHint1 = "小提示：只有当鼠标移动";
    MsgZoomHint2 = "到%s窗体以外";
    MsgZoomHint3 = "此放大镜才有效。";
    MsgCursorPosition = "当前位置x=%d,y=%d";
    MsgRandomColors = "随机颜色";
    MsgRandomPickHint = "鼠标点击下面任一颜色，可取色并退回主窗体";
    MsgCannotRead = "无法读取%s（%s），文件保持原样";
    MsgCannotSave = "无法保存%s（%s），文件保持原样";
    MsgCannotOpenList = "无法打开%s（%s），颜色列表保持原样";
    MsgScreenUnreadable = "此处无法读取屏幕上的颜色";
    MsgPickModeHowTo = "点击“开始取色”后移动鼠标：单击取色，右击或Esc退出，滚轮缩放";
    MsgOneShotHowTo = "点击“开始取色”，用桌面的取色工具选定一个颜色";
    MsgNoScreenAccess = "此桌面不允许本程序读取屏幕上的颜色";
    MsgNoCaptureOffered = "桌面没有提供读取屏幕的接口";
    MsgMoveToPick = "移动鼠标取色：单击选定，右击或Esc退出，滚轮或+/-缩放";
    MsgCannotOpenLink = "桌面没有能打开%s的程序";
    MsgNoPointerAim = "此桌面不让程序移动鼠标，请用鼠标对准";
}

void InitMessages() {
    RunGuarded([] {
        SelectLanguage(0);
        FillProgramMessages();
    });
}
