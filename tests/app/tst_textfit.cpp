// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/infowindow.h"
#include "app/language.h"
#include "app/sharedstate.h"
#include "app/splashwindow.h"
#include "app/wrappingbutton.h"
#include "database/teacherdatabase.h"
#include "exercise/confirmwindow.h"
#include "exercise/evaluation.h"
#include "exercise/exercisewindow.h"
#include "feedback/correctwindow.h"
#include "feedback/quitwindow.h"
#include "feedback/wrongwindow.h"
#include "results/reportencoder.h"
#include "results/summarywindow.h"
#include "results/teacherdatawindow.h"
#include "signin/welcomewindow.h"
#include "support/sequencesource.h"
#include "teacher/classlistimportdialog.h"
#include "teacher/helpwindow.h"
#include "teacher/mainwindow.h"
#include "teacher/pupilchooser.h"
#include "teacher/pupildialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>

#include <functional>
#include <memory>

// Every window of both programs in every language of the interface, with the window's own
// fonts: each label's and button's text fits its rectangle (wrapped where the widget wraps),
// and, in the translations, no two controls of a window share an access key.
class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsFit_data();
    void windowsFit();

private:
    QTemporaryDir dir_;
};

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

struct Window
{
    const char *name;
    WindowMaker make;
};

// One problem of each kind, judged wrong, for the windows that show it.
SharedState problem(std::uint8_t kind, double answer, std::int16_t answerPrefix)
{
    SharedState state;
    state.problemKind = kind;
    state.mantissaA = 2.0F;
    state.prefixA = -1;
    state.mantissaB = 5.0F;
    state.prefixB = 0;
    state.answerMantissa = answer;
    state.answerPrefix = answerPrefix;
    evaluateAnswer(state);
    return state;
}

// The language's locale, its translations installed in place of the previous language's.
QLocale useLanguage(const QString &code)
{
    for (QTranslator *old : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QLocale locale(code);
    installTranslations(*QCoreApplication::instance(), locale,
                        {QStringLiteral("tesilka"), QStringLiteral("tesilka-ucitel")});
    return locale;
}

QString plainCaption(const QString &text)
{
    QString plain = text;
    plain.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString());
    return plain.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The key a caption's "&" marks, lower case; none for "&&" or no mark.
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'&') {
            if (text.at(i + 1) != u'&') {
                return text.at(i + 1).toLower();
            }
            ++i;
        }
    }
    return {};
}

// Advance widths count the last glyph's side bearing: its ink ends up to this much earlier.
constexpr int widthSlack = 2;

// Whether text of `needed` size fits `room`: as wide, and no more lines than the room holds
// (a line's descent may reach below a label sized to the font's ascent, as the layouts are).
QString misfit(const QSize &needed, const QSize &room, int lineSpacing)
{
    const int lines = qMax(1, (needed.height() + lineSpacing / 2) / lineSpacing);
    const int roomLines = qMax(1, (room.height() + lineSpacing / 3) / lineSpacing);
    if (needed.width() <= room.width() + widthSlack && lines <= roomLines) {
        return {};
    }
    return QStringLiteral("needs %1×%2, has %3×%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Why the label's text does not fit, or nothing.
QString labelProblem(const QLabel &label)
{
    const QString text = label.text();
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                     -label.margin(), -label.margin());
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label.font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label.wordWrap()) {
            document.setTextWidth(room.width());
        }
        QSize needed = document.size().toSize();
        if (label.wordWrap()) {
            needed.setWidth(qMin(needed.width(), room.width()));
        }
        return misfit(needed, room.size(), label.fontMetrics().lineSpacing());
    }
    // a label shows its "&" as the access key only with a buddy
    int flags = label.buddy() != nullptr ? int(Qt::TextShowMnemonic) : 0;
    if (label.wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    const QSize needed = label.fontMetrics().boundingRect(room, flags, text).size();
    return misfit(needed, room.size(), label.fontMetrics().lineSpacing());
}

QString buttonProblem(const QAbstractButton &button)
{
    const QFontMetrics metrics = button.fontMetrics();
    if (qobject_cast<const WrappingButton *>(&button) != nullptr) {
        // as it paints itself: wrapped inside a small border
        const QRect inside = button.rect().adjusted(4, 2, -4, -2);
        const QSize needed =
            metrics
                .boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                              button.text())
                .size();
        return misfit(needed, inside.size(), metrics.lineSpacing());
    }
    if (qobject_cast<const QCheckBox *>(&button) != nullptr ||
        qobject_cast<const QRadioButton *>(&button) != nullptr) {
        // the indicator, its spacing and the text, on one line
        return misfit(button.sizeHint(), button.size(), button.sizeHint().height());
    }
    // one line, clear of the frame
    const QSize needed(metrics.horizontalAdvance(plainCaption(button.text())) + 8,
                       metrics.height());
    return misfit(needed, button.size(), metrics.lineSpacing());
}

// The captions of a window with an access key, as the keyboard reaches them together.
QStringList keyedCaptions(QWidget &window)
{
    QStringList captions;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisibleTo(&window) && label->buddy() != nullptr) {
            captions << label->text();
        }
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(&window)) {
            captions << button->text();
        }
    }
    for (const QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
        if (tabs->isVisibleTo(&window)) {
            for (int i = 0; i < tabs->count(); ++i) {
                captions << tabs->tabText(i);
            }
        }
    }
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        for (const QAction *action : bar->actions()) {
            captions << action->text();
        }
    }
    return captions;
}

