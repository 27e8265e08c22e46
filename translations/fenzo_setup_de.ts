<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BuiltInSatellites</name>
    <message>
        <source>The built-in satellite data are damaged (line %1).</source>
        <translation>Die eingebauten Satellitendaten sind beschädigt (Zeile %1).</translation>
    </message>
    <message>
        <source>This program was built without satellite data.</source>
        <translation>Dieses Programm wurde ohne Satellitendaten erstellt.</translation>
    </message>
</context>
<context>
    <name>CommandLineTool</name>
    <message>
        <source>Unknown option %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unbekannte Option %1. „fenzo_cli --help“ zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Wrong number of file names. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Falsche Anzahl von Dateinamen. „fenzo_cli --help“ zeigt die Befehle.</translation>
    </message>
    <message>
        <source>No command given. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Kein Befehl angegeben. „fenzo_cli --help“ zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Unknown command %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unbekannter Befehl %1. „fenzo_cli --help“ zeigt die Befehle.</translation>
    </message>
    <message>
        <source>No switch found.</source>
        <translation>Kein Multischalter gefunden.</translation>
    </message>
    <message>
        <source>%1 %2: not stored: %3</source>
        <translation>%1 %2: nicht gespeichert: %3</translation>
    </message>
    <message>
        <source>--port needs the switch&apos;s port, for example /dev/ttyACM0.</source>
        <translation>--port erwartet den Anschluss des Multischalters, zum Beispiel /dev/ttyACM0.</translation>
    </message>
    <message>
        <source>The file %1 holds no replies of a switch: %2</source>
        <translation>Die Datei %1 enthält keine Antworten eines Multischalters: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection and the server (fenzo_cli server).</source>
        <translation>Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server).</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew.</source>
        <translation>Die Offline-Daten sind älter als ein Monat. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server); jeder Befehl lädt die Daten neu herunter.</translation>
    </message>
    <message>
        <source>encrypted (TLS)</source>
        <translation>verschlüsselt (TLS)</translation>
    </message>
    <message>
        <source>not encrypted</source>
        <translation>nicht verschlüsselt</translation>
    </message>
    <message>
        <source>TLS required</source>
        <translation>TLS erforderlich</translation>
    </message>
    <message>
        <source>TLS when offered</source>
        <translation>TLS, wenn angeboten</translation>
    </message>
    <message>
        <source>certificates from the system&apos;s store</source>
        <translation>Zertifikate aus dem Zertifikatsspeicher des Systems</translation>
    </message>
    <message>
        <source>certificates from %1</source>
        <translation>Zertifikate aus %1</translation>
    </message>
    <message>
        <source>The satellite data hold no satellite named %1. &quot;fenzo_cli satellites&quot; lists them.</source>
        <translation>Die Satellitendaten enthalten keinen Satelliten namens %1. „fenzo_cli satellites&quot; listet sie auf.</translation>
    </message>
    <message>
        <source>UBs whose transponder is not in the satellite data: %1.</source>
        <translation>UBs mit fehlendem Transponder: %1.</translation>
    </message>
    <message>
        <source>Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one&apos;s power as well as its USB cable.</source>
        <translation>Warte auf Multischalter; Beenden mit Strg+C. Trennen Sie vor dem nächsten Multischalter den letzten von seiner Stromversorgung und vom USB-Kabel.</translation>
    </message>
    <message>
        <source>%1 %2: stored; backup %3; read back</source>
        <translation>%1 %2: gespeichert; Sicherung %3; zurückgelesen</translation>
    </message>
    <message>
        <source>%1 %2: after reconnection the switch holds the plan stored</source>
        <translation>%1 %2: nach dem erneuten Anschließen enthält der Multischalter den gespeicherten Plan</translation>
    </message>
    <message>
        <source>%1 %2: not compared after reconnection: %3</source>
        <translation>%1 %2: nach dem erneuten Anschließen nicht verglichen: %3</translation>
    </message>
    <message>
        <source>%1 %2: after reconnection the switch differs from the plan stored: %3</source>
        <translation>%1 %2: nach dem erneuten Anschließen weicht der Multischalter vom gespeicherten Plan ab: %3</translation>
    </message>
    <message numerus="yes">
        <source>The file %1 is larger than %n bytes: it holds no replies of a switch.</source>
        <translation>
            <numerusform>Die Datei %1 ist größer als %n Byte: Sie enthält keine Antworten eines Multischalters.</numerusform>
            <numerusform>Die Datei %1 ist größer als %n Byte: Sie enthält keine Antworten eines Multischalters.</numerusform>
        </translation>
    </message>
    <message>
        <source>A plan file cannot be given with --site: the plans come from the site&apos;s entries.</source>
        <translation>Mit --site kann keine Plandatei angegeben werden: Die Pläne stammen aus den Einträgen der Anlage.</translation>
    </message>
    <message>
        <source>Usage: fenzo_cli COMMAND [--port PATH] FILE...

Commands:
  list                          one line per switch found: port, serial number
  read [--port PATH] OUT.dat    reads the switch&apos;s plan into a settings file
  diff [--port PATH] PLAN.dat   prints how the plan and the switch differ
                                (exit status 0: the same, 1: different)
  test [--port PATH] PLAN.dat   sends the plan for testing (&quot;Test on device&quot;)
                                and reads the switch&apos;s working plan back
  store [--port PATH] PLAN.dat  backs up the switch&apos;s plan, then stores PLAN
                                (&quot;Save on device&quot;) and reads the working plan
                                back; prints the backup&apos;s path as its last line
  store --each PLAN.dat         stores PLAN in each newly plugged-in switch,
                                one after another, until Ctrl+C; a switch
                                stored in this run that comes back is read and
                                compared, not stored again; exit status 2 when
                                PLAN could not be stored in, or does not match,
                                one or more switches
  restore [--port PATH] BACKUP  sends a backup back and stores it: a settings
                                file (.dat) as store does, or the switch&apos;s
                                replies (.txt) word for word
  sheet PLAN.dat OUT.pdf        the installation sheet of a plan
                                (OUT.png: the picture alone)
  store --site FILE [--label LABEL] [--port PATH]
                                stores the plan of the site&apos;s entry LABEL, or
                                without --label of the entry that holds the
                                switch&apos;s serial number (a switch the site does
                                not know is refused); records serial number,
                                date and read-back in the site file
  store --each --site FILE      stores in each newly plugged-in switch the
                                entry with its serial number, else the next
                                entry without one, in the site&apos;s order; prints
                                &quot;SN ... → LABEL&quot; per switch; exit status 2 when
                                one was not stored and read back
  sheet --site FILE OUT.pdf     the site&apos;s sheet: a cover listing its switches,
                                then each switch&apos;s sheet under its label
  satellites                    where the satellite data come from, then one
                                line per satellite: name, id, number of
                                transponders
  satellites NAME               one line per transponder of that satellite:
                                number, frequency, polarisation, and &quot;(own)&quot;
                                for an own transponder
  satellites --import PATH      imports satellite data (a receiver&apos;s
                                satellites.xml, a DVB-S scan table or a
                                folder of them), then lists as above
  server                        prints the satellite data&apos;s server:
                                host:port database user
  server HOST[:PORT]            sets the server for fenzo_setup and fenzo_cli
                                (keeps database, user and password;
                                without PORT the standard port)
  server --reset                back to the built-in server
  server [HOST[:PORT]] [--ca FILE] [--require-tls|--allow-plain]
                                the server&apos;s certificate is checked against
                                FILE (&quot;&quot;: the system&apos;s store); --require-tls
                                refuses an unencrypted connection,
                                --allow-plain allows it (default: refused
                                unless the server is on this machine)
  report OUT.txt                a support report: versions, satellite data,
                                ports, the switch (if one answers) and the
                                recent log, never the database password

