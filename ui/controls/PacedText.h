#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Hands a text that a screen reader reads out when it changes (an accessible name or description) on
// at most once a second, so that a reader is not flooded: a text that comes sooner is handed on when
// the second is over, the latest one winning.
class PacedText : public QObject {
    Q_OBJECT
public:
    PacedText(std::function<void(const QString&)> apply, QObject* parent);

    void Set(const QString& text);

private:
    void Apply();

    std::function<void(const QString&)> apply_;
    QString text_;
    QElapsedTimer since_;
    QTimer wait_;
};
