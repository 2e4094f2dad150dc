<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="cs_CZ">
<context>
    <name>BusyNotice</name>
    <message>
        <source>Tesilka</source>
        <translation>Tesilka</translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Opravdu ?</source>
        <translation>Naozaj?</translation>
    </message>
    <message>
        <source>Jseš si úplně jist?</source>
        <translation>Si si úplne istý?</translation>
    </message>
    <message>
        <source>Zadal jsi napětí</source>
        <translation>Zadal si napätie</translation>
    </message>
    <message>
        <source>Zadal jsi odpor</source>
        <translation>Zadal si odpor</translation>
    </message>
    <message>
        <source>Zadal jsi proud</source>
        <translation>Zadal si prúd</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>&amp;Ne - znova</source>
        <translation>&amp;Nie – znova</translation>
    </message>
</context>
<context>
    <name>ContinueOrQuitDialog</name>
    <message>
        <source>&amp;POKRAČOVAT</source>
        <translation>&amp;POKRAČOVAŤ</translation>
    </message>
    <message>
        <source>&amp;KONEC</source>
        <translation>&amp;KONIEC</translation>
    </message>
</context>
<context>
    <name>CorrectWindow</name>
    <message>
        <source>Gratuluji</source>
        <translation>Gratulujem</translation>
    </message>
    <message>
        <source>Velmi dobře</source>
        <translation>Veľmi dobre</translation>
    </message>
    <message>
        <source>Na poslední otázku jsi odpověděl naprosto správně!</source>
        <translation>Na poslednú otázku si odpovedal úplne správne!</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>mikro</source>
        <translation>mikro</translation>
    </message>
    <message>
        <source>mili</source>
        <translation>mili</translation>
    </message>
    <message>
        <source>bez předpony</source>
        <translation>bez predpony</translation>
    </message>
    <message>
        <source>kilo</source>
        <translation>kilo</translation>
    </message>
    <message>
        <source>mega</source>
        <translation>mega</translation>
    </message>
    <message>
        <source>giga</source>
        <translation>giga</translation>
    </message>
    <message>
        <source>Tesilka Ohmova zákona</source>
        <translation>Tesilka Ohmovho zákona</translation>
    </message>
    <message>
        <source>Zadání:</source>
        <translation>Úloha:</translation>
    </message>
    <message>
        <source>Výsledek</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Předpona</source>
        <translation>Predpona</translation>
    </message>
    <message>
        <source>&amp;Pokračovat</source>
        <translation>&amp;Pokračovať</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Napětí:</source>
        <translation>Napätie:</translation>
    </message>
    <message>
        <source>Proud:</source>
        <translation>Prúd:</translation>
    </message>
    <message>
        <source>Odpor:</source>
        <translation>Odpor:</translation>
    </message>
    <message>
        <source>Vypočítej napětí:</source>
        <translation>Vypočítaj napätie:</translation>
    </message>
    <message>
        <source>Vypočítej proud:</source>
        <translation>Vypočítaj prúd:</translation>
    </message>
    <message>
        <source>Vypočítej odpor:</source>
        <translation>Vypočítaj odpor:</translation>
    </message>
    <message>
        <source>Zkus to znovu</source>
        <translation>Skús to znova</translation>
    </message>
    <message>
        <source>Zkus zadat nějaké hezké jednotky.</source>
        <translation>Skús zadať nejaké pekné jednotky.</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>neznámá chyba</source>
        <translation>neznáma chyba</translation>
    </message>
    <message>
        <source>Tesilka – chyba</source>
        <translation>Tesilka – chyba</translation>
    </message>
    <message>
        <source>Program narazil na chybu a bude ukončen.

Příčina: %1</source>
        <translation>Program narazil na chybu a ukončí sa.

Príčina: %1</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Informace</source>
        <translation>Informácie</translation>
    </message>
    <message>
        <source>Tesilka</source>
        <translation>Tesilka</translation>
    </message>
    <message>
        <source>verze %1
© Tesilka, 2026</source>
        <translation>verzia %1
