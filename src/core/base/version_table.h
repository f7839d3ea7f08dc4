#pragma once

#include <QList>
#include <QString>

class Catalogue;
class IniFile;

// Which firmware and data-file versions each installed software version
// supports, from Version.ini.
struct VersionPair {
    QString software;
    QString supported;
};

enum class VersionFileState { Ok, Missing, Damaged };

class VersionTable {
public:
    QList<VersionPair> VersionPairs;

    // Section "Version", key FirmVersionCount; section "Firm", keys Firm0..Firm<m-1>,
    // each giving its first and last four characters. A file that is missing,
    // or whose count is not a plain positive number, or whose counted entries
    // are not all complete pairs, gives the built-in table instead.
    static VersionTable LoadVersionTable(const IniFile& ini, VersionFileState* state = nullptr);
    // One pair: this program's version handles its own version.
    static VersionTable BuiltIn();

    bool IsCompatibleVersion(const QString& software, const QString& other) const;
    // The first software version that supports `other`, or "".
    QString SoftwareForVersion(const QString& other) const;
};

// The version a data file or this program is: "V" and three digits.
constexpr const char* kSoftwareVersion = "V100";

// "V" and three digits, nothing around them.
bool IsVersionForm(const QString& text);

// "V100" is shown as "V1.00".
QString VersionDisplayForm(const QString& version);

enum class VersionKind { Firmware = 0, DataFile = 1 };

// Empty when Version.ini was read; otherwise what went wrong with it and
// which versions are used instead, for the user at start-up.
QString VersionFileNotice(const Catalogue& catalogue, VersionFileState state,
                          const VersionTable& table);

// The question asked when a radio or data file has a version this program does not handle.
QString IncompatibleVersionText(const Catalogue& catalogue, const QString& software,
                                const QString& other, VersionKind kind);

// Where the software version `software` is installed: <base>/<software>/PK_517/<program>.
QString InstalledVersionPath(const QString& baseFolder, const QString& software,
                             const QString& programName);
