<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Remind me … days before.</source>
        <translation>Erinnern … Tage vorher.</translation>
    </message>
    <message>
        <source>Days before</source>
        <translation>Tage vorher</translation>
    </message>
    <message>
        <source>Tasks: Reminder</source>
        <translation>Aufgaben: Erinnerung</translation>
    </message>
    <message>
        <source>Tasks: Follow Up</source>
        <translation>Aufgaben: Nachfassen</translation>
    </message>
    <message>
        <source>Remind me every: … Minutes</source>
        <translation>Erinnern alle: … Minuten</translation>
    </message>
    <message>
        <source>Minutes between reminders</source>
        <translation>Minuten zwischen Erinnerungen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Category text</source>
        <translation>Kategorietext</translation>
    </message>
    <message>
        <source>Select name to use:</source>
        <translation>Zu verwendenden Namen wählen:</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>%1-Symbol</translation>
    </message>
</context>
<context>
    <name>CalButtonHost</name>
    <message>
        <source>The calendar button cannot be created (%1).</source>
        <translation>Die Kalenderschaltfläche kann nicht erzeugt werden (%1).</translation>
    </message>
    <message>
        <source>The calendar button is not a control.</source>
        <translation>Die Kalenderschaltfläche ist kein Steuerelement.</translation>
    </message>
    <message>
        <source>The calendar button&apos;s settings cannot be loaded: %1</source>
        <translation>Die Einstellungen der Kalenderschaltfläche können nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>The socket&apos;s path is too long: %1.</source>
        <translation>Der Pfad des Sockets ist zu lang: %1.</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>The lock file Notes.lck could not be opened: %1.</source>
        <translation>Die Sperrdatei Notes.lck konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Another Jotwell is already working with the notes in this folder.</source>
        <translation>Ein anderes Jotwell arbeitet bereits mit den Notizen in diesem Ordner.</translation>
    </message>
    <message>
        <source>The lock file Notes.lck could not be locked: %1.</source>
        <translation>Die Sperrdatei Notes.lck konnte nicht gesperrt werden: %1.</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Work in %1 (created when absent), as the desktop entry and the login entry do.</source>
        <translation>Im Ordner %1 arbeiten (wird angelegt, wenn er fehlt), wie es der Desktop-Eintrag und der Anmeldeeintrag tun.</translation>
    </message>
    <message>
        <source>on: start Jotwell at login, in that same folder; off: stop doing so. Writes or removes %1.</source>
        <translation>on: Jotwell bei der Anmeldung in eben diesem Ordner starten; off: nicht mehr starten. Schreibt oder entfernt %1.</translation>
    </message>
    <message>
        <source>Start a new note in the Jotwell of the folder, starting Jotwell when none runs there (the desktop entry&apos;s action &quot;New Note&quot;).</source>
        <translation>Eine neue Notiz im Jotwell des Ordners beginnen; läuft dort keines, wird Jotwell gestartet (die Aktion &quot;Neue Notiz&quot; des Desktop-Eintrags).</translation>
    </message>
    <message>
        <source>Set a new alarm in the Jotwell of the folder, starting Jotwell when none runs there (the desktop entry&apos;s action &quot;New Alarm&quot;).</source>
        <translation>Einen neuen Wecker im Jotwell des Ordners stellen; läuft dort keines, wird Jotwell gestartet (die Aktion &quot;Neuer Wecker&quot; des Desktop-Eintrags).</translation>
    </message>
    <message>
        <source>Jotwell keeps dated notes, reminds you of them and rings a daily alarm.
It keeps Notes.dat, Category.cat and Names.cat in FOLDER, or in the current folder when none is given; started from the desktop menu or at login it works in %1.
A second start in a folder where Jotwell runs brings that Jotwell&apos;s window back.</source>
        <translation>Jotwell verwaltet datierte Notizen, erinnert an sie und läutet einen täglichen Wecker.
