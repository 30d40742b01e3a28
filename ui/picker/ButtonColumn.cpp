#include "ui/picker/ButtonColumn.h"

#include "core/Guard.h"
#include "core/picker/ColorPicker.h"
#include "core/windows/Messages.h"
#include "ui/controls/FixedRowDelegate.h"
#include "ui/controls/Named.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/WindowFonts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr ColorValue ColumnColor = 16115930; // red 218, green 232, blue 245

SpeedButton* ColumnButton(QWidget* column, const char* name, int top) {
    auto* button = Named(new SpeedButton(column), name);
    button->setGeometry(2, top, 102, 26);
    return button;
}

} // namespace

ButtonColumn::ButtonColumn(ColorPicker& picker, QWidget* parent) : QWidget(parent), picker_(picker) {
    setObjectName(QStringLiteral("ScrollBox1"));
    SetBackground(this, ColumnColor);

    prefixButton_ = Named(new SpeedButton(this), "BtnColorPre");
    prefixButton_->setGeometry(6, 1, 86, 22);
    prefixButton_->setToolTip(tr("带颜色前缀"));
    prefixButton_->setAccessibleName(tr("带颜色前缀"));

    formatBox_ = Named(new QComboBox(this), "CbColorValType");
    formatBox_->setGeometry(5, 25, 90, 23);
    formatBox_->setEditable(true);
    formatBox_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : ColorFormatNames)
        formatBox_->addItem(QString::fromLatin1(name));
    formatBox_->setToolTip(tr("取色的格式"));
    formatBox_->setAccessibleName(tr("取色的格式"));
    formatBox_->lineEdit()->setAccessibleName(tr("取色的格式"));

    pasteTypeList_ = Named(new QListWidget(this), "LbPasteType");
    pasteTypeList_->setGeometry(4, 48, 92, 31);
    pasteTypeList_->setFont(SongTi(13));
    pasteTypeList_->setItemDelegate(new FixedRowDelegate(13, pasteTypeList_));
    pasteTypeList_->setFrameStyle(QFrame::Box | QFrame::Plain);
    pasteTypeList_->setSelectionMode(QAbstractItemView::SingleSelection);
    pasteTypeList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pasteTypeList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pasteTypeList_->setToolTip(tr("自动把颜色数值或颜色样图放入剪贴板"));
    pasteTypeList_->setAccessibleName(tr("剪贴板内容"));

    pickButton_ = ColumnButton(this, "BtnStartGetColor", 79);
    copyButton_ = ColumnButton(this, "BtnCopyColor", 106);
    addFavouriteButton_ = ColumnButton(this, "BtnAddColorFav", 133);
    addFavouriteButton_->setToolTip(tr("加入收藏"));
    otherFunctionsButton_ = ColumnButton(this, "BtnOtherFun", 162);
    helpButton_ = ColumnButton(this, "BtnSCHelpDoc", 190);
    exitButton_ = ColumnButton(this, "BtnSCExit", 219);
    alwaysOnTopButton_ = ColumnButton(this, "BtnAlwaysOnTop", 246);
    // A screen reader reads the words of the button pictures.
    pickButton_->setAccessibleName(tr("开始取色"));
    copyButton_->setAccessibleName(tr("复制颜色"));
    addFavouriteButton_->setAccessibleName(tr("收藏颜色"));
    otherFunctionsButton_->setAccessibleName(tr("其他功能"));
    helpButton_->setAccessibleName(tr("帮助文档"));
    helpButton_->setAccessibleDescription(tr("菜单键打开帮助菜单"));
    exitButton_->setAccessibleName(tr("退出"));
    alwaysOnTopButton_->setAccessibleName(tr("总在最上方"));
    // The help menu, which the window definition attaches to nothing, opens on a right click on the
    // help button.
    helpButton_->setContextMenuPolicy(Qt::CustomContextMenu);

    Connect();
}

