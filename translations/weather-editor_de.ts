<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColumnTotals</name>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Load each FILE without opening a window and report its configuration count or its first error. Exits 0 when every file loads, else 1. A FILE of - is standard input.</source>
        <translation>Lädt jede Datei FILE, ohne ein Fenster zu öffnen, und meldet die Zahl ihrer Konfigurationen oder ihren ersten Fehler. Endet mit 0, wenn jede Datei geladen wird, sonst mit 1. Eine Datei - ist die Standardeingabe.</translation>
    </message>
    <message>
        <source>Edits the weather configurations file (weather.cfg) of Pitchmaster 00-01.</source>
        <translation>Bearbeitet die Wetterkonfigurationsdatei (weather.cfg) von Pitchmaster 00-01.</translation>
    </message>
    <message>
        <source>--check needs at least one FILE.</source>
        <translation>--check braucht mindestens eine Datei FILE.</translation>
    </message>
    <message>
        <source>The editor opens one FILE at a time.</source>
        <translation>Der Editor öffnet nur eine Datei FILE auf einmal.</translation>
    </message>
    <message>
        <source>The editor cannot open standard input (-); give it a FILE.</source>
        <translation>Der Editor kann die Standardeingabe (-) nicht öffnen; geben Sie eine Datei FILE an.</translation>
    </message>
    <message>
        <source>The platform plugin to use, such as xcb, wayland or offscreen.</source>
        <translation>Das zu verwendende Plattform-Plugin, etwa xcb, wayland oder offscreen.</translation>
    </message>
    <message>
        <source>The folder to load platform plugins from.</source>
        <translation>Der Ordner, aus dem Plattform-Plugins geladen werden.</translation>
    </message>
    <message>
        <source>The platform theme to use.</source>
        <translation>Das zu verwendende Plattform-Design.</translation>
    </message>
    <message>
        <source>An additional plugin to load; may be given more than once.</source>
        <translation>Ein weiteres zu ladendes Plugin; darf mehrmals angegeben werden.</translation>
    </message>
    <message>
        <source>Starts the QML/JS debugger on the given port.</source>
        <translation>Startet den QML/JS-Debugger am angegebenen Port.</translation>
    </message>
    <message>
        <source>The size and place of the window, written as X11 writes it: 800x600+50+50.</source>
        <translation>Größe und Lage des Fensters in der Schreibweise von X11: 800x600+50+50.</translation>
    </message>
    <message>
        <source>The window&apos;s icon.</source>
        <translation>Das Symbol des Fensters.</translation>
    </message>
    <message>
        <source>The window&apos;s title.</source>
        <translation>Der Titel des Fensters.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Stellt das Programm aus einer früheren Sitzung wieder her.</translation>
    </message>
    <message>
        <source>X11: the display to use instead of $DISPLAY.</source>
        <translation>X11: die zu verwendende Anzeige statt $DISPLAY.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11: dasselbe wie -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11: dasselbe wie -qwindowtitle.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11: dasselbe wie -qwindowicon.</translation>
    </message>
    <message>
        <source>X11: the program&apos;s name for the window system.</source>
        <translation>X11: der Name des Programms für das Fenstersystem.</translation>
    </message>
    <message>
        <source>X11: the visual to use, by its id.</source>
        <translation>X11: das zu verwendende Visual, nach seiner Kennung.</translation>
    </message>
    <message>
        <source>X11: talks to the X server synchronously, for debugging.</source>
        <translation>X11: spricht synchron mit dem X-Server, zur Fehlersuche.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>Nimmt Maus und Tastatur nie exklusiv in Beschlag.</translation>
    </message>
    <message>
        <source>Grabs the mouse and the keyboard even under a debugger.</source>
        <translation>Nimmt Maus und Tastatur auch unter einem Debugger exklusiv in Beschlag.</translation>
    </message>
    <message>
        <source>The widget style, such as Fusion.</source>
        <translation>Der Stil der Bedienelemente, etwa Fusion.</translation>
    </message>
    <message>
        <source>A style sheet file for the window.</source>
        <translation>Eine Stylesheet-Datei für das Fenster.</translation>
    </message>
    <message>
        <source>Reports at the end how many widgets were left and the most that existed at once.</source>
        <translation>Meldet am Ende, wie viele Bedienelemente übrig blieben und wie viele höchstens gleichzeitig bestanden.</translation>
    </message>
    <message>
        <source>The configuration file to open (with --check: one or more files to check; with --diff: OLD and NEW).</source>
        <translation>Die zu öffnende Konfigurationsdatei (mit --check: eine oder mehrere zu prüfende Dateien; mit --diff: OLD und NEW).</translation>
    </message>
    <message>
        <source>Compare the configurations of two FILEs, OLD and NEW, without opening a window, and print one line per difference and a summary. Exits 0 when they are equal, 1 when they differ, 2 when a file fails to load. One FILE may be - (standard input).</source>
        <translation>Vergleicht die Konfigurationen zweier Dateien FILE, OLD und NEW, ohne ein Fenster zu öffnen, und gibt eine Zeile je Unterschied und eine Zusammenfassung aus. Endet mit 0, wenn sie gleich sind, mit 1, wenn sie sich unterscheiden, und mit 2, wenn eine Datei nicht geladen werden kann. Eine der Dateien darf - (Standardeingabe) sein.</translation>
    </message>
    <message>
        <source>Give either --check or --diff, not both.</source>
        <translation>Geben Sie entweder --check oder --diff an, nicht beides.</translation>
    </message>
    <message>
        <source>--diff needs two FILEs, OLD and NEW.</source>
        <translation>--diff braucht zwei Dateien FILE, OLD und NEW.</translation>
    </message>
    <message>
        <source>Only one of the two FILEs can be standard input (-).</source>
        <translation>Nur eine der beiden Dateien FILE kann die Standardeingabe (-) sein.</translation>
    </message>
    <message>
        <source>%1 and %2 are one stream, which can be read only once; compare two files.</source>
        <translation>%1 und %2 sind ein und derselbe Datenstrom, der sich nur einmal lesen lässt; vergleichen Sie zwei Dateien.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>The web browser could not be started to show %1. Open the address in a browser yourself.</source>
        <translation>Der Webbrowser konnte nicht gestartet werden, um %1 anzuzeigen. Öffnen Sie die Adresse selbst in einem Browser.</translation>
    </message>
    <message>
        <source>&amp;Open Copy</source>
        <translation>Kopie &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Keep This File</source>
        <translation>Diese Datei &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>&amp;Update and Save</source>
        <translation>&amp;Setzen und speichern</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>A configuration name cannot hold a line break.</source>
        <translation>Ein Konfigurationsname darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A configuration name cannot hold &quot;%1&quot; (U+%2): the game&apos;s code page (Windows-1252) has no such character.</source>
        <translation>Ein Konfigurationsname darf „%1“ (U+%2) nicht enthalten: Die Codepage des Spiels (Windows-1252) kennt dieses Zeichen nicht.</translation>
    </message>
    <message>
        <source>A configuration name can be at most %1 characters long.</source>
        <translation>Ein Konfigurationsname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Update %1 of %2</source>
        <translation>%1 von %2 setzen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Import from CSV</source>
        <translation>Import aus CSV</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>%1 *</source>
        <translation>%1 *</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 of %2 has changes that are not updated.</source>
        <translation>%1 von %2 enthält Änderungen, die noch nicht übernommen sind.</translation>
    </message>
    <message>
        <source>%1 of %2 have changes that are not updated.</source>
        <translation>%1 von %2 enthalten Änderungen, die noch nicht übernommen sind.</translation>
    </message>