Es hält Notes.dat, Category.cat und Names.cat in ORDNER oder, wenn keiner angegeben ist, im aktuellen Ordner; aus dem Desktop-Menü oder bei der Anmeldung gestartet, arbeitet es in %1.
Ein zweiter Start in einem Ordner, in dem Jotwell läuft, holt dessen Fenster zurück.</translation>
    </message>
    <message>
        <source>The folder given is empty; name a folder, or give none for the current one.</source>
        <translation>Der angegebene Ordner ist leer; nennen Sie einen Ordner, oder keinen für den aktuellen.</translation>
    </message>
    <message>
        <source>Give either --new-note or --new-alarm, not both.</source>
        <translation>Geben Sie entweder --new-note oder --new-alarm an, nicht beide.</translation>
    </message>
    <message>
        <source>Jotwell cannot work in the current folder: %1.</source>
        <translation>Jotwell kann nicht im aktuellen Ordner arbeiten: %1.</translation>
    </message>
    <message>
        <source>Jotwell cannot work in the folder %1: %2.</source>
        <translation>Jotwell kann nicht im Ordner %1 arbeiten: %2.</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>%1 is too large to be a list of names.</source>
        <translation>%1 ist zu groß für eine Namensliste.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 lines, more than a list can show.</source>
        <translation>%1 enthält mehr als %2 Zeilen, mehr als eine Liste anzeigen kann.</translation>
    </message>
    <message>
        <source> It was not written.</source>
        <translation> Die Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 would be too large to be a list of names. It was not written.</source>
        <translation>%1 wäre zu groß für eine Namensliste. Die Datei wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Jotwell is already running in this folder:</source>
        <translation>Jotwell läuft bereits in diesem Ordner:</translation>
    </message>
    <message>
        <source>Jotwell cannot work in this folder:</source>
        <translation>Jotwell kann in diesem Ordner nicht arbeiten:</translation>
    </message>
    <message>
        <source>A second start in this folder will not reach this Jotwell:</source>
        <translation>Ein zweiter Start in diesem Ordner erreicht dieses Jotwell nicht:</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>Notes.dat could not be opened</source>
        <translation>Notes.dat konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Notes.dat is not a regular file.</source>
        <translation>Notes.dat ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Notes.dat holds %1 notes, more than Jotwell can count (at most %2). Jotwell leaves the file as it is.</source>
        <translation>Notes.dat enthält %1 Notizen, mehr als Jotwell zählen kann (höchstens %2). Jotwell lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Notes.dat was created, but its folder could not be flushed to the disk</source>
        <translation>Notes.dat wurde angelegt, aber ihr Ordner konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Notes.dat could not be read</source>
        <translation>Notes.dat konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Notes.dat ends in %1 bytes that make no whole note, and they could not be kept aside in %2. %3 Notes.dat was left as it is.</source>
        <translation>Notes.dat endet mit %1 Bytes, die keine ganze Notiz ergeben, und sie konnten nicht in %2 beiseitegelegt werden. %3 Notes.dat blieb unverändert.</translation>
    </message>
    <message>
        <source>Notes.dat could not be made a file of whole notes</source>
        <translation>Notes.dat konnte nicht auf ganze Notizen gekürzt werden</translation>
    </message>
    <message>
        <source>Notes.dat ended in %1 bytes that make no whole note. They were moved into the file %2 beside it, so that nothing is lost, and Notes.dat now holds whole notes only.</source>
        <translation>Notes.dat endete mit %1 Bytes, die keine ganze Notiz ergeben. Sie wurden in die Datei %2 daneben verschoben, damit nichts verloren geht, und Notes.dat enthält jetzt nur noch ganze Notizen.</translation>
    </message>
    <message>
        <source>Notes.dat is not open.</source>
        <translation>Notes.dat ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>
Putting back what Notes.dat held there failed as well, so note %1 in the file may now be partly the new note and partly the old one.</source>
        <translation>
