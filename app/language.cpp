// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

QLocale interfaceLocale(const QStringList &systemLanguages, const QLocale &system)
{
    for (const QString &name : systemLanguages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::C ||
            !interfaceLanguages.contains(QLocale::languageToCode(wanted.language()))) {
            continue;
        }
        return wanted.language() == system.language() ? system : QLocale(wanted.language());
    }
    return {QLocale::Czech, QLocale::CzechRepublic};
}

QLocale interfaceLocale()
{
    const QLocale system = QLocale::system();
    return interfaceLocale(system.uiLanguages(), system);
}

namespace {

// Texts of Qt 6 that Debian 12's Czech and Slovak catalogues lack: the type column of the file
// dialog ("Folder" beside every folder) and, in Slovak, the standard buttons of dialogs and
// message boxes (the Slovak catalogue predates their move to QPlatformTheme). Looked up after
// the catalogue, so that a newer catalogue's own wording wins.
class MissingQtTexts : public QTranslator
{
public:
    MissingQtTexts(QLocale::Language language, QObject *parent)
        : QTranslator(parent), slovak_(language == QLocale::Slovak)
    {
    }

    [[nodiscard]] bool isEmpty() const override { return false; }

    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char * /*disambiguation*/, int /*n*/) const override
    {
        struct Text
        {
            const char *context;
            const char *source;
            const char *czech; // nullptr: the Czech catalogue has it
            const char *slovak;
        };
        static constexpr Text texts[] = {
            {"QAbstractFileIconProvider", "Folder", "Složka", "Priečinok"},
            {"QAbstractFileIconProvider", "File Folder", "Složka souborů", "Priečinok súborov"},
            {"QAbstractFileIconProvider", "Drive", "Jednotka", "Jednotka"},
            {"QAbstractFileIconProvider", "File", "Soubor", "Súbor"},
            {"QAbstractFileIconProvider", "Shortcut", "Zástupce", "Odkaz"},
            {"QAbstractFileIconProvider", "Alias", "Alias", "Alias"},
            {"QAbstractFileIconProvider", "Unknown", "Neznámý", "Neznámy"},
            {"QPlatformTheme", "OK", nullptr, "OK"},
            {"QPlatformTheme", "Save", nullptr, "Uložiť"},
            {"QPlatformTheme", "Save All", nullptr, "Uložiť všetko"},
            {"QPlatformTheme", "Open", nullptr, "Otvoriť"},
            {"QPlatformTheme", "&Yes", nullptr, "&Áno"},
            {"QPlatformTheme", "Yes to &All", nullptr, "Áno, &všetky"},
            {"QPlatformTheme", "&No", nullptr, "&Nie"},
            {"QPlatformTheme", "N&o to All", nullptr, "N&ie, žiadne"},
            {"QPlatformTheme", "Abort", nullptr, "Prerušiť"},
            {"QPlatformTheme", "Retry", nullptr, "Skúsiť znova"},
            {"QPlatformTheme", "Ignore", nullptr, "Ignorovať"},
            {"QPlatformTheme", "Close", nullptr, "Zavrieť"},
            {"QPlatformTheme", "Cancel", nullptr, "Zrušiť"},
            {"QPlatformTheme", "Discard", nullptr, "Zahodiť"},
            {"QPlatformTheme", "Help", nullptr, "Pomocník"},
            {"QPlatformTheme", "Apply", nullptr, "Použiť"},
            {"QPlatformTheme", "Reset", nullptr, "Obnoviť"},
            {"QPlatformTheme", "Restore Defaults", nullptr, "Obnoviť predvolené"},
        };
        if (context == nullptr || sourceText == nullptr) {
            return {};
        }
        for (const Text &text : texts) {
            const char *translation = slovak_ ? text.slovak : text.czech;
            if (translation != nullptr && std::strcmp(context, text.context) == 0 &&
                std::strcmp(sourceText, text.source) == 0) {
                return QString::fromUtf8(translation);
            }
        }
        return {};
    }

private:
    bool slovak_;
};

bool installCatalogue(QCoreApplication &app, const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(&app);
        if (translator->load(fileName, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace

void installTranslations(QCoreApplication &app, const QLocale &locale,
                         const QStringList &catalogues)
{
    QLocale::setDefault(locale);
    const QString language = QLocale::languageToCode(locale.language());
    // The last installed is asked first: the missing texts go in before the catalogues.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): `app` owns the translator
    if (locale.language() == QLocale::Czech || locale.language() == QLocale::Slovak) {
        QCoreApplication::installTranslator(new MissingQtTexts(locale.language(), &app));
    }
    installCatalogue(app, QStringLiteral("qtbase_") + language,
                     {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    if (language == interfaceLanguages.first()) {
        return;
    }
    const QStringList folders{QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/%1/translations")
                                                .arg(QCoreApplication::applicationName())),
                              QStringLiteral(":/i18n")};
    for (const QString &catalogue : catalogues) {
        installCatalogue(app, catalogue + u'_' + language, folders);
    }
}
