#include "ui/resources/Skin.h"

#include "ui/picker/ImageControl.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/TFrmScreenColor.h"
#include "ui/resources/SkinPictures.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"

#include <QListWidget>

void LoadSkin(TFrmScreenColor& window) {
    RunGuarded([&window] {
        window.setWindowTitle(QString::fromStdString(ProductShortName + ProgramVersionText()));

        for (auto [button, name] : {std::pair{window.BtnCopyColor, "BtnCopyColor"},
                                    {window.BtnAddColorFav, "BtnAddColorFav"},
                                    {window.BtnOtherFun, "BtnOtherFun"},
                                    {window.BtnSCHelpDoc, "BtnSCHelpDoc"},
                                    {window.BtnSCExit, "BtnSCExit"}})
            button->LoadGlyph(QString::fromLatin1(name));

        const QString jpg = QStringLiteral("jpg");
        for (auto [image, name] : {std::pair{window.Image48, "banner"},
                                   {window.ImgTiaosheBoard, "ImgTiaosheBoard"},
                                   {window.ImgZoomBG, "ImgZoomBG"},
                                   {window.ImgColorFavList, "ImgColorFavList"},
                                   {window.ImgCurColorVal, "ImgCurColorVal"},
                                   {window.ImgColorList, "ImgColorList"}})
            LoadJpegResource(image, QString::fromLatin1(name), jpg);

        window.LbPasteType->clear();
        window.LbPasteType->addItem(QString::fromStdString(MsgPasteValue));
        window.LbPasteType->addItem(QString::fromStdString(MsgPasteSample));

        window.BtnCopyColor->setToolTip(QString::fromStdString(MsgCopyColor));
        window.BtnAddColorFav->setToolTip(QString::fromStdString(MsgAddToFavourites));
    });
}