Without --port the tool uses the only switch it finds. Exit status 2: failure,
also when the working plan read back after a send differs from the plan.
</source>
        <translation>Aufruf: fenzo_cli BEFEHL [--port PFAD] DATEI...

Befehle:
  list                          eine Zeile je gefundenem Multischalter:
                                Anschluss, Seriennummer
  read [--port PFAD] ZIEL.dat   liest den Plan des Multischalters in eine
                                Einstellungsdatei
  diff [--port PFAD] PLAN.dat   zeigt die Unterschiede zwischen dem Plan und
                                dem Multischalter
                                (Rückgabewert 0: gleich, 1: verschieden)
  test [--port PFAD] PLAN.dat   sendet den Plan zum Testen
                                (wie „Auf Gerät testen“) und liest den
                                Arbeitsplan des Multischalters zurück
  store [--port PFAD] PLAN.dat  sichert den Plan des Multischalters,
                                speichert dann PLAN (wie „Auf Gerät
                                speichern“) und liest den Arbeitsplan zurück;
                                gibt zuletzt den Pfad der Sicherung aus
  store --each PLAN.dat         speichert PLAN nacheinander in jedem neu
                                angeschlossenen Multischalter; Beenden mit
                                Strg+C; ein in diesem Lauf gespeicherter
                                Multischalter, der wiederkommt, wird gelesen
                                und verglichen, nicht erneut gespeichert;
                                Rückgabewert 2, wenn PLAN in einem oder
                                mehreren Multischaltern nicht gespeichert
                                werden konnte oder nicht übereinstimmt
  restore [--port PFAD] SICHERUNG
                                sendet eine Sicherung zurück und speichert
                                sie: eine Einstellungsdatei (.dat) wie store
                                oder gesicherte Antworten des Multischalters
                                (.txt) unverändert
  sheet PLAN.dat ZIEL.pdf       das Installationsblatt eines Plans
                                (ZIEL.png: nur das Bild)
  store --site DATEI [--label NAME] [--port PFAD]
                                speichert den Plan des Eintrags NAME der
                                Anlage, ohne --label den des Eintrags mit der
                                Seriennummer des Multischalters (einen der
                                Anlage unbekannten Multischalter weist es ab);
                                hält Seriennummer, Datum und Rücklesen in der
                                Anlagendatei fest
  store --each --site DATEI     speichert in jeden neu angeschlossenen
                                Multischalter den Eintrag mit seiner
                                Seriennummer, sonst den nächsten ohne eine, in
                                der Reihenfolge der Anlage; schreibt je
                                Multischalter „SN ... → NAME“; Rückgabewert 2,
                                wenn einer nicht gespeichert und
                                zurückgelesen wurde
  sheet --site DATEI ZIEL.pdf   das Blatt der Anlage: ein Deckblatt mit ihren
                                Multischaltern, dann das Blatt jedes
                                Multischalters unter seinem Namen
  satellites                    woher die Satellitendaten stammen, dann eine
                                Zeile je Satellit: Name, ID, Zahl der
                                Transponder
  satellites NAME               eine Zeile je Transponder dieses Satelliten:
                                Nummer, Frequenz, Polarisation und „(eigener)&quot;
                                für einen eigenen Transponder
  satellites --import PFAD      importiert Satellitendaten (eine
                                satellites.xml eines Receivers, eine
                                DVB-S-Scan-Tabelle oder einen Ordner davon),
                                listet sie dann wie oben
  server                        nennt den Server der Satellitendaten:
                                Host:Port Datenbank Benutzer
  server HOST[:PORT]            speichert den Server für fenzo_setup und
                                fenzo_cli (behält Datenbank, Benutzer und
                                Passwort; ohne PORT der Standard-Port)
  server --reset                zurück zum eingebauten Server
  server [HOST[:PORT]] [--ca DATEI] [--require-tls|--allow-plain]
                                das Zertifikat des Servers wird mit DATEI
                                geprüft (&quot;&quot;: Zertifikatsspeicher des Systems);
                                --require-tls lehnt unverschlüsselte
                                Verbindungen ab, --allow-plain erlaubt sie
                                (Standard: abgelehnt, außer für einen Server
                                auf diesem Rechner)
  report ZIEL.txt               ein Supportbericht: Versionen, Satellitendaten,
                                Anschlüsse, der Multischalter (wenn einer
                                antwortet) und die letzten Protokollzeilen,
                                nie das Datenbank-Passwort

Ohne --port wird der einzige gefundene Multischalter benutzt.
Rückgabewert 2: Fehler, auch wenn der nach dem Senden zurückgelesene
Arbeitsplan vom Plan abweicht.
</translation>
    </message>
    <message>
        <source>the entry&apos;s plan cannot be sent</source>
        <translation>der Plan des Eintrags kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>SN %1 → %2</source>
        <translation>SN %1 → %2</translation>
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
    <name>ConnectionFailure</name>
    <message>
        <source>server %1 cannot be reached: connection refused</source>
        <translation>Server %1 nicht erreichbar: Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: no route to the host</source>
        <translation>Server %1 nicht erreichbar: keine Route zum Host</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: no answer within %2 s</source>
        <translation>Server %1 nicht erreichbar: keine Antwort innerhalb von %2 s</translation>
    </message>
    <message>
        <source>server %1 cannot be reached</source>
        <translation>Server %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: the host name is unknown</source>
        <translation>Server %1 nicht erreichbar: unbekannter Hostname</translation>
    </message>
    <message>
        <source>server %1 refused the user &quot;%2&quot;: wrong user name or password</source>
        <translation>Server %1 hat den Benutzer „%2“ abgewiesen: falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>server %1 refuses connections from this computer</source>
        <translation>Server %1 lehnt Verbindungen von diesem Rechner ab</translation>
    </message>
    <message>
        <source>server %1 has no database &quot;%2&quot;</source>
        <translation>Server %1 hat keine Datenbank „%2“</translation>
    </message>
    <message>
        <source>server %1: a table in the database &quot;%2&quot; does not have the columns of satellite data</source>
        <translation>Server %1: eine Tabelle der Datenbank „%2“ hat nicht die für Satellitendaten erwarteten Spalten</translation>
    </message>
    <message>
        <source>server %1 sent a row larger than 1 MB</source>
        <translation>Server %1 hat einen Datensatz über 1 MB gesendet</translation>
    </message>
    <message>
        <source>server %1 has too many connections</source>
        <translation>Server %1 hat zu viele Verbindungen</translation>
    </message>
    <message>
        <source>the database client ran out of memory</source>
        <translation>Datenbank-Client: zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>server %1 reported error %2</source>
        <translation>Server %1 meldete Fehler %2</translation>
    </message>
    <message>
        <source>the user &quot;%3&quot; cannot access a database &quot;%2&quot; on server %1</source>
        <translation>Server %1: Benutzer „%3“ hat keinen Zugriff auf eine Datenbank „%2“</translation>
    </message>
    <message>
        <source>the connection to server %1 was lost</source>
        <translation>die Verbindung zu Server %1 ist abgebrochen</translation>
    </message>
    <message>
        <source>server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate is not trusted</source>
        <translation>Server %1: keine geprüfte verschlüsselte Verbindung (TLS) möglich – er bietet kein TLS an, oder seinem Zertifikat wird nicht vertraut</translation>
    </message>
    <message>
        <source>server %1 asks for a sign-in that would send the password in plain text; it is refused</source>
        <translation>Server %1 verlangt ein Anmeldeverfahren, das das Passwort im Klartext überträgt; es wird nicht verwendet</translation>
    </message>
