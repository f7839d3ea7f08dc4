// The roger-beep window driven through its widgets: guarded edits, the roger
// lists of other windows, the bar picture, playback and saving a WAV file.

#include "core/session/editor_hooks.h"
#include "gui/tones/tone_player.h"
#include "gui/tones/tone_tips_window.h"
#include "gui/widgets/twips.h"
#include "support/option_tone_driving.h"
#include "support/rows.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>

namespace {

// An open window that counts the roger-list refreshes it is told to make.
class RogerListProbe : public QLabel, public RogerListOwner {
public:
    void ShowRB() override { ++refreshes; }
    int refreshes = 0;
};

QWidget* OpenTones(ShownProgram& program) {
    QWidget* form = program.open(kToneForm);
    Q_ASSERT(form);
    return form;
}

// Leaves only `tones` defined; tone 1 becomes the roger beep of the public
// channel and of a channel.
void DefineOnly(ShownProgram& program, const QList<int>& tones) {
    RadioData& data = program.data();
    for (int n = 1; n <= kToneCount; ++n)
        data.Tones[n].LoopCount = tones.contains(n) ? 1 : 0;
    data.Options.PublicRoger = 1;
    program.channels().at(0, 1, 1).Roger = 1;
}

// Lengths of the runs of red pixels along row `y` of the picture.
QList<int> RedRuns(const QImage& image, int y) {
    QList<int> runs;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool red = image.pixelColor(x, y) == QColor(255, 0, 0);
        if (red && !inRun)
            runs << 0;
        if (red)
            ++runs.last();
        inRun = red;
    }
    return runs;
}

} // namespace

namespace {} // namespace

class TestToneTipsWindow : public QObject {
    Q_OBJECT
private slots:
    void loopCountGuard() {
        for (const bool another : {false, true}) { // is a second tone defined?
            const int roger = another ? 0 : 1;
            Installation install;
            ShownProgram program(install);
            DefineOnly(program, another ? QList<int>{1, 2} : QList<int>{1});
            RogerListProbe* probe = nullptr;
            program.run.window->RegisterChildForm("probe",
                                                  [&probe] { return probe = new RogerListProbe; });
            program.open("probe");
            QWidget* options = program.open(kOptionsForm);
            QWidget* form = OpenTones(program);
            auto* loops = Child<QComboBox>(form, "Combo1_0");
            QVERIFY(Choose(loops, "Off"));
            QCOMPARE(loops->currentText(), another ? "Off" : "1");
            QCOMPARE(program.data().Tones[1].LoopCount, roger);
            QCOMPARE(program.data().Options.PublicRoger, roger);
            QCOMPARE(program.channels().at(0, 1, 1).Roger, roger);
            QCOMPARE(probe->refreshes, roger == 0 ? 1 : 0);
            QCOMPARE(EntriesOf(Child<QComboBox>(options, "Combo2_5")).contains("1"), roger == 1);
        }
    }

    void lastLengthOfOnlyToneRefused() {
        Installation install;
        ShownProgram program(install);
        DefineOnly(program, {1});
        QWidget* form = OpenTones(program);
        for (int k = 0; k < 7; ++k)
            QVERIFY(Choose(Child<QComboBox>(form, QStringLiteral("Combo4_%1").arg(k)), "0"));
        const ToneEntry& tone = program.data().Tones[1];
        QCOMPARE(tone.Element[5].DurCode, 0);
        QCOMPARE(tone.Element[6].DurCode, 10);
        QCOMPARE(Child<QComboBox>(form, "Combo4_6")->currentText(), "100");
        QCOMPARE(program.data().Options.PublicRoger, 1);
    }