© Tesilka, 2026</translation>
    </message>
    <message>
        <source>&lt;div&gt;Tento program je určen žákům základních a středních škol na procvičování Ohmova zákona. Jeho prostředí je k tomuto účelu také vytvořeno. Doufám, že se Vám tento program zalíbí a budete jeho věrnými uživateli.&lt;/div&gt;&lt;div&gt;Mnoho správně spočítaných rovnic Vám přeje&lt;/div&gt;&lt;div align=&quot;right&quot;&gt;autoři Tesilky&lt;/div&gt;</source>
        <translation>&lt;div&gt;Tento program je určený žiakom základných a stredných škôl na precvičovanie Ohmovho zákona. Aj jeho prostredie je vytvorené na tento účel. Dúfame, že sa vám program zapáči a budete ho radi používať.&lt;/div&gt;&lt;div&gt;Veľa správne vypočítaných rovníc vám želajú&lt;/div&gt;&lt;div align=&quot;right&quot;&gt;autori Tesilky&lt;/div&gt;</translation>
    </message>
    <message>
        <source>Pokud byste nalezli v tomto programu chybu nebo měli námět na jeho zlepšení či návrh na jiný program můžete mě kontaktovat e-mailem na:</source>
        <translation>Ak by ste v tomto programe našli chybu alebo mali nápad, ako ho zlepšiť, či návrh na iný program, môžete mi napísať e-mail na adresu:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>bez předpony</source>
        <translation>bez predpony</translation>
    </message>
    <message>
        <source>U = R · I</source>
        <translation>U = R · I</translation>
    </message>
    <message>
        <source>R = U / I</source>
        <translation>R = U / I</translation>
    </message>
    <message>
        <source>I = U / R</source>
        <translation>I = U / R</translation>
    </message>
    <message>
        <source>Číslo máš správně, ale předponu ne: mělo být %1, ne %2.</source>
        <translation>Číslo máš správne, ale predponu nie: malo byť %1, nie %2.</translation>
    </message>
    <message>
        <source>Násobil(a) jsi, ale tady se dělí: %1.</source>
        <translation>Násobil(a) si, ale tu sa delí: %1.</translation>
    </message>
    <message>
        <source>Dělil(a) jsi, ale tady se násobí: %1.</source>
        <translation>Delil(a) si, ale tu sa násobí: %1.</translation>
    </message>
    <message>
        <source>Dělil(a) jsi obráceně: %1.</source>
        <translation>Delil(a) si naopak: %1.</translation>
    </message>
</context>
<context>
    <name>MistakesDatabase</name>
    <message>
        <source>Chyby žáků nelze načíst z databáze %1: %2.</source>
        <translation>Chyby žiakov nemožno načítať z databázy %1: %2.</translation>
    </message>
    <message>
        <source>Chyby žáků nelze spočítat: SQLite odmítlo funkci mediánu.</source>
        <translation>Chyby žiakov nemožno spočítať: SQLite odmietlo funkciu mediánu.</translation>
    </message>
</context>
<context>
    <name>QuitWindow</name>
    <message>
        <source>Konec ?</source>
        <translation>Koniec?</translation>
    </message>
    <message>
        <source>Opravdu skončit?</source>
        <translation>Naozaj skončiť?</translation>
    </message>
