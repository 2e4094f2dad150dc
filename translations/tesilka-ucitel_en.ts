<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="cs_CZ">
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ruším…</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>ClassListCsv</name>
    <message>
        <source>uvozovky nejsou uzavřené až do konce souboru</source>
        <translation>a quotation mark is not closed before the end of the file</translation>
    </message>
    <message>
        <source>prázdný řádek</source>
        <translation>empty line</translation>
    </message>
    <message>
        <source>chybí příjmení a třída</source>
        <translation>the surname and the class are missing</translation>
    </message>
    <message>
        <source>chybí příjmení</source>
        <translation>the surname is missing</translation>
    </message>
    <message>
        <source>chybí třída</source>
        <translation>the class is missing</translation>
    </message>
    <message>
        <source>žák je v souboru už na řádku %1</source>
        <translation>the pupil is already in the file on line %1</translation>
    </message>
    <message>
        <source>žák „%1“ ve třídě %2 je v souboru už na řádku %3 (%4, zde %5): připojte jména k příjmení, jinak je nelze rozlišit</source>
        <translation>pupil “%1” in class %2 is already in the file on line %3 (%4, here %5): add the first names to the surnames, otherwise they cannot be told apart</translation>
    </message>
    <message>
        <source>bez jména</source>
        <translation>no first name</translation>
    </message>
    <message>
        <source>žák „%1“ ve třídě %2 je v souboru už na řádku %3: jsou-li to dva žáci, přidejte sloupec Jméno, jinak je nelze rozlišit</source>
        <translation>pupil “%1” in class %2 is already in the file on line %3: if they are two pupils, add a column for first names, otherwise they cannot be told apart</translation>
    </message>
    <message>
        <source>Soubor „%1“ nelze přečíst: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>Soubor „%1“ je na seznam třídy příliš velký (%2 MiB). Vyberte soubor se seznamem žáků.</source>
        <translation>The file “%1” is too large for a class list (%2 MiB). Choose a file with a list of pupils.</translation>
    </message>
</context>
<context>
    <name>ClassListImportDialog</name>
    <message>
        <source>&amp;První řádek je záhlaví (názvy sloupců)</source>
        <translation>&amp;First line is a header (column names)</translation>
    </message>
    <message>
        <source>K příjmení připojit &amp;jméno („Novák Petr“), aby se jmenovci rozlišili</source>
        <translation>Add the first &amp;name to the surname (“Novák Petr”) to tell pupils of the same name apart</translation>
    </message>
    <message>
        <source>Import žáků z %1</source>
        <translation>Import pupils from %1</translation>
    </message>
    <message>
        <source>Kódování</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1250</source>
        <translation>Windows-1250</translation>
    </message>
    <message>
        <source>Oddělovač</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>středník ;</source>
        <translation>semicolon ;</translation>
    </message>
    <message>
        <source>čárka ,</source>
        <translation>comma ,</translation>
    </message>
    <message>
        <source>tabulátor</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>První řádek je záhlaví</source>
        <translation>First line is a header</translation>
    </message>
    <message>
        <source>K příjmení připojit jméno</source>
        <translation>Add the first name to the surname</translation>
    </message>
    <message>
        <source>Žáci, kteří budou přidáni</source>
        <translation>Pupils to be added</translation>
    </message>
    <message>
        <source>Řádek</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Řádky, které nebudou importovány</source>
        <translation>Lines that will not be imported</translation>
    </message>
    <message>
        <source>&amp;Importovat</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Kódování:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>&amp;Oddělovač:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>Sešit %1: první list.</source>
        <translation>Workbook %1: first sheet.</translation>
    </message>
    <message>
        <source>Ná&amp;hled:</source>
        <translation>Pre&amp;view:</translation>
    </message>
    <message>
        <source>Řádky, které se &amp;neimportují:</source>
        <translation>Lines &amp;left out:</translation>
    </message>
    <message>
        <source>Řádek %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Bude přidán %1 žák.</source>
        <translation>%1 pupil will be added.</translation>
    </message>
    <message>
        <source>Budou přidáni %1 žáci.</source>
        <translation>%1 pupils will be added.</translation>
    </message>
    <message>
        <source>Bude přidáno %1 žáků.</source>
        <translation>%1 pupils will be added.</translation>
    </message>
    <message>
        <source>%1 řádek se neimportuje.</source>
        <translation>%1 line will not be imported.</translation>
    </message>
    <message>
        <source>%1 řádky se neimportují.</source>
        <translation>%1 lines will not be imported.</translation>
    </message>
    <message>
        <source>%1 řádků se neimportuje.</source>
        <translation>%1 lines will not be imported.</translation>
    </message>
    <message>
        <source>Náhled seznamu třídy</source>
        <translation>Class list preview</translation>
    </message>
    <message>
        <source>Čtu seznam třídy…</source>
        <translation>Reading the class list…</translation>
    </message>
</context>
<context>
    <name>ClassListPreviewModel</name>
    <message>
        <source>Řádek</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Příjmení</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Neznámá nebo neúplná volba „%1“. Nápovědu vypíše --help.
</source>
        <translation>Unknown or incomplete option “%1”. --help prints the help.
</translation>
    </message>
    <message>
        <source>Chybí adresa serveru (--copy-to-server) nebo soubor databáze (--database).
</source>
        <translation>The server&apos;s address (--copy-to-server) or the database file (--database) is missing.
</translation>
    </message>
    <message>
        <source>„%1“ není adresa databázového serveru (postgresql://… nebo service=…).
</source>
        <translation>“%1” is not the address of a database server (postgresql://… or service=…).
</translation>
    </message>
    <message>
        <source>Zkopírováno na server %1: žáků %2, výsledků %3, zpráv %4.
</source>
        <translation>Copied to the server %1: pupils %2, results %3, reports %4.
</translation>
    </message>
    <message>
        <source>
%1 --copy-to-server ADRESA --database SOUBOR
  Zkopíruje školní databázi ze souboru SQLite (žáky, výsledky a uložené zprávy)
  do prázdné školní databáze na serveru PostgreSQL, vše v jedné transakci.
  ADRESA je postgresql://uzivatel@server/databaze nebo service=nazev; heslo
  patří do souboru ~/.pgpass.
</source>
        <translation>
%1 --copy-to-server ADDRESS --database FILE
  Copies a school database from an SQLite file (pupils, results and saved reports)
  into an empty school database on a PostgreSQL server, all in one transaction.
  ADDRESS is postgresql://user@server/database or service=name; the password
  belongs in the file ~/.pgpass.
</translation>
    </message>
</context>
<context>
    <name>CzechText</name>
    <message>
        <source>Nepřiřazeno nikomu: %1.</source>
        <translation>Assigned to nobody: %1.</translation>
    </message>
    <message>
        <source>%1 zpráva</source>
        <translation>%1 report</translation>
    </message>
    <message>
        <source>%1 zprávy</source>
        <translation>%1 reports</translation>
    </message>
    <message>
        <source>%1 zpráv</source>
        <translation>%1 reports</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazena %1 zpráva.</source>
        <translation>%1 report assigned to pupil “%2” (%3).</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazeny %1 zprávy.</source>
        <translation>%1 reports assigned to pupil “%2” (%3).</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazeno %1 zpráv.</source>
        <translation>%1 reports assigned to pupil “%2” (%3).</translation>
    </message>
</context>
<context>
    <name>DecodeCommand</name>
    <message>
        <source>standardní vstup nelze číst</source>
        <translation>the standard input cannot be read</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>%1: e-mail %2, ř. %3</source>
        <translation>%1: e-mail %2, line %3</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --decode SOUBOR...</source>
        <translation>A file is missing: tesilka-ucitel --decode FILE...</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Řádek</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: e-mailů, které nelze přečíst: %2</source>
        <translation>%1: e-mails that cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: ve složce není žádná zpráva</source>
        <translation>%1: there is no report in the folder</translation>
    </message>
    <message>
        <source>%1: v souboru není žádná zpráva</source>
        <translation>%1: there is no report in the file</translation>
    </message>
    <message>
        <source>%1: upozornění: konec práce (Do) %2 je v budoucnosti</source>
        <translation>%1: warning: the end of work (Do) %2 is in the future</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.
</source>
        <translation>Unknown option “%1”. --help prints the help.
</translation>
    </message>
    <message>
        <source>Použití: %1 [--decode SOUBOR...]
       %1 [--database DATABÁZE] --store SOUBOR...
       %1 [--database DATABÁZE] --export-results VÝSTUP.csv [--class TŘÍDA]
          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]
          [--to RRRR-MM-DD]
       %1 [--database DATABÁZE] --export-summary VÝSTUP.csv [--class TŘÍDA]
          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]
          [--to RRRR-MM-DD] [--threshold N]
       %1 [--database DATABÁZE] --import-pupils SOUBOR

Program učitele k Tesilce: školní databáze, žáci a zprávy žáků z e-mailu.
Bez voleb otevře okno programu.

Volby:
  --decode SOUBOR...  přečte zprávy žáků ze souborů a vypíše je jako CSV
                      na standardní výstup (UTF-8 s BOM jako export okna,
                      oddělovač „;“, sloupce Soubor, E-mail, Řádek a údaje
                      zprávy); SOUBOR je e-mail (.eml), text (.txt), schránka
                      mbox, složka pošty Maildir (i její cur nebo new), nebo „-“
                      pro standardní vstup; tentýž blok v jednom souboru dvakrát
                      je jedna zpráva; důvod u každého vadného bloku a upozornění
                      na zprávu s koncem práce v budoucnosti vypíše na chybový
                      výstup se jménem souboru, číslem e-mailu a řádku
  --store SOUBOR...   uloží dobré zprávy ze souborů (jako u --decode) do databáze
                      v jedné transakci a přiřadí je žákům ze seznamu jako okno
                      programu; vypíše, kolik zpráv bylo nových, už uložených,
                      přiřazených žákovi, nepřiřazených a vadných; důvod u každého
                      vadného bloku vypíše na chybový výstup se jménem souboru,
                      číslem e-mailu a řádku; zprávu s koncem práce v budoucnosti
                      uloží a upozorní na ni
  --export-results VÝSTUP.csv
                      zapíše tabulku výsledků (běhy ve škole i zprávy z e-mailu)
                      do souboru CSV pro tabulkový procesor, jako ji exportuje
                      okno programu
  --export-summary VÝSTUP.csv
                      zapíše souhrn po žácích, jak ho ukazují Souhrny: každého
                      žáka ze seznamu, i bez běhu, a řádky nepřiřazených zpráv
                      (obojí jako sešit, končí-li jméno výstupu na .xlsx)
  --import-pupils SOUBOR
                      přidá do seznamu žáků seznam třídy (CSV, XLSX nebo ODS)
                      jako náhled v okně; vynechané řádky vypíše s důvodem na
                      chybový výstup
  --class TŘÍDA       omezí export na třídu
  --pupil PŘÍJMENÍ    omezí export na žáka; bez --class musí být příjmení jen
                      v jedné třídě
  --source skola|email
                      omezí export na běhy ve škole, nebo na zprávy z e-mailu
  --from RRRR-MM-DD, --to RRRR-MM-DD
                      omezí export na období (včetně obou dnů)
  --threshold N       hranice úspěšnosti v procentech pro souhrn (bez ní 50);
                      žáci pod ní mají ve sloupci „Pod hranicí“ „ano“
  --database DATABÁZE otevře jinou databázi (soubor nebo server) než vestavěnou
                      školní
  -h, --help          vypíše tuto nápovědu
  --version           vypíše verzi programu

