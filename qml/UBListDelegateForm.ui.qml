import QtQuick 2.7
import QtQuick.Controls 2.0

// One row of the band list: its UB, then the line and local UB of a dynamic
// UB or the LNB and transponder of a static one, its slot frequency and type.
Item {
    id: form
    height: 30
    clip: true

    // Static rows show the LNB and transponder boxes, dynamic ones the line.
    property bool isDynamic: true

    property alias background: background
    property alias ubText: ubText
    property alias localUBText: localUBText
    property alias freqText: freqText
    property alias typeText: typeText
    // Where the boxes go; each shows a likeness of its box until the box is
    // first needed.
    property alias lineSlot: lineSlot
    property alias lnbSlot: lnbSlot
    property alias tpSlot: tpSlot
    // The boxes themselves, null until made.
    property alias lineSelectBox: lineSlot.box
    property alias lnbSelectBox: lnbSlot.box
    property alias tpSelectBox: tpSlot.box

    Rectangle {
        id: background
        anchors.fill: parent
        anchors.margins: 2
        radius: 5
        border.color: "black"

        Row {
            id: rowLayout
            width: parent.width
            height: parent.height
            spacing: 10
            anchors.verticalCenter: parent.verticalCenter

            Text {
                id: ubText
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                font.pixelSize: 12
            }

            Rectangle {
                width: 2
                height: parent.height
                color: "black"
            }

            Row {
                id: dataGroup
                height: parent.height
                spacing: 6
                width: rowLayout.width - typeText.text.length * typeText.font.pixelSize
                       - ubText.text.length * ubText.font.pixelSize

                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: form.isDynamic
                    font.pixelSize: 12
                    text: qsTr("Line:")
                }

                BandComboBoxSlot {
                    id: lineSlot
                    Accessible.name: ubText.text.trim() + " " + qsTr("Line:")
                    anchors.verticalCenter: parent.verticalCenter
                    visible: form.isDynamic
                    width: 55
                    model: ["01", "02", "03", "04"]
                }

                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: form.isDynamic
                    font.pixelSize: 12
                    text: qsTr("LocalUB:")
                }

                Text {
                    id: localUBText
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: form.isDynamic
                    font.pixelSize: 12
                }

                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !form.isDynamic
                    font.pixelSize: 12
                    text: qsTr("LNB:")
                }

                BandComboBoxSlot {
                    id: lnbSlot
                    Accessible.name: ubText.text.trim() + " " + qsTr("LNB:")
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !form.isDynamic
                    width: 55
                    model: ["01", "02"]
                }

                Text {
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !form.isDynamic
                    font.pixelSize: 12
                    text: qsTr("TP:")
                }

                BandComboBoxSlot {
                    id: tpSlot
                    Accessible.name: ubText.text.trim() + " " + qsTr("TP:")
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !form.isDynamic
                    width: 160
                    textRole: "text"
                }

                Text {
                    id: freqText
                    textFormat: Text.PlainText
                    anchors.verticalCenter: parent.verticalCenter
                    font.pixelSize: 12
                }
            }

            Rectangle {
                width: 2
                height: parent.height
                color: "black"
            }

            Text {
                id: typeText
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                font.pixelSize: 12
                // qsTr() inside an expression takes its context from how the
                // file was compiled and cached ("UBListDelegateForm" or
                // "UBListDelegateForm.ui"); the context named here holds in
                // every build.
                text: form.isDynamic ? qsTranslate("UBListDelegateForm.ui", "dynamic")
                                     : qsTranslate("UBListDelegateForm.ui", "static")
            }
        }
    }
}