</context>
<context>
    <name>ReportDecoder</name>
    <message>
        <source>blok je neúplný: chybí jeho konec (žák zkopíroval jen část?)</source>
        <translation>blok je neúplný: chýba jeho koniec (žiak skopíroval len časť?)</translation>
    </message>
    <message>
        <source>Text v bloku není zpráva z programu Tesilka: řádek %1 zprávy neodpovídá „%2“.</source>
        <translation>Text v bloku nie je správa z programu Tesilka: riadok %1 správy nezodpovedá „%2“.</translation>
    </message>
    <message>
        <source>Počet odpovědí ve zprávě je mimo možný rozsah.</source>
        <translation>Počet odpovedí v správe je mimo možného rozsahu.</translation>
    </message>
    <message>
        <source>Text v bloku není zpráva z programu Tesilka: má nečekaný počet řádků.</source>
        <translation>Text v bloku nie je správa z programu Tesilka: má neočakávaný počet riadkov.</translation>
    </message>
    <message>
        <source>Počty nesouhlasí: %1 dobře a %2 špatně není celkem %3 odpovědí.</source>
        <translation>Počty nesúhlasia: %1 dobre a %2 zle nie je spolu %3 odpovedí.</translation>
    </message>
    <message>
        <source>Zpráva uvádí 0 odpovědí, ale obsahuje počty dobrých a špatných.</source>
        <translation>Správa uvádza 0 odpovedí, ale obsahuje počty dobrých a zlých.</translation>
    </message>
    <message>
        <source>Procenta ve zprávě neodpovídají počtům dobrých a špatných odpovědí.</source>
        <translation>Percentá v správe nezodpovedajú počtom dobrých a zlých odpovedí.</translation>
    </message>
    <message>
        <source>Konec práce (Do) je ve zprávě dříve než její začátek (Od).</source>
        <translation>Koniec práce (Do) je v správe skôr ako jej začiatok (Od).</translation>
    </message>
    <message>
        <source>V bloku není žádná skupina číslic.</source>
        <translation>V bloku nie je žiadna skupina číslic.</translation>
    </message>
    <message>
        <source>Poškozená skupina „%1“ na řádku %2.</source>
        <translation>Poškodená skupina „%1“ na riadku %2.</translation>
    </message>
    <message>
        <source>Blok nezačíná značkou „4b“, ale skupinou „%1“ na řádku %2.</source>
        <translation>Blok nezačína značkou „4b“, ale skupinou „%1“ na riadku %2.</translation>
    </message>
    <message>
        <source>Blok obsahuje jen značku „4b“, zpráva v něm není.</source>
        <translation>Blok obsahuje len značku „4b“, správa v ňom nie je.</translation>
    </message>
</context>
<context>
    <name>ResultsDatabase</name>
    <message>
        <source>Výsledky nelze načíst z databáze %1: %2.</source>
        <translation>Výsledky nemožno načítať z databázy %1: %2.</translation>
    </message>
    <message>
        <source>Výsledky nelze řadit podle české abecedy: SQLite odmítlo řazení.</source>
        <translation>Výsledky nemožno zoradiť podľa českej abecedy: SQLite odmietlo zoradenie.</translation>
    </message>
