<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLineTool</name>
    <message>
        <source>Unknown option %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unbekannte Option %1. &quot;fenzo_cli --help&quot; zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Wrong number of file names. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Falsche Anzahl von Dateinamen. &quot;fenzo_cli --help&quot; zeigt die Befehle.</translation>
    </message>
    <message>
        <source>No command given. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Kein Befehl angegeben. &quot;fenzo_cli --help&quot; zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Unknown command %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unbekannter Befehl %1. &quot;fenzo_cli --help&quot; zeigt die Befehle.</translation>
    </message>
    <message>
        <source>No switch answers on %1.</source>
        <translation>An %1 antwortet kein Multischalter.</translation>
    </message>
    <message>
        <source>No switch found. Connect the switch, or name its port with --port.</source>
        <translation>Kein Multischalter gefunden. Schließen Sie den Multischalter an oder nennen Sie seinen Anschluss mit --port.</translation>
    </message>
    <message>
        <source>Several switches found (%1). Choose one with --port.</source>
        <translation>Mehrere Multischalter gefunden (%1). Wählen Sie einen mit --port.</translation>
    </message>
    <message>
        <source>No switch found.</source>
        <translation>Kein Multischalter gefunden.</translation>
    </message>
    <message>
        <source>Waiting for switches; Ctrl+C ends.</source>
        <translation>Warte auf Multischalter; Strg+C beendet.</translation>
    </message>
    <message>
        <source>%1 %2: stored; backup %3</source>
        <translation>%1 %2: gespeichert; Sicherung %3</translation>
    </message>
    <message>
        <source>%1 %2: not stored: %3</source>
        <translation>%1 %2: nicht gespeichert: %3</translation>
    </message>
    <message>
        <source>--port needs the switch&apos;s port, for example /dev/ttyACM0.</source>
        <translation>--port braucht den Anschluss des Multischalters, zum Beispiel /dev/ttyACM0.</translation>
    </message>
    <message>
        <source>Usage: fenzo_cli COMMAND [--port PATH] FILE...

Commands:
  list                        one line per switch found: port, serial number
  read [--port PATH] OUT.dat  reads the switch&apos;s plan into a settings file
  diff [--port PATH] PLAN.dat prints the differences between the plan and the switch
                              (exit status 0: the same, 1: different)
  test [--port PATH] PLAN.dat sends the plan for testing, as &quot;Test on device&quot;
  store [--port PATH] PLAN.dat backs up the switch&apos;s plan, then stores PLAN as
                              &quot;Save on device&quot;; prints the backup&apos;s path last
  store --each PLAN.dat       stores PLAN in every switch plugged in, one after another,
                              until interrupted (Ctrl+C)
  sheet PLAN.dat OUT.pdf      the installation sheet of a plan (OUT.png: the picture)
  server                      prints the satellite data&apos;s server: host:port database user
  server HOST[:PORT]          stores the server of window and tool (keeps database,
                              user and password; without PORT the standard port)
  server --reset              back to the built-in server

Without --port the one switch found is used. Exit status 2: failure.
</source>
        <translation>Aufruf: fenzo_cli BEFEHL [--port PFAD] DATEI...

Befehle:
  list                        eine Zeile je gefundenem Multischalter: Anschluss, Seriennummer
  read [--port PFAD] AUS.dat  liest den Plan des Multischalters in eine Einstellungsdatei
  diff [--port PFAD] PLAN.dat zeigt die Unterschiede zwischen dem Plan und dem Multischalter
                              (Rückgabewert 0: gleich, 1: verschieden)
  test [--port PFAD] PLAN.dat sendet den Plan zum Testen, wie &quot;Auf Gerät testen&quot;
  store [--port PFAD] PLAN.dat sichert den Plan des Multischalters und speichert dann PLAN
                              wie &quot;Auf Gerät speichern&quot;; nennt zuletzt den Pfad der Sicherung
  store --each PLAN.dat       speichert PLAN in jedem Multischalter, der nacheinander
                              angeschlossen wird, bis zur Unterbrechung (Strg+C)
  sheet PLAN.dat AUS.pdf      das Installationsblatt eines Plans (AUS.png: das Bild)
  server                      nennt den Server der Satellitendaten: Host:Port Datenbank Benutzer
  server HOST[:PORT]          speichert den Server für Fenster und Werkzeug (behält Datenbank,
                              Benutzer und Passwort; ohne PORT der Standard-Port)
  server --reset              zurück zum eingebauten Server

