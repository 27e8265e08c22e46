import QtQuick 2.7
import QtQuick.Window 2.2
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3
import QtQuick.Dialogs 1.2
import Fenzo.Sheet 1.0

// The installation sheet for the plan as it stands: the band plan as a
// picture, the sheet in words, and saving both.
Window {
    id: sheetWindow
    title: qsTr("Installation sheet")
    width: 900
    height: 680
    minimumWidth: 640
    minimumHeight: 480

    // Reached by the tests.
    property alias picture: picture
    property alias words: words
    property alias savePdfButton: savePdfButton
    property alias savePictureButton: savePictureButton
    property alias pdfDialog: pdfDialog
    property alias pictureDialog: pictureDialog
    property alias errorMessage: errorMessage

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        SheetView {
            id: picture
            sheet: installationSheet
            part: SheetView.Picture
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
        }

        Flickable {
            id: wordsArea
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: width
            contentHeight: words.height
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {
                policy: ScrollBar.AlwaysOn
            }

            SheetView {
                id: words
                sheet: installationSheet
                part: SheetView.Words
                width: Math.min(wordsArea.width - 20, 700)
                height: implicitHeight
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 20

            Item {
                Layout.fillWidth: true
            }

            Button {
                id: savePdfButton
                text: qsTr("Save as PDF…")
                onClicked: pdfDialog.open()
            }

            Button {
                id: savePictureButton
                text: qsTr("Save picture…")
                onClicked: pictureDialog.open()
            }
        }
    }

    FileDialog {
        id: pdfDialog
        modality: Qt.WindowModal
        title: qsTr("Choose a file")
        selectExisting: false
        selectMultiple: false
        selectFolder: false
        nameFilters: ["PDF (*.pdf)"]
        sidebarVisible: false
        onAccepted: installationSheet.savePdf(fileUrls)
    }

    FileDialog {
        id: pictureDialog
        modality: Qt.WindowModal
        title: qsTr("Choose a file")
        selectExisting: false
        selectMultiple: false
        selectFolder: false
        nameFilters: ["PNG (*.png)"]
        sidebarVisible: false
        onAccepted: installationSheet.savePicture(fileUrls)
    }

    MessageDialog {
        id: errorMessage
        modality: Qt.WindowModal
        title: qsTr("Error")
        text: ""
        icon: StandardIcon.Critical
        standardButtons: StandardButton.Ok
    }

    Connections {
        target: installationSheet
        function onErrorOccured(error) {
            errorMessage.text = error
            errorMessage.open()
        }
    }
}