Auch das Zurückschreiben des bisherigen Inhalts von Notes.dat ist fehlgeschlagen, daher kann Notiz %1 in der Datei jetzt teils die neue und teils die alte Notiz sein.</translation>
    </message>
    <message>
        <source>There is no note number %1.</source>
        <translation>Es gibt keine Notiz mit der Nummer %1.</translation>
    </message>
    <message>
        <source>The note could not be saved, Notes.dat could not be read</source>
        <translation>Die Notiz konnte nicht gespeichert werden, Notes.dat konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The note could not be saved to Notes.dat</source>
        <translation>Die Notiz konnte nicht in Notes.dat gespeichert werden</translation>
    </message>
    <message>
        <source>The note could not be saved to the disk</source>
        <translation>Die Notiz konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>There is no note number %1 to delete.</source>
        <translation>Es gibt keine Notiz mit der Nummer %1, die gelöscht werden könnte.</translation>
    </message>
    <message>
        <source>The note could not be deleted, Notes.dat could not be examined</source>
        <translation>Die Notiz konnte nicht gelöscht werden, Notes.dat konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>The note could not be deleted. %1</source>
        <translation>Die Notiz konnte nicht gelöscht werden. %1</translation>
    </message>
    <message>
        <source>Notes.tmp could not be written</source>
        <translation>Notes.tmp konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Notes.tmp could not be flushed to the disk</source>
        <translation>Notes.tmp konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Notes.tmp could not be renamed to Notes.dat</source>
        <translation>Notes.tmp konnte nicht in Notes.dat umbenannt werden</translation>
    </message>
    <message>
        <source>The note could not be deleted, %1</source>
        <translation>Die Notiz konnte nicht gelöscht werden, %1</translation>
    </message>
    <message>
        <source>The note was deleted, but the folder of Notes.dat could not be flushed to the disk</source>
        <translation>Die Notiz wurde gelöscht, aber der Ordner von Notes.dat konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>A Simple Note and Alarm Utility.</source>
        <translation>Ein einfaches Programm für Notizen und Wecker.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The Jotwell developers.
Free software under the MIT licence.</source>
        <translation>Copyright (c) 2026 The Jotwell developers.
Freie Software unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>frmCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>frmDate</name>
    <message>
        <source>Select a Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>frmJotwell</name>
    <message>
        <source>Notes.dat holds %1 notes, the most Jotwell can count. No new note can be added.</source>
        <translation>Notes.dat enthält %1 Notizen, so viele, wie Jotwell höchstens zählen kann. Es kann keine neue Notiz hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation>Diesen Eintrag löschen?</translation>
    </message>
    <message>
        <source>Search For: </source>
        <translation>Suchen nach: </translation>
    </message>
    <message>
        <source>SEARCH</source>
        <translation>SUCHEN</translation>
    </message>
    <message>
        <source>Name </source>
        <translation>Der Name </translation>
    </message>
    <message>
        <source> was not found!</source>
        <translation> wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Reminder on</source>
        <translation>Erinnerung ein</translation>
    </message>
    <message>
        <source>Note %1 could not be read from the note file, so what the window shows is not saved over it.
Move to another note, or start Jotwell again.</source>
        <translation>Notiz %1 konnte nicht aus der Notizdatei gelesen werden, daher wird der Inhalt des Fensters nicht darüber gespeichert.
Wechseln Sie zu einer anderen Notiz oder starten Sie Jotwell neu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Please enter the note&apos;s date, for example %2.
The note was not saved.</source>
        <translation>„%1“ ist kein Datum. Bitte geben Sie das Datum der Notiz ein, zum Beispiel %2.
Die Notiz wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of days. Please enter a whole number from -32768 to 32767.
The note was not saved.</source>
        <translation>„%1“ ist keine Anzahl von Tagen. Bitte geben Sie eine ganze Zahl von -32768 bis 32767 ein.
Die Notiz wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>This is the Last Record!</source>
        <translation>Dies ist der letzte Eintrag!</translation>
    </message>
    <message>
        <source>This is the first Record!</source>
        <translation>Dies ist der erste Eintrag!</translation>
    </message>
    <message>
        <source>
The category list will not be saved when Jotwell closes, so that the file keeps its entries.</source>
        <translation>
