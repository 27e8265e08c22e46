import QtQuick 2.7
import QtQuick.Controls 2.0
import Fenzo 1.0

// "Satellite data…": shows where the satellite data come from and lets the
// user point the program at another server. OK stores the fields, Cancel
// leaves the stored server as it was; "Update now" stores them and
// downloads at once, "Restore defaults" forgets the stored server, "Import…"
// takes satellite data from a receiver's satellites.xml or a scan table,
// "Import folder…" from a folder of scan tables.
DialogWindow {
    id: dialog
    title: qsTr("Satellite data")
    cancelable: true

    // Reached by the tests.
    property alias form: form
    property alias importChooser: importChooser
    property alias importFolderChooser: importFolderChooser

    // The import's reason shows where the server's problems do.
    function importFrom(url) {
        form.problemLabel.text = Controller.importSatelliteData(url)
    }

    // The fields from the server the next download uses.
    function showFields(fields) {
        form.hostField.text = fields.host
        form.portField.text = fields.port
        form.databaseField.text = fields.database
        form.userField.text = fields.user
        form.passwordField.text = fields.password
        form.caFileField.text = fields.caFile
        form.requireTlsBox.checked = fields.requireTls
    }

    // Stores the fields; the controller's rules decide, the reason shows.
    function store() {
        form.problemLabel.text = Controller.saveServerSettings({
            "host": form.hostField.text,
            "port": form.portField.text,
            "database": form.databaseField.text,
            "user": form.userField.text,
            "password": form.passwordField.text,
            "caFile": form.caFileField.text,
            "requireTls": form.requireTlsBox.checked
        })
        return form.problemLabel.text === ""
    }

    function open() {
        form.problemLabel.text = ""
        showFields(Controller.serverSettings())
        fitContent()
        visible = true
        requestActivate()
        form.hostField.forceActiveFocus()
    }

    // OK keeps the dialog open while the fields break a rule.
    function accept() {
        if (!store())
            return
        visible = false
        accepted()
    }

    SatelliteDataDialogForm {
        id: form
        summaryLabel.text: Controller.satelliteDataSummary !== ""
                           ? Controller.satelliteDataSummary : qsTr("No satellite data")
        fetchingIndicator.running: Controller.fetchingSatellites
        updateButton.enabled: !fetchingIndicator.running
        updateButton.onClicked: {
            if (dialog.store())
                Controller.updateSatelliteData()
        }
        importButton.onClicked: importChooser.open()
        importFolderButton.onClicked: importFolderChooser.open()
        defaultsButton.onClicked: {
            form.problemLabel.text = ""
            dialog.showFields(Controller.resetServerSettings())
        }
        // Another host takes its own default: TLS required unless it is
        // this machine (showFields() sets the stored choice after the host).
        hostField.onTextChanged: requireTlsBox.checked = Controller.tlsRequiredFor(hostField.text)
        onImplicitHeightChanged: dialog.fitContent()
        // Enter is OK and Escape Cancel wherever the focus is in the form
        // (a field passes both keys on).
        Keys.onReturnPressed: dialog.accept()
        Keys.onEnterPressed: dialog.accept()
        Keys.onEscapePressed: dialog.reject()
    }

    FileChooser {
        id: importChooser
        title: qsTr("Choose satellite data (satellites.xml or a scan table)")
        onChosen: function (url) { dialog.importFrom(url) }
    }

    FileChooser {
        id: importFolderChooser
        title: qsTr("Choose a folder of DVB-S scan tables")
        folder: true
        onChosen: function (url) { dialog.importFrom(url) }
    }
}
