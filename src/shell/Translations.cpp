#include "shell/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace glowdeck {

namespace {

// Qt takes the layout direction from this text, "RTL" in right-to-left languages. Glowdeck's own
// catalogues carry it too, so that Arabic mirrors the panel even without Qt's catalogues.
[[maybe_unused]] constexpr const char* layoutDirection[] = {
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
};

QPointer<QTranslator> ownCatalogue;
QPointer<QTranslator> qtCatalogue;

void drop(QPointer<QTranslator>& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
}

// Loads `file` for `language` from `folder` and installs it; false when there is none.
bool add(QPointer<QTranslator>& slot, const QLocale& language, const QString& file,
         const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(language, file, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    slot = translator;
    return true;
}

// Loads Glowdeck's catalogue of the first of the user's languages it speaks into `translator`;
// false when English comes first or none is spoken.
bool loadOwn(QTranslator& translator, const QLocale& locale) {
    // The languages in the user's order of preference; English is the texts as written.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (translator.load(language, QStringLiteral("glowdeck"), QStringLiteral("_"),
                            QStringLiteral(":/i18n")))
            return true;
    }
    return false;
}

} // namespace

QString Translations::languageFor(const QLocale& locale) {
    QTranslator translator;
    return loadOwn(translator, locale) ? translator.language() : QString();
}

QString Translations::install(const QLocale& locale) {
    if (!QCoreApplication::instance())
        return {};
    drop(ownCatalogue);
    drop(qtCatalogue);
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!loadOwn(*own, locale) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return {};
    }
    ownCatalogue = own;
    add(qtCatalogue, QLocale(own->language()), QStringLiteral("qtbase"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return own->language();
}

} // namespace glowdeck
