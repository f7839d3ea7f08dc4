#pragma once

// Qt's own texts (standard buttons, file dialogs) in the language in force:
// Chinese loads Qt's Simplified Chinese translations, English removes them.
void InstallQtTranslations(int language);