</context>
<context>
    <name>SeasonText</name>
    <message>
        <source>the box is empty; it needs a whole number</source>
        <translation>das Feld ist leer; es muss eine ganze Zahl enthalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is below -32768</source>
        <translation>%1 liegt unter -32768</translation>
    </message>
    <message>
        <source>%1 is above 32767</source>
        <translation>%1 liegt über 32767</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A box and what is wrong with its text, as in &quot;Summer Hot: 32768 is above 32767.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>1 configuration</source>
        <translation>1 Konfiguration</translation>
    </message>
    <message>
        <source>%1 configurations</source>
        <translation>%1 Konfigurationen</translation>
    </message>
    <message>
        <source>%1, %2 changed</source>
        <translation>%1, %2 geändert</translation>
    </message>
</context>
<context>
    <name>ValueBars</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A value beside its bar, as in &quot;Calm 25&quot;, or &quot;Calm ?&quot; for a box without a number.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2% of %3</source>
        <extracomment>A value and its share of its group, as in &quot;Calm 25, 25% of Wind&quot;.</extracomment>
        <translation>%1, %2 % von %3</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Start Day</source>
        <translation>Starttag</translation>
    </message>
    <message>
        <source>Calm</source>
        <translation>Windstill</translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation>Brise</translation>
    </message>
    <message>
        <source>Gusty</source>
        <translation>Böig</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Trocken</translation>
    </message>
    <message>
        <source>Wet</source>
        <translation>Nass</translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation>Niesel</translation>
    </message>
    <message>
        <source>Shower</source>
        <translation>Schauer</translation>
    </message>
    <message>
        <source>Downpour</source>
        <translation>Wolkenbruch</translation>
    </message>
    <message>
        <source>Freezing</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kalt</translation>
    </message>
    <message>
        <source>Mild</source>
        <translation>Mild</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Schön</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Very Hot</source>
        <translation>Sehr heiß</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Precipitation</source>
        <translation>Niederschlag</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Wärme</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A value of a season, as in &quot;Summer Gusty&quot;.</extracomment>
        <translation>%2 im %1</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>%1 %2 Total</source>
        <extracomment>The sum under a column of a season, as in &quot;Summer Wind Total&quot;.</extracomment>
        <translation>Summe %2 im %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>The bar beside a value box, as in &quot;Summer Wind Calm&quot;.</extracomment>
        <translation>%3 (%2) im %1</translation>
    </message>
    <message>
        <source>%1 Start Days</source>
        <extracomment>The strip of the year that marks the seasons&apos; start days, on a season&apos;s tab.</extracomment>
        <translation>Starttage im %1</translation>
    </message>
