<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="cs_CZ">
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Zrušit</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Ruším…</source>
        <translation>Ruším…</translation>
    </message>
</context>
<context>
    <name>ClassListCsv</name>
    <message>
        <source>uvozovky nejsou uzavřené až do konce souboru</source>
        <translation>úvodzovky nie sú uzavreté až do konca súboru</translation>
    </message>
    <message>
        <source>prázdný řádek</source>
        <translation>prázdny riadok</translation>
    </message>
    <message>
        <source>chybí příjmení a třída</source>
        <translation>chýba priezvisko aj trieda</translation>
    </message>
    <message>
        <source>chybí příjmení</source>
        <translation>chýba priezvisko</translation>
    </message>
    <message>
        <source>chybí třída</source>
        <translation>chýba trieda</translation>
    </message>
    <message>
        <source>žák je v souboru už na řádku %1</source>
        <translation>žiak je v súbore už na riadku %1</translation>
    </message>
    <message>
        <source>žák „%1“ ve třídě %2 je v souboru už na řádku %3 (%4, zde %5): připojte jména k příjmení, jinak je nelze rozlišit</source>
        <translation>žiak „%1“ v triede %2 je v súbore už na riadku %3 (%4, tu %5): pripojte mená k priezviskám, inak ich nemožno rozlíšiť</translation>
    </message>
    <message>
        <source>bez jména</source>
        <translation>bez mena</translation>
    </message>
    <message>
        <source>žák „%1“ ve třídě %2 je v souboru už na řádku %3: jsou-li to dva žáci, přidejte sloupec Jméno, jinak je nelze rozlišit</source>
        <translation>žiak „%1“ v triede %2 je v súbore už na riadku %3: ak sú to dvaja žiaci, pridajte stĺpec Meno, inak ich nemožno rozlíšiť</translation>
    </message>
    <message>
        <source>Soubor „%1“ nelze přečíst: %2.</source>
        <translation>Súbor „%1“ nemožno prečítať: %2.</translation>
    </message>
    <message>
        <source>Soubor „%1“ je na seznam třídy příliš velký (%2 MiB). Vyberte soubor se seznamem žáků.</source>
        <translation>Súbor „%1“ je na zoznam triedy príliš veľký (%2 MiB). Vyberte súbor so zoznamom žiakov.</translation>
    </message>
</context>
<context>
    <name>ClassListImportDialog</name>
    <message>
        <source>&amp;První řádek je záhlaví (názvy sloupců)</source>
        <translation>&amp;Prvý riadok je hlavička (názvy stĺpcov)</translation>
    </message>
    <message>
        <source>K příjmení připojit &amp;jméno („Novák Petr“), aby se jmenovci rozlišili</source>
        <translation>K priezvisku pripojiť &amp;meno („Novák Peter“), aby sa menovci rozlíšili</translation>
    </message>
    <message>
        <source>Import žáků z %1</source>
        <translation>Import žiakov z %1</translation>
    </message>
    <message>
        <source>Kódování</source>
        <translation>Kódovanie</translation>
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
        <translation>Oddeľovač</translation>
    </message>
    <message>
        <source>středník ;</source>
        <translation>bodkočiarka ;</translation>
    </message>
    <message>
        <source>čárka ,</source>
        <translation>čiarka ,</translation>
    </message>
    <message>
        <source>tabulátor</source>
        <translation>tabulátor</translation>
    </message>
    <message>
        <source>První řádek je záhlaví</source>
        <translation>Prvý riadok je hlavička</translation>
    </message>
    <message>
        <source>K příjmení připojit jméno</source>
        <translation>K priezvisku pripojiť meno</translation>
    </message>
    <message>
        <source>Žáci, kteří budou přidáni</source>
        <translation>Žiaci, ktorí budú pridaní</translation>
    </message>
    <message>
        <source>Řádek</source>
        <translation>Riadok</translation>
    </message>
    <message>
        <source>Řádky, které nebudou importovány</source>
        <translation>Riadky, ktoré sa nebudú importovať</translation>
    </message>
    <message>
        <source>&amp;Importovat</source>
        <translation>&amp;Importovať</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Kódování:</source>
        <translation>&amp;Kódovanie:</translation>
    </message>
    <message>
        <source>&amp;Oddělovač:</source>
        <translation>&amp;Oddeľovač:</translation>
    </message>
    <message>
        <source>Sešit %1: první list.</source>
        <translation>Zošit %1: prvý hárok.</translation>
    </message>
    <message>
        <source>Ná&amp;hled:</source>
        <translation>Ná&amp;hľad:</translation>
    </message>
    <message>
        <source>Řádky, které se &amp;neimportují:</source>
        <translation>Riadky, ktoré sa &amp;neimportujú:</translation>
    </message>
    <message>
        <source>Řádek %1: %2</source>
        <translation>Riadok %1: %2</translation>
    </message>
    <message>
        <source>Bude přidán %1 žák.</source>
        <translation>Pridá sa %1 žiak.</translation>
    </message>
    <message>
        <source>Budou přidáni %1 žáci.</source>
        <translation>Pridajú sa %1 žiaci.</translation>
    </message>
    <message>
        <source>Bude přidáno %1 žáků.</source>
        <translation>Pridá sa %1 žiakov.</translation>
    </message>
    <message>
        <source>%1 řádek se neimportuje.</source>
        <translation>%1 riadok sa neimportuje.</translation>
    </message>
    <message>
        <source>%1 řádky se neimportují.</source>
        <translation>%1 riadky sa neimportujú.</translation>
    </message>
    <message>
        <source>%1 řádků se neimportuje.</source>
        <translation>%1 riadkov sa neimportuje.</translation>
    </message>
    <message>
        <source>Náhled seznamu třídy</source>
        <translation>Náhľad zoznamu triedy</translation>
    </message>
    <message>
        <source>Čtu seznam třídy…</source>
        <translation>Čítam zoznam triedy…</translation>
    </message>
</context>
<context>
    <name>ClassListPreviewModel</name>
    <message>
        <source>Řádek</source>
        <translation>Riadok</translation>
    </message>
    <message>
        <source>Příjmení</source>
        <translation>Priezvisko</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Neznámá nebo neúplná volba „%1“. Nápovědu vypíše --help.
</source>
        <translation>Neznáma alebo neúplná voľba „%1“. Pomocníka vypíše --help.
</translation>
    </message>
    <message>
        <source>Chybí adresa serveru (--copy-to-server) nebo soubor databáze (--database).
</source>
        <translation>Chýba adresa servera (--copy-to-server) alebo súbor databázy (--database).
