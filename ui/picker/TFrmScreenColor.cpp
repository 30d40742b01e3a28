#include "ui/picker/TFrmScreenColor.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourAdjuster.h"
#include "core/collections/ColourList.h"
#include "ui/collections/ColourListView.h"
#include "core/collections/FavouritesList.h"
#include "core/collections/HistoryList.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/QtColor.h"
#include "core/persistence/ColourListFiles.h"
#include "core/persistence/SettingsStore.h"
#include "ui/picker/AdjusterBar.h"
#include "ui/picker/DockLayout.h"
#include "ui/picker/DockSplitter.h"
#include "ui/picker/FixedRowDelegate.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/Magnifier.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/SkinFrame.h"
#include "ui/picker/SpeedButton.h"
#include "core/picker/Timer.h"
#include "ui/picker/WindowColours.h"
#include "ui/picker/WindowFonts.h"
#include "platform/DesktopWindows.h"
#include "platform/Platform.h"
#include "platform/SingleCopy.h"
#include "ui/resources/Skin.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "core/windows/SiteAddress.h"
#include "ui/windows/TFrmDemo.h"
#include "ui/windows/TFrmHelp.h"
#include "ui/windows/TFrmVersion.h"
#include "ui/windows/TRndLabColForm.h"
#include "ui/windows/WebBanner.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr ColorValue CentreColour = 16115930; // red 218, green 232, blue 245
constexpr ColorValue BannerColour = 4464672;  // red 32, green 32, blue 68

SpeedButton* ColumnButton(QWidget* parent, int top) {
    auto* button = new SpeedButton(parent);
    button->setGeometry(2, top, 102, 26);
    return button;
}

QLabel* Label(QWidget* parent, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// The window that has not saved yet. When the desktop goes away under the program (the X server ends
// with the session), the toolkit ends the process without unwinding; the window then saves on the way
// out, as it would have on closing.
TFrmScreenColor* Unsaved = nullptr;

void SaveOnExit() {
    if (!Unsaved)
        return;
    TFrmScreenColor* window = Unsaved;
    window->FormDestroy();
    const QStringList& problems = window->Settings->SaveProblems();
    for (const QString& problem : problems)
        std::fprintf(stderr, "tintra: %s\n", problem.toLocal8Bit().constData());
    if (!problems.isEmpty())
        std::_Exit(1);
}

} // namespace

