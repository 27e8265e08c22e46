import QtQuick 2.7
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// "Satellite data…": opened from its icon, the keys, and what OK, Cancel
// and "Restore defaults" leave in the stored server.
Item {
    id: root
    width: 950
    height: 550

    Component {
        id: screenComponent
        MainScreenCombined {
            anchors.fill: parent
        }
    }

    TestCase {
        id: testCase
        name: "SatelliteData"
        when: windowShown

        property var options: null
        property var dialog: null
        property var form: null
        // A host that fails at once: nothing here may reach a server.
        readonly property var offline: ({ "host": "a..b", "port": "", "database": "satellites",
                                           "user": "fenzo_ro", "password": "fenzo" })

        function initTestCase() {
            var screen = screenComponent.createObject(root)
            verify(screen !== null)
            options = screen.optionsForm
        }

        function init() {
            compare(Controller.saveServerSettings(offline), "")
        }

        function cleanup() {
            if (dialog && dialog.visible)
                dialog.reject()
        }

        function openDialog() {
            mouseClick(options.satelliteDataIconArea)
            // Made when first opened.
            dialog = options.satelliteDataDialog
            form = dialog.form
            tryCompare(dialog, "visible", true)
            // Without a window manager a click in the main window can take
            // the activation back; the dialog's first field has the focus
            // whenever the dialog is the active window.
            tryVerify(function () {
                if (!dialog.active)
                    dialog.requestActivate()
                return form.hostField.activeFocus
            }, 3000, "the first field has no focus")
        }

        // The stored server in the fields, the password hidden; "Back to
        // defaults" shows and keeps the compiled-in server.
        function test_fieldsAndDefaults() {
            openDialog()
            compare(form.hostField.text, "a..b")
            compare(form.passwordField.text, "fenzo")
            compare(form.passwordField.echoMode, TextInput.Password)
            compare(form.summaryLabel.text, Controller.satelliteDataSummary)
            mouseClick(form.defaultsButton)
            verify(form.hostField.text !== "a..b")
            compare(Controller.serverSettings().host, form.hostField.text)
        }

        function test_tabInReadingOrder() {
            openDialog()
            var order = [form.portField, form.databaseField, form.userField, form.passwordField,
                         form.caFileField, form.requireTlsBox, form.updateButton, form.defaultsButton, form.importButton, form.importFolderButton, dialog.cancelButton, dialog.okButton]
            for (var i = 0; i < order.length; ++i) {
                keyClick(Qt.Key_Tab)
                tryVerify(function () { return order[i].activeFocus }, 1000, "Tab " + (i + 1))
            }
        }

        function test_enterStores() {
            openDialog()
            form.hostField.text = "db.example"
            form.portField.text = "3307"
            form.caFileField.text = "/etc/ssl/own-ca.pem"
            form.requireTlsBox.checked = false
            // Enter on the box is OK too, not a tick.
            form.requireTlsBox.forceActiveFocus()
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
            var stored = Controller.serverSettings()
            compare(stored.host, "db.example")
            compare(stored.port, "3307")
            compare(stored.password, "fenzo")
            compare(stored.caFile, "/etc/ssl/own-ca.pem")
            compare(stored.requireTls, false)
            openDialog()
            compare(form.caFileField.text, "/etc/ssl/own-ca.pem")
            compare(form.requireTlsBox.checked, false)
        }

        // A host typed in takes its own default: TLS required for any host
        // but this machine.
        function test_typedHostTakesItsTlsDefault() {
            openDialog()
            var typed = [["db.example", true], ["127.0.0.1", false]]
            for (var i = 0; i < typed.length; ++i) {
                form.hostField.selectAll()
                keyClick(Qt.Key_Delete)
                for (var c = 0; c < typed[i][0].length; ++c)
                    keyClick(typed[i][0].charAt(c))
                compare(form.hostField.text, typed[i][0])
                compare(form.requireTlsBox.checked, typed[i][1], typed[i][0])
            }
        }

        // Outside text (here the host in the refusal) shows as its
        // characters: no markup is read, nothing is fetched.
        function test_richTextShowsAsCharacters() {
            openDialog()
            var payload = "<img src=http://127.0.0.1:9/beacon.png>"
            form.hostField.text = payload
            keyClick(Qt.Key_Return)
            verify(dialog.visible)
            verify(form.problemLabel.text.indexOf(payload) >= 0, form.problemLabel.text)
            compare(form.problemLabel.textFormat, Text.PlainText)
            compare(form.summaryLabel.textFormat, Text.PlainText)
        }

        function test_escapeKeepsTheStoredServer() {
            openDialog()
            form.hostField.text = "db.example"
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            compare(Controller.serverSettings().host, "a..b")
        }

        // "Import…" offers a file; one that is no satellite data is refused
        // with the reason, in the dialog, and the data in use stay.
        function test_importRefusesAPlanFile() {
            openDialog()
            var summary = Controller.satelliteDataSummary
            mouseClick(form.importButton)
            tryCompare(dialog.importChooser, "visible", true)
            dialog.importChooser.close()
            tryCompare(dialog.importChooser, "visible", false)
            mouseClick(form.importFolderButton)
            tryCompare(dialog.importFolderChooser, "visible", true)
            dialog.importFolderChooser.close()
            tryCompare(dialog.importFolderChooser, "visible", false)
            dialog.importFrom(testHelper.writeSettingsFile("not-satellites.dat", "", ""))
            verify(dialog.visible)
            verify(form.problemLabel.text.indexOf("cannot be imported") >= 0, form.problemLabel.text)
            compare(Controller.satelliteDataSummary, summary)
        }

        // A field that breaks a rule keeps the dialog open and says why.
        function test_refusedPortKeepsTheDialogOpen() {
            openDialog()
            form.portField.text = "99999"
            keyClick(Qt.Key_Return)
            verify(dialog.visible)
            verify(form.problemLabel.text.indexOf("65535") >= 0, form.problemLabel.text)
            compare(Controller.serverSettings().port, "")
        }
    }
}