</context>
<context>
    <name>DeviceOperation</name>
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
        <source>Reading the switch&apos;s plan… %1 of %2</source>
        <translation>Der Plan des Multischalters wird gelesen… %1 von %2</translation>
    </message>
    <message>
        <source>Cancelled. Nothing was changed on the switch.</source>
        <translation>Abgebrochen. Am Multischalter wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>DeviceReplies</name>
    <message>
        <source>The line &quot;%1&quot; is no query and reply of the switch.</source>
        <translation>Die Zeile „%1“ ist keine Abfrage mit Antwort des Multischalters.</translation>
    </message>
    <message>
        <source>The reply to %1 is not a reply of the switch.</source>
        <translation>Die Antwort auf %1 ist keine Antwort des Multischalters.</translation>
    </message>
    <message>
        <source>The reply to %1 is missing.</source>
        <translation>Die Antwort auf %1 fehlt.</translation>
    </message>
    <message>
        <source>The reply to :CONF:ALL? does not hold 24 code words.</source>
        <translation>Die Antwort auf :CONF:ALL? enthält nicht 24 Codewörter.</translation>
    </message>
    <message>
        <source>It is not a UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The reply to %1 appears twice.</source>
        <translation>Die Antwort auf %1 kommt zweimal vor.</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No device found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The switch&apos;s plan could not be backed up, so nothing was stored: %1</source>
        <translation>Der Plan des Multischalters konnte nicht gesichert werden, daher wurde nichts gespeichert: %1</translation>
    </message>
    <message>
        <source>The switch&apos;s plan could not be backed up, so nothing was sent: %1</source>
        <translation>Der Plan des Multischalters konnte nicht gesichert werden, daher wurde nichts gesendet: %1</translation>
    </message>
    <message>
        <source>The plan the switch held before the send is kept in the backup %1.</source>
        <translation>Der Plan, den der Multischalter vor dem Senden hatte, liegt in der Sicherung %1.</translation>
    </message>
    <message>
        <source>The plan the switch had stored before is kept in the backup %1.</source>
        <translation>Der bisher gespeicherte Plan liegt in der Sicherung %1.</translation>
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
    <name>DownloadChannel</name>
    <message>
        <source>the download process sent a damaged answer</source>
        <translation>der Prozess des Herunterladens lieferte eine beschädigte Antwort</translation>
    </message>
    <message>
        <source>the download process sent more after its end</source>
        <translation>der Prozess des Herunterladens sandte nach seinem Ende noch weitere Daten</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>ImportRows</name>
    <message>
        <source>a satellite&apos;s name is longer than %1 characters</source>
        <translation>ein Satellitenname ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the file lists more than %1 satellites</source>
        <translation>die Datei nennt mehr als %1 Satelliten</translation>
    </message>
    <message>
        <source>the file lists more than %1 transponders for one satellite</source>
        <translation>die Datei nennt mehr als %1 Transponder für einen Satelliten</translation>
    </message>
    <message>
        <source>the file lists more than %1 transponders</source>
        <translation>die Datei nennt mehr als %1 Transponder</translation>
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
    <name>OfflineCacheFile</name>
    <message>
        <source>The offline data could not be saved to %1 (%2).</source>
        <translation>Die Offline-Daten konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>The offline data in %1 could not be read (%2).</source>
        <translation>Die Offline-Daten in %1 konnten nicht gelesen werden (%2).</translation>
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
        <translation>Satellitendaten werden geladen…</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat-Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Stored in the switch</source>
        <translation>Im Multischalter gespeichert</translation>
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
        <translation>Unterschiede zwischen Gerät und aktuellem Plan anzeigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Satellite data…</source>
        <translation>Satellitendaten…</translation>
    </message>
    <message>
        <source>Save a support report…</source>
        <translation>Supportbericht speichern…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop reading the switch; nothing on the switch is changed</source>
        <translation>Lesen des Multischalters abbrechen; am Multischalter wird nichts geändert</translation>
    </message>
    <message>
        <source>Site…</source>
        <translation>Anlage…</translation>
    </message>
</context>
<context>
    <name>OrbitalPositions</name>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 heißt jetzt %2</translation>
    </message>
    <message>
        <source>These satellite data name satellites by their orbital position: %1.</source>
        <translation>Diese Satellitendaten benennen Satelliten nach ihrer Orbitalposition: %1.</translation>
    </message>
</context>
<context>
    <name>OwnTransponderCommand</name>
    <message>
        <source>Use transponder add|remove SATELLITE FREQ POL, or transponder list.</source>
        <translation>Aufruf: transponder add|remove SATELLIT FREQ POL oder transponder list.</translation>
    </message>
    <message>
        <source>There is no own transponder %1 MHz %2 on %3.</source>
        <translation>Es gibt keinen eigenen Transponder %1 MHz %2 auf %3.</translation>
    </message>
    <message>
        <source>Own transponders (stored next to the offline cache, added to any satellite data):
  transponder add SATELLITE FREQ POL
                                adds a transponder (10700-12750 MHz; H, V, L
                                or R) to the satellite of that name
  transponder list              one line per own transponder: satellite,
                                frequency, polarisation
  transponder remove SATELLITE FREQ POL
                                removes an own transponder
</source>
        <translation>Eigene Transponder (neben den Offline-Daten gespeichert, allen
Satellitendaten hinzugefügt):
  transponder add SATELLIT FREQ POL
                                fügt dem Satelliten dieses Namens einen
                                Transponder hinzu (10700-12750 MHz; H, V, L
                                oder R)
  transponder list              eine Zeile je eigenem Transponder: Satellit,
                                Frequenz, Polarisation
  transponder remove SATELLIT FREQ POL
                                entfernt einen eigenen Transponder
</translation>
    </message>
    <message>
        <source>The frequency %1 is not a whole number of MHz.</source>
        <translation>Die Frequenz „%1“ ist keine ganze Zahl (MHz).</translation>
    </message>
    <message>
        <source>This transponder is already one of the own transponders.</source>
        <translation>Dieser Transponder ist bereits als eigener Transponder eingetragen.</translation>
    </message>
</context>
<context>
    <name>OwnTransponderDialog</name>
    <message>
        <source>Other transponder</source>
        <translation>Anderer Transponder</translation>
    </message>
</context>
<context>
    <name>OwnTransponderDialogForm.ui</name>
    <message>
        <source>Frequency (MHz):</source>
        <translation>Frequenz (MHz):</translation>
    </message>
    <message>
        <source>Polarisation:</source>
        <translation>Polarisation:</translation>
    </message>
