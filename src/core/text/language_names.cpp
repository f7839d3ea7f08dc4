#include "core/text/language_names.h"

#include <array>

namespace {

// Index 0 stays empty; the name of language k written in language L is item (L - 1) * 2 + k.
constexpr std::array<const char*, 5> kNames = {"", "English", "Chinese", "英语", "中文"};

constexpr bool IsLanguage(int language) {
    return language == 1 || language == 2;
}

} // namespace

QString LanguageName(int language, int inLanguage) {
    if (!IsLanguage(language) || !IsLanguage(inLanguage))
        return {};
    return QString::fromUtf8(kNames[static_cast<size_t>((inLanguage - 1) * 2 + language)]);
}