Návratový kód: 0 vše v pořádku, 1 některý blok je vadný nebo soubor neobsahuje
žádnou zprávu, 2 soubor nelze přečíst nebo chybné volby.
U --store: 0 uloženo, 1 některý blok je vadný, soubor neobsahuje žádnou zprávu
nebo databáze selhala (pak se neuloží nic), 2 soubor nelze přečíst (pak se
neuloží nic) nebo chybné volby.
U --export-results a --export-summary: 0 zapsáno, 1 databázi nelze otevřít
nebo soubor zapsat, nebo třída či žák v databázi není, 2 chybné volby.
U --import-pupils: 0 importováni všichni, 1 některý řádek byl vynechán nebo
databáze selhala, 2 soubor nelze přečíst nebo chybné volby.
</source>
        <translation>Usage: %1 [--decode FILE...]
       %1 [--database DATABASE] --store FILE...
       %1 [--database DATABASE] --export-results OUTPUT.csv [--class CLASS]
          [--pupil SURNAME] [--source skola|email] [--from YYYY-MM-DD]
          [--to YYYY-MM-DD]
       %1 [--database DATABASE] --export-summary OUTPUT.csv [--class CLASS]
          [--pupil SURNAME] [--source skola|email] [--from YYYY-MM-DD]
          [--to YYYY-MM-DD] [--threshold N]
       %1 [--database DATABASE] --import-pupils FILE

The teacher&apos;s program for Tesilka: the school database, the pupils and the
pupils&apos; reports from e-mail. Without options it opens the program&apos;s window.

Options:
  --decode FILE...    reads the pupils&apos; reports from the files and writes them
                      as CSV to standard output (UTF-8 with BOM like the
                      window&apos;s export, separator “;”, columns File, E-mail, Line
                      and the report&apos;s fields); FILE is an e-mail (.eml), a text
                      (.txt), an mbox mailbox, a Maildir mail folder (or its cur
                      or new), or “-” for standard input; the same block twice
                      in one file is one report; the reason for each bad block
                      and a warning about a report whose end of work is in the
                      future go to standard error with the file&apos;s name, the
                      e-mail&apos;s number and the line
  --store FILE...     saves the good reports from the files (as with --decode)
                      in the database in one transaction and assigns them to
                      pupils on the list as the window does; prints how many
                      reports were new, already saved, assigned to a pupil,
                      unassigned and bad; the reason for each bad block goes to
                      standard error with the file&apos;s name, the e-mail&apos;s number
                      and the line; a report whose end of work is in the future
                      is saved with a warning
  --export-results OUTPUT.csv
                      writes the results table (runs at school and reports from
                      e-mail) to a CSV file for a spreadsheet, as the program&apos;s
                      window exports it
  --export-summary OUTPUT.csv
                      writes the summary by pupil as Summaries shows it: every
                      pupil on the list, even without a run, and the rows of
                      unassigned reports (either as a workbook when the output&apos;s
                      name ends in .xlsx)
  --import-pupils FILE
                      adds a class list (CSV, XLSX or ODS) to the pupil list as
                      the window&apos;s preview does; lines left out go to standard
                      error with the reason
  --class CLASS       limits the export to a class
  --pupil SURNAME     limits the export to a pupil; without --class the surname
                      must be in one class only
  --source skola|email
                      limits the export to runs at school (skola) or to reports
                      from e-mail (email)
  --from YYYY-MM-DD, --to YYYY-MM-DD
                      limits the export to a period (both days included)
  --threshold N       success threshold in per cent for the summary (50 without
                      it); pupils below it have “yes” in the column “Below
                      threshold”
  --database DATABASE opens another database (a file or a server) than the
                      built-in school one
  -h, --help          prints this help
  --version           prints the program&apos;s version