</context>
<context>
    <name>OwnTransponderFile</name>
    <message>
        <source>The own transponders in %1 cannot be read (%2).</source>
        <translation>Die eigenen Transponder in %1 können nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The own transponders in %1 are damaged: %2</source>
        <translation>Die eigenen Transponder in %1 sind beschädigt: %2</translation>
    </message>
    <message>
        <source>The own transponders could not be saved to %1 (%2).</source>
        <translation>Die eigenen Transponder konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>permissions not set</source>
        <translation>Zugriffsrechte nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>OwnTransponders</name>
    <message>
        <source>The frequency must lie between %1 and %2 MHz.</source>
        <translation>Die Frequenz muss zwischen %1 und %2 MHz liegen.</translation>
    </message>
    <message>
        <source>The transponder is listed twice.</source>
        <translation>Der Transponder ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>The satellite&apos;s name is empty, too long or holds control characters.</source>
        <translation>Der Name des Satelliten ist leer, zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The polarisation must be H, V, L or R.</source>
        <translation>Die Polarisation muss H, V, L oder R sein.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes.</source>
        <translation>Die Datei ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>The file does not begin with &quot;%1&quot;.</source>
        <translation>Die Datei beginnt nicht mit „%1“.</translation>
    </message>
    <message>
        <source>The file holds more than %1 transponders.</source>
        <translation>Die Datei enthält mehr als %1 Transponder.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The satellite data hold no satellite &quot;%1&quot;.</source>
        <translation>Die Satellitendaten enthalten keinen Satelliten „%1“.</translation>
    </message>
    <message>
        <source>%1 already has a transponder at %2 MHz %3.</source>
        <translation>%1 hat bereits einen Transponder bei %2 MHz %3.</translation>
    </message>
    <message>
        <source>(own)</source>
        <translation>(eigener)</translation>
    </message>
    <message>
        <source>%1 (own)</source>
        <translation>%1 (eigener)</translation>
    </message>
    <message>
        <source>A satellite, a frequency and a polarisation are needed.</source>
        <translation>Satellit, Frequenz und Polarisation erforderlich.</translation>
    </message>
    <message>
        <source>The frequency is not a number.</source>
        <translation>Die Frequenz ist keine Zahl.</translation>
    </message>
    <message>
        <source>There are already %1 own transponders, the most allowed.</source>
        <translation>Es sind bereits %1 eigene Transponder eingetragen (Höchstzahl).</translation>
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
        <translation>Terrestrischer Zweig</translation>
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
    <name>PlanEditor</name>
    <message>
        <source>Line for dynamic channel must be smaller than 5</source>
        <translation>Line für dynamische UBs muss kleiner als 5 sein</translation>
    </message>
    <message>
        <source>Not in these data: %1.</source>
        <translation>Nicht mehr in den Satellitendaten: %1.</translation>
    </message>
    <message>
        <source>Transponders not in these data (marked): %1.</source>
        <translation>UBs mit fehlendem Transponder (markiert): %1.</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Error while saving</source>
        <translation>Fehler beim Speichern der Daten</translation>
    </message>
    <message>
        <source>Error while loading</source>
        <translation>Fehler beim Laden der Daten</translation>
    </message>
</context>
<context>
    <name>PlanReadBack</name>
    <message>
        <source>Sent; the switch&apos;s working plan was read back and matches.</source>
        <translation>Gesendet; der Arbeitsplan des Multischalters wurde zurückgelesen und stimmt überein.</translation>
    </message>
    <message>
        <source>Stored in the switch; its working plan was read back and matches.</source>
        <translation>Im Multischalter gespeichert; sein Arbeitsplan wurde zurückgelesen und stimmt überein.</translation>
    </message>
    <message>
        <source>The plan was sent, but the switch&apos;s working plan, read back, differs from it:</source>
        <translation>Der Plan wurde gesendet, aber der zurückgelesene Arbeitsplan des Multischalters weicht davon ab:</translation>
    </message>
    <message>
        <source>The plan was sent, but the switch&apos;s working plan could not be read back: %1</source>
        <translation>Der Plan wurde gesendet, aber der Arbeitsplan des Multischalters konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: sent %2, the switch holds %3</source>
        <translation>%1: gesendet wurde %2, der Multischalter enthält %3</translation>
    </message>
    <message numerus="yes">
        <source>The switch holds %n code words instead of %1.</source>
        <translation>
            <numerusform>Der Multischalter enthält %n Codewort statt %1.</numerusform>
            <numerusform>Der Multischalter enthält %n Codewörter statt %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the switch&apos;s word names %2; the switch goes by the word&apos;s place on the line.</source>
        <translation>%1: das Codewort des Multischalters nennt %2; der Multischalter richtet sich nach der Stelle des Codeworts in der Zeile.</translation>
    </message>
    <message>
        <source>%1: sent the word %2, the switch holds the word %3</source>
        <translation>%1: gesendet wurde das Codewort %2, der Multischalter enthält das Codewort %3</translation>
    </message>
    <message>
        <source>%1 MHz %2 on %3</source>
        <translation>%1 MHz %2 auf %3</translation>
    </message>
    <message>
        <source>a dynamic UB on line %1</source>
        <translation>ein dynamisches UB auf Leitung %1</translation>
    </message>
    <message>
        <source>a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6</source>
        <translation>ein statisches UB mit Satelliten-ID %1, UB-Nummer %2, F %3, LNB%4, %5, %6</translation>
    </message>
    <message>
        <source>high band</source>
        <translation>High-Band</translation>
    </message>
    <message>
        <source>low band</source>
        <translation>Low-Band</translation>
    </message>
</context>
<context>
    <name>PlanWords</name>
    <message>
        <source>%1: the switch has UBs 1 to %2 only.</source>
        <translation>%1: Der Multischalter hat nur die UBs 1 bis %2.</translation>
    </message>
    <message>
        <source>%1: the satellite %2 is not in the satellite data.</source>
        <translation>%1: Der Satellit %2 ist nicht in den Satellitendaten.</translation>
    </message>
    <message>
        <source>%1: a static UB without a transponder.</source>
        <translation>%1: Ein statisches UB ohne Transponder.</translation>
    </message>
    <message>
        <source>The plan has %1 UBs; the switch has %2.</source>
        <translation>Der Plan enthält %1 UBs; der Multischalter hat %2.</translation>
    </message>
    <message>
        <source>Nothing was sent to the switch because some UBs cannot be sent:</source>
        <translation>An den Multischalter wurde nichts gesendet, weil nicht alle UBs gesendet werden können:</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>SatelliteData</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Satellite data: new data loaded (%1).</source>
        <translation>Satellitendaten: neue Daten übernommen (%1).</translation>
    </message>
    <message>
        <source>No satellite data</source>
        <translation>Keine Satellitendaten</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2, downloaded over TLS</source>
        <translation>Satellitendaten: %1, Satelliten: %2, über TLS geladen</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2, downloaded unencrypted</source>
        <translation>Satellitendaten: %1, Satelliten: %2, unverschlüsselt geladen</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2</source>
        <translation>Satellitendaten: %1, Satelliten: %2</translation>
    </message>
    <message>
        <source>Satellite data: %1; no server: %2</source>
        <translation>Satellitendaten: %1; Abruf vom Server fehlgeschlagen: %2</translation>
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
    <message>
        <source>Choose satellite data (satellites.xml or a scan table)</source>
        <translation>Satellitendaten auswählen (satellites.xml oder Scan-Tabelle)</translation>
    </message>
    <message>
        <source>Choose a folder of DVB-S scan tables</source>
        <translation>Ordner mit DVB-S-Scan-Tabellen auswählen</translation>
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
        <translation>Satellitendaten werden geladen…</translation>
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
        <source>Restore defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA-Datei:</translation>
    </message>
    <message>
        <source>(empty: the system&apos;s certificates)</source>
        <translation>(leer: die Zertifikate des Systems)</translation>
    </message>
    <message>
        <source>Require TLS</source>
        <translation>TLS erzwingen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Import folder…</source>
        <translation>Ordner importieren…</translation>
    </message>
</context>
<context>
    <name>SatelliteDataView</name>
    <message>
        <source>A download of the satellite data is still under way; try again in a few seconds.</source>
        <translation>Die Satellitendaten werden noch heruntergeladen; bitte in einigen Sekunden erneut versuchen.</translation>
    </message>
    <message>
        <source>The switch is busy; import the satellite data when it is done.</source>
        <translation>Der Multischalter ist beschäftigt; importieren Sie die Satellitendaten, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection, then open &quot;Satellite data…&quot;, check the server and press &quot;Update now&quot;.</source>
        <translation>Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung, klicken Sie dann auf das Symbol „Satellitendaten…“, prüfen Sie den Server und klicken Sie auf „Jetzt aktualisieren“.</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please connect to the internet, open &quot;Satellite data…&quot; and press &quot;Update now&quot; to update offline data.</source>
        <translation>Die Offline-Daten sind älter als ein Monat. Bitte stellen Sie eine Internetverbindung her, klicken Sie auf das Symbol „Satellitendaten…“ und dann auf „Jetzt aktualisieren“.</translation>
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
    <message>
        <source>the download ended unexpectedly</source>
        <translation>das Herunterladen endete unerwartet</translation>
    </message>
