<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>weather::Desktop</name>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>weather::frmWeather</name>
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
        <source>%1 was changed by another program after it was opened. Overwrite it with the configurations in this window?</source>
        <translation>%1 wurde nach dem Öffnen von einem anderen Programm geändert. Mit den Konfigurationen in diesem Fenster überschreiben?</translation>
    </message>
</context>
</TS>
