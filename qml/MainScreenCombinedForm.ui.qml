import QtQuick 2.7
import QtQuick.Layouts 1.3

Item {
    id: item1
    width: 950
    height: 550

    property alias optionsForm: optionsForm
    property alias mainScreenForm: mainScreenForm

    RowLayout {
        id: rowLayout
        anchors.fill: parent
        anchors.margins: 10

        MainScreen {
            id: mainScreenForm
            Layout.minimumWidth: 525
            Layout.maximumWidth: 650
            Layout.minimumHeight: 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignLeft | Qt.AlignTop
        }

        Options {
            id: optionsForm
            Layout.minimumWidth: 380
            Layout.maximumWidth: 550
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignLeft | Qt.AlignTop
        }

        Item {
            id: item2
            width: 0
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
