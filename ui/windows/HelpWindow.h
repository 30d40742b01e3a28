#pragma once

#include <QWidget>

#include <memory>

class ImageControl;
class Platform;
class QTextBrowser;
class SpeedButton;
class WebView;

// The help window: the online help page in a web view, requested afresh at every showing; where the
// page cannot be had, the help carried inside the program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Platform& platform, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The help page carried inside the program.
    static QString BuiltInHelpPage();

    void BtnCloseClick();
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    // The browser goes into the window before the window first reaches the screen: a browser added
    // to a window already shown makes the toolkit build that window anew.
    void MakeView();
    void ShowBuiltInHelp();

    Platform& platform_;
    QWidget* pageArea_;
    SpeedButton* closeButton_;
    std::unique_ptr<WebView> webView_;
    QTextBrowser* builtInView_ = nullptr; // where no web view can be made
    bool fellBack_ = false;
};