TFrmScreenColor::TFrmScreenColor(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setFont(SongTi(15));
    SetBackground(this, WindowColour);

    auto* root = new DockLayout(this);
    CreateFrame(root);
    CreateHintLine();
    root->addWidget(PnlBottom, DockLayout::Bottom, 36);

    SbCenter = ColouredPanel(this, CentreColour);
    root->addWidget(SbCenter, DockLayout::Client);
    auto* centre = new DockLayout(SbCenter);
    // The label sits behind the button column, which hides it.
    LbCurColor = Label(SbCenter, QStringLiteral("当前颜色"), QRect(9, 121, 60, 15));
    CreateBanner();
    centre->addWidget(SbAvert, DockLayout::Top, 60);
    CreateButtonColumn();
    centre->addWidget(ScrollBox1, DockLayout::Left, 109);

    SbMain = new QWidget(SbCenter);
    centre->addWidget(SbMain, DockLayout::Client);
    auto* main = new DockLayout(SbMain);
    CreateToolPanel();
    main->addWidget(PnlTopPan, DockLayout::Bottom, 201);
    Splitter1 = new DockSplitter(main, PnlTopPan, SbMain);
    main->addWidget(Splitter1, DockLayout::Bottom, 6);
    CreateLists();
    main->addWidget(Panel2, DockLayout::Client);

    CreateMenus();
    CreateTimers();
    Current = new CurrentColour(LblCurVal, CbColorValType, BtnColorPre, platform_.Colours(), this);
    History = new HistoryList(*this);
    Favourites = new FavouritesList(*this);
    Clipboard = new ClipboardOutput(*this);
    Adjuster = new ColourAdjuster(*this);
    Settings = new SettingsStore(*this);
    ListFiles = new ColourListFiles(*this);
    Banner = new WebBanner(*this);
    Zoom = new Magnifier(*this);
    Picking = new PickLoop(*this);

    connect(TimerGetColor, &Timer::Tick, Picking, &PickLoop::TimerGetColorTimer);
    connect(BtnStartGetColor, &SpeedButton::clicked, Picking, &PickLoop::BtnStartGetColorClick);
    connect(TimerShowZoom, &Timer::Tick, Zoom, &Magnifier::TimerShowZoomTimer);
    connect(BtnZoomIn, &SpeedButton::clicked, Zoom, &Magnifier::BtnZoomInClick);
    connect(BtnZoomout, &SpeedButton::clicked, Zoom, &Magnifier::BtnZoomoutClick);
    connect(Current, &CurrentColour::CopyColorToClipboard, Clipboard, &ClipboardOutput::CopyColorToClipboard);
    connect(BtnCopyColor, &SpeedButton::clicked, Clipboard, &ClipboardOutput::BtnCopyColorClick);
    connect(LbPasteType, &QListWidget::currentRowChanged, Clipboard, &ClipboardOutput::LbPasteTypeClick);
    connect(BtnAddColorFav, &SpeedButton::clicked, Favourites, &FavouritesList::BtnAddColorFavClick);
    connect(N4, &QAction::triggered, History, &HistoryList::BtnClearAllColorClick);
    connect(N5, &QAction::triggered, History, &HistoryList::BtnClearAllColorClick);
    connect(TimerFirstRun, &Timer::Tick, Banner, &WebBanner::TimerFirstRunTimer);
    connect(TimerCheckTopBrowser, &Timer::Tick, Banner, &WebBanner::TimerCheckTopBrowserTimer);
    connect(BtnSCHelpDoc, &SpeedButton::clicked, this, &TFrmScreenColor::BtnHelpClick);
    connect(N1, &QAction::triggered, this, &TFrmScreenColor::BtnHelpClick);
    connect(N10, &QAction::triggered, this, &TFrmScreenColor::BtnAboutUsClick);
    connect(MnAboutUs, &QAction::triggered, this, &TFrmScreenColor::BtnAboutUsClick);
    connect(MnDemo, &QAction::triggered, this, &TFrmScreenColor::MnDemoClick);
    connect(N9, &QAction::triggered, this, &TFrmScreenColor::BtnRadomColorClick);
    connect(BtnSCExit, &SpeedButton::clicked, this, &TFrmScreenColor::BtnSCExitClick);
    connect(BtnOtherFun, &SpeedButton::clicked, this, &TFrmScreenColor::BtnOtherFunClick);
    connect(BtnAlwaysOnTop, &SpeedButton::clicked, this, &TFrmScreenColor::BtnAlwaysOnTopClick);

    platform_.Copies().ShowRequested = [this] { platform_.Windows().BringToFront(this); };
    [[maybe_unused]] static const bool saveOnExit = std::atexit(SaveOnExit) == 0;
    Unsaved = this;
    FormCreate();
}

TFrmScreenColor::~TFrmScreenColor() { FormDestroy(); }

void TFrmScreenColor::FormDestroy() {
    if (Unsaved != this)
        return; // saved already
    Unsaved = nullptr;
    RunGuarded([this] { Settings->SaveSettings(); });
}

void TFrmScreenColor::CreateFrame(DockLayout* root) {
    const SkinFrame frame = SkinFrame::Add(this, root, {12, 11, 7, 13, 7, 13});
    PnlTop = frame.TopBand;
    Image4 = frame.TopLeft;
    ImgCenter = frame.TopMiddle;
    ImgTopRight = frame.TopRight;
    Panel12 = frame.BottomBand;
    Image24 = frame.BottomLeft;
    Image25 = frame.BottomMiddle;
    Image26 = frame.BottomRight;
    ImgLeft = frame.LeftEdge;
    ImgRight = frame.RightEdge;
}