</context>
<context>
    <name>SatelliteFinder</name>
    <message>
        <source>Find a satellite</source>
        <translation>Satellit suchen</translation>
    </message>
    <message>
        <source>No satellite name contains &quot;%1&quot;</source>
        <translation>Kein Satellitenname enthält „%1“</translation>
    </message>
</context>
<context>
    <name>SatelliteIdTable</name>
    <message>
        <source>%1 (id %2 here, %3 in the program&apos;s table)</source>
        <translation>%1 (hier ID %2, in der Tabelle des Programms %3)</translation>
    </message>
    <message>
        <source>%1 (id %2, which the program&apos;s table gives to %3)</source>
        <translation>%1 (ID %2, die in der Tabelle des Programms zu %3 gehört)</translation>
    </message>
    <message>
        <source>These satellite data number satellites differently from the program&apos;s own table, so a plan read back from a switch programmed with other data may name other satellites: %1.</source>
        <translation>Diese Satellitendaten nummerieren Satelliten anders als die Tabelle des Programms; ein Plan, der aus einem mit anderen Daten programmierten Multischalter gelesen wird, kann daher andere Satelliten nennen: %1.</translation>
    </message>
    <message>
        <source>more: %1</source>
        <translation>weitere: %1</translation>
    </message>
</context>
<context>
    <name>SatelliteImport</name>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files</source>
        <translation>der Ordner enthält mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>it lists no satellite with transponders a universal LNB receives</source>
        <translation>keine Satelliten mit Transpondern im Empfangsbereich eines Universal-LNB gefunden</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2.</source>
        <translation>%1 kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>The satellite ids of %1 could not be saved to %2 (%3).</source>
        <translation>Die Satelliten-IDs aus %1 konnten nicht in %2 gespeichert werden (%3).</translation>
    </message>
    <message>
        <source>The imported satellite data could not be saved to %1 (%2).</source>
        <translation>Die importierten Satellitendaten konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>SatelliteSource</name>
    <message>
        <source>server %1:%2</source>
        <translation>Server %1:%2</translation>
    </message>
    <message>
        <source>offline cache of %1</source>
        <translation>Offline-Daten vom %1</translation>
    </message>
    <message>
        <source>imported from %1, %2</source>
        <translation>importiert aus %1, %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The form of a date in the program&apos;s texts (QDate::toString): in German &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>No satellite data from the server %1:%2: %3</source>
        <translation>Keine Satellitendaten vom Server %1:%2: %3</translation>
    </message>
    <message>
        <source>built in, as of %1</source>
        <translation>eingebaut, Stand %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlReader</name>
    <message>
        <source>the file declares a document type, which satellites.xml never does</source>
        <translation>die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE), die es in einer satellites.xml nicht gibt</translation>
    </message>
    <message>
        <source>the file refers to an entity (line %1)</source>
        <translation>die Datei verweist auf eine Entität (Zeile %1)</translation>
    </message>
    <message>
        <source>the file is neither a satellites.xml nor a scan table</source>
        <translation>die Datei ist weder eine satellites.xml noch eine Scan-Tabelle</translation>
    </message>
    <message>
        <source>a satellite has no position from -1800 to 1800 (line %1)</source>
        <translation>ein Satellit hat keine Position von -1800 bis 1800 (Zeile %1)</translation>
    </message>
    <message>
        <source>a transponder has no frequency or polarisation (line %1)</source>
        <translation>ein Transponder hat keine Frequenz oder Polarisation (Zeile %1)</translation>
    </message>
    <message>
        <source>the XML is broken at line %1: %2</source>
        <translation>das XML ist in Zeile %1 fehlerhaft: %2</translation>
    </message>
</context>
<context>
    <name>SendPlanOperation</name>
    <message>
        <source>Sending… %1 of %2</source>
        <translation>Plan wird gesendet… %1 von %2</translation>
    </message>
    <message>
        <source>Storing…</source>
        <translation>Plan wird gespeichert…</translation>
    </message>
    <message>
        <source>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read with the satellite data: %2</source>
        <translation>Nur die Antworten des Multischalters wurden in %1 gesichert, weil sich sein Plan mit den vorhandenen Satellitendaten nicht lesen lässt: %2</translation>
    </message>
    <message>
        <source>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read: %2</source>
        <translation>Nur die Antworten des Multischalters wurden in %1 gesichert, weil sich sein Plan nicht lesen lässt: %2</translation>
    </message>
    <message>
        <source>Reading back…</source>
        <translation>Zurücklesen…</translation>
    </message>
</context>
<context>
    <name>SerialPortHandler</name>
    <message>
        <source>Line %1 cannot be sent to the device (0 to 255)</source>
        <translation>Leitung %1 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 255)</translation>
    </message>
    <message>
        <source>Satelite id %1 cannot be sent to the device (0 to 127)</source>
        <translation>Satelliten-ID %1 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 127)</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again.</source>
        <translation>Der Multischalter an %1 lässt sich nicht öffnen (fehlende Berechtigung). Installieren Sie das Programm neu, damit die Geräteregel %2 eingerichtet wird, oder nehmen Sie Ihr Benutzerkonto in die Gruppe dialout auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again.</source>
        <translation>Der Multischalter an %1 lässt sich nicht öffnen (fehlende Berechtigung): Ziehen Sie ihn ab und stecken Sie ihn wieder ein, oder nehmen Sie Ihr Benutzerkonto in die Gruppe dialout auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The switch at %1 is in use by another program. Close that program to use the switch here.</source>
        <translation>Der Multischalter an %1 wird von einem anderen Programm benutzt. Schließen Sie das andere Programm, um den Multischalter hier zu benutzen.</translation>
    </message>
    <message>
        <source>The switch at %1 could not be opened (%2).</source>
        <translation>Der Multischalter an %1 konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>UB%1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</source>
        <translation>UB%1 kann nicht an das Gerät gesendet werden: Sein Transponder liegt %2 MHz über dem LNB-Oszillator (zulässig: 100 bis 2147 MHz)</translation>
    </message>
    <message>
        <source>%1 cannot be read: the satellite id %2 is not in the satellite data.</source>
        <translation>%1 kann nicht gelesen werden: Die Satelliten-ID %2 ist nicht in den Satellitendaten.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it names the high band, which %2 does not have.</source>
        <translation>%1 kann nicht gelesen werden: Es liegt im High-Band, für %2 ist aber kein High-Band hinterlegt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data.</source>
        <translation>%1 kann nicht gelesen werden: %2 hat in den Satellitendaten keinen Transponder bei %3 MHz %4.</translation>
    </message>
    <message>
        <source>%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB.</source>
        <translation>%1 kann nicht gelesen werden: Transponder %2 von %3 liegt im anderen Band des LNB.</translation>
    </message>
    <message>
        <source>UB%1 cannot be sent to the device: its satellite has no satellite id yet</source>
        <translation>UB%1 kann nicht an das Gerät gesendet werden: Sein Satellit hat noch keine Satelliten-ID</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4.</source>
        <translation>%1 kann nicht gelesen werden: Es ist ein dynamisches UB auf Leitung %2, der Multischalter hat aber nur die Leitungen 1 bis 4.</translation>
    </message>
    <message>
        <source>UB number %1 cannot be sent to the device (1 to 24)</source>
        <translation>UB-Nummer %1 kann nicht an das Gerät gesendet werden (zulässig: 1 bis 24)</translation>
    </message>
    <message>
        <source>%1 cannot be sent to the device: its code word would be read back as another UB or transponder.</source>
        <translation>%1 kann nicht an das Gerät gesendet werden: Sein Codewort würde als ein anderes UB oder ein anderer Transponder zurückgelesen.</translation>
    </message>
    <message>
        <source>%1: read in the high band, although the code words name the low band, as earlier versions of this program sent them. Storing the plan again renews them.</source>
        <translation>%1: im High-Band gelesen, obwohl die Codewörter das Low-Band nennen, wie frühere Versionen dieses Programms sie gesendet haben. Speichern Sie den Plan erneut, um die Codewörter zu erneuern.</translation>
    </message>
