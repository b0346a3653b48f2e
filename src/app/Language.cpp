#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>

namespace {

// "ja", "ja_JP", "ja_JP.UTF-8", "ja_JP.eucJP@whatever": the language is what
// comes before the territory, codeset and modifier.
QString LanguageOf(const QString& locale) {
    qsizetype end = locale.size();
    for (const QChar c : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = locale.indexOf(c);
        if (at >= 0 && at < end) {
            end = at;
        }
    }
    return locale.left(end);
}

bool IsPlainC(const QString& locale) {
    const QString language = LanguageOf(locale);
    return language.isEmpty() || language == QLatin1String("C") ||
           language == QLatin1String("POSIX");
}

std::unique_ptr<QTranslator> Load(const QString& name, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, directory)) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

std::unique_ptr<QTranslator> LoadQtJapanese() {
    return Load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

Language MessageLanguage(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty()) {
            break;
        }
    }
    if (IsPlainC(locale)) {
        return Language::English;
    }
    QStringList candidates =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    candidates.append(locale);
    for (const QString& candidate : candidates) {
        const QString language = LanguageOf(candidate);
        if (language == QLatin1String("ja")) {
            return Language::Japanese;
        }
        if (language == QLatin1String("en")) {
            return Language::English;
        }
    }
    return Language::English;
}

CommandLineTranslations::CommandLineTranslations(Language language) {
    if (language != Language::Japanese) {
        return;
    }
    // Installed last, ours is asked first, so it may also word Qt's own
    // parser texts better than Qt's translation does.
    qt_ = LoadQtJapanese();
    own_ = Load(QStringLiteral("turvane_ja"), QStringLiteral(":/i18n"));
}

CommandLineTranslations::~CommandLineTranslations() {
    for (const std::unique_ptr<QTranslator>& translator : {std::cref(own_), std::cref(qt_)}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator.get());
        }
    }
}

void InstallQtJapanese() {
    if (std::unique_ptr<QTranslator> translator = LoadQtJapanese()) {
        translator.release()->setParent(QCoreApplication::instance());
    }
}
