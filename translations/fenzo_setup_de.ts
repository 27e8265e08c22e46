<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
<context>
    <name>SqlHandler</name>
    <message>
        <source>Satelite not found in database</source>
        <translation>Satelit in Datenbank nicht gefunden.</translation>
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
        <source>Couldn&apos;t connect to database. Please check your internet connection and restart application.</source>
        <translation>Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung und starten Sie die Anwendung neu.</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please restart application with internet connection to update offline data.</source>
        <translation>Anwendungsdaten sind älter als einen Monat. Bitte Anwendung mit Internetverbindung neu starten, um Daten zu aktualisieren.</translation>
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
</context>
<context>
    <name>main</name>
    <message>
        <source>Fenzo Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
