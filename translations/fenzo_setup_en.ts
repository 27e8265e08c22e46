<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>The installation sheet could not be saved as %1 (%2).</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1 (%2).</source>
        <translation>The picture could not be saved as %1 (%2).</translation>
    </message>
</context>
<context>
    <name>InstallationSheetWindow</name>
    <message>
        <source>Installation sheet</source>
        <translation>Installation sheet</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>InstallationSheetWindowForm.ui</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Save picture…</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Selected satelite </source>
        <translation>Selected satelite </translation>
    </message>
    <message>
        <source> for lnb1 no longer available</source>
        <translation> for LNB1 no longer available</translation>
    </message>
    <message>
        <source> for lnb2 no longer available</source>
        <translation> for LNB2 no longer available</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Selected satelite no longer available.</source>
        <translation>Selected satelite no longer available.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>This will redistribute all dynamic UBs equally and change current settings.</source>
        <translation>This will redistribute all dynamic UBs equally and change current settings.</translation>
    </message>
    <message>
        <source>Set number of static UBs</source>
        <translation>Set number of static UBs</translation>
    </message>
    <message>
        <source>Select number of static UBs. Existing data will be overwritten!</source>
        <translation>Select number of static UBs. Existing data will be overwritten!</translation>
    </message>
    <message>
        <source>Number of static Ubs: </source>
        <translation>Number of static Ubs: </translation>
    </message>
    <message>
        <source>Top of list: </source>
        <translation>Assign to high frequencies: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choose a file</translation>
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
        <translation>Set number of static UBs</translation>
    </message>
    <message>
        <source>Assign number of static UBs</source>
        <translation>Assign number of static UBs</translation>
    </message>
    <message>
        <source>Reset dynamic UBs</source>
        <translation>Reset dynamic UBs</translation>
    </message>
    <message>
        <source>Equally distribute lines for dynamic UBs</source>
        <translation>Equally distribute lines for dynamic UBs</translation>
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
        <translation>Select satelite for LNB 1</translation>
    </message>
    <message>
        <source>LNB2: </source>
        <translation>LNB2: </translation>
    </message>
    <message>
        <source>Select satelite for LNB 2</source>
        <translation>Select satelite for LNB 2</translation>
    </message>
    <message>
        <source>Terrestrial path active</source>
        <translation>Terrestrial path active</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>Set terrestrial path active</translation>
    </message>
    <message>
        <source>LTE filter</source>
        <translation>LTE filter</translation>
    </message>
    <message>
        <source>DESCRIPTIONLTE</source>
        <translation>Limit upper frequency to 690 MHz</translation>
    </message>
    <message>
        <source>Enable stand by mode (not possible with static UBs)</source>
        <translation>Enable stand by mode (not possible with static UBs)</translation>
    </message>
    <message>
        <source>Test on device</source>
        <translation>Test on device</translation>
    </message>
    <message>
        <source>Export settings to the device storage</source>
        <translation>Export settings to the device storage for testing</translation>
    </message>
    <message>
        <source>Save on device</source>
        <translation>Save on device</translation>
    </message>
    <message>
        <source>Export settings to the device rom</source>
        <translation>Save settings to the device rom</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Read from device</translation>
    </message>
    <message>
        <source>Read configuration from device</source>
        <translation>Read configuration from device</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Save as file</translation>
    </message>
    <message>
        <source>Export settings to local storage</source>
        <translation>Save settings as a file</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Load settings from local storage</source>
        <translation>Load settings from file</translation>
    </message>
    <message>
        <source>Show the installation sheet</source>
        <translation>Show the installation sheet</translation>
    </message>
</context>
<context>
    <name>SerialPortHandler</name>
    <message>
        <source>Error occured while reading data, please try again</source>
        <translation>Error occured while reading data. Please try again.</translation>
    </message>
    <message>
        <source>Error occured while writing data, please try again</source>
        <translation>Error occured while writing data. Please try again.</translation>
    </message>
    <message>
        <source>Lost connection to device. Please connect again</source>
        <translation>Lost connection to device. Please connect again.</translation>
    </message>
    <message>
        <source>UB number %1 cannot be sent to the device (0 to 31)</source>
        <translation>UB number %1 cannot be sent to the device (0 to 31)</translation>
    </message>
    <message>
        <source>Line %1 cannot be sent to the device (0 to 255)</source>
        <translation>Line %1 cannot be sent to the device (0 to 255)</translation>
    </message>
    <message>
        <source>Satelite id %1 cannot be sent to the device (0 to 127)</source>
        <translation>Satelite id %1 cannot be sent to the device (0 to 127)</translation>
    </message>
    <message>
        <source>UB %1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</source>
        <translation>UB %1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</translation>
    </message>