</translation>
    </message>
    <message>
        <source>„%1“ není adresa databázového serveru (postgresql://… nebo service=…).
</source>
        <translation>„%1“ nie je adresa databázového servera (postgresql://… alebo service=…).
</translation>
    </message>
    <message>
        <source>Zkopírováno na server %1: žáků %2, výsledků %3, zpráv %4.
</source>
        <translation>Skopírované na server %1: žiakov %2, výsledkov %3, správ %4.
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
%1 --copy-to-server ADRESA --database SÚBOR
  Skopíruje školskú databázu zo súboru SQLite (žiakov, výsledky a uložené správy)
  do prázdnej školskej databázy na serveri PostgreSQL, všetko v jednej transakcii.
  ADRESA je postgresql://pouzivatel@server/databaza alebo service=nazov; heslo
  patrí do súboru ~/.pgpass.
</translation>
    </message>
</context>
<context>
    <name>CzechText</name>
    <message>
        <source>Nepřiřazeno nikomu: %1.</source>
        <translation>Nepriradené nikomu: %1.</translation>
    </message>
    <message>
        <source>%1 zpráva</source>
        <translation>%1 správa</translation>
    </message>
    <message>
        <source>%1 zprávy</source>
        <translation>%1 správy</translation>
    </message>
    <message>
        <source>%1 zpráv</source>
        <translation>%1 správ</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazena %1 zpráva.</source>
        <translation>Žiakovi „%2“ (%3) priradená %1 správa.</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazeny %1 zprávy.</source>
        <translation>Žiakovi „%2“ (%3) priradené %1 správy.</translation>
    </message>
    <message>
        <source>Žákovi „%2“ (%3) přiřazeno %1 zpráv.</source>
        <translation>Žiakovi „%2“ (%3) priradených %1 správ.</translation>
    </message>
</context>
<context>
    <name>DecodeCommand</name>
    <message>
        <source>standardní vstup nelze číst</source>
        <translation>štandardný vstup nemožno čítať</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>%1: e-mail %2, ř. %3</source>
        <translation>%1: e-mail %2, r. %3</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --decode SOUBOR...</source>
        <translation>Chýba súbor: tesilka-ucitel --decode SÚBOR...</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>Súbor</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Řádek</source>
        <translation>Riadok</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: e-mailů, které nelze přečíst: %2</source>
        <translation>%1: e-mailov, ktoré nemožno prečítať: %2</translation>
    </message>
    <message>
        <source>%1: ve složce není žádná zpráva</source>
        <translation>%1: v priečinku nie je žiadna správa</translation>
    </message>
    <message>
        <source>%1: v souboru není žádná zpráva</source>
        <translation>%1: v súbore nie je žiadna správa</translation>
    </message>
    <message>
        <source>%1: upozornění: konec práce (Do) %2 je v budoucnosti</source>
        <translation>%1: upozornenie: koniec práce (Do) %2 je v budúcnosti</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.
</source>
        <translation>Neznáma voľba „%1“. Pomocníka vypíše --help.
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
        <translation>Použitie: %1 [--decode SÚBOR...]
       %1 [--database DATABÁZA] --store SÚBOR...
       %1 [--database DATABÁZA] --export-results VÝSTUP.csv [--class TRIEDA]
          [--pupil PRIEZVISKO] [--source skola|email] [--from RRRR-MM-DD]
          [--to RRRR-MM-DD]
       %1 [--database DATABÁZA] --export-summary VÝSTUP.csv [--class TRIEDA]
          [--pupil PRIEZVISKO] [--source skola|email] [--from RRRR-MM-DD]
          [--to RRRR-MM-DD] [--threshold N]
       %1 [--database DATABÁZA] --import-pupils SÚBOR

Program učiteľa k Tesilke: školská databáza, žiaci a správy žiakov z e-mailu.
Bez volieb otvorí okno programu.

Voľby:
  --decode SÚBOR...   prečíta správy žiakov zo súborov a vypíše ich ako CSV
                      na štandardný výstup (UTF-8 s BOM ako export okna,
                      oddeľovač „;“, stĺpce Súbor, E-mail, Riadok a údaje
                      správy); SÚBOR je e-mail (.eml), text (.txt), schránka
                      mbox, priečinok pošty Maildir (aj jeho cur alebo new) alebo
                      „-“ pre štandardný vstup; ten istý blok v jednom súbore
                      dvakrát je jedna správa; dôvod pri každom chybnom bloku a
                      upozornenie na správu s koncom práce v budúcnosti vypíše na
                      chybový výstup s menom súboru, číslom e-mailu a riadku
  --store SÚBOR...    uloží dobré správy zo súborov (ako pri --decode) do databázy
                      v jednej transakcii a priradí ich žiakom zo zoznamu ako okno
                      programu; vypíše, koľko správ bolo nových, už uložených,
                      priradených žiakovi, nepriradených a chybných; dôvod pri
                      každom chybnom bloku vypíše na chybový výstup s menom
                      súboru, číslom e-mailu a riadku; správu s koncom práce
                      v budúcnosti uloží a upozorní na ňu
  --export-results VÝSTUP.csv
                      zapíše tabuľku výsledkov (behy v škole aj správy z e-mailu)
                      do súboru CSV pre tabuľkový procesor, ako ju exportuje
                      okno programu
  --export-summary VÝSTUP.csv
                      zapíše súhrn po žiakoch, ako ho ukazujú Súhrny: každého
                      žiaka zo zoznamu, aj bez behu, a riadky nepriradených správ
                      (oboje ako zošit, ak sa meno výstupu končí na .xlsx)
  --import-pupils SÚBOR
                      pridá do zoznamu žiakov zoznam triedy (CSV, XLSX alebo ODS)
                      ako náhľad v okne; vynechané riadky vypíše s dôvodom na
                      chybový výstup
  --class TRIEDA      obmedzí export na triedu
  --pupil PRIEZVISKO  obmedzí export na žiaka; bez --class musí byť priezvisko
                      len v jednej triede
  --source skola|email
                      obmedzí export na behy v škole alebo na správy z e-mailu
  --from RRRR-MM-DD, --to RRRR-MM-DD
                      obmedzí export na obdobie (vrátane oboch dní)
  --threshold N       hranica úspešnosti v percentách pre súhrn (bez nej 50);
                      žiaci pod ňou majú v stĺpci „Pod hranicou“ „áno“
  --database DATABÁZA otvorí inú databázu (súbor alebo server) ako vstavanú
                      školskú
  -h, --help          vypíše tohto pomocníka
  --version           vypíše verziu programu

Návratový kód: 0 všetko v poriadku, 1 niektorý blok je chybný alebo súbor
neobsahuje žiadnu správu, 2 súbor nemožno prečítať alebo chybné voľby.
Pri --store: 0 uložené, 1 niektorý blok je chybný, súbor neobsahuje žiadnu
správu alebo databáza zlyhala (potom sa neuloží nič), 2 súbor nemožno prečítať
(potom sa neuloží nič) alebo chybné voľby.
Pri --export-results a --export-summary: 0 zapísané, 1 databázu nemožno otvoriť
alebo súbor zapísať, alebo trieda či žiak v databáze nie je, 2 chybné voľby.
Pri --import-pupils: 0 importovaní všetci, 1 niektorý riadok bol vynechaný alebo
databáza zlyhala, 2 súbor nemožno prečítať alebo chybné voľby.
</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>Voľbe %1 chýba hodnota. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.</source>
        <translation>Dátum „%1“ pri voľbe %2 nie je platný, očakáva sa RRRR-MM-DD.</translation>
    </message>
    <message>
        <source>Zdroj „%1“ u volby --source neznám, čeká se skola nebo email.</source>
        <translation>Zdroj „%1“ pri voľbe --source nepoznám, očakáva sa skola alebo email.</translation>
    </message>
    <message>
        <source>Hranice „%1“ u volby --threshold není číslo od 0 do 100.</source>
        <translation>Hranica „%1“ pri voľbe --threshold nie je číslo od 0 do 100.</translation>
    </message>
    <message>
        <source>Volbu %1 nelze použít s %2. Nápovědu vypíše --help.</source>
        <translation>Voľbu %1 nemožno použiť s %2. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Neznáma voľba „%1“. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Chybí soubor: %1 SOUBOR.csv (nebo SOUBOR.xlsx)</source>
        <translation>Chýba súbor: %1 SÚBOR.csv (alebo SÚBOR.xlsx)</translation>
    </message>
    <message>
        <source>Období je prázdné: --from je pozdější než --to.</source>
        <translation>Obdobie je prázdne: --from je neskôr ako --to.</translation>
    </message>
    <message>
        <source>Třída „%1“ v databázi není, databáze zatím žádnou třídu nemá.</source>
        <translation>Trieda „%1“ v databáze nie je, databáza zatiaľ nemá žiadnu triedu.</translation>
    </message>
    <message>
        <source>Třída „%1“ v databázi není. Třídy v databázi: %2.</source>
        <translation>Trieda „%1“ v databáze nie je. Triedy v databáze: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Žák „%1“ v databázi není.</source>
        <translation>Žiak „%1“ v databáze nie je.</translation>
    </message>
    <message>
        <source>Žák „%1“ ve třídě %2 v databázi není.</source>
        <translation>Žiak „%1“ v triede %2 v databáze nie je.</translation>
    </message>
    <message>
        <source>Příjmení „%1“ je ve více třídách: %2. Třídu zvolte volbou --class.</source>
        <translation>Priezvisko „%1“ je vo viacerých triedach: %2. Triedu zvoľte voľbou --class.</translation>
    </message>
    <message>
        <source>Souhrn</source>
        <translation>Súhrn</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsán souhrn po žácích, řádků: %2.</source>
        <translation>Do súboru %1 zapísaný súhrn po žiakoch, riadkov: %2.</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsáno výsledků: %2.</source>
        <translation>Do súboru %1 zapísaných výsledkov: %2.</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>Soubor „%1“ nelze uložit: %2.</source>
        <translation>Súbor „%1“ nemožno uložiť: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Karta „Zprávy z e-mailu“&lt;/h2&gt;&lt;p&gt;Vložte celý e-mail se zprávou (Ctrl+V nebo „Vložit text“), otevřete soubory s poštou (Ctrl+Shift+O) nebo složku pošty („Otevřít složku s poštou…“), nebo soubory na kartu přetáhněte. Každý blok se zprávou dostane řádek se jménem, třídou, časem a počty odpovědí; blok, který není dobrou zprávou, má červený řádek s důvodem. &lt;b&gt;Uložit do databáze&lt;/b&gt; (Ctrl+S) uloží dobré zprávy; tentýž blok se uloží jen jednou a zpráva, kterou databáze už má, je šedá. Sloupec „Žák v seznamu“ říká, komu zpráva patří. &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; ji přiřadí ručně, &lt;b&gt;Smazat z databáze…&lt;/b&gt; (Delete) smaže vybrané uložené zprávy a &lt;b&gt;Načíst nepřiřazené z databáze&lt;/b&gt; přinese uložené zprávy, které zatím nepatří nikomu. Než program zavřete nebo otevřete jinou databázi, zeptá se na zprávy, které nejsou uložené.&lt;/p&gt;&lt;h2&gt;Karta „Žáci“&lt;/h2&gt;&lt;p&gt;Seznam žáků po třídách v českém pořadí. &lt;b&gt;Přidat žáka…&lt;/b&gt;, &lt;b&gt;Upravit žáka…&lt;/b&gt; (nebo Enter na řádku) a &lt;b&gt;Smazat žáka&lt;/b&gt; (Delete, po otázce). &lt;b&gt;Importovat seznam třídy…&lt;/b&gt; přečte seznam třídy ze souboru a ukáže náhled: koho přidá a které řádky vynechá a proč; do databáze se nezapíše nic, dokud nestisknete „Importovat“. &lt;b&gt;Exportovat do CSV…&lt;/b&gt; uloží seznam pro tabulkový procesor. Přejmenovaný žák si své běhy a zprávy ponese s sebou.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Karta „Správy z e-mailu“&lt;/h2&gt;&lt;p&gt;Vložte celý e-mail so správou (Ctrl+V alebo „Vložiť text“), otvorte súbory s poštou (Ctrl+Shift+O) alebo priečinok pošty („Otvoriť priečinok s poštou…“), alebo súbory na kartu pretiahnite. Každý blok so správou dostane riadok s menom, triedou, časom a počtami odpovedí; blok, ktorý nie je dobrou správou, má červený riadok s dôvodom. &lt;b&gt;Uložiť do databázy&lt;/b&gt; (Ctrl+S) uloží dobré správy; ten istý blok sa uloží len raz a správa, ktorú databáza už má, je sivá. Stĺpec „Žiak v zozname“ hovorí, komu správa patrí. &lt;b&gt;Priradiť žiakovi…&lt;/b&gt; ju priradí ručne, &lt;b&gt;Vymazať z databázy…&lt;/b&gt; (Delete) vymaže vybrané uložené správy a &lt;b&gt;Načítať nepriradené z databázy&lt;/b&gt; prinesie uložené správy, ktoré zatiaľ nepatria nikomu. Skôr ako program zatvoríte alebo otvoríte inú databázu, opýta sa na správy, ktoré nie sú uložené.&lt;/p&gt;&lt;h2&gt;Karta „Žiaci“&lt;/h2&gt;&lt;p&gt;Zoznam žiakov po triedach v českom poradí. &lt;b&gt;Pridať žiaka…&lt;/b&gt;, &lt;b&gt;Upraviť žiaka…&lt;/b&gt; (alebo Enter na riadku) a &lt;b&gt;Vymazať žiaka&lt;/b&gt; (Delete, po otázke). &lt;b&gt;Importovať zoznam triedy…&lt;/b&gt; prečíta zoznam triedy zo súboru a ukáže náhľad: koho pridá a ktoré riadky vynechá a prečo; do databázy sa nezapíše nič, kým nestlačíte „Importovať“. &lt;b&gt;Exportovať do CSV…&lt;/b&gt; uloží zoznam pre tabuľkový procesor. Premenovaný žiak si svoje behy a správy ponesie so sebou.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Jak zprávy najdou svého žáka&lt;/h2&gt;&lt;p&gt;Při ukládání se jméno a třída napsané ve zprávě porovnají se seznamem žáků. Na velikosti písmen a diakritice nezáleží a jméno může být v libovolném pořadí: „Jan Novák“, „novak jan“ i „Novák“ jsou žák „Novák“ ze seznamu. Třída se porovná v jednotném tvaru: „3a“, „3. A“ a „3.A“ jsou táž třída. Hodí-li se zpráva na &lt;b&gt;právě jednoho&lt;/b&gt; žáka své třídy, přiřadí se mu sama. Nehodí-li se na nikoho, nebo na více žáků (překlep, jmenovci v jedné třídě), zůstane &lt;b&gt;nepřiřazeno&lt;/b&gt; – program nehádá. Takovou zprávu přiřadíte příkazem &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; (na kartě „Zprávy z e-mailu“ i „Výsledky“): žáka najdete napsáním části jména, zprávu můžete nechat nikomu, nebo žáka rovnou přidat do seznamu. Vaše rozhodnutí platí i tehdy, když se tatáž zpráva uloží znovu nebo se změní seznam. Když se seznam změní nebo se otevře databáze, zprávy, o kterých jste nerozhodli, se porovnají znovu.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ako správy nájdu svojho žiaka&lt;/h2&gt;&lt;p&gt;Pri ukladaní sa meno a trieda napísané v správe porovnajú so zoznamom žiakov. Na veľkosti písmen a diakritike nezáleží a meno môže byť v ľubovoľnom poradí: „Jan Novák“, „novak jan“ aj „Novák“ sú žiak „Novák“ zo zoznamu. Trieda sa porovná v jednotnom tvare: „3a“, „3. A“ a „3.A“ sú tá istá trieda. Ak sa správa hodí na &lt;b&gt;práve jedného&lt;/b&gt; žiaka svojej triedy, priradí sa mu sama. Ak sa nehodí na nikoho alebo na viacerých žiakov (preklep, menovci v jednej triede), zostane &lt;b&gt;nepriradená&lt;/b&gt; – program nehádže. Takú správu priradíte príkazom &lt;b&gt;Priradiť žiakovi…&lt;/b&gt; (na karte „Správy z e-mailu“ aj „Výsledky“): žiaka nájdete napísaním časti mena, správu môžete nechať nikomu alebo žiaka rovno pridať do zoznamu. Vaše rozhodnutie platí aj vtedy, keď sa tá istá správa uloží znova alebo sa zmení zoznam. Keď sa zoznam zmení alebo sa otvorí databáza, správy, o ktorých ste nerozhodli, sa porovnajú znova.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Výsledky“&lt;/h2&gt;&lt;p&gt;Všechny běhy v jedné tabulce: běhy ve škole i zprávy z e-mailu, se sloupcem „Zdroj“ (škola, e-mail). Časy jsou vždy HH:MM:SS; zpráva z e-mailu uvádí jen minuty, proto má vteřiny 00. Běh přes půlnoc se počítá ke dni, kdy skončil. Zpráva patří žákovi ve sloupcích „Žák“ a „Třída“; co do ní žák napsal, ukazují „Jméno ve zprávě“ a „Třída ve zprávě“. Zpráva, která nepatří nikomu, má ve sloupci „Žák“ slovo &lt;i&gt;nepřiřazeno&lt;/i&gt;.&lt;/p&gt;&lt;p&gt;Nahoře je filtr, společný všem třem kartám výsledků: &lt;b&gt;Třída&lt;/b&gt;, &lt;b&gt;Žák&lt;/b&gt; (i „nepřiřazené zprávy“), &lt;b&gt;Období&lt;/b&gt; (vše, dnes, tento týden, tento měsíc, tento školní rok od 1. září, nebo vlastní), &lt;b&gt;Od&lt;/b&gt; a &lt;b&gt;Do&lt;/b&gt; pro vlastní období (oba dny se počítají; datum napište třeba „1. 9. 2026“, „1.9.2026“ nebo „01.09.2026“, nebo ho vyberte v kalendáři, který otevře F4) a &lt;b&gt;Zdroj&lt;/b&gt;. Je-li „Od“ po „Do“, je období prázdné a filtr to pod sebou napíše. &lt;b&gt;Řadit podle&lt;/b&gt; a &lt;b&gt;Sestupně&lt;/b&gt; řadí tabulku (nebo klepněte na název sloupce). &lt;b&gt;Smazat vybrané…&lt;/b&gt; (Delete) smaže vybrané běhy a zprávy po otázce, která řekne kolik a čí; &lt;b&gt;Přiřadit žákovi…&lt;/b&gt; přiřadí vybrané zprávy.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Karta „Výsledky“&lt;/h2&gt;&lt;p&gt;Všetky behy v jednej tabuľke: behy v škole aj správy z e-mailu, so stĺpcom „Zdroj“ (škola, e-mail). Časy sú vždy HH:MM:SS; správa z e-mailu uvádza len minúty, preto má sekundy 00. Beh cez polnoc sa počíta ku dňu, keď skončil. Správa patrí žiakovi v stĺpcoch „Žiak“ a „Trieda“; čo do nej žiak napísal, ukazujú „Meno v správe“ a „Trieda v správe“. Správa, ktorá nepatrí nikomu, má v stĺpci „Žiak“ slovo &lt;i&gt;nepriradené&lt;/i&gt;.&lt;/p&gt;&lt;p&gt;Hore je filter, spoločný pre všetky tri karty výsledkov: &lt;b&gt;Trieda&lt;/b&gt;, &lt;b&gt;Žiak&lt;/b&gt; (aj „nepriradené správy“), &lt;b&gt;Obdobie&lt;/b&gt; (všetko, dnes, tento týždeň, tento mesiac, tento školský rok od 1. septembra alebo vlastné), &lt;b&gt;Od&lt;/b&gt; a &lt;b&gt;Do&lt;/b&gt; pre vlastné obdobie (oba dni sa počítajú; dátum napíšte napríklad „1. 9. 2026“, „1.9.2026“ alebo „01.09.2026“, alebo ho vyberte v kalendári, ktorý otvorí F4) a &lt;b&gt;Zdroj&lt;/b&gt;. Ak je „Od“ po „Do“, obdobie je prázdne a filter to pod sebou napíše. &lt;b&gt;Zoradiť podľa&lt;/b&gt; a &lt;b&gt;Zostupne&lt;/b&gt; zoradia tabuľku (alebo kliknite na názov stĺpca). &lt;b&gt;Vymazať vybrané…&lt;/b&gt; (Delete) vymaže vybrané behy a správy po otázke, ktorá povie koľko a čie; &lt;b&gt;Priradiť žiakovi…&lt;/b&gt; priradí vybrané správy.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Souhrny“&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Přehled&lt;/b&gt; po žácích nebo po třídách. Po žácích: běhy, odpovědi, správně, chybně, úspěšnost, první a poslední běh. Žák je příjmení ve třídě, jmenovci ve dvou třídách jsou zvlášť. Je tu každý žák ze seznamu, i ten, kdo v období necvičil: má 0 běhů, jantarový řádek a v poznámce &lt;b&gt;bez běhu&lt;/b&gt;. Žák s úspěšností pod &lt;b&gt;hranicí&lt;/b&gt; (50 %, pokud ji nezměníte; program si ji pamatuje) je tučně a ve sloupci &lt;b&gt;Pod hranicí&lt;/b&gt; má „ano“. Žák bez běhu se mezi ty pod hranicí nepočítá: „necvičil“ a „cvičil a nedařilo se mu“ jsou dvě různé věci. &lt;b&gt;Jen pod hranicí&lt;/b&gt; ukáže žáky pod hranicí a žáky bez běhu. Nepřiřazené zprávy třídy mají vlastní řádek „(nepřiřazené zprávy)“. Po třídách: žáci v seznamu, kolik jich cvičilo, kolik je bez běhu a pod hranicí, běhy (i nepřiřazené zprávy), odpovědi a úspěšnost.&lt;/p&gt;&lt;h2&gt;Karta „Vývoj“&lt;/h2&gt;&lt;p&gt;Úspěšnost v procentech (černá čára s body, levá osa) a počet odpovědí (šrafované sloupce, pravá osa) zvoleného žáka, třídy nebo celé školy &lt;b&gt;po dnech&lt;/b&gt; nebo &lt;b&gt;po týdnech&lt;/b&gt; (&lt;b&gt;Graf po&lt;/b&gt;). Vodorovná osa je čas: den nebo týden, kdy nikdo necvičil, je v grafu prázdné místo a čára se tam přeruší; týden je označen svým pondělím. Vedle grafu jsou stejná čísla v tabulce. Graf se čte stejně i vytištěný černobíle.&lt;/p&gt;&lt;h2&gt;Export a tisk&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Soubor → Exportovat tabulku…&lt;/b&gt; uloží tabulku zobrazené karty pro český tabulkový procesor: jako CSV (UTF-8, středník, desetinná čárka, datum 7.12.2026, čas 12:22:00), nebo jako sešit XLSX se skutečnými čísly a daty. &lt;b&gt;Tisk…&lt;/b&gt; (Ctrl+P) a &lt;b&gt;Exportovat do PDF…&lt;/b&gt; vytisknou souhrny, nebo na kartě „Vývoj“ stránku s grafem a jeho čísly. Každý druh souboru se otevírá ve složce, kterou jste pro něj použili naposledy.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Karta „Súhrny“&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Prehľad&lt;/b&gt; po žiakoch alebo po triedach. Po žiakoch: behy, odpovede, správne, chybne, úspešnosť, prvý a posledný beh. Žiak je priezvisko v triede, menovci v dvoch triedach sú zvlášť. Je tu každý žiak zo zoznamu, aj ten, kto v období necvičil: má 0 behov, jantárový riadok a v poznámke &lt;b&gt;bez behu&lt;/b&gt;. Žiak s úspešnosťou pod &lt;b&gt;hranicou&lt;/b&gt; (50 %, ak ju nezmeníte; program si ju pamätá) je tučne a v stĺpci &lt;b&gt;Pod hranicou&lt;/b&gt; má „áno“. Žiak bez behu sa medzi tých pod hranicou nepočíta: „necvičil“ a „cvičil a nedarilo sa mu“ sú dve rôzne veci. &lt;b&gt;Len pod hranicou&lt;/b&gt; ukáže žiakov pod hranicou a žiakov bez behu. Nepriradené správy triedy majú vlastný riadok „(nepriradené správy)“. Po triedach: žiaci v zozname, koľko z nich cvičilo, koľko je bez behu a pod hranicou, behy (aj nepriradené správy), odpovede a úspešnosť.&lt;/p&gt;&lt;h2&gt;Karta „Vývoj“&lt;/h2&gt;&lt;p&gt;Úspešnosť v percentách (čierna čiara s bodmi, ľavá os) a počet odpovedí (šrafované stĺpce, pravá os) zvoleného žiaka, triedy alebo celej školy &lt;b&gt;po dňoch&lt;/b&gt; alebo &lt;b&gt;po týždňoch&lt;/b&gt; (&lt;b&gt;Graf po&lt;/b&gt;). Vodorovná os je čas: deň alebo týždeň, keď nikto necvičil, je v grafe prázdne miesto a čiara sa tam preruší; týždeň je označený svojím pondelkom. Vedľa grafu sú rovnaké čísla v tabuľke. Graf sa číta rovnako aj vytlačený čiernobielo.&lt;/p&gt;&lt;h2&gt;Export a tlač&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Súbor → Exportovať tabuľku…&lt;/b&gt; uloží tabuľku zobrazenej karty pre tabuľkový procesor: ako CSV (UTF-8, bodkočiarka, desatinná čiarka, dátum 7.12.2026, čas 12:22:00) alebo ako zošit XLSX so skutočnými číslami a dátumami. &lt;b&gt;Tlač…&lt;/b&gt; (Ctrl+P) a &lt;b&gt;Exportovať do PDF…&lt;/b&gt; vytlačia súhrny alebo na karte „Vývoj“ stránku s grafom a jeho číslami. Každý druh súboru sa otvára v priečinku, ktorý ste preň použili naposledy.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Příkazový řádek&lt;/h2&gt;&lt;p&gt;Bez okna, třeba z plánovače úloh: &lt;code&gt;--decode&lt;/code&gt; vypíše zprávy ze souborů jako CSV, &lt;code&gt;--store&lt;/code&gt; je uloží do databáze a přiřadí žákům jako okno, &lt;code&gt;--export-results&lt;/code&gt; a &lt;code&gt;--export-summary&lt;/code&gt; zapíší tabulku výsledků nebo souhrn po žácích do CSV, &lt;code&gt;--import-pupils&lt;/code&gt; přidá žáky ze seznamu třídy tak jako import v okně, &lt;code&gt;--copy-to-server&lt;/code&gt; zkopíruje soubor databáze na server. Úplný popis, jak ho vypíše &lt;code&gt;tesilka-ucitel --help&lt;/code&gt;:&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Príkazový riadok&lt;/h2&gt;&lt;p&gt;Bez okna, napríklad z plánovača úloh: &lt;code&gt;--decode&lt;/code&gt; vypíše správy zo súborov ako CSV, &lt;code&gt;--store&lt;/code&gt; ich uloží do databázy a priradí žiakom ako okno, &lt;code&gt;--export-results&lt;/code&gt; a &lt;code&gt;--export-summary&lt;/code&gt; zapíšu tabuľku výsledkov alebo súhrn po žiakoch do CSV, &lt;code&gt;--import-pupils&lt;/code&gt; pridá žiakov zo zoznamu triedy rovnako ako import v okne, &lt;code&gt;--copy-to-server&lt;/code&gt; skopíruje súbor databázy na server. Úplný opis, ako ho vypíše &lt;code&gt;tesilka-ucitel --help&lt;/code&gt;:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Nápověda – Tesilka – učitel</source>
        <translation>Pomocník – Tesilka – učiteľ</translation>
    </message>
    <message>
        <source>Text nápovědy</source>
        <translation>Text pomocníka</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Karta „Chyby“&lt;/h2&gt;&lt;p&gt;Co se v odpovědích z běhů ve škole nedaří (zprávy z e-mailu jednotlivé odpovědi nemají): úspěšnost podle počítané veličiny (napětí, proud, odpor) a podle toho, o kolik kroků po tisíci se předpona výsledku liší od bližší z předpon zadání; kolik chybných odpovědí byla špatná předpona, násobení místo dělení, dělení místo násobení, dělení obráceně nebo jiná chyba; medián doby odpovědi, zvlášť správné a chybné (pro celou školu s více než 300 000 odpověďmi se medián nepočítá, protože by musel projít každou odpověď: karta to řekne a se zvolenou třídou nebo žákem ho ukáže). Tabulka po žácích ukazuje tučně žáky, u nichž převažuje jeden druh chyby (aspoň 5 chybných odpovědí a tento druh v nejméně polovině z nich a častější než jiné), a nad ní je jejich seznam. Graf ukazuje každý druh chyby po týdnech jako podíl odpovědí týdne, každý svou čárou a značkou; vedle něj jsou tatáž čísla v tabulce. Export uloží tabulku po žácích, tisk celou kartu. Se zvoleným žákem ukazuje karta totéž pro něj.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Karta „Chyby“&lt;/h2&gt;&lt;p&gt;Čo sa v odpovediach z behov v škole nedarí (správy z e-mailu jednotlivé odpovede nemajú): úspešnosť podľa počítanej veličiny (napätie, prúd, odpor) a podľa toho, o koľko krokov po tisíc sa predpona výsledku líši od bližšej z predpôn zadania; koľko chybných odpovedí bola zlá predpona, násobenie namiesto delenia, delenie namiesto násobenia, delenie obrátene alebo iná chyba; medián času odpovede, zvlášť pre správne a chybné (pre celú školu s viac ako 300 000 odpoveďami sa medián nepočíta, pretože by musel prejsť každú odpoveď: karta to povie a so zvolenou triedou alebo žiakom ho ukáže). Tabuľka po žiakoch ukazuje tučne žiakov, u ktorých prevláda jeden druh chyby (aspoň 5 chybných odpovedí a tento druh v najmenej polovici z nich a častejší ako iné), a nad ňou je ich zoznam. Graf ukazuje každý druh chyby po týždňoch ako podiel odpovedí týždňa, každý vlastnou čiarou a značkou; vedľa neho sú tie isté čísla v tabuľke. Export uloží tabuľku po žiakoch, tlač celú kartu. So zvoleným žiakom ukazuje karta to isté preňho.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tesilka – učitel&lt;/h1&gt;&lt;p&gt;Program učitele k Tesilce na Ohmův zákon. Drží školní databázi s běhy žáků ve škole, seznam žáků a zprávy, které žáci posílají e-mailem z domova, a ukazuje z nich výsledky, souhrny, vývoj a chyby. Každý příkaz je v nabídce; karty se přepínají klávesami Alt+Z, Alt+C, Alt+K, Alt+H, Alt+J a Alt+Y, každé pole má svou podtrženou klávesu s Alt.&lt;/p&gt;&lt;h2&gt;Databáze&lt;/h2&gt;&lt;p&gt;Při spuštění se otevře databáze otevřená naposledy, jinak vestavěná školní databáze. &lt;b&gt;Soubor → Otevřít databázi…&lt;/b&gt; (Ctrl+O) otevře jiný soubor, &lt;b&gt;Soubor → Nová databáze…&lt;/b&gt; (Ctrl+N) vytvoří prázdný. &lt;b&gt;Soubor → Otevřít server…&lt;/b&gt; otevře školní databázi na serveru PostgreSQL, &lt;b&gt;Soubor → Kopírovat databázi na server…&lt;/b&gt; tam zkopíruje otevřený soubor. Soubor, který není školní databází, program odmítne a řekne proč; otevřená databáze zůstane.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tesilka – učiteľ&lt;/h1&gt;&lt;p&gt;Program učiteľa k Tesilke na Ohmov zákon. Vedie školskú databázu s behmi žiakov v škole, zoznam žiakov a správy, ktoré žiaci posielajú e-mailom z domu, a ukazuje z nich výsledky, súhrny, vývoj a chyby. Každý príkaz je v ponuke; karty sa prepínajú klávesmi Alt+Z, Alt+C, Alt+K, Alt+H, Alt+J a Alt+Y, každé pole má svoj podčiarknutý kláves s Alt.&lt;/p&gt;&lt;h2&gt;Databáza&lt;/h2&gt;&lt;p&gt;Pri spustení sa otvorí naposledy otvorená databáza, inak vstavaná školská databáza. &lt;b&gt;Súbor → Otvoriť databázu…&lt;/b&gt; (Ctrl+O) otvorí iný súbor, &lt;b&gt;Súbor → Nová databáza…&lt;/b&gt; (Ctrl+N) vytvorí prázdny. &lt;b&gt;Súbor → Otvoriť server…&lt;/b&gt; otvorí školskú databázu na serveri PostgreSQL, &lt;b&gt;Súbor → Kopírovať databázu na server…&lt;/b&gt; tam skopíruje otvorený súbor. Súbor, ktorý nie je školskou databázou, program odmietne a povie prečo; otvorená databáza zostane.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Neznáma voľba „%1“. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>Voľbe %1 chýba hodnota. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --import-pupils SOUBOR</source>
        <translation>Chýba súbor: tesilka-ucitel --import-pupils SÚBOR</translation>
    </message>
    <message>
        <source>Ze souboru %1 nebyl importován žádný žák.</source>
        <translation>Zo súboru %1 nebol importovaný žiadny žiak.</translation>
    </message>
    <message>
        <source>Řádek %1: %2</source>
        <translation>Riadok %1: %2</translation>
    </message>
    <message>
        <source>V souboru jsou jmenovci: příjmení jsou uložena se jménem („Novák Petr“).</source>
        <translation>V súbore sú menovci: priezviská sú uložené s menom („Novák Peter“).</translation>
    </message>
    <message>
        <source>Ze souboru %2 importován %1 žák</source>
        <translation>Zo súboru %2 importovaný %1 žiak</translation>
    </message>
    <message>
        <source>Ze souboru %2 importováni %1 žáci</source>
        <translation>Zo súboru %2 importovaní %1 žiaci</translation>
    </message>
    <message>
        <source>Ze souboru %2 importováno %1 žáků</source>
        <translation>Zo súboru %2 importovaných %1 žiakov</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 řádek vynechán</source>
        <translation>%1 riadok vynechaný</translation>
    </message>
    <message>
        <source>%1 řádky vynechány</source>
        <translation>%1 riadky vynechané</translation>
    </message>
    <message>
        <source>%1 řádků vynecháno</source>
        <translation>%1 riadkov vynechaných</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 uložená správa priradená žiakovi.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 uložené správy priradené žiakom.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 uložených správ priradených žiakom.</translation>
    </message>
    <message>
        <source>V souboru %1 není žádný žák.</source>
        <translation>V súbore %1 nie je žiadny žiak.</translation>
    </message>
</context>
<context>
    <name>MailSource</name>
    <message>
        <source>soubor nelze otevřít</source>
        <translation>súbor nemožno otvoriť</translation>
    </message>
    <message>
        <source>čtení souboru selhalo</source>
        <translation>čítanie súboru zlyhalo</translation>
    </message>
    <message>
        <source>zpráva je vnořená příliš hluboko</source>
        <translation>správa je vnorená príliš hlboko</translation>
    </message>
    <message>
        <source>e-mail %1: %2</source>
        <translation>e-mail %1: %2</translation>
    </message>
    <message>
        <source>soubor neexistuje (odkaz nikam nevede)</source>
        <translation>súbor neexistuje (odkaz nikam nevedie)</translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation>súbor neexistuje</translation>
    </message>
    <message>
        <source>složka není pošta ve formátu Maildir (chybí v ní složky cur a new)</source>
        <translation>priečinok nie je pošta vo formáte Maildir (chýbajú v ňom priečinky cur a new)</translation>
    </message>
    <message>
        <source>složku nelze číst (nemáte oprávnění)</source>
        <translation>priečinok nemožno čítať (nemáte oprávnenie)</translation>
    </message>
    <message>
        <source>soubor nelze číst (nemáte oprávnění)</source>
        <translation>súbor nemožno čítať (nemáte oprávnenie)</translation>
    </message>
</context>
<context>
    <name>MailText</name>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>část zprávy %1 má %2 MB, víc než %3 MB, které program přečte: nebyla přečtena</source>
        <translation>časť správy %1 má %2 MB, viac ako %3 MB, ktoré program prečíta: nebola prečítaná</translation>
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
        <translation>E&amp;xportovať tabuľku…</translation>
    </message>
    <message>
        <source>&amp;Tisk…</source>
        <translation>&amp;Tlač…</translation>
    </message>
    <message>
        <source>Exportovat do PD&amp;F…</source>
        <translation>Exportovať do PD&amp;F…</translation>
    </message>
    <message>
        <source>Stránky programu</source>
        <translation>Stránky programu</translation>
    </message>
    <message>
        <source>&amp;Zprávy z e-mailu</source>
        <translation>Správy &amp;z e-mailu</translation>
    </message>
    <message>
        <source>Žá&amp;ci</source>
        <translation>Žia&amp;ci</translation>
    </message>
    <message>
        <source>Výsled&amp;ky</source>
        <translation>Výsled&amp;ky</translation>
    </message>
    <message>
        <source>Sou&amp;hrny</source>
        <translation>Sú&amp;hrny</translation>
    </message>
    <message>
        <source>Vývo&amp;j</source>
        <translation>Vývo&amp;j</translation>
    </message>
    <message>
        <source>Otevřená databáze</source>
        <translation>Otvorená databáza</translation>
    </message>
    <message>
        <source>&amp;Nová databáze…</source>
        <translation>&amp;Nová databáza…</translation>
    </message>
    <message>
        <source>Vytvoří prázdnou školní databázi</source>
        <translation>Vytvorí prázdnu školskú databázu</translation>
    </message>
    <message>
        <source>&amp;Otevřít databázi…</source>
        <translation>&amp;Otvoriť databázu…</translation>
    </message>
    <message>
        <source>Otevře soubor školní databáze</source>
        <translation>Otvorí súbor školskej databázy</translation>
    </message>
    <message>
        <source>Otevřít &amp;server…</source>
        <translation>Otvoriť &amp;server…</translation>
    </message>
    <message>
        <source>Otevře školní databázi na databázovém serveru</source>
        <translation>Otvorí školskú databázu na databázovom serveri</translation>
    </message>
    <message>
        <source>Kopírovat databázi na se&amp;rver…</source>
        <translation>Kopírovať databázu na se&amp;rver…</translation>
    </message>
    <message>
        <source>Zkopíruje žáky, výsledky a zprávy z otevřeného souboru na databázový server</source>
        <translation>Skopíruje žiakov, výsledky a správy z otvoreného súboru na databázový server</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Uloží zobrazenou tabulku do souboru CSV nebo do sešitu XLSX</source>
        <translation>Uloží zobrazenú tabuľku do súboru CSV alebo do zošita XLSX</translation>
    </message>
    <message>
        <source>Vytiskne souhrn nebo vývoj žáka s grafem</source>
        <translation>Vytlačí súhrn alebo vývoj žiaka s grafom</translation>
    </message>
    <message>
        <source>Uloží souhrn nebo vývoj žáka s grafem do souboru PDF</source>
        <translation>Uloží súhrn alebo vývoj žiaka s grafom do súboru PDF</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>Ú&amp;pravy</source>
        <translation>Ú&amp;pravy</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>P&amp;omocník</translation>
    </message>
    <message>
        <source>&amp;Obsah nápovědy</source>
        <translation>&amp;Obsah pomocníka</translation>
    </message>
    <message>
        <source>Vysvětlí karty programu, přiřazování zpráv a příkazový řádek</source>
        <translation>Vysvetlí karty programu, priraďovanie správ a príkazový riadok</translation>
    </message>
    <message>
        <source>&amp;O programu…</source>
        <translation>&amp;O programe…</translation>
    </message>
    <message>
        <source>O &amp;Qt…</source>
        <translation>O &amp;Qt…</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Žádná databáze není otevřená: otevřete ji nebo vytvořte novou (nabídka Soubor).</source>
        <translation>Nie je otvorená žiadna databáza: otvorte ju alebo vytvorte novú (ponuka Súbor).</translation>
    </message>
    <message>
        <source>V seznamu je %1 zpráva, která není uložená v databázi.</source>
        <translation>V zozname je %1 správa, ktorá nie je uložená v databáze.</translation>
    </message>
    <message>
        <source>V seznamu jsou %1 zprávy, které nejsou uložené v databázi.</source>
        <translation>V zozname sú %1 správy, ktoré nie sú uložené v databáze.</translation>
    </message>
    <message>
        <source>V seznamu je %1 zpráv, které nejsou uložené v databázi.</source>
        <translation>V zozname je %1 správ, ktoré nie sú uložené v databáze.</translation>
    </message>
    <message>
        <source>Žádná databáze není otevřená, zprávy nelze uložit.</source>
        <translation>Nie je otvorená žiadna databáza, správy nemožno uložiť.</translation>
    </message>
    <message>
        <source>Tesilka – učitel</source>
        <translation>Tesilka – učiteľ</translation>
    </message>
    <message>
        <source>Uložit do databáze</source>
        <translation>Uložiť do databázy</translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation>Zahodiť</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Databáze nebyla otevřena.</source>
        <translation>Databáza nebola otvorená.</translation>
    </message>
    <message>
        <source>Otevřena databáze %1.</source>
        <translation>Otvorená databáza %1.</translation>
    </message>
    <message>
        <source>Přidána tabulka Zpravy pro zprávy z e-mailu.</source>
        <translation>Pridaná tabuľka Zpravy pre správy z e-mailu.</translation>
    </message>
    <message>
        <source>Tabulka Zpravy doplněna o žáka, kterému zpráva patří.</source>
        <translation>Tabuľka Zpravy doplnená o žiaka, ktorému správa patrí.</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 uložená správa priradená žiakovi.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 uložené správy priradené žiakom.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 uložených správ priradených žiakom.</translation>
    </message>
    <message>
        <source>Databáze nebyla vytvořena.</source>
        <translation>Databáza nebola vytvorená.</translation>
    </message>
    <message>
        <source>Vytvořena nová databáze %1.</source>
        <translation>Vytvorená nová databáza %1.</translation>
    </message>
    <message>
        <source>Nová databáze</source>
        <translation>Nová databáza</translation>
    </message>
    <message>
        <source>Databáze Tesilky (*.db);;Všechny soubory (*)</source>
        <translation>Databázy Tesilky (*.db);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Otevřít databázi</source>
        <translation>Otvoriť databázu</translation>
    </message>
    <message>
        <source>Otevřít server</source>
        <translation>Otvoriť server</translation>
    </message>
    <message>
        <source>Otevřete nejdřív soubor školní databáze, který se má zkopírovat.</source>
        <translation>Najprv otvorte súbor školskej databázy, ktorý sa má skopírovať.</translation>
    </message>
    <message>
        <source>Databáze zkopírována na server %1 a otevřena.</source>
        <translation>Databáza skopírovaná na server %1 a otvorená.</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tesilka – učitel&lt;/b&gt;, verze %1&lt;/p&gt;&lt;p&gt;Program učitele k Tesilce na Ohmův zákon: školní databáze, seznamy žáků a zprávy, které žáci posílají e-mailem.&lt;/p&gt;&lt;p&gt;Šíří se pod licencí GNU General Public License verze 3 nebo (podle vaší volby) kterékoli pozdější (GPL-3.0-or-later), bez jakékoli záruky.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tesilka – učiteľ&lt;/b&gt;, verzia %1&lt;/p&gt;&lt;p&gt;Program učiteľa k Tesilke na Ohmov zákon: školská databáza, zoznamy žiakov a správy, ktoré žiaci posielajú e-mailom.&lt;/p&gt;&lt;p&gt;Šíri sa pod licenciou GNU General Public License verzie 3 alebo (podľa vašej voľby) ktorejkoľvek neskoršej (GPL-3.0-or-later), bez akejkoľvek záruky.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Databáze není otevřená</source>
        <translation>Databáza nie je otvorená</translation>
    </message>
    <message>
        <source>%1 (jen pro čtení) – Tesilka – učitel</source>
        <translation>%1 (len na čítanie) – Tesilka – učiteľ</translation>
    </message>
    <message>
        <source>Databáze: %1 (jen pro čtení)</source>
        <translation>Databáza: %1 (len na čítanie)</translation>
    </message>
    <message>
        <source>%1 – Tesilka – učitel</source>
        <translation>%1 – Tesilka – učiteľ</translation>
    </message>
    <message>
        <source>Databáze: %1</source>
        <translation>Databáza: %1</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>Súbory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Sešit Excelu (*.xlsx)</source>
        <translation>Zošit Excelu (*.xlsx)</translation>
    </message>
    <message>
        <source>Exportovat</source>
        <translation>Exportovať</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Tlač</translation>
    </message>
    <message>
        <source>Odesláno na tiskárnu.</source>
        <translation>Odoslané na tlačiareň.</translation>
    </message>
    <message>
        <source>Exportovat do PDF</source>
        <translation>Exportovať do PDF</translation>
    </message>
    <message>
        <source>Soubory PDF (*.pdf)</source>
        <translation>Súbory PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Uloženo do souboru %1.</source>
        <translation>Uložené do súboru %1.</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>zápis do souboru selhal</source>
        <translation>zápis do súboru zlyhal</translation>
    </message>
    <message>
        <source>Chyb&amp;y</source>
        <translation>Chyb&amp;y</translation>
    </message>
</context>
<context>
    <name>MistakeChart</name>
    <message>
        <source>týden od pondělí</source>
        <translation>týždeň od pondelka</translation>
    </message>
    <message>
        <source>% odpovědí</source>
        <translation>% odpovedí</translation>
    </message>
</context>
<context>
    <name>MistakeModels</name>
    <message>
        <source>napětí</source>
        <translation>napätie</translation>
    </message>
    <message>
        <source>odpor</source>
        <translation>odpor</translation>
    </message>
    <message>
        <source>proud</source>
        <translation>prúd</translation>
    </message>
    <message>
        <source>stejná jako v zadání</source>
        <translation>rovnaká ako v zadaní</translation>
    </message>
    <message>
        <source>o jeden krok (× 1000)</source>
        <translation>o jeden krok (× 1000)</translation>
    </message>
    <message>
        <source>o dva a více kroků</source>
        <translation>o dva a viac krokov</translation>
    </message>
    <message>
        <source>špatná předpona</source>
        <translation>zlá predpona</translation>
    </message>
    <message>
        <source>násobení místo dělení</source>
        <translation>násobenie namiesto delenia</translation>
    </message>
    <message>
        <source>dělení místo násobení</source>
        <translation>delenie namiesto násobenia</translation>
    </message>
    <message>
        <source>dělení obráceně</source>
        <translation>delenie obrátene</translation>
    </message>
    <message>
        <source>jiná chyba</source>
        <translation>iná chyba</translation>
    </message>
    <message>
        <source>Převažující chyba: žák má aspoň %1 chybných odpovědí a jeden druh chyby je v nejméně polovině z nich a častější než každý jiný.</source>
        <translation>Prevládajúca chyba: žiak má aspoň %1 chybných odpovedí a jeden druh chyby je v najmenej polovici z nich a je častejší ako každý iný.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Počítaná veličina</source>
        <translation>Počítaná veličina</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Odpovede</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Správne</translation>
    </message>
    <message>
        <source>Úspěšnost</source>
        <translation>Úspešnosť</translation>
    </message>
    <message>
        <source>Předpona výsledku</source>
        <translation>Predpona výsledku</translation>
    </message>
    <message>
        <source>Druh chyby</source>
        <translation>Druh chyby</translation>
    </message>
    <message>
        <source>Chybné odpovědi</source>
        <translation>Chybné odpovede</translation>
    </message>
    <message>
        <source>Podíl z chybných</source>
        <translation>Podiel z chybných</translation>
    </message>
    <message>
        <source>Příjmení</source>
        <translation>Priezvisko</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
    <message>
        <source>Převažující chyba</source>
        <translation>Prevládajúca chyba</translation>
    </message>
    <message>
        <source>Medián doby odpovědi</source>
        <translation>Medián času odpovede</translation>
    </message>
    <message>
        <source>Týden od</source>
        <translation>Týždeň od</translation>
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
        <translation>Voľbe %1 chýba hodnota. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.</source>
        <translation>Dátum „%1“ pri voľbe %2 nie je platný, očakáva sa RRRR-MM-DD.</translation>
    </message>
    <message>
        <source>Volbu „%1“ nelze použít s --export-mistakes. Nápovědu vypíše --help.</source>
        <translation>Voľbu „%1“ nemožno použiť s --export-mistakes. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Chybí soubor: --export-mistakes SOUBOR.csv (nebo SOUBOR.xlsx)</source>
        <translation>Chýba súbor: --export-mistakes SÚBOR.csv (alebo SÚBOR.xlsx)</translation>
    </message>
    <message>
        <source>Období je prázdné: --from je pozdější než --to.</source>
        <translation>Obdobie je prázdne: --from je neskôr ako --to.</translation>
    </message>
    <message>
        <source>Chyby</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Do souboru %1 zapsány chyby po žácích, řádků: %2.</source>
        <translation>Do súboru %1 zapísané chyby po žiakoch, riadkov: %2.</translation>
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
Použitie: %1 [--database DATABÁZA] --export-mistakes VÝSTUP.csv [--class TRIEDA]
          [--pupil PRIEZVISKO] [--from RRRR-MM-DD] [--to RRRR-MM-DD]
  --export-mistakes VÝSTUP.csv
                      zapíše chyby po žiakoch, ako ich ukazuje karta Chyby: na
                      riadok žiaka s odpoveďami z behov v škole jeho odpovede,
                      správne, počet každého druhu chyby, prevládajúcu chybu
                      a medián času odpovede v sekundách (ako zošit, ak sa meno
                      výstupu končí na .xlsx)
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
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Úspěšnost podle počítané veličiny</source>
        <translation>Úspešnosť podľa počítanej veličiny</translation>
    </message>
    <message>
        <source>Úspěšnost podle předpony výsledku</source>
        <translation>Úspešnosť podľa predpony výsledku</translation>
    </message>
    <message>
        <source>Chybné odpovědi podle druhu</source>
        <translation>Chybné odpovede podľa druhu</translation>
    </message>
    <message>
        <source>Druhy chyb po týdnech</source>
        <translation>Druhy chýb po týždňoch</translation>
    </message>
    <message>
        <source>Chyby po žácích</source>
        <translation>Chyby po žiakoch</translation>
    </message>
    <message>
        <source>Graf druhů chyb po týdnech</source>
        <translation>Graf druhov chýb po týždňoch</translation>
    </message>
    <message>
        <source>Ve zvoleném výběru nejsou žádné odpovědi z běhů ve škole.</source>
        <translation>Vo zvolenom výbere nie sú žiadne odpovede z behov v škole.</translation>
    </message>
    <message>
        <source>Odpovědi z běhů ve škole: %1, správně %2 (%3).</source>
        <translation>Odpovede z behov v škole: %1, správne %2 (%3).</translation>
    </message>
    <message>
        <source>Medián doby odpovědi se pro celou školu s více než %L1 odpověďmi nepočítá (ani u žáků): zvolte třídu nebo žáka.</source>
        <translation>Medián času odpovede sa pre celú školu s viac ako %L1 odpoveďami nepočíta (ani pri žiakoch): zvoľte triedu alebo žiaka.</translation>
    </message>
    <message>
        <source>Medián doby odpovědi: správné %1, chybné %2.</source>
        <translation>Medián času odpovede: správne %1, chybné %2.</translation>
    </message>
    <message>
        <source>Takový žák ve výběru není.</source>
        <translation>Taký žiak vo výbere nie je.</translation>
    </message>
    <message>
        <source>Pomoc potřebují: %1.</source>
        <translation>Pomoc potrebujú: %1.</translation>
    </message>
    <message>
        <source>chyby.csv</source>
        <translation>chyby.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 žák s chybami.</source>
        <translation>Do súboru %2 uložený %1 žiak s chybami.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženi %1 žáci s chybami.</source>
        <translation>Do súboru %2 uložení %1 žiaci s chybami.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 žáků s chybami.</source>
        <translation>Do súboru %2 uložených %1 žiakov s chybami.</translation>
    </message>
    <message>
        <source>Chyby v odpovědích</source>
        <translation>Chyby v odpovediach</translation>
    </message>
    <message>
        <source>Podle počítané veličiny</source>
        <translation>Podľa počítanej veličiny</translation>
    </message>
    <message>
        <source>Podle předpony výsledku</source>
        <translation>Podľa predpony výsledku</translation>
    </message>
    <message>
        <source>Podle druhu chyby</source>
        <translation>Podľa druhu chyby</translation>
    </message>
    <message>
        <source>Po žácích</source>
        <translation>Po žiakoch</translation>
    </message>
    <message>
        <source>Po týdnech</source>
        <translation>Po týždňoch</translation>
    </message>
    <message>
        <source>Zprávy z e-mailu jednotlivé odpovědi nemají: chyby se počítají jen z běhů ve škole. Ve filtru zvolte zdroj „jen škola“ nebo „škola i e-mail“.</source>
        <translation>Správy z e-mailu jednotlivé odpovede nemajú: chyby sa počítajú len z behov v škole. Vo filtri zvoľte zdroj „len škola“ alebo „škola aj e-mail“.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>týden od</source>
        <translation>týždeň od</translation>
    </message>
    <message>
        <source>den</source>
        <translation>deň</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Odpovede</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Úspešnosť (%)</translation>
    </message>
    <message>
        <source>úspěšnost (%)</source>
        <translation>úspešnosť (%)</translation>
    </message>
    <message>
        <source>odpovědi</source>
        <translation>odpovede</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Vývoj</source>
        <translation>Vývoj</translation>
    </message>
    <message>
        <source>Graf po dnech nebo týdnech</source>
        <translation>Graf po dňoch alebo týždňoch</translation>
    </message>
    <message>
        <source>dnech</source>
        <translation>dňoch</translation>
    </message>
    <message>
        <source>týdnech</source>
        <translation>týždňoch</translation>
    </message>
    <message>
        <source>&amp;Graf po:</source>
        <translation>&amp;Graf po:</translation>
    </message>
    <message>
        <source>Graf vývoje úspěšnosti a počtu odpovědí</source>
        <translation>Graf vývoja úspešnosti a počtu odpovedí</translation>
    </message>
    <message>
        <source>Čísla grafu</source>
        <translation>Čísla grafu</translation>
    </message>
    <message>
        <source>vyvoj.csv</source>
        <translation>vyvoj.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 řádek vývoje.</source>
        <translation>Do súboru %2 uložený %1 riadok vývoja.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 řádky vývoje.</source>
        <translation>Do súboru %2 uložené %1 riadky vývoja.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 řádků vývoje.</source>
        <translation>Do súboru %2 uložených %1 riadkov vývoja.</translation>
    </message>
    <message>
        <source>Běhy: %1, odpovědi: %2, správně: %3, chybně: %4, úspěšnost: %5. První běh %6, poslední %7.</source>
        <translation>Behy: %1, odpovede: %2, správne: %3, chybne: %4, úspešnosť: %5. Prvý beh %6, posledný %7.</translation>
    </message>
    <message>
        <source>Pod hranicí %1 %.</source>
        <translation>Pod hranicou %1 %.</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Vývoj výsledkov</translation>
    </message>
</context>
<context>
    <name>PupilChooser</name>
    <message>
        <source>&amp;Přiřadit</source>
        <translation>&amp;Priradiť</translation>
    </message>
    <message>
        <source>Přiřadit žákovi</source>
        <translation>Priradiť žiakovi</translation>
    </message>
    <message>
        <source>Hledat žáka</source>
        <translation>Hľadať žiaka</translation>
    </message>
    <message>
        <source>Žáci v seznamu</source>
        <translation>Žiaci v zozname</translation>
    </message>
    <message>
        <source>&amp;Nikomu</source>
        <translation>&amp;Nikomu</translation>
    </message>
    <message>
        <source>Zprávy zůstanou nepřiřazené a automatické přiřazení je nezmění</source>
        <translation>Správy zostanú nepriradené a automatické priradenie ich nezmení</translation>
    </message>
    <message>
        <source>Přidat nového žá&amp;ka…</source>
        <translation>Pridať nového žia&amp;ka…</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Hledat:</source>
        <translation>&amp;Hľadať:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Přidat žáka a přiřadit mu zprávy</source>
        <translation>Pridať žiaka a priradiť mu správy</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Příjmení</source>
        <translation>Priezvisko</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Příjmení:</source>
        <translation>&amp;Priezvisko:</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>&amp;Trieda:</translation>
    </message>
</context>
<context>
    <name>PupilTableModel</name>
    <message>
        <source>Příjmení</source>
        <translation>Priezvisko</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
</context>
<context>
    <name>PupilsPage</name>
    <message>
        <source>Při&amp;dat žáka…</source>
        <translation>Pri&amp;dať žiaka…</translation>
    </message>
    <message>
        <source>&amp;Upravit žáka…</source>
        <translation>&amp;Upraviť žiaka…</translation>
    </message>
    <message>
        <source>S&amp;mazat žáka</source>
        <translation>Vy&amp;mazať žiaka</translation>
    </message>
    <message>
        <source>&amp;Importovat seznam třídy…</source>
        <translation>&amp;Importovať zoznam triedy…</translation>
    </message>
    <message>
        <source>&amp;Exportovat do CSV…</source>
        <translation>&amp;Exportovať do CSV…</translation>
    </message>
    <message>
        <source>Žáci</source>
        <translation>Žiaci</translation>
    </message>
    <message>
        <source>Přidá žáky ze seznamu třídy v CSV, XLSX nebo ODS, po náhledu</source>
        <translation>Pridá žiakov zo zoznamu triedy v CSV, XLSX alebo ODS, po náhľade</translation>
    </message>
    <message>
        <source>Uloží seznam žáků do souboru CSV</source>
        <translation>Uloží zoznam žiakov do súboru CSV</translation>
    </message>
    <message>
        <source>Seznam žáků</source>
        <translation>Zoznam žiakov</translation>
    </message>
    <message>
        <source>Nejprve otevřete nebo vytvořte databázi (nabídka Soubor).</source>
        <translation>Najprv otvorte alebo vytvorte databázu (ponuka Súbor).</translation>
    </message>
    <message>
        <source>V databázi je %1 žák.</source>
        <translation>V databáze je %1 žiak.</translation>
    </message>
    <message>
        <source>V databázi jsou %1 žáci.</source>
        <translation>V databáze sú %1 žiaci.</translation>
    </message>
    <message>
        <source>V databázi je %1 žáků.</source>
        <translation>V databáze je %1 žiakov.</translation>
    </message>
    <message>
        <source>Databáze je otevřená jen pro čtení: do souboru nelze zapisovat.</source>
        <translation>Databáza je otvorená len na čítanie: do súboru nemožno zapisovať.</translation>
    </message>
    <message>
        <source>Přidat žáka</source>
        <translation>Pridať žiaka</translation>
    </message>
    <message>
        <source>Přidán žák „%1“, třída %2.</source>
        <translation>Pridaný žiak „%1“, trieda %2.</translation>
    </message>
    <message>
        <source>Upravit žáka</source>
        <translation>Upraviť žiaka</translation>
    </message>
    <message>
        <source>Upraven žák „%1“, třída %2; jeho výsledky a zprávy jsou pod novým jménem.</source>
        <translation>Upravený žiak „%1“, trieda %2; jeho výsledky a správy sú pod novým menom.</translation>
    </message>
    <message>
        <source>Smazat žáka „%1“ (třída %2)? Výsledky v databázi zůstanou.</source>
        <translation>Vymazať žiaka „%1“ (trieda %2)? Výsledky v databáze zostanú.</translation>
    </message>
    <message>
        <source>Smazán žák „%1“, třída %2.</source>
        <translation>Vymazaný žiak „%1“, trieda %2.</translation>
    </message>
    <message>
        <source>Importovat seznam třídy</source>
        <translation>Importovať zoznam triedy</translation>
    </message>
    <message>
        <source>Seznamy žáků (*.csv *.txt *.xlsx *.ods);;Všechny soubory (*)</source>
        <translation>Zoznamy žiakov (*.csv *.txt *.xlsx *.ods);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Import zrušen, nic nebylo změněno.</source>
        <translation>Import zrušený, nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Importován %1 žák</source>
        <translation>Importovaný %1 žiak</translation>
    </message>
    <message>
        <source>Importováni %1 žáci</source>
        <translation>Importovaní %1 žiaci</translation>
    </message>
    <message>
        <source>Importováno %1 žáků</source>
        <translation>Importovaných %1 žiakov</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 řádek přeskočen</source>
        <translation>%1 riadok preskočený</translation>
    </message>
    <message>
        <source>%1 řádky přeskočeny</source>
        <translation>%1 riadky preskočené</translation>
    </message>
    <message>
        <source>%1 řádků přeskočeno</source>
        <translation>%1 riadkov preskočených</translation>
    </message>
    <message>
        <source>%1 uložená zpráva přiřazena žákovi.</source>
        <translation>%1 uložená správa priradená žiakovi.</translation>
    </message>
    <message>
        <source>%1 uložené zprávy přiřazeny žákům.</source>
        <translation>%1 uložené správy priradené žiakom.</translation>
    </message>
    <message>
        <source>%1 uložených zpráv přiřazeno žákům.</source>
        <translation>%1 uložených správ priradených žiakom.</translation>
    </message>
    <message>
        <source>Exportovat žáky do CSV</source>
        <translation>Exportovať žiakov do CSV</translation>
    </message>
    <message>
        <source>zaci.csv</source>
        <translation>ziaci.csv</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>Súbory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 žák.</source>
        <translation>Do súboru %2 uložený %1 žiak.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženi %1 žáci.</source>
        <translation>Do súboru %2 uložení %1 žiaci.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 žáků.</source>
        <translation>Do súboru %2 uložených %1 žiakov.</translation>
    </message>
    <message>
        <source>Import žáků</source>
        <translation>Import žiakov</translation>
    </message>
    <message>
        <source>Čtu %1…</source>
        <translation>Čítam %1…</translation>
    </message>
    <message>
        <source>Importuji žáky…</source>
        <translation>Importujem žiakov…</translation>
    </message>
</context>
<context>
    <name>ReportStore</name>
    <message>
        <source>Přidán žák „%1“, třída %2. </source>
        <translation>Pridaný žiak „%1“, trieda %2. </translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Student</source>
        <translation>Žiak</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
    <message>
        <source>Od</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Odpovědí</source>
        <translation>Odpovedí</translation>
    </message>
    <message>
        <source>Dobře</source>
        <translation>Dobre</translation>
    </message>
    <message>
        <source>Špatně</source>
        <translation>Zle</translation>
    </message>
    <message>
        <source>Úspěšnost %</source>
        <translation>Úspešnosť %</translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>%1, ř. %2</source>
        <translation>%1, r. %2</translation>
    </message>
    <message>
        <source>%1, uloženo v databázi</source>
        <translation>%1, uložené v databáze</translation>
    </message>
    <message>
        <source>nepřiřazeno</source>
        <translation>nepriradené</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, přiřadil učitel</source>
        <translation>%1, priradil učiteľ</translation>
    </message>
    <message>
        <source>%1, přiřazeno podle jména a třídy</source>
        <translation>%1, priradené podľa mena a triedy</translation>
    </message>
    <message>
        <source>%1 po uložení do databáze</source>
        <translation>%1 po uložení do databázy</translation>
    </message>
    <message>
        <source>Konec práce (Do) %1 je v budoucnosti: hodiny žákova počítače jdou špatně, nebo byl blok změněn. Zprávu lze přesto uložit.</source>
        <translation>Koniec práce (Do) %1 je v budúcnosti: hodiny žiakovho počítača idú zle alebo bol blok zmenený. Správu možno aj tak uložiť.</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <translation>⚠ %1</translation>
    </message>
    <message>
        <source>Odkud</source>
        <translation>Odkiaľ</translation>
    </message>
    <message>
        <source>Žák v seznamu</source>
        <translation>Žiak v zozname</translation>
    </message>
</context>
<context>
    <name>ReportsPage</name>
    <message>
        <source>&amp;Vložit text</source>
        <translation>&amp;Vložiť text</translation>
    </message>
    <message>
        <source>Otevřít sou&amp;bory se zprávami…</source>
        <translation>Otvoriť sú&amp;bory so správami…</translation>
    </message>
    <message>
        <source>Ot&amp;evřít složku s poštou…</source>
        <translation>Otvoriť pri&amp;ečinok s poštou…</translation>
    </message>
    <message>
        <source>U&amp;ložit do databáze</source>
        <translation>U&amp;ložiť do databázy</translation>
    </message>
    <message>
        <source>V&amp;yprázdnit seznam</source>
        <translation>Vyprázd&amp;niť zoznam</translation>
    </message>
    <message>
        <source>Přiř&amp;adit žákovi…</source>
        <translation>Prir&amp;adiť žiakovi…</translation>
    </message>
    <message>
        <source>Smaza&amp;t z databáze…</source>
        <translation>Vymazať z da&amp;tabázy…</translation>
    </message>
    <message>
        <source>Načíst nepř&amp;iřazené z databáze</source>
        <translation>Načítať nepr&amp;iradené z databázy</translation>
    </message>
    <message>
        <source>Zprávy z e-mailu</source>
        <translation>Správy z e-mailu</translation>
    </message>
    <message>
        <source>Najde zprávy žáků v textu ze schránky</source>
        <translation>Nájde správy žiakov v texte zo schránky</translation>
    </message>
    <message>
        <source>Najde zprávy žáků v souborech .txt a .eml a ve schránkách mbox</source>
        <translation>Nájde správy žiakov v súboroch .txt a .eml a v schránkach mbox</translation>
    </message>
    <message>
        <source>Najde zprávy žáků ve všech e-mailech složky pošty ve formátu Maildir</source>
        <translation>Nájde správy žiakov vo všetkých e-mailoch priečinka pošty vo formáte Maildir</translation>
    </message>
    <message>
        <source>Uloží přečtené zprávy do otevřené databáze</source>
        <translation>Uloží prečítané správy do otvorenej databázy</translation>
    </message>
    <message>
        <source>Odebere všechny řádky ze seznamu; databáze se nemění</source>
        <translation>Odstráni všetky riadky zo zoznamu; databáza sa nemení</translation>
    </message>
    <message>
        <source>Přiřadí vybrané zprávy žákovi ze seznamu</source>
        <translation>Priradí vybrané správy žiakovi zo zoznamu</translation>
    </message>
    <message>
        <source>Smaže vybrané zprávy z databáze; v seznamu zůstanou</source>
        <translation>Vymaže vybrané správy z databázy; v zozname zostanú</translation>
    </message>
    <message>
        <source>Přidá do seznamu uložené zprávy, které nepatří žádnému žákovi</source>
        <translation>Pridá do zoznamu uložené správy, ktoré nepatria žiadnemu žiakovi</translation>
    </message>
    <message>
        <source>Vložte text e-mailu se zprávou (Ctrl+V), otevřete soubory .txt nebo .eml, schránku mbox nebo složku pošty, nebo je sem přetáhněte. Každý blok se zprávou bude mít v tabulce svůj řádek.</source>
        <translation>Vložte text e-mailu so správou (Ctrl+V), otvorte súbory .txt alebo .eml, schránku mbox alebo priečinok pošty, alebo ich sem pretiahnite. Každý blok so správou bude mať v tabuľke svoj riadok.</translation>
    </message>
    <message>
        <source>Přečtené zprávy</source>
        <translation>Prečítané správy</translation>
    </message>
    <message>
        <source>Souhrn seznamu</source>
        <translation>Súhrn zoznamu</translation>
    </message>
    <message>
        <source>%1 zpráva</source>
        <translation>%1 správa</translation>
    </message>
    <message>
        <source>%1 zprávy</source>
        <translation>%1 správy</translation>
    </message>
    <message>
        <source>%1 zpráv</source>
        <translation>%1 správ</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 vadný blok</source>
        <translation>%1 chybný blok</translation>
    </message>
    <message>
        <source>%1 vadné bloky</source>
        <translation>%1 chybné bloky</translation>
    </message>
    <message>
        <source>%1 vadných bloků</source>
        <translation>%1 chybných blokov</translation>
    </message>
    <message>
        <source>%1 s koncem práce v budoucnosti</source>
        <translation>%1 s koncom práce v budúcnosti</translation>
    </message>
    <message>
        <source> (</source>
        <translation> (</translation>
    </message>
    <message>
        <source>%1 už je v databázi</source>
        <translation>%1 už je v databáze</translation>
    </message>
    <message>
        <source>%1 už jsou v databázi</source>
        <translation>%1 už sú v databáze</translation>
    </message>
    <message>
        <source>%1: žádná zpráva žáka v textu není.</source>
        <translation>%1: v texte nie je žiadna správa žiaka.</translation>
    </message>
    <message>
        <source>%1: %2%3%4.</source>
        <translation>%1: %2%3%4.</translation>
    </message>
    <message>
        <source>Čtu poštu…</source>
        <translation>Čítam poštu…</translation>
    </message>
    <message>
        <source>Čtení pošty</source>
        <translation>Čítanie pošty</translation>
    </message>
    <message>
        <source>Čtu %1…</source>
        <translation>Čítam %1…</translation>
    </message>
    <message>
        <source>Čtení pošty bylo zrušeno; do seznamu nebylo nic přidáno.</source>
        <translation>Čítanie pošty bolo zrušené; do zoznamu sa nič nepridalo.</translation>
    </message>
    <message>
        <source>%1 (%2; přečteno jen %3)</source>
        <translation>%1 (%2; prečítané len %3)</translation>
    </message>
    <message>
        <source>%1 e-mail</source>
        <translation>%1 e-mail</translation>
    </message>
    <message>
        <source>%1 e-maily</source>
        <translation>%1 e-maily</translation>
    </message>
    <message>
        <source>%1 e-mailů</source>
        <translation>%1 e-mailov</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 e-mail nelze přečíst</source>
        <translation>%1 e-mail nemožno prečítať</translation>
    </message>
    <message>
        <source>%1 e-maily nelze přečíst</source>
        <translation>%1 e-maily nemožno prečítať</translation>
    </message>
    <message>
        <source>%1 e-mailů nelze přečíst</source>
        <translation>%1 e-mailov nemožno prečítať</translation>
    </message>
    <message>
        <source>%1, e-mail %2</source>
        <translation>%1, e-mail %2</translation>
    </message>
    <message>
        <source>Přečten %1 soubor</source>
        <translation>Prečítaný %1 súbor</translation>
    </message>
    <message>
        <source>Přečteny %1 soubory</source>
        <translation>Prečítané %1 súbory</translation>
    </message>
    <message>
        <source>Přečteno %1 souborů</source>
        <translation>Prečítaných %1 súborov</translation>
    </message>
    <message>
        <source>Přečtena %1 složka</source>
        <translation>Prečítaný %1 priečinok</translation>
    </message>
    <message>
        <source>Přečteny %1 složky</source>
        <translation>Prečítané %1 priečinky</translation>
    </message>
    <message>
        <source>Přečteno %1 složek</source>
        <translation>Prečítaných %1 priečinkov</translation>
    </message>
    <message>
        <source> a </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1 složka</source>
        <translation>%1 priečinok</translation>
    </message>
    <message>
        <source>%1 složky</source>
        <translation>%1 priečinky</translation>
    </message>
    <message>
        <source>%1 složek</source>
        <translation>%1 priečinkov</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>%1 opakovaný blok vynechán.</source>
        <translation>%1 opakovaný blok vynechaný.</translation>
    </message>
    <message>
        <source>%1 opakované bloky vynechány.</source>
        <translation>%1 opakované bloky vynechané.</translation>
    </message>
    <message>
        <source>%1 opakovaných bloků vynecháno.</source>
        <translation>%1 opakovaných blokov vynechaných.</translation>
    </message>
    <message>
        <source>Bez zprávy: %1.</source>
        <translation>Bez správy: %1.</translation>
    </message>
    <message>
        <source>Tyto soubory nelze přečíst:
%1</source>
        <translation>Tieto súbory nemožno prečítať:
%1</translation>
    </message>
    <message>
        <source>Ve schránce není žádný text.</source>
        <translation>V schránke nie je žiadny text.</translation>
    </message>
    <message>
        <source>schránka</source>
        <translation>schránka</translation>
    </message>
    <message>
        <source>Otevřít soubory se zprávami</source>
        <translation>Otvoriť súbory so správami</translation>
    </message>
    <message>
        <source>E-maily, texty a schránky (*.eml *.txt *.mbox *.mbx);;E-maily a texty (*.eml *.txt);;Schránky mbox (*.mbox *.mbx);;Všechny soubory (*)</source>
        <translation>E-maily, texty a schránky (*.eml *.txt *.mbox *.mbx);;E-maily a texty (*.eml *.txt);;Schránky mbox (*.mbox *.mbx);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Otevřít složku s poštou (Maildir)</source>
        <translation>Otvoriť priečinok s poštou (Maildir)</translation>
    </message>
    <message>
        <source>Nejprve otevřete nebo vytvořte databázi (nabídka Soubor).</source>
        <translation>Najprv otvorte alebo vytvorte databázu (ponuka Súbor).</translation>
    </message>
    <message>
        <source>Není co uložit: v seznamu není žádná neuložená zpráva.</source>
        <translation>Nie je čo uložiť: v zozname nie je žiadna neuložená správa.</translation>
    </message>
    <message>
        <source>Zprávy nebyly uloženy.</source>
        <translation>Správy neboli uložené.</translation>
    </message>
    <message>
        <source>Uložena %1 zpráva</source>
        <translation>Uložená %1 správa</translation>
    </message>
    <message>
        <source>Uloženy %1 zprávy</source>
        <translation>Uložené %1 správy</translation>
    </message>
    <message>
        <source>Uloženo %1 zpráv</source>
        <translation>Uložených %1 správ</translation>
    </message>
    <message>
        <source>%1 už v databázi byla</source>
        <translation>%1 už v databáze bola</translation>
    </message>
    <message>
        <source>%1 už v databázi byly</source>
        <translation>%1 už v databáze boli</translation>
    </message>
    <message>
        <source>%1 už v databázi bylo</source>
        <translation>%1 už v databáze bolo</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 vadný blok nebyl uložen</source>
        <translation>%1 chybný blok nebol uložený</translation>
    </message>
    <message>
        <source>%1 vadné bloky nebyly uloženy</source>
        <translation>%1 chybné bloky neboli uložené</translation>
    </message>
    <message>
        <source>%1 vadných bloků nebylo uloženo</source>
        <translation>%1 chybných blokov nebolo uložených</translation>
    </message>
    <message>
        <source>%1 přiřazena žákovi</source>
        <translation>%1 priradená žiakovi</translation>
    </message>
    <message>
        <source>%1 přiřazeny žákům</source>
        <translation>%1 priradené žiakom</translation>
    </message>
    <message>
        <source>%1 přiřazeno žákům</source>
        <translation>%1 priradených žiakom</translation>
    </message>
    <message>
        <source>%1 nepřiřazená</source>
        <translation>%1 nepriradená</translation>
    </message>
    <message>
        <source>%1 nepřiřazené</source>
        <translation>%1 nepriradené</translation>
    </message>
    <message>
        <source>%1 nepřiřazených</source>
        <translation>%1 nepriradených</translation>
    </message>
    <message>
        <source>%1 nepatří žádnému žákovi ze seznamu</source>
        <translation>%1 nepatrí žiadnemu žiakovi zo zoznamu</translation>
    </message>
    <message>
        <source>Vyberte zprávy uložené v databázi, které se mají smazat.</source>
        <translation>Vyberte správy uložené v databáze, ktoré sa majú vymazať.</translation>
    </message>
    <message>
        <source>Smazat %1 zprávu z databáze (%2)?</source>
        <translation>Vymazať %1 správu z databázy (%2)?</translation>
    </message>
    <message>
        <source>Smazat %1 zprávy z databáze (%2)?</source>
        <translation>Vymazať %1 správy z databázy (%2)?</translation>
    </message>
    <message>
        <source>Smazat %1 zpráv z databáze (%2)?</source>
        <translation>Vymazať %1 správ z databázy (%2)?</translation>
    </message>
    <message>
        <source>V seznamu zůstanou a lze je uložit znovu.</source>
        <translation>V zozname zostanú a možno ich uložiť znova.</translation>
    </message>
    <message>
        <source>Z databáze smazána %1 zpráva.</source>
        <translation>Z databázy vymazaná %1 správa.</translation>
    </message>
    <message>
        <source>Z databáze smazány %1 zprávy.</source>
        <translation>Z databázy vymazané %1 správy.</translation>
    </message>
    <message>
        <source>Z databáze smazáno %1 zpráv.</source>
        <translation>Z databázy vymazaných %1 správ.</translation>
    </message>
    <message>
        <source>V databázi není žádná nepřiřazená zpráva, která by už nebyla v seznamu.</source>
        <translation>V databáze nie je žiadna nepriradená správa, ktorá by už nebola v zozname.</translation>
    </message>
    <message>
        <source>databáze</source>
        <translation>databáza</translation>
    </message>
    <message>
        <source>Načtena %1 nepřiřazená zpráva z databáze.</source>
        <translation>Načítaná %1 nepriradená správa z databázy.</translation>
    </message>
    <message>
        <source>Načteny %1 nepřiřazené zprávy z databáze.</source>
        <translation>Načítané %1 nepriradené správy z databázy.</translation>
    </message>
    <message>
        <source>Načteno %1 nepřiřazených zpráv z databáze.</source>
        <translation>Načítaných %1 nepriradených správ z databázy.</translation>
    </message>
    <message>
        <source>Seznam zpráv je prázdný.</source>
        <translation>Zoznam správ je prázdny.</translation>
    </message>
    <message>
        <source>Databáze je otevřená jen pro čtení: do souboru nelze zapisovat.</source>
        <translation>Databáza je otvorená len na čítanie: do súboru nemožno zapisovať.</translation>
    </message>
    <message>
        <source>Seznam je prázdný.</source>
        <translation>Zoznam je prázdny.</translation>
    </message>
    <message>
        <source>V seznamu: %1; neuložené zprávy: %2.</source>
        <translation>V zozname: %1; neuložené správy: %2.</translation>
    </message>
    <message>
        <source>přetažený text</source>
        <translation>pretiahnutý text</translation>
    </message>
    <message>
        <source>Hledání zpráv</source>
        <translation>Hľadanie správ</translation>
    </message>
    <message>
        <source>Hledám zprávy v textu…</source>
        <translation>Hľadám správy v texte…</translation>
    </message>
    <message>
        <source>Hledání zpráv bylo zrušeno; do seznamu nebylo nic přidáno.</source>
        <translation>Hľadanie správ bolo zrušené; do zoznamu sa nič nepridalo.</translation>
    </message>
    <message>
        <source>Ukládání zpráv</source>
        <translation>Ukladanie správ</translation>
    </message>
    <message>
        <source>Ukládám zprávy do databáze…</source>
        <translation>Ukladám správy do databázy…</translation>
    </message>
    <message>
        <source>Ukládání bylo zrušeno; do databáze nebylo nic uloženo.</source>
        <translation>Ukladanie bolo zrušené; do databázy sa nič neuložilo.</translation>
    </message>
</context>
<context>
    <name>ResultFilterBar</name>
    <message>
        <source>vše</source>
        <translation>všetko</translation>
    </message>
    <message>
        <source>dnes</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tento týden</source>
        <translation>tento týždeň</translation>
    </message>
    <message>
        <source>tento měsíc</source>
        <translation>tento mesiac</translation>
    </message>
    <message>
        <source>tento školní rok</source>
        <translation>tento školský rok</translation>
    </message>
    <message>
        <source>vlastní</source>
        <translation>vlastné</translation>
    </message>
    <message>
        <source>škola i e-mail</source>
        <translation>škola aj e-mail</translation>
    </message>
    <message>
        <source>jen škola</source>
        <translation>len škola</translation>
    </message>
    <message>
        <source>jen e-mail</source>
        <translation>len e-mail</translation>
    </message>
    <message>
        <source>Období je prázdné: „Od“ je po „Do“.</source>
        <translation>Obdobie je prázdne: „Od“ je po „Do“.</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>&amp;Trieda:</translation>
    </message>
    <message>
        <source>&amp;Žák:</source>
        <translation>&amp;Žiak:</translation>
    </message>
    <message>
        <source>Obdo&amp;bí:</source>
        <translation>Obdo&amp;bie:</translation>
    </message>
    <message>
        <source>&amp;Od:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;Do:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>Zd&amp;roj:</source>
        <translation>Zd&amp;roj:</translation>
    </message>
    <message>
        <source>všechny</source>
        <translation>všetky</translation>
    </message>
    <message>
        <source>všichni</source>
        <translation>všetci</translation>
    </message>
    <message>
        <source>nepřiřazené zprávy</source>
        <translation>nepriradené správy</translation>
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
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Začátek</source>
        <translation>Začiatok</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Žák</source>
        <translation>Žiak</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Odpovede</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Správne</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Chybne</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Úspešnosť (%)</translation>
    </message>
    <message>
        <source>Zdroj</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Jméno ve zprávě</source>
        <translation>Meno v správe</translation>
    </message>
    <message>
        <source>Třída ve zprávě</source>
        <translation>Trieda v správe</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>škola</source>
        <translation>škola</translation>
    </message>
    <message>
        <source>Všechny třídy</source>
        <translation>Všetky triedy</translation>
    </message>
    <message>
        <source>Třída %1</source>
        <translation>Trieda %1</translation>
    </message>
    <message>
        <source>Žák %1, třída %2</source>
        <translation>Žiak %1, trieda %2</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy</source>
        <translation>Nepriradené správy</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy třídy %1</source>
        <translation>Nepriradené správy triedy %1</translation>
    </message>
    <message>
        <source>za celou dobu</source>
        <translation>za celý čas</translation>
    </message>
    <message>
        <source>od %1 do %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>, jen běhy ve škole</source>
        <translation>, len behy v škole</translation>
    </message>
    <message>
        <source>, jen zprávy z e-mailu</source>
        <translation>, len správy z e-mailu</translation>
    </message>
</context>
<context>
    <name>ResultTableModel</name>
    <message>
        <source>nepřiřazeno</source>
        <translation>nepriradené</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Sest&amp;upně</source>
        <translation>Zost&amp;upne</translation>
    </message>
    <message>
        <source>S&amp;mazat vybrané…</source>
        <translation>Vy&amp;mazať vybrané…</translation>
    </message>
    <message>
        <source>Př&amp;iřadit žákovi…</source>
        <translation>Pr&amp;iradiť žiakovi…</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Tabulka výsledků</source>
        <translation>Tabuľka výsledkov</translation>
    </message>
    <message>
        <source>%1 výsledek</source>
        <translation>%1 výsledok</translation>
    </message>
    <message>
        <source>%1 výsledky</source>
        <translation>%1 výsledky</translation>
    </message>
    <message>
        <source>%1 výsledků</source>
        <translation>%1 výsledkov</translation>
    </message>
    <message>
        <source>Řadit podle</source>
        <translation>Zoradiť podľa</translation>
    </message>
    <message>
        <source>Sestupně</source>
        <translation>Zostupne</translation>
    </message>
    <message>
        <source>Ř&amp;adit podle:</source>
        <translation>Zor&amp;adiť podľa:</translation>
    </message>
    <message>
        <source>Smaže vybrané běhy a zprávy z databáze</source>
        <translation>Vymaže vybrané behy a správy z databázy</translation>
    </message>
    <message>
        <source>Přiřadí vybrané zprávy z e-mailu žákovi ze seznamu</source>
        <translation>Priradí vybrané správy z e-mailu žiakovi zo zoznamu</translation>
    </message>
    <message>
        <source>nepřiřazená zpráva od „%1“</source>
        <translation>nepriradená správa od „%1“</translation>
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
        <translation> a ďalší</translation>
    </message>
    <message>
        <source>%1 běh ve škole</source>
        <translation>%1 beh v škole</translation>
    </message>
    <message>
        <source>%1 běhy ve škole</source>
        <translation>%1 behy v škole</translation>
    </message>
    <message>
        <source>%1 běhů ve škole</source>
        <translation>%1 behov v škole</translation>
    </message>
    <message>
        <source>%1 zprávu z e-mailu</source>
        <translation>%1 správu z e-mailu</translation>
    </message>
    <message>
        <source>%1 zprávy z e-mailu</source>
        <translation>%1 správy z e-mailu</translation>
    </message>
    <message>
        <source>%1 zpráv z e-mailu</source>
        <translation>%1 správ z e-mailu</translation>
    </message>
    <message>
        <source>Smazat z databáze %1: %2? Smazání nelze vrátit.</source>
        <translation>Vymazať z databázy %1: %2? Vymazanie nemožno vrátiť.</translation>
    </message>
    <message>
        <source> a </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Smazán %1 výsledek.</source>
        <translation>Vymazaný %1 výsledok.</translation>
    </message>
    <message>
        <source>Smazány %1 výsledky.</source>
        <translation>Vymazané %1 výsledky.</translation>
    </message>
    <message>
        <source>Smazáno %1 výsledků.</source>
        <translation>Vymazaných %1 výsledkov.</translation>
    </message>
    <message>
        <source>vysledky.csv</source>
        <translation>vysledky.csv</translation>
    </message>
    <message>
        <source>Export výsledků do CSV…</source>
        <translation>Export výsledkov do CSV…</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Tesilka – učitel</source>
        <translation>Tesilka – učiteľ</translation>
    </message>
    <message>
        <source>Export zrušen, soubor nebyl zapsán.</source>
        <translation>Export zrušený, súbor nebol zapísaný.</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 výsledek.</source>
        <translation>Do súboru %2 uložený %1 výsledok.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 výsledky.</source>
        <translation>Do súboru %2 uložené %1 výsledky.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 výsledků.</source>
        <translation>Do súboru %2 uložených %1 výsledkov.</translation>
    </message>
</context>
<context>
    <name>ServerDialogs</name>
    <message>
        <source>Adresa databázového serveru, například
postgresql://ucitel@server.skola.cz/tesilka nebo service=tesilka
(heslo zadejte do souboru ~/.pgpass, ne sem):</source>
        <translation>Adresa databázového servera, napríklad
postgresql://ucitel@server.skola.sk/tesilka alebo service=tesilka
(heslo zadajte do súboru ~/.pgpass, nie sem):</translation>
    </message>
    <message>
        <source>Na server lze kopírovat jen databázi ze souboru. Otevřete nejdřív soubor školní databáze.</source>
        <translation>Na server možno kopírovať len databázu zo súboru. Najprv otvorte súbor školskej databázy.</translation>
    </message>
    <message>
        <source>Kopírovat databázi na server</source>
        <translation>Kopírovať databázu na server</translation>
    </message>
    <message>
        <source>Zkopírovat žáky, výsledky a uložené zprávy z databáze „%1“ na server „%2“?</source>
        <translation>Skopírovať žiakov, výsledky a uložené správy z databázy „%1“ na server „%2“?</translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>&amp;Zrušit</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>Na server bylo zkopírováno: žáků %1, výsledků %2, zpráv %3.</source>
        <translation>Na server sa skopírovalo: žiakov %1, výsledkov %2, správ %3.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetReader</name>
    <message>
        <source>Na prvním listu sešitu „%1“ je přes %2 řádků, takový seznam třídy není. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>Na prvom hárku zošita „%1“ je vyše %2 riadkov, taký zoznam triedy nie je. Uložte zoznam ako CSV alebo XLSX.</translation>
    </message>
    <message>
        <source>Sešit %1 „%2“ je poškozený a nelze ho přečíst. Otevřete ho v tabulkovém procesoru a uložte seznam jako CSV nebo XLSX.</source>
        <translation>Zošit %1 „%2“ je poškodený a nemožno ho prečítať. Otvorte ho v tabuľkovom procesore a uložte zoznam ako CSV alebo XLSX.</translation>
    </message>
    <message>
        <source>Sešit %1 „%2“ je na seznam třídy příliš velký. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>Zošit %1 „%2“ je na zoznam triedy príliš veľký. Uložte zoznam ako CSV alebo XLSX.</translation>
    </message>
    <message>
        <source>Soubor „%1“ je sešit nebo dokument ve starém formátu (XLS, DOC), který program nečte: otevřete ho v tabulkovém procesoru. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>Súbor „%1“ je zošit alebo dokument v starom formáte (XLS, DOC), ktorý program nečíta: otvorte ho v tabuľkovom procesore. Uložte zoznam ako CSV alebo XLSX.</translation>
    </message>
    <message>
        <source>binární soubor</source>
        <translation>binárny súbor</translation>
    </message>
    <message>
        <source>dokument, ne sešit</source>
        <translation>dokument, nie zošit</translation>
    </message>
    <message>
        <source>archiv ZIP</source>
        <translation>archív ZIP</translation>
    </message>
    <message>
        <source>dokument PDF</source>
        <translation>dokument PDF</translation>
    </message>
    <message>
        <source>obrázek</source>
        <translation>obrázok</translation>
    </message>
    <message>
        <source>Soubor „%1“ je %2, seznam žáků z něj přečíst nelze. Uložte seznam jako CSV nebo XLSX.</source>
        <translation>Súbor „%1“ je %2, zoznam žiakov z neho nemožno prečítať. Uložte zoznam ako CSV alebo XLSX.</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Volbě %1 chybí hodnota. Nápovědu vypíše --help.</source>
        <translation>Voľbe %1 chýba hodnota. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Neznámá volba „%1“. Nápovědu vypíše --help.</source>
        <translation>Neznáma voľba „%1“. Pomocníka vypíše --help.</translation>
    </message>
    <message>
        <source>Chybí soubor: tesilka-ucitel --store SOUBOR...</source>
        <translation>Chýba súbor: tesilka-ucitel --store SÚBOR...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: e-mailů, které nelze přečíst: %2</source>
        <translation>%1: e-mailov, ktoré nemožno prečítať: %2</translation>
    </message>
    <message>
        <source>Nic nebylo uloženo.</source>
        <translation>Nič nebolo uložené.</translation>
    </message>
    <message>
        <source>%1: ve složce není žádná zpráva</source>
        <translation>%1: v priečinku nie je žiadna správa</translation>
    </message>
    <message>
        <source>%1: v souboru není žádná zpráva</source>
        <translation>%1: v súbore nie je žiadna správa</translation>
    </message>
    <message>
        <source>%1: upozornění: konec práce (Do) %2 je v budoucnosti; zpráva se přesto ukládá</source>
        <translation>%1: upozornenie: koniec práce (Do) %2 je v budúcnosti; správa sa aj tak ukladá</translation>
    </message>
    <message>
        <source>Uloženo do databáze %1: nových zpráv %2, už uložených %3, přiřazených žákovi %4, nepřiřazených %5, odmítnutých vadných bloků %6.</source>
        <translation>Uložené do databázy %1: nových správ %2, už uložených %3, priradených žiakovi %4, nepriradených %5, odmietnutých chybných blokov %6.</translation>
    </message>
</context>
<context>
    <name>SummaryModels</name>
    <message>
        <source>Žák</source>
        <translation>Žiak</translation>
    </message>
    <message>
        <source>Třída</source>
        <translation>Trieda</translation>
    </message>
    <message>
        <source>Běhy</source>
        <translation>Behy</translation>
    </message>
    <message>
        <source>Odpovědi</source>
        <translation>Odpovede</translation>
    </message>
    <message>
        <source>Správně</source>
        <translation>Správne</translation>
    </message>
    <message>
        <source>Chybně</source>
        <translation>Chybne</translation>
    </message>
    <message>
        <source>Úspěšnost (%)</source>
        <translation>Úspešnosť (%)</translation>
    </message>
    <message>
        <source>První běh</source>
        <translation>Prvý beh</translation>
    </message>
    <message>
        <source>Poslední běh</source>
        <translation>Posledný beh</translation>
    </message>
    <message>
        <source>Pod hranicí</source>
        <translation>Pod hranicou</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>nepřiřazené</source>
        <translation>nepriradené</translation>
    </message>
    <message>
        <source>bez běhu</source>
        <translation>bez behu</translation>
    </message>
    <message>
        <source>mimo seznam</source>
        <translation>mimo zoznamu</translation>
    </message>
    <message>
        <source>(nepřiřazené zprávy)</source>
        <translation>(nepriradené správy)</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>áno</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Žáci v seznamu</source>
        <translation>Žiaci v zozname</translation>
    </message>
    <message>
        <source>Procvičovali</source>
        <translation>Precvičovali</translation>
    </message>
    <message>
        <source>Bez běhu</source>
        <translation>Bez behu</translation>
    </message>
    <message>
        <source>Nepřiřazené zprávy</source>
        <translation>Nepriradené správy</translation>
    </message>
    <message>
        <source>Týden od</source>
        <translation>Týždeň od</translation>
    </message>
    <message>
        <source>Den</source>
        <translation>Deň</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Jen pod hran&amp;icí</source>
        <translation>Len pod hran&amp;icou</translation>
    </message>
    <message>
        <source>Souhrn po žácích</source>
        <translation>Súhrn po žiakoch</translation>
    </message>
    <message>
        <source>Souhrn po třídách</source>
        <translation>Súhrn po triedach</translation>
    </message>
    <message>
        <source>Souhrny</source>
        <translation>Súhrny</translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation>Prehľad</translation>
    </message>
    <message>
        <source>po žácích</source>
        <translation>po žiakoch</translation>
    </message>
    <message>
        <source>po třídách</source>
        <translation>po triedach</translation>
    </message>
    <message>
        <source>Př&amp;ehled:</source>
        <translation>Pr&amp;ehľad:</translation>
    </message>
    <message>
        <source>Hranice úspěšnosti v procentech</source>
        <translation>Hranica úspešnosti v percentách</translation>
    </message>
    <message>
        <source>Hr&amp;anice:</source>
        <translation>Hr&amp;anica:</translation>
    </message>
    <message>
        <source>Jen žáci pod hranicí</source>
        <translation>Len žiaci pod hranicou</translation>
    </message>
    <message>
        <source>souhrn-trid.csv</source>
        <translation>suhrn-tried.csv</translation>
    </message>
    <message>
        <source>souhrn-zaku.csv</source>
        <translation>suhrn-ziakov.csv</translation>
    </message>
    <message>
        <source>Do souboru %2 uložen %1 řádek souhrnu.</source>
        <translation>Do súboru %2 uložený %1 riadok súhrnu.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženy %1 řádky souhrnu.</source>
        <translation>Do súboru %2 uložené %1 riadky súhrnu.</translation>
    </message>
    <message>
        <source>Do souboru %2 uloženo %1 řádků souhrnu.</source>
        <translation>Do súboru %2 uložených %1 riadkov súhrnu.</translation>
    </message>
    <message>
        <source>%1. Hranice úspěšnosti %2 %; jen žáci pod ní a žáci bez běhu, vyznačení tučně.</source>
        <translation>%1. Hranica úspešnosti %2 %; len žiaci pod ňou a žiaci bez behu, vyznačení tučne.</translation>
    </message>
    <message>
        <source>%1. Hranice úspěšnosti %2 %; žáci pod ní a žáci bez běhu jsou vyznačeni tučně.</source>
        <translation>%1. Hranica úspešnosti %2 %; žiaci pod ňou a žiaci bez behu sú vyznačení tučne.</translation>
    </message>
    <message>
        <source>Souhrn výsledků</source>
        <translation>Súhrn výsledkov</translation>
    </message>
    <message>
        <source>Po třídách</source>
        <translation>Po triedach</translation>
    </message>
    <message>
        <source>Po žácích</source>
        <translation>Po žiakoch</translation>
    </message>
</context>
<context>
    <name>XlsxExport</name>
    <message>
        <source>Soubor „%1“ nelze uložit: %2.</source>
        <translation>Súbor „%1“ nemožno uložiť: %2.</translation>
    </message>
    <message>
        <source>List1</source>
        <translation>Hárok1</translation>
    </message>
    <message>
        <source>zápis do souboru selhal</source>
        <translation>zápis do súboru zlyhal</translation>
    </message>
    <message>
        <source>řádků je víc, než se vejde na list sešitu</source>
        <translation>riadkov je viac, ako sa zmestí na hárok zošita</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>výsledků je víc, než se vejde na list sešitu (%1 řádků); zužte výběr, nebo je uložte jako CSV</source>
        <translation>výsledkov je viac, ako sa zmestí na hárok zošita (%1 riadkov); zúžte výber alebo ich uložte ako CSV</translation>
    </message>
</context>
</TS>
