<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BuiltInSatellites</name>
    <message>
        <source>The built-in satellite data are damaged (line %1).</source>
        <translation>The built-in satellite data are damaged (line %1).</translation>
    </message>
    <message>
        <source>This program was built without satellite data.</source>
        <translation>This program was built without satellite data.</translation>
    </message>
</context>
<context>
    <name>CommandLineTool</name>
    <message>
        <source>Unknown option %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unknown option %1. &quot;fenzo_cli --help&quot; lists the commands.</translation>
    </message>
    <message>
        <source>Wrong number of file names. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Wrong number of file names. &quot;fenzo_cli --help&quot; lists the commands.</translation>
    </message>
    <message>
        <source>No command given. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>No command given. &quot;fenzo_cli --help&quot; lists the commands.</translation>
    </message>
    <message>
        <source>Unknown command %1. &quot;fenzo_cli --help&quot; lists the commands.</source>
        <translation>Unknown command %1. &quot;fenzo_cli --help&quot; lists the commands.</translation>
    </message>
    <message>
        <source>No switch found.</source>
        <translation>No switch found.</translation>
    </message>
    <message>
        <source>%1 %2: not stored: %3</source>
        <translation>%1 %2: not stored: %3</translation>
    </message>
    <message>
        <source>--port needs the switch&apos;s port, for example /dev/ttyACM0.</source>
        <translation>--port needs the switch&apos;s port, for example /dev/ttyACM0.</translation>
    </message>
    <message>
        <source>The file %1 holds no replies of a switch: %2</source>
        <translation>The file %1 holds no replies of a switch: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection and the server (fenzo_cli server).</source>
        <translation>Couldn&apos;t connect to database. Please check your internet connection and the server (fenzo_cli server).</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew.</source>
        <translation>Offline data for satelites older than 1 month. Please check your internet connection and the server (fenzo_cli server); every command downloads the data anew.</translation>
    </message>
    <message>
        <source>encrypted (TLS)</source>
        <translation>encrypted (TLS)</translation>
    </message>
    <message>
        <source>not encrypted</source>
        <translation>not encrypted</translation>
    </message>
    <message>
        <source>TLS required</source>
        <translation>TLS required</translation>
    </message>
    <message>
        <source>TLS when offered</source>
        <translation>TLS when offered</translation>
    </message>
    <message>
        <source>certificates from the system&apos;s store</source>
        <translation>certificates from the system&apos;s store</translation>
    </message>
    <message>
        <source>certificates from %1</source>
        <translation>certificates from %1</translation>
    </message>
    <message>
        <source>The satellite data hold no satellite named %1. &quot;fenzo_cli satellites&quot; lists them.</source>
        <translation>The satellite data hold no satellite named %1. &quot;fenzo_cli satellites&quot; lists them.</translation>
    </message>
    <message>
        <source>UBs whose transponder is not in the satellite data: %1.</source>
        <translation>UBs whose transponder is not in the satellite data: %1.</translation>
    </message>
    <message>
        <source>Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one&apos;s power as well as its USB cable.</source>
        <translation>Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one&apos;s power as well as its USB cable.</translation>
    </message>
    <message>
        <source>%1 %2: stored; backup %3; read back</source>
        <translation>%1 %2: stored; backup %3; read back</translation>
    </message>
    <message>
        <source>%1 %2: after reconnection the switch holds the plan stored</source>
        <translation>%1 %2: after reconnection the switch holds the plan stored</translation>
    </message>
    <message>
        <source>%1 %2: not compared after reconnection: %3</source>
        <translation>%1 %2: not compared after reconnection: %3</translation>
    </message>
    <message>
        <source>%1 %2: after reconnection the switch differs from the plan stored: %3</source>
        <translation>%1 %2: after reconnection the switch differs from the plan stored: %3</translation>
    </message>
    <message numerus="yes">
        <source>The file %1 is larger than %n bytes: it holds no replies of a switch.</source>
        <translation>
            <numerusform>The file %1 is larger than %n byte: it holds no replies of a switch.</numerusform>
            <numerusform>The file %1 is larger than %n bytes: it holds no replies of a switch.</numerusform>
        </translation>
    </message>
    <message>
        <source>A plan file cannot be given with --site: the plans come from the site&apos;s entries.</source>
        <translation>A plan file cannot be given with --site: the plans come from the site&apos;s entries.</translation>
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
        <translation>Usage: fenzo_cli COMMAND [--port PATH] FILE...

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
</translation>
    </message>
    <message>
        <source>the entry&apos;s plan cannot be sent</source>
        <translation>the entry&apos;s plan cannot be sent</translation>
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
        <translation>Compare with device</translation>
    </message>
</context>
<context>
    <name>CompareWindowForm.ui</name>
    <message>
        <source>Differences between this plan and the switch</source>
        <translation>Differences between this plan and the switch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ConnectionFailure</name>
    <message>
        <source>server %1 cannot be reached: connection refused</source>
        <translation>server %1 cannot be reached: connection refused</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: no route to the host</source>
        <translation>server %1 cannot be reached: no route to the host</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: no answer within %2 s</source>
        <translation>server %1 cannot be reached: no answer within %2 s</translation>
    </message>
    <message>
        <source>server %1 cannot be reached</source>
        <translation>server %1 cannot be reached</translation>
    </message>
    <message>
        <source>server %1 cannot be reached: the host name is unknown</source>
        <translation>server %1 cannot be reached: the host name is unknown</translation>
    </message>
    <message>
        <source>server %1 refused the user &quot;%2&quot;: wrong user name or password</source>
        <translation>server %1 refused the user &quot;%2&quot;: wrong user name or password</translation>
    </message>
    <message>
        <source>server %1 refuses connections from this computer</source>
        <translation>server %1 refuses connections from this computer</translation>
    </message>
    <message>
        <source>server %1 has no database &quot;%2&quot;</source>
        <translation>server %1 has no database &quot;%2&quot;</translation>
    </message>
    <message>
        <source>server %1: a table in the database &quot;%2&quot; does not have the columns of satellite data</source>
        <translation>server %1: a table in the database &quot;%2&quot; does not have the columns of satellite data</translation>
    </message>
    <message>
        <source>server %1 sent a row larger than 1 MB</source>
        <translation>server %1 sent a row larger than 1 MB</translation>
    </message>
    <message>
        <source>server %1 has too many connections</source>
        <translation>server %1 has too many connections</translation>
    </message>
    <message>
        <source>the database client ran out of memory</source>
        <translation>the database client ran out of memory</translation>
    </message>
    <message>
        <source>server %1 reported error %2</source>
        <translation>server %1 reported error %2</translation>
    </message>
    <message>
        <source>the user &quot;%3&quot; cannot access a database &quot;%2&quot; on server %1</source>
        <translation>the user &quot;%3&quot; cannot access a database &quot;%2&quot; on server %1</translation>
    </message>
    <message>
        <source>the connection to server %1 was lost</source>
        <translation>the connection to server %1 was lost</translation>
    </message>
    <message>
        <source>server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate is not trusted</source>
        <translation>server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate is not trusted</translation>
    </message>
    <message>
        <source>server %1 asks for a sign-in that would send the password in plain text; it is refused</source>
        <translation>server %1 asks for a sign-in that would send the password in plain text; it is refused</translation>
    </message>