</context>
<context>
    <name>ServerDownload</name>
    <message>
        <source>the server&apos;s answer ended after %1 of %2 tables</source>
        <translation>die Antwort des Servers endete nach %1 von %2 Tabellen</translation>
    </message>
    <message>
        <source>the server&apos;s database &quot;%1&quot; holds no satellite data</source>
        <translation>die Datenbank „%1“ des Servers enthält keine Satellitendaten</translation>
    </message>
</context>
<context>
    <name>ServerLink</name>
    <message>
        <source>the database client could not be started (out of memory)</source>
        <translation>der Datenbank-Client konnte nicht gestartet werden (zu wenig Arbeitsspeicher)</translation>
    </message>
    <message>
        <source>the certificate file %1 cannot be read</source>
        <translation>die Zertifikatsdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the server offers no encrypted connection (TLS), which this server setting requires</source>
        <translation>der Server bietet keine verschlüsselte Verbindung (TLS) an, die Servereinstellung verlangt aber TLS</translation>
    </message>
    <message>
        <source>the server&apos;s answer broke off inside a table</source>
        <translation>die Antwort des Servers brach innerhalb einer Tabelle ab</translation>
    </message>
    <message>
        <source>the server&apos;s answer has %1 columns where %2 were expected</source>
        <translation>die Antwort des Servers hat %1 Spalten, erwartet waren %2</translation>
    </message>
    <message>
        <source>the download was stopped</source>
        <translation>das Herunterladen wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The server setting could not be saved in %1.</source>
        <translation>Die Server-Einstellung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The server&apos;s name or address is empty.</source>
        <translation>Name oder Adresse des Servers ist leer.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535 (empty: the standard port %1).</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein (leer lassen für Standard-Port %1).</translation>
    </message>
    <message>
        <source>The database name is empty.</source>
        <translation>Der Datenbankname ist leer.</translation>
    </message>
    <message>
        <source>The user name is empty.</source>
        <translation>Der Benutzername ist leer.</translation>
    </message>
    <message>
        <source>The port is not a number.</source>
        <translation>Der Port ist keine Zahl.</translation>
    </message>
    <message>
        <source>The server&apos;s name &quot;%1&quot; contains characters not allowed in a server name.</source>
        <translation>Der Servername „%1“ enthält unzulässige Zeichen.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
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
        <translation>High</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Low</translation>
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
        <translation>Auf Leitung %1 liegen %2 dynamische UBs; ab dem neunten UB brauchen die Receiver EN50607.</translation>
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
        <translation>nicht ausgewählt</translation>
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
        <translation>UB-Frequenz</translation>
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
        <translation>UB-Frequenz</translation>
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
        <translation>TP-Frequenz</translation>
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
        <source>%1: %2 has the satellite id %3; a code word carries 0 to 127.</source>
        <translation>%1: %2 hat die Satelliten-ID %3; übertragbar sind nur die IDs 0 bis 127.</translation>
    </message>
    <message>
        <source>%1: a code word carries the UB numbers 1 to 32 only.</source>
        <translation>%1: Übertragbar sind nur die UB-Nummern 1 bis 32.</translation>
    </message>
    <message>
        <source>%1: transponder %2 of %3 is not in the satellite data.</source>
        <translation>%1: Transponder %2 von %3 ist nicht in den Satellitendaten.</translation>
    </message>
</context>
<context>
    <name>SiteChange</name>
    <message>
        <source>The site has no switch labelled &quot;%1&quot; (any more).</source>
        <translation>Die Anlage hat keinen Multischalter (mehr) mit der Bezeichnung „%1“.</translation>
    </message>
    <message>
        <source>The plan of &quot;%1&quot; was changed in the site file by another program since it was read. Open the site again and repeat the change.</source>
        <translation>Der Plan von „%1“ wurde seit dem Lesen von einem anderen Programm in der Anlagendatei geändert. Öffnen Sie die Anlage erneut und wiederholen Sie die Änderung.</translation>
    </message>
    <message>
        <source>The site already has a switch labelled &quot;%1&quot;.</source>
        <translation>Die Anlage hat bereits einen Multischalter mit der Bezeichnung „%1“.</translation>
    </message>
    <message>
        <source>A switch of a site needs a label.</source>
        <translation>Ein Multischalter einer Anlage braucht eine Bezeichnung.</translation>
    </message>
</context>
<context>
    <name>SiteChoice</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The site has no entry &quot;%1&quot;.</source>
        <translation>Die Anlage hat keinen Eintrag „%1“.</translation>
    </message>
    <message>
        <source>The switch reports no serial number, so the site cannot tell which entry it is; nothing was sent to it. Entries without a serial number yet: %1. Name the entry with --label.</source>
        <translation>Der Multischalter meldet keine Seriennummer, daher lässt sich sein Eintrag in der Anlage nicht bestimmen; an ihn wurde nichts gesendet. Einträge noch ohne Seriennummer: %1. Nennen Sie den Eintrag mit --label.</translation>
    </message>
    <message>
        <source>The site does not know the switch %1; nothing was sent to it. Entries without a serial number yet: %2. Name the entry with --label.</source>
        <translation>Die Anlage kennt den Multischalter %1 nicht; an ihn wurde nichts gesendet. Einträge noch ohne Seriennummer: %2. Nennen Sie den Eintrag mit --label.</translation>
    </message>
    <message>
        <source>No entry of the site is left for the switch %1; nothing was sent to it.</source>
        <translation>Für den Multischalter %1 ist kein Eintrag der Anlage mehr frei; an ihn wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>SiteCommand</name>
    <message>
        <source>Sites (the switches of one building in one .fsite file; a LABEL or TEXT
beginning with &quot;-&quot; follows &quot;--&quot;):
  site list FILE                one line per switch: label, serial number,
                                last stored (YYYY-MM-DD), &quot;read back&quot;;
                                &quot;-&quot; where there is none
  site add FILE LABEL PLAN.dat  adds the settings file as a new switch
                                (creates FILE when it does not exist)
  site remove FILE LABEL        removes the switch of that label
  site export FILE LABEL OUT.dat
                                writes the switch&apos;s settings file, byte for
                                byte as it was added
  site name FILE TEXT           sets the site&apos;s name
  site note FILE TEXT           sets the site&apos;s note (address, access)
</source>
        <translation>Anlagen (die Multischalter eines Gebäudes in einer .fsite-Datei; eine
BEZEICHNUNG oder ein TEXT, die mit „-“ beginnen, folgen auf „--“):
  site list DATEI               eine Zeile je Multischalter: Bezeichnung,
                                Seriennummer, zuletzt gespeichert
                                (JJJJ-MM-TT), „read back“; „-“, wo es
                                nichts gibt
  site add DATEI BEZEICHNUNG PLAN.dat
                                fügt die Einstellungsdatei als neuen
                                Multischalter hinzu (legt DATEI an, wenn es
                                sie nicht gibt)
  site remove DATEI BEZEICHNUNG entfernt den Multischalter dieser Bezeichnung
  site export DATEI BEZEICHNUNG ZIEL.dat
                                schreibt die Einstellungsdatei des
                                Multischalters, Byte für Byte wie hinzugefügt
  site name DATEI TEXT          setzt den Namen der Anlage
  site note DATEI TEXT          setzt die Notiz der Anlage (Adresse, Zugang)
