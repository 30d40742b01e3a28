#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class ClipboardOutput;
class ColourAdjuster;
class ColourListFiles;
class ColourListView;
class CurrentColour;
class DockLayout;
class HistoryList;
class Magnifier;
class PickLoop;
class DockSplitter;
class FavouritesList;
class ImageControl;
class Platform;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QScrollBar;
class QSlider;
class SettingsStore;
class TFrmDemo;
class TFrmHelp;
class TFrmVersion;
class TRndLabColForm;
class WebBanner;
class SpeedButton;
class Timer;

// The picker's main window: it creates the controls and the parts that work them, and wires them up.
class TFrmScreenColor : public QWidget {
    Q_OBJECT
public:
    explicit TFrmScreenColor(Platform& platform, QWidget* parent = nullptr);
    ~TFrmScreenColor() override;

    // The filter of both colour list dialogs, description and pattern split by "|".
    static inline const QString ColorListFilter = QStringLiteral("颜色列表文件(*.colors)|*.colors");

    // Frame of the window.
    QWidget* PnlTop;
    ImageControl *Image4, *ImgCenter, *ImgTopRight;
    ImageControl *ImgLeft, *ImgRight;
    QWidget* Panel12;
    ImageControl *Image24, *Image25, *Image26;

    // Centre: banner, button column and main area.
    QWidget* SbCenter;
    QWidget* SbAvert;
    ImageControl* Image48;
    QLabel* LblQuilloURL;
    QLabel* LbCurColor;

    QWidget* ScrollBox1;
    SpeedButton* BtnColorPre;
    QComboBox* CbColorValType;
    QListWidget* LbPasteType;
    SpeedButton* BtnStartGetColor;
    SpeedButton* BtnCopyColor;
    SpeedButton* BtnAddColorFav;
    SpeedButton* BtnOtherFun;
    SpeedButton* BtnSCHelpDoc;
    SpeedButton* BtnSCExit;
    SpeedButton* BtnAlwaysOnTop;

    QWidget* SbMain;
    DockSplitter* Splitter1;
    QWidget* Panel2;
    QWidget* Panel5;
    ImageControl* ImgColorList;
    QWidget *Panel1, *Panel7;
    ImageControl *Image16, *Image7;
    ColourListView* LbColors;
    QWidget* PnlFavColor;
    ImageControl* ImgColorFavList;
    QWidget *Panel10, *Panel11;
    ImageControl *ImgFavEdgeLeft, *ImgFavEdgeRight;
    ColourListView* LbFavColor;
    QWidget* Panel4;
    ImageControl* ImgCurColorVal;
    QLineEdit* LblCurVal;

    QWidget* PnlTopPan;
    QWidget* PnlColorPlatte;
    ImageControl* ImgTiaosheBoard;
    QScrollBar *SbR, *SbG, *SbB;
    QLabel *LblR, *LblG, *LblB;
    ImageControl* ImgCopy;
    QWidget* PnlZoom;
    ImageControl* ImgZoomBG;
    SpeedButton *BtnZoomout, *BtnZoomIn;
    QLabel* LblZoomBei;
    ImageControl* ImgZoom;
    QGroupBox* GroupBox1;
    QSlider* Slider;

    // Hint line.
    QWidget* PnlBottom;
    QWidget *ScrollBox2, *ScrollBox3, *ScrollBox5;
    QWidget* PnlHintPnl;
    QLabel* LblHnit;

    // Popup menus.
    QMenu* pmColorList;
    QAction* N4;
    QMenu* PmFav;
    QAction *N2, *N3;
    QMenu* MnOtherFunButton;
    QAction *N5, *N6, *N7, *N8, *N9, *N10;
    // The help menu, offered by a right click on the help button.
    QMenu* PmHelp;
    QAction *MnDemo, *N1, *MnAboutUs;

    Timer* TimerGetColor;
    Timer* TimerShowZoom;
    Timer* TimerFirstRun;
    Timer* TimerCheckTopBrowser;

    // The parts that work the controls.
    CurrentColour* Current;
    HistoryList* History;
    FavouritesList* Favourites;
    ClipboardOutput* Clipboard;
    ColourAdjuster* Adjuster;
    SettingsStore* Settings;
    ColourListFiles* ListFiles;
    WebBanner* Banner;

    // The other windows: help and about made at start-up, the others on first use.
    TFrmHelp* FrmHelp = nullptr;
    TFrmVersion* FrmVersion = nullptr;
    TFrmDemo* FrmDemo = nullptr;
    TRndLabColForm* RndLabColForm = nullptr;
    Magnifier* Zoom;
    PickLoop* Picking;

    Platform& Desktop() { return platform_; }

    // True from creation until the first pick tick has switched picking on.
    bool FirstTick = false;

    // Saves the settings and lists: once, as the window goes, or sooner when the program must know how
    // the save went before it ends.
    void FormDestroy();

    void BtnSCExitClick();
    void BtnOtherFunClick();
    void BtnAlwaysOnTopClick();
    void BtnHelpClick();
    void BtnAboutUsClick();
    void MnDemoClick();
    void BtnRadomColorClick();

    // The screen point at which the further-functions menu opens.
    QPoint OtherFunMenuPoint() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateFrame(DockLayout* root);
    void CreateBanner();
    void CreateButtonColumn();
    void CreateLists();
    void CreateToolPanel();
    void CreateHintLine();
    void CreateMenus();
    void CreateTimers();

    void FormCreate();
    void FormResize();
    // Files that could not be read or written are told in the hint line and in a box.
    void ReportFileProblems(const QStringList& problems);

    Platform& platform_;
};
