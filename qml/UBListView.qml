import QtQuick 2.7
import QtQuick.Controls 2.2
import Fenzo 1.0

// The list with its vertical scroll bar always shown beside the rows.
Item {
    id: scrollView

    property alias listView: listView
    // Made when a row first asks for it: null until then.
    property alias ownTransponderDialog: ownTransponder.item

    OnDemand {
        id: ownTransponder
        source: "OwnTransponderDialog.qml"
    }

    ListView {
        id: listView
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: scrollBar.left
        anchors.rightMargin: 2
        model: Plan
        delegate: UBListDelegate {
        }
        spacing: 3
        // Rows are made as they scroll into view: making every row ahead
        // would slow the window's start.
        cacheBuffer: 0
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationWraps: false
        focus: true
        ScrollBar.vertical: scrollBar

        // A row's "Other transponder…".
        function askOwnTransponder(row) {
            ownTransponder.get().openFor(row)
        }

        // Static UBs go to the top or the bottom of the list: show them.
        Connections {
            target: Controller
            function onStaticUBsChanged(above) {
                if (above)
                    listView.contentY = 0
                else
                    listView.contentY = Math.max(0, listView.contentHeight - listView.height)
            }
        }
    }

    ScrollBar {
        id: scrollBar
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        // Shown even while the list is still, and never fading out.
        policy: ScrollBar.AlwaysOn
    }
}
