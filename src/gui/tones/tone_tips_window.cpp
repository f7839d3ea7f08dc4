#include "gui/tones/tone_tips_window.h"

#include "gui/shell/help_window.h"

#include "core/base/file_problem.h"
#include "core/base/prompter.h"
#include "core/editing/stored_value_texts.h"
#include "core/editing/tone_edit.h"
#include "core/editing/tone_lists.h"
#include "core/editing/tone_rules.h"
#include "core/editing/tone_samples.h"
#include "core/editing/tone_sequence.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "core/session/output_choice.h"
#include "core/text/tone_text.h"
#include "gui/tones/tone_bar_picture.h"
#include "gui/tones/tone_player.h"
#include "gui/widgets/combo_box_fill.h"
#include "gui/widgets/form_helpers.h"
#include "gui/widgets/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// Texts of the window's own table.
constexpr int kCaptionText = 29000;
constexpr int kTabText = 29001;
constexpr int kLoopText = 29002;
constexpr int kIntervalText = 29003;
constexpr int kFrequencyText = 29004;
constexpr int kLengthText = 29005;
constexpr int kPlayText = 29006;
constexpr int kStopText = 29007;
constexpr int kFirstElementText = 29100;

constexpr int kRowsPerColumn = 7;
constexpr int kColumnGapTwips = 300;

} // namespace

ToneTipsWindow::ToneTipsWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), data_(host.context().model.radio),
      channels_(host.context().model.channels),
      language_(host.context().catalogue.CurrentLanguage) {
    setObjectName(kToneForm);
    player_ = new TonePlayer(this);
    connect(player_, &TonePlayer::finished, this, [this] { play_->setEnabled(true); });
    BuildControls();
    currentTone_ = tabs_->currentIndex() + 1;
    SetToneCaptions();
    FillToneLists();
    ShowTone();
    host.context().changes.Follow(this, {.values = [this] { ShowTone(); }});
}

ToneTipsWindow::~ToneTipsWindow() {
    player_->disconnect(this);
    player_->StopNow();
}

ToneEntry& ToneTipsWindow::Tone() {
    return data_.Tones[currentTone_];
}