</translation>
    </message>
    <message>
        <source>Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT.</source>
        <translation>Aufruf: site list DATEI, site add DATEI BEZEICHNUNG PLAN.dat, site remove DATEI BEZEICHNUNG, site export DATEI BEZEICHNUNG ZIEL.dat, site name DATEI TEXT oder site note DATEI TEXT.</translation>
    </message>
    <message>
        <source>The site file %1 has no switch labelled &quot;%2&quot;.</source>
        <translation>Die Anlagendatei %1 enthält keinen Multischalter mit der Bezeichnung „%2“.</translation>
    </message>
</context>
<context>
    <name>SiteDialog</name>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>The plan on screen will be replaced by the plan of &quot;%1&quot;. Continue?</source>
        <translation>Der angezeigte Plan wird durch den Plan von „%1“ ersetzt. Fortfahren?</translation>
    </message>
    <message>
        <source>Replace the plan of &quot;%1&quot; in the site with the plan on screen?</source>
        <translation>Den Plan von „%1“ in der Anlage durch den angezeigten Plan ersetzen?</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the site?</source>
        <translation>„%1“ aus der Anlage entfernen?</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>angeschlossen</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>angezeigt</translation>
    </message>
    <message>
        <source>Choose a site file</source>
        <translation>Anlagendatei auswählen</translation>
    </message>
    <message>
        <source>Site files</source>
        <translation>Anlagendateien</translation>
    </message>
</context>
<context>
    <name>SiteDialogForm.ui</name>
    <message>
        <source>Site file:</source>
        <translation>Anlagendatei:</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Multischalter:</translation>
    </message>
    <message>
        <source>Put on screen</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Put this switch&apos;s plan on screen</source>
        <translation>Plan dieses Multischalters anzeigen</translation>
    </message>
    <message>
        <source>Replace with the plan on screen</source>
        <translation>Durch den angezeigten Plan ersetzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Stairwell A, cellar</source>
        <translation>Treppenhaus A, Keller</translation>
    </message>
    <message>
        <source>Add the plan on screen</source>
        <translation>Angezeigten Plan hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>SiteEntryListModel</name>
    <message>
        <source>not stored yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>keine Seriennummer</translation>
    </message>
    <message>
        <source>SN %1</source>
        <translation>SN %1</translation>
    </message>
    <message>
        <source>%1, stored %2, read back</source>
        <translation>%1, gespeichert am %2, zurückgelesen</translation>
    </message>
    <message>
        <source>%1, stored %2, not read back</source>
        <translation>%1, gespeichert am %2, nicht zurückgelesen</translation>
    </message>
</context>
<context>
    <name>SiteFile</name>
    <message>
        <source>The site file %1 cannot be used: %2.</source>
        <translation>Die Anlagendatei %1 ist nicht verwendbar: %2.</translation>
    </message>
    <message numerus="yes">
        <source>The site file %1 is larger than %n MiB.</source>
        <translation>
            <numerusform>Die Anlagendatei %1 ist größer als %n MiB.</numerusform>
            <numerusform>Die Anlagendatei %1 ist größer als %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>„%1“ ist kein Text</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is longer than %n characters</source>
        <translation>
            <numerusform>„%1“ ist länger als %n Zeichen</numerusform>
            <numerusform>„%1“ ist länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>it has no known format number</source>
        <translation>sie hat keine bekannte Formatnummer</translation>
    </message>
    <message>
        <source>it has format %1, written by a newer version of the program; this version reads format %2</source>
        <translation>sie hat das Format %1 einer neueren Programmversion; diese Version liest Format %2</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is missing or too long</source>
        <translation>der Plan von „%1“ fehlt oder ist zu lang</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is not base64</source>
        <translation>der Plan von „%1“ ist nicht in Base64 geschrieben</translation>
    </message>
    <message>
        <source>the date of &quot;%1&quot; is not a day of the form YYYY-MM-DD</source>
        <translation>das Datum von „%1“ ist kein Tag der Form JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>switch %1 is no object</source>
        <translation>Multischalter %1 ist kein Objekt</translation>
    </message>
    <message>
        <source>switch %1 has no label</source>
        <translation>Multischalter %1 hat keine Bezeichnung</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is no complete settings file</source>
        <translation>der Plan von „%1“ ist keine vollständige Einstellungsdatei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of &quot;%2&quot; is neither true nor false</source>
        <translation>„%1“ von „%2“ ist weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>„%1“ ist keine Liste</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n switches</source>
        <translation>
            <numerusform>sie enthält mehr als %n Multischalter</numerusform>
            <numerusform>sie enthält mehr als %n Multischalter</numerusform>
        </translation>
    </message>
    <message>
        <source>the label &quot;%1&quot; occurs twice</source>
        <translation>die Bezeichnung „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>sie enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>The site file %1 is no JSON document (%2 at byte %3).</source>
        <translation>Die Anlagendatei %1 ist kein JSON-Dokument (%2 bei Byte %3).</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 is larger than %n bytes.</source>
        <translation>
            <numerusform>Die Einstellungsdatei %1 ist größer als %n Byte.</numerusform>
            <numerusform>Die Einstellungsdatei %1 ist größer als %n Byte.</numerusform>
        </translation>
    </message>
    <message>
        <source>LNB1: %1</source>
        <translation>LNB1: %1</translation>
    </message>
    <message>
        <source>LNB2: %1</source>
        <translation>LNB2: %1</translation>
    </message>
    <message>
        <source>%1 static, LNB%2, %3 MHz %4</source>
        <translation>%1 statisch, LNB%2, %3 MHz %4</translation>
    </message>
    <message>
        <source>%1 dynamic, line %2</source>
        <translation>%1 dynamisch, Leitung %2</translation>
    </message>
    <message>
        <source>The change to the site file %1 is refused: %2.</source>
        <translation>Die Änderung der Anlagendatei %1 wird abgelehnt: %2.</translation>
    </message>
    <message>
        <source>The site file %1 is being changed by another program. Try again.</source>
        <translation>Die Anlagendatei %1 wird gerade von einem anderen Programm geändert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>daneben kann keine Sperrdatei angelegt werden</translation>
    </message>
    <message numerus="yes">
        <source>it would be larger than %n MiB</source>
        <translation>
            <numerusform>sie würde größer als %n MiB</numerusform>
            <numerusform>sie würde größer als %n MiB</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SitePlan</name>
    <message>
        <source>The plan of the entry &quot;%1&quot; cannot be read: %2</source>
        <translation>Der Plan des Eintrags „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Switch</source>
        <translation>Multischalter</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Last stored</source>
        <translation>Zuletzt gespeichert</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Zurückgelesen</translation>
    </message>
    <message>
        <source>read back</source>
        <translation>zurückgelesen</translation>
    </message>
    <message>
        <source>The site&apos;s sheet could not be saved as %1 (%2).</source>
        <translation>Das Blatt der Anlage konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>A site&apos;s sheet is a PDF of several pages; it cannot be saved as a picture (.png).</source>
        <translation>Das Blatt einer Anlage ist ein PDF aus mehreren Seiten; es kann nicht als Bild (.png) gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>SiteView</name>
    <message>
        <source>No site is open.</source>
        <translation>Es ist keine Anlage geöffnet.</translation>
    </message>
    <message>
        <source>The site has no such switch.</source>
        <translation>Diesen Multischalter gibt es in der Anlage nicht.</translation>
    </message>
    <message>
        <source>The plan of &quot;%1&quot; in the site file is damaged; the plan on screen stays.</source>
        <translation>Der Plan von „%1“ in der Anlagendatei ist beschädigt; der angezeigte Plan bleibt erhalten.</translation>
    </message>
    <message>
        <source>The switch now holds the plan on screen, which differs from the plan of &quot;%1&quot; in the site. Replace the plan of &quot;%1&quot; with it and record the switch there?</source>
        <translation>Der Multischalter enthält jetzt den angezeigten Plan, der vom Plan von „%1“ in der Anlage abweicht. Möchten Sie den Plan von „%1“ durch ihn ersetzen und den Multischalter dort eintragen?</translation>
    </message>