QStringList misfits(QWidget &window, const QString &where, bool checkKeys)
{
    QStringList found;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) {
            continue;
        }
        if (const QString problem = labelProblem(*label); !problem.isEmpty()) {
            found << QStringLiteral("%1 label %2 „%3“: %4")
                         .arg(where, label->objectName(), label->text().left(60), problem);
        }
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty() ||
            button->inherits("QToolButton")) {
            continue;
        }
        if (const QString problem = buttonProblem(*button); !problem.isEmpty()) {
            found << QStringLiteral("%1 button %2 „%3“: %4")
                         .arg(where, button->objectName(), button->text(), problem);
        }
    }
    if (checkKeys) {
        QHash<QChar, QString> owners;
        for (const QString &caption : keyedCaptions(window)) {
            const QChar key = accessKey(caption);
            if (key.isNull()) {
                continue;
            }
            if (owners.contains(key) && owners.value(key) != caption) {
                found << QStringLiteral("%1: „%2“ and „%3“ share the access key %4")
                             .arg(where, owners.value(key), caption, key);
            }
            owners.insert(key, caption);
        }
    }
    return found;
}

} // namespace

void TextFitTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
}

void TextFitTest::windowsFit_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : interfaceLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TextFitTest::windowsFit()
{
    QFETCH(QString, language);
    const QLocale locale = useLanguage(language);
    // The translated texts are checked for unique access keys; the Czech ones are the
    // program's given texts.
    const bool checkKeys = language != interfaceLanguages.first();

    SequenceSource random;
    ReportEncoder encoder(random);
    const auto database = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(language + QStringLiteral(".db"))), true);
    QVERIFY(database != nullptr);
    const QByteArray classList =
        QStringLiteral("Příjmení;Jméno;Třída\r\nNovák;Petr;3.A\r\nNovák;Jan;3.A\r\n;;\r\n")
            .toUtf8();
    SharedState welcomeState;
    SharedState summaryState;
    summaryState.emailMode = true;
    summaryState.correctCount = 2;
    summaryState.wrongCount = 1;
    SharedState exerciseState;
    // a voltage, a resistance and a current problem
    SequenceSource problems({0.01F, 0.5F, 0.25F, 0.0021F, 0.25F, 0.5F, 0.5F, 0.5F, 0.25F, 0.0021F,
                             0.25F, 0.5F, 0.9F, 0.5F, 0.25F, 0.0021F, 0.25F, 0.5F});
    const auto exercise = [&] {
        auto window = std::make_unique<ExerciseWindow>(exerciseState, problems, locale);
        window->load();
        return window;
    };

    const QList<Window> windows{
        {"splash", [] { return std::make_unique<SplashWindow>(); }},
        {"about", [] { return std::make_unique<InfoWindow>(); }},
        {"welcome",
         [&] {
             return std::make_unique<WelcomeWindow>(welcomeState, encoder,
                                                    dir_.filePath(QStringLiteral("none.db")));
         }},
        {"exercise voltage", exercise},
        {"exercise resistance", exercise},
        {"exercise current", exercise},
        {"correct", [] { return std::make_unique<CorrectWindow>(); }},
        {"quit", [] { return std::make_unique<QuitWindow>(); }},
        {"teacher data", [&] { return std::make_unique<TeacherDataWindow>(encoder); }},
        {"summary",
         [&] { return std::make_unique<SummaryWindow>(summaryState, encoder, QString(), locale); }},
        {"teacher", [] { return std::make_unique<MainWindow>(); }},
        {"help", [] { return std::make_unique<HelpWindow>(); }},
        {"pupil dialog",
         [] {
             return std::make_unique<PupilDialog>(QStringLiteral("Přidat žáka"), QString(),
                                                  QString());
         }},
        {"pupil chooser",
         [] {
             return std::make_unique<PupilChooser>(
                 QList<PupilRecord>{{1, QStringLiteral("Novák"), QStringLiteral("3.A")}},
                 QStringLiteral("Novak"), QStringLiteral("3a"));
         }},
        {"class list import",
         [&] {
             return std::make_unique<ClassListImportDialog>(classList, QStringLiteral("trida.csv"),
                                                            *database);
         }},
    };

    QStringList found;
    // Each kind of problem in the confirmation and in the wrong-answer window, answered with
    // each slip that the latter names (and the sentence that makes it taller).
    const QList<QPair<double, std::int16_t>> answers{{2.5, 2},  {10.0, -1}, {2.5, 1},   {400.0, -2},
                                                     {0.4, -1}, {2.5, -1},  {10.0, -2}, {10.0, 0},
                                                     {0.4, 0},  {0.4, 1},   {400.0, 0}};
    for (const std::uint8_t kind : {0, 1, 2}) {
        for (const auto &[mantissa, prefix] : answers) {
            SharedState judged = problem(kind, mantissa, prefix);
            const QString where =
                QStringLiteral("kind %1, answer %2 (%3)").arg(kind).arg(mantissa).arg(prefix);
            ConfirmWindow confirm(judged, locale);
            confirm.show();
            found << misfits(confirm, QStringLiteral("confirm ") + where, checkKeys);
            WrongWindow wrong(judged, locale);
            wrong.show();
            found << misfits(wrong, QStringLiteral("wrong ") + where, checkKeys);
        }
    }
    for (const Window &entry : windows) {
        std::unique_ptr<QWidget> window = entry.make();
        window->show();
        QCoreApplication::processEvents();
        if (auto *tabs = window->findChild<QTabWidget *>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                found << misfits(*window, QStringLiteral("%1 tab %2").arg(entry.name).arg(i),
                                 checkKeys);
            }
        } else {
            found << misfits(*window, QString::fromLatin1(entry.name), checkKeys);
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