Ohne --port wird der eine gefundene Multischalter benutzt. Rückgabewert 2: Fehler.
</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection and the server (fenzo_cli server).</source>
        <translation>Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server).</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew.</source>
        <translation>Anwendungsdaten sind älter als einen Monat. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server); jeder Befehl lädt die Daten neu herunter.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with device</source>
        <translation>Mit Gerät vergleichen</translation>
    </message>
</context>
<context>
    <name>CompareWindowForm.ui</name>
    <message>
        <source>Differences between this plan and the switch</source>
        <translation>Unterschiede zwischen diesem Plan und dem Multischalter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The switch&apos;s plan could not be backed up, so nothing was stored: %1</source>
        <translation>Der Plan des Multischalters konnte nicht gesichert werden, daher wurde nichts gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>InstallationSheet</name>
    <message>
        <source>The installation sheet could not be saved as %1 (%2).</source>
        <translation>Das Installationsblatt konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1 (%2).</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>the sheet could not be drawn</source>
        <translation>das Blatt konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>InstallationSheetWindow</name>
    <message>
        <source>Installation sheet</source>
        <translation>Installationsblatt</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>InstallationSheetWindowForm.ui</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Selected satelite </source>
        <translation>Ausgewählter Satelit </translation>
    </message>
    <message>
        <source> for lnb1 no longer available</source>
        <translation> für LNB1 nicht mehr verfügrbar</translation>
    </message>
    <message>
        <source> for lnb2 no longer available</source>
        <translation> für LNB2 nicht mehr verfügrbar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Selected satelite no longer available.</source>
        <translation>Ausgewählter Satelite nicht mehr verfürgbar.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>This will redistribute all dynamic UBs equally and change current settings.</source>
        <translation>Die Zuordnung aller dynamischen UBs wird gleichmäßig verteilt.</translation>
    </message>
    <message>
        <source>Set number of static UBs</source>
        <translation>Anzahl statischer UBs festlegen</translation>
    </message>
    <message>
        <source>Select number of static UBs. Existing data will be overwritten!</source>
        <translation>Bitte Anzahl statischer UBs auswählen. Bestehende Einstellungen werden überschrieben!</translation>
    </message>
    <message>
        <source>Number of static Ubs: </source>
        <translation>Anzahl statischer Ubs:</translation>
    </message>
    <message>
        <source>Top of list: </source>
        <translation>Hohe Frequenzen belegen: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Fetching the satellite data…</source>
        <translation>Satellitendaten werden geladen …</translation>
    </message>
</context>
<context>
    <name>OptionsForm.ui</name>
    <message>
        <source>01332251</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set number of static UBs</source>
        <translation>Anzahl statische UBs</translation>
    </message>
    <message>
        <source>Assign number of static UBs</source>
        <translation>Anzahl der statischen UBs auswählen</translation>
    </message>
    <message>
        <source>Reset dynamic UBs</source>
        <translation>Dynamische UBs zurücksetzen</translation>
    </message>
    <message>
        <source>Equally distribute lines for dynamic UBs</source>
        <translation>Dynamische UBs gleichmäßig verteilen</translation>
    </message>
    <message>
        <source>LNB1: </source>
        <translation>LNB1: </translation>
    </message>
    <message>
        <source>display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select satelite for LNB 1</source>
        <translation>Satelit für LNB1 auswählen</translation>
    </message>
    <message>
        <source>LNB2: </source>
        <translation>LNB2: </translation>
    </message>
    <message>
        <source>Select satelite for LNB 2</source>
        <translation>Satelit für LNB2 auswählen</translation>
    </message>
    <message>
        <source>Terrestrial path active</source>
        <translation>Terretrische Zweig aktiv</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>Terrestrischen Zweig aktiv schalten</translation>
    </message>
    <message>
        <source>LTE filter</source>
        <translation>LTE Filter</translation>
    </message>
    <message>
        <source>DESCRIPTIONLTE</source>
        <translation>Obere Frequenz auf 690 MHz begrenzen</translation>
    </message>
    <message>
        <source>Enable stand by mode (not possible with static UBs)</source>
        <translation>Stand-By Modus aktivieren (nicht möglich mit statischen UBs)</translation>
    </message>
    <message>
        <source>Test on device</source>
        <translation>Auf Gerät testen</translation>
    </message>
    <message>
        <source>Export settings to the device storage</source>
        <translation>Einstellungen an das Gerät zum Testen senden</translation>
    </message>
    <message>
        <source>Save on device</source>
        <translation>Auf Gerät speichern</translation>
    </message>
    <message>
        <source>Export settings to the device rom</source>
        <translation>Einstellungen auf Gerät dauerhaft speichern</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Vom Gerät lesen</translation>
    </message>
    <message>
        <source>Read configuration from device</source>
        <translation>Einstellungen vom Gerät lesen</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Als Datei speichern</translation>
    </message>
    <message>
        <source>Export settings to local storage</source>
        <translation>Einstellungen als Datei speichern</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Load settings from local storage</source>
        <translation>Einstellungen aus Datei laden</translation>
    </message>
    <message>
        <source>Show the installation sheet</source>
        <translation>Installationsblatt anzeigen</translation>
    </message>
    <message>
        <source>Compare with device</source>
        <translation>Mit Gerät vergleichen</translation>
    </message>
    <message>
        <source>Show what the device holds that differs from this plan</source>
        <translation>Zeigt, worin sich der Plan im Gerät von diesem Plan unterscheidet</translation>
    </message>
    <message>
        <source>Satellite data…</source>
        <translation>Satellitendaten…</translation>
    </message>
