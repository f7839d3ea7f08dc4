#include "core/text/catalogue.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct Entry {
    TextId id;
    const char* english;
    const char* chinese;
};

// clang-format off
constexpr Entry kEntries[] = {
    {TextId::AllDataCleared, "All data will be cleared.", "所有数据将被清空。"},
    {TextId::DataFile, "Data File", "数据文件"},
    {TextId::FileError, "file error.", "文件错误。"},
    {TextId::CannotOpenPort, "Cannot Open Communication Port.", "无法打开通信端口。"},
    {TextId::ReadConfirm, "Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
    {TextId::WriteConfirm, "Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
    {TextId::FileModified, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
    {TextId::FileOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {TextId::CheckConnection, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
    {TextId::ModelTypeWrong, "Model type is wrong.", "机型类型错误。"},
    {TextId::FreqOutOfRange, "Frequency is out of range.", "频率超出范围。"},
    {TextId::Ok, "&OK", "确定(&O)"},
    {TextId::Cancel, "&Cancel", "取消(&C)"},
    {TextId::VersionIncompatible, "incompatible version. It may cause unknown error.To start the corresponding software version, or not?", "版本不兼容，有可能引起未知错误，是否启动对应版本软件？"},
    {TextId::FirmwareVersionIs, "Firmware version is", "固件版本为"},
    {TextId::DataFileVersionIs, "DataFile version is", "数据文件版本为"},
    {TextId::SoftwareVersionIs, "programming software is", "写频软件版本为"},
    {TextId::VersionMissing, "Fail to start the software. This version does not exist.", "未能启动，不存在此版本软件！"},
    {TextId::UnknownDataVersion, "Unknown version Of DataFile!", "未能识别的数据版本!"},
    {TextId::FileName, "File Name", "文件名"},
    {TextId::ModelType, "Model Type", "机型类型"},
    {TextId::FrequencyLabel, "Frequency", "频率"},
    {TextId::ModelInformation, "Model Information", "机型信息"},
    {TextId::CommunicationPort, "Communication Port", "通信端口"},
    {TextId::ComLabel, "COM", "通信口"},
    {TextId::LanguageMode, "Language Mode", "语言模式"},
    {TextId::LanguageSetup, "Language Setup", "语言设置"},
    {TextId::MnuFile, "&File", "文件&F"},
    {TextId::MnuFileNew, "&New", "新建(&N)"},
    {TextId::MnuFileOpen, "&Open", "打开(&O)"},
    {TextId::MnuFileSave, "&Save", "保存(&S)"},
    {TextId::MnuFileSaveAs, "Save &As", "另存为(&A)"},
    {TextId::MnuFilePrint, "&Print", "打印(&P)"},
    {TextId::MnuFileExit, "E&xit", "退出(&X)"},
    {TextId::MnuModel, "&Model", "机型(&M)"},
    {TextId::MnuModelInfo, "&Model Information", "机型信息(&M)"},
    {TextId::MnuBand, "&Band", "频段(&B)"},
    {TextId::MnuFrequencyCheck, "Check All Channel &Frequency", "有效频率检测(&F)"},
    {TextId::MnuEdit, "&Edit", "编辑(&E)"},
    {TextId::MnuChannelInfo, "&Channel Information", "信道信息(&C)"},
    {TextId::MnuOptFeature, "&Option Features", "可选功能(&O)"},
    {TextId::MnuKeyAssignm, "&Key Assignment", "键设置(&K)"},
    {TextId::MnuScanInfo, "&Scan Information", "扫描信息(&S)"},
    {TextId::MnuDTMF, "&DTMF", "DTMF(双音多频)(&D)"},
    {TextId::MnuFleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)"},
    {TextId::MnuTestFre, "&Test FreQuence", "测试频率(&T)"},
    {TextId::MnuEmbeddedMsg, "Local &Information", "本机信息(&I)"},
    {TextId::MnuEMG, "Embedded &Message", "嵌入信息(&M)"},
    {TextId::MnuProgram, "&Program", "编程(&P)"},
    {TextId::MnuReadFromRadio, "&Read from Radio", "从对讲机读取数据(&R)"},
    {TextId::MnuWriteToRadio, "&Write to Radio", "向对讲机写入数据(&W)"},
    {TextId::MnuMWriteToRadio, "Write to &Group of Radios", "成批向对讲机写入数据(&G)"},
    {TextId::MnuTest, "&Test Mode", "测试模式(&T)"},
    {TextId::MnuTools, "&Tools", "工具(&T)"},
    {TextId::MnuRadioInfo, "&Radio Information", "对讲机信息(&R)"},
    {TextId::MnuSetRadioInfo, "&Set Radio Information", "设置对讲机信息(&S)"},
    {TextId::MnuSet, "&Setup", "设置(&S)"},
    {TextId::MnuComm, "&Communication Port", "通讯端口(&C)"},
    {TextId::MnuLanguage, "&Language Setup", "语言设置(&L)"},
    {TextId::MnuView, "&View", "视图(&V)"},
    {TextId::MnuTreeView, "Tree &View", "树视图(&V)"},
    {TextId::MnuViewToolbar, "&Toolbar", "工具栏(&T)"},
    {TextId::MnuViewStatusBar, "&Status Bar", "状态栏(&S)"},
    {TextId::MnuWindow, "&Window", "窗口(&W)"},
    {TextId::MnuWindowCascade, "&Cascade", "层叠(&C)"},
    {TextId::MnuWindowTileVertical, "Tile Windows &Vertically", "纵向平铺窗口(&V)"},
    {TextId::MnuWindowTileHorizontal, "Tile Windows &Horizontally", "横向平铺窗口(&H)"},
    {TextId::MnuWindowArrangeIcons, "&Arrange Icons", "排列图标(&A)"},
    {TextId::MnuCloseAll, "Close All &Windows", "关闭所有窗口(&W)"},
    {TextId::MnuHelp, "&Help", "帮助(&H)"},
    {TextId::MnuHelpTopic, "&Help topics", "帮助主题(&H)"},
    {TextId::MnuHelpAbout, "&About ZR_4400", "关于 ZR_4400(&A)"},
    {TextId::MnuInitial, "&Initial Setting", "初始化设置(&I)"},
    {TextId::CommandClose, "&Close", "关闭(&C)"},
    {TextId::CommandPrint, "&Print", "打印(&P)"},
    {TextId::CommandHelp, "&Help", "帮助(&H)"},
    {TextId::OffWord, "Off", "关"},
    {TextId::OffSwitch, "OFF", "关"},
    {TextId::OnSwitch, "ON", "开"},
    {TextId::ReadCompleted, "Read Data Completed.", "读取数据完成。"},
    {TextId::WriteCompleted, "Write Data Completed.", "写入数据完成。"},
    {TextId::ChInfoCaption, "Channel Information", "信道信息"},
    {TextId::ChSelectBank, "Select CB/HF", "模式选择"},
    {TextId::ChBand, "Band", "组"},
    {TextId::ChGridChannelNo, "CH No.", "信道"},
    {TextId::ChGroupName, "Group Name", "组名称"},
    {TextId::ChEmgChannel, "EMG CHX", "紧急信道"},
    {TextId::ChWorkChannel, "Work CHX", "工作信道"},
    {TextId::ChDwChannel, "DW CHX", "双守信道"},
    {TextId::ChMemChannel, "MEM CHX", "存储信道"},
    {TextId::ChGroupValid, "Group Valid", "组有效"},
    {TextId::ChWorkGroup, "Work Group", "工作组"},
    {TextId::ChMoreInformation, "More Information -- CH ", "更多信息 -- 信道 "},
    {TextId::ChCheckRadioBand, "Check Radio &Band", "检测对讲机频段(&B)"},
    {TextId::ChTsq, "TSQ", "TSQ"},
    {TextId::ChQtDqtEnc, "QT/DQT Enc", "QT/DQT编码"},
    {TextId::ChScan, "Scan", "扫描"},
    {TextId::ChDisable, "Disable", "禁用"},
    {TextId::ChEnable, "Enable", "启用"},
    {TextId::ChScanDel, "Del", "删除"},
    {TextId::ChScanAdd, "Add", "添加"},
    {TextId::SwHiCut, "HI-CUT", "HI-CUT"},
    {TextId::SwNbAnl, "NB/ANL", "NB/ANL"},
    {TextId::SwEcho, "ECHO", "ECHO"},
    {TextId::SwAdd10K, "+10KHz", "+10KHz"},
    {TextId::SwBusy, "BUSY", "BUSY"},
    {TextId::SwRoger, "Roger", "Roger"},
    {TextId::SwMode, "Mode", "Mode"},
    {TextId::OptCaption, "Optional Features", "可选功能"},
    {TextId::OptTot, "TOT", "TOT"},
    {TextId::OptIndic, "INDIC", "发射时LCD显示"},
    {TextId::OptIndicTxFrequency, "Tx Frequency Display", "发射频率显示"},
    {TextId::OptIndicSwr, "SWR LCD Display", "SWR驻波LCD显示"},
    {TextId::OptIndicTotRemain, "TOT Remain Time Display", "TOT剩余时间显示"},
    {TextId::OptIndicBattery, "Battery Voltage Display", "电池电压显示"},
    {TextId::OptMic, "MIC", "MIC"},
    {TextId::OptAsqLevel, "ASQ Level", "ASQ等级"},
    {TextId::OptNog, "NOG", "NOG"},
    {TextId::OptColor, "Color", "背光灯颜色"},
    {TextId::OptColorWhite, "White", "白"},
    {TextId::OptColorBlue, "Blue", "蓝"},
    {TextId::OptColorGreen, "Green", "绿"},
    {TextId::OptColorRed, "Red", "红"},
    {TextId::OptColorYellow, "Yellow", "黄"},
    {TextId::OptColorPurple, "Purple", "紫"},
    {TextId::OptColorCyan, "Cyan", "青"},
    {TextId::OptScm, "SCM", "SCM"},
    {TextId::OptSquelchScan, "Squelch Scan", "静噪扫描"},
    {TextId::OptTimeScan, "Time Scan", "时间扫描"},
    {TextId::OptFin, "Fin", "Fin"},
    {TextId::OptFreqCh, "Freq_CH", "Freq_CH"},
    {TextId::OptTxOffset, "Tx Offset", "Tx Offset"},
    {TextId::OptMhz, "MHz", "MHz"},
    {TextId::OptFmAmRssi, "FM/AM RSSI", "FM/AM RSSI"},
    {TextId::OptUsbLsbRssi, "USB/LSB RSSI", "USB/LSB RSSI"},
    {TextId::OptBeep, "Beep", "提示音"},
    {TextId::OptSwrProtect, "SWR Protect", "驻波保护"},
    {TextId::OptSwrMax, "Max", "Max"},
    {TextId::OptBatteryProtect, "Battery Voltage Protect", "电池电压保护"},
    {TextId::OptBatteryMin, "Min[V]", "Min[V]"},
    {TextId::OptBatteryMax, "Max[V]", "Max[V]"},
    {TextId::OptPublic, "Public", "公共信道设置"},
    {TextId::OptModeEnable, "Mode Enable", "Mode Enable"},
    {TextId::OptFmEnable, "FM Enable", "FM Enable"},
    {TextId::OptAmEnable, "AM Enable", "AM Enable"},
    {TextId::OptUsbEnable, "USB Enable", "USB Enable"},
    {TextId::OptLsbEnable, "LSB Enable", "LSB Enable"},
    {TextId::OptPaEnable, "PA Enable", "PA Enable"},
    {TextId::ProgressReadCaption, "Read data from radio", "从对讲机读取数据"},
    {TextId::ProgressWriteCaption, "Write data to radio", "向对讲机写入数据"},
    {TextId::ProgressPercentLabel, "Completion percentage:", "完成进度:"},
    {TextId::ToneSaveWav, "Save as &WAV", "另存为WAV(&W)"},
    {TextId::WavFile, "Wave Sound", "波形声音"},
    {TextId::GroupWriteCount, "Number of radios to write:", "要写入的对讲机数量："},
    {TextId::GroupRadioLabel, "Radio:", "对讲机："},
    {TextId::ChGroupFull, "This group already holds 46 channels; no more can be added.", "该组已有 46 个信道，不能再添加。"},
    {TextId::DataNameIsCompanion, "A data file's name cannot end in \".fre\": that is the name of its companion file.", "数据文件名不能以“.fre”结尾：这是其配套文件的名称。"},
    {TextId::VersionFileMissing, "Version.ini was not found.", "未找到 Version.ini。"},
    {TextId::VersionFileDamaged, "Version.ini is damaged.", "Version.ini 已损坏。"},
    {TextId::VersionFileBuiltIn, "The built-in versions are used: software %1 handles data files and radios of version %2.", "使用内置版本：软件 %1 支持 %2 版本的数据文件和对讲机。"},
    {TextId::StoredMode, "Mode %1", "模式 %1"},
    {TextId::FolderType, "Folder", "文件夹"},
    {TextId::CauseNotFound, "not found", "找不到"},
    {TextId::CausePermissionDenied, "permission denied", "没有权限"},
    {TextId::CauseIsFolder, "is a folder", "是一个文件夹"},
    {TextId::CauseNotRegular, "not a regular file", "不是普通文件"},
    {TextId::CauseDiskFull, "disk full", "磁盘已满"},
    {TextId::CauseReadOnlyFileSystem, "read-only file system", "只读文件系统"},
    {TextId::CauseTooShort, "too short to be a data file", "太短，不是数据文件"},
    {TextId::CauseCompanionTooShort, "holds fewer channels than its data file counts", "包含的信道少于其数据文件记录的数量"},
    {TextId::CauseCountsOutOfRange, "a group counts more than 46 channels", "某组记录的信道数超过 46 个"},
    {TextId::WrongLengthDetail, "The file has %1 bytes; a data file has %2.", "该文件有 %1 字节；数据文件应为 %2 字节。"},
    {TextId::PortGroupHint, "Your user may need to be a member of the group that owns the port (dialout on Debian).", "您的用户可能需要加入拥有该端口的用户组（Debian 上为 dialout）。"},
    {TextId::PortLine, "Port: %1", "端口：%1"},
    {TextId::TraceOff, "The serial line is not traced.", "不记录串口通信。"},
    {TextId::ToneKeptByRadio, "The radio keeps tones 7 and 8: a write does not set them. They show what the last read or the opened file held.", "对讲机保留提示音 7 和 8：写入不会设置它们。这里显示的是上次读取或打开的文件中的内容。"},
};
// clang-format on

constexpr auto kTable = [] {
    std::array<const Entry*, static_cast<size_t>(TextId::Count_)> table{};
    for (const Entry& e : kEntries)
        table[static_cast<size_t>(e.id)] = &e;
    return table;
}();

// Exactly one entry per key: as many entries as keys, and every key has its entry.
static_assert(std::size(kEntries) == static_cast<size_t>(TextId::Count_));
static_assert(std::ranges::all_of(kTable, [](const Entry* e) { return e != nullptr; }));

} // namespace

QString Catalogue::TextIn(TextId id, int language) {
    const auto index = static_cast<size_t>(id);
    if (index >= kTable.size() || kTable[index] == nullptr)
        return {};
    const Entry& e = *kTable[index];
    if (language == kEnglish)
        return QString::fromUtf8(e.english);
    if (language == kChinese)
        return QString::fromUtf8(e.chinese);
    return {};
}
