import QtQuick 2.7
import QtQuick.Layouts 1.3

Item {
    id: item1
    width: 400
    height: 400

    property alias uBListView1: uBListView1

    ColumnLayout {
        id: columnLayout1
        anchors.fill: parent

        UBListView {
            id: uBListView1
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
