#include "ui/windows/TFrmHelp.h"

#include "ui/picker/DockLayout.h"
#include "ui/picker/SkinFrame.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/WindowColours.h"
#include "platform/Platform.h"
#include "platform/WebView.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

#include <QFile>
#include <QShowEvent>
#include <QTextBrowser>

TFrmHelp::TFrmHelp(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), platform_(platform) {
    setGeometry(27, 12, 964, 756);
    auto* layout = new DockLayout(this);
    SkinFrame::Add(this, layout, {15, 11, 10, 14, 14, 14});
    Panel1 = ColouredPanel(this);
    layout->addWidget(Panel1, DockLayout::Client);
    auto* inner = new DockLayout(Panel1);
    Panel2 = ColouredPanel(Panel1);
    inner->addWidget(Panel2, DockLayout::Bottom, 41);
    BtnClose = new SpeedButton(Panel2);
    BtnClose->setGeometry(612, 3, 57, 26);
    ScrollBox1 = ColouredPanel(Panel1);
    inner->addWidget(ScrollBox1, DockLayout::Client);
    connect(BtnClose, &SpeedButton::clicked, this, &TFrmHelp::BtnCloseClick);
    FormCreate();
}

TFrmHelp::~TFrmHelp() = default;

void TFrmHelp::FormCreate() {
    RunGuarded([this] {
        BtnClose->LoadGlyph(QStringLiteral("BtnClose"));
        setWindowTitle(QString::fromStdString(MsgAbout + " " + ProductShortName));
    });
}

QString TFrmHelp::BuiltInHelpPage() {
    QFile page(QStringLiteral(":/help/help.html"));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

void TFrmHelp::setVisible(bool visible) {
    if (visible && !webView_ && !builtInView_)
        MakeView();
    QWidget::setVisible(visible);
}

void TFrmHelp::MakeView() {
    RunGuarded([this] {
        webView_ = platform_.Views().Create(ScrollBox1);
        if (!webView_) {
            ShowBuiltInHelp();
            return;
        }
        (new DockLayout(ScrollBox1))->addWidget(webView_->Widget(), DockLayout::Client);
        webView_->NavigateComplete = [this](bool loaded, const QUrl&, const QString&) {
            if (!loaded && !fellBack_) {
                fellBack_ = true;
                webView_->ShowHtml(BuiltInHelpPage(), QUrl(QString::fromStdString(HelpPageAddress)));
            }
        };
    });
}

void TFrmHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmHelp::FormShow() {
    RunGuarded([this] {
        if (!webView_)
            return;
        fellBack_ = false;
        webView_->Navigate(QUrl(QString::fromStdString(HelpPageAddress)));
    });
}

void TFrmHelp::ShowBuiltInHelp() {
    builtInView_ = new QTextBrowser(ScrollBox1);
    builtInView_->setHtml(BuiltInHelpPage());
    (new DockLayout(ScrollBox1))->addWidget(builtInView_, DockLayout::Client);
    builtInView_->show();
}

void TFrmHelp::BtnCloseClick() {
    RunGuarded([this] { close(); });
}
