<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="cs_CZ">
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
        <translation>Really?</translation>
    </message>
    <message>
        <source>Jseš si úplně jist?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Zadal jsi napětí</source>
        <translation>You entered the voltage</translation>
    </message>
    <message>
        <source>Zadal jsi odpor</source>
        <translation>You entered the resistance</translation>
    </message>
    <message>
        <source>Zadal jsi proud</source>
        <translation>You entered the current</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Ne - znova</source>
        <translation>&amp;No, again</translation>
    </message>
</context>
<context>
    <name>ContinueOrQuitDialog</name>
    <message>
        <source>&amp;POKRAČOVAT</source>
        <translation>&amp;CONTINUE</translation>
    </message>
    <message>
        <source>&amp;KONEC</source>
        <translation>&amp;QUIT</translation>
    </message>
</context>
<context>
    <name>CorrectWindow</name>
    <message>
        <source>Gratuluji</source>
        <translation>Well done</translation>
    </message>
    <message>
        <source>Velmi dobře</source>
        <translation>Very good</translation>
    </message>
    <message>
        <source>Na poslední otázku jsi odpověděl naprosto správně!</source>
        <translation>You got the last question exactly right!</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>mikro</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>mili</source>
        <translation>milli</translation>
    </message>
    <message>
        <source>bez předpony</source>
        <translation>no prefix</translation>
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
        <translation>Tesilka: Ohm&apos;s law</translation>
    </message>
    <message>
        <source>Zadání:</source>
        <translation>Task:</translation>
    </message>
    <message>
        <source>Výsledek</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Předpona</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>&amp;Pokračovat</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Napětí:</source>
        <translation>Voltage:</translation>
    </message>
    <message>
        <source>Proud:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>Odpor:</source>
        <translation>Resistance:</translation>
    </message>
    <message>
        <source>Vypočítej napětí:</source>
        <translation>Find the voltage:</translation>
    </message>
    <message>
        <source>Vypočítej proud:</source>
        <translation>Find the current:</translation>
    </message>
    <message>
        <source>Vypočítej odpor:</source>
        <translation>Find the resistance:</translation>
    </message>
    <message>
        <source>Zkus to znovu</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Zkus zadat nějaké hezké jednotky.</source>
        <translation>Try typing some nicer units.</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>neznámá chyba</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Tesilka – chyba</source>
        <translation>Tesilka – error</translation>
    </message>
    <message>
        <source>Program narazil na chybu a bude ukončen.

Příčina: %1</source>
        <translation>The program has run into an error and will close.

Cause: %1</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Informace</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tesilka</source>
        <translation>Tesilka</translation>
    </message>
    <message>
        <source>verze %1
© Tesilka, 2026</source>
        <translation>version %1
© Tesilka, 2026</translation>
    </message>
    <message>
        <source>&lt;div&gt;Tento program je určen žákům základních a středních škol na procvičování Ohmova zákona. Jeho prostředí je k tomuto účelu také vytvořeno. Doufám, že se Vám tento program zalíbí a budete jeho věrnými uživateli.&lt;/div&gt;&lt;div&gt;Mnoho správně spočítaných rovnic Vám přeje&lt;/div&gt;&lt;div align=&quot;right&quot;&gt;autoři Tesilky&lt;/div&gt;</source>
        <translation>&lt;div&gt;This program is for pupils at primary and secondary schools to practise Ohm&apos;s law, and its windows are made for just that. We hope you like it and keep coming back to it.&lt;/div&gt;&lt;div&gt;Wishing you many correctly solved equations,&lt;/div&gt;&lt;div align=&quot;right&quot;&gt;the Tesilka team&lt;/div&gt;</translation>
    </message>
    <message>
        <source>Pokud byste nalezli v tomto programu chybu nebo měli námět na jeho zlepšení či návrh na jiný program můžete mě kontaktovat e-mailem na:</source>
        <translation>If you find a mistake in this program, have an idea for making it better or would like another program, you can e-mail me at:</translation>
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
        <translation>no prefix</translation>
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
        <translation>Your number is right, but the prefix is wrong: it should be %1, not %2.</translation>
    </message>
    <message>
        <source>Násobil(a) jsi, ale tady se dělí: %1.</source>
        <translation>You multiplied, but here you divide: %1.</translation>
    </message>
    <message>
        <source>Dělil(a) jsi, ale tady se násobí: %1.</source>
        <translation>You divided, but here you multiply: %1.</translation>
    </message>
    <message>
        <source>Dělil(a) jsi obráceně: %1.</source>
        <translation>You divided the wrong way round: %1.</translation>
    </message>