</context>
<context>
    <name>DeviceOperation</name>
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
        <source>Reading the switch&apos;s plan… %1 of %2</source>
        <translation>Reading the switch&apos;s plan… %1 of %2</translation>
    </message>
    <message>
        <source>Cancelled. Nothing was changed on the switch.</source>
        <translation>Cancelled. Nothing was changed on the switch.</translation>
    </message>
</context>
<context>
    <name>DeviceReplies</name>
    <message>
        <source>The line &quot;%1&quot; is no query and reply of the switch.</source>
        <translation>The line &quot;%1&quot; is no query and reply of the switch.</translation>
    </message>
    <message>
        <source>The reply to %1 is not a reply of the switch.</source>
        <translation>The reply to %1 is not a reply of the switch.</translation>
    </message>
    <message>
        <source>The reply to %1 is missing.</source>
        <translation>The reply to %1 is missing.</translation>
    </message>
    <message>
        <source>The reply to :CONF:ALL? does not hold 24 code words.</source>
        <translation>The reply to :CONF:ALL? does not hold 24 code words.</translation>
    </message>
    <message>
        <source>It is not a UTF-8 text.</source>
        <translation>It is not a UTF-8 text.</translation>
    </message>
    <message>
        <source>The reply to %1 appears twice.</source>
        <translation>The reply to %1 appears twice.</translation>
    </message>
</context>
<context>
    <name>DeviceStatus</name>
    <message>
        <source>No device found</source>
        <translation>No device found</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The switch&apos;s plan could not be backed up, so nothing was stored: %1</source>
        <translation>The switch&apos;s plan could not be backed up, so nothing was stored: %1</translation>
    </message>
    <message>
        <source>The switch&apos;s plan could not be backed up, so nothing was sent: %1</source>
        <translation>The switch&apos;s plan could not be backed up, so nothing was sent: %1</translation>
    </message>
    <message>
        <source>The plan the switch held before the send is kept in the backup %1.</source>
        <translation>The plan the switch held before the send is kept in the backup %1.</translation>
    </message>
    <message>
        <source>The plan the switch had stored before is kept in the backup %1.</source>
        <translation>The plan the switch had stored before is kept in the backup %1.</translation>
    </message>
</context>
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
    <name>DownloadChannel</name>
    <message>
        <source>the download process sent a damaged answer</source>
        <translation>the download process sent a damaged answer</translation>
    </message>
    <message>
        <source>the download process sent more after its end</source>
        <translation>the download process sent more after its end</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>File name</source>
        <translation>File name</translation>
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
        <translation>a satellite&apos;s name is longer than %1 characters</translation>
    </message>
    <message>
        <source>the file lists more than %1 satellites</source>
        <translation>the file lists more than %1 satellites</translation>
    </message>
    <message>
        <source>the file lists more than %1 transponders for one satellite</source>
        <translation>the file lists more than %1 transponders for one satellite</translation>
    </message>
    <message>
        <source>the file lists more than %1 transponders</source>
        <translation>the file lists more than %1 transponders</translation>
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
    <message>
        <source>the sheet could not be drawn</source>
        <translation>the sheet could not be drawn</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>the picture could not be drawn</translation>
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
    <name>OfflineCacheFile</name>
    <message>
        <source>The offline data could not be saved to %1 (%2).</source>
        <translation>The offline data could not be saved to %1 (%2).</translation>
    </message>
    <message>
        <source>The offline data in %1 could not be read (%2).</source>
        <translation>The offline data in %1 could not be read (%2).</translation>
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
    <message>
        <source>Fetching the satellite data…</source>
        <translation>Fetching the satellite data…</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat files</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>Stored in the switch</source>
        <translation>Stored in the switch</translation>
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
    <message>
        <source>Compare with device</source>
        <translation>Compare with device</translation>
    </message>
    <message>
        <source>Show what the device holds that differs from this plan</source>
        <translation>Show what the device holds that differs from this plan</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Satellite data…</source>
        <translation>Satellite data…</translation>
    </message>
    <message>
        <source>Save a support report…</source>
        <translation>Save a support report…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop reading the switch; nothing on the switch is changed</source>
        <translation>Stop reading the switch; nothing on the switch is changed</translation>
    </message>
    <message>
        <source>Site…</source>
        <translation>Site…</translation>
    </message>
</context>
<context>
    <name>OrbitalPositions</name>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 is now %2</translation>
    </message>
    <message>
        <source>These satellite data name satellites by their orbital position: %1.</source>
        <translation>These satellite data name satellites by their orbital position: %1.</translation>
    </message>
