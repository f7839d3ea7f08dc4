// The roger-beep window driven through its widgets: guarded edits, the roger
// lists of other windows, the bar picture, playback and saving a WAV file.

#include "core/editing/tone_picture.h"
#include "gui/tones/tone_bar_picture.h"
#include "gui/tones/tone_player.h"
#include "gui/widgets/colours.h"
#include "support/option_tone_driving.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>

class TestToneTipsWindow : public QObject {
    Q_OBJECT
private slots:
    // The guarded edits: a refusal shows, a change reaches the other windows.
    void guardedEdits() {
        for (const bool another : {false, true}) { // is a second tone defined?
            const int roger = another ? 0 : 1;
            // Tone 1 (and tone 2) alone defined, the roger beep of the public
            // channel and of a channel.
            Fresh<ShownProgram> program;
            for (int n = 1; n <= kToneCount; ++n)
                program.data().Tones[n].LoopCount = n == 1 || (another && n == 2) ? 1 : 0;
            program.data().Options.PublicRoger = 1;
            program.channels().at(0, 1, 1).Roger = 1;
            // An open window that counts the roger-list refreshes it is told to make.
            int refreshes = 0;
            program.run.window->editors().Register("probe", [&] {
                auto* probe = new QLabel;
                program.run.context.changes.Follow(probe, {.rogerTones = [&] { ++refreshes; }});
                return probe;
            });
            program.open("probe");
            QWidget* options = program.open(kOptionsForm);
            QWidget* form = program.open(kToneForm);
            auto* loops = Child<QComboBox>(form, "Combo1_0");
            QVERIFY(Choose(loops, "Off"));
            QCOMPARE(Values(loops->currentText(), program.data().Tones[1].LoopCount,
                            program.data().Options.PublicRoger,
                            program.channels().at(0, 1, 1).Roger, refreshes,
                            EntriesOf(Child<QComboBox>(options, "Combo2_5")).contains("1")),
                     Values(another ? "Off" : "1", roger, roger, roger, 1 - roger, roger == 1));
            if (another)
                continue;
            // The only tone keeps its last length.
            for (int k = 0; k < 7; ++k)
                QVERIFY(Choose(Child<QComboBox>(form, QStringLiteral("Combo4_%1").arg(k)), "0"));
            QCOMPARE(Values(program.data().Tones[1].Element[6].DurCode,
                            Child<QComboBox>(form, "Combo4_6")->currentText()),
                     "10 100");
        }
    }