</context>
<context>
    <name>PlanBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>no transponder</source>
        <translation>kein Transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 MHz)</source>
        <translation>Transponder %1 (%2 MHz)</translation>
    </message>
    <message>
        <source>The switch holds this plan.</source>
        <translation>Der Multischalter enthält diesen Plan.</translation>
    </message>
    <message>
        <source>%1: %2 in the plan, %3 in the switch</source>
        <translation>%1: %2 im Plan, %3 im Multischalter</translation>
    </message>
    <message>
        <source>Satellite on LNB1</source>
        <translation>Satellit an LNB1</translation>
    </message>
    <message>
        <source>Satellite on LNB2</source>
        <translation>Satellit an LNB2</translation>
    </message>
    <message>
        <source>Terrestrial path</source>
        <translation>Terrestrischer Pfad</translation>
    </message>
    <message>
        <source>LTE filter</source>
        <translation>LTE-Filter</translation>
    </message>
    <message>
        <source>Stand-by</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>%1: only in the plan</source>
        <translation>%1: nur im Plan</translation>
    </message>
    <message>
        <source>%1: only in the switch</source>
        <translation>%1: nur im Multischalter</translation>
    </message>
    <message>
        <source>static</source>
        <translation>statisch</translation>
    </message>
    <message>
        <source>dynamic</source>
        <translation>dynamisch</translation>
    </message>
    <message>
        <source>LNB%1</source>
        <translation>LNB%1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Leitung %1</translation>
    </message>
    <message>
        <source>local UB %1</source>
        <translation>lokales UB %1</translation>
    </message>
</context>
<context>
    <name>SatelliteDataDialog</name>
    <message>
        <source>Satellite data</source>
        <translation>Satellitendaten</translation>
    </message>
    <message>
        <source>No satellite data</source>
        <translation>Keine Satellitendaten</translation>
    </message>
</context>
<context>
    <name>SatelliteDataDialogForm.ui</name>
    <message>
        <source>Satellite data in use:</source>
        <translation>Verwendete Satellitendaten:</translation>
    </message>
    <message>
        <source>Fetching the satellite data…</source>
        <translation>Satellitendaten werden geladen …</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>SatelliteDownload</name>
    <message>
        <source>no complete answer within %1 s</source>
        <translation>keine vollständige Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>no connection to the server within %1 s</source>
        <translation>keine Verbindung zum Server innerhalb von %1 s</translation>
    </message>
