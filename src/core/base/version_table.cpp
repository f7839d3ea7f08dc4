#include "core/base/version_table.h"

#include "core/base/ini_file.h"
#include "core/text/catalogue.h"

#include <algorithm>

namespace {
// A damaged count must not make start-up read the file forever.
constexpr int kMaxVersionPairs = 1000;
} // namespace

VersionTable VersionTable::LoadVersionTable(const IniFile& ini) {
    VersionTable table;
    const int count =
        std::clamp(ini.intValue(QStringLiteral("Version"), QStringLiteral("FirmVersionCount"), 0),
                   0, kMaxVersionPairs);
    for (int j = 0; j < count; ++j) {
        const QString entry =
            ini.value(QStringLiteral("Firm"), QStringLiteral("Firm") + QString::number(j));
        table.VersionPairs.append({entry.left(4), entry.right(4)});
    }
    return table;
}

bool VersionTable::IsCompatibleVersion(const QString& software, const QString& other) const {
    return std::any_of(VersionPairs.begin(), VersionPairs.end(), [&](const VersionPair& p) {
        return p.software == software && p.supported == other;
    });
}

QString VersionTable::SoftwareForVersion(const QString& other) const {
    for (const VersionPair& p : VersionPairs)
        if (p.supported == other)
            return p.software;
    return {};
}

QString VersionDisplayForm(const QString& version) {
    return version.left(2) + QLatin1Char('.') + version.right(2);
}

QString IncompatibleVersionText(const Catalogue& catalogue, const QString& software,
                                const QString& other, VersionKind kind) {
    const QString crlf = QStringLiteral("\r\n");
    const TextId kindText =
        kind == VersionKind::Firmware ? TextId::FirmwareVersionIs : TextId::DataFileVersionIs;
    return catalogue.Text(TextId::VersionIncompatible) + crlf + catalogue.Text(kindText) +
           QLatin1Char(' ') + VersionDisplayForm(other) + crlf +
           catalogue.Text(TextId::SoftwareVersionIs) + QLatin1Char(' ') +
           VersionDisplayForm(software);
}

QString InstalledVersionPath(const QString& baseFolder, const QString& software,
                             const QString& programName) {
    return baseFolder + QLatin1Char('/') + software + QStringLiteral("/PK_517/") + programName;
}