</context>
<context>
    <name>YearStrip</name>
    <message>
        <source>%1 starts on day %2, outside 1 to %3</source>
        <translation>%1 beginnt an Tag %2, außerhalb von 1 bis %3</translation>
    </message>
    <message>
        <source>%1 and %2 start on day %3</source>
        <translation>%1 und %2 beginnen an Tag %3</translation>
    </message>
    <message>
        <source>%1 starts before %2</source>
        <translation>%1 beginnt vor %2</translation>
    </message>
</context>
<context>
    <name>csvcommand</name>
    <message>
        <source>Try &apos;weather-editor --help&apos;.</source>
        <translation>Versuchen Sie &apos;weather-editor --help&apos;.</translation>
    </message>
    <message>
        <source>Write the configurations of FILE.cfg (&quot;-&quot;: standard input) as CSV for a spreadsheet, to standard output or to the file given by -o.</source>
        <translation>Schreibt die Konfigurationen von DATEI.cfg (&quot;-&quot;: Standardeingabe) als CSV für eine Tabellenkalkulation, auf die Standardausgabe oder in die mit -o angegebene Datei.</translation>
    </message>
    <message>
        <source>FILE.cfg</source>
        <translation>DATEI.cfg</translation>
    </message>
    <message>
        <source>Read the configurations from FILE.csv (&quot;-&quot;: standard input) and write them as a weather configuration file to the file given by -o, replacing it in one step. Nothing is written when the CSV has a fault.</source>
        <translation>Liest die Konfigurationen aus DATEI.csv (&quot;-&quot;: Standardeingabe) und schreibt sie als Wetterkonfigurationsdatei in die mit -o angegebene Datei, die in einem Schritt ersetzt wird. Hat die CSV-Datei einen Fehler, wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>FILE.csv</source>
        <translation>DATEI.csv</translation>
    </message>
    <message>
        <source>The file that --export-csv or --import-csv writes.</source>
        <translation>Die Datei, die --export-csv oder --import-csv schreibt.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>ZIEL</translation>
    </message>
    <message>
        <source>Give either --export-csv or --import-csv, not both.</source>
        <translation>Geben Sie entweder --export-csv oder --import-csv an, nicht beides.</translation>
    </message>
    <message>
        <source>-o and --separator go with --export-csv or --import-csv.</source>
        <translation>-o und --separator gehören zu --export-csv oder --import-csv.</translation>
    </message>
    <message>
        <source>--export-csv and --import-csv take no other files or commands; name the output with -o.</source>
        <translation>--export-csv und --import-csv nehmen keine weiteren Dateien oder Befehle an; nennen Sie die Ausgabe mit -o.</translation>
    </message>
    <message>
        <source>Give one input file and at most one -o.</source>
        <translation>Geben Sie eine Eingabedatei und höchstens ein -o an.</translation>
    </message>
    <message>
        <source>--import-csv needs -o OUT.cfg, the file to write.</source>
        <translation>--import-csv braucht -o ZIEL.cfg, die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>What --export-csv writes between the fields: comma (the default), semicolon (for spreadsheets where the decimal point is a comma) or tab. The import finds the separator itself.</source>
        <translation>Was --export-csv zwischen die Felder schreibt: comma (Komma, die Vorgabe), semicolon (Semikolon, für Tabellenkalkulationen, in denen das Dezimalzeichen ein Komma ist) oder tab (Tabulator). Der Import erkennt das Trennzeichen selbst.</translation>
    </message>
    <message>
        <source>--separator is for --export-csv; the import finds the separator itself.</source>
        <translation>--separator gilt für --export-csv; der Import erkennt das Trennzeichen selbst.</translation>
    </message>
    <message>
        <source>Give --separator at most once.</source>
        <translation>Geben Sie --separator höchstens einmal an.</translation>
    </message>
    <message>
        <source>--separator takes comma, semicolon or tab, not &quot;%1&quot;.</source>
        <translation>--separator nimmt comma, semicolon oder tab, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text, read as Windows-1252</source>
        <translation>%1: kein UTF-8-Text, als Windows-1252 gelesen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;weather-editor --help&apos;.</source>
        <translation>Versuchen Sie &apos;weather-editor --help&apos;.</translation>
    </message>
    <message>
        <source>-: cannot write standard output</source>
        <translation>-: Die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>weather::ChangeValuesDialog</name>
    <message>
        <source>Change Values of 1 Configuration</source>
        <translation>Werte von 1 Konfiguration ändern</translation>
    </message>
    <message>
        <source>Change Values of %1 Configurations</source>
        <translation>Werte von %1 Konfigurationen ändern</translation>
    </message>
    <message>
        <source>Set to</source>
        <translation>Setzen auf</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplizieren mit</translation>
    </message>
    <message>
        <source>Scale group to total</source>
        <translation>Gruppe auf Summe skalieren</translation>
    </message>
    <message>
        <source>%1 (every value)</source>
        <translation>%1 (jeder Wert)</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Vorgang:</translation>
    </message>
    <message>
        <source>&amp;Season:</source>
        <translation>&amp;Jahreszeit:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Zahl:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>&amp;Factor:</source>
        <translation>&amp;Faktor:</translation>
    </message>
    <message>
        <source>&amp;Total:</source>
        <translation>&amp;Summe:</translation>
    </message>
