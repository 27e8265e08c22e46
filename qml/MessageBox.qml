import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// A message in a window of its own, with a red (critical), amber (warning)
// or blue (information) sign beside the text.
DialogWindow {
    id: box
    property alias text: message.text
    property bool critical: false
    property bool information: false

    RowLayout {
        spacing: 12

        Rectangle {
            Layout.alignment: Qt.AlignTop
            width: 32
            height: 32
            radius: 16
            color: box.critical ? "#d32f2f" : box.information ? "#1976d2" : "#f0a30a"

            Text {
                anchors.centerIn: parent
                text: box.information ? "i" : "!"
                color: "white"
                font.pixelSize: 22
                font.bold: true
            }
        }

        Label {
            id: message
            Layout.maximumWidth: 420
            wrapMode: Text.WordWrap
        }
    }
}