</context>
<context>
    <name>SerialPortHandler</name>
    <message>
        <source>Error occured while reading data, please try again</source>
        <translation>Fehler während des Lesevorgangs. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Error occured while writing data, please try again</source>
        <translation>Fehler während des Schreibvorgangs. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Lost connection to device. Please connect again</source>
        <translation>Verbindung zum Gerät getrennt. Bitte erneut verbinden.</translation>
    </message>
    <message>
        <source>UB number %1 cannot be sent to the device (0 to 31)</source>
        <translation>UB-Nummer %1 kann nicht an das Gerät gesendet werden (0 bis 31)</translation>
    </message>
    <message>
        <source>Line %1 cannot be sent to the device (0 to 255)</source>
        <translation>Line %1 kann nicht an das Gerät gesendet werden (0 bis 255)</translation>
    </message>
    <message>
        <source>Satelite id %1 cannot be sent to the device (0 to 127)</source>
        <translation>Satelit-ID %1 kann nicht an das Gerät gesendet werden (0 bis 127)</translation>
    </message>
    <message>
        <source>UB %1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</source>
        <translation>UB %1 kann nicht an das Gerät gesendet werden: sein Transponder liegt %2 MHz über dem LNB-Oszillator (100 bis 2147 MHz möglich)</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again.</source>
        <translation>Das Gerät an %1 darf nicht geöffnet werden. Installieren Sie das Programm neu, damit seine Geräteregel %2 vorhanden ist, oder nehmen Sie Ihren Benutzer in die Gruppe dialout auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again.</source>
        <translation>Das Gerät an %1 darf nicht geöffnet werden: Ziehen Sie es ab und stecken Sie es wieder an, oder nehmen Sie Ihren Benutzer in die Gruppe dialout auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The switch at %1 is in use by another program. Close that program to use the switch here.</source>
        <translation>Das Gerät an %1 wird von einem anderen Programm benutzt. Schließen Sie dieses Programm, um das Gerät hier zu benutzen.</translation>
    </message>
    <message>
        <source>The switch at %1 could not be opened (%2).</source>
        <translation>Das Gerät an %1 konnte nicht geöffnet werden (%2).</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The port is no number.</source>
        <translation>Der Port ist keine Zahl.</translation>
    </message>
    <message>
        <source>The server setting could not be saved in %1.</source>
        <translation>Die Server-Einstellung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The server&apos;s name or address is empty.</source>
        <translation>Name oder Adresse des Servers ist leer.</translation>
    </message>
    <message>
        <source>The server&apos;s name &quot;%1&quot; holds characters that no server name has.</source>
        <translation>Der Servername &quot;%1&quot; enthält Zeichen, die kein Servername enthält.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535 (empty: the standard port %1).</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein (leer: der Standard-Port %1).</translation>
    </message>
    <message>
        <source>The database name is empty.</source>
        <translation>Der Datenbankname ist leer.</translation>
    </message>
    <message>
        <source>The user name is empty.</source>
        <translation>Der Benutzername ist leer.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <translation>Die Datei %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation>Die Datei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file %1 is no complete settings file.</source>
        <translation>Die Datei %1 ist keine vollständige Einstellungsdatei.</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Line %1, local UB %2</source>
        <translation>Leitung %1, lokales UB %2</translation>
    </message>
    <message>
        <source>not assigned</source>
        <translation>nicht zugewiesen</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Leitung %1</translation>
    </message>
    <message>
        <source>static</source>
        <translation>statisch</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 is static but has no transponder.</source>
        <translation>%1 ist statisch, hat aber keinen Transponder.</translation>
    </message>
    <message>
        <source>Line %1 carries %2 dynamic UBs; receivers reach those beyond eight only with EN50607.</source>
        <translation>Leitung %1 trägt %2 dynamische UBs; Receiver erreichen die über acht hinaus nur mit EN50607.</translation>
    </message>
    <message>
        <source>Installation sheet</source>
        <translation>Installationsblatt</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Device serial number: %1</source>
        <translation>Seriennummer des Geräts: %1</translation>
    </message>
    <message>
        <source>No device was connected.</source>
        <translation>Es war kein Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>LNB1: %1</source>
        <translation>LNB1: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>LNB2: %1</source>
        <translation>LNB2: %1</translation>
    </message>
    <message>
        <source>Terrestrial path: %1, LTE filter: %2, stand-by: %3</source>
        <translation>Terrestrischer Zweig: %1, LTE-Filter: %2, Stand-by: %3</translation>
    </message>
    <message>
        <source>Line %1: receivers on this line</source>
        <translation>Leitung %1: Receiver an dieser Leitung</translation>
    </message>
    <message>
        <source>No dynamic UBs.</source>
        <translation>Keine dynamischen UBs.</translation>
    </message>
    <message>
        <source>Local UB</source>
        <translation>Lokales UB</translation>
    </message>
    <message>
        <source>UB</source>
        <translation>UB</translation>
    </message>
    <message>
        <source>Slot frequency</source>
        <translation>Ausgangsfrequenz</translation>
    </message>
    <message>
        <source>Dynamic UBs on no valid line: %1</source>
        <translation>Dynamische UBs ohne gültige Leitung: %1</translation>
    </message>
    <message>
        <source>Static UBs</source>
        <translation>Statische UBs</translation>
    </message>
    <message>
        <source>No static UBs.</source>
        <translation>Keine statischen UBs.</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>TP</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</source>
        <translation>%1: Sein Transponder liegt %2 MHz über dem LNB-Oszillator; ein Codewort trägt 100 bis 2147 MHz.</translation>
    </message>
    <message>
        <source>%1: %2 has the satellite id %3; a code word carries 0 to 127.</source>
        <translation>%1: %2 hat die Satelliten-ID %3; ein Codewort trägt 0 bis 127.</translation>
    </message>
    <message>
        <source>%1: a code word carries the UB numbers 1 to 32 only.</source>
        <translation>%1: Ein Codewort trägt nur die UB-Nummern 1 bis 32.</translation>
    </message>
    <message>
        <source>%1: transponder %2 of %3 is not in the satellite data.</source>
        <translation>%1: Transponder %2 von %3 ist nicht in den Satellitendaten.</translation>
    </message>
