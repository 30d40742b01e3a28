#pragma once

#include <QTextLayout>
#include <QWidget>

// A text centred across the control from its top, wrapped at word ends, on the palette's window colour. The
// text is laid out once when it, the font or the width changes; painting only draws the lines. A label lays
// out a text again for its size and again to paint it, which shows when the text changes forty times a
// second.
class CentredText : public QWidget {
    Q_OBJECT
public:
    explicit CentredText(QWidget* parent = nullptr);

    QString Text() const { return layout_.text(); }
    void SetText(const QString& text);
    // The box the lines take, in the control's coordinates.
    QRect TextBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();

    QTextLayout layout_;
};