</context>
<context>
    <name>SqlHandler</name>
    <message>
        <source>Satelite not found in database</source>
        <translation>Satelit in Datenbank nicht gefunden.</translation>
    </message>
    <message>
        <source>The download of the satellite data broke off (%1). The offline data are used instead.</source>
        <translation>Das Herunterladen der Satellitendaten ist abgebrochen (%1). Stattdessen werden die gespeicherten Offline-Daten verwendet.</translation>
    </message>
    <message>
        <source>Transponder %1 is not among those of %2.</source>
        <translation>Transponder %1 gehört nicht zu denen von %2.</translation>
    </message>
    <message>
        <source>The server&apos;s database &quot;%1&quot; holds no satellite data. The satellite data in use stay as they were.</source>
        <translation>Die Datenbank „%1“ des Servers enthält keine Satellitendaten. Die verwendeten Satellitendaten bleiben unverändert.</translation>
    </message>
    <message>
        <source>the server sent more than %1 MB</source>
        <translation>der Server hat mehr als %1 MB gesendet</translation>
    </message>
    <message>
        <source>the server sent more than %1 transponders</source>
        <translation>der Server hat mehr als %1 Transponder gesendet</translation>
    </message>
    <message>
        <source>the server sent more than %1 transponders for one satellite</source>
        <translation>der Server hat mehr als %1 Transponder für einen Satelliten gesendet</translation>
    </message>
    <message>
        <source>the server lists more than %1 tables</source>
        <translation>der Server nennt mehr als %1 Tabellen</translation>
    </message>
    <message>
        <source>The imported satellite data in %1 cannot be read back.</source>
        <translation>Die importierten Satellitendaten in %1 lassen sich nicht wieder einlesen.</translation>
    </message>
    <message>
        <source>the server sent a table name longer than %1 characters</source>
        <translation>der Server nennt einen Tabellennamen mit mehr als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>StaticUbRules</name>
    <message>
        <source>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</source>
        <translation>%1: Sein Transponder liegt %2 MHz über dem LNB-Oszillator; übertragbar sind nur 100 bis 2147 MHz.</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Support report</source>
        <translation>Supportbericht</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt: %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>Satellite data</source>
        <translation>Satellitendaten</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Anschlüsse</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Multischalter</translation>
    </message>
    <message>
        <source>No switch answered.</source>
        <translation>Kein Multischalter hat geantwortet.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Recent log</source>
        <translation>Letzte Protokollzeilen</translation>
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
        <source>LNB1: %1</source>
        <translation>LNB1: %1</translation>
    </message>
    <message>
        <source>LNB2: %1</source>
        <translation>LNB2: %1</translation>
    </message>
    <message>
        <source>Terrestrial path: %1</source>
        <translation>Terrestrischer Zweig: %1</translation>
    </message>
    <message>
        <source>LTE filter: %1</source>
        <translation>LTE-Filter: %1</translation>
    </message>
    <message>
        <source>Stand-by: %1</source>
        <translation>Stand-by: %1</translation>
    </message>
    <message>
        <source>%1: static, LNB%2, no transponder</source>
        <translation>%1: statisch, LNB%2, kein Transponder</translation>
    </message>
    <message>
        <source>%1: static, LNB%2, transponder %3 (%4 MHz)</source>
        <translation>%1: statisch, LNB%2, Transponder %3 (%4 MHz)</translation>
    </message>
    <message>
        <source>%1: dynamic, line %2, local UB %3</source>
        <translation>%1: dynamisch, Leitung %2, lokales UB %3</translation>
    </message>
    <message>
        <source>The support report %1 cannot be written (%2).</source>
        <translation>Der Supportbericht %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Site file: %1</source>
        <translation>Anlagendatei: %1</translation>
    </message>
    <message>
        <source>Entry: %1</source>
        <translation>Eintrag: %1</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
</context>
<context>
    <name>SwitchAccess</name>
    <message>
        <source>No switch answers on %1.</source>
        <translation>An %1 antwortet kein Multischalter.</translation>
    </message>
    <message>
        <source>No switch found. Connect the switch, or name its port with --port.</source>
        <translation>Kein Multischalter gefunden. Schließen Sie den Multischalter an oder geben Sie seinen Anschluss mit --port an.</translation>
    </message>
    <message>
        <source>Several switches found (%1). Choose one with --port.</source>
        <translation>Mehrere Multischalter gefunden (%1). Wählen Sie einen mit --port.</translation>
    </message>
</context>
<context>
    <name>SwitchSatellites</name>
    <message>
        <source>%1: %2 has no satellite id the switch can carry; use it for dynamic UBs only</source>
        <translation>%1: %2 hat keine vom Multischalter unterstützte Satelliten-ID; nur für dynamische UBs verwenden</translation>
    </message>
    <message>
        <source>(dynamic UBs only)</source>
        <translation>(nur dynamische UBs)</translation>
    </message>
    <message>
        <source>%1 (dynamic UBs only)</source>
        <translation>%1 (nur dynamische UBs)</translation>
    </message>
</context>
<context>
    <name>SwitchView</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TransponderChoice</name>
    <message>
        <source>%1: %2 has more than one transponder at %3; the plan does not say which.</source>
        <translation>%1: %2 hat mehrere Transponder bei %3; der Plan sagt nicht, welchen.</translation>
    </message>
    <message>
        <source>%1: %2 has no transponder at %3</source>
        <translation>%1: %2 hat keinen Transponder bei %3</translation>
    </message>
    <message>
        <source>%1: polarisation %2 taken from transponder %3; check it</source>
        <translation>%1: Polarisation %2 von Transponder %3 übernommen; bitte prüfen Sie das</translation>
    </message>
</context>
<context>
    <name>TransponderListModel</name>
    <message>
        <source>Other transponder…</source>
        <translation>Anderer Transponder…</translation>
    </message>
</context>
<context>
    <name>UBListDelegate</name>
    <message>
        <source>%1, missing</source>
        <translation>%1, fehlt</translation>
    </message>
</context>
<context>
    <name>UBListDelegateForm.ui</name>
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
        <source>Every dynamic UB must be on one of the lines 1 to 4.</source>
        <translation>Jedes dynamische UB muss auf einer der Leitungen 1 bis 4 liegen.</translation>
    </message>
    <message>
        <source>%1: a dynamic UB on line %2; the switch has lines 1 to 4.</source>
        <translation>%1: Ein dynamisches UB auf Leitung %2; der Multischalter hat die Leitungen 1 bis 4.</translation>
    </message>
    <message>
        <source>UBs whose transponder has another number in the satellite data: %1.</source>
        <translation>UBs, deren Transponder jetzt eine andere Nummer hat: %1.</translation>
    </message>
    <message>
        <source>Not assigned: %1.</source>
        <translation>Nicht zugewiesen: %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation>Die Datei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <translation>Die Datei %1 kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Fenzo Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
</context>
</TS>