</context>
<context>
    <name>MistakesDatabase</name>
    <message>
        <source>Chyby žáků nelze načíst z databáze %1: %2.</source>
        <translation>The pupils&apos; mistakes cannot be loaded from the database %1: %2.</translation>
    </message>
    <message>
        <source>Chyby žáků nelze spočítat: SQLite odmítlo funkci mediánu.</source>
        <translation>The pupils&apos; mistakes cannot be computed: SQLite refused the median function.</translation>
    </message>
</context>
<context>
    <name>QuitWindow</name>
    <message>
        <source>Konec ?</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>Opravdu skončit?</source>
        <translation>Really quit?</translation>
    </message>
</context>
<context>
    <name>ReportDecoder</name>
    <message>
        <source>blok je neúplný: chybí jeho konec (žák zkopíroval jen část?)</source>
        <translation>the block is incomplete: its end is missing (did the pupil copy only part of it?)</translation>
    </message>
    <message>
        <source>Text v bloku není zpráva z programu Tesilka: řádek %1 zprávy neodpovídá „%2“.</source>
        <translation>The text in the block is not a Tesilka report: line %1 of the report does not match “%2”.</translation>
    </message>
    <message>
        <source>Počet odpovědí ve zprávě je mimo možný rozsah.</source>
        <translation>The number of answers in the report is out of the possible range.</translation>
    </message>
    <message>
        <source>Text v bloku není zpráva z programu Tesilka: má nečekaný počet řádků.</source>
        <translation>The text in the block is not a Tesilka report: it has an unexpected number of lines.</translation>
    </message>
    <message>
        <source>Počty nesouhlasí: %1 dobře a %2 špatně není celkem %3 odpovědí.</source>
        <translation>The counts do not add up: %1 right and %2 wrong is not %3 answers in all.</translation>
    </message>
    <message>
        <source>Zpráva uvádí 0 odpovědí, ale obsahuje počty dobrých a špatných.</source>
        <translation>The report gives 0 answers but has counts of right and wrong ones.</translation>
    </message>
    <message>
        <source>Procenta ve zprávě neodpovídají počtům dobrých a špatných odpovědí.</source>
        <translation>The percentages in the report do not match the counts of right and wrong answers.</translation>
    </message>
    <message>
        <source>Konec práce (Do) je ve zprávě dříve než její začátek (Od).</source>
        <translation>The end of work (Do) in the report is earlier than its start (Od).</translation>
    </message>
    <message>
        <source>V bloku není žádná skupina číslic.</source>
        <translation>The block has no group of digits.</translation>
    </message>
    <message>
        <source>Poškozená skupina „%1“ na řádku %2.</source>
        <translation>Damaged group “%1” on line %2.</translation>
    </message>
    <message>
        <source>Blok nezačíná značkou „4b“, ale skupinou „%1“ na řádku %2.</source>
        <translation>The block does not begin with the marker “4b” but with the group “%1” on line %2.</translation>
    </message>
    <message>
        <source>Blok obsahuje jen značku „4b“, zpráva v něm není.</source>
        <translation>The block holds only the marker “4b”, with no report in it.</translation>
    </message>
</context>
<context>
    <name>ResultsDatabase</name>
    <message>
        <source>Výsledky nelze načíst z databáze %1: %2.</source>
        <translation>The results cannot be read from the database %1: %2.</translation>
    </message>
    <message>
        <source>Výsledky nelze řadit podle české abecedy: SQLite odmítlo řazení.</source>
        <translation>The results cannot be sorted in Czech alphabetical order: SQLite refused the sort.</translation>
    </message>
