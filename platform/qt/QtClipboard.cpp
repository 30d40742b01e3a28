#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <stdexcept>

namespace {

QClipboard& SystemClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw std::runtime_error("no clipboard");
    return *clipboard;
}

} // namespace

void QtClipboard::SetText(const QString& text) {
    QClipboard& clipboard = SystemClipboard();
    clipboard.setText(text);
    // The program owns what it put there, so reading it back costs no trip to the desktop.
    if (clipboard.text() != text)
        throw std::runtime_error("the clipboard did not take the text");
}

void QtClipboard::SetImage(const QImage& image) {
    if (image.isNull())
        throw std::invalid_argument("no picture to copy");
    QClipboard& clipboard = SystemClipboard();
    clipboard.setImage(image);
    const QMimeData* held = clipboard.mimeData();
    if (!held || !held->hasImage())
        throw std::runtime_error("the clipboard did not take the picture");
}