void TFrmScreenColor::CreateBanner() {
    SbAvert = ColouredPanel(SbCenter, BannerColour);
    auto* banner = new DockLayout(SbAvert);
    Image48 = new ImageControl(SbAvert);
    banner->addWidget(Image48, DockLayout::Client);

    LblQuilloURL = new QLabel(QUrl(QString::fromLatin1(MakerSiteAddress)).host(), SbAvert);
    LblQuilloURL->setGeometry(317, 36, 128, 20);
    QFont font(QStringLiteral("Book Antiqua"));
    font.setPixelSize(16);
    font.setUnderline(true);
    LblQuilloURL->setFont(font);
    LblQuilloURL->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    LblQuilloURL->raise();
}

void TFrmScreenColor::CreateButtonColumn() {
    ScrollBox1 = ColouredPanel(SbCenter, CentreColour);

    BtnColorPre = new SpeedButton(ScrollBox1);
    BtnColorPre->setGeometry(6, 1, 86, 22);
    BtnColorPre->setToolTip(QStringLiteral("带颜色前缀"));

    CbColorValType = new QComboBox(ScrollBox1);
    CbColorValType->setGeometry(5, 25, 90, 23);
    CbColorValType->setEditable(true);
    CbColorValType->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : ColorFormatNames)
        CbColorValType->addItem(QString::fromLatin1(name));
    CbColorValType->setToolTip(QStringLiteral("取色的格式"));

    LbPasteType = new QListWidget(ScrollBox1);
    LbPasteType->setGeometry(4, 48, 92, 31);
    LbPasteType->setFont(SongTi(13));
    LbPasteType->setItemDelegate(new FixedRowDelegate(13, LbPasteType));
    LbPasteType->setFrameStyle(QFrame::Box | QFrame::Plain);
    LbPasteType->setSelectionMode(QAbstractItemView::SingleSelection);
    LbPasteType->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LbPasteType->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LbPasteType->setToolTip(QStringLiteral("自动把颜色数值或颜色样图放入剪贴板"));

    BtnStartGetColor = ColumnButton(ScrollBox1, 79);
    BtnCopyColor = ColumnButton(ScrollBox1, 106);
    BtnAddColorFav = ColumnButton(ScrollBox1, 133);
    BtnAddColorFav->setToolTip(QStringLiteral("加入收藏"));
    BtnOtherFun = ColumnButton(ScrollBox1, 162);
    BtnSCHelpDoc = ColumnButton(ScrollBox1, 190);
    BtnSCExit = ColumnButton(ScrollBox1, 219);
    BtnAlwaysOnTop = ColumnButton(ScrollBox1, 246);
}

