import QtQuick 2.7
import QtQuick.Window 2.2

// "Compare with device": what the switch holds against the window's plan.
Window {
    id: compareWindow
    title: qsTr("Compare with device")
    width: 560
    height: 420
    minimumWidth: 400
    minimumHeight: 240

    // The comparison's lines, as the controller gives them.
    property var lines: []
    // Reached by the tests.
    property alias form: form

    CompareWindowForm {
        id: form
        anchors.fill: parent
        linesView.model: compareWindow.lines
        closeButton.onClicked: compareWindow.close()
    }
}
