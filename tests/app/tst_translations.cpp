#include "OfflineEnvironment.h"
#include "controller/UBModelController.h"
#include "device/CodeWord.h"
#include "device/DeviceOperation.h"
#include "controller/UBDataModel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <stdexcept>

namespace {
struct Entry
{
    const char *context;
    const char *source;
    const char *german;  // nullptr: no translation
    const char *english; // nullptr: no translation
};

// Every text of the catalogues, with its wording in each language.
const Entry entries[] = {
    {u8"main", u8"Fenzo Setup", nullptr, nullptr},
    {u8"Options", u8" for lnb1 no longer available", u8" für LNB1 nicht mehr verfügrbar", u8" for LNB1 no longer available"},
    {u8"Options", u8" for lnb2 no longer available", u8" für LNB2 nicht mehr verfügrbar", u8" for LNB2 no longer available"},
    {u8"Options", u8"Choose a file", u8"Datei auswählen", u8"Choose a file"},
    {u8"Options", u8"Error", u8"Fehler", u8"Error"},
    {u8"Options", u8"Information", u8"Hinweis", u8"Information"},
    {u8"Options", u8"Number of static Ubs: ", u8"Anzahl statischer Ubs:", u8"Number of static Ubs: "},
    {u8"Options", u8"Select number of static UBs. Existing data will be overwritten!", u8"Bitte Anzahl statischer UBs auswählen. Bestehende Einstellungen werden überschrieben!", u8"Select number of static UBs. Existing data will be overwritten!"},
    {u8"Options", u8"Selected satelite ", u8"Ausgewählter Satelit ", u8"Selected satelite "},
    {u8"Options", u8"Selected satelite no longer available.", u8"Ausgewählter Satelite nicht mehr verfürgbar.", u8"Selected satelite no longer available."},
    {u8"Options", u8"Set number of static UBs", u8"Anzahl statischer UBs festlegen", u8"Set number of static UBs"},
    {u8"Options", u8"This will redistribute all dynamic UBs equally and change current settings.", u8"Die Zuordnung aller dynamischen UBs wird gleichmäßig verteilt.", u8"This will redistribute all dynamic UBs equally and change current settings."},
    {u8"Options", u8"Top of list: ", u8"Hohe Frequenzen belegen: ", u8"Assign to high frequencies: "},
    {u8"Options", u8"Version: ", u8"Version:", u8"Version: "},
    {u8"Options", u8"Warning", u8"Achtung", u8"Warning"},
    {u8"OptionsForm.ui", u8"01332251", nullptr, nullptr},
    {u8"OptionsForm.ui", u8"Assign number of static UBs", u8"Anzahl der statischen UBs auswählen", u8"Assign number of static UBs"},
    {u8"OptionsForm.ui", u8"DESCRIPTION", u8"Terrestrischen Zweig aktiv schalten", u8"Set terrestrial path active"},
    {u8"OptionsForm.ui", u8"DESCRIPTIONLTE", u8"Obere Frequenz auf 690 MHz begrenzen", u8"Limit upper frequency to 690 MHz"},
    {u8"OptionsForm.ui", u8"display", nullptr, nullptr},
    {u8"OptionsForm.ui", u8"Enable stand by mode (not possible with static UBs)", u8"Stand-By Modus aktivieren (nicht möglich mit statischen UBs)", u8"Enable stand by mode (not possible with static UBs)"},
    {u8"OptionsForm.ui", u8"Equally distribute lines for dynamic UBs", u8"Dynamische UBs gleichmäßig verteilen", u8"Equally distribute lines for dynamic UBs"},
    {u8"OptionsForm.ui", u8"Export settings to local storage", u8"Einstellungen als Datei speichern", u8"Save settings as a file"},
    {u8"OptionsForm.ui", u8"Export settings to the device rom", u8"Einstellungen auf Gerät dauerhaft speichern", u8"Save settings to the device rom"},
    {u8"OptionsForm.ui", u8"Export settings to the device storage", u8"Einstellungen an das Gerät zum Testen senden", u8"Export settings to the device storage for testing"},
    {u8"OptionsForm.ui", u8"LNB1: ", u8"LNB1: ", u8"LNB1: "},
    {u8"OptionsForm.ui", u8"LNB2: ", u8"LNB2: ", u8"LNB2: "},
    {u8"OptionsForm.ui", u8"Load settings from local storage", u8"Einstellungen aus Datei laden", u8"Load settings from file"},
    {u8"OptionsForm.ui", u8"LTE filter", u8"LTE Filter", u8"LTE filter"},
    {u8"OptionsForm.ui", u8"Read configuration from device", u8"Einstellungen vom Gerät lesen", u8"Read configuration from device"},
    {u8"OptionsForm.ui", u8"Read from device", u8"Vom Gerät lesen", u8"Read from device"},
    {u8"OptionsForm.ui", u8"Read from file", u8"Aus Datei laden", u8"Load from file"},
    {u8"OptionsForm.ui", u8"Reset dynamic UBs", u8"Dynamische UBs zurücksetzen", u8"Reset dynamic UBs"},
    {u8"OptionsForm.ui", u8"Save on device", u8"Auf Gerät speichern", u8"Save on device"},
    {u8"OptionsForm.ui", u8"Save to file", u8"Als Datei speichern", u8"Save as file"},
    {u8"OptionsForm.ui", u8"Select satelite for LNB 1", u8"Satelit für LNB1 auswählen", u8"Select satelite for LNB 1"},
    {u8"OptionsForm.ui", u8"Select satelite for LNB 2", u8"Satelit für LNB2 auswählen", u8"Select satelite for LNB 2"},
    {u8"OptionsForm.ui", u8"Set number of static UBs", u8"Anzahl statische UBs", u8"Set number of static UBs"},
    {u8"OptionsForm.ui", u8"Terrestrial path active", u8"Terretrische Zweig aktiv", u8"Terrestrial path active"},
    {u8"OptionsForm.ui", u8"Test on device", u8"Auf Gerät testen", u8"Test on device"},
    {u8"UBListDelegateForm.ui", u8"dynamic", u8"dynamisch", u8"dynamic"},
    {u8"UBListDelegateForm.ui", u8"Line:", nullptr, nullptr},
    {u8"UBListDelegateForm.ui", u8"LNB:", nullptr, nullptr},
    {u8"UBListDelegateForm.ui", u8"LocalUB:", nullptr, nullptr},
    {u8"UBListDelegateForm.ui", u8"static", u8"statisch", u8"static"},
    {u8"UBListDelegateForm.ui", u8"TP:", nullptr, nullptr},
    {u8"DeviceStatus", u8"No device found", u8"Kein Gerät gefunden", u8"No device found"},
    {u8"UBModelController", u8"All static UBs must be assigned.", u8"Alle statischen UBs müssen einem Transponder zugewiesen haben.", u8"All static UBs must be assigned to a transponder."},
    {u8"SatelliteDataView", u8"Couldn't connect to database. Please check your internet connection, then open \"Satellite data…\", check the server and press \"Update now\".", u8"Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung, klicken Sie dann auf das Symbol „Satellitendaten…“, prüfen Sie den Server und klicken Sie auf „Jetzt aktualisieren“.", u8"Couldn't connect to database. Please check your internet connection, then open \"Satellite data…\", check the server and press \"Update now\"."},
    {u8"PlanFiles", u8"Error while saving", u8"Fehler beim Speichern der Daten", u8"Error while saving data"},
    {u8"PlanEditor", u8"Line for dynamic channel must be smaller than 5", u8"Line für dynamische UBs muss kleiner als 5 sein", u8"Line for dynamic UBs must be smaller than 5"},
    {u8"UBModelController", u8"Lnb1 must be set.", u8"LNB1 muss asugewählt sein.", u8"LNB1 must be set."},
    {u8"UBModelController", u8"Lnb2 must be set.", u8"LNB2 muss asugewählt sein.", u8"LNB2 must be set."},
    {u8"UBModelController", u8"Local UB number bigger than 8, protocol XY required", u8"LocalUB größer als 8. Kann nur mit EN50607 angesprochen werden.", u8"LocalUB bigger than 8. Can only be used with EN50607."},
    {u8"SatelliteDataView", u8"Offline data for satelites older than 1 month. Please connect to the internet, open \"Satellite data…\" and press \"Update now\" to update offline data.", u8"Die Offline-Daten sind älter als ein Monat. Bitte stellen Sie eine Internetverbindung her, klicken Sie auf das Symbol „Satellitendaten…“ und dann auf „Jetzt aktualisieren“.", u8"Offline data for satelites older than 1 month. Please connect to the internet, open \"Satellite data…\" and press \"Update now\" to update offline data."},
    {u8"SwitchView", u8"Unknown error", u8"Unbekannter Fehler", u8"Unknown error"},
    {u8"SqlHandler", u8"Satelite not found in database", u8"Satelit in Datenbank nicht gefunden.", u8"Satelite not found in database."},
    {u8"DeviceOperation", u8"Error occured while reading data, please try again", u8"Fehler während des Lesevorgangs. Bitte erneut versuchen.", u8"Error occured while reading data. Please try again."},
    {u8"DeviceOperation", u8"Error occured while writing data, please try again", u8"Fehler während des Schreibvorgangs. Bitte erneut versuchen.", u8"Error occured while writing data. Please try again."},
    {u8"DeviceOperation", u8"Lost connection to device. Please connect again", u8"Verbindung zum Gerät getrennt. Bitte erneut verbinden.", u8"Lost connection to device. Please connect again."},
    {u8"SerialPortHandler", u8"Line %1 cannot be sent to the device (0 to 255)", u8"Leitung %1 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 255)", u8"Line %1 cannot be sent to the device (0 to 255)"},
    {u8"SerialPortHandler", u8"Satelite id %1 cannot be sent to the device (0 to 127)", u8"Satelliten-ID %1 kann nicht an das Gerät gesendet werden (zulässig: 0 bis 127)", u8"Satelite id %1 cannot be sent to the device (0 to 127)"},
    {u8"SerialPortHandler", u8"UB%1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)", u8"UB%1 kann nicht an das Gerät gesendet werden: Sein Transponder liegt %2 MHz über dem LNB-Oszillator (zulässig: 100 bis 2147 MHz)", u8"UB%1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)"},
    {u8"SerialPortHandler", u8"UB number %1 cannot be sent to the device (1 to 24)", u8"UB-Nummer %1 kann nicht an das Gerät gesendet werden (zulässig: 1 bis 24)", u8"UB number %1 cannot be sent to the device (1 to 24)"},
};

// The installation sheet's texts.
const Entry sheetEntries[] = {
    {u8"SheetPainter", u8"Line %1, local UB %2", u8"Leitung %1, lokales UB %2", u8"Line %1, local UB %2"},
    {u8"SheetPainter", u8"not assigned", u8"nicht zugewiesen", u8"not assigned"},
    {u8"SheetPainter", u8"high", u8"High", u8"high"},
    {u8"SheetPainter", u8"low", u8"Low", u8"low"},
    {u8"SheetPainter", u8"Line %1", u8"Leitung %1", u8"Line %1"},
    {u8"SheetPainter", u8"static", u8"statisch", u8"static"},
    {u8"SheetPainter", u8"problem", u8"Problem", u8"problem"},
    {u8"SheetPainter", u8"on", u8"ein", u8"on"},
    {u8"SheetPainter", u8"off", u8"aus", u8"off"},
    {u8"SheetPainter", u8"%1 is static but has no transponder.", u8"%1 ist statisch, hat aber keinen Transponder.", u8"%1 is static but has no transponder."},
    {u8"SheetPainter", u8"Line %1 carries %2 dynamic UBs; receivers reach those beyond eight only with EN50607.", u8"Auf Leitung %1 liegen %2 dynamische UBs; ab dem neunten UB brauchen die Receiver EN50607.", u8"Line %1 carries %2 dynamic UBs; receivers reach those beyond eight only with EN50607."},
    {u8"SheetPainter", u8"Installation sheet", u8"Installationsblatt", u8"Installation sheet"},
    {u8"SheetPainter", u8"Date: %1", u8"Datum: %1", u8"Date: %1"},
    {u8"SheetPainter", u8"Device serial number: %1", u8"Seriennummer des Geräts: %1", u8"Device serial number: %1"},
    {u8"SheetPainter", u8"No device was connected.", u8"Es war kein Gerät angeschlossen.", u8"No device was connected."},
    {u8"SheetPainter", u8"LNB1: %1", u8"LNB1: %1", u8"LNB1: %1"},
    {u8"SheetPainter", u8"LNB2: %1", u8"LNB2: %1", u8"LNB2: %1"},
    {u8"SheetPainter", u8"none", u8"nicht ausgewählt", u8"none"},
    {u8"SheetPainter", u8"Terrestrial path: %1, LTE filter: %2, stand-by: %3", u8"Terrestrischer Zweig: %1, LTE-Filter: %2, Stand-by: %3", u8"Terrestrial path: %1, LTE filter: %2, stand-by: %3"},
    {u8"SheetPainter", u8"Line %1: receivers on this line", u8"Leitung %1: Receiver an dieser Leitung", u8"Line %1: receivers on this line"},
    {u8"SheetPainter", u8"No dynamic UBs.", u8"Keine dynamischen UBs.", u8"No dynamic UBs."},
    {u8"SheetPainter", u8"Local UB", u8"Lokales UB", u8"Local UB"},
    {u8"SheetPainter", u8"UB", u8"UB", u8"UB"},
    {u8"SheetPainter", u8"Slot frequency", u8"UB-Frequenz", u8"Slot frequency"},
    {u8"SheetPainter", u8"Dynamic UBs on no valid line: %1", u8"Dynamische UBs ohne gültige Leitung: %1", u8"Dynamic UBs on no valid line: %1"},
    {u8"SheetPainter", u8"Static UBs", u8"Statische UBs", u8"Static UBs"},
    {u8"SheetPainter", u8"No static UBs.", u8"Keine statischen UBs.", u8"No static UBs."},
    {u8"SheetPainter", u8"Slot", u8"UB-Frequenz", u8"Slot"},
    {u8"SheetPainter", u8"LNB", u8"LNB", u8"LNB"},
    {u8"SheetPainter", u8"Satellite", u8"Satellit", u8"Satellite"},
    {u8"SheetPainter", u8"TP", u8"TP", u8"TP"},
    {u8"SheetPainter", u8"Frequency", u8"TP-Frequenz", u8"Frequency"},
    {u8"SheetPainter", u8"Pol.", u8"Pol.", u8"Pol."},
    {u8"SheetPainter", u8"Band", u8"Band", u8"Band"},
    {u8"SheetPainter", u8"Warnings", u8"Warnungen", u8"Warnings"},
    {u8"SheetPainter", u8"None.", u8"Keine.", u8"None."},
    {u8"StaticUbRules", u8"%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.", u8"%1: Sein Transponder liegt %2 MHz über dem LNB-Oszillator; übertragbar sind nur 100 bis 2147 MHz.", u8"%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz."},
    {u8"SheetPainter", u8"%1: %2 has the satellite id %3; a code word carries 0 to 127.", u8"%1: %2 hat die Satelliten-ID %3; übertragbar sind nur die IDs 0 bis 127.", u8"%1: %2 has the satellite id %3; a code word carries 0 to 127."},
    {u8"SheetPainter", u8"%1: a code word carries the UB numbers 1 to 32 only.", u8"%1: Übertragbar sind nur die UB-Nummern 1 bis 32.", u8"%1: a code word carries the UB numbers 1 to 32 only."},
    {u8"SheetPainter", u8"%1: transponder %2 of %3 is not in the satellite data.", u8"%1: Transponder %2 von %3 ist nicht in den Satellitendaten.", u8"%1: transponder %2 of %3 is not in the satellite data."},
    {u8"InstallationSheet", u8"The installation sheet could not be saved as %1 (%2).", u8"Das Installationsblatt konnte nicht als %1 gespeichert werden (%2).", u8"The installation sheet could not be saved as %1 (%2)."},
    {u8"InstallationSheet", u8"The picture could not be saved as %1 (%2).", u8"Das Bild konnte nicht als %1 gespeichert werden (%2).", u8"The picture could not be saved as %1 (%2)."},
    {u8"InstallationSheetWindow", u8"Installation sheet", u8"Installationsblatt", u8"Installation sheet"},
    {u8"InstallationSheetWindowForm.ui", u8"Save as PDF…", u8"Als PDF speichern…", u8"Save as PDF…"},
    {u8"InstallationSheetWindowForm.ui", u8"Save picture…", u8"Bild speichern…", u8"Save picture…"},
    {u8"DialogWindow", u8"OK", u8"OK", u8"OK"},
    {u8"DialogWindow", u8"Cancel", u8"Abbrechen", u8"Cancel"},
    {u8"InstallationSheetWindow", u8"Choose a file", u8"Datei auswählen", u8"Choose a file"},
    {u8"InstallationSheetWindow", u8"Error", u8"Fehler", u8"Error"},
    {u8"OptionsForm.ui", u8"Show the installation sheet", u8"Installationsblatt anzeigen", u8"Show the installation sheet"},
    {u8"InstallationSheet", u8"the sheet could not be drawn", u8"das Blatt konnte nicht gezeichnet werden", u8"the sheet could not be drawn"},
    {u8"InstallationSheet", u8"the picture could not be drawn", u8"das Bild konnte nicht gezeichnet werden", u8"the picture could not be drawn"},
    {u8"Options", u8"Fetching the satellite data…", u8"Satellitendaten werden geladen…", u8"Fetching the satellite data…"},
    {u8"SatelliteDownload", u8"no complete answer within %1 s", u8"keine vollständige Antwort innerhalb von %1 s", u8"no complete answer within %1 s"},
    {u8"SerialPortHandler", u8"The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again.", u8"Der Multischalter an %1 lässt sich nicht öffnen (fehlende Berechtigung). Installieren Sie das Programm neu, damit die Geräteregel %2 eingerichtet wird, oder nehmen Sie Ihr Benutzerkonto in die Gruppe dialout auf und melden Sie sich neu an.", u8"The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again."},
    {u8"SerialPortHandler", u8"The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again.", u8"Der Multischalter an %1 lässt sich nicht öffnen (fehlende Berechtigung): Ziehen Sie ihn ab und stecken Sie ihn wieder ein, oder nehmen Sie Ihr Benutzerkonto in die Gruppe dialout auf und melden Sie sich neu an.", u8"The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again."},
    {u8"SerialPortHandler", u8"The switch at %1 is in use by another program. Close that program to use the switch here.", u8"Der Multischalter an %1 wird von einem anderen Programm benutzt. Schließen Sie das andere Programm, um den Multischalter hier zu benutzen.", u8"The switch at %1 is in use by another program. Close that program to use the switch here."},
    {u8"SerialPortHandler", u8"The switch at %1 could not be opened (%2).", u8"Der Multischalter an %1 konnte nicht geöffnet werden (%2).", u8"The switch at %1 could not be opened (%2)."},
    {u8"OfflineCacheFile", u8"The offline data could not be saved to %1 (%2).", u8"Die Offline-Daten konnten nicht in %1 gespeichert werden (%2).", u8"The offline data could not be saved to %1 (%2)."},
    {u8"OfflineCacheFile", u8"The offline data in %1 could not be read (%2).", u8"Die Offline-Daten in %1 konnten nicht gelesen werden (%2).", u8"The offline data in %1 could not be read (%2)."},
    {u8"SqlHandler", u8"The download of the satellite data broke off (%1). The offline data are used instead.", u8"Das Herunterladen der Satellitendaten ist abgebrochen (%1). Stattdessen werden die gespeicherten Offline-Daten verwendet.", u8"The download of the satellite data broke off (%1). The offline data are used instead."},
};

// The command-line tool, the transfers, the backups, the comparison and its
// window.
const Entry toolEntries[] = {
    {u8"CommandLineTool", u8"Unknown option %1. \"fenzo_cli --help\" lists the commands.", u8"Unbekannte Option %1. „fenzo_cli --help“ zeigt die Befehle.", u8"Unknown option %1. \"fenzo_cli --help\" lists the commands."},
    {u8"CommandLineTool", u8"Wrong number of file names. \"fenzo_cli --help\" lists the commands.", u8"Falsche Anzahl von Dateinamen. „fenzo_cli --help“ zeigt die Befehle.", u8"Wrong number of file names. \"fenzo_cli --help\" lists the commands."},
    {u8"CommandLineTool", u8"No command given. \"fenzo_cli --help\" lists the commands.", u8"Kein Befehl angegeben. „fenzo_cli --help“ zeigt die Befehle.", u8"No command given. \"fenzo_cli --help\" lists the commands."},
    {u8"CommandLineTool", u8"Unknown command %1. \"fenzo_cli --help\" lists the commands.", u8"Unbekannter Befehl %1. „fenzo_cli --help“ zeigt die Befehle.", u8"Unknown command %1. \"fenzo_cli --help\" lists the commands."},
    {u8"SwitchAccess", u8"No switch answers on %1.", u8"An %1 antwortet kein Multischalter.", u8"No switch answers on %1."},
    {u8"SwitchAccess", u8"No switch found. Connect the switch, or name its port with --port.", u8"Kein Multischalter gefunden. Schließen Sie den Multischalter an oder geben Sie seinen Anschluss mit --port an.", u8"No switch found. Connect the switch, or name its port with --port."},
    {u8"SwitchAccess", u8"Several switches found (%1). Choose one with --port.", u8"Mehrere Multischalter gefunden (%1). Wählen Sie einen mit --port.", u8"Several switches found (%1). Choose one with --port."},
    {u8"CommandLineTool", u8"No switch found.", u8"Kein Multischalter gefunden.", u8"No switch found."},
    // A count: without one, its first form.
    {u8"CommandLineTool", u8"The file %1 is larger than %n bytes: it holds no replies of a switch.", u8"Die Datei %1 ist größer als %n Byte: Sie enthält keine Antworten eines Multischalters.", u8"The file %1 is larger than %n byte: it holds no replies of a switch."},
    {u8"CommandLineTool", u8"%1 %2: not stored: %3", u8"%1 %2: nicht gespeichert: %3", u8"%1 %2: not stored: %3"},
    {u8"CommandLineTool", u8"--port needs the switch's port, for example /dev/ttyACM0.", u8"--port erwartet den Anschluss des Multischalters, zum Beispiel /dev/ttyACM0.", u8"--port needs the switch's port, for example /dev/ttyACM0."},
    {u8"CompareWindow", u8"Compare with device", u8"Mit Gerät vergleichen", u8"Compare with device"},
    {u8"CompareWindowForm.ui", u8"Differences between this plan and the switch", u8"Unterschiede zwischen diesem Plan und dem Multischalter", u8"Differences between this plan and the switch"},
    {u8"CompareWindowForm.ui", u8"Close", u8"Schließen", u8"Close"},
    {u8"DeviceTransfers", u8"The switch's plan could not be backed up, so nothing was stored: %1", u8"Der Plan des Multischalters konnte nicht gesichert werden, daher wurde nichts gespeichert: %1", u8"The switch's plan could not be backed up, so nothing was stored: %1"},
    {u8"OptionsForm.ui", u8"Compare with device", u8"Mit Gerät vergleichen", u8"Compare with device"},
    {u8"OptionsForm.ui", u8"Show what the device holds that differs from this plan", u8"Unterschiede zwischen Gerät und aktuellem Plan anzeigen", u8"Show what the device holds that differs from this plan"},
    {u8"OrbitalPositions", u8"%1 is now %2", u8"%1 heißt jetzt %2", u8"%1 is now %2"},
    {u8"PlanBackup", u8"The folder %1 cannot be made.", u8"Der Ordner %1 kann nicht angelegt werden.", u8"The folder %1 cannot be made."},
    {u8"PlanComparison", u8"on", u8"ein", u8"on"},
    {u8"PlanComparison", u8"off", u8"aus", u8"off"},
    {u8"PlanComparison", u8"no transponder", u8"kein Transponder", u8"no transponder"},
    {u8"PlanComparison", u8"transponder %1 (%2 MHz)", u8"Transponder %1 (%2 MHz)", u8"transponder %1 (%2 MHz)"},
    {u8"PlanComparison", u8"The switch holds this plan.", u8"Der Multischalter enthält diesen Plan.", u8"The switch holds this plan."},
    {u8"PlanComparison", u8"%1: %2 in the plan, %3 in the switch", u8"%1: %2 im Plan, %3 im Multischalter", u8"%1: %2 in the plan, %3 in the switch"},
    {u8"PlanComparison", u8"Satellite on LNB1", u8"Satellit an LNB1", u8"Satellite on LNB1"},
    {u8"PlanComparison", u8"Satellite on LNB2", u8"Satellit an LNB2", u8"Satellite on LNB2"},
    {u8"PlanComparison", u8"Terrestrial path", u8"Terrestrischer Zweig", u8"Terrestrial path"},
    {u8"PlanComparison", u8"LTE filter", u8"LTE-Filter", u8"LTE filter"},
    {u8"PlanComparison", u8"Stand-by", u8"Stand-by", u8"Stand-by"},
    {u8"PlanComparison", u8"%1: only in the plan", u8"%1: nur im Plan", u8"%1: only in the plan"},
    {u8"PlanComparison", u8"%1: only in the switch", u8"%1: nur im Multischalter", u8"%1: only in the switch"},
    {u8"PlanComparison", u8"static", u8"statisch", u8"static"},
    {u8"PlanComparison", u8"dynamic", u8"dynamisch", u8"dynamic"},
    {u8"PlanComparison", u8"LNB%1", u8"LNB%1", u8"LNB%1"},
    {u8"PlanComparison", u8"line %1", u8"Leitung %1", u8"line %1"},
    {u8"PlanComparison", u8"local UB %1", u8"lokales UB %1", u8"local UB %1"},
    {u8"WholeFile", u8"The file %1 cannot be written (%2).", u8"Die Datei %1 kann nicht geschrieben werden (%2).", u8"The file %1 cannot be written (%2)."},
    {u8"WholeFile", u8"The file %1 cannot be read (%2).", u8"Die Datei %1 kann nicht gelesen werden (%2).", u8"The file %1 cannot be read (%2)."},
    {u8"SettingsFile", u8"The file %1 is no complete settings file.", u8"Die Datei %1 ist keine vollständige Einstellungsdatei.", u8"The file %1 is no complete settings file."},
    {u8"CommandLineTool", u8"The file %1 holds no replies of a switch: %2", u8"Die Datei %1 enthält keine Antworten eines Multischalters: %2", u8"The file %1 holds no replies of a switch: %2"},
    {u8"DeviceReplies", u8"It is not a UTF-8 text.", u8"Die Datei ist kein UTF-8-Text.", u8"It is not a UTF-8 text."},
    {u8"DeviceReplies", u8"The line \"%1\" is no query and reply of the switch.", u8"Die Zeile „%1“ ist keine Abfrage mit Antwort des Multischalters.", u8"The line \"%1\" is no query and reply of the switch."},
    {u8"DeviceReplies", u8"The reply to %1 appears twice.", u8"Die Antwort auf %1 kommt zweimal vor.", u8"The reply to %1 appears twice."},
    {u8"DeviceReplies", u8"The reply to %1 is not a reply of the switch.", u8"Die Antwort auf %1 ist keine Antwort des Multischalters.", u8"The reply to %1 is not a reply of the switch."},
    {u8"DeviceReplies", u8"The reply to %1 is missing.", u8"Die Antwort auf %1 fehlt.", u8"The reply to %1 is missing."},
    {u8"DeviceReplies", u8"The reply to :CONF:ALL? does not hold 24 code words.", u8"Die Antwort auf :CONF:ALL? enthält nicht 24 Codewörter.", u8"The reply to :CONF:ALL? does not hold 24 code words."},
    {u8"DeviceTransfers", u8"The switch's plan could not be backed up, so nothing was sent: %1", u8"Der Plan des Multischalters konnte nicht gesichert werden, daher wurde nichts gesendet: %1", u8"The switch's plan could not be backed up, so nothing was sent: %1"},
    {u8"SerialPortHandler", u8"%1 cannot be read: the satellite id %2 is not in the satellite data.", u8"%1 kann nicht gelesen werden: Die Satelliten-ID %2 ist nicht in den Satellitendaten.", u8"%1 cannot be read: the satellite id %2 is not in the satellite data."},
    {u8"SerialPortHandler", u8"%1 cannot be read: it names the high band, which %2 does not have.", u8"%1 kann nicht gelesen werden: Es liegt im High-Band, für %2 ist aber kein High-Band hinterlegt.", u8"%1 cannot be read: it names the high band, which %2 does not have."},
    {u8"SerialPortHandler", u8"%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data.", u8"%1 kann nicht gelesen werden: %2 hat in den Satellitendaten keinen Transponder bei %3 MHz %4.", u8"%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data."},
    {u8"SerialPortHandler", u8"%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB.", u8"%1 kann nicht gelesen werden: Transponder %2 von %3 liegt im anderen Band des LNB.", u8"%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB."},
    {u8"SqlHandler", u8"Transponder %1 is not among those of %2.", u8"Transponder %1 gehört nicht zu denen von %2.", u8"Transponder %1 is not among those of %2."},
    {u8"main", u8"Information", u8"Hinweis", u8"Information"},
    {u8"CommandLineTool", u8"encrypted (TLS)", u8"verschlüsselt (TLS)", u8"encrypted (TLS)"},
    {u8"CommandLineTool", u8"not encrypted", u8"nicht verschlüsselt", u8"not encrypted"},
    {u8"CommandLineTool", u8"TLS required", u8"TLS erforderlich", u8"TLS required"},
    {u8"CommandLineTool", u8"TLS when offered", u8"TLS, wenn angeboten", u8"TLS when offered"},
    {u8"CommandLineTool", u8"certificates from the system's store", u8"Zertifikate aus dem Zertifikatsspeicher des Systems", u8"certificates from the system's store"},
    {u8"CommandLineTool", u8"certificates from %1", u8"Zertifikate aus %1", u8"certificates from %1"},
};

// The keyboard and message texts.
const Entry messageEntries[] = {
    {u8"PlanFiles", u8"Error while loading", u8"Fehler beim Laden der Daten", u8"Error while loading data"},
    {u8"WholeFile", u8"no file name", u8"kein Dateiname", u8"no file name"},
    {u8"WholeFile", u8"out of memory", u8"zu wenig Arbeitsspeicher", u8"out of memory"},
    {u8"FileChooser", u8"Save", u8"Speichern", u8"Save"},
    {u8"FileChooser", u8"Open", u8"Öffnen", u8"Open"},
    {u8"OptionsForm.ui", u8"Information", u8"Hinweis", u8"Information"},
    // The file dialogs: the filters, and what Qt 6's own catalogue lacks.
    {u8"Options", u8"dat files", u8"dat-Dateien", u8"dat files"},
    {u8"FileDialog", u8"File name", u8"Dateiname", u8"File name"},
    {u8"FileDialog", u8"Filter", u8"Filter", u8"Filter"},
};

// Where the satellite data come from and how new data are taken in.
const Entry dataEntries[] = {
    {u8"BuiltInSatellites", u8"The built-in satellite data are damaged (line %1).", u8"Die eingebauten Satellitendaten sind beschädigt (Zeile %1).", u8"The built-in satellite data are damaged (line %1)."},
    {u8"BuiltInSatellites", u8"This program was built without satellite data.", u8"Dieses Programm wurde ohne Satellitendaten erstellt.", u8"This program was built without satellite data."},
    {u8"SerialPortHandler", u8"UB%1 cannot be sent to the device: its satellite has no satellite id yet", u8"UB%1 kann nicht an das Gerät gesendet werden: Sein Satellit hat noch keine Satelliten-ID", u8"UB%1 cannot be sent to the device: its satellite has no satellite id yet"},
    {u8"SatelliteData", u8"Satellite data: %1; no server: %2", u8"Satellitendaten: %1; Abruf vom Server fehlgeschlagen: %2", u8"Satellite data: %1; no server: %2"},
    {u8"SatelliteData", u8"Satellite data: new data loaded (%1).", u8"Satellitendaten: neue Daten übernommen (%1).", u8"Satellite data: new data loaded (%1)."},
    {u8"SatelliteSource", u8"server %1:%2", u8"Server %1:%2", u8"server %1:%2"},
    {u8"SatelliteSource", u8"offline cache of %1", u8"Offline-Daten vom %1", u8"offline cache of %1"},
    {u8"SatelliteData", u8"none", u8"keine", u8"none"},
    {u8"SatelliteData", u8"No satellite data", u8"Keine Satellitendaten", u8"No satellite data"},
    {u8"PlanEditor", u8"Not in these data: %1.", u8"Nicht mehr in den Satellitendaten: %1.", u8"Not in these data: %1."},
    {u8"PlanEditor", u8"Transponders not in these data (marked): %1.", u8"UBs mit fehlendem Transponder (markiert): %1.", u8"Transponders not in these data (marked): %1."},
    {u8"ConnectionFailure", u8"server %1 cannot be reached: connection refused", u8"Server %1 nicht erreichbar: Verbindung abgelehnt", u8"server %1 cannot be reached: connection refused"},
    {u8"ConnectionFailure", u8"server %1 cannot be reached: no route to the host", u8"Server %1 nicht erreichbar: keine Route zum Host", u8"server %1 cannot be reached: no route to the host"},
    {u8"ConnectionFailure", u8"server %1 cannot be reached: no answer within %2 s", u8"Server %1 nicht erreichbar: keine Antwort innerhalb von %2 s", u8"server %1 cannot be reached: no answer within %2 s"},
    {u8"ConnectionFailure", u8"server %1 cannot be reached", u8"Server %1 nicht erreichbar", u8"server %1 cannot be reached"},
    {u8"ConnectionFailure", u8"server %1 cannot be reached: the host name is unknown", u8"Server %1 nicht erreichbar: unbekannter Hostname", u8"server %1 cannot be reached: the host name is unknown"},
    {u8"ConnectionFailure", u8"server %1 refused the user \"%2\": wrong user name or password", u8"Server %1 hat den Benutzer „%2“ abgewiesen: falscher Benutzername oder falsches Passwort", u8"server %1 refused the user \"%2\": wrong user name or password"},
    {u8"ConnectionFailure", u8"server %1 refuses connections from this computer", u8"Server %1 lehnt Verbindungen von diesem Rechner ab", u8"server %1 refuses connections from this computer"},
    {u8"ConnectionFailure", u8"server %1 has no database \"%2\"", u8"Server %1 hat keine Datenbank „%2“", u8"server %1 has no database \"%2\""},
    {u8"ConnectionFailure", u8"server %1: a table in the database \"%2\" does not have the columns of satellite data", u8"Server %1: eine Tabelle der Datenbank „%2“ hat nicht die für Satellitendaten erwarteten Spalten", u8"server %1: a table in the database \"%2\" does not have the columns of satellite data"},
    {u8"ConnectionFailure", u8"server %1 sent a row larger than 1 MB", u8"Server %1 hat einen Datensatz über 1 MB gesendet", u8"server %1 sent a row larger than 1 MB"},
    {u8"ConnectionFailure", u8"server %1 has too many connections", u8"Server %1 hat zu viele Verbindungen", u8"server %1 has too many connections"},
    {u8"ConnectionFailure", u8"the database client ran out of memory", u8"Datenbank-Client: zu wenig Arbeitsspeicher", u8"the database client ran out of memory"},
    {u8"ConnectionFailure", u8"server %1 reported error %2", u8"Server %1 meldete Fehler %2", u8"server %1 reported error %2"},
    {u8"SatelliteDataDialogForm.ui", u8"CA file:", u8"CA-Datei:", u8"CA file:"},
    {u8"SatelliteDataDialogForm.ui", u8"(empty: the system's certificates)", u8"(leer: die Zertifikate des Systems)", u8"(empty: the system's certificates)"},
    {u8"SatelliteDataDialogForm.ui", u8"Require TLS", u8"TLS erzwingen", u8"Require TLS"},
    {u8"ServerLink", u8"the download was stopped", u8"das Herunterladen wurde abgebrochen", u8"the download was stopped"},
    {u8"ServerLink", u8"the server offers no encrypted connection (TLS), which this server setting requires", u8"der Server bietet keine verschlüsselte Verbindung (TLS) an, die Servereinstellung verlangt aber TLS", u8"the server offers no encrypted connection (TLS), which this server setting requires"},
    {u8"ServerLink", u8"the certificate file %1 cannot be read", u8"die Zertifikatsdatei %1 kann nicht gelesen werden", u8"the certificate file %1 cannot be read"},
    {u8"ServerLink", u8"the server's answer has %1 columns where %2 were expected", u8"die Antwort des Servers hat %1 Spalten, erwartet waren %2", u8"the server's answer has %1 columns where %2 were expected"},
    {u8"ServerLink", u8"the database client could not be started (out of memory)", u8"der Datenbank-Client konnte nicht gestartet werden (zu wenig Arbeitsspeicher)", u8"the database client could not be started (out of memory)"},
    {u8"SqlHandler", u8"the server sent more than %1 transponders for one satellite", u8"der Server hat mehr als %1 Transponder für einen Satelliten gesendet", u8"the server sent more than %1 transponders for one satellite"},
    {u8"SqlHandler", u8"the server sent more than %1 transponders", u8"der Server hat mehr als %1 Transponder gesendet", u8"the server sent more than %1 transponders"},
    {u8"SqlHandler", u8"the server lists more than %1 tables", u8"der Server nennt mehr als %1 Tabellen", u8"the server lists more than %1 tables"},
    {u8"SqlHandler", u8"the server sent more than %1 MB", u8"der Server hat mehr als %1 MB gesendet", u8"the server sent more than %1 MB"},
    {u8"SatelliteDataView", u8"A download of the satellite data is still under way; try again in a few seconds.", u8"Die Satellitendaten werden noch heruntergeladen; bitte in einigen Sekunden erneut versuchen.", u8"A download of the satellite data is still under way; try again in a few seconds."},
    {u8"SatelliteIdTable", u8"%1 (id %2 here, %3 in the program's table)", u8"%1 (hier ID %2, in der Tabelle des Programms %3)", u8"%1 (id %2 here, %3 in the program's table)"},
    {u8"SatelliteIdTable", u8"%1 (id %2, which the program's table gives to %3)", u8"%1 (ID %2, die in der Tabelle des Programms zu %3 gehört)", u8"%1 (id %2, which the program's table gives to %3)"},
    {u8"SatelliteIdTable", u8"These satellite data number satellites differently from the program's own table, so a plan read back from a switch programmed with other data may name other satellites: %1.", u8"Diese Satellitendaten nummerieren Satelliten anders als die Tabelle des Programms; ein Plan, der aus einem mit anderen Daten programmierten Multischalter gelesen wird, kann daher andere Satelliten nennen: %1.", u8"These satellite data number satellites differently from the program's own table, so a plan read back from a switch programmed with other data may name other satellites: %1."},
};

// The server setting, its dialog and the download's texts.
const Entry serverEntries[] = {
    {u8"CommandLineTool", u8"Couldn't connect to database. Please check your internet connection and the server (fenzo_cli server).", u8"Keine Verbindung zur Datenbank möglich. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server).", u8"Couldn't connect to database. Please check your internet connection and the server (fenzo_cli server)."},
    {u8"CommandLineTool", u8"Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew.", u8"Die Offline-Daten sind älter als ein Monat. Bitte überprüfen Sie Ihre Internetverbindung und den Server (fenzo_cli server); jeder Befehl lädt die Daten neu herunter.", u8"Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew."},
    {u8"OptionsForm.ui", u8"Satellite data…", u8"Satellitendaten…", u8"Satellite data…"},
    {u8"SatelliteDataDialog", u8"Satellite data", u8"Satellitendaten", u8"Satellite data"},
    {u8"SatelliteDataDialog", u8"No satellite data", u8"Keine Satellitendaten", u8"No satellite data"},
    {u8"SatelliteDataDialogForm.ui", u8"Satellite data in use:", u8"Verwendete Satellitendaten:", u8"Satellite data in use:"},
    {u8"SatelliteDataDialogForm.ui", u8"Fetching the satellite data…", u8"Satellitendaten werden geladen…", u8"Fetching the satellite data…"},
    {u8"SatelliteDataDialogForm.ui", u8"Server", u8"Server", u8"Server"},
    {u8"SatelliteDataDialogForm.ui", u8"Host:", u8"Host:", u8"Host:"},
    {u8"SatelliteDataDialogForm.ui", u8"Port:", u8"Port:", u8"Port:"},
    {u8"SatelliteDataDialogForm.ui", u8"Database:", u8"Datenbank:", u8"Database:"},
    {u8"SatelliteDataDialogForm.ui", u8"User:", u8"Benutzer:", u8"User:"},
    {u8"SatelliteDataDialogForm.ui", u8"Password:", u8"Passwort:", u8"Password:"},
    {u8"SatelliteDataDialogForm.ui", u8"Update now", u8"Jetzt aktualisieren", u8"Update now"},
    {u8"SatelliteDataDialogForm.ui", u8"Restore defaults", u8"Standardwerte wiederherstellen", u8"Restore defaults"},
    {u8"SatelliteDownload", u8"no connection to the server within %1 s", u8"keine Verbindung zum Server innerhalb von %1 s", u8"no connection to the server within %1 s"},
    {u8"SatelliteDownload", u8"the download ended unexpectedly", u8"das Herunterladen endete unerwartet", u8"the download ended unexpectedly"},
    {u8"DownloadChannel", u8"the download process sent a damaged answer", u8"der Prozess des Herunterladens lieferte eine beschädigte Antwort", u8"the download process sent a damaged answer"},
    {u8"DownloadChannel", u8"the download process sent more after its end", u8"der Prozess des Herunterladens sandte nach seinem Ende noch weitere Daten", u8"the download process sent more after its end"},
    {u8"ServerSettings", u8"The port is not a number.", u8"Der Port ist keine Zahl.", u8"The port is not a number."},
    {u8"ServerSettings", u8"The server setting could not be saved in %1.", u8"Die Server-Einstellung konnte nicht in %1 gespeichert werden.", u8"The server setting could not be saved in %1."},
    {u8"ServerSettings", u8"The server's name or address is empty.", u8"Name oder Adresse des Servers ist leer.", u8"The server's name or address is empty."},
    {u8"ServerSettings", u8"The server's name \"%1\" contains characters not allowed in a server name.", u8"Der Servername „%1“ enthält unzulässige Zeichen.", u8"The server's name \"%1\" contains characters not allowed in a server name."},
    {u8"ServerSettings", u8"The port must be a number from 1 to 65535 (empty: the standard port %1).", u8"Der Port muss eine Zahl von 1 bis 65535 sein (leer lassen für Standard-Port %1).", u8"The port must be a number from 1 to 65535 (empty: the standard port %1)."},
    {u8"ServerSettings", u8"The database name is empty.", u8"Der Datenbankname ist leer.", u8"The database name is empty."},
    {u8"ServerSettings", u8"The user name is empty.", u8"Der Benutzername ist leer.", u8"The user name is empty."},
    {u8"ServerLink", u8"the server's answer broke off inside a table", u8"die Antwort des Servers brach innerhalb einer Tabelle ab", u8"the server's answer broke off inside a table"},
    {u8"ServerDownload", u8"the server's answer ended after %1 of %2 tables", u8"die Antwort des Servers endete nach %1 von %2 Tabellen", u8"the server's answer ended after %1 of %2 tables"},
    {u8"ServerDownload", u8"the server's database \"%1\" holds no satellite data", u8"die Datenbank „%1“ des Servers enthält keine Satellitendaten", u8"the server's database \"%1\" holds no satellite data"},
    {u8"SqlHandler", u8"The server's database \"%1\" holds no satellite data. The satellite data in use stay as they were.", u8"Die Datenbank „%1“ des Servers enthält keine Satellitendaten. Die verwendeten Satellitendaten bleiben unverändert.", u8"The server's database \"%1\" holds no satellite data. The satellite data in use stay as they were."},
    {u8"SwitchSatellites", u8"%1: %2 has no satellite id the switch can carry; use it for dynamic UBs only", u8"%1: %2 hat keine vom Multischalter unterstützte Satelliten-ID; nur für dynamische UBs verwenden", u8"%1: %2 has no satellite id the switch can carry; use it for dynamic UBs only"},
    {u8"SwitchSatellites", u8"(dynamic UBs only)", u8"(nur dynamische UBs)", u8"(dynamic UBs only)"},
};

// The support report's headings and plan lines, and its icon in the window.
const Entry reportEntries[] = {
    {u8"OptionsForm.ui", u8"Save a support report…", u8"Supportbericht speichern…", u8"Save a support report…"},
    {u8"SupportReport", u8"(none)", u8"(keine)", u8"(none)"},
    {u8"SupportReport", u8"Support report", u8"Supportbericht", u8"Support report"},
    {u8"SupportReport", u8"Program", u8"Programm", u8"Program"},
    {u8"SupportReport", u8"Version: %1", u8"Version: %1", u8"Version: %1"},
    {u8"SupportReport", u8"Qt: %1", u8"Qt: %1", u8"Qt: %1"},
    {u8"SupportReport", u8"System: %1", u8"System: %1", u8"System: %1"},
    {u8"SupportReport", u8"Satellite data", u8"Satellitendaten", u8"Satellite data"},
    {u8"SupportReport", u8"Serial ports", u8"Serielle Anschlüsse", u8"Serial ports"},
    {u8"SupportReport", u8"Switch", u8"Multischalter", u8"Switch"},
    {u8"SupportReport", u8"No switch answered.", u8"Kein Multischalter hat geantwortet.", u8"No switch answered."},
    {u8"SupportReport", u8"Plan", u8"Plan", u8"Plan"},
    {u8"SupportReport", u8"Recent log", u8"Letzte Protokollzeilen", u8"Recent log"},
    {u8"SupportReport", u8"on", u8"ein", u8"on"},
    {u8"SupportReport", u8"off", u8"aus", u8"off"},
    {u8"SupportReport", u8"LNB1: %1", u8"LNB1: %1", u8"LNB1: %1"},
    {u8"SupportReport", u8"LNB2: %1", u8"LNB2: %1", u8"LNB2: %1"},
    {u8"SupportReport", u8"Terrestrial path: %1", u8"Terrestrischer Zweig: %1", u8"Terrestrial path: %1"},
    {u8"SupportReport", u8"LTE filter: %1", u8"LTE-Filter: %1", u8"LTE filter: %1"},
    {u8"SupportReport", u8"Stand-by: %1", u8"Stand-by: %1", u8"Stand-by: %1"},
    {u8"SupportReport", u8"%1: static, LNB%2, no transponder", u8"%1: statisch, LNB%2, kein Transponder", u8"%1: static, LNB%2, no transponder"},
    {u8"SupportReport", u8"%1: static, LNB%2, transponder %3 (%4 MHz)", u8"%1: statisch, LNB%2, Transponder %3 (%4 MHz)", u8"%1: static, LNB%2, transponder %3 (%4 MHz)"},
    {u8"SupportReport", u8"%1: dynamic, line %2, local UB %3", u8"%1: dynamisch, Leitung %2, lokales UB %3", u8"%1: dynamic, line %2, local UB %3"},
    {u8"SupportReport", u8"The support report %1 cannot be written (%2).", u8"Der Supportbericht %1 kann nicht geschrieben werden (%2).", u8"The support report %1 cannot be written (%2)."},
};

// What a refused send says: every UB that cannot be sent, and why.
const Entry sendEntries[] = {
    {u8"DeviceOperation", u8"Reading the switch's plan… %1 of %2", u8"Der Plan des Multischalters wird gelesen… %1 von %2", u8"Reading the switch's plan… %1 of %2"},
    {u8"SendPlanOperation", u8"Sending… %1 of %2", u8"Plan wird gesendet… %1 von %2", u8"Sending… %1 of %2"},
    {u8"SendPlanOperation", u8"Storing…", u8"Plan wird gespeichert…", u8"Storing…"},
    // A count: without one, its first form.
    {u8"PlanReadBack", u8"The switch holds %n code words instead of %1.", u8"Der Multischalter enthält %n Codewort statt %1.", u8"The switch holds %n code word instead of %1."},
    {u8"PlanWords", u8"%1: the switch has UBs 1 to %2 only.", u8"%1: Der Multischalter hat nur die UBs 1 bis %2.", u8"%1: the switch has UBs 1 to %2 only."},
    {u8"PlanWords", u8"%1: the satellite %2 is not in the satellite data.", u8"%1: Der Satellit %2 ist nicht in den Satellitendaten.", u8"%1: the satellite %2 is not in the satellite data."},
    {u8"PlanWords", u8"%1: a static UB without a transponder.", u8"%1: Ein statisches UB ohne Transponder.", u8"%1: a static UB without a transponder."},
    {u8"UBModelController", u8"Every dynamic UB must be on one of the lines 1 to 4.", u8"Jedes dynamische UB muss auf einer der Leitungen 1 bis 4 liegen.", u8"Every dynamic UB must be on one of the lines 1 to 4."},
    {u8"UBModelController", u8"%1: a dynamic UB on line %2; the switch has lines 1 to 4.", u8"%1: Ein dynamisches UB auf Leitung %2; der Multischalter hat die Leitungen 1 bis 4.", u8"%1: a dynamic UB on line %2; the switch has lines 1 to 4."},
};

// Importing satellite data.
const Entry importEntries[] = {
    {u8"SatelliteSource", u8"imported from %1, %2", u8"importiert aus %1, %2", u8"imported from %1, %2"},
    {u8"SatelliteDataView", u8"The switch is busy; import the satellite data when it is done.", u8"Der Multischalter ist beschäftigt; importieren Sie die Satellitendaten, wenn er fertig ist.", u8"The switch is busy; import the satellite data when it is done."},
    {u8"ImportRows", u8"a satellite's name is longer than %1 characters", u8"ein Satellitenname ist länger als %1 Zeichen", u8"a satellite's name is longer than %1 characters"},
    {u8"ImportRows", u8"the file lists more than %1 satellites", u8"die Datei nennt mehr als %1 Satelliten", u8"the file lists more than %1 satellites"},
    {u8"ImportRows", u8"the file lists more than %1 transponders for one satellite", u8"die Datei nennt mehr als %1 Transponder für einen Satelliten", u8"the file lists more than %1 transponders for one satellite"},
    {u8"ImportRows", u8"the file lists more than %1 transponders", u8"die Datei nennt mehr als %1 Transponder", u8"the file lists more than %1 transponders"},
    {u8"SatelliteDataDialog", u8"Choose satellite data (satellites.xml or a scan table)", u8"Satellitendaten auswählen (satellites.xml oder Scan-Tabelle)", u8"Choose satellite data (satellites.xml or a scan table)"},
    {u8"SatelliteDataDialogForm.ui", u8"Import…", u8"Importieren…", u8"Import…"},
    {u8"SatelliteDataDialogForm.ui", u8"Import folder…", u8"Ordner importieren…", u8"Import folder…"},
    {u8"SatelliteImport", u8"%1 cannot be read (%2)", u8"%1 kann nicht gelesen werden (%2)", u8"%1 cannot be read (%2)"},
    {u8"SatelliteImport", u8"%1 is larger than %2 MB", u8"%1 ist größer als %2 MB", u8"%1 is larger than %2 MB"},
    {u8"SatelliteImport", u8"the folder holds more than %1 files", u8"der Ordner enthält mehr als %1 Dateien", u8"the folder holds more than %1 files"},
    {u8"SatelliteImport", u8"it lists no satellite with transponders a universal LNB receives", u8"keine Satelliten mit Transpondern im Empfangsbereich eines Universal-LNB gefunden", u8"it lists no satellite with transponders a universal LNB receives"},
    {u8"SatelliteImport", u8"%1 cannot be imported: %2.", u8"%1 kann nicht importiert werden: %2.", u8"%1 cannot be imported: %2."},
    {u8"SatelliteImport", u8"The satellite ids of %1 could not be saved to %2 (%3).", u8"Die Satelliten-IDs aus %1 konnten nicht in %2 gespeichert werden (%3).", u8"The satellite ids of %1 could not be saved to %2 (%3)."},
    {u8"SatelliteImport", u8"The imported satellite data could not be saved to %1 (%2).", u8"Die importierten Satellitendaten konnten nicht in %1 gespeichert werden (%2).", u8"The imported satellite data could not be saved to %1 (%2)."},
    {u8"SatellitesXmlReader", u8"the file declares a document type, which satellites.xml never does", u8"die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE), die es in einer satellites.xml nicht gibt", u8"the file declares a document type, which satellites.xml never does"},
    {u8"SatellitesXmlReader", u8"the file refers to an entity (line %1)", u8"die Datei verweist auf eine Entität (Zeile %1)", u8"the file refers to an entity (line %1)"},
    {u8"SatellitesXmlReader", u8"the file is neither a satellites.xml nor a scan table", u8"die Datei ist weder eine satellites.xml noch eine Scan-Tabelle", u8"the file is neither a satellites.xml nor a scan table"},
    {u8"SatellitesXmlReader", u8"a satellite has no position from -1800 to 1800 (line %1)", u8"ein Satellit hat keine Position von -1800 bis 1800 (Zeile %1)", u8"a satellite has no position from -1800 to 1800 (line %1)"},
    {u8"SatellitesXmlReader", u8"a transponder has no frequency or polarisation (line %1)", u8"ein Transponder hat keine Frequenz oder Polarisation (Zeile %1)", u8"a transponder has no frequency or polarisation (line %1)"},
    {u8"SatellitesXmlReader", u8"the XML is broken at line %1: %2", u8"das XML ist in Zeile %1 fehlerhaft: %2", u8"the XML is broken at line %1: %2"},
    {u8"SqlHandler", u8"The imported satellite data in %1 cannot be read back.", u8"Die importierten Satellitendaten in %1 lassen sich nicht wieder einlesen.", u8"The imported satellite data in %1 cannot be read back."},
};

// The own transponders: the satellite boxes' search, the band list's
// "Other transponder…", their file and the tool's commands.
const Entry ownTransponderEntries[] = {
    {u8"OwnTransponderCommand", u8"Use transponder add|remove SATELLITE FREQ POL, or transponder list.", u8"Aufruf: transponder add|remove SATELLIT FREQ POL oder transponder list.", u8"Use transponder add|remove SATELLITE FREQ POL, or transponder list."},
    {u8"OwnTransponderCommand", u8"There is no own transponder %1 MHz %2 on %3.", u8"Es gibt keinen eigenen Transponder %1 MHz %2 auf %3.", u8"There is no own transponder %1 MHz %2 on %3."},
    {u8"OwnTransponderDialog", u8"Other transponder", u8"Anderer Transponder", u8"Other transponder"},
    {u8"OwnTransponderDialogForm.ui", u8"Frequency (MHz):", u8"Frequenz (MHz):", u8"Frequency (MHz):"},
    {u8"OwnTransponderDialogForm.ui", u8"Polarisation:", u8"Polarisation:", u8"Polarisation:"},
    {u8"OwnTransponderFile", u8"The own transponders in %1 cannot be read (%2).", u8"Die eigenen Transponder in %1 können nicht gelesen werden (%2).", u8"The own transponders in %1 cannot be read (%2)."},
    {u8"OwnTransponderFile", u8"The own transponders in %1 are damaged: %2", u8"Die eigenen Transponder in %1 sind beschädigt: %2", u8"The own transponders in %1 are damaged: %2"},
    {u8"OwnTransponderFile", u8"The own transponders could not be saved to %1 (%2).", u8"Die eigenen Transponder konnten nicht in %1 gespeichert werden (%2).", u8"The own transponders could not be saved to %1 (%2)."},
    {u8"OwnTransponderFile", u8"permissions not set", u8"Zugriffsrechte nicht gesetzt", u8"permissions not set"},
    {u8"OwnTransponders", u8"The frequency must lie between %1 and %2 MHz.", u8"Die Frequenz muss zwischen %1 und %2 MHz liegen.", u8"The frequency must lie between %1 and %2 MHz."},
    {u8"OwnTransponders", u8"The transponder is listed twice.", u8"Der Transponder ist doppelt aufgeführt.", u8"The transponder is listed twice."},
    {u8"OwnTransponders", u8"The satellite's name is empty, too long or holds control characters.", u8"Der Name des Satelliten ist leer, zu lang oder enthält Steuerzeichen.", u8"The satellite's name is empty, too long or holds control characters."},
    {u8"OwnTransponders", u8"The polarisation must be H, V, L or R.", u8"Die Polarisation muss H, V, L oder R sein.", u8"The polarisation must be H, V, L or R."},
    {u8"OwnTransponders", u8"The file is larger than %1 bytes.", u8"Die Datei ist größer als %1 Bytes.", u8"The file is larger than %1 bytes."},
    {u8"OwnTransponders", u8"The file does not begin with \"%1\".", u8"Die Datei beginnt nicht mit „%1“.", u8"The file does not begin with \"%1\"."},
    {u8"OwnTransponders", u8"The file holds more than %1 transponders.", u8"Die Datei enthält mehr als %1 Transponder.", u8"The file holds more than %1 transponders."},
    {u8"OwnTransponders", u8"Line %1: %2", u8"Zeile %1: %2", u8"Line %1: %2"},
    {u8"OwnTransponders", u8"The satellite data hold no satellite \"%1\".", u8"Die Satellitendaten enthalten keinen Satelliten „%1“.", u8"The satellite data hold no satellite \"%1\"."},
    {u8"OwnTransponders", u8"%1 already has a transponder at %2 MHz %3.", u8"%1 hat bereits einen Transponder bei %2 MHz %3.", u8"%1 already has a transponder at %2 MHz %3."},
    {u8"SatelliteFinder", u8"Find a satellite", u8"Satellit suchen", u8"Find a satellite"},
    {u8"TransponderListModel", u8"Other transponder…", u8"Anderer Transponder…", u8"Other transponder…"},
};

// Cancelling a transfer while it only reads the switch.
const Entry cancelEntries[] = {
    {u8"OptionsForm.ui", u8"Cancel", u8"Abbrechen", u8"Cancel"},
    {u8"DeviceOperation", u8"Cancelled. Nothing was changed on the switch.", u8"Abgebrochen. Am Multischalter wurde nichts geändert.", u8"Cancelled. Nothing was changed on the switch."},
    {u8"CommandLineTool", u8"The satellite data hold no satellite named %1. \"fenzo_cli satellites\" lists them.", u8"Die Satellitendaten enthalten keinen Satelliten namens %1. „fenzo_cli satellites\" listet sie auf.", u8"The satellite data hold no satellite named %1. \"fenzo_cli satellites\" lists them."},
    {u8"OwnTransponders", u8"(own)", u8"(eigener)", u8"(own)"},
    {u8"OwnTransponders", u8"%1 (own)", u8"%1 (eigener)", u8"%1 (own)"},
    {u8"SatelliteSource", u8"d MMM yyyy", u8"dd.MM.yyyy", u8"d MMM yyyy"},
    {u8"SatelliteSource", u8"No satellite data from the server %1:%2: %3", u8"Keine Satellitendaten vom Server %1:%2: %3", u8"No satellite data from the server %1:%2: %3"},
    {u8"SatelliteSource", u8"built in, as of %1", u8"eingebaut, Stand %1", u8"built in, as of %1"},
    {u8"SwitchSatellites", u8"%1 (dynamic UBs only)", u8"%1 (nur dynamische UBs)", u8"%1 (dynamic UBs only)"},
    {u8"CommandLineTool", u8"UBs whose transponder is not in the satellite data: %1.", u8"UBs mit fehlendem Transponder: %1.", u8"UBs whose transponder is not in the satellite data: %1."},
    {u8"ConnectionFailure", u8"the user \"%3\" cannot access a database \"%2\" on server %1", u8"Server %1: Benutzer „%3“ hat keinen Zugriff auf eine Datenbank „%2“", u8"the user \"%3\" cannot access a database \"%2\" on server %1"},
    {u8"ConnectionFailure", u8"the connection to server %1 was lost", u8"die Verbindung zu Server %1 ist abgebrochen", u8"the connection to server %1 was lost"},
    {u8"ConnectionFailure", u8"server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate is not trusted", u8"Server %1: keine geprüfte verschlüsselte Verbindung (TLS) möglich – er bietet kein TLS an, oder seinem Zertifikat wird nicht vertraut", u8"server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate is not trusted"},
    {u8"ConnectionFailure", u8"server %1 asks for a sign-in that would send the password in plain text; it is refused", u8"Server %1 verlangt ein Anmeldeverfahren, das das Passwort im Klartext überträgt; es wird nicht verwendet", u8"server %1 asks for a sign-in that would send the password in plain text; it is refused"},
    {u8"Options", u8"Text files", u8"Textdateien", u8"Text files"},
    {u8"OptionsForm.ui", u8"Stop reading the switch; nothing on the switch is changed", u8"Lesen des Multischalters abbrechen; am Multischalter wird nichts geändert", u8"Stop reading the switch; nothing on the switch is changed"},
    {u8"OrbitalPositions", u8"These satellite data name satellites by their orbital position: %1.", u8"Diese Satellitendaten benennen Satelliten nach ihrer Orbitalposition: %1.", u8"These satellite data name satellites by their orbital position: %1."},
    {u8"OwnTransponderCommand", u8"Own transponders (stored next to the offline cache, added to any satellite data):\n  transponder add SATELLITE FREQ POL\n                                adds a transponder (10700-12750 MHz; H, V, L\n                                or R) to the satellite of that name\n  transponder list              one line per own transponder: satellite,\n                                frequency, polarisation\n  transponder remove SATELLITE FREQ POL\n                                removes an own transponder\n", u8"Eigene Transponder (neben den Offline-Daten gespeichert, allen\nSatellitendaten hinzugefügt):\n  transponder add SATELLIT FREQ POL\n                                fügt dem Satelliten dieses Namens einen\n                                Transponder hinzu (10700-12750 MHz; H, V, L\n                                oder R)\n  transponder list              eine Zeile je eigenem Transponder: Satellit,\n                                Frequenz, Polarisation\n  transponder remove SATELLIT FREQ POL\n                                entfernt einen eigenen Transponder\n", u8"Own transponders (stored next to the offline cache, added to any satellite data):\n  transponder add SATELLITE FREQ POL\n                                adds a transponder (10700-12750 MHz; H, V, L\n                                or R) to the satellite of that name\n  transponder list              one line per own transponder: satellite,\n                                frequency, polarisation\n  transponder remove SATELLITE FREQ POL\n                                removes an own transponder\n"},
    {u8"OwnTransponderCommand", u8"The frequency %1 is not a whole number of MHz.", u8"Die Frequenz „%1“ ist keine ganze Zahl (MHz).", u8"The frequency %1 is not a whole number of MHz."},
    {u8"OwnTransponderCommand", u8"This transponder is already one of the own transponders.", u8"Dieser Transponder ist bereits als eigener Transponder eingetragen.", u8"This transponder is already one of the own transponders."},
    {u8"OwnTransponders", u8"A satellite, a frequency and a polarisation are needed.", u8"Satellit, Frequenz und Polarisation erforderlich.", u8"A satellite, a frequency and a polarisation are needed."},
    {u8"OwnTransponders", u8"The frequency is not a number.", u8"Die Frequenz ist keine Zahl.", u8"The frequency is not a number."},
    {u8"OwnTransponders", u8"There are already %1 own transponders, the most allowed.", u8"Es sind bereits %1 eigene Transponder eingetragen (Höchstzahl).", u8"There are already %1 own transponders, the most allowed."},
    {u8"PlanWords", u8"The plan has %1 UBs; the switch has %2.", u8"Der Plan enthält %1 UBs; der Multischalter hat %2.", u8"The plan has %1 UBs; the switch has %2."},
    {u8"PlanWords", u8"Nothing was sent to the switch because some UBs cannot be sent:", u8"An den Multischalter wurde nichts gesendet, weil nicht alle UBs gesendet werden können:", u8"Nothing was sent to the switch because some UBs cannot be sent:"},
    {u8"SatelliteDataDialog", u8"Choose a folder of DVB-S scan tables", u8"Ordner mit DVB-S-Scan-Tabellen auswählen", u8"Choose a folder of DVB-S scan tables"},
    {u8"SatelliteFinder", u8"No satellite name contains \"%1\"", u8"Kein Satellitenname enthält „%1“", u8"No satellite name contains \"%1\""},
    {u8"SatelliteIdTable", u8"more: %1", u8"weitere: %1", u8"more: %1"},
    {u8"SendPlanOperation", u8"Only the switch's replies were backed up (to %1) because its plan cannot be read with the satellite data: %2", u8"Nur die Antworten des Multischalters wurden in %1 gesichert, weil sich sein Plan mit den vorhandenen Satellitendaten nicht lesen lässt: %2", u8"Only the switch's replies were backed up (to %1) because its plan cannot be read with the satellite data: %2"},
    {u8"SendPlanOperation", u8"Only the switch's replies were backed up (to %1) because its plan cannot be read: %2", u8"Nur die Antworten des Multischalters wurden in %1 gesichert, weil sich sein Plan nicht lesen lässt: %2", u8"Only the switch's replies were backed up (to %1) because its plan cannot be read: %2"},
    {u8"SerialPortHandler", u8"%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4.", u8"%1 kann nicht gelesen werden: Es ist ein dynamisches UB auf Leitung %2, der Multischalter hat aber nur die Leitungen 1 bis 4.", u8"%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4."},
    {u8"SqlHandler", u8"the server sent a table name longer than %1 characters", u8"der Server nennt einen Tabellennamen mit mehr als %1 Zeichen", u8"the server sent a table name longer than %1 characters"},
    {u8"SatelliteData", u8"Satellite data: %1, satellites: %2, downloaded over TLS", u8"Satellitendaten: %1, Satelliten: %2, über TLS geladen", u8"Satellite data: %1, satellites: %2, downloaded over TLS"},
    {u8"SatelliteData", u8"Satellite data: %1, satellites: %2, downloaded unencrypted", u8"Satellitendaten: %1, Satelliten: %2, unverschlüsselt geladen", u8"Satellite data: %1, satellites: %2, downloaded unencrypted"},
    {u8"SatelliteData", u8"Satellite data: %1, satellites: %2", u8"Satellitendaten: %1, Satelliten: %2", u8"Satellite data: %1, satellites: %2"},
    {u8"UBModelController", u8"UBs whose transponder has another number in the satellite data: %1.", u8"UBs, deren Transponder jetzt eine andere Nummer hat: %1.", u8"UBs whose transponder has another number in the satellite data: %1."},
    {u8"TransponderChoice", u8"%1: %2 has more than one transponder at %3; the plan does not say which.", u8"%1: %2 hat mehrere Transponder bei %3; der Plan sagt nicht, welchen.", u8"%1: %2 has more than one transponder at %3; the plan does not say which."},
    {u8"TransponderChoice", u8"%1: %2 has no transponder at %3", u8"%1: %2 hat keinen Transponder bei %3", u8"%1: %2 has no transponder at %3"},
    {u8"TransponderChoice", u8"%1: polarisation %2 taken from transponder %3; check it", u8"%1: Polarisation %2 von Transponder %3 übernommen; bitte prüfen Sie das", u8"%1: polarisation %2 taken from transponder %3; check it"},
    {u8"UBListDelegate", u8"%1, missing", u8"%1, fehlt", u8"%1, missing"},
    {u8"UBModelController", u8"Not assigned: %1.", u8"Nicht zugewiesen: %1.", u8"Not assigned: %1."},
    {u8"SerialPortHandler", u8"%1 cannot be sent to the device: its code word would be read back as another UB or transponder.", u8"%1 kann nicht an das Gerät gesendet werden: Sein Codewort würde als ein anderes UB oder ein anderer Transponder zurückgelesen.", u8"%1 cannot be sent to the device: its code word would be read back as another UB or transponder."},
    {u8"SerialPortHandler", u8"%1: read in the high band, although the code words name the low band, as earlier versions of this program sent them. Storing the plan again renews them.", u8"%1: im High-Band gelesen, obwohl die Codewörter das Low-Band nennen, wie frühere Versionen dieses Programms sie gesendet haben. Speichern Sie den Plan erneut, um die Codewörter zu erneuern.", u8"%1: read in the high band, although the code words name the low band, as earlier versions of this program sent them. Storing the plan again renews them."},
    {u8"CommandLineTool", u8"Usage: fenzo_cli COMMAND [--port PATH] FILE...\n\nCommands:\n  list                          one line per switch found: port, serial number\n  read [--port PATH] OUT.dat    reads the switch's plan into a settings file\n  diff [--port PATH] PLAN.dat   prints how the plan and the switch differ\n                                (exit status 0: the same, 1: different)\n  test [--port PATH] PLAN.dat   sends the plan for testing (\"Test on device\")\n                                and reads the switch's working plan back\n  store [--port PATH] PLAN.dat  backs up the switch's plan, then stores PLAN\n                                (\"Save on device\") and reads the working plan\n                                back; prints the backup's path as its last line\n  store --each PLAN.dat         stores PLAN in each newly plugged-in switch,\n                                one after another, until Ctrl+C; a switch\n                                stored in this run that comes back is read and\n                                compared, not stored again; exit status 2 when\n                                PLAN could not be stored in, or does not match,\n                                one or more switches\n  restore [--port PATH] BACKUP  sends a backup back and stores it: a settings\n                                file (.dat) as store does, or the switch's\n                                replies (.txt) word for word\n  sheet PLAN.dat OUT.pdf        the installation sheet of a plan\n                                (OUT.png: the picture alone)\n  store --site FILE [--label LABEL] [--port PATH]\n                                stores the plan of the site's entry LABEL, or\n                                without --label of the entry that holds the\n                                switch's serial number (a switch the site does\n                                not know is refused); records serial number,\n                                date and read-back in the site file\n  store --each --site FILE      stores in each newly plugged-in switch the\n                                entry with its serial number, else the next\n                                entry without one, in the site's order; prints\n                                \"SN ... → LABEL\" per switch; exit status 2 when\n                                one was not stored and read back\n  sheet --site FILE OUT.pdf     the site's sheet: a cover listing its switches,\n                                then each switch's sheet under its label\n  satellites                    where the satellite data come from, then one\n                                line per satellite: name, id, number of\n                                transponders\n  satellites NAME               one line per transponder of that satellite:\n                                number, frequency, polarisation, and \"(own)\"\n                                for an own transponder\n  satellites --import PATH      imports satellite data (a receiver's\n                                satellites.xml, a DVB-S scan table or a\n                                folder of them), then lists as above\n  server                        prints the satellite data's server:\n                                host:port database user\n  server HOST[:PORT]            sets the server for fenzo_setup and fenzo_cli\n                                (keeps database, user and password;\n                                without PORT the standard port)\n  server --reset                back to the built-in server\n  server [HOST[:PORT]] [--ca FILE] [--require-tls|--allow-plain]\n                                the server's certificate is checked against\n                                FILE (\"\": the system's store); --require-tls\n                                refuses an unencrypted connection,\n                                --allow-plain allows it (default: refused\n                                unless the server is on this machine)\n  report OUT.txt                a support report: versions, satellite data,\n                                ports, the switch (if one answers) and the\n                                recent log, never the database password\n\nWithout --port the tool uses the only switch it finds. Exit status 2: failure,\nalso when the working plan read back after a send differs from the plan.\n", u8"Aufruf: fenzo_cli BEFEHL [--port PFAD] DATEI...\n\nBefehle:\n  list                          eine Zeile je gefundenem Multischalter:\n                                Anschluss, Seriennummer\n  read [--port PFAD] ZIEL.dat   liest den Plan des Multischalters in eine\n                                Einstellungsdatei\n  diff [--port PFAD] PLAN.dat   zeigt die Unterschiede zwischen dem Plan und\n                                dem Multischalter\n                                (Rückgabewert 0: gleich, 1: verschieden)\n  test [--port PFAD] PLAN.dat   sendet den Plan zum Testen\n                                (wie „Auf Gerät testen“) und liest den\n                                Arbeitsplan des Multischalters zurück\n  store [--port PFAD] PLAN.dat  sichert den Plan des Multischalters,\n                                speichert dann PLAN (wie „Auf Gerät\n                                speichern“) und liest den Arbeitsplan zurück;\n                                gibt zuletzt den Pfad der Sicherung aus\n  store --each PLAN.dat         speichert PLAN nacheinander in jedem neu\n                                angeschlossenen Multischalter; Beenden mit\n                                Strg+C; ein in diesem Lauf gespeicherter\n                                Multischalter, der wiederkommt, wird gelesen\n                                und verglichen, nicht erneut gespeichert;\n                                Rückgabewert 2, wenn PLAN in einem oder\n                                mehreren Multischaltern nicht gespeichert\n                                werden konnte oder nicht übereinstimmt\n  restore [--port PFAD] SICHERUNG\n                                sendet eine Sicherung zurück und speichert\n                                sie: eine Einstellungsdatei (.dat) wie store\n                                oder gesicherte Antworten des Multischalters\n                                (.txt) unverändert\n  sheet PLAN.dat ZIEL.pdf       das Installationsblatt eines Plans\n                                (ZIEL.png: nur das Bild)\n  store --site DATEI [--label NAME] [--port PFAD]\n                                speichert den Plan des Eintrags NAME der\n                                Anlage, ohne --label den des Eintrags mit der\n                                Seriennummer des Multischalters (einen der\n                                Anlage unbekannten Multischalter weist es ab);\n                                hält Seriennummer, Datum und Rücklesen in der\n                                Anlagendatei fest\n  store --each --site DATEI     speichert in jeden neu angeschlossenen\n                                Multischalter den Eintrag mit seiner\n                                Seriennummer, sonst den nächsten ohne eine, in\n                                der Reihenfolge der Anlage; schreibt je\n                                Multischalter „SN ... → NAME“; Rückgabewert 2,\n                                wenn einer nicht gespeichert und\n                                zurückgelesen wurde\n  sheet --site DATEI ZIEL.pdf   das Blatt der Anlage: ein Deckblatt mit ihren\n                                Multischaltern, dann das Blatt jedes\n                                Multischalters unter seinem Namen\n  satellites                    woher die Satellitendaten stammen, dann eine\n                                Zeile je Satellit: Name, ID, Zahl der\n                                Transponder\n  satellites NAME               eine Zeile je Transponder dieses Satelliten:\n                                Nummer, Frequenz, Polarisation und „(eigener)\"\n                                für einen eigenen Transponder\n  satellites --import PFAD      importiert Satellitendaten (eine\n                                satellites.xml eines Receivers, eine\n                                DVB-S-Scan-Tabelle oder einen Ordner davon),\n                                listet sie dann wie oben\n  server                        nennt den Server der Satellitendaten:\n                                Host:Port Datenbank Benutzer\n  server HOST[:PORT]            speichert den Server für fenzo_setup und\n                                fenzo_cli (behält Datenbank, Benutzer und\n                                Passwort; ohne PORT der Standard-Port)\n  server --reset                zurück zum eingebauten Server\n  server [HOST[:PORT]] [--ca DATEI] [--require-tls|--allow-plain]\n                                das Zertifikat des Servers wird mit DATEI\n                                geprüft (\"\": Zertifikatsspeicher des Systems);\n                                --require-tls lehnt unverschlüsselte\n                                Verbindungen ab, --allow-plain erlaubt sie\n                                (Standard: abgelehnt, außer für einen Server\n                                auf diesem Rechner)\n  report ZIEL.txt               ein Supportbericht: Versionen, Satellitendaten,\n                                Anschlüsse, der Multischalter (wenn einer\n                                antwortet) und die letzten Protokollzeilen,\n                                nie das Datenbank-Passwort\n\nOhne --port wird der einzige gefundene Multischalter benutzt.\nRückgabewert 2: Fehler, auch wenn der nach dem Senden zurückgelesene\nArbeitsplan vom Plan abweicht.\n", u8"Usage: fenzo_cli COMMAND [--port PATH] FILE...\n\nCommands:\n  list                          one line per switch found: port, serial number\n  read [--port PATH] OUT.dat    reads the switch's plan into a settings file\n  diff [--port PATH] PLAN.dat   prints how the plan and the switch differ\n                                (exit status 0: the same, 1: different)\n  test [--port PATH] PLAN.dat   sends the plan for testing (\"Test on device\")\n                                and reads the switch's working plan back\n  store [--port PATH] PLAN.dat  backs up the switch's plan, then stores PLAN\n                                (\"Save on device\") and reads the working plan\n                                back; prints the backup's path as its last line\n  store --each PLAN.dat         stores PLAN in each newly plugged-in switch,\n                                one after another, until Ctrl+C; a switch\n                                stored in this run that comes back is read and\n                                compared, not stored again; exit status 2 when\n                                PLAN could not be stored in, or does not match,\n                                one or more switches\n  restore [--port PATH] BACKUP  sends a backup back and stores it: a settings\n                                file (.dat) as store does, or the switch's\n                                replies (.txt) word for word\n  sheet PLAN.dat OUT.pdf        the installation sheet of a plan\n                                (OUT.png: the picture alone)\n  store --site FILE [--label LABEL] [--port PATH]\n                                stores the plan of the site's entry LABEL, or\n                                without --label of the entry that holds the\n                                switch's serial number (a switch the site does\n                                not know is refused); records serial number,\n                                date and read-back in the site file\n  store --each --site FILE      stores in each newly plugged-in switch the\n                                entry with its serial number, else the next\n                                entry without one, in the site's order; prints\n                                \"SN ... → LABEL\" per switch; exit status 2 when\n                                one was not stored and read back\n  sheet --site FILE OUT.pdf     the site's sheet: a cover listing its switches,\n                                then each switch's sheet under its label\n  satellites                    where the satellite data come from, then one\n                                line per satellite: name, id, number of\n                                transponders\n  satellites NAME               one line per transponder of that satellite:\n                                number, frequency, polarisation, and \"(own)\"\n                                for an own transponder\n  satellites --import PATH      imports satellite data (a receiver's\n                                satellites.xml, a DVB-S scan table or a\n                                folder of them), then lists as above\n  server                        prints the satellite data's server:\n                                host:port database user\n  server HOST[:PORT]            sets the server for fenzo_setup and fenzo_cli\n                                (keeps database, user and password;\n                                without PORT the standard port)\n  server --reset                back to the built-in server\n  server [HOST[:PORT]] [--ca FILE] [--require-tls|--allow-plain]\n                                the server's certificate is checked against\n                                FILE (\"\": the system's store); --require-tls\n                                refuses an unencrypted connection,\n                                --allow-plain allows it (default: refused\n                                unless the server is on this machine)\n  report OUT.txt                a support report: versions, satellite data,\n                                ports, the switch (if one answers) and the\n                                recent log, never the database password\n\nWithout --port the tool uses the only switch it finds. Exit status 2: failure,\nalso when the working plan read back after a send differs from the plan.\n"},
    {u8"CommandLineTool", u8"Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one's power as well as its USB cable.", u8"Warte auf Multischalter; Beenden mit Strg+C. Trennen Sie vor dem nächsten Multischalter den letzten von seiner Stromversorgung und vom USB-Kabel.", u8"Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one's power as well as its USB cable."},
    {u8"CommandLineTool", u8"%1 %2: stored; backup %3; read back", u8"%1 %2: gespeichert; Sicherung %3; zurückgelesen", u8"%1 %2: stored; backup %3; read back"},
    {u8"CommandLineTool", u8"%1 %2: after reconnection the switch holds the plan stored", u8"%1 %2: nach dem erneuten Anschließen enthält der Multischalter den gespeicherten Plan", u8"%1 %2: after reconnection the switch holds the plan stored"},
    {u8"CommandLineTool", u8"%1 %2: not compared after reconnection: %3", u8"%1 %2: nach dem erneuten Anschließen nicht verglichen: %3", u8"%1 %2: not compared after reconnection: %3"},
    {u8"CommandLineTool", u8"%1 %2: after reconnection the switch differs from the plan stored: %3", u8"%1 %2: nach dem erneuten Anschließen weicht der Multischalter vom gespeicherten Plan ab: %3", u8"%1 %2: after reconnection the switch differs from the plan stored: %3"},
    {u8"DeviceTransfers", u8"The plan the switch held before the send is kept in the backup %1.", u8"Der Plan, den der Multischalter vor dem Senden hatte, liegt in der Sicherung %1.", u8"The plan the switch held before the send is kept in the backup %1."},
    {u8"DeviceTransfers", u8"The plan the switch had stored before is kept in the backup %1.", u8"Der bisher gespeicherte Plan liegt in der Sicherung %1.", u8"The plan the switch had stored before is kept in the backup %1."},
    {u8"PlanReadBack", u8"Sent; the switch's working plan was read back and matches.", u8"Gesendet; der Arbeitsplan des Multischalters wurde zurückgelesen und stimmt überein.", u8"Sent; the switch's working plan was read back and matches."},
    {u8"PlanReadBack", u8"Stored in the switch; its working plan was read back and matches.", u8"Im Multischalter gespeichert; sein Arbeitsplan wurde zurückgelesen und stimmt überein.", u8"Stored in the switch; its working plan was read back and matches."},
    {u8"PlanReadBack", u8"The plan was sent, but the switch's working plan, read back, differs from it:", u8"Der Plan wurde gesendet, aber der zurückgelesene Arbeitsplan des Multischalters weicht davon ab:", u8"The plan was sent, but the switch's working plan, read back, differs from it:"},
    {u8"PlanReadBack", u8"The plan was sent, but the switch's working plan could not be read back: %1", u8"Der Plan wurde gesendet, aber der Arbeitsplan des Multischalters konnte nicht zurückgelesen werden: %1", u8"The plan was sent, but the switch's working plan could not be read back: %1"},
    {u8"PlanReadBack", u8"%1: sent %2, the switch holds %3", u8"%1: gesendet wurde %2, der Multischalter enthält %3", u8"%1: sent %2, the switch holds %3"},
    {u8"PlanReadBack", u8"%1: the switch's word names %2; the switch goes by the word's place on the line.", u8"%1: das Codewort des Multischalters nennt %2; der Multischalter richtet sich nach der Stelle des Codeworts in der Zeile.", u8"%1: the switch's word names %2; the switch goes by the word's place on the line."},
    {u8"PlanReadBack", u8"%1: sent the word %2, the switch holds the word %3", u8"%1: gesendet wurde das Codewort %2, der Multischalter enthält das Codewort %3", u8"%1: sent the word %2, the switch holds the word %3"},
    {u8"PlanReadBack", u8"%1 MHz %2 on %3", u8"%1 MHz %2 auf %3", u8"%1 MHz %2 on %3"},
    {u8"PlanReadBack", u8"a dynamic UB on line %1", u8"ein dynamisches UB auf Leitung %1", u8"a dynamic UB on line %1"},
    {u8"PlanReadBack", u8"a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6", u8"ein statisches UB mit Satelliten-ID %1, UB-Nummer %2, F %3, LNB%4, %5, %6", u8"a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6"},
    {u8"PlanReadBack", u8"high band", u8"High-Band", u8"high band"},
    {u8"PlanReadBack", u8"low band", u8"Low-Band", u8"low band"},
    {u8"SendPlanOperation", u8"Reading back…", u8"Zurücklesen…", u8"Reading back…"},
};

// The site's store, workshop and sheet.
const Entry siteStoreEntries[] = {
    {u8"SiteChoice", u8"\"%1\"", u8"„%1“", u8"\"%1\""},
    {u8"SiteChoice", u8"none", u8"keine", u8"none"},
    {u8"SiteChoice", u8"The site has no entry \"%1\".", u8"Die Anlage hat keinen Eintrag „%1“.", u8"The site has no entry \"%1\"."},
    {u8"SiteChoice", u8"The switch reports no serial number, so the site cannot tell which entry it is; nothing was sent to it. Entries without a serial number yet: %1. Name the entry with --label.", u8"Der Multischalter meldet keine Seriennummer, daher lässt sich sein Eintrag in der Anlage nicht bestimmen; an ihn wurde nichts gesendet. Einträge noch ohne Seriennummer: %1. Nennen Sie den Eintrag mit --label.", u8"The switch reports no serial number, so the site cannot tell which entry it is; nothing was sent to it. Entries without a serial number yet: %1. Name the entry with --label."},
    {u8"SiteChoice", u8"The site does not know the switch %1; nothing was sent to it. Entries without a serial number yet: %2. Name the entry with --label.", u8"Die Anlage kennt den Multischalter %1 nicht; an ihn wurde nichts gesendet. Einträge noch ohne Seriennummer: %2. Nennen Sie den Eintrag mit --label.", u8"The site does not know the switch %1; nothing was sent to it. Entries without a serial number yet: %2. Name the entry with --label."},
    {u8"SiteChoice", u8"No entry of the site is left for the switch %1; nothing was sent to it.", u8"Für den Multischalter %1 ist kein Eintrag der Anlage mehr frei; an ihn wurde nichts gesendet.", u8"No entry of the site is left for the switch %1; nothing was sent to it."},
    {u8"SitePlan", u8"The plan of the entry \"%1\" cannot be read: %2", u8"Der Plan des Eintrags „%1“ kann nicht gelesen werden: %2", u8"The plan of the entry \"%1\" cannot be read: %2"},
    {u8"SiteSheet", u8"Switch", u8"Multischalter", u8"Switch"},
    {u8"SiteSheet", u8"Serial number", u8"Seriennummer", u8"Serial number"},
    {u8"SiteSheet", u8"Last stored", u8"Zuletzt gespeichert", u8"Last stored"},
    {u8"SiteSheet", u8"Read back", u8"Zurückgelesen", u8"Read back"},
    {u8"SiteSheet", u8"read back", u8"zurückgelesen", u8"read back"},
    {u8"SiteSheet", u8"The site's sheet could not be saved as %1 (%2).", u8"Das Blatt der Anlage konnte nicht als %1 gespeichert werden (%2).", u8"The site's sheet could not be saved as %1 (%2)."},
    {u8"SiteSheet", u8"A site's sheet is a PDF of several pages; it cannot be saved as a picture (.png).", u8"Das Blatt einer Anlage ist ein PDF aus mehreren Seiten; es kann nicht als Bild (.png) gespeichert werden.", u8"A site's sheet is a PDF of several pages; it cannot be saved as a picture (.png)."},
    {u8"CommandLineTool", u8"A plan file cannot be given with --site: the plans come from the site's entries.", u8"Mit --site kann keine Plandatei angegeben werden: Die Pläne stammen aus den Einträgen der Anlage.", u8"A plan file cannot be given with --site: the plans come from the site's entries."},
    {u8"CommandLineTool", u8"the entry's plan cannot be sent", u8"der Plan des Eintrags kann nicht gesendet werden", u8"the entry's plan cannot be sent"},
    {u8"CommandLineTool", u8"SN %1 → %2", u8"SN %1 → %2", u8"SN %1 → %2"},
};

// The site file and the tool's site verbs.
const Entry siteFileEntries[] = {
    {u8"SiteChange", u8"A switch of a site needs a label.", u8"Ein Multischalter einer Anlage braucht eine Bezeichnung.", u8"A switch of a site needs a label."},
    {u8"SiteChange", u8"The plan of \"%1\" was changed in the site file by another program since it was read. Open the site again and repeat the change.", u8"Der Plan von „%1“ wurde seit dem Lesen von einem anderen Programm in der Anlagendatei geändert. Öffnen Sie die Anlage erneut und wiederholen Sie die Änderung.", u8"The plan of \"%1\" was changed in the site file by another program since it was read. Open the site again and repeat the change."},
    {u8"SiteChange", u8"The site already has a switch labelled \"%1\".", u8"Die Anlage hat bereits einen Multischalter mit der Bezeichnung „%1“.", u8"The site already has a switch labelled \"%1\"."},
    {u8"SiteChange", u8"The site has no switch labelled \"%1\" (any more).", u8"Die Anlage hat keinen Multischalter (mehr) mit der Bezeichnung „%1“.", u8"The site has no switch labelled \"%1\" (any more)."},
    {u8"SiteCommand", u8"Sites (the switches of one building in one .fsite file; a LABEL or TEXT\nbeginning with \"-\" follows \"--\"):\n  site list FILE                one line per switch: label, serial number,\n                                last stored (YYYY-MM-DD), \"read back\";\n                                \"-\" where there is none\n  site add FILE LABEL PLAN.dat  adds the settings file as a new switch\n                                (creates FILE when it does not exist)\n  site remove FILE LABEL        removes the switch of that label\n  site export FILE LABEL OUT.dat\n                                writes the switch's settings file, byte for\n                                byte as it was added\n  site name FILE TEXT           sets the site's name\n  site note FILE TEXT           sets the site's note (address, access)\n", u8"Anlagen (die Multischalter eines Gebäudes in einer .fsite-Datei; eine\nBEZEICHNUNG oder ein TEXT, die mit „-“ beginnen, folgen auf „--“):\n  site list DATEI               eine Zeile je Multischalter: Bezeichnung,\n                                Seriennummer, zuletzt gespeichert\n                                (JJJJ-MM-TT), „read back“; „-“, wo es\n                                nichts gibt\n  site add DATEI BEZEICHNUNG PLAN.dat\n                                fügt die Einstellungsdatei als neuen\n                                Multischalter hinzu (legt DATEI an, wenn es\n                                sie nicht gibt)\n  site remove DATEI BEZEICHNUNG entfernt den Multischalter dieser Bezeichnung\n  site export DATEI BEZEICHNUNG ZIEL.dat\n                                schreibt die Einstellungsdatei des\n                                Multischalters, Byte für Byte wie hinzugefügt\n  site name DATEI TEXT          setzt den Namen der Anlage\n  site note DATEI TEXT          setzt die Notiz der Anlage (Adresse, Zugang)\n", u8"Sites (the switches of one building in one .fsite file; a LABEL or TEXT\nbeginning with \"-\" follows \"--\"):\n  site list FILE                one line per switch: label, serial number,\n                                last stored (YYYY-MM-DD), \"read back\";\n                                \"-\" where there is none\n  site add FILE LABEL PLAN.dat  adds the settings file as a new switch\n                                (creates FILE when it does not exist)\n  site remove FILE LABEL        removes the switch of that label\n  site export FILE LABEL OUT.dat\n                                writes the switch's settings file, byte for\n                                byte as it was added\n  site name FILE TEXT           sets the site's name\n  site note FILE TEXT           sets the site's note (address, access)\n"},
    {u8"SiteCommand", u8"The site file %1 has no switch labelled \"%2\".", u8"Die Anlagendatei %1 enthält keinen Multischalter mit der Bezeichnung „%2“.", u8"The site file %1 has no switch labelled \"%2\"."},
    {u8"SiteCommand", u8"Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT.", u8"Aufruf: site list DATEI, site add DATEI BEZEICHNUNG PLAN.dat, site remove DATEI BEZEICHNUNG, site export DATEI BEZEICHNUNG ZIEL.dat, site name DATEI TEXT oder site note DATEI TEXT.", u8"Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT."},
    {u8"SiteFile", u8"\"%1\" is longer than %n characters", u8"„%1“ ist länger als %n Zeichen", u8"\"%1\" is longer than %n character"},
    {u8"SiteFile", u8"\"%1\" is not a list", u8"„%1“ ist keine Liste", u8"\"%1\" is not a list"},
    {u8"SiteFile", u8"\"%1\" is not a text", u8"„%1“ ist kein Text", u8"\"%1\" is not a text"},
    {u8"SiteFile", u8"\"%1\" of \"%2\" is neither true nor false", u8"„%1“ von „%2“ ist weder true noch false", u8"\"%1\" of \"%2\" is neither true nor false"},
    {u8"SiteFile", u8"%1 dynamic, line %2", u8"%1 dynamisch, Leitung %2", u8"%1 dynamic, line %2"},
    {u8"SiteFile", u8"%1 static, LNB%2, %3 MHz %4", u8"%1 statisch, LNB%2, %3 MHz %4", u8"%1 static, LNB%2, %3 MHz %4"},
    {u8"SiteFile", u8"LNB1: %1", u8"LNB1: %1", u8"LNB1: %1"},
    {u8"SiteFile", u8"LNB2: %1", u8"LNB2: %1", u8"LNB2: %1"},
    {u8"SiteFile", u8"The change to the site file %1 is refused: %2.", u8"Die Änderung der Anlagendatei %1 wird abgelehnt: %2.", u8"The change to the site file %1 is refused: %2."},
    {u8"SiteFile", u8"The settings file %1 is larger than %n bytes.", u8"Die Einstellungsdatei %1 ist größer als %n Byte.", u8"The settings file %1 is larger than %n byte."},
    {u8"SiteFile", u8"The site file %1 cannot be used: %2.", u8"Die Anlagendatei %1 ist nicht verwendbar: %2.", u8"The site file %1 cannot be used: %2."},
    {u8"SiteFile", u8"The site file %1 is larger than %n MiB.", u8"Die Anlagendatei %1 ist größer als %n MiB.", u8"The site file %1 is larger than %n MiB."},
    {u8"SiteFile", u8"The site file %1 is no JSON document (%2 at byte %3).", u8"Die Anlagendatei %1 ist kein JSON-Dokument (%2 bei Byte %3).", u8"The site file %1 is no JSON document (%2 at byte %3)."},
    {u8"SiteFile", u8"it has format %1, written by a newer version of the program; this version reads format %2", u8"sie hat das Format %1 einer neueren Programmversion; diese Version liest Format %2", u8"it has format %1, written by a newer version of the program; this version reads format %2"},
    {u8"SiteFile", u8"it has no known format number", u8"sie hat keine bekannte Formatnummer", u8"it has no known format number"},
    {u8"SiteFile", u8"it holds more than %n switches", u8"sie enthält mehr als %n Multischalter", u8"it holds more than %n switch"},
    {u8"SiteFile", u8"it holds no JSON object", u8"sie enthält kein JSON-Objekt", u8"it holds no JSON object"},
    {u8"SiteFile", u8"switch %1 has no label", u8"Multischalter %1 hat keine Bezeichnung", u8"switch %1 has no label"},
    {u8"SiteFile", u8"switch %1 is no object", u8"Multischalter %1 ist kein Objekt", u8"switch %1 is no object"},
    {u8"SiteFile", u8"the date of \"%1\" is not a day of the form YYYY-MM-DD", u8"das Datum von „%1“ ist kein Tag der Form JJJJ-MM-TT", u8"the date of \"%1\" is not a day of the form YYYY-MM-DD"},
    {u8"SiteFile", u8"the label \"%1\" occurs twice", u8"die Bezeichnung „%1“ kommt zweimal vor", u8"the label \"%1\" occurs twice"},
    {u8"SiteFile", u8"the plan of \"%1\" is missing or too long", u8"der Plan von „%1“ fehlt oder ist zu lang", u8"the plan of \"%1\" is missing or too long"},
    {u8"SiteFile", u8"the plan of \"%1\" is no complete settings file", u8"der Plan von „%1“ ist keine vollständige Einstellungsdatei", u8"the plan of \"%1\" is no complete settings file"},
    {u8"SiteFile", u8"the plan of \"%1\" is not base64", u8"der Plan von „%1“ ist nicht in Base64 geschrieben", u8"the plan of \"%1\" is not base64"},
    {u8"SiteFile", u8"The site file %1 is being changed by another program. Try again.", u8"Die Anlagendatei %1 wird gerade von einem anderen Programm geändert. Versuchen Sie es erneut.", u8"The site file %1 is being changed by another program. Try again."},
    {u8"SiteFile", u8"no lock file can be made beside it", u8"daneben kann keine Sperrdatei angelegt werden", u8"no lock file can be made beside it"},
    {u8"SiteFile", u8"it would be larger than %n MiB", u8"sie würde größer als %n MiB", u8"it would be larger than %n MiB"},
};

// The window's site: the "Site…" dialog, its questions and its messages.
const Entry siteEntries[] = {
    {u8"Options", u8"Stored in the switch", u8"Im Multischalter gespeichert", u8"Stored in the switch"},
    {u8"OptionsForm.ui", u8"Site…", u8"Anlage…", u8"Site…"},
    {u8"QuestionBox", u8"Yes", u8"Ja", u8"Yes"},
    {u8"QuestionBox", u8"No", u8"Nein", u8"No"},
    {u8"SiteDialog", u8"Site", u8"Anlage", u8"Site"},
    {u8"SiteDialog", u8"The plan on screen will be replaced by the plan of \"%1\". Continue?", u8"Der angezeigte Plan wird durch den Plan von „%1“ ersetzt. Fortfahren?", u8"The plan on screen will be replaced by the plan of \"%1\". Continue?"},
    {u8"SiteDialog", u8"Replace the plan of \"%1\" in the site with the plan on screen?", u8"Den Plan von „%1“ in der Anlage durch den angezeigten Plan ersetzen?", u8"Replace the plan of \"%1\" in the site with the plan on screen?"},
    {u8"SiteDialog", u8"Remove \"%1\" from the site?", u8"„%1“ aus der Anlage entfernen?", u8"Remove \"%1\" from the site?"},
    {u8"SiteDialog", u8"connected", u8"angeschlossen", u8"connected"},
    {u8"SiteDialog", u8"on screen", u8"angezeigt", u8"on screen"},
    {u8"SiteDialog", u8"Choose a site file", u8"Anlagendatei auswählen", u8"Choose a site file"},
    {u8"SiteDialog", u8"Site files", u8"Anlagendateien", u8"Site files"},
    {u8"SiteDialogForm.ui", u8"Site file:", u8"Anlagendatei:", u8"Site file:"},
    {u8"SiteDialogForm.ui", u8"Open…", u8"Öffnen…", u8"Open…"},
    {u8"SiteDialogForm.ui", u8"New…", u8"Neu…", u8"New…"},
    {u8"SiteDialogForm.ui", u8"Name:", u8"Name:", u8"Name:"},
    {u8"SiteDialogForm.ui", u8"Note:", u8"Notiz:", u8"Note:"},
    {u8"SiteDialogForm.ui", u8"Switches:", u8"Multischalter:", u8"Switches:"},
    {u8"SiteDialogForm.ui", u8"Put on screen", u8"Anzeigen", u8"Put on screen"},
    {u8"SiteDialogForm.ui", u8"Put this switch's plan on screen", u8"Plan dieses Multischalters anzeigen", u8"Put this switch's plan on screen"},
    {u8"SiteDialogForm.ui", u8"Replace with the plan on screen", u8"Durch den angezeigten Plan ersetzen", u8"Replace with the plan on screen"},
    {u8"SiteDialogForm.ui", u8"Remove", u8"Entfernen", u8"Remove"},
    {u8"SiteDialogForm.ui", u8"Label:", u8"Bezeichnung:", u8"Label:"},
    {u8"SiteDialogForm.ui", u8"Stairwell A, cellar", u8"Treppenhaus A, Keller", u8"Stairwell A, cellar"},
    {u8"SiteDialogForm.ui", u8"Add the plan on screen", u8"Angezeigten Plan hinzufügen", u8"Add the plan on screen"},
    {u8"SiteDialogForm.ui", u8"Rename", u8"Umbenennen", u8"Rename"},
    {u8"SiteEntryListModel", u8"not stored yet", u8"noch nicht gespeichert", u8"not stored yet"},
    {u8"SiteEntryListModel", u8"no serial number", u8"keine Seriennummer", u8"no serial number"},
    {u8"SiteEntryListModel", u8"SN %1", u8"SN %1", u8"SN %1"},
    {u8"SiteEntryListModel", u8"%1, stored %2, read back", u8"%1, gespeichert am %2, zurückgelesen", u8"%1, stored %2, read back"},
    {u8"SiteEntryListModel", u8"%1, stored %2, not read back", u8"%1, gespeichert am %2, nicht zurückgelesen", u8"%1, stored %2, not read back"},
    {u8"SiteView", u8"No site is open.", u8"Es ist keine Anlage geöffnet.", u8"No site is open."},
    {u8"SiteView", u8"The site has no such switch.", u8"Diesen Multischalter gibt es in der Anlage nicht.", u8"The site has no such switch."},
    {u8"SiteView", u8"The plan of \"%1\" in the site file is damaged; the plan on screen stays.", u8"Der Plan von „%1“ in der Anlagendatei ist beschädigt; der angezeigte Plan bleibt erhalten.", u8"The plan of \"%1\" in the site file is damaged; the plan on screen stays."},
    {u8"SiteView", u8"The switch now holds the plan on screen, which differs from the plan of \"%1\" in the site. Replace the plan of \"%1\" with it and record the switch there?", u8"Der Multischalter enthält jetzt den angezeigten Plan, der vom Plan von „%1“ in der Anlage abweicht. Möchten Sie den Plan von „%1“ durch ihn ersetzen und den Multischalter dort eintragen?", u8"The switch now holds the plan on screen, which differs from the plan of \"%1\" in the site. Replace the plan of \"%1\" with it and record the switch there?"},
    {u8"SupportReport", u8"Site file: %1", u8"Anlagendatei: %1", u8"Site file: %1"},
    {u8"SupportReport", u8"Entry: %1", u8"Eintrag: %1", u8"Entry: %1"},
    {u8"SupportReport", u8"Site", u8"Anlage", u8"Site"},
};

QList<Entry> allEntries()
{
    QList<Entry> all(std::begin(entries), std::end(entries));
    all.append(QList<Entry>(std::begin(sheetEntries), std::end(sheetEntries)));
    all.append(QList<Entry>(std::begin(toolEntries), std::end(toolEntries)));
    all.append(QList<Entry>(std::begin(messageEntries), std::end(messageEntries)));
    all.append(QList<Entry>(std::begin(dataEntries), std::end(dataEntries)));
    all.append(QList<Entry>(std::begin(serverEntries), std::end(serverEntries)));
    all.append(QList<Entry>(std::begin(reportEntries), std::end(reportEntries)));
    all.append(QList<Entry>(std::begin(sendEntries), std::end(sendEntries)));
    all.append(QList<Entry>(std::begin(importEntries), std::end(importEntries)));
    all.append(QList<Entry>(std::begin(ownTransponderEntries), std::end(ownTransponderEntries)));
    all.append(QList<Entry>(std::begin(cancelEntries), std::end(cancelEntries)));
    all.append(QList<Entry>(std::begin(siteStoreEntries), std::end(siteStoreEntries)));
    all.append(QList<Entry>(std::begin(siteFileEntries), std::end(siteFileEntries)));
    all.append(QList<Entry>(std::begin(siteEntries), std::end(siteEntries)));
    return all;
}

struct QmMessage
{
    QByteArray context;
    QByteArray source;
    QString translation;
};

// Reads the messages of a compiled catalogue: the translator itself cannot
// list what it holds.
QList<QmMessage> readQmMessages(const QByteArray &qm)
{
    static const QByteArray magic = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    QList<QmMessage> messages;
    if (!qm.startsWith(magic))
        return messages;
    QDataStream in(qm.mid(magic.size()));
    while (!in.atEnd()) {
        quint8 tag = 0;
        quint32 length = 0;
        in >> tag >> length;
        QByteArray block(int(length), '\0');
        if (in.readRawData(block.data(), int(length)) != int(length))
            return {};
        if (tag != 0x69) // the messages block
            continue;
        QDataStream m(block);
        QmMessage message;
        while (!m.atEnd() && m.status() == QDataStream::Ok) {
            quint8 field = 0;
            m >> field;
            if (field == 1) { // end of message
                messages.append(message);
                message = QmMessage();
                continue;
            }
            quint32 size = 0;
            m >> size;
            QByteArray data;
            if (size != 0xffffffff) {
                data.resize(int(size));
                m.readRawData(data.data(), int(size));
            }
            if (field == 3) {
                QString text;
                for (int i = 0; i + 1 < data.size(); i += 2)
                    text += QChar(ushort((uchar(data[i]) << 8) | uchar(data[i + 1])));
                message.translation = text;
            } else if (field == 6) {
                message.source = data;
            } else if (field == 7) {
                message.context = data;
            }
        }
    }
    return messages;
}

QString textOf(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}
} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir cacheDir;

    static QString catalogue(bool german)
    {
        return german ? QStringLiteral(":/translations/fenzo_setup_de.qm")
                      : QStringLiteral(":/translations/fenzo_setup_en.qm");
    }

    void installCatalogue(QTranslator &translator, bool german)
    {
        QVERIFY(translator.load(catalogue(german)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }

private slots:
    void catalogueHoldsExactlyTheTable_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("German") << true;
        QTest::newRow("English") << false;
    }

    void catalogueHoldsExactlyTheTable()
    {
        QFETCH(bool, german);
        QFile file(catalogue(german));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QmMessage> messages = readQmMessages(file.readAll());

        QTranslator translator;
        QVERIFY(translator.load(catalogue(german)));
        int translated = 0;
        for (const Entry &entry : allEntries()) {
            const char *expected = german ? entry.german : entry.english;
            QCOMPARE(translator.translate(entry.context, entry.source), textOf(expected));
            if (expected)
                ++translated;
        }
        QCOMPARE(int(std::size(entries)), 64);
        // Nothing beyond the table: every compiled message is one of its entries.
        QCOMPARE(messages.size(), translated);
        for (const QmMessage &message : messages) {
            bool known = false;
            for (const Entry &entry : allEntries()) {
                if (message.context == entry.context && message.source == entry.source)
                    known = (german ? entry.german : entry.english) != nullptr;
            }
            QVERIFY2(known, message.context + " / " + message.source);
        }
    }

    void programTexts_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("noDevice");
        QTest::addColumn<QString>("lnb1Missing");
        QTest::addColumn<QString>("lostConnection");
        QTest::addColumn<QString>("notFound");
        QTest::addColumn<QString>("readError");
        QTest::addColumn<QString>("writeError");
        QTest::newRow("German") << true << u8"Kein Gerät gefunden" << u8"LNB1 muss asugewählt sein."
                                << u8"Verbindung zum Gerät getrennt. Bitte erneut verbinden."
                                << u8"Satelit in Datenbank nicht gefunden."
                                << u8"Fehler während des Lesevorgangs. Bitte erneut versuchen."
                                << u8"Fehler während des Schreibvorgangs. Bitte erneut versuchen.";
        QTest::newRow("English") << false << "No device found" << "LNB1 must be set."
                                 << "Lost connection to device. Please connect again."
                                 << "Satelite not found in database."
                                 << "Error occured while reading data. Please try again."
                                 << "Error occured while writing data. Please try again.";
    }

    // The classes translate their texts when they are made, under whatever
    // translator is installed then.
    void programTexts()
    {
        QFETCH(bool, german);
        QFETCH(QString, noDevice);
        QFETCH(QString, lnb1Missing);
        QFETCH(QString, lostConnection);
        QFETCH(QString, notFound);
        QFETCH(QString, readError);
        QFETCH(QString, writeError);
        QTranslator translator;
        installCatalogue(translator, german);

        UBDataModel model;
        UBModelController controller(&model, OfflineEnvironment::in(cacheDir.path()));
        QCOMPARE(controller.deviceStatus()->serialNumber(), noDevice);
        QSignalSpy errors(&controller, &UBModelController::errorOccured);
        controller.sendDataToDevice();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), lnb1Missing);

        model.setLnb1(QStringLiteral("A"));
        model.setLnb2(QStringLiteral("B"));
        controller.sendDataToDevice();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 2, 5000);
        QCOMPARE(errors.at(1).at(0).toString(), lostConnection);

        UBRecord onNowhere;
        onNowhere.type = UBRecord::staticType;
        onNowhere.tp = 1;
        try {
            const SatelliteCatalogue data({{QStringLiteral("A"), {{1, 11000, Polarisation::H, 9750, 1}}}},
                                          {{QStringLiteral("A"), 1, 9750, 10600}});
            CodeWord::encode(onNowhere, QStringLiteral("nowhere"), QString(), data, 0);
            QFAIL("no exception");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), notFound);
        }

        // The switch's line says what went wrong in the user's language.
        QCOMPARE(DeviceOperation::connectionLostMessage(), lostConnection);
        QCOMPARE(DeviceOperation::readErrorMessage(), readError);
        QCOMPARE(DeviceOperation::writeErrorMessage(), writeError);
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
