import QtQuick 2.7
import QtQuick.Controls 1.4

ScrollView {
    id: scrollView
    verticalScrollBarPolicy: Qt.ScrollBarAlwaysOn

    property alias listView: listView

    ListView {
        id: listView
        model: ubListViewModel
        delegate: UBListDelegate {
        }
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationWraps: false
        focus: true

        // Static UBs go to the top or the bottom of the list: show them.
        Connections {
            target: ubModelController
            function onStaticUBsChanged(above) {
                if (above)
                    listView.contentY = 0
                else
                    listView.contentY = Math.max(0, listView.contentHeight - listView.height)
            }
        }
    }
}
