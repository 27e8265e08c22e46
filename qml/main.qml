import QtQuick 2.7
import QtQuick.Controls 2.0
import Fenzo 1.0

ApplicationWindow {
    id: root
    visible: true
    width: 950
    height: 550
    minimumWidth: 950
    minimumHeight: 550
    title: qsTr("Fenzo Setup")

    // Reached by the tests; the message boxes are made when first shown and
    // are null until then.
    property alias errorMessage: errorBox.item
    property alias warningMessage: warningBox.item
    property alias informationMessage: informationBox.item
    property alias mainScreen: mainScreen

    // A second message while the box is open replaces its text.
    function show(box, text) {
        box.get().text = text
        box.open()
    }

    MainScreenCombined {
        id: mainScreen
        anchors.fill: parent
    }

    OnDemand {
        id: errorBox
        sourceComponent: Component {
            MessageBox {
                title: "Error"
                text: "Unknown error."
                critical: true
            }
        }
    }

    OnDemand {
        id: warningBox
        sourceComponent: Component {
            MessageBox {
                title: "Warning"
                text: "Unknown warning."
            }
        }
    }

    OnDemand {
        id: informationBox
        sourceComponent: Component {
            MessageBox {
                title: qsTr("Information")
                information: true
            }
        }
    }

    Connections {
        target: Plan
        function onErrorOccured(error) {
            root.show(errorBox, error)
        }
    }

    Connections {
        target: Report
        function onErrorOccured(error) {
            root.show(errorBox, error)
        }
    }

    Connections {
        target: Controller
        function onErrorOccured(error) {
            root.show(errorBox, error)
        }
        function onWarningOccured(error) {
            root.show(warningBox, error)
        }
        function onInformationOccured(text) {
            root.show(informationBox, text)
        }
    }
}
