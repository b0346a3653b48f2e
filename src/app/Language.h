#pragma once

#include <QString>

#include <memory>

class QProcessEnvironment;
class QTranslator;

// The language the command line speaks: English, the language its texts are
// written in, or Japanese, the one the program's users read.
enum class Language { English, Japanese };

// Chooses as GNU programs do: the first of LC_ALL, LC_MESSAGES and LANG that
// is set names the locale; under any locale but C or POSIX, LANGUAGE (a
// colon-separated list) goes first, its first entry with a translation
// winning. English is where no entry has one.
Language MessageLanguage(const QProcessEnvironment& environment);

// Puts the command line's texts, Qt's own parser texts among them, into
// language for as long as it lives. Needs an application object; one that
// needs no display will do.
class CommandLineTranslations {
public:
    explicit CommandLineTranslations(Language language);
    ~CommandLineTranslations();
    CommandLineTranslations(const CommandLineTranslations&) = delete;
    CommandLineTranslations& operator=(const CommandLineTranslations&) = delete;

private:
    std::unique_ptr<QTranslator> qt_;
    std::unique_ptr<QTranslator> own_;
};

// Qt's Japanese texts for its own dialogs (file save, print), which the
// Japanese windows open whatever the locale. Nothing happens where Qt's
// translations are not installed. The application object owns the result.
void InstallQtJapanese();
