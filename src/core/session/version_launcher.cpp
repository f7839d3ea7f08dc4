#include "core/session/version_launcher.h"

#include "core/base/file_problem.h"
#include "core/base/prompter.h"
#include "core/base/version_table.h"
#include "core/text/catalogue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

VersionLauncher::VersionLauncher(const VersionTable& versions, QString baseFolder,
                                 QString programName, const Catalogue& catalogue,
                                 Prompter& prompter)
    : startProgram([](const QString& path) { return QProcess::startDetached(path, {}); }),
      endProgram([] { QCoreApplication::exit(0); }), versions_(versions),
      baseFolder_(std::move(baseFolder)), programName_(std::move(programName)),
      catalogue_(catalogue), prompter_(prompter) {}

bool VersionLauncher::LaunchVersion(const QString& other) {
    const QString software = versions_.SoftwareForVersion(other);
    const QString path = InstalledVersionPath(baseFolder_, software, programName_);
    // A version listed in Version.ini but not installed is reported the same
    // way as an unlisted one, instead of ending this program for nothing.
    if (software.isEmpty() || !QFileInfo(path).isExecutable()) {
        // Where the listed version was looked for, when it is listed.
        const FileProblem problem = software.isEmpty() ? FileProblem{} : ReadProblem(path);
        prompter_.tell(WithProblem(catalogue_.Text(TextId::VersionMissing), catalogue_, problem),
                       PromptIcon::Exclamation);
        return false;
    }
    if (mayEnd && !mayEnd())
        return false;
    if (beforeLaunch)
        beforeLaunch();
    if (!startProgram(path)) {
        prompter_.tell(catalogue_.Text(TextId::VersionMissing), PromptIcon::Exclamation);
        return false;
    }
    if (endProgram)
        endProgram();
    return true;
}