</context>
<context>
    <name>OwnTransponderCommand</name>
    <message>
        <source>Use transponder add|remove SATELLITE FREQ POL, or transponder list.</source>
        <translation>Use transponder add|remove SATELLITE FREQ POL, or transponder list.</translation>
    </message>
    <message>
        <source>There is no own transponder %1 MHz %2 on %3.</source>
        <translation>There is no own transponder %1 MHz %2 on %3.</translation>
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
        <translation>Own transponders (stored next to the offline cache, added to any satellite data):
  transponder add SATELLITE FREQ POL
                                adds a transponder (10700-12750 MHz; H, V, L
                                or R) to the satellite of that name
  transponder list              one line per own transponder: satellite,
                                frequency, polarisation
  transponder remove SATELLITE FREQ POL
                                removes an own transponder
</translation>
    </message>
    <message>
        <source>The frequency %1 is not a whole number of MHz.</source>
        <translation>The frequency %1 is not a whole number of MHz.</translation>
    </message>
    <message>
        <source>This transponder is already one of the own transponders.</source>
        <translation>This transponder is already one of the own transponders.</translation>
    </message>
</context>
<context>
    <name>OwnTransponderDialog</name>
    <message>
        <source>Other transponder</source>
        <translation>Other transponder</translation>
    </message>
</context>
<context>
    <name>OwnTransponderDialogForm.ui</name>
    <message>
        <source>Frequency (MHz):</source>
        <translation>Frequency (MHz):</translation>
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
        <translation>The own transponders in %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>The own transponders in %1 are damaged: %2</source>
        <translation>The own transponders in %1 are damaged: %2</translation>
    </message>
    <message>
        <source>The own transponders could not be saved to %1 (%2).</source>
        <translation>The own transponders could not be saved to %1 (%2).</translation>
    </message>
    <message>
        <source>permissions not set</source>
        <translation>permissions not set</translation>
    </message>
</context>
<context>
    <name>OwnTransponders</name>
    <message>
        <source>The frequency must lie between %1 and %2 MHz.</source>
        <translation>The frequency must lie between %1 and %2 MHz.</translation>
    </message>
    <message>
        <source>The transponder is listed twice.</source>
        <translation>The transponder is listed twice.</translation>
    </message>
    <message>
        <source>The satellite&apos;s name is empty, too long or holds control characters.</source>
        <translation>The satellite&apos;s name is empty, too long or holds control characters.</translation>
    </message>
    <message>
        <source>The polarisation must be H, V, L or R.</source>
        <translation>The polarisation must be H, V, L or R.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes.</source>
        <translation>The file is larger than %1 bytes.</translation>
    </message>
    <message>
        <source>The file does not begin with &quot;%1&quot;.</source>
        <translation>The file does not begin with &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file holds more than %1 transponders.</source>
        <translation>The file holds more than %1 transponders.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>The satellite data hold no satellite &quot;%1&quot;.</source>
        <translation>The satellite data hold no satellite &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 already has a transponder at %2 MHz %3.</source>
        <translation>%1 already has a transponder at %2 MHz %3.</translation>
    </message>
    <message>
        <source>(own)</source>
        <translation>(own)</translation>
    </message>
    <message>
        <source>%1 (own)</source>
        <translation>%1 (own)</translation>
    </message>
    <message>
        <source>A satellite, a frequency and a polarisation are needed.</source>
        <translation>A satellite, a frequency and a polarisation are needed.</translation>
    </message>
    <message>
        <source>The frequency is not a number.</source>
        <translation>The frequency is not a number.</translation>
    </message>
    <message>
        <source>There are already %1 own transponders, the most allowed.</source>
        <translation>There are already %1 own transponders, the most allowed.</translation>
    </message>
</context>
<context>
    <name>PlanBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>no transponder</source>
        <translation>no transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 MHz)</source>
        <translation>transponder %1 (%2 MHz)</translation>
    </message>
    <message>
        <source>The switch holds this plan.</source>
        <translation>The switch holds this plan.</translation>
    </message>
    <message>
        <source>%1: %2 in the plan, %3 in the switch</source>
        <translation>%1: %2 in the plan, %3 in the switch</translation>
    </message>
    <message>
        <source>Satellite on LNB1</source>
        <translation>Satellite on LNB1</translation>
    </message>
    <message>
        <source>Satellite on LNB2</source>
        <translation>Satellite on LNB2</translation>
    </message>
    <message>
        <source>Terrestrial path</source>
        <translation>Terrestrial path</translation>
    </message>
    <message>
        <source>LTE filter</source>
        <translation>LTE filter</translation>
    </message>
    <message>
        <source>Stand-by</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>%1: only in the plan</source>
        <translation>%1: only in the plan</translation>
    </message>
    <message>
        <source>%1: only in the switch</source>
        <translation>%1: only in the switch</translation>
    </message>
    <message>
        <source>static</source>
        <translation>static</translation>
    </message>
    <message>
        <source>dynamic</source>
        <translation>dynamic</translation>
    </message>
    <message>
        <source>LNB%1</source>
        <translation>LNB%1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>local UB %1</source>
        <translation>local UB %1</translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <source>Line for dynamic channel must be smaller than 5</source>
        <translation>Line for dynamic UBs must be smaller than 5</translation>
    </message>
    <message>
        <source>Not in these data: %1.</source>
        <translation>Not in these data: %1.</translation>
    </message>
    <message>
        <source>Transponders not in these data (marked): %1.</source>
        <translation>Transponders not in these data (marked): %1.</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Error while saving</source>
        <translation>Error while saving data</translation>
    </message>
    <message>
        <source>Error while loading</source>
        <translation>Error while loading data</translation>
    </message>
