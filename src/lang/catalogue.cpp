#include "lang/catalogue.h"

#include <array>

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
    {TextId::OffWord, "Off", "关"},
    {TextId::OffSwitch, "OFF", "关"},
    {TextId::OnSwitch, "ON", "开"},
    {TextId::ReadCompleted, "Read Data Completed.", "读取数据完成。"},
    {TextId::WriteCompleted, "Write Data Completed.", "写入数据完成。"},
};
// clang-format on

constexpr auto kTable = [] {
    std::array<const Entry*, static_cast<size_t>(TextId::Count_)> table{};
    for (const Entry& e : kEntries)
        table[static_cast<size_t>(e.id)] = &e;
    return table;
}();

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
