// Writes the initial data files shipped in the program folder's Init/ from
// the built-in defaults: <band>_PK2323_New.dat and <band>_PK2323.dat with
// their companions, for band 0 and 1.

#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fputs("usage: zr4400-mkinit OUTPUT-FOLDER\n", stderr);
        return 64;
    }
    const QString folder = app.arguments().at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 73;
    }
    for (int band = 0; band < kBanks; ++band) {
        RadioModel model;
        MakeInitialData(model, band, QDate::currentDate());
        for (const char* suffix : {"_New.dat", ".dat"}) {
            const QString path = InitialFilePath(model, folder, QString::fromLatin1(suffix));
            if (WriteDataFilePair(path, model.SavedRadioData, model.SavedChannelTable) !=
                FileStatus::Ok) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 74;
            }
        }
    }
    return 0;
}
