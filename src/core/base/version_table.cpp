#include "core/base/version_table.h"

#include "core/base/ini_file.h"
#include "core/text/catalogue.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A damaged count must not make start-up read the file forever.
constexpr int kMaxVersionPairs = 1000;

// The count as written, digits only: "+1", " 1e0" or "0x1" are damage, not numbers.
int PlainCount(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    return digits.match(text).hasMatch() ? text.toInt() : 0;
}

} // namespace

VersionTable VersionTable::LoadVersionTable(const IniFile& ini, VersionFileState* state) {
    const auto fallBack = [&](VersionFileState why) {
        if (state)
            *state = why;
        return BuiltIn();
    };
    const QFileInfo file(ini.path());
    if (!file.isFile() || !file.isReadable())
        return fallBack(VersionFileState::Missing);
    const int count =
        PlainCount(ini.value(QStringLiteral("Version"), QStringLiteral("FirmVersionCount")));
    if (count < 1 || count > kMaxVersionPairs)
        return fallBack(VersionFileState::Damaged);
    VersionTable table;
    for (int j = 0; j < count; ++j) {
        const QString entry =
            ini.value(QStringLiteral("Firm"), QStringLiteral("Firm") + QString::number(j));
        const VersionPair pair{entry.left(4), entry.right(4)};
        if (entry.size() < 8 || !IsVersionForm(pair.software) || !IsVersionForm(pair.supported))
            return fallBack(VersionFileState::Damaged);
        table.VersionPairs.append(pair);
    }
    if (state)
        *state = VersionFileState::Ok;
    return table;
}

VersionTable VersionTable::BuiltIn() {
    VersionTable table;
    table.VersionPairs.append(
        {QString::fromLatin1(kSoftwareVersion), QString::fromLatin1(kSoftwareVersion)});
    return table;
}

QString VersionFileNotice(const Catalogue& catalogue, VersionFileState state,
                          const VersionTable& table) {
    if (state == VersionFileState::Ok)
        return {};
    QStringList software, supported;
    for (const VersionPair& p : table.VersionPairs) {
        software << VersionDisplayForm(p.software);
        supported << VersionDisplayForm(p.supported);
    }
    software.removeDuplicates();
    supported.removeDuplicates();
    return catalogue.Text(state == VersionFileState::Missing ? TextId::VersionFileMissing
                                                             : TextId::VersionFileDamaged) +
           QStringLiteral("\r\n") +
           catalogue.Text(TextId::VersionFileBuiltIn)
               .arg(software.join(QStringLiteral(", ")), supported.join(QStringLiteral(", ")));
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

bool IsVersionForm(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^V\\d{3}$"));
    return form.match(text).hasMatch();
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
