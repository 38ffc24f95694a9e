<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PageParts</name>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Field Error</source>
        <translation>Feldfehler</translation>
    </message>
</context>
<context>
    <name>PropertyDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>The property could not be set.</source>
        <translation>Die Eigenschaft konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source> (error %1)</source>
        <translation> (Fehler %1)</translation>
    </message>
</context>
<context>
    <name>StandardColorPage</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>StandardFontPage</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
</context>
<context>
    <name>StandardPage</name>
    <message>
        <source>&amp;Property Name:</source>
        <translation>&amp;Eigenschaft:</translation>
    </message>
</context>
<context>
    <name>StandardPicturePage</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keines)</translation>
    </message>
</context>
<context>
    <name>ZVCalendar</name>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Maximum Calendar Date Setting Reached.</source>
        <translation>Das späteste einstellbare Kalenderdatum ist erreicht.</translation>
    </message>
    <message>
        <source>Minimum Calendar Date Setting Reached.</source>
        <translation>Das früheste einstellbare Kalenderdatum ist erreicht.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>pagZVCalButton</name>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - Keine</translation>
    </message>
    <message>
        <source>1 - Picture To Button</source>
        <translation>1 - Bild an Schaltfläche</translation>
    </message>
    <message>
        <source>2 - Button To Picture</source>
        <translation>2 - Schaltfläche an Bild</translation>
    </message>
    <message>
        <source>1 - Raised w/ Light Shading</source>
        <translation>1 - Erhaben, leicht schattiert</translation>
    </message>
    <message>
        <source>2 - Raised w/ Heavy Shading</source>
        <translation>2 - Erhaben, stark schattiert</translation>
    </message>
    <message>
        <source>3 - Inset w/ Light Shading</source>
        <translation>3 - Vertieft, leicht schattiert</translation>
    </message>
    <message>
        <source>4 - Inset w/ Heavy Shading</source>
        <translation>4 - Vertieft, stark schattiert</translation>
    </message>
    <message>
        <source>0 - Default</source>
        <translation>0 - Standard</translation>
    </message>
    <message>
        <source>1 - Arrow</source>
        <translation>1 - Pfeil</translation>
    </message>
    <message>
        <source>2 - Cross</source>
        <translation>2 - Kreuz</translation>
    </message>
    <message>
        <source>3 - IBeam</source>
        <translation>3 - Textcursor</translation>
    </message>
    <message>
        <source>4 - Icon</source>
        <translation>4 - Symbol</translation>
    </message>
    <message>
        <source>5 - Size</source>
        <translation>5 - Größe ändern</translation>
    </message>
    <message>
        <source>6 - Size NE SW</source>
        <translation>6 - Größe NO SW</translation>
    </message>
    <message>
        <source>7 - Size N S</source>
        <translation>7 - Größe N S</translation>
    </message>
    <message>
        <source>8 - Size NW SE</source>
        <translation>8 - Größe NW SO</translation>
    </message>
    <message>
        <source>9 - Size W E</source>
        <translation>9 - Größe W O</translation>
    </message>
    <message>
        <source>10 - UpArrow</source>
        <translation>10 - Pfeil nach oben</translation>
    </message>
    <message>
        <source>11 - HourGlass</source>
        <translation>11 - Sanduhr</translation>
    </message>
    <message>
        <source>12 - No Drop</source>
        <translation>12 - Ablegen nicht möglich</translation>
    </message>
    <message>
        <source>13 - Arrow And HourGlass</source>
        <translation>13 - Pfeil und Sanduhr</translation>
    </message>
    <message>
        <source>14 - Arrow And Question</source>
        <translation>14 - Pfeil und Fragezeichen</translation>
    </message>
    <message>
        <source>15 - Size All</source>
        <translation>15 - Größe alle Richtungen</translation>
    </message>
    <message>
        <source>99 - Custom</source>
        <translation>99 - Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>pagZVCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
</context>
</TS>
