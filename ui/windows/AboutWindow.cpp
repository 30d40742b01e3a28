#include "ui/windows/AboutWindow.h"

#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"
#include "platform/Platform.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/SkinFrame.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"
#include "ui/resources/SkinPictures.h"
#include "ui/windows/OpenLinks.h"

#include <QKeyEvent>
#include <QLabel>

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), platform_(platform) {
    setObjectName(QStringLiteral("TFrmVersion"));
    // The card fills the client area inside the frame: 356 by 221.
    setGeometry(270, 229, 380, 247);
    QFont font = HeiTi(21);
    setFont(font);
    SetBackground(this, WindowColor);

    auto* layout = new DockLayout(this);
    SkinFrame::Add(this, layout, {15, 11, 10, 14, 14, 14});
    card_ = new ImageControl(this);
    card_->setObjectName(QStringLiteral("Image1"));
    layout->addWidget(card_, DockLayout::Client);

    version_ = new QLabel(QStringLiteral("1.3"), this);
    version_->setObjectName(QStringLiteral("LblVersion"));
    version_->setGeometry(183, 67, 30, 28);
    QFont versionFont(QStringLiteral("Book Antiqua"));
    versionFont.setPixelSize(23);
    versionFont.setBold(true);
    version_->setFont(versionFont);

    // Wide enough for all of its rule, which then reaches the card's right edge.
    link_ = new QLabel(QString(21, QLatin1Char('_')), this);
    link_->setObjectName(QStringLiteral("Label1"));
    link_->setGeometry(145, 137, 221, 21);
    font.setUnderline(true);
    link_->setFont(font);
    link_->setAttribute(Qt::WA_TranslucentBackground);
    link_->setCursor(Qt::PointingHandCursor);
    // Tab reaches the link, Space or Enter opens the page, and a screen reader presses it.
    link_->setAccessibleName(tr("程序主页"));
    link_->setFocusPolicy(Qt::TabFocus);
    card_->setAccessibleName(tr("关于卡片"));
    card_->setAccessibleDescription(tr("单击打开程序主页"));

    closeButton_ = new SpeedButton(this);
    closeButton_->setObjectName(QStringLiteral("BtnClose"));
    closeButton_->setGeometry(252, 205, 57, 26);
    closeButton_->setAccessibleName(tr("关闭"));
    connect(closeButton_, &SpeedButton::clicked, this, &AboutWindow::BtnCloseClick);
    link_->installEventFilter(this);
    card_->installEventFilter(this);
    layout->activate(); // the card has its size before the window is first shown
    FormCreate();
}

void AboutWindow::FormCreate() {
    RunGuarded([this] {
        card_->LoadJpegResource(QStringLiteral("helpdoc"), QStringLiteral("jpg"));
        closeButton_->LoadGlyph(QStringLiteral("BtnClose"));
        setWindowTitle(QString::fromStdString(MsgAbout + " " + ProductShortName));
        version_->setText(QString::fromStdString(ProgramVersionText()));
        version_->setAccessibleName(tr("版本号 %1").arg(version_->text()));
    });
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == link_ || watched == card_)
            OpenProgramPage();
    }
    if (event->type() == QEvent::KeyPress && watched == link_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenProgramPage();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::OpenProgramPage() { OpenUrl(platform_, QString::fromStdString(SiteAddress)); }

void AboutWindow::BtnCloseClick() {
    RunGuarded([this] { close(); });
}
