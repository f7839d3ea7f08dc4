#pragma once

#include <QString>

// The name of `language` (1 English, 2 Chinese) written in `inLanguage`:
// "English", "Chinese" in English and "英语", "中文" in Chinese.
// Any language outside 1 and 2 gives an empty text.
QString LanguageName(int language, int inLanguage);