</context>
<context>
    <name>weather::CompareDialog</name>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Changes from %1 to the window</source>
        <translation>Änderungen von %1 zum Fenster</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message numerus="yes">
        <source>No differences in %n configuration(s).</source>
        <translation>
            <numerusform>Keine Unterschiede in %n Konfiguration.</numerusform>
            <numerusform>Keine Unterschiede in %n Konfigurationen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n configuration(s) differ</source>
        <translation>
            <numerusform>%n Konfiguration unterscheidet sich</numerusform>
            <numerusform>%n Konfigurationen unterscheiden sich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n only in %1</source>
        <translation>
            <numerusform>%n nur in %1</numerusform>
            <numerusform>%n nur in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n only in the window</source>
        <translation>
            <numerusform>%n nur im Fenster</numerusform>
            <numerusform>%n nur im Fenster</numerusform>
        </translation>
    </message>
    <message>
        <source>the header line differs</source>
        <translation>die Kopfzeile unterscheidet sich</translation>
    </message>
    <message>
        <source>the text after the last configuration differs</source>
        <translation>der Text nach der letzten Konfiguration unterscheidet sich</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Takes the ticked differences from %1 into the window, as one step that Undo takes back</source>
        <translation>Übernimmt die angekreuzten Unterschiede aus %1 ins Fenster, als ein Schritt, den Rückgängig zurücknimmt</translation>
    </message>
    <message>
        <source>Tick what to take from %1 (Space ticks the current row), then Apply. Configurations only in %1 are added after the last.</source>
        <translation>Kreuzen Sie an, was aus %1 übernommen werden soll (die Leertaste kreuzt die aktuelle Zeile an), dann Übernehmen. Konfigurationen, die nur in %1 stehen, werden nach der letzten angefügt.</translation>
    </message>
</context>
<context>
    <name>weather::ConfigTableModel</name>
    <message>
        <source>%1
Changed since the file was opened or saved</source>
        <translation>%1
Seit dem Öffnen oder Speichern der Datei geändert</translation>
    </message>
    <message>
        <source>Changed since the file was opened or saved</source>
        <translation>Seit dem Öffnen oder Speichern der Datei geändert</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>weather::DiffTreeModel</name>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>empty line</source>
        <translation>Leerzeile</translation>
    </message>
    <message>
        <source>comment line %1</source>
        <translation>Kommentarzeile %1</translation>
    </message>
    <message>
        <source>header line</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>text after the last configuration</source>
        <translation>Text nach der letzten Konfiguration</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>%1 (only in %2)</source>
        <translation>%1 (nur in %2)</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>weather::SeasonPage</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A bar&apos;s accessible description: season, group and what the bar says, as in &quot;Summer Wind Calm 25, 25% of Wind&quot;.</extracomment>
        <translation>%2 im %1: %3</translation>
    </message>
    <message>
        <source>Stored: %1; Update stores what the box holds</source>
        <translation>Gespeichert: %1; Setzen übernimmt, was im Feld steht</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A season&apos;s start day on the year strip, as in &quot;Summer day 172&quot; or &quot;Summer ?&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (und %n weitere)</numerusform>
            <numerusform>%1 (und %n weitere)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>weather::ValueTable</name>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Configurations and their values</source>
        <translation>Konfigurationen und ihre Werte</translation>
    </message>
    <message>
        <source>Filter Value</source>
        <translation>Filterwert</translation>
    </message>
    <message>
        <source>Filter Comparison</source>
        <translation>Filtervergleich</translation>
    </message>
    <message>
        <source>Filter Number</source>
        <translation>Filterzahl</translation>
    </message>
    <message>
        <source>Every value</source>
        <translation>Jeder Wert</translation>
    </message>
    <message>
        <source>equal to</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>not equal to</source>
        <translation>ungleich</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source>less than or equal to</source>
        <translation>kleiner oder gleich</translation>
    </message>
    <message>
        <source>more than</source>
        <translation>größer als</translation>
    </message>
    <message>
        <source>more than or equal to</source>
        <translation>größer oder gleich</translation>
    </message>
    <message>
        <source>&amp;Show rows where</source>
        <translation>&amp;Zeilen zeigen mit</translation>
    </message>