</context>
<context>
    <name>PlanReadBack</name>
    <message>
        <source>Sent; the switch&apos;s working plan was read back and matches.</source>
        <translation>Sent; the switch&apos;s working plan was read back and matches.</translation>
    </message>
    <message>
        <source>Stored in the switch; its working plan was read back and matches.</source>
        <translation>Stored in the switch; its working plan was read back and matches.</translation>
    </message>
    <message>
        <source>The plan was sent, but the switch&apos;s working plan, read back, differs from it:</source>
        <translation>The plan was sent, but the switch&apos;s working plan, read back, differs from it:</translation>
    </message>
    <message>
        <source>The plan was sent, but the switch&apos;s working plan could not be read back: %1</source>
        <translation>The plan was sent, but the switch&apos;s working plan could not be read back: %1</translation>
    </message>
    <message>
        <source>%1: sent %2, the switch holds %3</source>
        <translation>%1: sent %2, the switch holds %3</translation>
    </message>
    <message numerus="yes">
        <source>The switch holds %n code words instead of %1.</source>
        <translation>
            <numerusform>The switch holds %n code word instead of %1.</numerusform>
            <numerusform>The switch holds %n code words instead of %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the switch&apos;s word names %2; the switch goes by the word&apos;s place on the line.</source>
        <translation>%1: the switch&apos;s word names %2; the switch goes by the word&apos;s place on the line.</translation>
    </message>
    <message>
        <source>%1: sent the word %2, the switch holds the word %3</source>
        <translation>%1: sent the word %2, the switch holds the word %3</translation>
    </message>
    <message>
        <source>%1 MHz %2 on %3</source>
        <translation>%1 MHz %2 on %3</translation>
    </message>
    <message>
        <source>a dynamic UB on line %1</source>
        <translation>a dynamic UB on line %1</translation>
    </message>
    <message>
        <source>a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6</source>
        <translation>a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6</translation>
    </message>
    <message>
        <source>high band</source>
        <translation>high band</translation>
    </message>
    <message>
        <source>low band</source>
        <translation>low band</translation>
    </message>
</context>
<context>
    <name>PlanWords</name>
    <message>
        <source>%1: the switch has UBs 1 to %2 only.</source>
        <translation>%1: the switch has UBs 1 to %2 only.</translation>
    </message>
    <message>
        <source>%1: the satellite %2 is not in the satellite data.</source>
        <translation>%1: the satellite %2 is not in the satellite data.</translation>
    </message>
    <message>
        <source>%1: a static UB without a transponder.</source>
        <translation>%1: a static UB without a transponder.</translation>
    </message>
    <message>
        <source>The plan has %1 UBs; the switch has %2.</source>
        <translation>The plan has %1 UBs; the switch has %2.</translation>
    </message>
    <message>
        <source>Nothing was sent to the switch because some UBs cannot be sent:</source>
        <translation>Nothing was sent to the switch because some UBs cannot be sent:</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SatelliteData</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Satellite data: new data loaded (%1).</source>
        <translation>Satellite data: new data loaded (%1).</translation>
    </message>
    <message>
        <source>No satellite data</source>
        <translation>No satellite data</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2, downloaded over TLS</source>
        <translation>Satellite data: %1, satellites: %2, downloaded over TLS</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2, downloaded unencrypted</source>
        <translation>Satellite data: %1, satellites: %2, downloaded unencrypted</translation>
    </message>
    <message>
        <source>Satellite data: %1, satellites: %2</source>
        <translation>Satellite data: %1, satellites: %2</translation>
    </message>
    <message>
        <source>Satellite data: %1; no server: %2</source>
        <translation>Satellite data: %1; no server: %2</translation>
    </message>
</context>
<context>
    <name>SatelliteDataDialog</name>
    <message>
        <source>Satellite data</source>
        <translation>Satellite data</translation>
    </message>
    <message>
        <source>No satellite data</source>
        <translation>No satellite data</translation>
    </message>
    <message>
        <source>Choose satellite data (satellites.xml or a scan table)</source>
        <translation>Choose satellite data (satellites.xml or a scan table)</translation>
    </message>
    <message>
        <source>Choose a folder of DVB-S scan tables</source>
        <translation>Choose a folder of DVB-S scan tables</translation>
    </message>
</context>
<context>
    <name>SatelliteDataDialogForm.ui</name>
    <message>
        <source>Satellite data in use:</source>
        <translation>Satellite data in use:</translation>
    </message>
    <message>
        <source>Fetching the satellite data…</source>
        <translation>Fetching the satellite data…</translation>
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
        <translation>Database:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA file:</translation>
    </message>
    <message>
        <source>(empty: the system&apos;s certificates)</source>
        <translation>(empty: the system&apos;s certificates)</translation>
    </message>
    <message>
        <source>Require TLS</source>
        <translation>Require TLS</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Import folder…</source>
        <translation>Import folder…</translation>
    </message>
</context>
<context>
    <name>SatelliteDataView</name>
    <message>
        <source>A download of the satellite data is still under way; try again in a few seconds.</source>
        <translation>A download of the satellite data is still under way; try again in a few seconds.</translation>
    </message>
    <message>
        <source>The switch is busy; import the satellite data when it is done.</source>
        <translation>The switch is busy; import the satellite data when it is done.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to database. Please check your internet connection, then open &quot;Satellite data…&quot;, check the server and press &quot;Update now&quot;.</source>
        <translation>Couldn&apos;t connect to database. Please check your internet connection, then open &quot;Satellite data…&quot;, check the server and press &quot;Update now&quot;.</translation>
    </message>
    <message>
        <source>Offline data for satelites older than 1 month. Please connect to the internet, open &quot;Satellite data…&quot; and press &quot;Update now&quot; to update offline data.</source>
        <translation>Offline data for satelites older than 1 month. Please connect to the internet, open &quot;Satellite data…&quot; and press &quot;Update now&quot; to update offline data.</translation>
    </message>
</context>
<context>
    <name>SatelliteDownload</name>
    <message>
        <source>no complete answer within %1 s</source>
        <translation>no complete answer within %1 s</translation>
    </message>
    <message>
        <source>no connection to the server within %1 s</source>
        <translation>no connection to the server within %1 s</translation>
    </message>
    <message>
        <source>the download ended unexpectedly</source>
        <translation>the download ended unexpectedly</translation>
    </message>