    void barPictureFollowsLengths() {
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenTones(program);
        Child<QTabBar>(form, "TabStrip1")->setCurrentIndex(5);
        QVERIFY(Choose(Child<QComboBox>(form, "Combo3_0"), "2100"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo4_0"), "100"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo3_2"), "1000"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo4_2"), "300"));
        const ToneEntry& tone = program.data().Tones[6];
        QCOMPARE(tone.Element[0], (ToneElement{210, 10}));
        QCOMPARE(tone.Element[2], (ToneElement{100, 30}));
        auto* picture = Child<QFrame>(form, "Picture1_0");
        const QImage image = picture->grab().toImage();
        const QRect inner = picture->contentsRect();
        const int margin = TwipsToPixels(picture, 50);
        const int width = inner.width() - 2 * margin;
        const int base = inner.bottom() + 1 - margin;
        // Elements 1 and 3 are both red: side by side near the base line, only
        // the taller first one above the second's top.
        const int secondTop = base - qRound(100.0 * (inner.height() - 2 * margin) / 256);
        const QList<int> low = RedRuns(image, base - 1);
        const QList<int> high = RedRuns(image, secondTop - 2);
        QCOMPARE(low.size(), 1);
        QVERIFY(qAbs(low.first() - width) <= 1);
        QCOMPARE(high.size(), 1);
        QVERIFY(qAbs(high.first() - width / 4) <= 1);
    }

    void unlistedValuesShownNotStored() {
        Installation install;
        ShownProgram program(install);
        ToneEntry& tone = program.data().Tones[1];
        tone.Element[0].FreqCode = 30;
        tone.LoopCount = 20;
        program.model().CommitToSnapshot();
        QWidget* form = OpenTones(program);
        auto* frequency = Child<QComboBox>(form, "Combo3_0");
        QCOMPARE(frequency->currentText(), "300 Hz");
        QCOMPARE(Child<QComboBox>(form, "Combo1_0")->currentText(), "20");
        QVERIFY(Choose(frequency, "300 Hz"));
        QCOMPARE(tone.Element[0].FreqCode, 30);
        QCOMPARE(tone.LoopCount, 20);
        QVERIFY(!program.model().IsModified());
        QVERIFY(Choose(frequency, "400"));
        QCOMPARE(tone.Element[0].FreqCode, 40);
        QCOMPARE(frequency->findText("300 Hz"), -1);
    }

    void playbackLeavesWindowResponsive() {
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenTones(program);
        auto* play = Child<QPushButton>(form, "Command1_0");
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(!play->isEnabled());
        QVERIFY(Choose(Child<QComboBox>(form, "Combo2_0"), "50"));
        QCOMPARE(program.data().Tones[1].IntervalCode, 5);
        QVERIFY(!play->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 20000);
        // Tone 1 lasts 700 ms.
        QVERIFY2(clock.elapsed() >= 650, qPrintable(QString::number(clock.elapsed())));
    }

    void playbackEnds() {
        for (const QString action : {"stop", "tab", "close"}) {
            Installation install;
            ShownProgram program(install);
            QWidget* form = OpenTones(program);
            auto* tabs = Child<QTabBar>(form, "TabStrip1");
            tabs->setCurrentIndex(4);
            auto* play = Child<QPushButton>(form, "Command1_0");
            play->click();
            QVERIFY(!play->isEnabled());
            if (action == "stop")
                QTest::mouseClick(Child<QPushButton>(form, "Command2_0"), Qt::LeftButton);
            else if (action == "tab")
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            else
                Child<QPushButton>(form, "CommandClose")->click();
            if (action == "close")
                QTRY_VERIFY(!program.window().FindChildForm(kToneForm));
            else
                QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 20000);
        }
    }

    // Stopping lets the step under way end and takes no further one.
    void playerStopsAfterTheCurrentStep() {
        TonePlayer player;
        QSignalSpy finished(&player, &TonePlayer::finished);
        int steps = 0;
        player.Play([&steps]() -> std::optional<ToneSegment> {
            ++steps;
            return ToneSegment{1000, 200};
        });
        QVERIFY(player.isPlaying() && steps >= 1);
        const int taken = steps;
        player.StopAfterCurrent();
        QVERIFY(finished.wait(20000));
        QCOMPARE(steps, taken);
        QVERIFY(!player.isPlaying());
    }

    void saveAsWav() {
        Installation install;
        ShownProgram program(install);
        const QString path = install.file("beep.wav");
        program.prompter().fileNames << install.file("beep") // ".wav" is added
                                     << install.file("no/such/folder/beep.wav");
        QWidget* form = OpenTones(program);
        auto* save = Child<QPushButton>(form, "CommandSaveWav");
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(program.prompter().proposedNames, QStringList{"RB Tone 1.wav"});
        QCOMPARE(program.prompter().dialogFilters, QStringList{"Wave Sound (*.wav)|*.wav"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), "RIFF");
        QCOMPARE(file.size(), 44 + 2 * (22050 * 700 / 1000));
        QVERIFY(program.prompter().prompts.isEmpty());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(program.prompter().texts(),
                 QStringList{"file error.\r\n" + install.file("no/such/folder") + ": not found"});
        // Tone 6 makes no sound by default: nothing to save.
        Child<QTabBar>(form, "TabStrip1")->setCurrentIndex(5);
        QVERIFY(!save->isEnabled());
    }

    void tonesTheRadioKeepsAreReadOnly() {
        Installation install;
        ShownProgram program(install);
        program.data().Tones[7] = program.data().Tones[1]; // tone 7 defined, as read
        QWidget* form = OpenTones(program);
        auto* tabs = Child<QTabBar>(form, "TabStrip1");
        auto* note = Child<QLabel>(form, "LabelToneKept");
        auto* loops = Child<QComboBox>(form, "Combo1_0");
        auto* play = Child<QPushButton>(form, "Command1_0");
        for (int tab : {6, 7, 0}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
            const bool kept = tab >= 6;
            QCOMPARE(note->isVisible(), kept);
            QCOMPARE(loops->isEnabled(), !kept);
            QCOMPARE(Child<QComboBox>(form, "Combo4_13")->isEnabled(), !kept);
        }
        QVERIFY(note->text().startsWith("The radio keeps tones 7 and 8"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(6).center());
        QVERIFY(play->isEnabled() && Child<QPushButton>(form, "CommandSaveWav")->isEnabled());
    }

    void chineseCaptions() {
        Installation install;
        ShownProgram program(install);
        program.run.context.catalogue.CurrentLanguage = 2;
        QWidget* form = OpenTones(program);
        QCOMPARE(form->windowTitle(), "RB音");
        QCOMPARE(Child<QTabBar>(form, "TabStrip1")->tabText(7), "RB音 8");
        QCOMPARE(Child<QLabel>(form, "Label5_13")->text(), "第十四个音");
        QCOMPARE(Child<QComboBox>(form, "Combo3_0")->itemText(0), "无");
    }
};

QTEST_MAIN(TestToneTipsWindow)
#include "test_tone_tips_window.moc"
