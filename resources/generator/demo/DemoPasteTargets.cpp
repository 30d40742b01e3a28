// The windows a user pastes Tintra's clipboard into, for the screenshots of the
// usage examples window:
//
//   demo_paste_targets text      a plain-text editor with the clipboard's text pasted in
//   demo_paste_targets picture   a small paint program with the clipboard's picture
//                                pasted onto its canvas, drawn pixel for pixel
//
// Once the paste is done it prints one line on standard output, "text: <what was
// pasted>" or "picture: <width>x<height>", so that the script taking the screenshots
// can check it. With nothing suitable on the clipboard it says so on standard error
// and ends with exit code 1; a wrong argument gives exit code 2.

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QColor>
#include <QContextMenuEvent>
#include <QFont>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPolygonF>
#include <QStatusBar>
#include <QString>
#include <QTextBlock>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>
#include <functional>

namespace {

const QString UiFont = QStringLiteral("Noto Sans CJK SC");
const QString EditorFont = QStringLiteral("Noto Sans Mono CJK SC");
constexpr int WindowWidth = 380;
constexpr int WindowHeight = 600;

void report(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QAction* addItem(QMenu* menu, const QString& text, const QKeySequence& keys = {}, bool enabled = true,
                 const std::function<void()>& run = {}) {
    QAction* action = menu->addAction(text);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
    }
    action->setEnabled(enabled);
    if (run) {
        QObject::connect(action, &QAction::triggered, menu, run);
    }
    return action;
}

// ---------------------------------------------------------------- the text editor

class Editor : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const bool selected = textCursor().hasSelection();
        addItem(menu, QStringLiteral("撤销(&U)"), QKeySequence::Undo, document()->isUndoAvailable(),
                [this] { undo(); });
        menu->addSeparator();
        addItem(menu, QStringLiteral("剪切(&T)"), QKeySequence::Cut, selected, [this] { cut(); });
        addItem(menu, QStringLiteral("复制(&C)"), QKeySequence::Copy, selected, [this] { copy(); });
        QAction* pasteItem =
            addItem(menu, QStringLiteral("粘贴(&P)"), QKeySequence::Paste, canPaste(), [this] { paste(); });
        addItem(menu, QStringLiteral("删除(&L)"), QKeySequence::Delete, selected,
                [this] { textCursor().removeSelectedText(); });
        menu->addSeparator();
        addItem(menu, QStringLiteral("全选(&A)"), QKeySequence::SelectAll, !document()->isEmpty(),
                [this] { selectAll(); });
        menu->popup(event->globalPos());
        // The menu opens with the paste item lit, as it is the moment before the click.
        if (pasteItem->isEnabled()) {
            menu->setActiveAction(pasteItem);
        }
    }
};

class TextWindow : public QMainWindow {
public:
    TextWindow() {
        setWindowTitle(QStringLiteral("记事本 - 无标题"));
        editor_ = new Editor(this);
        editor_->setFont(QFont(EditorFont, 12));
        editor_->setFrameShape(QFrame::NoFrame);
        editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
        setCentralWidget(editor_);

        QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
        addItem(file, QStringLiteral("新建(&N)"), QKeySequence::New);
        addItem(file, QStringLiteral("打开(&O)..."), QKeySequence::Open);
        addItem(file, QStringLiteral("保存(&S)"), QKeySequence::Save);
        addItem(file, QStringLiteral("另存为(&A)..."));
        file->addSeparator();
        addItem(file, QStringLiteral("退出(&X)"), {}, true, [this] { close(); });
        QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
        addItem(edit, QStringLiteral("撤销(&U)"), QKeySequence::Undo, true, [this] { editor_->undo(); });
        edit->addSeparator();
        addItem(edit, QStringLiteral("剪切(&T)"), QKeySequence::Cut, true, [this] { editor_->cut(); });
        addItem(edit, QStringLiteral("复制(&C)"), QKeySequence::Copy, true, [this] { editor_->copy(); });
        addItem(edit, QStringLiteral("粘贴(&P)"), QKeySequence::Paste, true, [this] { editor_->paste(); });
        edit->addSeparator();
        addItem(edit, QStringLiteral("全选(&A)"), QKeySequence::SelectAll, true,
                [this] { editor_->selectAll(); });
        QMenu* format = menuBar()->addMenu(QStringLiteral("格式(&O)"));
        addItem(format, QStringLiteral("自动换行(&W)"));
        addItem(format, QStringLiteral("字体(&F)..."));
        QMenu* view = menuBar()->addMenu(QStringLiteral("查看(&V)"));
        addItem(view, QStringLiteral("状态栏(&S)"));
        QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
        addItem(help, QStringLiteral("关于(&A)"));

        place_ = new QLabel(this);
        statusBar()->addPermanentWidget(place_);
        statusBar()->addPermanentWidget(new QLabel(QStringLiteral("100%"), this));
        statusBar()->addPermanentWidget(new QLabel(QStringLiteral("UTF-8"), this));
        connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, &TextWindow::showPlace);
        showPlace();
    }

    // Pastes the clipboard's text at the caret; false when the clipboard holds no text.
    bool pasteClipboard() {
        const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
        if (offered == nullptr || !offered->hasText() || offered->text().isEmpty()) {
            return false;
        }
        editor_->setFocus();
        editor_->paste();
        return !editor_->document()->isEmpty();
    }

    QString text() const { return editor_->toPlainText(); }