</context>
<context>
    <name>SchoolDatabase</name>
    <message>
        <source>adresa serveru není platná</source>
        <translation>adresa servera nie je platná</translation>
    </message>
    <message>
        <source>(PostgreSQL: %1)</source>
        <translation>(PostgreSQL: %1)</translation>
    </message>
    <message>
        <source>adresa serveru je prázdná</source>
        <translation>adresa servera je prázdna</translation>
    </message>
    <message>
        <source>cesta k souboru je prázdná</source>
        <translation>cesta k súboru je prázdna</translation>
    </message>
    <message>
        <source>chybí ovladač PostgreSQL pro Qt (balíček libqt6sql6-psql)</source>
        <translation>chýba ovládač PostgreSQL pre Qt (balík libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>chybí ovladač SQLite</source>
        <translation>chýba ovládač SQLite</translation>
    </message>
    <message>
        <source>(SQLite: %1)</source>
        <translation>(SQLite: %1)</translation>
    </message>
    <message>
        <source>server neodpovídá (není spuštěný, nebo k němu nevede spojení)</source>
        <translation>server neodpovedá (nie je spustený alebo k nemu nevedie spojenie)</translation>
    </message>
    <message>
        <source>server teď nepřijímá spojení (spouští se, nebo se vypíná)</source>
        <translation>server teraz neprijíma spojenia (spúšťa sa alebo sa vypína)</translation>
    </message>
    <message>
        <source>spojení se serverem se přerušilo</source>
        <translation>spojenie so serverom sa prerušilo</translation>
    </message>
    <message>
        <source>server je přetížený, zkuste to za chvíli</source>
        <translation>server je preťažený, skúste to o chvíľu</translation>
    </message>
    <message>
        <source>server žádá heslo, ale pro tohoto uživatele žádné uložené není (soubor ~/.pgpass)</source>
        <translation>server žiada heslo, ale pre tohto používateľa nie je uložené žiadne (súbor ~/.pgpass)</translation>
    </message>
    <message>
        <source>server odmítl přihlášení: chybné jméno nebo heslo</source>
        <translation>server odmietol prihlásenie: nesprávne meno alebo heslo</translation>
    </message>
    <message>
        <source>server odmítl přihlášení (neznámý uživatel nebo databáze, nebo přístup odtud není povolen)</source>
        <translation>server odmietol prihlásenie (neznámy používateľ alebo databáza, alebo prístup odtiaľto nie je povolený)</translation>
    </message>
    <message>
        <source>uživatel, pod kterým se program k serveru připojil, k tomu nemá oprávnění</source>
        <translation>používateľ, pod ktorým sa program pripojil k serveru, na to nemá oprávnenie</translation>
    </message>
    <message>
        <source>chybí v ní tabulka</source>
        <translation>chýba v nej tabuľka</translation>
    </message>
    <message>
        <source>chybí v ní tabulka %1</source>
        <translation>chýba v nej tabuľka %1</translation>
    </message>
    <message>
        <source>chybí v ní pole</source>
        <translation>chýba v nej pole</translation>
    </message>
    <message>
        <source>chybí v ní pole %1</source>
        <translation>chýba v nej pole %1</translation>
    </message>
    <message>
        <source>chybí v ní funkce pro zápis nebo součty žáků (správce serveru ji doplní souborem schema-postgresql.sql)</source>
        <translation>chýba v nej funkcia na zápis alebo súčty žiakov (správca servera ju doplní súborom schema-postgresql.sql)</translation>
    </message>
    <message>
        <source>databáze na serveru neexistuje</source>
        <translation>databáza na serveri neexistuje</translation>
    </message>
    <message>
        <source>součet výsledků je větší, než program dokáže zpracovat</source>
        <translation>súčet výsledkov je väčší, ako program dokáže spracovať</translation>
    </message>
    <message>
        <source>databáze je na serveru jen pro čtení</source>
        <translation>databáza je na serveri len na čítanie</translation>
    </message>
    <message>
        <source>souběžný zápis z jiného počítače, zkuste to znovu</source>
        <translation>súbežný zápis z iného počítača, skúste to znova</translation>
    </message>
    <message>
        <source>server je přetížený nebo mu došlo místo</source>
        <translation>server je preťažený alebo mu došlo miesto</translation>
    </message>
    <message>
        <source>server výsledek odmítl: žák s tímto příjmením a třídou není v seznamu žáků</source>
        <translation>server výsledok odmietol: žiak s týmto priezviskom a triedou nie je v zozname žiakov</translation>
    </message>
    <message>
        <source>server výsledek odmítl: neznámý druh cvičení</source>
        <translation>server výsledok odmietol: neznámy druh cvičenia</translation>
    </message>
    <message>
        <source>server výsledek odmítl: tolik odpovědí se za dobu cvičení nedá stihnout</source>
        <translation>server výsledok odmietol: toľko odpovedí sa za čas cvičenia nedá stihnúť</translation>
    </message>
    <message>
        <source>server výsledek odmítl: datum nebo čas běhu není platný</source>
        <translation>server výsledok odmietol: dátum alebo čas behu nie je platný</translation>
    </message>
    <message>
        <source>server výsledek odmítl: hodiny tohoto počítače neukazují stejný čas jako server</source>
        <translation>server výsledok odmietol: hodiny tohto počítača neukazujú rovnaký čas ako server</translation>
    </message>
    <message>
        <source>server výsledek odmítl: jméno uživatele počítače je příliš dlouhé</source>
        <translation>server výsledok odmietol: meno používateľa počítača je príliš dlhé</translation>
    </message>
    <message>
        <source>server výsledek odmítl: záznam jednotlivých odpovědí neodpovídá výsledku cvičení</source>
        <translation>server výsledok odmietol: záznam jednotlivých odpovedí nezodpovedá výsledku cvičenia</translation>
    </message>
    <message>
        <source>server odmítl hodnotu, která v tabulce nemůže být</source>
        <translation>server odmietol hodnotu, ktorá v tabuľke nemôže byť</translation>
    </message>
    <message>
        <source>server příkaz přerušil, protože trval příliš dlouho</source>
        <translation>server príkaz prerušil, pretože trval príliš dlho</translation>
    </message>
    <message>
        <source>tabulku na serveru drží zamčenou jiné spojení, zkuste to za chvíli</source>
        <translation>tabuľku na serveri drží zamknutú iné spojenie, skúste to o chvíľu</translation>
    </message>
    <message>
        <source>server ohlásil chybu</source>
        <translation>server ohlásil chybu</translation>
    </message>
    <message>
        <source>hodnota %1 obsahuje středník</source>
        <translation>hodnota %1 obsahuje bodkočiarku</translation>
    </message>
    <message>
        <source>Seznam žáků nelze načíst ze školní databáze „%1“: %2.</source>
        <translation>Zoznam žiakov nemožno načítať zo školskej databázy „%1“: %2.</translation>
    </message>
    <message>
        <source>Výsledek nelze zapsat do školní databáze „%1“: %2.</source>
        <translation>Výsledok nemožno zapísať do školskej databázy „%1“: %2.</translation>
    </message>
    <message>
        <source>součet výsledků žáka %1 je větší, než program dokáže zpracovat</source>
        <translation>súčet výsledkov žiaka %1 je väčší, ako program dokáže spracovať</translation>
    </message>
    <message>
        <source>pole %1 žáka %2 obsahuje hodnotu, která není celé číslo</source>
        <translation>pole %1 žiaka %2 obsahuje hodnotu, ktorá nie je celé číslo</translation>
    </message>
    <message>
        <source>server neodpověděl</source>
        <translation>server neodpovedal</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>databáze ohlásila chybu</source>
        <translation>databáza ohlásila chybu</translation>
    </message>
    <message>
        <source>soubor je příliš dlouho zamčený, zřejmě do něj zapisuje jiný počítač</source>
        <translation>súbor je príliš dlho zamknutý, zrejme doň zapisuje iný počítač</translation>
    </message>
    <message>
        <source>soubor nelze otevřít</source>
        <translation>súbor nemožno otvoriť</translation>
    </message>
    <message>
        <source>soubor neexistuje nebo není dostupný</source>
        <translation>súbor neexistuje alebo nie je dostupný</translation>
    </message>
    <message>
        <source>soubor není databáze</source>
        <translation>súbor nie je databáza</translation>
    </message>
    <message>
        <source>soubor je poškozený</source>
        <translation>súbor je poškodený</translation>
    </message>
    <message>
        <source>do souboru nelze zapisovat</source>
        <translation>do súboru nemožno zapisovať</translation>
    </message>
    <message>
        <source>k souboru není přístup</source>
        <translation>k súboru nie je prístup</translation>
    </message>
    <message>
        <source>při čtení nebo zápisu souboru nastala chyba</source>
        <translation>pri čítaní alebo zápise súboru nastala chyba</translation>
    </message>
</context>
<context>
    <name>Souhrn</name>
    <message>
        <source> příklad</source>
        <translation> príklad</translation>
    </message>
    <message>
        <source> příklady</source>
        <translation> príklady</translation>
    </message>
    <message>
        <source> příkladů</source>
        <translation> príkladov</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Tesilka na Ohmův zákon</source>
        <translation>Tesilka na Ohmov zákon</translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation>verzia %1</translation>
    </message>
    <message>
        <source>© Tesilka, 2026</source>
        <translation>© Tesilka, 2026</translation>
    </message>
</context>
<context>
    <name>StorageCause</name>
    <message>
        <source>na disku není volné místo</source>
        <translation>na disku nie je voľné miesto</translation>
    </message>
    <message>
        <source>soubor nebo jeho složka byly mezitím smazány nebo přesunuty</source>
        <translation>súbor alebo jeho priečinok boli medzitým zmazané alebo presunuté</translation>
    </message>
    <message>
        <source>do složky nelze zapisovat (nemáte v ní právo zápisu)</source>
        <translation>do priečinka nemožno zapisovať (nemáte v ňom právo zápisu)</translation>
    </message>
    <message>
        <source>disk je připojený jen pro čtení</source>
        <translation>disk je pripojený iba na čítanie</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Souhrn</source>
        <translation>Súhrn</translation>
    </message>
    <message>
        <source>Dnes jsi spočítal: </source>
        <translation>Dnes si vypočítal: </translation>
    </message>
    <message>
        <source>Dobře:</source>
        <translation>Dobre:</translation>
    </message>
    <message>
        <source>Špatně:</source>
        <translation>Zle:</translation>
    </message>
    <message>
        <source>Celkem jsi spočítal:</source>
        <translation>Celkovo si vypočítal:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Dnes jsi spočítal %1, dobře %2, špatně %3. Celkem jsi spočítal %4, dobře %5, špatně %6.</source>
        <translation>Dnes si vypočítal %1, dobre %2, zle %3. Celkovo si vypočítal %4, dobre %5, zle %6.</translation>
    </message>
    <message>
        <source>Ukládám výsledek do školní databáze…</source>
        <translation>Ukladám výsledok do školskej databázy…</translation>
    </message>
    <message>
        <source> přes</source>
        <translation> vyše</translation>
    </message>
    <message>
        <source>Výsledek se nepodařilo uložit do školní databáze.</source>
        <translation>Výsledok sa nepodarilo uložiť do školskej databázy.</translation>
    </message>
    <message>
        <source>%1

Můžeš to zkusit znovu, nebo si výsledek nechat připravit pro vyučujícího a poslat ho e-mailem.</source>
        <translation>%1

Môžeš to skúsiť znova alebo si nechať výsledok pripraviť pre vyučujúceho a poslať ho e-mailom.</translation>
    </message>
    <message>
        <source>&amp;Zkusit znovu</source>
        <translation>&amp;Skúsiť znova</translation>
    </message>
    <message>
        <source>&amp;Poslat e-mailem</source>
        <translation>&amp;Poslať e-mailom</translation>
    </message>
    <message>
        <source>není k dispozici</source>
        <translation>nie je k dispozícii</translation>
    </message>
</context>
<context>
    <name>TeacherDataWindow</name>
    <message>
        <source>Generované informace pro vyučujícího</source>
        <translation>Údaje pre vyučujúceho</translation>
    </message>
    <message>
        <source>Zakódovaný výsledek</source>
        <translation>Zakódovaný výsledok</translation>
    </message>
    <message>
        <source>Blok pro vyučujícího. Vlož ho do schránky nebo ulož do souboru a pošli e-mailem.</source>
        <translation>Blok pre vyučujúceho. Vlož ho do schránky alebo ulož do súboru a pošli e-mailom.</translation>
    </message>
    <message>
        <source>&amp;Vložit do schránky</source>
        <translation>&amp;Vložiť do schránky</translation>
    </message>
    <message>
        <source>&amp;Uložit do textového souboru</source>
        <translation>&amp;Uložiť do textového súboru</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Vložil(a) jsi už zkopírovaný blok do e-mailu?</source>
        <translation>Vložil(a) si už skopírovaný blok do e-mailu?</translation>
    </message>
    <message>
        <source>Po skončení programu může blok ze schránky zmizet. Bezpečnější je uložit ho do textového souboru a ten poslat.</source>
        <translation>Po skončení programu môže blok zo schránky zmiznúť. Bezpečnejšie je uložiť ho do textového súboru a ten poslať.</translation>
    </message>
    <message>
        <source>&amp;Ne, vrátit se</source>
        <translation>&amp;Nie, vrátiť sa</translation>
    </message>
    <message>
        <source>&amp;Ano, skončit</source>
        <translation>&amp;Áno, skončiť</translation>
    </message>
    <message>
        <source>Vyber umístění a jméno souboru</source>
        <translation>Vyber umiestnenie a meno súboru</translation>
    </message>
    <message>
        <source>Textové soubory (*.txt)</source>
        <translation>Textové súbory (*.txt)</translation>
    </message>
    <message>
        <source>Všechny soubory (*.*)</source>
        <translation>Všetky súbory (*.*)</translation>
    </message>
    <message>
        <source>Soubor nebyl uložen</source>
        <translation>Súbor nebol uložený</translation>
    </message>
    <message>
        <source>Soubor „%1“ se nepodařilo uložit: %2
Zkus jiné umístění nebo jméno.</source>
        <translation>Súbor „%1“ sa nepodarilo uložiť: %2
Skús iné umiestnenie alebo meno.</translation>
    </message>
</context>
<context>
    <name>TeacherDatabase</name>
    <message>
        <source>Databázi %1 nelze zkopírovat na server %2: %3. Na serveru se nic nezměnilo.</source>
        <translation>Databázu %1 nemožno skopírovať na server %2: %3. Na serveri sa nič nezmenilo.</translation>
    </message>
    <message>
        <source>na serveru: %1</source>
        <translation>na serveri: %1</translation>
    </message>
    <message>
        <source>v souboru: %1</source>
        <translation>v súbore: %1</translation>
    </message>
    <message>
        <source>cílem musí být databázový server</source>
        <translation>cieľom musí byť databázový server</translation>
    </message>
    <message>
        <source>na serveru už jsou žáci nebo výsledky (kopírovat lze jen do prázdné školní databáze)</source>
        <translation>na serveri už sú žiaci alebo výsledky (kopírovať možno len do prázdnej školskej databázy)</translation>
    </message>
    <message>
        <source>Databázi %1 nelze otevřít: %2.</source>
        <translation>Databázu %1 nemožno otvoriť: %2.</translation>
    </message>
    <message>
        <source>Databázi %1 nelze vytvořit: %2.</source>
        <translation>Databázu %1 nemožno vytvoriť: %2.</translation>
    </message>
    <message>
        <source>Zprávy nelze uložit do databáze %1: %2. Nic nebylo uloženo.</source>
        <translation>Správy nemožno uložiť do databázy %1: %2. Nič nebolo uložené.</translation>
    </message>
    <message>
        <source>Zprávy nelze načíst z databáze %1: %2.</source>
        <translation>Správy nemožno načítať z databázy %1: %2.</translation>
    </message>
    <message>
        <source>Seznam žáků nelze načíst z databáze %1: %2.</source>
        <translation>Zoznam žiakov nemožno načítať z databázy %1: %2.</translation>
    </message>
    <message>
        <source>Změnu nelze zapsat do databáze %1: %2.</source>
        <translation>Zmenu nemožno zapísať do databázy %1: %2.</translation>
    </message>
    <message>
        <source>Žáky nelze importovat do databáze %1: %2. Databáze zůstala beze změny.</source>
        <translation>Žiakov nemožno importovať do databázy %1: %2. Databáza zostala bez zmeny.</translation>
    </message>
    <message>
        <source>Zprávy v databázi %1 nelze změnit: %2. Nic se nezměnilo.</source>
        <translation>Správy v databáze %1 nemožno zmeniť: %2. Nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Výsledky nelze smazat z databáze %1: %2. Nic nebylo smazáno.</source>
        <translation>Výsledky nemožno vymazať z databázy %1: %2. Nič nebolo vymazané.</translation>
    </message>
    <message>
        <source>databáze je otevřená jen pro čtení</source>
        <translation>databáza je otvorená len na čítanie</translation>
    </message>
    <message>
        <source>žák %1 ze třídy %2 už v databázi je</source>
        <translation>žiak %1 z triedy %2 už v databáze je</translation>
    </message>
    <message>
        <source>je to složka, ne soubor</source>
        <translation>je to priečinok, nie súbor</translation>
    </message>
    <message>
        <source>databáze je otevřená jen pro čtení a je starší verze: nelze ji doplnit</source>
        <translation>databáza je otvorená len na čítanie a je staršej verzie: nemožno ju doplniť</translation>
    </message>
    <message>
        <source>přihlášený uživatel nemá na serveru práva učitele (role tesilka_ucitel)</source>
        <translation>prihlásený používateľ nemá na serveri práva učiteľa (rola tesilka_ucitel)</translation>
    </message>
    <message>
        <source>není to školní databáze, chybí v ní tabulka %1</source>
        <translation>nie je to školská databáza, chýba v nej tabuľka %1</translation>
    </message>
    <message>
        <source>není to školní databáze, %1</source>
        <translation>nie je to školská databáza, %1</translation>
    </message>
    <message>
        <source>databáze na serveru je starší verze: správce serveru ji doplní tím, že na ni znovu spustí schema-postgresql.sql</source>
        <translation>databáza na serveri je staršej verzie: správca servera ju doplní tak, že na ňu znova spustí schema-postgresql.sql</translation>
    </message>
    <message>
        <source>na serveru databázi zakládá správce serveru</source>
        <translation>na serveri zakladá databázu správca servera</translation>
    </message>
    <message>
        <source>cesta k souboru je prázdná</source>
        <translation>cesta k súboru je prázdna</translation>
    </message>
    <message>
        <source>soubor už existuje</source>
        <translation>súbor už existuje</translation>
    </message>
    <message>
        <source>složka neexistuje</source>
        <translation>priečinok neexistuje</translation>
    </message>
    <message>
        <source>do složky nelze zapisovat</source>
        <translation>do priečinka nemožno zapisovať</translation>
    </message>
    <message>
        <source>soubor nelze zapsat na místo určení</source>
        <translation>súbor nemožno zapísať na miesto určenia</translation>
    </message>
    <message>
        <source>žák %1 ze třídy %2 v seznamu žáků není</source>
        <translation>žiak %1 z triedy %2 nie je v zozname žiakov</translation>
    </message>
    <message>
        <source>běh žáka %1 už v databázi není tak, jak byl zobrazen; tabulku načtěte znovu</source>
        <translation>beh žiaka %1 už v databáze nie je taký, ako bol zobrazený; načítajte tabuľku znova</translation>
    </message>
    <message>
        <source>zpráva už v databázi není; tabulku načtěte znovu</source>
        <translation>správa už v databáze nie je; načítajte tabuľku znova</translation>
    </message>
    <message>
        <source>příjmení chybí</source>
        <translation>priezvisko chýba</translation>
    </message>
    <message>
        <source>třída chybí</source>
        <translation>trieda chýba</translation>
    </message>
    <message>
        <source>žák už v databázi není, zřejmě ho mezitím někdo smazal</source>
        <translation>žiak už v databáze nie je, zrejme ho medzitým niekto vymazal</translation>
    </message>
    <message>
        <source>na řádku %1 chybí třída</source>
        <translation>na riadku %1 chýba trieda</translation>
    </message>
    <message>
        <source>na řádku %1 chybí příjmení</source>
        <translation>na riadku %1 chýba priezvisko</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Vítejte</source>
        <translation>Vitajte</translation>
    </message>
    <message>
        <source>&amp;Připojit k lokálnímu školnímu serveru</source>
        <translation>&amp;Pripojiť sa k školskému serveru</translation>
    </message>
    <message>
        <source>&amp;Vyber svůj profil:</source>
        <translation>&amp;Vyber si svoj profil:</translation>
    </message>
    <message>
        <source>Vyber svůj profil</source>
        <translation>Vyber si svoj profil</translation>
    </message>
    <message>
        <source>&amp;Generovat data pro odeslání emailem</source>
        <translation>&amp;Generovať údaje pre e-mail</translation>
    </message>
    <message>
        <source>&amp;Jméno:</source>
        <translation>&amp;Meno:</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>&amp;Trieda:</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;O programe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Zruš</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>Načítám seznam žáků…</source>
        <translation>Načítavam zoznam žiakov…</translation>
    </message>
    <message>
        <source>Školní databáze</source>
        <translation>Školská databáza</translation>
    </message>
    <message>
        <source>Výsledek bude možné odeslat učiteli e-mailem.</source>
        <translation>Výsledok bude možné poslať učiteľovi e-mailom.</translation>
    </message>
    <message>
        <source>V seznamu žáků školní databáze jsou záznamy bez příjmení (počet: %1).</source>
        <translation>V zozname žiakov školskej databázy sú záznamy bez priezviska (počet: %1).</translation>
    </message>
    <message>
        <source>Tyto záznamy v seznamu chybějí, protože k nim nelze uložit výsledek. Pokud tam nenajdeš sebe, řekni to vyučujícímu.</source>
        <translation>Tieto záznamy v zozname chýbajú, pretože k nim nemožno uložiť výsledok. Ak tam nenájdeš seba, povedz to vyučujúcemu.</translation>
    </message>
</context>
<context>
    <name>WrongWindow</name>
    <message>
        <source>Napětí</source>
        <translation>Napätie</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Prúd</translation>
    </message>
    <message>
        <source>Odpor</source>
        <translation>Odpor</translation>
    </message>
    <message>
        <source>Napětí mělo být</source>
        <translation>Správne napätie</translation>
    </message>
    <message>
        <source>Proud měl být</source>
        <translation>Správny prúd</translation>
    </message>
    <message>
        <source>Odpor měl být</source>
        <translation>Správny odpor</translation>
    </message>
    <message>
        <source>Špatně</source>
        <translation>Zle</translation>
    </message>
    <message>
        <source>No nic, přeci chybami se člověk učí ne!? Správně to mělo vypadat takto.</source>
        <translation>Nič sa nedeje, veď na chybách sa človek učí, nie!? Správne to malo vyzerať takto.</translation>
    </message>
</context>
</TS>
