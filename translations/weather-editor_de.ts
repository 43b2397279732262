<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColumnTotals</name>
    <message>
        <source>Total %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breezy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gusty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drizzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downpour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freezing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precipitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;weather-editor --help&apos;.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appends a copy of the configuration on display as the last one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Last Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the last configuration while it is on display. Configurations in the middle cannot be deleted, so the game&apos;s numbering stays unbroken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 configurations, as many as it can: there is no room for a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last configuration has the largest number there is: a copy cannot be numbered after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the last configuration, %1 &quot;%2&quot;? Edit, Undo brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
