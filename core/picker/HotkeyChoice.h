#pragma once

#include <QObject>
#include <QString>

// The user's global hotkey: whether it is on and the combination it is, as Qt writes key sequences
// ("Ctrl+Alt+Shift+C"); and why the desktop would not give it, while that is so.
class HotkeyChoice : public QObject {
    Q_OBJECT
public:
    // Left free by the usual desktops' own shortcuts.
    static inline const QString DefaultKeys = QStringLiteral("Ctrl+Alt+Shift+C");

    using QObject::QObject;

    bool On() const { return on_; }
    void SetOn(bool on);
    const QString& Keys() const { return keys_; }
    // An empty combination is the default one.
    void SetKeys(const QString& keys);

    const QString& Problem() const { return problem_; }
    void SetProblem(const QString& why);

signals:
    // Turned on or off, or another combination: the desktop is asked again.
    void Changed();
    void ProblemChanged();

private:
    bool on_ = false;
    QString keys_ = DefaultKeys;
    QString problem_;
};
