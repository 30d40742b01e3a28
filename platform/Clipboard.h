#pragma once

class QImage;
class QString;

// The desktop's clipboard. Each write replaces whatever it held, so it then holds only this text or
// this picture. A write the clipboard does not take fails with an exception.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(const QImage& image) = 0;
};