void TFrmScreenColor::CreateLists() {
    Panel2 = new QWidget(SbMain);
    auto* lists = new DockLayout(Panel2);

    Panel4 = ColouredPanel(Panel2, WindowColour);
    ImgCurColorVal = new ImageControl(Panel4);
    (new DockLayout(Panel4))->addWidget(ImgCurColorVal, DockLayout::Client);
    LblCurVal = new QLineEdit(Panel4);
    LblCurVal->setGeometry(101, 4, 340, 23);
    LblCurVal->setFrame(false);
    LblCurVal->setFont(SongTi(20));
    LblCurVal->setText(QStringLiteral("_____"));
    lists->addWidget(Panel4, DockLayout::Bottom, 34);

    // The history and favourites panels share one shape: header picture, border strips, list.
    auto listPanel = [&](ImageControl*& header, int headerHeight, QWidget*& topBorder, QWidget*& bottomBorder,
                         ImageControl*& leftEdge, ImageControl*& rightEdge, ColourListView*& list) {
        QWidget* panel = ColouredPanel(Panel2, WindowColour);
        auto* layout = new DockLayout(panel);
        header = new ImageControl(panel);
        layout->addWidget(header, DockLayout::Top, headerHeight);
        topBorder = ColouredPanel(panel, WindowColour);
        layout->addWidget(topBorder, DockLayout::Top, 7);
        bottomBorder = ColouredPanel(panel, WindowColour);
        layout->addWidget(bottomBorder, DockLayout::Bottom, 15);
        leftEdge = FramePicture(panel, "ListEdgeLeft");
        layout->addWidget(leftEdge, DockLayout::Left, 9);
        rightEdge = FramePicture(panel, "ListEdgeRight");
        layout->addWidget(rightEdge, DockLayout::Right, 7);
        list = new ColourListView(panel);
        layout->addWidget(list, DockLayout::Client);
        return panel;
    };
    PnlFavColor =
        listPanel(ImgColorFavList, 22, Panel10, Panel11, ImgFavEdgeLeft, ImgFavEdgeRight, LbFavColor);
    lists->addWidget(PnlFavColor, DockLayout::Right, 180);
    // Below its last row the favourites list shows the desktop's window colour, the history its own.
    Panel5 = listPanel(ImgColorList, 20, Panel1, Panel7, Image16, Image7, LbColors);
    lists->addWidget(Panel5, DockLayout::Client);
    QPalette historyPalette = LbColors->palette();
    historyPalette.setColor(QPalette::Base, ToQColor(WindowColour));
    LbColors->setPalette(historyPalette);
}

void TFrmScreenColor::CreateToolPanel() {
    PnlTopPan = ColouredPanel(SbMain, WindowColour);
    auto* tools = new DockLayout(PnlTopPan);
    tools->setContentsMargins(1, 1, 1, 1);

    PnlColorPlatte = ColouredPanel(PnlTopPan, WindowColour);
    ImgTiaosheBoard = new ImageControl(PnlColorPlatte);
    (new DockLayout(PnlColorPlatte))->addWidget(ImgTiaosheBoard, DockLayout::Client);
    // The red and green bars fill their caption lines, so their numbers sit past the bars' ends, just
    // outside the board's frame; the blue number has room on its caption line above its bar.
    LblR = Label(PnlColorPlatte, QStringLiteral("___"), QRect(250, 41, 24, 15));
    LblG = Label(PnlColorPlatte, QStringLiteral("___"), QRect(250, 69, 24, 15));
    LblB = Label(PnlColorPlatte, QStringLiteral("___"), QRect(41, 86, 24, 15));
    auto bar = [this](int top) {
        auto* scrollBar = new AdjusterBar(PnlColorPlatte);
        scrollBar->setGeometry(50, top, 185, 20);
        scrollBar->setRange(0, 255);
        scrollBar->setSingleStep(1);
        scrollBar->setPageStep(1);
        return scrollBar;
    };
    SbR = bar(38);
    SbG = bar(66);
    SbB = bar(101);
    ImgCopy = new ImageControl(PnlColorPlatte);
    ImgCopy->setGeometry(174, 10, 51, 25);
    ImgCopy->hide();
    tools->addWidget(PnlColorPlatte, DockLayout::Client);

    PnlZoom = ColouredPanel(PnlTopPan, WindowColour);
    auto* zoom = new DockLayout(PnlZoom);
    ImgZoomBG = new ImageControl(PnlZoom);
    zoom->addWidget(ImgZoomBG, DockLayout::Top, 25);
    BtnZoomout = new SpeedButton(ImgZoomBG);
    BtnZoomout->setGeometry(81, 3, 19, 18);
    BtnZoomout->setToolTip(QStringLiteral("缩小图片"));
    BtnZoomout->LoadGlyph(QStringLiteral("ZoomOut"));
    BtnZoomIn = new SpeedButton(ImgZoomBG);
    BtnZoomIn->setGeometry(101, 3, 19, 17);
    BtnZoomIn->setToolTip(QStringLiteral("放大图片"));
    BtnZoomIn->LoadGlyph(QStringLiteral("ZoomIn"));
    LblZoomBei = Label(ImgZoomBG, QStringLiteral("2"), QRect(154, 5, 16, 15));
    QFont bold = SongTi(15);
    bold.setBold(true);
    LblZoomBei->setFont(bold);
    ImgZoom = new ImageControl(PnlZoom);
    zoom->addWidget(ImgZoom, DockLayout::Client);

    // The zoom level is kept by the track bar of a group that is never shown.
    GroupBox1 = new QGroupBox(QStringLiteral("放大倍数"), PnlZoom);
    GroupBox1->hide();
    Slider = new QSlider(Qt::Horizontal, GroupBox1);
    Slider->setRange(1, 4);
    Slider->setPageStep(1);
    Slider->setValue(1);
    int left = 8;
    for (const char* caption : {"2 x", "4 x", "6 x", "8 x"}) {
        Label(GroupBox1, QString::fromLatin1(caption), QRect(left, 40, 24, 15));
        left += 40;
    }
    tools->addWidget(PnlZoom, DockLayout::Client);
}

