// Times the data paths of a full configuration: decoding a memory image and
// saving the data file pair, then opening the pair and encoding the image.

#include "bench/bench_report.h"
#include "core/base/silent_prompter.h"
#include "core/base/version_table.h"
#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "core/model/record_io.h"
#include "core/text/catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every group of both banks filled with 46 channels, so nothing is skipped.
void FillConfiguration(RadioModel& model) {
    SetBuiltInDefaults(model, QDate(2026, 1, 1));
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            for (int n = 2; n <= 40; ++n)
                model.AppendChannel(n, v, g,
                                    QStringLiteral("28.%1").arg(n * 10, 4, 10, QChar('0')));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Catalogue catalogue;
    SilentPrompter prompter;
    VersionTable versions;
    versions.VersionPairs.append({QStringLiteral("V100"), QStringLiteral("V100")});

    RadioModel source;
    FillConfiguration(source);
    PrepareImage(source.image);
    EncodeImage(source);
    const RadioImage image = source.image;
    const QString path = dir.filePath(QStringLiteral("bench.dat"));
    constexpr int kRounds = 500;

    RadioModel model;
    Report("decode image", kRounds, 1e3, "us", [&] {
        model.image = image;
        CompleteRead(model);
    });
    Report("serialise pair in memory", kRounds, 1e3, "us", [&] {
        const QByteArray bytes =
            WriteRadioData(model.radio) + CompanionBytes(model.radio, model.channels);
        Q_UNUSED(bytes);
    });
    Report("save data file pair", kRounds, 1e3, "us", [&] {
        model.CurrentFileName = path;
        SaveDataFile(model, catalogue, prompter);
    });
    Report("decode + save", kRounds, 1e3, "us", [&] {
        model.image = image;
        CompleteRead(model);
        model.CurrentFileName = path;
        SaveDataFile(model, catalogue, prompter);
    });
    Report("open data file pair", kRounds, 1e3, "us", [&] {
        model.CurrentFileName = path;
        OpenDataFile(model, versions, catalogue, prompter);
    });
    Report("encode image", kRounds, 1e3, "us", [&] {
        PrepareImage(model.image);
        EncodeImage(model);
    });
    Report("open + encode", kRounds, 1e3, "us", [&] {
        model.CurrentFileName = path;
        OpenDataFile(model, versions, catalogue, prompter);
        PrepareImage(model.image);
        EncodeImage(model);
    });
    return model.image == image ? 0 : 1;
}