</context>
<context>
    <name>SatelliteFinder</name>
    <message>
        <source>Find a satellite</source>
        <translation>Find a satellite</translation>
    </message>
    <message>
        <source>No satellite name contains &quot;%1&quot;</source>
        <translation>No satellite name contains &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SatelliteIdTable</name>
    <message>
        <source>%1 (id %2 here, %3 in the program&apos;s table)</source>
        <translation>%1 (id %2 here, %3 in the program&apos;s table)</translation>
    </message>
    <message>
        <source>%1 (id %2, which the program&apos;s table gives to %3)</source>
        <translation>%1 (id %2, which the program&apos;s table gives to %3)</translation>
    </message>
    <message>
        <source>These satellite data number satellites differently from the program&apos;s own table, so a plan read back from a switch programmed with other data may name other satellites: %1.</source>
        <translation>These satellite data number satellites differently from the program&apos;s own table, so a plan read back from a switch programmed with other data may name other satellites: %1.</translation>
    </message>
    <message>
        <source>more: %1</source>
        <translation>more: %1</translation>
    </message>
</context>
<context>
    <name>SatelliteImport</name>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 is larger than %2 MB</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files</source>
        <translation>the folder holds more than %1 files</translation>
    </message>
    <message>
        <source>it lists no satellite with transponders a universal LNB receives</source>
        <translation>it lists no satellite with transponders a universal LNB receives</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2.</source>
        <translation>%1 cannot be imported: %2.</translation>
    </message>
    <message>
        <source>The satellite ids of %1 could not be saved to %2 (%3).</source>
        <translation>The satellite ids of %1 could not be saved to %2 (%3).</translation>
    </message>
    <message>
        <source>The imported satellite data could not be saved to %1 (%2).</source>
        <translation>The imported satellite data could not be saved to %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 cannot be read (%2)</translation>
    </message>
</context>
<context>
    <name>SatelliteSource</name>
    <message>
        <source>server %1:%2</source>
        <translation>server %1:%2</translation>
    </message>
    <message>
        <source>offline cache of %1</source>
        <translation>offline cache of %1</translation>
    </message>
    <message>
        <source>imported from %1, %2</source>
        <translation>imported from %1, %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The form of a date in the program&apos;s texts (QDate::toString): in German &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>No satellite data from the server %1:%2: %3</source>
        <translation>No satellite data from the server %1:%2: %3</translation>
    </message>
    <message>
        <source>built in, as of %1</source>
        <translation>built in, as of %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlReader</name>
    <message>
        <source>the file declares a document type, which satellites.xml never does</source>
        <translation>the file declares a document type, which satellites.xml never does</translation>
    </message>
    <message>
        <source>the file refers to an entity (line %1)</source>
        <translation>the file refers to an entity (line %1)</translation>
    </message>
    <message>
        <source>the file is neither a satellites.xml nor a scan table</source>
        <translation>the file is neither a satellites.xml nor a scan table</translation>
    </message>
    <message>
        <source>a satellite has no position from -1800 to 1800 (line %1)</source>
        <translation>a satellite has no position from -1800 to 1800 (line %1)</translation>
    </message>
    <message>
        <source>a transponder has no frequency or polarisation (line %1)</source>
        <translation>a transponder has no frequency or polarisation (line %1)</translation>
    </message>
    <message>
        <source>the XML is broken at line %1: %2</source>
        <translation>the XML is broken at line %1: %2</translation>
    </message>
</context>
<context>
    <name>SendPlanOperation</name>
    <message>
        <source>Sending… %1 of %2</source>
        <translation>Sending… %1 of %2</translation>
    </message>
    <message>
        <source>Storing…</source>
        <translation>Storing…</translation>
    </message>
    <message>
        <source>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read with the satellite data: %2</source>
        <translation>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read with the satellite data: %2</translation>
    </message>
    <message>
        <source>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read: %2</source>
        <translation>Only the switch&apos;s replies were backed up (to %1) because its plan cannot be read: %2</translation>
    </message>
    <message>
        <source>Reading back…</source>
        <translation>Reading back…</translation>
    </message>
</context>
<context>
    <name>SerialPortHandler</name>
    <message>
        <source>Line %1 cannot be sent to the device (0 to 255)</source>
        <translation>Line %1 cannot be sent to the device (0 to 255)</translation>
    </message>
    <message>
        <source>Satelite id %1 cannot be sent to the device (0 to 127)</source>
        <translation>Satelite id %1 cannot be sent to the device (0 to 127)</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again.</source>
        <translation>The switch at %1 may not be opened. Reinstall the program so that its device rule %2 is in place, or add your user to the group dialout and log in again.</translation>
    </message>
    <message>
        <source>The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again.</source>
        <translation>The switch at %1 may not be opened: unplug it and plug it in again, or add your user to the group dialout and log in again.</translation>
    </message>
    <message>
        <source>The switch at %1 is in use by another program. Close that program to use the switch here.</source>
        <translation>The switch at %1 is in use by another program. Close that program to use the switch here.</translation>
    </message>
    <message>
        <source>The switch at %1 could not be opened (%2).</source>
        <translation>The switch at %1 could not be opened (%2).</translation>
    </message>
    <message>
        <source>UB%1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</source>
        <translation>UB%1 cannot be sent to the device: its transponder lies %2 MHz above the LNB oscillator (100 to 2147 MHz possible)</translation>
    </message>
    <message>
        <source>%1 cannot be read: the satellite id %2 is not in the satellite data.</source>
        <translation>%1 cannot be read: the satellite id %2 is not in the satellite data.</translation>
    </message>
    <message>
        <source>%1 cannot be read: it names the high band, which %2 does not have.</source>
        <translation>%1 cannot be read: it names the high band, which %2 does not have.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data.</source>
        <translation>%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data.</translation>
    </message>
    <message>
        <source>%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB.</source>
        <translation>%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB.</translation>
    </message>
    <message>
        <source>UB%1 cannot be sent to the device: its satellite has no satellite id yet</source>
        <translation>UB%1 cannot be sent to the device: its satellite has no satellite id yet</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4.</source>
        <translation>%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4.</translation>
    </message>
    <message>
        <source>UB number %1 cannot be sent to the device (1 to 24)</source>
        <translation>UB number %1 cannot be sent to the device (1 to 24)</translation>
    </message>
    <message>
        <source>%1 cannot be sent to the device: its code word would be read back as another UB or transponder.</source>
        <translation>%1 cannot be sent to the device: its code word would be read back as another UB or transponder.</translation>
    </message>
    <message>
        <source>%1: read in the high band, although the code words name the low band, as earlier versions of this program sent them. Storing the plan again renews them.</source>
        <translation>%1: read in the high band, although the code words name the low band, as earlier versions of this program sent them. Storing the plan again renews them.</translation>
    </message>
