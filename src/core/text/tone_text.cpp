#include "core/text/tone_text.h"

#include "core/text/catalogue.h"

namespace {

struct ToneEntry {
    int id;
    const char* english;
    const char* chinese;
};

// clang-format off
constexpr ToneEntry kToneTexts[] = {
    {10221, "Roger &Beep", "RB音(&B)"},
    {12014, "Roger Beep", "RB音"},
    {29000, "Roger Beep", "RB音"},
    {29001, "RB Tone", "RB音"},
    {29002, "Recycle Times", "循环次数"},
    {29003, "Inter Time[ms]", "间隔时间[ms]"},
    {29004, "Frequency[Hz]", "频率[Hz]"},
    {29005, "Tone Long[ms]", "音长[ms]"},
    {29006, "&Play", "播放(&P)"},
    {29007, "&Stop", "停止(&S)"},
    {29100, "First Tone", "第一个音"},
    {29101, "Second Tone", "第二个音"},
    {29102, "Third Tone", "第三个音"},
    {29103, "Fourth Tone", "第四个音"},
    {29104, "Fifth Tone", "第五个音"},
    {29105, "Sixth Tone", "第六个音"},
    {29106, "Seventh Tone", "第七个音"},
    {29107, "Eighth Tone", "第八个音"},
    {29108, "Ninth Tone", "第九个音"},
    {29109, "Tenth Tone", "第十个音"},
    {29110, "Eleventh Tone", "第十一个音"},
    {29111, "Twelfth Tone", "第十二个音"},
    {29112, "Thirteenth Tone", "第十三个音"},
    {29113, "Fourteenth Tone", "第十四个音"},
    {29200, "Off", "关"},
    {29201, "None", "无"},
};
// clang-format on

} // namespace

QString ToneText(int id, int language) {
    for (const ToneEntry& e : kToneTexts) {
        if (e.id == id)
            return QString::fromUtf8(language == Catalogue::kChinese ? e.chinese : e.english);
    }
    return {};
}
