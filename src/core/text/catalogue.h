#pragma once

#include "core/text/text_id.h"

#include <QString>

// The bilingual text catalogue. `CurrentLanguage` 1 is English, 2 Chinese;
// Text() picks the entry of the language in force.
class Catalogue {
public:
    static constexpr int kEnglish = 1;
    static constexpr int kChinese = 2;

    int CurrentLanguage = kEnglish;

    QString Text(TextId id) const { return TextIn(id, CurrentLanguage); }
    // The text of a message that counts things (its %-argument still to be
    // filled): its singular form where `count` is one.
    QString Counted(TextId id, long long count) const;
    // Index 0 (and any language other than 1 and 2) yields an empty text.
    static QString TextIn(TextId id, int language);
};

// A menu caption without its keyboard mark: "&Open" -> "Open", "打开(&O)" -> "打开".
QString PlainCaption(QString caption);
