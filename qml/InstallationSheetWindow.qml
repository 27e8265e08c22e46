import QtQuick 2.7
import QtQuick.Window 2.2
import Fenzo 1.0

// The installation sheet for the plan as it stands, and saving it as a PDF
// or the picture alone as a PNG.
Window {
    id: sheetWindow
    title: qsTr("Installation sheet")
    width: 900
    height: 680
    minimumWidth: 640
    minimumHeight: 480

    // Reached by the tests.
    property alias picture: form.picture
    property alias words: form.words
    property alias savePdfButton: form.savePdfButton
    property alias savePictureButton: form.savePictureButton
    property alias pdfDialog: pdfDialog
    property alias pictureDialog: pictureDialog
    property alias errorMessage: errorMessage

    InstallationSheetWindowForm {
        id: form
        anchors.fill: parent
        picture.sheet: Sheet
        words.sheet: Sheet
        savePdfButton.onClicked: pdfDialog.open()
        savePictureButton.onClicked: pictureDialog.open()
    }

    FileChooser {
        id: pdfDialog
        title: qsTr("Choose a file")
        saving: true
        nameFilters: ["PDF (*.pdf)"]
        onChosen: function (url) { Sheet.savePdf(url) }
    }

    FileChooser {
        id: pictureDialog
        title: qsTr("Choose a file")
        saving: true
        nameFilters: ["PNG (*.png)"]
        onChosen: function (url) { Sheet.savePicture(url) }
    }

    MessageBox {
        id: errorMessage
        title: qsTr("Error")
        text: ""
        critical: true
    }

    Connections {
        target: Sheet
        function onErrorOccured(error) {
            errorMessage.text = error
            errorMessage.open()
        }
    }
}
