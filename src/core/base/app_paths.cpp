#include "core/base/app_paths.h"

AppPaths AppPaths::FromProgramFolder(const QString& programFolder) {
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'));
    // A path whose only separator is the leading one has no parent to go to.
    return {folder, cut > 0 ? folder.left(cut) : folder};
}