</context>
<context>
    <name>weather::ValueTableModel</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>weather::frmWeather</name>
    <message>
        <source>%1 was changed by another program after it was opened. Overwrite it with the configurations in this window?</source>
        <translation>%1 wurde nach dem Öffnen von einem anderen Programm geändert. Mit den Konfigurationen in diesem Fenster überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Duplicate Configuration</source>
        <translation>Konfiguration &amp;duplizieren</translation>
    </message>
    <message>
        <source>Appends a copy of the configuration on display as the last one.</source>
        <translation>Hängt eine Kopie der angezeigten Konfiguration als letzte an.</translation>
    </message>
    <message>
        <source>Delete &amp;Last Configuration</source>
        <translation>&amp;Letzte Konfiguration löschen</translation>
    </message>
    <message>
        <source>Deletes the last configuration while it is on display. Configurations in the middle cannot be deleted, so the game&apos;s numbering stays unbroken.</source>
        <translation>Löscht die letzte Konfiguration, solange sie angezeigt wird. Konfigurationen in der Mitte lassen sich nicht löschen, damit die Nummerierung des Spiels lückenlos bleibt.</translation>
    </message>
    <message>
        <source>The name was not changed.</source>
        <translation>Der Name wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The file holds %1 configurations, as many as it can: there is no room for a copy.</source>
        <translation>Die Datei enthält %1 Konfigurationen, so viele wie möglich: Für eine Kopie ist kein Platz.</translation>
    </message>
    <message>
        <source>The last configuration has the largest number there is: a copy cannot be numbered after it.</source>
        <translation>Die letzte Konfiguration hat die größtmögliche Nummer: Eine Kopie kann nicht nach ihr nummeriert werden.</translation>
    </message>
    <message>
        <source>Delete the last configuration, %1 &quot;%2&quot;? Edit, Undo brings it back.</source>
        <translation>Die letzte Konfiguration, %1 „%2“, löschen? Bearbeiten, Rückgängig holt sie zurück.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Export as &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import from CSV...</source>
        <translation>Aus CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Configuration Folder</source>
        <translation>Konfigurationsordner</translation>
    </message>
    <message>
        <source>Configurations</source>
        <translation>Konfigurationen</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Configuration Name</source>
        <translation>Konfigurationsname</translation>
    </message>
    <message>
        <source>Configuration Number</source>
        <translation>Konfigurationsnummer</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open a configuration file first.</source>
        <translation>Öffnen Sie zuerst eine Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>The file was not saved.
%1</source>
        <translation>Die Datei wurde nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>The CSV file was not written.</source>
        <translation>Die CSV-Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Select a configuration in the list first: there is nothing to update yet.</source>
        <translation>Wählen Sie zuerst eine Konfiguration in der Liste: Noch gibt es nichts zu übernehmen.</translation>
    </message>
    <message>
        <source>%1
Nothing was updated.</source>
        <translation>%1
Es wurde nichts übernommen.</translation>
    </message>
    <message>
        <source>Save changes to %1 before closing?</source>
        <translation>Änderungen an %1 vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Weather Configurations Editor for Pitchmaster 00-01, version %1 
Edits the game&apos;s weather.cfg. Free software under the MIT licence.
%2</source>
        <translation>Wetterkonfigurations-Editor für Pitchmaster 00-01, Version %1 