void TFrmScreenColor::CreateHintLine() {
    PnlBottom = ColouredPanel(this, WindowColour);
    auto* line = new DockLayout(PnlBottom);
    ScrollBox5 = new QWidget(PnlBottom);
    line->addWidget(ScrollBox5, DockLayout::Top, 5);
    ScrollBox2 = new QWidget(PnlBottom);
    line->addWidget(ScrollBox2, DockLayout::Left, 42);
    ScrollBox3 = new QWidget(PnlBottom);
    line->addWidget(ScrollBox3, DockLayout::Right, 42);
    PnlHintPnl = new QWidget(PnlBottom);
    line->addWidget(PnlHintPnl, DockLayout::Client);

    LblHnit = new QLabel(PnlHintPnl);
    LblHnit->setFont(SongTi(12));
    LblHnit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblHnit->setWordWrap(true);
    QPalette palette = LblHnit->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    LblHnit->setPalette(palette);
    (new DockLayout(PnlHintPnl))->addWidget(LblHnit, DockLayout::Client);
}

void TFrmScreenColor::CreateMenus() {
    pmColorList = new QMenu(this);
    N4 = pmColorList->addAction(QStringLiteral("删除所有颜色"));
    connect(LbColors, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmColorList->popup(LbColors->viewport()->mapToGlobal(at)); });

    PmFav = new QMenu(this);
    N2 = PmFav->addAction(QStringLiteral("删除收藏的颜色"));
    N3 = PmFav->addAction(QStringLiteral("删除所有收藏颜色"));
    connect(LbFavColor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PmFav->popup(LbFavColor->viewport()->mapToGlobal(at)); });

    MnOtherFunButton = new QMenu(this);
    N5 = MnOtherFunButton->addAction(QStringLiteral("删除所有颜色"));
    N6 = MnOtherFunButton->addAction(QStringLiteral("打开颜色"));
    N7 = MnOtherFunButton->addAction(QStringLiteral("清除收藏"));
    N8 = MnOtherFunButton->addAction(QStringLiteral("颜色另存为"));
    N9 = MnOtherFunButton->addAction(QStringLiteral("随机取色"));
    N10 = MnOtherFunButton->addAction(QStringLiteral("关于"));

    PmHelp = new QMenu(this);
    MnDemo = PmHelp->addAction(QStringLiteral("使用实例"));
    N1 = PmHelp->addAction(QStringLiteral("帮助文档"));
    MnAboutUs = PmHelp->addAction(QStringLiteral("关于"));
    BtnSCHelpDoc->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(BtnSCHelpDoc, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PmHelp->popup(BtnSCHelpDoc->mapToGlobal(at)); });
}

void TFrmScreenColor::CreateTimers() {
    TimerGetColor = new Timer(1000, true, this);
    TimerShowZoom = new Timer(25, false, this);
    TimerFirstRun = new Timer(1000, true, this);
    TimerCheckTopBrowser = new Timer(1000, false, this);
}

