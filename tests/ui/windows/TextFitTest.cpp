#include "../Speaking.h"

#include "app/Program.h"
#include "core/picker/ColorPicker.h"
#include "platform/fake/FakePlatform.h"
#include "ui/controls/CentredText.h"
#include "ui/controls/RowText.h"
#include "ui/picker/MainWindow.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/ExamplesWindow.h"
#include "ui/windows/RandomColorWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegion>
#include <QScreen>
#include <QStyleOptionFrame>

#include <gtest/gtest.h>

namespace {

// Lays out each text of a window the way its control does, with the control's font, and notes every
// text whose box reaches past the part of the control a person can see: outside its contents, its
// parents, or under a control stacked above it.
class TextFitTest : public testing::Test {
protected:
    void CheckWindow(QWidget* window) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow())
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget))
                CheckLabel(label);
            else if (auto* text = qobject_cast<CentredText*>(widget))
                Check(text, text->Text(), text->TextBox(), text->rect());
            else if (auto* edit = qobject_cast<QLineEdit*>(widget))
                CheckEdit(edit);
            else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
                CheckRows(view);
        }
    }

    void CheckMenu(QMenu* menu) {
        menu->adjustSize(); // as it sizes itself when it pops up
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QRect item = menu->actionGeometry(action);
            const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
            Check(menu, action->text(), Layout(menu, item, flags, action->text()), item);
        }
    }

    void CheckEveryWindow();

    QStringList misfits;

private:
    void CheckLabel(QLabel* label) {
        if (label->text().isEmpty())
            return;
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        Check(label, label->text(), Layout(label, room, flags, label->text()), room);
    }

    // An editable combo box shows each of its items in its edit field.
    void CheckEdit(QLineEdit* edit) {
        QStringList texts{edit->text()};
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget()))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        // As the edit paints: inside its frame and text margins, two pixels in from either side.
        QStyleOptionFrame panel;
        panel.initFrom(edit);
        panel.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect room = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, edit)
                               .marginsRemoved(edit->textMargins())
                               .adjusted(2, 0, -2, 0);
        for (const QString& text : texts)
            Check(edit, text, Layout(edit, room, int(edit->alignment()), text), room);
    }

    // Each row's text starts at the row's left edge on the baseline the list's delegates write on.
    void CheckRows(QAbstractItemView* view) {
        const qreal ascent = QFontMetricsF(view->font(), view).ascent();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            const QString text = index.data().toString();
            const QRect rect = view->visualRect(index);
            const QRectF line(rect.left(), RowBaseline(view->font(), rect) - ascent, 0, 0);
            Check(view->viewport(), text, Layout(view, line, Qt::TextDontClip, text), rect);
        }
    }

    // The box a text's lines take in a room, with the control's font, to the nearest pixel: a line
    // that reaches a fraction of a pixel past its room draws nothing there.
    static QRect Layout(const QWidget* control, const QRectF& room, int flags, const QString& text) {
        return QFontMetricsF(control->font(), control).boundingRect(room, flags, text).toRect();
    }

    // Box and room are in the control's coordinates.
    void Check(QWidget* control, const QString& text, QRect box, QRect room) {
        const QRegion shown = ShownPart(control, room);
        if (shown.isEmpty() || QRegion(box).subtracted(shown).isEmpty())
            return; // a control kept wholly out of sight shows no text to cut
        const QWidget* window = control->isWindow() && control->parentWidget()
                                    ? control->parentWidget()->window()
                                    : control->window();
        QStringList seen;
        for (const QRect& part : shown)
            seen << Describe(part);
        misfits << QStringLiteral("%1 in %2: \"%3\" needs %4 but has %5, seen %6")
                       .arg(Name(control), Name(window), text, Describe(box), Describe(room),
                            seen.join(u'+'));
    }

    // The part of a room inside the control that its parents do not clip and no later sibling covers.
    // Content in a scrolled view counts whole: a person scrolls to it.
    static QRegion ShownPart(QWidget* control, QRect room) {
        QRegion shown(room & control->rect());
        QPoint origin; // of the control, in the coordinates of the parent reached
        for (QWidget* child = control; !child->isWindow(); child = child->parentWidget()) {
            QWidget* parent = child->parentWidget();
            if (auto* area = qobject_cast<QAbstractScrollArea*>(parent->parentWidget());
                area && area->viewport() == parent)
                break;
            origin += child->pos();
            shown.translate(child->pos());
            shown &= parent->rect();
            const QObjectList& siblings = parent->children();
            for (qsizetype i = siblings.indexOf(child) + 1; i < siblings.size(); ++i)
                if (auto* above = qobject_cast<QWidget*>(siblings[i]); above && above->isVisible())
                    shown -= above->geometry();
        }
        return shown.translated(-origin);
    }

    // A list's rows are named after the list.
    static QString Name(const QWidget* widget) {
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
            area && area->viewport() == widget)
            widget = area;
        return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                              : widget->objectName();
    }

    static QString Describe(QRect r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

// Every window with its texts as the language then spoken writes them.
void TextFitTest::CheckEveryWindow() {
    SCOPED_TRACE(testing::Message() << "device pixel ratio "
                                    << QGuiApplication::primaryScreen()->devicePixelRatio());
    FakePlatform platform;
    Program program(platform);
    MainWindow& window = program.Window();
    ColorPicker& picker = program.Picker();
    window.show();
    picker.History.InsertTop(QStringLiteral("#FFFFFF"), QStringLiteral("16777215"));
    picker.Favourites.InsertTop(QStringLiteral("255,255,255"), QStringLiteral("16777215"));
    picker.Current.ShowAsCurrentColor(PackRgb(255, 255, 255));
    picker.BtnCopyColorClick(); // the hint line says that "#FFFFFF" was copied, on two lines
    const auto* hint = window.findChild<CentredText*>(QStringLiteral("LblHnit"));
    ASSERT_TRUE(hint->Text().contains(QStringLiteral("#FFFFFF")));
    ASSERT_GT(hint->fontMetrics().horizontalAdvance(hint->Text()), hint->width());

    picker.Picking.SwitchPickingOn(); // the magnifier panel shows
    CheckWindow(&window);
    picker.Picking.SwitchPickingOff(); // the palette panel shows
    CheckWindow(&window);
    for (QMenu* menu : window.findChildren<QMenu*>())
        CheckMenu(menu);

    RandomColorWindow random(&window);
    AboutWindow about(platform, &window);
    ExamplesWindow examples(&window);
    for (QWidget* other : std::initializer_list<QWidget*>{&random, &about, &examples}) {
        other->show();
        CheckWindow(other);
    }
    misfits.removeDuplicates(); // the main window's controls are walked twice
    EXPECT_TRUE(misfits.isEmpty()) << misfits.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TextFitTest, EveryTextShowsWholeInEveryWindow) { CheckEveryWindow(); }

TEST_F(TextFitTest, EveryEnglishTextShowsWholeInEveryWindow) {
    const Speaking english({QStringLiteral("en")});
    ASSERT_EQ(english.chosen, "en");
    CheckEveryWindow();
}

} // namespace
