import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// "Other transponder…": the satellite, the frequency and polarisation typed
// in, and why the last try was refused.
Item {
    id: form
    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    property alias satelliteLabel: satelliteLabel
    property alias frequencyField: frequencyField
    property alias polarisationBox: polarisationBox
    property alias problemLabel: problemLabel

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: 8

        Label {
            id: satelliteLabel
            textFormat: Text.PlainText
            font.bold: true
        }

        GridLayout {
            columns: 2

            Label {
                textFormat: Text.PlainText
                text: qsTr("Frequency (MHz):")
            }
            TextField {
                id: frequencyField
                focus: true
                Layout.minimumWidth: 120
                placeholderText: "10700-12750"
                inputMethodHints: Qt.ImhDigitsOnly
                selectByMouse: true
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("Polarisation:")
            }
            ComboBox {
                id: polarisationBox
                Layout.minimumWidth: 120
                model: ["H", "V", "L", "R"]
            }
        }

        Label {
            id: problemLabel
            visible: text !== ""
            textFormat: Text.PlainText
            color: "#b00000"
            wrapMode: Text.Wrap
            Layout.maximumWidth: 360
        }
    }
}
