#pragma once

#include <QApplication>
#include <QStringList>

class QTranslator;

// The application object. Whatever a handler lets escape ends here and is dropped, with a trace in the
// log: the program never shows an error and never ends because of one.
class TintraApplication : public QApplication {
    Q_OBJECT
public:
    TintraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Speaks the first of the user's languages (QLocale::uiLanguages(), "en-GB", "zh-CN", "C") that the
    // program has a translation for, with its pictures, help page and Qt's own texts; the program's own
    // Chinese where a Chinese language, the C locale or none it knows comes first. Gives the language
    // chosen, empty for Chinese. Before any text is made.
    QString Speak(const QStringList& uiLanguages);

private:
    bool Install(const QString& file, const QString& folder);

    QList<QTranslator*> translators_;
};