</context>
<context>
    <name>ServerDownload</name>
    <message>
        <source>the server&apos;s answer ended after %1 of %2 tables</source>
        <translation>the server&apos;s answer ended after %1 of %2 tables</translation>
    </message>
    <message>
        <source>the server&apos;s database &quot;%1&quot; holds no satellite data</source>
        <translation>the server&apos;s database &quot;%1&quot; holds no satellite data</translation>
    </message>
</context>
<context>
    <name>ServerLink</name>
    <message>
        <source>the database client could not be started (out of memory)</source>
        <translation>the database client could not be started (out of memory)</translation>
    </message>
    <message>
        <source>the certificate file %1 cannot be read</source>
        <translation>the certificate file %1 cannot be read</translation>
    </message>
    <message>
        <source>the server offers no encrypted connection (TLS), which this server setting requires</source>
        <translation>the server offers no encrypted connection (TLS), which this server setting requires</translation>
    </message>
    <message>
        <source>the server&apos;s answer broke off inside a table</source>
        <translation>the server&apos;s answer broke off inside a table</translation>
    </message>
    <message>
        <source>the server&apos;s answer has %1 columns where %2 were expected</source>
        <translation>the server&apos;s answer has %1 columns where %2 were expected</translation>
    </message>
    <message>
        <source>the download was stopped</source>
        <translation>the download was stopped</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>The server setting could not be saved in %1.</source>
        <translation>The server setting could not be saved in %1.</translation>
    </message>
    <message>
        <source>The server&apos;s name or address is empty.</source>
        <translation>The server&apos;s name or address is empty.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535 (empty: the standard port %1).</source>
        <translation>The port must be a number from 1 to 65535 (empty: the standard port %1).</translation>
    </message>
    <message>
        <source>The database name is empty.</source>
        <translation>The database name is empty.</translation>
    </message>
    <message>
        <source>The user name is empty.</source>
        <translation>The user name is empty.</translation>
    </message>
    <message>
        <source>The port is not a number.</source>
        <translation>The port is not a number.</translation>
    </message>
    <message>
        <source>The server&apos;s name &quot;%1&quot; contains characters not allowed in a server name.</source>
        <translation>The server&apos;s name &quot;%1&quot; contains characters not allowed in a server name.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The file %1 is no complete settings file.</source>
        <translation>The file %1 is no complete settings file.</translation>
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
        <source>%1: %2 has the satellite id %3; a code word carries 0 to 127.</source>
        <translation>%1: %2 has the satellite id %3; a code word carries 0 to 127.</translation>
    </message>
    <message>
        <source>%1: a code word carries the UB numbers 1 to 32 only.</source>
        <translation>%1: a code word carries the UB numbers 1 to 32 only.</translation>
    </message>
    <message>
        <source>%1: transponder %2 of %3 is not in the satellite data.</source>
        <translation>%1: transponder %2 of %3 is not in the satellite data.</translation>
    </message>
</context>
<context>
    <name>SiteChange</name>
    <message>
        <source>The site has no switch labelled &quot;%1&quot; (any more).</source>
        <translation>The site has no switch labelled &quot;%1&quot; (any more).</translation>
    </message>
    <message>
        <source>The plan of &quot;%1&quot; was changed in the site file by another program since it was read. Open the site again and repeat the change.</source>
        <translation>The plan of &quot;%1&quot; was changed in the site file by another program since it was read. Open the site again and repeat the change.</translation>
    </message>
    <message>
        <source>The site already has a switch labelled &quot;%1&quot;.</source>
        <translation>The site already has a switch labelled &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A switch of a site needs a label.</source>
        <translation>A switch of a site needs a label.</translation>
    </message>