</context>
<context>
    <name>SchoolDatabase</name>
    <message>
        <source>adresa serveru není platná</source>
        <translation>the server&apos;s address is not valid</translation>
    </message>
    <message>
        <source>(PostgreSQL: %1)</source>
        <translation>(PostgreSQL: %1)</translation>
    </message>
    <message>
        <source>adresa serveru je prázdná</source>
        <translation>the server&apos;s address is empty</translation>
    </message>
    <message>
        <source>cesta k souboru je prázdná</source>
        <translation>the file&apos;s path is empty</translation>
    </message>
    <message>
        <source>chybí ovladač PostgreSQL pro Qt (balíček libqt6sql6-psql)</source>
        <translation>Qt&apos;s PostgreSQL driver is missing (package libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>chybí ovladač SQLite</source>
        <translation>the SQLite driver is missing</translation>
    </message>
    <message>
        <source>(SQLite: %1)</source>
        <translation>(SQLite: %1)</translation>
    </message>
    <message>
        <source>server neodpovídá (není spuštěný, nebo k němu nevede spojení)</source>
        <translation>the server does not answer (it is not running, or there is no connection to it)</translation>
    </message>
    <message>
        <source>server teď nepřijímá spojení (spouští se, nebo se vypíná)</source>
        <translation>the server is not taking connections now (it is starting or shutting down)</translation>
    </message>
    <message>
        <source>spojení se serverem se přerušilo</source>
        <translation>the connection to the server was broken</translation>
    </message>
    <message>
        <source>server je přetížený, zkuste to za chvíli</source>
        <translation>the server is overloaded, try again in a moment</translation>
    </message>
    <message>
        <source>server žádá heslo, ale pro tohoto uživatele žádné uložené není (soubor ~/.pgpass)</source>
        <translation>the server asks for a password, but none is stored for this user (file ~/.pgpass)</translation>
    </message>
    <message>
        <source>server odmítl přihlášení: chybné jméno nebo heslo</source>
        <translation>the server refused the login: wrong name or password</translation>
    </message>
    <message>
        <source>server odmítl přihlášení (neznámý uživatel nebo databáze, nebo přístup odtud není povolen)</source>
        <translation>the server refused the login (unknown user or database, or no access allowed from here)</translation>
    </message>
    <message>
        <source>uživatel, pod kterým se program k serveru připojil, k tomu nemá oprávnění</source>
        <translation>the user the program connected to the server as is not allowed to do that</translation>
    </message>
    <message>
        <source>chybí v ní tabulka</source>
        <translation>it lacks a table</translation>
    </message>
    <message>
        <source>chybí v ní tabulka %1</source>
        <translation>it lacks the table %1</translation>
    </message>
    <message>
        <source>chybí v ní pole</source>
        <translation>it lacks a field</translation>
    </message>
    <message>
        <source>chybí v ní pole %1</source>
        <translation>it lacks the field %1</translation>
    </message>
    <message>
        <source>chybí v ní funkce pro zápis nebo součty žáků (správce serveru ji doplní souborem schema-postgresql.sql)</source>
        <translation>it lacks the function for storing results or the pupils&apos; totals (the server&apos;s administrator adds it with the file schema-postgresql.sql)</translation>
    </message>
    <message>
        <source>databáze na serveru neexistuje</source>
        <translation>the database does not exist on the server</translation>
    </message>
    <message>
        <source>součet výsledků je větší, než program dokáže zpracovat</source>
        <translation>the sum of the results is larger than the program can handle</translation>
    </message>
    <message>
        <source>databáze je na serveru jen pro čtení</source>
        <translation>the database on the server is read-only</translation>
    </message>
    <message>
        <source>souběžný zápis z jiného počítače, zkuste to znovu</source>
        <translation>another computer was writing at the same time, try again</translation>
    </message>
    <message>
        <source>server je přetížený nebo mu došlo místo</source>
        <translation>the server is overloaded or has run out of space</translation>
    </message>
    <message>
        <source>server výsledek odmítl: žák s tímto příjmením a třídou není v seznamu žáků</source>
        <translation>the server refused the result: no pupil with this surname and class is in the pupil list</translation>
    </message>
    <message>
        <source>server výsledek odmítl: neznámý druh cvičení</source>
        <translation>the server refused the result: unknown kind of exercise</translation>
    </message>
    <message>
        <source>server výsledek odmítl: tolik odpovědí se za dobu cvičení nedá stihnout</source>
        <translation>the server refused the result: that many answers cannot be given in the exercise&apos;s time</translation>
    </message>
    <message>
        <source>server výsledek odmítl: datum nebo čas běhu není platný</source>
        <translation>the server refused the result: the run&apos;s date or time is not valid</translation>
    </message>
    <message>
        <source>server výsledek odmítl: hodiny tohoto počítače neukazují stejný čas jako server</source>
        <translation>the server refused the result: this computer&apos;s clock does not show the same time as the server&apos;s</translation>
    </message>
    <message>
        <source>server výsledek odmítl: jméno uživatele počítače je příliš dlouhé</source>
        <translation>the server refused the result: the computer&apos;s user name is too long</translation>
    </message>
    <message>
        <source>server výsledek odmítl: záznam jednotlivých odpovědí neodpovídá výsledku cvičení</source>
        <translation>the server refused the result: the record of the single answers does not match the exercise&apos;s result</translation>
    </message>
    <message>
        <source>server odmítl hodnotu, která v tabulce nemůže být</source>
        <translation>the server refused a value that cannot be in the table</translation>
    </message>
    <message>
        <source>server příkaz přerušil, protože trval příliš dlouho</source>
        <translation>the server stopped the command because it took too long</translation>
    </message>
    <message>
        <source>tabulku na serveru drží zamčenou jiné spojení, zkuste to za chvíli</source>
        <translation>another connection keeps the table on the server locked, try again in a moment</translation>
    </message>
    <message>
        <source>server ohlásil chybu</source>
        <translation>the server reported an error</translation>
    </message>
    <message>
        <source>hodnota %1 obsahuje středník</source>
        <translation>the value %1 contains a semicolon</translation>
    </message>
    <message>
        <source>Seznam žáků nelze načíst ze školní databáze „%1“: %2.</source>
        <translation>The pupil list cannot be read from the school database “%1”: %2.</translation>
    </message>
    <message>
        <source>Výsledek nelze zapsat do školní databáze „%1“: %2.</source>
        <translation>The result cannot be written to the school database “%1”: %2.</translation>
    </message>
    <message>
        <source>součet výsledků žáka %1 je větší, než program dokáže zpracovat</source>
        <translation>the sum of the results of pupil %1 is larger than the program can handle</translation>
    </message>
    <message>
        <source>pole %1 žáka %2 obsahuje hodnotu, která není celé číslo</source>
        <translation>the field %1 of pupil %2 holds a value that is not a whole number</translation>
    </message>
    <message>
        <source>server neodpověděl</source>
        <translation>the server did not answer</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>databáze ohlásila chybu</source>
        <translation>the database reported an error</translation>
    </message>
    <message>
        <source>soubor je příliš dlouho zamčený, zřejmě do něj zapisuje jiný počítač</source>
        <translation>the file has been locked too long, probably another computer is writing to it</translation>
    </message>
    <message>
        <source>soubor nelze otevřít</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>soubor neexistuje nebo není dostupný</source>
        <translation>the file does not exist or cannot be reached</translation>
    </message>
    <message>
        <source>soubor není databáze</source>
        <translation>the file is not a database</translation>
    </message>
    <message>
        <source>soubor je poškozený</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>do souboru nelze zapisovat</source>
        <translation>the file cannot be written to</translation>
    </message>
    <message>
        <source>k souboru není přístup</source>
        <translation>there is no access to the file</translation>
    </message>
    <message>
        <source>při čtení nebo zápisu souboru nastala chyba</source>
        <translation>an error happened while reading or writing the file</translation>
    </message>
</context>
<context>
    <name>Souhrn</name>
    <message>
        <source> příklad</source>
        <translation> problem</translation>
    </message>
    <message>
        <source> příklady</source>
        <translation> problems</translation>
    </message>
    <message>
        <source> příkladů</source>
        <translation> problems</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Tesilka na Ohmův zákon</source>
        <translation>Tesilka for Ohm&apos;s law</translation>
    </message>
    <message>
        <source>verze %1</source>
        <translation>version %1</translation>
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
        <translation>there is no free space on the disk</translation>
    </message>
    <message>
        <source>soubor nebo jeho složka byly mezitím smazány nebo přesunuty</source>
        <translation>the file or its folder has been deleted or moved in the meantime</translation>
    </message>
    <message>
        <source>do složky nelze zapisovat (nemáte v ní právo zápisu)</source>
        <translation>the folder cannot be written to (you have no permission to write in it)</translation>
    </message>
    <message>
        <source>disk je připojený jen pro čtení</source>
        <translation>the disk is mounted read-only</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Souhrn</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Dnes jsi spočítal: </source>
        <translation>Solved today: </translation>
    </message>
    <message>
        <source>Dobře:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>Špatně:</source>
        <translation>Wrong:</translation>
    </message>
    <message>
        <source>Celkem jsi spočítal:</source>
        <translation>Solved in all:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Dnes jsi spočítal %1, dobře %2, špatně %3. Celkem jsi spočítal %4, dobře %5, špatně %6.</source>
        <translation>Solved today %1, right %2, wrong %3. Solved in all %4, right %5, wrong %6.</translation>
    </message>
    <message>
        <source>Ukládám výsledek do školní databáze…</source>
        <translation>Saving the result in the school database…</translation>
    </message>
    <message>
        <source> přes</source>
        <translation> over</translation>
    </message>
    <message>
        <source>Výsledek se nepodařilo uložit do školní databáze.</source>
        <translation>The result could not be saved in the school database.</translation>
    </message>
    <message>
        <source>%1

Můžeš to zkusit znovu, nebo si výsledek nechat připravit pro vyučujícího a poslat ho e-mailem.</source>
        <translation>%1

You can try again, or have the result made ready for your teacher and send it by e-mail.</translation>
    </message>
    <message>
        <source>&amp;Zkusit znovu</source>
        <translation>&amp;Try again</translation>
    </message>
    <message>
        <source>&amp;Poslat e-mailem</source>
        <translation>&amp;Send by e-mail</translation>
    </message>
    <message>
        <source>není k dispozici</source>
        <translation>not available</translation>
    </message>
</context>
<context>
    <name>TeacherDataWindow</name>
    <message>
        <source>Generované informace pro vyučujícího</source>
        <translation>Data for your teacher</translation>
    </message>
    <message>
        <source>Zakódovaný výsledek</source>
        <translation>Coded result</translation>
    </message>
    <message>
        <source>Blok pro vyučujícího. Vlož ho do schránky nebo ulož do souboru a pošli e-mailem.</source>
        <translation>A block for your teacher. Copy it to the clipboard or save it to a file, and send it by e-mail.</translation>
    </message>
    <message>
        <source>&amp;Vložit do schránky</source>
        <translation>&amp;Copy to clipboard</translation>
    </message>
    <message>
        <source>&amp;Uložit do textového souboru</source>
        <translation>&amp;Save to a text file</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Vložil(a) jsi už zkopírovaný blok do e-mailu?</source>
        <translation>Have you pasted the copied block into your e-mail yet?</translation>
    </message>
    <message>
        <source>Po skončení programu může blok ze schránky zmizet. Bezpečnější je uložit ho do textového souboru a ten poslat.</source>
        <translation>When the program ends, the block may vanish from the clipboard. It is safer to save it to a text file and send that.</translation>
    </message>
    <message>
        <source>&amp;Ne, vrátit se</source>
        <translation>&amp;No, go back</translation>
    </message>
    <message>
        <source>&amp;Ano, skončit</source>
        <translation>&amp;Yes, quit</translation>
    </message>
    <message>
        <source>Vyber umístění a jméno souboru</source>
        <translation>Choose where to save the file and its name</translation>
    </message>
    <message>
        <source>Textové soubory (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Všechny soubory (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Soubor nebyl uložen</source>
        <translation>The file was not saved</translation>
    </message>
    <message>
        <source>Soubor „%1“ se nepodařilo uložit: %2
Zkus jiné umístění nebo jméno.</source>
        <translation>The file “%1” could not be saved: %2
Try another place or name.</translation>
    </message>
</context>
<context>
    <name>TeacherDatabase</name>
    <message>
        <source>Databázi %1 nelze zkopírovat na server %2: %3. Na serveru se nic nezměnilo.</source>
        <translation>The database %1 cannot be copied to the server %2: %3. Nothing has changed on the server.</translation>
    </message>
    <message>
        <source>na serveru: %1</source>
        <translation>on the server: %1</translation>
    </message>
    <message>
        <source>v souboru: %1</source>
        <translation>in the file: %1</translation>
    </message>
    <message>
        <source>cílem musí být databázový server</source>
        <translation>the target must be a database server</translation>
    </message>
    <message>
        <source>na serveru už jsou žáci nebo výsledky (kopírovat lze jen do prázdné školní databáze)</source>
        <translation>the server already has pupils or results (you can copy only into an empty school database)</translation>
    </message>
    <message>
        <source>Databázi %1 nelze otevřít: %2.</source>
        <translation>The database %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Databázi %1 nelze vytvořit: %2.</source>
        <translation>The database %1 cannot be created: %2.</translation>
    </message>
    <message>
        <source>Zprávy nelze uložit do databáze %1: %2. Nic nebylo uloženo.</source>
        <translation>The reports cannot be saved in the database %1: %2. Nothing was saved.</translation>
    </message>
    <message>
        <source>Zprávy nelze načíst z databáze %1: %2.</source>
        <translation>The reports cannot be read from the database %1: %2.</translation>
    </message>
    <message>
        <source>Seznam žáků nelze načíst z databáze %1: %2.</source>
        <translation>The pupil list cannot be read from the database %1: %2.</translation>
    </message>
    <message>
        <source>Změnu nelze zapsat do databáze %1: %2.</source>
        <translation>The change cannot be written to the database %1: %2.</translation>
    </message>
    <message>
        <source>Žáky nelze importovat do databáze %1: %2. Databáze zůstala beze změny.</source>
        <translation>The pupils cannot be imported into the database %1: %2. The database is unchanged.</translation>
    </message>
    <message>
        <source>Zprávy v databázi %1 nelze změnit: %2. Nic se nezměnilo.</source>
        <translation>The reports in the database %1 cannot be changed: %2. Nothing has changed.</translation>
    </message>
    <message>
        <source>Výsledky nelze smazat z databáze %1: %2. Nic nebylo smazáno.</source>
        <translation>The results cannot be deleted from the database %1: %2. Nothing was deleted.</translation>
    </message>
    <message>
        <source>databáze je otevřená jen pro čtení</source>
        <translation>the database is open read-only</translation>
    </message>
    <message>
        <source>žák %1 ze třídy %2 už v databázi je</source>
        <translation>pupil %1 of class %2 is already in the database</translation>
    </message>
    <message>
        <source>je to složka, ne soubor</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>databáze je otevřená jen pro čtení a je starší verze: nelze ji doplnit</source>
        <translation>the database is open read-only and of an older version: it cannot be brought up to date</translation>
    </message>
    <message>
        <source>přihlášený uživatel nemá na serveru práva učitele (role tesilka_ucitel)</source>
        <translation>the logged-in user has no teacher&apos;s rights on the server (role tesilka_ucitel)</translation>
    </message>
    <message>
        <source>není to školní databáze, chybí v ní tabulka %1</source>
        <translation>it is not a school database, it lacks the table %1</translation>
    </message>
    <message>
        <source>není to školní databáze, %1</source>
        <translation>it is not a school database, %1</translation>
    </message>
    <message>
        <source>databáze na serveru je starší verze: správce serveru ji doplní tím, že na ni znovu spustí schema-postgresql.sql</source>
        <translation>the database on the server is of an older version: the server&apos;s administrator brings it up to date by running schema-postgresql.sql on it again</translation>
    </message>
    <message>
        <source>na serveru databázi zakládá správce serveru</source>
        <translation>on a server, the server&apos;s administrator creates the database</translation>
    </message>
    <message>
        <source>cesta k souboru je prázdná</source>
        <translation>the file&apos;s path is empty</translation>
    </message>
    <message>
        <source>soubor už existuje</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>složka neexistuje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>do složky nelze zapisovat</source>
        <translation>the folder cannot be written to</translation>
    </message>
    <message>
        <source>soubor nelze zapsat na místo určení</source>
        <translation>the file cannot be written to its destination</translation>
    </message>
    <message>
        <source>žák %1 ze třídy %2 v seznamu žáků není</source>
        <translation>pupil %1 of class %2 is not in the pupil list</translation>
    </message>
    <message>
        <source>běh žáka %1 už v databázi není tak, jak byl zobrazen; tabulku načtěte znovu</source>
        <translation>the run of pupil %1 is no longer in the database as it was shown; reload the table</translation>
    </message>
    <message>
        <source>zpráva už v databázi není; tabulku načtěte znovu</source>
        <translation>the report is no longer in the database; reload the table</translation>
    </message>
    <message>
        <source>příjmení chybí</source>
        <translation>the surname is missing</translation>
    </message>
    <message>
        <source>třída chybí</source>
        <translation>the class is missing</translation>
    </message>
    <message>
        <source>žák už v databázi není, zřejmě ho mezitím někdo smazal</source>
        <translation>the pupil is no longer in the database, someone probably deleted them meanwhile</translation>
    </message>
    <message>
        <source>na řádku %1 chybí třída</source>
        <translation>the class is missing on line %1</translation>
    </message>
    <message>
        <source>na řádku %1 chybí příjmení</source>
        <translation>the surname is missing on line %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Vítejte</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>&amp;Připojit k lokálnímu školnímu serveru</source>
        <translation>Connect to the &amp;school server</translation>
    </message>
    <message>
        <source>&amp;Vyber svůj profil:</source>
        <translation>Choose your &amp;profile:</translation>
    </message>
    <message>
        <source>Vyber svůj profil</source>
        <translation>Choose your profile</translation>
    </message>
    <message>
        <source>&amp;Generovat data pro odeslání emailem</source>
        <translation>&amp;Generate data to send by e-mail</translation>
    </message>
    <message>
        <source>&amp;Jméno:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Třída:</source>
        <translation>C&amp;lass:</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Zruš</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Načítám seznam žáků…</source>
        <translation>Loading the pupil list…</translation>
    </message>
    <message>
        <source>Školní databáze</source>
        <translation>School database</translation>
    </message>
    <message>
        <source>Výsledek bude možné odeslat učiteli e-mailem.</source>
        <translation>You will be able to send the result to your teacher by e-mail.</translation>
    </message>
    <message>
        <source>V seznamu žáků školní databáze jsou záznamy bez příjmení (počet: %1).</source>
        <translation>The pupil list of the school database has entries without a surname (%1 of them).</translation>
    </message>
    <message>
        <source>Tyto záznamy v seznamu chybějí, protože k nim nelze uložit výsledek. Pokud tam nenajdeš sebe, řekni to vyučujícímu.</source>
        <translation>These entries are left out of the list, because no result can be saved for them. If you cannot find yourself there, tell your teacher.</translation>
    </message>
</context>
<context>
    <name>WrongWindow</name>
    <message>
        <source>Napětí</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Odpor</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Napětí mělo být</source>
        <translation>Right voltage</translation>
    </message>
    <message>
        <source>Proud měl být</source>
        <translation>Right current</translation>
    </message>
    <message>
        <source>Odpor měl být</source>
        <translation>Right resistance</translation>
    </message>
    <message>
        <source>Špatně</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>No nic, přeci chybami se člověk učí ne!? Správně to mělo vypadat takto.</source>
        <translation>Never mind – mistakes help us learn! This is how it should have looked.</translation>
    </message>
</context>
</TS>