</context>
<context>
    <name>SheetPainter</name>
    <message>
        <source>Line %1, local UB %2</source>
        <translation>Line %1, local UB %2</translation>
    </message>
    <message>
        <source>not assigned</source>
        <translation>not assigned</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>static</source>
        <translation>static</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1 is static but has no transponder.</source>
        <translation>%1 is static but has no transponder.</translation>
    </message>
    <message>
        <source>Line %1 carries %2 dynamic UBs; receivers reach those beyond eight only with EN50607.</source>
        <translation>Line %1 carries %2 dynamic UBs; receivers reach those beyond eight only with EN50607.</translation>
    </message>
    <message>
        <source>Installation sheet</source>
        <translation>Installation sheet</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Device serial number: %1</source>
        <translation>Device serial number: %1</translation>
    </message>
    <message>
        <source>No device was connected.</source>
        <translation>No device was connected.</translation>
    </message>
    <message>
        <source>LNB1: %1</source>
        <translation>LNB1: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>LNB2: %1</source>
        <translation>LNB2: %1</translation>
    </message>
    <message>
        <source>Terrestrial path: %1, LTE filter: %2, stand-by: %3</source>
        <translation>Terrestrial path: %1, LTE filter: %2, stand-by: %3</translation>
    </message>
    <message>
        <source>Line %1: receivers on this line</source>
        <translation>Line %1: receivers on this line</translation>
    </message>
    <message>
        <source>No dynamic UBs.</source>
        <translation>No dynamic UBs.</translation>
    </message>
    <message>
        <source>Local UB</source>
        <translation>Local UB</translation>
    </message>
    <message>
        <source>UB</source>
        <translation>UB</translation>
    </message>
    <message>
        <source>Slot frequency</source>
        <translation>Slot frequency</translation>
    </message>
    <message>
        <source>Dynamic UBs on no valid line: %1</source>
        <translation>Dynamic UBs on no valid line: %1</translation>
    </message>
    <message>
        <source>Static UBs</source>
        <translation>Static UBs</translation>
    </message>
    <message>
        <source>No static UBs.</source>
        <translation>No static UBs.</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>TP</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
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
        <translation>Warnings</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>None.</translation>
    </message>
    <message>
        <source>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</source>
        <translation>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</translation>
    </message>
</context>
<context>
    <name>SqlHandler</name>
    <message>
        <source>Satelite not found in database</source>
        <translation>Satelite not found in database.</translation>
    </message>
</context>
<context>
    <name>UBDataModel</name>
    <message>
        <source>No device found</source>
        <translation>No device found</translation>
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
        <translation>dynamic</translation>
    </message>
    <message>
        <source>static</source>
        <translation>static</translation>
    </message>
</context>
<context>
    <name>UBModelController</name>
    <message>
        <source>Lnb1 must be set.</source>
        <translation>LNB1 must be set.</translation>
    </message>
    <message>
        <source>Lnb2 must be set.</source>
        <translation>LNB2 must be set.</translation>
    </message>
    <message>
        <source>All static UBs must be assigned.</source>
        <translation>All static UBs must be assigned to a transponder.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection and restart application.</source>
        <translation>Couldn&apos;t connect to database. Please check your internet connection and restart the application.</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please restart application with internet connection to update offline data.</source>
        <translation>Offline data for satelites older than 1 month. Please restart application with internet connection to update offline data.</translation>
    </message>
    <message>
        <source>Local UB number bigger than 8, protocol XY required</source>
        <translation>LocalUB bigger than 8. Can only be used with EN50607.</translation>
    </message>
    <message>
        <source>Line for dynamic channel must be smaller than 5</source>
        <translation>Line for dynamic UBs must be smaller than 5</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Error while saving</source>
        <translation>Error while saving data</translation>
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