private:
    void showPlace() {
        const QTextCursor caret = editor_->textCursor();
        place_->setText(QStringLiteral("第 %1 行，第 %2 列")
                            .arg(caret.blockNumber() + 1)
                            .arg(caret.positionInBlock() + 1));
    }

    Editor* editor_ = nullptr;
    QLabel* place_ = nullptr;
};

// ---------------------------------------------------------------- the paint program

const QColor Face(240, 240, 240);
const QColor Ink(48, 48, 48);
const QColor Shade(160, 160, 160);
const QColor Highlight(255, 255, 255);

// A 14x14 tool picture drawn inside `box`.
void drawTool(QPainter& p, int tool, const QRectF& box) {
    const double l = box.left(), t = box.top(), w = box.width(), h = box.height();
    const auto at = [&](double x, double y) { return QPointF(l + x * w, t + y * h); };
    QPen pen(Ink, 1.2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (tool) {
    case 0: { // free-form selection
        QPen dashed(Ink, 1.0, Qt::DashLine);
        p.setPen(dashed);
        p.drawPolygon(QPolygonF(
            {at(0.1, 0.5), at(0.35, 0.05), at(0.9, 0.2), at(0.75, 0.65), at(0.95, 0.95), at(0.3, 0.85)}));
        break;
    }
    case 1: { // rectangular selection
        QPen dashed(Ink, 1.0, Qt::DashLine);
        p.setPen(dashed);
        p.drawRect(QRectF(at(0.05, 0.15), at(0.95, 0.85)));
        break;
    }
    case 2: { // eraser
        p.save();
        p.translate(at(0.5, 0.5));
        p.rotate(-35);
        p.setBrush(QColor(240, 150, 170));
        p.drawRect(QRectF(-0.45 * w, -0.22 * h, 0.4 * w, 0.44 * h));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-0.05 * w, -0.22 * h, 0.5 * w, 0.44 * h));
        p.restore();
        break;
    }
    case 3: { // fill
        p.save();
        p.translate(at(0.42, 0.55));
        p.rotate(-30);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-0.3 * w, -0.3 * h, 0.6 * w, 0.6 * h));
        p.restore();
        p.setBrush(QColor(40, 90, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(at(0.78, 0.55), at(0.98, 0.9)));
        break;
    }
    case 4: { // colour picker
        p.drawLine(at(0.1, 0.9), at(0.6, 0.4));
        p.setBrush(Ink);
        p.drawEllipse(QRectF(at(0.6, 0.1), at(0.9, 0.4)));
        break;
    }
    case 5: { // magnifier
        p.drawEllipse(QRectF(at(0.1, 0.1), at(0.65, 0.65)));
        QPen handle(Ink, 2.4);
        handle.setCapStyle(Qt::RoundCap);
        p.setPen(handle);
        p.drawLine(at(0.62, 0.62), at(0.92, 0.92));
        break;
    }
    case 6: { // pencil
        p.setBrush(QColor(250, 210, 90));
        p.drawPolygon(
            QPolygonF({at(0.1, 0.9), at(0.2, 0.62), at(0.78, 0.06), at(0.94, 0.22), at(0.38, 0.8)}));
        break;
    }
    case 7: { // brush
        QPen stick(QColor(150, 100, 60), 2.0);
        stick.setCapStyle(Qt::RoundCap);
        p.setPen(stick);
        p.drawLine(at(0.45, 0.55), at(0.92, 0.08));
        p.setPen(pen);
        p.setBrush(Ink);
        QPainterPath tip;
        tip.moveTo(at(0.08, 0.92));
        tip.quadTo(at(0.2, 0.55), at(0.45, 0.5));
        tip.lineTo(at(0.5, 0.55));
        tip.quadTo(at(0.45, 0.8), at(0.08, 0.92));
        p.drawPath(tip);
        break;
    }
    case 8: { // spray
        p.drawRect(QRectF(at(0.45, 0.35), at(0.85, 0.95)));
        p.drawLine(at(0.55, 0.35), at(0.55, 0.2));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        for (const QPointF& dot :
             {at(0.1, 0.1), at(0.25, 0.05), at(0.2, 0.25), at(0.05, 0.35), at(0.3, 0.4)}) {
            p.drawEllipse(dot, 0.6, 0.6);
        }
        break;
    }
    case 9: { // text
        QFont letter(QStringLiteral("DejaVu Serif"));
        letter.setPixelSize(int(h * 1.05));
        letter.setBold(true);
        p.setFont(letter);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case 10: // line
        p.drawLine(at(0.08, 0.92), at(0.92, 0.08));
        break;
    case 11: { // curve
        QPainterPath curve;
        curve.moveTo(at(0.05, 0.8));
        curve.cubicTo(at(0.3, -0.2), at(0.6, 1.2), at(0.95, 0.2));
        p.drawPath(curve);
        break;
    }
    case 12: // rectangle
        p.drawRect(QRectF(at(0.08, 0.2), at(0.92, 0.8)));
        break;
    case 13: // polygon
        p.drawPolygon(QPolygonF({at(0.1, 0.9), at(0.2, 0.2), at(0.6, 0.35), at(0.9, 0.1), at(0.85, 0.9)}));
        break;
    case 14: // ellipse
        p.drawEllipse(QRectF(at(0.05, 0.2), at(0.95, 0.8)));
        break;
    default: // rounded rectangle
        p.drawRoundedRect(QRectF(at(0.08, 0.2), at(0.92, 0.8)), 3, 3);
        break;
    }
}

