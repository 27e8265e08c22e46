import QtQuick 2.7
import QtQuick.Controls 2.0

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
    property alias informationMessage: informationMessage
    property alias mainScreen: mainScreen

    MainScreenCombined {
        id: mainScreen
        anchors.fill: parent
    }

    MessageBox {
        id: errorMessage
        title: "Error"
        text: "Unknown error."
        critical: true
    }

    MessageBox {
        id: warningMessage
        title: "Warning"
        text: "Unknown warning."
    }

    MessageBox {
        id: informationMessage
        title: qsTr("Information")
        information: true
    }

    Connections {
        target: ubListViewModel
        function onErrorOccured(error) {
            errorMessage.text = error
            errorMessage.open()
        }
    }

    Connections {
        target: supportReport
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
        function onInformationOccured(text) {
            informationMessage.text = text
            informationMessage.open()
        }
    }
}
