#pragma once

#include <QObject>
#include <QString>

// A key combination that reaches the program from any window, without its window taking the keys,
// where the desktop lets a program hold one.
class GlobalHotkey : public QObject {
    Q_OBJECT
public:
    // Whether this desktop lets a program hold a combination at all, as far as it has said yet.
    virtual bool Offered() const = 0;
    // Holds the combination, written as Qt writes key sequences ("Ctrl+Alt+Shift+C"), from now on in
    // place of any other; Refused follows where it cannot be had.
    virtual void Bind(const QString& keys) = 0;
    // Lets go of it.
    virtual void Release() = 0;

signals:
    // A desktop that answers after the start has said it offers a combination.
    void OfferedChanged();
    void Pressed();
    // The combination is not held as asked: another program holds it, the desktop would not give it,
    // or it did not say which keys it gave. Why, for the user.
    void Refused(const QString& why);
};