</context>
<context>
    <name>SiteChoice</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>The site has no entry &quot;%1&quot;.</source>
        <translation>The site has no entry &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The switch reports no serial number, so the site cannot tell which entry it is; nothing was sent to it. Entries without a serial number yet: %1. Name the entry with --label.</source>
        <translation>The switch reports no serial number, so the site cannot tell which entry it is; nothing was sent to it. Entries without a serial number yet: %1. Name the entry with --label.</translation>
    </message>
    <message>
        <source>The site does not know the switch %1; nothing was sent to it. Entries without a serial number yet: %2. Name the entry with --label.</source>
        <translation>The site does not know the switch %1; nothing was sent to it. Entries without a serial number yet: %2. Name the entry with --label.</translation>
    </message>
    <message>
        <source>No entry of the site is left for the switch %1; nothing was sent to it.</source>
        <translation>No entry of the site is left for the switch %1; nothing was sent to it.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
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
        <translation>Sites (the switches of one building in one .fsite file; a LABEL or TEXT
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
</translation>
    </message>
    <message>
        <source>Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT.</source>
        <translation>Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT.</translation>
    </message>
    <message>
        <source>The site file %1 has no switch labelled &quot;%2&quot;.</source>
        <translation>The site file %1 has no switch labelled &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>SiteDialog</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>The plan on screen will be replaced by the plan of &quot;%1&quot;. Continue?</source>
        <translation>The plan on screen will be replaced by the plan of &quot;%1&quot;. Continue?</translation>
    </message>
    <message>
        <source>Replace the plan of &quot;%1&quot; in the site with the plan on screen?</source>
        <translation>Replace the plan of &quot;%1&quot; in the site with the plan on screen?</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the site?</source>
        <translation>Remove &quot;%1&quot; from the site?</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>on screen</source>
        <translation>on screen</translation>
    </message>
    <message>
        <source>Choose a site file</source>
        <translation>Choose a site file</translation>
    </message>
    <message>
        <source>Site files</source>
        <translation>Site files</translation>
    </message>
</context>
<context>
    <name>SiteDialogForm.ui</name>
    <message>
        <source>Site file:</source>
        <translation>Site file:</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>New…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Switches:</translation>
    </message>
    <message>
        <source>Put on screen</source>
        <translation>Put on screen</translation>
    </message>
    <message>
        <source>Put this switch&apos;s plan on screen</source>
        <translation>Put this switch&apos;s plan on screen</translation>
    </message>
    <message>
        <source>Replace with the plan on screen</source>
        <translation>Replace with the plan on screen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>Stairwell A, cellar</source>
        <translation>Stairwell A, cellar</translation>
    </message>
    <message>
        <source>Add the plan on screen</source>
        <translation>Add the plan on screen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>SiteEntryListModel</name>
    <message>
        <source>not stored yet</source>
        <translation>not stored yet</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>no serial number</translation>
    </message>
    <message>
        <source>SN %1</source>
        <translation>SN %1</translation>
    </message>
    <message>
        <source>%1, stored %2, read back</source>
        <translation>%1, stored %2, read back</translation>
    </message>
    <message>
        <source>%1, stored %2, not read back</source>
        <translation>%1, stored %2, not read back</translation>
    </message>
</context>
<context>
    <name>SiteFile</name>
    <message>
        <source>The site file %1 cannot be used: %2.</source>
        <translation>The site file %1 cannot be used: %2.</translation>
    </message>
    <message numerus="yes">
        <source>The site file %1 is larger than %n MiB.</source>
        <translation>
            <numerusform>The site file %1 is larger than %n MiB.</numerusform>
            <numerusform>The site file %1 is larger than %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>&quot;%1&quot; is not a text</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is longer than %n characters</source>
        <translation>
            <numerusform>&quot;%1&quot; is longer than %n character</numerusform>
            <numerusform>&quot;%1&quot; is longer than %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>it has no known format number</source>
        <translation>it has no known format number</translation>
    </message>
    <message>
        <source>it has format %1, written by a newer version of the program; this version reads format %2</source>
        <translation>it has format %1, written by a newer version of the program; this version reads format %2</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is missing or too long</source>
        <translation>the plan of &quot;%1&quot; is missing or too long</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is not base64</source>
        <translation>the plan of &quot;%1&quot; is not base64</translation>
    </message>
    <message>
        <source>the date of &quot;%1&quot; is not a day of the form YYYY-MM-DD</source>
        <translation>the date of &quot;%1&quot; is not a day of the form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>switch %1 is no object</source>
        <translation>switch %1 is no object</translation>
    </message>
    <message>
        <source>switch %1 has no label</source>
        <translation>switch %1 has no label</translation>
    </message>
    <message>
        <source>the plan of &quot;%1&quot; is no complete settings file</source>
        <translation>the plan of &quot;%1&quot; is no complete settings file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of &quot;%2&quot; is neither true nor false</source>
        <translation>&quot;%1&quot; of &quot;%2&quot; is neither true nor false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list</source>
        <translation>&quot;%1&quot; is not a list</translation>
    </message>
    <message numerus="yes">
        <source>it holds more than %n switches</source>
        <translation>
            <numerusform>it holds more than %n switch</numerusform>
            <numerusform>it holds more than %n switches</numerusform>
        </translation>
    </message>
    <message>
        <source>the label &quot;%1&quot; occurs twice</source>
        <translation>the label &quot;%1&quot; occurs twice</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>it holds no JSON object</translation>
    </message>
    <message>
        <source>The site file %1 is no JSON document (%2 at byte %3).</source>
        <translation>The site file %1 is no JSON document (%2 at byte %3).</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 is larger than %n bytes.</source>
        <translation>
            <numerusform>The settings file %1 is larger than %n byte.</numerusform>
            <numerusform>The settings file %1 is larger than %n bytes.</numerusform>
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
        <translation>%1 static, LNB%2, %3 MHz %4</translation>
    </message>
    <message>
        <source>%1 dynamic, line %2</source>
        <translation>%1 dynamic, line %2</translation>
    </message>
    <message>
        <source>The change to the site file %1 is refused: %2.</source>
        <translation>The change to the site file %1 is refused: %2.</translation>
    </message>
    <message>
        <source>The site file %1 is being changed by another program. Try again.</source>
        <translation>The site file %1 is being changed by another program. Try again.</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>no lock file can be made beside it</translation>
    </message>
    <message numerus="yes">
        <source>it would be larger than %n MiB</source>
        <translation>
            <numerusform>it would be larger than %n MiB</numerusform>
            <numerusform>it would be larger than %n MiB</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SitePlan</name>
    <message>
        <source>The plan of the entry &quot;%1&quot; cannot be read: %2</source>
        <translation>The plan of the entry &quot;%1&quot; cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Last stored</source>
        <translation>Last stored</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>read back</source>
        <translation>read back</translation>
    </message>
    <message>
        <source>The site&apos;s sheet could not be saved as %1 (%2).</source>
        <translation>The site&apos;s sheet could not be saved as %1 (%2).</translation>
    </message>
    <message>
        <source>A site&apos;s sheet is a PDF of several pages; it cannot be saved as a picture (.png).</source>
        <translation>A site&apos;s sheet is a PDF of several pages; it cannot be saved as a picture (.png).</translation>
    </message>
</context>
<context>
    <name>SiteView</name>
    <message>
        <source>No site is open.</source>
        <translation>No site is open.</translation>
    </message>
    <message>
        <source>The site has no such switch.</source>
        <translation>The site has no such switch.</translation>
    </message>
    <message>
        <source>The plan of &quot;%1&quot; in the site file is damaged; the plan on screen stays.</source>
        <translation>The plan of &quot;%1&quot; in the site file is damaged; the plan on screen stays.</translation>
    </message>
    <message>
        <source>The switch now holds the plan on screen, which differs from the plan of &quot;%1&quot; in the site. Replace the plan of &quot;%1&quot; with it and record the switch there?</source>
        <translation>The switch now holds the plan on screen, which differs from the plan of &quot;%1&quot; in the site. Replace the plan of &quot;%1&quot; with it and record the switch there?</translation>
    </message>
</context>
<context>
    <name>SqlHandler</name>
    <message>
        <source>Satelite not found in database</source>
        <translation>Satelite not found in database.</translation>
    </message>
    <message>
        <source>The download of the satellite data broke off (%1). The offline data are used instead.</source>
        <translation>The download of the satellite data broke off (%1). The offline data are used instead.</translation>
    </message>
    <message>
        <source>Transponder %1 is not among those of %2.</source>
        <translation>Transponder %1 is not among those of %2.</translation>
    </message>
    <message>
        <source>The server&apos;s database &quot;%1&quot; holds no satellite data. The satellite data in use stay as they were.</source>
        <translation>The server&apos;s database &quot;%1&quot; holds no satellite data. The satellite data in use stay as they were.</translation>
    </message>
    <message>
        <source>the server sent more than %1 MB</source>
        <translation>the server sent more than %1 MB</translation>
    </message>
    <message>
        <source>the server sent more than %1 transponders</source>
        <translation>the server sent more than %1 transponders</translation>
    </message>
    <message>
        <source>the server sent more than %1 transponders for one satellite</source>
        <translation>the server sent more than %1 transponders for one satellite</translation>
    </message>
    <message>
        <source>the server lists more than %1 tables</source>
        <translation>the server lists more than %1 tables</translation>
    </message>
    <message>
        <source>The imported satellite data in %1 cannot be read back.</source>
        <translation>The imported satellite data in %1 cannot be read back.</translation>
    </message>
    <message>
        <source>the server sent a table name longer than %1 characters</source>
        <translation>the server sent a table name longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>StaticUbRules</name>
    <message>
        <source>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</source>
        <translation>%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 MHz.</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Support report</source>
        <translation>Support report</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
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
        <translation>Satellite data</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serial ports</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>No switch answered.</source>
        <translation>No switch answered.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Recent log</source>
        <translation>Recent log</translation>
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
        <source>LNB1: %1</source>
        <translation>LNB1: %1</translation>
    </message>
    <message>
        <source>LNB2: %1</source>
        <translation>LNB2: %1</translation>
    </message>
    <message>
        <source>Terrestrial path: %1</source>
        <translation>Terrestrial path: %1</translation>
    </message>
    <message>
        <source>LTE filter: %1</source>
        <translation>LTE filter: %1</translation>
    </message>
    <message>
        <source>Stand-by: %1</source>
        <translation>Stand-by: %1</translation>
    </message>
    <message>
        <source>%1: static, LNB%2, no transponder</source>
        <translation>%1: static, LNB%2, no transponder</translation>
    </message>
    <message>
        <source>%1: static, LNB%2, transponder %3 (%4 MHz)</source>
        <translation>%1: static, LNB%2, transponder %3 (%4 MHz)</translation>
    </message>
    <message>
        <source>%1: dynamic, line %2, local UB %3</source>
        <translation>%1: dynamic, line %2, local UB %3</translation>
    </message>
    <message>
        <source>The support report %1 cannot be written (%2).</source>
        <translation>The support report %1 cannot be written (%2).</translation>
    </message>
    <message>
        <source>Site file: %1</source>
        <translation>Site file: %1</translation>
    </message>
    <message>
        <source>Entry: %1</source>
        <translation>Entry: %1</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
</context>
<context>
    <name>SwitchAccess</name>
    <message>
        <source>No switch answers on %1.</source>
        <translation>No switch answers on %1.</translation>
    </message>
    <message>
        <source>No switch found. Connect the switch, or name its port with --port.</source>
        <translation>No switch found. Connect the switch, or name its port with --port.</translation>
    </message>
    <message>
        <source>Several switches found (%1). Choose one with --port.</source>
        <translation>Several switches found (%1). Choose one with --port.</translation>
    </message>
</context>
<context>
    <name>SwitchSatellites</name>
    <message>
        <source>%1: %2 has no satellite id the switch can carry; use it for dynamic UBs only</source>
        <translation>%1: %2 has no satellite id the switch can carry; use it for dynamic UBs only</translation>
    </message>
    <message>
        <source>(dynamic UBs only)</source>
        <translation>(dynamic UBs only)</translation>
    </message>
    <message>
        <source>%1 (dynamic UBs only)</source>
        <translation>%1 (dynamic UBs only)</translation>
    </message>
</context>
<context>
    <name>SwitchView</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TransponderChoice</name>
    <message>
        <source>%1: %2 has more than one transponder at %3; the plan does not say which.</source>
        <translation>%1: %2 has more than one transponder at %3; the plan does not say which.</translation>
    </message>
    <message>
        <source>%1: %2 has no transponder at %3</source>
        <translation>%1: %2 has no transponder at %3</translation>
    </message>
    <message>
        <source>%1: polarisation %2 taken from transponder %3; check it</source>
        <translation>%1: polarisation %2 taken from transponder %3; check it</translation>
    </message>
</context>
<context>
    <name>TransponderListModel</name>
    <message>
        <source>Other transponder…</source>
        <translation>Other transponder…</translation>
    </message>
</context>
<context>
    <name>UBListDelegate</name>
    <message>
        <source>%1, missing</source>
        <translation>%1, missing</translation>
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
        <source>Local UB number bigger than 8, protocol XY required</source>
        <translation>LocalUB bigger than 8. Can only be used with EN50607.</translation>
    </message>
    <message>
        <source>Every dynamic UB must be on one of the lines 1 to 4.</source>
        <translation>Every dynamic UB must be on one of the lines 1 to 4.</translation>
    </message>
    <message>
        <source>%1: a dynamic UB on line %2; the switch has lines 1 to 4.</source>
        <translation>%1: a dynamic UB on line %2; the switch has lines 1 to 4.</translation>
    </message>
    <message>
        <source>UBs whose transponder has another number in the satellite data: %1.</source>
        <translation>UBs whose transponder has another number in the satellite data: %1.</translation>
    </message>
    <message>
        <source>Not assigned: %1.</source>
        <translation>Not assigned: %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>no file name</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation>The file %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <translation>The file %1 cannot be written (%2).</translation>
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
        <translation>Information</translation>
    </message>
</context>
</TS>
