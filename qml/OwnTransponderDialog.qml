import QtQuick 2.7
import QtQuick.Controls 2.0
import Fenzo 1.0

// "Other transponder…" of a static UB's transponder box: a transponder typed
// in for the satellite of the UB's LNB. OK (Enter) keeps it with the user's
// own transponders and gives it to the UB; a refused one keeps the dialog
// open with the reason. Cancel (Escape) changes nothing.
DialogWindow {
    id: dialog
    title: qsTr("Other transponder")
    cancelable: true

    // Reached by the tests.
    property alias form: form
    // The band list row the transponder is for.
    property int row: -1

    function openFor(listRow) {
        row = listRow
        form.satelliteLabel.text = Controller.ownTransponderSatellite(listRow)
        form.frequencyField.text = ""
        form.polarisationBox.currentIndex = 0
        form.problemLabel.text = ""
        open()
    }

    function accept() {
        form.problemLabel.text = Controller.addOwnTransponder(row, form.frequencyField.text,
                                                                     form.polarisationBox.currentText)
        fitContent()
        if (form.problemLabel.text !== "")
            return
        visible = false
        accepted()
    }

    OwnTransponderDialogForm {
        id: form
    }
}
