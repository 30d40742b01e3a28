#pragma once

#include "ui/picker/ListFileCommands.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class AboutWindow;
class AdjusterPanel;
class ButtonColumn;
class ColorPicker;
class DockLayout;
class ExamplesWindow;
class HelpWindow;
class ImageControl;
class ListsPanel;
class MagnifierPanel;
class Platform;
class QLabel;
class QMenu;
class RandomColorWindow;
class WebBanner;

// The picker's main window: its frame, banner, button column, lists and tool panel, the menus of
// the further-functions and help buttons and the windows they open. Each control's objectName is
// its name in the window definition.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(ColorPicker& picker, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

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
    QWidget* CreateToolPanel(QWidget* mainArea);
    void CreateMenus();
    void Connect();
    void SetTabOrder();

    void FormCreate();
    void LoadSkin();
    void FormResize();

    void ShowPicking();
    void ShowAlwaysOnTop();

    void BtnSCExitClick();
    void BtnOtherFunClick();
    void BtnHelpClick();
    void BtnAboutUsClick();
    void MnDemoClick();
    void BtnRadomColorClick();

    ColorPicker& picker_;
    Platform& platform_;

    QWidget* bannerPanel_;
    ImageControl* bannerPicture_;
    QLabel* siteLink_;
    QWidget* mainArea_;
    ButtonColumn* buttonColumn_;
    ListsPanel* listsPanel_;
    AdjusterPanel* adjusterPanel_;
    MagnifierPanel* magnifierPanel_;
    QMenu* otherFunctionsMenu_;
    QMenu* helpMenu_;
    // Made after the controls it watches and gone before them.
    std::unique_ptr<WebBanner> banner_;
    ListFileCommands listFiles_;

    HelpWindow* helpWindow_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
    ExamplesWindow* examplesWindow_ = nullptr;
    RandomColorWindow* randomColorWindow_ = nullptr;
};