Die Kategorienliste wird beim Beenden von Jotwell nicht gespeichert, damit die Datei ihre Einträge behält.</translation>
    </message>
    <message>
        <source>Click here to enter date.</source>
        <translation>Hier klicken, um ein Datum einzugeben.</translation>
    </message>
    <message>
        <source>The Jotwell Tracker</source>
        <translation>Der Jotwell-Tracker</translation>
    </message>
    <message>
        <source>Keep track of your reminders, no matter what program you are using.</source>
        <translation>Behalten Sie Ihre Erinnerungen im Blick, in jedem Programm.</translation>
    </message>
    <message>
        <source>&amp;Information:</source>
        <translation>&amp;Information:</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>Da&amp;tum:</translation>
    </message>
    <message>
        <source>Double click for more...</source>
        <translation>Doppelklick für mehr …</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Erinnern</translation>
    </message>
    <message>
        <source>days before.</source>
        <translation>Tage vorher.</translation>
    </message>
    <message>
        <source>&amp;Contact:</source>
        <translation>&amp;Kontakt:</translation>
    </message>
    <message>
        <source>Double click to enter names.</source>
        <translation>Doppelklick, um Namen einzugeben.</translation>
    </message>
    <message>
        <source>Ca&amp;tegory:</source>
        <translation>Kate&amp;gorie:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>&amp;Tasks:</source>
        <translation>&amp;Aufgaben:</translation>
    </message>
    <message>
        <source>R&amp;eminder</source>
        <translation>E&amp;rinnerung</translation>
    </message>
    <message>
        <source>Follow &amp;Up</source>
        <translation>Nach&amp;fassen</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Remind me every:</source>
        <translation>Erinnern alle:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>Ne&amp;u</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Jotwell</translation>
    </message>
    <message>
        <source>You have to: </source>
        <translation>Sie müssen: </translation>
    </message>
    <message>
        <source> at </source>
        <translation> um </translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>WECKER</translation>
    </message>
    <message>
        <source>Enter Memo For Alarm:</source>
        <translation>Notiz für den Wecker eingeben:</translation>
    </message>
    <message>
        <source>MEMO</source>
        <translation>NOTIZ</translation>
    </message>
    <message>
        <source>Enter alarm time:</source>
        <translation>Weckzeit eingeben:</translation>
    </message>
    <message>
        <source>The time you entered was not valid.</source>
        <translation>Die eingegebene Uhrzeit ist ungültig.</translation>
    </message>
    <message>
        <source>Reminder off</source>
        <translation>Erinnerung aus</translation>
    </message>
    <message>
        <source>please enter number</source>
        <translation>Bitte eine Zahl eingeben</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Wecker</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>TrayMenu</source>
        <translation>Infobereichsmenü</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>New Alarm</source>
        <translation>Neuer Wecker</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Can&apos;t display window!</source>
        <translation>Das Fenster kann nicht angezeigt werden!</translation>
    </message>
    <message>
        <source>Remove current Reminders first.</source>
        <translation>Entfernen Sie zuerst die aktuellen Erinnerungen.</translation>
    </message>
    <message>
        <source>Error displaying Window!</source>
        <translation>Fehler beim Anzeigen des Fensters!</translation>
    </message>
</context>
<context>
    <name>frmNames</name>
    <message>
        <source>Contact List</source>
        <translation>Kontaktliste</translation>
    </message>
    <message>
        <source>&amp;Enter name to be added:</source>
        <translation>Neuen &amp;Namen eingeben:</translation>
    </message>
    <message>
        <source>&amp;Add to list</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Select name to use:</source>
        <translation>Namen &amp;auswählen:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>
The contact list will not be saved when this window closes, so that the file keeps its names.</source>
        <translation>
Die Kontaktliste wird beim Schließen dieses Fensters nicht gespeichert, damit die Datei ihre Namen behält.</translation>
    </message>
    <message>
        <source>
Names.cat keeps the names it had. Press OK to close the list anyway, or Cancel to keep it open and try again.</source>
        <translation>
Names.cat behält die bisherigen Namen. Klicken Sie auf OK, um die Liste trotzdem zu schließen, oder auf Abbrechen, um sie geöffnet zu lassen und es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Another Jotwell has this contact list open.</source>
        <translation>Ein anderes Jotwell hat diese Kontaktliste geöffnet.</translation>
    </message>
    <message>
        <source>Names.cat cannot be locked for writing: %1.</source>
        <translation>Names.cat kann nicht zum Schreiben gesperrt werden: %1.</translation>
    </message>
    <message>
        <source>
The list is shown read-only: names added or removed in this window will not be saved.</source>
        <translation>
Die Liste wird schreibgeschützt angezeigt: in diesem Fenster hinzugefügte oder entfernte Namen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The contact list is full: it holds at most %1 names.</source>
        <translation>Die Kontaktliste ist voll: sie fasst höchstens %1 Namen.</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Jotwell - Reminder</source>
        <translation>Jotwell - Erinnerung</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