void ButtonColumn::Connect() {
    ColorPicker& picker = picker_;
    connect(prefixButton_, &SpeedButton::clicked, &picker.Current, &CurrentColor::BtnColorPreClick);
    connect(formatBox_, &QComboBox::currentIndexChanged, &picker, &ColorPicker::CbColorValTypeChange);
    connect(formatBox_->lineEdit(), &QLineEdit::textEdited, this, &ButtonColumn::FormatTextEdited);
    connect(pasteTypeList_, &QListWidget::currentRowChanged, &picker, &ColorPicker::LbPasteTypeClick);
    connect(pickButton_, &SpeedButton::clicked, &picker.Picking, &PickLoop::BtnStartGetColorClick);
    connect(copyButton_, &SpeedButton::clicked, &picker, &ColorPicker::BtnCopyColorClick);
    connect(addFavouriteButton_, &SpeedButton::clicked, &picker, &ColorPicker::BtnAddColorFavClick);
    connect(otherFunctionsButton_, &SpeedButton::clicked, this, &ButtonColumn::OtherFunctionsClicked);
    connect(helpButton_, &SpeedButton::clicked, this, &ButtonColumn::HelpClicked);
    connect(exitButton_, &SpeedButton::clicked, this, &ButtonColumn::ExitClicked);
    connect(alwaysOnTopButton_, &SpeedButton::clicked, &picker, &ColorPicker::BtnAlwaysOnTopClick);
    connect(helpButton_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit HelpMenuRequested(helpButton_->mapToGlobal(at)); });

    connect(&picker.Picking, &PickLoop::PickingChanged, this, &ButtonColumn::ShowPicking);
    connect(&picker.Picking, &PickLoop::WaitingForButton, this, &ButtonColumn::ShowPicking);
    connect(&picker.Current, &CurrentColor::FormatChanged, this, &ButtonColumn::ShowFormat);
    connect(&picker.Current, &CurrentColor::PrefixChanged, this, &ButtonColumn::ShowPrefix);
    connect(&picker.Clipboard, &ClipboardOutput::PasteTypeChanged, this, &ButtonColumn::ShowPasteType);
    connect(&picker, &ColorPicker::AlwaysOnTopChanged, this, &ButtonColumn::ShowAlwaysOnTop);
}

void ButtonColumn::LoadSkin() {
    for (auto [button, name] : {std::pair{copyButton_, "BtnCopyColor"},
                                {addFavouriteButton_, "BtnAddColorFav"},
                                {otherFunctionsButton_, "BtnOtherFun"},
                                {helpButton_, "BtnSCHelpDoc"},
                                {exitButton_, "BtnSCExit"}})
        button->LoadGlyph(QString::fromLatin1(name));

    const QSignalBlocker quiet(pasteTypeList_);
    pasteTypeList_->clear();
    pasteTypeList_->addItem(QString::fromStdString(MsgPasteValue));
    pasteTypeList_->addItem(QString::fromStdString(MsgPasteSample));

    copyButton_->setToolTip(QString::fromStdString(MsgCopyColor));
    addFavouriteButton_->setToolTip(QString::fromStdString(MsgAddToFavourites));
}

void ButtonColumn::ShowState() {
    ShowFormat();
    ShowPrefix();
    ShowAlwaysOnTop();
    ShowPasteType();
}

QRect ButtonColumn::OtherFunctionsButtonGeometry() const { return otherFunctionsButton_->geometry(); }

void ButtonColumn::ShowPicking() {
    const bool on = picker_.Picking.PickingOn();
    pickButton_->LoadGlyph(on ? QStringLiteral("cStartGetColor") : QStringLiteral("ncStartGetColor"));
    pickButton_->setAccessibleName(on ? tr("停止取色") : tr("开始取色"));
}

void ButtonColumn::ShowFormat() {
    if (formatBox_->currentIndex() == picker_.Current.Format())
        return;
    const QSignalBlocker quiet(formatBox_);
    formatBox_->setCurrentIndex(picker_.Current.Format());
}

void ButtonColumn::FormatTextEdited(const QString& text) {
    // The typed text selects the format it names, or none; it stays as typed either way.
    QLineEdit* edit = formatBox_->lineEdit();
    const int cursor = edit->cursorPosition();
    picker_.CbColorValTypeChange(formatBox_->findText(text, Qt::MatchFixedString));
    if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

void ButtonColumn::ShowPrefix() {
    // The ticked box goes with the prefix on, which is the stored 0.
    prefixButton_->LoadGlyph(picker_.Current.PrefixOn() ? QStringLiteral("ccolorpre")
                                                        : QStringLiteral("nccolorpre"));
    prefixButton_->SetOn(picker_.Current.PrefixOn());
}

void ButtonColumn::ShowAlwaysOnTop() {
    RunGuarded([this] {
        const bool onTop = picker_.AlwaysOnTop();
        alwaysOnTopButton_->LoadGlyph(onTop ? QStringLiteral("cAlwaysOnTop")
                                            : QStringLiteral("ncAlwaysOnTop"));
        alwaysOnTopButton_->SetOn(onTop);
    });
}

void ButtonColumn::ShowPasteType() {
    const QSignalBlocker quiet(pasteTypeList_);
    pasteTypeList_->setCurrentRow(picker_.Clipboard.PasteType());
}
