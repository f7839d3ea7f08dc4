// Times the data paths of a full configuration: decoding a memory image and
// saving the data file pair, then opening the pair and encoding the image.

#include "core/base/prompter.h"
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

class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(const QString&, PromptButtons, PromptIcon) override {
        return PromptAnswer::Ok;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};

// Every group of both banks filled with 46 channels, so nothing is skipped.
void FillConfiguration(RadioModel& model) {
    SetBuiltInDefaults(model, QDate(2026, 1, 1));
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            for (int n = 2; n <= 40; ++n)
                model.AppendChannel(n, v, g,
                                    QStringLiteral("28.%1").arg(n * 10, 4, 10, QChar('0')));
}

template <typename Work> void Report(const char* name, int rounds, Work work) {
    std::vector<double> micros;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-28s median %8.1f us   best %8.1f us   (%d rounds)\n", name,
                micros[micros.size() / 2], micros.front(), rounds);
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
    Report("decode image", kRounds, [&] {
        model.image = image;
        CompleteRead(model);
    });
    Report("serialise pair in memory", kRounds, [&] {
        const QByteArray bytes =
            WriteRadioData(model.radio) + CompanionBytes(model.radio, model.channels);
        Q_UNUSED(bytes);
    });
    Report("save data file pair", kRounds, [&] {
        model.CurrentFileName = path;
        SaveDataFile(model, catalogue, prompter);
    });
    Report("decode + save", kRounds, [&] {
        model.image = image;
        CompleteRead(model);
        model.CurrentFileName = path;
        SaveDataFile(model, catalogue, prompter);
    });
    Report("open data file pair", kRounds, [&] {
        model.CurrentFileName = path;
        OpenDataFile(model, versions, catalogue, prompter);
    });
    Report("encode image", kRounds, [&] {
        PrepareImage(model.image);
        EncodeImage(model);
    });
    Report("open + encode", kRounds, [&] {
        model.CurrentFileName = path;
        OpenDataFile(model, versions, catalogue, prompter);
        PrepareImage(model.image);
        EncodeImage(model);
    });
    return model.image == image ? 0 : 1;
}
