#include "ui/windows/HelpWindow.h"

#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "platform/Platform.h"
#include "platform/WebView.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/SkinFrame.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/WindowColors.h"
#include "ui/resources/ResourceLanguage.h"

#include <QFile>
#include <QShowEvent>
#include <QTextBrowser>

HelpWindow::HelpWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), platform_(platform) {
    setObjectName(QStringLiteral("TFrmHelp"));
    setGeometry(27, 12, 964, 756);
    auto* layout = new DockLayout(this);
    SkinFrame::Add(this, layout, {15, 11, 10, 14, 14, 14});
    QWidget* inside = ColoredPanel(this);
    inside->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(inside, DockLayout::Client);
    auto* insideLayout = new DockLayout(inside);
    QWidget* foot = ColoredPanel(inside);
    foot->setObjectName(QStringLiteral("Panel2"));
    insideLayout->addWidget(foot, DockLayout::Bottom, 41);
    closeButton_ = new SpeedButton(foot);
    closeButton_->setObjectName(QStringLiteral("BtnClose"));
    closeButton_->setGeometry(612, 3, 57, 26);
    closeButton_->setAccessibleName(tr("关闭"));
    pageArea_ = ColoredPanel(inside);
    pageArea_->setObjectName(QStringLiteral("ScrollBox1"));
    insideLayout->addWidget(pageArea_, DockLayout::Client);
    connect(closeButton_, &SpeedButton::clicked, this, &HelpWindow::BtnCloseClick);
    FormCreate();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::FormCreate() {
    RunGuarded([this] {
        closeButton_->LoadGlyph(QStringLiteral("BtnClose"));
        setWindowTitle(QString::fromStdString(MsgAbout + " " + ProductShortName));
    });
}

QString HelpWindow::BuiltInHelpPage() {
    QFile page(LocalisedResource(QStringLiteral(":/help"), QStringLiteral("help.html")));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

void HelpWindow::setVisible(bool visible) {
    if (visible && !webView_ && !builtInView_)
        MakeView();
    QWidget::setVisible(visible);
}

void HelpWindow::MakeView() {
    RunGuarded([this] {
        webView_ = platform_.Views().Create(pageArea_);
        if (!webView_) {
            ShowBuiltInHelp();
            return;
        }
        (new DockLayout(pageArea_))->addWidget(webView_->Widget(), DockLayout::Client);
        webView_->Widget()->setAccessibleName(tr("帮助文档"));
        webView_->NavigateComplete = [this](bool loaded, const QUrl&, const QString&) {
            if (!loaded && !fellBack_) {
                fellBack_ = true;
                webView_->ShowHtml(BuiltInHelpPage(), QUrl(QString::fromStdString(HelpPageAddress)));
            }
        };
    });
}

void HelpWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void HelpWindow::FormShow() {
    RunGuarded([this] {
        if (!webView_)
            return;
        fellBack_ = false;
        webView_->Navigate(QUrl(QString::fromStdString(HelpPageAddress)));
    });
}

void HelpWindow::ShowBuiltInHelp() {
    builtInView_ = new QTextBrowser(pageArea_);
    builtInView_->setHtml(BuiltInHelpPage());
    builtInView_->setAccessibleName(tr("帮助文档"));
    (new DockLayout(pageArea_))->addWidget(builtInView_, DockLayout::Client);
    builtInView_->show();
}

void HelpWindow::BtnCloseClick() {
    RunGuarded([this] { close(); });
}
