#include "ui/picker/MainWindow.h"

#include "core/Guard.h"
#include "core/picker/ColorPicker.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"
#include "core/windows/SiteAddress.h"
#include "platform/Clipboard.h"
#include "platform/DesktopWindows.h"
#include "platform/GlobalHotkey.h"
#include "platform/Platform.h"
#include "ui/collections/AdjusterPanel.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/DockSplitter.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/Named.h"
#include "ui/controls/SkinFrame.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"
#include "ui/picker/ButtonColumn.h"
#include "ui/picker/HintLine.h"
#include "ui/picker/ListsPanel.h"
#include "ui/picker/MagnifierPanel.h"
#include "ui/resources/SkinPictures.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/ExamplesWindow.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/RandomColorWindow.h"
#include "ui/windows/WebBanner.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <tuple>

namespace {

constexpr ColorValue CentreColor = 16115930; // red 218, green 232, blue 245
constexpr ColorValue BannerColor = 4464672;  // red 32, green 32, blue 68

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    return Named(menu->addAction(caption), name);
}

} // namespace

MainWindow::MainWindow(ColorPicker& picker, Platform& platform, QWidget* parent)
    : QWidget(parent), picker_(picker), platform_(platform), listFiles_(picker, platform.Dialogs(), *this) {
    setObjectName(QStringLiteral("TFrmScreenColor"));
    setFont(SongTi(15));
    SetBackground(this, WindowColor);

    auto* root = new DockLayout(this);
    CreateFrame(root);
    root->addWidget(new HintLine(picker_, platform_.Direct(), this), DockLayout::Bottom, 36);

    QWidget* centre = NamedPanel(this, "SbCenter", CentreColor);
    root->addWidget(centre, DockLayout::Client);
    auto* centreLayout = new DockLayout(centre);
    // The label sits behind the button column, which hides it.
    Named(new QLabel(tr("当前颜色"), centre), "LbCurColor")->setGeometry(9, 121, 60, 15);
    centreLayout->addWidget(CreateBanner(centre), DockLayout::Top, 60);
    buttonColumn_ = new ButtonColumn(picker_, centre);
    centreLayout->addWidget(buttonColumn_, DockLayout::Left, 109);

    mainArea_ = Named(new QWidget(centre), "SbMain");
    centreLayout->addWidget(mainArea_, DockLayout::Client);
    auto* mainLayout = new DockLayout(mainArea_);
    QWidget* tools = CreateToolPanel(mainArea_);
    mainLayout->addWidget(tools, DockLayout::Bottom, 201);
    mainLayout->addWidget(Named(new DockSplitter(mainLayout, tools, mainArea_), "Splitter1"),
                          DockLayout::Bottom, 6);
    listsPanel_ = new ListsPanel(picker_, mainArea_);
    mainLayout->addWidget(listsPanel_, DockLayout::Client);

    CreateMenus();
    banner_ = std::make_unique<WebBanner>(*bannerPanel_, *bannerPicture_, *siteLink_, platform_, nullptr);
    Connect();
    SetTabOrder();
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateFrame(DockLayout* root) {
    const SkinFrame frame = SkinFrame::Add(this, root, {12, 11, 7, 13, 7, 13});
    const std::pair<QWidget*, const char*> names[] = {
        {frame.TopBand, "PnlTop"},       {frame.TopLeft, "Image4"},      {frame.TopMiddle, "ImgCenter"},
        {frame.TopRight, "ImgTopRight"}, {frame.BottomBand, "Panel12"},  {frame.BottomLeft, "Image24"},
        {frame.BottomMiddle, "Image25"}, {frame.BottomRight, "Image26"}, {frame.LeftEdge, "ImgLeft"},
        {frame.RightEdge, "ImgRight"}};
    for (auto [piece, name] : names)
        Named(piece, name);
}

QWidget* MainWindow::CreateBanner(QWidget* centre) {
    bannerPanel_ = NamedPanel(centre, "SbAvert", BannerColor);
    bannerPicture_ = Named(new ImageControl(bannerPanel_), "Image48");
    (new DockLayout(bannerPanel_))->addWidget(bannerPicture_, DockLayout::Client);

    siteLink_ =
        Named(new QLabel(QUrl(QString::fromLatin1(MakerSiteAddress)).host(), bannerPanel_), "LblQuilloURL");
    siteLink_->setGeometry(317, 36, 128, 20);
    QFont font(QStringLiteral("Book Antiqua"));
    font.setPixelSize(16);
    font.setUnderline(true);
    siteLink_->setFont(font);
    SetTextColor(siteLink_, Qt::white);
    siteLink_->raise();
    return bannerPanel_;
}

QWidget* MainWindow::CreateToolPanel(QWidget* mainArea) {
    QWidget* tools = NamedPanel(mainArea, "PnlTopPan");
    auto* layout = new DockLayout(tools);
    layout->setContentsMargins(1, 1, 1, 1);
    adjusterPanel_ = new AdjusterPanel(picker_.Adjuster, picker_.Clipboard, tools);
    layout->addWidget(adjusterPanel_, DockLayout::Client);
    magnifierPanel_ = new MagnifierPanel(picker_, platform_, WindowPlace(platform_.Windows(), *this), tools);
    layout->addWidget(magnifierPanel_, DockLayout::Client);
    return tools;
}

void MainWindow::CreateMenus() {
    otherFunctionsMenu_ = Named(new QMenu(this), "MnOtherFunButton");
    Item(otherFunctionsMenu_, "N5", tr("删除所有颜色"));
    Item(otherFunctionsMenu_, "N6", tr("打开颜色"));
    Item(otherFunctionsMenu_, "N7", tr("清除收藏"));
    Item(otherFunctionsMenu_, "N8", tr("颜色另存为"));
    Item(otherFunctionsMenu_, "N9", tr("随机取色"));
    Item(otherFunctionsMenu_, "N10", tr("关于"));
    Item(otherFunctionsMenu_, "MnCopyContrast", tr("复制对比度"));
    // What a pick reads: the pixel, or the mean of the square round it.
    QMenu* sampleMenu = Named(otherFunctionsMenu_->addMenu(tr("取色范围")), "MnSampleArea");
    sampleMenu->menuAction()->setObjectName(QStringLiteral("MnSampleArea"));
    auto* sampleSides = new QActionGroup(sampleMenu);
    for (const auto& [name, caption, side] : {std::tuple{"MnSamplePixel", QT_TR_NOOP("单个像素"), 1},
                                              std::tuple{"MnSample3", QT_TR_NOOP("3×3 像素的平均"), 3},
                                              std::tuple{"MnSample5", QT_TR_NOOP("5×5 像素的平均"), 5}}) {
        QAction* choice = Item(sampleMenu, name, tr(caption));
        choice->setCheckable(true);
        choice->setData(side);
        sampleSides->addAction(choice);
    }
    // Off until chosen: a combination that takes the colour under the pointer from any window.
    Named(otherFunctionsMenu_->addAction(QString()), "MnGlobalHotkey")->setCheckable(true);

    // The help menu, which the window definition attaches to nothing, opens on a right click on the
    // help button.
    helpMenu_ = Named(new QMenu(this), "PmHelp");
    Item(helpMenu_, "MnDemo", tr("使用实例"));
    Item(helpMenu_, "N1", tr("帮助文档"));
    Item(helpMenu_, "MnAboutUs", tr("关于"));
}

void MainWindow::Connect() {
    auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    ColorPicker& picker = picker_;

    connect(buttonColumn_, &ButtonColumn::OtherFunctionsClicked, this, &MainWindow::BtnOtherFunClick);
    connect(buttonColumn_, &ButtonColumn::HelpClicked, this, &MainWindow::BtnHelpClick);
    connect(buttonColumn_, &ButtonColumn::ExitClicked, this, &MainWindow::BtnSCExitClick);
    connect(buttonColumn_, &ButtonColumn::HelpMenuRequested, this,
            [this](QPoint at) { helpMenu_->popup(at); });

    connect(action("N5"), &QAction::triggered, &picker, &ColorPicker::BtnClearAllColorClick);
    connect(action("N7"), &QAction::triggered, listsPanel_, &ListsPanel::RemoveSelectedFavourites);
    connect(action("N6"), &QAction::triggered, this, [this] { listFiles_.BtnOpenColorClick(); });
    for (const char* name : {"MnSamplePixel", "MnSample3", "MnSample5"}) {
        QAction* choice = action(name);
        connect(choice, &QAction::triggered, &picker,
                [&picker, choice] { picker.SetSampleSide(choice->data().toInt()); });
    }
    const auto showSampleSide = [action, &picker] {
        for (const char* name : {"MnSamplePixel", "MnSample3", "MnSample5"})
            action(name)->setChecked(action(name)->data().toInt() == picker.SampleSide());
    };
    connect(&picker, &ColorPicker::SampleSideChanged, this, showSampleSide);
    showSampleSide();
    QAction* hotkey = action("MnGlobalHotkey");
    connect(hotkey, &QAction::triggered, &picker.Hotkey, &HotkeyChoice::SetOn);
    const auto showHotkey = [this, hotkey] {
        const HotkeyChoice& choice = picker_.Hotkey;
        const bool offered = platform_.Hotkey().Offered();
        hotkey->setEnabled(offered);
        hotkey->setChecked(offered && choice.On());
        if (!offered)
            hotkey->setText(tr("全局热键（此桌面不提供全局热键）"));
        else if (!choice.Problem().isEmpty())
            hotkey->setText(choice.Problem());
        else
            hotkey->setText(tr("全局热键 %1").arg(choice.Keys()));
    };
    connect(&picker.Hotkey, &HotkeyChoice::Changed, this, showHotkey);
    connect(&picker.Hotkey, &HotkeyChoice::ProblemChanged, this, showHotkey);
    connect(&platform_.Hotkey(), &GlobalHotkey::OfferedChanged, this, showHotkey);
    showHotkey();
    connect(action("N8"), &QAction::triggered, this, [this] { listFiles_.BtnSaveColorAsClick(); });
    connect(action("N9"), &QAction::triggered, this, &MainWindow::BtnRadomColorClick);
    for (const char* name : {"N10", "MnAboutUs"})
        connect(action(name), &QAction::triggered, this, &MainWindow::BtnAboutUsClick);
    connect(action("N1"), &QAction::triggered, this, &MainWindow::BtnHelpClick);
    connect(action("MnDemo"), &QAction::triggered, this, &MainWindow::MnDemoClick);

    // The value field's hint: the contrast with the focused favourite, whenever either changes.
    auto* valueField = findChild<QLineEdit*>(QStringLiteral("LblCurVal"));
    auto showContrast = [this, valueField] {
        RunGuarded([&] {
            const QString hint = picker_.ContrastHint();
            valueField->setToolTip(hint);
            valueField->setAccessibleDescription(hint);
        });
    };
    showContrast();
    connect(&picker, &ColorPicker::ContrastChanged, this, showContrast);
    connect(action("MnCopyContrast"), &QAction::triggered, &picker, &ColorPicker::CopyContrast);

    connect(&picker.Picking, &PickLoop::PickingChanged, this, &MainWindow::ShowPicking);
    connect(&picker.Picking, &PickLoop::WaitingForButton, this, &MainWindow::ShowPicking);
    connect(&picker, &ColorPicker::AlwaysOnTopChanged, this, &MainWindow::ShowAlwaysOnTop);
}

void MainWindow::SetTabOrder() {
    // Tab goes through the controls as they stand: the button column, the lists, the value field, then
    // the adjuster or the magnifier, whichever shows.
    const char* names[] = {"BtnColorPre",  "CbColorValType",
                           "LbPasteType",  "BtnStartGetColor",
                           "BtnCopyColor", "BtnAddColorFav",
                           "BtnOtherFun",  "BtnSCHelpDoc",
                           "BtnSCExit",    "BtnAlwaysOnTop",
                           "LbColors",     "LbFavColor",
                           "LblCurVal",    "SbR",
                           "SbG",          "SbB",
                           "BtnZoomout",   "BtnZoomIn",
                           "ImgZoom"};
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void MainWindow::FormCreate() {
    RunGuarded([this] {
        // Qt paints every widget through an off-screen buffer already, so there is no flicker to turn off.
        LoadSkin();
        buttonColumn_->ShowState();
        ShowAlwaysOnTop();
        // The window's outer corner goes to (20, 10), frame and title bar included, so both stay on
        // screen.
        platform_.Windows().Place(this, QRect(20, 10, 498, 600));
        layout()->activate();
    });
}

void MainWindow::LoadSkin() {
    RunGuarded([this] {
        setWindowTitle(QString::fromStdString(ProductShortName + ProgramVersionText()));

        buttonColumn_->LoadSkin();
        bannerPicture_->ShowPictureResource(QStringLiteral("banner"), QStringLiteral("jpg"));
        listsPanel_->LoadSkin();
    });
}

void MainWindow::ReportFileProblems(const QStringList& problems) {
    if (problems.isEmpty())
        return;
    // The hint line gives way to the pointer's position once picking starts, so a box says it too,
    // once the window shows.
    QTimer::singleShot(0, this, [this, problems] {
        auto* box =
            new QMessageBox(QMessageBox::Warning, windowTitle(), problems.join('\n'), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void MainWindow::ShowPicking() {
    const bool on = picker_.Picking.PickingOn();
    // ShowZoomPanel and ShowPalettePanel: exactly one of the two stands in the tool panel.
    adjusterPanel_->setVisible(!on);
    magnifierPanel_->setVisible(on);
    if (on)
        magnifierPanel_->TakeKeyboard();
}

void MainWindow::ShowAlwaysOnTop() {
    RunGuarded([this] { platform_.Windows().SetTopmost(this, picker_.AlwaysOnTop()); });
}

void MainWindow::BtnSCExitClick() {
    RunGuarded([] { QApplication::quit(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box takes the exit button's road, whatever other windows are open.
    event->accept();
    BtnSCExitClick();
}

QPoint MainWindow::OtherFunMenuPoint() const {
    // The window's place is its outer corner, as the desktop knows it.
    const QRect button = buttonColumn_->OtherFunctionsButtonGeometry();
    return {x() + button.x() + button.width(), y() + mainArea_->y() + bannerPanel_->height() + button.y()};
}

void MainWindow::BtnOtherFunClick() {
    RunGuarded([this] { otherFunctionsMenu_->popup(OtherFunMenuPoint()); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void MainWindow::FormResize() {
    RunGuarded([this] { siteLink_->move(x() + width() - 200, siteLink_->y()); });
}

void MainWindow::BtnHelpClick() {
    RunGuarded([this] {
        if (!helpWindow_)
            helpWindow_ = new HelpWindow(platform_, this);
        // Maximised once shown: the desktop is asked then, as it ignores the wish on a window not yet mapped.
        helpWindow_->show();
        helpWindow_->setWindowState(helpWindow_->windowState() | Qt::WindowMaximized);
        helpWindow_->raise();
    });
}

void MainWindow::BtnAboutUsClick() {
    RunGuarded([this] {
        if (!aboutWindow_)
            aboutWindow_ = new AboutWindow(platform_, this);
        aboutWindow_->show();
        aboutWindow_->raise();
    });
}

void MainWindow::MnDemoClick() {
    RunGuarded([this] {
        if (!examplesWindow_)
            examplesWindow_ = new ExamplesWindow(this);
        examplesWindow_->show();
        examplesWindow_->raise();
    });
}

void MainWindow::BtnRadomColorClick() {
    RunGuarded([this] {
        picker_.Picking.SwitchPickingOff();
        if (!randomColorWindow_)
            randomColorWindow_ = new RandomColorWindow(this);
        randomColorWindow_->Picked = false;
        randomColorWindow_->exec();
        if (randomColorWindow_->Picked)
            picker_.TakeRandomColor(randomColorWindow_->PreviewColor());
    });
}
