#include "platform/qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

QString QtDialogFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        // Qt reads the patterns from the parentheses at the end of the description.
        filters << (description.endsWith('(' + patterns + ')') ? description
                                                               : description + " (" + patterns + ')');
    }
    return filters.join(";;");
}

namespace {

std::optional<ChosenFile> Chosen(const QString& name, const QString& filters, const QString& chosenFilter) {
    if (name.isEmpty())
        return std::nullopt;
    return ChosenFile{name,
                      int(std::max<qsizetype>(0, filters.split(QStringLiteral(";;")).indexOf(chosenFilter)))};
}

} // namespace

std::optional<ChosenFile> QtFileDialogs::OpenFileName(QWidget* parent, const QString& filter) {
    const QString filters = QtDialogFilter(filter);
    QString chosenFilter;
    const QString name = QFileDialog::getOpenFileName(parent, {}, {}, filters, &chosenFilter);
    return Chosen(name, filters, chosenFilter);
}

std::optional<ChosenFile> QtFileDialogs::SaveFileName(QWidget* parent, const QString& filter) {
    const QString filters = QtDialogFilter(filter);
    QString chosenFilter;
    QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
    options.setFlag(QFileDialog::DontUseNativeDialog, save_ == SaveDialog::Qts);
    const QString name = QFileDialog::getSaveFileName(parent, {}, {}, filters, &chosenFilter, options);
    return Chosen(name, filters, chosenFilter);
}
