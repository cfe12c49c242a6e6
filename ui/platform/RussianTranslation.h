#pragma once

class QTranslator;

// Loads Qt's own Russian texts, so the standard buttons read "Да" and "Нет";
// false when the translation is not installed.
bool installRussianTranslation(QTranslator& translator);
