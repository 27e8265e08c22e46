import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3
import Fenzo.Sheet 1.0

// The installation sheet window's layout: the band plan as a picture, the
// sheet in words below it, and the two save buttons.
Item {
    id: item1
    width: 900
    height: 680

    property alias picture: picture
    property alias words: words
    property alias savePdfButton: savePdfButton
    property alias savePictureButton: savePictureButton

    Rectangle {
        id: background
        anchors.fill: parent
        color: "white"
    }

    ColumnLayout {
        id: columnLayout1
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        SheetView {
            id: picture
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
                id: wordsScrollBar
                active: true
            }

            SheetView {
                id: words
                part: SheetView.Words
                width: Math.min(wordsArea.width - 20, 700)
                height: implicitHeight
            }
        }

        RowLayout {
            id: buttonRow
            Layout.fillWidth: true
            spacing: 20

            Item {
                id: buttonFiller
                Layout.fillWidth: true
            }

            Button {
                id: savePdfButton
                text: qsTr("Save as PDF…")
            }

            Button {
                id: savePictureButton
                text: qsTr("Save picture…")
            }
        }
    }
}
