#include "core/collections/FavouritesList.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourAdjuster.h"
#include "core/collections/ColourList.h"
#include "ui/collections/ColourListView.h"
#include "core/colour/CurrentColour.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/Platform.h"
#include "core/Guard.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>

FavouritesList::FavouritesList(TFrmScreenColor& window)
    : QObject(&window), window_(window), model_(new ColourList(window.Desktop().Colours(), this)) {
    window_.LbFavColor->setModel(model_);
    connect(window_.LbFavColor, &ColourListView::Click, this, &FavouritesList::LbFavColorClick);
    connect(window_.LbFavColor, &ColourListView::KeyDown, this, &FavouritesList::LbFavColorKeyDown);
    connect(window_.N2, &QAction::triggered, this, &FavouritesList::BtnClearColorFavClick);
    connect(window_.N7, &QAction::triggered, this, &FavouritesList::BtnClearColorFavClick);
    connect(window_.N3, &QAction::triggered, this, &FavouritesList::N3Click);
}

void FavouritesList::BtnAddColorFavClick() {
    RunGuarded(
        [this] { model_->InsertTop(window_.LblCurVal->text(), QString::number(window_.Current->Color())); });
}

void FavouritesList::LbFavColorClick() {
    RunGuarded([this] {
        window_.Picking->SwitchPickingOff();
        if (const auto value = model_->ValueText(window_.LbFavColor->FocusedRow()))
            window_.Current->ShowAsCurrentColorFromText(*value);
        else
            window_.Current->ShowAsCurrentColor(ColorWhite);
        window_.Clipboard->PaintCopySample();
        window_.Adjuster->SyncAdjusterBars();
        window_.Clipboard->CopyColorToClipboard();
    });
}

void FavouritesList::BtnClearColorFavClick() {
    RunGuarded([this] {
        QList<int> selected;
        for (const QModelIndex& index : window_.LbFavColor->selectionModel()->selectedIndexes())
            selected.append(index.row());
        model_->RemoveRows(selected);
    });
}

void FavouritesList::LbFavColorKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Delete) // whatever shift state; the list still sees the key
        BtnClearColorFavClick();
}

void FavouritesList::N3Click() {
    RunGuarded([this] { model_->Clear(); });
}