void ToneTipsWindow::BuildControls() {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    for (int n = 1; n <= kToneCount; ++n)
        tabs_->addTab(QString());
    connect(tabs_, &QTabBar::currentChanged, this, &ToneTipsWindow::TabChosen);

    keptNote_ = new QLabel(this);
    keptNote_->setObjectName(QStringLiteral("LabelToneKept"));
    keptNote_->setWordWrap(true);

    auto* page = new QFrame(this);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QGridLayout* grid = NewCaptionGrid(this);

    loops_ = NewList(QStringLiteral("Combo1_0"), page);
    loopCaption_ = NewCaption(QStringLiteral("Label1_0"), loops_, page);
    OnChosen(loops_, this, [this](int position) { LoopChosen(position); });
    interval_ = NewList(QStringLiteral("Combo2_0"), page);
    intervalCaption_ = NewCaption(QStringLiteral("Label2_0"), interval_, page);
    OnChosen(interval_, this, [this](int position) { IntervalChosen(position); });
    AddCaptioned(grid, 0, 0, loopCaption_, loops_);
    AddCaptioned(grid, 0, 4, intervalCaption_, interval_);

    for (int column = 0; column < 2; ++column) {
        frequencyHeaders_[column] = new QLabel(page);
        frequencyHeaders_[column]->setObjectName(QStringLiteral("Label3_%1").arg(column));
        lengthHeaders_[column] = new QLabel(page);
        lengthHeaders_[column]->setObjectName(QStringLiteral("Label4_%1").arg(column));
        grid->addWidget(frequencyHeaders_[column], 1, column * 4 + 1);
        grid->addWidget(lengthHeaders_[column], 1, column * 4 + 2);
    }
    for (int k = 0; k < kToneElements; ++k) {
        const int element = k + 1;
        frequencies_[k] = NewList(QStringLiteral("Combo3_%1").arg(k), page);
        lengths_[k] = NewList(QStringLiteral("Combo4_%1").arg(k), page);
        elementCaptions_[k] = NewCaption(QStringLiteral("Label5_%1").arg(k), frequencies_[k], page);
        const int row = 2 + k % kRowsPerColumn;
        const int column = k / kRowsPerColumn * 4;
        AddCaptioned(grid, row, column, elementCaptions_[k], frequencies_[k]);
        grid->addWidget(lengths_[k], row, column + 2);
        OnChosen(frequencies_[k], this,
                 [this, element](int position) { FrequencyChosen(element, position); });
        OnChosen(lengths_[k], this,
                 [this, element](int position) { LengthChosen(element, position); });
    }
    grid->setColumnMinimumWidth(3, TwipsToPixels(this, kColumnGapTwips));

    picture_ = new ToneBarPicture(page);
    play_ = new QPushButton(page);
    play_->setObjectName(QStringLiteral("Command1_0"));
    connect(play_, &QPushButton::clicked, this, &ToneTipsWindow::PlayTone);
    stop_ = new QPushButton(page);
    stop_->setObjectName(QStringLiteral("Command2_0"));
    connect(stop_, &QPushButton::clicked, this, &ToneTipsWindow::StopTone);
    saveWav_ = new QPushButton(page);
    saveWav_->setObjectName(QStringLiteral("CommandSaveWav"));
    connect(saveWav_, &QPushButton::clicked, this, &ToneTipsWindow::SaveWav);
    auto* commands = new QVBoxLayout;
    commands->addWidget(play_);
    commands->addWidget(stop_);
    commands->addWidget(saveWav_);
    commands->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture_, 1);
    bottom->addLayout(commands);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(grid);
    pageLayout->addLayout(bottom);

    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseForm(this); });
    // The manual, at this window's section.
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    connect(help_, &QPushButton::clicked, this,
            [this] { HelpWindow::Open(language_, windowTitle(), window()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    buttons->addWidget(help_);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(keptNote_);
    layout->addWidget(page);
    layout->addSpacing(TwipsToPixels(this, 100));
    layout->addLayout(buttons);
}

void ToneTipsWindow::SetToneCaptions() {
    auto text = [this](int id) { return ToneText(id, language_); };
    setWindowTitle(text(kCaptionText));
    for (int n = 1; n <= kToneCount; ++n)
        tabs_->setTabText(n - 1, text(kTabText) + QLatin1Char(' ') + QString::number(n));
    loopCaption_->setText(text(kLoopText));
    intervalCaption_->setText(text(kIntervalText));
    for (int column = 0; column < 2; ++column) {
        frequencyHeaders_[column]->setText(text(kFrequencyText));
        lengthHeaders_[column]->setText(text(kLengthText));
    }
    for (int k = 0; k < kToneElements; ++k)
        elementCaptions_[k]->setText(text(kFirstElementText + k));
    play_->setText(text(kPlayText));
    stop_->setText(text(kStopText));
    saveWav_->setText(Catalogue::TextIn(TextId::ToneSaveWav, language_));
    close_->setText(Catalogue::TextIn(TextId::CommandClose, language_));
    help_->setText(Catalogue::TextIn(TextId::CommandHelp, language_));
    keptNote_->setText(Catalogue::TextIn(TextId::ToneKeptByRadio, language_));
}

void ToneTipsWindow::FillToneLists() {
    FillList(loops_, LoopCountEntries(language_), -1);
    FillList(interval_, IntervalEntries(), -1);
    const QStringList frequencies = FrequencyEntries(language_);
    const QStringList lengths = LengthEntries();
    for (int k = 0; k < kToneElements; ++k) {
        FillList(frequencies_[k], frequencies, -1);
        FillList(lengths_[k], lengths, -1);
    }
}

void ToneTipsWindow::ShowTone() {
    const ToneEntry& tone = Tone();
    ShowLoopCount();
    ShowStoredIndex(interval_, tone.IntervalCode, StoredTenMsText(tone.IntervalCode));
    for (int k = 0; k < kToneElements; ++k) {
        const ToneElement& e = tone.Element[k];
        // Code 0 is "None"; codes the list has no entry for show as stored.
        ShowStoredText(frequencies_[k],
                       e.FreqCode == 0 ? FrequencyTextOf(0, language_)
                                       : FrequencyCodeEntries(language_).value(e.FreqCode),
                       StoredToneFrequencyText(e.FreqCode));
        ShowLength(k + 1);
    }
    picture_->setTone(&tone);
    EnableSaveWav();
    // A tone the radio keeps is shown, played and saved, never edited:
    // a write would not take the change to the radio.
    const bool editable = ToneSetByWrite(currentTone_);
    keptNote_->setVisible(!editable);
    loops_->setEnabled(editable);
    interval_->setEnabled(editable);
    for (int k = 0; k < kToneElements; ++k) {
        frequencies_[k]->setEnabled(editable);
        lengths_[k]->setEnabled(editable);
    }
}

void ToneTipsWindow::ShowLoopCount() {
    ShowStoredIndex(loops_, Tone().LoopCount, QString::number(Tone().LoopCount));
}

void ToneTipsWindow::ShowLength(int element) {
    const int code = Tone().Element[element - 1].DurCode;
    ShowStoredIndex(lengths_[element - 1], code, StoredTenMsText(code));
}

void ToneTipsWindow::EnableSaveWav() {
    // A tone that makes no sound has nothing to save.
    saveWav_->setEnabled(ToneSounds(Tone()));
}

void ToneTipsWindow::LoopChosen(int position) {
    switch (ChangeLoopCount(data_, channels_, currentTone_, position)) {
    case ToneEdit::Refused:
        ShowLoopCount();
        break;
    case ToneEdit::Stored:
        EnableSaveWav();
        host_.context().changes.Tell(this, DataNotifier::Part::RogerTones);
        host_.DataEdited(this);
        break;
    case ToneEdit::Unchanged:
        break;
    }
}

void ToneTipsWindow::IntervalChosen(int position) {
    Tone().IntervalCode = static_cast<int16_t>(position);
    host_.DataEdited(this);
}

void ToneTipsWindow::FrequencyChosen(int element, int position) {
    const QString text = frequencies_[element - 1]->itemText(position);
    Tone().Element[element - 1].FreqCode = static_cast<int16_t>(FrequencyCodeOf(text, language_));
    picture_->update();
    host_.DataEdited(this);
}

void ToneTipsWindow::LengthChosen(int element, int position) {
    switch (ChangeLength(data_, channels_, currentTone_, element, position)) {
    case ToneEdit::Refused:
        ShowLength(element);
        break;
    case ToneEdit::Stored:
        picture_->update();
        EnableSaveWav();
        host_.context().changes.Tell(this, DataNotifier::Part::RogerTones);
        host_.DataEdited(this);
        break;
    case ToneEdit::Unchanged:
        break;
    }
}

void ToneTipsWindow::TabChosen(int index) {
    if (index + 1 == currentTone_ || index < 0)
        return;
    // The tone being played is no longer the one shown.
    player_->StopAfterCurrent();
    currentTone_ = index + 1;
    ShowTone();
}

void ToneTipsWindow::PlayTone() {
    const int tone = currentTone_;
    if (!ToneSounds(data_.Tones[tone]))
        return;
    play_->setEnabled(false);
    player_->Play([this, tone, sequence = ToneSequence(data_.Tones[tone])]() mutable {
        return sequence.Next(data_.Tones[tone]);
    });
}

void ToneTipsWindow::StopTone() {
    player_->StopAfterCurrent();
}

void ToneTipsWindow::SaveWav() {
    const ToneEntry& tone = Tone();
    if (!ToneSounds(tone))
        return;
    Prompter& prompter = host_.prompter();
    const QString proposed =
        ToneText(kTabText, language_) + QLatin1Char(' ') + QString::number(currentTone_) + ".wav";
    const QString filter =
        Catalogue::TextIn(TextId::WavFile, language_) + QStringLiteral(" (*.wav)|*.wav");
    Catalogue catalogue;
    catalogue.CurrentLanguage = language_;
    const QString path =
        ChooseOutputPath(prompter.saveFileName(proposed, filter), QStringLiteral(".wav"),
                         host_.context().model.CurrentFileName, catalogue, prompter);
    if (path.isEmpty())
        return;
    FileProblem problem;
    if (!WriteToneWav(path, tone, kWavSampleRate, &problem)) {
        prompter.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                      PromptIcon::Critical);
    }
}

void ToneTipsWindow::closeEvent(QCloseEvent* event) {
    player_->StopNow();
    QWidget::closeEvent(event);
}
