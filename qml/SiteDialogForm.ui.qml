import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

// "Site…": the open site's file, name and note, its switches with their
// state, and the buttons that act on the chosen one.
Item {
    id: form
    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    property alias fileLabel: fileLabel
    property alias openButton: openButton
    property alias newButton: newButton
    property alias nameField: nameField
    property alias noteField: noteField
    property alias entryList: entryList
    property alias connectedButton: connectedButton
    property alias onScreenButton: onScreenButton
    property alias replaceButton: replaceButton
    property alias removeButton: removeButton
    property alias labelField: labelField
    property alias addButton: addButton
    property alias renameButton: renameButton
    property alias problemLabel: problemLabel

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: 8

        RowLayout {
            id: fileRow
            Layout.fillWidth: true

            Label {
                id: fileCaption
                textFormat: Text.PlainText
                text: qsTr("Site file:")
            }

            Label {
                id: fileLabel
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                Layout.fillWidth: true
                Layout.preferredWidth: 300
            }

            Button {
                id: openButton
                text: qsTr("Open…")
                Accessible.name: text
            }

            Button {
                id: newButton
                text: qsTr("New…")
                Accessible.name: text
            }
        }

        GridLayout {
            id: textGrid
            columns: 2
            Layout.fillWidth: true

            Label {
                id: nameCaption
                textFormat: Text.PlainText
                text: qsTr("Name:")
            }

            TextField {
                id: nameField
                Layout.fillWidth: true
                selectByMouse: true
                Accessible.name: nameCaption.text
            }

            Label {
                id: noteCaption
                textFormat: Text.PlainText
                text: qsTr("Note:")
            }

            TextField {
                id: noteField
                Layout.fillWidth: true
                selectByMouse: true
                Accessible.name: noteCaption.text
            }
        }

        Label {
            id: entriesCaption
            textFormat: Text.PlainText
            text: qsTr("Switches:")
            font.bold: true
        }

        ListView {
            id: entryList
            Layout.fillWidth: true
            Layout.preferredWidth: 480
            Layout.preferredHeight: 180
            clip: true
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            Accessible.role: Accessible.List
            Accessible.name: entriesCaption.text
            ScrollBar.vertical: ScrollBar {}

            Rectangle {
                anchors.fill: parent
                color: "transparent"
                border.color: entryList.activeFocus ? "#0066ff" : "#a0a0a0"
                border.width: entryList.activeFocus ? 2 : 1
                z: 2
            }
        }

        RowLayout {
            id: screenRow
            Layout.fillWidth: true

            Button {
                id: onScreenButton
                text: qsTr("Put on screen")
                Accessible.name: text
            }

            Button {
                id: connectedButton
                text: qsTr("Put this switch's plan on screen")
                Accessible.name: text
            }
        }

        RowLayout {
            id: entryRow
            Layout.fillWidth: true

            Button {
                id: replaceButton
                text: qsTr("Replace with the plan on screen")
                Accessible.name: text
            }

            Button {
                id: removeButton
                text: qsTr("Remove")
                Accessible.name: text
            }
        }

        RowLayout {
            id: labelRow
            Layout.fillWidth: true

            Label {
                id: labelCaption
                textFormat: Text.PlainText
                text: qsTr("Label:")
            }

            TextField {
                id: labelField
                Layout.fillWidth: true
                selectByMouse: true
                placeholderText: qsTr("Stairwell A, cellar")
                Accessible.name: labelCaption.text
            }

            Button {
                id: addButton
                text: qsTr("Add the plan on screen")
                Accessible.name: text
            }

            Button {
                id: renameButton
                text: qsTr("Rename")
                Accessible.name: text
            }
        }

        Label {
            id: problemLabel
            textFormat: Text.PlainText
            Layout.fillWidth: true
            Layout.preferredWidth: 480
            wrapMode: Text.WordWrap
            color: "#b00000"
            visible: text !== ""
        }
    }
}
