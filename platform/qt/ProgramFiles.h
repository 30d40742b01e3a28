#pragma once

#include <QString>

// Where the program's own files lie. Built or unpacked, its browser module and page helper lie beside
// it and so do the user's settings and lists. Installed (bin/tintra), the module and helper lie in the
// library folder the build names, found from the program's folder, and nothing of the user's is kept
// beside the program.
class ProgramFiles {
public:
    // The folder of the running program unless another is named.
    explicit ProgramFiles(QString programFolder = {});

    bool Installed() const { return installed_; }
    // The module's and helper's folder, without a final "/".
    QString HelperFolder() const;
    const QString& ProgramFolder() const { return programFolder_; }

private:
    QString programFolder_;
    bool installed_ = false;
};
