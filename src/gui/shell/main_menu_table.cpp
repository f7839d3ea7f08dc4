#include "gui/shell/main_menu_table.h"

namespace {

constexpr MenuEntry M(const char* name, TextId text, bool hidden = false) {
    return {name, MenuKind::Menu, hidden, MenuCaption::Catalogue, text, nullptr};
}
constexpr MenuEntry I(const char* name, TextId text, bool hidden = false) {
    return {name, MenuKind::Item, hidden, MenuCaption::Catalogue, text, nullptr};
}
constexpr MenuEntry C(const char* name, TextId text) {
    return {name, MenuKind::Check, false, MenuCaption::Catalogue, text, nullptr};
}
constexpr MenuEntry F(const char* name, const char* text, bool hidden) {
    return {name, MenuKind::Item, hidden, MenuCaption::Fixed, TextId::Count_, text};
}
constexpr MenuEntry S(const char* name, bool hidden = false) {
    return {name, MenuKind::Separator, hidden, MenuCaption::None, TextId::Count_, nullptr};
}

constexpr bool kHidden = true;

constexpr MenuEntry kEntries[] = {
    M("mnuFile", TextId::MnuFile),
    I("mnuFileNew", TextId::MnuFileNew),
    I("mnuFileOpen", TextId::MnuFileOpen),
    I("mnuFileOpenBackup", TextId::MnuFileOpenBackup),
    I("mnuFileSave", TextId::MnuFileSave),
    I("mnuFileSaveAs", TextId::MnuFileSaveAs),
    I("mnuFileCompare", TextId::MnuFileCompare),
    S("mnuFileBarPlan"),
    I("mnuFileImportChannels", TextId::MnuImportChannels),
    I("mnuFileExportChannels", TextId::MnuExportChannels),
    S("mnuFileBar0"),
    I("mnuFilePrint", TextId::MnuFilePrint),
    I("mnuFilePrintPreview", TextId::MnuFilePrintPreview),
    I("mnuFileExportPdf", TextId::MnuFileExportPdf),
    S("mnuFileBar1"),
    I("mnuFileExit", TextId::MnuFileExit),

    M("mnuModel", TextId::MnuModel, kHidden),
    I("mnuModelInfo", TextId::MnuModelInfo),

    M("MnuBand", TextId::MnuBand, kHidden),
    I("MnuCheckRadioBand", TextId::ChCheckRadioBand),
    I("MnuFrequencyCheck", TextId::MnuFrequencyCheck),

    M("mnuEdit", TextId::MnuEdit),
    I("mnuUndo", TextId::MnuUndo),
    I("mnuRedo", TextId::MnuRedo),
    S("mnuEditBarUndo"),
    I("mnuChannelInfo", TextId::MnuChannelInfo),
    I("mnuOptFeature", TextId::MnuOptFeature),
    {"mnuToneTips", MenuKind::Item, false, MenuCaption::ToneEditor, TextId::Count_, nullptr},
    S("mnuEditBar0"),
    I("mnuKeyAssignm", TextId::MnuKeyAssignm, kHidden),
    I("mnuScanInfo", TextId::MnuScanInfo, kHidden),
    S("mnuEditBar1", kHidden),
    I("mnuDTMF", TextId::MnuDTMF, kHidden),
    I("mnuFleetSync", TextId::MnuFleetSync, kHidden),
    I("mnuTestFre", TextId::MnuTestFre, kHidden),
    S("mnuEditBar2", kHidden),
    I("mnuEmbeddedMsg", TextId::MnuEmbeddedMsg, kHidden),
    I("mnuEMG", TextId::MnuEMG, kHidden),

    M("mnuProgram", TextId::MnuProgram),
    I("mnuReadFromRadio", TextId::MnuReadFromRadio),
    I("mnuWriteToRadio", TextId::MnuWriteToRadio),
    I("mnuTest", TextId::MnuTest, kHidden),
    I("mnuMWriteToRadio", TextId::MnuMWriteToRadio, kHidden),
    I("mnuCompareRadio", TextId::MnuCompareRadio),
    S("mnuProgramBar0"),
    C("mnuVerifyWrite", TextId::MnuVerifyWrite),

    M("mnuTools", TextId::MnuTools, kHidden),
    I("mnuRadioInfo", TextId::MnuRadioInfo),
    I("mnuSetRadioInfo", TextId::MnuSetRadioInfo),

    M("mnuSet", TextId::MnuSet),
    I("mnuComm", TextId::MnuComm),
    I("mnuLanguage", TextId::MnuLanguage),
    I("MnuInitial", TextId::MnuInitial),
    F("MnuInitialBand1", "Band1", kHidden),
    F("MnuInitialBand2", "Band2", kHidden),

    M("mnuView", TextId::MnuView),
    I("mnuChannelList", TextId::MnuChannelList),
    S("mnuViewBarList"),
    C("mnuTreeView", TextId::MnuTreeView),
    S("mnuViewBar0"),
    C("mnuViewToolbar", TextId::MnuViewToolbar),
    C("mnuViewStatusBar", TextId::MnuViewStatusBar),

    M("mnuWindow", TextId::MnuWindow),
    I("mnuWindowCascade", TextId::MnuWindowCascade),
    I("mnuWindowTileHorizontal", TextId::MnuWindowTileHorizontal, kHidden),
    I("mnuWindowTileVertical", TextId::MnuWindowTileVertical, kHidden),
    I("mnuWindowArrangeIcons", TextId::MnuWindowArrangeIcons, kHidden),
    S("mnuWindowBar0"),
    I("mnuCloseAll", TextId::MnuCloseAll),
    S("mnuWindowBar1", kHidden),

    M("mnuHelp", TextId::MnuHelp),
    I("mnuHelpTopic", TextId::MnuHelpTopic),
    S("mnuHelpBar0"),
    I("mnuHelpAbout", TextId::MnuHelpAbout),
};

} // namespace

const MenuEntry* MainMenuEntries(int* count) {
    *count = static_cast<int>(std::size(kEntries));
    return kEntries;
}
