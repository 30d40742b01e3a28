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

std::optional<QString> Chosen(const QString& name) {
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

} // namespace

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent, const QString& filter) {
    return Chosen(QFileDialog::getOpenFileName(parent, {}, {}, QtDialogFilter(filter)));
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent, const QString& filter) {
    return Chosen(QFileDialog::getSaveFileName(parent, {}, {}, QtDialogFilter(filter), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}