Exit code: 0 all fine, 1 a block is bad or a file holds no report, 2 a file
cannot be read or the options are wrong.
With --store: 0 saved, 1 a block is bad, a file holds no report or the database
failed (then nothing is saved), 2 a file cannot be read (then nothing is saved)
or the options are wrong.
With --export-results and --export-summary: 0 written, 1 the database cannot be
opened or the file written, or the class or pupil is not in the database, 2 the
options are wrong.
With --import-pupils: 0 all imported, 1 a line was left out or the database
failed, 2 a file cannot be read or the options are wrong.
</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>The option %1 lacks a value. --help prints the help.</translation>
    </message>
    <message>
        <source>Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.</source>
        <translation>The date “%1” of the option %2 is not valid, YYYY-MM-DD is expected.</translation>
    </message>
    <message>
        <source>Zdroj „%1“ u volby --source neznám, čeká se skola nebo email.</source>
        <translation>The source “%1” of the option --source is unknown, skola or email is expected.</translation>
    </message>
    <message>
        <source>Hranice „%1“ u volby --threshold není číslo od 0 do 100.</source>
        <translation>The threshold “%1” of the option --threshold is not a number from 0 to 100.</translation>
    </message>
    <message>
        <source>Volbu %1 nelze použít s %2. Nápovědu vypíše --help.</source>
        <translation>The option %1 cannot be used with %2. --help prints the help.</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Unknown option “%1”. --help prints the help.</translation>
    </message>
    <message>
        <source>Chybí soubor: %1 SOUBOR.csv (nebo SOUBOR.xlsx)</source>
        <translation>A file is missing: %1 FILE.csv (or FILE.xlsx)</translation>
    </message>
    <message>
        <source>Období je prázdné: --from je pozdější než --to.</source>
        <translation>The period is empty: --from is later than --to.</translation>
    </message>
    <message>
        <source>Třída „%1“ v databázi není, databáze zatím žádnou třídu nemá.</source>
        <translation>The class “%1” is not in the database; the database has no classes yet.</translation>
    </message>
    <message>
        <source>Třída „%1“ v databázi není. Třídy v databázi: %2.</source>
        <translation>The class “%1” is not in the database. Classes in the database: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Žák „%1“ v databázi není.</source>
        <translation>The pupil “%1” is not in the database.</translation>
    </message>
    <message>
        <source>Žák „%1“ ve třídě %2 v databázi není.</source>
        <translation>The pupil “%1” in class %2 is not in the database.</translation>
    </message>
    <message>
        <source>Příjmení „%1“ je ve více třídách: %2. Třídu zvolte volbou --class.</source>
        <translation>The surname “%1” is in more than one class: %2. Choose the class with the option --class.</translation>
    </message>
    <message>
        <source>Souhrn</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsán souhrn po žácích, řádků: %2.</source>
        <translation>Summary by pupil written to the file %1, rows: %2.</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsáno výsledků: %2.</source>
        <translation>Results written to the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>Soubor „%1“ nelze uložit: %2.</source>
        <translation>The file “%1” cannot be saved: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Karta „Zprávy z e-mailu“&lt;/h2&gt;&lt;p&gt;Vložte celý e-mail se zprávou (Ctrl+V nebo „Vložit text“), otevřete soubory s poštou (Ctrl+Shift+O) nebo složku pošty („Otevřít složku s poštou…“), nebo soubory na kartu přetáhněte. Každý blok se zprávou dostane řádek se jménem, třídou, časem a počty odpovědí; blok, který není dobrou zprávou, má červený řádek s důvodem. &lt;b&gt;Uložit do databáze&lt;/b&gt; (Ctrl+S) uloží dobré zprávy; tentýž blok se uloží jen jednou a zpráva, kterou databáze už má, je šedá. Sloupec „Žák v seznamu“ říká, komu zpráva patří. &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; ji přiřadí ručně, &lt;b&gt;Smazat z databáze…&lt;/b&gt; (Delete) smaže vybrané uložené zprávy a &lt;b&gt;Načíst nepřiřazené z databáze&lt;/b&gt; přinese uložené zprávy, které zatím nepatří nikomu. Než program zavřete nebo otevřete jinou databázi, zeptá se na zprávy, které nejsou uložené.&lt;/p&gt;&lt;h2&gt;Karta „Žáci“&lt;/h2&gt;&lt;p&gt;Seznam žáků po třídách v českém pořadí. &lt;b&gt;Přidat žáka…&lt;/b&gt;, &lt;b&gt;Upravit žáka…&lt;/b&gt; (nebo Enter na řádku) a &lt;b&gt;Smazat žáka&lt;/b&gt; (Delete, po otázce). &lt;b&gt;Importovat seznam třídy…&lt;/b&gt; přečte seznam třídy ze souboru a ukáže náhled: koho přidá a které řádky vynechá a proč; do databáze se nezapíše nic, dokud nestisknete „Importovat“. &lt;b&gt;Exportovat do CSV…&lt;/b&gt; uloží seznam pro tabulkový procesor. Přejmenovaný žák si své běhy a zprávy ponese s sebou.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The “E-mail reports” tab&lt;/h2&gt;&lt;p&gt;Paste a whole e-mail with a report (Ctrl+V or “Paste text”), open mail files (Ctrl+Shift+O) or a mail folder (“Open mail folder…”), or drag files onto the tab. Each block with a report gets a row with the name, class, time and numbers of answers; a block that is not a good report has a red row with the reason. &lt;b&gt;Save to database&lt;/b&gt; (Ctrl+S) saves the good reports; the same block is saved only once, and a report the database already has is grey. The column “Pupil on list” tells whom a report belongs to. &lt;b&gt;Assign to pupil…&lt;/b&gt; assigns it by hand, &lt;b&gt;Delete from database…&lt;/b&gt; (Delete) deletes the selected saved reports, and &lt;b&gt;Load unassigned from database&lt;/b&gt; brings in the saved reports that belong to nobody yet. Before the program closes or opens another database, it asks about reports that are not saved.&lt;/p&gt;&lt;h2&gt;The “Pupils” tab&lt;/h2&gt;&lt;p&gt;The pupil list by class in Czech alphabetical order. &lt;b&gt;Add pupil…&lt;/b&gt;, &lt;b&gt;Edit pupil…&lt;/b&gt; (or Enter on a row) and &lt;b&gt;Delete pupil&lt;/b&gt; (Delete, after a question). &lt;b&gt;Import class list…&lt;/b&gt; reads a class list from a file and shows a preview: whom it adds, which lines it leaves out and why; nothing is written to the database until you press “Import”. &lt;b&gt;Export to CSV…&lt;/b&gt; saves the list for a spreadsheet. A renamed pupil takes their runs and reports along.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jak zprávy najdou svého žáka&lt;/h2&gt;&lt;p&gt;Při ukládání se jméno a třída napsané ve zprávě porovnají se seznamem žáků. Na velikosti písmen a diakritice nezáleží a jméno může být v libovolném pořadí: „Jan Novák“, „novak jan“ i „Novák“ jsou žák „Novák“ ze seznamu. Třída se porovná v jednotném tvaru: „3a“, „3. A“ a „3.A“ jsou táž třída. Hodí-li se zpráva na &lt;b&gt;právě jednoho&lt;/b&gt; žáka své třídy, přiřadí se mu sama. Nehodí-li se na nikoho, nebo na více žáků (překlep, jmenovci v jedné třídě), zůstane &lt;b&gt;nepřiřazeno&lt;/b&gt; – program nehádá. Takovou zprávu přiřadíte příkazem &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; (na kartě „Zprávy z e-mailu“ i „Výsledky“): žáka najdete napsáním části jména, zprávu můžete nechat nikomu, nebo žáka rovnou přidat do seznamu. Vaše rozhodnutí platí i tehdy, když se tatáž zpráva uloží znovu nebo se změní seznam. Když se seznam změní nebo se otevře databáze, zprávy, o kterých jste nerozhodli, se porovnají znovu.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;How reports find their pupil&lt;/h2&gt;&lt;p&gt;On saving, the name and class written in a report are compared with the pupil list. Upper or lower case and accents do not matter, and the name may be in any order: “Jan Novák”, “novak jan” and “Novák” are all the pupil “Novák” on the list. The class is compared in one form: “3a”, “3. A” and “3.A” are the same class. When a report fits &lt;b&gt;exactly one&lt;/b&gt; pupil of its class, it is assigned to them by itself. When it fits nobody, or more than one pupil (a typo, two pupils of the same name in a class), it stays &lt;b&gt;unassigned&lt;/b&gt; – the program does not guess. You assign such a report with &lt;b&gt;Assign to pupil…&lt;/b&gt; (on the “E-mail reports” and “Results” tabs): find the pupil by typing part of the name, leave the report to nobody, or add the pupil to the list straight away. Your decision holds even when the same report is saved again or the list changes. When the list changes or a database is opened, the reports you have not decided about are compared again.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Výsledky“&lt;/h2&gt;&lt;p&gt;Všechny běhy v jedné tabulce: běhy ve škole i zprávy z e-mailu, se sloupcem „Zdroj“ (škola, e-mail). Časy jsou vždy HH:MM:SS; zpráva z e-mailu uvádí jen minuty, proto má vteřiny 00. Běh přes půlnoc se počítá ke dni, kdy skončil. Zpráva patří žákovi ve sloupcích „Žák“ a „Třída“; co do ní žák napsal, ukazují „Jméno ve zprávě“ a „Třída ve zprávě“. Zpráva, která nepatří nikomu, má ve sloupci „Žák“ slovo &lt;i&gt;nepřiřazeno&lt;/i&gt;.&lt;/p&gt;&lt;p&gt;Nahoře je filtr, společný všem třem kartám výsledků: &lt;b&gt;Třída&lt;/b&gt;, &lt;b&gt;Žák&lt;/b&gt; (i „nepřiřazené zprávy“), &lt;b&gt;Období&lt;/b&gt; (vše, dnes, tento týden, tento měsíc, tento školní rok od 1. září, nebo vlastní), &lt;b&gt;Od&lt;/b&gt; a &lt;b&gt;Do&lt;/b&gt; pro vlastní období (oba dny se počítají; datum napište třeba „1. 9. 2026“, „1.9.2026“ nebo „01.09.2026“, nebo ho vyberte v kalendáři, který otevře F4) a &lt;b&gt;Zdroj&lt;/b&gt;. Je-li „Od“ po „Do“, je období prázdné a filtr to pod sebou napíše. &lt;b&gt;Řadit podle&lt;/b&gt; a &lt;b&gt;Sestupně&lt;/b&gt; řadí tabulku (nebo klepněte na název sloupce). &lt;b&gt;Smazat vybrané…&lt;/b&gt; (Delete) smaže vybrané běhy a zprávy po otázce, která řekne kolik a čí; &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; přiřadí vybrané zprávy.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The “Results” tab&lt;/h2&gt;&lt;p&gt;All runs in one table: runs at school and reports from e-mail, with the column “Source” (school, e-mail). Times are always HH:MM:SS; a report from e-mail gives only minutes, so its seconds are 00. A run past midnight counts for the day it ended. A report belongs to the pupil in the columns “Pupil” and “Class”; what the pupil wrote in it is shown in “Name in report” and “Class in report”. A report that belongs to nobody has the word &lt;i&gt;unassigned&lt;/i&gt; in the column “Pupil”.&lt;/p&gt;&lt;p&gt;At the top is a filter shared by all three results tabs: &lt;b&gt;Class&lt;/b&gt;, &lt;b&gt;Pupil&lt;/b&gt; (also “unassigned reports”), &lt;b&gt;Period&lt;/b&gt; (all, today, this week, this month, this school year from 1 September, or custom), &lt;b&gt;From&lt;/b&gt; and &lt;b&gt;To&lt;/b&gt; for a custom period (both days count; type a date such as “1. 9. 2026”, “1.9.2026” or “01.09.2026”, or pick it in the calendar that F4 opens) and &lt;b&gt;Source&lt;/b&gt;. When “From” is after “To”, the period is empty and the filter says so below itself. &lt;b&gt;Sort by&lt;/b&gt; and &lt;b&gt;Descending&lt;/b&gt; sort the table (or click a column&apos;s name). &lt;b&gt;Delete selected…&lt;/b&gt; (Delete) deletes the selected runs and reports after a question saying how many and whose; &lt;b&gt;Assign to pupil…&lt;/b&gt; assigns the selected reports.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Souhrny“&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Přehled&lt;/b&gt; po žácích nebo po třídách. Po žácích: běhy, odpovědi, správně, chybně, úspěšnost, první a poslední běh. Žák je příjmení ve třídě, jmenovci ve dvou třídách jsou zvlášť. Je tu každý žák ze seznamu, i ten, kdo v období necvičil: má 0 běhů, jantarový řádek a v poznámce &lt;b&gt;bez běhu&lt;/b&gt;. Žák s úspěšností pod &lt;b&gt;hranicí&lt;/b&gt; (50 %, pokud ji nezměníte; program si ji pamatuje) je tučně a ve sloupci &lt;b&gt;Pod hranicí&lt;/b&gt; má „ano“. Žák bez běhu se mezi ty pod hranicí nepočítá: „necvičil“ a „cvičil a nedařilo se mu“ jsou dvě různé věci. &lt;b&gt;Jen pod hranicí&lt;/b&gt; ukáže žáky pod hranicí a žáky bez běhu. Nepřiřazené zprávy třídy mají vlastní řádek „(nepřiřazené zprávy)“. Po třídách: žáci v seznamu, kolik jich cvičilo, kolik je bez běhu a pod hranicí, běhy (i nepřiřazené zprávy), odpovědi a úspěšnost.&lt;/p&gt;&lt;h2&gt;Karta „Vývoj“&lt;/h2&gt;&lt;p&gt;Úspěšnost v procentech (černá čára s body, levá osa) a počet odpovědí (šrafované sloupce, pravá osa) zvoleného žáka, třídy nebo celé školy &lt;b&gt;po dnech&lt;/b&gt; nebo &lt;b&gt;po týdnech&lt;/b&gt; (&lt;b&gt;Graf po&lt;/b&gt;). Vodorovná osa je čas: den nebo týden, kdy nikdo necvičil, je v grafu prázdné místo a čára se tam přeruší; týden je označen svým pondělím. Vedle grafu jsou stejná čísla v tabulce. Graf se čte stejně i vytištěný černobíle.&lt;/p&gt;&lt;h2&gt;Export a tisk&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Soubor → Exportovat tabulku…&lt;/b&gt; uloží tabulku zobrazené karty pro český tabulkový procesor: jako CSV (UTF-8, středník, desetinná čárka, datum 7.12.2026, čas 12:22:00), nebo jako sešit XLSX se skutečnými čísly a daty. &lt;b&gt;Tisk…&lt;/b&gt; (Ctrl+P) a &lt;b&gt;Exportovat do PDF…&lt;/b&gt; vytisknou souhrny, nebo na kartě „Vývoj“ stránku s grafem a jeho čísly. Každý druh souboru se otevírá ve složce, kterou jste pro něj použili naposledy.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The “Summaries” tab&lt;/h2&gt;&lt;p&gt;&lt;b&gt;View&lt;/b&gt; by pupil or by class. By pupil: runs, answers, right, wrong, success rate, first and last run. A pupil is a surname in a class; pupils of the same name in two classes are kept apart. Every pupil on the list is here, even one who did not practise in the period: they have 0 runs, an amber row and &lt;b&gt;no run&lt;/b&gt; in the note. A pupil whose success rate is below the &lt;b&gt;threshold&lt;/b&gt; (50 % unless you change it; the program remembers it) is in bold and has “yes” in the column &lt;b&gt;Below threshold&lt;/b&gt;. A pupil without a run does not count among those below the threshold: “did not practise” and “practised and struggled” are two different things. &lt;b&gt;Only below threshold&lt;/b&gt; shows the pupils below the threshold and those without a run. A class&apos;s unassigned reports have their own row “(unassigned reports)”. By class: pupils on the list, how many practised, how many have no run and how many are below the threshold, runs (unassigned reports included), answers and success rate.&lt;/p&gt;&lt;h2&gt;The “Progress” tab&lt;/h2&gt;&lt;p&gt;The success rate in per cent (black line with points, left axis) and the number of answers (hatched bars, right axis) of the chosen pupil, class or the whole school &lt;b&gt;by day&lt;/b&gt; or &lt;b&gt;by week&lt;/b&gt; (&lt;b&gt;Chart by&lt;/b&gt;). The horizontal axis is time: a day or week when nobody practised is an empty space in the chart and the line breaks there; a week is marked by its Monday. Next to the chart are the same figures in a table. The chart reads the same when printed in black and white.&lt;/p&gt;&lt;h2&gt;Export and print&lt;/h2&gt;&lt;p&gt;&lt;b&gt;File → Export table…&lt;/b&gt; saves the table of the tab shown for a Czech spreadsheet: as CSV (UTF-8, semicolon, decimal comma, date 7.12.2026, time 12:22:00), or as an XLSX workbook with real numbers and dates. &lt;b&gt;Print…&lt;/b&gt; (Ctrl+P) and &lt;b&gt;Export to PDF…&lt;/b&gt; print the summaries, or on the “Progress” tab a page with the chart and its figures. Each kind of file opens in the folder you last used for it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Příkazový řádek&lt;/h2&gt;&lt;p&gt;Bez okna, třeba z plánovače úloh: &lt;code&gt;--decode&lt;/code&gt; vypíše zprávy ze souborů jako CSV, &lt;code&gt;--store&lt;/code&gt; je uloží do databáze a přiřadí žákům jako okno, &lt;code&gt;--export-results&lt;/code&gt; a &lt;code&gt;--export-summary&lt;/code&gt; zapíší tabulku výsledků nebo souhrn po žácích do CSV, &lt;code&gt;--import-pupils&lt;/code&gt; přidá žáky ze seznamu třídy tak jako import v okně, &lt;code&gt;--copy-to-server&lt;/code&gt; zkopíruje soubor databáze na server. Úplný popis, jak ho vypíše &lt;code&gt;tesilka-ucitel --help&lt;/code&gt;:&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Command line&lt;/h2&gt;&lt;p&gt;Without a window, for example from a task scheduler: &lt;code&gt;--decode&lt;/code&gt; prints the reports from files as CSV, &lt;code&gt;--store&lt;/code&gt; saves them in the database and assigns them to pupils as the window does, &lt;code&gt;--export-results&lt;/code&gt; and &lt;code&gt;--export-summary&lt;/code&gt; write the results table or the summary by pupil to CSV, &lt;code&gt;--import-pupils&lt;/code&gt; adds pupils from a class list just as the import in the window does, &lt;code&gt;--copy-to-server&lt;/code&gt; copies a database file to a server. The full description, as &lt;code&gt;tesilka-ucitel --help&lt;/code&gt; prints it:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Nápověda – Tesilka – učitel</source>
        <translation>Help – Tesilka for Teachers</translation>
    </message>
    <message>
        <source>Text nápovědy</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Chyby“&lt;/h2&gt;&lt;p&gt;Co se v odpovědích z běhů ve škole nedaří (zprávy z e-mailu jednotlivé odpovědi nemají): úspěšnost podle počítané veličiny (napětí, proud, odpor) a podle toho, o kolik kroků po tisíci se předpona výsledku liší od bližší z předpon zadání; kolik chybných odpovědí byla špatná předpona, násobení místo dělení, dělení místo násobení, dělení obráceně nebo jiná chyba; medián doby odpovědi, zvlášť správné a chybné (pro celou školu s více než 300 000 odpověďmi se medián nepočítá, protože by musel projít každou odpověď: karta to řekne a se zvolenou třídou nebo žákem ho ukáže). Tabulka po žácích ukazuje tučně žáky, u nichž převažuje jeden druh chyby (aspoň 5 chybných odpovědí a tento druh v nejméně polovině z nich a častější než jiné), a nad ní je jejich seznam. Graf ukazuje každý druh chyby po týdnech jako podíl odpovědí týdne, každý svou čárou a značkou; vedle něj jsou tatáž čísla v tabulce. Export uloží tabulku po žácích, tisk celou kartu. Se zvoleným žákem ukazuje karta totéž pro něj.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The “Mistakes” tab&lt;/h2&gt;&lt;p&gt;What goes wrong in the answers from runs at school (reports from e-mail do not hold the single answers): the success rate by the quantity computed (voltage, current, resistance) and by how many steps of a thousand the prefix of the result is from the nearer of the prefixes in the problem; how many wrong answers were a wrong prefix, multiplying instead of dividing, dividing instead of multiplying, dividing the wrong way round or another mistake; the median answer time, for right and wrong answers separately (for the whole school with more than 300,000 answers the median is not computed, because it would have to go through every answer: the tab says so and shows it once a class or a pupil is chosen). The table by pupil shows in bold the pupils with one main kind of mistake (at least 5 wrong answers, with this kind in at least half of them and more frequent than any other), and a list of them is above it. The chart shows each kind of mistake by week as a share of the week’s answers, each with its own line and marker; the same figures are in the table next to it. Export saves the table by pupil, printing the whole tab. With a pupil chosen, the tab shows the same for that pupil.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tesilka – učitel&lt;/h1&gt;&lt;p&gt;Program učitele k Tesilce na Ohmův zákon. Drží školní databázi s běhy žáků ve škole, seznam žáků a zprávy, které žáci posílají e-mailem z domova, a ukazuje z nich výsledky, souhrny, vývoj a chyby. Každý příkaz je v nabídce; karty se přepínají klávesami Alt+Z, Alt+C, Alt+K, Alt+H, Alt+J a Alt+Y, každé pole má svou podtrženou klávesu s Alt.&lt;/p&gt;&lt;h2&gt;Databáze&lt;/h2&gt;&lt;p&gt;Při spuštění se otevře databáze otevřená naposledy, jinak vestavěná školní databáze. &lt;b&gt;Soubor → Otevřít databázi…&lt;/b&gt; (Ctrl+O) otevře jiný soubor, &lt;b&gt;Soubor → Nová databáze…&lt;/b&gt; (Ctrl+N) vytvoří prázdný. &lt;b&gt;Soubor → Otevřít server…&lt;/b&gt; otevře školní databázi na serveru PostgreSQL, &lt;b&gt;Soubor → Kopírovat databázi na server…&lt;/b&gt; tam zkopíruje otevřený soubor. Soubor, který není školní databází, program odmítne a řekne proč; otevřená databáze zůstane.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tesilka for Teachers&lt;/h1&gt;&lt;p&gt;The teacher&apos;s program for Tesilka, the Ohm&apos;s law drill. It keeps the school database with the pupils&apos; runs at school, the pupil list and the reports that pupils send by e-mail from home, and shows results, summaries, progress and mistakes from them. Every command is in a menu; Alt+M, Alt+P, Alt+R, Alt+S, Alt+G and Alt+K switch between the tabs, and every field has its underlined key to press with Alt.&lt;/p&gt;&lt;h2&gt;Database&lt;/h2&gt;&lt;p&gt;At start the program opens the database opened last, otherwise the built-in school database. &lt;b&gt;File → Open database…&lt;/b&gt; (Ctrl+O) opens another file, &lt;b&gt;File → New database…&lt;/b&gt; (Ctrl+N) creates an empty one. &lt;b&gt;File → Open server…&lt;/b&gt; opens a school database on a PostgreSQL server, &lt;b&gt;File → Copy database to server…&lt;/b&gt; copies the open file there. A file that is not a school database is refused with the reason; the open database stays open.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Unknown option “%1”. --help prints the help.</translation>
    </message>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>The option %1 lacks a value. --help prints the help.</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --import-pupils SOUBOR</source>
        <translation>A file is missing: tesilka-ucitel --import-pupils FILE</translation>
    </message>
    <message>
        <source>Ze souboru %1 nebyl importován žádný žák.</source>
        <translation>No pupil was imported from the file %1.</translation>
    </message>
    <message>
        <source>Řádek %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>V souboru jsou jmenovci: příjmení jsou uložena se jménem („Novák Petr“).</source>
        <translation>The file has pupils of the same name: the surnames are saved with the first name (“Novák Petr”).</translation>
    </message>
    <message>
        <source>Ze souboru %2 importován %1 žák</source>
        <translation>%1 pupil imported from the file %2</translation>
    </message>
    <message>
        <source>Ze souboru %2 importováni %1 žáci</source>
        <translation>%1 pupils imported from the file %2</translation>
    </message>
    <message>
        <source>Ze souboru %2 importováno %1 žáků</source>
        <translation>%1 pupils imported from the file %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 řádek vynechán</source>
        <translation>%1 line left out</translation>
    </message>
    <message>
        <source>%1 řádky vynechány</source>
        <translation>%1 lines left out</translation>
    </message>
    <message>
        <source>%1 řádků vynecháno</source>
        <translation>%1 lines left out</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 saved report assigned to a pupil.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>V souboru %1 není žádný žák.</source>
        <translation>The file %1 holds no pupil.</translation>
    </message>
