import QtQuick 2.7
import QtQuick.Controls 2.0
import QtQuick.Layouts 1.3

Item {
    id: item1
    width: 400
    height: 500

    property alias readFromDeviceButton: readFromDeviceButton
    property alias compareButton: compareButton
    property alias helpIconArea: helpIconArea
    property alias sheetIconArea: sheetIconArea
    property alias satelliteDataIconArea: satelliteDataIconArea
    property alias supportReportIconArea: supportReportIconArea
    property alias serialNumberLabel: serialNumberLabel
    property alias siteEntryLabel: siteEntryLabel
    property alias siteIconArea: siteIconArea
    property alias deviceStatusLabel: deviceStatusLabel
    property alias cancelButton: cancelButton
    // Whether "Cancel" stands beside the progress.
    property bool cancelShown: false
    // Keeps the button's place while a transfer runs, so that the controls
    // below stay where they are as it comes and goes.
    property bool cancelRoom: false
    property alias satelliteNoticeLabel: satelliteNoticeLabel
    property alias satelliteNoticeArea: satelliteNoticeArea
    property alias satelliteNoticeTip: satelliteNoticeTip
    property alias standByBox: standByBox
    property alias resetDynamicButton: resetDynamicButton
    property alias assignStaticButton: assignStaticButton
    property alias lteFilterBox: lteFilterBox
    property alias readFromFileButton: readFromFileButton
    property alias saveToFileButton: saveToFileButton
    property alias saveToDeviceButton: saveToDeviceButton
    property alias saveToRomButton: saveToRomButton
    property alias lnb2Box: lnb2Box
    property alias lnb1Box: lnb1Box
    property alias tPathActiveBox: tPathActiveBox

    ColumnLayout {
        id: columnLayout1
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.topMargin: 10
        anchors.bottomMargin: 20

        Image {
            id: image1
            Layout.preferredWidth: 100
            Layout.preferredHeight: 100
            Layout.maximumWidth: 100
            Layout.maximumHeight: 100
            Layout.alignment: Qt.AlignHCenter
            fillMode: Image.PreserveAspectFit
            // Decoded at the size it is shown: a quarter of the pixels to keep.
            sourceSize.width: 100
            sourceSize.height: 100
            source: "qrc:/images/kaven_logo.jpg"
        }

        Item {
            id: spacer1
            Layout.fillWidth: true
            Layout.minimumHeight: 2
            Layout.maximumHeight: 2
        }

        RowLayout {
            id: serialRow
            Layout.fillWidth: true
            Layout.maximumHeight: 50

            Text {
                id: serialNumberCaption
                textFormat: Text.PlainText
                text: "Serial-Nr.:"
                font.pixelSize: 12
            }

            Text {
                id: serialNumberLabel
                textFormat: Text.PlainText
                text: qsTr("01332251")
                font.pixelSize: 12
            }

            // The open site's entry for the connected switch.
            Text {
                id: siteEntryLabel
                textFormat: Text.PlainText
                font.pixelSize: 12
                elide: Text.ElideRight
                Layout.fillWidth: true
            }

            Image {
                id: siteIcon
                Layout.preferredWidth: 25
                Layout.preferredHeight: 25
                source: "qrc:/images/site.png"
                ToolTip.visible: siteIconArea.containsMouse
                ToolTip.delay: 500
                ToolTip.text: qsTr("Site…")

                MouseArea {
                    id: siteIconArea
                    anchors.fill: parent
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Site…")

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -2
                        color: "transparent"
                        border.color: "#0066ff"
                        border.width: 2
                        radius: 3
                        visible: siteIconArea.activeFocus
                    }
                    hoverEnabled: true
                }
            }

            Image {
                id: supportReportIcon
                Layout.preferredWidth: 25
                Layout.preferredHeight: 25
                source: "qrc:/images/support_report.png"
                ToolTip.visible: supportReportIconArea.containsMouse
                ToolTip.delay: 500
                ToolTip.text: qsTr("Save a support report…")

                MouseArea {
                    id: supportReportIconArea
                    anchors.fill: parent
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Save a support report…")

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -2
                        color: "transparent"
                        border.color: "#0066ff"
                        border.width: 2
                        radius: 3
                        visible: supportReportIconArea.activeFocus
                    }
                    hoverEnabled: true
                }
            }

            Image {
                id: satelliteDataIcon
                Layout.preferredWidth: 25
                Layout.preferredHeight: 25
                source: "qrc:/images/satellite_data.png"
                ToolTip.visible: satelliteDataIconArea.containsMouse
                ToolTip.delay: 500
                ToolTip.text: qsTr("Satellite data…")

                MouseArea {
                    id: satelliteDataIconArea
                    anchors.fill: parent
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Satellite data…")

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -2
                        color: "transparent"
                        border.color: "#0066ff"
                        border.width: 2
                        radius: 3
                        visible: satelliteDataIconArea.activeFocus
                    }
                    hoverEnabled: true
                }
            }

            Image {
                id: sheetIcon
                Layout.preferredWidth: 25
                Layout.preferredHeight: 25
                source: "qrc:/images/sheet.png"
                ToolTip.visible: sheetIconArea.containsMouse
                ToolTip.delay: 500
                ToolTip.text: qsTr("Show the installation sheet")

                MouseArea {
                    id: sheetIconArea
                    anchors.fill: parent
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Show the installation sheet")

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -2
                        color: "transparent"
                        border.color: "#0066ff"
                        border.width: 2
                        radius: 3
                        visible: sheetIconArea.activeFocus
                    }
                    hoverEnabled: true
                }
            }

            Image {
                id: helpIcon
                Layout.preferredWidth: 25
                Layout.preferredHeight: 25
                source: "images/question.png"

                MouseArea {
                    id: helpIconArea
                    anchors.fill: parent
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Information")

                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -2
                        color: "transparent"
                        border.color: "#0066ff"
                        border.width: 2
                        radius: 3
                        visible: helpIconArea.activeFocus
                    }
                }
            }
        }

        // Why the switch cannot be used yet (or that the data are coming, or
        // what a transfer is doing, beside the button that stops it).
        RowLayout {
            id: statusRow
            Layout.fillWidth: true
            visible: deviceStatusLabel.text !== "" || cancelRoom || cancelShown

            Text {
                id: deviceStatusLabel
                textFormat: Text.PlainText
                Layout.fillWidth: true
                visible: text !== ""
                wrapMode: Text.WordWrap
                color: "#b00000"
                font.pixelSize: 12
            }

            FittingButton {
                id: cancelButton
                text: qsTr("Cancel")
                visible: cancelRoom || cancelShown
                opacity: cancelShown ? 1 : 0
                Layout.minimumWidth: 90
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Stop reading the switch; nothing on the switch is changed")
            }
        }

        Rectangle {
            id: separator1
            color: "#000000"
            Layout.fillWidth: true
            Layout.minimumHeight: 3
            Layout.maximumHeight: 3
        }

        RowLayout {
            id: staticDynamicRow
            Layout.fillWidth: true
            spacing: 50

            FittingButton {
                id: assignStaticButton
                text: qsTr("Set number of static UBs")
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Assign number of static UBs")
            }

            FittingButton {
                id: resetDynamicButton
                text: qsTr("Reset dynamic UBs")
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Equally distribute lines for dynamic UBs")
            }
        }

        RowLayout {
            id: lnb1Row
            Layout.fillWidth: true

            Text {
                id: lnb1Caption
                textFormat: Text.PlainText
                text: qsTr("LNB1: ")
                font.pixelSize: 12
            }

            SatelliteBox {
                id: lnb1Box
                textRole: qsTr("display")
                Layout.minimumWidth: 200
                Layout.minimumHeight: 40
                Layout.fillWidth: true
                Accessible.name: lnb1Caption.text
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Select satelite for LNB 1")
            }
        }

        RowLayout {
            id: lnb2Row
            Layout.fillWidth: true

            Text {
                id: lnb2Caption
                textFormat: Text.PlainText
                text: qsTr("LNB2: ")
                font.pixelSize: 12
            }

            SatelliteBox {
                id: lnb2Box
                textRole: qsTr("display")
                Layout.minimumWidth: 200
                Layout.minimumHeight: 40
                Layout.fillWidth: true
                Accessible.name: lnb2Caption.text
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Select satelite for LNB 2")
            }
        }

        CheckBox {
            id: tPathActiveBox
            text: qsTr("Terrestrial path active")
            ToolTip.visible: hovered
            ToolTip.delay: 500
            ToolTip.text: qsTr("DESCRIPTION")
        }

        RowLayout {
            id: filterRow
            Layout.fillWidth: true

            CheckBox {
                id: lteFilterBox
                text: qsTr("LTE filter")
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("DESCRIPTIONLTE")
            }

            CheckBox {
                id: standByBox
                text: "Stand by"
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Enable stand by mode (not possible with static UBs)")
            }
        }

        Item {
            id: spacer2
            Layout.fillWidth: true
            Layout.maximumHeight: 10
            Layout.fillHeight: true
        }

        Rectangle {
            id: separator2
            color: "#000000"
            Layout.fillWidth: true
            Layout.minimumHeight: 3
            Layout.maximumHeight: 3
        }

        RowLayout {
            id: deviceRow
            Layout.fillWidth: true
            spacing: 50

            FittingButton {
                id: saveToDeviceButton
                text: qsTr("Test on device")
                enabled: false
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Export settings to the device storage")
            }

            FittingButton {
                id: saveToRomButton
                text: qsTr("Save on device")
                enabled: false
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Export settings to the device rom")
            }
        }

        Item {
            id: spacer3
            Layout.fillWidth: true
            Layout.maximumHeight: 10
            Layout.fillHeight: true
        }

        RowLayout {
            id: readRow
            Layout.fillWidth: true
            spacing: 50

            FittingButton {
                id: readFromDeviceButton
                text: qsTr("Read from device")
                enabled: false
                Layout.fillWidth: true
                Layout.minimumWidth: 150
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Read configuration from device")
            }

            FittingButton {
                id: compareButton
                text: qsTr("Compare with device")
                enabled: false
                Layout.fillWidth: true
                Layout.minimumWidth: 150
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Show what the device holds that differs from this plan")
            }
        }

        Item {
            id: spacer4
            Layout.fillWidth: true
            Layout.maximumHeight: 10
            Layout.fillHeight: true
        }

        RowLayout {
            id: fileRow
            Layout.fillWidth: true
            Layout.maximumHeight: 100
            spacing: 50

            FittingButton {
                id: saveToFileButton
                text: qsTr("Save to file")
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Export settings to local storage")
            }

            FittingButton {
                id: readFromFileButton
                text: qsTr("Read from file")
                Layout.minimumWidth: 150
                Layout.fillWidth: true
                ToolTip.visible: hovered
                ToolTip.delay: 500
                ToolTip.text: qsTr("Load settings from local storage")
            }
        }

        Item {
            id: spacer5
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }

    // A quiet line about the satellite data, beside the logo, outside the
    // layout, so that no control moves when it appears; the whole text on
    // hover when it is cut short.
    Label {
        id: satelliteNoticeLabel
        textFormat: Text.PlainText
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.leftMargin: 20
        anchors.topMargin: 10
        width: Math.max(0, (parent.width - 100) / 2 - 30)
        height: 100
        visible: text !== ""
        wrapMode: Text.Wrap
        elide: Text.ElideRight
        maximumLineCount: 6
        verticalAlignment: Text.AlignVCenter
        color: "#404040"
        font.pixelSize: 10

        MouseArea {
            id: satelliteNoticeArea
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
        }

        PlainToolTip {
            id: satelliteNoticeTip
            visible: satelliteNoticeArea.containsMouse && satelliteNoticeLabel.truncated
            text: satelliteNoticeLabel.text
        }
    }
}