Bearbeitet die weather.cfg des Spiels. Freie Software unter der MIT-Lizenz.
%2</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>A configuration name cannot be empty.</source>
        <translation>Der Name einer Konfiguration darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Save changes to %1 before opening another file?</source>
        <translation>Änderungen an %1 speichern, bevor eine andere Datei geöffnet wird?</translation>
    </message>
    <message>
        <source>Opened 1 configuration from %1</source>
        <translation>1 Konfiguration aus %1 geöffnet</translation>
    </message>
    <message>
        <source>Opened %1 configurations from %2</source>
        <translation>%1 Konfigurationen aus %2 geöffnet</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Saved 1 configuration to %1</source>
        <translation>1 Konfiguration in %1 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1 configurations to %2</source>
        <translation>%1 Konfigurationen in %2 gespeichert</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Exported 1 configuration to %1</source>
        <translation>1 Konfiguration nach %1 exportiert</translation>
    </message>
    <message>
        <source>Exported %1 configurations to %2</source>
        <translation>%1 Konfigurationen nach %2 exportiert</translation>
    </message>
    <message>
        <source>Imported 1 configuration from %1</source>
        <translation>1 Konfiguration aus %1 importiert</translation>
    </message>
    <message>
        <source>Imported %1 configurations from %2</source>
        <translation>%1 Konfigurationen aus %2 importiert</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Opens a weather configuration file.</source>
        <translation>Öffnet eine Wetterkonfigurationsdatei.</translation>
    </message>
    <message>
        <source>Writes the configurations back to the open file.</source>
        <translation>Schreibt die Konfigurationen in die geöffnete Datei zurück.</translation>
    </message>
    <message>
        <source>Writes the configurations to a CSV file for a spreadsheet.</source>
        <translation>Schreibt die Konfigurationen in eine CSV-Datei für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Replaces the configurations with those of a CSV file.</source>
        <translation>Ersetzt die Konfigurationen durch die einer CSV-Datei.</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Narrows the list to the configurations whose name or number you type.</source>
        <translation>Zeigt in der Liste nur die Konfigurationen, deren Name oder Nummer Sie eingeben.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find a name or number</source>
        <translation>Name oder Nummer suchen</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>CSV and tab-separated files (*.csv *.tsv *.txt)</source>
        <translation>CSV- und tabulatorgetrennte Dateien (*.csv *.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, durch Kommas getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon-separated (*.csv)</source>
        <translation>CSV, durch Semikolons getrennt (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Text, durch Tabulatoren getrennt (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>%1
Nothing was copied.</source>
        <translation>%1
Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 of %2</source>
        <translation>%1 von %2 kopiert</translation>
    </message>
    <message>
        <source>The clipboard holds 1 number</source>
        <translation>Die Zwischenablage enthält 1 Zahl</translation>
    </message>
    <message>
        <source>The clipboard holds %1 numbers</source>
        <translation>Die Zwischenablage enthält %1 Zahlen</translation>
    </message>
    <message>
        <source>; a season takes 18, or 17 without its start day.</source>
        <translation>; eine Jahreszeit braucht 18, oder 17 ohne ihren Starttag.</translation>
    </message>
    <message>
        <source>The clipboard holds an empty cell</source>
        <translation>Die Zwischenablage enthält eine leere Zelle</translation>
    </message>
    <message>
        <source>The clipboard holds &quot;%1&quot;, which is not a whole number from -32768 to 32767</source>
        <translation>Die Zwischenablage enthält „%1“, keine ganze Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>&amp;Copy Season</source>
        <translation>Jahreszeit &amp;kopieren</translation>
    </message>
    <message>
        <source>Puts the season in front on the clipboard as one row of a spreadsheet.</source>
        <translation>Legt die angezeigte Jahreszeit als eine Tabellenzeile in die Zwischenablage.</translation>
    </message>
    <message>
        <source>&amp;Paste Season</source>
        <translation>Jahreszeit &amp;einfügen</translation>
    </message>
    <message>
        <source>The game reads %1, which differs from this file: Windows keeps that copy for the game since it once saved into %2 without the right to write there. Edits to this file do not reach the game.

Open the game&apos;s copy instead?</source>
        <translation>Das Spiel liest %1, und diese Datei weicht davon ab: Windows hält diese Kopie für das Spiel bereit, seit es einmal ohne Schreibrecht in %2 gespeichert hat. Änderungen an dieser Datei erreichen das Spiel nicht.

Stattdessen die Kopie des Spiels öffnen?</translation>
    </message>
    <message>
        <source>The file was not saved: %1 is in use by another program, most likely the game Pitchmaster 00-01. Close the game, then press Retry. The configurations stay in this window.</source>
        <translation>Die Datei wurde nicht gespeichert: %1 wird von einem anderen Programm verwendet, wahrscheinlich vom Spiel Pitchmaster 00-01. Schließen Sie das Spiel und wählen Sie dann Wiederholen. Die Konfigurationen bleiben in diesem Fenster.</translation>
    </message>
    <message>
        <source>The file was not saved: Windows does not let you change files in %1.
Run the editor as administrator (right-click it, Run as administrator), or copy the file to a folder of your own, open it there and save. The configurations stay in this window.</source>
        <translation>Die Datei wurde nicht gespeichert: Windows erlaubt Ihnen keine Änderungen an Dateien in %1.
Starten Sie den Editor als Administrator (Rechtsklick, Als Administrator ausführen), oder kopieren Sie die Datei in einen eigenen Ordner, öffnen Sie sie dort und speichern Sie. Die Konfigurationen bleiben in diesem Fenster.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(und %n weitere)</numerusform>
            <numerusform>(und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was opened, with these warnings:</source>
        <translation>%1 wurde geöffnet, mit diesen Warnungen:</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>%1 is a CSV file, not a weather configuration file. Open the configuration file to import it into, then choose File &gt; Import from CSV.</source>
        <translation>%1 ist eine CSV-Datei, keine Wetterkonfigurationsdatei. Öffnen Sie die Konfigurationsdatei, in die sie importiert werden soll, und wählen Sie dann Datei &gt; Aus CSV importieren.</translation>
    </message>
    <message>
        <source>%1 is a CSV file, not a weather configuration file. Import its configurations into %2, in place of those in the window?</source>
        <translation>%1 ist eine CSV-Datei, keine Wetterkonfigurationsdatei. Ihre Konfigurationen in %2 importieren, anstelle derer im Fenster?</translation>
    </message>
    <message>
        <source>Imported 1 configuration from %1 (not UTF-8 text, read as Windows-1252)</source>
        <translation>1 Konfiguration aus %1 importiert (kein UTF-8-Text, als Windows-1252 gelesen)</translation>
    </message>
    <message>
        <source>Imported %1 configurations from %2 (not UTF-8 text, read as Windows-1252)</source>
        <translation>%1 Konfigurationen aus %2 importiert (kein UTF-8-Text, als Windows-1252 gelesen)</translation>
    </message>
    <message>
        <source>No file open</source>
        <translation>Keine Datei geöffnet</translation>
    </message>
    <message>
        <source>Paste %1 of %2</source>
        <translation>Einfügen von %1 in %2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Wider List</source>
        <translation>Liste &amp;breiter</translation>
    </message>
    <message>
        <source>&amp;Narrower List</source>
        <translation>Liste &amp;schmaler</translation>
    </message>
    <message>
        <source>&amp;Reset List Width</source>
        <translation>Listenbreite &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>N&amp;ext Season</source>
        <translation>&amp;Nächste Jahreszeit</translation>
    </message>
    <message>
        <source>&amp;Previous Season</source>
        <translation>&amp;Vorige Jahreszeit</translation>
    </message>
    <message>
        <source>%1 has values not updated, and the file has unsaved changes.</source>
        <translation>%1 hat nicht gesetzte Werte, und die Datei hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file: the window opens files on disk only, not folders, pipes or devices.</source>
        <translation>%1 ist keine gewöhnliche Datei: Das Fenster öffnet nur Dateien auf einem Datenträger, keine Ordner, Pipes oder Geräte.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is not a full path.</source>
        <translation>%1 ist kein vollständiger Pfad.</translation>
    </message>
    <message>
        <source>It was removed from the recent files.</source>
        <translation>Der Eintrag wurde aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Open Weather Configurations</source>
        <translation>Wetterkonfigurationen öffnen</translation>
    </message>
    <message>
        <source>Weather configurations (*.cfg)</source>
        <translation>Wetterkonfigurationen (*.cfg)</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>Pasted %1 values into %2: %3 keeps them</source>
        <translation>%1 Werte in %2 eingefügt: %3 übernimmt sie</translation>
    </message>
    <message>
        <source>Configurations in the file, and those changed since it was loaded or saved</source>
        <translation>Konfigurationen in der Datei, und die seit dem Laden oder Speichern geänderten</translation>
    </message>
    <message>
        <source>Undid import: %1 configurations restored</source>
        <translation>Import rückgängig gemacht: %1 Konfigurationen wiederhergestellt</translation>
    </message>
    <message>
        <source>Redid import: %1 configurations imported</source>
        <translation>Import wiederholt: %1 Konfigurationen importiert</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Lists what differs between these configurations and those of another file, and takes what you tick from it.</source>
        <translation>Listet auf, worin sich diese Konfigurationen von denen einer anderen Datei unterscheiden, und übernimmt daraus, was Sie ankreuzen.</translation>
    </message>
    <message>
        <source>1 configuration only in %1 did not fit: a file holds at most %2 configurations, or a number above the last would be too large. The others were taken.</source>
        <translation>1 Konfiguration, die nur in %1 steht, passte nicht mehr: Eine Datei fasst höchstens %2 Konfigurationen, oder eine Nummer über der letzten wäre zu groß. Die übrigen wurden übernommen.</translation>
    </message>
    <message>
        <source>%1 configurations only in %2 did not fit: a file holds at most %3 configurations, or a number above the last would be too large. The others were taken.</source>
        <translation>%1 Konfigurationen, die nur in %2 stehen, passten nicht mehr: Eine Datei fasst höchstens %3 Konfigurationen, oder eine Nummer über der letzten wäre zu groß. Die übrigen wurden übernommen.</translation>
    </message>
    <message>
        <source>Merge 1 configuration from %1</source>
        <translation>1 Konfiguration aus %1 zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 configurations from %2</source>
        <translation>%1 Konfigurationen aus %2 zusammenführen</translation>
    </message>
    <message>
        <source>%1 configurations</source>
        <translation>%1 Konfigurationen</translation>
    </message>
    <message>
        <source>%1 of %2 would become %3, but a value runs from -32768 to 32767.
Nothing was changed.</source>
        <translation>%1 von %2 würde %3, aber ein Wert reicht von -32768 bis 32767.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Set %1 to %2</source>
        <translation>%1 auf %2 setzen</translation>
    </message>
    <message>
        <source>Add %1 to %2</source>
        <translation>%1 zu %2 addieren</translation>
    </message>
    <message>
        <source>Multiply %1 by %2</source>
        <translation>%1 mit %2 multiplizieren</translation>
    </message>
    <message>
        <source>Scale %1 to %2</source>
        <translation>%1 auf %2 skalieren</translation>
    </message>
    <message>
        <source>%1 holds only zeros or a negative value in these configurations, which were left alone:
%2</source>
        <translation>%1 enthält in diesen Konfigurationen nur Nullen oder einen negativen Wert; sie blieben unverändert:
%2</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nichts geändert: %1</translation>
    </message>
    <message>
        <source>Paste %1 into %2</source>
        <translation>%1 in %2 einfügen</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>The clipboard holds no configuration: Copy Configuration puts one there as four rows of 18 numbers, Spring to Winter.</source>
        <translation>Die Zwischenablage enthält keine Konfiguration: Konfiguration kopieren legt eine dort als vier Zeilen zu 18 Zahlen ab, Frühling bis Winter.</translation>
    </message>
    <message>
        <source>Paste configuration into %1</source>
        <translation>Konfiguration in %1 einfügen</translation>
    </message>
    <message>
        <source>Revert %1 of %2</source>
        <translation>%1 von %2 zurücksetzen</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <translation>%1 zurücksetzen</translation>
    </message>
    <message>
        <source>%1; %2 added since the file was loaded or saved stayed as they are</source>
        <translation>%1; %2 seit dem Laden oder Speichern hinzugefügte blieben, wie sie sind</translation>
    </message>
    <message>
        <source>Fills the season in front with 18 numbers from the clipboard, or 17 without the start day; Update keeps them. With several configurations selected, fills that season of each.</source>
        <translation>Füllt die angezeigte Jahreszeit mit 18 Zahlen aus der Zwischenablage, oder 17 ohne den Starttag; Setzen übernimmt sie. Sind mehrere Konfigurationen ausgewählt, füllt es diese Jahreszeit in jeder.</translation>
    </message>
    <message>
        <source>C&amp;opy Configuration</source>
        <translation>Konfiguration k&amp;opieren</translation>
    </message>
    <message>
        <source>Puts the four seasons of the configuration on display on the clipboard, as four rows of a spreadsheet.</source>
        <translation>Legt die vier Jahreszeiten der angezeigten Konfiguration in die Zwischenablage, als vier Zeilen einer Tabelle.</translation>
    </message>
    <message>
        <source>Pas&amp;te Configuration</source>
        <translation>Konfiguration ein&amp;fügen</translation>
    </message>
    <message>
        <source>Gives the selected configurations the four seasons on the clipboard; their names and numbers stay.</source>
        <translation>Gibt den ausgewählten Konfigurationen die vier Jahreszeiten aus der Zwischenablage; ihre Namen und Nummern bleiben.</translation>
    </message>
    <message>
        <source>Change &amp;Values...</source>
        <translation>Werte ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Sets, adds to, multiplies or scales a value or a group in every selected configuration.</source>
        <translation>Setzt, erhöht, multipliziert oder skaliert einen Wert oder eine Gruppe in jeder ausgewählten Konfiguration.</translation>
    </message>
    <message>
        <source>Puts the selected configurations back as the file holds them.</source>
        <translation>Setzt die ausgewählten Konfigurationen auf den Stand der Datei zurück.</translation>
    </message>
    <message>
        <source>Revert &amp;Season</source>
        <translation>Jahreszei&amp;t zurücksetzen</translation>
    </message>
    <message>
        <source>Puts the season in front of the selected configurations back as the file holds it.</source>
        <translation>Setzt die angezeigte Jahreszeit der ausgewählten Konfigurationen auf den Stand der Datei zurück.</translation>
    </message>
    <message>
        <source>Revert Co&amp;nfiguration</source>
        <translation>Konfiguration &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Shows every configuration with all its values in a table.</source>
        <translation>Zeigt jede Konfiguration mit allen ihren Werten in einer Tabelle.</translation>
    </message>
    <message>
        <source>Table &amp;Columns</source>
        <translation>Tabellensp&amp;alten</translation>
    </message>
    <message>
        <source>&amp;All Values</source>
        <translation>&amp;Alle Werte</translation>
    </message>
    <message>
        <source>&amp;Start Days</source>
        <translation>&amp;Starttage</translation>
    </message>
    <message>
        <source>The value was not changed.</source>
        <translation>Der Wert wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Update %1 of %2</source>
        <extracomment>An undo step: &quot;Update Summer Gale of Alpine Valley&quot;.</extracomment>
        <translation>%1 von %2 setzen</translation>
    </message>
</context>
</TS>
