import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// "Satellite data…": where the data come from, the server's fields and the
// two buttons that act on them.
Item {
    id: form
    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    property alias summaryLabel: summaryLabel
    property alias fetchingLabel: fetchingLabel
    property alias fetchingIndicator: fetchingIndicator
    property alias problemLabel: problemLabel
    property alias hostField: hostField
    property alias portField: portField
    property alias databaseField: databaseField
    property alias userField: userField
    property alias passwordField: passwordField
    property alias caFileField: caFileField
    property alias requireTlsBox: requireTlsBox
    property alias updateButton: updateButton
    property alias defaultsButton: defaultsButton
    property alias importButton: importButton
    property alias importFolderButton: importFolderButton

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: 8

        Label {
            id: summaryCaption
            textFormat: Text.PlainText
            text: qsTr("Satellite data in use:")
            font.bold: true
        }

        Label {
            id: summaryLabel
            textFormat: Text.PlainText
            Layout.fillWidth: true
            Layout.preferredWidth: 380
            wrapMode: Text.WordWrap
        }

        RowLayout {
            id: fetchingRow
            visible: fetchingIndicator.running

            BusyIndicator {
                id: fetchingIndicator
                Layout.preferredWidth: 24
                Layout.preferredHeight: 24
                running: false
            }

            Label {
                id: fetchingLabel
                textFormat: Text.PlainText
                text: qsTr("Fetching the satellite data…")
            }
        }

        Label {
            id: serverCaption
            textFormat: Text.PlainText
            text: qsTr("Server")
            font.bold: true
        }

        GridLayout {
            id: fields
            columns: 2
            Layout.fillWidth: true

            Label {
                textFormat: Text.PlainText
                text: qsTr("Host:")
            }
            TextField {
                id: hostField
                focus: true
                Layout.fillWidth: true
                Layout.minimumWidth: 260
                selectByMouse: true
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("Port:")
            }
            TextField {
                id: portField
                Layout.fillWidth: true
                placeholderText: "3306"
                selectByMouse: true
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("Database:")
            }
            TextField {
                id: databaseField
                Layout.fillWidth: true
                selectByMouse: true
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("User:")
            }
            TextField {
                id: userField
                Layout.fillWidth: true
                selectByMouse: true
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("Password:")
            }
            TextField {
                id: passwordField
                Layout.fillWidth: true
                echoMode: TextInput.Password
            }

            Label {
                textFormat: Text.PlainText
                text: qsTr("CA file:")
            }
            TextField {
                id: caFileField
                Layout.fillWidth: true
                placeholderText: qsTr("(empty: the system's certificates)")
                selectByMouse: true
            }

            Item {
                width: 1
                height: 1
            }
            CheckBox {
                id: requireTlsBox
                text: qsTr("Require TLS")
            }
        }

        // Why the fields cannot be stored; empty when they can.
        Label {
            id: problemLabel
            textFormat: Text.PlainText
            Layout.fillWidth: true
            Layout.preferredWidth: 380
            visible: text !== ""
            wrapMode: Text.WordWrap
            color: "#b00000"
        }

        RowLayout {
            id: actionRow
            spacing: 8

            Button {
                id: updateButton
                text: qsTr("Update now")
            }

            Button {
                id: defaultsButton
                text: qsTr("Restore defaults")
            }

            Button {
                id: importButton
                text: qsTr("Import…")
            }

            Button {
                id: importFolderButton
                text: qsTr("Import folder…")
            }
        }
    }
}