void drawBevel(QPainter& p, const QRect& r, bool sunken) {
    p.setPen(sunken ? Shade : Highlight);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(sunken ? Highlight : Shade);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// Sixteen tools in two columns, the rectangular selection pressed (a paste leaves it chosen),
// and under them the box of line widths.
class ToolStrip : public QWidget {
public:
    explicit ToolStrip(QWidget* parent) : QWidget(parent) { setFixedWidth(Margin * 2 + Cell * 2 + 1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Face);
        for (int tool = 0; tool < 16; ++tool) {
            const QRect cell(Margin + (tool % 2) * Cell, Margin + (tool / 2) * Cell, Cell - 1, Cell - 1);
            const bool chosen = tool == 1;
            if (chosen) {
                p.fillRect(cell, QColor(204, 228, 247));
                p.setPen(QColor(0, 120, 215));
                p.drawRect(cell);
            } else {
                drawBevel(p, cell, false);
            }
            p.setRenderHint(QPainter::Antialiasing, true);
            drawTool(p, tool, QRectF(cell).adjusted(5, 5, -5, -5));
            p.setRenderHint(QPainter::Antialiasing, false);
        }
        const QRect widths(Margin + 2, Margin + 8 * Cell + 8, 2 * Cell - 5, 58);
        p.fillRect(widths, Qt::white);
        drawBevel(p, widths, true);
        for (int i = 0; i < 4; ++i) {
            const int y = widths.top() + 10 + i * 12;
            p.fillRect(QRect(widths.left() + 8, y - i / 2, widths.width() - 16, i + 1), Ink);
        }
    }

private:
    static constexpr int Margin = 4;
    static constexpr int Cell = 25;
};

// The colours to paint with: the current pair, then two rows of fourteen.
class Palette : public QWidget {
public:
    explicit Palette(QWidget* parent) : QWidget(parent) { setFixedHeight(44); }

protected:
    void paintEvent(QPaintEvent*) override {
        static const std::array<QColor, 28> colors{
            QColor(0, 0, 0),       QColor(127, 127, 127), QColor(136, 0, 21),    QColor(237, 28, 36),
            QColor(255, 127, 39),  QColor(255, 242, 0),   QColor(34, 177, 76),   QColor(0, 162, 232),
            QColor(63, 72, 204),   QColor(163, 73, 164),  QColor(120, 60, 20),   QColor(0, 90, 90),
            QColor(30, 60, 120),   QColor(90, 0, 90),     QColor(255, 255, 255), QColor(195, 195, 195),
            QColor(185, 122, 87),  QColor(255, 174, 201), QColor(255, 201, 14),  QColor(239, 228, 176),
            QColor(181, 230, 29),  QColor(153, 217, 234), QColor(112, 146, 190), QColor(200, 191, 231),
            QColor(255, 220, 180), QColor(180, 255, 200), QColor(200, 240, 255), QColor(255, 200, 230)};
        QPainter p(this);
        p.fillRect(rect(), Face);
        p.setPen(Shade);
        p.drawLine(0, 0, width(), 0);

        const QRect pair(6, 5, 34, 34);
        p.fillRect(pair, Qt::white);
        drawBevel(p, pair, true);
        const QRect back(pair.left() + 13, pair.top() + 13, 15, 15);
        const QRect front(pair.left() + 5, pair.top() + 5, 15, 15);
        p.fillRect(back, Qt::white);
        p.setPen(Ink);
        p.drawRect(back);
        p.fillRect(front, Qt::black);
        p.setPen(Shade);
        p.drawRect(front);

        for (int i = 0; i < int(colors.size()); ++i) {
            const QRect swatch(48 + (i % 14) * 18, 5 + (i / 14) * 18, 16, 16);
            p.fillRect(swatch, colors[i]);
            drawBevel(p, swatch, true);
        }
    }
};

// The grey work area with the white canvas on it and the pasted picture, selected, near its corner.
class Canvas : public QWidget {
public:
    Canvas(QWidget* parent, const QImage& picture) : QWidget(parent), picture_(picture) {
        setMinimumSize(120, 120);
    }

    static constexpr QSize PageSize{300, 430};
    static constexpr QPoint PageAt{6, 6};
    static constexpr QPoint PictureAt{20, 16}; // on the page

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(203, 213, 228));
        const QRect page(PageAt, PageSize);
        p.fillRect(page.translated(2, 2), QColor(176, 186, 200));
        p.fillRect(page, Qt::white);
        // Drawn at its own size: one pixel of the picture is one pixel on the screen.
        p.drawImage(page.topLeft() + PictureAt, picture_);

        QRect around(page.topLeft() + PictureAt - QPoint(1, 1), picture_.size() + QSize(1, 1));
        p.setPen(QPen(QColor(0, 84, 166), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(around);

        // Handles for stretching the page.
        const int handle = 5;
        for (const QPoint& corner :
             {QPoint(page.right() + 1, page.center().y()), QPoint(page.center().x(), page.bottom() + 1),
              page.bottomRight() + QPoint(1, 1)}) {
            const QRect box(corner.x() + 1, corner.y() + 1, handle, handle);
            p.fillRect(box, Qt::white);
            p.setPen(QColor(90, 100, 115));
            p.drawRect(box);
        }
    }

private:
    QImage picture_;
};

class PaintWindow : public QMainWindow {
public:
    explicit PaintWindow(const QImage& picture) {
        setWindowTitle(QStringLiteral("画图 - 未命名"));
        auto* body = new QWidget(this);
        auto* column = new QVBoxLayout(body);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        row->addWidget(new ToolStrip(body));
        row->addWidget(new Canvas(body, picture), 1);
        column->addLayout(row, 1);
        column->addWidget(new Palette(body));
        setCentralWidget(body);

        for (const QString& title :
             {QStringLiteral("文件(&F)"), QStringLiteral("编辑(&E)"), QStringLiteral("查看(&V)"),
              QStringLiteral("图像(&I)"), QStringLiteral("颜色(&C)"), QStringLiteral("帮助(&H)")}) {
            menuBar()->addMenu(title);
        }
        statusBar()->showMessage(QStringLiteral("已粘贴"));
        statusBar()->addPermanentWidget(
            new QLabel(QStringLiteral("%1, %2").arg(Canvas::PictureAt.x()).arg(Canvas::PictureAt.y()), this));
        statusBar()->addPermanentWidget(
            new QLabel(QStringLiteral("%1 × %2 像素").arg(picture.width()).arg(picture.height()), this));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(UiFont, 9));
    const QString mode = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();

    if (mode == QLatin1String("text")) {
        TextWindow window;
        window.resize(WindowWidth, WindowHeight);
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            if (!window.pasteClipboard()) {
                std::fputs("demo_paste_targets: the clipboard holds no text\n", stderr);
                QApplication::exit(1);
                return;
            }
            report(QStringLiteral("text: ") + window.text());
        });
        return QApplication::exec();
    }

    if (mode == QLatin1String("picture")) {
        QImage picture = QGuiApplication::clipboard()->image();
        if (picture.isNull()) {
            std::fputs("demo_paste_targets: the clipboard holds no picture\n", stderr);
            return 1;
        }
        picture = picture.convertToFormat(QImage::Format_RGB32);
        picture.setDevicePixelRatio(1.0);
        PaintWindow window(picture);
        window.resize(WindowWidth, WindowHeight);
        window.show();
        report(QStringLiteral("picture: %1x%2").arg(picture.width()).arg(picture.height()));
        return QApplication::exec();
    }

    std::fputs("usage: demo_paste_targets text|picture\n", stderr);
    return 2;
}
