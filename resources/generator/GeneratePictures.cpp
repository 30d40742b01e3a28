// Draws every picture the windows are dressed in -- button faces, check boxes,
// panel backgrounds, the banner, the about card and the pieces of the window
// frame -- and writes them into the folder named on the command line.
//
//   generate_pictures <output folder>          (the pictures with words in Chinese, and in
//                                               English in the folder's en/)
//   generate_pictures --icons <output folder>     (the application icon, in hicolor/)
//
// File names are upper case with an upper-case extension. ".BMP" pictures are
// written as 24-bit bottom-up bitmaps, ".JPG" pictures as baseline JFIF at
// quality 92. Each file is read back and checked before the next one is drawn.

#include "Failure.h"
#include "Icon.h"
#include "PictureFile.h"
#include "PictureList.h"
#include "Words.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace generator;

namespace {

// The pictures in Chinese into the folder, then those with words in English into its en/; the
// program's exit status.
int writePictures(const QDir& folder) {
    try {
        requireChineseFont();
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }

    const QDir englishFolder(folder.filePath(QStringLiteral("en")));
    if (!QDir().mkpath(englishFolder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(englishFolder.path()));
        return 1;
    }
    for (const bool english : {false, true}) {
        English = english;
        const QDir& into = english ? englishFolder : folder;
        for (const Picture& picture : pictures()) {
            const QString path = into.filePath(fileName(picture));
            try {
                WordsSaid = 0;
                write(picture, into);
            } catch (const Failure& failure) {
                std::fprintf(stderr, "%s %s\n", qPrintable(path), failure.what());
                return 1;
            }
            if (english && WordsSaid == 0) {
                QFile::remove(path);
                continue;
            }
            std::printf("%-29s %4d x %-4d\n", qPrintable(folder.relativeFilePath(path)), picture.width,
                        picture.height);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    const bool icons = arguments.size() == 3 && arguments.at(1) == QStringLiteral("--icons");
    if (icons)
        arguments.removeAt(1);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: generate_pictures [--icons] <output folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (icons) {
        try {
            writeIcons(folder);
        } catch (const Failure& failure) {
            std::fprintf(stderr, "icon: %s\n", failure.what());
            return 1;
        }
        return 0;
    }
    return writePictures(folder);
}
