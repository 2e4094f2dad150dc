// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/helpwindow.h"

#include "teacher/copycommand.h"
#include "teacher/decodecommand.h"
#include "teacher/mistakescommand.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)
};

} // namespace

QString teacherHelpHtml()
{
    QString html = Texts::tr(
        "<h1>Tesilka – učitel</h1>"
        "<p>Program učitele k Tesilce na Ohmův zákon. Drží školní databázi s běhy žáků ve "
        "škole, seznam žáků a zprávy, které žáci posílají e-mailem z domova, a ukazuje z nich "
        "výsledky, souhrny, vývoj a chyby. Každý příkaz je v nabídce; karty se přepínají "
        "klávesami Alt+Z, Alt+C, Alt+K, Alt+H, Alt+J a Alt+Y, každé pole má svou podtrženou "
        "klávesu s Alt.</p>"
        "<h2>Databáze</h2>"
        "<p>Při spuštění se otevře databáze otevřená naposledy, jinak vestavěná školní "
        "databáze. <b>Soubor → Otevřít databázi…</b> (Ctrl+O) otevře jiný soubor, <b>Soubor → "
        "Nová databáze…</b> (Ctrl+N) vytvoří prázdný. <b>Soubor → Otevřít server…</b> otevře "
        "školní databázi na serveru PostgreSQL, <b>Soubor → Kopírovat databázi na server…</b> "
        "tam zkopíruje otevřený soubor. Soubor, který není školní databází, program odmítne "
        "a řekne proč; otevřená databáze zůstane.</p>");

    html += Texts::tr(
        "<h2>Karta „Zprávy z e-mailu“</h2>"
        "<p>Vložte celý e-mail se zprávou (Ctrl+V nebo „Vložit text“), otevřete soubory "
        "s poštou (Ctrl+Shift+O) nebo složku pošty („Otevřít složku s poštou…“), nebo "
        "soubory na kartu přetáhněte. Každý blok se zprávou dostane "
        "řádek se jménem, třídou, časem a počty odpovědí; blok, který není dobrou zprávou, má "
        "červený řádek s důvodem. <b>Uložit do databáze</b> (Ctrl+S) uloží dobré zprávy; "
        "tentýž blok se uloží jen jednou a zpráva, kterou databáze už má, je šedá. Sloupec "
        "„Žák v seznamu“ říká, komu zpráva patří. <b>Přiřadit žákovi…</b> ji přiřadí ručně, "
        "<b>Smazat z databáze…</b> (Delete) smaže vybrané uložené zprávy a <b>Načíst "
        "nepřiřazené z databáze</b> přinese uložené zprávy, které zatím nepatří nikomu. Než "
        "program zavřete nebo otevřete jinou databázi, zeptá se na zprávy, které nejsou "
        "uložené.</p>"
        "<h2>Karta „Žáci“</h2>"
        "<p>Seznam žáků po třídách v českém pořadí. <b>Přidat žáka…</b>, <b>Upravit žáka…</b> "
        "(nebo Enter na řádku) a <b>Smazat žáka</b> (Delete, po otázce). <b>Importovat seznam "
        "třídy…</b> přečte seznam třídy ze souboru a ukáže náhled: koho přidá a které řádky "
        "vynechá a proč; do databáze se nezapíše nic, dokud nestisknete „Importovat“. "
        "<b>Exportovat do CSV…</b> uloží seznam pro tabulkový procesor. Přejmenovaný žák si "
        "své běhy a zprávy ponese s sebou.</p>");

    html += Texts::tr(
        "<h2>Jak zprávy najdou svého žáka</h2>"
        "<p>Při ukládání se jméno a třída napsané ve zprávě porovnají se seznamem žáků. Na "
        "velikosti písmen a diakritice nezáleží a jméno může být v libovolném pořadí: „Jan "
        "Novák“, „novak jan“ i „Novák“ jsou žák „Novák“ ze seznamu. Třída se porovná "
        "v jednotném tvaru: „3a“, „3. A“ a „3.A“ jsou táž třída. Hodí-li se zpráva na "
        "<b>právě jednoho</b> žáka své třídy, přiřadí se mu sama. Nehodí-li se na nikoho, nebo "
        "na více žáků (překlep, jmenovci v jedné třídě), zůstane <b>nepřiřazeno</b> – program "
        "nehádá. Takovou zprávu přiřadíte příkazem <b>Přiřadit žákovi…</b> (na kartě „Zprávy "
        "z e-mailu“ i „Výsledky“): žáka najdete napsáním části jména, zprávu můžete nechat "
        "nikomu, nebo žáka rovnou přidat do seznamu. Vaše rozhodnutí platí i tehdy, když se "
        "tatáž zpráva uloží znovu nebo se změní seznam. Když se seznam změní nebo se otevře "
        "databáze, zprávy, o kterých jste nerozhodli, se porovnají znovu.</p>");

    html += Texts::tr(
        "<h2>Karta „Výsledky“</h2>"
        "<p>Všechny běhy v jedné tabulce: běhy ve škole i zprávy z e-mailu, se sloupcem "
        "„Zdroj“ (škola, e-mail). Časy jsou vždy HH:MM:SS; zpráva z e-mailu uvádí jen minuty, "
        "proto má vteřiny 00. Běh přes půlnoc se počítá ke dni, kdy skončil. Zpráva patří "
        "žákovi ve sloupcích „Žák“ a „Třída“; co do ní žák napsal, ukazují „Jméno ve zprávě“ "
        "a „Třída ve zprávě“. Zpráva, která nepatří nikomu, má ve sloupci „Žák“ slovo "
        "<i>nepřiřazeno</i>.</p>"
        "<p>Nahoře je filtr, společný všem třem kartám výsledků: <b>Třída</b>, <b>Žák</b> "
        "(i „nepřiřazené zprávy“), <b>Období</b> (vše, dnes, tento týden, tento měsíc, tento "
        "školní rok od 1. září, nebo vlastní), <b>Od</b> a <b>Do</b> pro vlastní období (oba "
        "dny se počítají; datum napište třeba „1. 9. 2026“, „1.9.2026“ nebo „01.09.2026“, "
        "nebo ho vyberte v kalendáři, který otevře F4) a "
        "<b>Zdroj</b>. Je-li „Od“ po „Do“, je období prázdné a filtr to pod sebou napíše. "
        "<b>Řadit podle</b> a <b>Sestupně</b> řadí tabulku (nebo klepněte na název sloupce). "
        "<b>Smazat vybrané…</b> (Delete) smaže vybrané běhy a zprávy po otázce, která řekne "
        "kolik a čí; <b>Přiřadit žákovi…</b> přiřadí vybrané zprávy.</p>");

    html += Texts::tr(
        "<h2>Karta „Souhrny“</h2>"
        "<p><b>Přehled</b> po žácích nebo po třídách. Po žácích: běhy, odpovědi, správně, "
        "chybně, úspěšnost, první a poslední běh. Žák je příjmení ve třídě, jmenovci ve dvou "
        "třídách jsou zvlášť. Je tu každý žák ze seznamu, i ten, kdo v období necvičil: má 0 "
        "běhů, jantarový řádek a v poznámce <b>bez běhu</b>. Žák s úspěšností pod "
        "<b>hranicí</b> (50 %, pokud ji nezměníte; program si ji pamatuje) je tučně a ve "
        "sloupci <b>Pod hranicí</b> má „ano“. Žák bez běhu se mezi ty pod hranicí nepočítá: "
        "„necvičil“ a „cvičil a nedařilo se mu“ jsou dvě různé věci. <b>Jen pod hranicí</b> "
        "ukáže žáky pod hranicí a žáky bez běhu. Nepřiřazené zprávy třídy mají vlastní řádek "
        "„(nepřiřazené zprávy)“. Po třídách: žáci v seznamu, kolik jich cvičilo, kolik je "
        "bez běhu a pod hranicí, běhy (i nepřiřazené zprávy), odpovědi a úspěšnost.</p>"
        "<h2>Karta „Vývoj“</h2>"
        "<p>Úspěšnost v procentech (černá čára s body, levá osa) a počet odpovědí "
        "(šrafované sloupce, pravá osa) zvoleného žáka, třídy nebo celé školy <b>po dnech</b> "
        "nebo <b>po týdnech</b> (<b>Graf po</b>). Vodorovná osa je čas: den nebo týden, kdy "
        "nikdo necvičil, je v grafu prázdné místo a čára se tam přeruší; týden je označen "
        "svým pondělím. Vedle grafu jsou stejná čísla v tabulce. Graf se čte stejně i "
        "vytištěný černobíle.</p>"
        "<h2>Export a tisk</h2>"
        "<p><b>Soubor → Exportovat tabulku…</b> uloží tabulku zobrazené karty pro český "
        "tabulkový procesor: jako CSV (UTF-8, středník, desetinná čárka, datum 7.12.2026, "
        "čas 12:22:00), nebo jako sešit XLSX se skutečnými čísly a daty. <b>Tisk…</b> (Ctrl+P) "
        "a <b>Exportovat do PDF…</b> vytisknou souhrny, nebo "
        "na kartě „Vývoj“ stránku s grafem a jeho čísly. Každý druh souboru se otevírá ve "
        "složce, kterou jste pro něj použili naposledy.</p>");

    html +=
        Texts::tr("<h2>Karta „Chyby“</h2>"
                  "<p>Co se v odpovědích z běhů ve škole nedaří (zprávy z e-mailu jednotlivé "
                  "odpovědi nemají): úspěšnost podle počítané veličiny (napětí, proud, odpor) a "
                  "podle toho, o kolik kroků po tisíci se předpona výsledku liší od bližší z "
                  "předpon zadání; kolik chybných odpovědí byla špatná předpona, násobení místo "
                  "dělení, dělení místo násobení, dělení obráceně nebo jiná chyba; medián doby "
                  "odpovědi, zvlášť správné a chybné (pro celou školu s více než 300 000 "
                  "odpověďmi se medián nepočítá, protože by musel projít každou odpověď: karta "
                  "to řekne a se zvolenou třídou nebo žákem ho ukáže). Tabulka po žácích ukazuje "
                  "tučně žáky, u nichž převažuje jeden druh chyby (aspoň 5 chybných odpovědí a "
                  "tento druh v nejméně polovině z nich a častější než jiné), a nad ní je jejich "
                  "seznam. Graf ukazuje každý druh chyby po týdnech jako podíl odpovědí týdne, "
                  "každý svou čárou a značkou; vedle něj jsou tatáž čísla v tabulce. Export "
                  "uloží tabulku po žácích, tisk celou kartu. Se zvoleným žákem ukazuje karta "
                  "totéž pro něj.</p>");

    html += Texts::tr(
        "<h2>Příkazový řádek</h2>"
        "<p>Bez okna, třeba z plánovače úloh: <code>--decode</code> vypíše zprávy ze "
        "souborů jako CSV, <code>--store</code> je uloží do databáze a přiřadí žákům "
        "jako okno, <code>--export-results</code> a <code>--export-summary</code> "
        "zapíší tabulku výsledků nebo souhrn po žácích do CSV, "
        "<code>--import-pupils</code> přidá žáky ze seznamu třídy tak jako import v okně, "
        "<code>--copy-to-server</code> zkopíruje soubor databáze na server. Úplný "
        "popis, jak ho vypíše <code>tesilka-ucitel --help</code>:</p>");
    const QString program = QStringLiteral("tesilka-ucitel");
    html += QStringLiteral("<pre>%1</pre>")
                .arg((commandLineHelp(program) + copyCommandHelp(program) +
                      mistakesCommandHelp(program))
                         .toHtmlEscaped());
    return html;
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(Texts::tr("Nápověda – Tesilka – učitel"));
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setAccessibleName(Texts::tr("Text nápovědy"));
    browser_->setOpenLinks(false);
    browser_->setHtml(teacherHelpHtml());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);

    // Room for a line of the command line's help, within a small screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int wide = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                         .horizontalAdvance(QString(90, u'x')) +
                     8 * browser_->fontMetrics().averageCharWidth();
    resize(qMin(wide, screen.width() * 9 / 10), qMin(640, screen.height() * 85 / 100));
    browser_->setFocus();
}
