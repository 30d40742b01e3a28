#include "ui/picker/ListsPanel.h"

#include "core/picker/ColorPicker.h"
#include "ui/collections/ColorListView.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/Named.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/SkinFrame.h"
#include "ui/picker/CurrentColorField.h"

#include <QAction>
#include <QMenu>

ListsPanel::ListsPanel(ColorPicker& picker, QWidget* parent) : QWidget(parent), picker_(picker) {
    setObjectName(QStringLiteral("Panel2"));
    auto* layout = new DockLayout(this);
    layout->addWidget(CreateValueRow(), DockLayout::Bottom, 34);

    // The history and favourites panels share one shape: header picture, border strips, list.
    struct Names {
        const char *Panel, *Header, *TopBorder, *BottomBorder, *LeftEdge, *RightEdge, *List;
    };
    auto listPanel = [&](ColorList& list, const Names& names, int headerHeight, ImageControl*& header,
                         ColorListView*& view) {
        QWidget* panel = NamedPanel(this, names.Panel);
        auto* panelLayout = new DockLayout(panel);
        header = Named(new ImageControl(panel), names.Header);
        panelLayout->addWidget(header, DockLayout::Top, headerHeight);
        panelLayout->addWidget(NamedPanel(panel, names.TopBorder), DockLayout::Top, 7);
        panelLayout->addWidget(NamedPanel(panel, names.BottomBorder), DockLayout::Bottom, 15);
        panelLayout->addWidget(Named(FramePicture(panel, "ListEdgeLeft"), names.LeftEdge), DockLayout::Left,
                               9);
        panelLayout->addWidget(Named(FramePicture(panel, "ListEdgeRight"), names.RightEdge),
                               DockLayout::Right, 7);
        view = Named(new ColorListView(list, panel), names.List);
        panelLayout->addWidget(view, DockLayout::Client);
        return panel;
    };
    layout->addWidget(listPanel(picker_.Favourites,
                                {"PnlFavColor", "ImgColorFavList", "Panel10", "Panel11", "ImgFavEdgeLeft",
                                 "ImgFavEdgeRight", "LbFavColor"},
                                22, favouritesHeader_, favouritesView_),
                      DockLayout::Right, 180);
    layout->addWidget(
        listPanel(picker_.History,
                  {"Panel5", "ImgColorList", "Panel1", "Panel7", "Image16", "Image7", "LbColors"}, 20,
                  historyHeader_, historyView_),
        DockLayout::Client);
    // Below its last row the favourites list shows the desktop's window colour, the history its own.
    QPalette historyPalette = historyView_->palette();
    historyPalette.setColor(QPalette::Base, ToQColor(WindowColor));
    historyView_->setPalette(historyPalette);
    historyView_->setAccessibleName(tr("颜色列表"));
    historyView_->setAccessibleDescription(tr("选中一行即停止取色并复制它的颜色；菜单键打开右键菜单"));
    favouritesView_->setAccessibleName(tr("颜色收藏列表"));
    favouritesView_->setAccessibleDescription(
        tr("选中一行即停止取色并复制它的颜色；Delete 键删除选中的颜色；菜单键打开右键菜单"));

    CreateMenus();
    Connect();
}

QWidget* ListsPanel::CreateValueRow() {
    QWidget* valueRow = NamedPanel(this, "Panel4");
    valueRowPicture_ = Named(new ImageControl(valueRow), "ImgCurColorVal");
    (new DockLayout(valueRow))->addWidget(valueRowPicture_, DockLayout::Client);
    auto* valueField = new CurrentColorField(picker_.Current, valueRow);
    valueField->setGeometry(101, 4, 340, 23);
    valueField->setAccessibleName(tr("当前颜色值"));
    // The picture fills the row from its corner: the field lies over the same place of it.
    valueRowPicture_->KeepDecoded(valueField->geometry());
    return valueRow;
}

void ListsPanel::CreateMenus() {
    historyMenu_ = Named(new QMenu(this), "pmColorList");
    Named(historyMenu_->addAction(tr("删除所有颜色")), "N4");

    favouritesMenu_ = Named(new QMenu(this), "PmFav");
    Named(favouritesMenu_->addAction(tr("删除收藏的颜色")), "N2");
    Named(favouritesMenu_->addAction(tr("删除所有收藏颜色")), "N3");
}

void ListsPanel::Connect() {
    ColorPicker& picker = picker_;
    connect(historyView_, &ColorListView::Chosen, &picker, &ColorPicker::LbColorsClick);
    connect(favouritesView_, &ColorListView::Chosen, &picker, &ColorPicker::LbFavColorClick);
    connect(favouritesView_, &ColorListView::KeyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Delete) // whatever the shift state; the list still sees the key
            RemoveSelectedFavourites();
    });
    connect(historyView_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { historyMenu_->popup(historyView_->viewport()->mapToGlobal(at)); });
    connect(favouritesView_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        favouritesMenu_->popup(favouritesView_->viewport()->mapToGlobal(at));
    });

    const auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    connect(action("N4"), &QAction::triggered, &picker, &ColorPicker::BtnClearAllColorClick);
    connect(action("N2"), &QAction::triggered, this, &ListsPanel::RemoveSelectedFavourites);
    connect(action("N3"), &QAction::triggered, &picker, &ColorPicker::ClearFavourites);
}

void ListsPanel::LoadSkin() {
    // The headers are painted with the window; the value row's picture also under the value field, each
    // time the value changes, from the part kept decoded there.
    for (auto [image, name] : {std::pair{favouritesHeader_, "ImgColorFavList"},
                               {historyHeader_, "ImgColorList"},
                               {valueRowPicture_, "ImgCurColorVal"}})
        image->ShowPictureResource(QString::fromLatin1(name), QStringLiteral("jpg"));
}

void ListsPanel::RemoveSelectedFavourites() {
    picker_.BtnClearColorFavClick(favouritesView_->SelectedRows());
}