</context>
<context>
    <name>MailSource</name>
    <message>
        <source>soubor nelze otevřít</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>čtení souboru selhalo</source>
        <translation>reading the file failed</translation>
    </message>
    <message>
        <source>zpráva je vnořená příliš hluboko</source>
        <translation>the message is nested too deep</translation>
    </message>
    <message>
        <source>e-mail %1: %2</source>
        <translation>e-mail %1: %2</translation>
    </message>
    <message>
        <source>soubor neexistuje (odkaz nikam nevede)</source>
        <translation>the file does not exist (the link leads nowhere)</translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>složka není pošta ve formátu Maildir (chybí v ní složky cur a new)</source>
        <translation>the folder is not mail in the Maildir format (it lacks the folders cur and new)</translation>
    </message>
    <message>
        <source>složku nelze číst (nemáte oprávnění)</source>
        <translation>the folder cannot be read (you have no permission)</translation>
    </message>
    <message>
        <source>soubor nelze číst (nemáte oprávnění)</source>
        <translation>the file cannot be read (you have no permission)</translation>
    </message>
</context>
<context>
    <name>MailText</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>část zprávy %1 má %2 MB, víc než %3 MB, které program přečte: nebyla přečtena</source>
        <translation>part %1 of the message is %2 MB, more than the %3 MB the program reads: it was not read</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xportovat tabulku…</source>
        <translation>E&amp;xport table…</translation>
    </message>
    <message>
        <source>&amp;Tisk…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Exportovat do PD&amp;F…</source>
        <translation>Export to PD&amp;F…</translation>
    </message>
    <message>
        <source>Stránky programu</source>
        <translation>Program&apos;s pages</translation>
    </message>
    <message>
        <source>&amp;Zprávy z e-mailu</source>
        <translation>E-&amp;mail reports</translation>
    </message>
    <message>
        <source>Žá&amp;ci</source>
        <translation>&amp;Pupils</translation>
    </message>
    <message>
        <source>Výsled&amp;ky</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <source>Sou&amp;hrny</source>
        <translation>&amp;Summaries</translation>
    </message>
    <message>
        <source>Vývo&amp;j</source>
        <translation>Pro&amp;gress</translation>
    </message>
    <message>
        <source>Otevřená databáze</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>&amp;Nová databáze…</source>
        <translation>&amp;New database…</translation>
    </message>
    <message>
        <source>Vytvoří prázdnou školní databázi</source>
        <translation>Creates an empty school database</translation>
    </message>
    <message>
        <source>&amp;Otevřít databázi…</source>
        <translation>&amp;Open database…</translation>
    </message>
    <message>
        <source>Otevře soubor školní databáze</source>
        <translation>Opens a school database file</translation>
    </message>
    <message>
        <source>Otevřít &amp;server…</source>
        <translation>Open &amp;server…</translation>
    </message>
    <message>
        <source>Otevře školní databázi na databázovém serveru</source>
        <translation>Opens a school database on a database server</translation>
    </message>
    <message>
        <source>Kopírovat databázi na se&amp;rver…</source>
        <translation>Copy database to se&amp;rver…</translation>
    </message>
    <message>
        <source>Zkopíruje žáky, výsledky a zprávy z otevřeného souboru na databázový server</source>
        <translation>Copies the pupils, results and reports from the open file to a database server</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Uloží zobrazenou tabulku do souboru CSV nebo do sešitu XLSX</source>
        <translation>Saves the table shown to a CSV file or an XLSX workbook</translation>
    </message>
    <message>
        <source>Vytiskne souhrn nebo vývoj žáka s grafem</source>
        <translation>Prints the summary or a pupil&apos;s progress with the chart</translation>
    </message>
    <message>
        <source>Uloží souhrn nebo vývoj žáka s grafem do souboru PDF</source>
        <translation>Saves the summary or a pupil&apos;s progress with the chart to a PDF file</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ú&amp;pravy</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Obsah nápovědy</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Vysvětlí karty programu, přiřazování zpráv a příkazový řádek</source>
        <translation>Explains the program&apos;s tabs, how reports are assigned, and the command line</translation>
    </message>
    <message>
        <source>&amp;O programu…</source>
        <translation>&amp;About…</translation>
    </message>
    <message>
        <source>O &amp;Qt…</source>
        <translation>About &amp;Qt…</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Žádná databáze není otevřená: otevřete ji nebo vytvořte novou (nabídka Soubor).</source>
        <translation>No database is open: open one or create a new one (File menu).</translation>
    </message>
    <message>
        <source>V seznamu je %1 zpráva, která není uložená v databázi.</source>
        <translation>The list has %1 report that is not saved in the database.</translation>
    </message>
    <message>
        <source>V seznamu jsou %1 zprávy, které nejsou uložené v databázi.</source>
        <translation>The list has %1 reports that are not saved in the database.</translation>
    </message>
    <message>
        <source>V seznamu je %1 zpráv, které nejsou uložené v databázi.</source>
        <translation>The list has %1 reports that are not saved in the database.</translation>
    </message>
    <message>
        <source>Žádná databáze není otevřená, zprávy nelze uložit.</source>
        <translation>No database is open, the reports cannot be saved.</translation>
    </message>
    <message>
        <source>Tesilka – učitel</source>
        <translation>Tesilka for Teachers</translation>
    </message>
    <message>
        <source>Uložit do databáze</source>
        <translation>Save to database</translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Databáze nebyla otevřena.</source>
        <translation>The database was not opened.</translation>
    </message>
    <message>
        <source>Otevřena databáze %1.</source>
        <translation>Opened the database %1.</translation>
    </message>
    <message>
        <source>Přidána tabulka Zpravy pro zprávy z e-mailu.</source>
        <translation>Added the table Zpravy for reports from e-mail.</translation>
    </message>
    <message>
        <source>Tabulka Zpravy doplněna o žáka, kterému zpráva patří.</source>
        <translation>The table Zpravy now records the pupil a report belongs to.</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 saved report assigned to a pupil.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>Databáze nebyla vytvořena.</source>
        <translation>The database was not created.</translation>
    </message>
    <message>
        <source>Vytvořena nová databáze %1.</source>
        <translation>Created the new database %1.</translation>
    </message>
    <message>
        <source>Nová databáze</source>
        <translation>New database</translation>
    </message>
    <message>
        <source>Databáze Tesilky (*.db);;Všechny soubory (*)</source>
        <translation>Tesilka databases (*.db);;All files (*)</translation>
    </message>
    <message>
        <source>Otevřít databázi</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>Otevřít server</source>
        <translation>Open server</translation>
    </message>
    <message>
        <source>Otevřete nejdřív soubor školní databáze, který se má zkopírovat.</source>
        <translation>First open the school database file to be copied.</translation>
    </message>
    <message>
        <source>Databáze zkopírována na server %1 a otevřena.</source>
        <translation>Database copied to the server %1 and opened.</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tesilka – učitel&lt;/b&gt;, verze %1&lt;/p&gt;&lt;p&gt;Program učitele k Tesilce na Ohmův zákon: školní databáze, seznamy žáků a zprávy, které žáci posílají e-mailem.&lt;/p&gt;&lt;p&gt;Šíří se pod licencí GNU General Public License verze 3 nebo (podle vaší volby) kterékoli pozdější (GPL-3.0-or-later), bez jakékoli záruky.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tesilka for Teachers&lt;/b&gt;, version %1&lt;/p&gt;&lt;p&gt;The teacher&apos;s program for Tesilka, the Ohm&apos;s law drill: the school database, class lists and the reports that pupils send by e-mail.&lt;/p&gt;&lt;p&gt;It is distributed under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later), without any warranty.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Databáze není otevřená</source>
        <translation>No database is open</translation>
    </message>
    <message>
        <source>%1 (jen pro čtení) – Tesilka – učitel</source>
        <translation>%1 (read-only) – Tesilka for Teachers</translation>
    </message>
    <message>
        <source>Databáze: %1 (jen pro čtení)</source>
        <translation>Database: %1 (read-only)</translation>
    </message>
    <message>
        <source>%1 – Tesilka – učitel</source>
        <translation>%1 – Tesilka for Teachers</translation>
    </message>
    <message>
        <source>Databáze: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Sešit Excelu (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Exportovat</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Odesláno na tiskárnu.</source>
        <translation>Sent to the printer.</translation>
    </message>
    <message>
        <source>Exportovat do PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Soubory PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Uloženo do souboru %1.</source>
        <translation>Saved to the file %1.</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>zápis do souboru selhal</source>
        <translation>writing the file failed</translation>
    </message>
    <message>
        <source>Chyb&amp;y</source>
        <translation>Mista&amp;kes</translation>
    </message>
</context>
<context>
    <name>MistakeChart</name>
    <message>
        <source>týden od pondělí</source>
        <translation>week from Monday</translation>
    </message>
    <message>
        <source>% odpovědí</source>
        <translation>% of answers</translation>
    </message>
</context>
<context>
    <name>MistakeModels</name>
    <message>
        <source>napětí</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>odpor</source>
        <translation>resistance</translation>
    </message>
    <message>
        <source>proud</source>
        <translation>current</translation>
    </message>
    <message>
        <source>stejná jako v zadání</source>
        <translation>same as in the problem</translation>
    </message>
    <message>
        <source>o jeden krok (× 1000)</source>
        <translation>one step off (× 1000)</translation>
    </message>
    <message>
        <source>o dva a více kroků</source>
        <translation>two or more steps off</translation>
    </message>
    <message>
        <source>špatná předpona</source>
        <translation>wrong prefix</translation>
    </message>
    <message>
        <source>násobení místo dělení</source>
        <translation>multiplying instead of dividing</translation>
    </message>
    <message>
        <source>dělení místo násobení</source>
        <translation>dividing instead of multiplying</translation>
    </message>
    <message>
        <source>dělení obráceně</source>
        <translation>dividing the wrong way round</translation>
    </message>
    <message>
        <source>jiná chyba</source>
        <translation>other mistake</translation>
    </message>
    <message>
        <source>Převažující chyba: žák má aspoň %1 chybných odpovědí a jeden druh chyby je v nejméně polovině z nich a častější než každý jiný.</source>
        <translation>Main mistake: the pupil has at least %1 wrong answers, and one kind of mistake is in at least half of them and more frequent than any other.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Počítaná veličina</source>
        <translation>Quantity computed</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Success rate</translation>
    </message>
    <message>
        <source>Předpona výsledku</source>
        <translation>Prefix of the result</translation>
    </message>
    <message>
        <source>Druh chyby</source>
        <translation>Kind of mistake</translation>
    </message>
    <message>
        <source>Chybné odpovědi</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Podíl z chybných</source>
        <translation>Share of wrong</translation>
    </message>
    <message>
        <source>Příjmení</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Převažující chyba</source>
        <translation>Main mistake</translation>
    </message>
    <message>
        <source>Medián doby odpovědi</source>
        <translation>Median answer time</translation>
    </message>
    <message>
        <source>Týden od</source>
        <translation>Week from</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>MistakesCommand</name>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>The option %1 lacks a value. --help prints the help.</translation>
    </message>
    <message>
        <source>Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.</source>
        <translation>The date “%1” of the option %2 is not valid, YYYY-MM-DD is expected.</translation>
    </message>
    <message>
        <source>Volbu „%1“ nelze použít s --export-mistakes. Nápovědu vypíše --help.</source>
        <translation>The option “%1” cannot be used with --export-mistakes. --help prints the help.</translation>
    </message>
    <message>
        <source>Chybí soubor: --export-mistakes SOUBOR.csv (nebo SOUBOR.xlsx)</source>
        <translation>A file is missing: --export-mistakes FILE.csv (or FILE.xlsx)</translation>
    </message>
    <message>
        <source>Období je prázdné: --from je pozdější než --to.</source>
        <translation>The period is empty: --from is later than --to.</translation>
    </message>
    <message>
        <source>Chyby</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsány chyby po žácích, řádků: %2.</source>
        <translation>Mistakes by pupil written to the file %1, rows: %2.</translation>
    </message>
    <message>
        <source>
Použití: %1 [--database DATABÁZE] --export-mistakes VÝSTUP.csv [--class TŘÍDA]
          [--pupil PŘÍJMENÍ] [--from RRRR-MM-DD] [--to RRRR-MM-DD]
  --export-mistakes VÝSTUP.csv
                      zapíše chyby po žácích, jak je ukazuje karta Chyby: na
                      řádek žáka s odpověďmi z běhů ve škole jeho odpovědi,
                      správné, počet každého druhu chyby, převažující chybu
                      a medián doby odpovědi v sekundách (jako sešit, končí-li
                      jméno výstupu na .xlsx)
</source>
        <translation>
Usage: %1 [--database DATABASE] --export-mistakes OUTPUT.csv [--class CLASS]
          [--pupil SURNAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
  --export-mistakes OUTPUT.csv
                      writes the mistakes by pupil as the Mistakes tab shows
                      them: a row for each pupil with answers from runs at
                      school with the answers, the right ones, the count of
                      each kind of mistake, the main mistake and the median
                      answer time in seconds (as a workbook when the output&apos;s
                      name ends in .xlsx)
</translation>
    </message>
</context>
<context>
    <name>MistakesPage</name>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Chyby</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Úspěšnost podle počítané veličiny</source>
        <translation>Success rate by quantity computed</translation>
    </message>
    <message>
        <source>Úspěšnost podle předpony výsledku</source>
        <translation>Success rate by prefix of the result</translation>
    </message>
    <message>
        <source>Chybné odpovědi podle druhu</source>
        <translation>Wrong answers by kind</translation>
    </message>
    <message>
        <source>Druhy chyb po týdnech</source>
        <translation>Kinds of mistakes by week</translation>
    </message>
    <message>
        <source>Chyby po žácích</source>
        <translation>Mistakes by pupil</translation>
    </message>
    <message>
        <source>Graf druhů chyb po týdnech</source>
        <translation>Chart of the kinds of mistakes by week</translation>
    </message>
    <message>
        <source>Ve zvoleném výběru nejsou žádné odpovědi z běhů ve škole.</source>
        <translation>The chosen selection has no answers from runs at school.</translation>
    </message>
    <message>
        <source>Odpovědi z běhů ve škole: %1, správně %2 (%3).</source>
        <translation>Answers from runs at school: %1, right %2 (%3).</translation>
    </message>
    <message>
        <source>Medián doby odpovědi se pro celou školu s více než %L1 odpověďmi nepočítá (ani u žáků): zvolte třídu nebo žáka.</source>
        <translation>The median answer time is not computed for the whole school with more than %L1 answers (nor for its pupils): choose a class or a pupil.</translation>
    </message>
    <message>
        <source>Medián doby odpovědi: správné %1, chybné %2.</source>
        <translation>Median answer time: right %1, wrong %2.</translation>
    </message>
    <message>
        <source>Takový žák ve výběru není.</source>
        <translation>No such pupil in the selection.</translation>
    </message>
    <message>
        <source>Pomoc potřebují: %1.</source>
        <translation>Need help: %1.</translation>
    </message>
    <message>
        <source>chyby.csv</source>
        <translation>mistakes.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 žák s chybami.</source>
        <translation>%1 pupil with mistakes saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženi %1 žáci s chybami.</source>
        <translation>%1 pupils with mistakes saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 žáků s chybami.</source>
        <translation>%1 pupils with mistakes saved to the file %2.</translation>
    </message>
    <message>
        <source>Chyby v odpovědích</source>
        <translation>Mistakes in the answers</translation>
    </message>
    <message>
        <source>Podle počítané veličiny</source>
        <translation>By quantity computed</translation>
    </message>
    <message>
        <source>Podle předpony výsledku</source>
        <translation>By prefix of the result</translation>
    </message>
    <message>
        <source>Podle druhu chyby</source>
        <translation>By kind of mistake</translation>
    </message>
    <message>
        <source>Po žácích</source>
        <translation>By pupil</translation>
    </message>
    <message>
        <source>Po týdnech</source>
        <translation>By week</translation>
    </message>
    <message>
        <source>Zprávy z e-mailu jednotlivé odpovědi nemají: chyby se počítají jen z běhů ve škole. Ve filtru zvolte zdroj „jen škola“ nebo „škola i e-mail“.</source>
        <translation>Reports from e-mail do not hold the single answers: mistakes are counted from runs at school only. In the filter, choose the source “school only” or “school and e-mail”.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>týden od</source>
        <translation>week from</translation>
    </message>
    <message>
        <source>den</source>
        <translation>day</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Success rate (%)</translation>
    </message>
    <message>
        <source>úspěšnost (%)</source>
        <translation>success rate (%)</translation>
    </message>
    <message>
        <source>odpovědi</source>
        <translation>answers</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Vývoj</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Graf po dnech nebo týdnech</source>
        <translation>Chart by day or by week</translation>
    </message>
    <message>
        <source>dnech</source>
        <translation>day</translation>
    </message>
    <message>
        <source>týdnech</source>
        <translation>week</translation>
    </message>
    <message>
        <source>&amp;Graf po:</source>
        <translation>Chart &amp;by:</translation>
    </message>
    <message>
        <source>Graf vývoje úspěšnosti a počtu odpovědí</source>
        <translation>Chart of the success rate and the number of answers</translation>
    </message>
    <message>
        <source>Čísla grafu</source>
        <translation>The chart&apos;s figures</translation>
    </message>
    <message>
        <source>vyvoj.csv</source>
        <translation>progress.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 řádek vývoje.</source>
        <translation>%1 progress row saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 řádky vývoje.</source>
        <translation>%1 progress rows saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 řádků vývoje.</source>
        <translation>%1 progress rows saved to the file %2.</translation>
    </message>
    <message>
        <source>Běhy: %1, odpovědi: %2, správně: %3, chybně: %4, úspěšnost: %5. První běh %6, poslední %7.</source>
        <translation>Runs: %1, answers: %2, right: %3, wrong: %4, success rate: %5. First run %6, last %7.</translation>
    </message>
    <message>
        <source>Pod hranicí %1 %.</source>
        <translation>Below the threshold of %1 %.</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress of the results</translation>
    </message>
</context>
<context>
    <name>PupilChooser</name>
    <message>
        <source>&amp;Přiřadit</source>
        <translation>&amp;Assign</translation>
    </message>
    <message>
        <source>Přiřadit žákovi</source>
        <translation>Assign to pupil</translation>
    </message>
    <message>
        <source>Hledat žáka</source>
        <translation>Find a pupil</translation>
    </message>
    <message>
        <source>Žáci v seznamu</source>
        <translation>Pupils on the list</translation>
    </message>
    <message>
        <source>&amp;Nikomu</source>
        <translation>&amp;Nobody</translation>
    </message>
    <message>
        <source>Zprávy zůstanou nepřiřazené a automatické přiřazení je nezmění</source>
        <translation>The reports stay unassigned and automatic assigning leaves them so</translation>
    </message>
    <message>
        <source>Přidat nového žá&amp;ka…</source>
        <translation>Add a ne&amp;w pupil…</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Hledat:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Přidat žáka a přiřadit mu zprávy</source>
        <translation>Add a pupil and assign the reports to them</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Příjmení</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Příjmení:</source>
        <translation>&amp;Surname:</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>C&amp;lass:</translation>
    </message>
</context>
<context>
    <name>PupilTableModel</name>
    <message>
        <source>Příjmení</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
</context>
<context>
    <name>PupilsPage</name>
    <message>
        <source>Při&amp;dat žáka…</source>
        <translation>&amp;Add pupil…</translation>
    </message>
    <message>
        <source>&amp;Upravit žáka…</source>
        <translation>Edi&amp;t pupil…</translation>
    </message>
    <message>
        <source>S&amp;mazat žáka</source>
        <translation>De&amp;lete pupil</translation>
    </message>
    <message>
        <source>&amp;Importovat seznam třídy…</source>
        <translation>&amp;Import class list…</translation>
    </message>
    <message>
        <source>&amp;Exportovat do CSV…</source>
        <translation>E&amp;xport to CSV…</translation>
    </message>
    <message>
        <source>Žáci</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Přidá žáky ze seznamu třídy v CSV, XLSX nebo ODS, po náhledu</source>
        <translation>Adds pupils from a class list in CSV, XLSX or ODS, after a preview</translation>
    </message>
    <message>
        <source>Uloží seznam žáků do souboru CSV</source>
        <translation>Saves the pupil list to a CSV file</translation>
    </message>
    <message>
        <source>Seznam žáků</source>
        <translation>Pupil list</translation>
    </message>
    <message>
        <source>Nejprve otevřete nebo vytvořte databázi (nabídka Soubor).</source>
        <translation>First open or create a database (File menu).</translation>
    </message>
    <message>
        <source>V databázi je %1 žák.</source>
        <translation>The database has %1 pupil.</translation>
    </message>
    <message>
        <source>V databázi jsou %1 žáci.</source>
        <translation>The database has %1 pupils.</translation>
    </message>
    <message>
        <source>V databázi je %1 žáků.</source>
        <translation>The database has %1 pupils.</translation>
    </message>
    <message>
        <source>Databáze je otevřená jen pro čtení: do souboru nelze zapisovat.</source>
        <translation>The database is open read-only: the file cannot be written to.</translation>
    </message>
    <message>
        <source>Přidat žáka</source>
        <translation>Add pupil</translation>
    </message>
    <message>
        <source>Přidán žák „%1“, třída %2.</source>
        <translation>Added pupil “%1”, class %2.</translation>
    </message>
    <message>
        <source>Upravit žáka</source>
        <translation>Edit pupil</translation>
    </message>
    <message>
        <source>Upraven žák „%1“, třída %2; jeho výsledky a zprávy jsou pod novým jménem.</source>
        <translation>Edited pupil “%1”, class %2; their results and reports are under the new name.</translation>
    </message>
    <message>
        <source>Smazat žáka „%1“ (třída %2)? Výsledky v databázi zůstanou.</source>
        <translation>Delete pupil “%1” (class %2)? The results stay in the database.</translation>
    </message>
    <message>
        <source>Smazán žák „%1“, třída %2.</source>
        <translation>Deleted pupil “%1”, class %2.</translation>
    </message>
    <message>
        <source>Importovat seznam třídy</source>
        <translation>Import class list</translation>
    </message>
    <message>
        <source>Seznamy žáků (*.csv *.txt *.xlsx *.ods);;Všechny soubory (*)</source>
        <translation>Pupil lists (*.csv *.txt *.xlsx *.ods);;All files (*)</translation>
    </message>
    <message>
        <source>Import zrušen, nic nebylo změněno.</source>
        <translation>Import cancelled, nothing was changed.</translation>
    </message>
    <message>
        <source>Importován %1 žák</source>
        <translation>%1 pupil imported</translation>
    </message>
    <message>
        <source>Importováni %1 žáci</source>
        <translation>%1 pupils imported</translation>
    </message>
    <message>
        <source>Importováno %1 žáků</source>
        <translation>%1 pupils imported</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 řádek přeskočen</source>
        <translation>%1 line skipped</translation>
    </message>
    <message>
        <source>%1 řádky přeskočeny</source>
        <translation>%1 lines skipped</translation>
    </message>
    <message>
        <source>%1 řádků přeskočeno</source>
        <translation>%1 lines skipped</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 saved report assigned to a pupil.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 saved reports assigned to pupils.</translation>
    </message>
    <message>
        <source>Exportovat žáky do CSV</source>
        <translation>Export pupils to CSV</translation>
    </message>
    <message>
        <source>zaci.csv</source>
        <translation>pupils.csv</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 žák.</source>
        <translation>%1 pupil saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženi %1 žáci.</source>
        <translation>%1 pupils saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 žáků.</source>
        <translation>%1 pupils saved to the file %2.</translation>
    </message>
    <message>
        <source>Import žáků</source>
        <translation>Importing pupils</translation>
    </message>
    <message>
        <source>Čtu %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>Importuji žáky…</source>
        <translation>Importing the pupils…</translation>
    </message>
</context>
<context>
    <name>ReportStore</name>
    <message>
        <source>Přidán žák „%1“, třída %2. </source>
        <translation>Added pupil “%1”, class %2. </translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Student</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Od</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Odpovědí</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Dobře</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Špatně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Úspěšnost %</source>
        <translation>Success %</translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>%1, ř. %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>%1, uloženo v databázi</source>
        <translation>%1, saved in the database</translation>
    </message>
    <message>
        <source>nepřiřazeno</source>
        <translation>unassigned</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, přiřadil učitel</source>
        <translation>%1, assigned by the teacher</translation>
    </message>
    <message>
        <source>%1, přiřazeno podle jména a třídy</source>
        <translation>%1, assigned by name and class</translation>
    </message>
    <message>
        <source>%1 po uložení do databáze</source>
        <translation>%1 once saved in the database</translation>
    </message>
    <message>
        <source>Konec práce (Do) %1 je v budoucnosti: hodiny žákova počítače jdou špatně, nebo byl blok změněn. Zprávu lze přesto uložit.</source>
        <translation>The end of work (Do) %1 is in the future: the clock of the pupil&apos;s computer is wrong, or the block was changed. The report can be saved all the same.</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <translation>⚠ %1</translation>
    </message>
    <message>
        <source>Odkud</source>
        <translation>From where</translation>
    </message>
    <message>
        <source>Žák v seznamu</source>
        <translation>Pupil on list</translation>
    </message>
</context>
<context>
    <name>ReportsPage</name>
    <message>
        <source>&amp;Vložit text</source>
        <translation>Paste te&amp;xt</translation>
    </message>
    <message>
        <source>Otevřít sou&amp;bory se zprávami…</source>
        <translation>&amp;Open report files…</translation>
    </message>
    <message>
        <source>Ot&amp;evřít složku s poštou…</source>
        <translation>Open mail fol&amp;der…</translation>
    </message>
    <message>
        <source>U&amp;ložit do databáze</source>
        <translation>Sa&amp;ve to database</translation>
    </message>
    <message>
        <source>V&amp;yprázdnit seznam</source>
        <translation>&amp;Clear list</translation>
    </message>
    <message>
        <source>Přiř&amp;adit žákovi…</source>
        <translation>Ass&amp;ign to pupil…</translation>
    </message>
    <message>
        <source>Smaza&amp;t z databáze…</source>
        <translation>De&amp;lete from database…</translation>
    </message>
    <message>
        <source>Načíst nepř&amp;iřazené z databáze</source>
        <translation>Load u&amp;nassigned from database</translation>
    </message>
    <message>
        <source>Zprávy z e-mailu</source>
        <translation>E-mail reports</translation>
    </message>
    <message>
        <source>Najde zprávy žáků v textu ze schránky</source>
        <translation>Finds pupils&apos; reports in the text on the clipboard</translation>
    </message>
    <message>
        <source>Najde zprávy žáků v souborech .txt a .eml a ve schránkách mbox</source>
        <translation>Finds pupils&apos; reports in .txt and .eml files and in mbox mailboxes</translation>
    </message>
    <message>
        <source>Najde zprávy žáků ve všech e-mailech složky pošty ve formátu Maildir</source>
        <translation>Finds pupils&apos; reports in all e-mails of a mail folder in the Maildir format</translation>
    </message>
    <message>
        <source>Uloží přečtené zprávy do otevřené databáze</source>
        <translation>Saves the reports read into the open database</translation>
    </message>
    <message>
        <source>Odebere všechny řádky ze seznamu; databáze se nemění</source>
        <translation>Removes all rows from the list; the database does not change</translation>
    </message>
    <message>
        <source>Přiřadí vybrané zprávy žákovi ze seznamu</source>
        <translation>Assigns the selected reports to a pupil on the list</translation>
    </message>
    <message>
        <source>Smaže vybrané zprávy z databáze; v seznamu zůstanou</source>
        <translation>Deletes the selected reports from the database; they stay on the list</translation>
    </message>
    <message>
        <source>Přidá do seznamu uložené zprávy, které nepatří žádnému žákovi</source>
        <translation>Adds the saved reports that belong to no pupil to the list</translation>
    </message>
    <message>
        <source>Vložte text e-mailu se zprávou (Ctrl+V), otevřete soubory .txt nebo .eml, schránku mbox nebo složku pošty, nebo je sem přetáhněte. Každý blok se zprávou bude mít v tabulce svůj řádek.</source>
        <translation>Paste the text of an e-mail with a report (Ctrl+V), open .txt or .eml files, an mbox mailbox or a mail folder, or drag them here. Each block with a report gets its own row in the table.</translation>
    </message>
    <message>
        <source>Přečtené zprávy</source>
        <translation>Reports read</translation>
    </message>
    <message>
        <source>Souhrn seznamu</source>
        <translation>Summary of the list</translation>
    </message>
    <message>
        <source>%1 zpráva</source>
        <translation>%1 report</translation>
    </message>
    <message>
        <source>%1 zprávy</source>
        <translation>%1 reports</translation>
    </message>
    <message>
        <source>%1 zpráv</source>
        <translation>%1 reports</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 vadný blok</source>
        <translation>%1 bad block</translation>
    </message>
    <message>
        <source>%1 vadné bloky</source>
        <translation>%1 bad blocks</translation>
    </message>
    <message>
        <source>%1 vadných bloků</source>
        <translation>%1 bad blocks</translation>
    </message>
    <message>
        <source>%1 s koncem práce v budoucnosti</source>
        <translation>%1 with the end of work in the future</translation>
    </message>
    <message>
        <source> (</source>
        <translation> (</translation>
    </message>
    <message>
        <source>%1 už je v databázi</source>
        <translation>%1 already in the database</translation>
    </message>
    <message>
        <source>%1 už jsou v databázi</source>
        <translation>%1 already in the database</translation>
    </message>
    <message>
        <source>%1: žádná zpráva žáka v textu není.</source>
        <translation>%1: there is no pupil&apos;s report in the text.</translation>
    </message>
    <message>
        <source>%1: %2%3%4.</source>
        <translation>%1: %2%3%4.</translation>
    </message>
    <message>
        <source>Čtu poštu…</source>
        <translation>Reading mail…</translation>
    </message>
    <message>
        <source>Čtení pošty</source>
        <translation>Reading mail</translation>
    </message>
    <message>
        <source>Čtu %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>Čtení pošty bylo zrušeno; do seznamu nebylo nic přidáno.</source>
        <translation>Reading mail was cancelled; nothing was added to the list.</translation>
    </message>
    <message>
        <source>%1 (%2; přečteno jen %3)</source>
        <translation>%1 (%2; only %3 read)</translation>
    </message>
    <message>
        <source>%1 e-mail</source>
        <translation>%1 e-mail</translation>
    </message>
    <message>
        <source>%1 e-maily</source>
        <translation>%1 e-mails</translation>
    </message>
    <message>
        <source>%1 e-mailů</source>
        <translation>%1 e-mails</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 e-mail nelze přečíst</source>
        <translation>%1 e-mail cannot be read</translation>
    </message>
    <message>
        <source>%1 e-maily nelze přečíst</source>
        <translation>%1 e-mails cannot be read</translation>
    </message>
    <message>
        <source>%1 e-mailů nelze přečíst</source>
        <translation>%1 e-mails cannot be read</translation>
    </message>
    <message>
        <source>%1, e-mail %2</source>
        <translation>%1, e-mail %2</translation>
    </message>
    <message>
        <source>Přečten %1 soubor</source>
        <translation>Read %1 file</translation>
    </message>
    <message>
        <source>Přečteny %1 soubory</source>
        <translation>Read %1 files</translation>
    </message>
    <message>
        <source>Přečteno %1 souborů</source>
        <translation>Read %1 files</translation>
    </message>
    <message>
        <source>Přečtena %1 složka</source>
        <translation>Read %1 folder</translation>
    </message>
    <message>
        <source>Přečteny %1 složky</source>
        <translation>Read %1 folders</translation>
    </message>
    <message>
        <source>Přečteno %1 složek</source>
        <translation>Read %1 folders</translation>
    </message>
    <message>
        <source> a </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1 složka</source>
        <translation>%1 folder</translation>
    </message>
    <message>
        <source>%1 složky</source>
        <translation>%1 folders</translation>
    </message>
    <message>
        <source>%1 složek</source>
        <translation>%1 folders</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>%1 opakovaný blok vynechán.</source>
        <translation>%1 repeated block left out.</translation>
    </message>
    <message>
        <source>%1 opakované bloky vynechány.</source>
        <translation>%1 repeated blocks left out.</translation>
    </message>
    <message>
        <source>%1 opakovaných bloků vynecháno.</source>
        <translation>%1 repeated blocks left out.</translation>
    </message>
    <message>
        <source>Bez zprávy: %1.</source>
        <translation>No report: %1.</translation>
    </message>
    <message>
        <source>Tyto soubory nelze přečíst:
%1</source>
        <translation>These files cannot be read:
%1</translation>
    </message>
    <message>
        <source>Ve schránce není žádný text.</source>
        <translation>There is no text on the clipboard.</translation>
    </message>
    <message>
        <source>schránka</source>
        <translation>clipboard</translation>
    </message>
    <message>
        <source>Otevřít soubory se zprávami</source>
        <translation>Open report files</translation>
    </message>
    <message>
        <source>E-maily, texty a schránky (*.eml *.txt *.mbox *.mbx);;E-maily a texty (*.eml *.txt);;Schránky mbox (*.mbox *.mbx);;Všechny soubory (*)</source>
        <translation>E-mails, texts and mailboxes (*.eml *.txt *.mbox *.mbx);;E-mails and texts (*.eml *.txt);;mbox mailboxes (*.mbox *.mbx);;All files (*)</translation>
    </message>
    <message>
        <source>Otevřít složku s poštou (Maildir)</source>
        <translation>Open mail folder (Maildir)</translation>
    </message>
    <message>
        <source>Nejprve otevřete nebo vytvořte databázi (nabídka Soubor).</source>
        <translation>First open or create a database (File menu).</translation>
    </message>
    <message>
        <source>Není co uložit: v seznamu není žádná neuložená zpráva.</source>
        <translation>Nothing to save: the list has no unsaved report.</translation>
    </message>
    <message>
        <source>Zprávy nebyly uloženy.</source>
        <translation>The reports were not saved.</translation>
    </message>
    <message>
        <source>Uložena %1 zpráva</source>
        <translation>Saved %1 report</translation>
    </message>
    <message>
        <source>Uloženy %1 zprávy</source>
        <translation>Saved %1 reports</translation>
    </message>
    <message>
        <source>Uloženo %1 zpráv</source>
        <translation>Saved %1 reports</translation>
    </message>
    <message>
        <source>%1 už v databázi byla</source>
        <translation>%1 was already in the database</translation>
    </message>
    <message>
        <source>%1 už v databázi byly</source>
        <translation>%1 were already in the database</translation>
    </message>
    <message>
        <source>%1 už v databázi bylo</source>
        <translation>%1 were already in the database</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 vadný blok nebyl uložen</source>
        <translation>%1 bad block was not saved</translation>
    </message>
    <message>
        <source>%1 vadné bloky nebyly uloženy</source>
        <translation>%1 bad blocks were not saved</translation>
    </message>
    <message>
        <source>%1 vadných bloků nebylo uloženo</source>
        <translation>%1 bad blocks were not saved</translation>
    </message>
    <message>
        <source>%1 přiřazena žákovi</source>
        <translation>%1 assigned to a pupil</translation>
    </message>
    <message>
        <source>%1 přiřazeny žákům</source>
        <translation>%1 assigned to pupils</translation>
    </message>
    <message>
        <source>%1 přiřazeno žákům</source>
        <translation>%1 assigned to pupils</translation>
    </message>
    <message>
        <source>%1 nepřiřazená</source>
        <translation>%1 unassigned</translation>
    </message>
    <message>
        <source>%1 nepřiřazené</source>
        <translation>%1 unassigned</translation>
    </message>
    <message>
        <source>%1 nepřiřazených</source>
        <translation>%1 unassigned</translation>
    </message>
    <message>
        <source>%1 nepatří žádnému žákovi ze seznamu</source>
        <translation>%1 belonging to no pupil on the list</translation>
    </message>
    <message>
        <source>Vyberte zprávy uložené v databázi, které se mají smazat.</source>
        <translation>Select the reports saved in the database that are to be deleted.</translation>
    </message>
    <message>
        <source>Smazat %1 zprávu z databáze (%2)?</source>
        <translation>Delete %1 report from the database (%2)?</translation>
    </message>
    <message>
        <source>Smazat %1 zprávy z databáze (%2)?</source>
        <translation>Delete %1 reports from the database (%2)?</translation>
    </message>
    <message>
        <source>Smazat %1 zpráv z databáze (%2)?</source>
        <translation>Delete %1 reports from the database (%2)?</translation>
    </message>
    <message>
        <source>V seznamu zůstanou a lze je uložit znovu.</source>
        <translation>They stay on the list and can be saved again.</translation>
    </message>
    <message>
        <source>Z databáze smazána %1 zpráva.</source>
        <translation>%1 report deleted from the database.</translation>
    </message>
    <message>
        <source>Z databáze smazány %1 zprávy.</source>
        <translation>%1 reports deleted from the database.</translation>
    </message>
    <message>
        <source>Z databáze smazáno %1 zpráv.</source>
        <translation>%1 reports deleted from the database.</translation>
    </message>
    <message>
        <source>V databázi není žádná nepřiřazená zpráva, která by už nebyla v seznamu.</source>
        <translation>The database has no unassigned report that is not on the list already.</translation>
    </message>
    <message>
        <source>databáze</source>
        <translation>database</translation>
    </message>
    <message>
        <source>Načtena %1 nepřiřazená zpráva z databáze.</source>
        <translation>Loaded %1 unassigned report from the database.</translation>
    </message>
    <message>
        <source>Načteny %1 nepřiřazené zprávy z databáze.</source>
        <translation>Loaded %1 unassigned reports from the database.</translation>
    </message>
    <message>
        <source>Načteno %1 nepřiřazených zpráv z databáze.</source>
        <translation>Loaded %1 unassigned reports from the database.</translation>
    </message>
    <message>
        <source>Seznam zpráv je prázdný.</source>
        <translation>The list of reports is empty.</translation>
    </message>
    <message>
        <source>Databáze je otevřená jen pro čtení: do souboru nelze zapisovat.</source>
        <translation>The database is open read-only: the file cannot be written to.</translation>
    </message>
    <message>
        <source>Seznam je prázdný.</source>
        <translation>The list is empty.</translation>
    </message>
    <message>
        <source>V seznamu: %1; neuložené zprávy: %2.</source>
        <translation>On the list: %1; unsaved reports: %2.</translation>
    </message>
    <message>
        <source>přetažený text</source>
        <translation>dragged text</translation>
    </message>
    <message>
        <source>Hledání zpráv</source>
        <translation>Looking for reports</translation>
    </message>
    <message>
        <source>Hledám zprávy v textu…</source>
        <translation>Looking for reports in the text…</translation>
    </message>
    <message>
        <source>Hledání zpráv bylo zrušeno; do seznamu nebylo nic přidáno.</source>
        <translation>The search for reports was cancelled; nothing was added to the list.</translation>
    </message>
    <message>
        <source>Ukládání zpráv</source>
        <translation>Saving reports</translation>
    </message>
    <message>
        <source>Ukládám zprávy do databáze…</source>
        <translation>Saving the reports in the database…</translation>
    </message>
    <message>
        <source>Ukládání bylo zrušeno; do databáze nebylo nic uloženo.</source>
        <translation>Saving was cancelled; nothing was saved in the database.</translation>
    </message>
</context>
<context>
    <name>ResultFilterBar</name>
    <message>
        <source>vše</source>
        <translation>all</translation>
    </message>
    <message>
        <source>dnes</source>
        <translation>today</translation>
    </message>
    <message>
        <source>tento týden</source>
        <translation>this week</translation>
    </message>
    <message>
        <source>tento měsíc</source>
        <translation>this month</translation>
    </message>
    <message>
        <source>tento školní rok</source>
        <translation>this school year</translation>
    </message>
    <message>
        <source>vlastní</source>
        <translation>custom</translation>
    </message>
    <message>
        <source>škola i e-mail</source>
        <translation>school and e-mail</translation>
    </message>
    <message>
        <source>jen škola</source>
        <translation>school only</translation>
    </message>
    <message>
        <source>jen e-mail</source>
        <translation>e-mail only</translation>
    </message>
    <message>
        <source>Období je prázdné: „Od“ je po „Do“.</source>
        <translation>The period is empty: “From” is after “To”.</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Žák:</source>
        <translation>Pupi&amp;l:</translation>
    </message>
    <message>
        <source>Obdo&amp;bí:</source>
        <translation>Per&amp;iod:</translation>
    </message>
    <message>
        <source>&amp;Od:</source>
        <translation>Fr&amp;om:</translation>
    </message>
    <message>
        <source>&amp;Do:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>Zd&amp;roj:</source>
        <translation>So&amp;urce:</translation>
    </message>
    <message>
        <source>všechny</source>
        <translation>all</translation>
    </message>
    <message>
        <source>všichni</source>
        <translation>all</translation>
    </message>
    <message>
        <source>nepřiřazené zprávy</source>
        <translation>unassigned reports</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ResultFormat</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Začátek</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Žák</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Success rate (%)</translation>
    </message>
    <message>
        <source>Zdroj</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Jméno ve zprávě</source>
        <translation>Name in report</translation>
    </message>
    <message>
        <source>Třída ve zprávě</source>
        <translation>Class in report</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>škola</source>
        <translation>school</translation>
    </message>
    <message>
        <source>Všechny třídy</source>
        <translation>All classes</translation>
    </message>
    <message>
        <source>Třída %1</source>
        <translation>Class %1</translation>
    </message>
    <message>
        <source>Žák %1, třída %2</source>
        <translation>Pupil %1, class %2</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy</source>
        <translation>Unassigned reports</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy třídy %1</source>
        <translation>Unassigned reports of class %1</translation>
    </message>
    <message>
        <source>za celou dobu</source>
        <translation>for all time</translation>
    </message>
    <message>
        <source>od %1 do %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>, jen běhy ve škole</source>
        <translation>, runs at school only</translation>
    </message>
    <message>
        <source>, jen zprávy z e-mailu</source>
        <translation>, reports from e-mail only</translation>
    </message>
</context>
<context>
    <name>ResultTableModel</name>
    <message>
        <source>nepřiřazeno</source>
        <translation>unassigned</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Sest&amp;upně</source>
        <translation>Desce&amp;nding</translation>
    </message>
    <message>
        <source>S&amp;mazat vybrané…</source>
        <translation>&amp;Delete selected…</translation>
    </message>
    <message>
        <source>Př&amp;iřadit žákovi…</source>
        <translation>&amp;Assign to pupil…</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Tabulka výsledků</source>
        <translation>Results table</translation>
    </message>
    <message>
        <source>%1 výsledek</source>
        <translation>%1 result</translation>
    </message>
    <message>
        <source>%1 výsledky</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>%1 výsledků</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>Řadit podle</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Sestupně</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>Ř&amp;adit podle:</source>
        <translation>Sort &amp;by:</translation>
    </message>
    <message>
        <source>Smaže vybrané běhy a zprávy z databáze</source>
        <translation>Deletes the selected runs and reports from the database</translation>
    </message>
    <message>
        <source>Přiřadí vybrané zprávy z e-mailu žákovi ze seznamu</source>
        <translation>Assigns the selected reports from e-mail to a pupil on the list</translation>
    </message>
    <message>
        <source>nepřiřazená zpráva od „%1“</source>
        <translation>unassigned report from “%1”</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> a další</source>
        <translation> and others</translation>
    </message>
    <message>
        <source>%1 běh ve škole</source>
        <translation>%1 run at school</translation>
    </message>
    <message>
        <source>%1 běhy ve škole</source>
        <translation>%1 runs at school</translation>
    </message>
    <message>
        <source>%1 běhů ve škole</source>
        <translation>%1 runs at school</translation>
    </message>
    <message>
        <source>%1 zprávu z e-mailu</source>
        <translation>%1 report from e-mail</translation>
    </message>
    <message>
        <source>%1 zprávy z e-mailu</source>
        <translation>%1 reports from e-mail</translation>
    </message>
    <message>
        <source>%1 zpráv z e-mailu</source>
        <translation>%1 reports from e-mail</translation>
    </message>
    <message>
        <source>Smazat z databáze %1: %2? Smazání nelze vrátit.</source>
        <translation>Delete %1 from the database: %2? This cannot be undone.</translation>
    </message>
    <message>
        <source> a </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Smazán %1 výsledek.</source>
        <translation>Deleted %1 result.</translation>
    </message>
    <message>
        <source>Smazány %1 výsledky.</source>
        <translation>Deleted %1 results.</translation>
    </message>
    <message>
        <source>Smazáno %1 výsledků.</source>
        <translation>Deleted %1 results.</translation>
    </message>
    <message>
        <source>vysledky.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>Export výsledků do CSV…</source>
        <translation>Exporting results to CSV…</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tesilka – učitel</source>
        <translation>Tesilka for Teachers</translation>
    </message>
    <message>
        <source>Export zrušen, soubor nebyl zapsán.</source>
        <translation>Export cancelled, the file was not written.</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 výsledek.</source>
        <translation>%1 result saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 výsledky.</source>
        <translation>%1 results saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 výsledků.</source>
        <translation>%1 results saved to the file %2.</translation>
    </message>
</context>
<context>
    <name>ServerDialogs</name>
    <message>
        <source>Adresa databázového serveru, například
postgresql://ucitel@server.skola.cz/tesilka nebo service=tesilka
(heslo zadejte do souboru ~/.pgpass, ne sem):</source>
        <translation>Address of the database server, for example
postgresql://teacher@server.school.example/tesilka or service=tesilka
(put the password in the file ~/.pgpass, not here):</translation>
    </message>
    <message>
        <source>Na server lze kopírovat jen databázi ze souboru. Otevřete nejdřív soubor školní databáze.</source>
        <translation>Only a database from a file can be copied to a server. First open a school database file.</translation>
    </message>
    <message>
        <source>Kopírovat databázi na server</source>
        <translation>Copy database to server</translation>
    </message>
    <message>
        <source>Zkopírovat žáky, výsledky a uložené zprávy z databáze „%1“ na server „%2“?</source>
        <translation>Copy the pupils, results and saved reports from the database “%1” to the server “%2”?</translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Na server bylo zkopírováno: žáků %1, výsledků %2, zpráv %3.</source>
        <translation>Copied to the server: pupils %1, results %2, reports %3.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetReader</name>
    <message>
        <source>Na prvním listu sešitu „%1“ je přes %2 řádků, takový seznam třídy není. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>The first sheet of the workbook “%1” has more than %2 rows, which no class list has. Save the list as CSV or XLSX.</translation>
    </message>
    <message>
        <source>Sešit %1 „%2“ je poškozený a nelze ho přečíst. Otevřete ho v tabulkovém procesoru a uložte seznam jako CSV nebo XLSX.</source>
        <translation>The %1 workbook “%2” is damaged and cannot be read. Open it in a spreadsheet program and save the list as CSV or XLSX.</translation>
    </message>
    <message>
        <source>Sešit %1 „%2“ je na seznam třídy příliš velký. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>The %1 workbook “%2” is too large for a class list. Save the list as CSV or XLSX.</translation>
    </message>
    <message>
        <source>Soubor „%1“ je sešit nebo dokument ve starém formátu (XLS, DOC), který program nečte: otevřete ho v tabulkovém procesoru. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>The file “%1” is a workbook or document in an old format (XLS, DOC) that the program does not read: open it in a spreadsheet program. Save the list as CSV or XLSX.</translation>
    </message>
    <message>
        <source>binární soubor</source>
        <translation>a binary file</translation>
    </message>
    <message>
        <source>dokument, ne sešit</source>
        <translation>a document, not a workbook</translation>
    </message>
    <message>
        <source>archiv ZIP</source>
        <translation>a ZIP archive</translation>
    </message>
    <message>
        <source>dokument PDF</source>
        <translation>a PDF document</translation>
    </message>
    <message>
        <source>obrázek</source>
        <translation>a picture</translation>
    </message>
    <message>
        <source>Soubor „%1“ je %2, seznam žáků z něj přečíst nelze. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>The file “%1” is %2; no pupil list can be read from it. Save the list as CSV or XLSX.</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>The option %1 lacks a value. --help prints the help.</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Unknown option “%1”. --help prints the help.</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --store SOUBOR...</source>
        <translation>A file is missing: tesilka-ucitel --store FILE...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: e-mailů, které nelze přečíst: %2</source>
        <translation>%1: e-mails that cannot be read: %2</translation>
    </message>
    <message>
        <source>Nic nebylo uloženo.</source>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <source>%1: ve složce není žádná zpráva</source>
        <translation>%1: there is no report in the folder</translation>
    </message>
    <message>
        <source>%1: v souboru není žádná zpráva</source>
        <translation>%1: there is no report in the file</translation>
    </message>
    <message>
        <source>%1: upozornění: konec práce (Do) %2 je v budoucnosti; zpráva se přesto ukládá</source>
        <translation>%1: warning: the end of work (Do) %2 is in the future; the report is saved all the same</translation>
    </message>
    <message>
        <source>Uloženo do databáze %1: nových zpráv %2, už uložených %3, přiřazených žákovi %4, nepřiřazených %5, odmítnutých vadných bloků %6.</source>
        <translation>Saved in the database %1: new reports %2, already saved %3, assigned to a pupil %4, unassigned %5, bad blocks refused %6.</translation>
    </message>
</context>
<context>
    <name>SummaryModels</name>
    <message>
        <source>Žák</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Běhy</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Success rate (%)</translation>
    </message>
    <message>
        <source>První běh</source>
        <translation>First run</translation>
    </message>
    <message>
        <source>Poslední běh</source>
        <translation>Last run</translation>
    </message>
    <message>
        <source>Pod hranicí</source>
        <translation>Below threshold</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>nepřiřazené</source>
        <translation>unassigned</translation>
    </message>
    <message>
        <source>bez běhu</source>
        <translation>no run</translation>
    </message>
    <message>
        <source>mimo seznam</source>
        <translation>not on the list</translation>
    </message>
    <message>
        <source>(nepřiřazené zprávy)</source>
        <translation>(unassigned reports)</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Žáci v seznamu</source>
        <translation>Pupils on list</translation>
    </message>
    <message>
        <source>Procvičovali</source>
        <translation>Practised</translation>
    </message>
    <message>
        <source>Bez běhu</source>
        <translation>No run</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy</source>
        <translation>Unassigned reports</translation>
    </message>
    <message>
        <source>Týden od</source>
        <translation>Week from</translation>
    </message>
    <message>
        <source>Den</source>
        <translation>Day</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Jen pod hran&amp;icí</source>
        <translation>Only &amp;below threshold</translation>
    </message>
    <message>
        <source>Souhrn po žácích</source>
        <translation>Summary by pupil</translation>
    </message>
    <message>
        <source>Souhrn po třídách</source>
        <translation>Summary by class</translation>
    </message>
    <message>
        <source>Souhrny</source>
        <translation>Summaries</translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation>View</translation>
    </message>
    <message>
        <source>po žácích</source>
        <translation>by pupil</translation>
    </message>
    <message>
        <source>po třídách</source>
        <translation>by class</translation>
    </message>
    <message>
        <source>Př&amp;ehled:</source>
        <translation>&amp;View:</translation>
    </message>
    <message>
        <source>Hranice úspěšnosti v procentech</source>
        <translation>Success threshold in per cent</translation>
    </message>
    <message>
        <source>Hr&amp;anice:</source>
        <translation>Threshol&amp;d:</translation>
    </message>
    <message>
        <source>Jen žáci pod hranicí</source>
        <translation>Only pupils below the threshold</translation>
    </message>
    <message>
        <source>souhrn-trid.csv</source>
        <translation>summary-classes.csv</translation>
    </message>
    <message>
        <source>souhrn-zaku.csv</source>
        <translation>summary-pupils.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 řádek souhrnu.</source>
        <translation>%1 summary row saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 řádky souhrnu.</source>
        <translation>%1 summary rows saved to the file %2.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 řádků souhrnu.</source>
        <translation>%1 summary rows saved to the file %2.</translation>
    </message>
    <message>
        <source>%1. Hranice úspěšnosti %2 %; jen žáci pod ní a žáci bez běhu, vyznačení tučně.</source>
        <translation>%1. Success threshold %2 %; only the pupils below it and the pupils without a run, marked in bold.</translation>
    </message>
    <message>
        <source>%1. Hranice úspěšnosti %2 %; žáci pod ní a žáci bez běhu jsou vyznačeni tučně.</source>
        <translation>%1. Success threshold %2 %; the pupils below it and the pupils without a run are marked in bold.</translation>
    </message>
    <message>
        <source>Souhrn výsledků</source>
        <translation>Summary of the results</translation>
    </message>
    <message>
        <source>Po třídách</source>
        <translation>By class</translation>
    </message>
    <message>
        <source>Po žácích</source>
        <translation>By pupil</translation>
    </message>
</context>
<context>
    <name>XlsxExport</name>
    <message>
        <source>Soubor „%1“ nelze uložit: %2.</source>
        <translation>The file “%1” cannot be saved: %2.</translation>
    </message>
    <message>
        <source>List1</source>
        <translation>Sheet1</translation>
    </message>
    <message>
        <source>zápis do souboru selhal</source>
        <translation>writing the file failed</translation>
    </message>
    <message>
        <source>řádků je víc, než se vejde na list sešitu</source>
        <translation>there are more rows than fit on a workbook sheet</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>výsledků je víc, než se vejde na list sešitu (%1 řádků); zužte výběr, nebo je uložte jako CSV</source>
        <translation>there are more results than fit on a workbook sheet (%1 rows); narrow the selection or save them as CSV</translation>
    </message>
</context>
</TS>