    // Values no entry stands for are shown, not stored; the picture follows
    // the lengths.
    void unlistedValuesAndThePicture() {
        Fresh<ShownProgram> program;
        ToneEntry& first = program.data().Tones[1];
        first.Element[0].FreqCode = 30;
        first.LoopCount = 20;
        program.model().CommitToSnapshot();
        QWidget* form = program.open(kToneForm);
        auto* frequency = Child<QComboBox>(form, "Combo3_0");
        QCOMPARE(
            Values(frequency->currentText(), Child<QComboBox>(form, "Combo1_0")->currentText()),
            "300 Hz 20");
        QVERIFY(Choose(frequency, "300 Hz"));
        QCOMPARE(Values(first.Element[0].FreqCode, first.LoopCount, program.model().IsModified()),
                 "30 20 false");
        QVERIFY(Choose(frequency, "400"));
        QCOMPARE(Values(first.Element[0].FreqCode, frequency->findText("300 Hz")), "40 -1");

        Child<QTabBar>(form, "TabStrip1")->setCurrentIndex(5);
        QVERIFY(Choose(Child<QComboBox>(form, "Combo3_0"), "2100"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo4_0"), "100"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo3_2"), "1000"));
        QVERIFY(Choose(Child<QComboBox>(form, "Combo4_2"), "300"));
        const ToneEntry& tone = program.data().Tones[6];
        QCOMPARE(Values(tone.Element[0].FreqCode, tone.Element[0].DurCode, tone.Element[2].FreqCode,
                        tone.Element[2].DurCode),
                 "210 10 100 30");
        // The tone's bars as they now are, painted in (readable) red and blue.
        auto* picture = Child<ToneBarPicture>(form, "Picture1_0");
        const QImage image = picture->grab().toImage();
        const QRect inner = picture->contentsRect();
        QMap<bool, int> expected{{false, 0}, {true, 0}}, painted{{false, 0}, {true, 0}};
        for (const ToneBar& bar : ToneBars(tone, inner.width(), inner.height(), picture->margin()))
            expected[bar.oddElement] += bar.width * bar.height;
        const auto [red, blue] = ToneBarColours(picture->palette().color(QPalette::Base));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c == red || c == blue)
                    ++painted[c == red];
        QVERIFY(expected[true] > 0);
        QCOMPARE(painted, expected);
    }

    void playbackEnds_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"to the end", "stop", "tab", "close"})
            QTest::newRow(how) << QString(how);
    }

    void playbackEnds() {
        QFETCH(QString, how);
        Fresh<ShownProgram> program;
        QWidget* form = program.open(kToneForm);
        auto* tabs = Child<QTabBar>(form, "TabStrip1");
        tabs->setCurrentIndex(how == "to the end" ? 0 : 4);
        auto* play = Child<QPushButton>(form, "Command1_0");
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(!play->isEnabled());
        if (how == "to the end") {
            // The window takes changes while it plays.
            QVERIFY(Choose(Child<QComboBox>(form, "Combo2_0"), "50"));
            QCOMPARE(program.data().Tones[1].IntervalCode, 5);
            QVERIFY(!play->isEnabled());
        } else if (how == "stop") {
            QTest::mouseClick(Child<QPushButton>(form, "Command2_0"), Qt::LeftButton);
        } else if (how == "tab") {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        } else {
            Child<QPushButton>(form, "CommandClose")->click();
            QTRY_VERIFY(!program.window().editors().Find(kToneForm));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 20000);
        if (how == "to the end") // tone 1 lasts 700 ms
            QVERIFY2(clock.elapsed() >= 650, qPrintable(QString::number(clock.elapsed())));
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

    void saveAsWavAndTheRadiosTones() {
        Fresh<ShownProgram> program;
        program.data().Tones[7] = program.data().Tones[1]; // tone 7 defined, as read
        const QString path = program.file("beep.wav");
        program.prompter().fileNames << program.file("beep") // ".wav" is added
                                     << program.file("no/such/folder/beep.wav");
        QWidget* form = program.open(kToneForm);
        auto* save = Child<QPushButton>(form, "CommandSaveWav");
        QTest::mouseClick(save, Qt::LeftButton);
        const QByteArray wav = ReadFile(path);
        QCOMPARE(Values(wav.left(4), wav.size(), program.prompter().prompts.size()),
                 Values("RIFF", 44 + 2 * (22050 * 700 / 1000), 0));
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(program.prompter().texts(),
                 QStringList{"file error.\r\n" + program.file("no/such/folder") + ": not found"});
        // Tone 6 makes no sound by default: nothing to save.
        Child<QTabBar>(form, "TabStrip1")->setCurrentIndex(5);
        QVERIFY(!save->isEnabled());
        // Tones 7 and 8 are the radio's own: played and saved, not changed.
        auto* tabs = Child<QTabBar>(form, "TabStrip1");
        auto* note = Child<QLabel>(form, "LabelToneKept");
        auto* loops = Child<QComboBox>(form, "Combo1_0");
        auto* play = Child<QPushButton>(form, "Command1_0");
        for (int tab : {6, 7, 0}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
            const bool kept = tab >= 6;
            QCOMPARE(Values(note->isVisible(), loops->isEnabled(),
                            Child<QComboBox>(form, "Combo4_13")->isEnabled()),
                     Values(kept, !kept, !kept));
        }
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(6).center());
        QVERIFY(play->isEnabled() && save->isEnabled());
    }
};

QTEST_MAIN(TestToneTipsWindow)
#include "test_tone_tips_window.moc"
