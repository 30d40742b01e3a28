#include "ui/windows/TFrmVersion.h"

#include "ui/picker/DockLayout.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/SkinFrame.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/WindowColours.h"
#include "ui/picker/WindowFonts.h"
#include "platform/LinkOpener.h"
#include "platform/Platform.h"
#include "ui/resources/SkinPictures.h"
#include "core/Guard.h"
#include "core/windows/Links.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"

#include <QEvent>
#include <QLabel>

void OpenUrl(Platform& platform, const QString& address) {
    RunGuarded([&] { platform.Links().Open(OpenUrlTarget(address)); });
}

TFrmVersion::TFrmVersion(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), platform_(platform) {
    // The card fills the client area inside the frame: 356 by 221.
    setGeometry(270, 229, 380, 247);
    QFont font = HeiTi(21);
    setFont(font);
    SetBackground(this, WindowColour);

    auto* layout = new DockLayout(this);
    SkinFrame::Add(this, layout, {15, 11, 10, 14, 14, 14});
    Image1 = new ImageControl(this);
    layout->addWidget(Image1, DockLayout::Client);

    LblVersion = new QLabel(QStringLiteral("1.3"), this);
    LblVersion->setGeometry(183, 67, 30, 28);
    QFont versionFont(QStringLiteral("Book Antiqua"));
    versionFont.setPixelSize(23);
    versionFont.setBold(true);
    LblVersion->setFont(versionFont);

    // Wide enough for all of its rule, which then reaches the card's right edge.
    Label1 = new QLabel(QString(21, QLatin1Char('_')), this);
    Label1->setGeometry(145, 137, 221, 21);
    font.setUnderline(true);
    Label1->setFont(font);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setCursor(Qt::PointingHandCursor);

    BtnClose = new SpeedButton(this);
    BtnClose->setGeometry(252, 205, 57, 26);
    connect(BtnClose, &SpeedButton::clicked, this, &TFrmVersion::BtnCloseClick);
    Label1->installEventFilter(this);
    Image1->installEventFilter(this);
    layout->activate(); // the card has its size before the window is first shown
    FormCreate();
}

void TFrmVersion::FormCreate() {
    RunGuarded([this] {
        LoadJpegResource(Image1, QStringLiteral("helpdoc"), QStringLiteral("jpg"));
        BtnClose->LoadGlyph(QStringLiteral("BtnClose"));
        setWindowTitle(QString::fromStdString(MsgAbout + " " + ProductShortName));
        LblVersion->setText(QString::fromStdString(ProgramVersionText()));
    });
}

bool TFrmVersion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label1)
            Label1MouseDown();
        else if (watched == Image1)
            Image1MouseDown();
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmVersion::Label1MouseDown() { OpenUrl(platform_, QString::fromStdString(SiteAddress)); }

void TFrmVersion::Image1MouseDown() { OpenUrl(platform_, QString::fromStdString(SiteAddress)); }

void TFrmVersion::BtnCloseClick() {
    RunGuarded([this] { close(); });
}
