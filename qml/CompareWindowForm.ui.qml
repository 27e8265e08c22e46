import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// The comparison of the window's plan with the switch's: a heading, one line
// per difference, and the button that closes the window.
Item {
    id: form
    width: 560
    height: 420

    property alias heading: heading
    property alias linesView: linesView
    property alias closeButton: closeButton

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        Label {
            id: heading
            textFormat: Text.PlainText
            text: qsTr("Differences between this plan and the switch")
            font.bold: true
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }

        ListView {
            id: linesView
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 2
            ScrollBar.vertical: ScrollBar {}
            delegate: Label {
                textFormat: Text.PlainText
                width: linesView.width
                text: modelData
                wrapMode: Text.WordWrap
            }
        }

        Button {
            id: closeButton
            text: qsTr("Close")
            Layout.alignment: Qt.AlignRight
        }
    }
}