</context>
<context>
    <name>SqlHandler</name>
    <message>
        <source>Satelite not found in database</source>
        <translation>Satelit in Datenbank nicht gefunden.</translation>
    </message>
    <message>
        <source>The offline data could not be saved to %1 (%2).</source>
        <translation>Die Offline-Daten konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>The offline data in %1 could not be read (%2).</source>
        <translation>Die Offline-Daten in %1 konnten nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The download of the satellite data broke off (%1). The offline data are used instead.</source>
        <translation>Das Herunterladen der Satellitendaten brach ab (%1). Stattdessen werden die Offline-Daten verwendet.</translation>
    </message>
    <message>
        <source>the server&apos;s answer broke off inside a table</source>
        <translation>die Antwort des Servers brach innerhalb einer Tabelle ab</translation>
    </message>
    <message>
        <source>the server&apos;s answer ended after %1 of %2 tables</source>
        <translation>die Antwort des Servers endete nach %1 von %2 Tabellen</translation>
    </message>
</context>
<context>
    <name>UBDataModel</name>
    <message>
        <source>No device found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
</context>
<context>
    <name>UBListDelegate</name>
    <message>
        <source>Line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LocalUB:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dynamic</source>
        <translation>dynamisch</translation>
    </message>
    <message>
        <source>static</source>
        <translation>statisch</translation>
    </message>
</context>
<context>
    <name>UBModelController</name>
    <message>
        <source>Lnb1 must be set.</source>
        <translation>LNB1 muss asugewählt sein.</translation>
    </message>
    <message>
        <source>Lnb2 must be set.</source>
        <translation>LNB2 muss asugewählt sein.</translation>
    </message>
    <message>
        <source>All static UBs must be assigned.</source>
        <translation>Alle statischen UBs müssen einem Transponder zugewiesen haben.</translation>
    </message>
    <message>
        <source>Local UB number bigger than 8, protocol XY required</source>
        <translation>LocalUB größer als 8. Kann nur mit EN50607 angesprochen werden.</translation>
    </message>
    <message>
        <source>Line for dynamic channel must be smaller than 5</source>
        <translation>Line für dynamische UBs muss kleiner als 5 sein</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error while saving</source>
        <translation>Fehler beim Speichern der Daten</translation>
    </message>
    <message>
        <source>%1 satellites</source>
        <translation>%1 Satelliten</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection, then open &quot;Satellite data…&quot;, check the server and press &quot;Update now&quot;.</source>
        <translation>Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung, öffnen Sie dann &quot;Satellitendaten…&quot;, prüfen Sie den Server und drücken Sie &quot;Jetzt aktualisieren&quot;.</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please connect to the internet, open &quot;Satellite data…&quot; and press &quot;Update now&quot; to update offline data.</source>
        <translation>Anwendungsdaten sind älter als einen Monat. Bitte stellen Sie eine Internetverbindung her, öffnen Sie &quot;Satellitendaten…&quot; und drücken Sie &quot;Jetzt aktualisieren&quot;, um die Daten zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Fenzo Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