void TFrmScreenColor::FormCreate() {
    RunGuarded([this] {
        // Qt paints every widget through an off-screen buffer already, so there is no flicker to turn off.
        PnlBottom->setEnabled(true);
        LblCurVal->setReadOnly(true);
        InitMessages();
        LoadSkin(*this);
        History->Model().ClearRows();
        FirstTick = true;
        Settings->LoadSettings();
        ReportFileProblems(Settings->ReadProblems());
        // The window's outer corner goes to (20, 10), frame and title bar included, so both stay on
        // screen; the client area is 498 by 600.
        move(20, 10);
        resize(498, 600);
        layout()->activate();
    });
}

void TFrmScreenColor::ReportFileProblems(const QStringList& problems) {
    if (problems.isEmpty())
        return;
    LblHnit->setText(problems.join(QStringLiteral("；")));
    // The hint line gives way to the pointer's position once picking starts, so a box says it too,
    // once the window shows.
    QTimer::singleShot(0, this, [this, problems] {
        auto* box =
            new QMessageBox(QMessageBox::Warning, windowTitle(), problems.join('\n'), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void TFrmScreenColor::BtnSCExitClick() {
    RunGuarded([] { QApplication::quit(); });
}

void TFrmScreenColor::closeEvent(QCloseEvent* event) {
    // The close box takes the exit button's road, whatever other windows are open.
    event->accept();
    BtnSCExitClick();
}

QPoint TFrmScreenColor::OtherFunMenuPoint() const {
    // The window's place is its outer corner, as the desktop knows it.
    return {x() + BtnOtherFun->x() + BtnOtherFun->width(),
            y() + SbMain->y() + SbAvert->height() + BtnOtherFun->y()};
}

void TFrmScreenColor::BtnOtherFunClick() {
    RunGuarded([this] { MnOtherFunButton->popup(OtherFunMenuPoint()); });
}

void TFrmScreenColor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TFrmScreenColor::FormResize() {
    RunGuarded([this] { LblQuilloURL->move(x() + width() - 200, LblQuilloURL->y()); });
}

void TFrmScreenColor::BtnAlwaysOnTopClick() {
    RunGuarded([this] {
        const bool topmost = BtnAlwaysOnTop->Tag == 0;
        BtnAlwaysOnTop->Tag = topmost ? 1 : 0;
        BtnAlwaysOnTop->LoadGlyph(topmost ? QStringLiteral("cAlwaysOnTop") : QStringLiteral("ncAlwaysOnTop"));
        platform_.Windows().SetTopmost(this, topmost);
    });
}

void TFrmScreenColor::BtnHelpClick() {
    RunGuarded([this] {
        if (!FrmHelp)
            FrmHelp = new TFrmHelp(platform_, this);
        // Maximised once shown: the desktop is asked then, as it ignores the wish on a window not yet mapped.
        FrmHelp->show();
        FrmHelp->setWindowState(FrmHelp->windowState() | Qt::WindowMaximized);
        FrmHelp->raise();
    });
}

void TFrmScreenColor::BtnAboutUsClick() {
    RunGuarded([this] {
        if (!FrmVersion)
            FrmVersion = new TFrmVersion(platform_, this);
        FrmVersion->show();
        FrmVersion->raise();
    });
}

void TFrmScreenColor::MnDemoClick() {
    RunGuarded([this] {
        if (!FrmDemo)
            FrmDemo = new TFrmDemo(this);
        FrmDemo->show();
        FrmDemo->raise();
    });
}

void TFrmScreenColor::BtnRadomColorClick() {
    RunGuarded([this] {
        Picking->SwitchPickingOff();
        if (!RndLabColForm)
            RndLabColForm = new TRndLabColForm(this);
        RndLabColForm->Picked = false;
        RndLabColForm->exec();
        if (RndLabColForm->Picked) {
            Current->ShowAsCurrentColor(RndLabColForm->PreviewColor());
            Clipboard->BtnCopyColorClick();
        }
    });
}
