#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

class AboutWindow;
class AdjusterPanel;
class ColorListView;
class ColorPicker;
class DockLayout;
class ExamplesWindow;
class HelpWindow;
class ImageControl;
class MagnifierPanel;
class Platform;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class RandomColorWindow;
class SpeedButton;
class WebBanner;

// The picker's main window: it builds the controls, shows the picker's state in them and passes the
// user's actions to the picker. Each control's objectName is its name in the window definition.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(ColorPicker& picker, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The help and about windows, made hidden right after the main window.
    void CreateHelpAndAbout();
    // Files that could not be read or written are told in the hint line and in a box.
    void ReportFileProblems(const QStringList& problems);

    WebBanner& Banner() { return *banner_; }
    // The screen point at which the further-functions menu opens.
    QPoint OtherFunMenuPoint() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateFrame(DockLayout* root);
    QWidget* CreateBanner(QWidget* centre);
    QWidget* CreateButtonColumn(QWidget* centre);
    QWidget* CreateLists(QWidget* mainArea);
    QWidget* CreateToolPanel(QWidget* mainArea);
    void CreateMenus();
    void Connect();
    void SetTabOrder();

    void FormCreate();
    void LoadSkin();
    void FormResize();

    void ShowPicking();
    void ShowFormat();
    void ShowPrefix();
    void ShowAlwaysOnTop();
    void FormatTextEdited(const QString& text);

    void BtnSCExitClick();
    void BtnOtherFunClick();
    void BtnHelpClick();
    void BtnAboutUsClick();
    void MnDemoClick();
    void BtnRadomColorClick();
    void BtnOpenColorClick();
    void BtnSaveColorAsClick();

    ColorPicker& picker_;
    Platform& platform_;

    QWidget* bannerPanel_;
    ImageControl* bannerPicture_;
    QLabel* siteLink_;
    QWidget* mainArea_;
    SpeedButton* prefixButton_;
    QComboBox* formatBox_;
    QListWidget* pasteTypeList_;
    SpeedButton* pickButton_;
    SpeedButton* copyButton_;
    SpeedButton* addFavouriteButton_;
    SpeedButton* otherFunctionsButton_;
    SpeedButton* helpButton_;
    SpeedButton* exitButton_;
    SpeedButton* alwaysOnTopButton_;
    ImageControl* historyHeader_;
    ImageControl* favouritesHeader_;
    ImageControl* valueRowPicture_;
    ColorListView* historyView_;
    ColorListView* favouritesView_;
    AdjusterPanel* adjusterPanel_;
    MagnifierPanel* magnifierPanel_;
    QMenu* historyMenu_;
    QMenu* favouritesMenu_;
    QMenu* otherFunctionsMenu_;
    QMenu* helpMenu_;
    // Made after the controls it watches and gone before them.
    std::unique_ptr<WebBanner> banner_;

    HelpWindow* helpWindow_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
    ExamplesWindow* examplesWindow_ = nullptr;
    RandomColorWindow* randomColorWindow_ = nullptr;
};
