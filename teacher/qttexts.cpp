// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {

// Texts added to Qt 6 after its Czech catalogue was last brought up to date: the type column
// of the file dialog ("Folder" beside every folder). Looked up after the catalogue, so that a
// newer catalogue's own wording wins.
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    [[nodiscard]] bool isEmpty() const override { return false; }

    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char * /*disambiguation*/, int /*n*/) const override
    {
        struct Text
        {
            const char *context;
            const char *source;
            const char *czech;
        };
        static constexpr Text texts[] = {
            {"QAbstractFileIconProvider", "Folder", "Složka"},
            {"QAbstractFileIconProvider", "File Folder", "Složka souborů"},
            {"QAbstractFileIconProvider", "Drive", "Jednotka"},
            {"QAbstractFileIconProvider", "File", "Soubor"},
            {"QAbstractFileIconProvider", "Shortcut", "Zástupce"},
            {"QAbstractFileIconProvider", "Alias", "Alias"},
            {"QAbstractFileIconProvider", "Unknown", "Neznámý"},
        };
        if (context == nullptr || sourceText == nullptr) {
            return {};
        }
        for (const Text &text : texts) {
            if (std::strcmp(context, text.context) == 0 &&
                std::strcmp(sourceText, text.source) == 0) {
                return QString::fromUtf8(text.czech);
            }
        }
        return {};
    }
};

} // namespace

void installCzechQtTexts(QCoreApplication &app)
{
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    QLocale::setDefault(czech);
    // The last installed is asked first: the missing texts go in before the catalogue.
    QCoreApplication::installTranslator(new MissingQtTexts(&app));
    auto *catalogue = new QTranslator(&app);
    if (catalogue->load(czech, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(catalogue);
    } else {
        delete catalogue;
    }
}
