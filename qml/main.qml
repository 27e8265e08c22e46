import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Dialogs 1.2

ApplicationWindow {
    id: root
    visible: true
    width: 950
    height: 550
    minimumWidth: 950
    minimumHeight: 550
    title: qsTr("Fenzo Setup")

    // Reached by the tests.
    property alias errorMessage: errorMessage
    property alias warningMessage: warningMessage
    property alias mainScreen: mainScreen

    MainScreenCombined {
        id: mainScreen
        anchors.fill: parent
    }

    MessageDialog {
        id: errorMessage
        modality: Qt.WindowModal
        title: "Error"
        text: "Unknown error."
        icon: StandardIcon.Critical
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: warningMessage
        modality: Qt.WindowModal
        title: "Warning"
        text: "Unknown warning."
        icon: StandardIcon.Warning
        standardButtons: StandardButton.Ok
    }

    Connections {
        target: ubListViewModel
        function onErrorOccured(error) {
            errorMessage.text = error
            errorMessage.open()
        }
    }

    Connections {
        target: ubModelController
        function onErrorOccured(error) {
            errorMessage.text = error
            errorMessage.open()
        }
        function onWarningOccured(error) {
            warningMessage.text = error
            warningMessage.open()
        }
    }
}
