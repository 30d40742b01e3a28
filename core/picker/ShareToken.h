#pragma once

#include <QObject>
#include <QString>

// The key a desktop gives with a screen share so that the next start skips its question. The settings
// file keeps it; the desktop's screen access reads it when it asks for a share and renews it here.
class ShareToken : public QObject {
    Q_OBJECT
public:
    const QString& Value() const { return value_; }
    void Set(const QString& value);

signals:
    void Changed(const QString& value);

private:
    QString value_;
};
